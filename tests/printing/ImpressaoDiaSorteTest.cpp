#include "ConfereLayout.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const QString DiaDeSorte = QStringLiteral("Dia de Sorte");
const QString Sete = QStringLiteral("01 02 03 04 05 06 07");

constexpr TFormatoShape R = TFormatoShape::dkRectangle;
constexpr TFormatoShape E = TFormatoShape::dkElipse;

QString Texto(const char* Nome) {
    return QString::fromLatin1(Nome);
}

// A sheet whose games carry their months, as the print queue fills them.
TFolhaImpressao FolhaComMeses(const QStringList& Jogos, const QList<int>& Meses,
                              const QList<int>& Ids = {1, 2, 3}, int Pagina = 1) {
    TFolhaImpressao Resultado = Folha(Jogos, Ids, Pagina);
    for (qsizetype Slot = 0; Slot < Meses.size(); ++Slot)
        Resultado.MesJogo[std::size_t(Slot)] = Meses[Slot];
    return Resultado;
}

// A sheet of games with their months, on a slip model with those options.
struct TCasoFolha {
    int Modelo;
    TOpcoesVolante Opcoes;
    QStringList Jogos;
    QList<int> Meses;
    std::map<QString, QPoint> Marcas;
};

// The slip of the case after SetDados of its sheet.
TMontagem MontaFolha(const TCasoFolha& Caso) {
    TMontagem Montagem = MontaCom(DiaDeSorte, Caso.Modelo, Caso.Opcoes);
    Montagem.Impressao->SetDados(FolhaComMeses(Caso.Jogos, Caso.Meses));
    return Montagem;
}

// The marks shown whose names pass Filtro, with their top-left corners.
std::map<QString, QPoint> MarcasVistas(const TMontagem& Montagem,
                                       const std::function<bool(const QString&)>& Filtro) {
    std::map<QString, QPoint> Marcas;
    for (const TShape* Marca : MarcasVisiveis(Montagem.Form->RLReport1()))
        if (Filtro(Marca->Name()))
            Marcas[Marca->Name()] = Marca->Box().topLeft();
    return Marcas;
}

bool MarcaDeMes(const QString& Nome) {
    return Nome.endsWith(QStringLiteral("_Mes"));
}

bool MarcaDeOpcao(const QString& Nome) {
    return !Nome.startsWith(QStringLiteral("ShapeJogo"));
}

std::string Descricao(const TCasoFolha& Caso) {
    const QString Texto =
        QStringLiteral("modelo %1, %2 por jogo, surpresinha %3, teimosinha %4, cotas %5, jogos %6")
            .arg(Caso.Modelo)
            .arg(Caso.Opcoes.QdeNumPorVolante)
            .arg(Caso.Opcoes.Surpresinha)
            .arg(Caso.Opcoes.Teimosinha)
            .arg(Caso.Opcoes.Bolao)
            .arg(Caso.Jogos.join(QStringLiteral(" / ")));
    return Texto.toStdString();
}

} // namespace

TEST(ImpressaoDiaSorte, GuiasEMarcasDeCadaModelo) {
    ConfereShapes(DiaDeSorte, {
                                  {0, "SG_Col1", {25, 137, 16, 7}, 2, R},
                                  {0, "SG_Col2", {50, 137, 16, 7}, 0, R},
                                  {0, "SG_Col3", {73, 137, 16, 7}, 0, R},
                                  {0, "SG_Col4", {98, 137, 16, 7}, 2, R},
                                  {0, "SG_Col5", {122, 137, 16, 7}, 2, R},
                                  {0, "SG_Col6", {144, 137, 16, 7}, 2, R},
                                  {0, "SG_Col7", {169, 137, 16, 7}, 0, R},
                                  {0, "SG_Col8", {193, 137, 16, 7}, 0, R},
                                  {0, "SG_Col9", {217, 137, 16, 7}, 0, R},
                                  {0, "SG_Col10", {241, 137, 16, 7}, 2, R},
                                  {0, "SG_Col11", {265, 137, 16, 7}, 0, R},
                                  {0, "SG_Master", {8, 137, 13, 7}, 2, R},
                                  {0, "SG_Lin1_Jogo1", {8, 162, 13, 7}, 2, R},
                                  {0, "SG_Lin4_Jogo1", {8, 198, 13, 7}, 2, R},
                                  {0, "SG_Lin1_Jogo1_Mes", {8, 223, 13, 7}, 2, R},
                                  {0, "SG_Lin2_Jogo1_Mes", {8, 235, 13, 7}, 2, R},
                                  {0, "SG_Anula_Jogo1", {8, 248, 13, 7}, 2, R},
                                  {0, "ShapeJogo1_Mes", {8, 223, 13, 6}, 100, E},
                                  {0, "SG_Lin1_Jogo2", {8, 283, 13, 7}, 2, R},
                                  {0, "SG_Lin2_Jogo2", {8, 296, 13, 7}, 2, R},
                                  {0, "SG_Lin4_Jogo2", {8, 320, 13, 7}, 2, R},
                                  {0, "SG_Lin1_Jogo2_Mes", {8, 345, 13, 7}, 2, R},
                                  {0, "SG_Lin2_Jogo2_Mes", {8, 357, 13, 7}, 2, R},
                                  {0, "SG_Anula_Jogo2", {8, 370, 13, 7}, 2, R},
                                  {0, "ShapeJogo2_Mes", {8, 345, 13, 6}, 100, E},
                                  {0, "SG_Lin1_Jogo3", {8, 405, 13, 7}, 2, R},
                                  {0, "SG_Lin3_Jogo3", {8, 429, 13, 7}, 2, R},
                                  {0, "SG_Lin4_Jogo3", {8, 441, 13, 7}, 2, R},
                                  {0, "SG_Lin1_Jogo3_Mes", {8, 466, 13, 7}, 2, R},
                                  {0, "SG_Lin2_Jogo3_Mes", {8, 478, 13, 7}, 2, R},
                                  {0, "SG_Anula_Jogo3", {8, 491, 13, 7}, 2, R},
                                  {0, "ShapeJogo3_Mes", {8, 466, 13, 6}, 100, E},
                                  {0, "SG_QdeNumPorVolante", {8, 520, 13, 7}, 2, R},
                                  {0, "ShapeQdeNumPorVolante", {8, 520, 12, 6}, 100, E},
                                  {0, "SG_Surpresinha", {8, 552, 13, 7}, 2, R},
                                  {0, "ShapeSurpresinha", {8, 552, 12, 6}, 100, E},
                                  {0, "SG_Teimosinha", {8, 584, 13, 7}, 2, R},
                                  {0, "ShapeTeimosinha", {8, 584, 12, 6}, 100, E},
                                  {0, "SG_BolaoDezena", {8, 608, 13, 7}, 2, R},
                                  {0, "ShapeBolaoDezena", {8, 608, 12, 6}, 100, E},
                                  {0, "SG_BolaoUnidade", {8, 623, 13, 7}, 2, R},
                                  {0, "ShapeBolaoUnidade", {8, 623, 12, 6}, 100, E},
                                  {0, "ShapeJogo3_Num7", {0, 0, 12, 6}, 100, E},
                                  {1, "SG_Col1", {25, 90, 16, 7}, 0, R},
                                  {1, "SG_Col2", {50, 90, 16, 7}, 2, R},
                                  {1, "SG_Col3", {74, 90, 16, 7}, 0, R},
                                  {1, "SG_Col4", {98, 90, 16, 7}, 0, R},
                                  {1, "SG_Col5", {122, 90, 16, 7}, 2, R},
                                  {1, "SG_Col6", {146, 90, 16, 7}, 2, R},
                                  {1, "SG_Col7", {170, 90, 16, 7}, 2, R},
                                  {1, "SG_Col8", {194, 90, 16, 7}, 0, R},
                                  {1, "SG_Col9", {217, 90, 16, 7}, 0, R},
                                  {1, "SG_Col10", {242, 90, 16, 7}, 0, R},
                                  {1, "SG_Master", {9, 90, 13, 7}, 2, R},
                                  {1, "SG_Lin1_Jogo1", {9, 133, 13, 7}, 2, R},
                                  {1, "SG_Lin5_Jogo1", {9, 193, 13, 7}, 2, R},
                                  {1, "SG_Anula_Jogo1", {9, 214, 13, 7}, 2, R},
                                  {1, "SG_Lin1_Jogo2", {9, 266, 13, 7}, 2, R},
                                  {1, "SG_Lin3_Jogo2", {9, 296, 13, 7}, 2, R},
                                  {1, "SG_Lin5_Jogo2", {9, 326, 13, 7}, 2, R},
                                  {1, "SG_Anula_Jogo2", {9, 347, 13, 7}, 2, R},
                                  {1, "SG_Lin1_Jogo3", {9, 399, 13, 7}, 2, R},
                                  {1, "SG_Lin4_Jogo3", {9, 444, 13, 7}, 2, R},
                                  {1, "SG_Lin5_Jogo3", {9, 459, 13, 7}, 2, R},
                                  {1, "SG_Anula_Jogo3", {9, 480, 13, 7}, 2, R},
                                  {1, "SG_QdeNumPorVolante", {9, 512, 13, 7}, 2, R},
                                  {1, "ShapeQdeNumPorVolante", {9, 512, 12, 6}, 100, E},
                                  {1, "SG_Surpresinha", {9, 548, 13, 7}, 2, R},
                                  {1, "ShapeSurpresinha", {9, 548, 12, 6}, 100, E},
                                  {1, "SG_Teimosinha", {9, 584, 13, 7}, 2, R},
                                  {1, "ShapeTeimosinha", {9, 584, 12, 6}, 100, E},
                                  {1, "SG_BolaoDezena", {9, 612, 13, 7}, 2, R},
                                  {1, "ShapeBolaoDezena", {9, 612, 12, 6}, 100, E},
                                  {1, "SG_BolaoUnidade", {9, 624, 13, 7}, 2, R},
                                  {1, "ShapeBolaoUnidade", {9, 624, 12, 6}, 100, E},
                                  {1, "ShapeJogo1_Num1", {0, 0, 12, 6}, 100, E},
                              });
    // No 100 box on either model; model 1 has five number rows, ten columns and no month boxes.
    const TMontagem Modelos[] = {Monta(DiaDeSorte, 0), Monta(DiaDeSorte, 1)};
    for (const TMontagem& Montagem : Modelos)
        for (const char* Ausente : {"SG_Bolao100", "ShapeBolao100", "SG_Col0"})
            EXPECT_EQ(Montagem.Shape(Texto(Ausente)), nullptr) << Ausente;
    EXPECT_EQ(Modelos[0].Shape(QStringLiteral("SG_Lin5_Jogo1")), nullptr);
    for (const char* Ausente : {"SG_Col11", "SG_Lin1_Jogo1_Mes", "SG_Lin2_Jogo3_Mes", "ShapeJogo1_Mes",
                                "ShapeJogo2_Mes", "ShapeJogo3_Mes"})
        EXPECT_EQ(Modelos[1].Shape(Texto(Ausente)), nullptr) << Ausente;
}

TEST(ImpressaoDiaSorte, OrdemDeCriacao) {
    const QStringList Opcoes{QStringLiteral("SG_QdeNumPorVolante"), QStringLiteral("ShapeQdeNumPorVolante"),
                             QStringLiteral("SG_Surpresinha"),      QStringLiteral("ShapeSurpresinha"),
                             QStringLiteral("SG_Teimosinha"),       QStringLiteral("ShapeTeimosinha"),
                             QStringLiteral("SG_BolaoDezena"),      QStringLiteral("ShapeBolaoDezena"),
                             QStringLiteral("SG_BolaoUnidade"),     QStringLiteral("ShapeBolaoUnidade"),
                             QStringLiteral("ShapeJogo1_Num1"),     QStringLiteral("ShapeJogo3_Num7")};
    // Model 0: each block's number rows, its month rows, its cancel row, then its month mark.
    QStringList Modelo0{QStringLiteral("SG_Col1"), QStringLiteral("SG_Col11"), QStringLiteral("SG_Master")};
    for (int Jogo = 1; Jogo <= 3; ++Jogo)
        Modelo0 << QStringLiteral("SG_Lin1_Jogo%1").arg(Jogo) << QStringLiteral("SG_Lin4_Jogo%1").arg(Jogo)
                << QStringLiteral("SG_Lin1_Jogo%1_Mes").arg(Jogo)
                << QStringLiteral("SG_Lin2_Jogo%1_Mes").arg(Jogo)
                << QStringLiteral("SG_Anula_Jogo%1").arg(Jogo) << QStringLiteral("ShapeJogo%1_Mes").arg(Jogo);
    ConfereOrdemDeCriacao(DiaDeSorte, 0, Modelo0 + Opcoes, 11 + 1 + 3 * 8 + 10 + 3 * 7);

    QStringList Modelo1{QStringLiteral("SG_Col1"), QStringLiteral("SG_Col10"), QStringLiteral("SG_Master")};
    for (int Jogo = 1; Jogo <= 3; ++Jogo)
        Modelo1 << QStringLiteral("SG_Lin1_Jogo%1").arg(Jogo) << QStringLiteral("SG_Lin5_Jogo%1").arg(Jogo)
                << QStringLiteral("SG_Anula_Jogo%1").arg(Jogo);
    ConfereOrdemDeCriacao(DiaDeSorte, 1, Modelo1 + Opcoes, 10 + 1 + 3 * 6 + 10 + 3 * 7);
}

TEST(ImpressaoDiaSorte, PosicoesDosTextos) {
    const TMontagem Montagem = Monta(DiaDeSorte, 1);
    const TImpressao& Impressao = *Montagem.Impressao;
    EXPECT_EQ(Impressao.ImpRelacaoJogos_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpRelacaoJogos_T(), QList<int>({25, 23}));
    EXPECT_EQ(Impressao.ImpNomeModalidade_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpNomeModalidade_T(), QList<int>({90, 64}));
    EXPECT_EQ(Impressao.ImpNumPagina_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpNumPagina_T(), QList<int>({655, 657}));
    EXPECT_EQ(Impressao.ImpNomeModalidadeExtra_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpNomeModalidadeExtra_T(), QList<int>({678, 680}));
    EXPECT_EQ(Impressao.ImpQdeCotas_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpQdeCotas_T(), QList<int>({655, 657}));
    EXPECT_EQ(Impressao.Box(), QList<int>({0, 0, 12, 6}));
}

TEST(ImpressaoDiaSorte, MarcaDeCadaNumero) {
    // Model 0: rows of ten, 31 alone on row 4, (+2, 0). Model 1: rows of seven on columns 2 to 8, (+3, 0).
    const QString Fim = QStringLiteral("01 02 03 04 05 06 31");
    const QString Dezenas = QStringLiteral("10 20 30 11 19 21 29");
    const QString Setes = QStringLiteral("07 08 14 15 28 29 30");
    const std::vector<TCasoFolha> Casos{
        {0, {}, {Fim}, {1}, {{QStringLiteral("ShapeJogo1_Num1"), {25 + 2, 162}}}},
        {0, {}, {Fim}, {1}, {{QStringLiteral("ShapeJogo1_Num7"), {25 + 2, 198}}}},
        {0, {}, {Dezenas}, {1}, {{QStringLiteral("ShapeJogo1_Num1"), {241 + 2, 162}}}},
        {0, {}, {Dezenas}, {1}, {{QStringLiteral("ShapeJogo1_Num3"), {241 + 2, 186}}}},
        {0, {}, {Sete, Fim}, {1, 1}, {{QStringLiteral("ShapeJogo2_Num1"), {25 + 2, 283}}}},
        {0, {}, {Sete, Fim}, {1, 1}, {{QStringLiteral("ShapeJogo2_Num7"), {25 + 2, 320}}}},
        {0, {}, {Sete, Dezenas}, {1, 1}, {{QStringLiteral("ShapeJogo2_Num2"), {241 + 2, 296}}}},
        {0, {}, {Sete, Sete, Dezenas}, {1, 1, 1}, {{QStringLiteral("ShapeJogo3_Num3"), {241 + 2, 429}}}},
        {0, {}, {Sete, Sete, Dezenas}, {1, 1, 1}, {{QStringLiteral("ShapeJogo3_Num5"), {217 + 2, 417}}}},
        {0, {}, {Sete, Sete, Fim}, {1, 1, 1}, {{QStringLiteral("ShapeJogo3_Num7"), {25 + 2, 441}}}},
        {1, {}, {Fim}, {}, {{QStringLiteral("ShapeJogo1_Num7"), {98 + 3, 193}}}},
        {1, {}, {Sete}, {}, {{QStringLiteral("ShapeJogo1_Num7"), {194 + 3, 133}}}},
        {1, {}, {Sete}, {}, {{QStringLiteral("ShapeJogo1_Num1"), {50 + 3, 133}}}},
        {1, {}, {Sete, Setes}, {}, {{QStringLiteral("ShapeJogo2_Num2"), {50 + 3, 281}}}},
        {1, {}, {Sete, Setes}, {}, {{QStringLiteral("ShapeJogo2_Num6"), {50 + 3, 326}}}},
        {1, {}, {Sete, Sete, Setes}, {}, {{QStringLiteral("ShapeJogo3_Num4"), {50 + 3, 429}}}},
        {1, {}, {Sete, Sete, Setes}, {}, {{QStringLiteral("ShapeJogo3_Num5"), {194 + 3, 444}}}},
        {1, {}, {Sete, Sete, Setes}, {}, {{QStringLiteral("ShapeJogo3_Num7"), {74 + 3, 459}}}},
        {1, {}, {Sete, Sete, Fim}, {}, {{QStringLiteral("ShapeJogo3_Num7"), {98 + 3, 459}}}},
    };
    for (const TCasoFolha& Caso : Casos) {
        SCOPED_TRACE(Descricao(Caso));
        const TMontagem Montagem = MontaFolha(Caso);
        const auto Vistas = MarcasVistas(Montagem, [](const QString&) { return true; });
        for (const auto& [Nome, Canto] : Caso.Marcas) {
            ASSERT_TRUE(Vistas.contains(Nome)) << Nome.toStdString();
            EXPECT_EQ(Vistas.at(Nome), Canto) << Nome.toStdString();
        }
        EXPECT_TRUE(Montagem.Impressao->Mensagens().isEmpty());
    }
}

TEST(ImpressaoDiaSorte, MesDeCadaJogoSoNoModelo0) {
    // January to June on the first month row, July to December on the second, on the odd columns; no
    // fine adjustment. Model 1 has no month boxes: the months of its sheets mark nothing.
    const QString Mes1 = QStringLiteral("ShapeJogo1_Mes");
    const QString Mes2 = QStringLiteral("ShapeJogo2_Mes");
    const QString Mes3 = QStringLiteral("ShapeJogo3_Mes");
    const std::vector<TCasoFolha> Casos{
        {0, {}, {Sete}, {1}, {{Mes1, {25, 223}}}},
        {0, {}, {Sete}, {6}, {{Mes1, {265, 223}}}},
        {0, {}, {Sete}, {8}, {{Mes1, {73, 235}}}},
        {0, {}, {Sete, Sete}, {1, 12}, {{Mes1, {25, 223}}, {Mes2, {265, 357}}}},
        {0, {}, {Sete, Sete}, {2, 4}, {{Mes1, {73, 223}}, {Mes2, {169, 345}}}},
        {0, {}, {Sete, Sete, Sete}, {3, 5, 7}, {{Mes1, {122, 223}}, {Mes2, {217, 345}}, {Mes3, {25, 478}}}},
        {0,
         {},
         {Sete, Sete, Sete},
         {9, 10, 11},
         {{Mes1, {122, 235}}, {Mes2, {169, 357}}, {Mes3, {217, 478}}}},
        // A game without numbers gets no month, even when the sheet carries one.
        {0, {}, {Sete, QString(), Sete}, {1, 2, 3}, {{Mes1, {25, 223}}, {Mes3, {122, 466}}}},
        {1, {}, {Sete}, {1}, {}},
        {1, {}, {Sete, Sete, Sete}, {12, 7, 13}, {}},
    };
    for (const TCasoFolha& Caso : Casos) {
        SCOPED_TRACE(Descricao(Caso));
        const TMontagem Montagem = MontaFolha(Caso);
        EXPECT_EQ(MarcasVistas(Montagem, MarcaDeMes), Caso.Marcas);
        EXPECT_TRUE(Montagem.Impressao->Mensagens().isEmpty());
    }
}

TEST(ImpressaoDiaSorte, MarcasDasOpcoes) {
    const QString Qde = QStringLiteral("ShapeQdeNumPorVolante");
    const QString Surpresinha = QStringLiteral("ShapeSurpresinha");
    const QString Teimosinha = QStringLiteral("ShapeTeimosinha");
    const QString Dezena = QStringLiteral("ShapeBolaoDezena");
    const QString Unidade = QStringLiteral("ShapeBolaoUnidade");
    const QPoint Qde7Modelo0(25 + 1, 520);
    const QPoint Qde7Modelo1(25 + 1, 512);
    const QPoint Qde15Modelo0(217 + 1, 520);
    const QPoint Qde15Modelo1(217 + 1, 512);
    const std::vector<TCasoFolha> Casos{
        // Numbers per game 7 to 15 on columns 1 to 9, (+1, 0).
        {0, {7}, {Sete}, {1}, {{Qde, Qde7Modelo0}}},
        {0, {11}, {Sete}, {1}, {{Qde, {122 + 1, 520}}}},
        {0, {15}, {Sete}, {1}, {{Qde, Qde15Modelo0}}},
        {1, {7}, {Sete}, {1}, {{Qde, Qde7Modelo1}}},
        {1, {15}, {Sete}, {1}, {{Qde, Qde15Modelo1}}},
        // Quick pick 1 to 7 on its own column.
        {0, {7, 1}, {Sete}, {1}, {{Qde, Qde7Modelo0}, {Surpresinha, {25, 552}}}},
        {0, {7, 7}, {Sete}, {1}, {{Qde, Qde7Modelo0}, {Surpresinha, {169, 552}}}},
        {1, {7, 1}, {Sete}, {1}, {{Qde, Qde7Modelo1}, {Surpresinha, {25, 548}}}},
        {1, {7, 7}, {Sete}, {1}, {{Qde, Qde7Modelo1}, {Surpresinha, {170, 548}}}},
        // Repeat draws 3, 6, 9, 12 on columns 1, 3, 5, 7.
        {0, {7, 0, 3}, {Sete}, {1}, {{Qde, Qde7Modelo0}, {Teimosinha, {25, 584}}}},
        {0, {7, 0, 6}, {Sete}, {1}, {{Qde, Qde7Modelo0}, {Teimosinha, {73, 584}}}},
        {0, {7, 0, 9}, {Sete}, {1}, {{Qde, Qde7Modelo0}, {Teimosinha, {122, 584}}}},
        {0, {7, 0, 12}, {Sete}, {1}, {{Qde, Qde7Modelo0}, {Teimosinha, {169, 584}}}},
        {1, {7, 0, 3}, {Sete}, {1}, {{Qde, Qde7Modelo1}, {Teimosinha, {25, 584}}}},
        {1, {7, 0, 12}, {Sete}, {1}, {{Qde, Qde7Modelo1}, {Teimosinha, {170, 584}}}},
        // Quotas at the limits: the units box alone from 2 to 9, tens and units from 10 to 60, (+1, 0).
        {0, {15, 0, 0, 2}, {Sete}, {1}, {{Qde, Qde15Modelo0}, {Unidade, {73 + 1, 623}}}},
        {0, {15, 0, 0, 9}, {Sete}, {1}, {{Qde, Qde15Modelo0}, {Unidade, {241 + 1, 623}}}},
        {0,
         {15, 0, 0, 10},
         {Sete},
         {1},
         {{Qde, Qde15Modelo0}, {Dezena, {25 + 1, 608}}, {Unidade, {25 + 1, 623}}}},
        {0,
         {15, 0, 0, 59},
         {Sete},
         {1},
         {{Qde, Qde15Modelo0}, {Dezena, {122 + 1, 608}}, {Unidade, {241 + 1, 623}}}},
        {0,
         {15, 0, 0, 60},
         {Sete},
         {1},
         {{Qde, Qde15Modelo0}, {Dezena, {144 + 1, 608}}, {Unidade, {25 + 1, 623}}}},
        {1, {15, 0, 0, 2}, {Sete}, {1}, {{Qde, Qde15Modelo1}, {Unidade, {74 + 1, 624}}}},
        {1, {15, 0, 0, 9}, {Sete}, {1}, {{Qde, Qde15Modelo1}, {Unidade, {242 + 1, 624}}}},
        {1,
         {15, 0, 0, 10},
         {Sete},
         {1},
         {{Qde, Qde15Modelo1}, {Dezena, {25 + 1, 612}}, {Unidade, {25 + 1, 624}}}},
        {1,
         {15, 0, 0, 59},
         {Sete},
         {1},
         {{Qde, Qde15Modelo1}, {Dezena, {122 + 1, 612}}, {Unidade, {242 + 1, 624}}}},
        {1,
         {15, 0, 0, 60},
         {Sete},
         {1},
         {{Qde, Qde15Modelo1}, {Dezena, {146 + 1, 612}}, {Unidade, {25 + 1, 624}}}},
    };
    for (const TCasoFolha& Caso : Casos) {
        SCOPED_TRACE(Descricao(Caso));
        const TMontagem Montagem = MontaFolha(Caso);
        EXPECT_EQ(MarcasVistas(Montagem, MarcaDeOpcao), Caso.Marcas);
        EXPECT_TRUE(Montagem.Impressao->Mensagens().isEmpty());
    }
}

TEST(ImpressaoDiaSorte, ValorSemCaixaDaErroDeColocacao) {
    struct TCaso {
        int Modelo;
        TOpcoesVolante Opcoes;
        QString Jogo;
        int Mes;
        QList<std::array<const char*, 3>> Erros; // column guide, row guide, mark of each error, in order
    };
    const QString Erro32 = QStringLiteral("01 02 03 04 05 06 32");
    const TCaso Casos[] = {
        {0, {7}, Erro32, 1, {{"SG_Col-1", "SG_Lin-1_Jogo1", "ShapeJogo1_Num7"}}},
        {1,
         {7},
         QStringLiteral("00 02 03 04 05 06 07"),
         1,
         {{"SG_Col-1", "SG_Lin-1_Jogo1", "ShapeJogo1_Num1"}}},
        {0, {7}, Sete, 13, {{"SG_Col-1", "SG_Lin-1_Jogo1_Mes", "ShapeJogo1_Mes"}}},
        {0, {7}, Sete, 0, {{"SG_Col-1", "SG_Lin-1_Jogo1_Mes", "ShapeJogo1_Mes"}}},
        {1, {16}, Sete, 1, {{"SG_Col-1", "SG_QdeNumPorVolante", "ShapeQdeNumPorVolante"}}},
        {0, {7, 8}, Sete, 1, {{"SG_Col-1", "SG_Surpresinha", "ShapeSurpresinha"}}},
        {1, {7, 0, 4}, Sete, 1, {{"SG_Col-1", "SG_Teimosinha", "ShapeTeimosinha"}}},
        // One quota is no pool; above 60 the slip has no boxes: reported, never printed as another pool.
        {0, {15, 0, 0, 1}, Sete, 1, {{"SG_Col-1", "SG_BolaoUnidade", "ShapeBolaoUnidade"}}},
        {0,
         {15, 0, 0, 61},
         Sete,
         1,
         {{"SG_Col-1", "SG_BolaoDezena", "ShapeBolaoDezena"},
          {"SG_Col-1", "SG_BolaoUnidade", "ShapeBolaoUnidade"}}},
        {1,
         {15, 0, 0, 100},
         Sete,
         1,
         {{"SG_Col-1", "SG_BolaoDezena", "ShapeBolaoDezena"},
          {"SG_Col-1", "SG_BolaoUnidade", "ShapeBolaoUnidade"}}},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(testing::Message() << "modelo " << Caso.Modelo << ", " << Caso.Erros[0][2]);
        const TMontagem Montagem = MontaCom(DiaDeSorte, Caso.Modelo, Caso.Opcoes);
        Montagem.Impressao->SetDados(FolhaComMeses({Caso.Jogo}, {Caso.Mes}));
        QStringList Esperadas;
        for (const auto& [Coluna, Linha, Marca] : Caso.Erros) {
            Esperadas << MensagemColocacao(Texto(Coluna), Texto(Linha), Texto(Marca),
                                           QStringLiteral("Objeto não encontrado: ") + Texto(Coluna));
            if (const TShape* Shape = Montagem.Shape(Texto(Marca))) {
                EXPECT_FALSE(Shape->Visible()) << Marca;
            }
        }
        QStringList Vistas;
        for (const TMensagem& Mensagem : Montagem.Impressao->Mensagens())
            Vistas << Mensagem.Texto;
        EXPECT_EQ(Vistas, Esperadas);
        // The rest of the sheet is still marked.
        EXPECT_TRUE(Montagem.Shape(QStringLiteral("ShapeJogo1_Num2"))->Visible());
    }
}

TEST(ImpressaoDiaSorte, TodoValorPermitidoTemMarca) {
    for (const int Modelo : {0, 1}) {
        SCOPED_TRACE(testing::Message() << "modelo " << Modelo);
        EXPECT_EQ(ValoresSemMarca(DiaDeSorte, Modelo), QStringList());

        // Every number and every month of each game block has a box of its own.
        const TMontagem Montagem = Monta(DiaDeSorte, Modelo);
        TImpressao& Impressao = *Montagem.Impressao;
        const auto Casa = [&](const QString& Marca, const std::function<void()>& Coloca) {
            Impressao.EscondeShapes();
            Coloca();
            const TShape* Shape = Montagem.Shape(Marca);
            return Shape && Shape->Visible() ? std::optional<QPoint>(Shape->Box().topLeft()) : std::nullopt;
        };
        for (int Jogo = 1; Jogo <= 3; ++Jogo) {
            std::set<std::pair<int, int>> Numeros;
            for (int Numero = 1; Numero <= 31; ++Numero)
                if (const auto Canto = Casa(QStringLiteral("ShapeJogo%1_Num1").arg(Jogo),
                                            [&] { Impressao.ImprimeNumero(1, Numero, Jogo); }))
                    Numeros.insert({Canto->x(), Canto->y()});
            EXPECT_EQ(Numeros.size(), 31u) << "jogo " << Jogo;

            std::set<std::pair<int, int>> Meses;
            for (int Mes = 1; Mes <= 12; ++Mes) {
                const auto Canto = Casa(QStringLiteral("ShapeJogo%1_Mes").arg(Jogo),
                                        [&] { Impressao.ImprimeMes(Jogo, Mes); });
                EXPECT_EQ(Canto.has_value(), Modelo == 0) << "jogo " << Jogo << ", mês " << Mes;
                if (Canto)
                    Meses.insert({Canto->x(), Canto->y()});
            }
            EXPECT_EQ(Meses.size(), Modelo == 0 ? 12u : 0u) << "jogo " << Jogo;
        }
        EXPECT_TRUE(Impressao.Mensagens().isEmpty());
    }
}

TEST(ImpressaoDiaSorte, VolantesDesenhados) {
    struct TCaso {
        TConfiguracaoImpressao Configuracao;
        std::vector<TFolhaImpressao> Folhas;
        QList<int> MarcasPorVolante;
    };
    const QString Oito1 = QStringLiteral("01 09 13 17 22 26 30 31");
    const QString Oito2 = QStringLiteral("02 08 10 11 20 21 27 28");
    const QString Oito3 = QStringLiteral("03 05 07 14 15 19 23 29");
    TCaso Modelo0;
    Modelo0.Configuracao.NomeModalidade = DiaDeSorte;
    Modelo0.Configuracao.QdeJogosPorVolante = 3;
    Modelo0.Configuracao.QdeNumPorVolante = 8;
    Modelo0.Configuracao.QdeSurpresinha = 3;
    Modelo0.Configuracao.QdeBolao = 20;
    Modelo0.Folhas = {FolhaComMeses({Oito1, Oito2, Oito3}, {1, 6, 12}, {1, 2, 3}),
                      FolhaComMeses({Oito3, Oito1, Oito2}, {7, 2, 11}, {4, 5, 6}),
                      FolhaComMeses({Oito2, Oito3}, {5, 9}, {7, 8})};
    // Numbers and months, then numbers per game, quick pick, tens and units.
    Modelo0.MarcasPorVolante = {3 * 8 + 3 + 4, 3 * 8 + 3 + 4, 2 * 8 + 2 + 4};

    const QString Quinze1 = QStringLiteral("01 02 03 04 05 06 07 08 09 10 11 12 13 14 15");
    const QString Quinze2 = QStringLiteral("02 04 06 08 10 12 14 16 18 20 22 24 26 28 30");
    const QString Quinze3 = QStringLiteral("17 18 19 20 21 22 23 24 25 26 27 28 29 30 31");
    TCaso Modelo1;
    Modelo1.Configuracao = Modelo0.Configuracao;
    Modelo1.Configuracao.LayoutIndex = 1;
    Modelo1.Configuracao.QdeNumPorVolante = 15;
    Modelo1.Configuracao.QdeSurpresinha = 0;
    Modelo1.Configuracao.QdeBolao = 0;
    Modelo1.Configuracao.QdeTeimosinha = 12;
    Modelo1.Folhas = {FolhaComMeses({Quinze1, Quinze2, Quinze3}, {1, 6, 12}, {1, 2, 3}),
                      FolhaComMeses({Quinze3}, {4}, {4})};
    // No month boxes on this model: numbers, numbers per game and repeat draws.
    Modelo1.MarcasPorVolante = {3 * 15 + 2, 15 + 2};

    for (const TCaso& Caso : {Modelo0, Modelo1}) {
        SCOPED_TRACE(testing::Message() << "modelo " << Caso.Configuracao.LayoutIndex);
        const TPaginaDesenhada Desenho = DesenhaPrimeiraPagina(Caso.Configuracao, Caso.Folhas);
        ASSERT_NE(Desenho.Execucao, nullptr);
        TImpressao& Impressao = Desenho.Execucao->Impressao();
        for (int Celula = 0; Celula < int(Caso.Folhas.size()); ++Celula) {
            SCOPED_TRACE(testing::Message() << "volante " << Celula + 1);
            const TFolhaImpressao& Folha = Caso.Folhas[std::size_t(Celula)];
            const TVolanteDesenhado Volante =
                ConfereVolanteDesenhado(*Desenho.Execucao, Desenho.Pagina, Celula, Folha, 1, 31);
            EXPECT_EQ(Volante.Faltas, QStringList());
            EXPECT_EQ(Volante.Marcas, Caso.MarcasPorVolante[Celula]);
            if (Caso.Configuracao.LayoutIndex != 0)
                continue;
            // Every month box of a game: dark for its month, blank for the other eleven.
            for (int Jogo = 1; Jogo <= 3; ++Jogo) {
                if (Folha.Jogo[std::size_t(Jogo - 1)].isEmpty())
                    continue;
                for (int Mes = 1; Mes <= 12; ++Mes) {
                    Impressao.EscondeShapes();
                    Impressao.ImprimeMes(Jogo, Mes);
                    const int Cinza =
                        CinzaNoCentro(Desenho.Execucao->Relatorio(), Desenho.Pagina, Celula,
                                      Desenho.Execucao->Form()
                                          .Componente<TShape>(QStringLiteral("ShapeJogo%1_Mes").arg(Jogo))
                                          ->Box());
                    if (Mes == Folha.MesJogo[std::size_t(Jogo - 1)])
                        EXPECT_LT(Cinza, 100) << "jogo " << Jogo << ", mês " << Mes;
                    else
                        EXPECT_GT(Cinza, 247) << "jogo " << Jogo << ", mês " << Mes;
                }
            }
        }
        EXPECT_TRUE(Desenho.Execucao->Mensagens().isEmpty());
    }
}
