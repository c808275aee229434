// Where the finished 8-bit picture goes. With a graphics card: into a
// 640 x 480 texture that an accelerated renderer scales. Without one (a
// software OpenGL counts as none): converted and scaled by us straight into
// the window's own surface, since a software renderer would stretch a texture
// pixel by pixel and send the whole window each frame.
#pragma once
#include <SDL.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/internal.h"
#include "platform/palette_object.h"
#include "platform/presentation.h"
#include "platform/scaled_conversion.h"

namespace platform::internal {

class ScreenOutput {
public:
    // Chooses the way for the window: SDL_RENDER_DRIVER when set, else an
    // accelerated renderer on a real graphics card, else the window surface.
    bool Open(SDL_Window* window);
    void Close();
    // The texture or the window surface is ready to take pictures.
    bool PrepareTarget();

    // The colours the next conversion uses; null for a grey ramp. Entries 0
    // and 255 stay black and white whatever the palette says.
    void SetColours(const std::array<PALETTEENTRY, 256>* entries);
    bool Convert(const IndexedImage& image);
    bool Present();

    // Bars around the picture are drawn again with the next frame (after the
    // window was uncovered or resized).
    void InvalidateBars() { bars_valid_ = false; }
    // The output's size in pixels, which a high-density display makes larger
    // than the window's size in window units.
    void OutputSize(int* w, int* h) const;
    bool UsesRenderer() const { return renderer_ != nullptr; }
    // How the picture is shown, for the verbose start-up line.
    const std::string& Description() const { return description_; }

private:
    bool rebuild_lut(const SDL_PixelFormat* format);
    void convert_changed_rows(const std::uint8_t* pixels, int pitch, const PixelTarget& target);

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;  // null: our own scaling into the window surface
    SDL_Texture* texture_ = nullptr;
    SDL_PixelFormat* texture_format_ = nullptr;
    std::array<std::uint32_t, 256> lut_{};
    std::array<PALETTEENTRY, 256> colours_{};
    bool grey_ = true;
    std::uint32_t lut_format_ = SDL_PIXELFORMAT_UNKNOWN;
    // The window surface the bars were last drawn on, and its size.
    const SDL_Surface* bars_surface_ = nullptr;
    int bars_w_ = 0, bars_h_ = 0;
    bool bars_valid_ = false;
    bool whole_update_ = true;
    ViewRect view_{0, 0, kImageWidth, kImageHeight};
    // The picture as the window surface holds it, and the bands of it that
    // the last conversion changed and the display must be sent.
    std::vector<std::uint8_t> shown_ = std::vector<std::uint8_t>(std::size_t(kImageWidth) * kImageHeight);
    std::vector<SDL_Rect> bands_;
    std::string description_;
};

// A graphics card shows itself as a render node (or NVIDIA's control
// device). Without one any OpenGL draws on the processor, and loading it
// would only cost start-up time and memory.
bool GraphicsDevicePresent();

// True when the OpenGL the system offers draws on the processor (Mesa's
// llvmpipe, softpipe or swrast); also true when there is no OpenGL at all.
bool OpenGLIsSoftware(char* renderer_name, int size);

}  // namespace platform::internal
