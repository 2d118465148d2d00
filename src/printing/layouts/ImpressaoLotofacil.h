#pragma once

#include "printing/Impressao.h"

// The Lotofácil slip, both models: model 0 "Mod 2023" and model 1 "Mod 2023 Indep". Each game block is
// a grid of five rows by five number columns: the numbers 1 to 5 fill the ninth column guide from row 1
// to row 5, 6 to 10 the seventh, and so on down to 21 to 25 on the first; only the odd column guides
// carry numbers. Below the three blocks lie the option rows: numbers per game, quick pick, repeat draws
// (model 0 only) and the three pool quota rows (tens, units, 100).
class TImpressaoLotofacil : public TImpressao {
public:
    void CriaTodosShapes() override;
    void ImprimeNumero(int NumShape, int Numero, int NumJogo) override;
    void ImprimeQdeNumPorVolante() override;
    void ImprimeQdeSurpresinha() override;
    void ImprimeQdeTeimosinha() override;
    void ImprimeBolaoDezena() override;
    void ImprimeBolaoUnidade() override;
    void ImprimeBolao100() override;

private:
    bool Modelo0() const { return LayoutIndex() == 0; }
    // Sets the fine adjustment of the current model.
    void AjustePorModelo(const QList<int>& Modelo0Ajuste, const QList<int>& Modelo1Ajuste);
};
