// Mega-Sena slips to PDF through the whole slip marking engine: the printed store, the report template,
// the slip layout filling every cell (three games of six numbers, the numbers-per-game box, the
// guide marks and five texts) and the report's PDF output, three slips per A4 landscape page.
// BM_RenderPdf_Baseline draws the very same slips with a bare QPainter from a list made
// beforehand: the difference is what the engine costs on top of the painting itself.
// BM_RenderPdf_Relatorio_QPainter (bench_report.cpp) compares the report engine alone on a lighter page.
// The 3,000-page runs weigh the pass that tells viewers to print at actual size against the rendering:
// ExportaPdf with it, the same drawing into Qt's writer without it, and the pass alone on the result.
#include "AplicacaoGui.h"
#include "VolantesMega.h"
#include "printing/ExecucaoImpressao.h"
#include "report/Memo.h"
#include "report/PdfTamanhoReal.h"
#include "report/Rotulo.h"
#include "report/SaidaRelatorio.h"
#include "store/DataModulo.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace {

constexpr int PaginasPorPdf = 100;

// A stand-in for the scanned slip until the real pictures exist: the scan's size, boxes and print,
// so that it compresses like a scan rather than like a flat colour.
bool GravaImagemVolante(const QString& Caminho) {
    QImage Imagem(974, 2200, QImage::Format_RGB32);
    Imagem.fill(QColor(252, 246, 236));
    QPainter Pintor(&Imagem);
    Pintor.setRenderHint(QPainter::Antialiasing);
    Pintor.setPen(QPen(QColor(230, 120, 60), 2));
    QFont Fonte(QStringLiteral("Arial"));
    Fonte.setPixelSize(18);
    Pintor.setFont(Fonte);
    for (int Bloco = 0; Bloco < 3; ++Bloco)
        for (int Linha = 0; Linha < 6; ++Linha)
            for (int Coluna = 0; Coluna < 10; ++Coluna) {
                const QRect Caixa(150 + Coluna * 75, 560 + Bloco * 300 + Linha * 38, 50, 26);
                Pintor.drawRect(Caixa);
                Pintor.drawText(Caixa, Qt::AlignCenter, QString::number(Linha * 10 + Coluna + 1));
            }
    Pintor.fillRect(QRect(25, 540, 38, 1500), QColor(20, 20, 20));
    Pintor.drawText(
        QRect(40, 60, 900, 300), Qt::AlignLeft | Qt::TextWordWrap,
        QStringLiteral("MEGA-SENA  Marque de 6 a 15 números por jogo. Surpresinha, Teimosinha, Bolão."));
    Pintor.end();
    return Imagem.save(Caminho, "JPG", 85);
}

// Assembles the run and writes it as a PDF; the size of the file, or -1 on failure.
qint64 ImprimePdf(TDM& DM, const TConfiguracaoImpressao& Configuracao, const QString& Arquivo,
                  benchmark::State& State) {
    TMensagens Mensagens;
    const auto Execucao = TExecucaoImpressao::Monta(Configuracao, DM.CDSImpressao(), Mensagens);
    if (!Execucao || !Mensagens.isEmpty()) {
        State.SkipWithError("the print run could not be assembled");
        return -1;
    }
    const TResultadoSaida Resultado = ExportaPdf(Execucao->Relatorio(), Arquivo);
    if (!Resultado.Sucesso || !Execucao->Mensagens().isEmpty()) {
        State.SkipWithError("the print run failed");
        return -1;
    }
    return QFileInfo(Arquivo).size();
}

void RendePdfMega(benchmark::State& State, bool ImagemVisivel) {
    GaranteAplicacaoGui();
    QTemporaryDir Pasta;
    if (ImagemVisivel && !GravaImagemVolante(Pasta.filePath(QStringLiteral("TFormImpressaoMega_3.jpg")))) {
        State.SkipWithError("the slip picture could not be written");
        return;
    }
    const TConfiguracaoImpressao Configuracao = ConfiguracaoMega(ImagemVisivel, Pasta.path());
    const QString Arquivo = Pasta.filePath(QStringLiteral("volantes.pdf"));
    TDM DM;
    PreparaImpressao(DM, PaginasPorPdf);

    qint64 Tamanho = 0;
    for (auto _ : State)
        Tamanho = ImprimePdf(DM, Configuracao, Arquivo, State);

    State.SetItemsProcessed(State.iterations() * PaginasPorPdf * VolantesPorPagina);
    State.counters["paginas_por_s"] = benchmark::Counter(
        static_cast<double>(State.iterations() * PaginasPorPdf), benchmark::Counter::kIsRate);
    if (ImagemVisivel && Tamanho > 0) {
        // What each page costs once the picture is in the file.
        TDM UmaPagina;
        PreparaImpressao(UmaPagina, 1);
        const qint64 Primeira = ImprimePdf(UmaPagina, Configuracao, Arquivo, State);
        State.counters["bytes_por_pagina"] = static_cast<double>(Tamanho - Primeira) / (PaginasPorPdf - 1);
        State.counters["bytes_primeira_pagina"] = static_cast<double>(Primeira);
    }
}

void BM_RenderPdf_Mega(benchmark::State& State) {
    RendePdfMega(State, false);
}
BENCHMARK(BM_RenderPdf_Mega)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RenderPdf_Mega_Imagem(benchmark::State& State) {
    RendePdfMega(State, true);
}
BENCHMARK(BM_RenderPdf_Mega_Imagem)->Unit(benchmark::kMillisecond)->UseRealTime();

constexpr int PaginasGrandePdf = 3000;

// A 3,000-page Mega-Sena run, assembled once for the loop.
struct TGrandeExecucao {
    QTemporaryDir Pasta;
    TDM DM;
    std::unique_ptr<TExecucaoImpressao> Execucao;

    explicit TGrandeExecucao(benchmark::State& State) {
        GaranteAplicacaoGui();
        PreparaImpressao(DM, PaginasGrandePdf);
        TMensagens Mensagens;
        Execucao =
            TExecucaoImpressao::Monta(ConfiguracaoMega(false, Pasta.path()), DM.CDSImpressao(), Mensagens);
        if (!Execucao)
            State.SkipWithError("the print run could not be assembled");
    }
    QString Arquivo(const char* Nome) const { return Pasta.filePath(QString::fromLatin1(Nome)); }
};

void ContaPaginas(benchmark::State& State) {
    State.counters["paginas_por_s"] = benchmark::Counter(
        static_cast<double>(State.iterations() * PaginasGrandePdf), benchmark::Counter::kIsRate);
}

void BM_RenderPdf_Mega_3000_ComTamanhoReal(benchmark::State& State) {
    TGrandeExecucao Grande(State);
    if (!Grande.Execucao)
        return;
    for (auto _ : State)
        if (!ExportaPdf(Grande.Execucao->Relatorio(), Grande.Arquivo("volantes.pdf")).Sucesso)
            State.SkipWithError("the PDF could not be written");
    ContaPaginas(State);
}
BENCHMARK(BM_RenderPdf_Mega_3000_ComTamanhoReal)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_RenderPdf_Mega_3000_SemTamanhoReal(benchmark::State& State) {
    TGrandeExecucao Grande(State);
    if (!Grande.Execucao)
        return;
    TRelatorio& Relatorio = Grande.Execucao->Relatorio();
    for (auto _ : State) {
        QPdfWriter Escritor(Grande.Arquivo("volantes.pdf"));
        Escritor.setResolution(96);
        Escritor.setPageLayout(Relatorio.LayoutPapel());
        QPainter Pintor(&Escritor);
        DesenhaTodasPaginas(Relatorio, Pintor, Escritor);
    }
    ContaPaginas(State);
}
BENCHMARK(BM_RenderPdf_Mega_3000_SemTamanhoReal)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The pass alone: the 3,000-page PDF read and written again with the viewer preferences.
void BM_RenderPdf_Mega_3000_SoTamanhoReal(benchmark::State& State) {
    TGrandeExecucao Grande(State);
    if (!Grande.Execucao || !ExportaPdf(Grande.Execucao->Relatorio(), Grande.Arquivo("rascunho.pdf")).Sucesso)
        return State.SkipWithError("the PDF could not be written");
    QFile Rascunho(Grande.Arquivo("rascunho.pdf"));
    Rascunho.open(QIODevice::ReadWrite);
    for (auto _ : State) {
        QFile Destino(Grande.Arquivo("volantes.pdf"));
        if (!Destino.open(QIODevice::WriteOnly) || !CopiaPdfEmTamanhoReal(Rascunho, Destino).isEmpty())
            State.SkipWithError("the pass failed");
    }
    State.counters["bytes"] = static_cast<double>(Rascunho.size());
    ContaPaginas(State);
}
BENCHMARK(BM_RenderPdf_Mega_3000_SoTamanhoReal)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// What one slip draws, taken from the engine once the slip is filled.
struct TDesenhoVolante {
    struct TTexto {
        QRectF Caixa;
        int TamanhoFonte;
        int Flags;
        QString Texto;
    };
    std::vector<std::pair<QRectF, bool>> Shapes; // box less half the outline, ellipse or rectangle
    std::vector<TTexto> Textos;
};

TDesenhoVolante DesenhoDoVolante(TExecucaoImpressao& Execucao, const TFolhaImpressao& Folha) {
    Execucao.Impressao().SetDados(Folha);
    TDesenhoVolante Desenho;
    for (const TComponente* Componente : Execucao.Relatorio().Componentes()) {
        const auto* Controle = dynamic_cast<const TControle*>(Componente);
        if (!Controle || !Controle->Visible())
            continue;
        const QRectF Caixa(Controle->Box());
        if (const auto* Shape = dynamic_cast<const TShape*>(Controle))
            Desenho.Shapes.emplace_back(Caixa.adjusted(0.5, 0.5, -0.5, -0.5),
                                        Shape->Formato() == TFormatoShape::dkElipse);
        else if (const auto* Rotulo = dynamic_cast<const TRotulo*>(Controle))
            Desenho.Textos.push_back(
                {Caixa, Rotulo->TamanhoFonte(), Qt::AlignHCenter | Qt::TextSingleLine, Rotulo->Caption()});
        else if (const auto* Memo = dynamic_cast<const TMemo*>(Controle))
            Desenho.Textos.push_back({Caixa, Memo->TamanhoFonte(), Qt::AlignLeft | Qt::TextWordWrap,
                                      Memo->Lines().join(QLatin1Char('\n'))});
    }
    return Desenho;
}

// The very same slips drawn by a bare QPainter from a list made beforehand: the painting and the PDF
// output without the engine.
void BM_RenderPdf_Baseline(benchmark::State& State) {
    GaranteAplicacaoGui();
    QTemporaryDir Pasta;
    const QString Arquivo = Pasta.filePath(QStringLiteral("volantes.pdf"));
    TDM DM;
    PreparaImpressao(DM, PaginasPorPdf);
    TMensagens Mensagens;
    const auto Execucao =
        TExecucaoImpressao::Monta(ConfiguracaoMega(false, Pasta.path()), DM.CDSImpressao(), Mensagens);
    if (!Execucao) {
        State.SkipWithError("the print run could not be assembled");
        return;
    }
    std::vector<TDesenhoVolante> Volantes;
    for (int Linha = 0; Linha < DM.CDSImpressao().QdeRegistros(); ++Linha)
        Volantes.push_back(DesenhoDoVolante(*Execucao, DM.CDSImpressao().Folha(Linha)));
    const TLayoutPagina Layout = Execucao->Relatorio().Layout();
    const QPageLayout Papel = Execucao->Relatorio().LayoutPapel();
    const QColor CorBorda(196, 196, 196);

    for (auto _ : State) {
        QPdfWriter Escritor(Arquivo);
        Escritor.setResolution(96);
        Escritor.setPageLayout(Papel);
        QPainter Pintor(&Escritor);
        Pintor.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        QFont Fonte(QStringLiteral("Arial"));
        for (int Volante = 0; Volante < int(Volantes.size()); ++Volante) {
            const int Celula = Volante % VolantesPorPagina;
            if (Volante > 0 && Celula == 0)
                Escritor.newPage();
            Pintor.setPen(CorBorda);
            Pintor.setBrush(Qt::NoBrush);
            Pintor.drawRect(Layout.Celula(Celula).adjusted(0.5, 0.5, -0.5, -0.5));
            Pintor.save();
            Pintor.translate(Layout.OrigemConteudo(Celula));
            Pintor.setPen(QPen(Qt::black, 1.0));
            Pintor.setBrush(Qt::black);
            for (const auto& [Caixa, Elipse] : Volantes[std::size_t(Volante)].Shapes) {
                if (Elipse)
                    Pintor.drawEllipse(Caixa);
                else
                    Pintor.drawRect(Caixa);
            }
            for (const TDesenhoVolante::TTexto& Texto : Volantes[std::size_t(Volante)].Textos) {
                Fonte.setPointSize(Texto.TamanhoFonte);
                Pintor.setFont(Fonte);
                Pintor.drawText(Texto.Caixa, Texto.Flags | Qt::AlignTop | Qt::TextDontClip, Texto.Texto);
            }
            Pintor.restore();
        }
    }
    State.SetItemsProcessed(State.iterations() * PaginasPorPdf * VolantesPorPagina);
    State.counters["paginas_por_s"] = benchmark::Counter(
        static_cast<double>(State.iterations() * PaginasPorPdf), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderPdf_Baseline)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
