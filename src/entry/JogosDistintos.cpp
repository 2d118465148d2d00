#include "entry/JogosDistintos.h"

#include <QHash>

#include <algorithm>
#include <bit>
#include <utility>

namespace {

// 2 MB blocks, one huge page each: few allocations for a million games, little waste for a handful.
constexpr qsizetype CaracteresPorBloco = qsizetype(1) << 20;
constexpr std::size_t TamanhoMinimoDaTabela = 1024;

std::uint32_t Hash32(QStringView Jogo) {
    const std::size_t Hash = qHash(Jogo);
    return std::uint32_t(Hash ^ (std::uint64_t(Hash) >> 32));
}

std::uint32_t HashDaEntrada(std::uint64_t Entrada) {
    return std::uint32_t(Entrada >> 32);
}

qsizetype PosicaoDaEntrada(std::uint64_t Entrada) {
    return qsizetype(Entrada & 0xFFFF'FFFFu) - 1;
}

std::uint64_t Entrada(std::uint32_t Hash, qsizetype Posicao) {
    return (std::uint64_t(Hash) << 32) | std::uint64_t(Posicao + 1);
}

} // namespace

void TJogosDistintos::Reserva(qsizetype QdeEsperada) {
    FLista.reserve(QdeEsperada);
    if (std::size_t(QdeEsperada) * 2 > FTamanhoDaTabela)
        CriaTabela(std::bit_ceil(std::size_t(QdeEsperada) * 2));
}

TJogosDistintos::TCandidato TJogosDistintos::Prepara(QStringView Jogo) {
    if (FTamanhoDaTabela == 0)
        CriaTabela(TamanhoMinimoDaTabela);
    AbreEspaco(Jogo.size());
    std::copy_n(Jogo.utf16(), Jogo.size(), FProximoLivre);
    TCandidato Candidato{QString::fromRawData(reinterpret_cast<const QChar*>(FProximoLivre), Jogo.size()),
                         Hash32(Jogo)};
    FProximoLivre += Jogo.size();
    FLivresNoBloco -= Jogo.size();
    __builtin_prefetch(&FTabela[Candidato.Hash & (FTamanhoDaTabela - 1)]);
    return Candidato;
}

bool TJogosDistintos::Confirma(const TCandidato& Candidato) {
    if (std::size_t(FLista.size() + 1) * 2 > FTamanhoDaTabela)
        CriaTabela(FTamanhoDaTabela * 2);
    const std::size_t Slot = Procura(Candidato.Jogo, Candidato.Hash);
    if (FTabela[Slot] != 0)
        return false;
    FLista.append(Candidato.Jogo);
    FTabela[Slot] = Entrada(Candidato.Hash, FLista.size() - 1);
    return true;
}

void TJogosDistintos::Esvazia() {
    FLista.clear();
    FBlocos.clear();
    FLivresNoBloco = 0;
    FProximoLivre = nullptr;
    DescartaTabela();
}

void TJogosDistintos::OrdenaPorTexto() {
    std::sort(FLista.begin(), FLista.end());
}

void TJogosDistintos::DescartaTabela() {
    FTabela.reset();
    FTamanhoDaTabela = 0;
}

void TJogosDistintos::AbreEspaco(qsizetype Tamanho) {
    if (Tamanho <= FLivresNoBloco)
        return;
    const qsizetype TamanhoDoBloco = std::max(CaracteresPorBloco, Tamanho);
    FBlocos.push_back(CriaMemoriaGrande<char16_t>(std::size_t(TamanhoDoBloco)));
    FProximoLivre = FBlocos.back().get();
    FLivresNoBloco = TamanhoDoBloco;
}

// A new empty table of the given size with the entries of the old one moved in.
void TJogosDistintos::CriaTabela(std::size_t Tamanho) {
    TMemoriaGrande<std::uint64_t> Anterior =
        std::exchange(FTabela, CriaMemoriaGrande<std::uint64_t>(Tamanho));
    const std::size_t TamanhoAnterior = std::exchange(FTamanhoDaTabela, Tamanho);
    std::fill_n(FTabela.get(), Tamanho, 0);
    const std::size_t Mascara = Tamanho - 1;
    for (std::size_t i = 0; i < TamanhoAnterior; ++i) {
        const std::uint64_t Ocupante = Anterior[i];
        if (Ocupante == 0)
            continue;
        std::size_t Slot = HashDaEntrada(Ocupante) & Mascara;
        while (FTabela[Slot] != 0)
            Slot = (Slot + 1) & Mascara;
        FTabela[Slot] = Ocupante;
    }
}

std::size_t TJogosDistintos::Procura(QStringView Jogo, std::uint32_t Hash) const {
    const std::size_t Mascara = FTamanhoDaTabela - 1;
    std::size_t Slot = Hash & Mascara;
    for (; FTabela[Slot] != 0; Slot = (Slot + 1) & Mascara) {
        const std::uint64_t Ocupante = FTabela[Slot];
        if (HashDaEntrada(Ocupante) == Hash && FLista.at(PosicaoDaEntrada(Ocupante)) == Jogo)
            break;
    }
    return Slot;
}
