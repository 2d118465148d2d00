#include "ApoioRelatorio.h"

#include "report/printer/ImpressoraRelatorio.h"

#include <gtest/gtest.h>

namespace {

TEST(ImpressoraTest, FalhasDaImpressaoVoltamComOMotivo) {
    TRelatorio Relatorio;
    PreparaFolhaTresVolantes(Relatorio, {Milimetros(20), Milimetros(10), Milimetros(20), Milimetros(10)});
    TFonteTeste Vazia(0);
    Relatorio.SetFonteDados(&Vazia);
    const TResultadoSaida SemPaginas = ImprimeNaImpressora(Relatorio, QStringLiteral("Qualquer"));
    EXPECT_FALSE(SemPaginas.Sucesso);
    EXPECT_EQ(SemPaginas.Mensagem, QStringLiteral("Não há páginas para imprimir."));

    TFonteTeste Fonte(2);
    Relatorio.SetFonteDados(&Fonte);
    const TResultadoSaida Desconhecida =
        ImprimeNaImpressora(Relatorio, QStringLiteral("Impressora Que Não Existe"));
    EXPECT_FALSE(Desconhecida.Sucesso);
    EXPECT_EQ(Desconhecida.Mensagem,
              QStringLiteral("A impressora \"Impressora Que Não Existe\" não foi encontrada."));
    EXPECT_TRUE(Fonte.Posicoes.empty()); // nothing was drawn
}

} // namespace
