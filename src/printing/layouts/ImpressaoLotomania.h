#pragma once

#include "printing/Impressao.h"

// The Lotomania slip, model "2025": two game blocks, each a grid of ten rows of ten numbers (row 1
// holds 01 to 10, row 10 holds 91 to 99 and then 00; column c the numbers ending in c, column 10 those
// ending in 0), followed by its cancel row. Below the blocks lie the single mirror-bet box, the quick
// pick box and the repeat-draw row. Every game has 50 numbers and there are no pools, so the slip has
// no numbers-per-game box and no quota boxes.
class TImpressaoLotomania : public TImpressao {
public:
    void CriaTodosShapes() override;
    void ImprimeNumero(int NumShape, int Numero, int NumJogo) override;
    // No numbers-per-game box: does nothing.
    void ImprimeQdeNumPorVolante() override;
    void ImprimeQdeSurpresinha() override;
    void ImprimeQdeTeimosinha() override;
    // No quota boxes: these do nothing.
    void ImprimeBolaoDezena() override;
    void ImprimeBolaoUnidade() override;
    void ImprimeBolao100() override;
    // The slip's one mirror box, whichever game asks for it.
    void ImprimeApostaEspelho(int NumJogo, bool ImprimirApostaEspelho) override;
};
