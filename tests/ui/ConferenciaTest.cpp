// The results page: a draw typed into the fields of the closing's game, the tier summary, the games grid
// with hits, winners and sorting, refusals of a bad draw, and the exports.
#include "JanelaDeTeste.h"

#include "ui/GradeDados.h"
#include "ui/RadioGroup.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A Sena, a Quina, a bigger bet with three Quadras and a game without a prize.
const QStringList JogosMega = {u"01 02 03 05 06 07"_s, u"04 11 23 35 47 58"_s, u"04 11 23 35 47 60"_s};
const QStringList JogosMegaGrande = {u"01 02 04 11 23 35 50"_s};
const QString ResultadoMega = u"04 11 23 35 47 58"_s;

} // namespace

class ConferenciaTest : public TJanelaDeTeste {
protected:
    void AbreConferencia() {
        Controle<QTabWidget>(u"PageControl1"_s).setCurrentWidget(&Controle<QWidget>(u"TabConferencia"_s));
    }

    void Confere(const QString& Resultado, const QString& Resultado2 = {}) {
        AbreConferencia();
        Controle<QLineEdit>(u"EditResultado"_s).setText(Resultado);
        Controle<QLineEdit>(u"EditResultado2"_s).setText(Resultado2);
        Clica(u"BtnConferir"_s);
    }

    QAbstractItemModel& Modelo(const QString& Grade) { return *Controle<QAbstractItemView>(Grade).model(); }

    // The grid's column with that title.
    int ColunaDe(const QString& Grade, const QString& Titulo) {
        QAbstractItemModel& M = Modelo(Grade);
        for (int Coluna = 0; Coluna < M.columnCount(); ++Coluna) {
            if (M.headerData(Coluna, Qt::Horizontal).toString() == Titulo)
                return Coluna;
        }
        ADD_FAILURE() << "no column " << Titulo.toStdString();
        return 0;
    }

    QStringList ColunaDe(const QString& Titulo) {
        return Coluna(u"GradeConferencia"_s, ColunaDe(u"GradeConferencia"_s, Titulo));
    }

    // Tier name and count of every tier of the summary.
    QStringList Faixas() {
        QStringList Textos;
        QAbstractItemModel& M = Modelo(u"GradeFaixas"_s);
        for (int Linha = 0; Linha < M.rowCount(); ++Linha)
            Textos.append(M.index(Linha, 0).data().toString() + u'=' + M.index(Linha, 2).data().toString());
        return Textos;
    }

    QString Resumo() { return Controle<QLabel>(u"LabelResumoConferencia"_s).text(); }

    void ClicaNoTitulo(const QString& Titulo) {
        auto& Grade = Controle<TGradeDados>(u"GradeConferencia"_s);
        QHeaderView& Cabecalho = *Grade.horizontalHeader();
        const int Coluna = ColunaDe(u"GradeConferencia"_s, Titulo);
        QTest::mouseClick(
            Cabecalho.viewport(), Qt::LeftButton, {},
            QPoint(Cabecalho.sectionViewportPosition(Coluna) + Cabecalho.sectionSize(Coluna) / 2,
                   Cabecalho.height() / 2));
    }

    bool Visivel(const QString& Nome) { return Controle<QWidget>(Nome).isVisible(); }
};

TEST_F(ConferenciaTest, ChecksTheCurrentClosingAndShowsTiersAndWinnersFirst) {
    ImportaFechamento(u"Mega-sena"_s, 6, JogosMega, u"Bolão da firma"_s);
    ImportaFechamento(u"Mega-sena"_s, 7, JogosMegaGrande, u"Bolão grande"_s);
    // Back to the first closing.
    auto& Fechamentos = Controle<TGradeDados>(u"DBGrid1"_s);
    Fechamentos.setCurrentIndex(Fechamentos.model()->index(0, 0));
    AbreConferencia();

    EXPECT_EQ(Controle<QLineEdit>(u"EditTituloConferencia"_s).text(), u"Bolão da firma"_s);
    EXPECT_EQ(Controle<QLineEdit>(u"EditModalidadeConferencia"_s).text(), u"Mega-Sena"_s);
    EXPECT_EQ(Controle<QLineEdit>(u"EditQdeJogosConferencia"_s).text(), u"3"_s);
    EXPECT_TRUE(Visivel(u"EditResultado"_s));
    for (const QString& Oculto :
         {u"EditResultado2"_s, u"ComboMesSorteado"_s, u"ComboTimeSorteado"_s, u"GrupoTrevosConferencia"_s})
        EXPECT_FALSE(Visivel(Oculto)) << Oculto.toStdString();

    Confere(ResultadoMega);
    EXPECT_TRUE(Dialogos.Mostradas().isEmpty());
    EXPECT_EQ(Faixas(), (QStringList{u"Sena=1"_s, u"Quina=1"_s, u"Quadra=0"_s}));
    EXPECT_EQ(Resumo(), u"2 jogos premiados de 3 conferidos."_s);
    // Winners first, the best on top; the game without a prize last.
    EXPECT_EQ(ColunaDe(u"IDJogo"_s), (QStringList{u"2"_s, u"3"_s, u"1"_s}));
    EXPECT_EQ(ColunaDe(u"Acertos"_s), (QStringList{u"6"_s, u"5"_s, u"0"_s}));
    EXPECT_EQ(ColunaDe(u"Dezenas Acertadas"_s), (QStringList{ResultadoMega, u"04 11 23 35 47"_s, QString()}));
    EXPECT_EQ(ColunaDe(u"Prêmio"_s), (QStringList{u"Sena: 1"_s, u"Quina: 1"_s, QString()}));
    QAbstractItemModel& Jogos = Modelo(u"GradeConferencia"_s);
    EXPECT_TRUE(Jogos.index(0, 0).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(Jogos.index(1, 0).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(Jogos.index(2, 0).data(Qt::BackgroundRole).isValid());

    // The bigger bet of the other closing: the same draw, three Quadras.
    Fechamentos.setCurrentIndex(Fechamentos.model()->index(1, 0));
    AbreConferencia();
    EXPECT_EQ(Controle<QLineEdit>(u"EditResultado"_s).text(), ResultadoMega)
        << "the draw stays for the same game";
    EXPECT_EQ(Modelo(u"GradeConferencia"_s).rowCount(), 0) << "another closing is not checked yet";
    Clica(u"BtnConferir"_s);
    EXPECT_EQ(Faixas(), (QStringList{u"Sena=0"_s, u"Quina=0"_s, u"Quadra=3"_s}));
    EXPECT_EQ(ColunaDe(u"Prêmio"_s), (QStringList{u"Quadra: 3"_s}));
}

TEST_F(ConferenciaTest, SortsByAClickedColumnAndShowsOnlyTheWinnersOnRequest) {
    ImportaFechamento(u"Mega-sena"_s, 6,
                      JogosMega + QStringList{u"04 11 23 40 41 42"_s, u"04 11 23 35 41 42"_s});
    Confere(ResultadoMega);
    EXPECT_EQ(ColunaDe(u"IDJogo"_s), (QStringList{u"2"_s, u"3"_s, u"5"_s, u"1"_s, u"4"_s}));

    // A first click shows the games in their order, a second one reversed.
    ClicaNoTitulo(u"IDJogo"_s);
    EXPECT_EQ(ColunaDe(u"IDJogo"_s), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}));
    ClicaNoTitulo(u"IDJogo"_s);
    EXPECT_EQ(ColunaDe(u"IDJogo"_s), (QStringList{u"5"_s, u"4"_s, u"3"_s, u"2"_s, u"1"_s}));

    ClicaNoTitulo(u"Números do Jogo"_s);
    QStringList Ordenados = JogosMega + QStringList{u"04 11 23 40 41 42"_s, u"04 11 23 35 41 42"_s};
    std::sort(Ordenados.begin(), Ordenados.end());
    EXPECT_EQ(ColunaDe(u"Números do Jogo"_s), Ordenados);

    // Hits and prizes show the most first.
    ClicaNoTitulo(u"Acertos"_s);
    EXPECT_EQ(ColunaDe(u"Acertos"_s), (QStringList{u"6"_s, u"5"_s, u"4"_s, u"3"_s, u"0"_s}));
    ClicaNoTitulo(u"Acertos"_s);
    EXPECT_EQ(ColunaDe(u"Acertos"_s), (QStringList{u"0"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s}));
    ClicaNoTitulo(u"Prêmio"_s);
    EXPECT_EQ(ColunaDe(u"IDJogo"_s), (QStringList{u"2"_s, u"3"_s, u"5"_s, u"1"_s, u"4"_s}));

    Controle<QCheckBox>(u"ChSoPremiados"_s).setChecked(true);
    EXPECT_EQ(ColunaDe(u"IDJogo"_s), (QStringList{u"2"_s, u"3"_s, u"5"_s}));
    Controle<QCheckBox>(u"ChSoPremiados"_s).setChecked(false);
    EXPECT_EQ(Modelo(u"GradeConferencia"_s).rowCount(), 5);
}

TEST_F(ConferenciaTest, ADrawWithoutPrizesSaysSo) {
    ImportaFechamento(u"Quina"_s, 5, {u"01 02 03 04 05"_s, u"06 07 08 09 10"_s});
    Confere(u"01 20 30 40 50"_s);
    EXPECT_EQ(Resumo(), u"Nenhum prêmio"_s);
    EXPECT_EQ(Faixas(), (QStringList{u"Quina=0"_s, u"Quadra=0"_s, u"Terno=0"_s, u"Duque=0"_s}));
    EXPECT_EQ(Modelo(u"GradeConferencia"_s).rowCount(), 2);
}

TEST_F(ConferenciaTest, ABadDrawIsRefusedWithAMessageAndNothingIsChecked) {
    ImportaFechamento(u"Mega-sena"_s, 6, JogosMega);
    struct TCaso {
        QString Resultado;
        QString Mensagem;
    };
    for (const TCaso& Caso :
         {TCaso{QString(), u"Digite as 6 dezenas sorteadas da Mega-Sena."_s},
          TCaso{u"04 11 23 35 47"_s,
                u"São sorteadas 6 dezenas na Mega-Sena, e foram digitadas 5: 04 11 23 35 47."_s},
          TCaso{u"04 11 23 35 47 61"_s, u"A dezena 61 está fora da faixa da Mega-Sena, de 01 a 60."_s},
          TCaso{u"04 11 23 35 47 47"_s, u"A dezena 47 está repetida."_s}}) {
        Dialogos.LimpaRegistro();
        Confere(Caso.Resultado);
        ASSERT_EQ(Dialogos.Mostradas().size(), 1) << Caso.Resultado.toStdString();
        EXPECT_EQ(Dialogos.Mostradas().first(), (TMensagem{TTipoMensagem::Aviso, Caso.Mensagem}));
        EXPECT_EQ(Modelo(u"GradeConferencia"_s).rowCount(), 0);
        EXPECT_FALSE(Controle<QPushButton>(u"BtnExportarConferencia"_s).isEnabled());
    }
    // Enter in the field checks too.
    Dialogos.LimpaRegistro();
    auto& Campo = Controle<QLineEdit>(u"EditResultado"_s);
    Campo.setText(ResultadoMega);
    QTest::keyClick(&Campo, Qt::Key_Return);
    EXPECT_TRUE(Dialogos.Mostradas().isEmpty());
    EXPECT_EQ(Modelo(u"GradeConferencia"_s).rowCount(), 3);
}

TEST_F(ConferenciaTest, DuplaSenaHasTwoDrawsCheckedApart) {
    ImportaFechamento(u"Dupla-Sena"_s, 6, {u"01 02 03 04 05 06"_s, u"10 20 30 40 41 42"_s});
    AbreConferencia();
    EXPECT_TRUE(Visivel(u"EditResultado2"_s));
    EXPECT_EQ(Controle<QLabel>(u"LabelResultado"_s).text(), u"1º Sorteio :"_s);

    Confere(u"01 02 03 04 05 06"_s);
    ASSERT_EQ(Dialogos.Mostradas().size(), 1);
    EXPECT_EQ(Dialogos.Mostradas().first().Texto,
              u"2º sorteio: digite as 6 dezenas sorteadas da Dupla-Sena."_s);

    Confere(u"01 02 03 04 05 06"_s, u"10 20 30 40 50 01"_s);
    EXPECT_EQ(Faixas(),
              (QStringList{u"1º Sorteio - Sena=1"_s, u"1º Sorteio - Quina=0"_s, u"1º Sorteio - Quadra=0"_s,
                           u"1º Sorteio - Terno=0"_s, u"2º Sorteio - Sena=0"_s, u"2º Sorteio - Quina=0"_s,
                           u"2º Sorteio - Quadra=1"_s, u"2º Sorteio - Terno=0"_s}));
    EXPECT_EQ(ColunaDe(u"Acertos 1º Sorteio"_s), (QStringList{u"6"_s, u"0"_s}));
    EXPECT_EQ(ColunaDe(u"Acertos 2º Sorteio"_s), (QStringList{u"1"_s, u"4"_s}));
    EXPECT_EQ(ColunaDe(u"Prêmio"_s), (QStringList{u"1º Sorteio - Sena: 1"_s, u"2º Sorteio - Quadra: 1"_s}));
}

TEST_F(ConferenciaTest, DiaDeSorteMonthsComeFromTheGamesOrThePrintSetup) {
    ImportaFechamento(u"Dia de Sorte"_s, 7,
                      {u"01 02 03 04 05 06 07 :3"_s, u"08 09 10 11 12 13 14"_s, u"15 16 17 18 19 20 21"_s});
    // The print setup hands out May onwards to the games without their own month.
    Controle<QTabWidget>(u"PageControl1"_s).setCurrentWidget(&Controle<QWidget>(u"TabImpressao"_s));
    Controle<TRadioGroup>(u"RadioDiaDeSorteMes"_s).SetItemIndex(4);
    AbreConferencia();
    EXPECT_TRUE(Visivel(u"ComboMesSorteado"_s));
    EXPECT_TRUE(
        Controle<QLabel>(u"LabelExtrasApostas"_s).text().contains(u"a partir de 5 - Maio, distribuídos"_s));

    Confere(u"22 23 24 25 26 27 28"_s);
    ASSERT_EQ(Dialogos.Mostradas().size(), 1);
    EXPECT_EQ(Dialogos.Mostradas().first().Texto, u"Informe o Mês de Sorte sorteado, de 1 a 12."_s);

    auto& Mes = Controle<QComboBox>(u"ComboMesSorteado"_s);
    EXPECT_EQ(Mes.count(), 13);
    Mes.setCurrentIndex(6); // June: the third game's month
    Clica(u"BtnConferir"_s);
    EXPECT_EQ(ColunaDe(u"IDJogo"_s), (QStringList{u"3"_s, u"1"_s, u"2"_s}));
    EXPECT_EQ(ColunaDe(u"Mês"_s), (QStringList{u"6 - Junho"_s, u"3 - Março"_s, u"5 - Maio"_s}));
    EXPECT_TRUE(Faixas().contains(u"Mês de Sorte=1"_s));
}

TEST_F(ConferenciaTest, TimemaniaClubIsChosenFromTheClubList) {
    ImportaFechamento(u"Timemania"_s, 10, {u"01 02 03 04 05 06 07 08 09 10 :12"_s});
    AbreConferencia();
    auto& Time = Controle<QComboBox>(u"ComboTimeSorteado"_s);
    ASSERT_EQ(Time.count(), 81);
    EXPECT_EQ(Time.itemText(12),
              Controle<QListWidget>(u"ListBox_TimeCoracao"_s).item(11)->text().prepend(u"12 - "_s));
    Time.setCurrentIndex(12);
    Confere(u"01 02 03 40 50 60 70"_s);
    EXPECT_TRUE(Dialogos.Mostradas().isEmpty());
    EXPECT_TRUE(Faixas().contains(u"3 acertos=1"_s));
    EXPECT_TRUE(Faixas().contains(u"Time do Coração=1"_s));
    EXPECT_EQ(ColunaDe(u"Time do Coração"_s), QStringList{Time.itemText(12)});
}

TEST_F(ConferenciaTest, MaisMilionariaCloversDrawnAndPlayed) {
    ImportaFechamento(u"Mais Milionária"_s, 6, {u"01 02 03 04 05 06 | Trevos : 1 2"_s});
    AbreConferencia();
    EXPECT_TRUE(Visivel(u"GrupoTrevosConferencia"_s));
    // The clovers played are those of the imported text.
    EXPECT_TRUE(Controle<QCheckBox>(u"ChTrevoApostado1"_s).isChecked());
    EXPECT_TRUE(Controle<QCheckBox>(u"ChTrevoApostado2"_s).isChecked());
    EXPECT_FALSE(Controle<QCheckBox>(u"ChTrevoApostado3"_s).isChecked());

    Controle<QCheckBox>(u"ChTrevoSorteado1"_s).setChecked(true);
    Confere(u"01 02 03 04 05 06"_s);
    ASSERT_EQ(Dialogos.Mostradas().size(), 1);
    EXPECT_EQ(Dialogos.Mostradas().first().Texto, u"São sorteados 2 trevos, e foram informados 1."_s);

    Dialogos.LimpaRegistro();
    Controle<QCheckBox>(u"ChTrevoSorteado5"_s).setChecked(true);
    Clica(u"BtnConferir"_s);
    EXPECT_TRUE(Dialogos.Mostradas().isEmpty());
    EXPECT_EQ(ColunaDe(u"Prêmio"_s), (QStringList{u"6 acertos + 1 ou nenhum trevo: 1"_s}));

    Controle<QCheckBox>(u"ChTrevoApostado2"_s).setChecked(false);
    Clica(u"BtnConferir"_s);
    ASSERT_EQ(Dialogos.Mostradas().size(), 1);
    EXPECT_EQ(Dialogos.Mostradas().first().Texto,
              u"Uma aposta tem pelo menos 2 trevos: informe de 2 a 6 trevos apostados."_s);
}

TEST_F(ConferenciaTest, LotomaniaMirrorBetOfThePrintSetup) {
    QStringList Numeros;
    for (int Numero = 0; Numero < 50; ++Numero)
        Numeros.append(u"%1"_s.arg(Numero, 2, 10, QChar(u'0')));
    ImportaFechamento(u"Lotomania"_s, 50, {Numeros.join(u' ')});
    Controle<QTabWidget>(u"PageControl1"_s).setCurrentWidget(&Controle<QWidget>(u"TabImpressao"_s));
    Controle<QCheckBox>(u"ChApostaEspelho"_s).setChecked(true);
    Confere(u"50 51 52 53 54 55 56 57 58 59 60 61 62 63 64 65 66 67 68 69"_s);
    EXPECT_EQ(ColunaDe(u"Espelho"_s), QStringList{u"Sim"_s});
    EXPECT_EQ(ColunaDe(u"Acertos"_s), QStringList{u"0"_s});
    EXPECT_EQ(ColunaDe(u"Acertos Espelho"_s), QStringList{u"20"_s});
    EXPECT_EQ(ColunaDe(u"Prêmio"_s), QStringList{u"20 acertos: 1, 0 acertos: 1"_s});
}

TEST_F(ConferenciaTest, ExportAndClipboardWriteTheCheckedGamesAsTheGamesExportDoes) {
    ImportaFechamento(u"Mega-sena"_s, 6, JogosMega, u"Bolão da firma"_s);
    Confere(ResultadoMega);
    QTemporaryDir Pasta;
    const QString Caminho = Pasta.filePath(u"conferencia.txt"_s);
    Dialogos.EscolheProximoArquivo(Caminho);
    Clica(u"BtnExportarConferencia"_s);

    const QString Esperado = u"// Conferência: Mega-Sena - Bolão da firma\r\n"
                             u"// Resultado: 04 11 23 35 47 58\r\n"
                             u"// Sena: 1\r\n"
                             u"// Quina: 1\r\n"
                             u"// Quadra: 0\r\n"
                             u"IDJogo;Números do Jogo;Acertos;Dezenas Acertadas;Prêmio\r\n"
                             u"2;04 11 23 35 47 58;6;04 11 23 35 47 58;Sena: 1\r\n"
                             u"3;04 11 23 35 47 60;5;04 11 23 35 47;Quina: 1\r\n"
                             u"1;01 02 03 05 06 07;0;;\r\n"_s;
    QFile Arquivo(Caminho);
    ASSERT_TRUE(Arquivo.open(QIODevice::ReadOnly));
    EXPECT_EQ(Arquivo.readAll(), Esperado.toLatin1()) << "Windows Latin text with CR LF, as the games export";
    ASSERT_EQ(Dialogos.PedidosDeArquivo().size(), 1);
    const TPedidoArquivo Pedido = Dialogos.PedidosDeArquivo().first();
    EXPECT_EQ(Pedido.Tipo, TTipoArquivo::Exportacao);
    EXPECT_EQ(Pedido.Titulo, u"Informe o Nome do Arquivo a Salvar"_s);
    EXPECT_EQ(Pedido.NomeProposto, u"Bolão da firma - conferencia.txt"_s);

    QGuiApplication::clipboard()->clear();
    Clica(u"BtnCopiarConferencia"_s);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), Esperado);
}

TEST_F(ConferenciaTest, AChangeOfTheGamesDropsTheCheck) {
    ImportaFechamento(u"Mega-sena"_s, 6, JogosMega);
    Confere(ResultadoMega);
    ASSERT_EQ(Modelo(u"GradeConferencia"_s).rowCount(), 3);
    DM.DeletaJogo(1);
    EXPECT_EQ(Modelo(u"GradeConferencia"_s).rowCount(), 0);
    EXPECT_FALSE(Controle<QPushButton>(u"BtnCopiarConferencia"_s).isEnabled());
    Clica(u"BtnConferir"_s);
    EXPECT_EQ(ColunaDe(u"IDJogo"_s), (QStringList{u"3"_s, u"1"_s}));
}

TEST_F(ConferenciaTest, WithoutAClosingThereIsNothingToCheck) {
    AbreConferencia();
    EXPECT_TRUE(Visivel(u"LabelSemFechamentoConferencia"_s));
    EXPECT_FALSE(Controle<QWidget>(u"CorpoConferencia"_s).isEnabled());
    ImportaFechamento(u"Quina"_s, 5, {u"01 02 03 04 05"_s});
    AbreConferencia();
    EXPECT_FALSE(Visivel(u"LabelSemFechamentoConferencia"_s));
    EXPECT_TRUE(Controle<QWidget>(u"CorpoConferencia"_s).isEnabled());
}
