#pragma once

#include <QPixmap>
#include <QString>

// The pictures built into the window (src/assets/janela).
QPixmap FiguraDaAjuda();
QPixmap FiguraDoPortal();
QPixmap IconeDoPrograma();

// The hint of every help picture.
inline QString DicaDaAjuda() {
    return QStringLiteral("Está com dúvidas ? Clique Aqui");
}
