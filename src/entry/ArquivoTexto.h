#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// A text file as the import area receives it, or why it could not be read.
struct TArquivoTexto {
    bool Lido = false;
    QString Texto;
    QString Erro; // in Portuguese, for a warning box; empty when the file was read
};

// Reads a whole file as text (see DecodificaTexto). A missing file, a folder, anything but a regular
// file, or a file that cannot be opened or read gives no text and the reason.
TArquivoTexto LeArquivoTexto(const QString& Caminho);

// Bytes to text: a byte-order mark selects UTF-8, UTF-16 LE or UTF-16 BE (and is dropped); without
// one the bytes are UTF-8 when they are valid UTF-8, otherwise Windows-1252. Never fails: bytes that
// do not decode become U+FFFD.
QString DecodificaTexto(QByteArrayView Bytes);

// Pasted text split into lines the way the area shows them: every line feed not preceded by a
// carriage return becomes CR LF; existing CR LF pairs stay as they are.
QString NormalizaQuebrasDeLinha(QStringView Texto);
