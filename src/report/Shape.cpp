#include "report/Shape.h"

#include <QPainter>

void TShape::Desenha(QPainter& Pintor) const {
    // The one-pixel outline is centred half a pixel inside the box, so that outline and fill cover
    // the box exactly and nothing beyond it.
    const QRectF Contorno = QRectF(Box()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (Contorno.width() < 0 || Contorno.height() < 0)
        return;
    QPen Caneta(FCorLinha, 1.0);
    Caneta.setJoinStyle(Qt::MiterJoin);
    Pintor.setPen(Caneta);
    Pintor.setBrush(FCorPreenchimento);
    if (FFormato == TFormatoShape::dkElipse)
        Pintor.drawEllipse(Contorno);
    else
        Pintor.drawRect(Contorno);
}
