#include "platform/MessageDialog.h"

#include "platform/Backend.h"
#include "platform/Colour.h"

#include <algorithm>

namespace ui {

namespace {

const Font TEXT_FONT{10.0f, false};
const Font TITLE_FONT{10.0f, true};
constexpr int TITLE_H = 24;
constexpr int PAD = 14;
constexpr int ICON = 32;
constexpr int BUTTON_W = 84;
constexpr int BUTTON_H = 26;
constexpr int MAX_TEXT_W = 420;
// The dialog keeps this far inside the window, however long its text.
constexpr int MARGIN = 8;
constexpr int MIN_W = 200;

void Fill(SDL_Surface* s, const SDL_Rect& r, std::uint32_t colour) {
    SDL_FillRect(s, &r, MapColour(s, colour));
}

void Outline(SDL_Surface* s, const SDL_Rect& r, std::uint32_t colour) {
    Fill(s, {r.x, r.y, r.w, 1}, colour);
    Fill(s, {r.x, r.y + r.h - 1, r.w, 1}, colour);
    Fill(s, {r.x, r.y, 1, r.h}, colour);
    Fill(s, {r.x + r.w - 1, r.y, 1, r.h}, colour);
}

std::vector<MessageDialog::Button> ButtonsFor(int style) {
    if ((style & 7) == vbAbortRetryIgnore) {
        return {{"Anular", vbAbort, {}}, {"Repetir", vbRetry, {}}, {"Ignorar", vbIgnore, {}}};
    }
    return {{"OK", vbOK, {}}};
}

} // namespace

MessageDialog::MessageDialog(const std::string& text, int style, const std::string& title,
                             int clientW, int clientH)
    : title_(title), icon_(style & 0x70), buttons_(ButtonsFor(style)) {
    const int iconW = icon_ != 0 ? ICON + PAD : 0;
    const int chromeH = TITLE_H + PAD + PAD + BUTTON_H + PAD;
    // A text longer than the window holds is cut with an ellipsis, so the title and the
    // buttons stay on screen.
    const int textRoom = std::clamp(clientW - 2 * MARGIN - 2 * PAD - iconW, 1, MAX_TEXT_W);
    const int lineRoom = (clientH - 2 * MARGIN - chromeH) / LineHeight(TEXT_FONT);
    lines_ = WrapText(text, TEXT_FONT, textRoom, static_cast<std::size_t>(std::max(lineRoom, 1)));
    int textW = 0;
    for (const auto& line : lines_) {
        textW = std::max(textW, TextWidth(line, TEXT_FONT));
    }
    const int textH = LineHeight(TEXT_FONT) * static_cast<int>(lines_.size());
    const int buttonsW = static_cast<int>(buttons_.size()) * (BUTTON_W + 8) - 8;
    const int titleW = std::min(TextWidth(title_, TITLE_FONT) + 20, clientW);
    const int w = std::min(std::max({iconW + textW, buttonsW, titleW, MIN_W}) + 2 * PAD,
                           std::max(clientW - 2 * MARGIN, buttonsW + 2 * PAD));
    const int h = chromeH + std::max(textH, icon_ != 0 ? ICON : 0);
    frame_ = {std::max((clientW - w) / 2, 0), std::max((clientH - h) / 2, 0), w, h};
    textBox_ = {frame_.x + PAD + iconW, frame_.y + TITLE_H + PAD, textW, textH};
    int bx = frame_.x + (w - buttonsW) / 2;
    const int by = frame_.y + h - PAD - BUTTON_H;
    for (auto& b : buttons_) {
        b.rect = {bx, by, BUTTON_W, BUTTON_H};
        bx += BUTTON_W + 8;
    }
}

int MessageDialog::AnswerAt(int x, int y) const {
    const SDL_Point p{x, y};
    for (const auto& b : buttons_) {
        if (SDL_PointInRect(&p, &b.rect)) {
            return b.answer;
        }
    }
    return 0;
}

void MessageDialog::DrawIcon(SDL_Surface* target, int x, int y) const {
    const bool info = icon_ == vbInformation;
    const std::uint32_t colour = info          ? RGB(30, 80, 200)
                                 : icon_ == 16 ? RGB(200, 30, 30)
                                               : RGB(240, 190, 20);
    // A round badge for information, a square one for warnings; the mark is drawn as text.
    for (int row = 0; row < ICON; ++row) {
        const int d = row - ICON / 2;
        const int half =
            info ? static_cast<int>(SDL_sqrtf(static_cast<float>(ICON * ICON / 4 - d * d)))
                 : ICON / 2;
        Fill(target, {x + ICON / 2 - half, y + row, 2 * half, 1}, colour);
    }
    const Font mark{16.0f, true};
    DrawLines(target, {info ? "i" : "!"}, mark, info ? RGB(255, 255, 255) : 0, vbCenter, x,
              y + (ICON - LineHeight(mark)) / 2, ICON, LineHeight(mark));
}

void MessageDialog::Draw(SDL_Surface* target, int pressed) const {
    Fill(target, frame_, RGB(236, 236, 240));
    Outline(target, frame_, RGB(20, 20, 60));
    const SDL_Rect bar{frame_.x + 1, frame_.y + 1, frame_.w - 2, TITLE_H - 1};
    Fill(target, bar, RGB(24, 28, 110));
    DrawLines(target, {title_}, TITLE_FONT, RGB(255, 255, 255), vbLeftJustify, bar.x + 8,
              bar.y + (bar.h - LineHeight(TITLE_FONT)) / 2, bar.w - 16, LineHeight(TITLE_FONT));
    if (icon_ != 0) {
        DrawIcon(target, frame_.x + PAD, frame_.y + TITLE_H + PAD);
    }
    DrawLines(target, lines_, TEXT_FONT, 0, vbLeftJustify, textBox_.x, textBox_.y, textBox_.w + 1,
              textBox_.h);
    for (const auto& b : buttons_) {
        const bool down = b.answer == pressed;
        Fill(target, b.rect, down ? RGB(200, 200, 210) : RGB(250, 250, 252));
        Outline(target, b.rect,
                b.answer == DefaultAnswer() ? RGB(24, 28, 110) : RGB(120, 120, 130));
        DrawLines(target, {b.caption}, TEXT_FONT, 0, vbCenter, b.rect.x,
                  b.rect.y + (b.rect.h - LineHeight(TEXT_FONT)) / 2, b.rect.w,
                  LineHeight(TEXT_FONT));
    }
}

} // namespace ui
