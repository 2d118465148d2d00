#include "catalogue/Modalidade.h"

#include "catalogue/ULib.h"

TModalidade::TModalidade(TTipoModalidade Tipo)
    : FTipoModalidade(Tipo) {}

void TModalidade::GeraNumerosModalidade() {
    QString Numeros;
    for (int n = FNumInicial; n <= FNumFinal; ++n)
        Numeros += u' ' + PreencheTexto(QString::number(n), 2, u"0", true);
    FNumerosModalidade = AparaTexto(Numeros);
}

void TModalidade::IniciaValidacao() {
    FMensagensValidacao.clear();
    FLiberadoImprimir = true;
}

void TModalidade::Recusa(const QString& Mensagem) {
    FMensagensValidacao.append({TTipoMensagem::Erro, Mensagem});
    FLiberadoImprimir = false;
}

void TModalidade::RegraBolaoComTeimosinha(int ImpQdeBolao, int ImpQdeTeimosinha) {
    if (ImpQdeBolao > 0 && ImpQdeTeimosinha > 0)
        Recusa(QStringLiteral("Esta Modalidade Não Permite Bolão com Teimosinha"));
}

void TModalidade::ValidaImpressao(int, int, int, int, int) {
    // Reads the object's own model, not the argument: callers pass the same index to both.
    const bool SemRelatorio = FLayoutIndex < 0 || FLayoutIndex >= FNomeRelatorio.size() ||
                              FNomeRelatorio.at(FLayoutIndex).isEmpty();
    if (FLiberadoImprimir && SemRelatorio)
        Recusa(QStringLiteral("Modalidade Não Disponível para Impressão no Momento."));
}
