#include "entry/ValidaJogo.h"

#include <benchmark/benchmark.h>

#include <QList>
#include <QString>

#include <algorithm>
#include <numeric>
#include <random>

using namespace Qt::StringLiterals;

namespace {

// Games of QdeNumeros distinct numbers out of 1..NumFinal, each written in random order with randomly
// mixed separators and one-or-two-digit spellings, as pasted text tends to look.
QList<QString> LinhasAleatorias(int QdeNumeros, int NumFinal, int QdeLinhas) {
    static const QString Separadores[] = {u" "_s, u","_s, u"/"_s, u"-"_s, u"\t"_s, u", "_s, u"  "_s};
    std::mt19937 Gerador(12345);
    std::vector<int> Numeros(NumFinal);
    std::iota(Numeros.begin(), Numeros.end(), 1);
    QList<QString> Linhas;
    for (int i = 0; i < QdeLinhas; ++i) {
        std::shuffle(Numeros.begin(), Numeros.end(), Gerador);
        QString Linha;
        for (int j = 0; j < QdeNumeros; ++j) {
            if (j > 0)
                Linha += Separadores[Gerador() % std::size(Separadores)];
            const int Numero = Numeros[j];
            Linha += (Numero < 10 && Gerador() % 2 == 0 ? u"0"_s : QString()) + QString::number(Numero);
        }
        Linhas.append(Linha);
    }
    return Linhas;
}

void AvaliaLinhas(benchmark::State& Estado, int QdeNumeros, int NumFinal) {
    const QList<QString> Linhas = LinhasAleatorias(QdeNumeros, NumFinal, 1 << 14);
    TValidaJogo Validador;
    qsizetype Indice = 0;
    for (auto _ : Estado) {
        Validador.AvaliaJogo(Linhas[Indice], QdeNumeros, 1, NumFinal, -1, -1);
        benchmark::DoNotOptimize(Validador.JogoValidado());
        Indice = (Indice + 1) & (Linhas.size() - 1);
    }
    if (!Validador.JogoValidado())
        Estado.SkipWithError("a generated game was refused");
    Estado.SetItemsProcessed(Estado.iterations());
}

void BM_AvaliaJogo_Megasena(benchmark::State& Estado) {
    AvaliaLinhas(Estado, 6, 60);
}
BENCHMARK(BM_AvaliaJogo_Megasena);

void BM_AvaliaJogo_Lotofacil(benchmark::State& Estado) {
    AvaliaLinhas(Estado, 15, 25);
}
BENCHMARK(BM_AvaliaJogo_Lotofacil);

} // namespace
