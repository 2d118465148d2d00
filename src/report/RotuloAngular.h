#pragma once

#include "report/ControleTexto.h"

// A line of text turned by Angulo degrees counter-clockwise about the centre of its box, as screen
// text is turned: 270 reads from top to bottom, 90 from bottom to top. At 90 and 270 the text runs
// along the box's height, starting at its top (270) or bottom (90) for left alignment. It stays
// real text in a PDF.
class TRotuloAngular : public TControleTexto {
public:
    using TControleTexto::TControleTexto;

    QString Caption() const { return FCaption; }
    int Angulo() const { return FAngulo; }
    void SetCaption(const QString& Value) { FCaption = Value; }
    void SetAngulo(int Value) { FAngulo = Value; }

    void Desenha(QPainter& Pintor) const override;

private:
    QString FCaption;
    int FAngulo = 270;
};
