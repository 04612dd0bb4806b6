#include "platform/Label.h"

#include "platform/Application.h"
#include "platform/Drawing.h"

#include <algorithm>

namespace ui {

void Label::Caption(const std::string& text) {
    if (text == caption_) {
        return;
    }
    caption_ = text;
    FitSize();
    Changed();
    if (Change) {
        Change();
    }
}

void Label::ForeColor(std::uint32_t c) {
    foreColor_ = c;
    Changed();
}
void Label::BackColor(std::uint32_t c) {
    backColor_ = c;
    Changed();
}
void Label::BackStyle(int s) {
    backStyle_ = s;
    Changed();
}
void Label::FontSize(float points) {
    font_.size = points;
    FitSize();
    Changed();
}
void Label::FontBold(bool b) {
    font_.bold = b;
    FitSize();
    Changed();
}
void Label::Alignment(int a) {
    alignment_ = a;
    Changed();
}
void Label::AutoSize(bool a) {
    autoSize_ = a;
    FitSize();
}
void Label::WordWrap(bool w) {
    wordWrap_ = w;
    FitSize();
}

std::vector<std::string> Label::Lines() const {
    if (autoSize_ && !wordWrap_) {
        return SplitLines(caption_);
    }
    return WrapText(caption_, font_, static_cast<int>(Width()));
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
    DrawLines(target, Lines(), font_, foreColor_, alignment_, x, y, w, h);
}

} // namespace ui
