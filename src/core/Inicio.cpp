#include "core/Inicio.h"

#include "core/Config.h"
#include "core/Espera.h"
#include "core/Globais.h"
#include "core/Pastas.h"
#include "game/frmStatus.h"
#include "platform/Form.h"
#include "screens/frmIntro.h"
#include "sound/Som.h"

#include <cmath>

void InicializaGlobais() {
    Aspas = "\"";
    Quebra = "\r";
    ModoTela = 2;
    SomLigado = VERDADEIRO;
    MusicaLigada = VERDADEIRO;
    TwipsX = ui::TWIPS_PER_PIXEL;
    TwipsY = ui::TWIPS_PER_PIXEL;
    LarguraPalco = 640;
    AlturaPalco = 480;
    JanelaEsquerda = TwipsX * -640;
    JanelaTopo = TwipsY * -480;
}

void Main() {
    Randomize();
    PararTodosSons();
    InicializaGlobais();
    DefinePastas();
    ValoresPadrao();
    LeConfig();
    PararTodosSons();
    frmIntro.Show();
}

Guarda MostraStatus() {
    Guarda guarda;
    if (Sim(NovoJogo)) {
        frmStatus.Show(ui::vbModeless);
    } else {
        frmStatus.Show(ui::vbModal);
    }
    return guarda;
}
