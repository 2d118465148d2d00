#pragma once

#include <QStringView>

// Walks the lines of a text as the import area shows them, without copying: a line ends at LF, at
// CR LF or at a lone CR; a line break at the very end starts no further line, and an empty text has
// no lines.
class TLinhasDoTexto {
public:
    explicit TLinhasDoTexto(QStringView Texto)
        : FTexto(Texto) {}

    // The next line, or false when there is none left.
    bool Proxima(QStringView& Linha);

    static qsizetype Conta(QStringView Texto);

private:
    QStringView FTexto;
    qsizetype FPosicao = 0;
};
