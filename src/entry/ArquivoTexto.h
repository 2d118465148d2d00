#pragma once

#include "entry/Limites.h"

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
// file (a device, a named pipe: refused at once, never waited on), a file longer than
// TamanhoMaximoArquivoTexto, or a file that cannot be opened or read gives no text and the reason.
TArquivoTexto LeArquivoTexto(const QString& Caminho);
// The same for a path given as the system's bytes (a name that is not valid UTF-8 stays the file it
// names); Caminho is how messages show it.
TArquivoTexto LeArquivoTextoNativo(const QByteArray& CaminhoNativo, const QString& Caminho);
// Standard input as text, up to TamanhoMaximoArquivoTexto.
TArquivoTexto LeEntradaPadrao();

// Bytes to text, for every text file the program reads: a byte-order mark selects UTF-8, UTF-16 LE
// or UTF-16 BE; without one the bytes are UTF-8 when they are valid UTF-8, otherwise Windows-1252.
// UTF-32 is not recognised (FF FE 00 00 is UTF-16 LE starting with U+0000). Never fails: bytes that
// do not decode become U+FFFD (a lone surrogate, the odd last byte of UTF-16). Every byte-order mark
// is dropped, the leading one and any inside the text (a doubled mark, two files joined).
QString DecodificaTexto(QByteArrayView Bytes);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no cut sequence at the end.
bool EhUtf8Valido(QByteArrayView Bytes);
// Windows-1252 both ways, every byte read back as it was (the five codes the page leaves unused stand
// for themselves); any other character the code page lacks is written as "?".
QString DeWindows1252(QByteArrayView Bytes);
QByteArray CodificaWindows1252(QStringView Texto);

// Pasted text split into lines the way the area shows them: every line feed not preceded by a
// carriage return becomes CR LF; existing CR LF pairs stay as they are.
QString NormalizaQuebrasDeLinha(QStringView Texto);
