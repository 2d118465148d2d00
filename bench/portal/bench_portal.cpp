// The portal download: a login against the local HTTPS test portal, over a real TLS connection, that
// answers 100 game sets of 1,000 Lotofácil games each; timed from the request to the last closing
// stored, as the login tab does it. Also reports the answer's size and the peak memory of the process
// above what it held before the login (the stored closings included).
#include "ExecutaBenchmarks.h"
#include "MemoriaDoProcesso.h"
#include "PortalTeste.h"
#include "entry/ValidaJogo.h"
#include "portal/GravaJogosBaixados.h"
#include "portal/PedidoLogin.h"
#include "store/DataModulo.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <malloc.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <optional>

namespace {

constexpr int QdeConjuntos = 100;
constexpr int JogosPorConjunto = 1'000;

// Lotofácil games: 15 distinct numbers of 1..25, ascending, from a fixed seed.
TLoteriaResult Resposta() {
    std::uint64_t Semente = 0x9E3779B97F4A7C15ULL;
    std::array<int, 25> Numeros{};
    QList<TGamesClass> Conjuntos;
    for (int c = 0; c < QdeConjuntos; ++c) {
        TGamesClass Conjunto;
        Conjunto.SetTitle(QStringLiteral("Bolão %1").arg(c + 1));
        Conjunto.SetGame(QStringLiteral("Lotofacil"));
        for (int j = 0; j < JogosPorConjunto; ++j) {
            std::iota(Numeros.begin(), Numeros.end(), 1);
            for (std::size_t k = 0; k < 15; ++k) {
                Semente = Semente * 6364136223846793005ULL + 1442695040888963407ULL;
                std::swap(Numeros[k], Numeros[k + (Semente >> 33) % (25 - k)]);
            }
            std::sort(Numeros.begin(), Numeros.begin() + 15);
            Conjunto.AcrescentaCombinacao(std::span<const int>(Numeros.data(), 15));
        }
        Conjuntos.append(Conjunto);
    }
    TLoteriaResult Resultado;
    Resultado.SetGames(Conjuntos);
    return Resultado;
}

void BM_Portal_Download_100k(benchmark::State& State) {
    QTemporaryDir Pasta;
    const QString Arquivo = Pasta.filePath(QStringLiteral("resposta.json"));
    {
        QFile Saida(Arquivo);
        if (!Saida.open(QIODevice::WriteOnly) || Saida.write(Resposta().ToJsonString().toUtf8()) < 0) {
            State.SkipWithError("the answer could not be written");
            return;
        }
    }
    const double TamanhoDaResposta = double(QFile(Arquivo).size());
    TPortalTeste Portal({QJsonObject{{QStringLiteral("arquivo"), Arquivo}}});
    const TConfiguracaoPortal Configuracao = Portal.Configuracao();
    const auto Baixa = [&] {
        return TLoteriaResult::GetGames(QStringLiteral("bench@exemplo.com"), QStringLiteral("senha"),
                                        Configuracao);
    };
    // The first login of a run also loads the system's certificate authorities and starts the network
    // machinery; that is paid once, whatever the answer, and stays out of the figures.
    if (const TRespostaLogin Primeiro = Baixa(); !Primeiro.Ok()) {
        State.SkipWithError(Primeiro.Erro.toStdString().c_str());
        return;
    }

    double PicoMaximo = 0;
    bool PicoMedido = true;
    for (auto _ : State) {
        State.PauseTiming();
        std::optional<TDM> DM(std::in_place);
        malloc_trim(0);
        PicoMedido = PicoMedido && ZeraPicoDeMemoria();
        const double Antes = MemoriaDoProcesso("VmRSS:");
        State.ResumeTiming();

        TRespostaLogin Login = TLoteriaResult::GetGames(QStringLiteral("bench@exemplo.com"),
                                                        QStringLiteral("senha"), Configuracao);
        if (!Login.Ok()) {
            State.SkipWithError(Login.Erro.toStdString().c_str());
            return;
        }
        const TValidaJogo Validador;
        DM->AtivaFiltro_MASTER(false);
        // As the login tab does it: each set freed once stored.
        QList<TGamesClass> Conjuntos = Login.Resultado->TiraGames();
        Login.Resultado.reset();
        for (TGamesClass& Conjunto : Conjuntos) {
            GravaConjuntoBaixado(*DM, Conjunto, Validador);
            Conjunto = TGamesClass();
        }
        DM->AtivaFiltro_MASTER(true);

        State.PauseTiming();
        if (DM->QdeFechamentos() != QdeConjuntos) {
            State.SkipWithError("not every game set was stored");
            return;
        }
        PicoMaximo = std::max(PicoMaximo, MemoriaDoProcesso("VmHWM:") - Antes);
        DM.reset();
        State.ResumeTiming();
    }
    State.counters["MB_resposta"] = TamanhoDaResposta / (1024 * 1024);
    if (PicoMedido) {
        State.counters["MB_pico_acima_do_inicio"] = PicoMaximo / (1024 * 1024);
        State.counters["pico_por_resposta"] = PicoMaximo / TamanhoDaResposta;
    }
    State.SetItemsProcessed(State.iterations() * QdeConjuntos * JogosPorConjunto);
}
BENCHMARK(BM_Portal_Download_100k)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    // The network client runs on the application's event loop.
    QCoreApplication Aplicacao(argc, argv);
    return ExecutaBenchmarks(argc, argv);
}
