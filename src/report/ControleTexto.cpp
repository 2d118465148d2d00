#include "report/ControleTexto.h"

#include "report/Unidades.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

QFont TControleTexto::FonteParaPintor(const QPainter& Pintor) const {
    // The device turns points into its own pixels; the painter then scales report pixels to device
    // pixels. Sizing the font as for a 96 dpi device keeps the two from multiplying.
    const int Dpi =
        Pintor.device() ? Pintor.device()->logicalDpiY() : static_cast<int>(PixelsRelatorio::PorPolegada);
    return FonteParaDpi(Dpi);
}

QSizeF TControleTexto::TamanhoDoTexto(const QString& Texto) const {
    const QFontMetricsF Metricas = MetricasDoRelatorio();
    return {Metricas.horizontalAdvance(Texto), Metricas.height()};
}

QString TControleTexto::TextoQueCabe(const QString& Texto, double Largura) const {
    return MetricasDoRelatorio().elidedText(Texto, Qt::ElideRight, Largura);
}

QFontMetricsF TControleTexto::MetricasDoRelatorio() const {
    static const QImage Medida = [] {
        QImage Imagem(1, 1, QImage::Format_RGB32);
        const int PontosPorMetro = static_cast<int>(std::lround(PixelsRelatorio::PorPolegada / 0.0254));
        Imagem.setDotsPerMeterX(PontosPorMetro);
        Imagem.setDotsPerMeterY(PontosPorMetro);
        return Imagem;
    }();
    return QFontMetricsF(FonteParaDpi(Medida.logicalDpiY()), &Medida);
}

QFont TControleTexto::FonteParaDpi(int Dpi) const {
    QFont Fonte(FFamiliaFonte);
    Fonte.setStyleHint(QFont::SansSerif);
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
