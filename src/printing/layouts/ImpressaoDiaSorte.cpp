#include "printing/layouts/ImpressaoDiaSorte.h"

#include "printing/layouts/GeometriaVolante.h"

namespace {

constexpr int PrimeiroNumero = 1;
constexpr int UltimoNumero = 31;
constexpr int PrimeiroMes = 1;
constexpr int UltimoMes = 12;
constexpr int MesesPorLinha = 6;
constexpr int MenorQdeNumPorVolante = 7;
constexpr int MaiorQdeNumPorVolante = 15;
constexpr int MaiorSurpresinha = 7;
// The quota rows hold two digits: 2 to 60 quotas.
constexpr int MenorBolao = 2;
constexpr int MaiorBolao = 60;
const QList<std::pair<int, int>> ColunasTeimosinha{{3, 1}, {6, 3}, {9, 5}, {12, 7}};

// Model 0: the column guides and the master corner only; the blocks, with their month rows, are
// created by CriaBlocosModelo0.
const TGradeVolante ColunasModelo0{
    1,
    {25, 50, 73, 98, 122, 144, 169, 193, 217, 241, 265},
    137,
    {16, 7},
    {1, 4, 5, 6, 10},
    {8, 137, 13, 7},
    8,
    {13, 7},
    {},
    {},
};

// Per game block of model 0: the four number rows, the two month rows and the cancel row.
struct TBlocoModelo0 {
    std::array<int, 4> TopoLinhas;
    std::array<int, 2> TopoMeses;
    int TopoAnula;
};

const std::array<TBlocoModelo0, 3> BlocosModelo0{{
    {{162, 174, 186, 198}, {223, 235}, 248},
    {{283, 296, 308, 320}, {345, 357}, 370},
    {{405, 417, 429, 441}, {466, 478}, 491},
}};

const TGradeVolante GradeModelo1{
    1,
    {25, 50, 74, 98, 122, 146, 170, 194, 217, 242},
    90,
    {16, 7},
    {2, 5, 6, 7},
    {9, 90, 13, 7},
    9,
    {13, 7},
    {{133, 148, 163, 178, 193}, {266, 281, 296, 311, 326}, {399, 414, 429, 444, 459}},
    {214, 347, 480},
};

// Model 1 lays the numbers out seven to a row, from column guide 2 on.
constexpr int NumerosPorLinhaModelo1 = 7;
constexpr int PrimeiraColunaModelo1 = 2;

const QList<TOpcaoVolante> OpcoesModelo0{
    {"SG_QdeNumPorVolante", 520, {13, 7}, "ShapeQdeNumPorVolante", {12, 6}},
    {"SG_Surpresinha", 552, {13, 7}, "ShapeSurpresinha", {12, 6}},
    {"SG_Teimosinha", 584, {13, 7}, "ShapeTeimosinha", {12, 6}},
    {"SG_BolaoDezena", 608, {13, 7}, "ShapeBolaoDezena", {12, 6}},
    {"SG_BolaoUnidade", 623, {13, 7}, "ShapeBolaoUnidade", {12, 6}},
};

const QList<TOpcaoVolante> OpcoesModelo1{
    {"SG_QdeNumPorVolante", 512, {13, 7}, "ShapeQdeNumPorVolante", {12, 6}},
    {"SG_Surpresinha", 548, {13, 7}, "ShapeSurpresinha", {12, 6}},
    {"SG_Teimosinha", 584, {13, 7}, "ShapeTeimosinha", {12, 6}},
    {"SG_BolaoDezena", 612, {13, 7}, "ShapeBolaoDezena", {12, 6}},
    {"SG_BolaoUnidade", 624, {13, 7}, "ShapeBolaoUnidade", {12, 6}},
};

// The quota count shares the line of the page label.
const std::array<TTextosVolante, 2> Textos{{
    {{23, 25}, {23, 90}, {23, 655}, {23, 678}, {23, 655}},
    {{23, 23}, {23, 64}, {23, 657}, {23, 680}, {23, 657}},
}};

QString Numero(int Valor) {
    return QString::number(Valor);
}

} // namespace

void TImpressaoDiaSorte::CriaTodosShapes() {
    DefineTextosVolante(*this, Textos);
    if (Modelo0()) {
        CriaGradeVolante(*this, ColunasModelo0);
        CriaBlocosModelo0();
        CriaOpcoesVolante(*this, ColunasModelo0.EsquerdaLinhas, OpcoesModelo0);
    } else {
        CriaGradeVolante(*this, GradeModelo1);
        CriaOpcoesVolante(*this, GradeModelo1.EsquerdaLinhas, OpcoesModelo1);
    }
    SetBox({0, 0, 12, 6});
    TImpressao::CriaTodosShapes();
}

void TImpressaoDiaSorte::CriaBlocosModelo0() {
    const int Esquerda = ColunasModelo0.EsquerdaLinhas;
    const auto Guia = [this, Esquerda](int Topo, const QString& Nome) {
        CriaShape({Esquerda, Topo, 13, 7}, TFormatoShape::dkRectangle, TagGuiaVisivel, Nome);
    };
    for (int Jogo = 1; Jogo <= int(BlocosModelo0.size()); ++Jogo) {
        const TBlocoModelo0& Bloco = BlocosModelo0[std::size_t(Jogo - 1)];
        const QString SufixoJogo = QStringLiteral("_Jogo") + Numero(Jogo);
        for (int Linha = 1; Linha <= int(Bloco.TopoLinhas.size()); ++Linha)
            Guia(Bloco.TopoLinhas[std::size_t(Linha - 1)],
                 QStringLiteral("SG_Lin") + Numero(Linha) + SufixoJogo);
        for (int Linha = 1; Linha <= int(Bloco.TopoMeses.size()); ++Linha)
            Guia(Bloco.TopoMeses[std::size_t(Linha - 1)],
                 QStringLiteral("SG_Lin") + Numero(Linha) + SufixoJogo + QStringLiteral("_Mes"));
        Guia(Bloco.TopoAnula, QStringLiteral("SG_Anula") + SufixoJogo);
        CriaShape({Esquerda, Bloco.TopoMeses[0], 13, 6}, TFormatoShape::dkElipse, TagMarca,
                  QStringLiteral("ShapeJogo") + Numero(Jogo) + QStringLiteral("_Mes"));
    }
}

void TImpressaoDiaSorte::ImprimeNumero(int NumShape, int Numero, int NumJogo) {
    if (Numero >= PrimeiroNumero && Numero <= UltimoNumero) {
        if (Modelo0()) {
            SetColuna((Numero - 1) % 10 + 1);
            SetLinha((Numero - 1) / 10 + 1);
        } else {
            SetColuna((Numero - 1) % NumerosPorLinhaModelo1 + PrimeiraColunaModelo1);
            SetLinha((Numero - 1) / NumerosPorLinhaModelo1 + 1);
        }
    }
    SetAjusteFino(Modelo0() ? QList<int>{2, 0} : QList<int>{3, 0});
    TImpressao::ImprimeNumero(NumShape, Numero, NumJogo);
}

void TImpressaoDiaSorte::ImprimeMes(int NumJogo, int Mes) {
    if (!Modelo0())
        return;
    // January to June on the first month row, July to December on the second, every other column.
    if (Mes >= PrimeiroMes && Mes <= UltimoMes) {
        SetColuna((Mes - 1) % MesesPorLinha * 2 + 1);
        SetLinha((Mes - 1) / MesesPorLinha + 1);
    }
    SetAjusteFino({0, 0});
    TImpressao::ImprimeMes(NumJogo, Mes);
}

void TImpressaoDiaSorte::ImprimeQdeNumPorVolante() {
    const int Qde = QdeNumPorVolante();
    if (Qde >= MenorQdeNumPorVolante && Qde <= MaiorQdeNumPorVolante)
        SetColuna(Qde - MenorQdeNumPorVolante + 1);
    SetAjusteFino({1, 0});
    TImpressao::ImprimeQdeNumPorVolante();
}

void TImpressaoDiaSorte::ImprimeQdeSurpresinha() {
    const int Qde = QdeSurpresinha();
    if (Qde <= 0)
        return;
    if (Qde <= MaiorSurpresinha)
        SetColuna(Qde);
    SetAjusteFino({0, 0});
    TImpressao::ImprimeQdeSurpresinha();
}

void TImpressaoDiaSorte::ImprimeQdeTeimosinha() {
    const int Qde = QdeTeimosinha();
    if (Qde <= 0)
        return;
    if (const std::optional<int> Coluna = ColunaDoValor(ColunasTeimosinha, Qde))
        SetColuna(*Coluna);
    SetAjusteFino({0, 0});
    TImpressao::ImprimeQdeTeimosinha();
}

// A count the slip cannot hold (above 60) is reported rather than printed as a smaller pool.
void TImpressaoDiaSorte::ImprimeBolaoDezena() {
    const int Qde = QdeBolao();
    if (Qde < 10)
        return;
    if (Qde <= MaiorBolao)
        SetColuna(Qde / 10);
    SetAjusteFino({1, 0});
    TImpressao::ImprimeBolaoDezena();
}

// One quota is no pool: that count, and any above 60, is reported.
void TImpressaoDiaSorte::ImprimeBolaoUnidade() {
    const int Qde = QdeBolao();
    if (Qde <= 0)
        return;
    if (Qde >= MenorBolao && Qde <= MaiorBolao)
        SetColuna(Qde % 10 + 1);
    SetAjusteFino({1, 0});
    TImpressao::ImprimeBolaoUnidade();
}

void TImpressaoDiaSorte::ImprimeBolao100() {}
