#include "MemoriaDoProcesso.h"
#include "entry/ImportaFechamento.h"
#include "entry/ValidaJogo.h"
#include "store/DataModulo.h"

#include <benchmark/benchmark.h>

#include <QList>
#include <QString>

#include <algorithm>
#include <bit>
#include <cstdint>
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

// One million distinct Lotofácil games (15 of 1..25), each in random order with mixed separators,
// one per line with CR LF, as a large pasted closing looks.
QString MilhaoDeJogosLotofacil() {
    constexpr int QdeJogos = 1'000'000;
    std::mt19937 Gerador(777);
    std::vector<std::uint32_t> Jogos;
    Jogos.reserve(QdeJogos + QdeJogos / 8);
    std::vector<int> Numeros(25);
    std::iota(Numeros.begin(), Numeros.end(), 1);
    while (Jogos.size() < QdeJogos) {
        while (Jogos.size() < QdeJogos + QdeJogos / 10) {
            std::shuffle(Numeros.begin(), Numeros.end(), Gerador);
            std::uint32_t Mascara = 0;
            for (int i = 0; i < 15; ++i)
                Mascara |= 1u << Numeros[i];
            Jogos.push_back(Mascara);
        }
        std::sort(Jogos.begin(), Jogos.end());
        Jogos.erase(std::unique(Jogos.begin(), Jogos.end()), Jogos.end());
    }
    Jogos.resize(QdeJogos);
    std::shuffle(Jogos.begin(), Jogos.end(), Gerador);

    static const char16_t Separadores[] = {u' ', u',', u'/', u'-', u'\t'};
    QString Texto;
    Texto.reserve(qsizetype(QdeJogos) * 46);
    std::vector<int> Jogo;
    for (std::uint32_t Mascara : Jogos) {
        Jogo.clear();
        for (std::uint32_t Bits = Mascara; Bits != 0; Bits &= Bits - 1)
            Jogo.push_back(std::countr_zero(Bits));
        std::shuffle(Jogo.begin(), Jogo.end(), Gerador);
        for (std::size_t i = 0; i < Jogo.size(); ++i) {
            if (i > 0)
                Texto += QChar(Separadores[Gerador() % std::size(Separadores)]);
            Texto += QChar(u'0' + Jogo[i] / 10);
            Texto += QChar(u'0' + Jogo[i] % 10);
        }
        Texto += u"\r\n"_s;
    }
    return Texto;
}

void BM_ImportaFechamento_1M(benchmark::State& Estado) {
    const QString Texto = MilhaoDeJogosLotofacil();
    const TPedidoImportacao Pedido{u"Lotofacil"_s, 15, u"Um milhão"_s, false};
    double Pico = 0;
    for (auto _ : Estado) {
        Estado.PauseTiming();
        ZeraPicoDeMemoria();
        auto DM = std::make_unique<TDM>();
        TImportaFechamento Importacao(
            *DM, [](const QString&, const QString&) { return TRespostaDuplicado::Nao; },
            [](qsizetype, qsizetype) {});
        Estado.ResumeTiming();

        const TResultadoImportacao Resultado = Importacao.Importa(Texto, Pedido);

        Estado.PauseTiming();
        if (!Resultado.FechamentoGravado || DM->QdeJogos() != 1'000'000)
            Estado.SkipWithError("the closing was not stored whole");
        Pico = std::max(Pico, MemoriaDoProcesso("VmHWM:") / (1024 * 1024));
        DM.reset();
        Estado.ResumeTiming();
    }
    Estado.counters["pico_memoria_MB"] = Pico;
    Estado.SetItemsProcessed(Estado.iterations() * 1'000'000);
}
BENCHMARK(BM_ImportaFechamento_1M)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
