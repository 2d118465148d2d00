#pragma once

#include "printing/Impressao.h"

// The Timemania slip, model "2024 NOVO": one game of ten numbers on a grid of eight rows of ten
// (row r holds 10(r - 1) + 1 to 10r, column c the numbers ending in c, column 10 those ending in 0);
// below it the supporter's club list in three columns of 27, 27 and 26 rows, then the quick-pick,
// repeat-draw and pool-quota rows. The slip has no numbers-per-game box and no pool tens or 100 box.
class TImpressaoTimemania : public TImpressao {
public:
    void CriaTodosShapes() override;
    void ImprimeNumero(int NumShape, int Numero, int NumJogo) override;
    void ImprimeQdeNumPorVolante() override;
    void ImprimeQdeSurpresinha() override;
    void ImprimeQdeTeimosinha() override;
    void ImprimeBolaoDezena() override;
    void ImprimeBolaoUnidade() override;
    void ImprimeBolao100() override;
    void ImprimeTimeCoracao(int NumJogo, int TimeCoracao) override;
};
