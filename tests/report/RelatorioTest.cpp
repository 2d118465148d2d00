#include "ApoioRelatorio.h"

#include "report/Relatorio.h"
#include "report/SaidaRelatorio.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

TEST(RelatorioTest, ComponentesAchadosPeloNomeSemDistinguirMaiusculas) {
    TRelatorio Relatorio;
    TGradeDetalhe& Grade = Relatorio.CriaGradeDetalhe(QStringLiteral("RLDetailGrid1"));
    TShape& Shape = Relatorio.CriaShape(QStringLiteral("ShapeJogo1_Num1"));
    TRotulo& Rotulo = Relatorio.CriaRotulo(QStringLiteral("LabelNumPagina"));

    EXPECT_EQ(Relatorio.Componente(QStringLiteral("rldetailgrid1")), &Grade);
    EXPECT_EQ(Relatorio.Componente(QStringLiteral("SHAPEJOGO1_NUM1")), &Shape);
    EXPECT_EQ(Relatorio.Componente<TShape>(QStringLiteral("shapejogo1_num1")), &Shape);
    EXPECT_EQ(Relatorio.Componente<TRotulo>(QStringLiteral("labelnumpagina")), &Rotulo);
    EXPECT_EQ(Relatorio.Componente<TShape>(QStringLiteral("LabelNumPagina")), nullptr); // not a shape
    EXPECT_EQ(Relatorio.Componente(QStringLiteral("SG_Col-1")), nullptr);
    EXPECT_EQ(Relatorio.GradeDetalhe(), &Grade);
}

TEST(RelatorioTest, ComponentesEnumeradosNaOrdemDeCriacao) {
    TRelatorio Relatorio;
    Relatorio.CriaImagem(QStringLiteral("RLImage1"));
    Relatorio.CriaGradeDetalhe(QStringLiteral("RLDetailGrid1"));
    Relatorio.CriaMemo(QStringLiteral("MemoJogos"));
    Relatorio.CriaRotuloAngular(QStringLiteral("RLAngleLabel1"));
    Relatorio.CriaShape(QStringLiteral("SG_Col1"));

    QStringList Nomes;
    for (const TComponente* Componente : Relatorio.Componentes())
        Nomes << Componente->Name();
    EXPECT_EQ(Nomes, (QStringList{QStringLiteral("RLImage1"), QStringLiteral("RLDetailGrid1"),
                                  QStringLiteral("MemoJogos"), QStringLiteral("RLAngleLabel1"),
                                  QStringLiteral("SG_Col1")}));
}

TEST(RelatorioTest, NomeRepetidoOuSegundaGradeSaoRecusados) {
    TRelatorio Relatorio;
    Relatorio.CriaGradeDetalhe(QStringLiteral("RLDetailGrid1"));
    Relatorio.CriaShape(QStringLiteral("SG_Master"));
    EXPECT_THROW(Relatorio.CriaShape(QStringLiteral("sg_master")), std::logic_error);
    EXPECT_THROW(Relatorio.CriaRotulo(QStringLiteral("SG_MASTER")), std::logic_error);
    EXPECT_THROW(Relatorio.CriaGradeDetalhe(QStringLiteral("RLDetailGrid2")), std::logic_error);
    EXPECT_EQ(Relatorio.Componentes().size(), 2u);
}

TEST(RelatorioTest, PapelNaOrientacao) {
    const struct {
        QPageSize Papel;
        QPageLayout::Orientation Orientacao;
        double Largura;
        double Altura;
    } Casos[] = {
        {QPageSize(QPageSize::A4), QPageLayout::Landscape, 297, 210},
        {QPageSize(QPageSize::A4), QPageLayout::Portrait, 210, 297},
        {QPageSize(QSizeF(210, 150), QPageSize::Millimeter), QPageLayout::Portrait, 210, 150},
    };
    for (const auto& Caso : Casos) {
        TRelatorio Relatorio;
        Relatorio.SetTamanhoPapel(Caso.Papel);
        Relatorio.SetOrientacao(Caso.Orientacao);
        EXPECT_NEAR(Relatorio.LarguraPagina().Valor(), Caso.Largura, 1e-6);
        EXPECT_NEAR(Relatorio.AlturaPagina().Valor(), Caso.Altura, 1e-6);
    }
}

TEST(RelatorioTest, SemGradeSemFonteOuSemLinhasNaoHaPaginas) {
    TRelatorio Relatorio;
    TFonteTeste Fonte(5);
    Relatorio.SetFonteDados(&Fonte);
    EXPECT_EQ(Relatorio.QdePaginas(), 0); // no grid

    PreparaFolhaTresVolantes(Relatorio, {Milimetros(20), Milimetros(10), Milimetros(20), Milimetros(10)});
    EXPECT_EQ(Relatorio.QdePaginas(), 2);
    Relatorio.SetFonteDados(nullptr);
    EXPECT_EQ(Relatorio.QdePaginas(), 0);
    TFonteTeste Vazia(0);
    Relatorio.SetFonteDados(&Vazia);
    EXPECT_EQ(Relatorio.QdePaginas(), 0);
}

// The handler sees the source standing on the cell's row, and what it sets is what that cell shows.
TEST(RelatorioTest, AntesImprimirRodaPorCelulaComAFonteNaLinhaDaCelula) {
    TRelatorio Relatorio;
    PreparaFolhaTresVolantes(Relatorio, {Milimetros(20), Milimetros(10), Milimetros(20), Milimetros(10)});
    TFonteTeste Fonte(4);
    Relatorio.SetFonteDados(&Fonte);
    TShape& Marca = Relatorio.CriaShape(QStringLiteral("ShapeJogo1_Num1"));
    Marca.SetFormato(TFormatoShape::dkElipse);
    Marca.SetBox(QRect(40, 40, 20, 20));
    std::vector<int> LinhasVistas;
    Relatorio.GradeDetalhe()->SetAntesImprimir([&](TFonteDados& Dados) {
        LinhasVistas.push_back(static_cast<TFonteTeste&>(Dados).Atual());
        Marca.SetVisible(static_cast<TFonteTeste&>(Dados).Atual() != 1); // row 1 shows no mark
    });

    ASSERT_EQ(Relatorio.QdePaginas(), 2);
    const QImage Pagina1 = ImagemPagina(Relatorio, 0, 96);
    const QImage Pagina2 = ImagemPagina(Relatorio, 1, 96);
    EXPECT_EQ(LinhasVistas, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(Fonte.Posicoes, (std::vector<int>{0, 1, 2, 3}));

    const TLayoutPagina Layout = Relatorio.Layout();
    for (int Indice = 0; Indice < 3; ++Indice) {
        const QRect Caixa =
            QRectF(QRectF(40, 40, 20, 20).translated(Layout.OrigemConteudo(Indice))).toAlignedRect();
        EXPECT_EQ(AreaEscura(Pagina1, Caixa).has_value(), Indice != 1) << Indice;
        EXPECT_EQ(AreaEscura(Pagina2, Caixa).has_value(), Indice == 0) << Indice; // one cell on page 2
    }
}

} // namespace
