// A caption: fixed box with optional word wrap, or sized to its text.
#pragma once

#include "platform/Control.h"
#include "platform/Text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class Label : public Control {
  public:
    using Control::Control;
    const std::string& Caption() const { return caption_; }
    void Caption(const std::string& text);
    std::uint32_t ForeColor() const { return foreColor_; }
    void ForeColor(std::uint32_t c);
    std::uint32_t BackColor() const { return backColor_; }
    void BackColor(std::uint32_t c);
    // 0 transparent, 1 opaque
    void BackStyle(int s);
    float FontSize() const { return font_.size; }
    void FontSize(float points);
    bool FontBold() const { return font_.bold; }
    void FontBold(bool b);
    int Alignment() const { return alignment_; }
    void Alignment(int a);
    bool AutoSize() const { return autoSize_; }
    void AutoSize(bool a);
    bool WordWrap() const { return wordWrap_; }
    void WordWrap(bool w);
    const struct Font& TextFont() const { return font_; }
    // The lines as drawn.
    std::vector<std::string> Lines() const;

    ClickHandler Change;

    void Draw(SDL_Surface* target, int x, int y) const override;

  protected:
    // A new width breaks the lines anew.
    void Resized() override {
        image_.reset();
        FitSize();
    }

  private:
    void FitSize();
    // The caption or font changed: the lines break anew and render anew.
    void Rewrap();
    // Sets a property that changes how the text breaks, then fits the size to it.
    template <class T> void SetLayout(T& property, T value) {
        if (property == value) {
            return;
        }
        property = value;
        Rewrap();
        FitSize();
        Changed();
    }
    // Sets a property that changes only the looks.
    template <class T> void SetLook(T& property, T value) {
        if (property == value) {
            return;
        }
        property = value;
        Changed();
    }
    std::string caption_;
    std::uint32_t foreColor_ = 0;
    std::uint32_t backColor_ = 0xFFFFFF;
    int backStyle_ = 0;
    struct Font font_;
    int alignment_ = vbLeftJustify;
    bool autoSize_ = false;
    bool wordWrap_ = false;
    bool fitting_ = false;
    mutable std::optional<std::vector<std::string>> lines_;
    mutable int linesWidth_ = 0;
    mutable std::optional<TextImage> image_;
};

} // namespace ui
