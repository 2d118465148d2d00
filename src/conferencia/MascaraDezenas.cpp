#include "conferencia/MascaraDezenas.h"

#include <algorithm>

namespace {

constexpr int BitsPorPalavra = 64;

} // namespace

TMascaraDezenas TMascaraDezenas::Faixa(int Primeiro, int Ultimo) {
    TMascaraDezenas Mascara;
    for (int Numero = std::max(Primeiro, 0); Numero <= std::min(Ultimo, MaiorNumero); ++Numero)
        Mascara.Insere(Numero);
    return Mascara;
}

bool TMascaraDezenas::Contem(int Numero) const {
    if (Numero < 0 || Numero > MaiorNumero)
        return false;
    const std::uint64_t Palavra = Numero < BitsPorPalavra ? FBaixa : FAlta;
    return (Palavra >> (Numero % BitsPorPalavra)) & 1u;
}

void TMascaraDezenas::Insere(int Numero) {
    if (Numero < 0 || Numero > MaiorNumero)
        return;
    std::uint64_t& Palavra = Numero < BitsPorPalavra ? FBaixa : FAlta;
    Palavra |= std::uint64_t{1} << (Numero % BitsPorPalavra);
}

QString TMascaraDezenas::Texto() const {
    char16_t Texto[3 * (MaiorNumero + 1)];
    qsizetype Tamanho = 0;
    const std::uint64_t Palavras[] = {FBaixa, FAlta};
    for (int Indice = 0; Indice < 2; ++Indice) {
        for (std::uint64_t Bits = Palavras[Indice]; Bits != 0; Bits &= Bits - 1) {
            const int Numero = Indice * BitsPorPalavra + std::countr_zero(Bits);
            Texto[Tamanho++] = char16_t(u'0' + Numero / 10);
            Texto[Tamanho++] = char16_t(u'0' + Numero % 10);
            Texto[Tamanho++] = u' ';
        }
    }
    return Tamanho == 0 ? QString() : QString::fromUtf16(Texto, Tamanho - 1);
}

bool TMascaraDezenas::TemAPartirDe(int Numero) const {
    if (Numero >= BitsPorPalavra)
        return (FAlta >> (Numero - BitsPorPalavra)) != 0;
    return FAlta != 0 || (FBaixa >> Numero) != 0;
}

bool TMascaraDezenas::TextoAntes(TMascaraDezenas A, TMascaraDezenas B) {
    const std::uint64_t DiferencaBaixa = A.FBaixa ^ B.FBaixa;
    const std::uint64_t DiferencaAlta = A.FAlta ^ B.FAlta;
    if ((DiferencaBaixa | DiferencaAlta) == 0)
        return false;
    // Below the smallest number in only one of them, both hold the same numbers. The set holding it
    // has it next; the other has a larger one next, or none at all and is the shorter text.
    const int Primeira = DiferencaBaixa != 0 ? std::countr_zero(DiferencaBaixa)
                                             : BitsPorPalavra + std::countr_zero(DiferencaAlta);
    if (A.Contem(Primeira))
        return B.TemAPartirDe(Primeira);
    return !A.TemAPartirDe(Primeira);
}
