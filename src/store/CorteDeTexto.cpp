#include "store/CorteDeTexto.h"

QStringView CortaTexto(QStringView Texto, qsizetype Maximo) {
    if (Texto.size() <= Maximo)
        return Texto;
    qsizetype Posicao = 0;
    for (qsizetype Caracteres = 0; Caracteres < Maximo && Posicao < Texto.size(); ++Caracteres) {
        const bool Par = Texto.at(Posicao).isHighSurrogate() && Posicao + 1 < Texto.size() &&
                         Texto.at(Posicao + 1).isLowSurrogate();
        Posicao += Par ? 2 : 1;
    }
    return Texto.first(Posicao);
}
