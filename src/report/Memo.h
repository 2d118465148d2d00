#pragma once

#include "report/ControleTexto.h"

#include <QStringList>

// Lines of text wrapped at the box's width; the box grows downward to hold them all, never shrinks
// below its own height.
class TMemo : public TControleTexto {
public:
    using TControleTexto::TControleTexto;

    QStringList Lines() const { return FLines; }
    void SetLines(const QStringList& Value) { FLines = Value; }

    // The height the memo takes when drawn, in report pixels, for a painter in report pixels.
    double AlturaDesenhada(const QPainter& Pintor) const;
    void Desenha(QPainter& Pintor) const override;

private:
    QString Texto() const;

    QStringList FLines;
};
