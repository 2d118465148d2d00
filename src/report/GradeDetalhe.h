#pragma once

#include "report/Componente.h"
#include "report/FonteDados.h"
#include "report/LayoutPagina.h"

#include <QColor>

#include <functional>

// The detail grid: prints one cell per row of the report's data source, ColCount cells across. Every
// control of the report is printed in every cell; the before-print handler runs for each cell while
// the source stands on the cell's row, and sets the controls for that row.
class TGradeDetalhe : public TComponente {
public:
    using TAntesImprimir = std::function<void(TFonteDados& Fonte)>;

    using TComponente::TComponente;

    int ColCount() const { return FColCount; }
    int Height() const { return FHeight; }
    TMargens MargensExternas() const { return FMargensExternas; }
    TMargens MargensInternas() const { return FMargensInternas; }
    TBordas Bordas() const { return FBordas; }
    QColor CorBorda() const { return FCorBorda; }
    const TAntesImprimir& AntesImprimir() const { return FAntesImprimir; }

    // Values below 1 count as 1.
    void SetColCount(int Value) { FColCount = Value; }
    // Report pixels: the height of one cell's slot.
    void SetHeight(int Value) { FHeight = Value; }
    void SetMargensExternas(const TMargens& Value) { FMargensExternas = Value; }
    void SetMargensInternas(const TMargens& Value) { FMargensInternas = Value; }
    void SetBordas(const TBordas& Value) { FBordas = Value; }
    void SetCorBorda(const QColor& Value) { FCorBorda = Value; }
    void SetAntesImprimir(TAntesImprimir Value) { FAntesImprimir = std::move(Value); }

private:
    int FColCount = 1;
    int FHeight = 0;
    TMargens FMargensExternas;
    TMargens FMargensInternas;
    TBordas FBordas;
    QColor FCorBorda = Qt::black;
    TAntesImprimir FAntesImprimir;
};
