#include "report/printer/ImpressoraRelatorio.h"

#include "report/Relatorio.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Printers work in report pixels, so point-size text and report pixels agree on them.
constexpr int ResolucaoImpressao = static_cast<int>(PixelsRelatorio::PorPolegada);

const QString SemPaginas = QStringLiteral("Não há páginas para imprimir.");

QString NaoIniciou(const QString& NomeImpressora) {
    return QStringLiteral("Não foi possível iniciar a impressão na impressora \"%1\".").arg(NomeImpressora);
}

} // namespace

TResultadoSaida ImprimeNaImpressora(TRelatorio& Relatorio, const QString& NomeImpressora,
                                    const QString& NomeDocumento) {
    if (Relatorio.QdePaginas() == 0)
        return TResultadoSaida::Falha(SemPaginas);
    // An unknown name would quietly turn the printer into a PDF file without a name.
    const QPrinterInfo Informacao = QPrinterInfo::printerInfo(NomeImpressora);
    if (Informacao.isNull())
        return TResultadoSaida::Falha(
            QStringLiteral("A impressora \"%1\" não foi encontrada.").arg(NomeImpressora));
    QPrinter Impressora(Informacao, QPrinter::HighResolution);
    Impressora.setDocName(NomeDocumento);
    return ImprimeEm(Relatorio, Impressora);
}

TResultadoSaida ImprimeEm(TRelatorio& Relatorio, QPrinter& Impressora) {
    if (Relatorio.QdePaginas() == 0)
        return TResultadoSaida::Falha(SemPaginas);
    Impressora.setResolution(ResolucaoImpressao);
    // Full-page mode puts the origin at the paper's corner whatever the printer's own margins: the
    // report places its margins itself, and a page layout in standard mode would undo it.
    QPageLayout Papel = Relatorio.LayoutPapel();
    Papel.setMode(QPageLayout::FullPageMode);
    Impressora.setPageLayout(Papel);
    Impressora.setFullPage(true);
    QPainter Pintor;
    if (!Pintor.begin(&Impressora))
        return TResultadoSaida::Falha(NaoIniciou(Impressora.printerName()));
    DesenhaTodasPaginas(Relatorio, Pintor, Impressora);
    if (!Pintor.end())
        return TResultadoSaida::Falha(
            QStringLiteral("Não foi possível concluir a impressão na impressora \"%1\".")
                .arg(Impressora.printerName()));
    return TResultadoSaida::Ok();
}
