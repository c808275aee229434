// Result codes of the display, sound and bitmap operations, which the game
// tests one by one: each failure it tells apart has a code of its own.
#pragma once
#include <cstdint>

namespace platform {

using HRESULT = std::int32_t;

constexpr HRESULT DD_OK = 0;
constexpr HRESULT E_FAIL = HRESULT(0x80004005u);
constexpr HRESULT DDERR_GENERIC = E_FAIL;
constexpr HRESULT DDERR_INVALIDPARAMS = HRESULT(0x80070057u);
constexpr HRESULT DDERR_SURFACELOST = HRESULT(0x887601C2u);
constexpr HRESULT DDERR_WASSTILLDRAWING = HRESULT(0x8876021Cu);
constexpr HRESULT DDERR_INVALIDRECT = HRESULT(0x88760096u);

inline bool FAILED(HRESULT r) { return r < 0; }

}  // namespace platform
