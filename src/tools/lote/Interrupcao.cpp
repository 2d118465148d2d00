#include "tools/lote/Interrupcao.h"

#include <array>
#include <csignal>
#include <cstdlib>

#include <signal.h>

namespace {

constexpr std::array<int, 3> Sinais = {SIGINT, SIGTERM, SIGHUP};

// The one state a handler may touch.
volatile std::sig_atomic_t SinalRecebido = 0;

extern "C" void AnotaSinal(int Sinal) {
    SinalRecebido = Sinal;
}

} // namespace

TInterrupcao::TInterrupcao() {
    struct sigaction Acao {};
    Acao.sa_handler = AnotaSinal;
    sigemptyset(&Acao.sa_mask);
    // Blocking calls go on after the note; the loops ask between pages.
    Acao.sa_flags = SA_RESTART;
    for (std::size_t Indice = 0; Indice < Sinais.size(); ++Indice) {
        sigaction(Sinais[Indice], nullptr, &FAnteriores[Indice]);
        // A signal ignored by whoever started the program (nohup, a background job) stays ignored.
        if (FAnteriores[Indice].sa_handler != SIG_IGN)
            sigaction(Sinais[Indice], &Acao, nullptr);
    }
}

TInterrupcao::~TInterrupcao() {
    for (std::size_t Indice = 0; Indice < Sinais.size(); ++Indice)
        sigaction(Sinais[Indice], &FAnteriores[Indice], nullptr);
}

bool TInterrupcao::Pedida() {
    return SinalRecebido != 0;
}

void TInterrupcao::TerminaPeloSinal() {
    const int Sinal = SinalRecebido;
    std::signal(Sinal, SIG_DFL);
    std::raise(Sinal);
    std::_Exit(128 + Sinal);
}
