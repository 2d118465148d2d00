#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Decodes the bytes of a games file as the import tab reads a text file: a byte-order mark selects
// UTF-8, UTF-16 or UTF-32; without one the text is UTF-8 when it is valid UTF-8, and otherwise the
// single-byte code page the program's text files are written in (Windows-1252, Latin-1 where that is
// unknown).
QString DecodificaTextoDeJogos(const QByteArray& Bytes);

// Reads the whole games file, or standard input for "-". Without text, Erro says why.
std::optional<QString> LeTextoDeJogos(const QString& Caminho, QString& Erro);
