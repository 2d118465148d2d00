// Checking a closing of a million Lotofácil games of 15 to 20 numbers against a draw: the check itself
// (an AND and a popcount per game, the tiers counted) and the reading of the games into masks, done
// once per closing.
#include "JogosDeLotofacil.h"

#include "conferencia/Conferencia.h"
#include "conferencia/JogosParaConferir.h"
#include "store/DataModulo.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int UmMilhao = 1'000'000;

void GuardaFechamento(TDM& DM, const QStringList& Jogos) {
    DM.AtivaFiltro_MASTER(false);
    DM.InsereRegistroPorStringList(QStringLiteral("Lotofacil"), QStringLiteral("Bolão"), false, Jogos, {});
    DM.AtivaFiltro_MASTER(true);
}

TResultado SorteioDeLotofacil() {
    TResultado Resultado;
    for (int Numero : {1, 2, 4, 5, 7, 9, 10, 12, 13, 16, 18, 20, 21, 23, 25})
        Resultado.Sorteios[0].Insere(Numero);
    return Resultado;
}

void BM_Confere_1M(benchmark::State& Estado) {
    TDM DM;
    GuardaFechamento(DM, JogosAleatoriosDeLotofacil(UmMilhao));
    const TRegrasConferencia Regras = *CriaRegrasConferencia(u"Lotofacil");
    const TJogosParaConferir Jogos(DM.CDSDetalhe(), Regras, {});
    const TResultado Resultado = SorteioDeLotofacil();
    std::uint64_t Premiadas = 0;
    for (auto _ : Estado) {
        const TConferencia Conferencia = Confere(Regras, Jogos, Resultado);
        Premiadas = Conferencia.QdePorFaixa.back();
        benchmark::DoNotOptimize(Conferencia.MelhorFaixa.data());
    }
    if (Premiadas == 0)
        Estado.SkipWithError("no simple bet of a million games hit eleven numbers");
    Estado.counters["jogos/s"] =
        benchmark::Counter(double(UmMilhao) * double(Estado.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Confere_1M)->Unit(benchmark::kMillisecond);

void BM_JogosParaConferir_1M(benchmark::State& Estado) {
    TDM DM;
    GuardaFechamento(DM, JogosAleatoriosDeLotofacil(UmMilhao));
    const TRegrasConferencia Regras = *CriaRegrasConferencia(u"Lotofacil");
    for (auto _ : Estado) {
        const TJogosParaConferir Jogos(DM.CDSDetalhe(), Regras, {});
        benchmark::DoNotOptimize(Jogos.Dezenas(UmMilhao - 1));
    }
    Estado.counters["jogos/s"] =
        benchmark::Counter(double(UmMilhao) * double(Estado.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_JogosParaConferir_1M)->Unit(benchmark::kMillisecond);

} // namespace
