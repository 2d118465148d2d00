#include "ConfereLayout.h"

#include <gtest/gtest.h>

namespace {

const QString Quina = QStringLiteral("Quina");
const QString Cinco = QStringLiteral("01 02 03 04 05");

constexpr TFormatoShape R = TFormatoShape::dkRectangle;
constexpr TFormatoShape E = TFormatoShape::dkElipse;

} // namespace

TEST(ImpressaoQuina, GuiasEMarcasDeCadaModelo) {
    ConfereShapes(Quina, {
                             {0, "SG_Col1", {49, 131, 16, 7}, 2, R},
                             {0, "SG_Col2", {74, 131, 16, 7}, 0, R},
                             {0, "SG_Col6", {169, 131, 16, 7}, 0, R},
                             {0, "SG_Col7", {194, 131, 16, 7}, 2, R},
                             {0, "SG_Col8", {218, 131, 16, 7}, 0, R},
                             {0, "SG_Col10", {265, 131, 16, 7}, 2, R},
                             {0, "SG_Col11", {289, 131, 16, 7}, 0, R},
                             {0, "SG_Master", {8, 131, 14, 7}, 2, R},
                             {0, "SG_Lin1_Jogo1", {8, 144, 14, 7}, 2, R},
                             {0, "SG_Lin8_Jogo1", {8, 231, 14, 7}, 2, R},
                             {0, "SG_Anula_Jogo1", {8, 243, 14, 7}, 2, R},
                             {0, "SG_Lin1_Jogo2", {8, 265, 14, 7}, 2, R},
                             {0, "SG_Lin8_Jogo2", {8, 352, 14, 7}, 2, R},
                             {0, "SG_Anula_Jogo2", {8, 364, 14, 7}, 2, R},
                             {0, "SG_Lin1_Jogo3", {8, 386, 14, 7}, 2, R},
                             {0, "SG_Lin4_Jogo3", {8, 423, 14, 7}, 2, R},
                             {0, "SG_Lin8_Jogo3", {8, 473, 14, 7}, 2, R},
                             {0, "SG_Anula_Jogo3", {8, 485, 14, 7}, 2, R},
                             {0, "SG_QdeNumPorVolante", {8, 512, 14, 7}, 2, R},
                             {0, "ShapeQdeNumPorVolante", {8, 512, 13, 7}, 100, E},
                             {0, "SG_Surpresinha", {8, 545, 14, 7}, 2, R},
                             {0, "ShapeSurpresinha", {8, 545, 13, 7}, 100, E},
                             {0, "SG_Teimosinha", {8, 577, 14, 7}, 2, R},
                             {0, "ShapeTeimosinha", {8, 577, 13, 7}, 100, E},
                             {0, "SG_BolaoDezena", {8, 600, 14, 7}, 2, R},
                             {0, "ShapeBolaoDezena", {8, 600, 13, 7}, 100, E},
                             {0, "SG_BolaoUnidade", {8, 616, 14, 7}, 2, R},
                             {0, "ShapeBolaoUnidade", {8, 616, 13, 7}, 100, E},
                             {0, "ShapeJogo3_Num5", {0, 0, 13, 7}, 100, E},
                             {1, "SG_Col1", {50, 235, 16, 8}, 0, R},
                             {1, "SG_Col6", {170, 235, 16, 8}, 0, R},
                             {1, "SG_Col7", {195, 235, 16, 8}, 2, R},
                             {1, "SG_Col8", {219, 235, 16, 8}, 2, R},
                             {1, "SG_Col9", {243, 235, 16, 8}, 2, R},
                             {1, "SG_Col10", {267, 235, 16, 8}, 2, R},
                             {1, "SG_Col11", {290, 235, 16, 8}, 0, R},
                             {1, "SG_Master", {8, 235, 14, 7}, 2, R},
                             {1, "SG_Lin1_Jogo1", {8, 251, 14, 7}, 2, R},
                             {1, "SG_Lin6_Jogo1", {8, 313, 14, 7}, 2, R},
                             {1, "SG_Lin8_Jogo1", {8, 338, 14, 7}, 2, R},
                             {1, "SG_Anula_Jogo1", {8, 350, 14, 7}, 2, R},
                             {1, "SG_Lin1_Jogo2", {8, 375, 14, 7}, 2, R},
                             {1, "SG_Lin8_Jogo2", {8, 462, 14, 7}, 2, R},
                             {1, "SG_Anula_Jogo2", {8, 474, 14, 7}, 2, R},
                             {1, "SG_QdeNumPorVolante", {8, 507, 14, 7}, 2, R},
                             {1, "ShapeQdeNumPorVolante", {8, 507, 13, 7}, 100, E},
                             {1, "SG_Surpresinha", {8, 544, 14, 7}, 2, R},
                             {1, "ShapeSurpresinha", {8, 544, 13, 7}, 100, E},
                             {1, "SG_BolaoDezena", {8, 581, 14, 7}, 2, R},
                             {1, "ShapeBolaoDezena", {8, 581, 13, 7}, 100, E},
                             {1, "SG_BolaoUnidade", {8, 596, 14, 7}, 2, R},
                             {1, "ShapeBolaoUnidade", {8, 596, 13, 7}, 100, E},
                             {1, "ShapeJogo2_Num5", {0, 0, 13, 7}, 100, E},
                         });
    // No 100 box on either model; model 1 has two game blocks and no repeat-draw row.
    const TMontagem Modelos[] = {Monta(Quina, 0), Monta(Quina, 1)};
    for (const TMontagem& Montagem : Modelos)
        for (const char* Ausente : {"SG_Bolao100", "ShapeBolao100", "SG_Col0"})
            EXPECT_EQ(Montagem.Shape(QString::fromLatin1(Ausente)), nullptr) << Ausente;
    for (const char* Ausente : {"SG_Teimosinha", "ShapeTeimosinha", "SG_Lin1_Jogo3", "SG_Anula_Jogo3"})
        EXPECT_EQ(Modelos[1].Shape(QString::fromLatin1(Ausente)), nullptr) << Ausente;
}

TEST(ImpressaoQuina, OrdemDeCriacao) {
    // Columns, master, each block's eight rows and its cancel row, the option rows (guide then mark),
    // then the numbers of every game.
    const QStringList Grade{
        QStringLiteral("SG_Col1"),       QStringLiteral("SG_Col11"),      QStringLiteral("SG_Master"),
        QStringLiteral("SG_Lin1_Jogo1"), QStringLiteral("SG_Lin8_Jogo1"), QStringLiteral("SG_Anula_Jogo1"),
        QStringLiteral("SG_Lin1_Jogo2"), QStringLiteral("SG_Lin8_Jogo2"), QStringLiteral("SG_Anula_Jogo2")};
    const QStringList Inicio{QStringLiteral("SG_QdeNumPorVolante"), QStringLiteral("ShapeQdeNumPorVolante"),
                             QStringLiteral("SG_Surpresinha"), QStringLiteral("ShapeSurpresinha")};
    const QStringList Cotas{QStringLiteral("SG_BolaoDezena"),  QStringLiteral("ShapeBolaoDezena"),
                            QStringLiteral("SG_BolaoUnidade"), QStringLiteral("ShapeBolaoUnidade"),
                            QStringLiteral("ShapeJogo1_Num1"), QStringLiteral("ShapeJogo2_Num5")};
    ConfereOrdemDeCriacao(
        Quina, 0,
        Grade + QStringList{QStringLiteral("SG_Lin1_Jogo3"), QStringLiteral("SG_Anula_Jogo3")} + Inicio +
            QStringList{QStringLiteral("SG_Teimosinha"), QStringLiteral("ShapeTeimosinha")} + Cotas +
            QStringList{QStringLiteral("ShapeJogo3_Num5")},
        11 + 1 + 27 + 10 + 3 * 5);
    ConfereOrdemDeCriacao(Quina, 1, Grade + Inicio + Cotas, 11 + 1 + 18 + 8 + 2 * 5);
}

TEST(ImpressaoQuina, PosicoesDosTextos) {
    const TMontagem Montagem = Monta(Quina, 0);
    const TImpressao& Impressao = *Montagem.Impressao;
    EXPECT_EQ(Impressao.ImpRelacaoJogos_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpRelacaoJogos_T(), QList<int>({25, 25}));
    EXPECT_EQ(Impressao.ImpNomeModalidade_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpNomeModalidade_T(), QList<int>({90, 175}));
    EXPECT_EQ(Impressao.ImpNumPagina_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpNumPagina_T(), QList<int>({639, 626}));
    EXPECT_EQ(Impressao.ImpNomeModalidadeExtra_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpNomeModalidadeExtra_T(), QList<int>({672, 663}));
    EXPECT_EQ(Impressao.ImpQdeCotas_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpQdeCotas_T(), QList<int>({639, 626}));
}

TEST(ImpressaoQuina, MarcaDeCadaNumero) {
    // Row r holds 10(r - 1) + 1 to 10r, column c the numbers ending in c; (+2, 0) on model 0, (+1, 0)
    // on model 1.
    const QString Oitentas = QStringLiteral("10 20 30 40 80");
    const QString Cantos = QStringLiteral("36 47 58 69 71");
    ConfereMarcas(
        Quina, {
                   {0, {}, {Cinco, Cinco, Oitentas}, {{QStringLiteral("ShapeJogo3_Num5"), {265 + 2, 473}}}},
                   {0, {}, {Cinco}, {{QStringLiteral("ShapeJogo1_Num1"), {49 + 2, 144}}}},
                   {0, {}, {Oitentas}, {{QStringLiteral("ShapeJogo1_Num1"), {265 + 2, 144}}}},
                   {0, {}, {Cantos}, {{QStringLiteral("ShapeJogo1_Num5"), {49 + 2, 231}}}},
                   {0, {}, {Cinco, Cantos}, {{QStringLiteral("ShapeJogo2_Num1"), {169 + 2, 302}}}},
                   {0, {}, {Cinco, Cantos}, {{QStringLiteral("ShapeJogo2_Num4"), {241 + 2, 339}}}},
                   {0, {}, {Cinco, Oitentas}, {{QStringLiteral("ShapeJogo2_Num5"), {265 + 2, 352}}}},
                   {0, {}, {Cinco, Cinco, Cinco}, {{QStringLiteral("ShapeJogo3_Num1"), {49 + 2, 386}}}},
                   {1, {}, {Cinco, Cinco}, {{QStringLiteral("ShapeJogo2_Num1"), {50 + 1, 375}}}},
                   {1, {}, {Cinco}, {{QStringLiteral("ShapeJogo1_Num1"), {50 + 1, 251}}}},
                   {1, {}, {Oitentas}, {{QStringLiteral("ShapeJogo1_Num5"), {267 + 1, 338}}}},
                   {1, {}, {Cantos}, {{QStringLiteral("ShapeJogo1_Num1"), {170 + 1, 288}}}},
                   {1, {}, {Cantos}, {{QStringLiteral("ShapeJogo1_Num4"), {243 + 1, 326}}}},
                   {1, {}, {Cinco, Oitentas}, {{QStringLiteral("ShapeJogo2_Num2"), {267 + 1, 387}}}},
                   {1, {}, {Cinco, Oitentas}, {{QStringLiteral("ShapeJogo2_Num5"), {267 + 1, 462}}}},
               });
}

TEST(ImpressaoQuina, MarcasDasOpcoes) {
    const QString Qde = QStringLiteral("ShapeQdeNumPorVolante");
    const QString Surpresinha = QStringLiteral("ShapeSurpresinha");
    const QString Teimosinha = QStringLiteral("ShapeTeimosinha");
    const QString Dezena = QStringLiteral("ShapeBolaoDezena");
    const QString Unidade = QStringLiteral("ShapeBolaoUnidade");
    const QPoint Qde5Modelo0(49 + 1, 512 + 1);
    const QPoint Qde5Modelo1(50 + 1, 507);
    const QPoint Qde7Modelo0(97 + 1, 512 + 1);
    ConfereMarcasDeOpcao(
        Quina, {
                   // Numbers per game: 5 to 15 on columns 1 to 11; (+1, +1) on model 0, (+1, 0) on model 1.
                   {0, {5}, {Cinco}, {{Qde, Qde5Modelo0}}},
                   {0, {10}, {Cinco}, {{Qde, {169 + 1, 513}}}},
                   {0, {15}, {Cinco}, {{Qde, {289 + 1, 512 + 1}}}},
                   {1, {5}, {Cinco}, {{Qde, Qde5Modelo1}}},
                   {1, {15}, {Cinco}, {{Qde, {290 + 1, 507}}}},
                   // Quick pick 1 to 7 (model 0) or 8 (model 1); (+2, +1) / (+2, 0).
                   {0, {5, 1}, {Cinco}, {{Qde, Qde5Modelo0}, {Surpresinha, {49 + 2, 545 + 1}}}},
                   {0, {5, 7}, {Cinco}, {{Qde, Qde5Modelo0}, {Surpresinha, {194 + 2, 545 + 1}}}},
                   {1, {5, 1}, {Cinco}, {{Qde, Qde5Modelo1}, {Surpresinha, {50 + 2, 544}}}},
                   {1, {5, 8}, {Cinco}, {{Qde, Qde5Modelo1}, {Surpresinha, {219 + 2, 544}}}},
                   // Repeat draws 3, 6, 12, 18, 24 on columns 2, 4, 6, 8, 10; (+2, 0).
                   {0, {5, 0, 3}, {Cinco}, {{Qde, Qde5Modelo0}, {Teimosinha, {74 + 2, 577}}}},
                   {0, {5, 0, 6}, {Cinco}, {{Qde, Qde5Modelo0}, {Teimosinha, {122 + 2, 577}}}},
                   {0, {5, 0, 12}, {Cinco}, {{Qde, Qde5Modelo0}, {Teimosinha, {169 + 2, 577}}}},
                   {0, {5, 0, 18}, {Cinco}, {{Qde, Qde5Modelo0}, {Teimosinha, {218 + 2, 577}}}},
                   {0, {5, 0, 24}, {Cinco}, {{Qde, Qde5Modelo0}, {Teimosinha, {265 + 2, 577}}}},
                   // Quotas up to 50: tens digit, units digit + 1; (+1, 0).
                   {0, {5, 0, 0, 2}, {Cinco}, {{Qde, Qde5Modelo0}, {Unidade, {97 + 1, 616}}}},
                   {0, {5, 0, 0, 7}, {Cinco}, {{Qde, Qde5Modelo0}, {Unidade, {218 + 1, 616}}}},
                   {0, {6, 0, 0, 9}, {Cinco}, {{Qde, {74 + 1, 513}}, {Unidade, {265 + 1, 616}}}},
                   {0,
                    {7, 0, 0, 10},
                    {Cinco},
                    {{Qde, Qde7Modelo0}, {Dezena, {49 + 1, 600}}, {Unidade, {49 + 1, 616}}}},
                   {0,
                    {7, 0, 0, 49},
                    {Cinco},
                    {{Qde, Qde7Modelo0}, {Dezena, {122 + 1, 600}}, {Unidade, {265 + 1, 616}}}},
                   {0,
                    {7, 0, 0, 50},
                    {Cinco},
                    {{Qde, Qde7Modelo0}, {Dezena, {146 + 1, 600}}, {Unidade, {49 + 1, 616}}}},
                   {1,
                    {7, 0, 0, 23},
                    {Cinco},
                    {{Qde, {98 + 1, 507}}, {Dezena, {75 + 1, 581}}, {Unidade, {123 + 1, 596}}}},
                   {1,
                    {7, 0, 0, 50},
                    {Cinco},
                    {{Qde, {98 + 1, 507}}, {Dezena, {147 + 1, 581}}, {Unidade, {50 + 1, 596}}}},
               });
}

TEST(ImpressaoQuina, ValorSemCaixaDaErroDeColocacao) {
    ConfereErros(Quina,
                 {
                     {0,
                      {5},
                      QStringLiteral("01 02 03 04 81"),
                      "SG_Col-1",
                      "SG_Lin-1_Jogo1",
                      "ShapeJogo1_Num5",
                      "SG_Col-1"},
                     {1,
                      {5},
                      QStringLiteral("00 02 03 04 05"),
                      "SG_Col-1",
                      "SG_Lin-1_Jogo1",
                      "ShapeJogo1_Num1",
                      "SG_Col-1"},
                     {0, {16}, Cinco, "SG_Col-1", "SG_QdeNumPorVolante", "ShapeQdeNumPorVolante", "SG_Col-1"},
                     {1, {16}, Cinco, "SG_Col-1", "SG_QdeNumPorVolante", "ShapeQdeNumPorVolante", "SG_Col-1"},
                     // Model 0 has seven quick-pick boxes, model 1 eight.
                     {0, {5, 8}, Cinco, "SG_Col-1", "SG_Surpresinha", "ShapeSurpresinha", "SG_Col-1"},
                     {1, {5, 9}, Cinco, "SG_Col-1", "SG_Surpresinha", "ShapeSurpresinha", "SG_Col-1"},
                     {0, {5, 0, 9}, Cinco, "SG_Col-1", "SG_Teimosinha", "ShapeTeimosinha", "SG_Col-1"},
                     // Repeat draws that reach model 1 anyway find no row to mark.
                     {1, {5, 0, 3}, Cinco, "SG_Col2", "SG_Teimosinha", "ShapeTeimosinha", "SG_Teimosinha"},
                 });
}

TEST(ImpressaoQuina, TodoValorPermitidoTemMarca) {
    for (const int Modelo : {0, 1})
        EXPECT_EQ(ValoresSemMarca(Quina, Modelo), QStringList()) << "modelo " << Modelo;
}

TEST(ImpressaoQuina, VolantesDesenhados) {
    TConfiguracaoImpressao Configuracao;
    Configuracao.NomeModalidade = Quina;
    Configuracao.QdeJogosPorVolante = 3;
    Configuracao.QdeNumPorVolante = 7;
    Configuracao.QdeSurpresinha = 5;
    Configuracao.QdeTeimosinha = 18;
    const QString Sete1 = QStringLiteral("01 12 23 34 45 56 80");
    const QString Sete2 = QStringLiteral("10 19 28 37 46 55 71");
    const QString Sete3 = QStringLiteral("05 15 25 35 65 75 79");
    ConfereVolantesDesenhados(Configuracao,
                              {Folha({Sete1, Sete2, Sete3}, {1, 2, 3}, 1),
                               Folha({Sete3, Sete1, Sete2}, {4, 5, 6}, 1), Folha({Sete2, Sete3}, {7, 8}, 1)},
                              {3 * 7 + 3, 3 * 7 + 3, 2 * 7 + 3});

    Configuracao.LayoutIndex = 1;
    Configuracao.QdeJogosPorVolante = 2;
    Configuracao.QdeNumPorVolante = 10;
    Configuracao.QdeSurpresinha = 8;
    Configuracao.QdeTeimosinha = 0;
    Configuracao.QdeBolao = 37;
    const QString Dez1 = QStringLiteral("01 08 15 22 29 36 43 50 64 80");
    const QString Dez2 = QStringLiteral("02 11 20 33 44 57 61 69 72 78");
    ConfereVolantesDesenhados(Configuracao, {Folha({Dez1, Dez2}, {1, 2}, 1), Folha({Dez2}, {3}, 1)},
                              {2 * 10 + 4, 10 + 4});
}
