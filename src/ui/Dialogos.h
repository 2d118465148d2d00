#pragma once

#include "catalogue/Mensagem.h"

#include <QString>
#include <QUrl>

class QWidget;

// The kinds of file the program asks for; each file dialog starts in the folder last used for its kind.
enum class TTipoArquivo {
    Jogos,      // games to import
    Exportacao, // games exported as text
    Pdf,        // the preview's PDF export
};

// What a file dialog shows: its title, the Qt name filters (";;" between them, the first one chosen),
// the extension a bare name gets, and in a save dialog the proposed file name.
struct TPedidoArquivo {
    TTipoArquivo Tipo = TTipoArquivo::Jogos;
    QString Titulo;
    QString Filtro;
    QString ExtensaoPadrao;
    QString NomeProposto;
};

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
    // The file chosen in an open dialog; empty when the user cancels.
    virtual QString ArquivoParaAbrir(QWidget* Pai, const TPedidoArquivo& Pedido) = 0;
    // The file chosen in a save dialog; empty when the user cancels.
    virtual QString ArquivoParaSalvar(QWidget* Pai, const TPedidoArquivo& Pedido) = 0;
    // Opens the address in the user's default web browser; false when the desktop could not.
    virtual bool AbreEndereco(const QUrl& Endereco) = 0;
};

// Opens the address in the user's browser; when the desktop cannot (no browser set up), says so in a
// box that shows the address, for the person to copy into a browser.
void AbreNoNavegador(TDialogos& Dialogos, QWidget* Pai, const QUrl& Endereco);
