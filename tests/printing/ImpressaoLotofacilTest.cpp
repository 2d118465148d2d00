#include "ConfereLayout.h"

#include <gtest/gtest.h>

namespace {

const QString Lotofacil = QStringLiteral("Lotofacil");
const QString Primeiros = QStringLiteral("01 02 03 04 05 06 07 08 09 10 11 12 13 14 15");
const QString Ultimos = QStringLiteral("11 12 13 14 15 16 17 18 19 20 21 22 23 24 25");

constexpr TFormatoShape R = TFormatoShape::dkRectangle;
constexpr TFormatoShape E = TFormatoShape::dkElipse;

} // namespace

TEST(ImpressaoLotofacil, GuiasEMarcasDeCadaModelo) {
    ConfereShapes(Lotofacil, {
                                 {0, "SG_Col1", {48, 160, 15, 10}, 0, R},
                                 {0, "SG_Col2", {72, 160, 15, 10}, 2, R},
                                 {0, "SG_Col3", {95, 160, 15, 10}, 2, R},
                                 {0, "SG_Col4", {119, 160, 15, 10}, 2, R},
                                 {0, "SG_Col5", {143, 160, 15, 10}, 2, R},
                                 {0, "SG_Col6", {168, 160, 15, 10}, 0, R},
                                 {0, "SG_Col7", {193, 160, 15, 10}, 0, R},
                                 {0, "SG_Col9", {240, 160, 15, 10}, 0, R},
                                 {0, "SG_Col10", {266, 160, 15, 10}, 0, R},
                                 {0, "SG_Master", {8, 160, 11, 10}, 2, R},
                                 {0, "SG_Lin1_Jogo1", {8, 179, 11, 10}, 2, R},
                                 {0, "SG_Lin5_Jogo1", {8, 247, 11, 10}, 2, R},
                                 {0, "SG_Lin1_Jogo2", {8, 274, 11, 10}, 2, R},
                                 {0, "SG_Lin5_Jogo2", {8, 342, 11, 10}, 2, R},
                                 {0, "SG_Lin1_Jogo3", {8, 370, 11, 10}, 2, R},
                                 {0, "SG_Lin5_Jogo3", {8, 438, 11, 10}, 2, R},
                                 {0, "SG_QdeNumPorVolante", {8, 466, 11, 10}, 2, R},
                                 {0, "ShapeQdeNumPorVolante", {8, 466, 13, 9}, 100, E},
                                 {0, "SG_Surpresinha", {8, 496, 11, 10}, 2, R},
                                 {0, "ShapeSurpresinha", {8, 496, 13, 7}, 100, E},
                                 {0, "SG_Teimosinha", {8, 526, 11, 10}, 2, R},
                                 {0, "ShapeTeimosinha", {8, 526, 13, 7}, 100, E},
                                 {0, "SG_BolaoDezena", {8, 550, 11, 7}, 2, R},
                                 {0, "ShapeBolaoDezena", {8, 550, 13, 10}, 100, E},
                                 {0, "SG_BolaoUnidade", {8, 565, 11, 7}, 2, R},
                                 {0, "ShapeBolaoUnidade", {8, 565, 13, 10}, 100, E},
                                 {0, "SG_Bolao100", {8, 580, 11, 7}, 2, R},
                                 {0, "ShapeBolao100", {8, 580, 13, 10}, 100, E},
                                 {0, "ShapeJogo3_Num15", {0, 0, 15, 7}, 100, E},
                                 {1, "SG_Col1", {53, 224, 15, 10}, 0, R},
                                 {1, "SG_Col4", {126, 224, 15, 10}, 0, R},
                                 {1, "SG_Col5", {148, 224, 15, 10}, 2, R},
                                 {1, "SG_Col6", {172, 224, 15, 10}, 2, R},
                                 {1, "SG_Col7", {197, 224, 15, 10}, 0, R},
                                 {1, "SG_Col8", {220, 224, 15, 10}, 2, R},
                                 {1, "SG_Col9", {244, 224, 15, 10}, 2, R},
                                 {1, "SG_Col10", {271, 224, 15, 10}, 0, R},
                                 {1, "SG_Master", {13, 224, 11, 10}, 2, R},
                                 {1, "SG_Lin1_Jogo1", {13, 243, 11, 10}, 2, R},
                                 {1, "SG_Lin5_Jogo1", {13, 311, 11, 10}, 2, R},
                                 {1, "SG_Lin1_Jogo2", {13, 338, 11, 10}, 2, R},
                                 {1, "SG_Lin5_Jogo2", {13, 406, 11, 10}, 2, R},
                                 {1, "SG_Lin2_Jogo3", {13, 451, 11, 10}, 2, R},
                                 {1, "SG_Lin5_Jogo3", {13, 502, 11, 10}, 2, R},
                                 {1, "SG_QdeNumPorVolante", {13, 529, 11, 10}, 2, R},
                                 {1, "ShapeQdeNumPorVolante", {13, 529, 13, 7}, 100, E},
                                 {1, "SG_Surpresinha", {13, 558, 11, 10}, 2, R},
                                 {1, "ShapeSurpresinha", {13, 558, 13, 7}, 100, E},
                                 {1, "SG_BolaoDezena", {13, 585, 11, 7}, 2, R},
                                 {1, "ShapeBolaoDezena", {13, 585, 13, 7}, 100, E},
                                 {1, "SG_BolaoUnidade", {13, 600, 11, 7}, 2, R},
                                 {1, "ShapeBolaoUnidade", {13, 600, 13, 7}, 100, E},
                                 {1, "SG_Bolao100", {13, 614, 11, 7}, 2, R},
                                 {1, "ShapeBolao100", {13, 614, 13, 7}, 100, E},
                                 {1, "ShapeJogo1_Num1", {0, 0, 15, 10}, 100, E},
                             });
    // Model 1 has no repeat-draw row.
    const TMontagem Modelo1 = Monta(Lotofacil, 1);
    EXPECT_EQ(Modelo1.Shape(QStringLiteral("SG_Teimosinha")), nullptr);
    EXPECT_EQ(Modelo1.Shape(QStringLiteral("ShapeTeimosinha")), nullptr);
}

TEST(ImpressaoLotofacil, OrdemDeCriacao) {
    // Columns, master, three blocks of five rows, the option rows (guide then mark), 3 x 15 numbers.
    const QStringList Comuns{QStringLiteral("SG_Col1"),
                             QStringLiteral("SG_Col10"),
                             QStringLiteral("SG_Master"),
                             QStringLiteral("SG_Lin1_Jogo1"),
                             QStringLiteral("SG_Lin5_Jogo1"),
                             QStringLiteral("SG_Lin1_Jogo2"),
                             QStringLiteral("SG_Lin5_Jogo3"),
                             QStringLiteral("SG_QdeNumPorVolante"),
                             QStringLiteral("ShapeQdeNumPorVolante"),
                             QStringLiteral("SG_Surpresinha"),
                             QStringLiteral("ShapeSurpresinha")};
    const QStringList Cotas{QStringLiteral("SG_BolaoDezena"),  QStringLiteral("ShapeBolaoDezena"),
                            QStringLiteral("SG_BolaoUnidade"), QStringLiteral("ShapeBolaoUnidade"),
                            QStringLiteral("SG_Bolao100"),     QStringLiteral("ShapeBolao100"),
                            QStringLiteral("ShapeJogo1_Num1"), QStringLiteral("ShapeJogo3_Num15")};
    ConfereOrdemDeCriacao(
        Lotofacil, 0,
        Comuns + QStringList{QStringLiteral("SG_Teimosinha"), QStringLiteral("ShapeTeimosinha")} + Cotas,
        10 + 1 + 15 + 12 + 45);
    ConfereOrdemDeCriacao(Lotofacil, 1, Comuns + Cotas, 10 + 1 + 15 + 10 + 45);
}

TEST(ImpressaoLotofacil, PosicoesDosTextos) {
    const TMontagem Montagem = Monta(Lotofacil, 1);
    const TImpressao& Impressao = *Montagem.Impressao;
    EXPECT_EQ(Impressao.ImpRelacaoJogos_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpRelacaoJogos_T(), QList<int>({25, 25}));
    EXPECT_EQ(Impressao.ImpNomeModalidade_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpNomeModalidade_T(), QList<int>({120, 120}));
    EXPECT_EQ(Impressao.ImpNumPagina_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpNumPagina_T(), QList<int>({652, 671}));
    EXPECT_EQ(Impressao.ImpNomeModalidadeExtra_E(), QList<int>({63, 63}));
    EXPECT_EQ(Impressao.ImpNomeModalidadeExtra_T(), QList<int>({652, 647}));
    EXPECT_EQ(Impressao.ImpQdeCotas_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpQdeCotas_T(), QList<int>({610, 646}));
}

TEST(ImpressaoLotofacil, MarcaDeCadaNumero) {
    // Numbers 1 to 5 run down column 9, 6 to 10 down column 7, ... 21 to 25 down column 1; (+1, 0).
    ConfereMarcas(
        Lotofacil,
        {
            {0,
             {},
             {Primeiros, QStringLiteral("02 05 09 13 14 15 16 17 18 19 20 21 22 23 24")},
             {{QStringLiteral("ShapeJogo2_Num4"), {143 + 1, 308}}}},
            {0, {}, {Primeiros}, {{QStringLiteral("ShapeJogo1_Num1"), {240 + 1, 179}}}},
            {0, {}, {Primeiros}, {{QStringLiteral("ShapeJogo1_Num6"), {193 + 1, 179}}}},
            {0, {}, {Ultimos}, {{QStringLiteral("ShapeJogo1_Num6"), {95 + 1, 179}}}},
            {0, {}, {Ultimos}, {{QStringLiteral("ShapeJogo1_Num15"), {48 + 1, 247}}}},
            {0, {}, {Primeiros, Primeiros}, {{QStringLiteral("ShapeJogo2_Num1"), {240 + 1, 274}}}},
            {0, {}, {Primeiros, Primeiros, Primeiros}, {{QStringLiteral("ShapeJogo3_Num5"), {240 + 1, 438}}}},
            {0, {}, {Primeiros, Primeiros, Ultimos}, {{QStringLiteral("ShapeJogo3_Num11"), {48 + 1, 370}}}},
            {0, {}, {Primeiros, Primeiros, Ultimos}, {{QStringLiteral("ShapeJogo3_Num15"), {48 + 1, 438}}}},
            {1, {}, {Ultimos}, {{QStringLiteral("ShapeJogo1_Num15"), {53 + 1, 311}}}},
            {1, {}, {Primeiros}, {{QStringLiteral("ShapeJogo1_Num1"), {244 + 1, 243}}}},
            {1, {}, {Primeiros, Primeiros}, {{QStringLiteral("ShapeJogo2_Num11"), {148 + 1, 338}}}},
            {1, {}, {Primeiros, Ultimos}, {{QStringLiteral("ShapeJogo2_Num15"), {53 + 1, 406}}}},
            {1, {}, {Primeiros, Primeiros, Primeiros}, {{QStringLiteral("ShapeJogo3_Num8"), {197 + 1, 468}}}},
            {1, {}, {Primeiros, Primeiros, Ultimos}, {{QStringLiteral("ShapeJogo3_Num10"), {101 + 1, 502}}}},
            {1, {}, {Primeiros, Primeiros, Primeiros}, {{QStringLiteral("ShapeJogo3_Num1"), {244 + 1, 433}}}},
        });
}

TEST(ImpressaoLotofacil, MarcasDasOpcoes) {
    const QString Qde = QStringLiteral("ShapeQdeNumPorVolante");
    const QString Surpresinha = QStringLiteral("ShapeSurpresinha");
    const QString Teimosinha = QStringLiteral("ShapeTeimosinha");
    const QString Dezena = QStringLiteral("ShapeBolaoDezena");
    const QString Unidade = QStringLiteral("ShapeBolaoUnidade");
    const QString Cem = QStringLiteral("ShapeBolao100");
    const QPoint Qde15Modelo0(48, 466 + 1);
    const QPoint Qde15Modelo1(53, 529 + 4);
    ConfereMarcasDeOpcao(
        Lotofacil,
        {
            // Numbers per game: 15 to 20 on columns 1 to 6; (0, +1) on model 0, (0, +4) on model 1.
            {0, {15}, {Primeiros}, {{Qde, Qde15Modelo0}}},
            {0, {20}, {Primeiros}, {{Qde, {168, 466 + 1}}}},
            {1, {15}, {Primeiros}, {{Qde, Qde15Modelo1}}},
            {1, {18}, {Primeiros}, {{Qde, {126, 529 + 4}}}},
            {1, {20}, {Primeiros}, {{Qde, {172, 529 + 4}}}},
            // Quick pick 1 to 7 on their own columns; (0, +1).
            {0, {15, 1}, {Primeiros}, {{Qde, Qde15Modelo0}, {Surpresinha, {48, 496 + 1}}}},
            {0, {15, 7}, {Primeiros}, {{Qde, Qde15Modelo0}, {Surpresinha, {193, 496 + 1}}}},
            {1, {15, 1}, {Primeiros}, {{Qde, Qde15Modelo1}, {Surpresinha, {53, 558 + 1}}}},
            {1, {15, 7}, {Primeiros}, {{Qde, Qde15Modelo1}, {Surpresinha, {197, 558 + 1}}}},
            // Repeat draws 3, 6, 12, 18, 24 on columns 1, 3, 5, 7, 9; (0, +1); none on model 1.
            {0, {15, 0, 3}, {Primeiros}, {{Qde, Qde15Modelo0}, {Teimosinha, {48, 526 + 1}}}},
            {0, {15, 0, 6}, {Primeiros}, {{Qde, Qde15Modelo0}, {Teimosinha, {95, 526 + 1}}}},
            {0, {15, 0, 12}, {Primeiros}, {{Qde, Qde15Modelo0}, {Teimosinha, {143, 526 + 1}}}},
            {0, {15, 0, 18}, {Primeiros}, {{Qde, Qde15Modelo0}, {Teimosinha, {193, 526 + 1}}}},
            {0, {15, 0, 24}, {Primeiros}, {{Qde, Qde15Modelo0}, {Teimosinha, {240, 526 + 1}}}},
            // Quotas: tens (0, +1) / (+1, 0), units (+1, 0) / (0, +1), 100 (0, 0) / (+1, 0).
            {0, {15, 0, 0, 2}, {Primeiros}, {{Qde, Qde15Modelo0}, {Unidade, {95 + 1, 565}}}},
            {0, {15, 0, 0, 7}, {Primeiros}, {{Qde, Qde15Modelo0}, {Unidade, {216 + 1, 565}}}},
            {0,
             {20, 0, 0, 10},
             {Primeiros},
             {{Qde, {168, 467}}, {Dezena, {48, 550 + 1}}, {Unidade, {48 + 1, 565}}}},
            {0,
             {20, 0, 0, 99},
             {Primeiros},
             {{Qde, {168, 467}}, {Dezena, {240, 550 + 1}}, {Unidade, {266 + 1, 565}}}},
            {0, {20, 0, 0, 100}, {Primeiros}, {{Qde, {168, 467}}, {Cem, {48, 580}}}},
            {1, {15, 0, 0, 2}, {Primeiros}, {{Qde, Qde15Modelo1}, {Unidade, {101, 600 + 1}}}},
            {1,
             {19, 0, 0, 85},
             {Primeiros},
             {{Qde, {148, 533}}, {Dezena, {220 + 1, 585}}, {Unidade, {172, 600 + 1}}}},
            {1,
             {20, 0, 0, 10},
             {Primeiros},
             {{Qde, {172, 533}}, {Dezena, {53 + 1, 585}}, {Unidade, {53, 600 + 1}}}},
            {1, {20, 0, 0, 100}, {Primeiros}, {{Qde, {172, 533}}, {Cem, {53 + 1, 614}}}},
        });
}

TEST(ImpressaoLotofacil, ValorSemCaixaDaErroDeColocacao) {
    ConfereErros(
        Lotofacil,
        {
            {0,
             {15},
             QStringLiteral("01 02 03 04 05 06 07 08 09 10 11 12 13 14 26"),
             "SG_Col-1",
             "SG_Lin-1_Jogo1",
             "ShapeJogo1_Num15",
             "SG_Col-1"},
            {1,
             {15},
             QStringLiteral("00 02 03 04 05 06 07 08 09 10 11 12 13 14 15"),
             "SG_Col-1",
             "SG_Lin-1_Jogo1",
             "ShapeJogo1_Num1",
             "SG_Col-1"},
            {0, {21}, Primeiros, "SG_Col-1", "SG_QdeNumPorVolante", "ShapeQdeNumPorVolante", "SG_Col-1"},
            {0, {15, 8}, Primeiros, "SG_Col-1", "SG_Surpresinha", "ShapeSurpresinha", "SG_Col-1"},
            {0, {15, 0, 9}, Primeiros, "SG_Col-1", "SG_Teimosinha", "ShapeTeimosinha", "SG_Col-1"},
            // Repeat draws that reach model 1 anyway find no row to mark.
            {1, {15, 0, 3}, Primeiros, "SG_Col1", "SG_Teimosinha", "ShapeTeimosinha", "SG_Teimosinha"},
        });
}

TEST(ImpressaoLotofacil, TodoValorPermitidoTemMarca) {
    for (const int Modelo : {0, 1})
        EXPECT_EQ(ValoresSemMarca(Lotofacil, Modelo), QStringList()) << "modelo " << Modelo;
}

TEST(ImpressaoLotofacil, VolantesDesenhados) {
    TConfiguracaoImpressao Configuracao;
    Configuracao.NomeModalidade = Lotofacil;
    Configuracao.QdeJogosPorVolante = 3;
    Configuracao.QdeNumPorVolante = 15;
    Configuracao.QdeSurpresinha = 3;
    Configuracao.QdeTeimosinha = 6;
    const QString Meio = QStringLiteral("03 04 06 07 09 10 12 13 15 16 18 19 21 22 24");
    ConfereVolantesDesenhados(Configuracao,
                              {Folha({Primeiros, Ultimos, Meio}, {1, 2, 3}, 1),
                               Folha({Meio, Primeiros, Ultimos}, {4, 5, 6}, 1), Folha({Ultimos}, {7}, 1)},
                              {3 * 15 + 3, 3 * 15 + 3, 15 + 3});

    Configuracao.LayoutIndex = 1;
    Configuracao.QdeNumPorVolante = 18;
    Configuracao.QdeSurpresinha = 7;
    Configuracao.QdeTeimosinha = 0;
    Configuracao.QdeBolao = 45;
    const QString Dezoito = QStringLiteral("01 02 03 05 06 08 09 11 12 14 15 17 18 20 21 23 24 25");
    const QString Outros = QStringLiteral("02 04 05 06 07 08 10 11 13 14 16 17 19 20 22 23 24 25");
    ConfereVolantesDesenhados(
        Configuracao, {Folha({Dezoito, Outros, Dezoito}, {1, 2, 3}, 1), Folha({Outros, Dezoito}, {4, 5}, 1)},
        {3 * 18 + 4, 2 * 18 + 4});
}
