#include "printing/layouts/ImpressaoLotomania.h"

#include "printing/layouts/GeometriaVolante.h"

namespace {

constexpr int PrimeiroNumero = 0;
constexpr int UltimoNumero = 99;
constexpr int ColunasDaGrade = 10;

const TGradeVolante Grade{
    1,
    {47, 73, 97, 120, 145, 168, 193, 218, 242, 265},
    109,
    {16, 8},
    {2, 3, 8, 9},
    {8, 109, 13, 7},
    8,
    {13, 7},
    {{125, 138, 151, 165, 179, 192, 205, 218, 231, 244}, {296, 309, 323, 337, 350, 363, 376, 389, 402, 415}},
    {256, 428},
};

const QList<TOpcaoVolante> Opcoes{
    {"SG_ApostaEspelho", 494, {13, 7}, "ShapeApostaEspelho1", {13, 7}},
    {"SG_Surpresinha", 549, {13, 7}, "ShapeSurpresinha", {12, 7}},
    {"SG_Teimosinha", 601, {13, 7}, "ShapeTeimosinha", {13, 7}},
};

const QList<std::pair<int, int>> ColunasTeimosinha{{3, 1}, {6, 3}, {9, 5}, {12, 7}};

} // namespace

void TImpressaoLotomania::CriaTodosShapes() {
    // One slip model; no quota count is ever printed, so the quota label has no position.
    SetImpRelacaoJogos_E({10});
    SetImpRelacaoJogos_T({25});
    SetImpNomeModalidade_E({23});
    SetImpNomeModalidade_T({80});
    SetImpNumPagina_E({23});
    SetImpNumPagina_T({644});
    SetImpNomeModalidadeExtra_E({23});
    SetImpNomeModalidadeExtra_T({670});
    CriaGradeVolante(*this, Grade);
    CriaOpcoesVolante(*this, Grade.EsquerdaLinhas, Opcoes);
    SetBox({0, 0, 13, 7});
    TImpressao::CriaTodosShapes();
}

void TImpressaoLotomania::ImprimeNumero(int NumShape, int Numero, int NumJogo) {
    if (Numero >= PrimeiroNumero && Numero <= UltimoNumero) {
        // 00 closes the grid: last column of the last row.
        const int Unidade = Numero % ColunasDaGrade;
        SetColuna(Unidade == 0 ? ColunasDaGrade : Unidade);
        SetLinha(Numero == 0 ? ColunasDaGrade : (Numero + ColunasDaGrade - 1) / ColunasDaGrade);
    }
    SetAjusteFino(NumJogo == 1 ? QList<int>{2, 1} : QList<int>{2, 0});
    TImpressao::ImprimeNumero(NumShape, Numero, NumJogo);
}

void TImpressaoLotomania::ImprimeQdeNumPorVolante() {}

void TImpressaoLotomania::ImprimeQdeSurpresinha() {
    const int Qde = QdeSurpresinha();
    if (Qde <= 0)
        return;
    if (Qde == 1)
        SetColuna(1);
    SetAjusteFino({2, 1});
    TImpressao::ImprimeQdeSurpresinha();
}

void TImpressaoLotomania::ImprimeQdeTeimosinha() {
    const int Qde = QdeTeimosinha();
    if (Qde <= 0)
        return;
    if (const std::optional<int> Coluna = ColunaDoValor(ColunasTeimosinha, Qde))
        SetColuna(*Coluna);
    SetAjusteFino({2, 0});
    TImpressao::ImprimeQdeTeimosinha();
}

void TImpressaoLotomania::ImprimeBolaoDezena() {}

void TImpressaoLotomania::ImprimeBolaoUnidade() {}

void TImpressaoLotomania::ImprimeBolao100() {}

void TImpressaoLotomania::ImprimeApostaEspelho(int NumJogo, bool ImprimirApostaEspelho) {
    // Without the flag nothing is placed: leave the placement state reset.
    if (ImprimirApostaEspelho)
        SetAjusteFino({2, -1});
    TImpressao::ImprimeApostaEspelho(NumJogo, ImprimirApostaEspelho);
}
