#include "ApoioRelatorio.h"
#include "apoio/DiscoPequeno.h"

#include "report/Relatorio.h"
#include "report/SaidaRelatorio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SaidaPdfTest : public ::testing::Test {
protected:
    QString Caminho(const QString& Nome) const { return Pasta.filePath(Nome); }

    QTemporaryDir Pasta;
};

TEST_F(SaidaPdfTest, PaginasETamanhoDoPapel) {
    const struct {
        QPageSize Papel;
        QPageLayout::Orientation Orientacao;
        int ColCount;
        int Altura;
        int Linhas;
        int Paginas;
        const char* Tamanho;
    } Casos[] = {
        {QPageSize(QPageSize::A4), QPageLayout::Landscape, 3, 715, 7, 3, "842 x 595"},
        {QPageSize(QPageSize::A4), QPageLayout::Portrait, 1, 426, 3, 2, "595 x 842"},
        {QPageSize(QSizeF(210, 150), QPageSize::Millimeter), QPageLayout::Portrait, 1, 426, 2, 2,
         "595.276 x 425.197"},
    };
    for (const auto& Caso : Casos) {
        TRelatorio Relatorio;
        Relatorio.SetTamanhoPapel(Caso.Papel);
        Relatorio.SetOrientacao(Caso.Orientacao);
        Relatorio.SetMargens({Milimetros(2), Milimetros(2), Milimetros(20.5), Milimetros(2)});
        TGradeDetalhe& Grade = Relatorio.CriaGradeDetalhe(QStringLiteral("RLDetailGrid1"));
        Grade.SetColCount(Caso.ColCount);
        Grade.SetHeight(Caso.Altura);
        TFonteTeste Fonte(Caso.Linhas);
        Relatorio.SetFonteDados(&Fonte);
        CriaMarcas(Relatorio);

        const QString Arquivo = Caminho(QStringLiteral("paginas.pdf"));
        const TResultadoSaida Resultado = ExportaPdf(Relatorio, Arquivo, QStringLiteral("Teste"));
        ASSERT_TRUE(Resultado.Sucesso) << Resultado.Mensagem.toStdString();
        const auto Info = LeInfoPdf(Arquivo);
        ASSERT_TRUE(Info.has_value()) << "pdfinfo (poppler-utils) is needed";
        EXPECT_EQ(Info->Paginas, Caso.Paginas) << Caso.Tamanho;
        EXPECT_EQ(Info->Tamanho, QLatin1String(Caso.Tamanho));
    }
}

TEST_F(SaidaPdfTest, PastaSemEscritaFalhaComMensagemESemArquivo) {
    TRelatorio Relatorio;
    PreparaFolhaTresVolantes(Relatorio, MargensFolha);
    TFonteTeste Fonte(3);
    Relatorio.SetFonteDados(&Fonte);
    // A folder below a plain file cannot exist, whoever runs the test.
    QFile Bloqueio(Caminho(QStringLiteral("arquivo.txt")));
    ASSERT_TRUE(Bloqueio.open(QIODevice::WriteOnly));
    Bloqueio.close();
    const QString Arquivo = Caminho(QStringLiteral("arquivo.txt/saida.pdf"));

    const TResultadoSaida Resultado = ExportaPdf(Relatorio, Arquivo);
    EXPECT_FALSE(Resultado.Sucesso);
    EXPECT_TRUE(
        Resultado.Mensagem.startsWith(QStringLiteral("Não foi possível gravar o arquivo PDF \"") + Arquivo))
        << Resultado.Mensagem.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Arquivo));
    EXPECT_EQ(QDir(Pasta.path()).entryList(QDir::Files), QStringList{QStringLiteral("arquivo.txt")});
}

// On a disk with room for part of the file only, the last bytes fail when the file is closed: the
// export says so and the earlier file stays as it was, with nothing else left beside it.
TEST_F(SaidaPdfTest, DiscoCheioGuardaOPdfAnterior) {
    TDiscoPequeno Disco;
    if (!Disco.Montado())
        GTEST_SKIP() << Disco.Motivo().toStdString();
    TRelatorio Relatorio;
    PreparaFolhaTresVolantes(Relatorio, MargensFolha);
    CriaMarcas(Relatorio);
    TFonteTeste Fonte(3);
    Relatorio.SetFonteDados(&Fonte);
    // A one-page PDF is smaller than Qt's write buffer (16 KB): with room for half of it, nothing
    // fails before the file is closed.
    ASSERT_TRUE(ExportaPdf(Relatorio, Caminho(QStringLiteral("medida.pdf"))).Sucesso);
    const qint64 Tamanho = QFileInfo(Caminho(QStringLiteral("medida.pdf"))).size();
    const QString Arquivo = Disco.Caminho(QStringLiteral("volantes.pdf"));
    ASSERT_TRUE(Disco.Grava(QStringLiteral("volantes.pdf"), "PDF anterior"));
    ASSERT_TRUE(Disco.Enche(Tamanho / 2 / 4096 * 4096));

    const TResultadoSaida Resultado = ExportaPdf(Relatorio, Arquivo);
    EXPECT_FALSE(Resultado.Sucesso);
    EXPECT_TRUE(
        Resultado.Mensagem.startsWith(QStringLiteral("Não foi possível gravar o arquivo PDF \"") + Arquivo))
        << Resultado.Mensagem.toStdString();
    EXPECT_EQ(ConteudoDe(Arquivo), QByteArray("PDF anterior"));
    EXPECT_EQ(QDir(Disco.Caminho({})).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({QStringLiteral(".enchimento"), QStringLiteral("volantes.pdf")}));
}

TEST_F(SaidaPdfTest, ProgressoContaCadaPaginaEParaQuandoPedido) {
    TRelatorio Relatorio;
    PreparaFolhaTresVolantes(Relatorio, MargensFolha);
    TFonteTeste Fonte(3 * 7); // seven pages
    Relatorio.SetFonteDados(&Fonte);
    CriaMarcas(Relatorio);
    const QString Arquivo = Caminho(QStringLiteral("volantes.pdf"));

    // Told once per page, in order, with the page count.
    QList<std::pair<int, int>> Avisos;
    const TResultadoSaida Completo = ExportaPdf(Relatorio, Arquivo, {}, [&Avisos](int Feitas, int Total) {
        Avisos.append({Feitas, Total});
        return true;
    });
    ASSERT_TRUE(Completo.Sucesso) << Completo.Mensagem.toStdString();
    ASSERT_EQ(Avisos.size(), 7);
    for (int Pagina = 1; Pagina <= 7; ++Pagina)
        EXPECT_EQ(Avisos[Pagina - 1], std::make_pair(Pagina, 7));
    const QByteArray Anterior = ConteudoDe(Arquivo);
    ASSERT_FALSE(Anterior.isEmpty());

    // Stopped after the third page: nothing new at the target, the earlier file whole, no leftovers.
    for (const int Parada : {1, 3, 6}) {
        int Chamadas = 0;
        const TResultadoSaida Cancelado =
            ExportaPdf(Relatorio, Arquivo, {}, [&Chamadas, Parada](int Feitas, int) {
                ++Chamadas;
                return Feitas < Parada;
            });
        EXPECT_FALSE(Cancelado.Sucesso);
        EXPECT_TRUE(Cancelado.Cancelada);
        EXPECT_TRUE(Cancelado.Mensagem.endsWith(MensagemInterrompida())) << Cancelado.Mensagem.toStdString();
        EXPECT_EQ(Chamadas, Parada) << "no page is drawn after the answer";
        EXPECT_EQ(ConteudoDe(Arquivo), Anterior);
        EXPECT_EQ(QDir(Pasta.path()).entryList(QDir::Files), QStringList{QStringLiteral("volantes.pdf")});
    }
    const QString Novo = Caminho(QStringLiteral("novo.pdf"));
    EXPECT_TRUE(ExportaPdf(Relatorio, Novo, {}, [](int, int) { return false; }).Cancelada);
    EXPECT_FALSE(QFileInfo::exists(Novo));
}

TEST_F(SaidaPdfTest, RelatorioSemPaginasNaoGravaPdf) {
    TRelatorio Relatorio;
    PreparaFolhaTresVolantes(Relatorio, MargensFolha);
    TFonteTeste Fonte(0);
    Relatorio.SetFonteDados(&Fonte);
    const QString Arquivo = Caminho(QStringLiteral("vazio.pdf"));

    const TResultadoSaida Resultado = ExportaPdf(Relatorio, Arquivo);
    EXPECT_FALSE(Resultado.Sucesso);
    EXPECT_TRUE(Resultado.Mensagem.endsWith(QStringLiteral("O relatório não tem páginas.")));
    EXPECT_FALSE(QFileInfo::exists(Arquivo));
}

// The slip picture is drawn on every cell of every page but stored in the file once.
TEST_F(SaidaPdfTest, FiguraGravadaUmaSoVez) {
    QImage Ruido(400, 900, QImage::Format_RGB32);
    QRandomGenerator Gerador(7);
    for (int Y = 0; Y < Ruido.height(); ++Y)
        for (int X = 0; X < Ruido.width(); ++X)
            Ruido.setPixel(X, Y, Gerador.generate() | 0xFF000000);
    const QString Jpeg = Caminho(QStringLiteral("volante.jpg"));
    ASSERT_TRUE(Ruido.save(Jpeg, "JPEG", 90));
    const qint64 TamanhoJpeg = QFileInfo(Jpeg).size();

    auto TamanhoPdf = [&](int Linhas) {
        TRelatorio Relatorio;
        PreparaFolhaTresVolantes(Relatorio, MargensFolha);
        TImagem& Figura = Relatorio.CriaImagem(QStringLiteral("RLImage1"));
        EXPECT_TRUE(Figura.CarregaArquivo(Jpeg));
        Figura.SetBox(QRect(0, 0, 311, 704));
        TFonteTeste Fonte(Linhas);
        Relatorio.SetFonteDados(&Fonte);
        const QString Arquivo = Caminho(QStringLiteral("figura%1.pdf").arg(Linhas));
        EXPECT_TRUE(ExportaPdf(Relatorio, Arquivo).Sucesso);
        return QFileInfo(Arquivo).size();
    };
    const qint64 UmaPagina = TamanhoPdf(3);
    const qint64 DezPaginas = TamanhoPdf(30);
    EXPECT_GT(UmaPagina, TamanhoJpeg / 2);
    EXPECT_LT((DezPaginas - UmaPagina) / 9, TamanhoJpeg / 20);
}

// The same page as an image at 96 dpi and as a PDF rasterised at 96 dpi: every mark is centred where
// its box lies, to a twentieth of a pixel, on sheets whose margins put the cell corners between
// pixels.
TEST_F(SaidaPdfTest, MarcasNosMesmosPixelsNaImagemENoPdf) {
    for (const TMargens& Margens :
         {MargensFolha, TMargens{Milimetros(-1.5), Milimetros(2.3), Milimetros(0), Milimetros(0)}}) {
        TRelatorio Relatorio;
        PreparaFolhaTresVolantes(Relatorio, Margens);
        TFonteTeste Fonte(3);
        Relatorio.SetFonteDados(&Fonte);
        CriaMarcas(Relatorio);

        const QString Arquivo = Caminho(QStringLiteral("marcas.pdf"));
        ASSERT_TRUE(ExportaPdf(Relatorio, Arquivo).Sucesso);
        const QImage DoPdf = RasterizaPdf(Arquivo, 96);
        ASSERT_FALSE(DoPdf.isNull()) << "pdftoppm (poppler-utils) is needed";
        const QImage Direta = ImagemPagina(Relatorio, 0, 96);
        ASSERT_EQ(DoPdf.size(), Direta.size());

        VerificaMarcasNoLugar(Relatorio, Direta, DoPdf);
    }
}

// On paper whose cell corners fall on whole pixels, the rasterised PDF darkens exactly the boxes of
// the marks, like the page image; and its text has the size of the page image's text.
TEST_F(SaidaPdfTest, PdfRasterizadoIgualAImagemEmPixelsInteiros) {
    TRelatorio Relatorio;
    Relatorio.SetTamanhoPapel(QPageSize(QSizeF(254, 127), QPageSize::Millimeter));
    TGradeDetalhe& Grade = Relatorio.CriaGradeDetalhe(QStringLiteral("RLDetailGrid1"));
    Grade.SetColCount(3);
    Grade.SetHeight(480);
    TFonteTeste Fonte(3);
    Relatorio.SetFonteDados(&Fonte);
    TShape& Marca = Relatorio.CriaShape(QStringLiteral("ShapeJogo1_Num1"));
    Marca.SetFormato(TFormatoShape::dkElipse);
    Marca.SetBox(QRect(48, 187, 19, 13));
    TRotulo& Rotulo = Relatorio.CriaRotulo(QStringLiteral("LabelNomeModalidade"));
    Rotulo.SetBox(QRect(20, 100, 224, 15));
    Rotulo.SetCaption(QStringLiteral("HHHHHHHHHH"));

    const QString Arquivo = Caminho(QStringLiteral("inteiro.pdf"));
    ASSERT_TRUE(ExportaPdf(Relatorio, Arquivo).Sucesso);
    const QImage DoPdf = RasterizaPdf(Arquivo, 96);
    ASSERT_EQ(DoPdf.size(), QSize(960, 480)) << "pdftoppm (poppler-utils) is needed";
    const QImage Direta = ImagemPagina(Relatorio, 0, 96);
    for (int Celula = 0; Celula < 3; ++Celula) {
        const QRect Caixa = QRect(48, 187, 19, 13).translated(320 * Celula, 0);
        EXPECT_EQ(AreaEscura(DoPdf, Caixa.adjusted(-5, -5, 5, 5)), Caixa) << Celula;
        const QRect Texto(320 * Celula, 90, 320, 40);
        const auto TextoPdf = AreaEscura(DoPdf, Texto);
        const auto TextoImagem = AreaEscura(Direta, Texto);
        ASSERT_TRUE(TextoPdf && TextoImagem);
        EXPECT_NEAR(TextoPdf->width(), TextoImagem->width(), 2) << Celula;
        EXPECT_NEAR(TextoPdf->height(), TextoImagem->height(), 1) << Celula;
    }
}

} // namespace
