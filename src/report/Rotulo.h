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
    void Desenha(QPainter& Pintor) const override;

private:
    QString FCaption;
    bool FAutoSize = false;
};
