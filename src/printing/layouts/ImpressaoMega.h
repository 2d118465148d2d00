#pragma once

#include "printing/Impressao.h"

// The Mega-Sena slip, both models: model 0 "2020" and model 1 "Mega da Virada 2020". Each game block
// is a grid of six rows of ten numbers (row r holds 10(r - 1) + 1 to 10r, column c the numbers ending
// in c, column 10 those ending in 0); below the three blocks lie the option rows: numbers per game,
// quick pick, repeat draws (model 0 only) and the three pool quota rows.
class TImpressaoMega : public TImpressao {
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
    void CriaModelo0();
    void CriaModelo1();
    // Sets the fine adjustment of the current model.
    void AjustePorModelo(QList<int> Modelo0, QList<int> Modelo1);
};
