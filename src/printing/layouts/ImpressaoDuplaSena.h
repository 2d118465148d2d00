#pragma once

#include "printing/Impressao.h"

// The Dupla Sena slip, both models: model 0 "Modelo 2020" and model 1 "Modelo Páscoa 2020". Each of
// the three game blocks is a grid of five rows of ten numbers (row r holds 10(r - 1) + 1 to 10r,
// column c the numbers ending in c, column 10 those ending in 0), followed by its cancel row; the
// column guides are numbered from 0, and column 0 only carries a reading mark. Below the blocks lie
// the option rows: numbers per game, quick pick, repeat draws (model 0 only) and the pool quota rows of
// tens and units; Dupla Sena pools stop at 50 quotas, so there is no 100 box.
class TImpressaoDuplaSena_2020 : public TImpressao {
public:
    void CriaTodosShapes() override;
    void ImprimeNumero(int NumShape, int Numero, int NumJogo) override;
    void ImprimeQdeNumPorVolante() override;
    void ImprimeQdeSurpresinha() override;
    // Model 0 only: model 1 has no repeat-draw row and marks nothing, whatever the count.
    void ImprimeQdeTeimosinha() override;
    void ImprimeBolaoDezena() override;
    void ImprimeBolaoUnidade() override;
    // No 100 box on this slip: does nothing.
    void ImprimeBolao100() override;

private:
    bool Modelo0() const { return LayoutIndex() == 0; }
};
