#pragma once

#include <QPixmap>
#include <QString>

// The pictures built into the window (src/assets/janela).
inline QPixmap FiguraDaAjuda() {
    return QPixmap(QStringLiteral(":/janela/ajuda.png"));
}
inline QPixmap FiguraDoPortal() {
    return QPixmap(QStringLiteral(":/janela/portal.png"));
}
inline QPixmap IconeDoPrograma() {
    return QPixmap(QStringLiteral(":/janela/icone.png"));
}

// The hint of every help picture.
inline QString DicaDaAjuda() {
    return QStringLiteral("Está com dúvidas ? Clique Aqui");
}
