#include "ui/TextoDaCaixa.h"

#include <QStringList>

namespace {

constexpr qsizetype MaximoPorLinha = 400;

} // namespace

QString TextoDaCaixa(const QString& Texto) {
    QString Convertido = Texto;
    Convertido.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Convertido.replace(u'\r', u'\n');
    QStringList Linhas = Convertido.split(u'\n');
    for (QString& Linha : Linhas) {
        if (Linha.size() > MaximoPorLinha)
            Linha = Linha.left(MaximoPorLinha) + QStringLiteral(" …");
    }
    return Linhas.join(u'\n');
}
