#include "game/frmJogoAjudas.h"

#include "game/frmJogo.h"

// The helps plug in here; until they exist every help does nothing.
AjudasJogo::AjudasJogo(frmJogoForm& jogo) : jogo_(jogo) {}

void AjudasJogo::HabilitaAjudas(bool) {}

void AjudasJogo::BloqueiaAjudas() {}

void AjudasJogo::AjudaCartas() {}

void AjudasJogo::AjudaConvidados() {}

void AjudasJogo::AjudaPlacas() {}

void AjudasJogo::Pular() {}

void AjudasJogo::ApagaCartasOver() {}
