#pragma once

#include <QLabel>
#include <QPoint>

// A caption panel that the user drags with the mouse inside its parent: it follows the pointer while
// the left button is held and never leaves the parent's area.
class TPainelArrastavel : public QLabel {
    Q_OBJECT

public:
    TPainelArrastavel(const QString& Nome, QWidget* Parent);

protected:
    void mousePressEvent(QMouseEvent* Evento) override;
    void mouseMoveEvent(QMouseEvent* Evento) override;

private:
    QPoint FPontoPego;
};
