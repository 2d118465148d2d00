#pragma once

#include "report/Componente.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QSizeF>

enum class TAlinhamento { Esquerda, Centro, Direita };

// What the text controls share: the font (family, size in points, colour) and the horizontal
// alignment of the text in the box. The report font is Arial, 10 points, black.
class TControleTexto : public TControle {
public:
    using TControle::TControle;

    QString FamiliaFonte() const { return FFamiliaFonte; }
    int TamanhoFonte() const { return FTamanhoFonte; }
    QColor CorFonte() const { return FCorFonte; }
    TAlinhamento Alignment() const { return FAlignment; }

    void SetFamiliaFonte(const QString& Value) { FFamiliaFonte = Value; }
    void SetTamanhoFonte(int Value) { FTamanhoFonte = Value; }
    void SetCorFonte(const QColor& Value) { FCorFonte = Value; }
    void SetAlignment(TAlinhamento Value) { FAlignment = Value; }

    // How wide and how high a line of the text is drawn in this control's font, in report pixels.
    QSizeF TamanhoDoTexto(const QString& Texto) const;
    // The text cut at its end, with "…", to fit Largura report pixels in this control's font.
    QString TextoQueCabe(const QString& Texto, double Largura) const;

protected:
    // The font at TamanhoFonte points for a painter in report pixels, whatever the resolution of the
    // painter's device (a point size taken at the device's resolution would be scaled twice).
    QFont FonteParaPintor(const QPainter& Pintor) const;
    int FlagsAlinhamento() const;

private:
    QFont FonteParaDpi(int Dpi) const;
    // The metrics of this control's font on a device of one report pixel per dot, as the outputs draw.
    QFontMetricsF MetricasDoRelatorio() const;

    QString FFamiliaFonte = QStringLiteral("Arial");
    int FTamanhoFonte = 10;
    QColor FCorFonte = Qt::black;
    TAlinhamento FAlignment = TAlinhamento::Esquerda;
};
