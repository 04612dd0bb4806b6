// The pictures the generator has drawn, checked against the manifest and written out.
#pragma once

#include "Look.h"

#include <pictures/PictureManifest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace picturegen {

// What a screen drawing shows beyond its resting state: lit or used buttons, a step of the
// game (values, ladder rung), a step of the countdown, or an amount; 0 and empty show none.
struct Variant {
    Light light = Light::Normal;
    int step = 0;
    int tick = 0;
    std::string_view amount;

    static Variant Lit() { return {Light::Lit, 0, 0, {}}; }
    static Variant Used() { return {Light::Used, 0, 0, {}}; }
    static Variant Step(int step) { return {Light::Normal, step, 0, {}}; }
    static Variant LitStep(int step) { return {Light::Lit, step, 0, {}}; }
    static Variant Tick(int tick) { return {Light::Normal, 0, tick, {}}; }
    static Variant Amount(std::string_view amount) { return {Light::Normal, 0, 0, amount}; }
};

// A full-screen drawing; pictures cut from it are rendered only over their own rectangle.
struct Screen {
    std::string_view background;
    std::function<void(Canvas&, FontBook&, const Variant&)> draw;
};

class PictureSet {
  public:
    explicit PictureSet(FontBook& fonts) : fonts_(fonts) {}

    FontBook& Fonts() { return fonts_; }

    void Add(std::string name, pictures::Folder folder, const Canvas& canvas);
    void AddEmbedded(std::string_view name, const Canvas& canvas);
    // Draws the screen in its resting state as a 640x480 background.
    void AddBackground(const Screen& screen);
    // Renders the named picture from the screen at the spot and size the manifest gives.
    void Cut(const Screen& screen, std::string_view name, const Variant& variant);
    void CutEmbedded(const Screen& screen, std::string_view name, const Variant& variant);

    // Throws when a picture of the manifest is missing, misplaced or of the wrong size, or
    // when something outside the manifest was drawn.
    void CheckAgainstManifest() const;
    void WriteFolders(const std::filesystem::path& gameDir) const;
    void WriteEmbeddedSource(const std::filesystem::path& file) const;

  private:
    struct Entry {
        std::string name;
        pictures::Folder folder;
        SurfacePtr surface;
    };
    struct Blob {
        std::string name;
        int width;
        int height;
        std::vector<std::uint8_t> bytes;
    };

    FontBook& fonts_;
    std::vector<Entry> entries_;
    std::vector<Blob> embedded_;
};

} // namespace picturegen

namespace picturegen {

// The rectangle of a picture of the manifest on the screen it lies on.
Rect PlaceOf(std::string_view name);

} // namespace picturegen
