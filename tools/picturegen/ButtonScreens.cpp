// The screens built of buttons over the night sky: menu, name entry, score board, exit
// screen and rules. Each background and its highlights come from one drawing.
#include "Screens.h"

#include <cmath>
#include <string>

namespace picturegen {
namespace {

using namespace colors;

CornerRects Corners(std::string_view prefix) {
    return {PlaceOf(std::string(prefix) + "0"), PlaceOf(std::string(prefix) + "1"),
            PlaceOf(std::string(prefix) + "2")};
}

void Cut(PictureSet& set, const Screen& screen, std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) {
        set.Cut(screen, name, Variant::Lit());
    }
}

// An arrow above the caption, pointing right (direction 1) or left (-1).
Emblem Arrowed(std::string_view word, int direction) {
    const auto arrow = [direction](Canvas& canvas, FontBook&, float cx, float cy, float r,
                                   Color ink) {
        const float d = static_cast<float>(direction);
        const float tip = cx + d * r * 0.42f;
        const float back = cx - d * r * 0.3f;
        const float top = cy - r * 0.62f;
        const float bottom = cy - r * 0.06f;
        canvas.FillShape({static_cast<int>(cx - r), static_cast<int>(cy - r),
                          static_cast<int>(2 * r) + 2, static_cast<int>(2 * r) + 2},
                         Polygon({{back, top}, {tip, (top + bottom) / 2}, {back, bottom}}),
                         Solid(ink));
    };
    return {word, {0.42f, 1.6f, 0.4f}, {}, arrow};
}

// A large gold ring with a question mark: the menu's emblem of the contest.
void DrawQuestionMedallion(Canvas& canvas, FontBook& fonts, float cx, float cy, float r) {
    const Rect bounds{static_cast<int>(cx - r) - 20, static_cast<int>(cy - r) - 20,
                      static_cast<int>(2 * r) + 40, static_cast<int>(2 * r) + 40};
    canvas.Glow(cx, cy, r * 1.5f, Hex(0x5A3ED0), 0.5f);
    canvas.FillShape(bounds, Circle(cx, cy, r),
                     VerticalGradient(cy - r, kGoldLight, cy + r, kGoldDeep));
    canvas.FillShape(bounds, Circle(cx, cy, r - 7),
                     RadialGradient(cx, cy - r * 0.4f, r * 1.4f, Hex(0x3D2FB0), Hex(0x100A40)));
    canvas.FillShape(bounds, Outline(Circle(cx, cy, r - 14), 1.2f), Solid(kGold), 0.7f);
    DrawCentred(canvas, fonts, "?", cx, cy, GoldTitle(static_cast<int>(r * 1.05f), cy));
}

void DrawMenu(Canvas& canvas, FontBook& fonts, const Variant& v) {
    DrawGround(canvas);
    DrawBeam(canvas, 120, -10, 140, 330, 470, 0.10f);
    DrawBeam(canvas, 520, -10, 300, 500, 470, 0.10f);
    DrawLogo(canvas, fonts, 320, 88, 56);
    DrawCentred(canvas, fonts, "O GRANDE JOGO DE PERGUNTAS", 320, 140, Caption(13, Hex(0xD8D2FF)));
    DrawQuestionMedallion(canvas, fonts, 455, 250, 62);
    canvas.Glow(PlaceOf("bot_intro-0").Cx(), PlaceOf("bot_intro-0").Cy(), 70, Hex(0x4A40C0), 0.35f);
    const RoundButton buttons[] = {{PlaceOf("bot_intro-0"), WordWithKey("JOGAR", "ENTER")},
                                   {PlaceOf("bot_intro-1"), Word("REGRAS")},
                                   {PlaceOf("bot_intro-2"), Word("SAIR")},
                                   {PlaceOf("bot_intro-3"), Word("PLACAR")}};
    DrawRoundButtons(canvas, fonts, buttons, v.light);
    DrawCornerBalls(canvas, Corners("circ_intro_"), v.light);
}

void DrawName(Canvas& canvas, FontBook& fonts, const Variant& v) {
    DrawGround(canvas);
    DrawBeam(canvas, 320, -10, 150, 490, 330, 0.09f);
    DrawLogo(canvas, fonts, 320, 70, 40);
    DrawCentred(canvas, fonts, "DIGITE SEU NOME", 320, 200, GoldTitle(24, 200));
    DrawCentred(canvas, fonts, "letras de A a Z e espaço, até 10", 320, 236,
                Caption(10, Hex(0xC8C2F0)));
    DrawPanel(canvas, {138, 260, 364, 58}, 12);
    const RoundButton buttons[] = {{PlaceOf("bot_nome_f1"), WordWithKey("OK", "ENTER")},
                                   {PlaceOf("bot_nome_f2"), WordWithKey("SAIR", "F2")},
                                   {PlaceOf("bot_nome_f3"), WordWithKey("MENU", "F3")}};
    DrawRoundButtons(canvas, fonts, buttons, v.light);
    DrawCornerBalls(canvas, Corners("circ_nome_"), v.light);
}

void DrawScoreRow(Canvas& canvas, FontBook& fonts, int row) {
    const int top = 161 + 59 * row;
    const Color edge = row == 0 ? kGold : Hex(0x6C5CD8);
    const auto y0 = static_cast<float>(top - 6);
    const auto y1 = static_cast<float>(top + 40);
    const Rect bounds{100, top - 16, 424, 66};
    canvas.FillShape(bounds, Box(112, y0 + 4, 516, y1 + 4, 23), Solid(kBlack), 0.45f, 5);
    canvas.FillShape(bounds, Box(110, y0, 514, y1, 23), Solid(edge));
    canvas.FillShape(bounds, Box(112, y0 + 2, 512, y1 - 2, 21),
                     VerticalGradient(y0, Hex(0x2A2290), y1, Hex(0x120C48)));
    const float cy = (y0 + y1) / 2;
    canvas.FillShape(bounds, Circle(132, cy, 15),
                     VerticalGradient(cy - 15, kGoldLight, cy + 15, kGoldDeep));
    TextStyle rank;
    rank.points = 14;
    rank.paint = Solid(kInk);
    DrawCentred(canvas, fonts, std::to_string(row + 1), 132, cy, rank);
}

void DrawScores(Canvas& canvas, FontBook& fonts, const Variant& v) {
    DrawGround(canvas);
    DrawLogo(canvas, fonts, 320, 40, 24);
    DrawCentred(canvas, fonts, "PLACAR", 320, 96, GoldTitle(30, 96));
    DrawCentred(canvas, fonts, "JOGADOR", 196, 143, Caption(10, Hex(0xC8C2F0)));
    DrawCentred(canvas, fonts, "PRÊMIO", 452, 143, Caption(10, Hex(0xC8C2F0)));
    for (int row = 0; row < 5; ++row) {
        DrawScoreRow(canvas, fonts, row);
    }
    const RoundButton buttons[] = {{PlaceOf("bot_placar_menu"), Word("MENU")},
                                   {PlaceOf("bot_placar_limpar"), Word("LIMPAR")}};
    DrawRoundButtons(canvas, fonts, buttons, v.light);
    // The board loads its corner highlights but never lights them; only they show the balls.
    if (v.light == Light::Lit) {
        DrawCornerBalls(canvas, Corners("circ_placar_"), v.light);
    }
}

void DrawExit(Canvas& canvas, FontBook& fonts, const Variant& v) {
    DrawGround(canvas);
    DrawLogo(canvas, fonts, 320, 62, 44);
    DrawCentred(canvas, fonts, "DESEJA MESMO SAIR?", 320, 160, GoldTitle(30, 160));
    DrawCentred(canvas, fonts, "O placar fica guardado.", 320, 205, Caption(12, Hex(0xD8D2FF)));
    DrawPanel(canvas, {154, 277, 334, 183}, 10);
    const RoundButton buttons[] = {{PlaceOf("bot_sair_0"), Word("SIM")},
                                   {PlaceOf("bot_sair_1"), Word("NÃO")}};
    DrawRoundButtons(canvas, fonts, buttons, v.light);
}

void DrawRules(Canvas& canvas, FontBook& fonts, const Variant& v) {
    DrawGround(canvas);
    DrawLogo(canvas, fonts, 320, 52, 40);
    DrawCentred(canvas, fonts, "REGRAS DO JOGO", 320, 122, GoldTitle(28, 122));
    DrawPanel(canvas, {29, 165, 581, 213}, 8);
    const RoundButton buttons[] = {{PlaceOf("bot_regra_0"), Arrowed("SEGUIR", 1)},
                                   {PlaceOf("bot_regra_1"), Arrowed("VOLTAR", -1)},
                                   {PlaceOf("bot_regra_2"), Word("JOGAR")}};
    DrawRoundButtons(canvas, fonts, buttons, v.light);
    DrawCornerBalls(canvas, Corners("circ_regras_"), v.light);
}

} // namespace

void DrawMenuScreen(PictureSet& set) {
    const Screen screen{"bgmenu", DrawMenu};
    set.AddBackground(screen);
    Cut(set, screen,
        {"bot_intro-0", "bot_intro-1", "bot_intro-2", "bot_intro-3", "circ_intro_0", "circ_intro_1",
         "circ_intro_2"});
}

void DrawNameScreen(PictureSet& set) {
    const Screen screen{"bgnome", DrawName};
    set.AddBackground(screen);
    Cut(set, screen,
        {"bot_nome_f1", "bot_nome_f2", "bot_nome_f3", "circ_nome_0", "circ_nome_1", "circ_nome_2"});
}

void DrawScoreScreen(PictureSet& set) {
    const Screen screen{"bgplacar", DrawScores};
    set.AddBackground(screen);
    Cut(set, screen,
        {"bot_placar_menu", "bot_placar_limpar", "circ_placar_0", "circ_placar_1",
         "circ_placar_2"});
}

void DrawExitScreen(PictureSet& set) {
    const Screen screen{"bgsair", DrawExit};
    set.AddBackground(screen);
    Cut(set, screen, {"bot_sair_0", "bot_sair_1"});
}

void DrawRulesScreen(PictureSet& set) {
    const Screen screen{"bgregras", DrawRules};
    set.AddBackground(screen);
    Cut(set, screen,
        {"bot_regra_0", "bot_regra_1", "bot_regra_2", "circ_regras_0", "circ_regras_1",
         "circ_regras_2"});
}

} // namespace picturegen
