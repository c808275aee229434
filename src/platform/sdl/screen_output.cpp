#include "platform/sdl/screen_output.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "platform/portable/scaled_conversion.h"

namespace platform::internal {
namespace {

constexpr unsigned kGlRenderer = 0x1F01;  // GL_RENDERER

}  // namespace

bool GraphicsDevicePresent() {
#if defined(__linux__)
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", ec))
        if (entry.path().filename().string().rfind("renderD", 0) == 0) return true;
    return std::filesystem::exists("/dev/nvidiactl", ec);
#else
    return true;
#endif
}

bool OpenGLIsSoftware(char* renderer_name, int size) {
    renderer_name[0] = '\0';
    // A hidden window of its own, so that the game's window never becomes an
    // OpenGL one where the picture is then drawn without it.
    SDL_Window* probe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!probe) return true;
    bool software = true;
    if (SDL_GLContext context = SDL_GL_CreateContext(probe)) {
        using GetString = const unsigned char* (*)(unsigned);
        auto get_string = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
        const unsigned char* name = get_string ? get_string(kGlRenderer) : nullptr;
        if (name) {
            SDL_strlcpy(renderer_name, reinterpret_cast<const char*>(name), size);
            software = std::strstr(renderer_name, "llvmpipe") || std::strstr(renderer_name, "softpipe") ||
                       std::strstr(renderer_name, "swrast") || std::strstr(renderer_name, "Software");
        }
        SDL_GL_DeleteContext(context);
    }
    SDL_DestroyWindow(probe);
    return software;
}

bool ScreenOutput::Open(SDL_Window* window) {
    Close();
    window_ = window;
    // The window surface must be the X server's (or compositor's) own memory:
    // SDL would otherwise put a software-OpenGL texture behind it.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    const char* forced = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    if (forced && *forced) {
        renderer_ = SDL_CreateRenderer(window, -1, 0);
        if (!renderer_) return false;
        description_ = std::string("the renderer named by SDL_RENDER_DRIVER, ") + forced;
        return true;
    }
    char gl_name[128] = "";
    if (!GraphicsDevicePresent()) {
        description_ = "our own scaling into the window surface: no graphics device";
    } else if (OpenGLIsSoftware(gl_name, sizeof gl_name)) {
        description_ = std::string("our own scaling into the window surface: OpenGL is ") +
                       (gl_name[0] ? gl_name : "not available");
    } else if ((renderer_ = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED))) {
        SDL_RendererInfo info{};
        SDL_GetRendererInfo(renderer_, &info);
        description_ = std::string("the accelerated renderer ") + (info.name ? info.name : "") + " on " + gl_name;
    } else {
        description_ = std::string("our own scaling into the window surface: no renderer for ") + gl_name;
    }
    return true;
}

void ScreenOutput::Close() {
    if (scaled_) SDL_DestroyTexture(scaled_);
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (texture_format_) SDL_FreeFormat(texture_format_);
    scaled_ = nullptr;
    scaled_factor_ = 0;
    texture_ = nullptr;
    renderer_ = nullptr;
    texture_format_ = nullptr;
    window_ = nullptr;
    lut_format_ = SDL_PIXELFORMAT_UNKNOWN;
    presenter_.Invalidate();
}

void ScreenOutput::SetScaling(Scaling scaling) {
    scaling_ = scaling;
    presenter_.SetScaling(scaling);
}

bool ScreenOutput::PrepareTarget() {
    if (!window_) return false;
    if (!renderer_) return SDL_GetWindowSurface(window_) != nullptr;
    if (texture_) return true;
    // No alpha: the picture is opaque, and a texture with alpha would be
    // blended into the output instead of copied.
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, kImageWidth,
                                 kImageHeight);
    if (!texture_) return false;
    if (!texture_format_) texture_format_ = SDL_AllocFormat(SDL_PIXELFORMAT_RGB888);
    SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
    return true;
}

void ScreenOutput::SetColours(const std::array<PALETTEENTRY, 256>* entries) {
    grey_ = entries == nullptr;
    if (entries) colours_ = *entries;
    lut_format_ = SDL_PIXELFORMAT_UNKNOWN;
}

bool ScreenOutput::rebuild_lut(const SDL_PixelFormat* format) {
    if (format->format == lut_format_) return true;
    if (format->BytesPerPixel < 2) return false;
    for (int i = 0; i < 256; ++i) {
        const std::uint8_t grey = std::uint8_t(i);
        const PALETTEENTRY& e = colours_[i];
        lut_[i] = grey_ ? SDL_MapRGB(format, grey, grey, grey) : SDL_MapRGB(format, e.peRed, e.peGreen, e.peBlue);
    }
    lut_[0] = SDL_MapRGB(format, 0, 0, 0);
    lut_[255] = SDL_MapRGB(format, 255, 255, 255);
    lut_format_ = format->format;
    return true;
}

void ScreenOutput::OutputSize(int* w, int* h) const {
    *w = kImageWidth;
    *h = kImageHeight;
    if (renderer_) SDL_GetRendererOutputSize(renderer_, w, h);
    else if (window_) SDL_GetWindowSizeInPixels(window_, w, h);
}

bool ScreenOutput::Convert(const IndexedImage& image) {
    const std::uint8_t* pixels = image.row(0);
    if (renderer_) {
        void* texels = nullptr;
        int pitch = 0;
        if (!texture_ || !texture_format_ || SDL_LockTexture(texture_, nullptr, &texels, &pitch) != 0) return false;
        rebuild_lut(texture_format_);
        ConvertScaled(pixels, image.pitch, lut_.data(), {static_cast<std::uint8_t*>(texels), pitch, 4},
                      {0, 0, kImageWidth, kImageHeight});
        SDL_UnlockTexture(texture_);
        return true;
    }
    // The window surface is made anew by SDL when the window's size changes.
    SDL_Surface* out = SDL_GetWindowSurface(window_);
    if (!out || !rebuild_lut(out->format)) return false;
    if (SDL_MUSTLOCK(out) && SDL_LockSurface(out) != 0) return false;
    if (out->format->BytesPerPixel == 4) {
        const auto& bands = presenter_.Present(pixels, image.pitch, lut_.data(),
                                               {static_cast<std::uint8_t*>(out->pixels), out->pitch, out->w, out->h});
        bands_.clear();
        for (const ViewRect& b : bands) bands_.push_back({b.x, b.y, b.w, b.h});
        whole_update_ = bands.size() == 1 && bands[0].w == out->w && bands[0].h == out->h;
    } else {
        convert_narrow(out, image);
    }
    if (SDL_MUSTLOCK(out)) SDL_UnlockSurface(out);
    return true;
}

// A window surface of two or three bytes a pixel (an old 16-bit display):
// bars and the nearest image pixel for each output pixel, all of it each
// frame, as such displays are small.
void ScreenOutput::convert_narrow(SDL_Surface* out, const IndexedImage& image) {
    const ViewRect view = OutputRect(out->w, out->h, scaling_);
    SDL_FillRect(out, nullptr, SDL_MapRGB(out->format, 0, 0, 0));
    ConvertScaled(image.row(0), image.pitch, lut_.data(),
                  {static_cast<std::uint8_t*>(out->pixels), out->pitch, out->format->BytesPerPixel}, view);
    whole_update_ = true;
}

// The texture the picture is drawn into at a whole factor, made when the
// factor changes; null where the renderer cannot draw into textures.
SDL_Texture* ScreenOutput::scaled_texture(int factor) {
    if (scaled_ && scaled_factor_ == factor) return scaled_;
    if (scaled_) SDL_DestroyTexture(scaled_);
    scaled_ = nullptr;
    scaled_factor_ = 0;
    if (!SDL_RenderTargetSupported(renderer_)) return nullptr;
    scaled_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_TARGET, kImageWidth * factor,
                                kImageHeight * factor);
    if (!scaled_) return nullptr;
    SDL_SetTextureBlendMode(scaled_, SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(scaled_, SDL_ScaleModeLinear);
    scaled_factor_ = factor;
    return scaled_;
}

bool ScreenOutput::Present() {
    if (!renderer_) {
        if (whole_update_) return SDL_UpdateWindowSurface(window_) == 0;
        if (bands_.empty()) return true;
        return SDL_UpdateWindowSurfaceRects(window_, bands_.data(), int(bands_.size())) == 0;
    }
    int ow = 0, oh = 0;
    SDL_GetRendererOutputSize(renderer_, &ow, &oh);
    const ViewRect v = OutputRect(ow, oh, scaling_);
    const SDL_Rect dst{v.x, v.y, v.w, v.h};
    // Sharp at any size: the picture is blown up by the next whole factor
    // without smoothing, then shrunk with smoothing to the rectangle, so
    // that only the output pixels on the borders between image pixels are
    // blends. A whole factor needs neither step. Where the renderer cannot
    // draw into a texture the picture is scaled without smoothing.
    SDL_Texture* shown = texture_;
    const int factor = std::max((v.w + kImageWidth - 1) / kImageWidth, (v.h + kImageHeight - 1) / kImageHeight);
    if (v.w != kImageWidth * factor || v.h != kImageHeight * factor) {
        if (SDL_Texture* scaled = scaled_texture(factor); scaled && SDL_SetRenderTarget(renderer_, scaled) == 0) {
            SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
            SDL_SetRenderTarget(renderer_, nullptr);
            shown = scaled;
        }
    }
    // Black bars where the picture does not fill the output; a picture that
    // covers it all needs no clearing first.
    if (v.x > 0 || v.y > 0 || v.w < ow || v.h < oh) {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
    }
    SDL_RenderCopy(renderer_, shown, nullptr, &dst);
    SDL_RenderPresent(renderer_);
    return true;
}

}  // namespace platform::internal
