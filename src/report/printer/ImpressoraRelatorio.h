#pragma once

#include "report/SaidaRelatorio.h"

class QPrinter;
class TRelatorio;

// Prints every page of the report on the installed printer of that name, without a print dialog, in
// the report's paper and orientation. Fails, with the reason, when no printer has that name or the
// printer cannot start the job.
TResultadoSaida ImprimeNaImpressora(TRelatorio& Relatorio, const QString& NomeImpressora,
                                    const QString& NomeDocumento = {});

// Prints every page of the report on a printer already chosen (also a PDF-format printer), setting
// its paper and orientation to the report's and its origin to the paper's corner.
TResultadoSaida ImprimeEm(TRelatorio& Relatorio, QPrinter& Impressora);
