#pragma once

#include "report/Componente.h"

#include <QColor>

enum class TFormatoShape { dkRectangle, dkElipse };

// A drawn rectangle or ellipse: filled with the fill colour and outlined with one report pixel of the
// line colour, both exactly inside its box.
class TShape : public TControle {
public:
    using TControle::TControle;

    TFormatoShape Formato() const { return FFormato; }
    QColor CorPreenchimento() const { return FCorPreenchimento; }
    QColor CorLinha() const { return FCorLinha; }
    QColor CorFundo() const { return FCorFundo; }

    void SetFormato(TFormatoShape Value) { FFormato = Value; }
    void SetCorPreenchimento(const QColor& Value) { FCorPreenchimento = Value; }
    void SetCorLinha(const QColor& Value) { FCorLinha = Value; }
    // Kept for the shape's owner; a solid fill covers it.
    void SetCorFundo(const QColor& Value) { FCorFundo = Value; }

    void Desenha(QPainter& Pintor) const override;

private:
    TFormatoShape FFormato = TFormatoShape::dkRectangle;
    QColor FCorPreenchimento = Qt::black;
    QColor FCorLinha = Qt::black;
    QColor FCorFundo = Qt::white;
};
