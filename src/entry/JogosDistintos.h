#pragma once

#include "entry/MemoriaGrande.h"

#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <vector>

// The distinct games of one import run, in input order, kept compact enough for a million games:
// the texts lie back to back in large blocks that never move, the list holds QString::fromRawData
// strings over them (no allocation per game) and an open-addressing table of list positions, each
// with its hash, answers "seen before?".
//
// A game goes in in two steps so that the caller can overlap the table's memory latency with other
// work: Prepara copies the text and starts loading the table slot it will probe; Confirma, called
// before the next Prepara's candidate is confirmed, does the check and adds the game if it is new.
//
// The strings of Lista() borrow the blocks: they are valid while this object lives and is not
// emptied. Whoever receives them must copy what it keeps (the store copies every game into its own
// block).
class TJogosDistintos {
public:
    struct TCandidato {
        QString Jogo; // over the blocks
        std::uint32_t Hash = 0;
    };

    // Room for about QdeEsperada games without growing on the way.
    void Reserva(qsizetype QdeEsperada);
    TCandidato Prepara(QStringView Jogo);
    // Adds the candidate unless an equal game is already there; false when it was.
    bool Confirma(const TCandidato& Candidato);
    void Esvazia();
    // Orders the games by their text (UTF-16 code units), as a sorted string list does.
    void OrdenaPorTexto();
    // Frees the table of the repeat check; Confirma may not be called afterwards.
    void DescartaTabela();

    const QStringList& Lista() const { return FLista; }

private:
    void AbreEspaco(qsizetype Tamanho);
    void CriaTabela(std::size_t Tamanho);
    // The slot holding an equal game, or the free slot where it belongs.
    std::size_t Procura(QStringView Jogo, std::uint32_t Hash) const;

    std::vector<TMemoriaGrande<char16_t>> FBlocos;
    qsizetype FLivresNoBloco = 0;
    char16_t* FProximoLivre = nullptr;
    QStringList FLista;
    // Each entry: the game's 32-bit hash in the high half, its list position plus 1 in the low half;
    // 0 is a free slot. The size is a power of two (0 before the first game), never more than half full.
    TMemoriaGrande<std::uint64_t> FTabela;
    std::size_t FTamanhoDaTabela = 0;
};
