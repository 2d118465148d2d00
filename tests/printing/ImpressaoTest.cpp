#include "ApoioImpressao.h"

#include "printing/ModelosRelatorio.h"
#include "report/Imagem.h"
#include "report/Memo.h"
#include "report/Rotulo.h"
#include "report/RotuloAngular.h"

#include <gtest/gtest.h>

namespace {

// The base engine on a Mega-Sena template, with no shapes yet.
struct TMotorBase {
    std::unique_ptr<TFormImpressao> Form = CriaFormImpressao(QStringLiteral("TFormImpressaoMega_3"));
    TImpressao Impressao;

    TMotorBase() {
        Impressao.SetFormOwner(Form.get());
        Impressao.SetDetailGrid(&Form->RLDetailGrid1());
    }
    TShape* Shape(const QString& Nome) const { return Form->Componente<TShape>(Nome); }
    TShape& Cria(const QString& Nome, const QList<int>& Box, int Tag,
                 TFormatoShape Formato = TFormatoShape::dkRectangle) {
        Impressao.CriaShape(Box, Formato, Tag, Nome);
        return *Shape(Nome);
    }
    // Column 1 and row 1 of game 1 as on the Mega-Sena slip, and the mark of the first number.
    TShape& CriaColunaLinhaEMarca() {
        Cria(QStringLiteral("SG_Col1"), {48, 173, 16, 7}, 0);
        Cria(QStringLiteral("SG_Lin1_Jogo1"), {8, 188, 12, 7}, 2);
        return Cria(QStringLiteral("ShapeJogo1_Num1"), {0, 0, 13, 7}, 100, TFormatoShape::dkElipse);
    }
};

QStringList NomesDosShapes(const TFormImpressao& Form) {
    QStringList Nomes;
    for (const TComponente* Componente : Form.RLReport1().Componentes())
        if (dynamic_cast<const TShape*>(Componente))
            Nomes << Componente->Name();
    return Nomes;
}

} // namespace

TEST(Impressao, NovoMotorComecaZeradoEResetePoeEstadoDeColocacao) {
    TImpressao Impressao;
    EXPECT_EQ(Impressao.QdeNumPorVolante(), 0);
    EXPECT_EQ(Impressao.FormOwner(), nullptr);
    EXPECT_TRUE(Impressao.AjusteUsuario().isEmpty());
    EXPECT_TRUE(Impressao.NomeModalidade().isEmpty());
    EXPECT_FALSE(Impressao.ImpressaoVolanteOficial());
    EXPECT_EQ(Impressao.ColorShape(), QColor(Qt::black));
    EXPECT_EQ(Impressao.Coluna(), 0);
    EXPECT_EQ(Impressao.Linha(), 0);
    EXPECT_TRUE(Impressao.AjusteFino().isEmpty());

    Impressao.Resete();
    EXPECT_EQ(Impressao.Coluna(), -1);
    EXPECT_EQ(Impressao.Linha(), -1);
    EXPECT_EQ(Impressao.AjusteFino(), QList<int>({0, 0}));
}

TEST(Impressao, CriaShapeNaCorDaMarcaOcultoComTagENome) {
    TMotorBase Motor;
    Motor.Impressao.SetColorShape(Qt::red);
    const TShape& Shape =
        Motor.Cria(QStringLiteral("ShapeTeste"), {5, 6, 13, 7}, 100, TFormatoShape::dkElipse);
    EXPECT_EQ(Shape.Box(), QRect(5, 6, 13, 7));
    EXPECT_EQ(Shape.Formato(), TFormatoShape::dkElipse);
    EXPECT_EQ(Shape.CorPreenchimento(), QColor(Qt::red));
    EXPECT_EQ(Shape.CorLinha(), QColor(Qt::red));
    EXPECT_EQ(Shape.CorFundo(), QColor(255, 255, 255));
    EXPECT_FALSE(Shape.Visible());
    EXPECT_EQ(Shape.Tag(), 100);
    EXPECT_THROW(
        Motor.Impressao.CriaShape({0, 0, 1, 1}, TFormatoShape::dkElipse, 100, QStringLiteral("shapeteste")),
        std::logic_error);
}

TEST(Impressao, CriaShapeNumerosJogoAJogoPosicaoAPosicao) {
    TMotorBase Motor;
    Motor.Impressao.SetQdeJogosPorVolante(2);
    Motor.Impressao.SetQdeNumPorVolante(6);
    Motor.Impressao.CriaShapeNumeros({0, 0, 13, 7});
    QStringList Esperados;
    for (int Jogo = 1; Jogo <= 2; ++Jogo)
        for (int Posicao = 1; Posicao <= 6; ++Posicao)
            Esperados << QStringLiteral("ShapeJogo%1_Num%2").arg(Jogo).arg(Posicao);
    EXPECT_EQ(NomesDosShapes(*Motor.Form), Esperados);
    EXPECT_EQ(Motor.Shape(QStringLiteral("ShapeJogo2_Num6"))->Box(), QRect(0, 0, 13, 7));

    TMotorBase SemJogos;
    SemJogos.Impressao.SetQdeNumPorVolante(6);
    SemJogos.Impressao.CriaShapeNumeros({0, 0, 13, 7});
    EXPECT_TRUE(NomesDosShapes(*SemJogos.Form).isEmpty());
}

TEST(Impressao, EscondeShapesDeixaCadaShapeNaVisibilidadeDaSuaTag) {
    struct TCaso {
        bool Oficial;
        bool GuiaForcada;
        bool GuiaDesenhada;
    };
    const TCaso Casos[] = {
        {false, false, true},
        {false, true, true},
        {true, false, false},
        {true, true, true},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(testing::Message()
                     << "oficial " << Caso.Oficial << ", guia forçada " << Caso.GuiaForcada);
        TMotorBase Motor;
        Motor.Impressao.SetImpressaoVolanteOficial(Caso.Oficial);
        Motor.Impressao.SetGuiaForcada(Caso.GuiaForcada);
        for (const int Tag : {0, 2, 4, 100})
            Motor.Cria(QStringLiteral("SG_Tag%1").arg(Tag), {0, 0, 5, 5}, Tag).SetVisible(true);
        Motor.Impressao.EscondeShapes();
        EXPECT_EQ(Motor.Shape(QStringLiteral("SG_Tag2"))->Visible(), Caso.GuiaDesenhada);
        for (const int Tag : {0, 4, 100})
            EXPECT_FALSE(Motor.Shape(QStringLiteral("SG_Tag%1").arg(Tag))->Visible()) << Tag;
    }
}

TEST(Impressao, ImprimeShapeColocaAMarcaPelasGuiasEAjusteFinoEResete) {
    TMotorBase Motor;
    TShape& Marca = Motor.CriaColunaLinhaEMarca();

    TImpressao& Impressao = Motor.Impressao;
    // Names are compared without regard to case.
    Impressao.SetObjColuna(QStringLiteral("sg_col1"));
    Impressao.SetObjLinha(QStringLiteral("SG_LIN1_JOGO1"));
    Impressao.SetShapeAtual(QStringLiteral("ShapeJogo1_Num1"));
    Impressao.SetAjusteFino({2, -1});
    Impressao.ImprimeShape();

    EXPECT_EQ(Marca.Box(), QRect(50, 187, 13, 7));
    EXPECT_TRUE(Marca.Visible());
    EXPECT_TRUE(Impressao.Mensagens().isEmpty());
    EXPECT_EQ(Impressao.Coluna(), -1);
    EXPECT_EQ(Impressao.Linha(), -1);
    EXPECT_EQ(Impressao.AjusteFino(), QList<int>({0, 0}));
}

TEST(Impressao, ColocacaoSemGuiaInformaOErroDeixaAMarcaOcultaEAProximaFunciona) {
    TMotorBase Motor;
    TShape& Marca = Motor.CriaColunaLinhaEMarca();
    TImpressao& Impressao = Motor.Impressao;
    TMensagens Ouvidas;
    Impressao.SetAoMensagem([&Ouvidas](const TMensagem& Mensagem) { Ouvidas << Mensagem; });

    Impressao.Resete();
    Impressao.SetLinha(1);
    Impressao.SetAjusteFino({2, -1});
    Impressao.ImprimeNumero(1, 1, 1); // no column was chosen

    const TMensagem Esperada{TTipoMensagem::Erro,
                             MensagemColocacao(QStringLiteral("SG_Col-1"), QStringLiteral("SG_Lin1_Jogo1"),
                                               QStringLiteral("ShapeJogo1_Num1"),
                                               QStringLiteral("Objeto não encontrado: SG_Col-1"))};
    ASSERT_EQ(Impressao.Mensagens(), TMensagens{Esperada});
    EXPECT_EQ(Ouvidas, TMensagens{Esperada});
    EXPECT_FALSE(Marca.Visible());
    EXPECT_EQ(Marca.Box(), QRect(0, 0, 13, 7));
    EXPECT_EQ(Impressao.Coluna(), -1);

    Impressao.SetColuna(1);
    Impressao.SetLinha(1);
    Impressao.SetAjusteFino({2, -1});
    Impressao.ImprimeNumero(1, 1, 1);
    EXPECT_TRUE(Marca.Visible());
    EXPECT_EQ(Marca.Box(), QRect(50, 187, 13, 7));
    EXPECT_EQ(Impressao.Mensagens().size(), 1);
}

TEST(Impressao, CadaFalhaDeColocacaoDizOQueFaltou) {
    struct TCaso {
        const char* Coluna;
        const char* Linha;
        const char* Marca;
        QList<int> AjusteFino;
        const char* Falha;
    };
    const TCaso Casos[] = {
        {"SG_Col9", "SG_Lin1_Jogo1", "ShapeJogo1_Num1", {0, 0}, "Objeto não encontrado: SG_Col9"},
        {"SG_Col1", "SG_Lin9_Jogo1", "ShapeJogo1_Num1", {0, 0}, "Objeto não encontrado: SG_Lin9_Jogo1"},
        {"SG_Col1", "SG_Lin1_Jogo1", "ShapeJogo4_Num1", {0, 0}, "Objeto não encontrado: ShapeJogo4_Num1"},
        // A guide is no mark: the label of that name is not a shape.
        {"SG_Col1", "SG_Lin1_Jogo1", "LabelNumPagina", {0, 0}, "Objeto não encontrado: LabelNumPagina"},
        {"SG_Col1",
         "SG_Lin1_Jogo1",
         "ShapeJogo1_Num1",
         {},
         "Ajuste fino incompleto: são necessários 2 valores, há 0"},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(Caso.Falha);
        TMotorBase Motor;
        Motor.CriaColunaLinhaEMarca();
        TImpressao& Impressao = Motor.Impressao;
        Impressao.SetObjColuna(QString::fromUtf8(Caso.Coluna));
        Impressao.SetObjLinha(QString::fromUtf8(Caso.Linha));
        Impressao.SetShapeAtual(QString::fromUtf8(Caso.Marca));
        Impressao.SetAjusteFino(Caso.AjusteFino);
        Impressao.ImprimeShape();
        ASSERT_EQ(Impressao.Mensagens().size(), 1);
        EXPECT_EQ(Impressao.Mensagens()[0].Texto,
                  MensagemColocacao(QString::fromUtf8(Caso.Coluna), QString::fromUtf8(Caso.Linha),
                                    QString::fromUtf8(Caso.Marca), QString::fromUtf8(Caso.Falha)));
        EXPECT_FALSE(Motor.Shape(QStringLiteral("ShapeJogo1_Num1"))->Visible());
    }
}

TEST(Impressao, OperacoesDeOutrosJogosNadaFazemNumaModalidadeQueNaoEADelas) {
    TMotorBase Motor;
    TImpressao& Impressao = Motor.Impressao;
    Impressao.SetTipoModalidade(TTipoModalidade::Megasena);
    Impressao.ImprimeMes(1, 5);
    Impressao.ImprimeTimeCoracao(1, 7);
    Impressao.ImprimeApostaEspelho(1, true);
    Impressao.ImprimeQdeTrevo();
    Impressao.ImprimeTrevo(1, QStringLiteral("1 2"));
    EXPECT_TRUE(Impressao.Mensagens().isEmpty());

    // The guides and marks of each game's extras carry the names of their own rows.
    struct TCaso {
        TTipoModalidade Tipo;
        std::function<void(TImpressao&)> Imprime;
        QString Esperada;
    };
    const TCaso Casos[] = {
        {TTipoModalidade::DiaDeSorte, [](TImpressao& I) { I.ImprimeMes(2, 5); },
         MensagemColocacao(QStringLiteral("SG_Col3"), QStringLiteral("SG_Lin4_Jogo2_Mes"),
                           QStringLiteral("ShapeJogo2_Mes"),
                           QStringLiteral("Objeto não encontrado: SG_Col3"))},
        {TTipoModalidade::Timemania, [](TImpressao& I) { I.ImprimeTimeCoracao(1, 7); },
         MensagemColocacao(QStringLiteral("SG_Col3"), QStringLiteral("SG_Lin4_Time"),
                           QStringLiteral("ShapeTimeCoracao"),
                           QStringLiteral("Objeto não encontrado: SG_Col3"))},
        {TTipoModalidade::Lotomania, [](TImpressao& I) { I.ImprimeApostaEspelho(3, true); },
         MensagemColocacao(QStringLiteral("SG_Col1"), QStringLiteral("SG_ApostaEspelho"),
                           QStringLiteral("ShapeApostaEspelho1"),
                           QStringLiteral("Objeto não encontrado: SG_Col1"))},
        {TTipoModalidade::MaisMilionaria, [](TImpressao& I) { I.ImprimeQdeTrevo(); },
         MensagemColocacao(QStringLiteral("SG_Col3"), QStringLiteral("SG_QdeTrevo"),
                           QStringLiteral("ShapeQdeTrevo"),
                           QStringLiteral("Objeto não encontrado: SG_Col3"))},
    };
    for (const TCaso& Caso : Casos) {
        TMotorBase Outro;
        Outro.Impressao.SetTipoModalidade(Caso.Tipo);
        Outro.Impressao.SetColuna(3);
        Outro.Impressao.SetLinha(4);
        Outro.Impressao.SetAjusteFino({0, 0});
        Caso.Imprime(Outro.Impressao);
        ASSERT_EQ(Outro.Impressao.Mensagens().size(), 1);
        EXPECT_EQ(Outro.Impressao.Mensagens()[0].Texto, Caso.Esperada);
    }
}

TEST(Impressao, TrevosDaMaisMilionariaModelo1) {
    TMotorBase Motor;
    TImpressao& Impressao = Motor.Impressao;
    Impressao.SetTipoModalidade(TTipoModalidade::MaisMilionaria);
    Impressao.SetLayoutIndex(1);
    Motor.Cria(QStringLiteral("SG_Col7"), {163, 135, 16, 7}, 0);
    Motor.Cria(QStringLiteral("SG_Col9"), {211, 135, 16, 7}, 0);
    for (const int Linha : {3, 6, 9})
        Motor.Cria(QStringLiteral("SG_Lin%1_Jogo2").arg(Linha), {3, 100 + 10 * Linha, 12, 7}, 2);
    for (int Trevo = 1; Trevo <= 6; ++Trevo)
        Motor.Cria(QStringLiteral("ShapeJogo2_Trevo%1").arg(Trevo), {3, 83, 12, 10}, 100,
                   TFormatoShape::dkElipse);

    Impressao.ImprimeTrevo(2, QStringLiteral("1 4 5"));
    EXPECT_TRUE(Impressao.Mensagens().isEmpty());
    EXPECT_EQ(Motor.Shape(QStringLiteral("ShapeJogo2_Trevo1"))->Box(), QRect(164, 129, 12, 10));
    EXPECT_EQ(Motor.Shape(QStringLiteral("ShapeJogo2_Trevo4"))->Box(), QRect(212, 159, 12, 10));
    EXPECT_EQ(Motor.Shape(QStringLiteral("ShapeJogo2_Trevo5"))->Box(), QRect(164, 189, 12, 10));
    for (int Trevo = 1; Trevo <= 6; ++Trevo)
        EXPECT_EQ(Motor.Shape(QStringLiteral("ShapeJogo2_Trevo%1").arg(Trevo))->Visible(),
                  Trevo == 1 || Trevo == 4 || Trevo == 5)
            << Trevo;

    // Clovers marked by hand: nothing is placed and nothing is reported.
    Impressao.EscondeShapes();
    Impressao.SetMarcarTrevoMao(true);
    Impressao.ImprimeTrevo(2, QStringLiteral("1 4 5"));
    EXPECT_TRUE(Impressao.Mensagens().isEmpty());
    for (int Trevo = 1; Trevo <= 6; ++Trevo)
        EXPECT_FALSE(Motor.Shape(QStringLiteral("ShapeJogo2_Trevo%1").arg(Trevo))->Visible()) << Trevo;
}
