#include "platform/Label.h"

#include "platform/Application.h"
#include "platform/Drawing.h"

#include <algorithm>

namespace ui {

void Label::Caption(const std::string& text) {
    if (text == caption_) {
        return;
    }
    Reshape([&] {
        caption_ = text;
        Rewrap();
        FitSize();
    });
    if (Change) {
        Change();
    }
}

void Label::ForeColor(std::uint32_t c) {
    if (c != foreColor_) {
        image_.reset();
        SetLook(foreColor_, c);
    }
}
void Label::BackColor(std::uint32_t c) {
    SetLook(backColor_, c);
}
void Label::BackStyle(int s) {
    SetLook(backStyle_, s);
}
void Label::FontSize(float points) {
    SetLayout(font_.size, points);
}
void Label::FontBold(bool b) {
    SetLayout(font_.bold, b);
}
void Label::Alignment(int a) {
    SetLook(alignment_, a);
}
void Label::AutoSize(bool a) {
    SetLayout(autoSize_, a);
}
void Label::WordWrap(bool w) {
    SetLayout(wordWrap_, w);
}

void Label::Rewrap() {
    lines_.reset();
    image_.reset();
}

std::vector<std::string> Label::Lines() const {
    const bool wraps = !autoSize_ || wordWrap_;
    const int width = static_cast<int>(Width());
    if (!lines_ || (wraps && width != linesWidth_)) {
        lines_ = wraps ? WrapText(caption_, font_, width) : SplitLines(caption_);
        linesWidth_ = width;
        image_.reset();
    }
    return *lines_;
}

// Auto-size grows the label to its text: to the widest line without word wrap, or to the
// wrapped height at a fixed width with it.
void Label::FitSize() {
    if (!autoSize_ || fitting_) {
        return;
    }
    fitting_ = true;
    const auto lines = Lines();
    const float h = static_cast<float>(LineHeight(font_) * static_cast<int>(lines.size()));
    float w = Width();
    if (!wordWrap_) {
        w = 0;
        for (const auto& line : lines) {
            w = std::max(w, static_cast<float>(TextWidth(line, font_)));
        }
    }
    Move(Left(), Top(), w, h);
    fitting_ = false;
}

void Label::Draw(SDL_Surface* target, int x, int y) const {
    const int w = static_cast<int>(Width());
    const int h = static_cast<int>(Height());
    if (backStyle_ == 1) {
        FillRect(target, x, y, w, h, backColor_);
    }
    if (!image_) {
        image_.emplace(Lines(), font_, foreColor_);
    }
    image_->Draw(target, alignment_, x, y, w, h);
}

} // namespace ui
