#include "report/Regua.h"

#include "report/Unidades.h"

#include <QFont>
#include <QPainter>
#include <QPen>

namespace {

constexpr double EspessuraTraco = 0.6; // report pixels: about 0.16 mm
constexpr double TracoMilimetro = 1.5; // millimetres
constexpr double TracoCinco = 2.5;
constexpr double TracoDez = 4.0;
constexpr int TamanhoNumero = 7; // report pixels

double EmPixels(double Mm) {
    return Milimetros(Mm).EmPixels().Valor();
}

double Traco(int Mm) {
    return EmPixels(Mm % 10 == 0 ? TracoDez : Mm % 5 == 0 ? TracoCinco : TracoMilimetro);
}

} // namespace

void TRegua::Desenha(QPainter& Pintor) const {
    Pintor.save();
    Pintor.setPen(QPen(Cor, EspessuraTraco, Qt::SolidLine, Qt::FlatCap));
    QFont Fonte = Pintor.font();
    Fonte.setPixelSize(TamanhoNumero);
    Pintor.setFont(Fonte);
    const QRectF Caixa(Box());
    const double Meio = EspessuraTraco / 2;
    Pintor.drawLine(QPointF(Caixa.left(), Caixa.top() + Meio), QPointF(Caixa.right(), Caixa.top() + Meio));
    Pintor.drawLine(QPointF(Caixa.left() + Meio, Caixa.top()), QPointF(Caixa.left() + Meio, Caixa.bottom()));
    for (int Mm = 1; EmPixels(Mm) <= Caixa.width(); ++Mm) {
        const double X = Caixa.left() + EmPixels(Mm);
        Pintor.drawLine(QPointF(X, Caixa.top()), QPointF(X, Caixa.top() + Traco(Mm)));
        if (Mm % 10 == 0)
            Pintor.drawText(QPointF(X + 1, Caixa.top() + Traco(Mm) + TamanhoNumero), QString::number(Mm));
    }
    for (int Mm = 1; EmPixels(Mm) <= Caixa.height(); ++Mm) {
        const double Y = Caixa.top() + EmPixels(Mm);
        Pintor.drawLine(QPointF(Caixa.left(), Y), QPointF(Caixa.left() + Traco(Mm), Y));
        if (Mm % 10 == 0)
            Pintor.drawText(QPointF(Caixa.left() + Traco(Mm) + 1, Y + TamanhoNumero / 2.0),
                            QString::number(Mm));
    }
    Pintor.restore();
}
