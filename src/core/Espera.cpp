#include "core/Espera.h"

#include "core/Figuras.h"
#include "core/Globais.h"
#include "platform/Application.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <vector>

namespace {

std::uint64_t Mistura(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// A 64-bit generator; a draw takes its top 24 bits, exact in single precision.
float Rnd() {
    EstadoAleatorio = Mistura(EstadoAleatorio);
    return static_cast<float>(EstadoAleatorio >> 40) / 16777216.0f;
}

using RelogioReal = std::chrono::steady_clock;

// When the last draw handled the pending events.
RelogioReal::time_point ultimaConsulta;

// Handles the pending events for a draw. Asking the window system costs far more than a draw,
// so within a millisecond of the last ask (real time, whatever the program's clock) the draw
// does not ask again, unless `agora` says it must.
void EventosDoSorteio(bool agora) {
    const auto instante = RelogioReal::now();
    if (agora || instante - ultimaConsulta >= std::chrono::milliseconds(1)) {
        ultimaConsulta = instante;
        ui::DoEvents();
    }
}

std::uint64_t SegundosDoDia() {
    const std::time_t agora = std::time(nullptr);
    std::tm local{};
    localtime_r(&agora, &local);
    return static_cast<std::uint64_t>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
}

} // namespace

void Randomize() {
    EstadoAleatorio ^= Mistura(SegundosDoDia());
}

Guarda Espera(int ms) {
    Guarda guarda;
    TempoAtual = ui::GetTickCount();
    const std::uint32_t inicio = TempoAtual;
    if (ms <= 0) {
        return guarda;
    }
    const auto alvo = static_cast<std::uint32_t>(ms);
    ui::App().SpinUntil(
        [&] {
            TempoAtual = ui::GetTickCount();
            return TempoAtual - inicio >= alvo;
        },
        inicio + alvo);
    return guarda;
}

Guarda PiscaControle(ui::Control& ctl, int vezes, int ms) {
    Guarda guarda(ctl.OwnerForm());
    ctl.Enabled(false);
    const bool visivel = ctl.Visible();
    for (int i = 1; i <= vezes; ++i) {
        ctl.Visible(!ctl.Visible());
        (void)Espera(ms);
        // The control went with its screen.
        if (!guarda.TelaAberta()) {
            return guarda;
        }
    }
    ctl.Visible(visivel);
    ctl.Enabled(true);
    return guarda;
}

std::int16_t Aleatorio(int menor, int maior) {
    Randomize();
    const float r = Rnd();
    const float valor = static_cast<float>(menor) + static_cast<float>(maior - menor) * r;
    return static_cast<std::int16_t>(std::nearbyint(valor));
}

Guarda Embaralha(int quantidade, int menor, int maior) {
    CursorTela(ui::vbHourglass);
    Guarda guarda = SorteiaDistintos(quantidade, menor, maior, true);
    CursorTela(ui::vbCustom);
    return guarda;
}

Guarda SorteiaDistintos(int quantidade, int menor, int maior, bool consultaJa) {
    Guarda guarda;
    Randomize();
    Sorteados.assign(static_cast<std::size_t>(std::max(quantidade, 0)) + 1, 0);
    // The values drawn so far, marked: the same answer as NumeroInedito's search of them, at
    // a cost that does not grow with their number.
    std::vector<bool> sorteado(static_cast<std::size_t>(std::max(maior - menor + 1, 0)));
    const auto jaSorteado = [&](int valor) {
        const auto marca = static_cast<std::size_t>(valor - menor);
        return valor >= menor && marca < sorteado.size() && sorteado[marca];
    };
    for (int i = 0; i < quantidade; ++i) {
        std::int16_t valor = 0;
        do {
            valor = Aleatorio(menor, maior);
            Sorteados[static_cast<std::size_t>(i)] = valor;
            EventosDoSorteio(consultaJa);
            consultaJa = false;
        } while (jaSorteado(valor));
        if (valor >= menor && static_cast<std::size_t>(valor - menor) < sorteado.size()) {
            sorteado[static_cast<std::size_t>(valor - menor)] = true;
        }
    }
    return guarda;
}

bool NumeroInedito(int valor, int k) {
    for (int i = 0; i < k; ++i) {
        if (Sorteados[static_cast<std::size_t>(i)] == valor) {
            return false;
        }
    }
    return true;
}
