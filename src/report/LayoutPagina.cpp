#include "report/LayoutPagina.h"

#include <algorithm>
#include <cmath>

namespace {

double Pixels(Milimetros Valor) {
    return Valor.EmPixels().Valor();
}

} // namespace

TLayoutPagina::TLayoutPagina(const TParametrosLayout& Parametros)
    : FParametros(Parametros)
    , FColunas(std::max(1, Parametros.ColCount)) {
    const TMargens& Margens = Parametros.MargensPagina;
    FLarguraVaga = Pixels(Parametros.LarguraPagina - Margens.Esquerda - Margens.Direita) / FColunas;
    if (Parametros.AlturaGrade > 0) {
        // A line of cells that does not fit (a large calibration) still gets a page of its own.
        const double Altura = Pixels(Parametros.AlturaPagina - Margens.Topo - Margens.Base);
        const double Tolerancia = 1e-9; // mm converted to pixels may miss a whole number by a hair
        FLinhasPorPagina =
            std::max(1, static_cast<int>(std::floor(Altura / Parametros.AlturaGrade + Tolerancia)));
    }
}

int TLayoutPagina::QdePaginas(int QdeCelulas) const {
    if (QdeCelulas <= 0)
        return 0;
    return (QdeCelulas + CelulasPorPagina() - 1) / CelulasPorPagina();
}

QRectF TLayoutPagina::Vaga(int Indice) const {
    const double X = Pixels(FParametros.MargensPagina.Esquerda) + (Indice % FColunas) * FLarguraVaga;
    const double Y = Pixels(FParametros.MargensPagina.Topo) + (Indice / FColunas) * FParametros.AlturaGrade;
    return QRectF(X, Y, FLarguraVaga, FParametros.AlturaGrade);
}

QRectF TLayoutPagina::Celula(int Indice) const {
    const TMargens& Externas = FParametros.MargensExternas;
    return Vaga(Indice).adjusted(Pixels(Externas.Esquerda), Pixels(Externas.Topo), -Pixels(Externas.Direita),
                                 -Pixels(Externas.Base));
}

QPointF TLayoutPagina::OrigemConteudo(int Indice) const {
    const TMargens& Internas = FParametros.MargensInternas;
    return Celula(Indice).topLeft() + QPointF(Pixels(Internas.Esquerda), Pixels(Internas.Topo));
}
