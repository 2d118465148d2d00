#include "ui/FormCartelim.h"
#include "apoio/DiscoPequeno.h"
#include "apoio/SomenteLeitura.h"
#include "store/DataModulo.h"
#include "ui/ArquivoIni.h"
#include "ui/DialogosProgramados.h"
#include "ui/Enderecos.h"
#include "ui/FormPrevia.h"
#include "ui/FormProgresso.h"
#include "ui/RadioGroup.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>
#include <random>

using namespace Qt::StringLiterals;

namespace {

// Games 1, 2, 3 ... of six numbers each, all different.
QStringList JogosDeMega(int Qde) {
    QStringList Jogos;
    for (int Jogo = 0; Jogo < Qde; ++Jogo) {
        QStringList Numeros;
        for (int Posicao = 0; Posicao < 6; ++Posicao)
            Numeros.append(QStringLiteral("%1").arg(1 + (Jogo + Posicao * 10) % 60, 2, 10, QLatin1Char('0')));
        Numeros.sort();
        Jogos.append(Numeros.join(u' '));
    }
    return Jogos;
}

// Pages of a PDF, by pdfinfo; -1 when it cannot be read.
int PaginasDoPdf(const QString& Caminho) {
    QProcess Pdfinfo;
    Pdfinfo.start(QStringLiteral("pdfinfo"), {Caminho});
    if (!Pdfinfo.waitForFinished(20000) || Pdfinfo.exitCode() != 0)
        return -1;
    for (const QByteArray& Linha : Pdfinfo.readAllStandardOutput().split('\n'))
        if (Linha.startsWith("Pages:"))
            return Linha.mid(6).trimmed().toInt();
    return -1;
}

QString TextoDoPdf(const QString& Caminho) {
    QProcess Pdftotext;
    Pdftotext.start(QStringLiteral("pdftotext"), {Caminho, QStringLiteral("-")});
    Pdftotext.waitForFinished(20000);
    return QString::fromUtf8(Pdftotext.readAllStandardOutput());
}

// The print manager on a Mega-Sena queue built as the print setup builds it, driven by control name;
// dialogs are answered in advance and IMPRESSAO.INI lives in a private folder.
class FormCartelimTest : public testing::Test {
protected:
    FormCartelimTest() {
        Escolhas.TituloFechamento = QStringLiteral("Fechamento de Teste");
        Escolhas.NomeModalidade = QStringLiteral("Mega-Sena");
        Escolhas.NomeLayout = QStringLiteral("2020");
        Escolhas.QdeNumPorVolante = 6;
        Escolhas.QdeJogosPorVolante = 3;
    }

    void TearDown() override { EXPECT_EQ(Dialogos.Imprevistos(), 0) << "a dialog found no prepared answer"; }

    // Stores the games as a closing, builds the queue and opens the window (shown, not modal).
    void Abre(const QStringList& Jogos) {
        DM.InsereRegistroPorStringList(Escolhas.NomeModalidade, Escolhas.TituloFechamento, false, Jogos, {});
        DM.AtivaFiltro_MASTER(true);
        ASSERT_TRUE(DM.PopulaCDSImpressao(Escolhas.QdeJogosPorVolante, 3, 0, 1, false, 0, false, false, {},
                                          TTipoModalidade::Megasena, false)
                        .isEmpty());
        Escolhas.QdeJogos = int(Jogos.size());
        Form = std::make_unique<TFormCartelim>(DM, Dialogos, Local, Escolhas);
        Form->show();
    }

    template <typename T> T& Controle(const QString& Nome) {
        T* Encontrado = Form->findChild<T*>(Nome);
        if (!Encontrado)
            throw std::runtime_error("no control " + Nome.toStdString());
        return *Encontrado;
    }
    QTableView& Grade() { return Controle<QTableView>(QStringLiteral("DBGrid3")); }
    QList<int> Selecionadas() {
        QList<int> Linhas;
        for (const QModelIndex& Indice : Grade().selectionModel()->selectedRows())
            Linhas.append(Indice.row());
        std::sort(Linhas.begin(), Linhas.end());
        return Linhas;
    }
    QString TextoBotao() { return Controle<QPushButton>(QStringLiteral("BtnImprimir")).text(); }
    void Digita(const QString& Edit, const QString& Texto) {
        QLineEdit& Campo = Controle<QLineEdit>(Edit);
        Campo.setText(Texto);
        Q_EMIT Campo.editingFinished();
    }
    void Clica(const QString& Botao) { Controle<QPushButton>(Botao).click(); }
    QString Mostradas() {
        QStringList Textos;
        for (const TMensagem& Mensagem : Dialogos.Mostradas())
            Textos.append(Mensagem.Texto);
        return Textos.join(u'|');
    }
    QString CaminhoIni() const { return QDir(Pasta.path()).filePath(QStringLiteral("IMPRESSAO.INI")); }
    void EscreveIni(const QByteArray& Conteudo) {
        QFile Arquivo(CaminhoIni());
        ASSERT_TRUE(Arquivo.open(QIODevice::WriteOnly));
        Arquivo.write(Conteudo);
    }
    std::optional<QString> ValorIni(const QString& Secao, const QString& Chave) {
        const std::optional<TArquivoIni> Arquivo = TArquivoIni::Le(CaminhoIni());
        return Arquivo ? Arquivo->Valor(Secao, Chave) : std::nullopt;
    }

    // Runs the print to the screen; the preview opens without waiting, exports its pages to Pdf when
    // a path is given, and closes. Returns the page count the preview showed.
    int ImprimeNaTela(const QString& Pdf = {}) {
        int Paginas = -1;
        Form->SetAbrePrevia([&](QDialog& Janela) {
            auto& Previa = static_cast<TFormPrevia&>(Janela);
            Previa.show();
            QTRY_VERIFY_WITH_TIMEOUT(Previa.QdePaginas() > 0, 10000);
            Paginas = Previa.QdePaginas();
            BotaoPdfVisivel =
                Previa.findChild<QPushButton*>(QStringLiteral("BtnExportarPdf"))->isVisibleTo(&Previa);
            if (!Pdf.isEmpty()) {
                Dialogos.EscolheProximoArquivo(Pdf);
                Previa.findChild<QPushButton*>(QStringLiteral("BtnExportarPdf"))->click();
            }
            FolhasImpressas = DM.CDSImpressao().QdeRegistros();
            Previa.close();
        });
        Clica(QStringLiteral("BtnImprimir"));
        return Paginas;
    }

    // What the progress window showed when its "Cancelar" was pressed.
    struct TProgressoVisto {
        bool Visivel = false;
        bool Modal = false;
        QString Tarefa;
        QString Paginas;
        int Valor = -1;
        int Maximo = -1;
        QString Botao;
    };
    // Shows the progress of the next run at once and presses its "Cancelar" as soon as it appears.
    void CancelaAoAparecer() {
        Form->SetAtrasoProgresso(0);
        QTimer::singleShot(0, Form.get(), [this] {
            auto* Janela = Form->findChild<QDialog*>(QStringLiteral("FormProgresso"));
            ASSERT_NE(Janela, nullptr) << "no progress window";
            Visto.Visivel = Janela->isVisible();
            Visto.Modal = Janela->isModal();
            Visto.Tarefa = Janela->findChild<QLabel*>(QStringLiteral("LabelTarefa"))->text();
            Visto.Paginas = Janela->findChild<QLabel*>(QStringLiteral("LabelPaginas"))->text();
            const auto* Barra = Janela->findChild<QProgressBar*>(QStringLiteral("BarraProgresso"));
            Visto.Valor = Barra->value();
            Visto.Maximo = Barra->maximum();
            auto* Cancelar = Janela->findChild<QPushButton*>(QStringLiteral("BtnCancelar"));
            Visto.Botao = Cancelar->text();
            Cancelar->click();
        });
    }
    // Printing on the printer of that name, chosen in the list.
    void EscolheImpressora(const QString& Nome) {
        Controle<TRadioGroup>(QStringLiteral("RDOpcaoImpressaoTelaImpressora")).SetItemIndex(1);
        QListWidget& Impressoras = Controle<QListWidget>(QStringLiteral("ListBoxLocal"));
        const QList<QListWidgetItem*> Encontradas = Impressoras.findItems(Nome, Qt::MatchExactly);
        ASSERT_EQ(Encontradas.size(), 1) << "the printer is not offered";
        Impressoras.setCurrentItem(Encontradas.at(0));
    }
    bool ProgressoVisivel() {
        const auto* Janela = Form->findChild<QDialog*>(QStringLiteral("FormProgresso"));
        return Janela && Janela->isVisible();
    }

    TProgressoVisto Visto;
    QTemporaryDir Pasta;
    TLocalImpressaoIni Local{Pasta.path(), Pasta.filePath(QStringLiteral("config"))};
    TDM DM;
    TDialogosProgramados Dialogos;
    TEscolhasImpressao Escolhas;
    std::unique_ptr<TFormCartelim> Form;
    bool BotaoPdfVisivel = false;
    int FolhasImpressas = -1;
};

TEST_F(FormCartelimTest, OpensWithEverySheetSelectedAndTheSummary) {
    Escolhas.QdeJogos = 1234;
    Abre(JogosDeMega(7));
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Impressão de Jogos"));
    EXPECT_EQ(Selecionadas(), QList<int>({0, 1, 2}));
    EXPECT_EQ(TextoBotao(), QStringLiteral("Qde. Volantes Selecionados : 3\nQde. Núm. por Volante : 6\n"
                                           "BOLÃO : NÃO\nClique Aqui para Imprimir :)"));
    EXPECT_EQ(Controle<QLineEdit>(QStringLiteral("EditTituloFechamento")).text(),
              QStringLiteral("Fechamento de Teste"));
    EXPECT_EQ(Controle<QLabel>(QStringLiteral("PainelQDeJogos")).text(), QStringLiteral("7 JG"));
    EXPECT_EQ(Controle<QLabel>(QStringLiteral("PainelQdeNumVolante")).text(), QStringLiteral("6 VL"));
    EXPECT_EQ(Controle<QLineEdit>(QStringLiteral("EditEsquerda")).text(), QStringLiteral("0"));
    EXPECT_FALSE(Controle<QCheckBox>(QStringLiteral("ChGuiaForcada")).isEnabled());
    EXPECT_TRUE(Controle<QLabel>(QStringLiteral("LabelMensagem")).isVisible());
    EXPECT_FALSE(Controle<QWidget>(QStringLiteral("ColorListBox1")).isVisible());
    EXPECT_FALSE(Controle<QWidget>(QStringLiteral("chImprimirTextoLateral")).isVisible());
    EXPECT_EQ(Grade().model()->columnCount(), 9);
}

TEST_F(FormCartelimTest, LargeClosingCountIsGroupedAndQuotasShowOnTheButton) {
    Escolhas.QdeBolao = 10;
    Escolhas.EmailLogin = QStringLiteral("BOLAO@bilheron.com.br ");
    Abre(JogosDeMega(3));
    EXPECT_EQ(TextoBotao(), QStringLiteral("Qde. Volantes Selecionados : 1\nQde. Núm. por Volante : 6\n"
                                           "BOLÃO : 10 COTAS\nClique Aqui para Imprimir :)"));
    EXPECT_TRUE(Controle<QWidget>(QStringLiteral("ColorListBox1")).isVisible());
    EXPECT_TRUE(Controle<QWidget>(QStringLiteral("chImprimirTextoLateral")).isVisible());
}

TEST_F(FormCartelimTest, EveryColumnTitleShowsWhole) {
    Abre(JogosDeMega(7));
    const QHeaderView& Cabecalho = *Grade().horizontalHeader();
    const QFontMetrics Metricas(Cabecalho.font());
    for (int Coluna = 0; Coluna < Grade().model()->columnCount(); ++Coluna) {
        const QString Titulo = Grade().model()->headerData(Coluna, Qt::Horizontal).toString();
        EXPECT_GE(Cabecalho.sectionSize(Coluna), Metricas.horizontalAdvance(Titulo)) << Titulo.toStdString();
    }
    EXPECT_EQ(Grade().model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("NR(D)"));
}

TEST_F(FormCartelimTest, TheWindowFitsTheScreenLessItsTaskbarAndIsCentredOnTheMainWindow) {
    // A laptop's 1366 x 768 screen less a taskbar of 40 and the window's frame holds it.
    Abre(JogosDeMega(7));
    EXPECT_LE(Form->minimumSizeHint().width(), 1366 - 16);
    EXPECT_LE(Form->minimumSizeHint().height(), 768 - 40 - 39);

    QWidget Principal;
    Principal.resize(640, 420);
    Principal.move(60, 50);
    Principal.show();
    const QRect Area = Principal.screen()->availableGeometry();
    if (Area.width() < 1366 - 16 || Area.height() < 768 - 40)
        GTEST_SKIP() << "a screen of " << Area.width() << " x " << Area.height()
                     << ": run with QT_QPA_PLATFORM=offscreen:configfile=tests/ui/tela-1366x768.json";
    const TFormCartelim Janela(DM, Dialogos, Local, Escolhas, &Principal);
    const QRect Ocupada(Janela.pos(), Janela.size() + QSize(16, 39));
    EXPECT_TRUE(Area.contains(Ocupada))
        << Ocupada.width() << " x " << Ocupada.height() << " at " << Ocupada.x() << ", " << Ocupada.y()
        << " on a screen of " << Area.width() << " x " << Area.height();
    EXPECT_LE(Janela.width(), 1280);
    EXPECT_LE(Janela.height(), 720);
    // Centred on the main window as far as the screen lets it.
    const QPoint Centro = Ocupada.center();
    const QPoint CentroPrincipal = Principal.frameGeometry().center();
    if (Ocupada.width() < Area.width()) {
        EXPECT_LE(std::abs(Centro.x() - std::clamp(CentroPrincipal.x(), Area.left() + Ocupada.width() / 2,
                                                   Area.right() - Ocupada.width() / 2)),
                  2);
    }
    if (Ocupada.height() < Area.height()) {
        EXPECT_LE(std::abs(Centro.y() - std::clamp(CentroPrincipal.y(), Area.top() + Ocupada.height() / 2,
                                                   Area.bottom() - Ocupada.height() / 2)),
                  2);
    }
}

TEST_F(FormCartelimTest, SelectsByRangeOfGameNumbers) {
    Abre(JogosDeMega(7)); // sheets with games 1-3, 4-6 and 7
    struct TCaso {
        int De, Ate;
        QList<int> Linhas;
    };
    const TCaso Casos[] = {{5, 7, {1, 2}}, {0, 0, {}}, {3, 4, {0, 1}}, {7, 7, {2}}, {8, 99, {}}};
    for (const TCaso& Caso : Casos) {
        Controle<QLineEdit>(QStringLiteral("Edit_de")).setText(QString::number(Caso.De));
        Controle<QLineEdit>(QStringLiteral("Edit_ate")).setText(QString::number(Caso.Ate));
        Clica(QStringLiteral("BtnSelecionarDeAte"));
        EXPECT_EQ(Selecionadas(), Caso.Linhas) << Caso.De << ".." << Caso.Ate;
        EXPECT_TRUE(TextoBotao().startsWith(
            QStringLiteral("Qde. Volantes Selecionados : %1\n").arg(Caso.Linhas.size())));
        EXPECT_EQ(TextoBotao().endsWith(QStringLiteral("Clique Aqui para Imprimir :)")),
                  !Caso.Linhas.isEmpty());
    }
    Clica(QStringLiteral("BtnSelectAll"));
    EXPECT_EQ(Selecionadas(), QList<int>({0, 1, 2}));
}

TEST_F(FormCartelimTest, LocatesAGameInTheFirstThreeSlotsOnly) {
    Abre(JogosDeMega(7));
    Controle<QLineEdit>(QStringLiteral("EditLocalizarJogo")).setText(QStringLiteral("4"));
    Clica(QStringLiteral("BtnLocalizarJogoPagina"));
    EXPECT_EQ(Selecionadas(), QList<int>({1}));
    EXPECT_EQ(Grade().currentIndex().row(), 1);
    EXPECT_TRUE(Dialogos.Mostradas().isEmpty());

    Controle<QLineEdit>(QStringLiteral("EditLocalizarJogo")).setText(QStringLiteral("8"));
    Clica(QStringLiteral("BtnLocalizarJogoPagina"));
    EXPECT_EQ(Selecionadas(), QList<int>({1}));
    ASSERT_EQ(Dialogos.Mostradas().size(), 1);
    EXPECT_EQ(Dialogos.Mostradas().at(0).Tipo, TTipoMensagem::Erro);
    EXPECT_EQ(Dialogos.Mostradas().at(0).Texto, QStringLiteral("Número do Jogo Não Encontrado !"));
}

TEST_F(FormCartelimTest, TheFourthGameOfASlipIsNotLocated) {
    Escolhas.QdeJogosPorVolante = 4;
    Abre(JogosDeMega(4));
    Controle<QLineEdit>(QStringLiteral("EditLocalizarJogo")).setText(QStringLiteral("4"));
    Clica(QStringLiteral("BtnLocalizarJogoPagina"));
    EXPECT_EQ(Mostradas(), QStringLiteral("Número do Jogo Não Encontrado !"));
    EXPECT_EQ(Selecionadas(), QList<int>({0}));
}

TEST_F(FormCartelimTest, F9TogglesTheLastIdentifierColumns) {
    Abre(JogosDeMega(4));
    for (bool Ocultas : {true, false}) {
        QTest::keyClick(&Grade(), Qt::Key_F9);
        for (int Coluna = 0; Coluna < 9; ++Coluna)
            EXPECT_EQ(Grade().isColumnHidden(Coluna), Ocultas && Coluna >= 7) << Coluna;
    }
}

TEST_F(FormCartelimTest, CtrlDeleteRemovesTheSelectedSheetsAfterTheQuestion) {
    Abre(JogosDeMega(9));
    Controle<QLineEdit>(QStringLiteral("Edit_de")).setText(QStringLiteral("1"));
    Controle<QLineEdit>(QStringLiteral("Edit_ate")).setText(QStringLiteral("6"));
    Clica(QStringLiteral("BtnSelecionarDeAte"));
    Grade().setFocus();
    Dialogos.RespondeProximaPergunta(false);
    QTest::keyClick(&Grade(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(DM.CDSImpressao_Temp().QdeRegistros(), 3);
    Dialogos.RespondeProximaPergunta(true);
    QTest::keyClick(&Grade(), Qt::Key_Delete, Qt::ControlModifier);
    ASSERT_EQ(DM.CDSImpressao_Temp().QdeRegistros(), 1);
    EXPECT_EQ(DM.CDSImpressao_Temp().Folha(0).IdJogo[0], 7);
    ASSERT_EQ(Dialogos.Perguntas().size(), 2);
    EXPECT_EQ(Dialogos.Perguntas().at(1).Texto, QStringLiteral("Excluir todos os registros selecionados?"));
    EXPECT_TRUE(TextoBotao().startsWith(QStringLiteral("Qde. Volantes Selecionados : 0\n")));
}

TEST_F(FormCartelimTest, CalibrationFieldsAreCleanedWhenLeft) {
    Abre(JogosDeMega(3));
    const std::pair<QString, QString> Casos[] = {{u"1.5"_s, u"1,5"_s},
                                                 {u"abc"_s, u"0"_s},
                                                 {u"-2"_s, u"-2"_s},
                                                 {u"2,50 mm"_s, u"2,5"_s},
                                                 {u""_s, u"0"_s}};
    for (const auto& [Digitado, Limpo] : Casos)
        for (const QString& Edit : {QStringLiteral("EditEsquerda"), QStringLiteral("EditTopo")}) {
            Digita(Edit, Digitado);
            EXPECT_EQ(Controle<QLineEdit>(Edit).text(), Limpo) << Digitado.toStdString();
        }
}

TEST_F(FormCartelimTest, RefusesToPrintWithoutSheetsOrWithoutAPrinter) {
    Abre(JogosDeMega(3));
    Controle<QLineEdit>(QStringLiteral("Edit_de")).setText(QStringLiteral("0"));
    Clica(QStringLiteral("BtnSelecionarDeAte"));
    Clica(QStringLiteral("BtnImprimir"));
    Clica(QStringLiteral("BtnSelectAll"));
    Controle<TRadioGroup>(QStringLiteral("RDOpcaoImpressaoTelaImpressora")).SetItemIndex(1);
    Controle<QListWidget>(QStringLiteral("ListBoxLocal")).clearSelection();
    Clica(QStringLiteral("BtnImprimir"));
    ASSERT_EQ(Dialogos.Mostradas().size(), 2);
    EXPECT_EQ(Dialogos.Mostradas().at(0).Tipo, TTipoMensagem::Aviso);
    EXPECT_EQ(Dialogos.Mostradas().at(0).Texto,
              QStringLiteral(
                  "Ops... Não temos nada Selecionado para Imprimir. Selecioine pelo menos 1 Jogo/Volante."));
    EXPECT_EQ(Dialogos.Mostradas().at(1).Texto,
              QStringLiteral("Atenção. Você deve Selecionar uma Impressora para Usar Esta Opção."));
    EXPECT_FALSE(QFile::exists(CaminhoIni()));
}

TEST_F(FormCartelimTest, APrinterThatIsGoneIsReportedAndNothingIsLeftHalfDone) {
    Abre(JogosDeMega(3));
    Controle<TRadioGroup>(QStringLiteral("RDOpcaoImpressaoTelaImpressora")).SetItemIndex(1);
    QListWidget& Impressoras = Controle<QListWidget>(QStringLiteral("ListBoxLocal"));
    Impressoras.addItem(QStringLiteral("Impressora Desligada"));
    Impressoras.setCurrentRow(Impressoras.count() - 1);
    Clica(QStringLiteral("BtnImprimir"));
    EXPECT_EQ(Mostradas(), QStringLiteral("A impressora \"Impressora Desligada\" não foi encontrada."));
    EXPECT_TRUE(Controle<QPushButton>(QStringLiteral("BtnImprimir")).isEnabled());
    EXPECT_EQ(DM.CDSImpressao().QdeRegistros(), 0);
    EXPECT_EQ(DM.CDSImpressao_Temp().QdeRegistros(), 1);
}

TEST_F(FormCartelimTest, NetworkPrintersAreNotOffered) {
    EXPECT_EQ(TFormCartelim::ImpressorasOferecidas({QStringLiteral("\\\\SERVIDOR\\Epson"),
                                                    QStringLiteral("HP\\Local"), QStringLiteral("PDF"),
                                                    QStringLiteral("Fila\\\\Rede")}),
              QStringList({QStringLiteral("HP\\Local"), QStringLiteral("PDF")}));
}

TEST_F(FormCartelimTest, PreviewExportsThePagesAsPdfAndSavesTheCalibration) {
    Abre(JogosDeMega(10)); // four slips: two pages
    Digita(QStringLiteral("EditEsquerda"), QStringLiteral("1.5"));
    Controle<QLineEdit>(QStringLiteral("EditTopo")).setText(QStringLiteral("-2 mm"));
    const QString Pdf = Pasta.filePath(QStringLiteral("volantes.pdf"));
    EXPECT_EQ(ImprimeNaTela(Pdf), 2);
    EXPECT_TRUE(BotaoPdfVisivel);
    EXPECT_EQ(FolhasImpressas, 4);
    EXPECT_EQ(PaginasDoPdf(Pdf), 2);
    EXPECT_EQ(Mostradas(),
              QStringLiteral("PDF gravado em %1 (2 páginas).").arg(QDir::toNativeSeparators(Pdf)));
    EXPECT_EQ(Controle<QLineEdit>(QStringLiteral("EditTopo")).text(), QStringLiteral("-2"));
    const QString Secao = QStringLiteral("Mega-Sena_Modelo-0_A4-Sim_Guia-Nao");
    EXPECT_EQ(ValorIni(Secao, QStringLiteral("Esquerda")), QStringLiteral("1,5"));
    EXPECT_EQ(ValorIni(Secao, QStringLiteral("Topo")), QStringLiteral("-2"));
    EXPECT_EQ(DM.CDSImpressao().QdeRegistros(), 0);
    EXPECT_TRUE(Controle<QPushButton>(QStringLiteral("BtnImprimir")).isEnabled());
}

// The export proposes the closing's title as the file name, or the document's title without one, and
// the PDF tells viewers to print it at actual size.
TEST_F(FormCartelimTest, PdfExportProposesTheTitleAndPrintsAtActualSize) {
    const struct {
        QString Titulo;
        QString Proposto;
    } Casos[] = {{QStringLiteral("Bolão 12/2025: \"A\""), QStringLiteral("Bolão 12_2025_ _A_.pdf")},
                 {QStringLiteral("  "), QStringLiteral("Cartelim - Mega-Sena.pdf")}};
    for (const auto& Caso : Casos) {
        SCOPED_TRACE(Caso.Titulo.toStdString());
        Escolhas.TituloFechamento = Caso.Titulo;
        Abre(JogosDeMega(3));
        const QString Pdf = Pasta.filePath(QStringLiteral("volantes.pdf"));
        EXPECT_EQ(ImprimeNaTela(Pdf), 1);
        ASSERT_FALSE(Dialogos.PedidosDeArquivo().isEmpty());
        const TPedidoArquivo Pedido = Dialogos.PedidosDeArquivo().constLast();
        EXPECT_EQ(Pedido.Tipo, TTipoArquivo::Pdf);
        EXPECT_EQ(Pedido.Filtro, QStringLiteral("Documento PDF (*.pdf)"));
        EXPECT_EQ(Pedido.ExtensaoPadrao, QStringLiteral("pdf"));
        EXPECT_EQ(Pedido.NomeProposto, Caso.Proposto);
        QFile Arquivo(Pdf);
        ASSERT_TRUE(Arquivo.open(QIODevice::ReadOnly));
        EXPECT_TRUE(Arquivo.readAll().contains("/ViewerPreferences << /PrintScaling /None >>"));
        Form.reset();
        DM.DeletaFechamentoAtual();
    }
}

TEST_F(FormCartelimTest, CountsAboveAThousandAreGroupedOnTheButtonAndTheSummary) {
    Abre(JogosDeMega(3003)); // 1,001 slips
    EXPECT_TRUE(TextoBotao().startsWith(QStringLiteral("Qde. Volantes Selecionados : 1.001\n")))
        << TextoBotao().toStdString();
    EXPECT_EQ(Controle<QLabel>(QStringLiteral("PainelQDeJogos")).text(), QStringLiteral("3.003 JG"));
}

TEST_F(FormCartelimTest, ACancelledPreviewIsNotShownAndTheRunEndsAsAnyOther) {
    Abre(JogosDeMega(30)); // ten slips: four pages
    bool PreviaAberta = false;
    Form->SetAbrePrevia([&PreviaAberta](QDialog&) { PreviaAberta = true; });
    CancelaAoAparecer();
    Clica(QStringLiteral("BtnImprimir"));
    EXPECT_TRUE(Visto.Visivel);
    EXPECT_TRUE(Visto.Modal);
    EXPECT_EQ(Visto.Tarefa, QStringLiteral("Preparando a visualização das páginas..."));
    EXPECT_EQ(Visto.Paginas, QStringLiteral("Página 1 de 4"));
    EXPECT_EQ(Visto.Valor, 1);
    EXPECT_EQ(Visto.Maximo, 4);
    EXPECT_EQ(Visto.Botao, QStringLiteral("Cancelar"));
    EXPECT_FALSE(PreviaAberta);
    EXPECT_FALSE(ProgressoVisivel());
    EXPECT_EQ(Mostradas(), QString());
    EXPECT_EQ(DM.CDSImpressao().QdeRegistros(), 0);
    EXPECT_EQ(DM.CDSImpressao_Temp().QdeRegistros(), 10);
    EXPECT_TRUE(Controle<QPushButton>(QStringLiteral("BtnImprimir")).isEnabled());
    EXPECT_TRUE(QFile::exists(CaminhoIni())) << "the calibration is saved as after any run";

    // The next run previews every page.
    Form->SetAtrasoProgresso(TFormProgresso::AtrasoPadraoMs);
    EXPECT_EQ(ImprimeNaTela(), 4);
}

TEST_F(FormCartelimTest, PdfExportShowsItsProgressCancelsWithoutAFileAndSaysWhereItSaved) {
    Abre(JogosDeMega(30)); // four pages
    const QString Pdf = Pasta.filePath(QStringLiteral("volantes.pdf"));
    QStringList Arquivos;
    Form->SetAbrePrevia([&](QDialog& Janela) {
        auto& Previa = static_cast<TFormPrevia&>(Janela);
        Previa.show();
        QTRY_VERIFY_WITH_TIMEOUT(Previa.QdePaginas() == 4, 10000);
        EXPECT_EQ(Previa.findChild<QLabel*>(QStringLiteral("LabelPagina"))->text(),
                  QStringLiteral("Página 1 de 4"));
        auto& Exportar = *Previa.findChild<QPushButton*>(QStringLiteral("BtnExportarPdf"));
        Dialogos.EscolheProximoArquivo(Pdf);
        Previa.SetAtrasoProgresso(0);
        CancelaAoAparecer();
        Exportar.click();
        Arquivos = QDir(Pasta.path()).entryList(QDir::Files);
        EXPECT_TRUE(Previa.isVisible()) << "the preview stays for another try";
        Dialogos.EscolheProximoArquivo(Pdf);
        Exportar.click();
        Previa.close();
    });
    Clica(QStringLiteral("BtnImprimir"));
    EXPECT_TRUE(Visto.Visivel);
    EXPECT_EQ(Visto.Tarefa, QStringLiteral("Gravando o Documento PDF..."));
    EXPECT_EQ(Visto.Paginas, QStringLiteral("Página 1 de 4"));
    EXPECT_FALSE(Arquivos.contains(QStringLiteral("volantes.pdf"))) << Arquivos.join(u' ').toStdString();
    EXPECT_EQ(Arquivos.size(), 0) << "no half-written file anywhere: " << Arquivos.join(u' ').toStdString();
    EXPECT_EQ(PaginasDoPdf(Pdf), 4);
    ASSERT_EQ(Dialogos.Mostradas().size(), 1);
    EXPECT_EQ(Dialogos.Mostradas().at(0).Tipo, TTipoMensagem::Informacao);
    EXPECT_EQ(Dialogos.Mostradas().at(0).Texto,
              QStringLiteral("PDF gravado em %1 (4 páginas).").arg(QDir::toNativeSeparators(Pdf)));
}

TEST_F(FormCartelimTest, PreviewPageCountAboveAThousandIsGrouped) {
    Abre(JogosDeMega(9009)); // 3,003 slips: 1,001 pages
    int Paginas = 0;
    QString Rotulo;
    Form->SetAbrePrevia([&](QDialog& Janela) {
        auto& Previa = static_cast<TFormPrevia&>(Janela);
        Paginas = Previa.QdePaginas();
        Rotulo = Previa.findChild<QLabel*>(QStringLiteral("LabelPagina"))->text();
    });
    Clica(QStringLiteral("BtnImprimir"));
    EXPECT_EQ(Paginas, 1001);
    EXPECT_EQ(Rotulo, QStringLiteral("Página 1 de 1.001"));
}

// The alignment test box starts unticked at every opening; ticked, the preview and its PDF show the slip
// picture in grey with the millimetre scale, and it stays ticked so the same page can go to the printer.
TEST_F(FormCartelimTest, AlignmentTestPrintsTheOutlineAndTheScale) {
    for (const bool Marcado : {false, true}) {
        SCOPED_TRACE(Marcado);
        Abre(JogosDeMega(3));
        QCheckBox& Caixa = Controle<QCheckBox>(QStringLiteral("ChImprimirContornoVolante"));
        EXPECT_EQ(Caixa.text(), QStringLiteral("Imprimir Contorno do Volante (Teste de Alinhamento)"));
        EXPECT_FALSE(Caixa.isChecked());
        Caixa.setChecked(Marcado);
        const QString Pdf = Pasta.filePath(QStringLiteral("alinhamento.pdf"));
        EXPECT_EQ(ImprimeNaTela(Pdf), 1);
        EXPECT_EQ(Caixa.isChecked(), Marcado);
        for (const TMensagem& Mensagem : Dialogos.Mostradas())
            EXPECT_EQ(Mensagem.Tipo, TTipoMensagem::Informacao) << Mensagem.Texto.toStdString();
        // The picture is the only image of the page; the scale's numbers go past anything a slip
        // prints (the 170 mm of its left edge).
        QFile Arquivo(Pdf);
        ASSERT_TRUE(Arquivo.open(QIODevice::ReadOnly));
        EXPECT_EQ(Arquivo.readAll().contains("/Subtype /Image"), Marcado);
        QProcess Texto;
        Texto.start(QStringLiteral("pdftotext"), {Pdf, QStringLiteral("-")});
        ASSERT_TRUE(Texto.waitForFinished(30000));
        EXPECT_EQ(QString::fromUtf8(Texto.readAllStandardOutput()).contains(QStringLiteral("170")), Marcado);
        Form.reset();
        DM.DeletaFechamentoAtual();
    }
}

TEST_F(FormCartelimTest, TwoRunsInARowPrintTheSameSheets) {
    Abre(JogosDeMega(8));
    Controle<QLineEdit>(QStringLiteral("Edit_de")).setText(QStringLiteral("4"));
    Controle<QLineEdit>(QStringLiteral("Edit_ate")).setText(QStringLiteral("8"));
    Clica(QStringLiteral("BtnSelecionarDeAte"));
    QStringList Textos;
    for (const QString& Nome : {QStringLiteral("a.pdf"), QStringLiteral("b.pdf")}) {
        EXPECT_EQ(ImprimeNaTela(Pasta.filePath(Nome)), 1);
        EXPECT_EQ(FolhasImpressas, 2);
        EXPECT_EQ(DM.CDSImpressao().QdeRegistros(), 0);
        Textos.append(TextoDoPdf(Pasta.filePath(Nome)));
    }
    EXPECT_TRUE(Textos.at(0).contains(QStringLiteral("(4-5-6)")));
    EXPECT_TRUE(Textos.at(0).contains(QStringLiteral("(7-8)")));
    EXPECT_EQ(Textos.at(0), Textos.at(1));
}

TEST_F(FormCartelimTest, PdfExportToAFolderThatCannotBeWrittenIsReported) {
    Abre(JogosDeMega(3));
    QFile Bloqueio(Pasta.filePath(QStringLiteral("arquivo")));
    ASSERT_TRUE(Bloqueio.open(QIODevice::WriteOnly));
    Bloqueio.close();
    ImprimeNaTela(Pasta.filePath(QStringLiteral("arquivo/volantes.pdf")));
    ASSERT_EQ(Dialogos.Mostradas().size(), 1);
    EXPECT_EQ(Dialogos.Mostradas().at(0).Tipo, TTipoMensagem::Erro);
    EXPECT_FALSE(QFile::exists(Pasta.filePath(QStringLiteral("arquivo/volantes.pdf"))));
}

TEST_F(FormCartelimTest, TheTemplateWithoutPdfExportOffersNone) {
    Escolhas.NomeModalidade = QStringLiteral("Dia de Sorte");
    Escolhas.LayoutIndex = 1;
    Escolhas.QdeNumPorVolante = 7;
    DM.InsereRegistroPorStringList(Escolhas.NomeModalidade, Escolhas.TituloFechamento, false,
                                   {QStringLiteral("01 02 03 04 05 06 07")}, {});
    DM.AtivaFiltro_MASTER(true);
    ASSERT_TRUE(
        DM.PopulaCDSImpressao(3, 3, 0, 1, false, 0, false, false, {}, TTipoModalidade::DiaDeSorte, false)
            .isEmpty());
    Form = std::make_unique<TFormCartelim>(DM, Dialogos, Local, Escolhas);
    Form->show();
    EXPECT_EQ(ImprimeNaTela(), 1);
    EXPECT_FALSE(BotaoPdfVisivel);
}

TEST_F(FormCartelimTest, PlacementErrorsAreShownAndPrintingGoesOn) {
    // Games of seven numbers printed as six-number games, one to a slip: the seventh number has no
    // mark, the same missing mark on both slips, shown once.
    Escolhas.QdeJogosPorVolante = 1;
    Abre({QStringLiteral("01 02 03 04 05 06 60"), QStringLiteral("11 12 13 14 15 16 60")});
    EXPECT_EQ(ImprimeNaTela(Pasta.filePath(QStringLiteral("x.pdf"))), 1);
    ASSERT_EQ(Dialogos.Mostradas().size(), 2) << Mostradas().toStdString();
    EXPECT_TRUE(Dialogos.Mostradas().at(1).Texto.startsWith(QStringLiteral("PDF gravado em ")));
    EXPECT_EQ(Dialogos.Mostradas().at(0).Tipo, TTipoMensagem::Erro);
    EXPECT_TRUE(Mostradas().contains(QStringLiteral("ShapeJogo1_Num7"))) << Mostradas().toStdString();
    EXPECT_EQ(PaginasDoPdf(Pasta.filePath(QStringLiteral("x.pdf"))), 1);
}

TEST_F(FormCartelimTest, ARequestTheRulesRefuseIsNotPrinted) {
    // A pool with repeat draws is refused by the rules.
    Escolhas.QdeBolao = 5;
    Escolhas.QdeTeimosinha = 2;
    Abre(JogosDeMega(3));
    EXPECT_EQ(ImprimeNaTela(), -1);
    EXPECT_FALSE(Dialogos.Mostradas().isEmpty());
    EXPECT_EQ(DM.CDSImpressao().QdeRegistros(), 0);
    EXPECT_TRUE(Controle<QPushButton>(QStringLiteral("BtnImprimir")).isEnabled());
    EXPECT_FALSE(QFile::exists(CaminhoIni()));
}

TEST_F(FormCartelimTest, LoadsTheCalibrationOfItsSectionAndTheGuideSection) {
    EscreveIni("; ajustes\n"
               "[Mega-Sena_Modelo-0_A4-Nao_Guia-Nao]\nEsquerda=1,5\nTopo=-2\n"
               "[Mega-Sena_Modelo-0_A4-Nao_Guia-Sim]\nEsquerda=0,7\nTopo=estragado\n");
    Escolhas.VolanteOriginal = true;
    Abre(JogosDeMega(3));
    QLineEdit& Esquerda = Controle<QLineEdit>(QStringLiteral("EditEsquerda"));
    QLineEdit& Topo = Controle<QLineEdit>(QStringLiteral("EditTopo"));
    EXPECT_EQ(Esquerda.text(), QStringLiteral("1,5"));
    EXPECT_EQ(Topo.text(), QStringLiteral("-2"));
    EXPECT_FALSE(Controle<QLabel>(QStringLiteral("LabelMensagem")).isVisible());

    QCheckBox& Guia = Controle<QCheckBox>(QStringLiteral("ChGuiaForcada"));
    ASSERT_TRUE(Guia.isEnabled());
    Guia.click();
    EXPECT_EQ(Esquerda.text(), QStringLiteral("0,7"));
    EXPECT_EQ(Topo.text(), QStringLiteral("-2")); // a damaged value is ignored

    // Saving writes into the guide section and keeps the rest of the file as written.
    Digita(QStringLiteral("EditTopo"), QStringLiteral("3"));
    ImprimeNaTela();
    const std::optional<TArquivoIni> Arquivo = TArquivoIni::Le(CaminhoIni());
    ASSERT_TRUE(Arquivo);
    EXPECT_TRUE(
        Arquivo->Conteudo().startsWith("; ajustes\n[Mega-Sena_Modelo-0_A4-Nao_Guia-Nao]\nEsquerda=1,5\n"));
    EXPECT_EQ(ValorIni(QStringLiteral("Mega-Sena_Modelo-0_A4-Nao_Guia-Sim"), QStringLiteral("Topo")),
              QStringLiteral("3"));
}

TEST_F(FormCartelimTest, WithoutTheFileOrTheSectionTheEditsKeepTheirValues) {
    Escolhas.VolanteOriginal = true;
    Abre(JogosDeMega(3));
    Digita(QStringLiteral("EditEsquerda"), QStringLiteral("4"));
    Controle<QCheckBox>(QStringLiteral("ChGuiaForcada")).click();
    EXPECT_EQ(Controle<QLineEdit>(QStringLiteral("EditEsquerda")).text(), QStringLiteral("4"));
    EscreveIni("[Quina_Modelo-0_A4-Nao_Guia-Nao]\nEsquerda=9\n");
    Controle<QCheckBox>(QStringLiteral("ChGuiaForcada")).click();
    EXPECT_EQ(Controle<QLineEdit>(QStringLiteral("EditEsquerda")).text(), QStringLiteral("4"));
}

// IMPRESSAO.INI as it may be found next to the program, edited, damaged or locked by someone: the print
// manager opens and prints whatever it holds, and saves the new calibration where it reads it back, or
// says why not. A file it cannot read is never replaced: the calibrations in it would be lost.
struct TIniHostil {
    const char* Nome;
    QByteArray Conteudo;
    enum TTrava { Nenhuma, Arquivo, Pasta } Trava;
    QString EsquerdaAoAbrir;
    enum TDestino { JuntoAoPrograma, NaConfiguracao, Recusado } Destino;
    QByteArray Gravado; // the whole file saved next to the program, where the case shows a key rewritten
};

void PrintTo(const TIniHostil& Caso, std::ostream* Saida) {
    *Saida << Caso.Nome;
}

const QByteArray SecaoMega = "[Mega-Sena_Modelo-0_A4-Sim_Guia-Nao]\n";
const QByteArray IniComum = SecaoMega + "Esquerda=2\n[Outra]\nTopo=5\n";

QByteArray LixoBinario() {
    std::mt19937 Gerador(1234);
    QByteArray Lixo(4096, Qt::Uninitialized);
    for (char& Byte : Lixo)
        Byte = char(Gerador() & 0xFF);
    return Lixo;
}

class IniHostilTest : public FormCartelimTest, public testing::WithParamInterface<TIniHostil> {};

TEST_P(IniHostilTest, OpensPrintsAndNeverLosesACalibration) {
    const TIniHostil& Caso = GetParam();
    const QString Programa = Pasta.filePath(QStringLiteral("programa"));
    const QString Configuracao = Pasta.filePath(QStringLiteral("config"));
    ASSERT_TRUE(QDir().mkpath(Programa));
    Local = TLocalImpressaoIni(Programa, Configuracao);
    const QString JuntoAoPrograma = QDir(Programa).filePath(QStringLiteral("IMPRESSAO.INI"));
    const QString NaConfiguracao = QDir(Configuracao).filePath(QStringLiteral("IMPRESSAO.INI"));
    {
        QFile Arquivo(JuntoAoPrograma);
        ASSERT_TRUE(Arquivo.open(QIODevice::WriteOnly));
        ASSERT_EQ(Arquivo.write(Caso.Conteudo), Caso.Conteudo.size());
    }
    std::optional<TSomenteLeitura> Trava;
    if (Caso.Trava != TIniHostil::Nenhuma) {
        Trava.emplace(Caso.Trava == TIniHostil::Arquivo ? JuntoAoPrograma : Programa);
        if (!Trava->Feito())
            GTEST_SKIP() << Trava->Motivo().toStdString();
    }

    Abre(JogosDeMega(3));
    EXPECT_EQ(Controle<QLineEdit>(QStringLiteral("EditEsquerda")).text(), Caso.EsquerdaAoAbrir);
    Digita(QStringLiteral("EditEsquerda"), QStringLiteral("1,5"));
    EXPECT_EQ(ImprimeNaTela(), 1);
    EXPECT_EQ(FolhasImpressas, 1);

    const QString Secao = QStringLiteral("Mega-Sena_Modelo-0_A4-Sim_Guia-Nao");
    const auto Valor = [&](const QString& Caminho, const QString& Nome, const QString& Chave) {
        const std::optional<TArquivoIni> Arquivo = TArquivoIni::Le(Caminho);
        return Arquivo ? Arquivo->Valor(Nome, Chave) : std::nullopt;
    };
    switch (Caso.Destino) {
    case TIniHostil::JuntoAoPrograma:
        EXPECT_EQ(Mostradas(), QString());
        EXPECT_EQ(Valor(JuntoAoPrograma, Secao, QStringLiteral("Esquerda")), QStringLiteral("1,5"));
        // Every line that was there is still there, the new ones after them.
        if (Caso.Gravado.isEmpty()) {
            EXPECT_TRUE(
                ConteudoDe(JuntoAoPrograma).startsWith(TArquivoIni::DeTexto(Caso.Conteudo).Conteudo()));
        } else {
            EXPECT_EQ(ConteudoDe(JuntoAoPrograma), Caso.Gravado);
        }
        EXPECT_FALSE(QFile::exists(NaConfiguracao));
        break;
    case TIniHostil::NaConfiguracao:
        EXPECT_EQ(Mostradas(), QString());
        EXPECT_EQ(ConteudoDe(JuntoAoPrograma), Caso.Conteudo);
        EXPECT_EQ(Valor(NaConfiguracao, Secao, QStringLiteral("Esquerda")), QStringLiteral("1,5"));
        EXPECT_EQ(Valor(NaConfiguracao, QStringLiteral("Outra"), QStringLiteral("Topo")),
                  QStringLiteral("5"));
        break;
    case TIniHostil::Recusado:
        EXPECT_EQ(Mostradas(),
                  QStringLiteral("O Ajuste Fino na Impressão não foi salvo.\rNão foi possível ler "
                                 "\"%1\".")
                      .arg(JuntoAoPrograma));
        EXPECT_EQ(ConteudoDe(JuntoAoPrograma), Caso.Conteudo);
        EXPECT_FALSE(QFile::exists(NaConfiguracao));
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, IniHostilTest,
    testing::Values(
        TIniHostil{"LixoBinario",
                   LixoBinario(),
                   TIniHostil::Nenhuma,
                   QStringLiteral("0"),
                   TIniHostil::JuntoAoPrograma,
                   {}},
        // Past the size a calibration file can have, whatever it starts with.
        TIniHostil{"CinquentaMegabytes",
                   IniComum + QByteArray(50 * 1024 * 1024, '\0'),
                   TIniHostil::Nenhuma,
                   QStringLiteral("0"),
                   TIniHostil::Recusado,
                   {}},
        TIniHostil{"LinhaDeDezMegabytes",
                   IniComum + "; " + QByteArray(10 * 1024 * 1024, 'x') + '\n',
                   TIniHostil::Nenhuma,
                   QStringLiteral("0"),
                   TIniHostil::Recusado,
                   {}},
        // The first of each counts, names compared without regard to case; the others stay as written.
        TIniHostil{"SecoesEChavesRepetidas",
                   SecaoMega.toUpper() + "Esquerda=2\nesquerda=7\n[Outra]\n" + SecaoMega +
                       "Esquerda=9\nTopo=4\n",
                   TIniHostil::Nenhuma, QStringLiteral("2"), TIniHostil::JuntoAoPrograma,
                   SecaoMega.toUpper() + "Esquerda=1,5\nesquerda=7\nTopo=0\n[Outra]\n" + SecaoMega +
                       "Esquerda=9\nTopo=4\n"},
        TIniHostil{"ArquivoSomenteLeitura",
                   IniComum,
                   TIniHostil::Arquivo,
                   QStringLiteral("2"),
                   TIniHostil::NaConfiguracao,
                   {}},
        TIniHostil{"PastaSomenteLeitura",
                   IniComum,
                   TIniHostil::Pasta,
                   QStringLiteral("2"),
                   TIniHostil::NaConfiguracao,
                   {}}),
    [](const testing::TestParamInfo<TIniHostil>& Info) { return std::string(Info.param.Nome); });

TEST_F(FormCartelimTest, ButtonsOpenTheVideoAndThePortalAndClose) {
    Abre(JogosDeMega(3));
    Clica(QStringLiteral("BtnVideo"));
    EXPECT_EQ(Dialogos.EnderecosAbertos().size(), 1);
    EXPECT_TRUE(Dialogos.Mostradas().isEmpty());
    // Without a browser the address is shown instead, to be copied.
    Dialogos.SemNavegador(true);
    Clica(QStringLiteral("BtnVideo"));
    EXPECT_TRUE(Mostradas().endsWith(EnderecoDoVideo().toDisplayString())) << Mostradas().toStdString();
    Clica(QStringLiteral("BtnSair"));
    EXPECT_FALSE(Form->isVisible());
}

// The PDF files cups-pdf wrote into its folder.
QStringList PdfsDaFila(const QString& Saida) {
    QStringList Arquivos;
    QDirIterator Iterador(Saida, {QStringLiteral("*.pdf")}, QDir::Files, QDirIterator::Subdirectories);
    while (Iterador.hasNext())
        Arquivos.append(Iterador.next());
    return Arquivos;
}

// A real print queue by name: run through tests/apoio/fila-cups-privada.sh, which starts a private CUPS
// scheduler with a cups-pdf queue and names it here; skipped elsewhere.
TEST_F(FormCartelimTest, ACancelledPrintJobNeverReachesTheQueue) {
    const QString Fila = qEnvironmentVariable("CARTELIM_FILA_CUPS");
    const QString Saida = qEnvironmentVariable("CARTELIM_SAIDA_CUPS");
    if (Fila.isEmpty() || Saida.isEmpty())
        GTEST_SKIP() << "no print queue: run through tests/apoio/fila-cups-privada.sh";
    const QStringList Antes = PdfsDaFila(Saida);
    Abre(JogosDeMega(30)); // four pages
    ASSERT_NO_FATAL_FAILURE(EscolheImpressora(Fila));
    CancelaAoAparecer();
    Clica(QStringLiteral("BtnImprimir"));
    EXPECT_EQ(Visto.Tarefa, QStringLiteral("Imprimindo na impressora \"%1\"...").arg(Fila));
    EXPECT_EQ(Visto.Paginas, QStringLiteral("Página 1 de 4"));
    EXPECT_EQ(Mostradas(), QString());
    EXPECT_EQ(DM.CDSImpressao().QdeRegistros(), 0);
    EXPECT_TRUE(Controle<QPushButton>(QStringLiteral("BtnImprimir")).isEnabled());

    // A two-page job after it (the cancelled one stopped after its first page): the queue prints jobs
    // in order, so the cancelled one would come out first.
    Form->SetAtrasoProgresso(TFormProgresso::AtrasoPadraoMs);
    Controle<QLineEdit>(QStringLiteral("Edit_de")).setText(QStringLiteral("1"));
    Controle<QLineEdit>(QStringLiteral("Edit_ate")).setText(QStringLiteral("18"));
    Clica(QStringLiteral("BtnSelecionarDeAte"));
    Clica(QStringLiteral("BtnImprimir"));
    EXPECT_EQ(Mostradas(), QString());
    QStringList Novos;
    bool Impresso = false;
    const QDeadlineTimer Prazo(90'000);
    while (!Impresso && !Prazo.hasExpired()) {
        QTest::qWait(500);
        Novos = PdfsDaFila(Saida);
        for (const QString& Arquivo : Antes)
            Novos.removeAll(Arquivo);
        Impresso = std::any_of(Novos.cbegin(), Novos.cend(),
                               [](const QString& Arquivo) { return PaginasDoPdf(Arquivo) == 2; });
    }
    EXPECT_TRUE(Impresso) << "the second job was not printed";
    EXPECT_EQ(Novos.size(), 1) << "the cancelled job reached the queue: " << Novos.join(u' ').toStdString();
}

TEST_F(FormCartelimTest, PrintsOnAPrintQueueByName) {
    const QString Fila = qEnvironmentVariable("CARTELIM_FILA_CUPS");
    const QString Saida = qEnvironmentVariable("CARTELIM_SAIDA_CUPS");
    if (Fila.isEmpty() || Saida.isEmpty())
        GTEST_SKIP() << "no print queue: run through tests/apoio/fila-cups-privada.sh";
    const QStringList Antes = PdfsDaFila(Saida);
    Abre(JogosDeMega(10)); // four slips: two pages
    ASSERT_NO_FATAL_FAILURE(EscolheImpressora(Fila));
    // An alignment test sent to the printer does not stay ticked for the next print.
    Controle<QCheckBox>(QStringLiteral("ChImprimirContornoVolante")).setChecked(true);
    Clica(QStringLiteral("BtnImprimir"));
    EXPECT_FALSE(Controle<QCheckBox>(QStringLiteral("ChImprimirContornoVolante")).isChecked());
    EXPECT_EQ(Mostradas(), QString());
    EXPECT_EQ(DM.CDSImpressao().QdeRegistros(), 0);

    // cups-pdf names its file as it likes and Ghostscript writes it in steps: wait for a whole PDF.
    int Paginas = -1;
    const QDeadlineTimer Prazo(90'000);
    while (Paginas != 2 && !Prazo.hasExpired()) {
        QTest::qWait(500);
        QStringList Novos = PdfsDaFila(Saida);
        for (const QString& Arquivo : Antes)
            Novos.removeAll(Arquivo);
        if (!Novos.isEmpty())
            Paginas = PaginasDoPdf(Novos.first());
    }
    EXPECT_EQ(Paginas, 2);
}

} // namespace
