#pragma once

#include "report/SaidaRelatorio.h"

class QPrinter;
class TRelatorio;

// Prints every page of the report on the installed printer of that name, without a print dialog, in
// the report's paper and orientation. Fails, with the reason, when no printer has that name or the
// printer cannot start the job.
TResultadoSaida ImprimeNaImpressora(TRelatorio& Relatorio, const QString& NomeImpressora,
                                    const QString& NomeDocumento = {},
                                    const TAcompanhaPaginas& Progresso = {});

// Prints every page of the report on a printer already chosen (also a PDF-format printer), setting
// its paper and orientation to the report's and its origin to the paper's corner. When Progresso stops
// it, the job is dropped: a CUPS printer is handed nothing (the job reaches CUPS only once whole), a
// spooler that takes pages as they come is asked to abort the job, and a job printed to a file leaves
// no file.
TResultadoSaida ImprimeEm(TRelatorio& Relatorio, QPrinter& Impressora,
                          const TAcompanhaPaginas& Progresso = {});
