#include "tools/lote/EscolhasLote.h"

#include "catalogue/Modalidade.h"
#include "catalogue/ULib.h"
#include "tools/comum/FechamentoDoArquivo.h"
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
