#include "referencia/ReferenciaValidaJogo.h"

#include "catalogue/ULib.h"
#include "entry/ValidaJogo.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Trim as game lines are trimmed: every character up to the space goes, but NUL stays in its piece.
QString AparaJogo(const QString& Texto) {
    return AparaOnde(Texto, [](QChar c) { return c.unicode() != 0 && c.unicode() <= u' '; }).toString();
}

// QString::toInt, except that a NUL character (where toInt stops reading) makes the text no number.
int LeInteiroOu(const QString& Texto, int Padrao) {
    if (Texto.contains(QChar(0)))
        return Padrao;
    bool Ok = false;
    const int Valor = Texto.toInt(&Ok);
    return Ok ? Valor : Padrao;
}

QString DuasCasas(const QString& Texto) {
    QString Preenchido = AparaJogo(Texto);
    while (Preenchido.size() < 2)
        Preenchido.prepend(u'0');
    return Preenchido;
}

} // namespace

QString TReferenciaValidaJogo::PadronizaJogo(const QString& Jogo) {
    QString Texto = AparaJogo(Jogo);
    for (QChar Separador : {u',', u'/', u'-', u'\t', u'\r'})
        Texto.replace(Separador, u' ');
    Texto = AparaJogo(Texto);
    QString Padronizado;
    for (const QString& Pedaco : DivideTexto(Texto, u" ")) {
        if (!AparaJogo(Pedaco).isEmpty())
            Padronizado += u' ' + DuasCasas(Pedaco);
    }
    return AparaJogo(Padronizado);
}

void TReferenciaValidaJogo::ExtraiTrevos(QString& Linha) {
    const qsizetype Barra = Linha.indexOf(u'|');
    if (Barra < 0)
        return;
    QString Trevos = AparaJogo(Linha.mid(Barra + 1));
    Linha = AparaJogo(Linha.left(Barra));
    Trevos.remove(u"Trevos :"_s);
    Trevos = AparaJogo(Trevos);
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
    Linha = PadronizaJogo(Linha);

    // Two digits hold no number outside 0..99, whatever the limits say.
    const int Menor = std::max(Limites.NumInicial, 0);
    const int Maior = std::min(Limites.NumFinal, 99);
    for (const QString& Bruto : DivideTexto(Linha, u" ")) {
        const QString Pedaco = AparaJogo(Bruto);
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
        FVeredito.NumerosDoJogoValidado = AparaJogo(NumerosEmOrdem(Aceitos));
    } else {
        Rejeita(Linha, u"Jogo Não Possui "_s + QString::number(Limites.QdeNumPorVolante) +
                           u" Números por Volante"_s);
    }
}

void Avalia(TValidaJogo& Validador, const QString& Linha, const TLimitesDoJogo& Limites) {
    Validador.AvaliaJogo(Linha, Limites.QdeNumPorVolante, Limites.NumInicial, Limites.NumFinal,
                         Limites.NumBonusInicial, Limites.NumBonusFinal);
}

TVeredito VereditoDe(const TValidaJogo& Validador) {
    const QList<int> Trevos = Validador.TrevosFromTXT();
    return {Validador.JogoValidado(), Validador.NumerosDoJogoValidado(), Validador.TextoJogoInvalido(),
            Validador.NumeroBonus(), std::vector<int>(Trevos.begin(), Trevos.end())};
}
