#include "report/ControleTexto.h"

#include "report/Unidades.h"

#include <QPaintDevice>
#include <QPainter>

QFont TControleTexto::FonteParaPintor(const QPainter& Pintor) const {
    QFont Fonte(FFamiliaFonte);
    Fonte.setStyleHint(QFont::SansSerif);
    // The device turns points into its own pixels; the painter then scales report pixels to device
    // pixels. Sizing the font as for a 96 dpi device keeps the two from multiplying.
    const int Dpi =
        Pintor.device() ? Pintor.device()->logicalDpiY() : static_cast<int>(PixelsRelatorio::PorPolegada);
    Fonte.setPointSizeF(FTamanhoFonte * PixelsRelatorio::PorPolegada / Dpi);
    return Fonte;
}

int TControleTexto::FlagsAlinhamento() const {
    switch (FAlignment) {
    case TAlinhamento::Centro:
        return Qt::AlignHCenter;
    case TAlinhamento::Direita:
        return Qt::AlignRight;
    case TAlinhamento::Esquerda:
        break;
    }
    return Qt::AlignLeft;
}
