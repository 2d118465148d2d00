#pragma once

#include "catalogue/ULib.h"
#include "referencia/ReferenciaValidaJogo.h"

#include <QStringList>

#include <vector>

// A game of the catalogue as the fuzz targets pick it: its name, its limits and every count of numbers
// per game that either slip model offers.
struct TJogoFuzz {
    QString Nome;
    TLimitesDoJogo Limites; // QdeNumPorVolante 0
    std::vector<int> Quantidades;
};

// The games of the import tab, then (when asked) the ones that are never printed.
inline std::vector<TJogoFuzz> JogosDoCatalogo(bool ComOsQueNaoSeImprimem) {
    std::vector<TJogoFuzz> Jogos;
    QStringList Nomes = ItensRadioModalidades();
    if (ComOsQueNaoSeImprimem)
        Nomes += QStringList{QStringLiteral("Super7"), QStringLiteral("Seninha")};
    for (const QString& Nome : Nomes) {
        const auto Modalidade = CriaModalidade(Nome);
        if (!Modalidade)
            continue;
        TJogoFuzz Jogo{Nome,
                       {0, Modalidade->NumInicial(), Modalidade->NumFinal(), Modalidade->NumBonusInicial(),
                        Modalidade->NumBonusFinal()},
                       {}};
        for (int Modelo : {0, 1}) {
            Modalidade->SetLayoutIndex(Modelo);
            Modalidade->SetParameters(0);
            for (int Quantidade : Modalidade->QdeNumPorVolante())
                Jogo.Quantidades.push_back(Quantidade);
        }
        if (Jogo.Quantidades.empty())
            Jogo.Quantidades.push_back(1);
        Jogos.push_back(Jogo);
    }
    return Jogos;
}

// The count byte: high bit set, the low six bits as they are (mostly a count the game does not
// offer); otherwise one of the game's own counts.
inline int QuantidadeDoByte(const TJogoFuzz& Jogo, unsigned char Byte) {
    return Byte & 0x80 ? Byte & 0x3F : Jogo.Quantidades[Byte % Jogo.Quantidades.size()];
}
