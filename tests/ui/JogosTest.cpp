// The games page: grids, counts, deletion, exports and the masked display.
#include "JanelaDeTeste.h"

#include "ui/Enderecos.h"
#include "ui/GradeDados.h"
#include "ui/PaginaImpressao.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList JogosMega = {u"01 02 03 04 05 06"_s, u"10 20 30 40 50 60"_s, u"05 15 25 35 45 55"_s};
const QStringList JogosQuina = {u"01 02 03 04 05"_s, u"11 22 33 44 55"_s};
const QStringList BotoesDoFechamento = {u"BtnApagarFechamento"_s, u"BtnTelaImpressao"_s,
                                        u"BtnExportarJogosArquivoTexto"_s,
                                        u"BtnCopiarJogosAreaTransferencia"_s};

QByteArray ConteudoDoArquivo(const QString& Caminho) {
    QFile Arquivo(Caminho);
    return Arquivo.open(QIODevice::ReadOnly) ? Arquivo.readAll() : QByteArray();
}

} // namespace

class JogosTest : public TJanelaDeTeste {
protected:
    void SetUp() override {
        ImportaFechamento(u"Mega-sena"_s, 6, JogosMega, u"Mega da família"_s);
        ImportaFechamento(u"Quina"_s, 5, JogosQuina, u"Quina"_s);
        ASSERT_EQ(DM.QdeFechamentos(), 2);
    }

    QString TextoDoStatus() { return Controle<QStatusBar>(u"StatusBar2"_s).findChild<QLabel*>()->text(); }
    bool BotoesHabilitados(bool Esperado) {
        for (const QString& Botao : BotoesDoFechamento) {
            if (Controle<QPushButton>(Botao).isEnabled() != Esperado)
                return false;
        }
        return true;
    }
    TGradeDados& Grade(const QString& Nome) { return Controle<TGradeDados>(Nome); }
    void EscolheFechamento(int Linha) {
        auto& Grade1 = Grade(u"DBGrid1"_s);
        Grade1.setCurrentIndex(Grade1.model()->index(Linha, 0));
    }
};

TEST_F(JogosTest, GridsShowTheClosingsAndTheCurrentClosingsGamesUnderTheFieldLabels) {
    const auto Titulos = [this](const QString& Nome) {
        QStringList Textos;
        const QAbstractItemModel* Modelo = Grade(Nome).model();
        for (int Coluna = 0; Coluna < Modelo->columnCount(); ++Coluna)
            Textos.append(Modelo->headerData(Coluna, Qt::Horizontal).toString());
        return Textos;
    };
    EXPECT_EQ(Titulos(u"DBGrid1"_s), (QStringList{u"DoPortal"_s, u"ID"_s, u"Modalidade"_s, u"Titulo"_s,
                                                  u"QdeJogos"_s, u"Num/Jogo"_s}));
    EXPECT_EQ(Titulos(u"DBGrid2"_s),
              (QStringList{u"IDMaster"_s, u"IDJogo"_s, u"Números do Jogo"_s, u"Bônus/Extra"_s}));
    EXPECT_EQ(Coluna(u"DBGrid1"_s, 0), (QStringList{u"Não"_s, u"Não"_s}));
    EXPECT_EQ(Coluna(u"DBGrid1"_s, 2), (QStringList{u"Mega-Sena"_s, u"Quina"_s}));
    EXPECT_EQ(Coluna(u"DBGrid1"_s, 4), (QStringList{u"3"_s, u"2"_s}));
    EXPECT_EQ(Coluna(u"DBGrid1"_s, 5), (QStringList{u"6"_s, u"5"_s}));
    const QAbstractItemModel* Fechamentos = Grade(u"DBGrid1"_s).model();
    EXPECT_EQ(Fechamentos->index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    EXPECT_FALSE(Fechamentos->flags(Fechamentos->index(0, 3)).testFlag(Qt::ItemIsEditable));

    // The last import is current.
    EXPECT_EQ(Grade(u"DBGrid1"_s).LinhaAtual(), 1);
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 2), JogosQuina);
    EXPECT_EQ(Controle<QLineEdit>(u"DBEdit1"_s).text(), u"01 02 03 04 05 11 22 33 44 55"_s);
    EXPECT_EQ(Controle<QLineEdit>(u"DBEdit2"_s).text(), u"10"_s);
    EXPECT_EQ(TextoDoStatus(), u" Master : 2 => Qde Jogos : 2"_s);
    EXPECT_TRUE(BotoesHabilitados(true));

    EscolheFechamento(0);
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 2), JogosMega);
    EXPECT_EQ(Controle<QLineEdit>(u"DBEdit1"_s).text(),
              u"01 02 03 04 05 06 10 15 20 25 30 35 40 45 50 55 60"_s);
    EXPECT_EQ(TextoDoStatus(), u" Master : 2 => Qde Jogos : 3"_s);
}

TEST_F(JogosTest, DeleteAnsweredNoKeepsTheClosingAndYesDeletesItAndSelectsTheNext) {
    EscolheFechamento(0);
    Dialogos.RespondeProximaPergunta(false);
    Clica(u"BtnApagarFechamento"_s);
    ASSERT_EQ(Dialogos.Perguntas().size(), 1);
    EXPECT_EQ(Dialogos.Perguntas()[0].Titulo, u"Apagar Fechamento"_s);
    EXPECT_EQ(Dialogos.Perguntas()[0].Texto, u"Confirma Apagar Este Fechamento do Programa ?"_s);
    EXPECT_TRUE(Dialogos.Perguntas()[0].SimPorPadrao);
    EXPECT_EQ(DM.QdeFechamentos(), 2);

    Dialogos.RespondeProximaPergunta(true);
    Clica(u"BtnApagarFechamento"_s);
    ASSERT_EQ(DM.QdeFechamentos(), 1);
    EXPECT_EQ(Coluna(u"DBGrid1"_s, 2), QStringList{u"Quina"_s});
    EXPECT_EQ(Grade(u"DBGrid1"_s).LinhaAtual(), 0);
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 2), JogosQuina);
    EXPECT_EQ(DM.CDSDetalhe().QdeTotal(), 2);
    EXPECT_EQ(TextoDoStatus(), u" Master : 1 => Qde Jogos : 2"_s);
}

TEST_F(JogosTest, DeletingTheLastClosingEmptiesTheCountsAndDisablesTheButtons) {
    for (int Vez = 0; Vez < 2; ++Vez) {
        Dialogos.RespondeProximaPergunta(true);
        Clica(u"BtnApagarFechamento"_s);
    }
    EXPECT_EQ(DM.QdeFechamentos(), 0);
    EXPECT_EQ(TextoDoStatus(), u" Master : 0 => Qde Jogos : 0"_s);
    EXPECT_TRUE(BotoesHabilitados(false));
    EXPECT_EQ(Grade(u"DBGrid1"_s).model()->rowCount(), 0);
    EXPECT_EQ(Grade(u"DBGrid2"_s).model()->rowCount(), 0);
    EXPECT_TRUE(Controle<QLineEdit>(u"DBEdit1"_s).text().isEmpty());
    EXPECT_TRUE(Controle<QLineEdit>(u"DBEdit2"_s).text().isEmpty());
}

TEST_F(JogosTest, CtrlDeleteAsksThenDeletesTheCurrentRowOfEitherGrid) {
    auto& Jogos = Grade(u"DBGrid2"_s);
    Jogos.setCurrentIndex(Jogos.model()->index(0, 0));
    Dialogos.RespondeProximaPergunta(false);
    QTest::keyClick(&Jogos, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 2), JogosQuina);
    Dialogos.RespondeProximaPergunta(true);
    QTest::keyClick(&Jogos, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 2), QStringList{JogosQuina[1]});
    // The closing counts the games that are left, in the grid and in the status bar.
    EXPECT_EQ(Coluna(u"DBGrid1"_s, 4), (QStringList{u"3"_s, u"1"_s}));
    EXPECT_EQ(TextoDoStatus(), u" Master : 2 => Qde Jogos : 1"_s);

    EscolheFechamento(0);
    Dialogos.RespondeProximaPergunta(true);
    QTest::keyClick(&Grade(u"DBGrid1"_s), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(Coluna(u"DBGrid1"_s, 2), QStringList{u"Quina"_s});
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 2), QStringList{JogosQuina[1]});
    ASSERT_EQ(Dialogos.Perguntas().size(), 3);
    EXPECT_EQ(Dialogos.Perguntas()[2].Texto, u"Excluir registro?"_s);
}

TEST_F(JogosTest, AfterAGameIsDeletedThePrintSetupAndItsQueueFollowTheGamesLeft) {
    std::optional<TEscolhasImpressao> Escolhas;
    Controle<TPaginaImpressao>(u"TabImpressao"_s).SetAbreGerenciador([&](const TEscolhasImpressao& E) {
        Escolhas = E;
    });
    auto& Jogos = Grade(u"DBGrid2"_s);
    Jogos.setCurrentIndex(Jogos.model()->index(0, 0));
    Dialogos.RespondeProximaPergunta(true);
    QTest::keyClick(&Jogos, Qt::Key_Delete, Qt::ControlModifier);
    ASSERT_EQ(DM.Fechamento(1).QdeJogos, 1);

    Clica(u"BtnTelaImpressao"_s);
    EXPECT_EQ(Controle<QLabel>(u"PainelQDeJogos"_s).text(), u"1 Jogos"_s);
    Clica(u"BtnImprimirJogosAgora"_s);
    ASSERT_TRUE(Escolhas.has_value())
        << (Dialogos.Mostradas().isEmpty() ? "" : Dialogos.Mostradas()[0].Texto.toStdString());
    EXPECT_EQ(Escolhas->QdeJogos, 1);
    ASSERT_EQ(DM.CDSImpressao_Temp().QdeRegistros(), 1);
    EXPECT_EQ(DM.CDSImpressao_Temp().Folha(0).Jogo[0], JogosQuina[1]);
    EXPECT_TRUE(DM.CDSImpressao_Temp().Folha(0).Jogo[1].isEmpty());
}

TEST_F(JogosTest, ALotomaniaGameIsShownWholeInItsColumnItsTooltipAndTheStatusBar) {
    QStringList Jogos;
    for (int Primeiro : {0, 50}) {
        QStringList Numeros;
        for (int Numero = Primeiro; Numero < Primeiro + 50; ++Numero)
            Numeros.append(u"%1"_s.arg(Numero, 2, 10, QChar(u'0')));
        Jogos.append(Numeros.join(u' '));
    }
    ImportaFechamento(u"Lotomania"_s, 50, Jogos);
    auto& Grade2 = Grade(u"DBGrid2"_s);
    ASSERT_EQ(Coluna(u"DBGrid2"_s, 2), Jogos);
    // Wide enough for the whole game: the scroll bar reaches its end.
    const int Texto = Grade2.fontMetrics().horizontalAdvance(Jogos[0]);
    EXPECT_GE(Grade2.horizontalHeader()->sectionSize(2), Texto);
    const QModelIndex Celula = Grade2.model()->index(1, 2);
    EXPECT_EQ(Celula.data(Qt::ToolTipRole).toString(), Jogos[1]);

    auto& Painel = Controle<QLabel>(u"PainelJogoAtual"_s);
    Grade2.setCurrentIndex(Grade2.model()->index(0, 0));
    EXPECT_EQ(Painel.text(), u"Jogo 1 : "_s + Jogos[0]);
    Grade2.setCurrentIndex(Celula);
    EXPECT_EQ(Painel.text(), u"Jogo 2 : "_s + Jogos[1]);

    // Back to a closing of short games, the column returns to its usual width.
    EscolheFechamento(0);
    EXPECT_LT(Grade2.horizontalHeader()->sectionSize(2), Texto);
}

TEST_F(JogosTest, ExportWritesOneCrLfLinePerGameAndImportsBackUnchanged) {
    EscolheFechamento(0);
    QTemporaryDir Pasta;
    const QString Caminho = Pasta.filePath(u"jogos.txt"_s);
    QFile Antigo(Caminho);
    ASSERT_TRUE(Antigo.open(QIODevice::WriteOnly));
    Antigo.write(QByteArray(5000, 'x'));
    Antigo.close();

    Dialogos.EscolheProximoArquivo(Caminho);
    Clica(u"BtnExportarJogosArquivoTexto"_s);
    EXPECT_EQ(Dialogos.DialogosDeArquivo(), QStringList{u"Informe o Nome do Arquivo a Salvar | txt"_s});
    EXPECT_EQ(ConteudoDoArquivo(Caminho),
              QByteArray("01 02 03 04 05 06\r\n10 20 30 40 50 60\r\n05 15 25 35 45 55\r\n"));
    EXPECT_TRUE(Dialogos.Mostradas().isEmpty());

    Controle<QPlainTextEdit>(u"MemoJogosImportar"_s)
        .setPlainText(QString::fromLatin1(ConteudoDoArquivo(Caminho)));
    EscolheModalidade(u"Mega-sena"_s);
    Clica(u"BtnValidarJogosFechamento"_s);
    ASSERT_EQ(DM.QdeFechamentos(), 3);
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 2), JogosMega);
}

TEST_F(JogosTest, ExportOfADiaDeSorteClosingLeavesTheMonthsOut) {
    ImportaFechamento(u"Dia de Sorte"_s, 7, {u"01 02 03 04 05 06 07 :3"_s, u"02 03 04 05 06 07 08 :12"_s});
    QGuiApplication::clipboard()->clear();
    Clica(u"BtnCopiarJogosAreaTransferencia"_s);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              u"// \r\n01 02 03 04 05 06 07\r\n02 03 04 05 06 07 08\r\n"_s);
}

TEST_F(JogosTest, ExportDialogOffersTextFilesAndProposesTheClosingsTitle) {
    ImportaFechamento(u"Quina"_s, 5, {u"01 02 03 04 06"_s}, u"Bolão: 1ª/2025"_s);
    ImportaFechamento(u"Quina"_s, 5, {u"01 02 03 04 07"_s});
    const struct {
        int Fechamento;
        QString Proposto;
    } Casos[] = {{0, u"Mega da família.txt"_s}, {2, u"Bolão_ 1ª_2025.txt"_s}, {3, u"jogos.txt"_s}};
    for (const auto& Caso : Casos) {
        EscolheFechamento(Caso.Fechamento);
        Dialogos.EscolheProximoArquivo(QString());
        Clica(u"BtnExportarJogosArquivoTexto"_s);
        ASSERT_FALSE(Dialogos.PedidosDeArquivo().isEmpty());
        const TPedidoArquivo Pedido = Dialogos.PedidosDeArquivo().constLast();
        EXPECT_EQ(Pedido.Tipo, TTipoArquivo::Exportacao);
        EXPECT_EQ(Pedido.Filtro, u"Arquivo de texto (*.txt)"_s);
        EXPECT_EQ(Pedido.NomeProposto, Caso.Proposto);
    }
}

TEST_F(JogosTest, CancelledExportWritesNothingAndAFailedOneSaysSoAndKeepsTheWindowUsable) {
    Dialogos.EscolheProximoArquivo(QString());
    Clica(u"BtnExportarJogosArquivoTexto"_s);
    EXPECT_TRUE(Dialogos.Mostradas().isEmpty());

    QTemporaryDir Pasta;
    const QString Caminho = Pasta.filePath(u"pasta-que-nao-existe/jogos.txt"_s);
    Dialogos.EscolheProximoArquivo(Caminho);
    Clica(u"BtnExportarJogosArquivoTexto"_s);
    ASSERT_EQ(Dialogos.Mostradas().size(), 1);
    EXPECT_EQ(Dialogos.Mostradas()[0].Tipo, TTipoMensagem::Erro);
    EXPECT_TRUE(Dialogos.Mostradas()[0].Texto.startsWith(u"Não foi possível gravar o arquivo"_s));
    EXPECT_TRUE(Dialogos.Mostradas()[0].Texto.contains(QDir::toNativeSeparators(Caminho)));
    EXPECT_FALSE(QFile::exists(Caminho));
    EXPECT_TRUE(Form.isEnabled());

    // A folder in place of the file: the folder stays as it was.
    Dialogos.EscolheProximoArquivo(Pasta.path());
    Clica(u"BtnExportarJogosArquivoTexto"_s);
    EXPECT_EQ(Dialogos.Mostradas().size(), 2);
    EXPECT_TRUE(QFileInfo(Pasta.path()).isDir());
}

TEST_F(JogosTest, ClipboardTextStartsWithTheTitleAndPastesBackAsTheSameGames) {
    EscolheFechamento(0);
    Clica(u"BtnCopiarJogosAreaTransferencia"_s);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              u"// Mega da família\r\n01 02 03 04 05 06\r\n10 20 30 40 50 60\r\n05 15 25 35 45 55\r\n"_s);

    Clica(u"BtnLimparMemo"_s);
    Clica(u"BtnCopiarMemoria"_s);
    EscolheModalidade(u"Mega-sena"_s);
    Clica(u"BtnValidarJogosFechamento"_s);
    EXPECT_TRUE(Dialogos.Mostradas().isEmpty());
    ASSERT_EQ(DM.QdeFechamentos(), 3);
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 2), JogosMega);
}

TEST_F(JogosTest, PrintScreenButtonOpensThePrintSetupPage) {
    Controle<QTabWidget>(u"PageControl1"_s).setCurrentWidget(&Controle<QWidget>(u"TabJogo"_s));
    Clica(u"BtnTelaImpressao"_s);
    EXPECT_EQ(PaginaAtiva(), u"TabImpressao"_s);
}

TEST_F(JogosTest, MaskIsOfferedToThePoolOperatorOnlyAndHidesMostNumbers) {
    auto& Paginas = Controle<QTabWidget>(u"PageControl1"_s);
    auto& Mascara = Controle<QCheckBox>(u"CheckMask"_s);
    Controle<QLineEdit>(u"EditEmail"_s).setText(ContaOperadorDeBolao());
    Paginas.setCurrentWidget(&Controle<QWidget>(u"TabAutenticacao"_s));
    Paginas.setCurrentWidget(&Controle<QWidget>(u"TabJogo"_s));
    EXPECT_FALSE(Mascara.isHidden());

    EscolheFechamento(0);
    Mascara.setChecked(true);
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 2),
              (QStringList{u"01 02 03 .. .. .."_s, u"10 20 30 .. .. .."_s, u"05 15 25 .. .. .."_s}));
    EXPECT_EQ(Controle<QLineEdit>(u"DBEdit1"_s).text(), u"01 02 03 04 05 06 .. .. .."_s);
    // Only the display changes.
    EXPECT_EQ(DM.Jogo(0).Jogo, JogosMega[0]);
    Clica(u"BtnCopiarJogosAreaTransferencia"_s);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(JogosMega[0]));

    Controle<QLineEdit>(u"EditEmail"_s).setText(u"outra@pessoa.com"_s);
    Paginas.setCurrentWidget(&Controle<QWidget>(u"TabSheet4"_s));
    EXPECT_TRUE(Mascara.isHidden());
    EXPECT_FALSE(Mascara.isChecked());
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 2), JogosMega);
    EXPECT_EQ(Controle<QLineEdit>(u"DBEdit1"_s).text(),
              u"01 02 03 04 05 06 10 15 20 25 30 35 40 45 50 55 60"_s);
}
