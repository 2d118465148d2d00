#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <random>

// Qde Lotofácil games of 15 to 20 numbers, as normalised game texts, drawn at random but the same on
// every run: a large closing of bigger bets such as pool operators check.
inline QStringList JogosAleatoriosDeLotofacil(int Qde) {
    std::mt19937 Gerador(15'20);
    std::uniform_int_distribution<int> Tamanho(15, 20);
    std::array<int, 25> Numeros{};
    for (int Indice = 0; Indice < 25; ++Indice)
        Numeros[std::size_t(Indice)] = Indice + 1;
    QStringList Jogos;
    Jogos.reserve(Qde);
    for (int Jogo = 0; Jogo < Qde; ++Jogo) {
        std::shuffle(Numeros.begin(), Numeros.end(), Gerador);
        const int QdeNumeros = Tamanho(Gerador);
        std::array<bool, 26> Escolhidos{};
        for (int Indice = 0; Indice < QdeNumeros; ++Indice)
            Escolhidos[std::size_t(Numeros[std::size_t(Indice)])] = true;
        QString Texto;
        Texto.reserve(3 * QdeNumeros);
        for (int Numero = 1; Numero <= 25; ++Numero) {
            if (!Escolhidos[std::size_t(Numero)])
                continue;
            if (!Texto.isEmpty())
                Texto += u' ';
            Texto += QChar(u'0' + Numero / 10);
            Texto += QChar(u'0' + Numero % 10);
        }
        Jogos.append(Texto);
    }
    return Jogos;
}
