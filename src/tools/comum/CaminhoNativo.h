#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Command-line arguments are bytes; a file name need not be valid UTF-8 (an old Latin-1 name). Qt
// would turn such bytes into U+FFFD and then open or write a file of another name. An argument is
// read here with every byte that is not part of valid UTF-8 kept as a lone surrogate U+DC80..U+DCFF
// (as Python's "surrogateescape" does), so the path's bytes can be had back exactly.
QString DeArgumento(QByteArrayView Bytes);
// The bytes of a path read by DeArgumento, as the system knows the file.
QByteArray CaminhoNativo(const QString& Caminho);
// Whether Qt's own file functions can be given the path as it is (it holds no kept byte).
bool CaminhoRepresentavel(const QString& Caminho);
// The path as messages show it: a kept byte becomes U+FFFD.
QString CaminhoParaMostrar(const QString& Caminho);
