#pragma once

#include "conferencia/MascaraDezenas.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>
#include <variant>

struct TRegrasConferencia;

// One draw (resultado) of a game: the numbers drawn (two draws for Dupla Sena) and the extra of the
// draw: the Dia de Sorte month, the Timemania club, the +Milionária clovers.
struct TResultado {
    std::array<TMascaraDezenas, 2> Sorteios;
    int Mes = 0;
    int Time = 0;
    std::uint8_t Trevos = 0; // bit c for clover c, 1 to 6

    friend bool operator==(const TResultado&, const TResultado&) = default;
};

// A draw as the user gives it, before it is checked: the numbers as typed ("04 11 23 35 47 58", the
// separators of a game line allowed) and the extras; what the game has no use for stays unset.
struct TEntradaResultado {
    QString Dezenas;
    QString Dezenas2; // Dupla Sena's second draw
    std::optional<int> Mes;
    std::optional<int> Time;
    std::optional<QList<int>> Trevos;
};

// The draw, or the message (in Portuguese, for a box or a terminal) of the first thing wrong with it:
// a draw without numbers, with too few or too many, a number outside the game's range or repeated, an
// extra the game lacks or one missing, a month outside 1 to 12, a club outside 1 to 80, clovers that
// are not two different ones of 1 to 6. The numbers are read by the game line check.
std::variant<TResultado, QString> LeResultado(const TRegrasConferencia& Regras,
                                              const TEntradaResultado& Entrada);

// Clover numbers written as "2,5", "2 5" or "2;5", in the order written; the message when a piece is not
// a whole number. Whether they make a valid draw or bet is checked where they are used.
std::variant<QList<int>, QString> LeListaDeTrevos(QStringView Texto);

// The clovers a +Milionária bet was played with: two to six different ones of 1 to 6. Empty when they
// are, else why not.
QString ConfereTrevosApostados(const QList<int>& Trevos);

// The clovers as a set: bit c for clover c.
std::uint8_t MascaraDeTrevos(const QList<int>& Trevos);
