#include "printing/layouts/ImpressaoDuplaSena.h"

#include "printing/layouts/GeometriaVolante.h"

namespace {

constexpr int PrimeiroNumero = 1;
constexpr int UltimoNumero = 50;
constexpr int ColunasDaGrade = 10;

const TGradeVolante GradeModelo0{
    0,
    {26, 50, 74, 98, 122, 146, 170, 194, 218, 242, 266},
    188,
    {16, 8},
    {0, 7, 9},
    {8, 188, 15, 8},
    8,
    {15, 8},
    {{204, 216, 228, 241, 253}, {289, 301, 313, 326, 338}, {377, 389, 401, 414, 426}},
    {265, 351, 439},
};

const TGradeVolante GradeModelo1{
    0,
    {26, 49, 74, 99, 124, 148, 173, 198, 223, 247, 272},
    247,
    {16, 8},
    {4, 8, 9},
    {7, 247, 15, 8},
    7,
    {15, 8},
    {{263, 276, 289, 301, 313}, {352, 364, 377, 390, 402}, {440, 453, 465, 478, 490}},
    {326, 415, 503},
};

const QList<TOpcaoVolante> OpcoesModelo0{
    {"SG_QdeNumPorVolante", 471, {15, 8}, "ShapeQdeNumPorVolante", {13, 7}},
    {"SG_Surpresinha", 509, {15, 8}, "ShapeSurpresinha", {13, 7}},
    {"SG_Teimosinha", 547, {15, 8}, "ShapeTeimosinha", {13, 7}},
    {"SG_BolaoDezena", 585, {15, 8}, "ShapeBolaoDezena", {13, 7}},
    {"SG_BolaoUnidade", 600, {15, 8}, "ShapeBolaoUnidade", {13, 7}},
};

// No repeat-draw row on this model.
const QList<TOpcaoVolante> OpcoesModelo1{
    {"SG_QdeNumPorVolante", 532, {15, 8}, "ShapeQdeNumPorVolante", {13, 7}},
    {"SG_Surpresinha", 571, {15, 8}, "ShapeSurpresinha", {13, 7}},
    {"SG_BolaoDezena", 606, {15, 8}, "ShapeBolaoDezena", {13, 7}},
    {"SG_BolaoUnidade", 621, {15, 8}, "ShapeBolaoUnidade", {13, 7}},
};

// The title goes near the bottom of the slip and the identification near the top.
const std::array<TTextosVolante, 2> Textos{{
    {{23, 25}, {23, 667}, {23, 640}, {23, 128}, {8, 640}},
    {{23, 25}, {23, 673}, {23, 646}, {23, 185}, {8, 646}},
}};

constexpr int MenorQdeNumPorVolante = 6;
constexpr int MaiorQdeNumPorVolante = 15;
constexpr int MaiorSurpresinha = 7;
const QList<std::pair<int, int>> ColunasTeimosinha{{3, 1}, {6, 3}, {9, 5}, {12, 7}};
constexpr int MaiorBolao = 50;

} // namespace

void TImpressaoDuplaSena_2020::CriaTodosShapes() {
    DefineTextosVolante(*this, Textos);
    const TGradeVolante& Grade = Modelo0() ? GradeModelo0 : GradeModelo1;
    CriaGradeVolante(*this, Grade);
    CriaOpcoesVolante(*this, Grade.EsquerdaLinhas, Modelo0() ? OpcoesModelo0 : OpcoesModelo1);
    SetBox({0, 0, 13, 7});
    TImpressao::CriaTodosShapes();
}

// The fine adjustments are the same on both models.

void TImpressaoDuplaSena_2020::ImprimeNumero(int NumShape, int Numero, int NumJogo) {
    if (Numero >= PrimeiroNumero && Numero <= UltimoNumero) {
        SetColuna((Numero - 1) % ColunasDaGrade + 1);
        SetLinha((Numero - 1) / ColunasDaGrade + 1);
    }
    SetAjusteFino({2, 0});
    TImpressao::ImprimeNumero(NumShape, Numero, NumJogo);
}

void TImpressaoDuplaSena_2020::ImprimeQdeNumPorVolante() {
    const int Qde = QdeNumPorVolante();
    if (Qde >= MenorQdeNumPorVolante && Qde <= MaiorQdeNumPorVolante)
        SetColuna(Qde - MenorQdeNumPorVolante + 1);
    SetAjusteFino({1, 0});
    TImpressao::ImprimeQdeNumPorVolante();
}

void TImpressaoDuplaSena_2020::ImprimeQdeSurpresinha() {
    const int Qde = QdeSurpresinha();
    if (Qde <= 0)
        return;
    if (Qde <= MaiorSurpresinha)
        SetColuna(Qde);
    SetAjusteFino({0, 0});
    TImpressao::ImprimeQdeSurpresinha();
}

void TImpressaoDuplaSena_2020::ImprimeQdeTeimosinha() {
    const int Qde = QdeTeimosinha();
    if (!Modelo0() || Qde <= 0)
        return;
    if (const std::optional<int> Coluna = ColunaDoValor(ColunasTeimosinha, Qde))
        SetColuna(*Coluna);
    SetAjusteFino({1, 1});
    TImpressao::ImprimeQdeTeimosinha();
}

void TImpressaoDuplaSena_2020::ImprimeBolaoDezena() {
    if (const std::optional<int> Coluna = ColunaBolaoDezena(QdeBolao(), MaiorBolao)) {
        SetColuna(*Coluna);
        SetAjusteFino({1, 0});
        TImpressao::ImprimeBolaoDezena();
    }
}

void TImpressaoDuplaSena_2020::ImprimeBolaoUnidade() {
    if (const std::optional<int> Coluna = ColunaBolaoUnidade(QdeBolao(), MaiorBolao)) {
        SetColuna(*Coluna);
        SetAjusteFino({1, 0});
        TImpressao::ImprimeBolaoUnidade();
    }
}

void TImpressaoDuplaSena_2020::ImprimeBolao100() {}
