#pragma once

#include <QElapsedTimer>
#include <QString>

#include <cstdio>

// The progress of a long batch print, "PDF: 1.234 de 3.000 páginas (41%)", rewritten in place on one
// line of standard error. Only when standard error is a terminal: scripts and logs see no change.
class TProgressoLote {
public:
    TProgressoLote(std::FILE* Destino, bool Ativo);
    // Whether the stream is a terminal a person watches.
    static bool EhTerminal(std::FILE* Fluxo);

    // Pages done of the total of the output named Saida. Shown at most ten times a second, and always
    // on the first and the last page.
    void Informa(const QString& Saida, int Feitas, int Total);
    // Ends the line, so that what is written next starts on a line of its own.
    void Encerra();

private:
    std::FILE* FDestino;
    bool FAtivo;
    bool FLinhaAberta = false;
    QElapsedTimer FDesdeAUltima;
};
