#pragma once

#include "report/FonteDados.h"

class TCDSImpressao;
struct TFolhaImpressao;

// The printed store as the rows of a report: one cell per print sheet, in the store's order. The
// store is read live and must outlive the source.
class TFonteDadosImpressao : public TFonteDados {
public:
    explicit TFonteDadosImpressao(const TCDSImpressao& CDS)
        : FCDS(CDS) {}

    int QdeLinhas() const override;
    void PosicionaLinha(int Linha) override { FLinha = Linha; }

    int LinhaAtual() const { return FLinha; }
    // The sheet of the current row.
    const TFolhaImpressao& FolhaAtual() const;

private:
    const TCDSImpressao& FCDS;
    int FLinha = 0;
};
