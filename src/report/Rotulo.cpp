#include "report/Rotulo.h"

#include <QFontMetricsF>
#include <QPainter>

QRectF TRotulo::BoxDesenhado(const QPainter& Pintor) const {
    if (!FAutoSize)
        return QRectF(Box());
    const QFontMetricsF Metricas(FonteParaPintor(Pintor), Pintor.device());
    return Alinhado(QSizeF(Metricas.horizontalAdvance(FCaption), Metricas.height()));
}

QRectF TRotulo::AreaDoTexto() const {
    return Alinhado(TamanhoDoTexto(FCaption));
}

QRectF TRotulo::Alinhado(const QSizeF& Tamanho) const {
    const QRectF Caixa(Box());
    double Esquerda = Caixa.left();
    if (Alignment() == TAlinhamento::Centro)
        Esquerda = Caixa.center().x() - Tamanho.width() / 2;
    else if (Alignment() == TAlinhamento::Direita)
        Esquerda = Caixa.right() - Tamanho.width();
    return QRectF(QPointF(Esquerda, Caixa.top()), Tamanho);
}

void TRotulo::Desenha(QPainter& Pintor) const {
    Pintor.setFont(FonteParaPintor(Pintor));
    Pintor.setPen(CorFonte());
    Pintor.drawText(BoxDesenhado(Pintor),
                    FlagsAlinhamento() | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, FCaption);
}
