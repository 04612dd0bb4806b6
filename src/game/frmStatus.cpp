#include "game/frmStatus.h"

#include "core/Globais.h"

ui::FormRef<frmStatusForm> frmStatus;

Guarda MostraStatus() {
    Guarda guarda;
    if (Sim(NovoJogo)) {
        frmStatus.Show(ui::vbModeless);
    } else {
        frmStatus.Show(ui::vbModal);
    }
    return guarda;
}
