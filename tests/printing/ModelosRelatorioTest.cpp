#include "printing/ModelosRelatorio.h"
#include "printing/CriaImpressao.h"
#include "printing/layouts/ImpressaoMega.h"
#include "report/Imagem.h"
#include "report/Memo.h"
#include "report/Rotulo.h"
#include "report/RotuloAngular.h"

#include <gtest/gtest.h>

namespace {

constexpr TAlinhamento L = TAlinhamento::Esquerda;
constexpr TAlinhamento C = TAlinhamento::Centro;
constexpr TAlinhamento R = TAlinhamento::Direita;

struct TModeloEsperado {
    const char* Nome;
    int ColCount;
    bool Extra;
    int TopoAngular; // 0: no angled label
    bool Cotas;
    TAlinhamento Titulo, Pagina, Identificacao;
};

const TModeloEsperado Esperados[] = {
    {"TFormImpressaoMega_3", 3, true, 189, true, C, R, C},
    {"TFormImpressaoMegaVirada_3", 3, true, 0, true, R, R, R},
    {"TFormImpressaoLF_3_2021", 3, true, 184, true, C, L, R},
    {"TFormImpressaoDSorte_3", 3, true, 144, true, R, R, R},
    {"TFormImpressaoQuina_3", 3, true, 166, true, C, R, R},
    {"TFormImpressaoQuina_SaoJoao", 3, true, 0, true, C, R, R},
    {"TFormImpressaoLotomania_1", 3, true, 184, true, C, L, R},
    {"TFormImpressaoTimemania_1", 3, true, 0, true, R, R, R},
    {"TFormImpressaoLF_3_2021_Independencia", 3, true, 193, true, L, C, R},
    {"TFormImpressao_DuplaSena_2020", 3, true, 242, true, R, R, C},
    {"TFormImpressao_DuplaSena_Pascoa_2020", 3, true, 0, true, C, C, C},
    {"TFormImpressao_MaisMilionaria", 1, true, 0, false, R, R, R},
    {"TFormImpressao_MaisMilionaria2", 3, true, 0, true, R, R, R},
    {"TFormImpressaoDSorte_2024", 3, true, 144, true, R, R, R},
};

QString Nome(const char* Texto) {
    return QString::fromLatin1(Texto);
}

} // namespace

TEST(ModelosRelatorio, OsQuatorzeModelosEmUsoNaOrdemDoRegistro) {
    QStringList Nomes;
    for (const TModeloRelatorio& Modelo : ModelosRelatorio())
        Nomes << Modelo.NomeClasse;
    QStringList NomesEsperados;
    for (const TModeloEsperado& Esperado : Esperados)
        NomesEsperados << Nome(Esperado.Nome);
    EXPECT_EQ(Nomes, NomesEsperados);
    EXPECT_EQ(CriaFormImpressao(QStringLiteral("TFormImpressaoInexistente")), nullptr);
    EXPECT_EQ(CriaFormImpressao(QString()), nullptr);
}

TEST(ModelosRelatorio, ComponentesDeCadaModelo) {
    for (const TModeloEsperado& Esperado : Esperados) {
        SCOPED_TRACE(Esperado.Nome);
        const std::unique_ptr<TFormImpressao> Form = CriaFormImpressao(Nome(Esperado.Nome));
        ASSERT_NE(Form, nullptr);
        EXPECT_EQ(Form->NomeClasse(), Nome(Esperado.Nome));
        EXPECT_EQ(Form->ArquivoImagem(), Nome(Esperado.Nome) + QStringLiteral(".jpg"));
        EXPECT_EQ(Form->PermiteExportarPdf(),
                  Nome(Esperado.Nome) != QStringLiteral("TFormImpressaoDSorte_2024"));

        const TGradeDetalhe* Grade = Form->Componente<TGradeDetalhe>(QStringLiteral("rldetailgrid1"));
        ASSERT_EQ(Grade, &Form->RLDetailGrid1());
        EXPECT_EQ(Grade->ColCount(), Esperado.ColCount);
        EXPECT_EQ(Grade->Bordas(), TBordas::Todas());
        EXPECT_DOUBLE_EQ(Grade->MargensInternas().Esquerda.Valor(), 0.4);
        EXPECT_NE(Form->Componente<TImagem>(QStringLiteral("RLImage1")), nullptr);

        const auto* Memo = Form->Componente<TMemo>(QStringLiteral("MemoJogos"));
        ASSERT_NE(Memo, nullptr);
        EXPECT_EQ(Memo->Height(), 26);
        const auto* Titulo = Form->Componente<TRotulo>(QStringLiteral("LabelNomeModalidade"));
        const auto* Pagina = Form->Componente<TRotulo>(QStringLiteral("LabelNumPagina"));
        ASSERT_NE(Titulo, nullptr);
        ASSERT_NE(Pagina, nullptr);
        EXPECT_EQ(Titulo->Alignment(), Esperado.Titulo);
        EXPECT_EQ(Pagina->Alignment(), Esperado.Pagina);
        for (const TControleTexto* Texto :
             {static_cast<const TControleTexto*>(Memo), static_cast<const TControleTexto*>(Titulo)}) {
            EXPECT_EQ(Texto->FamiliaFonte(), QStringLiteral("Arial"));
            EXPECT_EQ(Texto->TamanhoFonte(), 10);
            EXPECT_EQ(Texto->CorFonte(), QColor(Qt::black));
        }

        const auto* Extra = Form->Componente<TRotulo>(QStringLiteral("LabelNomeModalidadeExtra"));
        ASSERT_EQ(Extra != nullptr, Esperado.Extra);
        EXPECT_EQ(Extra->Alignment(), Esperado.Identificacao);
        EXPECT_EQ(Extra->Box().size(), QSize(224, 15));
        const auto* Angular = Form->Componente<TRotuloAngular>(QStringLiteral("RLAngleLabel1"));
        ASSERT_EQ(Angular != nullptr, Esperado.TopoAngular != 0);
        if (Angular) {
            EXPECT_EQ(Angular->Top(), Esperado.TopoAngular);
            EXPECT_EQ(Angular->Box().size(), QSize(15, 91));
            EXPECT_EQ(Angular->Angulo(), 270);
            EXPECT_TRUE(Angular->Caption().isEmpty());
        }
        const auto* Cotas = Form->Componente<TRotulo>(QStringLiteral("RLCotas"));
        ASSERT_EQ(Cotas != nullptr, Esperado.Cotas);
        if (Cotas) {
            EXPECT_EQ(Cotas->Box().size(), QSize(71, 15));
            EXPECT_EQ(Cotas->Alignment(), L);
        }
    }
}

TEST(ModelosRelatorio, PapelDosModelos) {
    struct TCaso {
        const char* Nome;
        double Largura;
        double Altura;
        QSize Titulo;
        QSize Pagina;
    };
    const TCaso Casos[] = {
        {"TFormImpressaoMega_3", 297, 210, {224, 15}, {224, 15}},
        {"TFormImpressao_MaisMilionaria2", 297, 210, {224, 15}, {224, 15}},
        {"TFormImpressao_MaisMilionaria", 210, 150, {159, 15}, {185, 14}},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(Caso.Nome);
        const std::unique_ptr<TFormImpressao> Form = CriaFormImpressao(Nome(Caso.Nome));
        EXPECT_NEAR(Form->RLReport1().LarguraPagina().Valor(), Caso.Largura, 0.01);
        EXPECT_NEAR(Form->RLReport1().AlturaPagina().Valor(), Caso.Altura, 0.01);
        EXPECT_EQ(Form->Componente<TRotulo>(QStringLiteral("LabelNomeModalidade"))->Box().size(),
                  Caso.Titulo);
        EXPECT_EQ(Form->Componente<TRotulo>(QStringLiteral("LabelNumPagina"))->Box().size(), Caso.Pagina);
    }
    const auto Externas = [](const char* Nome) {
        return CriaFormImpressao(QString::fromLatin1(Nome))->RLDetailGrid1().MargensExternas();
    };
    EXPECT_DOUBLE_EQ(Externas("TFormImpressaoMega_3").Topo.Valor(), 0.2);
    EXPECT_DOUBLE_EQ(Externas("TFormImpressao_DuplaSena_2020").Topo.Valor(), 0.1);
    EXPECT_DOUBLE_EQ(Externas("TFormImpressao_MaisMilionaria2").Esquerda.Valor(), 0);
    EXPECT_DOUBLE_EQ(Externas("TFormImpressao_MaisMilionaria2").Base.Valor(), 0.2);
}

TEST(CriaImpressao, LayoutDoJogoReconhecidoPeloNome) {
    for (const char16_t* Nome : {u"Mega-Sena", u"MEGA-SENA"}) {
        const std::unique_ptr<TImpressao> Impressao = CriaImpressao(Nome);
        ASSERT_NE(dynamic_cast<TImpressaoMega*>(Impressao.get()), nullptr);
        EXPECT_EQ(Impressao->QdeNumPorVolante(), 0);
        EXPECT_EQ(Impressao->FormOwner(), nullptr);
        EXPECT_TRUE(Impressao->Box().isEmpty());
    }
    for (const char16_t* Nome : {u"Super Sete", u"", u"Bingo"})
        EXPECT_EQ(CriaImpressao(Nome), nullptr);
}
