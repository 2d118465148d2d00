#include "ApoioRelatorio.h"

#include "report/Relatorio.h"
#include "report/SaidaRelatorio.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

// Paper of 960 x 480 report pixels without margins, three cells of 320 x 480: every cell corner falls
// on a whole pixel, so boxes can be checked pixel by pixel.
class DesenhoTest : public ::testing::Test {
protected:
    DesenhoTest() {
        Relatorio.SetTamanhoPapel(QPageSize(QSizeF(254, 127), QPageSize::Millimeter));
        Relatorio.SetOrientacao(QPageLayout::Portrait);
        Grade.SetColCount(3);
        Grade.SetHeight(480);
        Relatorio.SetFonteDados(&Fonte);
    }

    QPoint Origem(int Celula) const { return Relatorio.Layout().OrigemConteudo(Celula).toPoint(); }

    TRelatorio Relatorio;
    TGradeDetalhe& Grade = Relatorio.CriaGradeDetalhe(QStringLiteral("RLDetailGrid1"));
    TFonteTeste Fonte{3};
};

TEST_F(DesenhoTest, ShapeCobreExatamenteSeuBoxEmCadaCelula) {
    for (const TFormatoShape Formato : {TFormatoShape::dkElipse, TFormatoShape::dkRectangle}) {
        TRelatorio& R = Relatorio;
        TShape& Shape = R.CriaShape(QStringLiteral("Shape%1").arg(static_cast<int>(Formato)));
        Shape.SetFormato(Formato);
        Shape.SetBox(QRect(48, 187, 19, 13));
        Shape.SetCorPreenchimento(Qt::black);
        Shape.SetCorLinha(Qt::black);

        const QImage Pagina = ImagemPagina(R, 0, 96);
        for (int Celula = 0; Celula < 3; ++Celula) {
            const QRect Esperado = QRect(48, 187, 19, 13).translated(Origem(Celula));
            EXPECT_EQ(AreaEscura(Pagina, Esperado.adjusted(-10, -10, 10, 10)), Esperado) << Celula;
            EXPECT_TRUE(BrancoForaDe(Pagina, Esperado.adjusted(-10, -10, 10, 10), Esperado)) << Celula;
            EXPECT_EQ(Pagina.pixel(Esperado.center()), qRgb(0, 0, 0)) << Celula;
        }
        Shape.SetVisible(false);
    }
}

TEST_F(DesenhoTest, ControleEscondidoNaoEDesenhado) {
    TShape& Visivel = Relatorio.CriaShape(QStringLiteral("ShapeJogo1_Num1"));
    Visivel.SetFormato(TFormatoShape::dkElipse);
    Visivel.SetBox(QRect(20, 20, 20, 20));
    TShape& Escondido = Relatorio.CriaShape(QStringLiteral("ShapeJogo1_Num2"));
    Escondido.SetFormato(TFormatoShape::dkElipse);
    Escondido.SetBox(QRect(60, 20, 20, 20));
    Escondido.SetVisible(false);
    TRotulo& Rotulo = Relatorio.CriaRotulo(QStringLiteral("RLCotas"));
    Rotulo.SetBox(QRect(20, 60, 71, 15));
    Rotulo.SetCaption(QStringLiteral("10 C"));
    Rotulo.SetVisible(false);

    const QImage Pagina = ImagemPagina(Relatorio, 0, 96);
    EXPECT_TRUE(AreaEscura(Pagina, QRect(20, 20, 20, 20)).has_value());
    EXPECT_TRUE(BrancoForaDe(Pagina, QRect(0, 0, 320, 480), QRect(20, 20, 20, 20)));
}

TEST_F(DesenhoTest, BordaDaCelulaNaCorDaBorda) {
    Grade.SetBordas(TBordas::Todas());
    Grade.SetCorBorda(QColor(196, 196, 196));
    const QImage Pagina = ImagemPagina(Relatorio, 0, 96);
    const QRgb Cinza = qRgb(196, 196, 196);
    for (const QPoint Ponto :
         {QPoint(0, 240), QPoint(319, 240), QPoint(160, 0), QPoint(160, 479), QPoint(320, 240)})
        EXPECT_EQ(Pagina.pixel(Ponto), Cinza) << Ponto.x() << "," << Ponto.y();
    EXPECT_EQ(Pagina.pixel(1, 240), qRgb(255, 255, 255));
    EXPECT_EQ(Pagina.pixel(160, 1), qRgb(255, 255, 255));
}

TEST_F(DesenhoTest, RotuloAlinhadoNoSeuBox) {
    const struct {
        TAlinhamento Alinhamento;
        int Esquerda;
        int Direita;
    } Casos[] = {
        {TAlinhamento::Esquerda, 50, 0},
        {TAlinhamento::Direita, 0, 50 + 224},
        {TAlinhamento::Centro, 0, 0},
    };
    TRotulo& Rotulo = Relatorio.CriaRotulo(QStringLiteral("LabelNumPagina"));
    Rotulo.SetBox(QRect(50, 50, 224, 15));
    Rotulo.SetCaption(QStringLiteral("Pag : 3 (15-16)"));
    for (const auto& Caso : Casos) {
        Rotulo.SetAlignment(Caso.Alinhamento);
        const auto Tinta = AreaEscura(ImagemPagina(Relatorio, 0, 96), QRect(0, 30, 320, 50), 200);
        ASSERT_TRUE(Tinta.has_value());
        EXPECT_GE(Tinta->top(), 50);
        EXPECT_LE(Tinta->bottom(), 50 + 15);
        if (Caso.Esquerda) {
            EXPECT_NEAR(Tinta->left(), Caso.Esquerda, 2);
        } else if (Caso.Direita) {
            EXPECT_NEAR(Tinta->right() + 1, Caso.Direita, 2);
        } else {
            EXPECT_NEAR(Tinta->center().x(), 50 + 112, 2);
        }
    }
}

TEST_F(DesenhoTest, AreaDoTextoCobreATintaTambemAlemDoBox) {
    // A caption wider than its box overflows on the side away from its alignment; the area says where.
    TFonteTeste UmaCelula(1); // the text may run into the next cell's place
    Relatorio.SetFonteDados(&UmaCelula);
    TRotulo& Rotulo = Relatorio.CriaRotulo(QStringLiteral("LabelNumPagina"));
    Rotulo.SetBox(QRect(300, 50, 80, 15));
    Rotulo.SetCaption(QStringLiteral("Pag : 12500 (99997-99998-99999-100000)"));
    for (const TAlinhamento Alinhamento :
         {TAlinhamento::Esquerda, TAlinhamento::Centro, TAlinhamento::Direita}) {
        Rotulo.SetAlignment(Alinhamento);
        const QRectF Area = Rotulo.AreaDoTexto();
        EXPECT_GT(Area.width(), 80);
        const auto Tinta = AreaEscura(ImagemPagina(Relatorio, 0, 96), QRect(0, 30, 960, 50), 200);
        ASSERT_TRUE(Tinta.has_value());
        EXPECT_GE(Tinta->left(), Area.left() - 1) << static_cast<int>(Alinhamento);
        EXPECT_LE(Tinta->right() + 1, Area.right() + 1) << static_cast<int>(Alinhamento);
        EXPECT_LT(Tinta->left(), Area.left() + 4) << "the area is no wider than the ink";
        EXPECT_GT(Tinta->right() + 1, Area.right() - 4) << "the area is no wider than the ink";
        EXPECT_LE(Tinta->bottom(), Area.bottom());
    }
}

TEST_F(DesenhoTest, RotuloAutoSizeCresceParaOTexto) {
    TRotulo& Rotulo = Relatorio.CriaRotulo(QStringLiteral("LabelNomeModalidade"));
    Rotulo.SetBox(QRect(200, 50, 40, 15));
    Rotulo.SetAlignment(TAlinhamento::Direita);
    Rotulo.SetAutoSize(true);
    Rotulo.SetCaption(QStringLiteral("Mega 2020 - IDENTIFICAÇÃO"));
    QImage Imagem(10, 10, QImage::Format_RGB32);
    QPainter Pintor(&Imagem);
    const QRectF Desenhado = Rotulo.BoxDesenhado(Pintor);
    EXPECT_GT(Desenhado.width(), 40);
    EXPECT_DOUBLE_EQ(Desenhado.right(), 240); // the right edge stays where it was aligned
}

// 270 degrees reads from top to bottom, so a short left-aligned text sits at the top of its tall box;
// 90 degrees reads from bottom to top and puts it at the bottom.
TEST_F(DesenhoTest, RotuloAngularCorreAoLongoDoBox) {
    TRotuloAngular& Rotulo = Relatorio.CriaRotuloAngular(QStringLiteral("RLAngleLabel1"));
    const QRect Caixa(280, 189, 15, 91);
    Rotulo.SetBox(Caixa);
    Rotulo.SetCaption(QStringLiteral("ANA"));
    const QRect Regiao = Caixa.adjusted(-30, -30, 30, 30);

    Rotulo.SetAngulo(270);
    const auto Descendo = AreaEscura(ImagemPagina(Relatorio, 0, 96), Regiao, 200);
    ASSERT_TRUE(Descendo.has_value());
    EXPECT_TRUE(Caixa.contains(*Descendo)) << Descendo->x() << "," << Descendo->y();
    EXPECT_GT(Descendo->height(), Descendo->width());
    EXPECT_LT(Descendo->bottom(), Caixa.center().y());

    Rotulo.SetAngulo(90);
    const auto Subindo = AreaEscura(ImagemPagina(Relatorio, 0, 96), Regiao, 200);
    ASSERT_TRUE(Subindo.has_value());
    EXPECT_TRUE(Caixa.contains(*Subindo));
    EXPECT_GT(Subindo->top(), Caixa.center().y());
}

TEST_F(DesenhoTest, MemoCresceParaBaixoEQuebraNaLargura) {
    TMemo& Memo = Relatorio.CriaMemo(QStringLiteral("MemoJogos"));
    Memo.SetBox(QRect(10, 300, 150, 26));
    Memo.SetTamanhoFonte(8);
    QString Longa;
    for (int Numero = 1; Numero <= 50; ++Numero)
        Longa += QStringLiteral("%1 ").arg(Numero, 2, 10, QLatin1Char('0'));
    Memo.SetLines({QStringLiteral("01 02 03 04 05 06"), Longa.trimmed(), QString(), QString()});

    const auto Tinta = AreaEscura(ImagemPagina(Relatorio, 0, 96), QRect(0, 280, 320, 200), 200);
    ASSERT_TRUE(Tinta.has_value());
    EXPECT_GE(Tinta->left(), 10);
    EXPECT_LE(Tinta->right(), 10 + 150);
    EXPECT_GT(Tinta->bottom(), 300 + 26 + 20); // several wrapped lines below the box's own height
    QImage Imagem(10, 10, QImage::Format_RGB32);
    QPainter Pintor(&Imagem);
    EXPECT_GT(Memo.AlturaDesenhada(Pintor), 26 + 20);
}

TEST_F(DesenhoTest, ImagemEsticadaNoBox) {
    QImage Figura(40, 80, QImage::Format_RGB32);
    Figura.fill(Qt::black);
    TImagem& Imagem = Relatorio.CriaImagem(QStringLiteral("RLImage1"));
    Imagem.SetPicture(Figura);
    Imagem.SetBox(QRect(0, 0, 311, 470));
    const QImage Pagina = ImagemPagina(Relatorio, 0, 96);
    EXPECT_EQ(AreaEscura(Pagina, QRect(0, 0, 320, 480)), QRect(0, 0, 311, 470));

    Imagem.SetVisible(false);
    EXPECT_FALSE(AreaEscura(ImagemPagina(Relatorio, 0, 96), QRect(0, 0, 320, 480)).has_value());
}

TEST(ImagemTest, ArquivoIlegivelDeixaAFiguraVazia) {
    TImagem Imagem(QStringLiteral("RLImage1"));
    Imagem.SetPicture(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_FALSE(Imagem.CarregaArquivo(QStringLiteral("/nao/existe.jpg")));
    EXPECT_TRUE(Imagem.Picture().isNull());
}

// Text sized in points keeps its physical size at any resolution (a painter scaled to the device
// together with a point size taken at the device's resolution would make it far too large).
TEST_F(DesenhoTest, TextoTemOMesmoTamanhoFisicoEmQualquerResolucao) {
    TRotulo& Rotulo = Relatorio.CriaRotulo(QStringLiteral("LabelNomeModalidade"));
    Rotulo.SetBox(QRect(20, 100, 224, 15));
    Rotulo.SetCaption(QStringLiteral("HHHHHHHHHH"));
    const auto A96 = AreaEscura(ImagemPagina(Relatorio, 0, 96), QRect(0, 80, 320, 60));
    const auto A300 = AreaEscura(ImagemPagina(Relatorio, 0, 300), QRect(0, 250, 1000, 190));
    ASSERT_TRUE(A96 && A300);
    EXPECT_NEAR(A300->width(), A96->width() * 300.0 / 96, 6);
    EXPECT_NEAR(A300->height(), A96->height() * 300.0 / 96, 4);
    EXPECT_NEAR(A96->height(), 10, 2); // the capital height of 10 points, about 9.5 report pixels
}

} // namespace
