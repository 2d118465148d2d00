#include "ApoioImpressao.h"

#include "printing/ModelosRelatorio.h"
#include "report/Imagem.h"

#include <gtest/gtest.h>

namespace {

TMargens Mm(double Esquerda, double Topo, double Direita, double Base) {
    return {Milimetros(Esquerda), Milimetros(Topo), Milimetros(Direita), Milimetros(Base)};
}

void ComparaMargens(const TMargens& Obtidas, const TMargens& Esperadas) {
    EXPECT_DOUBLE_EQ(Obtidas.Esquerda.Valor(), Esperadas.Esquerda.Valor());
    EXPECT_DOUBLE_EQ(Obtidas.Topo.Valor(), Esperadas.Topo.Valor());
    EXPECT_DOUBLE_EQ(Obtidas.Direita.Valor(), Esperadas.Direita.Valor());
    EXPECT_DOUBLE_EQ(Obtidas.Base.Valor(), Esperadas.Base.Valor());
}

TMontagem MontaMegaNoPapel(bool Oficial, double AjusteEsquerda, double AjusteTopo,
                           bool ImagemVisivel = false) {
    return MontaMega(0, [=](TImpressao& Impressao) {
        Impressao.SetImpressaoVolanteOficial(Oficial);
        Impressao.SetAjusteUsuario({AjusteEsquerda, AjusteTopo});
        Impressao.SetImagemVisivel(ImagemVisivel);
        if (Oficial) // as the print run turns the page for the official slip
            Impressao.FormOwner()->RLReport1().SetOrientacao(QPageLayout::Portrait);
    });
}

} // namespace

TEST(Prepare, MargensGradeECalibracao) {
    struct TCaso {
        bool Oficial;
        double AjusteEsquerda;
        double AjusteTopo;
        TMargens Margens;
        int ColCount;
        TBordas Bordas;
        TMargens Externas;
        int VolantesPorPagina;
    };
    const TCaso Casos[] = {
        {false, 0, 0, Mm(20, 10, 20, 10), 3, TBordas::Todas(), Mm(0.1, 0.2, 0.1, 0.2), 3},
        {false, -1.5, 2, Mm(18.5, 12, 21.5, 8), 3, TBordas::Todas(), Mm(0.1, 0.2, 0.1, 0.2), 3},
        {true, 0, 0, Mm(0, 0, 0, 0), 1, TBordas::Nenhuma(), Mm(0.6, 0.6, 0.2, 0.2), 1},
        {true, -1.5, 2, Mm(-1.5, 2, 1.5, -2), 1, TBordas::Nenhuma(), Mm(0.6, 0.6, 0.2, 0.2), 1},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(testing::Message() << "oficial " << Caso.Oficial << ", ajuste " << Caso.AjusteEsquerda
                                        << " / " << Caso.AjusteTopo);
        const TMontagem Mega = MontaMegaNoPapel(Caso.Oficial, Caso.AjusteEsquerda, Caso.AjusteTopo);
        const TRelatorio& Relatorio = Mega.Form->RLReport1();
        const TGradeDetalhe& Grade = *Relatorio.GradeDetalhe();
        ComparaMargens(Relatorio.Margens(), Caso.Margens);
        ComparaMargens(Grade.MargensExternas(), Caso.Externas);
        EXPECT_EQ(Grade.ColCount(), Caso.ColCount);
        EXPECT_EQ(Grade.Bordas(), Caso.Bordas);
        EXPECT_EQ(Grade.Height(), 715);
        EXPECT_EQ(Relatorio.Layout().CelulasPorPagina(), Caso.VolantesPorPagina);
        if (!Caso.Oficial) {
            EXPECT_EQ(Grade.CorBorda(), QColor(196, 196, 196));
        }
    }
}

TEST(Prepare, CalibracaoMoveTodosOsVolantesDaPaginaJuntos) {
    const TMontagem Sem = MontaMegaNoPapel(false, 0, 0);
    const TMontagem Com = MontaMegaNoPapel(false, -1.5, 2);
    const TLayoutPagina Antes = Sem.Form->RLReport1().Layout();
    const TLayoutPagina Depois = Com.Form->RLReport1().Layout();
    const QPointF Deslocamento(Milimetros(-1.5).EmPixels().Valor(), Milimetros(2).EmPixels().Valor());
    for (int Volante = 0; Volante < 3; ++Volante) {
        const QPointF Diferenca = Depois.OrigemConteudo(Volante) - Antes.OrigemConteudo(Volante);
        EXPECT_NEAR(Diferenca.x(), Deslocamento.x(), 1e-9) << Volante;
        EXPECT_NEAR(Diferenca.y(), Deslocamento.y(), 1e-9) << Volante;
    }
}

TEST(Prepare, ImagemDoVolantePorModelo) {
    for (const bool Visivel : {false, true}) {
        const TMontagem Modelo0 = MontaMegaNoPapel(false, 0, 0, Visivel);
        const auto* Imagem0 = Modelo0.Componente<TImagem>(QStringLiteral("RLImage1"));
        EXPECT_EQ(Imagem0->Visible(), Visivel);
        EXPECT_EQ(Imagem0->Box(), QRect(0, 0, 311, 704));
    }
    const TMontagem Modelo1 = MontaMega(1);
    EXPECT_EQ(Modelo1.Componente<TImagem>(QStringLiteral("RLImage1"))->Box(), QRect(0, 0, 312, 696));
}

TEST(Prepare, MaisMilionariaModelo0DoisVolantesUmSobreOOutro) {
    std::unique_ptr<TFormImpressao> Form = CriaFormImpressao(QStringLiteral("TFormImpressao_MaisMilionaria"));
    TRelatorio& Relatorio = Form->RLReport1();
    // The template's own paper is the slip: 210 mm across, 150 mm high.
    EXPECT_DOUBLE_EQ(Relatorio.LarguraPagina().Valor(), 210);
    EXPECT_DOUBLE_EQ(Relatorio.AlturaPagina().Valor(), 150);
    Relatorio.SetTamanhoPapel(QPageSize(QSizeF(210, 297), QPageSize::Millimeter));

    TImpressao Impressao;
    Impressao.SetFormOwner(Form.get());
    Impressao.SetDetailGrid(&Form->RLDetailGrid1());
    Impressao.SetTipoModalidade(TTipoModalidade::MaisMilionaria);
    Impressao.SetLayoutIndex(0);
    Impressao.SetQdeVolantesPorPagina_A4(2);
    Impressao.SetImagemVisivel(true);
    Impressao.SetAjusteUsuario({1, -1});
    Impressao.Prepare();

    ComparaMargens(Relatorio.Margens(), Mm(3, 1, 19.5, 3));
    EXPECT_EQ(Form->RLDetailGrid1().Height(), 426);
    EXPECT_EQ(Form->Componente<TImagem>(QStringLiteral("RLImage1"))->Box(), QRect(0, 0, 706, 416));
    const TLayoutPagina Layout = Relatorio.Layout();
    ASSERT_EQ(Layout.CelulasPorPagina(), 2);
    EXPECT_DOUBLE_EQ(Layout.Vaga(1).left(), Layout.Vaga(0).left());
    EXPECT_DOUBLE_EQ(Layout.Vaga(1).top() - Layout.Vaga(0).top(), 426);
}
