#include "printing/layouts/ImpressaoQuina.h"

#include "printing/layouts/GeometriaVolante.h"

namespace {

constexpr int PrimeiroNumero = 1;
constexpr int UltimoNumero = 80;
constexpr int ColunasDaGrade = 10;

const TGradeVolante GradeModelo0{
    1,
    {49, 74, 97, 122, 146, 169, 194, 218, 241, 265, 289},
    131,
    {16, 7},
    {1, 7, 10},
    {8, 131, 14, 7},
    8,
    {14, 7},
    {{144, 157, 169, 181, 193, 206, 219, 231},
     {265, 277, 289, 302, 314, 326, 339, 352},
     {386, 398, 410, 423, 435, 447, 460, 473}},
    {243, 364, 485},
};

const TGradeVolante GradeModelo1{
    1,
    {50, 75, 98, 123, 147, 170, 195, 219, 243, 267, 290},
    235,
    {16, 8},
    {7, 8, 9, 10},
    {8, 235, 14, 7},
    8,
    {14, 7},
    {{251, 264, 276, 288, 300, 313, 326, 338}, {375, 387, 400, 412, 424, 437, 450, 462}},
    {350, 474},
};

const QList<TOpcaoVolante> OpcoesModelo0{
    {"SG_QdeNumPorVolante", 512, {14, 7}, "ShapeQdeNumPorVolante", {13, 7}},
    {"SG_Surpresinha", 545, {14, 7}, "ShapeSurpresinha", {13, 7}},
    {"SG_Teimosinha", 577, {14, 7}, "ShapeTeimosinha", {13, 7}},
    {"SG_BolaoDezena", 600, {14, 7}, "ShapeBolaoDezena", {13, 7}},
    {"SG_BolaoUnidade", 616, {14, 7}, "ShapeBolaoUnidade", {13, 7}},
};

// No repeat-draw row on this model.
const QList<TOpcaoVolante> OpcoesModelo1{
    {"SG_QdeNumPorVolante", 507, {14, 7}, "ShapeQdeNumPorVolante", {13, 7}},
    {"SG_Surpresinha", 544, {14, 7}, "ShapeSurpresinha", {13, 7}},
    {"SG_BolaoDezena", 581, {14, 7}, "ShapeBolaoDezena", {13, 7}},
    {"SG_BolaoUnidade", 596, {14, 7}, "ShapeBolaoUnidade", {13, 7}},
};

// The quota count shares the line of the page label: the page is right-aligned, the count left-aligned.
const std::array<TTextosVolante, 2> Textos{{
    {{23, 25}, {23, 90}, {23, 639}, {23, 672}, {23, 639}},
    {{23, 25}, {23, 175}, {23, 626}, {23, 663}, {23, 626}},
}};

constexpr int MenorQdeNumPorVolante = 5;
constexpr int MaiorQdeNumPorVolante = 15;
const std::array<int, 2> MaiorSurpresinha{7, 8}; // by model
const QList<std::pair<int, int>> ColunasTeimosinha{{3, 2}, {6, 4}, {12, 6}, {18, 8}, {24, 10}};
constexpr int MaiorBolao = 50;

} // namespace

void TImpressaoQuina::CriaTodosShapes() {
    DefineTextosVolante(*this, Textos);
    const TGradeVolante& Grade = Modelo0() ? GradeModelo0 : GradeModelo1;
    CriaGradeVolante(*this, Grade);
    CriaOpcoesVolante(*this, Grade.EsquerdaLinhas, Modelo0() ? OpcoesModelo0 : OpcoesModelo1);
    SetBox({0, 0, 13, 7});
    TImpressao::CriaTodosShapes();
}

void TImpressaoQuina::AjustePorModelo(const QList<int>& Modelo0Ajuste, const QList<int>& Modelo1Ajuste) {
    SetAjusteFino(Modelo0() ? Modelo0Ajuste : Modelo1Ajuste);
}

void TImpressaoQuina::ImprimeNumero(int NumShape, int Numero, int NumJogo) {
    if (Numero >= PrimeiroNumero && Numero <= UltimoNumero) {
        SetColuna((Numero - 1) % ColunasDaGrade + 1);
        SetLinha((Numero - 1) / ColunasDaGrade + 1);
    }
    AjustePorModelo({2, 0}, {1, 0});
    TImpressao::ImprimeNumero(NumShape, Numero, NumJogo);
}

void TImpressaoQuina::ImprimeQdeNumPorVolante() {
    const int Qde = QdeNumPorVolante();
    if (Qde >= MenorQdeNumPorVolante && Qde <= MaiorQdeNumPorVolante)
        SetColuna(Qde - MenorQdeNumPorVolante + 1);
    AjustePorModelo({1, 1}, {1, 0});
    TImpressao::ImprimeQdeNumPorVolante();
}

void TImpressaoQuina::ImprimeQdeSurpresinha() {
    const int Qde = QdeSurpresinha();
    if (Qde <= 0)
        return;
    // Model 0 has seven quick-pick boxes: an eighth would fall beside the row.
    if (Qde <= MaiorSurpresinha[Modelo0() ? 0 : 1])
        SetColuna(Qde);
    AjustePorModelo({2, 1}, {2, 0});
    TImpressao::ImprimeQdeSurpresinha();
}

// Model 1 offers no repeat draws; a count that reached it anyway is reported, as the row is missing.
void TImpressaoQuina::ImprimeQdeTeimosinha() {
    const int Qde = QdeTeimosinha();
    if (Qde <= 0)
        return;
    if (const std::optional<int> Coluna = ColunaDoValor(ColunasTeimosinha, Qde))
        SetColuna(*Coluna);
    SetAjusteFino({2, 0});
    TImpressao::ImprimeQdeTeimosinha();
}

void TImpressaoQuina::ImprimeBolaoDezena() {
    if (const std::optional<int> Coluna = ColunaBolaoDezena(QdeBolao(), MaiorBolao)) {
        SetColuna(*Coluna);
        SetAjusteFino({1, 0});
        TImpressao::ImprimeBolaoDezena();
    }
}

void TImpressaoQuina::ImprimeBolaoUnidade() {
    if (const std::optional<int> Coluna = ColunaBolaoUnidade(QdeBolao(), MaiorBolao)) {
        SetColuna(*Coluna);
        SetAjusteFino({1, 0});
        TImpressao::ImprimeBolaoUnidade();
    }
}

void TImpressaoQuina::ImprimeBolao100() {}
