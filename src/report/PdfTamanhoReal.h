#pragma once

#include <QSizeF>
#include <QString>

#include <optional>

class QFile;
class QIODevice;

// A PDF printed from a viewer is shrunk to fit the paper unless the document says otherwise, and a
// shrunk slip puts every mark off its box. The document catalog's /ViewerPreferences << /PrintScaling
// /None >> tells viewers to print at actual size; Qt's PDF writer cannot set it.

// Qt's writer also gives each page a box of whole points, and draws with the top-left corner of the paper
// at the top edge of that box: a paper that is not a whole number of points wide and high (the 210 x 150
// mm slip) is cut a fraction of a millimetre short on the right and at the bottom.

// Copies the PDF written into Rascunho (a file still open for writing; it is flushed first) into Destino
// with that entry in its catalog; pages, their contents and the document information are copied as
// they are. With PaginaEmPontos, every page box (media box, and crop box where there is one) gets that
// exact size, its left and top edges kept where Qt put them, so that every mark stays where it is
// measured from the paper's top-left corner. Empty when done, otherwise why not, in words for the user
// (Destino is then of no use).
QString CopiaPdfEmTamanhoReal(QFile& Rascunho, QIODevice& Destino,
                              std::optional<QSizeF> PaginaEmPontos = std::nullopt);
