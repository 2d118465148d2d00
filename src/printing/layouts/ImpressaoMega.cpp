#include "printing/layouts/ImpressaoMega.h"

#include <array>

namespace {

constexpr int PrimeiroNumero = 1;
constexpr int UltimoNumero = 60;
constexpr int ColunasDaGrade = 10;

// Where one model's boxes lie, in report pixels from the slip cell's corner.
struct TGeometriaMega {
    int TopoColunas;
    std::array<int, 11> EsquerdaColunas; // SG_Col0 .. SG_Col10
    QList<int> ColunasGuia;              // columns drawn as guide marks (tag 2)
    QList<int> BoxMaster;
    int EsquerdaLinhas;
    int LarguraLinhas;
    int AlturaAnula;
    std::array<std::array<int, 7>, 3> TopoLinhas; // per game: rows 1 to 6, then the cancel row
};

const TGeometriaMega Modelo0Geometria{
    173,
    {24, 48, 72, 97, 120, 145, 168, 194, 218, 243, 267},
    {0, 5, 7},
    {8, 173, 12, 7},
    8,
    12,
    6,
    {{{188, 202, 214, 226, 239, 251, 263},
      {284, 296, 309, 321, 333, 345, 358},
      {379, 391, 403, 416, 428, 440, 452}}},
};

const TGeometriaMega Modelo1Geometria{
    217,
    {23, 46, 70, 92, 117, 140, 163, 188, 211, 236, 259},
    {0, 5, 7, 9},
    {6, 217, 13, 7},
    6,
    13,
    7,
    {{{230, 243, 255, 267, 279, 292, 304},
      {320, 332, 344, 357, 369, 381, 393},
      {408, 420, 432, 444, 457, 469, 481}}},
};

// An option row: its guide, its top and its mark (none for the second numbers-per-game row of model 1).
struct TOpcaoMega {
    const char* Guia;
    int Topo;
    const char* Marca;
    int AlturaMarca;
};

const std::array<TOpcaoMega, 6> OpcoesModelo0{{
    {"SG_QdeNumPorVolante", 480, "ShapeQdeNumPorVolante", 6},
    {"SG_Surpresinha", 516, "ShapeSurpresinha", 6},
    {"SG_Teimosinha", 555, "ShapeTeimosinha", 6},
    {"SG_BolaoDezena", 587, "ShapeBolaoDezena", 7},
    {"SG_BolaoUnidade", 599, "ShapeBolaoUnidade", 7},
    {"SG_Bolao100", 612, "ShapeBolao100", 7},
}};

const std::array<TOpcaoMega, 6> OpcoesModelo1{{
    {"SG_QdeNumPorVolante", 505, "ShapeQdeNumPorVolante", 6},
    {"SG_QdeNumPorVolante1", 517, nullptr, 0},
    {"SG_Surpresinha", 549, "ShapeSurpresinha", 6},
    {"SG_BolaoDezena", 577, "ShapeBolaoDezena", 6},
    {"SG_BolaoUnidade", 589, "ShapeBolaoUnidade", 6},
    {"SG_Bolao100", 601, "ShapeBolao100", 6},
}};

constexpr int LarguraColunas = 16;
constexpr int AlturaGuias = 7;
constexpr int LarguraMarcaOpcao = 13;

QString Nome(const char* Texto) {
    return QString::fromLatin1(Texto);
}

} // namespace

void TImpressaoMega::CriaTodosShapes() {
    // Texts: the same places on both models.
    SetImpRelacaoJogos_E({23, 23});
    SetImpRelacaoJogos_T({25, 25});
    SetImpNomeModalidade_E({23, 23});
    SetImpNomeModalidade_T({120, 120});
    SetImpNumPagina_E({43, 43});
    SetImpNumPagina_T({639, 639});
    SetImpNomeModalidadeExtra_E({23, 23});
    SetImpNomeModalidadeExtra_T({671, 671});
    SetImpQdeCotas_E({23, 23});
    SetImpQdeCotas_T({639, 639});

    const TGeometriaMega& Geometria = Modelo0() ? Modelo0Geometria : Modelo1Geometria;
    for (int Coluna = 0; Coluna <= ColunasDaGrade; ++Coluna)
        CriaShape({Geometria.EsquerdaColunas[std::size_t(Coluna)], Geometria.TopoColunas, LarguraColunas,
                   AlturaGuias},
                  TFormatoShape::dkRectangle,
                  Geometria.ColunasGuia.contains(Coluna) ? TagGuiaVisivel : TagGuiaOculta,
                  QStringLiteral("SG_Col") + QString::number(Coluna));
    CriaShape(Geometria.BoxMaster, TFormatoShape::dkRectangle, TagGuiaVisivel, QStringLiteral("SG_Master"));
    for (int Jogo = 1; Jogo <= 3; ++Jogo) {
        const auto& Topos = Geometria.TopoLinhas[std::size_t(Jogo - 1)];
        const QString SufixoJogo = QStringLiteral("_Jogo") + QString::number(Jogo);
        for (int Linha = 1; Linha <= 6; ++Linha)
            CriaShape({Geometria.EsquerdaLinhas, Topos[std::size_t(Linha - 1)], Geometria.LarguraLinhas,
                       AlturaGuias},
                      TFormatoShape::dkRectangle, TagGuiaVisivel,
                      QStringLiteral("SG_Lin") + QString::number(Linha) + SufixoJogo);
        CriaShape({Geometria.EsquerdaLinhas, Topos[6], Geometria.LarguraLinhas, Geometria.AlturaAnula},
                  TFormatoShape::dkRectangle, TagGuiaVisivel, QStringLiteral("SG_Anula") + SufixoJogo);
    }
    for (const TOpcaoMega& Opcao : Modelo0() ? OpcoesModelo0 : OpcoesModelo1) {
        CriaShape({Geometria.EsquerdaLinhas, Opcao.Topo, Geometria.LarguraLinhas, AlturaGuias},
                  TFormatoShape::dkRectangle, TagGuiaVisivel, Nome(Opcao.Guia));
        if (Opcao.Marca)
            CriaShape({Geometria.EsquerdaLinhas, Opcao.Topo, LarguraMarcaOpcao, Opcao.AlturaMarca},
                      TFormatoShape::dkElipse, TagMarca, Nome(Opcao.Marca));
    }
    SetBox({0, 0, 13, 7});
    TImpressao::CriaTodosShapes();
}

void TImpressaoMega::AjustePorModelo(QList<int> Modelo0Ajuste, QList<int> Modelo1Ajuste) {
    SetAjusteFino(Modelo0() ? Modelo0Ajuste : Modelo1Ajuste);
}

void TImpressaoMega::ImprimeNumero(int NumShape, int Numero, int NumJogo) {
    if (Numero >= PrimeiroNumero && Numero <= UltimoNumero) {
        SetColuna((Numero - 1) % ColunasDaGrade + 1);
        SetLinha((Numero - 1) / ColunasDaGrade + 1);
    }
    AjustePorModelo({2, -1}, {2, 0});
    TImpressao::ImprimeNumero(NumShape, Numero, NumJogo);
}

void TImpressaoMega::ImprimeQdeNumPorVolante() {
    const int Qde = QdeNumPorVolante();
    AjustePorModelo({1, 0}, {2, 0});
    if (Qde >= 6 && Qde <= 15) {
        SetColuna(Qde - 5);
    } else if (!Modelo0() && Qde >= 16 && Qde <= 20) {
        // Model 1 has a second row for 16 to 20 numbers; it shares the row's single mark.
        SetColuna(Qde - 15);
        ImprimeNaColuna(QStringLiteral("SG_QdeNumPorVolante1"), QStringLiteral("ShapeQdeNumPorVolante"));
        return;
    }
    TImpressao::ImprimeQdeNumPorVolante();
}

void TImpressaoMega::ImprimeQdeSurpresinha() {
    const int Qde = QdeSurpresinha();
    if (Qde <= 0)
        return;
    if (Qde <= 7)
        SetColuna(Qde);
    AjustePorModelo({1, 0}, {0, 0});
    TImpressao::ImprimeQdeSurpresinha();
}

void TImpressaoMega::ImprimeQdeTeimosinha() {
    const int Qde = QdeTeimosinha();
    if (!Modelo0() || Qde <= 0)
        return;
    if (Qde == 2 || Qde == 4 || Qde == 8)
        SetColuna(Qde == 2 ? 1 : Qde == 4 ? 3 : 5);
    SetAjusteFino({0, 0});
    TImpressao::ImprimeQdeTeimosinha();
}

void TImpressaoMega::ImprimeBolaoDezena() {
    const int Qde = QdeBolao();
    if (Qde < 10 || Qde > 99)
        return;
    SetColuna(Qde / 10);
    SetAjusteFino({1, 0});
    TImpressao::ImprimeBolaoDezena();
}

void TImpressaoMega::ImprimeBolaoUnidade() {
    const int Qde = QdeBolao();
    if (Qde < 2 || Qde > 99)
        return;
    SetColuna(Qde % 10 + 1);
    SetAjusteFino({1, 0});
    TImpressao::ImprimeBolaoUnidade();
}

void TImpressaoMega::ImprimeBolao100() {
    if (QdeBolao() != 100)
        return;
    SetColuna(1);
    SetAjusteFino({1, 0});
    TImpressao::ImprimeBolao100();
}
