#pragma once

#include "conferencia/MascaraDezenas.h"

#include <QByteArrayView>
#include <QList>

#include <cstdint>
#include <vector>

class TCDSDetalhe;
struct TRegrasConferencia;

// How the games of a closing were played beyond their numbers, as the print setup hands it to the print
// sheet queue: a game's own month or club (its bonus number) first, else the setup's choice.
struct TExtrasApostas {
    int Mes = 1; // Dia de Sorte: the month handed out first to the games without one of their own
    bool AvancaMes = true;
    int Time = 0; // Timemania: the club handed out first; 0 when none was chosen
    bool AvancaTime = true;
    int GrupoDosContadores = 0; // months and clubs advance once per pool group of this size (0: per game)
    bool ApostaEspelho = false; // Lotomania: every game is also played mirrored
    QList<int> Trevos;          // +Milionária: the clovers played, 1 to 6

    friend bool operator==(const TExtrasApostas&, const TExtrasApostas&) = default;
};

// The games of a closing turned once into what checking needs: each game's numbers as a mask, its
// number count, its month or club and whether it is a mirror bet. Read from the games view when built;
// the store is only read.
class TJogosParaConferir {
public:
    TJogosParaConferir() = default;
    TJogosParaConferir(const TCDSDetalhe& Jogos, const TRegrasConferencia& Regras,
                       const TExtrasApostas& Extras);

    int Qde() const { return int(FQdeNumeros.size()); }
    TMascaraDezenas Dezenas(int Indice) const {
        return {FBaixa[std::size_t(Indice)], FAlta[std::size_t(Indice)]};
    }
    // How many numbers the game has; 0 for a game the rules take no bet of (a text that is no game, a
    // number outside the game's range, a count of numbers the game does not offer): it wins nothing.
    int QdeNumeros(int Indice) const { return FQdeNumeros[std::size_t(Indice)]; }
    // Dia de Sorte: the game's month; Timemania: its club; 0 when it has none.
    int Extra(int Indice) const { return FExtra[std::size_t(Indice)]; }
    // Lotomania: the game is also played with the 50 numbers it left out.
    bool Espelho(int Indice) const { return FEspelho[std::size_t(Indice)] != 0; }
    // +Milionária: bit c for each clover c played.
    std::uint8_t Trevos() const { return FTrevos; }

    // The numbers of a game text as the store keeps it ('01 05 12'), when it holds only numbers within
    // NumInicial..NumFinal, each once; false otherwise.
    static bool LeDezenas(QByteArrayView Texto, int NumInicial, int NumFinal, TMascaraDezenas& Dezenas);

private:
    std::vector<std::uint64_t> FBaixa;
    std::vector<std::uint64_t> FAlta;
    std::vector<std::uint8_t> FQdeNumeros;
    std::vector<std::uint8_t> FExtra;
    std::vector<std::uint8_t> FEspelho;
    std::uint8_t FTrevos = 0;
};
