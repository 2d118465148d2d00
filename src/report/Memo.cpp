#include "report/Memo.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <limits>

namespace {

constexpr int FlagsMemo = Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip;

} // namespace

QString TMemo::Texto() const {
    return FLines.join(QLatin1Char('\n'));
}

double TMemo::AlturaDesenhada(const QPainter& Pintor) const {
    const QFontMetricsF Metricas(FonteParaPintor(Pintor), Pintor.device());
    const QRectF Limite(0, 0, Width(), std::numeric_limits<int>::max());
    const double Necessaria = Metricas.boundingRect(Limite, FlagsAlinhamento() | FlagsMemo, Texto()).height();
    return std::max<double>(Height(), Necessaria);
}

void TMemo::Desenha(QPainter& Pintor) const {
    Pintor.setFont(FonteParaPintor(Pintor));
    Pintor.setPen(CorFonte());
    const QRectF Caixa(Left(), Top(), Width(), AlturaDesenhada(Pintor));
    Pintor.drawText(Caixa, FlagsAlinhamento() | FlagsMemo, Texto());
}
