#include "ApoioImpressao.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

const QString Seis = QStringLiteral("01 12 23 34 45 56");

struct TOpcoes {
    int QdeNumPorVolante = 6;
    int Surpresinha = 0;
    int Teimosinha = 0;
    int Bolao = 0;
};

TMontagem MontaMegaCom(int Modelo, const TOpcoes& Opcoes) {
    return MontaMega(Modelo, [&Opcoes](TImpressao& Impressao) {
        Impressao.SetQdeNumPorVolante(Opcoes.QdeNumPorVolante);
        Impressao.SetQdeSurpresinha(Opcoes.Surpresinha);
        Impressao.SetQdeTeimosinha(Opcoes.Teimosinha);
        Impressao.SetQdeBolao(Opcoes.Bolao);
    });
}

// The option marks shown, with their top-left corners.
std::map<QString, QPoint> MarcasDeOpcao(const TMontagem& Montagem) {
    std::map<QString, QPoint> Marcas;
    for (const QString& Nome : Montagem.ShapesVisiveis())
        if (Nome.startsWith(QStringLiteral("Shape")) && !Nome.startsWith(QStringLiteral("ShapeJogo")))
            Marcas[Nome] = Montagem.Shape(Nome)->Box().topLeft();
    return Marcas;
}

int QdeShapes(const TMontagem& Montagem) {
    const auto& Componentes = Montagem.Form->RLReport1().Componentes();
    return int(std::count_if(Componentes.begin(), Componentes.end(),
                             [](const TComponente* C) { return dynamic_cast<const TShape*>(C) != nullptr; }));
}

QString Nome(const char* Texto) {
    return QString::fromLatin1(Texto);
}

} // namespace

TEST(ImpressaoMega, GuiasEMarcasDeCadaModelo) {
    struct TCaso {
        int Modelo;
        const char* Nome;
        QRect Box;
        int Tag;
        TFormatoShape Formato;
    };
    const TFormatoShape R = TFormatoShape::dkRectangle;
    const TFormatoShape E = TFormatoShape::dkElipse;
    const TCaso Casos[] = {
        {0, "SG_Col0", {24, 173, 16, 7}, 2, R},
        {0, "SG_Col1", {48, 173, 16, 7}, 0, R},
        {0, "SG_Col5", {145, 173, 16, 7}, 2, R},
        {0, "SG_Col7", {194, 173, 16, 7}, 2, R},
        {0, "SG_Col9", {243, 173, 16, 7}, 0, R},
        {0, "SG_Col10", {267, 173, 16, 7}, 0, R},
        {0, "SG_Master", {8, 173, 12, 7}, 2, R},
        {0, "SG_Lin1_Jogo1", {8, 188, 12, 7}, 2, R},
        {0, "SG_Lin4_Jogo2", {8, 321, 12, 7}, 2, R},
        {0, "SG_Lin6_Jogo3", {8, 440, 12, 7}, 2, R},
        {0, "SG_Anula_Jogo2", {8, 358, 12, 6}, 2, R},
        {0, "SG_QdeNumPorVolante", {8, 480, 12, 7}, 2, R},
        {0, "ShapeQdeNumPorVolante", {8, 480, 13, 6}, 100, E},
        {0, "SG_Teimosinha", {8, 555, 12, 7}, 2, R},
        {0, "ShapeTeimosinha", {8, 555, 13, 6}, 100, E},
        {0, "ShapeBolaoDezena", {8, 587, 13, 7}, 100, E},
        {0, "SG_Bolao100", {8, 612, 12, 7}, 2, R},
        {0, "ShapeBolao100", {8, 612, 13, 7}, 100, E},
        {0, "ShapeJogo3_Num6", {0, 0, 13, 7}, 100, E},
        {1, "SG_Col0", {23, 217, 16, 7}, 2, R},
        {1, "SG_Col8", {211, 217, 16, 7}, 0, R},
        {1, "SG_Col9", {236, 217, 16, 7}, 2, R},
        {1, "SG_Master", {6, 217, 13, 7}, 2, R},
        {1, "SG_Lin1_Jogo1", {6, 230, 13, 7}, 2, R},
        {1, "SG_Lin6_Jogo3", {6, 469, 13, 7}, 2, R},
        {1, "SG_Anula_Jogo3", {6, 481, 13, 7}, 2, R},
        {1, "SG_QdeNumPorVolante1", {6, 517, 13, 7}, 2, R},
        {1, "ShapeSurpresinha", {6, 549, 13, 6}, 100, E},
        {1, "SG_BolaoUnidade", {6, 589, 13, 7}, 2, R},
        {1, "ShapeBolao100", {6, 601, 13, 6}, 100, E},
        {1, "ShapeJogo1_Num1", {0, 0, 13, 7}, 100, E},
    };
    const TMontagem Modelos[] = {MontaMega(0), MontaMega(1)};
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(testing::Message() << "modelo " << Caso.Modelo << ", " << Caso.Nome);
        const TShape* Shape = Modelos[Caso.Modelo].Shape(Nome(Caso.Nome));
        ASSERT_NE(Shape, nullptr);
        EXPECT_EQ(Shape->Box(), Caso.Box);
        EXPECT_EQ(Shape->Tag(), Caso.Tag);
        EXPECT_EQ(Shape->Formato(), Caso.Formato);
    }
    // Model 1 has no repeat-draw box, and its second numbers-per-game row no mark of its own.
    for (const char* Ausente : {"SG_Teimosinha", "ShapeTeimosinha", "ShapeQdeNumPorVolante1"})
        EXPECT_EQ(Modelos[1].Shape(Nome(Ausente)), nullptr) << Ausente;
    // Columns, master, three blocks of six rows and a cancel row, the option rows, 3 x 6 numbers.
    EXPECT_EQ(QdeShapes(Modelos[0]), 11 + 1 + 21 + 12 + 18);
    EXPECT_EQ(QdeShapes(Modelos[1]), 11 + 1 + 21 + 11 + 18);
}

TEST(ImpressaoMega, PosicoesDosTextos) {
    const TMontagem Mega = MontaMega(1);
    const TImpressao& Impressao = *Mega.Impressao;
    EXPECT_EQ(Impressao.ImpRelacaoJogos_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpRelacaoJogos_T(), QList<int>({25, 25}));
    EXPECT_EQ(Impressao.ImpNomeModalidade_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpNomeModalidade_T(), QList<int>({120, 120}));
    EXPECT_EQ(Impressao.ImpNumPagina_E(), QList<int>({43, 43}));
    EXPECT_EQ(Impressao.ImpNumPagina_T(), QList<int>({639, 639}));
    EXPECT_EQ(Impressao.ImpNomeModalidadeExtra_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpNomeModalidadeExtra_T(), QList<int>({671, 671}));
    EXPECT_EQ(Impressao.ImpQdeCotas_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpQdeCotas_T(), QList<int>({639, 639}));
    EXPECT_EQ(Impressao.Box(), QList<int>({0, 0, 13, 7}));
}

TEST(ImpressaoMega, MarcaDeCadaNumero) {
    struct TCaso {
        int Modelo;
        int Jogo;
        QStringList Jogos; // the sheet
        const char* Marca;
        QPoint Posicao;
    };
    const QString Cinco = QStringLiteral("02 03 04 05 06");
    const TCaso Casos[] = {
        {0, 1, {QStringLiteral("01 02 03 04 05 06")}, "ShapeJogo1_Num1", {48 + 2, 188 - 1}},
        {0, 1, {QStringLiteral("01 02 03 04 05 10")}, "ShapeJogo1_Num6", {267 + 2, 188 - 1}},
        {0, 2, {Seis, QStringLiteral("11 21 31 41 51 60")}, "ShapeJogo2_Num1", {48 + 2, 296 - 1}},
        {0, 2, {Seis, QStringLiteral("11 21 31 41 51 60")}, "ShapeJogo2_Num6", {267 + 2, 345 - 1}},
        {0, 3, {Seis, Seis, QStringLiteral("07 18 29 30 39 47")}, "ShapeJogo3_Num3", {243 + 2, 403 - 1}},
        {1, 1, {QStringLiteral("01 02 03 04 05 06")}, "ShapeJogo1_Num1", {46 + 2, 230}},
        {1, 2, {Seis, QStringLiteral("14 25 33 48 52 59")}, "ShapeJogo2_Num4", {211 + 2, 369}},
        {1, 3, {Seis, Seis, Cinco + QStringLiteral(" 60")}, "ShapeJogo3_Num6", {259 + 2, 469}},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(testing::Message() << "modelo " << Caso.Modelo << ", " << Caso.Marca);
        TMontagem Mega = MontaMega(Caso.Modelo);
        Mega.Impressao->SetDados(Folha(Caso.Jogos, {1, 2, 3}));
        const TShape* Marca = Mega.Shape(Nome(Caso.Marca));
        EXPECT_TRUE(Marca->Visible());
        EXPECT_EQ(Marca->Box(), QRect(Caso.Posicao, QSize(13, 7)));
        EXPECT_TRUE(Mega.Impressao->Mensagens().isEmpty());
    }
}

TEST(ImpressaoMega, MarcasDasOpcoes) {
    struct TCaso {
        int Modelo;
        TOpcoes Opcoes;
        std::map<QString, QPoint> Esperadas;
    };
    const QString Qde = QStringLiteral("ShapeQdeNumPorVolante");
    const QString Surpresinha = QStringLiteral("ShapeSurpresinha");
    const QString Teimosinha = QStringLiteral("ShapeTeimosinha");
    const QString Dezena = QStringLiteral("ShapeBolaoDezena");
    const QString Unidade = QStringLiteral("ShapeBolaoUnidade");
    const QString Cem = QStringLiteral("ShapeBolao100");
    const TCaso Casos[] = {
        // Numbers per game.
        {0, {6}, {{Qde, {48 + 1, 480}}}},
        {0, {15}, {{Qde, {267 + 1, 480}}}},
        {1, {6}, {{Qde, {46 + 2, 505}}}},
        {1, {15}, {{Qde, {259 + 2, 505}}}},
        {1, {16}, {{Qde, {46 + 2, 517}}}},
        {1, {20}, {{Qde, {140 + 2, 517}}}},
        // Quick pick.
        {0, {6, 1}, {{Qde, {49, 480}}, {Surpresinha, {48 + 1, 516}}}},
        {0, {6, 7}, {{Qde, {49, 480}}, {Surpresinha, {194 + 1, 516}}}},
        {1, {6, 1}, {{Qde, {48, 505}}, {Surpresinha, {46, 549}}}},
        {1, {6, 7}, {{Qde, {48, 505}}, {Surpresinha, {188, 549}}}},
        // Repeat draws: model 0 only, and silently nothing on model 1.
        {0, {6, 0, 2}, {{Qde, {49, 480}}, {Teimosinha, {48, 555}}}},
        {0, {6, 0, 4}, {{Qde, {49, 480}}, {Teimosinha, {97, 555}}}},
        {0, {6, 0, 8}, {{Qde, {49, 480}}, {Teimosinha, {145, 555}}}},
        {1, {6, 0, 8}, {{Qde, {48, 505}}}},
        // Pool quotas: units only below 10, tens and units up to 99, the 100 box alone.
        {0, {6, 0, 0, 2}, {{Qde, {49, 480}}, {Unidade, {97 + 1, 599}}}},
        {0, {6, 0, 0, 5}, {{Qde, {49, 480}}, {Unidade, {168 + 1, 599}}}},
        {0, {6, 0, 0, 9}, {{Qde, {49, 480}}, {Unidade, {267 + 1, 599}}}},
        {0, {6, 0, 0, 10}, {{Qde, {49, 480}}, {Dezena, {48 + 1, 587}}, {Unidade, {48 + 1, 599}}}},
        {0, {6, 0, 0, 30}, {{Qde, {49, 480}}, {Dezena, {97 + 1, 587}}, {Unidade, {48 + 1, 599}}}},
        {0, {6, 0, 0, 99}, {{Qde, {49, 480}}, {Dezena, {243 + 1, 587}}, {Unidade, {267 + 1, 599}}}},
        {0, {6, 0, 0, 100}, {{Qde, {49, 480}}, {Cem, {48 + 1, 612}}}},
        {1, {6, 0, 0, 45}, {{Qde, {48, 505}}, {Dezena, {117 + 1, 577}}, {Unidade, {163 + 1, 589}}}},
        {1, {6, 0, 0, 100}, {{Qde, {48, 505}}, {Cem, {46 + 1, 601}}}},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(testing::Message() << "modelo " << Caso.Modelo << ": " << Caso.Opcoes.QdeNumPorVolante
                                        << " / " << Caso.Opcoes.Surpresinha << " / " << Caso.Opcoes.Teimosinha
                                        << " / " << Caso.Opcoes.Bolao);
        TMontagem Mega = MontaMegaCom(Caso.Modelo, Caso.Opcoes);
        Mega.Impressao->SetDados(Folha({Seis}, {1}));
        EXPECT_EQ(MarcasDeOpcao(Mega), Caso.Esperadas);
        EXPECT_TRUE(Mega.Impressao->Mensagens().isEmpty());
    }
}

TEST(ImpressaoMega, ValorSemCaixaDaErroDeColocacaoEOVolanteSaiSemEssaMarca) {
    struct TCaso {
        int Modelo;
        TOpcoes Opcoes;
        QString Jogo;
        const char* Coluna;
        const char* Linha;
        const char* Marca;
        const char* Faltando;
    };
    const TCaso Casos[] = {
        {0,
         {6},
         QStringLiteral("01 02 03 04 05 61"),
         "SG_Col-1",
         "SG_Lin-1_Jogo1",
         "ShapeJogo1_Num6",
         "SG_Col-1"},
        {0,
         {6},
         QStringLiteral("00 02 03 04 05 06"),
         "SG_Col-1",
         "SG_Lin-1_Jogo1",
         "ShapeJogo1_Num1",
         "SG_Col-1"},
        {0, {16}, Seis, "SG_Col-1", "SG_QdeNumPorVolante", "ShapeQdeNumPorVolante", "SG_Col-1"},
        // The first placement of a new engine, on a sheet without games: no column 0 either.
        {0, {16}, QString(), "SG_Col-1", "SG_QdeNumPorVolante", "ShapeQdeNumPorVolante", "SG_Col-1"},
        {1, {21}, Seis, "SG_Col-1", "SG_QdeNumPorVolante", "ShapeQdeNumPorVolante", "SG_Col-1"},
        {0, {6, 8}, Seis, "SG_Col-1", "SG_Surpresinha", "ShapeSurpresinha", "SG_Col-1"},
        {0, {6, 0, 3}, Seis, "SG_Col-1", "SG_Teimosinha", "ShapeTeimosinha", "SG_Col-1"},
        // More numbers than the run's numbers per game: that mark does not exist.
        {0,
         {6},
         Seis + QStringLiteral(" 60"),
         "SG_Col10",
         "SG_Lin6_Jogo1",
         "ShapeJogo1_Num7",
         "ShapeJogo1_Num7"},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(Caso.Marca);
        TMontagem Mega = MontaMegaCom(Caso.Modelo, Caso.Opcoes);
        Mega.Impressao->SetDados(Folha({Caso.Jogo}, {1}));
        ASSERT_EQ(Mega.Impressao->Mensagens().size(), 1);
        EXPECT_EQ(Mega.Impressao->Mensagens()[0].Texto,
                  MensagemColocacao(Nome(Caso.Coluna), Nome(Caso.Linha), Nome(Caso.Marca),
                                    QStringLiteral("Objeto não encontrado: ") + Nome(Caso.Faltando)));
        if (const TShape* Marca = Mega.Shape(Nome(Caso.Marca))) {
            EXPECT_FALSE(Marca->Visible());
        }
        // The other marks of the sheet are still placed.
        EXPECT_EQ(Mega.Shape(QStringLiteral("ShapeJogo1_Num2"))->Visible(), !Caso.Jogo.isEmpty());
    }
}
