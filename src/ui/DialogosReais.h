#pragma once

#include "ui/Dialogos.h"

class QFileDialog;
class QSettings;

// The real boxes and dialogs of the desktop. Each file dialog starts in the folder last used for its
// kind of file, remembered in the user's configuration (Configuracao), and, when it proposes one, with
// the proposed file name filled in.
class TDialogosReais : public TDialogos {
public:
    explicit TDialogosReais(QSettings& Configuracao);

    void Mostra(QWidget* Pai, const TMensagem& Mensagem) override;
    bool Pergunta(QWidget* Pai, const QString& Titulo, const QString& Texto, bool SimPorPadrao) override;
    QString ArquivoParaAbrir(QWidget* Pai, const TPedidoArquivo& Pedido) override;
    QString ArquivoParaSalvar(QWidget* Pai, const TPedidoArquivo& Pedido) override;
    bool AbreEndereco(const QUrl& Endereco) override;

    // The folder a dialog for that kind of file starts in: the last one used while it still exists,
    // else the user's documents folder.
    QString PastaInicial(TTipoArquivo Tipo) const;

private:
    QString ArquivoEscolhido(QFileDialog& Dialogo, const TPedidoArquivo& Pedido);

    QSettings& FConfiguracao;
};
