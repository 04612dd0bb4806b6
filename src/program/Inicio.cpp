#include "program/Inicio.h"

#include "core/Config.h"
#include "core/Espera.h"
#include "core/Globais.h"
#include "core/Pastas.h"
#include "platform/Text.h"
#include "screens/frmIntro.h"
#include "sound/Som.h"

void LigaCamadas() {
    AposSalvarConfig = FechaNarracao;
}

void RestauraEstado() {
    ui::ClearTextCache();
    RestauraGlobais();
    LigaCamadas();
}

void Main() {
    LigaCamadas();
    Randomize();
    PararTodosSons();
    InicializaGlobais();
    DefinePastas();
    ValoresPadrao();
    LeConfig();
    PararTodosSons();
    frmIntro.Show();
}
