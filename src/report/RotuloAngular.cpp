#include "report/RotuloAngular.h"

#include <QPainter>

void TRotuloAngular::Desenha(QPainter& Pintor) const {
    const QRectF Caixa(Box());
    // Across the box at 90 and 270 degrees: the text runs along the box's height.
    const bool Atravessado = ((FAngulo % 180) + 180) % 180 == 90;
    const QSizeF Tamanho = Atravessado ? Caixa.size().transposed() : Caixa.size();
    Pintor.save();
    Pintor.setFont(FonteParaPintor(Pintor));
    Pintor.setPen(CorFonte());
    Pintor.translate(Caixa.center());
    Pintor.rotate(-FAngulo); // the painter turns clockwise, the angle counts counter-clockwise
    Pintor.drawText(QRectF(QPointF(-Tamanho.width() / 2, -Tamanho.height() / 2), Tamanho),
                    FlagsAlinhamento() | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip, FCaption);
    Pintor.restore();
}
