#include "report/PdfTamanhoReal.h"

#include <QFile>
#include <QIODevice>

#include <qpdf/Pl_Function.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <stdexcept>

QString CopiaPdfEmTamanhoReal(QFile& Rascunho, QIODevice& Destino) {
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
