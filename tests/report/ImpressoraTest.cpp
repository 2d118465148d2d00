#include "ApoioRelatorio.h"

#include "report/printer/ImpressoraRelatorio.h"

#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(ImpressoraTest, FalhasDaImpressaoVoltamComOMotivo) {
    TRelatorio Relatorio;
    PreparaFolhaTresVolantes(Relatorio, MargensFolha);
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

// A printer gets the report's paper and draws from the paper's corner, not from its printable area:
// the marks land where the page image has them.
TEST(ImpressoraTest, ImpressoraRecebePapelEMarcasNoLugar) {
    TRelatorio Relatorio;
    PreparaFolhaTresVolantes(Relatorio, MargensFolha);
    TFonteTeste Fonte(4);
    Relatorio.SetFonteDados(&Fonte);
    CriaMarcas(Relatorio);
    QTemporaryDir Pasta;
    const QString Arquivo = Pasta.filePath(QStringLiteral("impressora.pdf"));
    QPrinter Impressora(QPrinter::HighResolution);
    Impressora.setOutputFormat(QPrinter::PdfFormat);
    Impressora.setOutputFileName(Arquivo);

    const TResultadoSaida Resultado = ImprimeEm(Relatorio, Impressora);
    ASSERT_TRUE(Resultado.Sucesso) << Resultado.Mensagem.toStdString();
    const auto Info = LeInfoPdf(Arquivo);
    ASSERT_TRUE(Info.has_value()) << "pdfinfo (poppler-utils) is needed";
    EXPECT_EQ(Info->Paginas, 2);
    EXPECT_EQ(Info->Tamanho, QStringLiteral("842 x 595"));
    VerificaMarcasNoLugar(Relatorio, ImagemPagina(Relatorio, 0, 96), RasterizaPdf(Arquivo, 96));
}

} // namespace
