// PDFs that viewers print at actual size: the document catalog read back through qpdf carries
// /ViewerPreferences << /PrintScaling /None >>, and the pages are the pages Qt's writer drew.
#include "ApoioRelatorio.h"

#include "apoio/DiscoPequeno.h"

#include "report/PdfTamanhoReal.h"
#include "report/SaidaRelatorio.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<QPDF> LePdf(const QString& Caminho) {
    auto Pdf = std::make_unique<QPDF>();
    Pdf->processFile(QFile::encodeName(Caminho).constData());
    return Pdf;
}

std::string EscalaDeImpressao(QPDF& Pdf) {
    QPDFObjectHandle Preferencias = Pdf.getRoot().getKey("/ViewerPreferences");
    if (!Preferencias.isDictionary() || !Preferencias.getKey("/PrintScaling").isName())
        return "(nenhuma)";
    return Preferencias.getKey("/PrintScaling").getName();
}

// What a page shows: its size, its decoded drawing and the decoded data of every picture it draws.
struct TPaginaLida {
    std::string Tamanho;
    std::string Desenho;
    std::vector<std::string> Figuras;
    bool operator==(const TPaginaLida&) const = default;
};

std::string Texto(const std::shared_ptr<Buffer>& Dados) {
    return std::string(reinterpret_cast<const char*>(Dados->getBuffer()), Dados->getSize());
}

std::vector<TPaginaLida> Paginas(QPDF& Pdf) {
    std::vector<TPaginaLida> Lidas;
    for (QPDFPageObjectHelper& Pagina : QPDFPageDocumentHelper(Pdf).getAllPages()) {
        TPaginaLida Lida;
        Lida.Tamanho = Pagina.getMediaBox().unparse();
        for (QPDFObjectHandle& Parte : Pagina.getPageContents())
            Lida.Desenho += Texto(Parte.getStreamData(qpdf_dl_all));
        for (auto& [Nome, Figura] : Pagina.getImages())
            Lida.Figuras.push_back(Nome + ':' + Texto(Figura.getRawStreamData()));
        Lidas.push_back(std::move(Lida));
    }
    return Lidas;
}

// Three pages with text, marks and a picture, as Qt's writer leaves them.
void DesenhaRascunho(QFile& Rascunho) {
    QImage Figura(120, 80, QImage::Format_RGB32);
    Figura.fill(QColor(250, 240, 220));
    QPdfWriter Escritor(&Rascunho);
    Escritor.setResolution(96);
    Escritor.setTitle(u"Bolão da firma"_s);
    QPainter Pintor(&Escritor);
    for (int Pagina = 0; Pagina < 3; ++Pagina) {
        if (Pagina > 0)
            Escritor.newPage();
        Pintor.drawImage(QPoint(10, 10), Figura);
        Pintor.setBrush(Qt::black);
        Pintor.drawEllipse(QRect(40 + 30 * Pagina, 200, 19, 13));
        Pintor.drawText(QPoint(40, 300), u"Página %1"_s.arg(Pagina + 1));
    }
}

class PdfTamanhoRealTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Pasta.isValid());
        ASSERT_TRUE(Rascunho.open());
    }

    QTemporaryDir Pasta;
    QTemporaryFile Rascunho{Pasta.filePath(u"rascunho-XXXXXX.pdf"_s)};
};

TEST_F(PdfTamanhoRealTest, CatalogoPedeTamanhoRealEPaginasFicamComoEram) {
    DesenhaRascunho(Rascunho);
    QFile Destino(Pasta.filePath(u"destino.pdf"_s));
    ASSERT_TRUE(Destino.open(QIODevice::WriteOnly));

    ASSERT_EQ(CopiaPdfEmTamanhoReal(Rascunho, Destino), QString());
    Destino.close();

    const auto Antes = LePdf(Rascunho.fileName());
    const auto Depois = LePdf(Destino.fileName());
    EXPECT_EQ(EscalaDeImpressao(*Antes), "(nenhuma)");
    EXPECT_EQ(EscalaDeImpressao(*Depois), "/None");
    const std::vector<TPaginaLida> PaginasAntes = Paginas(*Antes);
    ASSERT_EQ(PaginasAntes.size(), 3u);
    EXPECT_FALSE(PaginasAntes[0].Figuras.empty());
    EXPECT_TRUE(PaginasAntes == Paginas(*Depois));
    EXPECT_EQ(Depois->getTrailer().getKey("/Info").getKey("/Title").getUTF8Value(), "Bolão da firma");
    // Qt's bytes are kept whole, the change appended after them, and every object reads back cleanly.
    Rascunho.seek(0);
    EXPECT_TRUE(ConteudoDe(Destino.fileName()).startsWith(Rascunho.readAll()));
    QPDFWriter Inteiro(*Depois);
    Inteiro.setOutputMemory();
    Inteiro.write();
    EXPECT_FALSE(Depois->anyWarnings());
}

QPDFObjectHandle::Rectangle Caixa(QPDFPageObjectHelper& Pagina, const char* Chave) {
    return Pagina.getAttribute(Chave, false).getArrayAsRectangle();
}

// The draft as Qt's writer leaves it, with a crop box as large as each page's media box.
void AcrescentaCropBox(const QString& Origem, const QString& Destino) {
    const auto Pdf = LePdf(Origem);
    for (QPDFPageObjectHelper& Pagina : QPDFPageDocumentHelper(*Pdf).getAllPages())
        Pagina.getObjectHandle().replaceKey("/CropBox",
                                            Pagina.getAttribute("/MediaBox", false).shallowCopy());
    // The writer keeps the name until it writes: it must outlive the writer.
    const QByteArray Nome = QFile::encodeName(Destino);
    QPDFWriter Escritor(*Pdf, Nome.constData());
    Escritor.write();
}

// A paper that is not a whole number of points (the 210 x 150 mm slip): Qt's writer rounds the page
// box, the pass gives it the paper's exact size from its top-left corner, so that the drawing, measured
// from that corner, is where it was, and the marks at the right and bottom edges are no longer cut.
TEST_F(PdfTamanhoRealTest, PapelProprioGanhaTamanhoExatoSemMoverODesenho) {
    const QSizeF Exato = QSizeF(210, 150) * (72 / 25.4);
    {
        QPdfWriter Escritor(&Rascunho);
        Escritor.setResolution(96);
        Escritor.setPageLayout(QPageLayout(QPageSize(QSizeF(210, 150), QPageSize::Millimeter),
                                           QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
        QPainter Pintor(&Escritor);
        Pintor.setBrush(Qt::black);
        for (int Pagina = 0; Pagina < 2; ++Pagina) {
            if (Pagina > 0)
                Escritor.newPage();
            Pintor.drawEllipse(QRectF(40 + 30 * Pagina, 200, 19, 13));
            // Touching the paper's right and bottom edges: 210 x 150 mm is 793.7 x 566.9 report pixels.
            Pintor.drawRect(QRectF(783.7, 556.9, 10, 10));
        }
    }
    ASSERT_TRUE(Rascunho.flush());
    QFile ComCropBox(Pasta.filePath(u"com-cropbox.pdf"_s));
    AcrescentaCropBox(Rascunho.fileName(), ComCropBox.fileName());
    ASSERT_TRUE(ComCropBox.open(QIODevice::ReadWrite));

    for (QFile* Origem : {static_cast<QFile*>(&Rascunho), &ComCropBox}) {
        SCOPED_TRACE(Origem->fileName().toStdString());
        QFile Destino(Pasta.filePath(u"exato.pdf"_s));
        ASSERT_TRUE(Destino.open(QIODevice::WriteOnly));
        ASSERT_EQ(CopiaPdfEmTamanhoReal(*Origem, Destino, Exato), QString());
        Destino.close();

        const auto Antes = LePdf(Origem->fileName());
        const auto Depois = LePdf(Destino.fileName());
        EXPECT_EQ(EscalaDeImpressao(*Depois), "/None");
        std::vector<QPDFPageObjectHelper> PaginasAntes = QPDFPageDocumentHelper(*Antes).getAllPages();
        std::vector<QPDFPageObjectHelper> PaginasDepois = QPDFPageDocumentHelper(*Depois).getAllPages();
        ASSERT_EQ(PaginasAntes.size(), 2u);
        ASSERT_EQ(PaginasDepois.size(), 2u);
        const bool TemCropBox = Origem == &ComCropBox;
        for (size_t Indice = 0; Indice < 2; ++Indice) {
            const QPDFObjectHandle::Rectangle DoQt = Caixa(PaginasAntes[Indice], "/MediaBox");
            EXPECT_EQ(DoQt.urx, 595); // whole points, as Qt's writer rounds them
            EXPECT_EQ(DoQt.ury, 425);
            for (const char* Chave : {"/MediaBox", "/CropBox"}) {
                SCOPED_TRACE(Chave);
                ASSERT_EQ(PaginasDepois[Indice].getAttribute(Chave, false).isRectangle(),
                          TemCropBox || Chave == std::string("/MediaBox"));
                if (!PaginasDepois[Indice].getAttribute(Chave, false).isRectangle())
                    continue;
                const QPDFObjectHandle::Rectangle Nova = Caixa(PaginasDepois[Indice], Chave);
                EXPECT_NEAR(Nova.urx - Nova.llx, Exato.width(), 0.01);
                EXPECT_NEAR(Nova.ury - Nova.lly, Exato.height(), 0.01);
                EXPECT_EQ(Nova.llx, DoQt.llx); // the top-left corner stays put
                EXPECT_EQ(Nova.ury, DoQt.ury);
            }
        }
        std::vector<TPaginaLida> LidasAntes = Paginas(*Antes);
        std::vector<TPaginaLida> LidasDepois = Paginas(*Depois);
        for (auto* Lidas : {&LidasAntes, &LidasDepois})
            for (TPaginaLida& Lida : *Lidas)
                Lida.Tamanho.clear();
        EXPECT_TRUE(LidasAntes == LidasDepois);

        // At 600 dpi every pixel of Qt's page is the same in the exact one, which only adds the strip
        // that was cut off: the corner mark now reaches the right edge, past Qt's page.
        const QImage DoQt = RasterizaPdf(Origem->fileName(), 600);
        const QImage Exata = RasterizaPdf(Destino.fileName(), 600);
        ASSERT_FALSE(DoQt.isNull()) << "pdftoppm (poppler-utils) is needed";
        EXPECT_EQ(Exata.size(), QSize(4961, 3544)); // 210 x 150 mm at 600 dpi, rounded up
        const QRect Comum(0, 0, DoQt.width() - 1, DoQt.height() - 1);
        EXPECT_EQ(Exata.copy(Comum), DoQt.copy(Comum));
        EXPECT_EQ(AreaEscura(Exata, QRect(4800, 3400, 161, 144)), QRect(4898, 3480, 63, 63));
    }
}

// A draft that is not a whole PDF (a full disk cut it short, nothing was written) gives a reason,
// never a file that passes for a PDF.
TEST_F(PdfTamanhoRealTest, RascunhoDanificadoFalhaComMotivo) {
    QTemporaryFile Inteiro(Pasta.filePath(u"inteiro-XXXXXX.pdf"_s));
    ASSERT_TRUE(Inteiro.open());
    DesenhaRascunho(Inteiro);
    Inteiro.flush();
    Inteiro.seek(0);
    const QByteArray Pdf = Inteiro.readAll();
    const struct {
        const char* Caso;
        QByteArray Conteudo;
    } Casos[] = {{"vazio", {}},
                 {"não é PDF", "isto não é um PDF"},
                 {"cortado ao meio", Pdf.left(Pdf.size() / 2)},
                 {"sem o final", Pdf.left(Pdf.size() - 40)}};
    for (const auto& Caso : Casos) {
        SCOPED_TRACE(Caso.Caso);
        QTemporaryFile Danificado(Pasta.filePath(u"danificado-XXXXXX.pdf"_s));
        ASSERT_TRUE(Danificado.open());
        Danificado.write(Caso.Conteudo);
        QBuffer Destino;
        Destino.open(QIODevice::WriteOnly);
        EXPECT_NE(CopiaPdfEmTamanhoReal(Danificado, Destino), QString());
    }
}

TEST_F(PdfTamanhoRealTest, DestinoQueRecusaGravarFalhaComMotivo) {
    DesenhaRascunho(Rascunho);
    QByteArray Nada;
    QBuffer Destino(&Nada);
    Destino.open(QIODevice::ReadOnly);
    EXPECT_NE(CopiaPdfEmTamanhoReal(Rascunho, Destino), QString());
}

// The report's PDF export goes through it: the file in place asks for actual size, keeps its title and
// pages, and no draft is left beside it.
TEST_F(PdfTamanhoRealTest, ExportacaoDoRelatorioSaiEmTamanhoReal) {
    TRelatorio Relatorio;
    PreparaFolhaTresVolantes(Relatorio, MargensFolha);
    CriaMarcas(Relatorio);
    TFonteTeste Fonte(7);
    Relatorio.SetFonteDados(&Fonte);
    QTemporaryDir Saida;
    const QString Arquivo = Saida.filePath(u"volantes.pdf"_s);

    const TResultadoSaida Resultado = ExportaPdf(Relatorio, Arquivo, u"Bolão da firma"_s);
    ASSERT_TRUE(Resultado.Sucesso) << Resultado.Mensagem.toStdString();

    const auto Pdf = LePdf(Arquivo);
    EXPECT_EQ(EscalaDeImpressao(*Pdf), "/None");
    EXPECT_EQ(QPDFPageDocumentHelper(*Pdf).getAllPages().size(), 3u);
    EXPECT_EQ(Pdf->getTrailer().getKey("/Info").getKey("/Title").getUTF8Value(), "Bolão da firma");
    EXPECT_EQ(QDir(Saida.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"volantes.pdf"_s});
}

} // namespace
