#pragma once

#include "printing/Impressao.h"

// The Dia de Sorte slip, both models: model 0 "2020" and model 1 "2024", three game blocks each.
// Model 0 lays a block out as rows of ten numbers (1 to 10, 11 to 20, 21 to 30 and 31 alone) followed
// by the block's two month rows (January to June, July to December, every other column); model 1 as
// rows of seven numbers on columns 2 to 8, without month boxes. Below the blocks lie the option rows:
// numbers per game, quick pick, repeat draws and the pool quota rows of tens and units. The quota
// boxes hold at most 60 quotas, so there is no 100 box.
class TImpressaoDiaSorte : public TImpressao {
public:
    void CriaTodosShapes() override;
    void ImprimeNumero(int NumShape, int Numero, int NumJogo) override;
    void ImprimeQdeNumPorVolante() override;
    void ImprimeQdeSurpresinha() override;
    void ImprimeQdeTeimosinha() override;
    void ImprimeBolaoDezena() override;
    void ImprimeBolaoUnidade() override;
    // No 100 box on this slip: does nothing.
    void ImprimeBolao100() override;
    // The month box of one game; model 1 has none and marks nothing.
    void ImprimeMes(int NumJogo, int Mes) override;

private:
    bool Modelo0() const { return LayoutIndex() == 0; }
    void CriaBlocosModelo0();
};
