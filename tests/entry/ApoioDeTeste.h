#pragma once

#include "referencia/ReferenciaValidaJogo.h"

#include <QList>
#include <QString>

#include <ostream>
#include <vector>

// Integer lists are compared as vectors: Qt 6.4 compares two empty QList<int> with memcmp on a null
// pointer, which the undefined behaviour sanitizer stops.
inline std::vector<int> ComoVetor(const QList<int>& Lista) {
    return {Lista.begin(), Lista.end()};
}

// Readable failure output: texts as UTF-8 with control characters escaped, verdicts field by field.
inline void PrintTo(const QString& Texto, std::ostream* Saida) {
    *Saida << '"';
    for (QChar c : Texto) {
        if (c.unicode() < u' ')
            *Saida << "\\x" << std::hex << int(c.unicode()) << std::dec;
        else
            *Saida << QString(c).toStdString();
    }
    *Saida << '"';
}

inline void PrintTo(const TVeredito& Veredito, std::ostream* Saida) {
    *Saida << "{validado " << Veredito.JogoValidado << ", numeros ";
    PrintTo(Veredito.NumerosDoJogoValidado, Saida);
    *Saida << ", mensagem ";
    PrintTo(Veredito.TextoJogoInvalido, Saida);
    *Saida << ", bonus " << Veredito.NumeroBonus << ", trevos";
    for (int Trevo : Veredito.TrevosFromTXT)
        *Saida << ' ' << Trevo;
    *Saida << '}';
}
