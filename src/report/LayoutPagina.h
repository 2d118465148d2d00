#pragma once

#include "report/Unidades.h"

#include <QPointF>
#include <QRectF>

// Which sides of a cell get a border line.
struct TBordas {
    bool Esquerda = false;
    bool Topo = false;
    bool Direita = false;
    bool Base = false;

    static constexpr TBordas Todas() { return {true, true, true, true}; }
    static constexpr TBordas Nenhuma() { return {}; }
    friend constexpr bool operator==(const TBordas&, const TBordas&) = default;
};

// Everything the place of a cell on a page depends on.
struct TParametrosLayout {
    Milimetros LarguraPagina;
    Milimetros AlturaPagina;
    TMargens MargensPagina;
    int AlturaGrade = 0; // report pixels: the height of one line of cells
    int ColCount = 1;
    TMargens MargensExternas; // between a cell's slot and its border
    TMargens MargensInternas; // between the border and the cell's content
};

// The page geometry of a detail grid, in report pixels from the paper's top-left corner. A page has
// ColCount slots across, each (page width between the margins) / ColCount wide and AlturaGrade high,
// and as many lines of slots as fit between the top and bottom margins, at least one. Cells fill a
// line left to right, then the next line; the cell with index k on its page lies in slot k.
class TLayoutPagina {
public:
    explicit TLayoutPagina(const TParametrosLayout& Parametros);

    int Colunas() const { return FColunas; }
    int LinhasPorPagina() const { return FLinhasPorPagina; }
    int CelulasPorPagina() const { return FColunas * FLinhasPorPagina; }
    int QdePaginas(int QdeCelulas) const;

    // The slot of cell Indice (0 .. CelulasPorPagina() - 1) on its page.
    QRectF Vaga(int Indice) const;
    // The cell: its slot less the outer margins; the border is drawn on its edges.
    QRectF Celula(int Indice) const;
    // The corner the cell's controls are placed from: the cell's corner plus the inside margins.
    QPointF OrigemConteudo(int Indice) const;

private:
    TParametrosLayout FParametros;
    int FColunas = 1;
    int FLinhasPorPagina = 1;
    double FLarguraVaga = 0;
};
