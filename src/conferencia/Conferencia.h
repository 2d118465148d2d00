#pragma once

#include "conferencia/RegrasConferencia.h"
#include "conferencia/Resultado.h"

#include <array>
#include <cstdint>
#include <vector>

class TJogosParaConferir;

// The outcome of checking a closing's games against a draw: per game, its hits and best tier; per tier,
// how many simple bets of the whole closing win it. Counts are exact: a bigger bet of n numbers with h
// of them drawn holds C(h, j) · C(n − h, s − j) simple bets of s numbers with j hits.
struct TConferencia {
    static constexpr std::uint8_t SemPremio = 0xFF;
    enum TSituacao : std::uint8_t {
        AcertouExtra = 1, // the game's month (Dia de Sorte) or club (Timemania) is the draw's
        NaoConferido = 2, // the rules take no bet of the game: it wins nothing
    };

    // Numbers hit by each game, per draw; the second draw only for Dupla Sena.
    std::array<std::vector<std::uint8_t>, 2> Acertos;
    // Each game's best tier won (its index in the rules' tiers), SemPremio when it wins none.
    std::vector<std::uint8_t> MelhorFaixa;
    std::vector<std::uint8_t> Situacao;
    // Winning simple bets per tier, in the order of the rules' tiers.
    std::vector<std::uint64_t> QdePorFaixa;
    int QdePremiados = 0;
    int QdeNaoConferidos = 0;
    int TrevosAcertados = 0; // +Milionária: the clovers played that were drawn, the same for every game

    bool Premiado(int Indice) const { return MelhorFaixa[std::size_t(Indice)] != SemPremio; }
    bool AcertouExtraDoJogo(int Indice) const { return Situacao[std::size_t(Indice)] & AcertouExtra; }
    bool Conferido(int Indice) const { return !(Situacao[std::size_t(Indice)] & NaoConferido); }
};

// The simple bets one game wins in one tier.
struct TPremioDoJogo {
    int Faixa = 0; // index into the rules' tiers
    std::uint64_t Quantidade = 0;

    friend bool operator==(const TPremioDoJogo&, const TPremioDoJogo&) = default;
};

// Checks every game against the draw. Nothing is changed but the result: the games and the store they
// were read from stay as they are.
TConferencia Confere(const TRegrasConferencia& Regras, const TJogosParaConferir& Jogos,
                     const TResultado& Resultado);

// What the game at Indice wins, tier by tier in the rules' order (best first); empty when nothing.
std::vector<TPremioDoJogo> PremiosDoJogo(const TRegrasConferencia& Regras, const TJogosParaConferir& Jogos,
                                         const TConferencia& Conferencia, int Indice);

// Exact binomial coefficient C(n, k) for 0 <= k <= n <= 100; every count a game's rules allow fits 64
// bits. 0 when k is outside 0..n.
std::uint64_t Combinacoes(int n, int k);
