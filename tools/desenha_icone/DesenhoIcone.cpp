#include "DesenhoIcone.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr double Unidades = 64.0;
constexpr QRectF Corpo(7.5, 2.5, 49, 59);
constexpr double Raio = 5;
constexpr double BaseCabecalho = 12.5;
constexpr double Colunas[] = {13, 23, 33, 43};
constexpr double Linhas[] = {17.5, 26, 34.5, 43, 51.5};
constexpr QSizeF Caixa(8, 6);
// (column, row) of the marked boxes.
constexpr int Marcadas[][2] = {{1, 0}, {2, 1}, {0, 2}, {1, 3}, {3, 3}, {3, 4}};

const QColor Papel(250, 246, 234);
const QColor Borda(20, 80, 45);
const QColor Cabecalho(34, 160, 90);
const QColor Contorno(230, 80, 70);
const QColor Marca(30, 30, 30);

} // namespace

QImage DesenhaIcone(int Lado) {
    QImage Icone(Lado, Lado, QImage::Format_ARGB32_Premultiplied);
    Icone.fill(Qt::transparent);
    QPainter Pintor(&Icone);
    Pintor.setRenderHint(QPainter::Antialiasing);
    Pintor.scale(Lado / Unidades, Lado / Unidades);

    QPainterPath Volante;
    Volante.addRoundedRect(Corpo, Raio, Raio);
    Pintor.fillPath(Volante, Papel);
    Pintor.save();
    Pintor.setClipPath(Volante);
    Pintor.fillRect(QRectF(Corpo.left(), Corpo.top(), Corpo.width(), BaseCabecalho - Corpo.top()), Cabecalho);
    Pintor.restore();
    Pintor.setPen(QPen(Borda, 1.5));
    Pintor.setBrush(Qt::NoBrush);
    Pintor.drawPath(Volante);

    Pintor.setPen(QPen(Contorno, 1.2));
    for (const double X : Colunas)
        for (const double Y : Linhas)
            Pintor.drawRect(QRectF(QPointF(X, Y), Caixa));
    for (const auto& [Coluna, Linha] : Marcadas)
        Pintor.fillRect(QRectF(QPointF(Colunas[Coluna], Linhas[Linha]), Caixa).adjusted(0.6, 0.6, -0.6, -0.6),
                        Marca);
    Pintor.end();
    return Icone.convertToFormat(QImage::Format_ARGB32);
}

const QList<int>& LadosDoIcone() {
    static const QList<int> Lados{48, 64, 128, 256};
    return Lados;
}
