#include "ui/DialogosReais.h"

#include "store/CorteDeTexto.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

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

QString ArquivoEscolhido(QFileDialog& Dialogo) {
    if (Dialogo.exec() != QDialog::Accepted || Dialogo.selectedFiles().isEmpty())
        return {};
    return Dialogo.selectedFiles().constFirst();
}

} // namespace

void TDialogosReais::Mostra(QWidget* Pai, const TMensagem& Mensagem) {
    QMessageBox Caixa(Icone(Mensagem.Tipo), QApplication::applicationDisplayName(),
                      TextoParaMostrar(Mensagem.Texto), QMessageBox::Ok, Pai);
    Caixa.exec();
}

bool TDialogosReais::Pergunta(QWidget* Pai, const QString& Titulo, const QString& Texto, bool SimPorPadrao) {
    QMessageBox Caixa(QMessageBox::NoIcon, Titulo, TextoParaMostrar(Texto),
                      QMessageBox::Yes | QMessageBox::No, Pai);
    Caixa.setDefaultButton(SimPorPadrao ? QMessageBox::Yes : QMessageBox::No);
    return Caixa.exec() == QMessageBox::Yes;
}

QString TDialogosReais::ArquivoParaAbrir(QWidget* Pai, const QString& Titulo, const QString& Filtro) {
    QFileDialog Dialogo(Pai, Titulo);
    Dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    Dialogo.setFileMode(QFileDialog::ExistingFile);
    Dialogo.setNameFilter(Filtro);
    return ArquivoEscolhido(Dialogo);
}

QString TDialogosReais::ArquivoParaSalvar(QWidget* Pai, const QString& Titulo,
                                          const QString& ExtensaoPadrao) {
    QFileDialog Dialogo(Pai, Titulo);
    Dialogo.setAcceptMode(QFileDialog::AcceptSave);
    Dialogo.setFileMode(QFileDialog::AnyFile);
    Dialogo.setDefaultSuffix(ExtensaoPadrao);
    return ArquivoEscolhido(Dialogo);
}

void TDialogosReais::AbreEndereco(const QUrl& Endereco) {
    QDesktopServices::openUrl(Endereco);
}
