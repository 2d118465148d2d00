#include "ui/GeometriaJanela.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// The title bar and borders the window manager adds, as on the window shown beside it; before any
// window is shown, those of a common desktop.
QMargins Moldura(const QWidget* Referencia) {
    if (Referencia && Referencia->isVisible()) {
        const QRect Quadro = Referencia->frameGeometry();
        const QRect Interior = Referencia->geometry();
        const QMargins Medida(Interior.left() - Quadro.left(), Interior.top() - Quadro.top(),
                              Quadro.right() - Interior.right(), Quadro.bottom() - Interior.bottom());
        if (Medida.top() > 0)
            return Medida;
    }
    return {8, 31, 8, 8};
}

} // namespace

void AjustaAoEspacoDisponivel(QWidget& Janela, const QWidget* Referencia, const QSize& Preferido) {
    const QWidget* Base = Referencia ? Referencia->window() : nullptr;
    const QScreen* Tela = Base ? Base->screen() : Janela.screen();
    if (!Tela)
        Tela = QGuiApplication::primaryScreen();
    if (!Tela)
        return;
    const QRect Area = Tela->availableGeometry();
    const QMargins Borda = Moldura(Base);
    const QSize Extra(Borda.left() + Borda.right(), Borda.top() + Borda.bottom());
    Janela.resize(Preferido.boundedTo(Area.size() - Extra).expandedTo(Janela.minimumSizeHint()));

    QRect Quadro(QPoint(0, 0), Janela.size() + Extra);
    Quadro.moveCenter(Base && Base->isVisible() ? Base->frameGeometry().center() : Area.center());
    // Whole on the screen: pushed back from the right and bottom edges, then from the left and top.
    Quadro.moveLeft(std::max(Area.left(), std::min(Quadro.left(), Area.right() + 1 - Quadro.width())));
    Quadro.moveTop(std::max(Area.top(), std::min(Quadro.top(), Area.bottom() + 1 - Quadro.height())));
    Janela.move(Quadro.topLeft());
}
