#pragma once

#include "printing/Impressao.h"

// The +Milionária slip, both models. Each game's grid has ten rows of five numbers (row r holds
// 5(r - 1) + 1 to 5r, column c the numbers whose remainder by 5 is c, column 5 the multiples of 5)
// and six clovers.
// - Model 0 "Modelo 2022", a wide slip: the four games' grids side by side in one band, six columns
//   apart, sharing their rows; each game's clovers in two rows of three below its grid; below them
//   the option rows, two of which hold two options each (clover count and quick pick; pool units and
//   repeat draws).
// - Model 1 "Modelo 2023", a tall slip: two games one above the other, each with its clovers in three
//   rows of two beside its grid; the option rows at the bottom.
// The clover marks are placed by the engine's ImprimeTrevo; this layout creates them.
class TImpressaoMaisMilionaria : public TImpressao {
public:
    void CriaTodosShapes() override;
    void ImprimeNumero(int NumShape, int Numero, int NumJogo) override;
    void ImprimeQdeNumPorVolante() override;
    void ImprimeQdeSurpresinha() override;
    void ImprimeQdeTeimosinha() override;
    void ImprimeBolaoDezena() override;
    void ImprimeBolaoUnidade() override;
    void ImprimeBolao100() override;
    void ImprimeQdeTrevo() override;

private:
    bool Modelo0() const { return LayoutIndex() == 0; }
    void CriaModelo0();
    void CriaModelo1();
    // The option guides of the current model, each followed by its mark.
    void CriaOpcoes(int Esquerda, int LarguraGuia);
    void CriaTrevos(int QdeJogos, const QList<int>& Box);
    // Sets the fine adjustment of the current model.
    void AjustePorModelo(const QList<int>& Modelo0Ajuste, const QList<int>& Modelo1Ajuste);
};
