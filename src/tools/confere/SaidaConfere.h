#pragma once

#include <QByteArrayView>

#include <functional>
#include <vector>

class TCDSDetalhe;
class TJogosParaConferir;
struct TConferencia;
struct TRegrasConferencia;
struct TResultado;

// A finished check, as its output reads it.
struct TConferenciaFeita {
    const TRegrasConferencia& Regras;
    const TJogosParaConferir& Jogos;
    const TConferencia& Conferencia;
    const TResultado& Resultado;
    const TCDSDetalhe& Textos;      // the games as stored
    const std::vector<int>& Linhas; // the line of the file each game came from; empty without winners
};

using TSaida = std::function<void(QByteArrayView)>;

// The summary for a person: the game, the draw, a table of every tier with its winning simple bets
// (numbers in the Brazilian format), how many games won ("Nenhum prêmio." when none) and, with
// ComGanhadores, one line per winning game with its file line, hits and prizes.
void EscreveTexto(const TConferenciaFeita& Feita, bool ComGanhadores, const TSaida& Saida);

// One JSON object for scripts: {"modalidade", "jogos", "faixas": every tier of the game's table (also
// those won by none) with "nome", "acertos" (null for the month and club tiers), "sorteio" (Dupla Sena)
// or "trevos" (+Milionária) and "quantidade"; "ganhadores": each winning game (each draw it won in, for
// Dupla Sena) with "linha", "jogo", "acertos", the game's extras and "premios"; then the draw:
// "resultado", "resultado2", "mes", "time", "trevos" and "trevosApostados" as the game has them}.
void EscreveJson(const TConferenciaFeita& Feita, const TSaida& Saida);
