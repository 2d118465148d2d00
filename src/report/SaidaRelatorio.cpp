#include "report/SaidaRelatorio.h"

#include "report/PdfTamanhoReal.h"
#include "report/Relatorio.h"

#include "catalogue/GravacaoSegura.h"

#include <QDir>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cmath>
#include <optional>

namespace {

// Writers and printers work in report pixels, so point-size text and report pixels agree on them.
constexpr int ResolucaoSaida = static_cast<int>(PixelsRelatorio::PorPolegada);

QString MensagemPdf(const QString& Caminho, const QString& Motivo) {
    return QStringLiteral("Não foi possível gravar o arquivo PDF \"%1\".\n%2")
        .arg(QDir::toNativeSeparators(Caminho), Motivo);
}

int PixelsDoPapel(Milimetros Comprimento, int Dpi) {
    // Rounded up, as PDF rasterisers do, so that a page image and a rasterised PDF have one size.
    return static_cast<int>(std::ceil(Comprimento.EmPixels().EmPontosDe(Dpi) - 1e-6));
}

// A paper of a standard size keeps the box Qt's writer gives it (A4 is 595 x 842 points in every PDF,
// and printers know it by that); a paper of its own size, such as the official slip's, is written at
// its exact size.
std::optional<QSizeF> TamanhoExatoEmPontos(const TRelatorio& Relatorio) {
    if (Relatorio.TamanhoPapel().id() != QPageSize::Custom)
        return std::nullopt;
    constexpr double PontosPorMilimetro = 72.0 / PixelsRelatorio::MilimetrosPorPolegada;
    return QSizeF(Relatorio.LarguraPagina().Valor(), Relatorio.AlturaPagina().Valor()) * PontosPorMilimetro;
}

} // namespace

void AjustaPintorParaPixelsRelatorio(QPainter& Pintor) {
    const QPaintDevice* Dispositivo = Pintor.device();
    Pintor.scale(Dispositivo->logicalDpiX() / PixelsRelatorio::PorPolegada,
                 Dispositivo->logicalDpiY() / PixelsRelatorio::PorPolegada);
}

bool DesenhaTodasPaginas(TRelatorio& Relatorio, QPainter& Pintor, QPagedPaintDevice& Dispositivo,
                         const TAcompanhaPaginas& Acompanha) {
    const int Paginas = Relatorio.QdePaginas();
    for (int Indice = 0; Indice < Paginas; ++Indice) {
        if (Indice > 0)
            Dispositivo.newPage();
        Pintor.save();
        AjustaPintorParaPixelsRelatorio(Pintor);
        Relatorio.DesenhaPagina(Pintor, Indice);
        Pintor.restore();
        if (Acompanha && !Acompanha(Indice + 1, Paginas))
            return false;
    }
    return true;
}

QString MensagemInterrompida() {
    return QStringLiteral("A gravação foi interrompida.");
}

TResultadoSaida ExportaPdf(TRelatorio& Relatorio, const QString& Caminho, const QString& Titulo,
                           const TAcompanhaPaginas& Acompanha) {
    if (Relatorio.QdePaginas() == 0)
        return TResultadoSaida::Falha(MensagemPdf(Caminho, QStringLiteral("O relatório não tem páginas.")));
    // Written to a temporary file beside the target and renamed at the end: a failure leaves no
    // half-written PDF behind.
    QSaveFile Arquivo(Caminho);
    if (!Arquivo.open(QIODevice::WriteOnly))
        return TResultadoSaida::Falha(MensagemPdf(Caminho, Arquivo.errorString()));
    // Qt's writer draws into a draft beside the target; the copy that tells viewers to print at actual
    // size is what goes into place.
    QTemporaryFile Rascunho(
        QFileInfo(Caminho).absoluteDir().filePath(QStringLiteral(".cartelim-XXXXXX.pdf")));
    if (!Rascunho.open())
        return TResultadoSaida::Falha(MensagemPdf(Caminho, Rascunho.errorString()));
    {
        QPdfWriter Escritor(&Rascunho);
        Escritor.setResolution(ResolucaoSaida);
        Escritor.setPageLayout(Relatorio.LayoutPapel());
        Escritor.setTitle(Titulo);
        Escritor.setCreator(QStringLiteral("Cartelim"));
        QPainter Pintor;
        if (!Pintor.begin(&Escritor)) {
            Arquivo.cancelWriting();
            return TResultadoSaida::Falha(
                MensagemPdf(Caminho, QStringLiteral("O PDF não pôde ser iniciado.")));
        }
        const bool Completo = DesenhaTodasPaginas(Relatorio, Pintor, Escritor, Acompanha);
        Pintor.end();
        if (!Completo) {
            Arquivo.cancelWriting();
            return TResultadoSaida::Cancelamento(MensagemPdf(Caminho, MensagemInterrompida()));
        }
    }
    if (const QString Motivo = CopiaPdfEmTamanhoReal(Rascunho, Arquivo, TamanhoExatoEmPontos(Relatorio));
        !Motivo.isEmpty()) {
        Arquivo.cancelWriting();
        return TResultadoSaida::Falha(MensagemPdf(Caminho, Motivo));
    }
    if (QString Motivo; !ConfirmaGravacao(Arquivo, Motivo))
        return TResultadoSaida::Falha(MensagemPdf(Caminho, Motivo));
    return TResultadoSaida::Ok();
}

QImage ImagemPagina(TRelatorio& Relatorio, int Indice, int Dpi) {
    QImage Imagem(PixelsDoPapel(Relatorio.LarguraPagina(), Dpi), PixelsDoPapel(Relatorio.AlturaPagina(), Dpi),
                  QImage::Format_RGB32);
    const int PontosPorMetro = static_cast<int>(std::lround(Dpi / 0.0254));
    Imagem.setDotsPerMeterX(PontosPorMetro);
    Imagem.setDotsPerMeterY(PontosPorMetro);
    Imagem.fill(Qt::white);
    QPainter Pintor(&Imagem);
    AjustaPintorParaPixelsRelatorio(Pintor);
    Relatorio.DesenhaPagina(Pintor, Indice);
    return Imagem;
}
