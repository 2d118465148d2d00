// The main window as a frame: its controls, start-up state, title, links and Ctrl+1.
#include "JanelaDeTeste.h"

#include "ui/Enderecos.h"
#include "ui/ImagemClicavel.h"
#include "ui/RadioGroup.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace {

struct TControleEsperado {
    QString Nome;
    const char* Classe;
    QString Texto; // caption, label or title; empty when the control has none to check
};

QString TextoDoControle(const QObject& Controle) {
    if (const auto* Botao = qobject_cast<const QAbstractButton*>(&Controle))
        return Botao->text();
    if (const auto* Quadro = qobject_cast<const QGroupBox*>(&Controle))
        return Quadro->title();
    if (const auto* Rotulo = qobject_cast<const QLabel*>(&Controle))
        return Rotulo->text();
    return {};
}

} // namespace

using JanelaTest = TJanelaDeTeste;

TEST_F(JanelaTest, EveryControlExistsUnderItsNameWithItsCaption) {
    const TControleEsperado Controles[] = {
        {u"PageControl1"_s, "QTabWidget", {}},
        {u"StatusBar1"_s, "QStatusBar", {}},
        {u"EditEmail"_s, "QLineEdit", {}},
        {u"EditSenha"_s, "QLineEdit", {}},
        {u"BtnAutenticar"_s, "QPushButton", u" Autenticar e acessar seus jogos"_s},
        {u"RichEdit1"_s, "QTextEdit", {}},
        {u"ImagemLogo"_s, "TImagemClicavel", {}},
        {u"RadioImportar_Modalidade"_s, "TRadioGroup", u"Modalidade"_s},
        {u"EditNomeDoFechamento"_s, "QLineEdit", {}},
        {u"ComboImporta_QdeNumPorVolante"_s, "QComboBox", {}},
        {u"BtnImportar"_s, "QPushButton", u"Abrir Fechamento"_s},
        {u"BtnLimparMemo"_s, "QPushButton", u"Limpar Área"_s},
        {u"BtnCopiarMemoria"_s, "QPushButton", u"Copiar da Memória"_s},
        {u"MemoJogosImportar"_s, "QPlainTextEdit", {}},
        {u"Label4"_s, "QLabel",
         u" Linhas Que Começarem com essas 2 Barras \"//\" Serão Ignoradas Automaticamente"_s},
        {u"chImportarOrdemCrescente"_s, "QCheckBox", u"Colocar Jogos em Ordem ao Importar"_s},
        {u"BtnValidarJogosFechamento"_s, "QPushButton", {}},
        {u"ProgressBar1"_s, "QProgressBar", {}},
        {u"DBGrid1"_s, "TGradeDados", {}},
        {u"DBGrid2"_s, "TGradeDados", {}},
        {u"DBEdit1"_s, "QLineEdit", {}},
        {u"DBEdit2"_s, "QLineEdit", {}},
        {u"BtnApagarFechamento"_s, "QPushButton", u"Apagar Fechamento"_s},
        {u"BtnTelaImpressao"_s, "QPushButton", u"Tela de Impressão"_s},
        {u"BtnExportarJogosArquivoTexto"_s, "QPushButton", u"Exportar Jogos em Arquivo Texto"_s},
        {u"BtnCopiarJogosAreaTransferencia"_s, "QPushButton", u"Copiar jogos em área transferência"_s},
        {u"CheckMask"_s, "QCheckBox", u"MASK"_s},
        {u"StatusBar2"_s, "QStatusBar", {}},
        {u"Action1"_s, "QAction", {}},
    };
    for (const TControleEsperado& Esperado : Controles) {
        SCOPED_TRACE(Esperado.Nome.toStdString());
        const QObject* Controle = Form.findChild<QObject*>(Esperado.Nome);
        ASSERT_NE(Controle, nullptr);
        EXPECT_TRUE(Controle->inherits(Esperado.Classe));
        if (!Esperado.Texto.isEmpty()) {
            EXPECT_EQ(TextoDoControle(*Controle), Esperado.Texto);
        }
    }
    EXPECT_EQ(Form.findChild<QObject*>(u"ref3"_s)->parent()->objectName(), u"TabAutenticacao"_s);
}

TEST_F(JanelaTest, FivePagesInOrderWithTheirCaptions) {
    auto& Paginas = Controle<QTabWidget>(u"PageControl1"_s);
    const QStringList Nomes = {u"TabAutenticacao"_s, u"TabSheet4"_s, u"TabJogo"_s, u"TabImpressao"_s,
                               u"TabConferencia"_s};
    const QStringList Titulos = {u"Autenticação no Portal   "_s, u"Importar Jogos   "_s, u"Jogos :)   "_s,
                                 u"Impressão dos Jogos   "_s, u"Conferir Resultado   "_s};
    ASSERT_EQ(Paginas.count(), Nomes.size());
    for (int Pagina = 0; Pagina < Nomes.size(); ++Pagina) {
        EXPECT_EQ(Paginas.widget(Pagina)->objectName(), Nomes[Pagina]);
        EXPECT_EQ(Paginas.tabText(Pagina), Titulos[Pagina]);
    }
}

TEST_F(JanelaTest, StartsOnTheLoginPageWithEmptyFieldsAndDiaDeSorteChosen) {
    EXPECT_EQ(PaginaAtiva(), u"TabAutenticacao"_s);
    EXPECT_TRUE(Controle<QLineEdit>(u"EditEmail"_s).text().isEmpty());
    EXPECT_TRUE(Controle<QLineEdit>(u"EditSenha"_s).text().isEmpty());
    EXPECT_TRUE(Controle<QLineEdit>(u"EditEmail"_s).hasFocus() || !Form.isActiveWindow());
    EXPECT_EQ(Controle<QLineEdit>(u"EditSenha"_s).echoMode(), QLineEdit::Password);
    EXPECT_EQ(Controle<QLineEdit>(u"EditEmail"_s).maxLength(), 50);
    EXPECT_EQ(Controle<QLineEdit>(u"EditSenha"_s).maxLength(), 50);

    auto& Radio = Controle<TRadioGroup>(u"RadioImportar_Modalidade"_s);
    EXPECT_EQ(Radio.Items(),
              (QStringList{u"Dia de Sorte"_s, u"Lotofacil"_s, u"Quina"_s, u"Mega-sena"_s, u"Lotomania"_s,
                           u"Timemania"_s, u"Dupla-Sena"_s, u"Mais Milionária"_s}));
    EXPECT_EQ(Radio.ItemIndex(), 0);
    auto& Combo = Controle<QComboBox>(u"ComboImporta_QdeNumPorVolante"_s);
    EXPECT_EQ(Combo.count(), 9); // 7 to 15
    EXPECT_EQ(Combo.currentText(), u"7"_s);
    EXPECT_EQ(Controle<QPushButton>(u"BtnValidarJogosFechamento"_s).text(),
              u"Validar Agora Jogos Dia de Sorte com 7 Números por Volante"_s);
    EXPECT_FALSE(Controle<QCheckBox>(u"chImportarOrdemCrescente"_s).isChecked());
    EXPECT_FALSE(Controle<QProgressBar>(u"ProgressBar1"_s).isVisible());

    for (const auto& Botao : {u"BtnApagarFechamento"_s, u"BtnTelaImpressao"_s,
                              u"BtnExportarJogosArquivoTexto"_s, u"BtnCopiarJogosAreaTransferencia"_s})
        EXPECT_FALSE(Controle<QPushButton>(Botao).isEnabled()) << Botao.toStdString();
    EXPECT_TRUE(Controle<QCheckBox>(u"CheckMask"_s).isHidden());
    EXPECT_EQ(Controle<QAbstractItemView>(u"DBGrid1"_s).model()->rowCount(), 0);
    EXPECT_EQ(Controle<QAbstractItemView>(u"DBGrid2"_s).model()->rowCount(), 0);
    EXPECT_EQ(Controle<QStatusBar>(u"StatusBar1"_s).findChildren<QLabel*>().size(), 3);
}

TEST_F(JanelaTest, WelcomeTextListsTheOutputsAndEverySlipModel) {
    auto& Texto = Controle<QTextEdit>(u"RichEdit1"_s);
    EXPECT_TRUE(Texto.isReadOnly());
    const QStringList Linhas = Texto.toPlainText().split(u'\n');
    for (const auto& Esperada :
         {u"1 . FOLHA A4"_s, u"2 . VOLANTE OFICIAL "_s,
          u"3 . FORMATO DO VOLANTE OFICIAL NUMA FOLHA A4 RECORTADA (Incrível esse modelo. Exclusivo)"_s,
          u"Megasena 2018 (3 por Volante)"_s, u"Megasena Virada 2023 (3 por Volante)"_s,
          u"Lotofacil 2021 (3 por Volante. Jogos de 19 e 20 Números)"_s,
          u"Lotofacil Independência 2022 (3 por Volante. Jogos de 19 e 20 Números - 100 COTAS)"_s,
          u"Quina 2020 (3 por Volante)"_s, u"Quina São João 2020 (3 por Volante)"_s,
          u"Dia De Sorte 2020 (3 por Volante)"_s, u"Lotomania 2025 (2 por Volante)"_s,
          u"Dupla Sena 2020 (3 por Volante)"_s, u"Dupla Sena Páscoa 2020 (3 por Volante)"_s,
          u"Timemania 2022 (1 por Volante com opção de BOLÃO)"_s, u"+ Milionária 2022"_s,
          u"+ Milionária 2023"_s})
        EXPECT_TRUE(Linhas.contains(Esperada)) << Esperada.toStdString();
}

TEST_F(JanelaTest, TitleShowsTheProgramFileDateAndSizeAndSurvivesResizing) {
    const QRegularExpression Forma(
        u"^Portal BILHERON - Impressão de Jogos 8\\.15  ::   \\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d : \\d{1,3}(\\.\\d{3})*$"_s);
    const QString Titulo = Form.windowTitle();
    EXPECT_TRUE(Forma.match(Titulo).hasMatch()) << Titulo.toStdString();
    Form.resize(Form.size() + QSize(40, 30));
    EXPECT_EQ(Form.windowTitle(), Titulo);
}

TEST(TituloDaJanela, FormatsDateAndKilobytesWithTheLocaleGrouping) {
    EXPECT_EQ(TFormPrincipal::TituloDaJanela(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)),
                                             1'234'567 * 1024LL + 1023),
              u"Portal BILHERON - Impressão de Jogos 8.15  ::   05/03 14:07:09 : 1.234.567"_s);
    EXPECT_EQ(TFormPrincipal::TituloDaJanela(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59)), 1023),
              u"Portal BILHERON - Impressão de Jogos 8.15  ::   31/12 23:59:59 : 0"_s);
    // An unreadable program file.
    EXPECT_EQ(TFormPrincipal::TituloDaJanela(QDateTime(), 0),
              u"Portal BILHERON - Impressão de Jogos 8.15  ::   30/12 00:00:00 : 0"_s);
}

TEST_F(JanelaTest, HelpPicturesOpenTheArticleAtTheirOwnAnchorAndTheLogoOpensThePortal) {
    for (const auto& Nome : {u"ref3"_s, u"ref4"_s, u"ref5"_s, u"ref6"_s, u"ImagemLogo"_s}) {
        SCOPED_TRACE(Nome.toStdString());
        auto& Imagem = Controle<TImagemClicavel>(Nome);
        EXPECT_EQ(Imagem.cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(Imagem.property("Tag").toInt(), 2);
        EXPECT_FALSE(Imagem.pixmap().isNull());
        EXPECT_EQ(Imagem.toolTip(), Nome == u"ImagemLogo"_s ? u"Conheça o Portal Bilheron :)"_s
                                                            : u"Está com dúvidas ? Clique Aqui"_s);
        Q_EMIT Imagem.Clicado();
    }
    ASSERT_EQ(Dialogos.EnderecosAbertos().size(), 5);
    for (int Indice = 0; Indice < 4; ++Indice)
        EXPECT_EQ(Dialogos.EnderecosAbertos()[Indice], EnderecoDaAjuda(u"ref%1"_s.arg(Indice + 3)));
    EXPECT_EQ(Dialogos.EnderecosAbertos()[2].fragment(), u"ref5"_s);
    EXPECT_EQ(Dialogos.EnderecosAbertos()[4], EnderecoDosArtigos());
}

TEST_F(JanelaTest, WithoutABrowserTheLinksShowTheirAddressToCopy) {
    Dialogos.SemNavegador(true);
    Q_EMIT Controle<TImagemClicavel>(u"ref4"_s).Clicado();
    Q_EMIT Controle<TImagemClicavel>(u"ImagemLogo"_s).Clicado();
    ASSERT_EQ(Dialogos.Mostradas().size(), 2);
    const QUrl Enderecos[] = {EnderecoDaAjuda(u"ref4"_s), EnderecoDosArtigos()};
    for (int Indice = 0; Indice < 2; ++Indice) {
        const TMensagem& Mensagem = Dialogos.Mostradas()[Indice];
        EXPECT_EQ(Mensagem.Tipo, TTipoMensagem::Aviso);
        EXPECT_TRUE(Mensagem.Texto.startsWith(u"Não foi possível abrir o navegador."_s));
        EXPECT_TRUE(Mensagem.Texto.endsWith(u"\r\r"_s + Enderecos[Indice].toDisplayString()))
            << Mensagem.Texto.toStdString();
    }
    EXPECT_TRUE(Dialogos.EnderecosAbertos().isEmpty());
}

TEST_F(JanelaTest, CtrlOneHidesTheEmailBehindThePasswordCharacter) {
    auto& Acao = Controle<QAction>(u"Action1"_s);
    EXPECT_EQ(Acao.shortcut(), QKeySequence(u"Ctrl+1"_s));
    auto& Email = Controle<QLineEdit>(u"EditEmail"_s);
    EXPECT_EQ(Email.echoMode(), QLineEdit::Normal);
    Acao.trigger();
    EXPECT_EQ(Email.echoMode(), QLineEdit::Password);
}

TEST_F(JanelaTest, EmailIsTypedInLowerCase) {
    auto& Email = Controle<QLineEdit>(u"EditEmail"_s);
    Email.setFocus();
    QTest::keyClicks(&Email, u"Fulano@Exemplo.COM"_s);
    EXPECT_EQ(Email.text(), u"fulano@exemplo.com"_s);
}
