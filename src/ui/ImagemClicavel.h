#pragma once

#include <QLabel>

// A picture that works as a link: a hint, the hand cursor while the mouse is over it, and Clicado
// on a left click. It carries the tag 2, the mark of the pictures that stay visible when the print
// setup hides its slip thumbnails.
class TImagemClicavel : public QLabel {
    Q_OBJECT

public:
    static constexpr int TagSempreVisivel = 2;

    TImagemClicavel(const QString& Nome, const QPixmap& Imagem, const QString& Dica,
                    QWidget* Parent = nullptr);

Q_SIGNALS:
    void Clicado();

protected:
    void mouseReleaseEvent(QMouseEvent* Evento) override;
};
