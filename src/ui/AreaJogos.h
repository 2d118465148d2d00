#pragma once

#include <QPlainTextEdit>

// The import page's text area. A paste (the keyboard, the menu, a drop or the page's button) that would
// leave it holding more than the import takes is refused whole, before the text goes in: a text area of
// hundreds of megabytes would take the window's memory and minutes to lay out, only to be refused by the
// import later.
class TAreaJogos : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TAreaJogos(QWidget* Parent = nullptr);

    // Puts Texto at the caret, over the selection, unless it is refused.
    void Cola(const QString& Texto);

Q_SIGNALS:
    // Nothing was pasted; Mensagem says why, for a warning box.
    void ColagemRecusada(const QString& Mensagem);

protected:
    void insertFromMimeData(const QMimeData* Origem) override;

private:
    // False, with the refusal told, when Colado characters over the selection break the limit.
    bool Cabe(qsizetype Colado);
};
