#include "ApoioImpressao.h"
#include "catalogue/TimesCoracao.h"
#include "catalogue/ULib.h"
#include "printing/ExecucaoImpressao.h"
#include "report/Rotulo.h"
#include "report/SaidaRelatorio.h"

#include <gtest/gtest.h>

#include <QSet>

#include <functional>
#include <map>
#include <set>

namespace {

const QString Timemania = QStringLiteral("Timemania");
const QString Dez = QStringLiteral("01 12 23 34 45 56 67 78 79 80");

struct TOpcoes {
    int Surpresinha = 0;
    int Teimosinha = 0;
    int Bolao = 0;
};

TMontagem MontaTimemania(const TOpcoes& Opcoes = {}) {
    return Monta(Timemania, 0, [&Opcoes](TImpressao& Impressao) {
        Impressao.SetQdeSurpresinha(Opcoes.Surpresinha);
        Impressao.SetQdeTeimosinha(Opcoes.Teimosinha);
        Impressao.SetQdeBolao(Opcoes.Bolao);
    });
}

TFolhaImpressao FolhaComTime(const QString& Jogo, int Time) {
    TFolhaImpressao Resultado = Folha({Jogo}, {1});
    Resultado.TimeCoracaoJogo[0] = Time;
    return Resultado;
}

// The marks shown that are not number marks, with their top-left corners.
std::map<QString, QPoint> MarcasForaDaGrade(const TMontagem& Montagem) {
    std::map<QString, QPoint> Marcas;
    for (const TShape* Marca : MarcasVisiveis(Montagem.Form->RLReport1()))
        if (!Marca->Name().startsWith(QStringLiteral("ShapeJogo")))
            Marcas[Marca->Name()] = Marca->Box().topLeft();
    return Marcas;
}

QString Nome(const char* Texto) {
    return QString::fromLatin1(Texto);
}

QString DoisDigitos(int Valor) {
    return QStringLiteral("%1").arg(Valor, 2, 10, QLatin1Char('0'));
}

} // namespace

TEST(ImpressaoTimemania, GuiasEMarcasNaOrdemDeCriacao) {
    QStringList Esperados;
    for (int Coluna = 0; Coluna <= 11; ++Coluna)
        Esperados << QStringLiteral("SG_Col%1").arg(Coluna);
    Esperados << QStringLiteral("SG_Master");
    for (int Linha = 1; Linha <= 8; ++Linha)
        Esperados << QStringLiteral("SG_Lin%1_Jogo1").arg(Linha);
    for (int Linha = 1; Linha <= 27; ++Linha)
        Esperados << QStringLiteral("SG_Lin%1_Time").arg(Linha);
    Esperados << QStringLiteral("SG_Surpresinha") << QStringLiteral("ShapeSurpresinha")
              << QStringLiteral("SG_Teimosinha") << QStringLiteral("ShapeTeimosinha")
              << QStringLiteral("ShapeTimeCoracao") << QStringLiteral("SG_BolaoUnidade")
              << QStringLiteral("ShapeBolaoUnidade");
    for (int Posicao = 1; Posicao <= 10; ++Posicao)
        Esperados << QStringLiteral("ShapeJogo1_Num%1").arg(Posicao);

    const TMontagem Montagem = MontaTimemania();
    QStringList Criados;
    for (const TComponente* Componente : Montagem.Form->RLReport1().Componentes())
        if (const auto* Shape = dynamic_cast<const TShape*>(Componente))
            Criados << Shape->Name();
    EXPECT_EQ(Criados, Esperados);
}

TEST(ImpressaoTimemania, CaixasETagsDasGuiasEMarcas) {
    struct TCaso {
        const char* Nome;
        QRect Box;
        int Tag;
        TFormatoShape Formato;
    };
    const TFormatoShape R = TFormatoShape::dkRectangle;
    const TFormatoShape E = TFormatoShape::dkElipse;
    const TCaso Casos[] = {
        {"SG_Col0", {30, 84, 15, 9}, 0, R},
        {"SG_Col1", {53, 84, 15, 9}, 0, R},
        {"SG_Col2", {78, 84, 15, 9}, 0, R},
        {"SG_Col3", {102, 84, 15, 9}, 0, R},
        {"SG_Col4", {127, 84, 15, 9}, 2, R},
        {"SG_Col5", {151, 84, 15, 9}, 2, R},
        {"SG_Col6", {175, 84, 15, 9}, 2, R},
        {"SG_Col7", {199, 84, 15, 9}, 0, R},
        {"SG_Col8", {224, 84, 15, 9}, 0, R},
        {"SG_Col9", {249, 84, 15, 9}, 0, R},
        {"SG_Col10", {273, 84, 15, 9}, 2, R},
        {"SG_Col11", {297, 84, 15, 9}, 0, R},
        {"SG_Master", {13, 84, 12, 10}, 2, R},
        {"SG_Lin1_Jogo1", {13, 97, 12, 10}, 2, R},
        {"SG_Lin4_Jogo1", {13, 139, 12, 10}, 2, R},
        {"SG_Lin8_Jogo1", {13, 195, 12, 10}, 2, R},
        {"SG_Lin1_Time", {13, 222, 12, 10}, 2, R},
        {"SG_Lin8_Time", {13, 319, 12, 10}, 2, R},
        {"SG_Lin9_Time", {13, 333, 12, 10}, 2, R},
        {"SG_Lin10_Time", {13, 347, 12, 10}, 2, R},
        {"SG_Lin18_Time", {13, 458, 12, 10}, 2, R},
        {"SG_Lin19_Time", {13, 471, 12, 10}, 2, R},
        {"SG_Lin24_Time", {13, 540, 12, 10}, 2, R},
        {"SG_Lin27_Time", {13, 581, 12, 10}, 2, R},
        {"SG_Surpresinha", {13, 598, 12, 10}, 2, R},
        {"ShapeSurpresinha", {13, 598, 13, 7}, 100, E},
        {"SG_Teimosinha", {13, 611, 12, 10}, 2, R},
        {"ShapeTeimosinha", {13, 611, 13, 8}, 100, E},
        {"ShapeTimeCoracao", {13, 598, 11, 8}, 100, E},
        {"SG_BolaoUnidade", {13, 636, 12, 10}, 2, R},
        {"ShapeBolaoUnidade", {13, 636, 13, 6}, 100, E},
        {"ShapeJogo1_Num1", {0, 0, 13, 8}, 100, E},
        {"ShapeJogo1_Num10", {0, 0, 13, 8}, 100, E},
    };
    const TMontagem Montagem = MontaTimemania();
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(Caso.Nome);
        const TShape* Shape = Montagem.Shape(Nome(Caso.Nome));
        ASSERT_NE(Shape, nullptr);
        EXPECT_EQ(Shape->Box(), Caso.Box);
        EXPECT_EQ(Shape->Tag(), Caso.Tag);
        EXPECT_EQ(Shape->Formato(), Caso.Formato);
    }
    EXPECT_EQ(Montagem.Impressao->Box(), QList<int>({0, 0, 13, 8}));
}

TEST(ImpressaoTimemania, PosicoesDosTextos) {
    const TMontagem Montagem = MontaTimemania();
    const TImpressao& Impressao = *Montagem.Impressao;
    EXPECT_EQ(Impressao.ImpRelacaoJogos_E().value(0), 23);
    EXPECT_EQ(Impressao.ImpRelacaoJogos_T().value(0), 25);
    EXPECT_EQ(Impressao.ImpNomeModalidade_E().value(0), 23);
    EXPECT_EQ(Impressao.ImpNomeModalidade_T().value(0), 40);
    EXPECT_EQ(Impressao.ImpNumPagina_E().value(0), 23);
    EXPECT_EQ(Impressao.ImpNumPagina_T().value(0), 656);
    EXPECT_EQ(Impressao.ImpNomeModalidadeExtra_E().value(0), 23);
    EXPECT_EQ(Impressao.ImpNomeModalidadeExtra_T().value(0), 681);
    EXPECT_EQ(Impressao.ImpQdeCotas_E().value(0), 20);
    EXPECT_EQ(Impressao.ImpQdeCotas_T().value(0), 656);
}

TEST(ImpressaoTimemania, MarcaDeCadaNumero) {
    struct TCaso {
        QString Jogo;
        int Posicao;
        QPoint Esperada; // column guide Left + 2, row guide Top + 1
    };
    const TCaso Casos[] = {
        {QStringLiteral("01 02 03 04 05 06 07 08 09 10"), 1, {53 + 2, 97 + 1}},
        {QStringLiteral("01 02 03 04 05 06 07 08 09 10"), 9, {249 + 2, 97 + 1}},
        {QStringLiteral("01 02 03 04 05 06 07 08 09 10"), 10, {273 + 2, 97 + 1}},
        {Dez, 2, {78 + 2, 111 + 1}},
        {Dez, 5, {151 + 2, 153 + 1}},
        {QStringLiteral("71 72 73 74 75 76 77 78 79 80"), 1, {53 + 2, 195 + 1}},
        {QStringLiteral("71 72 73 74 75 76 77 78 79 80"), 10, {273 + 2, 195 + 1}},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(testing::Message() << Caso.Jogo.toStdString() << ", posição " << Caso.Posicao);
        TMontagem Montagem = MontaTimemania();
        Montagem.Impressao->SetDados(FolhaComTime(Caso.Jogo, 1));
        const TShape* Marca = Montagem.Shape(QStringLiteral("ShapeJogo1_Num%1").arg(Caso.Posicao));
        EXPECT_TRUE(Marca->Visible());
        EXPECT_EQ(Marca->Box(), QRect(Caso.Esperada, QSize(13, 8)));
        EXPECT_TRUE(Montagem.Impressao->Mensagens().isEmpty());
    }
}

// The club's number is its place in the list of the print setup; the slip prints the list down three
// columns of 27, 27 and 26.
TEST(ImpressaoTimemania, MarcaDoTimeDoCoracao) {
    struct TCaso {
        int Time;
        const char* NomeTime;
        QPoint Esperada; // column guide Left + 2, row guide Top + 1
    };
    const TCaso Casos[] = {
        {1, "ABC/RN", {30 + 2, 222 + 1}},
        {12, "Bahia/BA", {30 + 2, 375 + 1}},
        {27, "Confiança/SE", {30 + 2, 581 + 1}},
        {28, "Corinthians/SP", {127 + 2, 222 + 1}},
        {41, "Fortaleza/CE", {127 + 2, 403 + 1}},
        {54, "Nova Iguaçu/RJ", {127 + 2, 581 + 1}},
        {55, "Novorizontino/SP", {224 + 2, 222 + 1}},
        {71, "São Paulo/SP", {224 + 2, 445 + 1}},
        {80, "Ypiranga/RS", {224 + 2, 568 + 1}},
    };
    const QStringList Times = ListaTimesCoracao();
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(Caso.NomeTime);
        EXPECT_EQ(Times.value(Caso.Time - 1), QString::fromUtf8(Caso.NomeTime));
        TMontagem Montagem = MontaTimemania();
        Montagem.Impressao->SetDados(FolhaComTime(Dez, Caso.Time));
        const TShape* Marca = Montagem.Shape(QStringLiteral("ShapeTimeCoracao"));
        EXPECT_TRUE(Marca->Visible());
        EXPECT_EQ(Marca->Box(), QRect(Caso.Esperada, QSize(11, 8)));
        EXPECT_TRUE(Montagem.Impressao->Mensagens().isEmpty());
    }
}

TEST(ImpressaoTimemania, CadaTimeNumaCaixaPropriaEALinha27DaTerceiraColunaVazia) {
    TMontagem Montagem = MontaTimemania();
    TImpressao& Impressao = *Montagem.Impressao;
    const TShape* Marca = Montagem.Shape(QStringLiteral("ShapeTimeCoracao"));
    const QPoint Linha27Coluna8(Montagem.Shape(QStringLiteral("SG_Col8"))->Left() + 2,
                                Montagem.Shape(QStringLiteral("SG_Lin27_Time"))->Top() + 1);
    std::set<std::pair<int, int>> Caixas;
    for (int Time = 1; Time <= QdeTimesCoracao; ++Time) {
        Impressao.ImprimeTimeCoracao(1, Time);
        Caixas.insert({Marca->Left(), Marca->Top()});
        EXPECT_NE(Marca->Box().topLeft(), Linha27Coluna8) << Time;
    }
    EXPECT_EQ(Caixas.size(), std::size_t(QdeTimesCoracao));
    EXPECT_TRUE(Impressao.Mensagens().isEmpty());
}

TEST(ImpressaoTimemania, ListaDeTimes) {
    const QStringList Times = ListaTimesCoracao();
    ASSERT_EQ(Times.size(), QdeTimesCoracao);
    EXPECT_EQ(Times.constFirst(), QStringLiteral("ABC/RN"));
    EXPECT_EQ(Times.constLast(), QStringLiteral("Ypiranga/RS"));
    EXPECT_EQ(QSet<QString>(Times.begin(), Times.end()).size(), QdeTimesCoracao);
}

TEST(ImpressaoTimemania, MarcasDasOpcoes) {
    struct TCaso {
        TOpcoes Opcoes;
        std::map<QString, QPoint> Esperadas; // besides the club's
    };
    const QString Surpresinha = QStringLiteral("ShapeSurpresinha");
    const QString Teimosinha = QStringLiteral("ShapeTeimosinha");
    const QString Unidade = QStringLiteral("ShapeBolaoUnidade");
    const TCaso Casos[] = {
        // No option: no box for the numbers per game, nor any quota mark.
        {{}, {}},
        // Quick pick: column q + 2; 9 is the only option in column 11.
        {{1}, {{Surpresinha, {103, 598}}}},
        {{5}, {{Surpresinha, {199 + 1, 598}}}},
        {{9}, {{Surpresinha, {298, 598}}}},
        // Repeat draws in columns 3 to 6.
        {{0, 3}, {{Teimosinha, {103, 611}}}},
        {{0, 6}, {{Teimosinha, {128, 611}}}},
        {{0, 9}, {{Teimosinha, {152, 611}}}},
        {{0, 12}, {{Teimosinha, {176, 611}}}},
        // Pool quotas: units only, column q + 1.
        {{0, 0, 2}, {{Unidade, {103, 637}}}},
        {{0, 0, 5}, {{Unidade, {175 + 1, 637}}}},
        {{0, 0, 9}, {{Unidade, {274, 637}}}},
        {{9, 0, 9}, {{Surpresinha, {298, 598}}, {Unidade, {274, 637}}}},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(testing::Message() << Caso.Opcoes.Surpresinha << " / " << Caso.Opcoes.Teimosinha << " / "
                                        << Caso.Opcoes.Bolao);
        TMontagem Montagem = MontaTimemania(Caso.Opcoes);
        Montagem.Impressao->SetDados(FolhaComTime(Dez, 1));
        std::map<QString, QPoint> Esperadas = Caso.Esperadas;
        Esperadas[QStringLiteral("ShapeTimeCoracao")] = {32, 223};
        EXPECT_EQ(MarcasForaDaGrade(Montagem), Esperadas);
        EXPECT_TRUE(Montagem.Impressao->Mensagens().isEmpty());
    }
}

TEST(ImpressaoTimemania, RotuloDasCotas) {
    TMontagem Montagem = MontaTimemania({0, 0, 5});
    Montagem.Impressao->SetDados(FolhaComTime(Dez, 1));
    const TRotulo* Cotas = Montagem.Componente<TRotulo>(QStringLiteral("RLCotas"));
    ASSERT_NE(Cotas, nullptr);
    EXPECT_TRUE(Cotas->Visible());
    EXPECT_EQ(Cotas->Caption(), QStringLiteral("5 C"));
    EXPECT_EQ(Cotas->Box().topLeft(), QPoint(20, 656));
    // The template has no sideways identification.
    EXPECT_EQ(Montagem.Componente<TComponente>(QStringLiteral("RLAngleLabel1")), nullptr);
}

// A game without numbers gets no club mark; the option marks are still placed.
TEST(ImpressaoTimemania, VolanteSemJogoNaoMarcaTime) {
    TMontagem Montagem = MontaTimemania({3});
    Montagem.Impressao->SetDados(FolhaComTime(QString(), 12));
    EXPECT_EQ(Montagem.ShapesVisiveis().filter(QStringLiteral("Shape")),
              QStringList({QStringLiteral("ShapeSurpresinha")}));
    EXPECT_TRUE(Montagem.Impressao->Mensagens().isEmpty());
}

TEST(ImpressaoTimemania, ValorSemCaixaDaErroDeColocacao) {
    struct TCaso {
        TOpcoes Opcoes;
        QString Jogo;
        int Time;
        const char* Linha;
        const char* Marca;
    };
    const TCaso Casos[] = {
        {{}, Dez, 0, "SG_Lin-1_Time", "ShapeTimeCoracao"},
        {{}, Dez, 81, "SG_Lin-1_Time", "ShapeTimeCoracao"},
        {{}, QStringLiteral("01 02 03 04 05 06 07 08 09 81"), 1, "SG_Lin-1_Jogo1", "ShapeJogo1_Num10"},
        {{10}, Dez, 1, "SG_Surpresinha", "ShapeSurpresinha"},
        {{0, 4}, Dez, 1, "SG_Teimosinha", "ShapeTeimosinha"},
        {{0, 0, 1}, Dez, 1, "SG_BolaoUnidade", "ShapeBolaoUnidade"},
        {{0, 0, 10}, Dez, 1, "SG_BolaoUnidade", "ShapeBolaoUnidade"},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(testing::Message() << Caso.Marca << ", time " << Caso.Time);
        TMontagem Montagem = MontaTimemania(Caso.Opcoes);
        Montagem.Impressao->SetDados(FolhaComTime(Caso.Jogo, Caso.Time));
        ASSERT_EQ(Montagem.Impressao->Mensagens().size(), 1);
        EXPECT_EQ(Montagem.Impressao->Mensagens()[0].Texto,
                  MensagemColocacao(QStringLiteral("SG_Col-1"), Nome(Caso.Linha), Nome(Caso.Marca),
                                    QStringLiteral("Objeto não encontrado: SG_Col-1")));
        EXPECT_FALSE(Montagem.Shape(Nome(Caso.Marca))->Visible());
        EXPECT_TRUE(Montagem.Shape(QStringLiteral("ShapeJogo1_Num1"))->Visible());
    }
}

// Every value the rules and the print setup allow finds its guides and its mark.
TEST(ImpressaoTimemania, TodoValorPermitidoTemCaixa) {
    const std::unique_ptr<TModalidade> Regras = CriaModalidade(Timemania);
    Regras->SetLayoutIndex(0);
    Regras->SetParameters(10);
    ASSERT_EQ(Regras->QdeNumPorVolante(), QList<int>({10}));

    TMontagem Montagem = MontaTimemania();
    TImpressao& Impressao = *Montagem.Impressao;
    int Marcas = 0;
    const auto Confere = [&](const TFolhaImpressao& Folha, const QString& Caso) {
        Impressao.SetDados(Folha);
        EXPECT_TRUE(Impressao.Mensagens().isEmpty()) << Caso.toStdString();
        Marcas += int(MarcasVisiveis(Montagem.Form->RLReport1()).size());
    };
    // Every number, at every position: eight games of ten cover 1 to 80, shifted once per sheet.
    for (int Deslocamento = 0; Deslocamento < 10; ++Deslocamento)
        for (int Primeiro = 1; Primeiro <= 80; Primeiro += 10) {
            QStringList Numeros;
            for (int Posicao = 0; Posicao < 10; ++Posicao)
                Numeros << DoisDigitos(Primeiro + (Posicao + Deslocamento) % 10);
            Confere(FolhaComTime(Numeros.join(QLatin1Char(' ')), 1), Numeros.join(QLatin1Char(' ')));
        }
    EXPECT_EQ(Marcas, 10 * 8 * 11);

    for (int Time = 1; Time <= QdeTimesCoracao; ++Time)
        Confere(FolhaComTime(Dez, Time), QStringLiteral("time %1").arg(Time));
    const auto ConfereOpcao = [&](auto Define, int Valor, const QString& Caso) {
        Define(Impressao, Valor);
        Marcas = 0;
        Confere(FolhaComTime(Dez, 80), Caso);
        EXPECT_EQ(Marcas, 10 + 1 + (Valor > 0 ? 1 : 0)) << Caso.toStdString();
        Define(Impressao, 0);
    };
    for (const int Qde : Regras->Surpresinha())
        ConfereOpcao(std::mem_fn(&TImpressao::SetQdeSurpresinha), Qde,
                     QStringLiteral("surpresinha %1").arg(Qde));
    for (const int Qde : Regras->Teimosinha())
        ConfereOpcao(std::mem_fn(&TImpressao::SetQdeTeimosinha), Qde,
                     QStringLiteral("teimosinha %1").arg(Qde));
    ConfereOpcao(std::mem_fn(&TImpressao::SetQdeBolao), 0, QStringLiteral("sem bolão"));
    for (int Cotas = 2; Cotas <= Regras->QdeBolaoMax(); ++Cotas)
        ConfereOpcao(std::mem_fn(&TImpressao::SetQdeBolao), Cotas, QStringLiteral("bolão %1").arg(Cotas));
}

// A whole page drawn through the print run: each slip's marks are dark on the page, and every other
// number and club box of the slip stays white.
TEST(ImpressaoTimemania, MarcasNaPaginaDesenhada) {
    std::vector<TFolhaImpressao> Folhas{
        FolhaComTime(QStringLiteral("01 02 03 04 05 06 07 08 09 10"), 1),
        FolhaComTime(Dez, 55),
        FolhaComTime(QStringLiteral("71 72 73 74 75 76 77 78 79 80"), 80),
    };
    for (int Indice = 0; Indice < 3; ++Indice)
        Folhas[std::size_t(Indice)].IdJogo[0] = Indice + 1;
    TCDSImpressao CDS(TCDSImpressao::CamposDaImpressao());
    CDS.Substitui(Folhas);

    TConfiguracaoImpressao Configuracao;
    Configuracao.NomeModalidade = Timemania;
    Configuracao.QdeNumPorVolante = 10;
    Configuracao.QdeJogosPorVolante = 1;
    Configuracao.IndiceTimeCoracao = 0;
    Configuracao.QdeSurpresinha = 9;
    Configuracao.QdeBolao = 5;
    TMensagens Mensagens;
    const auto Execucao = TExecucaoImpressao::Monta(Configuracao, CDS, Mensagens);
    ASSERT_NE(Execucao, nullptr) << Mensagens.value(0).Texto.toStdString();
    TRelatorio& Relatorio = Execucao->Relatorio();
    ASSERT_EQ(Relatorio.QdePaginas(), 1);
    const QImage Pagina = ImagemPagina(Relatorio, 0, 96);

    TImpressao& Impressao = Execucao->Impressao();
    const TShape* Numero = Execucao->Form().Componente<TShape>(QStringLiteral("ShapeJogo1_Num1"));
    const TShape* Time = Execucao->Form().Componente<TShape>(QStringLiteral("ShapeTimeCoracao"));
    for (int Celula = 0; Celula < 3; ++Celula) {
        SCOPED_TRACE(testing::Message() << "volante " << Celula + 1);
        const TFolhaImpressao& Folha = CDS.Folha(Celula);
        Impressao.SetDados(Folha);
        const QList<const TShape*> Marcas = MarcasVisiveis(Relatorio);
        EXPECT_EQ(Marcas.size(), 10 + 3) << "numbers, club, quick pick and quotas";
        for (const TShape* Marca : Marcas)
            EXPECT_LT(CinzaNoCentro(Relatorio, Pagina, Celula, Marca->Box()), 100)
                << Marca->Name().toStdString();
        // The empty boxes, where the layout would put the other values.
        const QStringList Jogo = Folha.Jogo[0].split(QLatin1Char(' '));
        for (int Valor = 1; Valor <= 80; ++Valor) {
            if (!Jogo.contains(DoisDigitos(Valor))) {
                Impressao.ImprimeNumero(1, Valor, 1);
                EXPECT_EQ(CinzaNoCentro(Relatorio, Pagina, Celula, Numero->Box()), 255) << "número " << Valor;
            }
            if (Valor != Folha.TimeCoracaoJogo[0]) {
                Impressao.ImprimeTimeCoracao(1, Valor);
                EXPECT_EQ(CinzaNoCentro(Relatorio, Pagina, Celula, Time->Box()), 255) << "time " << Valor;
            }
        }
    }
    EXPECT_TRUE(Execucao->Mensagens().isEmpty());
}
