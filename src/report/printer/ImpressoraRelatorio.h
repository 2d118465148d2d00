#pragma once

#include "report/SaidaRelatorio.h"

class TRelatorio;

// Prints every page of the report on the installed printer of that name, without a print dialog, in
// the report's paper and orientation. Fails, with the reason, when no printer has that name or the
// printer cannot start the job.
TResultadoSaida ImprimeNaImpressora(TRelatorio& Relatorio, const QString& NomeImpressora,
                                    const QString& NomeDocumento = {});
