#pragma once

#include "ui/Dialogos.h"

// The real boxes and dialogs of the desktop.
class TDialogosReais : public TDialogos {
public:
    void Mostra(QWidget* Pai, const TMensagem& Mensagem) override;
    bool Pergunta(QWidget* Pai, const QString& Titulo, const QString& Texto, bool SimPorPadrao) override;
    QString ArquivoParaAbrir(QWidget* Pai, const QString& Titulo, const QString& Filtro) override;
    QString ArquivoParaSalvar(QWidget* Pai, const QString& Titulo, const QString& ExtensaoPadrao) override;
    void AbreEndereco(const QUrl& Endereco) override;
};
