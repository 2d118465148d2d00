#pragma once

#include <QString>

#include <bit>
#include <cstdint>

// A set of the numbers 0 to 99 in two machine words: the numbers of a game, of a draw, or the hits of
// one in the other. Checking a game against a draw is an AND and a popcount.
class TMascaraDezenas {
public:
    static constexpr int MaiorNumero = 99;

    constexpr TMascaraDezenas() = default;
    constexpr TMascaraDezenas(std::uint64_t Baixa, std::uint64_t Alta)
        : FBaixa(Baixa)
        , FAlta(Alta) {}

    // Every number from Primeiro to Ultimo, both included.
    static TMascaraDezenas Faixa(int Primeiro, int Ultimo);

    // Numbers outside 0 to 99 are never in the set.
    bool Contem(int Numero) const;
    void Insere(int Numero);
    int Qde() const { return std::popcount(FBaixa) + std::popcount(FAlta); }
    bool Vazia() const { return (FBaixa | FAlta) == 0; }

    // Bits 0 to 63 are the numbers 0 to 63; bits 0 to 35 of the high word the numbers 64 to 99.
    std::uint64_t Baixa() const { return FBaixa; }
    std::uint64_t Alta() const { return FAlta; }

    friend TMascaraDezenas operator&(TMascaraDezenas A, TMascaraDezenas B) {
        return {A.FBaixa & B.FBaixa, A.FAlta & B.FAlta};
    }
    // The numbers of A that are not in B.
    friend TMascaraDezenas operator-(TMascaraDezenas A, TMascaraDezenas B) {
        return {A.FBaixa & ~B.FBaixa, A.FAlta & ~B.FAlta};
    }
    friend bool operator==(TMascaraDezenas, TMascaraDezenas) = default;

    // How many numbers of the game the draw holds.
    static int Acertos(TMascaraDezenas Jogo, TMascaraDezenas Sorteio) { return (Jogo & Sorteio).Qde(); }

    // The normalised game text of the set: ascending two-digit numbers separated by single blanks.
    QString Texto() const;

    // Whether the set's text comes before the other's in text order, as sorting the game texts would
    // put them: the first differing number decides, and a set that is the start of the other comes
    // first.
    static bool TextoAntes(TMascaraDezenas A, TMascaraDezenas B);

private:
    // Whether the set holds a number of Numero or above.
    bool TemAPartirDe(int Numero) const;

    std::uint64_t FBaixa = 0;
    std::uint64_t FAlta = 0;
};
