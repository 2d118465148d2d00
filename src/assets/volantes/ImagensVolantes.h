#pragma once

#include <QString>

// Where the slip pictures built into the program live. A report template finds the picture of its
// slip model in PastaImagensVolantes() under its class name with ".jpg"; the main window finds the
// thumbnail of a slip model under the model's thumbnail name (ImagemMiniatura).

// The folder of the slip pictures: ":/volantes".
QString PastaImagensVolantes();
// The thumbnail's file inside that folder: "miniaturas/<ImagemMiniatura>.jpg".
QString ArquivoMiniaturaVolante(const QString& ImagemMiniatura);
// The thumbnail's full resource path.
QString CaminhoMiniaturaVolante(const QString& ImagemMiniatura);
