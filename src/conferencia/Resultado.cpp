#include "conferencia/Resultado.h"

#include "catalogue/TimesCoracao.h"
#include "catalogue/ULib.h"
#include "conferencia/RegrasConferencia.h"
#include "entry/ValidaJogo.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString DuasCasas(int Numero) {
    return u"%1"_s.arg(Numero, 2, 10, QChar(u'0'));
}

bool SoAlgarismos(QStringView Pedaco) {
    return !Pedaco.isEmpty() &&
           std::all_of(Pedaco.begin(), Pedaco.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A piece of the line check's text without the "0" it puts before a lone character: "x" was typed,
// not "0x".
QStringView ComoDigitado(QStringView Pedaco) {
    return Pedaco.size() == 2 && Pedaco.front() == u'0' && !Pedaco.back().isDigit() ? Pedaco.last(1) : Pedaco;
}

// Why the line check refused the numbers of a draw: the first fault from the left, as it finds them.
QString FalhaDasDezenas(const TRegrasConferencia& Regras, const QString& Padronizado) {
    TMascaraDezenas Vistas;
    int Qde = 0;
    for (QStringView Pedaco : QStringView(Padronizado).tokenize(u' ', Qt::SkipEmptyParts)) {
        if (!SoAlgarismos(Pedaco))
            return u"\"%1\" não é uma dezena: digite só números de %2 a %3, separados por espaço."_s.arg(
                ComoDigitado(Pedaco).toString(), DuasCasas(Regras.NumInicial), DuasCasas(Regras.NumFinal));
        bool Ok = false;
        const int Numero = Pedaco.toInt(&Ok);
        if (!Ok || Numero < Regras.NumInicial || Numero > Regras.NumFinal)
            return u"A dezena %1 está fora da faixa da %2, de %3 a %4."_s.arg(
                Pedaco.toString(), Regras.NomeModalidade, DuasCasas(Regras.NumInicial),
                DuasCasas(Regras.NumFinal));
        if (Vistas.Contem(Numero))
            return u"A dezena %1 está repetida."_s.arg(DuasCasas(Numero));
        Vistas.Insere(Numero);
        ++Qde;
    }
    return u"São sorteadas %1 dezenas na %2, e foram digitadas %3: %4."_s.arg(
        QString::number(Regras.QdeSorteados), Regras.NomeModalidade, QString::number(Qde), Padronizado);
}

// The numbers of one draw; Sorteio is 1 or 2 for Dupla Sena's draws, 0 for the games of one draw.
std::variant<TMascaraDezenas, QString> LeDezenas(const TRegrasConferencia& Regras, QStringView Texto,
                                                 int Sorteio) {
    const QString Qual = Sorteio == 0 ? QString() : u"%1º sorteio: "_s.arg(Sorteio);
    // A bonus piece or a clover part would be taken as a game's extras and the numbers after them lost.
    if (Texto.contains(u':') || Texto.contains(u'|'))
        return Qual + u"digite só as dezenas sorteadas, sem \":\" nem \"|\": o mês, o time e os trevos "
                      u"têm campo próprio."_s;
    TValidaJogo Validador;
    Validador.AvaliaJogo(Texto, Regras.QdeSorteados, Regras.NumInicial, Regras.NumFinal, -1, -1);
    if (Validador.JogoValidado()) {
        TMascaraDezenas Dezenas;
        for (QStringView Pedaco : QStringView(Validador.NumerosDoJogoValidado()).tokenize(u' '))
            Dezenas.Insere(Pedaco.toInt());
        return Dezenas;
    }
    const QString Padronizado = Validador.PadronizaJogo(Texto);
    if (Padronizado.isEmpty())
        return Qual + u"digite as %1 dezenas sorteadas da %2."_s.arg(QString::number(Regras.QdeSorteados),
                                                                     Regras.NomeModalidade);
    const QString Falha = FalhaDasDezenas(Regras, Padronizado);
    return Qual.isEmpty() ? Falha : Qual + Falha.front().toLower() + Falha.mid(1);
}

QString Maiuscula(const QString& Texto) {
    return Texto.isEmpty() ? Texto : Texto.front().toUpper() + Texto.mid(1);
}

// An extra the game has (Tem) must be given within Primeiro..Ultimo; one it lacks must not be given.
QString ConfereExtra(bool Tem, std::optional<int> Valor, int Primeiro, int Ultimo, const QString& Nome,
                     const QString& DeQue, const QString& OndeExiste, const TRegrasConferencia& Regras) {
    if (!Tem)
        return Valor
                   ? u"O %1 só existe %2 (a modalidade é %3)."_s.arg(Nome, OndeExiste, Regras.NomeModalidade)
                   : QString();
    if (!Valor)
        return u"Informe o %1 sorteado, de %2 a %3."_s.arg(Nome, QString::number(Primeiro),
                                                           QString::number(Ultimo));
    if (*Valor < Primeiro || *Valor > Ultimo)
        return u"O %1 vai de %2 a %3: %4 não é %5."_s.arg(
            Nome, QString::number(Primeiro), QString::number(Ultimo), QString::number(*Valor), DeQue);
    return {};
}

// Each clover once and within 1 to 6; empty when so.
QString ConfereFaixaDosTrevos(const QList<int>& Trevos, const QString& Repetido) {
    QList<int> Vistos;
    for (int Trevo : Trevos) {
        if (Trevo < PrimeiroTrevo || Trevo > UltimoTrevo)
            return u"O trevo %1 não existe: os trevos vão de %2 a %3."_s.arg(
                QString::number(Trevo), QString::number(PrimeiroTrevo), QString::number(UltimoTrevo));
        if (Vistos.contains(Trevo))
            return u"O trevo %1 foi informado duas vezes: %2."_s.arg(QString::number(Trevo), Repetido);
        Vistos.append(Trevo);
    }
    return {};
}

QString ConfereTrevosSorteados(const TRegrasConferencia& Regras, const std::optional<QList<int>>& Trevos) {
    if (!Regras.TemTrevos())
        return Trevos
                   ? u"Trevos só existem na Mais Milionária (a modalidade é %1)."_s.arg(Regras.NomeModalidade)
                   : QString();
    if (!Trevos || Trevos->isEmpty())
        return u"Informe os %1 trevos sorteados, de %2 a %3."_s.arg(QString::number(QdeTrevosSorteados),
                                                                    QString::number(PrimeiroTrevo),
                                                                    QString::number(UltimoTrevo));
    if (const QString Falha = ConfereFaixaDosTrevos(*Trevos, u"os 2 trevos sorteados são diferentes"_s);
        !Falha.isEmpty())
        return Falha;
    if (Trevos->size() != QdeTrevosSorteados)
        return u"São sorteados %1 trevos, e foram informados %2."_s.arg(QString::number(QdeTrevosSorteados),
                                                                        QString::number(Trevos->size()));
    return {};
}

} // namespace

std::variant<TResultado, QString> LeResultado(const TRegrasConferencia& Regras,
                                              const TEntradaResultado& Entrada) {
    TResultado Resultado;
    const QString* const Textos[] = {&Entrada.Dezenas, &Entrada.Dezenas2};
    for (int Sorteio = 0; Sorteio < 2; ++Sorteio) {
        if (Sorteio >= Regras.QdeSorteios) {
            if (!Apara(*Textos[Sorteio]).isEmpty())
                return u"Só a Dupla-Sena tem 2º sorteio (a modalidade é %1)."_s.arg(Regras.NomeModalidade);
            continue;
        }
        auto Dezenas = LeDezenas(Regras, *Textos[Sorteio], Regras.QdeSorteios == 1 ? 0 : Sorteio + 1);
        if (auto* Falha = std::get_if<QString>(&Dezenas))
            return Maiuscula(*Falha);
        Resultado.Sorteios[std::size_t(Sorteio)] = std::get<TMascaraDezenas>(Dezenas);
    }
    for (const QString& Falha : {ConfereExtra(Regras.TemMes(), Entrada.Mes, PrimeiroMes, UltimoMes,
                                              u"Mês de Sorte"_s, u"um mês"_s, u"no Dia de Sorte"_s, Regras),
                                 ConfereExtra(Regras.TemTime(), Entrada.Time, 1, QdeTimesCoracao,
                                              u"Time do Coração"_s, u"um time"_s, u"na Timemania"_s, Regras),
                                 ConfereTrevosSorteados(Regras, Entrada.Trevos)}) {
        if (!Falha.isEmpty())
            return Falha;
    }
    Resultado.Mes = Entrada.Mes.value_or(0);
    Resultado.Time = Entrada.Time.value_or(0);
    Resultado.Trevos = Entrada.Trevos ? MascaraDeTrevos(*Entrada.Trevos) : 0;
    return Resultado;
}

std::variant<QList<int>, QString> LeListaDeTrevos(QStringView Texto) {
    static const QRegularExpression Separadores(u"[,;\\s]+"_s);
    QList<int> Trevos;
    for (const QString& Pedaco : Texto.toString().split(Separadores, Qt::SkipEmptyParts)) {
        bool Ok = false;
        const int Trevo = Pedaco.toInt(&Ok);
        if (!Ok)
            return u"\"%1\" não é um trevo: escreva os trevos como números de %2 a %3, por exemplo 2,5."_s
                .arg(Pedaco, QString::number(PrimeiroTrevo), QString::number(UltimoTrevo));
        Trevos.append(Trevo);
    }
    return Trevos;
}

QString ConfereTrevosApostados(const QList<int>& Trevos) {
    if (const QString Falha = ConfereFaixaDosTrevos(Trevos, u"cada trevo apostado conta uma vez"_s);
        !Falha.isEmpty())
        return Falha;
    if (Trevos.size() < QdeTrevosPorAposta)
        return u"Uma aposta tem pelo menos %1 trevos: informe de %1 a %2 trevos apostados."_s.arg(
            QString::number(QdeTrevosPorAposta), QString::number(UltimoTrevo - PrimeiroTrevo + 1));
    return {};
}

std::uint8_t MascaraDeTrevos(const QList<int>& Trevos) {
    std::uint8_t Mascara = 0;
    for (int Trevo : Trevos) {
        if (Trevo >= PrimeiroTrevo && Trevo <= UltimoTrevo)
            Mascara |= std::uint8_t(1u << Trevo);
    }
    return Mascara;
}
