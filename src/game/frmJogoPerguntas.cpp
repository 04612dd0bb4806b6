// The game screen's question store: the level's rows read from the database and shuffled,
// first the order of the rows, then each row's four alternatives.
#include "core/Espera.h"
#include "core/Figuras.h"
#include "core/Globais.h"
#include "core/Pastas.h"
#include "game/frmJogo.h"
#include "platform/Application.h"
#include "platform/Error.h"

#include <limits>

namespace {

const std::string ARQUIVO_BANCO = "bot_sc.bmp";

std::size_t Indice(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

long frmJogoForm::ContaLinhas() {
    dtSC.Refresh();
    long total = dtSC.RecordCount();
    if (total > 0) {
        dtSC.MoveLast();
        dtSC.MoveFirst();
    }
    return dtSC.RecordCount();
}

frmJogoForm::LinhaPergunta frmJogoForm::LeLinha() const {
    LinhaPergunta linha;
    linha.pergunta = dtSC.FieldText("pergunta");
    const long cod = dtSC.FieldInt("cod");
    if (cod < std::numeric_limits<std::int16_t>::min() ||
        cod > std::numeric_limits<std::int16_t>::max()) {
        throw ui::RuntimeError(ui::ERR_OVERFLOW, "O código de pergunta " + std::to_string(cod) +
                                                     " não cabe em 16 bits, no banco " +
                                                     dtSC.DatabaseName);
    }
    linha.cod = static_cast<std::int16_t>(cod);
    for (int a = 1; a <= 4; ++a) {
        linha.respostas[Indice(a)] = dtSC.FieldText("resp" + std::to_string(a));
    }
    return linha;
}

void frmJogoForm::CarregaNivel() {
    AbrePerguntasNivel();
    CarregaPerguntas();
    EmbaralhaPerguntas();
    PerguntaAtual = 1;
}

void frmJogoForm::AbrePerguntasNivel() {
    AbreBanco(dtSC, ARQUIVO_BANCO);
    dtSC.RecordSource = "Select * FROM dados WHERE nivel = " + std::to_string(Nivel);
    const long total = ContaLinhas();
    // The store holds at most MAX_PERGUNTAS rows of one level.
    if (total > MAX_PERGUNTAS) {
        throw ui::RuntimeError(
            ui::ERR_DATABASE, "O nível " + std::to_string(Nivel) + " tem " + std::to_string(total) +
                                  " perguntas, mais que as " + std::to_string(MAX_PERGUNTAS) +
                                  " possíveis, no banco " + dtSC.DatabaseName);
    }
    TotalPerguntas = static_cast<std::int16_t>(total);
    if (TotalPerguntas == 0) {
        ui::App().MsgBox("Dados não encontrados!", ui::vbOKOnly, ui::APP_TITLE);
    }
}

void frmJogoForm::CarregaPerguntas() {
    if (TotalPerguntas == 0) {
        return;
    }
    // The level query has just read the file and counted the rows: reading it again would
    // give the same rows at twice the cost.
    dtSC.MoveFirst();
    for (int i = 1; i <= TotalPerguntas; ++i) {
        const LinhaPergunta linha = LeLinha();
        Perguntas[Indice(i)] = linha.pergunta;
        CodPergunta[Indice(i)] = linha.cod;
        Respostas[Indice(i)] = linha.respostas;
        dtSC.MoveNext();
    }
}

void frmJogoForm::EmbaralhaPerguntas() {
    const int n = TotalPerguntas;
    if (n == 0) {
        return;
    }
    for (int q = 1; q <= n; ++q) {
        AlternativaCerta[Indice(q)] = 1;
    }
    // The store stays whole whatever ran meanwhile; the level's loader checks its guard.
    // The pointer stays busy over the order of the rows and every row's alternatives.
    CursorTela(ui::vbHourglass);
    (void)SorteiaDistintos(n, 1, n, true);
    // Copied out first, so that no row is overwritten before it has been read.
    std::vector<LinhaPergunta> nova(Indice(n) + 1);
    for (int q = 1; q <= n; ++q) {
        const auto velha = Indice(Sorteados[Indice(q - 1)]);
        nova[Indice(q)] = {CodPergunta[velha], Perguntas[velha], Respostas[velha]};
    }
    for (int q = 1; q <= n; ++q) {
        CodPergunta[Indice(q)] = nova[Indice(q)].cod;
        Perguntas[Indice(q)] = nova[Indice(q)].pergunta;
        Respostas[Indice(q)] = nova[Indice(q)].respostas;
    }
    for (int q = 1; q <= n; ++q) {
        std::array<int, 5> ordem{0, 1, 2, 3, 4};
        if (Aleatorio(1, 4) != 1) {
            (void)SorteiaDistintos(4, 1, 4, false);
            for (int a = 1; a <= 4; ++a) {
                ordem[Indice(a)] = Sorteados[Indice(a - 1)];
            }
        }
        const auto velhas = Respostas[Indice(q)];
        for (int a = 1; a <= 4; ++a) {
            Respostas[Indice(q)][Indice(a)] = velhas[Indice(ordem[Indice(a)])];
            if (ordem[Indice(a)] == 1) {
                AlternativaCerta[Indice(q)] = static_cast<std::int16_t>(a);
            }
        }
    }
    CursorTela(ui::vbCustom);
}

std::vector<frmJogoForm::LinhaPergunta> frmJogoForm::LeTodasPerguntas() {
    AbreBanco(dtSC, ARQUIVO_BANCO);
    dtSC.RecordSource = "Select * FROM dados";
    const long total = ContaLinhas();
    std::vector<LinhaPergunta> lista;
    if (total == 0) {
        return lista;
    }
    dtSC.MoveFirst();
    for (long i = 1; i <= total; ++i) {
        lista.push_back(LeLinha());
        dtSC.MoveNext();
    }
    return lista;
}

// The countdown runs on under the message boxes, so a time-out may close the screen between
// two questions of the listing.
void frmJogoForm::ListaTodasPerguntas() {
    const Guarda guarda;
    const auto lista = LeTodasPerguntas();
    exibicao.MostraMensagem("Tot.Perg.=" + std::to_string(lista.size()));
    for (std::size_t i = 0; i < lista.size(); ++i) {
        lblPergunta.Caption(lista[i].pergunta);
        for (std::int16_t a = 1; a <= 4; ++a) {
            exibicao.PoeAlternativa(lista[i].respostas[Indice(a)], a);
        }
        ui::App().MsgBox("Linha Excel=" + std::to_string(i + 1), ui::vbOKOnly, ui::APP_TITLE);
        if (!guarda) {
            return;
        }
    }
}
