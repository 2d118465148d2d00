#include "MemoriaDoProcesso.h"
#include "store/DataModulo.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QStringList>

#include <malloc.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>

namespace {

constexpr int QdeJogosGrande = 1'000'000;

// Lotofácil games: 15 distinct numbers of 1..25, ascending, normalised, from a fixed seed.
QStringList JogosLotofacil(int Qde) {
    std::uint64_t Semente = 0x9E3779B97F4A7C15ULL;
    std::array<int, 25> Numeros{};
    QStringList Jogos;
    Jogos.reserve(Qde);
    for (int i = 0; i < Qde; ++i) {
        std::iota(Numeros.begin(), Numeros.end(), 1);
        for (int k = 0; k < 15; ++k) {
            Semente = Semente * 6364136223846793005ULL + 1442695040888963407ULL;
            std::swap(Numeros[std::size_t(k)],
                      Numeros[std::size_t(k) + (Semente >> 33) % std::size_t(25 - k)]);
        }
        std::sort(Numeros.begin(), Numeros.begin() + 15);
        QString Jogo;
        for (int k = 0; k < 15; ++k)
            Jogo += (k ? QStringLiteral(" ") : QString()) +
                    QStringLiteral("%1").arg(Numeros[std::size_t(k)], 2, 10, QChar(u'0'));
        Jogos << Jogo;
    }
    return Jogos;
}

// The queue of a closing of a million Lotofácil games, 3 games per slip, 3 slips per page. Also reports
// the memory the closing takes in the stores and how long storing it took.
void BM_PopulaCDSImpressao_1M(benchmark::State& State) {
    TDM DM;
    {
        const QStringList Jogos = JogosLotofacil(QdeJogosGrande);
        malloc_trim(0);
        const double Antes = MemoriaDoProcesso("VmRSS:");
        QElapsedTimer Relogio;
        Relogio.start();
        DM.AtivaFiltro_MASTER(false);
        DM.InsereRegistroPorStringList(QStringLiteral("Lotofacil"), QStringLiteral("Um milhão"), false, Jogos,
                                       {});
        DM.AtivaFiltro_MASTER(true);
        State.counters["s_insercao"] = double(Relogio.nsecsElapsed()) / 1e9;
        const double Depois = MemoriaDoProcesso("VmRSS:");
        State.counters["MB_fechamento"] = (Depois - Antes) / (1024 * 1024);
        State.counters["bytes_por_jogo"] = (Depois - Antes) / QdeJogosGrande;
    }
    for (auto _ : State) {
        const TMensagens Mensagens =
            DM.PopulaCDSImpressao(3, 3, 0, 1, false, 0, false, false, {}, TTipoModalidade::Lotofacil, false);
        benchmark::DoNotOptimize(Mensagens);
        benchmark::DoNotOptimize(DM.CDSImpressao_Temp().QdeRegistros());
    }
    State.SetItemsProcessed(State.iterations() * QdeJogosGrande);
}
BENCHMARK(BM_PopulaCDSImpressao_1M)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
