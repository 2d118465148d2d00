#pragma once

#include <QList>
#include <QString>

// The core never shows a window: an operation that has something to tell the user returns it as
// messages, in the order they arose, and the window shows them one by one in boxes of this kind.
enum class TTipoMensagem {
    Informacao, // plain box, OK
    Aviso,      // warning box, OK
    Erro,       // error box, OK
};

struct TMensagem {
    TTipoMensagem Tipo = TTipoMensagem::Informacao;
    QString Texto;

    friend bool operator==(const TMensagem&, const TMensagem&) = default;
};

using TMensagens = QList<TMensagem>;
