#include "printing/layouts/ImpressaoLotofacil.h"

#include "printing/layouts/GeometriaVolante.h"

namespace {

constexpr int PrimeiroNumero = 1;
constexpr int UltimoNumero = 25;
constexpr int LinhasDaGrade = 5;
// The column guide of each group of five numbers: 1 to 5, 6 to 10, ..., 21 to 25.
constexpr std::array<int, 5> ColunaDoGrupo{9, 7, 5, 3, 1};

const TGradeVolante GradeModelo0{
    1,
    {48, 72, 95, 119, 143, 168, 193, 216, 240, 266},
    160,
    {15, 10},
    {2, 3, 4, 5},
    {8, 160, 11, 10},
    8,
    {11, 10},
    {{179, 196, 213, 230, 247}, {274, 291, 308, 325, 342}, {370, 387, 404, 421, 438}},
    {},
};

const TGradeVolante GradeModelo1{
    1,
    {53, 78, 101, 126, 148, 172, 197, 220, 244, 271},
    224,
    {15, 10},
    {5, 6, 8, 9},
    {13, 224, 11, 10},
    13,
    {11, 10},
    {{243, 260, 277, 294, 311}, {338, 355, 372, 389, 406}, {433, 451, 468, 485, 502}},
    {},
};

const QList<TOpcaoVolante> OpcoesModelo0{
    {"SG_QdeNumPorVolante", 466, {11, 10}, "ShapeQdeNumPorVolante", {13, 9}},
    {"SG_Surpresinha", 496, {11, 10}, "ShapeSurpresinha", {13, 7}},
    {"SG_Teimosinha", 526, {11, 10}, "ShapeTeimosinha", {13, 7}},
    {"SG_BolaoDezena", 550, {11, 7}, "ShapeBolaoDezena", {13, 10}},
    {"SG_BolaoUnidade", 565, {11, 7}, "ShapeBolaoUnidade", {13, 10}},
    {"SG_Bolao100", 580, {11, 7}, "ShapeBolao100", {13, 10}},
};

// No repeat-draw row on this model.
const QList<TOpcaoVolante> OpcoesModelo1{
    {"SG_QdeNumPorVolante", 529, {11, 10}, "ShapeQdeNumPorVolante", {13, 7}},
    {"SG_Surpresinha", 558, {11, 10}, "ShapeSurpresinha", {13, 7}},
    {"SG_BolaoDezena", 585, {11, 7}, "ShapeBolaoDezena", {13, 7}},
    {"SG_BolaoUnidade", 600, {11, 7}, "ShapeBolaoUnidade", {13, 7}},
    {"SG_Bolao100", 614, {11, 7}, "ShapeBolao100", {13, 7}},
};

const std::array<TTextosVolante, 2> Textos{{
    {{23, 25}, {23, 120}, {23, 652}, {63, 652}, {23, 610}},
    {{23, 25}, {23, 120}, {23, 671}, {63, 647}, {23, 646}},
}};

constexpr int MenorQdeNumPorVolante = 15;
constexpr int MaiorQdeNumPorVolante = 20;
constexpr int MaiorSurpresinha = 7;
const QList<std::pair<int, int>> ColunasTeimosinha{{3, 1}, {6, 3}, {12, 5}, {18, 7}, {24, 9}};
constexpr int MaiorBolao = 100; // marked by the 100 box alone

} // namespace

void TImpressaoLotofacil::CriaTodosShapes() {
    DefineTextosVolante(*this, Textos);
    if (Modelo0()) {
        CriaGradeVolante(*this, GradeModelo0);
        CriaOpcoesVolante(*this, GradeModelo0.EsquerdaLinhas, OpcoesModelo0);
        SetBox({0, 0, 15, 7});
    } else {
        CriaGradeVolante(*this, GradeModelo1);
        CriaOpcoesVolante(*this, GradeModelo1.EsquerdaLinhas, OpcoesModelo1);
        SetBox({0, 0, 15, 10});
    }
    TImpressao::CriaTodosShapes();
}

void TImpressaoLotofacil::AjustePorModelo(const QList<int>& Modelo0Ajuste, const QList<int>& Modelo1Ajuste) {
    SetAjusteFino(Modelo0() ? Modelo0Ajuste : Modelo1Ajuste);
}

void TImpressaoLotofacil::ImprimeNumero(int NumShape, int Numero, int NumJogo) {
    if (Numero >= PrimeiroNumero && Numero <= UltimoNumero) {
        SetColuna(ColunaDoGrupo[std::size_t((Numero - 1) / LinhasDaGrade)]);
        SetLinha((Numero - 1) % LinhasDaGrade + 1);
    }
    SetAjusteFino({1, 0});
    TImpressao::ImprimeNumero(NumShape, Numero, NumJogo);
}

void TImpressaoLotofacil::ImprimeQdeNumPorVolante() {
    const int Qde = QdeNumPorVolante();
    if (Qde >= MenorQdeNumPorVolante && Qde <= MaiorQdeNumPorVolante)
        SetColuna(Qde - MenorQdeNumPorVolante + 1);
    AjustePorModelo({0, 1}, {0, 4});
    TImpressao::ImprimeQdeNumPorVolante();
}

void TImpressaoLotofacil::ImprimeQdeSurpresinha() {
    const int Qde = QdeSurpresinha();
    if (Qde <= 0)
        return;
    if (Qde <= MaiorSurpresinha)
        SetColuna(Qde);
    SetAjusteFino({0, 1});
    TImpressao::ImprimeQdeSurpresinha();
}

// Model 1 offers no repeat draws; a count that reached it anyway is reported, as the row is missing.
void TImpressaoLotofacil::ImprimeQdeTeimosinha() {
    const int Qde = QdeTeimosinha();
    if (Qde <= 0)
        return;
    if (const std::optional<int> Coluna = ColunaDoValor(ColunasTeimosinha, Qde))
        SetColuna(*Coluna);
    SetAjusteFino({0, 1});
    TImpressao::ImprimeQdeTeimosinha();
}

void TImpressaoLotofacil::ImprimeBolaoDezena() {
    if (const std::optional<int> Coluna = ColunaBolaoDezena(QdeBolao(), MaiorBolao)) {
        SetColuna(*Coluna);
        AjustePorModelo({0, 1}, {1, 0});
        TImpressao::ImprimeBolaoDezena();
    }
}

void TImpressaoLotofacil::ImprimeBolaoUnidade() {
    if (const std::optional<int> Coluna = ColunaBolaoUnidade(QdeBolao(), MaiorBolao)) {
        SetColuna(*Coluna);
        AjustePorModelo({1, 0}, {0, 1});
        TImpressao::ImprimeBolaoUnidade();
    }
}

void TImpressaoLotofacil::ImprimeBolao100() {
    if (QdeBolao() != MaiorBolao)
        return;
    SetColuna(1);
    AjustePorModelo({0, 0}, {1, 0});
    TImpressao::ImprimeBolao100();
}
