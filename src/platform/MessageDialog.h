// The layout and drawing of a message box inside the game window.
#pragma once

#include "platform/Text.h"

#include <SDL.h>

#include <string>
#include <vector>

namespace ui {

class MessageDialog {
  public:
    struct Button {
        std::string caption;
        int answer;
        SDL_Rect rect;
    };

    // Lays the dialog out centred in a client area of the given size.
    MessageDialog(const std::string& text, int style, const std::string& title, int clientW,
                  int clientH);

    const std::vector<Button>& Buttons() const { return buttons_; }
    // The answer of the button at (x, y), or 0.
    int AnswerAt(int x, int y) const;
    // Enter takes the first button; Escape the only one of an OK box.
    int DefaultAnswer() const { return buttons_.front().answer; }
    int CancelAnswer() const { return buttons_.size() == 1 ? buttons_.front().answer : 0; }
    const std::vector<std::string>& Lines() const { return lines_; }
    const SDL_Rect& Frame() const { return frame_; }

    void Draw(SDL_Surface* target, int pressed) const;

  private:
    void DrawIcon(SDL_Surface* target, int x, int y) const;

    std::string title_;
    int icon_;
    std::vector<std::string> lines_;
    std::vector<Button> buttons_;
    SDL_Rect frame_{};
    SDL_Rect textBox_{};
};

} // namespace ui
