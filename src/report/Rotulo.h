#pragma once

#include "report/ControleTexto.h"

// One line of text at the top of its box, aligned left, centred or right. Text wider than the box is
// not cut: it overflows on the side away from the alignment. With AutoSize the box is drawn as wide
// and high as the text, keeping its left edge, centre or right edge as aligned.
class TRotulo : public TControleTexto {
public:
    using TControleTexto::TControleTexto;

    QString Caption() const { return FCaption; }
    bool AutoSize() const { return FAutoSize; }
    void SetCaption(const QString& Value) { FCaption = Value; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }

    // The box the text occupies when drawn (the box itself unless AutoSize), for a painter in report
    // pixels.
    QRectF BoxDesenhado(const QPainter& Pintor) const;
    // Where the caption's text lies when drawn, in report pixels: as wide as the text, from the box's
    // left edge, centre or right edge as aligned, so a text wider than its box reaches past it.
    QRectF AreaDoTexto() const;
    void Desenha(QPainter& Pintor) const override;

private:
    // A rectangle of that size at the top of the box, placed as the text is aligned.
    QRectF Alinhado(const QSizeF& Tamanho) const;

    QString FCaption;
    bool FAutoSize = false;
};
