#pragma once

#include <QGuiApplication>

// Fonts, pictures and PDF writers need the GUI application; the benchmarks of other subsystems do not,
// so it is created on first use, offscreen unless a platform is chosen.
inline void GaranteAplicacaoGui() {
    if (QCoreApplication::instance())
        return;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int Argc = 1;
    static char Nome[] = "cartelim_bench";
    static char* Argv[] = {Nome, nullptr};
    static QGuiApplication Aplicacao(Argc, Argv);
}
