#pragma once

#include "catalogue/Mensagem.h"
#include "printing/Impressao.h"
#include "report/SaidaRelatorio.h"
#include "tools/lote/Interrupcao.h"
#include "tools/lote/PastaTemporaria.h"
#include "tools/lote/ProgressoLote.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <utility>
#include <vector>

class TExecucaoImpressao;
struct TOpcoesLote;

// The outputs of one batch print: a PDF file, one PNG image per page, a printer. Files are drawn into
// hidden temporary folders beside their targets and moved into place only once every output has
// succeeded, so a failure leaves no output file behind (an earlier file of the same name is kept).
// SIGINT, SIGTERM and SIGHUP stop the drawing after the current page and count as a failure.
// The printer comes last among the drawings: a job sent cannot be taken back.
class TSaidasLote {
public:
    explicit TSaidasLote(const TOpcoesLote& Opcoes);
    ~TSaidasLote();
    TSaidasLote(const TSaidasLote&) = delete;
    TSaidasLote& operator=(const TSaidasLote&) = delete;

    // Draws the run on every output asked for. The engine's placement errors go to Relata while the
    // first output is drawn; the others draw the same pages and would only repeat them.
    TResultadoSaida Produz(TExecucaoImpressao& Execucao, const QString& NomeDocumento,
                           const TImpressao::TAoMensagem& Relata);

    // What was written, one line per output, for the closing summary.
    const QStringList& Resumo() const { return FResumo; }
    // What the user should know about the outputs written (pages of an earlier print left in the PNG
    // folder).
    const TMensagens& Avisos() const { return FAvisos; }

private:
    TResultadoSaida GravaPdf(TRelatorio& Relatorio, const QString& NomeDocumento);
    TResultadoSaida GravaPng(TRelatorio& Relatorio);
    TResultadoSaida Imprime(TRelatorio& Relatorio, const QString& NomeDocumento);
    // Moves the drawn files to their targets.
    TResultadoSaida Confirma();
    // Removes what Confirma already moved when a later move fails, and puts the earlier files back.
    void DesfazConfirmados();
    // The folder as Qt can be given it (its name need not be valid UTF-8), empty when it cannot be
    // opened; descriptors opened for that stay open as long as the outputs.
    QString Acessivel(const QString& Pasta);
    // Warns of page images beyond this print's last page, which a longer earlier print left.
    void AvisaPaginasAntigas();

    // First, so that the signals are noted until the temporary folders are gone.
    TInterrupcao FInterrupcao;
    TProgressoLote FProgresso{stderr, TProgressoLote::EhTerminal(stderr)};
    QString FPdf;
    QString FPastaPng;          // as asked for, and as messages show it
    QString FPastaPngAcessivel; // as the files in it are reached
    int FDpi = 96;
    QString FImpressora;

    std::unique_ptr<TPastaTemporaria> FTemporarioPdf;
    std::unique_ptr<TPastaTemporaria> FTemporarioPng;
    bool FPastaPngCriada = false;
    QStringList FPaginasPng; // file names inside the PNG folder
    QStringList FConfirmados;
    QList<std::pair<QString, QString>> FGuardados; // an earlier page put aside, and its place
    QStringList FResumo;
    TMensagens FAvisos;
    std::vector<int> FPastasAbertas;
};
