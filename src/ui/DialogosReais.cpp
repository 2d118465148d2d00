#include "ui/DialogosReais.h"

#include "store/CorteDeTexto.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

namespace {

QMessageBox::Icon Icone(TTipoMensagem Tipo) {
    switch (Tipo) {
    case TTipoMensagem::Aviso:
        return QMessageBox::Warning;
    case TTipoMensagem::Erro:
        return QMessageBox::Critical;
    case TTipoMensagem::Informacao:
        break;
    }
    return QMessageBox::NoIcon;
}

QString ChaveDaPasta(TTipoArquivo Tipo) {
    switch (Tipo) {
    case TTipoArquivo::Jogos:
        return QStringLiteral("Pastas/Jogos");
    case TTipoArquivo::Exportacao:
        return QStringLiteral("Pastas/Exportacao");
    case TTipoArquivo::Pdf:
        break;
    }
    return QStringLiteral("Pastas/Pdf");
}

} // namespace

TDialogosReais::TDialogosReais(QSettings& Configuracao)
    : FConfiguracao(Configuracao) {}

QString TDialogosReais::PastaInicial(TTipoArquivo Tipo) const {
    const QString Ultima = FConfiguracao.value(ChaveDaPasta(Tipo)).toString();
    if (!Ultima.isEmpty() && QFileInfo(Ultima).isDir())
        return Ultima;
    const QString Documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(Documentos).isDir() ? Documentos : QDir::homePath();
}

QString TDialogosReais::ArquivoEscolhido(QFileDialog& Dialogo, const TPedidoArquivo& Pedido) {
    Dialogo.setDirectory(PastaInicial(Pedido.Tipo));
    Dialogo.setNameFilter(Pedido.Filtro);
    Dialogo.setDefaultSuffix(Pedido.ExtensaoPadrao);
    if (!Pedido.NomeProposto.isEmpty())
        Dialogo.selectFile(Pedido.NomeProposto);
    if (Dialogo.exec() != QDialog::Accepted || Dialogo.selectedFiles().isEmpty())
        return {};
    const QString Escolhido = Dialogo.selectedFiles().constFirst();
    FConfiguracao.setValue(ChaveDaPasta(Pedido.Tipo), QFileInfo(Escolhido).absolutePath());
    FConfiguracao.sync();
    return Escolhido;
}

void TDialogosReais::Mostra(QWidget* Pai, const TMensagem& Mensagem) {
    QMessageBox Caixa(Icone(Mensagem.Tipo), QApplication::applicationDisplayName(),
                      TextoParaMostrar(Mensagem.Texto), QMessageBox::Ok, Pai);
    // The text can be selected and copied: an address, a file name, a rejected game.
    Caixa.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Caixa.exec();
}

bool TDialogosReais::Pergunta(QWidget* Pai, const QString& Titulo, const QString& Texto, bool SimPorPadrao) {
    QMessageBox Caixa(QMessageBox::NoIcon, Titulo, TextoParaMostrar(Texto),
                      QMessageBox::Yes | QMessageBox::No, Pai);
    Caixa.setDefaultButton(SimPorPadrao ? QMessageBox::Yes : QMessageBox::No);
    return Caixa.exec() == QMessageBox::Yes;
}

QString TDialogosReais::ArquivoParaAbrir(QWidget* Pai, const TPedidoArquivo& Pedido) {
    QFileDialog Dialogo(Pai, Pedido.Titulo);
    Dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    Dialogo.setFileMode(QFileDialog::ExistingFile);
    return ArquivoEscolhido(Dialogo, Pedido);
}

QString TDialogosReais::ArquivoParaSalvar(QWidget* Pai, const TPedidoArquivo& Pedido) {
    QFileDialog Dialogo(Pai, Pedido.Titulo);
    Dialogo.setAcceptMode(QFileDialog::AcceptSave);
    Dialogo.setFileMode(QFileDialog::AnyFile);
    return ArquivoEscolhido(Dialogo, Pedido);
}

bool TDialogosReais::AbreEndereco(const QUrl& Endereco) {
    return QDesktopServices::openUrl(Endereco);
}
