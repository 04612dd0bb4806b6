// A decoded picture, shared between the controls that show it.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

struct SDL_Surface;

namespace ui {

class Picture {
  public:
    Picture() = default;

    // Throws RuntimeError: ERR_FILE_NOT_FOUND when the file is missing, ERR_INVALID_PICTURE
    // when it is not an ordinary file holding a BMP picture of a sane size. The name is
    // resolved without regard to case.
    static Picture FromFile(const std::string& path);
    static Picture FromMemory(std::span<const std::uint8_t> bytes);
    // Wraps a surface the caller created; the picture takes ownership.
    static Picture Adopt(SDL_Surface* surface);

    int Width() const;
    int Height() const;
    SDL_Surface* Surface() const { return surface_.get(); }
    explicit operator bool() const { return surface_ != nullptr; }
    bool operator==(const Picture& other) const { return surface_ == other.surface_; }

  private:
    explicit Picture(std::shared_ptr<SDL_Surface> s) : surface_(std::move(s)) {}
    std::shared_ptr<SDL_Surface> surface_;
};

} // namespace ui
