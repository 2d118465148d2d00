#include "ApoioImpressao.h"
#include "ConfereLayout.h"
#include "catalogue/ULib.h"
#include "printing/ExecucaoImpressao.h"
#include "report/Rotulo.h"
#include "report/SaidaRelatorio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

namespace {

const QString MaisMilionaria = QStringLiteral("Mais Milionária");
const QString Seis = QStringLiteral("01 12 23 34 45 50");

struct TOpcoes {
    int QdeNumPorVolante = 6;
    int QdeTrevo = 2;
    int Surpresinha = 0;
    int Teimosinha = 0;
    int Bolao = 0;
    bool MarcarTrevoMao = false;
};

TMontagem MontaMaisMilionaria(int Modelo, const TOpcoes& Opcoes = {}) {
    return Monta(MaisMilionaria, Modelo, [&Opcoes](TImpressao& Impressao) {
        Impressao.SetQdeNumPorVolante(Opcoes.QdeNumPorVolante);
        Impressao.SetQdeTrevo(Opcoes.QdeTrevo);
        Impressao.SetQdeSurpresinha(Opcoes.Surpresinha);
        Impressao.SetQdeTeimosinha(Opcoes.Teimosinha);
        Impressao.SetQdeBolao(Opcoes.Bolao);
        Impressao.SetMarcarTrevoMao(Opcoes.MarcarTrevoMao);
    });
}

int QdeJogosDoModelo(int Modelo) {
    return Modelo == 0 ? 4 : 2;
}

// A sheet with the same games and the same clovers in the first Jogos slots.
TFolhaImpressao FolhaComTrevos(int Jogos, const QString& Jogo, const QString& Trevos) {
    TFolhaImpressao Resultado;
    for (int Slot = 0; Slot < Jogos; ++Slot) {
        Resultado.Jogo[std::size_t(Slot)] = Jogo;
        Resultado.IdJogo[std::size_t(Slot)] = Slot + 1;
        Resultado.Trevo[std::size_t(Slot)] = Trevos;
    }
    Resultado.NumPagina = 1;
    return Resultado;
}

// The marks shown, with their top-left corners.
std::map<QString, QPoint> Marcas(const TMontagem& Montagem, bool SoOpcoes = false) {
    std::map<QString, QPoint> Resultado;
    for (const TShape* Marca : MarcasVisiveis(Montagem.Form->RLReport1()))
        if (!SoOpcoes || !Marca->Name().startsWith(QStringLiteral("ShapeJogo")))
            Resultado[Marca->Name()] = Marca->Box().topLeft();
    return Resultado;
}

QStringList NomesDosShapes(const TMontagem& Montagem) {
    QStringList Nomes;
    for (const TComponente* Componente : Montagem.Form->RLReport1().Componentes())
        if (const auto* Shape = dynamic_cast<const TShape*>(Componente))
            Nomes << Shape->Name();
    return Nomes;
}

QString Nome(const char* Texto) {
    return QString::fromLatin1(Texto);
}

QString DoisDigitos(int Valor) {
    return QStringLiteral("%1").arg(Valor, 2, 10, QLatin1Char('0'));
}

const QStringList NomesOpcoes0{
    QStringLiteral("QdeNumPorVolante"), QStringLiteral("QdeTrevo"),     QStringLiteral("Surpresinha"),
    QStringLiteral("BolaoDezena"),      QStringLiteral("BolaoUnidade"), QStringLiteral("Teimosinha"),
    QStringLiteral("Bolao100"),
};
const QStringList NomesOpcoes1{
    QStringLiteral("QdeNumPorVolante"), QStringLiteral("QdeTrevo"),    QStringLiteral("Surpresinha"),
    QStringLiteral("Teimosinha"),       QStringLiteral("BolaoDezena"), QStringLiteral("BolaoUnidade"),
    QStringLiteral("Bolao100"),
};

} // namespace

TEST(ImpressaoMaisMilionaria, GuiasEMarcasNaOrdemDeCriacao) {
    for (const int Modelo : {0, 1}) {
        SCOPED_TRACE(testing::Message() << "modelo " << Modelo);
        const int Jogos = QdeJogosDoModelo(Modelo);
        QStringList Esperados;
        for (int Coluna = 0; Coluna <= (Modelo == 0 ? 23 : 10); ++Coluna)
            Esperados << QStringLiteral("SG_Col%1").arg(Coluna);
        Esperados << QStringLiteral("SG_Master");
        for (int Jogo = 1; Jogo <= Jogos; ++Jogo) {
            for (int Linha = 1; Linha <= 10; ++Linha)
                Esperados << QStringLiteral("SG_Lin%1_Jogo%2").arg(Linha).arg(Jogo);
            Esperados << QStringLiteral("SG_Anula_Jogo%1").arg(Jogo);
        }
        if (Modelo == 0)
            Esperados << QStringLiteral("SG_Lin_Trevo1") << QStringLiteral("SG_Lin_Trevo2");
        for (int Jogo = 1; Jogo <= Jogos; ++Jogo)
            for (int Trevo = 1; Trevo <= 6; ++Trevo)
                Esperados << QStringLiteral("ShapeJogo%1_Trevo%2").arg(Jogo).arg(Trevo);
        for (const QString& Opcao : Modelo == 0 ? NomesOpcoes0 : NomesOpcoes1)
            Esperados << QStringLiteral("SG_") + Opcao << QStringLiteral("Shape") + Opcao;
        // The most games per slip, 12 numbers each: the guides and clovers do not depend on them.
        for (int Jogo = 1; Jogo <= Jogos; ++Jogo)
            for (int Posicao = 1; Posicao <= 12; ++Posicao)
                Esperados << QStringLiteral("ShapeJogo%1_Num%2").arg(Jogo).arg(Posicao);

        EXPECT_EQ(NomesDosShapes(MontaMaisMilionaria(Modelo, {12})), Esperados);
        EXPECT_LT(Esperados.size(), 200);
    }
}

// Model 0 with one game per slip still has the rows and clovers of all four games.
TEST(ImpressaoMaisMilionaria, Modelo0ComUmJogoTemAsGuiasDosQuatro) {
    const TMontagem Montagem = Monta(MaisMilionaria, 0, [](TImpressao& Impressao) {
        Impressao.SetQdeNumPorVolante(6);
        Impressao.SetQdeJogosPorVolante(1);
        Impressao.SetQdeTrevo(2);
    });
    const QStringList Nomes = NomesDosShapes(Montagem);
    EXPECT_EQ(Nomes.filter(QStringLiteral("_Trevo")).size(), 24 + 2);
    EXPECT_TRUE(Nomes.contains(QStringLiteral("SG_Anula_Jogo4")));
    EXPECT_EQ(Nomes.filter(QStringLiteral("_Num")).size(), 6);
    Montagem.Impressao->SetDados(FolhaComTrevos(1, Seis, QStringLiteral("1 2")));
    // Only game 1's rows are drawn as guide marks.
    const QStringList Visiveis = Montagem.ShapesVisiveis();
    EXPECT_TRUE(Visiveis.contains(QStringLiteral("SG_Lin1_Jogo1")));
    EXPECT_TRUE(Visiveis.contains(QStringLiteral("SG_Anula_Jogo1")));
    for (const QString& Visivel : Visiveis)
        EXPECT_FALSE(Visivel.contains(QStringLiteral("_Jogo2")) ||
                     Visivel.contains(QStringLiteral("_Jogo3")) || Visivel.contains(QStringLiteral("_Jogo4")))
            << Visivel.toStdString();
    EXPECT_TRUE(Montagem.Impressao->Mensagens().isEmpty());
}

TEST(ImpressaoMaisMilionaria, CaixasETagsDasGuiasEMarcas) {
    const TFormatoShape R = TFormatoShape::dkRectangle;
    const TFormatoShape E = TFormatoShape::dkElipse;
    const std::vector<TCasoShape> Casos{
        {0, "SG_Col0", {27, 83, 12, 7}, 0, R},
        {0, "SG_Col1", {45, 83, 12, 7}, 0, R},
        {0, "SG_Col2", {67, 83, 12, 7}, 2, R},
        {0, "SG_Col3", {89, 83, 12, 7}, 2, R},
        {0, "SG_Col4", {110, 83, 12, 7}, 2, R},
        {0, "SG_Col5", {132, 83, 12, 7}, 0, R},
        {0, "SG_Col6", {154, 83, 12, 7}, 0, R},
        {0, "SG_Col11", {262, 83, 12, 7}, 0, R},
        {0, "SG_Col12", {278, 83, 12, 7}, 0, R},
        {0, "SG_Col13", {305, 83, 12, 7}, 0, R},
        {0, "SG_Col17", {392, 83, 12, 7}, 0, R},
        {0, "SG_Col18", {409, 83, 12, 7}, 0, R},
        {0, "SG_Col19", {434, 83, 12, 7}, 0, R},
        {0, "SG_Col23", {521, 83, 12, 7}, 0, R},
        {0, "SG_Master", {12, 83, 12, 7}, 2, R},
        {0, "SG_Lin1_Jogo1", {12, 126, 12, 7}, 2, R},
        {0, "SG_Lin4_Jogo1", {12, 155, 12, 7}, 2, R},
        {0, "SG_Lin10_Jogo1", {12, 213, 12, 7}, 2, R},
        {0, "SG_Anula_Jogo1", {12, 296, 12, 7}, 2, R},
        {0, "SG_Lin6_Jogo2", {12, 174, 12, 7}, 0, R},
        {0, "SG_Anula_Jogo3", {12, 296, 12, 7}, 0, R},
        {0, "SG_Lin10_Jogo4", {12, 213, 12, 7}, 4, R},
        {0, "SG_Anula_Jogo4", {12, 296, 12, 7}, 4, R},
        {0, "SG_Lin_Trevo1", {12, 245, 12, 7}, 2, R},
        {0, "SG_Lin_Trevo2", {12, 269, 12, 7}, 2, R},
        {0, "ShapeJogo1_Trevo1", {12, 222, 12, 10}, 100, E},
        {0, "ShapeJogo4_Trevo6", {12, 222, 12, 10}, 100, E},
        {0, "SG_QdeNumPorVolante", {12, 339, 11, 7}, 2, R},
        {0, "ShapeQdeNumPorVolante", {12, 339, 11, 7}, 100, E},
        {0, "SG_QdeTrevo", {12, 349, 11, 7}, 2, R},
        {0, "ShapeQdeTrevo", {12, 349, 11, 7}, 100, E},
        {0, "SG_Surpresinha", {12, 349, 11, 7}, 0, R},
        {0, "ShapeSurpresinha", {12, 349, 11, 7}, 100, E},
        {0, "SG_BolaoDezena", {12, 380, 11, 7}, 2, R},
        {0, "ShapeBolaoDezena", {12, 380, 11, 7}, 100, E},
        {0, "SG_BolaoUnidade", {12, 390, 11, 7}, 2, R},
        {0, "ShapeBolaoUnidade", {12, 390, 11, 7}, 100, E},
        {0, "SG_Teimosinha", {12, 390, 11, 7}, 0, R},
        {0, "ShapeTeimosinha", {12, 390, 11, 7}, 100, E},
        {0, "SG_Bolao100", {12, 400, 11, 7}, 2, R},
        {0, "ShapeBolao100", {12, 400, 11, 7}, 100, E},
        {0, "ShapeJogo4_Num6", {0, 0, 11, 6}, 100, E},
        {1, "SG_Col0", {27, 135, 16, 7}, 0, R},
        {1, "SG_Col1", {45, 135, 16, 7}, 0, R},
        {1, "SG_Col3", {93, 135, 16, 7}, 0, R},
        {1, "SG_Col4", {118, 135, 16, 7}, 2, R},
        {1, "SG_Col5", {142, 135, 16, 7}, 2, R},
        {1, "SG_Col6", {165, 135, 16, 7}, 2, R},
        {1, "SG_Col7", {189, 135, 16, 7}, 2, R},
        {1, "SG_Col8", {213, 135, 16, 7}, 0, R},
        {1, "SG_Col9", {237, 135, 16, 7}, 0, R},
        {1, "SG_Col10", {261, 135, 16, 7}, 0, R},
        {1, "SG_Master", {3, 135, 12, 7}, 2, R},
        {1, "SG_Lin1_Jogo1", {3, 176, 12, 7}, 2, R},
        {1, "SG_Lin10_Jogo1", {3, 269, 12, 7}, 2, R},
        {1, "SG_Anula_Jogo1", {3, 283, 12, 7}, 2, R},
        {1, "SG_Lin1_Jogo2", {3, 330, 12, 7}, 2, R},
        {1, "SG_Lin6_Jogo2", {3, 382, 12, 7}, 2, R},
        {1, "SG_Lin10_Jogo2", {3, 423, 12, 7}, 2, R},
        {1, "SG_Anula_Jogo2", {3, 436, 12, 7}, 2, R},
        {1, "ShapeJogo2_Trevo6", {3, 222, 12, 10}, 100, E},
        {1, "SG_QdeNumPorVolante", {3, 470, 12, 7}, 2, R},
        {1, "ShapeQdeNumPorVolante", {3, 470, 11, 7}, 100, E},
        {1, "SG_QdeTrevo", {3, 481, 12, 7}, 2, R},
        {1, "ShapeQdeTrevo", {3, 481, 11, 7}, 100, E},
        {1, "SG_Surpresinha", {3, 517, 12, 7}, 2, R},
        {1, "ShapeSurpresinha", {3, 517, 11, 7}, 100, E},
        {1, "SG_Teimosinha", {3, 554, 12, 7}, 2, R},
        {1, "ShapeTeimosinha", {3, 554, 11, 7}, 100, E},
        {1, "SG_BolaoDezena", {3, 583, 12, 7}, 2, R},
        {1, "SG_BolaoUnidade", {3, 594, 12, 7}, 2, R},
        {1, "SG_Bolao100", {3, 605, 12, 7}, 2, R},
        {1, "ShapeBolao100", {3, 605, 11, 7}, 100, E},
        {1, "ShapeJogo2_Num6", {0, 0, 11, 6}, 100, E},
    };
    ConfereShapes(MaisMilionaria, Casos);
    // Model 1 has no clover rows of its own: its clovers sit on number rows 3, 6 and 9.
    const TMontagem Modelo1 = MontaMaisMilionaria(1);
    for (const char* Ausente : {"SG_Lin_Trevo1", "SG_Col11", "SG_Lin1_Jogo3", "ShapeJogo3_Trevo1"})
        EXPECT_EQ(Modelo1.Shape(Nome(Ausente)), nullptr) << Ausente;
}

TEST(ImpressaoMaisMilionaria, PosicoesDosTextos) {
    const TMontagem Montagem = MontaMaisMilionaria(1);
    const TImpressao& Impressao = *Montagem.Impressao;
    EXPECT_EQ(Impressao.ImpRelacaoJogos_E(), QList<int>({28, 23}));
    EXPECT_EQ(Impressao.ImpRelacaoJogos_T(), QList<int>({16, 25}));
    EXPECT_EQ(Impressao.ImpNomeModalidade_E(), QList<int>({460, 23}));
    EXPECT_EQ(Impressao.ImpNomeModalidade_T(), QList<int>({16, 80}));
    EXPECT_EQ(Impressao.ImpNumPagina_E(), QList<int>({300, 23}));
    EXPECT_EQ(Impressao.ImpNumPagina_T(), QList<int>({16, 645}));
    EXPECT_EQ(Impressao.ImpNomeModalidadeExtra_E(), QList<int>({415, 23}));
    EXPECT_EQ(Impressao.ImpNomeModalidadeExtra_T(), QList<int>({36, 671}));
    EXPECT_EQ(Impressao.ImpQdeCotas_E(), QList<int>({23, 23}));
    EXPECT_EQ(Impressao.ImpQdeCotas_T(), QList<int>({36, 645}));
    EXPECT_EQ(Impressao.Box(), QList<int>({0, 0, 11, 6}));
}

TEST(ImpressaoMaisMilionaria, TextosDoVolante) {
    for (const int Modelo : {0, 1}) {
        SCOPED_TRACE(testing::Message() << "modelo " << Modelo);
        TOpcoes Opcoes;
        Opcoes.Bolao = 12;
        TMontagem Montagem = MontaMaisMilionaria(Modelo, Opcoes);
        Montagem.Impressao->SetDados(FolhaComTrevos(2, Seis, QStringLiteral("1 2")));
        const auto Posicao = [&Montagem](const char* Nome) {
            return Montagem.Componente<TControleTexto>(QString::fromLatin1(Nome))->Box().topLeft();
        };
        EXPECT_EQ(Posicao("MemoJogos"), Modelo == 0 ? QPoint(28, 16) : QPoint(23, 25));
        EXPECT_EQ(Posicao("LabelNomeModalidade"), Modelo == 0 ? QPoint(460, 16) : QPoint(23, 80));
        EXPECT_EQ(Posicao("LabelNumPagina"), Modelo == 0 ? QPoint(300, 16) : QPoint(23, 645));
        EXPECT_EQ(Posicao("LabelNomeModalidadeExtra"), Modelo == 0 ? QPoint(415, 36) : QPoint(23, 671));
        // Only the tall slip's template writes the quota count.
        const TRotulo* Cotas = Montagem.Componente<TRotulo>(QStringLiteral("RLCotas"));
        if (Modelo == 0) {
            EXPECT_EQ(Cotas, nullptr);
        } else {
            ASSERT_NE(Cotas, nullptr);
            EXPECT_EQ(Cotas->Caption(), QStringLiteral("12 C"));
            EXPECT_EQ(Cotas->Box().topLeft(), QPoint(23, 645));
        }
        EXPECT_EQ(Montagem.Componente<TComponente>(QStringLiteral("RLAngleLabel1")), nullptr);
    }
}

TEST(ImpressaoMaisMilionaria, RotuloDaPaginaNaoInvadeOTituloDoModelo0) {
    // On the wide slip the page label (from left 300, right aligned) shares its line with the title
    // (from left 460): it ends before the title's text and shrinks until its own text fits, from the
    // first sheet to the last of a million games, with or without an identification in the title.
    struct TCaso {
        int Pagina;
        QList<int> Ids;
    };
    const TCaso Casos[] = {
        {1, {1, 2, 3, 4}},
        {12'500, {49'997, 49'998, 49'999, 50'000}},
        {250'000, {999'997, 999'998, 999'999, 1'000'000}},
    };
    for (const bool VolanteOficial : {false, true})
        for (const QString& Identificacao : {QString(), QStringLiteral("BOLÃO DA FIRMA DO SEU ZÉ 2025 !")})
            for (const TCaso& Caso : Casos) {
                SCOPED_TRACE(testing::Message()
                             << "página " << Caso.Pagina << (VolanteOficial ? ", volante" : ", A4")
                             << ", identificação '" << Identificacao.toStdString() << "'");
                TMontagem Montagem = Monta(MaisMilionaria, 0, [&](TImpressao& Impressao) {
                    Impressao.SetQdeTrevo(2);
                    Impressao.SetImpressaoVolanteOficial(VolanteOficial);
                    Impressao.SetNomeIdentificacao(Identificacao);
                });
                QStringList Jogos;
                for (int Jogo = 0; Jogo < 4; ++Jogo)
                    Jogos << Seis;
                Montagem.Impressao->SetDados(Folha(Jogos, Caso.Ids, Caso.Pagina));
                const TRotulo& Pagina = *Montagem.Componente<TRotulo>(QStringLiteral("LabelNumPagina"));
                const TRotulo& Titulo = *Montagem.Componente<TRotulo>(QStringLiteral("LabelNomeModalidade"));
                EXPECT_TRUE(Pagina.Caption().startsWith(QStringLiteral("Pag : %1 (").arg(Caso.Pagina)));
                EXPECT_EQ(Pagina.Box().topLeft(), QPoint(300, 16));
                EXPECT_EQ(Titulo.Box().topLeft(), QPoint(460, 16));
                EXPECT_FALSE(Pagina.Box().intersects(Titulo.Box()));
                EXPECT_FALSE(Pagina.AreaDoTexto().intersects(Titulo.AreaDoTexto()))
                    << Pagina.Caption().toStdString() << " / " << Titulo.Caption().toStdString();
                EXPECT_LE(Pagina.AreaDoTexto().width(), Pagina.Width()) << "the label's text fits its box";
                EXPECT_LE(Titulo.AreaDoTexto().width(), Titulo.Width()) << "the title's text fits its box";
                EXPECT_GE(Pagina.TamanhoFonte(), 5);
                EXPECT_GE(Titulo.TamanhoFonte(), 5);
                // A title cut short leaves the identification whole on the line below.
                const TRotulo& Extra =
                    *Montagem.Componente<TRotulo>(QStringLiteral("LabelNomeModalidadeExtra"));
                EXPECT_EQ(Extra.Caption(), Identificacao);
                EXPECT_TRUE(Extra.Visible());
            }
}

TEST(ImpressaoMaisMilionaria, RotuloDaPaginaDoModelo1FicaComoEsta) {
    // The tall slip writes the page label far below the title: nothing to make room for.
    TMontagem Montagem = MontaMaisMilionaria(1);
    Montagem.Impressao->SetDados(Folha({Seis, Seis}, {999'999, 1'000'000}, 500'000));
    const TRotulo& Pagina = *Montagem.Componente<TRotulo>(QStringLiteral("LabelNumPagina"));
    EXPECT_EQ(Pagina.Box(), QRect(23, 645, 224, 15));
    EXPECT_EQ(Pagina.TamanhoFonte(), 10);
}

TEST(ImpressaoMaisMilionaria, MarcaDeCadaNumero) {
    struct TCaso {
        int Modelo;
        int Jogo;
        int Numero;
        QPoint Esperada;
    };
    const TCaso Casos[] = {
        // Model 0: game g six columns further right, and 0, 1, 2, 2 pixels lower.
        {0, 1, 1, {47, 126}},
        {0, 1, 5, {132 + 2, 126}},
        {0, 1, 46, {47, 213}},
        {0, 1, 50, {134, 213}},
        {0, 2, 1, {177, 127}},
        {0, 2, 50, {262 + 2, 213 + 1}},
        {0, 3, 1, {305 + 2, 126 + 2}},
        {0, 3, 23, {348 + 2, 165 + 2}},
        {0, 3, 50, {392 + 2, 213 + 2}},
        {0, 4, 1, {436, 128}},
        {0, 4, 50, {521 + 2, 213 + 2}},
        // Model 1: the second grid below the first.
        {1, 1, 1, {47, 176}},
        {1, 1, 50, {144, 269}},
        {1, 2, 1, {47, 330}},
        {1, 2, 23, {93 + 2, 371}},
        {1, 2, 50, {142 + 2, 423}},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(testing::Message()
                     << "modelo " << Caso.Modelo << ", jogo " << Caso.Jogo << ", número " << Caso.Numero);
        TMontagem Montagem = MontaMaisMilionaria(Caso.Modelo);
        // The number as the sixth of its game; the other games hold 1 to 5 and another sixth.
        const QString Jogo = QStringLiteral("01 02 03 04 05 ") + DoisDigitos(Caso.Numero);
        TFolhaImpressao Folha = FolhaComTrevos(Caso.Jogo, Jogo, QStringLiteral("1 2"));
        Montagem.Impressao->SetDados(Folha);
        const TShape* Marca = Montagem.Shape(QStringLiteral("ShapeJogo%1_Num6").arg(Caso.Jogo));
        EXPECT_TRUE(Marca->Visible());
        EXPECT_EQ(Marca->Box(), QRect(Caso.Esperada, QSize(11, 6)));
        EXPECT_TRUE(Montagem.Impressao->Mensagens().isEmpty());
    }
}

// The clover marking of the engine on each model's guides.
TEST(ImpressaoMaisMilionaria, MarcasDosTrevos) {
    struct TCaso {
        int Modelo;
        int Jogo;
        int Trevo;
        QPoint Esperada; // column guide Left + 1, row guide Top - 1
    };
    const TCaso Casos[] = {
        {0, 1, 1, {68, 244}},          {0, 1, 2, {89 + 1, 244}},      {0, 1, 3, {110 + 1, 244}},
        {0, 1, 4, {67 + 1, 268}},      {0, 1, 5, {89 + 1, 268}},      {0, 1, 6, {110 + 1, 268}},
        {0, 2, 1, {197 + 1, 244}},     {0, 2, 6, {241, 268}},         {0, 3, 2, {348 + 1, 244}},
        {0, 4, 3, {499 + 1, 244}},     {0, 4, 6, {499 + 1, 268}},     {1, 1, 1, {190, 196}},
        {1, 1, 2, {237 + 1, 196}},     {1, 1, 3, {189 + 1, 228 - 1}}, {1, 1, 4, {237 + 1, 228 - 1}},
        {1, 1, 5, {189 + 1, 259 - 1}}, {1, 1, 6, {237 + 1, 259 - 1}}, {1, 2, 1, {189 + 1, 351 - 1}},
        {1, 2, 6, {238, 412}},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(testing::Message()
                     << "modelo " << Caso.Modelo << ", jogo " << Caso.Jogo << ", trevo " << Caso.Trevo);
        TMontagem Montagem = MontaMaisMilionaria(Caso.Modelo);
        Montagem.Impressao->SetDados(FolhaComTrevos(Caso.Jogo, Seis, QString::number(Caso.Trevo)));
        std::map<QString, QPoint> Trevos;
        for (const auto& [Nome, Posicao] : Marcas(Montagem))
            if (Nome.contains(QStringLiteral("_Trevo")))
                Trevos[Nome] = Posicao;
        // Every game of the sheet carries the same clover text.
        EXPECT_EQ(Trevos.size(), std::size_t(Caso.Jogo));
        EXPECT_EQ(Trevos[QStringLiteral("ShapeJogo%1_Trevo%2").arg(Caso.Jogo).arg(Caso.Trevo)],
                  Caso.Esperada);
        EXPECT_EQ(Montagem.Shape(QStringLiteral("ShapeJogo%1_Trevo%2").arg(Caso.Jogo).arg(Caso.Trevo))
                      ->Box()
                      .size(),
                  QSize(12, 10));
        EXPECT_TRUE(Montagem.Impressao->Mensagens().isEmpty());
    }
}

TEST(ImpressaoMaisMilionaria, TrevosDoisECincoSoEles) {
    for (const int Modelo : {0, 1}) {
        SCOPED_TRACE(testing::Message() << "modelo " << Modelo);
        TMontagem Montagem = MontaMaisMilionaria(Modelo);
        Montagem.Impressao->SetDados(FolhaComTrevos(1, Seis, QStringLiteral("2 5")));
        std::map<QString, QPoint> Trevos;
        for (const auto& [Nome, Posicao] : Marcas(Montagem))
            if (Nome.contains(QStringLiteral("_Trevo")))
                Trevos[Nome] = Posicao;
        const std::map<QString, QPoint> Esperados =
            Modelo == 0 ? std::map<QString, QPoint>{{QStringLiteral("ShapeJogo1_Trevo2"), {90, 244}},
                                                    {QStringLiteral("ShapeJogo1_Trevo5"), {90, 268}}}
                        : std::map<QString, QPoint>{{QStringLiteral("ShapeJogo1_Trevo2"), {238, 196}},
                                                    {QStringLiteral("ShapeJogo1_Trevo5"), {190, 258}}};
        EXPECT_EQ(Trevos, Esperados);
    }
}

// Marked by hand: no clover mark on either model, but the clover count is still marked.
TEST(ImpressaoMaisMilionaria, TrevosMarcadosNaCaneta) {
    for (const int Modelo : {0, 1}) {
        SCOPED_TRACE(testing::Message() << "modelo " << Modelo);
        TOpcoes Opcoes;
        Opcoes.QdeTrevo = 6;
        Opcoes.MarcarTrevoMao = true;
        TMontagem Montagem = MontaMaisMilionaria(Modelo, Opcoes);
        Montagem.Impressao->SetDados(
            FolhaComTrevos(QdeJogosDoModelo(Modelo), Seis, QStringLiteral("1 2 3 4 5 6")));
        const std::map<QString, QPoint> Opcionais = Marcas(Montagem, true);
        EXPECT_EQ(Opcionais.size(), 2u);
        EXPECT_EQ(Opcionais.at(QStringLiteral("ShapeQdeTrevo")),
                  Modelo == 0 ? QPoint(154 + 1, 349) : QPoint(165 + 1, 481 - 1));
        for (const auto& [Nome, Posicao] : Marcas(Montagem))
            EXPECT_FALSE(Nome.contains(QStringLiteral("_Trevo"))) << Nome.toStdString();
        EXPECT_EQ(Montagem.ShapesVisiveis().filter(QStringLiteral("_Num")).size(),
                  6 * QdeJogosDoModelo(Modelo));
        EXPECT_TRUE(Montagem.Impressao->Mensagens().isEmpty());
    }
}

TEST(ImpressaoMaisMilionaria, MarcasDasOpcoes) {
    struct TCaso {
        int Modelo;
        TOpcoes Opcoes;
        std::map<QString, QPoint> Esperadas; // besides the numbers-per-game and clover-count marks
    };
    const QString Surpresinha = QStringLiteral("ShapeSurpresinha");
    const QString Teimosinha = QStringLiteral("ShapeTeimosinha");
    const QString Dezena = QStringLiteral("ShapeBolaoDezena");
    const QString Unidade = QStringLiteral("ShapeBolaoUnidade");
    const QString Cem = QStringLiteral("ShapeBolao100");
    const TCaso Casos[] = {
        {0, {}, {}},
        {1, {}, {}},
        // Quick pick: model 0 from column 13 on the clover-count row, model 1 columns 1 to 10.
        {0, {6, 2, 1}, {{Surpresinha, {305 + 2, 349}}}},
        {0, {6, 2, 10}, {{Surpresinha, {501, 349}}}},
        {1, {6, 2, 1}, {{Surpresinha, {45 + 2, 517}}}},
        {1, {6, 2, 10}, {{Surpresinha, {263, 517}}}},
        // Repeat draws: model 0 columns 14 to 17 on the pool units row, model 1 columns 1 to 4.
        {0, {6, 2, 0, 2}, {{Teimosinha, {327 + 1, 390}}}},
        {0, {6, 2, 0, 5}, {{Teimosinha, {393, 390}}}},
        {1, {6, 2, 0, 2}, {{Teimosinha, {45 + 1, 554 - 1}}}},
        {1, {6, 2, 0, 5}, {{Teimosinha, {119, 553}}}},
        // Pool quotas at their limits.
        {0, {6, 2, 0, 0, 2}, {{Unidade, {89 + 1, 390}}}},
        {0, {6, 2, 0, 0, 9}, {{Unidade, {240 + 1, 390}}}},
        {0, {6, 2, 0, 0, 10}, {{Dezena, {45 + 1, 380}}, {Unidade, {45 + 1, 390}}}},
        {0, {6, 2, 0, 0, 84}, {{Dezena, {198, 380}}, {Unidade, {133, 390}}}},
        {0, {7, 2, 0, 0, 99}, {{Dezena, {218 + 1, 380}}, {Unidade, {240 + 1, 390}}}},
        {0, {7, 2, 0, 0, 100}, {{Cem, {46, 401}}}},
        {1, {6, 2, 0, 0, 2}, {{Unidade, {93 + 1, 594}}}},
        {1, {6, 2, 0, 0, 9}, {{Unidade, {261 + 1, 594}}}},
        {1, {6, 2, 0, 0, 10}, {{Dezena, {45 + 1, 583}}, {Unidade, {45 + 1, 594}}}},
        {1, {6, 2, 0, 0, 84}, {{Dezena, {214, 583}}, {Unidade, {143, 594}}}},
        {1, {12, 2, 0, 0, 99}, {{Dezena, {237 + 1, 583}}, {Unidade, {261 + 1, 594}}}},
        {1, {12, 2, 0, 0, 100}, {{Cem, {46, 605}}}},
    };
    for (const TCaso& Caso : Casos) {
        const TOpcoes& O = Caso.Opcoes;
        SCOPED_TRACE(testing::Message() << "modelo " << Caso.Modelo << ": " << O.QdeNumPorVolante << " / "
                                        << O.Surpresinha << " / " << O.Teimosinha << " / " << O.Bolao);
        TMontagem Montagem = MontaMaisMilionaria(Caso.Modelo, O);
        Montagem.Impressao->SetDados(FolhaComTrevos(1, Seis, QStringLiteral("1 2")));
        std::map<QString, QPoint> Esperadas = Caso.Esperadas;
        // Numbers per game in column n - 4, clover count in column c.
        const int Modelo = Caso.Modelo;
        const QPoint SeisNumeros = Modelo == 0 ? QPoint(68, 338) : QPoint(70, 469);
        const int Passo = O.QdeNumPorVolante == 6 ? 0 : O.QdeNumPorVolante == 7 ? 1 : 6;
        const QList<int> Colunas0{67, 89, 110, 132, 154, 175, 197};
        const QList<int> Colunas1{69, 93, 118, 142, 165, 189, 213};
        Esperadas[QStringLiteral("ShapeQdeNumPorVolante")] =
            QPoint((Modelo == 0 ? Colunas0 : Colunas1)[Passo] + 1, SeisNumeros.y());
        Esperadas[QStringLiteral("ShapeQdeTrevo")] = Modelo == 0 ? QPoint(68, 349) : QPoint(70, 480);
        EXPECT_EQ(Marcas(Montagem, true), Esperadas);
        EXPECT_TRUE(Montagem.Impressao->Mensagens().isEmpty());
    }
}

TEST(ImpressaoMaisMilionaria, QuantidadesDeNumerosEDeTrevos) {
    for (const int Modelo : {0, 1}) {
        for (int Qde = 6; Qde <= 12; ++Qde) {
            TOpcoes Opcoes;
            Opcoes.QdeNumPorVolante = Qde;
            Opcoes.QdeTrevo = Qde - 4 <= 6 ? Qde - 4 : 6;
            TMontagem Montagem = MontaMaisMilionaria(Modelo, Opcoes);
            Montagem.Impressao->SetDados(FolhaComTrevos(1, Seis, QStringLiteral("1 2")));
            SCOPED_TRACE(testing::Message() << "modelo " << Modelo << ", " << Qde);
            // Both counts use the column of their value's box on the first grid's columns.
            const TShape* Coluna = Montagem.Shape(QStringLiteral("SG_Col%1").arg(Qde - 4));
            const TShape* ColunaTrevo = Montagem.Shape(QStringLiteral("SG_Col%1").arg(Opcoes.QdeTrevo));
            EXPECT_EQ(
                Montagem.Shape(QStringLiteral("ShapeQdeNumPorVolante"))->Box().topLeft(),
                QPoint(Coluna->Left() + 1, Montagem.Shape(QStringLiteral("SG_QdeNumPorVolante"))->Top() - 1));
            EXPECT_EQ(Montagem.Shape(QStringLiteral("ShapeQdeTrevo"))->Box().topLeft(),
                      QPoint(ColunaTrevo->Left() + 1,
                             Montagem.Shape(QStringLiteral("SG_QdeTrevo"))->Top() - (Modelo == 0 ? 0 : 1)));
            EXPECT_TRUE(Montagem.Impressao->Mensagens().isEmpty());
        }
    }
}

TEST(ImpressaoMaisMilionaria, ValorSemCaixaDaErroDeColocacao) {
    struct TCaso {
        int Modelo;
        TOpcoes Opcoes;
        int Jogos;
        QString Jogo;
        const char* Linha;
        const char* Marca;
    };
    const TCaso Casos[] = {
        // Fewer than two clovers, which the print setup refuses, or more than six: no box.
        {0, {6, 0}, 1, Seis, "SG_QdeTrevo", "ShapeQdeTrevo"},
        {1, {6, 1}, 1, Seis, "SG_QdeTrevo", "ShapeQdeTrevo"},
        {0, {6, 7}, 1, Seis, "SG_QdeTrevo", "ShapeQdeTrevo"},
        {1, {13}, 1, Seis, "SG_QdeNumPorVolante", "ShapeQdeNumPorVolante"},
        {0, {6, 2, 11}, 1, Seis, "SG_Surpresinha", "ShapeSurpresinha"},
        {1, {6, 2, 0, 1}, 1, Seis, "SG_Teimosinha", "ShapeTeimosinha"},
        {0, {6, 2, 0, 6}, 1, Seis, "SG_Teimosinha", "ShapeTeimosinha"},
        {0, {6, 2, 0, 0, 1}, 1, Seis, "SG_BolaoUnidade", "ShapeBolaoUnidade"},
        {1, {6, 2, 0, 0, 101}, 1, Seis, "SG_Bolao100", "ShapeBolao100"},
        {0, {}, 1, QStringLiteral("01 02 03 04 05 51"), "SG_Lin-1_Jogo1", "ShapeJogo1_Num6"},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(testing::Message() << "modelo " << Caso.Modelo << ", " << Caso.Marca);
        TMontagem Montagem = MontaMaisMilionaria(Caso.Modelo, Caso.Opcoes);
        Montagem.Impressao->SetDados(FolhaComTrevos(Caso.Jogos, Caso.Jogo, QStringLiteral("1 2")));
        const TMensagens& Mensagens = Montagem.Impressao->Mensagens();
        ASSERT_FALSE(Mensagens.isEmpty());
        EXPECT_EQ(Mensagens.constLast().Texto,
                  MensagemColocacao(QStringLiteral("SG_Col-1"), Nome(Caso.Linha), Nome(Caso.Marca),
                                    QStringLiteral("Objeto não encontrado: SG_Col-1")));
        EXPECT_FALSE(Montagem.Shape(Nome(Caso.Marca))->Visible());
        EXPECT_TRUE(Montagem.Shape(QStringLiteral("ShapeJogo1_Num1"))->Visible());
    }
}

// Every value the rules and the print setup allow, on both models, finds its guides and its mark.
TEST(ImpressaoMaisMilionaria, TodoValorPermitidoTemCaixa) {
    for (const int Modelo : {0, 1}) {
        SCOPED_TRACE(testing::Message() << "modelo " << Modelo);
        const std::unique_ptr<TModalidade> Regras = CriaModalidade(MaisMilionaria);
        Regras->SetLayoutIndex(Modelo);
        Regras->SetParameters(6);
        const int Jogos = Regras->QdeJogosPorVolante().constLast();
        ASSERT_EQ(Jogos, QdeJogosDoModelo(Modelo));

        for (const int QdeNumeros : Regras->QdeNumPorVolante()) {
            Regras->SetParameters(QdeNumeros);
            TOpcoes Base;
            Base.QdeNumPorVolante = QdeNumeros;
            TMontagem Montagem = MontaMaisMilionaria(Modelo, Base);
            TImpressao& Impressao = *Montagem.Impressao;
            const auto Confere = [&](const TFolhaImpressao& Folha, int MarcasEsperadas, const QString& Caso) {
                Impressao.SetDados(Folha);
                EXPECT_TRUE(Impressao.Mensagens().isEmpty()) << Caso.toStdString();
                EXPECT_EQ(MarcasVisiveis(Montagem.Form->RLReport1()).size(), MarcasEsperadas)
                    << Caso.toStdString();
            };
            // Every number of 1 to 50 at every position of every game block.
            for (int Inicio = 1; Inicio <= 50; Inicio += QdeNumeros)
                for (int Deslocamento = 0; Deslocamento < QdeNumeros; ++Deslocamento) {
                    QStringList Numeros;
                    for (int Posicao = 0; Posicao < QdeNumeros; ++Posicao)
                        Numeros << DoisDigitos((Inicio - 1 + (Posicao + Deslocamento) % QdeNumeros) % 50 + 1);
                    const QString Jogo = Numeros.join(QLatin1Char(' '));
                    // Per game its numbers and two clovers; the numbers-per-game and clover counts.
                    Confere(FolhaComTrevos(Jogos, Jogo, QStringLiteral("1 2")), Jogos * (QdeNumeros + 2) + 2,
                            QStringLiteral("%1 números: %2").arg(QdeNumeros).arg(Jogo));
                }
            const QString Jogo =
                QStringList(
                    QStringLiteral("01 02 03 04 05 06 07 08 09 10 11 12").split(u' ').mid(0, QdeNumeros))
                    .join(QLatin1Char(' '));
            // Every clover of every game, and every clover count.
            for (int Trevo = 1; Trevo <= 6; ++Trevo)
                Confere(FolhaComTrevos(Jogos, Jogo, QString::number(Trevo)), Jogos * (QdeNumeros + 1) + 2,
                        QStringLiteral("trevo %1").arg(Trevo));
            for (int QdeTrevo = 2; QdeTrevo <= 6; ++QdeTrevo) {
                Impressao.SetQdeTrevo(QdeTrevo);
                Confere(FolhaComTrevos(Jogos, Jogo, QStringLiteral("1 2 3 4 5 6").left(2 * QdeTrevo - 1)),
                        Jogos * (QdeNumeros + QdeTrevo) + 2, QStringLiteral("%1 trevos").arg(QdeTrevo));
            }
            Impressao.SetQdeTrevo(2);
            const auto ConfereOpcao = [&](auto Define, int Valor, int MarcasDaOpcao, const QString& Caso) {
                Define(Impressao, Valor);
                Confere(FolhaComTrevos(Jogos, Jogo, QStringLiteral("1 2")),
                        Jogos * (QdeNumeros + 2) + 2 + MarcasDaOpcao, Caso);
                Define(Impressao, 0);
            };
            for (const int Qde : Regras->Surpresinha())
                ConfereOpcao(std::mem_fn(&TImpressao::SetQdeSurpresinha), Qde, Qde > 0 ? 1 : 0,
                             QStringLiteral("surpresinha %1").arg(Qde));
            for (const int Qde : Regras->Teimosinha())
                ConfereOpcao(std::mem_fn(&TImpressao::SetQdeTeimosinha), Qde, Qde > 0 ? 1 : 0,
                             QStringLiteral("teimosinha %1").arg(Qde));
            ConfereOpcao(std::mem_fn(&TImpressao::SetQdeBolao), 0, 0, QStringLiteral("sem bolão"));
            for (int Cotas = 2; Cotas <= Regras->QdeBolaoMax(); ++Cotas)
                ConfereOpcao(std::mem_fn(&TImpressao::SetQdeBolao), Cotas, Cotas >= 10 && Cotas <= 99 ? 2 : 1,
                             QStringLiteral("bolão %1").arg(Cotas));
        }
    }
}

namespace {

// A print run over the given sheets; every sheet's marks are dark on the drawn page, and every other
// number and clover box of its games stays white.
void ConferePaginaDesenhada(const TConfiguracaoImpressao& Configuracao,
                            const std::vector<TFolhaImpressao>& Folhas, int CelulasPorPagina,
                            const QSizeF& PapelMm) {
    TCDSImpressao CDS(TCDSImpressao::CamposDaImpressao());
    CDS.Substitui(Folhas);
    TMensagens Mensagens;
    const auto Execucao = TExecucaoImpressao::Monta(Configuracao, CDS, Mensagens);
    ASSERT_NE(Execucao, nullptr) << Mensagens.value(0).Texto.toStdString();
    TRelatorio& Relatorio = Execucao->Relatorio();
    EXPECT_EQ(Relatorio.Layout().CelulasPorPagina(), CelulasPorPagina);
    EXPECT_EQ(Relatorio.LayoutPapel().fullRect(QPageLayout::Millimeter).size().toSize(), PapelMm.toSize());
    ASSERT_EQ(Relatorio.QdePaginas(), 1);
    const QImage Pagina = ImagemPagina(Relatorio, 0, 96);

    TImpressao& Impressao = Execucao->Impressao();
    for (int Celula = 0; Celula < int(Folhas.size()); ++Celula) {
        SCOPED_TRACE(testing::Message() << "volante " << Celula + 1);
        const TFolhaImpressao& Folha = CDS.Folha(Celula);
        Impressao.SetDados(Folha);
        const QList<const TShape*> Marcas = MarcasVisiveis(Relatorio);
        const int Jogos = int(std::count_if(Folha.Jogo.begin(), Folha.Jogo.end(),
                                            [](const QString& Jogo) { return !Jogo.isEmpty(); }));
        const int Trevos = int(Folha.Trevo[0].split(u' ').size());
        EXPECT_EQ(Marcas.size(), Jogos * (Configuracao.QdeNumPorVolante + Trevos) + 5)
            << "numbers and clovers, the two counts, quick pick, pool tens and units";
        for (const TShape* Marca : Marcas)
            EXPECT_LT(CinzaNoCentro(Relatorio, Pagina, Celula, Marca->Box()), 100)
                << Marca->Name().toStdString();
        for (int Jogo = 1; Jogo <= Jogos; ++Jogo) {
            const QStringList Numeros = Folha.Jogo[std::size_t(Jogo - 1)].split(u' ');
            const TShape* Numero =
                Execucao->Form().Componente<TShape>(QStringLiteral("ShapeJogo%1_Num1").arg(Jogo));
            for (int Valor = 1; Valor <= 50; ++Valor)
                if (!Numeros.contains(DoisDigitos(Valor))) {
                    Impressao.ImprimeNumero(1, Valor, Jogo);
                    EXPECT_EQ(CinzaNoCentro(Relatorio, Pagina, Celula, Numero->Box()), 255)
                        << "jogo " << Jogo << ", número " << Valor;
                }
            for (int Trevo = 1; Trevo <= 6; ++Trevo)
                if (!Folha.Trevo[std::size_t(Jogo - 1)].contains(QString::number(Trevo))) {
                    Impressao.ImprimeTrevo(Jogo, QString::number(Trevo));
                    const TShape* Marca = Execucao->Form().Componente<TShape>(
                        QStringLiteral("ShapeJogo%1_Trevo%2").arg(Jogo).arg(Trevo));
                    EXPECT_EQ(CinzaNoCentro(Relatorio, Pagina, Celula, Marca->Box()), 255)
                        << "jogo " << Jogo << ", trevo " << Trevo;
                }
        }
    }
    EXPECT_TRUE(Execucao->Mensagens().isEmpty());
}

TConfiguracaoImpressao ConfiguracaoMaisMilionaria(int Modelo) {
    TConfiguracaoImpressao Configuracao;
    Configuracao.NomeModalidade = MaisMilionaria;
    Configuracao.LayoutIndex = Modelo;
    Configuracao.QdeNumPorVolante = 7;
    Configuracao.QdeJogosPorVolante = QdeJogosDoModelo(Modelo);
    Configuracao.QdeTrevo = 3;
    Configuracao.QdeSurpresinha = 10;
    Configuracao.QdeBolao = 84;
    return Configuracao;
}

// Sheets whose games differ from slip to slip and from game to game.
std::vector<TFolhaImpressao> FolhasMaisMilionaria(int QdeFolhas, int Jogos) {
    std::vector<TFolhaImpressao> Folhas;
    for (int Indice = 0; Indice < QdeFolhas; ++Indice) {
        TFolhaImpressao Folha;
        for (int Jogo = 0; Jogo < Jogos; ++Jogo) {
            QStringList Numeros;
            for (int Posicao = 0; Posicao < 7; ++Posicao)
                Numeros << DoisDigitos((Indice * 4 + Jogo + Posicao * 7) % 50 + 1);
            Numeros.sort();
            Folha.Jogo[std::size_t(Jogo)] = Numeros.join(QLatin1Char(' '));
            Folha.IdJogo[std::size_t(Jogo)] = Indice * Jogos + Jogo + 1;
            Folha.Trevo[std::size_t(Jogo)] = QStringLiteral("1 4 6");
        }
        Folha.NumPagina = 1;
        Folhas.push_back(Folha);
    }
    return Folhas;
}

} // namespace

// Model 0, a wide slip: two slips one above the other on a portrait A4 sheet.
TEST(ImpressaoMaisMilionaria, Modelo0NaFolhaA4) {
    ConferePaginaDesenhada(ConfiguracaoMaisMilionaria(0), FolhasMaisMilionaria(2, 4), 2, {210, 297});
}

// Model 0 on the official slip: one slip on paper of 210 x 150 mm.
TEST(ImpressaoMaisMilionaria, Modelo0NoVolanteOficial) {
    TConfiguracaoImpressao Configuracao = ConfiguracaoMaisMilionaria(0);
    Configuracao.ImpressaoVolanteOficial = true;
    ConferePaginaDesenhada(Configuracao, FolhasMaisMilionaria(1, 3), 1, {210, 150});
}

// Model 1, a tall slip: three slips side by side on a landscape A4 sheet.
TEST(ImpressaoMaisMilionaria, Modelo1NaFolhaA4) {
    ConferePaginaDesenhada(ConfiguracaoMaisMilionaria(1), FolhasMaisMilionaria(3, 2), 3, {297, 210});
}
