// The desktop's own dialogs, opened for real and answered by a timer: Qt's buttons read in Portuguese,
// and each kind of file dialog starts in the folder last used for it, remembered between runs.
#include "ui/DialogosReais.h"
#include "JanelaDeTeste.h"
#include "catalogue/InicioPrograma.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Runs Acao on the modal dialog of type T as soon as it is shown.
template <typename T> void QuandoAbrir(std::function<void(T&)> Acao) {
    auto* Espera = new QTimer(qApp);
    QObject::connect(Espera, &QTimer::timeout, Espera, [Espera, Acao] {
        if (auto* Dialogo = qobject_cast<T*>(QApplication::activeModalWidget())) {
            Espera->stop();
            Espera->deleteLater();
            Acao(*Dialogo);
        }
    });
    Espera->start(10);
}

QAbstractButton* BotaoAceitar(QFileDialog& Dialogo) {
    auto* Botoes = Dialogo.findChild<QDialogButtonBox*>();
    if (!Botoes)
        return nullptr;
    for (QAbstractButton* Botao : Botoes->buttons())
        if (Botoes->buttonRole(Botao) == QDialogButtonBox::AcceptRole)
            return Botao;
    return nullptr;
}

class DialogosReaisTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Pasta.isValid());
        ASSERT_TRUE(QDir(Pasta.path()).mkpath(u"volantes"_s));
        ASSERT_TRUE(QDir(Pasta.path()).mkpath(u"jogos"_s));
    }

    QString Sub(const QString& Nome) const { return QDir(Pasta.path()).filePath(Nome); }
    QString ConfiguracaoDoUsuario() const { return Sub(u"cartelim.conf"_s); }

    // A save dialog of that kind answered with the file Escolhido (empty: cancelled); the folder it
    // started in and the name it proposed.
    QString Salva(TDialogosReais& Dialogos, TTipoArquivo Tipo, const QString& Escolhido,
                  QString* Inicial = nullptr, QString* Proposto = nullptr) {
        QuandoAbrir<QFileDialog>([&](QFileDialog& Dialogo) {
            if (Inicial)
                *Inicial = Dialogo.directory().absolutePath();
            if (Proposto)
                *Proposto = Dialogo.findChild<QLineEdit*>(u"fileNameEdit"_s)->text();
            if (Escolhido.isEmpty()) {
                Dialogo.reject();
                return;
            }
            // As a person does it: goes to the folder, types the name, presses the accept button.
            Dialogo.setDirectory(QFileInfo(Escolhido).path());
            Dialogo.findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(QFileInfo(Escolhido).fileName());
            BotaoAceitar(Dialogo)->click();
        });
        return Dialogos.ArquivoParaSalvar(nullptr, {Tipo, u"Documento PDF"_s, u"Documento PDF (*.pdf)"_s,
                                                    u"pdf"_s, u"Bolão da firma.pdf"_s});
    }

    QTemporaryDir Pasta;
};

TEST_F(DialogosReaisTest, BotoesDoQtEmPortugues) {
    if (!QDir(TInicioPrograma::PastaDasTraducoesDoQt()).exists(u"qtbase_pt_BR.qm"_s))
        GTEST_SKIP() << "qt6-translations-l10n não instalado";
    const TInicioPrograma Inicio(*QCoreApplication::instance(), u"cartelim"_s);
    QSettings Configuracao(ConfiguracaoDoUsuario(), QSettings::IniFormat);
    TDialogosReais Dialogos(Configuracao);

    QString Sim;
    QString Nao;
    QuandoAbrir<QMessageBox>([&](QMessageBox& Caixa) {
        Sim = Caixa.button(QMessageBox::Yes)->text();
        Nao = Caixa.button(QMessageBox::No)->text();
        Caixa.button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(Dialogos.Pergunta(nullptr, u"O que fazer ? "_s, u"Jogo Duplicado !"_s, false));
    EXPECT_EQ(Sim, u"&Sim"_s);
    EXPECT_EQ(Nao, u"&Não"_s);

    for (const bool Salvar : {true, false}) {
        QString Aceitar;
        QuandoAbrir<QFileDialog>([&](QFileDialog& Dialogo) {
            if (QAbstractButton* Botao = BotaoAceitar(Dialogo))
                Aceitar = Botao->text();
            Dialogo.reject();
        });
        const TPedidoArquivo Pedido{TTipoArquivo::Jogos,
                                    u"Selecione o Arquivo e Clique em Abrir"_s,
                                    u"Arquivos de texto (*.txt *.csv);;Todos os arquivos (*)"_s,
                                    u"txt"_s,
                                    {}};
        EXPECT_EQ(Salvar ? Dialogos.ArquivoParaSalvar(nullptr, Pedido)
                         : Dialogos.ArquivoParaAbrir(nullptr, Pedido),
                  QString());
        EXPECT_EQ(Aceitar, Salvar ? u"&Salvar"_s : u"&Abrir"_s);
    }
}

TEST_F(DialogosReaisTest, CadaTipoDeArquivoComecaNaUltimaPastaUsada) {
    QSettings Configuracao(ConfiguracaoDoUsuario(), QSettings::IniFormat);
    TDialogosReais Dialogos(Configuracao);
    const QString Padrao = Dialogos.PastaInicial(TTipoArquivo::Pdf);
    EXPECT_TRUE(QFileInfo(Padrao).isDir());

    QString Inicial;
    QString Proposto;
    const QString Escolhido = Sub(u"volantes/bolão.pdf"_s);
    EXPECT_EQ(Salva(Dialogos, TTipoArquivo::Pdf, Escolhido, &Inicial, &Proposto), Escolhido);
    EXPECT_EQ(Inicial, QDir(Padrao).absolutePath());
    EXPECT_EQ(Proposto, u"Bolão da firma.pdf"_s);

    // The PDF folder is remembered; the other kinds keep theirs; a cancelled dialog changes nothing.
    EXPECT_EQ(Salva(Dialogos, TTipoArquivo::Pdf, {}, &Inicial), QString());
    EXPECT_EQ(Inicial, Sub(u"volantes"_s));
    EXPECT_EQ(Dialogos.PastaInicial(TTipoArquivo::Exportacao), Padrao);
    EXPECT_EQ(Salva(Dialogos, TTipoArquivo::Exportacao, Sub(u"jogos/jogos.txt"_s)),
              Sub(u"jogos/jogos.txt"_s));
    EXPECT_EQ(Dialogos.PastaInicial(TTipoArquivo::Pdf), Sub(u"volantes"_s));
    EXPECT_EQ(Dialogos.PastaInicial(TTipoArquivo::Exportacao), Sub(u"jogos"_s));
    EXPECT_EQ(Dialogos.PastaInicial(TTipoArquivo::Jogos), Padrao);

    // The next run reads them from the user's configuration; a folder gone since is forgotten.
    ASSERT_TRUE(QDir(Sub(u"jogos"_s)).removeRecursively());
    QSettings OutraExecucao(ConfiguracaoDoUsuario(), QSettings::IniFormat);
    TDialogosReais Depois(OutraExecucao);
    EXPECT_EQ(Depois.PastaInicial(TTipoArquivo::Pdf), Sub(u"volantes"_s));
    EXPECT_EQ(Depois.PastaInicial(TTipoArquivo::Exportacao), Padrao);
}

} // namespace
