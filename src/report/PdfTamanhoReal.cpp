#include "report/PdfTamanhoReal.h"

#include <QFile>
#include <QIODevice>

#include <qpdf/Pl_Function.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <stdexcept>

namespace {

// The box of Qt's page grown or shrunk to Tamanho from its top-left corner.
QPDFObjectHandle::Rectangle CaixaExata(const QPDFObjectHandle::Rectangle& DoQt, const QSizeF& Tamanho) {
    return {DoQt.llx, DoQt.ury - Tamanho.height(), DoQt.llx + Tamanho.width(), DoQt.ury};
}

void DaTamanhoExato(QPDF& Pdf, const QSizeF& Tamanho) {
    for (QPDFPageObjectHelper& Pagina : QPDFPageDocumentHelper(Pdf).getAllPages())
        for (const char* Chave : {"/MediaBox", "/CropBox"}) {
            QPDFObjectHandle Caixa = Pagina.getAttribute(Chave, false);
            if (Caixa.isRectangle())
                Pagina.getObjectHandle().replaceKey(Chave, QPDFObjectHandle::newFromRectangle(CaixaExata(
                                                               Caixa.getArrayAsRectangle(), Tamanho)));
        }
}

} // namespace

QString CopiaPdfEmTamanhoReal(QFile& Rascunho, QIODevice& Destino, std::optional<QSizeF> PaginaEmPontos) {
    // A draft cut short by a full disk must not pass for a PDF.
    if (!Rascunho.flush() || Rascunho.error() != QFileDevice::NoError)
        return QStringLiteral("O rascunho do PDF não pôde ser gravado (%1).").arg(Rascunho.errorString());
    try {
        QPDF Pdf;
        // Warnings would go to standard error; a damaged file still fails below.
        Pdf.setSuppressWarnings(true);
        Pdf.processFile(QFile::encodeName(Rascunho.fileName()).constData());
        QPDFObjectHandle Catalogo = Pdf.getRoot();
        QPDFObjectHandle Preferencias = Catalogo.getKey("/ViewerPreferences");
        if (!Preferencias.isDictionary()) {
            Preferencias = QPDFObjectHandle::newDictionary();
            Catalogo.replaceKey("/ViewerPreferences", Preferencias);
        }
        Preferencias.replaceKey("/PrintScaling", QPDFObjectHandle::newName("/None"));
        if (PaginaEmPontos)
            DaTamanhoExato(Pdf, *PaginaEmPontos);

        Pl_Function Saida("cartelim-destino", nullptr,
                          [&Destino](const unsigned char* Dados, size_t Tamanho) {
                              const auto Bytes = static_cast<qint64>(Tamanho);
                              if (Destino.write(reinterpret_cast<const char*>(Dados), Bytes) != Bytes)
                                  throw std::runtime_error(Destino.errorString().toStdString());
                          });
        QPDFWriter Escritor(Pdf);
        Escritor.setOutputPipeline(&Saida);
        // The streams are copied byte for byte: neither decoded nor compressed again.
        Escritor.setDecodeLevel(qpdf_dl_none);
        Escritor.setCompressStreams(false);
        Escritor.write();
        if (Pdf.anyWarnings())
            return QStringLiteral("O PDF gerado está danificado.");
        return {};
    } catch (const std::exception& Falha) {
        return QStringLiteral("O PDF não pôde ser preparado para imprimir em tamanho real: %1")
            .arg(QString::fromLocal8Bit(Falha.what()));
    }
}
