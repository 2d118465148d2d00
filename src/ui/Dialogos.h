#pragma once

#include "catalogue/Mensagem.h"

#include <QString>
#include <QUrl>

class QWidget;

// Everything the main window asks of the desktop outside itself: message boxes, questions, file
// dialogs and the web browser. The window receives one of these in its constructor, so a test can
// answer every question in advance and no modal dialog ever waits for a person.
class TDialogos {
public:
    virtual ~TDialogos() = default;

    // A box with an OK button; the message's kind chooses the icon (none for plain information).
    virtual void Mostra(QWidget* Pai, const TMensagem& Mensagem) = 0;
    // A Yes/No question without an icon; true when the answer is Yes.
    virtual bool Pergunta(QWidget* Pai, const QString& Titulo, const QString& Texto, bool SimPorPadrao) = 0;
    // The file chosen in an open dialog; empty when the user cancels. Filtro is a Qt name filter.
    virtual QString ArquivoParaAbrir(QWidget* Pai, const QString& Titulo, const QString& Filtro) = 0;
    // The file chosen in a save dialog that adds ExtensaoPadrao to a bare name; empty when cancelled.
    virtual QString ArquivoParaSalvar(QWidget* Pai, const QString& Titulo, const QString& ExtensaoPadrao) = 0;
    // Opens the address in the user's default web browser.
    virtual void AbreEndereco(const QUrl& Endereco) = 0;
};
