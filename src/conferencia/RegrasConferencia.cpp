#include "conferencia/RegrasConferencia.h"

#include "catalogue/TimesCoracao.h"
#include "catalogue/ULib.h"

#include <QStringList>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// One game's draw and tiers, as the lottery publishes them.
struct TTabelaDoJogo {
    TTipoModalidade Tipo;
    int QdeSorteados;
    int QdeSorteios;
    int QdeAposta;
    QList<TFaixaPremio> Faixas;
};

TFaixaPremio Numeros(const QString& Nome, int Acertos, QList<int> Trevos = {}) {
    return {Nome, TTipoFaixa::Numeros, Acertos, 0, std::move(Trevos)};
}

// "15 acertos", "14 acertos", ... down to Menor.
QList<TFaixaPremio> AcertosDe(int Maior, int Menor) {
    QList<TFaixaPremio> Faixas;
    for (int Acertos = Maior; Acertos >= Menor; --Acertos)
        Faixas.append(Numeros(u"%1 acertos"_s.arg(Acertos), Acertos));
    return Faixas;
}

QList<TFaixaPremio> DuasVezes(const QList<TFaixaPremio>& Faixas) {
    QList<TFaixaPremio> Ambos;
    for (int Sorteio = 1; Sorteio <= 2; ++Sorteio) {
        for (TFaixaPremio Faixa : Faixas) {
            Faixa.Sorteio = Sorteio;
            Ambos.append(Faixa);
        }
    }
    return Ambos;
}

// Six to four numbers hit win with any clovers, both clovers in a tier of their own; three and two
// numbers hit need a clover at least.
QList<TFaixaPremio> FaixasMaisMilionaria() {
    QList<TFaixaPremio> Faixas;
    for (int Acertos = 6; Acertos >= 2; --Acertos) {
        Faixas.append(Numeros(u"%1 acertos + 2 trevos"_s.arg(Acertos), Acertos, {2}));
        if (Acertos >= 4)
            Faixas.append(Numeros(u"%1 acertos + 1 ou nenhum trevo"_s.arg(Acertos), Acertos, {1, 0}));
        else
            Faixas.append(Numeros(u"%1 acertos + 1 trevo"_s.arg(Acertos), Acertos, {1}));
    }
    return Faixas;
}

const QList<TTabelaDoJogo>& Tabelas() {
    static const QList<TTabelaDoJogo> Lista{
        {TTipoModalidade::Megasena,
         6,
         1,
         6,
         {Numeros(u"Sena"_s, 6), Numeros(u"Quina"_s, 5), Numeros(u"Quadra"_s, 4)}},
        {TTipoModalidade::Lotofacil, 15, 1, 15, AcertosDe(15, 11)},
        {TTipoModalidade::Quina,
         5,
         1,
         5,
         {Numeros(u"Quina"_s, 5), Numeros(u"Quadra"_s, 4), Numeros(u"Terno"_s, 3), Numeros(u"Duque"_s, 2)}},
        {TTipoModalidade::DuplaSena, 6, 2, 6,
         DuasVezes({Numeros(u"Sena"_s, 6), Numeros(u"Quina"_s, 5), Numeros(u"Quadra"_s, 4),
                    Numeros(u"Terno"_s, 3)})},
        {TTipoModalidade::DiaDeSorte, 7, 1, 7,
         AcertosDe(7, 4) + QList<TFaixaPremio>{{u"Mês de Sorte"_s, TTipoFaixa::Mes, 0, 0, {}}}},
        {TTipoModalidade::Lotomania, 20, 1, 50, AcertosDe(20, 15) + AcertosDe(0, 0)},
        {TTipoModalidade::Timemania, 7, 1, 10,
         AcertosDe(7, 3) + QList<TFaixaPremio>{{u"Time do Coração"_s, TTipoFaixa::Time, 0, 0, {}}}},
        {TTipoModalidade::MaisMilionaria, 6, 1, 6, FaixasMaisMilionaria()},
    };
    return Lista;
}

} // namespace

std::optional<TRegrasConferencia> CriaRegrasConferencia(QStringView NomeModalidade) {
    const TTipoModalidade Tipo = IdentificaModalidade(NomeModalidade);
    const QList<TTabelaDoJogo>& Lista = Tabelas();
    const auto Tabela =
        std::find_if(Lista.begin(), Lista.end(), [Tipo](const TTabelaDoJogo& T) { return T.Tipo == Tipo; });
    const std::unique_ptr<TModalidade> Modalidade = CriaModalidade(NomeModalidade);
    if (Tabela == Lista.end() || !Modalidade)
        return std::nullopt;
    // The numbers per game come with the rules' print choices.
    Modalidade->SetParameters(0);
    TRegrasConferencia Regras;
    Regras.Tipo = Tipo;
    Regras.NomeModalidade = Modalidade->NomeModalidade();
    Regras.NumInicial = Modalidade->NumInicial();
    Regras.NumFinal = Modalidade->NumFinal();
    Regras.QdeSorteados = Tabela->QdeSorteados;
    Regras.QdeSorteios = Tabela->QdeSorteios;
    Regras.QdeAposta = Tabela->QdeAposta;
    Regras.QdeNumPorJogo = Modalidade->QdeNumPorVolante();
    Regras.Faixas = Tabela->Faixas;
    return Regras;
}

QString NomeDaFaixa(const TFaixaPremio& Faixa) {
    return Faixa.Sorteio == 0 ? Faixa.Nome : u"%1º Sorteio - %2"_s.arg(Faixa.Sorteio).arg(Faixa.Nome);
}

QString AcertosDaFaixa(const TFaixaPremio& Faixa) {
    switch (Faixa.Tipo) {
    case TTipoFaixa::Mes:
        return u"Mês"_s;
    case TTipoFaixa::Time:
        return u"Time"_s;
    case TTipoFaixa::Numeros:
        break;
    }
    if (Faixa.Trevos.isEmpty())
        return QString::number(Faixa.Acertos);
    QStringList Trevos;
    for (int Trevo : Faixa.Trevos)
        Trevos.append(QString::number(Trevo));
    return u"%1 + %2 %3"_s.arg(Faixa.Acertos)
        .arg(Trevos.join(u" ou "_s), Faixa.Trevos == QList<int>{1} ? u"trevo"_s : u"trevos"_s);
}

QString NomeDoMes(int Mes) {
    static const QStringList Nomes{u"Janeiro"_s,  u"Fevereiro"_s, u"Março"_s,    u"Abril"_s,
                                   u"Maio"_s,     u"Junho"_s,     u"Julho"_s,    u"Agosto"_s,
                                   u"Setembro"_s, u"Outubro"_s,   u"Novembro"_s, u"Dezembro"_s};
    return Nomes.value(Mes - 1);
}

QString TextoDoMes(int Mes) {
    const QString Nome = NomeDoMes(Mes);
    return Nome.isEmpty() ? QString() : QString::number(Mes) + u" - "_s + Nome;
}

QString TextoDoTime(int Time) {
    const QString Nome = ListaTimesCoracao().value(Time - 1);
    return Nome.isEmpty() ? QString() : QString::number(Time) + u" - "_s + Nome;
}
