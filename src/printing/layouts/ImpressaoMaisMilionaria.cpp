#include "printing/layouts/ImpressaoMaisMilionaria.h"

#include <algorithm>
#include <array>

namespace {

constexpr int PrimeiroNumero = 1;
constexpr int UltimoNumero = 50;
constexpr int ColunasDaGrade = 5;
constexpr int LinhasDaGrade = 10;
constexpr int QdeTrevos = 6;

// Model 0: the four games' grids lie six columns apart, columns 0, 6, 12 and 18 between them.
constexpr int ColunasEntreJogos = 6;

// One option row: the name after "SG_" (its guide) and after "Shape" (its mark), its top and the
// guide's tag. Of the two options that share a row of the wide slip only one guide is drawn.
struct TOpcao {
    const char* Nome;
    int Topo;
    int Tag;
};

constexpr std::array<TOpcao, 7> OpcoesModelo0{{
    {"QdeNumPorVolante", 339, TImpressao::TagGuiaVisivel},
    {"QdeTrevo", 349, TImpressao::TagGuiaVisivel},
    {"Surpresinha", 349, TImpressao::TagGuiaOculta},
    {"BolaoDezena", 380, TImpressao::TagGuiaVisivel},
    {"BolaoUnidade", 390, TImpressao::TagGuiaVisivel},
    {"Teimosinha", 390, TImpressao::TagGuiaOculta},
    {"Bolao100", 400, TImpressao::TagGuiaVisivel},
}};

constexpr std::array<TOpcao, 7> OpcoesModelo1{{
    {"QdeNumPorVolante", 470, TImpressao::TagGuiaVisivel},
    {"QdeTrevo", 481, TImpressao::TagGuiaVisivel},
    {"Surpresinha", 517, TImpressao::TagGuiaVisivel},
    {"Teimosinha", 554, TImpressao::TagGuiaVisivel},
    {"BolaoDezena", 583, TImpressao::TagGuiaVisivel},
    {"BolaoUnidade", 594, TImpressao::TagGuiaVisivel},
    {"Bolao100", 605, TImpressao::TagGuiaVisivel},
}};

constexpr int LarguraMarcaOpcao = 11;
constexpr int AlturaOpcao = 7;

// Model 0 geometry.
constexpr int TopoColunas0 = 83;
constexpr std::array<int, 24> EsquerdaColunas0{27,  45,  67,  89,  110, 132, //
                                               154, 175, 197, 218, 240, 262, //
                                               278, 305, 327, 348, 370, 392, //
                                               409, 434, 456, 477, 499, 521};
constexpr int EsquerdaLinhas0 = 12;
constexpr std::array<int, LinhasDaGrade> TopoLinhas0{126, 136, 146, 155, 165, 174, 184, 193, 203, 213};
constexpr int TopoAnula0 = 296;
// Only game 1's rows are drawn as guide marks; the other games share its rows on the slip.
constexpr std::array<int, 4> TagLinhasJogo0{TImpressao::TagGuiaVisivel, TImpressao::TagGuiaOculta,
                                            TImpressao::TagGuiaOculta, 4};
constexpr std::array<int, 2> TopoLinhasTrevo0{245, 269};

// Model 1 geometry.
constexpr int TopoColunas1 = 135;
constexpr std::array<int, 11> EsquerdaColunas1{27, 45, 69, 93, 118, 142, 165, 189, 213, 237, 261};
constexpr int EsquerdaLinhas1 = 3;
constexpr std::array<std::array<int, LinhasDaGrade>, 2> TopoLinhas1{{
    {176, 186, 197, 207, 218, 228, 238, 248, 259, 269},
    {330, 340, 351, 361, 371, 382, 392, 402, 413, 423},
}};
constexpr std::array<int, 2> TopoAnula1{283, 436};

QString Numero(int Valor) {
    return QString::number(Valor);
}

QString SufixoJogo(int Jogo) {
    return QStringLiteral("_Jogo") + Numero(Jogo);
}

} // namespace

void TImpressaoMaisMilionaria::CriaTodosShapes() {
    // Texts, by model: the wide slip writes them in one line above its grids.
    SetImpRelacaoJogos_E({28, 23});
    SetImpRelacaoJogos_T({16, 25});
    SetImpNomeModalidade_E({460, 23});
    SetImpNomeModalidade_T({16, 80});
    SetImpNumPagina_E({300, 23});
    SetImpNumPagina_T({16, 645});
    SetImpNomeModalidadeExtra_E({415, 23});
    SetImpNomeModalidadeExtra_T({36, 671});
    SetImpQdeCotas_E({23, 23});
    SetImpQdeCotas_T({36, 645});

    if (Modelo0())
        CriaModelo0();
    else
        CriaModelo1();
    SetBox({0, 0, 11, 6});
    TImpressao::CriaTodosShapes();
}

void TImpressaoMaisMilionaria::CriaModelo0() {
    constexpr int Largura = 12;
    constexpr int Altura = 7;
    for (int Coluna = 0; Coluna < int(EsquerdaColunas0.size()); ++Coluna)
        CriaShape({EsquerdaColunas0[std::size_t(Coluna)], TopoColunas0, Largura, Altura},
                  TFormatoShape::dkRectangle, Coluna >= 2 && Coluna <= 4 ? TagGuiaVisivel : TagGuiaOculta,
                  QStringLiteral("SG_Col") + Numero(Coluna));
    const auto CriaLinha = [this](int Topo, int Tag, const QString& Nome) {
        CriaShape({EsquerdaLinhas0, Topo, Largura, Altura}, TFormatoShape::dkRectangle, Tag, Nome);
    };
    CriaLinha(TopoColunas0, TagGuiaVisivel, QStringLiteral("SG_Master"));
    for (int Jogo = 1; Jogo <= int(TagLinhasJogo0.size()); ++Jogo) {
        const int Tag = TagLinhasJogo0[std::size_t(Jogo - 1)];
        for (int Linha = 1; Linha <= LinhasDaGrade; ++Linha)
            CriaLinha(TopoLinhas0[std::size_t(Linha - 1)], Tag,
                      QStringLiteral("SG_Lin") + Numero(Linha) + SufixoJogo(Jogo));
        CriaLinha(TopoAnula0, Tag, QStringLiteral("SG_Anula") + SufixoJogo(Jogo));
    }
    for (int Linha = 1; Linha <= int(TopoLinhasTrevo0.size()); ++Linha)
        CriaLinha(TopoLinhasTrevo0[std::size_t(Linha - 1)], TagGuiaVisivel,
                  QStringLiteral("SG_Lin_Trevo") + Numero(Linha));
    CriaTrevos(4, {EsquerdaLinhas0, 222, 12, 10});
    CriaOpcoes(EsquerdaLinhas0, 11);
}

void TImpressaoMaisMilionaria::CriaModelo1() {
    constexpr int Altura = 7;
    for (int Coluna = 0; Coluna < int(EsquerdaColunas1.size()); ++Coluna)
        CriaShape({EsquerdaColunas1[std::size_t(Coluna)], TopoColunas1, 16, Altura},
                  TFormatoShape::dkRectangle, Coluna >= 4 && Coluna <= 7 ? TagGuiaVisivel : TagGuiaOculta,
                  QStringLiteral("SG_Col") + Numero(Coluna));
    const auto CriaLinha = [this](int Topo, const QString& Nome) {
        CriaShape({EsquerdaLinhas1, Topo, 12, Altura}, TFormatoShape::dkRectangle, TagGuiaVisivel, Nome);
    };
    CriaLinha(TopoColunas1, QStringLiteral("SG_Master"));
    for (int Jogo = 1; Jogo <= int(TopoLinhas1.size()); ++Jogo) {
        for (int Linha = 1; Linha <= LinhasDaGrade; ++Linha)
            CriaLinha(TopoLinhas1[std::size_t(Jogo - 1)][std::size_t(Linha - 1)],
                      QStringLiteral("SG_Lin") + Numero(Linha) + SufixoJogo(Jogo));
        CriaLinha(TopoAnula1[std::size_t(Jogo - 1)], QStringLiteral("SG_Anula") + SufixoJogo(Jogo));
    }
    CriaTrevos(2, {EsquerdaLinhas1, 222, 12, 10});
    CriaOpcoes(EsquerdaLinhas1, 12);
}

void TImpressaoMaisMilionaria::CriaTrevos(int QdeJogos, const QList<int>& Box) {
    for (int Jogo = 1; Jogo <= QdeJogos; ++Jogo)
        for (int Trevo = 1; Trevo <= QdeTrevos; ++Trevo)
            CriaShape(Box, TFormatoShape::dkElipse, TagMarca,
                      QStringLiteral("ShapeJogo") + Numero(Jogo) + QStringLiteral("_Trevo") + Numero(Trevo));
}

void TImpressaoMaisMilionaria::CriaOpcoes(int Esquerda, int LarguraGuia) {
    for (const TOpcao& Opcao : Modelo0() ? OpcoesModelo0 : OpcoesModelo1) {
        const QString Nome = QString::fromLatin1(Opcao.Nome);
        CriaShape({Esquerda, Opcao.Topo, LarguraGuia, AlturaOpcao}, TFormatoShape::dkRectangle, Opcao.Tag,
                  QStringLiteral("SG_") + Nome);
        CriaShape({Esquerda, Opcao.Topo, LarguraMarcaOpcao, AlturaOpcao}, TFormatoShape::dkElipse, TagMarca,
                  QStringLiteral("Shape") + Nome);
    }
}

void TImpressaoMaisMilionaria::AjustePorModelo(const QList<int>& Modelo0Ajuste,
                                               const QList<int>& Modelo1Ajuste) {
    SetAjusteFino(Modelo0() ? Modelo0Ajuste : Modelo1Ajuste);
}

void TImpressaoMaisMilionaria::ImprimeNumero(int NumShape, int Numero, int NumJogo) {
    if (Numero >= PrimeiroNumero && Numero <= UltimoNumero) {
        const int Deslocamento = Modelo0() ? ColunasEntreJogos * (NumJogo - 1) : 0;
        SetColuna((Numero - 1) % ColunasDaGrade + 1 + Deslocamento);
        SetLinha((Numero - 1) / ColunasDaGrade + 1);
    }
    // The wide slip's grids sit a little lower from game to game.
    AjustePorModelo({2, std::min(NumJogo - 1, 2)}, {2, 0});
    TImpressao::ImprimeNumero(NumShape, Numero, NumJogo);
}

void TImpressaoMaisMilionaria::ImprimeQdeNumPorVolante() {
    const int Qde = QdeNumPorVolante();
    if (Qde >= 6 && Qde <= 12)
        SetColuna(Qde - 4);
    SetAjusteFino({1, -1});
    TImpressao::ImprimeQdeNumPorVolante();
}

// Always marked: the print setup asks for two clovers at least. A count without a box (0 or 1, or
// more than six) is reported rather than marked on a box that means something else.
void TImpressaoMaisMilionaria::ImprimeQdeTrevo() {
    const int Qde = QdeTrevo();
    if (Qde >= 2 && Qde <= QdeTrevos)
        SetColuna(Qde);
    AjustePorModelo({1, 0}, {1, -1});
    TImpressao::ImprimeQdeTrevo();
}

void TImpressaoMaisMilionaria::ImprimeQdeSurpresinha() {
    const int Qde = QdeSurpresinha();
    if (Qde <= 0)
        return;
    // Model 0: the quick-pick counts share the clover-count row, to the right, from column 13.
    if (Qde <= 10)
        SetColuna(Modelo0() ? Qde + 12 : Qde);
    SetAjusteFino({2, 0});
    TImpressao::ImprimeQdeSurpresinha();
}

void TImpressaoMaisMilionaria::ImprimeQdeTeimosinha() {
    const int Qde = QdeTeimosinha();
    if (Qde <= 0)
        return;
    // Model 0: the repeat-draw counts share the pool units row, to the right, from column 14.
    if (Qde >= 2 && Qde <= 5)
        SetColuna(Modelo0() ? Qde + 12 : Qde - 1);
    AjustePorModelo({1, 0}, {1, -1});
    TImpressao::ImprimeQdeTeimosinha();
}

void TImpressaoMaisMilionaria::ImprimeBolaoDezena() {
    const int Qde = QdeBolao();
    if (Qde < 10 || Qde == 100)
        return;
    if (Qde <= 99)
        SetColuna(Qde / 10);
    SetAjusteFino({1, 0});
    TImpressao::ImprimeBolaoDezena();
}

void TImpressaoMaisMilionaria::ImprimeBolaoUnidade() {
    const int Qde = QdeBolao();
    if (Qde <= 0 || Qde == 100)
        return;
    if (Qde >= 2 && Qde <= 99)
        SetColuna(Qde % 10 + 1);
    SetAjusteFino({1, 0});
    TImpressao::ImprimeBolaoUnidade();
}

void TImpressaoMaisMilionaria::ImprimeBolao100() {
    const int Qde = QdeBolao();
    if (Qde < 100)
        return;
    if (Qde == 100)
        SetColuna(1);
    AjustePorModelo({1, 1}, {1, 0});
    TImpressao::ImprimeBolao100();
}
