#include "report/printer/ImpressoraRelatorio.h"

#include "report/Relatorio.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Printers work in report pixels, so point-size text and report pixels agree on them.
constexpr int ResolucaoImpressao = static_cast<int>(PixelsRelatorio::PorPolegada);

} // namespace

TResultadoSaida ImprimeNaImpressora(TRelatorio& Relatorio, const QString& NomeImpressora,
                                    const QString& NomeDocumento) {
    if (Relatorio.QdePaginas() == 0)
        return TResultadoSaida::Falha(QStringLiteral("Não há páginas para imprimir."));
    // An unknown name would quietly turn the printer into a PDF file without a name.
    const QPrinterInfo Informacao = QPrinterInfo::printerInfo(NomeImpressora);
    if (Informacao.isNull())
        return TResultadoSaida::Falha(
            QStringLiteral("A impressora \"%1\" não foi encontrada.").arg(NomeImpressora));
    QPrinter Impressora(Informacao, QPrinter::HighResolution);
    Impressora.setResolution(ResolucaoImpressao);
    Impressora.setFullPage(true); // the origin at the paper's corner; the report places its own margins
    Impressora.setPageLayout(Relatorio.LayoutPapel());
    Impressora.setDocName(NomeDocumento);
    QPainter Pintor;
    if (!Pintor.begin(&Impressora))
        return TResultadoSaida::Falha(
            QStringLiteral("Não foi possível iniciar a impressão na impressora \"%1\".").arg(NomeImpressora));
    DesenhaTodasPaginas(Relatorio, Pintor, Impressora);
    if (!Pintor.end())
        return TResultadoSaida::Falha(
            QStringLiteral("Não foi possível concluir a impressão na impressora \"%1\".")
                .arg(NomeImpressora));
    return TResultadoSaida::Ok();
}
