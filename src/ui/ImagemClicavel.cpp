#include "ui/ImagemClicavel.h"

#include <QMouseEvent>

TImagemClicavel::TImagemClicavel(const QString& Nome, const QPixmap& Imagem, const QString& Dica,
                                 QWidget* Parent)
    : QLabel(Parent) {
    setObjectName(Nome);
    setPixmap(Imagem);
    setToolTip(Dica);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(Imagem.deviceIndependentSize().toSize());
    setProperty("Tag", TagSempreVisivel);
}

void TImagemClicavel::mouseReleaseEvent(QMouseEvent* Evento) {
    if (Evento->button() == Qt::LeftButton && rect().contains(Evento->position().toPoint()))
        Q_EMIT Clicado();
    QLabel::mouseReleaseEvent(Evento);
}
