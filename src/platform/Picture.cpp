#include "platform/Picture.h"

#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/SdlHandles.h"

namespace ui {

namespace {

// Every picture is kept in one pixel format so that drawing is a plain blit.
Picture Normalised(SurfacePtr loaded, const std::string& what) {
    if (!loaded) {
        throw RuntimeError(ERR_INVALID_PICTURE, "Imagem inválida: " + what);
    }
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0);
    if (converted == nullptr) {
        throw RuntimeError(ERR_INVALID_PICTURE, "Imagem inválida: " + what);
    }
    return Picture::Adopt(converted);
}

} // namespace

Picture Picture::Adopt(SDL_Surface* surface) {
    return Picture(std::shared_ptr<SDL_Surface>(surface, SDL_FreeSurface));
}

Picture Picture::FromFile(const std::string& path) {
    const std::string resolved = ResolvePath(path);
    if (!FileExists(resolved)) {
        throw RuntimeError(ERR_FILE_NOT_FOUND, "Arquivo não encontrado: " + path);
    }
    return Normalised(SurfacePtr(SDL_LoadBMP(resolved.c_str())), path);
}

Picture Picture::FromMemory(std::span<const std::uint8_t> bytes) {
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    return Normalised(SurfacePtr(rw ? SDL_LoadBMP_RW(rw, 1) : nullptr), "(embutida)");
}

int Picture::Width() const {
    return surface_ ? surface_->w : 0;
}
int Picture::Height() const {
    return surface_ ? surface_->h : 0;
}

} // namespace ui
