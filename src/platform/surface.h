// 8-bit drawing surfaces: the primary with its back buffer, and the
// off-screen surfaces of pictures and texts. Operations answer with the result
// codes the game tests, and a test can make the next one fail.
#pragma once
#include <cstdint>
#include <memory>

#include "platform/results.h"

namespace platform {

class Palette;

struct Rect {
    int left, top, right, bottom;
};

// What Lock describes: size, row pitch, and (after Lock)
// the address of the locked rectangle's top-left pixel.
struct SurfaceDesc {
    int width = 0;
    int height = 0;
    int pitch = 0;
    std::uint8_t* surface = nullptr;
};

constexpr std::uint32_t DDBLTFAST_NOCOLORKEY = 0x0;
constexpr std::uint32_t DDBLTFAST_SRCCOLORKEY = 0x1;
constexpr std::uint32_t DDBLTFAST_WAIT = 0x10;

class Surface {
public:
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // Copies srcrect (the whole source when null) of src to (x, y); with
    // DDBLTFAST_SRCCOLORKEY the source's colour key is left out. Rectangles
    // must lie inside both surfaces (DDERR_INVALIDRECT otherwise).
    HRESULT BltFast(int x, int y, Surface* src, const Rect* srcrect, std::uint32_t flags);
    // The colour fill: every pixel of the surface becomes the palette index.
    HRESULT ColorFill(std::uint8_t index);
    HRESULT Lock(const Rect* rect, SurfaceDesc* desc);
    HRESULT Unlock();
    HRESULT SetColorKey(std::uint8_t key);
    HRESULT IsLost() const;
    HRESULT Restore();

    // Primary only: the back buffer, and the flip that shows it.
    HRESULT GetAttachedSurface(Surface** back);
    HRESULT Flip();
    HRESULT SetPalette(Palette* palette);

    // Releases the surface (a primary takes its back buffer along); always 0.
    unsigned long Release();

    // A surface marked lost says so through IsLost until restored; memory is
    // never really taken, so the other operations go on working.
    void MarkLost() { lost_ = true; }

    // Kept beside the pixels' owner: the hit test asks for them on every
    // object under the pointer.
    int width() const { return width_; }
    int height() const { return height_; }

    struct Impl;
    Impl* impl() { return impl_.get(); }

private:
    friend class DirectDraw;
    explicit Surface(std::unique_ptr<Impl> impl);

    std::unique_ptr<Impl> impl_;
    int width_ = 0;
    int height_ = 0;
    bool lost_ = false;
};

}  // namespace platform
