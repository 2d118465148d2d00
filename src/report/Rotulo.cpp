#include "report/Rotulo.h"

#include <QFontMetricsF>
#include <QPainter>

QRectF TRotulo::BoxDesenhado(const QPainter& Pintor) const {
    const QRectF Caixa(Box());
    if (!FAutoSize)
        return Caixa;
    const QFontMetricsF Metricas(FonteParaPintor(Pintor), Pintor.device());
    const double Largura = Metricas.horizontalAdvance(FCaption);
    double Esquerda = Caixa.left();
    if (Alignment() == TAlinhamento::Centro)
        Esquerda = Caixa.center().x() - Largura / 2;
    else if (Alignment() == TAlinhamento::Direita)
        Esquerda = Caixa.right() - Largura;
    return QRectF(Esquerda, Caixa.top(), Largura, Metricas.height());
}

void TRotulo::Desenha(QPainter& Pintor) const {
    Pintor.setFont(FonteParaPintor(Pintor));
    Pintor.setPen(CorFonte());
    Pintor.drawText(BoxDesenhado(Pintor),
                    FlagsAlinhamento() | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, FCaption);
}
