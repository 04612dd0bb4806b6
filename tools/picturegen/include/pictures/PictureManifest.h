// Every picture that the screens load by name: its folder, its size and, for a picture cut
// from a rendering of the screen it lies on, that screen's background and its place there.
// The generator checks its output against this list, and so does the content test.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pictures {

enum class Folder { Package, HighDetail };

// Relative to the program folder, which is also the content root.
constexpr std::string_view FolderPath(Folder folder) {
    return folder == Folder::Package ? "Package/Graficos" : "Graficos";
}

// The background a cut picture belongs to and its top-left corner on it; an empty background
// means the picture stands on its own.
struct Spot {
    std::string_view background;
    int x = 0;
    int y = 0;
};

// Pictures named `prefix` followed by the numbers first..last written with `digits` digits;
// with digits 0 the prefix alone is the name.
struct Series {
    std::string_view prefix;
    int first;
    int last;
    int digits;
    Folder folder;
    int width;
    int height;
    Spot spot;
};

constexpr Series One(std::string_view name, Folder folder, int width, int height, Spot spot = {}) {
    return {name, 0, 0, 0, folder, width, height, spot};
}

constexpr Series Many(std::string_view prefix, int first, int last, int digits, Folder folder,
                      int width, int height, Spot spot = {}) {
    return {prefix, first, last, digits, folder, width, height, spot};
}

inline constexpr Folder P = Folder::Package;
inline constexpr Folder HD = Folder::HighDetail;

// The amounts that the prize screen can show: the ladder's rungs 0 to 21.
inline constexpr std::string_view kPrizeAmounts[] = {
    "0",      "500",    "1000",   "1500",   "2000",   "2500",  "3000",  "4000",
    "5000",   "10000",  "15000",  "20000",  "25000",  "30000", "40000", "50000",
    "100000", "150000", "200000", "300000", "400000", "500000"};

inline constexpr Series kSeries[] = {
    // Backgrounds.
    One("bgintro", P, 640, 480),
    One("bgmenu", P, 640, 480),
    One("bgstatus", P, 640, 480),
    One("bgnome", P, 640, 480),
    One("bgplacar", P, 640, 480),
    One("bgpremio", P, 640, 480),
    One("bgsair", P, 640, 480),
    One("bgregras", P, 640, 480),
    One("bgparabens", P, 640, 480),
    // Main menu.
    One("bot_intro-0", P, 75, 73, {"bgmenu", 186, 203}),
    One("bot_intro-1", P, 76, 74, {"bgmenu", 377, 344}),
    One("bot_intro-2", P, 73, 74, {"bgmenu", 539, 378}),
    One("bot_intro-3", P, 78, 76, {"bgmenu", 27, 375}),
    One("circ_intro_0", P, 21, 21, {"bgmenu", 611, 41}),
    One("circ_intro_1", P, 21, 21, {"bgmenu", 602, 17}),
    One("circ_intro_2", P, 21, 17, {"bgmenu", 578, 7}),
    // Name entry.
    One("bot_nome_f1", P, 77, 69, {"bgnome", 172, 330}),
    One("bot_nome_f2", P, 77, 69, {"bgnome", 283, 328}),
    One("bot_nome_f3", P, 77, 69, {"bgnome", 392, 332}),
    One("circ_nome_0", P, 21, 17, {"bgnome", 612, 42}),
    One("circ_nome_1", P, 21, 17, {"bgnome", 602, 17}),
    One("circ_nome_2", P, 21, 21, {"bgnome", 578, 8}),
    // Score board.
    One("bot_placar_menu", P, 64, 63, {"bgplacar", 543, 383}),
    One("bot_placar_limpar", P, 78, 77, {"bgplacar", 27, 377}),
    One("circ_placar_0", P, 22, 22, {"bgplacar", 612, 42}),
    One("circ_placar_1", P, 22, 22, {"bgplacar", 602, 17}),
    One("circ_placar_2", P, 22, 22, {"bgplacar", 578, 7}),
    // Exit screen; its corner buttons use the rules screen's pictures.
    One("bot_sair_0", P, 76, 76, {"bgsair", 76, 377}),
    One("bot_sair_1", P, 73, 75, {"bgsair", 491, 378}),
    Many("credito ", 1, 4, 2, P, 322, 171),
    // Rules pages.
    One("bot_regra_0", P, 74, 74, {"bgregras", 165, 378}),
    One("bot_regra_1", P, 75, 76, {"bgregras", 283, 378}),
    One("bot_regra_2", P, 75, 74, {"bgregras", 401, 378}),
    One("circ_regras_0", P, 21, 21, {"bgregras", 612, 42}),
    One("circ_regras_1", P, 21, 21, {"bgregras", 602, 18}),
    One("circ_regras_2", P, 22, 21, {"bgregras", 578, 8}),
    Many("regras ", 1, 4, 2, P, 575, 207),
    // Game screen.
    One("circ_jogo_0", P, 21, 13, {"jogo_fundo", 615, 38}),
    One("circ_jogo_1", P, 21, 13, {"jogo_fundo", 605, 13}),
    One("circ_jogo_2", P, 21, 13, {"jogo_fundo", 582, 3}),
    One("bot_jogo_sim", HD, 69, 61, {"jogo_fundo", 122, 378}),
    One("bot_jogo_nao", HD, 69, 61, {"jogo_fundo", 206, 378}),
    One("bot_jogo_parar", HD, 69, 61, {"jogo_fundo", 289, 378}),
    Many("", 1, 21, 2, HD, 115, 110, {"jogo_fundo", 0, 370}),
    One("1-on", HD, 28, 27, {"jogo_fundo", 30, 170}),
    One("2-on", HD, 28, 27, {"jogo_fundo", 30, 211}),
    One("3-on", HD, 28, 27, {"jogo_fundo", 30, 251}),
    One("4-on", HD, 28, 27, {"jogo_fundo", 30, 292}),
    One("overAjuda_0", HD, 57, 57, {"jogo_fundo", 395, 214}),
    One("overAjuda_1", HD, 57, 57, {"jogo_fundo", 465, 214}),
    One("overAjuda_2", HD, 57, 57, {"jogo_fundo", 533, 214}),
    One("overAjuda_3", HD, 68, 66, {"jogo_fundo", 394, 284}),
    One("overAjuda_4", HD, 67, 67, {"jogo_fundo", 464, 284}),
    One("overAjuda_5", HD, 67, 67, {"jogo_fundo", 533, 284}),
    One("tampaoajuda_0", HD, 57, 57, {"jogo_fundo", 395, 214}),
    One("tampaoajuda_1", HD, 57, 57, {"jogo_fundo", 465, 214}),
    One("tampaoajuda_2", HD, 57, 57, {"jogo_fundo", 533, 214}),
    One("tampaoajuda_3", HD, 68, 66, {"jogo_fundo", 394, 284}),
    One("tampaoajuda_4", HD, 67, 67, {"jogo_fundo", 464, 284}),
    One("tampaoajuda_5", HD, 67, 67, {"jogo_fundo", 533, 284}),
    Many("valores ", 1, 16, 2, P, 240, 46, {"jogo_fundo", 377, 377}),
    // Cards help: hover pictures and the sixteen faces, each a whole card.
    Many("cartasover-", 1, 4, 1, HD, 61, 91),
    Many("0-", 1, 4, 1, P, 61, 91),
    Many("1-", 1, 4, 1, P, 61, 91),
    Many("2-", 1, 4, 1, P, 61, 91),
    Many("3-", 1, 4, 1, P, 61, 91),
    // Help panel grounds.
    One("ajuda convidados", HD, 241, 206),
    One("ajuda placas", HD, 241, 206),
    // Status screen: the lit rung of each step.
    One("valor 01", P, 353, 46, {"bgstatus", 144, 393}),
    One("valor 02", P, 353, 46, {"bgstatus", 144, 382}),
    One("valor 03", P, 353, 46, {"bgstatus", 144, 360}),
    One("valor 04", P, 353, 46, {"bgstatus", 144, 334}),
    One("valor 05", P, 353, 46, {"bgstatus", 144, 313}),
    One("valor 06", P, 353, 46, {"bgstatus", 144, 278}),
    One("valor 07", P, 353, 46, {"bgstatus", 144, 260}),
    One("valor 08", P, 353, 46, {"bgstatus", 144, 236}),
    One("valor 09", P, 353, 46, {"bgstatus", 144, 216}),
    One("valor 10", P, 353, 46, {"bgstatus", 144, 201}),
    One("valor 11", P, 353, 46, {"bgstatus", 144, 155}),
    One("valor 12", P, 353, 46, {"bgstatus", 144, 133}),
    One("valor 13", P, 353, 46, {"bgstatus", 144, 113}),
    One("valor 14", P, 353, 46, {"bgstatus", 144, 95}),
    One("valor 15", P, 353, 46, {"bgstatus", 144, 66}),
    One("valor 16", P, 353, 46, {"bgstatus", 144, 35}),
    // Prize screen.
    One("vocenaoganhou", P, 352, 54),
};

// The amount pictures of the prize screen share one size and place.
inline constexpr Series kAmount = One("", P, 352, 180, {"bgpremio", 144, 248});

struct Picture {
    std::string name;
    Folder folder;
    int width;
    int height;
    Spot spot;
};

inline std::string Numbered(std::string_view prefix, int n, int digits) {
    const std::string number = std::to_string(n);
    const auto width = static_cast<std::size_t>(digits);
    const std::string padding(number.size() < width ? width - number.size() : 0, '0');
    return std::string(prefix) + padding + number;
}

inline std::vector<Picture> AllPictures() {
    std::vector<Picture> all;
    for (const Series& s : kSeries) {
        if (s.digits == 0) {
            all.push_back({std::string(s.prefix), s.folder, s.width, s.height, s.spot});
            continue;
        }
        for (int n = s.first; n <= s.last; ++n) {
            all.push_back({Numbered(s.prefix, n, s.digits), s.folder, s.width, s.height, s.spot});
        }
    }
    for (std::string_view amount : kPrizeAmounts) {
        all.push_back(
            {std::string(amount), kAmount.folder, kAmount.width, kAmount.height, kAmount.spot});
    }
    return all;
}

// The picture of the list with this name; throws when there is none.
inline const Picture& Listed(std::string_view name) {
    static const std::vector<Picture> all = AllPictures();
    for (const Picture& p : all) {
        if (p.name == name) {
            return p;
        }
    }
    throw std::logic_error("not in the manifest: " + std::string(name));
}

// Pictures compiled into the program as part of a screen's own definition.
struct EmbeddedSpec {
    std::string_view name;
    int width;
    int height;
    Spot spot;
};

inline constexpr EmbeddedSpec kEmbeddedPictures[] = {
    {"jogo_fundo", 640, 480, {}},
    {"cartas_painel", 244, 210, {}},
    {"intro_coracao", 217, 189, {"bgintro", 267, 30}},
    {"parabens_faixa", 526, 148, {}},
    {"premio_faixa", 352, 54, {}},
    {"menu_icone", 32, 32, {}},
    {"ponteiro", 32, 32, {}},
};

} // namespace pictures
