#include "ui/Figuras.h"

// The pictures live in this static library, whose resource file is linked in only when named.
static void RegistraFigurasDaJanela() {
    Q_INIT_RESOURCE(janela);
}

namespace {

QPixmap Figura(const QString& Nome) {
    static const bool Registradas = (RegistraFigurasDaJanela(), true);
    Q_UNUSED(Registradas);
    return QPixmap(QStringLiteral(":/janela/") + Nome);
}

} // namespace

QPixmap FiguraDaAjuda() {
    return Figura(QStringLiteral("ajuda.png"));
}

QPixmap FiguraDoPortal() {
    return Figura(QStringLiteral("portal.png"));
}

QPixmap IconeDoPrograma() {
    return Figura(QStringLiteral("icone.png"));
}
