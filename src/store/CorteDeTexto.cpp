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

namespace {

constexpr qsizetype MaximoPorLinha = 400;

} // namespace

QString TextoParaMostrar(const QString& Texto) {
    QString Mostrado;
    qsizetype Inicio = 0;
    while (Inicio <= Texto.size()) {
        qsizetype Fim = Inicio;
        while (Fim < Texto.size() && Texto.at(Fim) != u'\r' && Texto.at(Fim) != u'\n')
            ++Fim;
        const QStringView Linha = QStringView(Texto).sliced(Inicio, Fim - Inicio);
        const QStringView Cortada = CortaTexto(Linha, MaximoPorLinha);
        for (QChar Caractere : Cortada) {
            if (Caractere == QChar(0))
                Mostrado += QStringLiteral("\\0");
            else
                Mostrado += Caractere;
        }
        if (Cortada.size() < Linha.size())
            Mostrado += QStringLiteral(" …");
        if (Fim == Texto.size())
            break;
        Mostrado += u'\n';
        Inicio =
            Fim + (Texto.at(Fim) == u'\r' && Fim + 1 < Texto.size() && Texto.at(Fim + 1) == u'\n' ? 2 : 1);
    }
    return Mostrado;
}
