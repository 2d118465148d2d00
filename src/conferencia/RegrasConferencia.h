#pragma once

#include "catalogue/TipoModalidade.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// What wins a prize tier (faixa): a number of hits among the drawn numbers (with, for +Milionária, the
// clovers hit), the Dia de Sorte month or the Timemania club.
enum class TTipoFaixa : std::uint8_t { Numeros, Mes, Time };

struct TFaixaPremio {
    QString Nome; // "Sena", "15 acertos", "Mês de Sorte"
    TTipoFaixa Tipo = TTipoFaixa::Numeros;
    int Acertos = 0; // numbers hit, for the number tiers
    int Sorteio = 0; // Dupla Sena: the draw, 1 or 2; 0 for the games of one draw
    // +Milionária: the clovers hit that the tier takes, as its name says them ("6 + 1 ou nenhum trevo":
    // 1 and 0). Empty for the other games.
    QList<int> Trevos;

    friend bool operator==(const TFaixaPremio&, const TFaixaPremio&) = default;
};

// How a game's draw is checked: how many numbers are drawn, how many numbers one simple bet has, and the
// prize tiers, best first. A game of more numbers than a simple bet (a bigger bet) stands for every
// simple bet its numbers hold.
struct TRegrasConferencia {
    TTipoModalidade Tipo = TTipoModalidade::Indefinida;
    QString NomeModalidade; // the rules object's display name
    int NumInicial = 0;
    int NumFinal = 0;
    int QdeSorteados = 0;     // numbers of one draw
    int QdeSorteios = 1;      // Dupla Sena: 2
    int QdeAposta = 0;        // numbers of a simple bet
    QList<int> QdeNumPorJogo; // the numbers per game the game's rules take
    QList<TFaixaPremio> Faixas;

    bool TemMes() const { return Tipo == TTipoModalidade::DiaDeSorte; }
    bool TemTime() const { return Tipo == TTipoModalidade::Timemania; }
    bool TemTrevos() const { return Tipo == TTipoModalidade::MaisMilionaria; }
    bool TemEspelho() const { return Tipo == TTipoModalidade::Lotomania; }
};

// +Milionária clovers: two of 1 to 6 are drawn, a simple bet has two, a game two to six.
inline constexpr int PrimeiroTrevo = 1;
inline constexpr int UltimoTrevo = 6;
inline constexpr int QdeTrevosSorteados = 2;
inline constexpr int QdeTrevosPorAposta = 2;
inline constexpr int PrimeiroMes = 1;
inline constexpr int UltimoMes = 12;

// The checking rules of the game named (any name the catalogue recognises); none for a game without
// draws to check (Super Sete, an undefined game).
std::optional<TRegrasConferencia> CriaRegrasConferencia(QStringView NomeModalidade);

// "Março" for 3; empty outside 1 to 12.
QString NomeDoMes(int Mes);
// "3 - Março", "12 - Bahia/BA": a month or club as the window and the tools show them; empty for 0.
QString TextoDoMes(int Mes);
QString TextoDoTime(int Time);

// The tier as the window and the summary show it: "Quina", "2º Sorteio - Quadra".
QString NomeDaFaixa(const TFaixaPremio& Faixa);
// What the tier asks for, for the summary's column: "6", "5 + 2 trevos", "Mês", "Time".
QString AcertosDaFaixa(const TFaixaPremio& Faixa);
