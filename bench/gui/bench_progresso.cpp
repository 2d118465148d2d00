// What the progress window costs an output: the Mega-Sena slips of BM_RenderPdf_Mega
// (bench_printing.cpp) written to PDF without any progress, and with the print manager's progress
// window shown from the first page, repainting and taking input as it does for a person. The
// difference between the two is the cost of the progress reporting.
#include "VolantesMega.h"
#include "report/SaidaRelatorio.h"
#include "ui/FormProgresso.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace {

constexpr int Paginas = 300;

void RendePdfMega(benchmark::State& Estado, bool ComProgresso) {
    QTemporaryDir Pasta;
    const QString Arquivo = Pasta.filePath(QStringLiteral("volantes.pdf"));
    TDM DM;
    PreparaImpressao(DM, Paginas);
    TMensagens Mensagens;
    const auto Execucao = TExecucaoImpressao::Monta(ConfiguracaoMega(), DM.CDSImpressao(), Mensagens);
    if (!Execucao) {
        Estado.SkipWithError("the print run could not be assembled");
        return;
    }
    for (auto _ : Estado) {
        TResultadoSaida Resultado;
        if (ComProgresso) {
            TFormProgresso Progresso(QStringLiteral("Gravando o Documento PDF..."), nullptr, 0);
            Resultado = ExportaPdf(Execucao->Relatorio(), Arquivo, {}, Progresso.Progresso());
        } else {
            Resultado = ExportaPdf(Execucao->Relatorio(), Arquivo);
        }
        if (!Resultado.Sucesso)
            Estado.SkipWithError("the PDF was not written");
    }
    Estado.counters["paginas_por_s"] =
        benchmark::Counter(double(Estado.iterations()) * Paginas, benchmark::Counter::kIsRate);
}

void BM_Gui_RenderPdf_Mega(benchmark::State& Estado) {
    RendePdfMega(Estado, false);
}
BENCHMARK(BM_Gui_RenderPdf_Mega)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Gui_RenderPdf_Mega_Progresso(benchmark::State& Estado) {
    RendePdfMega(Estado, true);
}
BENCHMARK(BM_Gui_RenderPdf_Mega_Progresso)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
