// Where the finished 8-bit picture goes. With a graphics card: into a
// 640 x 480 texture that an accelerated renderer scales. Without one (a
// software OpenGL counts as none): converted and scaled by the shared
// presenter straight into the window's own surface, since a software
// renderer would stretch a texture pixel by pixel and send the whole window
// each frame.
#pragma once
#include <SDL.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/internal.h"
#include "platform/palette_object.h"
#include "platform/portable/frame_presenter.h"
#include "platform/portable/presentation.h"

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

    // Fill or whole factors, from the next frame on.
    void SetScaling(Scaling scaling);
    Scaling GetScaling() const { return scaling_; }
    // Bars around the picture are drawn again with the next frame (after the
    // window was uncovered or resized).
    void InvalidateBars() { presenter_.Invalidate(); }
    // The output's size in pixels, which a high-density display makes larger
    // than the window's size in window units.
    void OutputSize(int* w, int* h) const;
    bool UsesRenderer() const { return renderer_ != nullptr; }
    // How the picture is shown, for the verbose start-up line.
    const std::string& Description() const { return description_; }

private:
    bool rebuild_lut(const SDL_PixelFormat* format);
    void convert_narrow(SDL_Surface* out, const IndexedImage& image);
    SDL_Texture* scaled_texture(int factor);

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;  // null: our own scaling into the window surface
    SDL_Texture* texture_ = nullptr;
    SDL_PixelFormat* texture_format_ = nullptr;
    // The picture times a whole factor, which the renderer shrinks with
    // smoothing into the fill rectangle; and that factor.
    SDL_Texture* scaled_ = nullptr;
    int scaled_factor_ = 0;
    Scaling scaling_ = Scaling::Fill;
    std::array<std::uint32_t, 256> lut_{};
    std::array<PALETTEENTRY, 256> colours_{};
    bool grey_ = true;
    std::uint32_t lut_format_ = SDL_PIXELFORMAT_UNKNOWN;
    FramePresenter presenter_;
    // The window surface's bands that the last conversion changed and the
    // display must be sent, and whether that is all of it.
    std::vector<SDL_Rect> bands_;
    bool whole_update_ = true;
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
