// The rules pages and the exit screen's credits: text set on dark pages.
#include "Screens.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace picturegen {
namespace {

using namespace colors;

struct Paragraph {
    std::string_view key;
    std::string_view text;
};

struct Page {
    std::string_view title;
    std::vector<Paragraph> paragraphs;
};

const std::vector<Page>& RulesPages() {
    static const std::vector<Page> pages = {
        {"O JOGO",
         {{"OBJETIVO:",
           "responda a 16 perguntas de conhecimentos gerais e chegue a R$\u00A01.000.000. As "
           "perguntas 1 a 5 são fáceis, as de 6 a 10 médias e as de 11 a 16 difíceis."},
          {"RESPOSTA:",
           "clique numa das quatro alternativas. Quando aparecer TEM CERTEZA?, clique em "
           "SIM para confirmar ou em NÃO para escolher de novo."},
          {"TEMPO:", "cada pergunta tem 42 segundos. Se o tempo acabar, o jogo termina e você não "
                     "leva nada."}}},
        {"OS PRÊMIOS",
         {{"ACERTOU:",
           "você sobe um degrau na escada de prêmios, de R$\u00A01.000 na primeira pergunta "
           "até R$\u00A01.000.000 na décima sexta."},
          {"PAROU:", "clique em PARAR e leve o prêmio da última pergunta que você acertou."},
          {"ERROU:",
           "você leva a metade do prêmio da última pergunta acertada. Quem erra a primeira "
           "pergunta ou a pergunta do milhão não leva nada."},
          {"PLACAR:", "os cinco melhores resultados ficam guardados."}}},
        {"AS AJUDAS",
         {{"CARTAS:", "escolha uma das quatro cartas. O número dela, de 0 a 3, é quantas respostas "
                      "erradas saem da tela."},
          {"CONVIDADOS:",
           "três convidados dizem qual alternativa acham certa, ou ? quando não sabem."},
          {"PLACAS:", "a plateia vota e as placas mostram a porcentagem de cada alternativa."},
          {"ATENÇÃO:", "cada ajuda vale uma vez por jogo, e nenhuma vale na última pergunta."}}},
        {"PULOS E COMANDOS",
         {{"PULOS:",
           "você tem três. Cada pulo troca a pergunta por outra do mesmo nível, sem mudar o "
           "prêmio."},
          {"PAINÉIS:",
           "os convidados e as placas ficam na tela por 10 segundos, ou até você clicar "
           "neles."},
          {"TELA:", "a barra de espaço alterna entre janela e tela cheia. As bolinhas do canto "
                    "minimizam, trocam o modo da tela e fecham o jogo."},
          {"BOA SORTE!", ""}}},
    };
    return pages;
}

void DrawPageGround(Canvas& canvas) {
    const Rect all = canvas.View();
    const auto w = static_cast<float>(all.w);
    const auto h = static_cast<float>(all.h);
    canvas.Fill(VerticalGradient(0, Hex(0x1C1666), h, Hex(0x0A0832)));
    canvas.Glow(w * 0.5f, -20, w * 0.6f, Hex(0x3A3AB0), 0.35f);
}

void DrawRulesPage(Canvas& canvas, FontBook& fonts, const Page& page, int number) {
    constexpr int kMargin = 18;
    constexpr int kPoints = 11;
    DrawPageGround(canvas);
    const int width = canvas.View().w;
    TextStyle title = GoldTitle(15, 19);
    title.outline = 0;
    DrawLine(canvas, fonts, page.title, kMargin, 8, title);
    TextStyle counter;
    counter.points = 9;
    counter.paint = Solid(Hex(0xB8B0E8));
    const std::string pageOf = "PÁGINA " + std::to_string(number) + " DE 4";
    DrawLine(canvas, fonts, pageOf, width - kMargin - TextWidth(fonts, Face::SansBold, 9, pageOf),
             12, counter);
    canvas.FillShape({kMargin, 34, width - 2 * kMargin, 3},
                     Box(kMargin, 35, static_cast<float>(width - kMargin), 36.2f, 0.6f),
                     Solid(kGold), 0.8f);

    TextStyle key;
    key.points = kPoints;
    key.paint = Solid(kYellow);
    TextStyle body = key;
    body.face = Face::Sans;
    body.paint = Solid(kWhite);
    const int lineHeight = LineHeight(fonts, Face::Sans, kPoints);
    int y = 44;
    for (const Paragraph& p : page.paragraphs) {
        DrawLine(canvas, fonts, p.key, kMargin, y, key);
        const int indent = TextWidth(fonts, Face::SansBold, kPoints, p.key) + 5;
        const auto lines = Wrap(fonts, Face::Sans, kPoints, p.text, width - 2 * kMargin - indent,
                                width - 2 * kMargin);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            DrawLine(canvas, fonts, lines[i], kMargin + (i == 0 ? indent : 0), y, body);
            y += lineHeight;
        }
        y += lines.empty() ? lineHeight : 5;
    }
    if (y > canvas.View().h) {
        throw std::logic_error("rules page " + std::to_string(number) + " runs over");
    }
}

struct Credit {
    std::string_view heading;
    std::string_view first;
    std::string_view second;
};

constexpr Credit kCredits[] = {
    {"QUORVANE", "o grande jogo de perguntas", "versão para Linux"},
    {"PROGRAMAÇÃO", "Equipe Quorvane", "C++20, SDL2, SDL_ttf e SDL_mixer"},
    {"ARTE, SONS E PERGUNTAS", "criados pela equipe Quorvane", "letras Liberation Sans"},
    {"OBRIGADO POR JOGAR!", "volte sempre", "e boa sorte na próxima rodada"},
};

void DrawCredit(Canvas& canvas, FontBook& fonts, const Credit& credit) {
    DrawPageGround(canvas);
    const auto w = static_cast<float>(canvas.View().w);
    const int points =
        FitPoints(fonts, Face::SansBold, credit.heading, canvas.View().w - 30, 40, 24);
    DrawCentred(canvas, fonts, credit.heading, w / 2, 58, GoldTitle(points, 58));
    TextStyle line;
    line.points = 13;
    line.paint = Solid(kWhite);
    line.shadow = kBlack;
    line.shadowOffset = 1;
    DrawCentred(canvas, fonts, credit.first, w / 2, 106, line);
    line.points = 10;
    line.paint = Solid(Hex(0xC8C2F0));
    DrawCentred(canvas, fonts, credit.second, w / 2, 132, line);
}

} // namespace

void DrawRulesPages(PictureSet& set) {
    const auto& pages = RulesPages();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        set.Add(pictures::Numbered("regras ", number, 2), pictures::Folder::Package,
                Render({0, 0, 575, 207},
                       [&](Canvas& c) { DrawRulesPage(c, set.Fonts(), pages[i], number); }));
    }
}

void DrawCredits(PictureSet& set) {
    int number = 1;
    for (const Credit& credit : kCredits) {
        set.Add(pictures::Numbered("credito ", number++, 2), pictures::Folder::Package,
                Render({0, 0, 322, 171}, [&](Canvas& c) { DrawCredit(c, set.Fonts(), credit); }));
    }
}

} // namespace picturegen
