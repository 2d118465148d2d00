#pragma once

#include <signal.h>

// Ctrl+C (SIGINT), SIGTERM and SIGHUP while a batch print writes its outputs. While an object of this
// class lives, those signals only note that the program was asked to end: the handler does nothing
// else, as a signal handler may do next to nothing safely. The page loops ask Pedida() after each
// page and stop; the temporary folders then go with their owners as on any failure, and the
// program ends by the same signal (TerminaPeloSinal), so a shell sees it was interrupted. Outside
// that time the signals keep their usual effect: nothing of the run is on disk to clean up.
class TInterrupcao {
public:
    TInterrupcao();
    ~TInterrupcao();
    TInterrupcao(const TInterrupcao&) = delete;
    TInterrupcao& operator=(const TInterrupcao&) = delete;

    // Whether a signal came, now or during an earlier TInterrupcao's life.
    static bool Pedida();
    // Ends the program by the signal that came, with its usual effect.
    [[noreturn]] static void TerminaPeloSinal();

private:
    struct sigaction FAnteriores[3]; // what the signals did before, put back afterwards
};
