#pragma once

#include <QString>

class QFile;
class QIODevice;

// A PDF printed from a viewer is shrunk to fit the paper unless the document says otherwise, and a
// shrunk slip puts every mark off its box. The document catalog's /ViewerPreferences << /PrintScaling
// /None >> tells viewers to print at actual size; Qt's PDF writer cannot set it.

// Copies the PDF written into Rascunho (a file still open for writing; it is flushed first) into Destino
// with that entry in its catalog; pages, their contents and the document information are copied as
// they are. Empty when done, otherwise why not, in words for the user (Destino is then of no use).
QString CopiaPdfEmTamanhoReal(QFile& Rascunho, QIODevice& Destino);
