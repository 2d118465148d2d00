#include "ui/PainelArrastavel.h"

#include <QMouseEvent>

#include <algorithm>

TPainelArrastavel::TPainelArrastavel(const QString& Nome, QWidget* Parent)
    : QLabel(Parent) {
    setObjectName(Nome);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::SizeAllCursor);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
}

void TPainelArrastavel::mousePressEvent(QMouseEvent* Evento) {
    if (Evento->button() == Qt::LeftButton) {
        FPontoPego = Evento->position().toPoint();
        raise();
    }
    QLabel::mousePressEvent(Evento);
}

void TPainelArrastavel::mouseMoveEvent(QMouseEvent* Evento) {
    if (!(Evento->buttons() & Qt::LeftButton) || !parentWidget()) {
        QLabel::mouseMoveEvent(Evento);
        return;
    }
    const QPoint Destino = mapToParent(Evento->position().toPoint() - FPontoPego);
    const QSize Area = parentWidget()->size();
    move(std::clamp(Destino.x(), 0, std::max(0, Area.width() - width())),
         std::clamp(Destino.y(), 0, std::max(0, Area.height() - height())));
}
