// The picture generator's own rules: drawings that render the same in part as in whole, text
// that is centred and fitted, the prize table it prints, and its completeness check.
#include "core/Globais.h"
#include "core/Premios.h"

#include "Look.h"
#include "PictureSet.h"
#include "Screens.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <tuple>

namespace {

using namespace picturegen;

class PictureGenerator : public ::testing::Test {
  protected:
    FontBook fonts;
};

void DrawSample(Canvas& canvas, FontBook& fonts) {
    DrawGround(canvas);
    DrawBeam(canvas, 200, -10, 100, 300, 470, 0.1f);
    DrawLogo(canvas, fonts, 320, 60, 40);
    DrawPanel(canvas, {100, 100, 200, 80}, 10);
    const RoundButton lit[] = {{{150, 120, 75, 73}, WordWithKey("JOGAR", "ENTER")}};
    DrawRoundButtons(canvas, fonts, lit, Light::Lit);
    const RoundButton used[] = {{{400, 300, 68, 66}, Word("NÃO")}};
    DrawRoundButtons(canvas, fonts, used, Light::Used);
    DrawCornerBalls(canvas, {Rect{611, 41, 21, 21}, Rect{602, 17, 21, 21}, Rect{578, 7, 21, 17}},
                    Light::Normal);
}

// Every cut picture is a part of a drawing rendered on its own, so a part must come out
// exactly as the same pixels of the whole.
TEST_F(PictureGenerator, PartOfADrawingMatchesTheWholeDrawing) {
    const Canvas whole = Render({0, 0, 640, 480}, [&](Canvas& c) { DrawSample(c, fonts); });
    for (const Rect view : {Rect{150, 120, 75, 73}, Rect{0, 0, 1, 1}, Rect{639, 479, 1, 1},
                            Rect{250, 30, 90, 37}, Rect{395, 297, 80, 80}, Rect{600, 0, 40, 70}}) {
        const Canvas part = Render(view, [&](Canvas& c) { DrawSample(c, fonts); });
        for (int y = view.y; y < view.Bottom(); ++y) {
            for (int x = view.x; x < view.Right(); ++x) {
                const Color a = part.At(x, y);
                const Color b = whole.At(x, y);
                ASSERT_TRUE(a.r == b.r && a.g == b.g && a.b == b.b) << x << "," << y;
            }
        }
    }
}

Rect InkOf(const Canvas& canvas) {
    const Rect v = canvas.View();
    int x0 = v.Right(), y0 = v.Bottom(), x1 = -1, y1 = -1;
    for (int y = v.y; y < v.Bottom(); ++y) {
        for (int x = v.x; x < v.Right(); ++x) {
            if (canvas.At(x, y).r > 0.5f) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
        }
    }
    return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

TEST_F(PictureGenerator, CentredTextHasItsInkCentredOnThePoint) {
    for (const char* word : {"JOGAR", "NÃO", "1", "AVANÇAR", "?"}) {
        for (const auto& [cx, cy] : {std::pair{100.f, 50.f}, std::pair{60.5f, 33.5f}}) {
            const Canvas canvas = Render({0, 0, 200, 100}, [&](Canvas& c) {
                TextStyle style;
                style.points = 18;
                DrawCentred(c, fonts, word, cx, cy, style);
            });
            const Rect ink = InkOf(canvas);
            EXPECT_NEAR(ink.Cx(), cx, 1.0) << word;
            EXPECT_NEAR(ink.Cy(), cy, 1.0) << word;
        }
    }
}

TEST_F(PictureGenerator, FittedWordsStayInsideTheirBoxAndKeepTheirSizeInTheNarrowFace) {
    struct Case {
        const char* text;
        int width, height, largest;
        Face face;
    };
    for (const Case c :
         {Case{"SIM", 60, 20, 13, Face::SansBold}, Case{"1 MILHÃO", 66, 20, 13, Face::NarrowBold},
          Case{"RECORDES", 52, 18, 14, Face::NarrowBold}}) {
        TextStyle style;
        FitBold(fonts, c.text, c.width, c.height, c.largest, style);
        const TextMask mask = RenderMask(fonts, style.face, style.points, c.text);
        EXPECT_EQ(style.face, c.face) << c.text;
        EXPECT_LE(mask.ink.w, c.width) << c.text;
        EXPECT_LE(mask.ink.h, c.height) << c.text;
        EXPECT_LE(style.points, c.largest) << c.text;
    }
    TextStyle style;
    FitBold(fonts, "SIM", 60, 20, 13, style);
    EXPECT_EQ(style.points, 13);
}

// A screen's buttons share the size of the caption that fits worst, a button without a word
// takes no part, and a word that cannot keep the shared minimum stops the generator, so one
// long word cannot end up far smaller than the captions beside it.
TEST_F(PictureGenerator, ScreenCaptionIsTheTightestWordsSizeDownToTheMinimum) {
    const RoundButton placar{{0, 0, 78, 76}, Word("PLACAR")};
    const RoundButton sim{{100, 0, 69, 61}, Word("SIM")};
    const RoundButton symbol{{200, 0, 57, 57}, {}};
    const auto size = [&](std::initializer_list<RoundButton> buttons) {
        const TextStyle style = ScreenCaption(fonts, std::span(buttons.begin(), buttons.size()));
        return std::pair(style.face, style.points);
    };
    EXPECT_EQ(size({sim, placar, symbol}), size({placar}));
    EXPECT_NE(size({sim}), size({placar}));
    EXPECT_GE(size({placar}).second, kCaptionMinimum);
    try {
        size({sim, {{0, 0, 64, 63}, Word("RECORDES")}, placar});
        FAIL() << "a word too long for its button was drawn small";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("RECORDES"), std::string::npos);
    }
}

TEST_F(PictureGenerator, WrapBreaksAtBlanksOnlyWithANarrowerFirstLine) {
    const auto width = [&](const char* text) { return TextWidth(fonts, Face::Sans, 11, text); };
    using Lines = std::vector<std::string>;
    EXPECT_EQ(Wrap(fonts, Face::Sans, 11, "aaa bbb ccc", width("aaa bbb"), width("aaa bbb")),
              (Lines{"aaa bbb", "ccc"}));
    EXPECT_EQ(Wrap(fonts, Face::Sans, 11, "aaa bbb ccc", width("aaa"), width("aaa bbb ccc")),
              (Lines{"aaa", "bbb ccc"}));
    EXPECT_EQ(Wrap(fonts, Face::Sans, 11, "R$\u00A01.000.000 x", 5, 5),
              (Lines{"R$\u00A01.000.000", "x"}));
    EXPECT_EQ(Wrap(fonts, Face::Sans, 11, "", 100, 100), Lines{});
}

TEST(PictureGeneratorPrizes, MoneyGroupsThousandsWithDots) {
    EXPECT_EQ(Money("0"), "R$ 0");
    EXPECT_EQ(Money("500"), "R$ 500");
    EXPECT_EQ(Money("1000"), "R$ 1.000");
    EXPECT_EQ(Money("15000"), "R$ 15.000");
    EXPECT_EQ(Money("150000"), "R$ 150.000");
    EXPECT_EQ(Money("1000000"), "R$ 1.000.000");
}

// The game screen's values pictures print the prize table: a stop keeps the last right
// answer's prize, a wrong answer half of it, nothing on the first and the last question.
TEST(PictureGeneratorPrizes, ValuesOfEachStepFollowTheLadder) {
    MontaPremios();
    const auto onLadder = [](std::string_view amount) {
        return std::find(PremioValor.begin(), PremioValor.begin() + 23, amount) !=
               PremioValor.begin() + 23;
    };
    EXPECT_EQ(ValuesOfStep(1).wrong, "0");
    EXPECT_EQ(ValuesOfStep(1).stop, "0");
    EXPECT_EQ(ValuesOfStep(16).wrong, "0");
    EXPECT_EQ(ValuesOfStep(16).right, PremioValor[22]);
    for (int step = 1; step <= 16; ++step) {
        const StepValues v = ValuesOfStep(step);
        EXPECT_TRUE(onLadder(v.wrong) && onLadder(v.stop) && onLadder(v.right)) << step;
        if (step == 1) {
            continue;
        }
        const StepValues before = ValuesOfStep(step - 1);
        EXPECT_EQ(v.stop, before.right) << step;
        EXPECT_GT(std::stol(std::string(v.right)), std::stol(std::string(before.right))) << step;
        if (step < 16) {
            EXPECT_EQ(std::stol(std::string(v.wrong)) * 2, std::stol(std::string(before.right)))
                << step;
        }
    }
}

TEST_F(PictureGenerator, CompletenessCheckNamesMissingMisfitAndUnlistedPictures) {
    PictureSet set(fonts);
    set.Add("bgmenu", pictures::Folder::Package, Canvas({0, 0, 320, 240}));
    set.Add("ajuda placas", pictures::Folder::Package, Canvas({0, 0, 241, 206}));
    set.Add("qualquer", pictures::Folder::HighDetail, Canvas({0, 0, 4, 4}));
    try {
        set.CheckAgainstManifest();
        FAIL() << "an incomplete set passed";
    } catch (const std::runtime_error& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("wrong size: bgmenu"), std::string::npos);
        EXPECT_NE(message.find("missing: Graficos/ajuda placas"), std::string::npos);
        EXPECT_NE(message.find("not in the manifest: ajuda placas"), std::string::npos);
        EXPECT_NE(message.find("not in the manifest: qualquer"), std::string::npos);
        EXPECT_NE(message.find("missing: Package/Graficos/bgintro"), std::string::npos);
        EXPECT_NE(message.find("missing embedded picture: jogo_fundo"), std::string::npos);
    }
}

} // namespace
