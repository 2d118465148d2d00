// The program's icon as shipped, the window's and the icon theme's, is the drawing at each size: a change
// to the drawing that was not drawn out again, or a size missing, shows here.
#include "DesenhoIcone.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cstdlib>

namespace {

// Largest difference of any channel of any pixel; -1 when the sizes differ.
int MaiorDiferenca(const QImage& A, const QImage& B) {
    if (A.size() != B.size())
        return -1;
    int Maior = 0;
    for (int Y = 0; Y < A.height(); ++Y)
        for (int X = 0; X < A.width(); ++X) {
            const QRgb P = A.pixel(X, Y);
            const QRgb Q = B.pixel(X, Y);
            Maior = std::max({Maior, std::abs(qRed(P) - qRed(Q)), std::abs(qGreen(P) - qGreen(Q)),
                              std::abs(qBlue(P) - qBlue(Q)), std::abs(qAlpha(P) - qAlpha(Q))});
        }
    return Maior;
}

QString ArquivoDoIcone(int Lado) {
    const QString Fonte = QStringLiteral(CARTELIM_PASTA_FONTES);
    return Lado == 64 ? Fonte + QStringLiteral("/src/assets/janela/icone.png")
                      : Fonte + QStringLiteral("/src/assets/instalacao/icones/cartelim-%1.png").arg(Lado);
}

TEST(IconeDesenhado, CadaTamanhoEntregueEOProprioDesenho) {
    for (const int Lado : LadosDoIcone()) {
        SCOPED_TRACE(Lado);
        const QImage Entregue(ArquivoDoIcone(Lado));
        ASSERT_FALSE(Entregue.isNull()) << ArquivoDoIcone(Lado).toStdString();
        const QImage Desenho = DesenhaIcone(Lado);
        // Antialiasing may round differently elsewhere; a changed drawing moves far more than that.
        const int Diferenca = MaiorDiferenca(Entregue.convertToFormat(QImage::Format_ARGB32), Desenho);
        EXPECT_GE(Diferenca, 0) << "tamanho " << Entregue.width() << " x " << Entregue.height();
        EXPECT_LE(Diferenca, 8);
        // A desktop draws it on any background: the corners stay see-through.
        EXPECT_EQ(qAlpha(Entregue.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(Entregue.pixel(Lado - 1, Lado - 1)), 0);
    }
}

} // namespace
