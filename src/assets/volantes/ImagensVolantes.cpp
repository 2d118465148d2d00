#include "assets/volantes/ImagensVolantes.h"

QString PastaImagensVolantes() {
    return QStringLiteral(":/volantes");
}

QString ArquivoMiniaturaVolante(const QString& ImagemMiniatura) {
    return QStringLiteral("miniaturas/") + ImagemMiniatura + QStringLiteral(".jpg");
}

QString CaminhoMiniaturaVolante(const QString& ImagemMiniatura) {
    return PastaImagensVolantes() + QLatin1Char('/') + ArquivoMiniaturaVolante(ImagemMiniatura);
}
