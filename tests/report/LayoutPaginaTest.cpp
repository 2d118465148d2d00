#include "report/LayoutPagina.h"

#include <gtest/gtest.h>

#include <string>

namespace {

double Px(double Mm) {
    return Mm * 96.0 / 25.4;
}

TParametrosLayout FolhaPaisagem(int ColCount) {
    TParametrosLayout Parametros;
    Parametros.LarguraPagina = Milimetros(297);
    Parametros.AlturaPagina = Milimetros(210);
    Parametros.MargensPagina = {Milimetros(20), Milimetros(10), Milimetros(20), Milimetros(10)};
    Parametros.AlturaGrade = 715;
    Parametros.ColCount = ColCount;
    Parametros.MargensExternas = {Milimetros(0.1), Milimetros(0.2), Milimetros(0.3), Milimetros(0.5)};
    Parametros.MargensInternas = {Milimetros(0.4), Milimetros(0.6), Milimetros(0.4), Milimetros(0.4)};
    return Parametros;
}

TParametrosLayout RetratoDoisAltos() {
    TParametrosLayout Parametros;
    Parametros.LarguraPagina = Milimetros(210);
    Parametros.AlturaPagina = Milimetros(297);
    Parametros.MargensPagina = {Milimetros(2), Milimetros(2), Milimetros(20.5), Milimetros(2)};
    Parametros.AlturaGrade = 426;
    Parametros.ColCount = 1;
    return Parametros;
}

TEST(UnidadesTest, PolegadaTemNoventaESeisPixels) {
    EXPECT_DOUBLE_EQ(Milimetros(25.4).EmPixels().Valor(), 96.0);
    EXPECT_DOUBLE_EQ(PixelsRelatorio(715).EmMilimetros().Valor(), 715 * 25.4 / 96);
    EXPECT_DOUBLE_EQ(PixelsRelatorio(96).EmPontosDe(600), 600.0);
    EXPECT_EQ((Milimetros(20) + Milimetros(-1.5)).Valor(), 18.5);
}

struct CasoCelula {
    int ColCount;
    int Indice;
    double VagaEsquerdaMm; // slot's left edge on the paper
    int LinhaDeCelulas;
};

class LayoutCelulaTest : public ::testing::TestWithParam<CasoCelula> {};

TEST_P(LayoutCelulaTest, VagaCelulaEOrigemSeguemMargens) {
    const CasoCelula Caso = GetParam();
    const TLayoutPagina Layout(FolhaPaisagem(Caso.ColCount));
    const double LarguraVaga = Px(257) / Caso.ColCount;

    const QRectF Vaga = Layout.Vaga(Caso.Indice);
    EXPECT_NEAR(Vaga.left(), Px(Caso.VagaEsquerdaMm), 1e-9);
    EXPECT_NEAR(Vaga.top(), Px(10) + 715 * Caso.LinhaDeCelulas, 1e-9);
    EXPECT_NEAR(Vaga.width(), LarguraVaga, 1e-9);
    EXPECT_NEAR(Vaga.height(), 715, 1e-9);

    const QRectF Celula = Layout.Celula(Caso.Indice);
    EXPECT_NEAR(Celula.left(), Vaga.left() + Px(0.1), 1e-9);
    EXPECT_NEAR(Celula.top(), Vaga.top() + Px(0.2), 1e-9);
    EXPECT_NEAR(Celula.right(), Vaga.right() - Px(0.3), 1e-9);
    EXPECT_NEAR(Celula.bottom(), Vaga.bottom() - Px(0.5), 1e-9);

    const QPointF Origem = Layout.OrigemConteudo(Caso.Indice);
    EXPECT_NEAR(Origem.x(), Celula.left() + Px(0.4), 1e-9);
    EXPECT_NEAR(Origem.y(), Celula.top() + Px(0.6), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(ColCountDeUmATres, LayoutCelulaTest,
                         ::testing::Values(CasoCelula{1, 0, 20, 0}, CasoCelula{2, 0, 20, 0},
                                           CasoCelula{2, 1, 20 + 257.0 / 2, 0}, CasoCelula{3, 0, 20, 0},
                                           CasoCelula{3, 1, 20 + 257.0 / 3, 0},
                                           CasoCelula{3, 2, 20 + 2 * 257.0 / 3, 0}),
                         [](const ::testing::TestParamInfo<CasoCelula>& Info) {
                             return "ColCount" + std::to_string(Info.param.ColCount) + "_Celula" +
                                    std::to_string(Info.param.Indice);
                         });

TEST(LayoutPaginaTest, LinhasDeCelulasAteEncherAPagina) {
    const TLayoutPagina Paisagem(FolhaPaisagem(3));
    EXPECT_EQ(Paisagem.LinhasPorPagina(), 1); // 190 mm hold one 715 px line
    EXPECT_EQ(Paisagem.CelulasPorPagina(), 3);

    const TLayoutPagina Retrato(RetratoDoisAltos());
    EXPECT_EQ(Retrato.LinhasPorPagina(), 2); // 293 mm hold two 426 px lines, not three
    EXPECT_EQ(Retrato.CelulasPorPagina(), 2);
    EXPECT_NEAR(Retrato.Vaga(1).top(), Px(2) + 426, 1e-9);
    EXPECT_NEAR(Retrato.Vaga(1).left(), Px(2), 1e-9);
    EXPECT_NEAR(Retrato.Vaga(1).width(), Px(210 - 22.5), 1e-9);
}

TEST(LayoutPaginaTest, QuebraDePaginaPorQuantidadeDeCelulas) {
    const struct {
        TParametrosLayout Parametros;
        int Celulas;
        int Paginas;
    } Casos[] = {
        {FolhaPaisagem(3), 0, 0},   {FolhaPaisagem(3), 1, 1},   {FolhaPaisagem(3), 3, 1},
        {FolhaPaisagem(3), 4, 2},   {FolhaPaisagem(3), 7, 3},   {FolhaPaisagem(1), 2, 2},
        {RetratoDoisAltos(), 3, 2}, {RetratoDoisAltos(), 4, 2},
    };
    for (const auto& Caso : Casos)
        EXPECT_EQ(TLayoutPagina(Caso.Parametros).QdePaginas(Caso.Celulas), Caso.Paginas) << Caso.Celulas;
}

TEST(LayoutPaginaTest, LinhaQueNaoCabeAindaGanhaUmaPagina) {
    TParametrosLayout Parametros = FolhaPaisagem(3);
    Parametros.MargensPagina.Topo += Milimetros(2); // 188 mm < 715 px
    const TLayoutPagina Layout(Parametros);
    EXPECT_EQ(Layout.LinhasPorPagina(), 1);
    EXPECT_EQ(Layout.QdePaginas(4), 2);
}

TEST(LayoutPaginaTest, MargemNegativaDeslocaParaForaDoPapel) {
    TParametrosLayout Parametros = FolhaPaisagem(1);
    Parametros.MargensPagina = {Milimetros(-1.5), Milimetros(2), Milimetros(0), Milimetros(0)};
    const TLayoutPagina Layout(Parametros);
    EXPECT_NEAR(Layout.Vaga(0).left(), Px(-1.5), 1e-9);
    EXPECT_NEAR(Layout.Vaga(0).top(), Px(2), 1e-9);
    EXPECT_NEAR(Layout.Vaga(0).width(), Px(298.5), 1e-9);
}

TEST(LayoutPaginaTest, ColCountAbaixoDeUmValeUm) {
    const TLayoutPagina Layout(FolhaPaisagem(0));
    EXPECT_EQ(Layout.Colunas(), 1);
    EXPECT_NEAR(Layout.Vaga(0).width(), Px(257), 1e-9);
}

} // namespace
