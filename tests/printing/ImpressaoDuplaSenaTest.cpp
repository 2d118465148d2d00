#include "ConfereLayout.h"

#include <gtest/gtest.h>

namespace {

const QString DuplaSena = QStringLiteral("Dupla-Sena");
const QString Seis = QStringLiteral("01 02 03 04 05 06");

constexpr TFormatoShape R = TFormatoShape::dkRectangle;
constexpr TFormatoShape E = TFormatoShape::dkElipse;

} // namespace

TEST(ImpressaoDuplaSena, GuiasEMarcasDeCadaModelo) {
    ConfereShapes(DuplaSena, {
                                 {0, "SG_Col0", {26, 188, 16, 8}, 2, R},
                                 {0, "SG_Col1", {50, 188, 16, 8}, 0, R},
                                 {0, "SG_Col5", {146, 188, 16, 8}, 0, R},
                                 {0, "SG_Col7", {194, 188, 16, 8}, 2, R},
                                 {0, "SG_Col8", {218, 188, 16, 8}, 0, R},
                                 {0, "SG_Col9", {242, 188, 16, 8}, 2, R},
                                 {0, "SG_Col10", {266, 188, 16, 8}, 0, R},
                                 {0, "SG_Master", {8, 188, 15, 8}, 2, R},
                                 {0, "SG_Lin1_Jogo1", {8, 204, 15, 8}, 2, R},
                                 {0, "SG_Lin5_Jogo1", {8, 253, 15, 8}, 2, R},
                                 {0, "SG_Anula_Jogo1", {8, 265, 15, 8}, 2, R},
                                 {0, "SG_Lin1_Jogo2", {8, 289, 15, 8}, 2, R},
                                 {0, "SG_Lin4_Jogo2", {8, 326, 15, 8}, 2, R},
                                 {0, "SG_Anula_Jogo2", {8, 351, 15, 8}, 2, R},
                                 {0, "SG_Lin1_Jogo3", {8, 377, 15, 8}, 2, R},
                                 {0, "SG_Lin5_Jogo3", {8, 426, 15, 8}, 2, R},
                                 {0, "SG_Anula_Jogo3", {8, 439, 15, 8}, 2, R},
                                 {0, "SG_QdeNumPorVolante", {8, 471, 15, 8}, 2, R},
                                 {0, "ShapeQdeNumPorVolante", {8, 471, 13, 7}, 100, E},
                                 {0, "SG_Surpresinha", {8, 509, 15, 8}, 2, R},
                                 {0, "ShapeSurpresinha", {8, 509, 13, 7}, 100, E},
                                 {0, "SG_Teimosinha", {8, 547, 15, 8}, 2, R},
                                 {0, "ShapeTeimosinha", {8, 547, 13, 7}, 100, E},
                                 {0, "SG_BolaoDezena", {8, 585, 15, 8}, 2, R},
                                 {0, "ShapeBolaoDezena", {8, 585, 13, 7}, 100, E},
                                 {0, "SG_BolaoUnidade", {8, 600, 15, 8}, 2, R},
                                 {0, "ShapeBolaoUnidade", {8, 600, 13, 7}, 100, E},
                                 {0, "ShapeJogo3_Num6", {0, 0, 13, 7}, 100, E},
                                 {1, "SG_Col0", {26, 247, 16, 8}, 0, R},
                                 {1, "SG_Col1", {49, 247, 16, 8}, 0, R},
                                 {1, "SG_Col3", {99, 247, 16, 8}, 0, R},
                                 {1, "SG_Col4", {124, 247, 16, 8}, 2, R},
                                 {1, "SG_Col7", {198, 247, 16, 8}, 0, R},
                                 {1, "SG_Col8", {223, 247, 16, 8}, 2, R},
                                 {1, "SG_Col9", {247, 247, 16, 8}, 2, R},
                                 {1, "SG_Col10", {272, 247, 16, 8}, 0, R},
                                 {1, "SG_Master", {7, 247, 15, 8}, 2, R},
                                 {1, "SG_Lin1_Jogo1", {7, 263, 15, 8}, 2, R},
                                 {1, "SG_Lin5_Jogo1", {7, 313, 15, 8}, 2, R},
                                 {1, "SG_Anula_Jogo1", {7, 326, 15, 8}, 2, R},
                                 {1, "SG_Lin3_Jogo2", {7, 377, 15, 8}, 2, R},
                                 {1, "SG_Anula_Jogo2", {7, 415, 15, 8}, 2, R},
                                 {1, "SG_Lin1_Jogo3", {7, 440, 15, 8}, 2, R},
                                 {1, "SG_Lin5_Jogo3", {7, 490, 15, 8}, 2, R},
                                 {1, "SG_Anula_Jogo3", {7, 503, 15, 8}, 2, R},
                                 {1, "SG_QdeNumPorVolante", {7, 532, 15, 8}, 2, R},
                                 {1, "ShapeQdeNumPorVolante", {7, 532, 13, 7}, 100, E},
                                 {1, "SG_Surpresinha", {7, 571, 15, 8}, 2, R},
                                 {1, "ShapeSurpresinha", {7, 571, 13, 7}, 100, E},
                                 {1, "SG_BolaoDezena", {7, 606, 15, 8}, 2, R},
                                 {1, "ShapeBolaoDezena", {7, 606, 13, 7}, 100, E},
                                 {1, "SG_BolaoUnidade", {7, 621, 15, 8}, 2, R},
                                 {1, "ShapeBolaoUnidade", {7, 621, 13, 7}, 100, E},
                                 {1, "ShapeJogo1_Num1", {0, 0, 13, 7}, 100, E},
                             });
    // No 100 box on either model; no repeat-draw row on model 1.
    const TMontagem Modelos[] = {Monta(DuplaSena, 0), Monta(DuplaSena, 1)};
    for (const TMontagem& Montagem : Modelos)
        for (const char* Ausente : {"SG_Bolao100", "ShapeBolao100"})
            EXPECT_EQ(Montagem.Shape(QString::fromLatin1(Ausente)), nullptr) << Ausente;
    for (const char* Ausente : {"SG_Teimosinha", "ShapeTeimosinha"})
        EXPECT_EQ(Modelos[1].Shape(QString::fromLatin1(Ausente)), nullptr) << Ausente;
}

TEST(ImpressaoDuplaSena, OrdemDeCriacao) {
    // Columns from 0, master, each block's five rows and its cancel row, the option rows (guide then
    // mark), then the numbers of every game.
    const QStringList Inicio{QStringLiteral("SG_Col0"),
                             QStringLiteral("SG_Col10"),
                             QStringLiteral("SG_Master"),
                             QStringLiteral("SG_Lin1_Jogo1"),
                             QStringLiteral("SG_Lin5_Jogo1"),
                             QStringLiteral("SG_Anula_Jogo1"),
                             QStringLiteral("SG_Lin1_Jogo2"),
                             QStringLiteral("SG_Anula_Jogo2"),
                             QStringLiteral("SG_Lin1_Jogo3"),
                             QStringLiteral("SG_Anula_Jogo3"),
                             QStringLiteral("SG_QdeNumPorVolante"),
                             QStringLiteral("ShapeQdeNumPorVolante"),
                             QStringLiteral("SG_Surpresinha"),
                             QStringLiteral("ShapeSurpresinha")};
    const QStringList Fim{QStringLiteral("SG_BolaoDezena"),  QStringLiteral("ShapeBolaoDezena"),
                          QStringLiteral("SG_BolaoUnidade"), QStringLiteral("ShapeBolaoUnidade"),
                          QStringLiteral("ShapeJogo1_Num1"), QStringLiteral("ShapeJogo3_Num6")};
    ConfereOrdemDeCriacao(
        DuplaSena, 0,
        Inicio + QStringList{QStringLiteral("SG_Teimosinha"), QStringLiteral("ShapeTeimosinha")} + Fim,
        11 + 1 + 18 + 10 + 3 * 6);
    ConfereOrdemDeCriacao(DuplaSena, 1, Inicio + Fim, 11 + 1 + 18 + 8 + 3 * 6);
}

TEST(ImpressaoDuplaSena, PosicoesDosTextos) {
    // The title near the bottom of the slip, the identification near the top.
    const TMontagem Montagem = Monta(DuplaSena, 1);
    const TImpressao& Impressao = *Montagem.Impressao;
    EXPECT_EQ(Impressao.ImpRelacaoJogos_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpRelacaoJogos_T(), QList<int>({25, 25}));
    EXPECT_EQ(Impressao.ImpNomeModalidade_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpNomeModalidade_T(), QList<int>({667, 673}));
    EXPECT_EQ(Impressao.ImpNumPagina_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpNumPagina_T(), QList<int>({640, 646}));
    EXPECT_EQ(Impressao.ImpNomeModalidadeExtra_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpNomeModalidadeExtra_T(), QList<int>({128, 185}));
    EXPECT_EQ(Impressao.ImpQdeCotas_E(), QList<int>({8, 8}));
    EXPECT_EQ(Impressao.ImpQdeCotas_T(), QList<int>({640, 646}));
}

TEST(ImpressaoDuplaSena, MarcaDeCadaNumero) {
    // Row r holds 10(r - 1) + 1 to 10r, column c the numbers ending in c; (+2, 0) on both models.
    const QString Pontas = QStringLiteral("01 02 03 04 05 50");
    const QString Dezenas = QStringLiteral("10 11 20 21 30 41");
    const QString Diagonal = QStringLiteral("05 16 27 38 49 50");
    ConfereMarcas(DuplaSena,
                  {
                      {0, {}, {Pontas}, {{QStringLiteral("ShapeJogo1_Num6"), {266 + 2, 253}}}},
                      {0, {}, {Pontas}, {{QStringLiteral("ShapeJogo1_Num1"), {50 + 2, 204}}}},
                      {0, {}, {Seis, Dezenas}, {{QStringLiteral("ShapeJogo2_Num1"), {266 + 2, 289}}}},
                      {0, {}, {Seis, Dezenas}, {{QStringLiteral("ShapeJogo2_Num4"), {50 + 2, 313}}}},
                      {0, {}, {Seis, Dezenas}, {{QStringLiteral("ShapeJogo2_Num6"), {50 + 2, 338}}}},
                      {0, {}, {Seis, Seis, Diagonal}, {{QStringLiteral("ShapeJogo3_Num1"), {146 + 2, 377}}}},
                      {0, {}, {Seis, Seis, Diagonal}, {{QStringLiteral("ShapeJogo3_Num5"), {242 + 2, 426}}}},
                      {1, {}, {Seis, Seis, Seis}, {{QStringLiteral("ShapeJogo3_Num1"), {49 + 2, 440}}}},
                      {0, {}, {Seis, Pontas}, {{QStringLiteral("ShapeJogo2_Num6"), {266 + 2, 338}}}},
                      {0, {}, {Seis, Seis, Seis}, {{QStringLiteral("ShapeJogo3_Num1"), {50 + 2, 377}}}},
                      {1, {}, {Seis, Pontas}, {{QStringLiteral("ShapeJogo2_Num1"), {49 + 2, 352}}}},
                      {1, {}, {Seis, Seis, Pontas}, {{QStringLiteral("ShapeJogo3_Num6"), {272 + 2, 490}}}},
                      {1, {}, {Pontas}, {{QStringLiteral("ShapeJogo1_Num6"), {272 + 2, 313}}}},
                      {1, {}, {Seis, Dezenas}, {{QStringLiteral("ShapeJogo2_Num3"), {272 + 2, 364}}}},
                      {1, {}, {Seis, Dezenas}, {{QStringLiteral("ShapeJogo2_Num5"), {272 + 2, 377}}}},
                      {1, {}, {Seis, Seis, Diagonal}, {{QStringLiteral("ShapeJogo3_Num4"), {223 + 2, 478}}}},
                      {1, {}, {Seis, Seis, Diagonal}, {{QStringLiteral("ShapeJogo3_Num5"), {247 + 2, 490}}}},
                  });
}

TEST(ImpressaoDuplaSena, MarcasDasOpcoes) {
    const QString Qde = QStringLiteral("ShapeQdeNumPorVolante");
    const QString Surpresinha = QStringLiteral("ShapeSurpresinha");
    const QString Teimosinha = QStringLiteral("ShapeTeimosinha");
    const QString Dezena = QStringLiteral("ShapeBolaoDezena");
    const QString Unidade = QStringLiteral("ShapeBolaoUnidade");
    const QPoint Qde6Modelo0(50 + 1, 471);
    const QPoint Qde6Modelo1(49 + 1, 532);
    const QPoint Qde7Modelo0(74 + 1, 471);
    const QPoint Qde7Modelo1(74 + 1, 532);
    ConfereMarcasDeOpcao(
        DuplaSena,
        {
            // Numbers per game: 6 to 15 on columns 1 to 10; (+1, 0).
            {0, {6}, {Seis}, {{Qde, Qde6Modelo0}}},
            {0, {15}, {Seis}, {{Qde, {266 + 1, 471}}}},
            {1, {6}, {Seis}, {{Qde, Qde6Modelo1}}},
            {1, {10}, {Seis}, {{Qde, {148 + 1, 532}}}},
            {1, {15}, {Seis}, {{Qde, {272 + 1, 532}}}},
            // Quick pick 1 to 7; (0, 0).
            {0, {6, 1}, {Seis}, {{Qde, Qde6Modelo0}, {Surpresinha, {50, 509}}}},
            {0, {6, 7}, {Seis}, {{Qde, Qde6Modelo0}, {Surpresinha, {194, 509}}}},
            {1, {6, 7}, {Seis}, {{Qde, Qde6Modelo1}, {Surpresinha, {198, 571}}}},
            // Repeat draws 3, 6, 9, 12 on columns 1, 3, 5, 7 of model 0; (+1, +1). Model 1 marks none.
            {0, {6, 0, 3}, {Seis}, {{Qde, Qde6Modelo0}, {Teimosinha, {50 + 1, 547 + 1}}}},
            {0, {6, 0, 6}, {Seis}, {{Qde, Qde6Modelo0}, {Teimosinha, {98 + 1, 547 + 1}}}},
            {0, {6, 0, 9}, {Seis}, {{Qde, Qde6Modelo0}, {Teimosinha, {146 + 1, 547 + 1}}}},
            {0, {6, 0, 12}, {Seis}, {{Qde, Qde6Modelo0}, {Teimosinha, {194 + 1, 547 + 1}}}},
            {1, {6, 0, 3}, {Seis}, {{Qde, Qde6Modelo1}}},
            // Quotas up to 50: tens digit, units digit + 1; (+1, 0).
            {0, {6, 0, 0, 2}, {Seis}, {{Qde, Qde6Modelo0}, {Unidade, {98 + 1, 600}}}},
            {0, {6, 0, 0, 9}, {Seis}, {{Qde, Qde6Modelo0}, {Unidade, {266 + 1, 600}}}},
            {0,
             {7, 0, 0, 10},
             {Seis},
             {{Qde, Qde7Modelo0}, {Dezena, {50 + 1, 585}}, {Unidade, {50 + 1, 600}}}},
            {0,
             {7, 0, 0, 50},
             {Seis},
             {{Qde, Qde7Modelo0}, {Dezena, {146 + 1, 585}}, {Unidade, {50 + 1, 600}}}},
            {1,
             {7, 0, 0, 34},
             {Seis},
             {{Qde, Qde7Modelo1}, {Dezena, {99 + 1, 606}}, {Unidade, {148 + 1, 621}}}},
            {1,
             {7, 0, 0, 50},
             {Seis},
             {{Qde, Qde7Modelo1}, {Dezena, {148 + 1, 606}}, {Unidade, {49 + 1, 621}}}},
        });
}

TEST(ImpressaoDuplaSena, ValorSemCaixaDaErroDeColocacao) {
    ConfereErros(DuplaSena,
                 {
                     {0,
                      {6},
                      QStringLiteral("01 02 03 04 05 51"),
                      "SG_Col-1",
                      "SG_Lin-1_Jogo1",
                      "ShapeJogo1_Num6",
                      "SG_Col-1"},
                     {1,
                      {6},
                      QStringLiteral("00 02 03 04 05 06"),
                      "SG_Col-1",
                      "SG_Lin-1_Jogo1",
                      "ShapeJogo1_Num1",
                      "SG_Col-1"},
                     {0, {16}, Seis, "SG_Col-1", "SG_QdeNumPorVolante", "ShapeQdeNumPorVolante", "SG_Col-1"},
                     {1,
                      {5},
                      QStringLiteral("01 02 03 04 05"),
                      "SG_Col-1",
                      "SG_QdeNumPorVolante",
                      "ShapeQdeNumPorVolante",
                      "SG_Col-1"},
                     {0, {6, 8}, Seis, "SG_Col-1", "SG_Surpresinha", "ShapeSurpresinha", "SG_Col-1"},
                     {0, {6, 0, 24}, Seis, "SG_Col-1", "SG_Teimosinha", "ShapeTeimosinha", "SG_Col-1"},
                 });
}

TEST(ImpressaoDuplaSena, TodoValorPermitidoTemMarca) {
    for (const int Modelo : {0, 1})
        EXPECT_EQ(ValoresSemMarca(DuplaSena, Modelo), QStringList()) << "modelo " << Modelo;
}

TEST(ImpressaoDuplaSena, VolantesDesenhados) {
    TConfiguracaoImpressao Configuracao;
    Configuracao.NomeModalidade = DuplaSena;
    Configuracao.QdeJogosPorVolante = 3;
    Configuracao.QdeNumPorVolante = 8;
    Configuracao.QdeSurpresinha = 2;
    Configuracao.QdeTeimosinha = 9;
    const QString Oito1 = QStringLiteral("01 10 12 23 34 41 45 50");
    const QString Oito2 = QStringLiteral("02 09 19 20 28 37 46 49");
    const QString Oito3 = QStringLiteral("05 06 15 25 31 35 40 44");
    ConfereVolantesDesenhados(Configuracao,
                              {Folha({Oito1, Oito2, Oito3}, {1, 2, 3}, 1),
                               Folha({Oito3, Oito1, Oito2}, {4, 5, 6}, 1), Folha({Oito2}, {7}, 1)},
                              {3 * 8 + 3, 3 * 8 + 3, 8 + 3});

    Configuracao.LayoutIndex = 1;
    Configuracao.QdeNumPorVolante = 12;
    Configuracao.QdeSurpresinha = 4;
    Configuracao.QdeTeimosinha = 0;
    Configuracao.QdeBolao = 50;
    const QString Doze1 = QStringLiteral("01 05 10 11 18 22 29 33 37 41 46 50");
    const QString Doze2 = QStringLiteral("03 07 09 14 16 20 24 27 31 39 43 48");
    ConfereVolantesDesenhados(Configuracao,
                              {Folha({Doze1, Doze2, Doze1}, {1, 2, 3}, 1), Folha({Doze2, Doze1}, {4, 5}, 1)},
                              {3 * 12 + 4, 2 * 12 + 4});
}
