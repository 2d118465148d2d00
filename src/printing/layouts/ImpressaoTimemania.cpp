#include "printing/layouts/ImpressaoTimemania.h"

#include <algorithm>
#include <array>

namespace {

constexpr int PrimeiroNumero = 1;
constexpr int UltimoNumero = 80;
constexpr int ColunasDaGrade = 10;
constexpr int LinhasDaGrade = 8;

// Column guides SG_Col0 .. SG_Col11: the number columns 1 to 10; the club list in columns 0, 4 and 8;
// the option rows in columns 3 to 11.
constexpr int TopoColunas = 84;
constexpr int LarguraColunas = 15;
constexpr int AlturaColunas = 9;
constexpr std::array<int, 12> EsquerdaColunas{30, 53, 78, 102, 127, 151, 175, 199, 224, 249, 273, 297};
constexpr std::array<int, 4> ColunasGuia{4, 5, 6, 10}; // drawn as guide marks

// Row guides, all on the slip's left edge.
constexpr int EsquerdaLinhas = 13;
constexpr int LarguraLinhas = 12;
constexpr int AlturaLinhas = 10;
constexpr int TopoMaster = 84;
constexpr std::array<int, LinhasDaGrade> TopoLinhasJogo{97, 111, 125, 139, 153, 167, 181, 195};
constexpr std::array<int, 27> TopoLinhasTime{222, 236, 250, 264, 278, 292, 306, 319, 333, //
                                             347, 361, 375, 389, 403, 417, 431, 445, 458, //
                                             471, 485, 499, 513, 527, 540, 554, 568, 581};
constexpr int TopoSurpresinha = 598;
constexpr int TopoTeimosinha = 611;
constexpr int TopoBolaoUnidade = 636;

// The club list: three columns of 27, 27 and 26 clubs, filled down each column in turn.
constexpr int TimesPorColuna = 27;
constexpr std::array<int, 3> ColunasDosTimes{0, 4, 8};
constexpr int UltimoTime = 80;

constexpr int MaiorSurpresinha = 9;
constexpr int MaiorBolao = 9;

QString Numero(int Valor) {
    return QString::number(Valor);
}

} // namespace

void TImpressaoTimemania::CriaTodosShapes() {
    // One model: only the first entry of each text position is read.
    SetImpRelacaoJogos_E({23});
    SetImpRelacaoJogos_T({25});
    SetImpNomeModalidade_E({23});
    SetImpNomeModalidade_T({40});
    SetImpNumPagina_E({23});
    SetImpNumPagina_T({656});
    SetImpNomeModalidadeExtra_E({23});
    SetImpNomeModalidadeExtra_T({681});
    SetImpQdeCotas_E({20});
    SetImpQdeCotas_T({656});

    for (int Coluna = 0; Coluna < int(EsquerdaColunas.size()); ++Coluna) {
        const bool Guia = std::find(ColunasGuia.begin(), ColunasGuia.end(), Coluna) != ColunasGuia.end();
        CriaShape({EsquerdaColunas[std::size_t(Coluna)], TopoColunas, LarguraColunas, AlturaColunas},
                  TFormatoShape::dkRectangle, Guia ? TagGuiaVisivel : TagGuiaOculta,
                  QStringLiteral("SG_Col") + Numero(Coluna));
    }

    const auto CriaLinha = [this](int Topo, const QString& Nome) {
        CriaShape({EsquerdaLinhas, Topo, LarguraLinhas, AlturaLinhas}, TFormatoShape::dkRectangle,
                  TagGuiaVisivel, Nome);
    };
    const auto CriaMarca = [this](int Topo, int Largura, int Altura, const QString& Nome) {
        CriaShape({EsquerdaLinhas, Topo, Largura, Altura}, TFormatoShape::dkElipse, TagMarca, Nome);
    };
    CriaLinha(TopoMaster, QStringLiteral("SG_Master"));
    for (int Linha = 1; Linha <= LinhasDaGrade; ++Linha)
        CriaLinha(TopoLinhasJogo[std::size_t(Linha - 1)],
                  QStringLiteral("SG_Lin") + Numero(Linha) + QStringLiteral("_Jogo1"));
    for (int Linha = 1; Linha <= int(TopoLinhasTime.size()); ++Linha)
        CriaLinha(TopoLinhasTime[std::size_t(Linha - 1)],
                  QStringLiteral("SG_Lin") + Numero(Linha) + QStringLiteral("_Time"));
    CriaLinha(TopoSurpresinha, QStringLiteral("SG_Surpresinha"));
    CriaMarca(TopoSurpresinha, 13, 7, QStringLiteral("ShapeSurpresinha"));
    CriaLinha(TopoTeimosinha, QStringLiteral("SG_Teimosinha"));
    CriaMarca(TopoTeimosinha, 13, 8, QStringLiteral("ShapeTeimosinha"));
    CriaMarca(TopoSurpresinha, 11, 8, QStringLiteral("ShapeTimeCoracao"));
    CriaLinha(TopoBolaoUnidade, QStringLiteral("SG_BolaoUnidade"));
    CriaMarca(TopoBolaoUnidade, 13, 6, QStringLiteral("ShapeBolaoUnidade"));

    SetBox({0, 0, 13, 8});
    TImpressao::CriaTodosShapes();
}

void TImpressaoTimemania::ImprimeNumero(int NumShape, int Numero, int NumJogo) {
    if (Numero >= PrimeiroNumero && Numero <= UltimoNumero) {
        SetColuna((Numero - 1) % ColunasDaGrade + 1);
        SetLinha((Numero - 1) / ColunasDaGrade + 1);
    }
    SetAjusteFino({2, 1});
    TImpressao::ImprimeNumero(NumShape, Numero, NumJogo);
}

// Every game has ten numbers: the slip has no box for the count.
void TImpressaoTimemania::ImprimeQdeNumPorVolante() {}

void TImpressaoTimemania::ImprimeQdeSurpresinha() {
    const int Qde = QdeSurpresinha();
    if (Qde <= 0)
        return;
    if (Qde <= MaiorSurpresinha)
        SetColuna(Qde + 2);
    SetAjusteFino({1, 0});
    TImpressao::ImprimeQdeSurpresinha();
}

void TImpressaoTimemania::ImprimeQdeTeimosinha() {
    const int Qde = QdeTeimosinha();
    if (Qde <= 0)
        return;
    // 3, 6, 9 and 12 draws lie in columns 3 to 6.
    if (Qde % 3 == 0 && Qde <= 12)
        SetColuna(Qde / 3 + 2);
    SetAjusteFino({1, 0});
    TImpressao::ImprimeQdeTeimosinha();
}

// A pool has at most nine quotas: the slip has only the units row.
void TImpressaoTimemania::ImprimeBolaoDezena() {}

void TImpressaoTimemania::ImprimeBolaoUnidade() {
    const int Qde = QdeBolao();
    if (Qde <= 0)
        return;
    if (Qde >= 2 && Qde <= MaiorBolao)
        SetColuna(Qde + 1);
    SetAjusteFino({1, 1});
    TImpressao::ImprimeBolaoUnidade();
}

void TImpressaoTimemania::ImprimeBolao100() {}

void TImpressaoTimemania::ImprimeTimeCoracao(int NumJogo, int TimeCoracao) {
    if (TimeCoracao >= 1 && TimeCoracao <= UltimoTime) {
        const int Indice = TimeCoracao - 1;
        SetColuna(ColunasDosTimes[std::size_t(Indice / TimesPorColuna)]);
        SetLinha(Indice % TimesPorColuna + 1);
    }
    SetAjusteFino({2, 1});
    TImpressao::ImprimeTimeCoracao(NumJogo, TimeCoracao);
}
