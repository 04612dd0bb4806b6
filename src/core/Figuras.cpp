#include "core/Figuras.h"

#include "core/Globais.h"
#include "core/TelaBase.h"
#include "platform/Application.h"
#include "platform/Error.h"

#include <cmath>

#ifdef QV_HAVE_EMBEDDED
#include "embedded/EmbeddedPictures.h"
#endif
#include <functional>

namespace {

std::string TextoErroFigura(int numero, const std::string& nome) {
    return "Ocorreu um erro (código " + std::to_string(numero) +
           ") ao tentar abrir o arquivo:" + Quebra + Quebra + nome + Quebra;
}

void Carrega(const std::function<void(const ui::Picture&)>& atribui, const std::string& nome,
             const std::optional<std::string>& origem) {
    std::string pasta;
    if (!origem) {
        pasta = PastaPackage;
    } else if (*origem == "hd") {
        pasta = PastaGraficosHD;
    } else {
        return;
    }
    for (;;) {
        try {
            atribui(ui::Picture::FromFile(pasta + nome + ".bmp"));
            return;
        } catch (const ui::RuntimeError& erro) {
            Resposta = static_cast<std::int16_t>(
                ui::App().MsgBox(TextoErroFigura(erro.Number(), nome),
                                 ui::vbAbortRetryIgnore | ui::vbExclamation, ui::APP_TITLE));
            if (Resposta == ui::vbIgnore) {
                return;
            }
            if (Resposta == ui::vbAbort) {
                ui::App().End(1);
            }
        }
    }
}

} // namespace

int Inteiro(float v) {
    return static_cast<int>(std::nearbyint(v));
}

void CarregaFigura(ui::Image& ctl, const std::string& nome,
                   const std::optional<std::string>& origem) {
    Carrega([&ctl](const ui::Picture& p) { ctl.Picture(p); }, nome, origem);
}

void CarregaFigura(ui::PictureBox& ctl, const std::string& nome,
                   const std::optional<std::string>& origem) {
    Carrega([&ctl](const ui::Picture& p) { ctl.Picture(p); }, nome, origem);
}

ui::Picture FiguraEmbutida(const std::string& nome) {
#ifdef QV_HAVE_EMBEDDED
    const auto bytes = EmbeddedPicture(nome);
    if (!bytes.empty()) {
        return ui::Picture::FromMemory(bytes);
    }
#endif
    (void)nome;
    return {};
}

void CarregaFundo(TelaBase& frm, const std::string& nome) {
    CursorTela(ui::vbHourglass);
    frm.Picture_Center.Picture(ui::Picture::FromFile(PastaPackage + nome + ".bmp"));
    CursorTela(ui::vbCustom);
}

void AcendeSobMouse(int x, int y, ui::Control& ctl) {
    const int esquerda = Inteiro(ctl.Left());
    const int topo = Inteiro(ctl.Top());
    const bool dentro = esquerda <= x && x <= esquerda + Inteiro(ctl.Width()) && topo <= y &&
                        y <= topo + Inteiro(ctl.Height());
    if (dentro != ctl.Visible()) {
        ctl.Visible(dentro);
    }
}

void CursorTela(int ponteiro) {
    ui::App().MousePointer(ponteiro);
}
