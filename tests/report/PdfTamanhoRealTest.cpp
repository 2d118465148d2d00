// PDFs that viewers print at actual size: the document catalog read back through qpdf carries
// /ViewerPreferences << /PrintScaling /None >>, and the pages are the pages Qt's writer drew.
#include "ApoioRelatorio.h"

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
    EXPECT_FALSE(Depois->anyWarnings());
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
