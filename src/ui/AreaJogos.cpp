#include "ui/AreaJogos.h"

#include "entry/Limites.h"

#include <QMimeData>
#include <QTextCursor>

TAreaJogos::TAreaJogos(QWidget* Parent)
    : QPlainTextEdit(Parent) {}

void TAreaJogos::Cola(const QString& Texto) {
    if (Cabe(Texto.size()))
        insertPlainText(Texto);
}

void TAreaJogos::insertFromMimeData(const QMimeData* Origem) {
    if (Origem->hasText() && !Cabe(Origem->text().size()))
        return;
    QPlainTextEdit::insertFromMimeData(Origem);
}

bool TAreaJogos::Cabe(qsizetype Colado) {
    const QTextCursor Cursor = textCursor();
    // The document counts one paragraph mark more than its text holds.
    const qsizetype Atual = document()->characterCount() - 1;
    const qsizetype Depois = Atual - (Cursor.selectionEnd() - Cursor.selectionStart()) + Colado;
    if (const std::optional<QString> Recusa = RecusaDaColagem(Depois)) {
        Q_EMIT ColagemRecusada(*Recusa);
        return false;
    }
    return true;
}
