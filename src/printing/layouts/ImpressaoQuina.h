#pragma once

#include "printing/Impressao.h"

// The Quina slip, both models: model 0 "2023" with three game blocks and model 1 "Quina S.João 2023"
// with two. Each block is a grid of eight rows of ten numbers (row r holds 10(r - 1) + 1 to 10r,
// column c the numbers ending in c, column 10 those ending in 0), followed by its cancel row. Below the
// blocks lie the option rows: numbers per game (5 to 15, on eleven columns), quick pick, repeat draws
// (model 0 only) and the pool quota rows of tens and units; Quina pools stop at 50 quotas, so there is
// no 100 box.
class TImpressaoQuina : public TImpressao {
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

private:
    bool Modelo0() const { return LayoutIndex() == 0; }
    // Sets the fine adjustment of the current model.
    void AjustePorModelo(const QList<int>& Modelo0Ajuste, const QList<int>& Modelo1Ajuste);
};
