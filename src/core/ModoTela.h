// Display modes: a borderless 640x480 window at the remembered position, or a maximised
// window with a black backdrop and the stage centred on it.
#pragma once

class TelaBase;

void AjustaTela(TelaBase& frm);
void PosicionaForm(TelaBase& frm);
void AlternaModoTela(TelaBase& frm);
void ArrastaJanela(TelaBase& frm, float X, float Y);
