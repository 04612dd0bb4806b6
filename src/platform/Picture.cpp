#include "platform/Picture.h"

#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/SdlHandles.h"

namespace ui {

namespace {

// A stage-sized picture at 32 bits is 1.2 MB; no picture of the program comes near these.
constexpr std::size_t MAX_FILE_BYTES = 8u << 20;
constexpr std::int64_t MAX_PIXELS = 2048 * 1024;

std::uint32_t Le(std::span<const std::uint8_t> b, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | b[at + static_cast<std::size_t>(i)];
    }
    return value;
}

// The decoder allocates what the header declares before it reads the pixels: the header must
// declare a picture of a sane size whose uncompressed rows are really in the file.
bool PlausibleBmp(std::span<const std::uint8_t> b) {
    constexpr std::size_t FILE_HEADER = 14;
    if (b.size() < FILE_HEADER + 12 || b[0] != 'B' || b[1] != 'M') {
        return false;
    }
    const std::size_t pixelsAt = Le(b, 10, 4);
    const std::size_t infoSize = Le(b, 14, 4);
    const bool core = infoSize == 12;
    if ((!core && infoSize < 40) || b.size() < FILE_HEADER + infoSize) {
        return false;
    }
    // Signed in the long header: a negative height is a picture stored top row first.
    const auto field = [&](std::size_t coreAt, std::size_t at) -> std::int64_t {
        if (core) {
            return Le(b, coreAt, 2);
        }
        return static_cast<std::int32_t>(Le(b, at, 4));
    };
    const std::int64_t width = field(18, 18);
    const std::int64_t height = field(20, 22);
    const std::int64_t bits = Le(b, core ? 24 : 28, 2);
    const std::uint32_t compression = core ? 0 : Le(b, 30, 4);
    const std::int64_t rows = height < 0 ? -height : height;
    if (width <= 0 || rows == 0 || width * rows > MAX_PIXELS || bits == 0 || bits > 32 ||
        pixelsAt < FILE_HEADER + infoSize || pixelsAt > b.size()) {
        return false;
    }
    // Run-length data has no fixed size; the pixel bound above holds it.
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    const std::int64_t stride = (width * bits + 31) / 32 * 4;
    return !uncompressed || stride * rows <= static_cast<std::int64_t>(b.size() - pixelsAt);
}

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

Picture Decoded(std::span<const std::uint8_t> bytes, const std::string& what) {
    if (!PlausibleBmp(bytes)) {
        throw RuntimeError(ERR_INVALID_PICTURE, "Imagem inválida: " + what);
    }
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    return Normalised(SurfacePtr(rw ? SDL_LoadBMP_RW(rw, 1) : nullptr), what);
}

} // namespace

Picture Picture::Adopt(SDL_Surface* surface) {
    return Picture(std::shared_ptr<SDL_Surface>(surface, SDL_FreeSurface));
}

Picture Picture::FromFile(const std::string& path) {
    const FileContent file = ReadRegularFile(path, MAX_FILE_BYTES);
    if (file.status == FileContent::Status::Missing) {
        throw RuntimeError(ERR_FILE_NOT_FOUND, "Arquivo não encontrado: " + path);
    }
    return Decoded(file.Bytes(), path);
}

Picture Picture::FromMemory(std::span<const std::uint8_t> bytes) {
    return Decoded(bytes, "(embutida)");
}

int Picture::Width() const {
    return surface_ ? surface_->w : 0;
}
int Picture::Height() const {
    return surface_ ? surface_->h : 0;
}

} // namespace ui
