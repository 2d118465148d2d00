#include "ui/Mascara.h"

QString AplicaMascara(QStringView Texto, QStringView Mascara) {
    QString Visivel;
    Visivel.reserve(Mascara.size());
    for (qsizetype Posicao = 0; Posicao < Mascara.size(); ++Posicao) {
        if (Mascara[Posicao] != u'9') {
            Visivel.append(Mascara[Posicao]);
            continue;
        }
        const bool Digito = Posicao < Texto.size() && Texto[Posicao].isDigit();
        Visivel.append(Digito ? Texto[Posicao] : QChar(u'_'));
    }
    return Visivel;
}
