// PDF output of slip sheets: the report engine against a bare QPainter drawing the same page, three
// slips per A4 landscape page, each slip with the content of a Mega-Sena slip (60 marks of which 10
// are shown, 20 guide bars and 4 labels).
#include "report/Relatorio.h"
#include "report/SaidaRelatorio.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <array>

namespace {

constexpr int MarcasPorVolante = 60;
constexpr int MarcasVisiveis = 10;
constexpr int Guias = 20;
constexpr int VolantesPorPagina = 3;
constexpr int PaginasPorPdf = 100;

const TMargens MargensFolha{Milimetros(20), Milimetros(10), Milimetros(20), Milimetros(10)};

// Fonts and PDF writers need the GUI application; the benchmarks of other subsystems do not.
void GaranteAplicacao() {
    if (QCoreApplication::instance())
        return;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int Argc = 1;
    static char Nome[] = "cartelim_bench";
    static char* Argv[] = {Nome, nullptr};
    static QGuiApplication Aplicacao(Argc, Argv);
}

QRect CaixaMarca(int Marca) {
    return QRect(48 + (Marca % 10) * 25, 187 + (Marca / 10) * 22, 19, 13);
}

QRect CaixaGuia(int Guia) {
    return QRect(2, 120 + Guia * 28, 14, 6);
}

// The marks shown on slip Volante: ten of the sixty, a different set per slip.
std::array<int, MarcasVisiveis> MarcasDoVolante(int Volante) {
    std::array<int, MarcasVisiveis> Marcas{};
    for (int I = 0; I < MarcasVisiveis; ++I)
        Marcas[I] = (Volante * 7 + I * 6) % MarcasPorVolante;
    return Marcas;
}

const std::array<QRect, 4> CaixasRotulos{QRect(40, 20, 224, 15), QRect(40, 40, 224, 15),
                                         QRect(40, 60, 224, 15), QRect(40, 80, 71, 15)};

QString TextoRotulo(int Rotulo, int Volante) {
    switch (Rotulo) {
    case 0:
        return QStringLiteral("Mega 2020 - BOLÃO DA FIRMA");
    case 1:
        return QStringLiteral("Pag : %1 (%2-%3)")
            .arg(Volante / VolantesPorPagina + 1)
            .arg(Volante)
            .arg(Volante + 1);
    case 2:
        return QStringLiteral("BOLÃO DA FIRMA");
    default:
        return QStringLiteral("10 C");
    }
}

void RegistraResultado(benchmark::State& State) {
    State.SetItemsProcessed(State.iterations() * PaginasPorPdf * VolantesPorPagina);
    State.counters["paginas_por_s"] = benchmark::Counter(
        static_cast<double>(State.iterations() * PaginasPorPdf), benchmark::Counter::kIsRate);
}

void BM_RenderPdf_Relatorio_QPainter(benchmark::State& State) {
    GaranteAplicacao();
    QTemporaryDir Pasta;
    const QString Arquivo = Pasta.filePath(QStringLiteral("baseline.pdf"));
    const QPageLayout Papel(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0));
    const double LarguraVolante =
        (Milimetros(297) - MargensFolha.Esquerda - MargensFolha.Direita).EmPixels().Valor() /
        VolantesPorPagina;
    const QPointF Origem(MargensFolha.Esquerda.EmPixels().Valor(), MargensFolha.Topo.EmPixels().Valor());
    const QColor Cor(0, 0, 160);
    for (auto _ : State) {
        QPdfWriter Escritor(Arquivo);
        Escritor.setResolution(96);
        Escritor.setPageLayout(Papel);
        QPainter Pintor(&Escritor);
        Pintor.setRenderHint(QPainter::Antialiasing);
        QFont Fonte(QStringLiteral("Arial"));
        Fonte.setPointSize(10);
        for (int Pagina = 0; Pagina < PaginasPorPdf; ++Pagina) {
            if (Pagina > 0)
                Escritor.newPage();
            for (int Coluna = 0; Coluna < VolantesPorPagina; ++Coluna) {
                const int Volante = Pagina * VolantesPorPagina + Coluna;
                Pintor.save();
                Pintor.translate(Origem + QPointF(Coluna * LarguraVolante, 0));
                Pintor.setPen(Cor);
                Pintor.setBrush(Cor);
                for (int Guia = 0; Guia < Guias; ++Guia)
                    Pintor.drawRect(QRectF(CaixaGuia(Guia)).adjusted(0.5, 0.5, -0.5, -0.5));
                for (const int Marca : MarcasDoVolante(Volante))
                    Pintor.drawEllipse(QRectF(CaixaMarca(Marca)).adjusted(0.5, 0.5, -0.5, -0.5));
                Pintor.setPen(Qt::black);
                Pintor.setFont(Fonte);
                for (int Rotulo = 0; Rotulo < static_cast<int>(CaixasRotulos.size()); ++Rotulo)
                    Pintor.drawText(CaixasRotulos[Rotulo], Qt::AlignHCenter | Qt::AlignTop,
                                    TextoRotulo(Rotulo, Volante));
                Pintor.restore();
            }
        }
    }
    RegistraResultado(State);
}
BENCHMARK(BM_RenderPdf_Relatorio_QPainter)->Unit(benchmark::kMillisecond)->UseRealTime();

class TFonteVolantes : public TFonteDados {
public:
    explicit TFonteVolantes(int Qde)
        : FQde(Qde) {}
    int QdeLinhas() const override { return FQde; }
    void PosicionaLinha(int Linha) override { FAtual = Linha; }
    int Atual() const { return FAtual; }

private:
    int FQde;
    int FAtual = 0;
};

// The same page through the engine: shapes created once, and per slip the work a template does,
// every shape back to its resting visibility, ten marks looked up by name and placed, four captions.
void BM_RenderPdf_Relatorio(benchmark::State& State) {
    GaranteAplicacao();
    QTemporaryDir Pasta;
    const QString Arquivo = Pasta.filePath(QStringLiteral("engine.pdf"));
    const QColor Cor(0, 0, 160);

    TRelatorio Relatorio;
    Relatorio.SetOrientacao(QPageLayout::Landscape);
    Relatorio.SetMargens(MargensFolha);
    TGradeDetalhe& Grade = Relatorio.CriaGradeDetalhe(QStringLiteral("RLDetailGrid1"));
    Grade.SetColCount(VolantesPorPagina);
    Grade.SetHeight(715);
    for (int Guia = 0; Guia < Guias; ++Guia) {
        TShape& Shape = Relatorio.CriaShape(QStringLiteral("SG_Guia%1").arg(Guia));
        Shape.SetBox(CaixaGuia(Guia));
        Shape.SetTag(2);
        Shape.SetCorPreenchimento(Cor);
        Shape.SetCorLinha(Cor);
    }
    for (int Marca = 0; Marca < MarcasPorVolante; ++Marca) {
        TShape& Shape = Relatorio.CriaShape(QStringLiteral("ShapeMarca%1").arg(Marca));
        Shape.SetFormato(TFormatoShape::dkElipse);
        Shape.SetBox(QRect(0, 0, 19, 13));
        Shape.SetTag(100);
        Shape.SetCorPreenchimento(Cor);
        Shape.SetCorLinha(Cor);
    }
    std::array<TRotulo*, CaixasRotulos.size()> Rotulos{};
    for (int Rotulo = 0; Rotulo < static_cast<int>(CaixasRotulos.size()); ++Rotulo) {
        Rotulos[Rotulo] = &Relatorio.CriaRotulo(QStringLiteral("Label%1").arg(Rotulo));
        Rotulos[Rotulo]->SetBox(CaixasRotulos[Rotulo]);
        Rotulos[Rotulo]->SetAlignment(TAlinhamento::Centro);
    }
    TFonteVolantes Fonte(PaginasPorPdf * VolantesPorPagina);
    Relatorio.SetFonteDados(&Fonte);
    Grade.SetAntesImprimir([&](TFonteDados&) {
        for (TComponente* Componente : Relatorio.Componentes())
            if (auto* Shape = dynamic_cast<TShape*>(Componente))
                Shape->SetVisible(Shape->Tag() == 2);
        for (const int Marca : MarcasDoVolante(Fonte.Atual())) {
            TShape* Shape = Relatorio.Componente<TShape>(QStringLiteral("ShapeMarca%1").arg(Marca));
            Shape->SetLeft(CaixaMarca(Marca).left());
            Shape->SetTop(CaixaMarca(Marca).top());
            Shape->SetVisible(true);
        }
        for (int Rotulo = 0; Rotulo < static_cast<int>(Rotulos.size()); ++Rotulo)
            Rotulos[Rotulo]->SetCaption(TextoRotulo(Rotulo, Fonte.Atual()));
    });

    for (auto _ : State) {
        const TResultadoSaida Resultado = ExportaPdf(Relatorio, Arquivo);
        if (!Resultado.Sucesso)
            State.SkipWithError(qPrintable(Resultado.Mensagem));
    }
    RegistraResultado(State);
}
BENCHMARK(BM_RenderPdf_Relatorio)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
