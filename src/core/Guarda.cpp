#include "core/Guarda.h"

#include "core/Globais.h"
#include "platform/Application.h"

Guarda::Guarda() : jogo_(SerieJogo) {
    if (ui::Form* tela = ui::App().RunningForm()) {
        tela_ = tela->weak_from_this();
        temTela_ = true;
    }
}

Guarda::Guarda(ui::Form& tela) : tela_(tela.weak_from_this()), temTela_(true), jogo_(SerieJogo) {}

bool Guarda::TelaAberta() const {
    if (!temTela_) {
        return true;
    }
    const auto tela = tela_.lock();
    return tela && tela->IsLoaded();
}

bool Guarda::MesmoJogo() const {
    return SerieJogo == jogo_;
}
