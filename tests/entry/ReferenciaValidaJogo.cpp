#include "entry/ReferenciaValidaJogo.h"

#include "catalogue/ULib.h"
#include "entry/ValidaJogo.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// QString::toInt, except that a NUL character (where toInt stops reading) makes the text no number.
int LeInteiroOu(const QString& Texto, int Padrao) {
    if (Texto.contains(QChar(0)))
        return Padrao;
    bool Ok = false;
    const int Valor = Texto.toInt(&Ok);
    return Ok ? Valor : Padrao;
}

QString DuasCasas(const QString& Texto) {
    return PreencheTexto(Texto, 2, u"0", true);
}

} // namespace

void TReferenciaValidaJogo::ExtraiTrevos(QString& Linha) {
    const qsizetype Barra = Linha.indexOf(u'|');
    if (Barra < 0)
        return;
    QString Trevos = AparaTexto(Linha.mid(Barra + 1));
    Linha = AparaTexto(Linha.left(Barra));
    Trevos.remove(u"Trevos :"_s);
    Trevos = AparaTexto(Trevos);
    FVeredito.TrevosFromTXT.clear();
    for (const QString& Pedaco : DivideTexto(Trevos, u" "))
        FVeredito.TrevosFromTXT.push_back(LeInteiroOu(Pedaco, 0));
}

void TReferenciaValidaJogo::Rejeita(const QString& Linha, const QString& Motivo) {
    FVeredito.TextoJogoInvalido = u"Jogo : "_s + Linha + u'\r' + Motivo;
}

void TReferenciaValidaJogo::AvaliaJogo(const QString& Jogo, const TLimitesDoJogo& Limites) {
    FVeredito.JogoValidado = false;
    FVeredito.TextoJogoInvalido.clear();
    // Reset for every line, so that a line without pieces does not inherit the last line's bonus.
    FVeredito.NumeroBonus = -1;
    QString Aceitos;
    int Quantidade = 0;

    QString Linha = Jogo;
    ExtraiTrevos(Linha);
    Linha = TValidaJogo().PadronizaJogo(Linha);

    // Two digits hold no number outside 0..99, whatever the limits say.
    const int Menor = std::max(Limites.NumInicial, 0);
    const int Maior = std::min(Limites.NumFinal, 99);
    for (const QString& Bruto : DivideTexto(Linha, u" ")) {
        const QString Pedaco = AparaTexto(Bruto);
        if (Pedaco.isEmpty())
            continue;
        FVeredito.NumeroBonus = -1;
        if (Pedaco.startsWith(u':')) {
            QString Bonus = Pedaco;
            Bonus.remove(u':');
            const int Valor = LeInteiroOu(Bonus, -1);
            FVeredito.NumeroBonus =
                (Valor < Limites.NumBonusInicial || Valor > Limites.NumBonusFinal) ? -1 : Valor;
            break;
        }
        const int Valor = LeInteiroOu(Pedaco, -1);
        if (Valor < Menor || Valor > Maior) {
            Rejeita(Linha,
                    u" Número/Texto "_s + DuasCasas(Pedaco) + u" Fora da Faixa de Números da Modalidade"_s);
            return;
        }
        // The accepted number is kept as its value's two digits: '005' is 05 and '+5' is 05.
        const QString Dezena = DuasCasas(QString::number(Valor));
        if (Aceitos.contains(Dezena)) {
            Rejeita(Linha, u"O Número "_s + DuasCasas(Pedaco) + u" Está Repetido no Jogo"_s);
            return;
        }
        ++Quantidade;
        Aceitos += u' ' + Dezena;
    }

    if (Quantidade == Limites.QdeNumPorVolante) {
        FVeredito.JogoValidado = true;
        FVeredito.NumerosDoJogoValidado = AparaTexto(NumerosEmOrdem(Aceitos));
    } else {
        Rejeita(Linha, u"Jogo Não Possui "_s + QString::number(Limites.QdeNumPorVolante) +
                           u" Números por Volante"_s);
    }
}
