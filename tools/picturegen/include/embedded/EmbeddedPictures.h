// Pictures that belong to a screen's own definition, compiled into the program as BMP files.
//
// "jogo_fundo"     the game screen's background, 640x480
// "cartas_painel"  the cards help's panel with four face-down cards, 244x210
// "intro_coracao"  the intro's heart, 217x189
// "parabens_faixa" the congratulations banner, 526x148
// "premio_faixa"   the prize screen's banner, 352x54
// "menu_icone"     the menu window's icon, 32x32
// "ponteiro"       the program's own pointer, 32x32: black outline, white body, magenta
//                  (FF00FF) where the pointer is transparent; hot spot at (1, 1)
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// The BMP file bytes of the named picture; empty when the name is unknown.
std::span<const std::uint8_t> EmbeddedPicture(std::string_view name);
