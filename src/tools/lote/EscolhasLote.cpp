#include "tools/lote/EscolhasLote.h"

#include "catalogue/Modalidade.h"
#include "catalogue/ULib.h"
#include "entry/LinhasDoTexto.h"
#include "entry/ValidaJogo.h"
#include "tools/lote/OpcoesLote.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The pool quota counts of the setup's list: 0 (no pool), then 2 up to the game's ceiling.
QList<int> CotasPermitidas(const TModalidade& Modalidade) {
    QList<int> Cotas{0};
    for (int Cota = 2; Cota <= Modalidade.QdeBolaoMax(); ++Cota)
        Cotas.append(Cota);
    return Cotas;
}

QString ForaDaLista(const QString& Opcao, int Valor, const QList<int>& Permitidos,
                    const TModalidade& Modalidade) {
    return u"%1: %2 não é uma escolha para %3 (modelo \"%4\"); use %5."_s.arg(
        Opcao, QString::number(Valor), Modalidade.NomeModalidade(),
        Modalidade.Layout().value(Modalidade.LayoutIndex()), ListaDeEscolhas(Permitidos));
}

} // namespace

QString ListaDeEscolhas(const QList<int>& Valores) {
    QStringList Textos;
    for (int Valor : Valores)
        Textos.append(QString::number(Valor));
    if (Textos.size() < 2)
        return Textos.join(QString());
    const QString Ultimo = Textos.takeLast();
    return Textos.join(u", "_s) + u" ou "_s + Ultimo;
}

std::optional<int> QdeNumerosDaPrimeiraLinha(QStringView Texto) {
    TLinhasDoTexto Linhas(Texto);
    QStringView Linha;
    while (Linhas.Proxima(Linha)) {
        if (EhLinhaSemJogo(Linha))
            continue;
        const qsizetype Barra = Linha.indexOf(u'|');
        const QStringView ParteDoJogo = Barra < 0 ? Linha : Linha.first(Barra);
        const QString Padronizado = TValidaJogo().PadronizaJogo(ParteDoJogo);
        int Quantidade = 0;
        for (QStringView Pedaco : QStringView(Padronizado).tokenize(u' ', Qt::SkipEmptyParts)) {
            if (Pedaco.front() == u':' && Pedaco.size() > 1)
                break;
            ++Quantidade;
        }
        return Quantidade;
    }
    return std::nullopt;
}

int JogosPorVolante(const TOpcoesLote& Opcoes, const TModalidade& Modalidade) {
    if (Opcoes.QdeJogosPorVolante)
        return *Opcoes.QdeJogosPorVolante;
    const QList<int> Escolhas = Modalidade.QdeJogosPorVolante();
    return Escolhas.isEmpty() ? 0 : *std::max_element(Escolhas.begin(), Escolhas.end());
}

QString ConfereEscolhas(const TOpcoesLote& Opcoes, const TModalidade& Modalidade) {
    struct TEscolha {
        QString Opcao;
        int Valor;
        QList<int> Permitidos;
    };
    const TEscolha Escolhas[] = {
        {u"--jogos-por-volante"_s, JogosPorVolante(Opcoes, Modalidade), Modalidade.QdeJogosPorVolante()},
        {u"--surpresinha"_s, Opcoes.QdeSurpresinha, Modalidade.Surpresinha()},
        {u"--teimosinha"_s, Opcoes.QdeTeimosinha, Modalidade.Teimosinha()},
        {u"--cotas"_s, Opcoes.QdeBolao, CotasPermitidas(Modalidade)},
    };
    for (const TEscolha& Escolha : Escolhas)
        if (!Escolha.Permitidos.contains(Escolha.Valor))
            return ForaDaLista(Escolha.Opcao, Escolha.Valor, Escolha.Permitidos, Modalidade);
    return {};
}
