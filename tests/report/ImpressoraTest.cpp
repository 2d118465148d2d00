#include "ApoioRelatorio.h"

#include "report/printer/ImpressoraRelatorio.h"

#include <QFileInfo>
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

// Slips three to a page with their marks, for a PDF-format printer that writes into a file.
struct TImpressoraEmArquivo {
    explicit TImpressoraEmArquivo(int QdeVolantes)
        : Fonte(QdeVolantes) {
        PreparaFolhaTresVolantes(Relatorio, MargensFolha);
        Relatorio.SetFonteDados(&Fonte);
        CriaMarcas(Relatorio);
        Impressora.setOutputFormat(QPrinter::PdfFormat);
        Impressora.setOutputFileName(Arquivo);
    }

    TRelatorio Relatorio;
    TFonteTeste Fonte;
    QTemporaryDir Pasta;
    const QString Arquivo = Pasta.filePath(QStringLiteral("impressora.pdf"));
    QPrinter Impressora{QPrinter::HighResolution};
};

// A printer gets the report's paper and draws from the paper's corner, not from its printable area:
// the marks land where the page image has them.
TEST(ImpressoraTest, ImpressoraRecebePapelEMarcasNoLugar) {
    TImpressoraEmArquivo Saida(4);
    TRelatorio& Relatorio = Saida.Relatorio;
    const QString& Arquivo = Saida.Arquivo;

    const TResultadoSaida Resultado = ImprimeEm(Relatorio, Saida.Impressora);
    ASSERT_TRUE(Resultado.Sucesso) << Resultado.Mensagem.toStdString();
    const auto Info = LeInfoPdf(Arquivo);
    ASSERT_TRUE(Info.has_value()) << "pdfinfo (poppler-utils) is needed";
    EXPECT_EQ(Info->Paginas, 2);
    EXPECT_EQ(Info->Tamanho, QStringLiteral("842 x 595"));
    VerificaMarcasNoLugar(Relatorio, ImagemPagina(Relatorio, 0, 96), RasterizaPdf(Arquivo, 96));
}

TEST(ImpressoraTest, ImpressaoCanceladaNaoDeixaMeioTrabalho) {
    TImpressoraEmArquivo Saida(3 * 5);
    int Paginas = 0;
    const TResultadoSaida Resultado =
        ImprimeEm(Saida.Relatorio, Saida.Impressora, [&Paginas](int Feitas, int Total) {
            Paginas = Feitas;
            EXPECT_EQ(Total, 5);
            return Feitas < 2;
        });
    EXPECT_FALSE(Resultado.Sucesso);
    EXPECT_TRUE(Resultado.Cancelada);
    EXPECT_EQ(Paginas, 2);
    EXPECT_FALSE(QFileInfo::exists(Saida.Arquivo));
}

} // namespace
