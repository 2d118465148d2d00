#pragma once

#include "portal/RegistrosPortal.h"

#include <QString>

#include <ostream>
#include <vector>

// Readable failures: texts as UTF-8.
inline void PrintTo(const QString& Texto, std::ostream* Saida) {
    *Saida << '"' << Texto.toStdString() << '"';
}

// The games of a set as plain vectors: Qt 6.4 compares two empty integer lists with memcmp on a null
// pointer, which the undefined behaviour sanitizer stops.
inline std::vector<std::vector<int>> Numeros(const TGamesClass& Conjunto) {
    std::vector<std::vector<int>> Jogos;
    for (qsizetype i = 0; i < Conjunto.QdeCombinacoes(); ++i) {
        const TCombination Jogo = Conjunto.Combinacao(i);
        Jogos.emplace_back(Jogo.begin(), Jogo.end());
    }
    return Jogos;
}
