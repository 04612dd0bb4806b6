// The default pack's pictures as the screens will load them: every listed file, the pictures
// compiled into the program, how the cut pictures sit on their backgrounds, and how the game's
// own labels and panels fall on what the pictures draw.
#include "core/Globais.h"
#include "core/Premios.h"
#include "game/GameSupport.h"
#include "screens/frmMenu.h"
#include "screens/frmNome.h"
#include "screens/frmPlacar.h"
#include "screens/frmRegras.h"
#include "screens/frmSaida.h"
#include "support/ScreenTest.h"

#include "content/PictureFiles.h"

#include "Look.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;

using namespace picturefiles;

struct Comparison {
    int edge = 0;    // worst difference on the picture's outermost pixels
    int changed = 0; // pixels inside that differ visibly from the background
};

Comparison CompareWithBackground(const Pixels& picture, const Pixels& background,
                                 pictures::Spot spot) {
    Comparison result;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const int d = ChannelDistance(picture.At(x, y), background.At(spot.x + x, spot.y + y));
            const bool edge =
                x == 0 || y == 0 || x == picture.Width() - 1 || y == picture.Height() - 1;
            if (edge) {
                result.edge = std::max(result.edge, d);
            } else if (d > 24) {
                ++result.changed;
            }
        }
    }
    return result;
}

void ExpectCutFromBackground(const Surface& picture, pictures::Spot spot, std::string_view name) {
    SCOPED_TRACE(std::string(name) + " on " + std::string(spot.background));
    const Surface background = LoadBackground(spot.background);
    ASSERT_TRUE(picture && background);
    const Comparison c = CompareWithBackground(Pixels(picture), Pixels(background), spot);
    EXPECT_LE(c.edge, 2) << "does not continue its background at its edges";
    EXPECT_GT(c.changed, 20) << "shows nothing over its background";
}

std::vector<char> Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Pictures, EveryListedPictureIsA24BitBmpOfItsSize) {
    for (const pictures::Picture& p : pictures::AllPictures()) {
        const fs::path file = FileOf(p.folder, p.name);
        SCOPED_TRACE(file.string());
        const Surface s = LoadFile(file);
        ASSERT_TRUE(s) << SDL_GetError();
        EXPECT_EQ(s->w, p.width);
        EXPECT_EQ(s->h, p.height);
        EXPECT_EQ(s->format->BitsPerPixel, 24);
    }
}

TEST(Pictures, EmbeddedPicturesDecodeAtTheirSizesAndUnknownNamesAreEmpty) {
    for (const auto& entry : pictures::kEmbeddedPictures) {
        SCOPED_TRACE(entry.name);
        const Surface s = LoadEmbedded(entry.name);
        ASSERT_TRUE(s) << SDL_GetError();
        EXPECT_EQ(s->w, entry.width);
        EXPECT_EQ(s->h, entry.height);
    }
    EXPECT_TRUE(EmbeddedPicture("").empty());
    EXPECT_TRUE(EmbeddedPicture("JOGO_FUNDO").empty());
    EXPECT_TRUE(EmbeddedPicture("jogo_fundo.bmp").empty());
}

TEST(Pictures, PrizeScreenHasAnAmountForEveryRungAGameCanEndOnThere) {
    MontaPremios();
    const auto all = pictures::AllPictures();
    // Rung 22 ends on the congratulations screen instead.
    for (int rung = 0; rung <= 21; ++rung) {
        const auto it = std::find_if(all.begin(), all.end(), [&](const auto& p) {
            return p.name == PremioValor[static_cast<std::size_t>(rung)] &&
                   p.folder == pictures::Folder::Package;
        });
        ASSERT_NE(it, all.end()) << "rung " << rung;
        EXPECT_EQ(it->spot.background, "bgpremio");
        EXPECT_EQ(it->width, 352);
        EXPECT_EQ(it->height, 180);
    }
}

TEST(Pictures, CutPicturesContinueTheirBackgroundAndShowSomethingOverIt) {
    for (const pictures::Picture& p : pictures::AllPictures()) {
        if (!p.spot.background.empty()) {
            ExpectCutFromBackground(LoadFile(FileOf(p.folder, p.name)), p.spot, p.name);
        }
    }
    for (const auto& entry : pictures::kEmbeddedPictures) {
        if (!entry.spot.background.empty()) {
            ExpectCutFromBackground(LoadEmbedded(entry.name), entry.spot, entry.name);
        }
    }
    // The exit screen borrows the rules screen's corner pictures at the same places.
    for (const pictures::Picture& p : pictures::AllPictures()) {
        if (p.name.starts_with("circ_regras_")) {
            ExpectCutFromBackground(LoadFile(FileOf(p.folder, p.name)),
                                    {"bgsair", p.spot.x, p.spot.y}, p.name);
        }
    }
}

TEST(Pictures, PointerIsTwoColoursOnATransparentGroundWithItsTipOnTheHotSpot) {
    const Pixels pointer(LoadEmbedded("ponteiro"));
    constexpr std::uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF, kClear = 0xFF00FF;
    int white = 0;
    for (int y = 0; y < pointer.Height(); ++y) {
        for (int x = 0; x < pointer.Width(); ++x) {
            const std::uint32_t c = pointer.At(x, y);
            ASSERT_TRUE(c == kBlack || c == kWhite || c == kClear) << x << "," << y;
            white += c == kWhite ? 1 : 0;
        }
    }
    EXPECT_GT(white, 40);
    EXPECT_EQ(pointer.At(1, 1), kBlack);
    EXPECT_EQ(pointer.At(0, 0), kClear);
    EXPECT_EQ(pointer.At(0, 1), kClear);
    EXPECT_EQ(pointer.At(1, 0), kClear);
    EXPECT_EQ(pointer.At(2, 2), kBlack);
}

TEST(Pictures, GeneratorDrawsTheSameBytesOnEveryRun) {
    const fs::path out =
        fs::temp_directory_path() / ("quorvane_pictures_" + std::to_string(::getpid()));
    const fs::path generator = fs::path(QV_BINARY_DIR) / "tools/picturegen/quorvane_picturegen";
    const std::string command =
        generator.string() + " " + (out / "game").string() + " " + (out / "Embedded.cpp").string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(Bytes(out / "Embedded.cpp"),
              Bytes(fs::path(QV_BINARY_DIR) / "tools/picturegen/EmbeddedPictures.cpp"));
    for (const pictures::Picture& p : pictures::AllPictures()) {
        const fs::path relative = fs::path(pictures::FolderPath(p.folder)) / (p.name + ".bmp");
        EXPECT_EQ(Bytes(out / "game" / relative), Bytes(fs::path(QV_GAME_DIR) / relative))
            << relative;
    }
    fs::remove_all(out);
}

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
};

// A framed box drawn around a point of a picture: the field around the point ends at the
// first pixel that stands out from it, the frame there goes on as long as its colour changes
// only gradually.
struct FramedBox {
    Rect field;
    Rect outside;
};

FramedBox BoxAround(const Pixels& picture, int cx, int cy) {
    int field[4] = {};
    int outside[4] = {};
    const int steps[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    for (int side = 0; side < 4; ++side) {
        const auto [dx, dy] = steps[side];
        const std::uint32_t inside = picture.At(cx, cy);
        int x = cx, y = cy;
        while (ChannelDistance(picture.At(x + dx, y + dy), inside) <= 60) {
            x += dx;
            y += dy;
        }
        field[side] = dx != 0 ? x : y;
        x += dx;
        y += dy;
        while (ChannelDistance(picture.At(x + dx, y + dy), picture.At(x, y)) <= 40) {
            x += dx;
            y += dy;
        }
        outside[side] = dx != 0 ? x : y;
    }
    const auto rect = [](const int edges[4]) {
        return Rect{edges[0], edges[1], edges[2] - edges[0] + 1, edges[3] - edges[1] + 1};
    };
    return {rect(field), rect(outside)};
}

// The box of the pixels that differ between two renderings of the same size.
Rect InkBetween(const Pixels& a, const Pixels& b) {
    int x0 = a.Width(), y0 = a.Height(), x1 = -1, y1 = -1;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width(); ++x) {
            if (ChannelDistance(a.At(x, y), b.At(x, y)) > 40) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
        }
    }
    return {x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

class HelpPanels : public gametest::Jogo {
  protected:
    // Shows the panel of one help and checks each of its labels against the panel's picture.
    void ExpectLabelsOnTheirBoxes(const std::function<void()>& help, int labels) {
        ASSERT_TRUE(Step(help));
        const ui::PictureBox& panel = J().pic_Ajuda;
        ASSERT_TRUE(panel.Visible());
        const Pixels picture(panel.Picture().Surface());
        for (int i = 0; i < labels; ++i) {
            const ui::Label& label = J().lblAjuda[i];
            SCOPED_TRACE("label " + std::to_string(i) + " \"" + label.Caption() + "\"");
            ASSERT_TRUE(label.Visible());
            const Rect place{static_cast<int>(label.Left()), static_cast<int>(label.Top()),
                             static_cast<int>(label.Width()), static_cast<int>(label.Height())};
            const FramedBox box = BoxAround(picture, place.x + place.w / 2, place.y + place.h / 2);
            EXPECT_EQ(box.outside.x, place.x);
            EXPECT_EQ(box.outside.y, place.y);
            EXPECT_EQ(box.outside.w, place.w);
            EXPECT_EQ(box.outside.h, place.h);

            Surface drawn(SDL_CreateRGBSurfaceWithFormat(0, picture.Width(), picture.Height(), 24,
                                                         SDL_PIXELFORMAT_RGB24));
            SDL_BlitSurface(panel.Picture().Surface(), nullptr, drawn.get(), nullptr);
            label.Draw(drawn.get(), place.x, place.y);
            const Rect ink = InkBetween(Pixels(drawn), picture);
            EXPECT_NEAR(ink.x + ink.w / 2.0, box.field.x + box.field.w / 2.0, 1.0);
            EXPECT_NEAR(ink.y + ink.h / 2.0, box.field.y + box.field.h / 2.0, 1.5);
        }
    }
};

TEST_F(HelpPanels, EveryCaptionSitsCentredInTheBoxDrawnOnItsLabel) {
    Comeca();
    // The first draws of the guests and the twelve votes go round 1 to 4, the others take
    // their highest value: the guests show the right answer and "?", the boards four shares.
    J().ajudas.sorteio = [volta = 0](int menor, int maior) mutable {
        return static_cast<std::int16_t>(maior == 4 ? menor + volta++ % 4 : maior);
    };
    for (std::int16_t certa = 1; certa <= 4; ++certa) {
        AlternativaCerta[static_cast<std::size_t>(J().PerguntaAtual)] = certa;
        ExpectLabelsOnTheirBoxes([this] { J().ajudas.AjudaConvidados(); }, 3);
    }
    ExpectLabelsOnTheirBoxes([this] { J().ajudas.AjudaPlacas(); }, 4);
}

// The most saturated colour on the middle row of a part of a picture: a frame's colour.
std::uint32_t MostSaturated(const Pixels& picture, int x0, int x1) {
    const auto saturation = [](std::uint32_t c) {
        const int r = static_cast<int>(c >> 16), g = static_cast<int>((c >> 8) & 0xFF),
                  b = static_cast<int>(c & 0xFF);
        return std::max({r, g, b}) - std::min({r, g, b});
    };
    std::uint32_t best = 0;
    for (int x = x0; x < x1; ++x) {
        const std::uint32_t c = picture.At(x, picture.Height() / 2);
        best = saturation(c) > saturation(best) ? c : best;
    }
    return best;
}

// The value columns are named in their own colours next to them, where the open help panel
// hides none of it.
TEST_F(HelpPanels, ValueHeadingsStayInSightWhileAPanelIsOpen) {
    Comeca();
    ASSERT_TRUE(Step([this] { J().ajudas.AjudaPlacas(); }));
    const auto stage = [this] {
        Surface s(SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 24, SDL_PIXELFORMAT_RGB24));
        J().Picture_Center.Draw(s.get(), 0, 0);
        return Pixels(s);
    };
    const Pixels open = stage();
    J().pic_Ajuda.Visible(false);
    const Pixels closed = stage();
    const ui::Image& values = J().Imagem_Valores;
    const Pixels columns(values.Picture().Surface());
    const int left = static_cast<int>(values.Left());
    const int top = static_cast<int>(values.Top());
    const int third = columns.Width() / 3;
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE("column " + std::to_string(i));
        const std::uint32_t colour = MostSaturated(columns, third * i, third * (i + 1));
        int named = 0, hidden = 0;
        for (int y = top - 24; y < top + columns.Height() + 24; ++y) {
            for (int x = left + third * i; x < left + third * (i + 1); ++x) {
                const bool beside = y < top || y >= top + columns.Height();
                if (beside && ChannelDistance(closed.At(x, y), colour) <= 8) {
                    ++named;
                    hidden += ChannelDistance(open.At(x, y), colour) <= 8 ? 0 : 1;
                }
            }
        }
        EXPECT_GE(named, 20);
        EXPECT_EQ(hidden, 0);
    }
}

class CornerButtons : public testing_support::ScreenTest {
  protected:
    // Whether each corner button of the screen lights under the pointer.
    std::array<bool, 3> Lights(TelaPadrao& screen) {
        std::array<bool, 3> lit{};
        for (int i = 0; i < 3; ++i) {
            const ui::Image& corner = screen.ImagemControl[i];
            MoveOnStage(screen, corner.Left() + corner.Width() / 2,
                        corner.Top() + corner.Height() / 2);
            RunFor(1);
            lit[static_cast<std::size_t>(i)] = corner.Visible();
        }
        return lit;
    }
};

// A corner button is drawn in the background exactly where it works: elsewhere its place
// shows the bare night sky.
TEST_F(CornerButtons, BackgroundsDrawOnlyTheCornerButtonsThatLight) {
    StartAtMenu();
    const picturegen::Canvas sky = picturegen::Render({0, 0, 640, 480}, picturegen::DrawGround);
    const auto drawnOver = [&](const Pixels& background, const ui::Image& corner) {
        int changed = 0;
        for (int y = static_cast<int>(corner.Top()); y < corner.Top() + corner.Height(); ++y) {
            for (int x = static_cast<int>(corner.Left()); x < corner.Left() + corner.Width(); ++x) {
                const picturegen::Color c = sky.At(x, y);
                const auto byte = [](float v) {
                    return static_cast<std::uint32_t>(v * 255 + 0.5f);
                };
                const std::uint32_t bare = byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
                changed += ChannelDistance(background.At(x, y), bare) > 24 ? 1 : 0;
            }
        }
        return changed;
    };
    int live = 0, dead = 0;
    const auto shown = [](auto& ref) -> std::function<TelaPadrao&()> {
        return [&ref]() -> TelaPadrao& {
            ref.Show();
            return *ref;
        };
    };
    const std::pair<const char*, std::function<TelaPadrao&()>> screens[] = {
        {"menu", []() -> TelaPadrao& { return *frmMenu; }},
        {"name entry", shown(frmNome)},
        {"rules", shown(frmRegras)},
        {"score board", shown(frmPlacar)},
        {"exit", shown(frmSaida)},
    };
    for (const auto& [name, show] : screens) {
        SCOPED_TRACE(name);
        TelaPadrao* screen = nullptr;
        ASSERT_TRUE(Step([&] { screen = &show(); }));
        ASSERT_TRUE(RunFor(1100));
        const Pixels background(screen->Picture_Center.Picture().Surface());
        const auto lit = Lights(*screen);
        for (int i = 0; i < 3; ++i) {
            const int changed = drawnOver(background, screen->ImagemControl[i]);
            if (lit[static_cast<std::size_t>(i)]) {
                ++live;
                EXPECT_GT(changed, 20) << "corner " << i << " lights where nothing is drawn";
            } else {
                ++dead;
                EXPECT_EQ(changed, 0) << "corner " << i << " is drawn but never lights";
            }
        }
    }
    EXPECT_EQ(live, 9);
    EXPECT_EQ(dead, 6);
}

} // namespace
