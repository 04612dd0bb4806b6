// The default pack's pictures read back as the screens load them: files in the program folder,
// pictures compiled into the program, and their pixels whatever the file's layout.
#pragma once

#include "platform/SdlHandles.h"

#include <embedded/EmbeddedPictures.h>
#include <pictures/PictureManifest.h>

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace picturefiles {

using Surface = ui::SurfacePtr;

inline std::filesystem::path FileOf(pictures::Folder folder, std::string_view name) {
    return std::filesystem::path(QV_GAME_DIR) / pictures::FolderPath(folder) /
           (std::string(name) + ".bmp");
}

inline Surface LoadFile(const std::filesystem::path& file) {
    return Surface(SDL_LoadBMP(file.string().c_str()));
}

inline Surface LoadEmbedded(std::string_view name) {
    const auto bytes = EmbeddedPicture(name);
    return Surface(
        SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1));
}

inline Surface LoadBackground(std::string_view name) {
    return name == "jogo_fundo" ? LoadEmbedded(name)
                                : LoadFile(FileOf(pictures::Folder::Package, name));
}

// Pixels as 0xRRGGBB, whatever the file's layout.
class Pixels {
  public:
    explicit Pixels(SDL_Surface* s)
        : surface_(SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGB888, 0)) {}
    explicit Pixels(const Surface& s) : Pixels(s.get()) {}
    int Width() const { return surface_->w; }
    int Height() const { return surface_->h; }
    std::uint32_t At(int x, int y) const {
        const auto* row = static_cast<const std::uint8_t*>(surface_->pixels) + y * surface_->pitch;
        return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFFu;
    }

  private:
    Surface surface_;
};

inline int ChannelDistance(std::uint32_t a, std::uint32_t b) {
    int worst = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                         static_cast<int>((b >> shift) & 0xFF)));
    }
    return worst;
}

} // namespace picturefiles
