#include "report/printer/ImpressoraRelatorio.h"

#include "report/Relatorio.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <optional>

#if defined(CARTELIM_FILA_CUPS)
#include <cups/cups.h>
#endif

namespace {

// Printers work in report pixels, so point-size text and report pixels agree on them.
constexpr int ResolucaoImpressao = static_cast<int>(PixelsRelatorio::PorPolegada);

const QString SemPaginas = QStringLiteral("Não há páginas para imprimir.");

QString NaoIniciou(const QString& NomeImpressora) {
    return QStringLiteral("Não foi possível iniciar a impressão na impressora \"%1\".").arg(NomeImpressora);
}

QString NaoConcluiu(const QString& NomeImpressora) {
    return QStringLiteral("Não foi possível concluir a impressão na impressora \"%1\".").arg(NomeImpressora);
}

#if defined(CARTELIM_FILA_CUPS)

// A job for a CUPS printer: Qt hands CUPS the whole job when the painter ends, whatever was drawn, and
// cannot abort it. The printer writes into a file of this job instead, and Envia hands the file to
// the spooler with the options Qt gives a job of its own; a job never sent is removed unseen.
class TTrabalhoCups {
public:
    static bool Usa(const QPrinter& Impressora) {
        return Impressora.outputFormat() == QPrinter::NativeFormat && Impressora.outputFileName().isEmpty();
    }

    explicit TTrabalhoCups(QPrinter& Impressora)
        : FImpressora(Impressora)
        , FArquivo(QDir::temp().filePath(QStringLiteral("cartelim-trabalho-XXXXXX"))) {
        // A name without the ".pdf" ending keeps the printer's own engine, paper and margins.
        if (FArquivo.open()) {
            FArquivo.close();
            FImpressora.setOutputFileName(FArquivo.fileName());
        }
    }
    ~TTrabalhoCups() { FImpressora.setOutputFileName(QString()); }
    TTrabalhoCups(const TTrabalhoCups&) = delete;
    TTrabalhoCups& operator=(const TTrabalhoCups&) = delete;

    bool Pronto() const { return !FImpressora.outputFileName().isEmpty(); }

    // Hands the complete job to the spooler; false, with the spooler's reason, when it refuses it.
    bool Envia(QString& Erro) {
        const QPageLayout Papel = FImpressora.pageLayout();
        QList<std::pair<QByteArray, QByteArray>> Opcoes = {
            {"media", Papel.pageSize().key().toLocal8Bit()},
            {"sides", "one-sided"},
        };
        if (Papel.orientation() == QPageLayout::Landscape)
            Opcoes.append(std::pair<QByteArray, QByteArray>("landscape", ""));
        QList<cups_option_t> OpcoesCups;
        for (auto& [Nome, Valor] : Opcoes)
            OpcoesCups.append(cups_option_t{Nome.data(), Valor.data()});
        // CUPS names the queue without the instance after a slash.
        const QByteArray Fila = FImpressora.printerName().section(QLatin1Char('/'), 0, 0).toLocal8Bit();
        const QByteArray Caminho = QFile::encodeName(FArquivo.fileName());
        const QByteArray Titulo = FImpressora.docName().toLocal8Bit();
        if (cupsPrintFile(Fila.constData(), Caminho.constData(), Titulo.constData(), int(OpcoesCups.size()),
                          OpcoesCups.data()) != 0)
            return true;
        Erro = QString::fromLocal8Bit(cupsLastErrorString());
        return false;
    }

private:
    QPrinter& FImpressora;
    QTemporaryFile FArquivo;
};

#endif

} // namespace

TResultadoSaida ImprimeNaImpressora(TRelatorio& Relatorio, const QString& NomeImpressora,
                                    const QString& NomeDocumento, const TAcompanhaPaginas& Progresso) {
    if (Relatorio.QdePaginas() == 0)
        return TResultadoSaida::Falha(SemPaginas);
    // An unknown name would quietly turn the printer into a PDF file without a name.
    const QPrinterInfo Informacao = QPrinterInfo::printerInfo(NomeImpressora);
    if (Informacao.isNull())
        return TResultadoSaida::Falha(
            QStringLiteral("A impressora \"%1\" não foi encontrada.").arg(NomeImpressora));
    QPrinter Impressora(Informacao, QPrinter::HighResolution);
    Impressora.setDocName(NomeDocumento);
    return ImprimeEm(Relatorio, Impressora, Progresso);
}

TResultadoSaida ImprimeEm(TRelatorio& Relatorio, QPrinter& Impressora, const TAcompanhaPaginas& Progresso) {
    if (Relatorio.QdePaginas() == 0)
        return TResultadoSaida::Falha(SemPaginas);
    Impressora.setResolution(ResolucaoImpressao);
    // Full-page mode puts the origin at the paper's corner whatever the printer's own margins: the
    // report places its margins itself, and a page layout in standard mode would undo it.
    QPageLayout Papel = Relatorio.LayoutPapel();
    Papel.setMode(QPageLayout::FullPageMode);
    Impressora.setPageLayout(Papel);
    Impressora.setFullPage(true);
#if defined(CARTELIM_FILA_CUPS)
    std::optional<TTrabalhoCups> Trabalho;
    if (TTrabalhoCups::Usa(Impressora)) {
        Trabalho.emplace(Impressora);
        if (!Trabalho->Pronto())
            return TResultadoSaida::Falha(NaoIniciou(Impressora.printerName()));
    }
#endif
    QPainter Pintor;
    if (!Pintor.begin(&Impressora))
        return TResultadoSaida::Falha(NaoIniciou(Impressora.printerName()));
    const bool Completo = DesenhaTodasPaginas(Relatorio, Pintor, Impressora, Progresso);
    // A spooler that takes the pages as they come drops the job where it can. Files and the preview
    // are not asked: their engines cannot abort (the preview's would free its pages twice).
    if (!Completo && Impressora.outputFormat() == QPrinter::NativeFormat &&
        Impressora.outputFileName().isEmpty())
        Impressora.abort();
    const bool Terminado = Pintor.end();
    if (!Completo) {
        // A job printed to a file of the caller's leaves no half of itself behind.
        if (!Impressora.outputFileName().isEmpty())
            QFile::remove(Impressora.outputFileName());
        return TResultadoSaida::Cancelamento(MensagemInterrompida());
    }
    if (!Terminado)
        return TResultadoSaida::Falha(NaoConcluiu(Impressora.printerName()));
#if defined(CARTELIM_FILA_CUPS)
    QString Erro;
    if (Trabalho && !Trabalho->Envia(Erro))
        return TResultadoSaida::Falha(NaoConcluiu(Impressora.printerName()) + u'\n' + Erro);
#endif
    return TResultadoSaida::Ok();
}
