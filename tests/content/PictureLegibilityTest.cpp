// Whether a player can read the default pack's lettering, measured on the pictures as drawn:
// one capital height for the captions of a screen's buttons, hints that are tall enough and
// stand out from what lies behind them, and card digits clear of the words above and below.
#include "content/PictureFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace picturefiles;

// Relative luminance of an sRGB colour, on which contrast ratios for reading are defined.
double Luminance(std::uint32_t rgb) {
    const auto linear = [](std::uint32_t channel) {
        const double v = static_cast<double>(channel & 0xFF) / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(rgb >> 16) + 0.7152 * linear(rgb >> 8) + 0.0722 * linear(rgb);
}

double Contrast(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// The colour counted most often, if any was.
std::optional<std::uint32_t> Commonest(const std::map<std::uint32_t, int>& counts) {
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](auto& a, auto& b) { return a.second < b.second; });
    if (most == counts.end() || most->second == 0) {
        return std::nullopt;
    }
    return most->first;
}

struct Box {
    int x = 0, y = 0, w = 0, h = 0;
};

// One line of lettering: the rows and columns of its ink, and the last row that the bodies of
// its letters reach, above descenders, so that top to baseline is its capital height.
struct Line {
    int top = 0;
    int bottom = 0;
    int baseline = 0;
    int left = 0;
    int right = 0;
    int CapHeight() const { return baseline - top + 1; }
};

// The lettering in a part of a picture. The ground is what most of the part shows; letters are
// filled with one colour that stands out from it, and a pixel belongs to them when it lies at
// least half-way from the ground's luminance to theirs. A round part reads only the disc
// inside a button's rim.
class Lettering {
  public:
    Lettering(const Pixels& picture, Box box, bool round = false)
        : picture_(picture), box_(box), round_(round),
          ink_(static_cast<std::size_t>(box.w * box.h)) {
        std::vector<double> all;
        std::map<std::uint32_t, int> standing;
        ForEach(box_, [&](int x, int y) { all.push_back(Luminance(picture_.At(x, y))); });
        const double ground = Median(all);
        ForEach(box_, [&](int x, int y) {
            const std::uint32_t c = picture_.At(x, y);
            standing[c] += Contrast(Luminance(c), ground) >= 2.0 ? 1 : 0;
        });
        const std::optional<std::uint32_t> fill = Commonest(standing);
        if (!fill) {
            return;
        }
        const double letters = Luminance(*fill);
        ForEach(box_, [&](int x, int y) {
            const double share = (Luminance(picture_.At(x, y)) - ground) / (letters - ground);
            ink_[Index(x, y)] = share >= 0.5 ? 1 : 0;
        });
        FindLines();
    }

    const std::vector<Line>& Lines() const { return lines_; }

    // The line with the most ink: the text of a strip where stars may also shine.
    Line Main() const {
        Line best;
        int most = -1;
        for (const Line& line : lines_) {
            const int ink = InkIn(
                {line.left, line.top, line.right - line.left + 1, line.bottom - line.top + 1});
            if (ink > most) {
                most = ink;
                best = line;
            }
        }
        return best;
    }

    // The contrast of a line's fill against the ground around it, beyond its edges and shadow.
    double ContrastOf(const Line& line) const {
        const Box letters{line.left, line.top, line.right - line.left + 1,
                          line.bottom - line.top + 1};
        std::map<std::uint32_t, int> fills;
        ForEach(letters, [&](int x, int y) { fills[picture_.At(x, y)] += Ink(x, y); });
        const std::optional<std::uint32_t> fill = Commonest(fills);
        if (!fill) {
            return 0;
        }
        std::vector<double> around;
        ForEach({letters.x - 4, letters.y - 4, letters.w + 8, letters.h + 8}, [&](int x, int y) {
            if (InkIn({x - 2, y - 2, 5, 5}) == 0) {
                around.push_back(Luminance(picture_.At(x, y)));
            }
        });
        return Contrast(Luminance(*fill), Median(around));
    }

  private:
    template <typename Visit> void ForEach(Box part, Visit visit) const {
        for (int y = std::max(part.y, box_.y); y < std::min(part.y + part.h, box_.y + box_.h);
             ++y) {
            for (int x = std::max(part.x, box_.x); x < std::min(part.x + part.w, box_.x + box_.w);
                 ++x) {
                if (Inside(x, y)) {
                    visit(x, y);
                }
            }
        }
    }

    bool Inside(int x, int y) const {
        if (!round_) {
            return true;
        }
        const double dx = x + 0.5 - (box_.x + box_.w / 2.0);
        const double dy = y + 0.5 - (box_.y + box_.h / 2.0);
        const double r = 0.7 * std::min(box_.w, box_.h) / 2.0;
        return dx * dx + dy * dy <= r * r;
    }

    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>((y - box_.y) * box_.w + (x - box_.x));
    }

    int Ink(int x, int y) const { return ink_[Index(x, y)]; }

    int InkIn(Box part) const {
        int ink = 0;
        ForEach(part, [&](int x, int y) { ink += Ink(x, y); });
        return ink;
    }

    void FindLines() {
        std::vector<int> rows(static_cast<std::size_t>(box_.h));
        for (int y = box_.y; y < box_.y + box_.h; ++y) {
            rows[static_cast<std::size_t>(y - box_.y)] = InkIn({box_.x, y, box_.w, 1});
        }
        for (int y = 0; y < box_.h;) {
            if (rows[static_cast<std::size_t>(y)] == 0) {
                ++y;
                continue;
            }
            int end = y;
            int widest = 0;
            while (end < box_.h && rows[static_cast<std::size_t>(end)] > 0) {
                widest = std::max(widest, rows[static_cast<std::size_t>(end++)]);
            }
            Line line{box_.y + y, box_.y + end - 1, box_.y + y, box_.x + box_.w, box_.x - 1};
            // Descenders hold far fewer pixels a row than the bodies of the letters.
            for (int row = y; row < end; ++row) {
                if (4 * rows[static_cast<std::size_t>(row)] >= widest) {
                    line.baseline = box_.y + row;
                }
                ForEach({box_.x, box_.y + row, box_.w, 1}, [&](int x, int yy) {
                    if (Ink(x, yy) != 0) {
                        line.left = std::min(line.left, x);
                        line.right = std::max(line.right, x);
                    }
                });
            }
            lines_.push_back(line);
            y = end;
        }
    }

    const Pixels& picture_;
    Box box_;
    bool round_;
    std::vector<std::uint8_t> ink_;
    std::vector<Line> lines_;
};

struct Button {
    std::string_view name;
    bool hint; // a key under the caption
};

struct ButtonScreen {
    std::string_view background;
    std::vector<Button> buttons;
};

const std::vector<ButtonScreen>& ButtonScreens() {
    static const std::vector<ButtonScreen> screens = {
        {"bgmenu",
         {{"bot_intro-0", true},
          {"bot_intro-1", false},
          {"bot_intro-2", false},
          {"bot_intro-3", false}}},
        {"bgnome", {{"bot_nome_f1", true}, {"bot_nome_f2", true}, {"bot_nome_f3", true}}},
        {"bgplacar", {{"bot_placar_menu", false}, {"bot_placar_limpar", false}}},
        {"bgsair", {{"bot_sair_0", false}, {"bot_sair_1", false}}},
        {"bgregras", {{"bot_regra_0", false}, {"bot_regra_1", false}, {"bot_regra_2", false}}},
        {"jogo_fundo",
         {{"bot_jogo_sim", false},
          {"bot_jogo_nao", false},
          {"bot_jogo_parar", false},
          {"overAjuda_3", false},
          {"overAjuda_4", false},
          {"overAjuda_5", false}}},
    };
    return screens;
}

// A button's caption and hint as the screen shows it at rest (drawn in the background) and
// under the pointer (its highlight picture).
struct ButtonLettering {
    Line caption;
    std::optional<Line> hint;
    double hintContrast = 0;
};

std::vector<ButtonLettering> ReadButton(const Button& button, const Pixels& background) {
    const pictures::Picture& p = pictures::Listed(button.name);
    const Pixels lit(LoadFile(FileOf(p.folder, p.name)));
    std::vector<ButtonLettering> read;
    for (const auto& [picture, box] :
         {std::pair{&background, Box{p.spot.x, p.spot.y, p.width, p.height}},
          std::pair{&lit, Box{0, 0, p.width, p.height}}}) {
        const Lettering lettering(*picture, box, true);
        const auto& lines = lettering.Lines();
        const std::size_t count = button.hint ? 2 : 1;
        if (lines.size() < count) {
            ADD_FAILURE() << button.name << ": " << lines.size() << " lines";
            continue;
        }
        ButtonLettering b{lines[lines.size() - count], std::nullopt, 0};
        if (button.hint) {
            b.hint = lines.back();
            b.hintContrast = lettering.ContrastOf(lines.back());
        }
        read.push_back(b);
    }
    return read;
}

TEST(PictureLegibility, ButtonCaptionsOfAScreenShareOneCapitalHeight) {
    for (const ButtonScreen& screen : ButtonScreens()) {
        SCOPED_TRACE(std::string(screen.background));
        const Pixels background(LoadBackground(screen.background));
        std::optional<int> shared;
        for (const Button& button : screen.buttons) {
            for (const ButtonLettering& read : ReadButton(button, background)) {
                shared = shared.value_or(read.caption.CapHeight());
                EXPECT_EQ(read.caption.CapHeight(), *shared) << button.name;
            }
        }
        EXPECT_GE(shared.value_or(0), 8);
    }
}

// At least 8 pixels from the top of the tallest letters to the baseline, and a contrast of
// 4.5 to 1 or more: the keys named on buttons at rest and lit, the lines that tell the player
// what to do or what comes next, and the names of the game screen's value columns.
TEST(PictureLegibility, HintsAndValueHeadingsAreReadableOnWhatLiesBehindThem) {
    for (const ButtonScreen& screen : ButtonScreens()) {
        const Pixels background(LoadBackground(screen.background));
        for (const Button& button : screen.buttons) {
            for (const ButtonLettering& read : ReadButton(button, background)) {
                if (read.hint) {
                    EXPECT_GE(read.hint->CapHeight(), 8) << button.name;
                    EXPECT_GE(read.hintContrast, 4.5) << button.name;
                }
            }
        }
    }
    const std::pair<std::string_view, Box> lines[] = {
        {"bgintro", {0, 420, 640, 60}},
        {"bgnome", {100, 222, 440, 28}},
        {"bgpremio", {0, 440, 640, 40}},
    };
    for (const auto& [name, box] : lines) {
        const Pixels picture(LoadBackground(name));
        const Lettering lettering(picture, box);
        EXPECT_GE(lettering.Main().CapHeight(), 8) << name;
        EXPECT_GE(lettering.ContrastOf(lettering.Main()), 4.5) << name;
    }
    const pictures::Picture& values = pictures::Listed("valores 01");
    const Pixels game(LoadBackground(values.spot.background));
    const int third = values.width / 3;
    for (int column = 0; column < 3; ++column) {
        const Lettering heading(
            game, {values.spot.x + third * column, values.spot.y + values.height, third, 24});
        EXPECT_GE(heading.ContrastOf(heading.Main()), 4.5) << "column " << column;
    }
}

// A card face reads "ELIMINA", its digit and "ERRADAS" from top to bottom, with clear rows
// between the digit and each word.
TEST(PictureLegibility, CardDigitsStandClearOfTheirWords) {
    for (int number = 0; number <= 3; ++number) {
        for (int card = 1; card <= 4; ++card) {
            const std::string name = std::to_string(number) + "-" + std::to_string(card);
            SCOPED_TRACE(name);
            const Pixels face(LoadFile(FileOf(pictures::Listed(name).folder, name)));
            // The middle of the card, clear of the suits in its corners.
            const Lettering lettering(
                face, {face.Width() * 3 / 10, 0, face.Width() * 2 / 5, face.Height()});
            const auto& lines = lettering.Lines();
            ASSERT_EQ(lines.size(), 3u);
            EXPECT_GE(lines[1].top - lines[0].bottom - 1, 4);
            EXPECT_GE(lines[2].top - lines[1].bottom - 1, 4);
        }
    }
}

} // namespace
