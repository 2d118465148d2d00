#include "ApoioImpressao.h"

#include "report/Imagem.h"
#include "report/Memo.h"
#include "report/Rotulo.h"
#include "report/RotuloAngular.h"

#include <gtest/gtest.h>

namespace {

const QString Seis = QStringLiteral("01 12 23 34 45 56");

QString Rotulo(const TMontagem& Montagem, const char* Nome) {
    return Montagem.Componente<TRotulo>(QString::fromLatin1(Nome))->Caption();
}

} // namespace

TEST(Preenchimento, SetDadosLeAFolhaInteira) {
    TMontagem Mega = MontaMega(0);
    TFolhaImpressao Dados = Folha({Seis, QStringLiteral("02 03 04 05 06 07")}, {15, 16}, 3);
    Dados.MesJogo = {5, std::nullopt, 12, 1};
    Dados.TimeCoracaoJogo = {7, 80, std::nullopt, 2};
    Dados.Espelho = {1, 2, std::nullopt, 1};
    Dados.Trevo = {QStringLiteral("1 3"), QString(), QString(), QStringLiteral("2 6")};
    TImpressao& Impressao = *Mega.Impressao;
    Impressao.SetDados(Dados);

    EXPECT_EQ(Impressao.Jogo1(), Seis);
    EXPECT_EQ(Impressao.Jogo2(), QStringLiteral("02 03 04 05 06 07"));
    EXPECT_EQ(Impressao.Jogo3(), QString());
    EXPECT_EQ(Impressao.NumeroPagina(), 3);
    EXPECT_EQ(Impressao.SequenciaJogo(), QStringLiteral("15 16  "));
    EXPECT_EQ(Impressao.MesJogo1(), 5);
    EXPECT_EQ(Impressao.MesJogo2(), 0);
    EXPECT_EQ(Impressao.MesJogo4(), 1);
    EXPECT_EQ(Impressao.TimeCoracaoJogo2(), 80);
    EXPECT_EQ(Impressao.TimeCoracaoJogo3(), 0);
    // Only 1 means a mirror bet.
    EXPECT_TRUE(Impressao.ApostaEspelho1());
    EXPECT_FALSE(Impressao.ApostaEspelho2());
    EXPECT_FALSE(Impressao.ApostaEspelho3());
    EXPECT_TRUE(Impressao.ApostaEspelho4());
    EXPECT_EQ(Impressao.Trevo1(), QStringLiteral("1 3"));
    EXPECT_EQ(Impressao.Trevo4(), QStringLiteral("2 6"));
}

TEST(Preenchimento, CadaFolhaMostraSoAsSuasMarcas) {
    TMontagem Mega = MontaMega(0);
    Mega.Impressao->SetDados(Folha({Seis, Seis, Seis}, {1, 2, 3}));
    EXPECT_TRUE(Mega.Shape(QStringLiteral("ShapeJogo3_Num6"))->Visible());

    // Games 1 and 2 only: game 3 keeps no mark of the previous sheet, its guides are still drawn.
    Mega.Impressao->SetDados(Folha({Seis, Seis}, {4, 5}));
    QStringList Marcas;
    for (const QString& Nome : Mega.ShapesVisiveis())
        if (Nome.startsWith(QStringLiteral("Shape")))
            Marcas << Nome;
    QStringList Esperadas{QStringLiteral("ShapeQdeNumPorVolante")};
    for (int Jogo = 1; Jogo <= 2; ++Jogo)
        for (int Posicao = 1; Posicao <= 6; ++Posicao)
            Esperadas << QStringLiteral("ShapeJogo%1_Num%2").arg(Jogo).arg(Posicao);
    EXPECT_EQ(Marcas, Esperadas);
    EXPECT_TRUE(Mega.Shape(QStringLiteral("SG_Lin6_Jogo3"))->Visible());
    EXPECT_TRUE(Mega.Impressao->Mensagens().isEmpty());
    EXPECT_EQ(Mega.Componente<TMemo>(QStringLiteral("MemoJogos"))->Lines(),
              QStringList({Seis, Seis, QString(), QString()}));
}

TEST(Preenchimento, EspacoDuploContaComoPosicao) {
    TMontagem Mega = MontaMega(0);
    Mega.Impressao->SetDados(Folha({QStringLiteral("01  02")}, {1}));
    EXPECT_TRUE(Mega.Shape(QStringLiteral("ShapeJogo1_Num1"))->Visible());
    EXPECT_FALSE(Mega.Shape(QStringLiteral("ShapeJogo1_Num2"))->Visible());
    const TShape* Terceira = Mega.Shape(QStringLiteral("ShapeJogo1_Num3"));
    EXPECT_TRUE(Terceira->Visible());
    EXPECT_EQ(Terceira->Box().topLeft(), QPoint(72 + 2, 188 - 1));
}

TEST(Preenchimento, NumeroInvalidoNaoDeixaVolanteMeioMarcado) {
    TMontagem Mega = MontaMega(0);
    Mega.Impressao->SetDados(Folha({Seis, QStringLiteral("01 x2 03")}, {7, 8}, 2));
    ASSERT_EQ(Mega.Impressao->Mensagens().size(), 1);
    EXPECT_EQ(Mega.Impressao->Mensagens()[0].Tipo, TTipoMensagem::Erro);
    EXPECT_EQ(Mega.Impressao->Mensagens()[0].Texto,
              QStringLiteral(
                  "Erro de conversão : 'x2' não é um número inteiro válido (Pag : 2, Jogo 2). O volante foi "
                  "impresso sem as marcas dos jogos."));
    for (const QString& Nome : Mega.ShapesVisiveis())
        EXPECT_FALSE(Nome.startsWith(QStringLiteral("Shape"))) << Nome.toStdString();
    // The texts still belong to this sheet.
    EXPECT_EQ(Rotulo(Mega, "LabelNumPagina"), QStringLiteral("Pag : 2 (7-8)"));
}

TEST(Preenchimento, RotuloDaPaginaLevaOsIdentificadoresDosJogos) {
    struct TCaso {
        QList<int> Ids;
        int Pagina;
        const char* Esperado;
    };
    const TCaso Casos[] = {
        {{15, 16, 17}, 1, "Pag : 1 (15-16-17)"},
        {{15, 16}, 3, "Pag : 3 (15-16)"},
        {{15}, 12, "Pag : 12 (15)"},
        {{}, 1, "Pag : 1 ()"},
    };
    for (const TCaso& Caso : Casos) {
        TMontagem Mega = MontaMega(0);
        QStringList Jogos;
        for (qsizetype Indice = 0; Indice < Caso.Ids.size(); ++Indice)
            Jogos << Seis;
        Mega.Impressao->SetDados(Folha(Jogos, Caso.Ids, Caso.Pagina));
        const auto* Pagina = Mega.Componente<TRotulo>(QStringLiteral("LabelNumPagina"));
        EXPECT_EQ(Pagina->Caption(), QString::fromLatin1(Caso.Esperado));
        EXPECT_EQ(Pagina->TamanhoFonte(), 10);
        EXPECT_EQ(Pagina->Box().topLeft(), QPoint(43, 639));
        EXPECT_TRUE(Pagina->Visible());
    }
}

TEST(Preenchimento, TituloEIdentificacao) {
    struct TCaso {
        const char* Identificacao;
        bool Lateral;
        const char* Modelo;
        const char* Titulo;
        int TamanhoTitulo;
        bool ExtraVisivel;
        const char* Angular;
    };
    const TCaso Casos[] = {
        {"", false, "TFormImpressaoMega_3", "Mega 2020", 10, true, ""},
        {"ANA", false, "TFormImpressaoMega_3", "Mega 2020 - ANA", 7, true, ""},
        {"ANA", true, "TFormImpressaoMega_3", "Mega 2020 - ANA", 7, false, "ANA"},
        // A template without the angled label keeps the identification below the slip.
        {"ANA", true, "TFormImpressaoMegaVirada_3", "Mega 2020 - ANA", 7, true, nullptr},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(Caso.Titulo);
        const int Modelo = QString::fromLatin1(Caso.Modelo).contains(QStringLiteral("Virada")) ? 1 : 0;
        TMontagem Mega = MontaMega(Modelo, [&Caso](TImpressao& Impressao) {
            Impressao.SetNomeModalidade(QStringLiteral("Mega 2020"));
            Impressao.SetNomeIdentificacao(QString::fromUtf8(Caso.Identificacao));
            Impressao.SetImprimirTextoModalidadeLateral(Caso.Lateral);
        });
        Mega.Impressao->SetDados(Folha({Seis}, {1}));

        const auto* Titulo = Mega.Componente<TRotulo>(QStringLiteral("LabelNomeModalidade"));
        EXPECT_EQ(Titulo->Caption(), QString::fromUtf8(Caso.Titulo));
        EXPECT_EQ(Titulo->TamanhoFonte(), Caso.TamanhoTitulo);
        EXPECT_EQ(Titulo->Box().topLeft(), QPoint(23, 120));
        const auto* Extra = Mega.Componente<TRotulo>(QStringLiteral("LabelNomeModalidadeExtra"));
        EXPECT_EQ(Extra->Caption(), QString::fromUtf8(Caso.Identificacao));
        EXPECT_EQ(Extra->TamanhoFonte(), 9);
        EXPECT_EQ(Extra->Box().topLeft(), QPoint(23, 671));
        EXPECT_EQ(Extra->Visible(), Caso.ExtraVisivel);
        const auto* Angular = Mega.Componente<TRotuloAngular>(QStringLiteral("RLAngleLabel1"));
        ASSERT_EQ(Angular != nullptr, Caso.Angular != nullptr);
        if (Angular) {
            EXPECT_EQ(Angular->Caption(), QString::fromLatin1(Caso.Angular));
            if (Caso.Lateral) { // along the picture's right edge
                EXPECT_EQ(Angular->Left(), 311 - 18);
            }
        }
    }
}

TEST(Preenchimento, RelacaoDosJogos) {
    struct TCaso {
        TTipoModalidade Tipo;
        bool Imprimir;
        int Tamanho;
    };
    for (const TCaso& Caso :
         {TCaso{TTipoModalidade::Megasena, true, 8}, TCaso{TTipoModalidade::Megasena, false, 8},
          TCaso{TTipoModalidade::Lotomania, true, 6}}) {
        TMontagem Mega = MontaMega(1, [&Caso](TImpressao& Impressao) {
            Impressao.SetTipoModalidade(Caso.Tipo);
            Impressao.SetImprimirNumerosJogos(Caso.Imprimir);
        });
        Mega.Impressao->SetDados(Folha({Seis, QString(), Seis}, {1, 0, 3}));
        const auto* Memo = Mega.Componente<TMemo>(QStringLiteral("MemoJogos"));
        EXPECT_EQ(Memo->Lines(), QStringList({Seis, QString(), Seis, QString()}));
        EXPECT_EQ(Memo->TamanhoFonte(), Caso.Tamanho);
        EXPECT_EQ(Memo->Box(), QRect(23, 25, 276, 26));
        EXPECT_EQ(Memo->Visible(), Caso.Imprimir);
    }
}

TEST(Preenchimento, CotasDoBolao) {
    for (const int Cotas : {0, 10, 100}) {
        TMontagem Mega = MontaMega(0, [Cotas](TImpressao& Impressao) { Impressao.SetQdeBolao(Cotas); });
        Mega.Impressao->SetDados(Folha({Seis}, {1}));
        const auto* RLCotas = Mega.Componente<TRotulo>(QStringLiteral("RLCotas"));
        EXPECT_EQ(RLCotas->Visible(), Cotas > 0) << Cotas;
        if (Cotas > 0) {
            EXPECT_EQ(RLCotas->Caption(), QString::number(Cotas) + QStringLiteral(" C"));
            EXPECT_EQ(RLCotas->Box().topLeft(), QPoint(23, 639));
        }
    }
}
