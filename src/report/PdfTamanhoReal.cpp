#include "report/PdfTamanhoReal.h"

#include <QFile>
#include <QIODevice>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <algorithm>
#include <exception>
#include <map>
#include <optional>
#include <string>

// The draft is not rewritten: its bytes are copied as they are and the objects that change (the catalog
// and, for an exact size, the pages) are appended as an incremental update, which every PDF reader
// applies over the original. Rewriting a thousand-page PDF costs as much as a good part of drawing it;
// the update costs reading the cross-reference table and the page tree.

namespace {

// The box of Qt's page grown or shrunk to Tamanho from its top-left corner.
QPDFObjectHandle::Rectangle CaixaExata(const QPDFObjectHandle::Rectangle& DoQt, const QSizeF& Tamanho) {
    return {DoQt.llx, DoQt.ury - Tamanho.height(), DoQt.llx + Tamanho.width(), DoQt.ury};
}

void DaTamanhoExato(QPDFPageObjectHelper& Pagina, const QSizeF& Tamanho) {
    for (const char* Chave : {"/MediaBox", "/CropBox"}) {
        QPDFObjectHandle Caixa = Pagina.getAttribute(Chave, false);
        if (Caixa.isRectangle())
            Pagina.getObjectHandle().replaceKey(
                Chave, QPDFObjectHandle::newFromRectangle(CaixaExata(Caixa.getArrayAsRectangle(), Tamanho)));
    }
}

void PedeTamanhoReal(QPDFObjectHandle Catalogo) {
    // A copy held in the catalog itself, so that the catalog is the only object that changes.
    QPDFObjectHandle Preferencias = Catalogo.getKey("/ViewerPreferences");
    Preferencias =
        Preferencias.isDictionary() ? Preferencias.shallowCopy() : QPDFObjectHandle::newDictionary();
    Preferencias.replaceKey("/PrintScaling", QPDFObjectHandle::newName("/None"));
    Catalogo.replaceKey("/ViewerPreferences", Preferencias);
}

// Where the draft's last cross-reference table starts, read from its final startxref; empty unless it is
// a classic table, the only kind an update written as one may follow (Qt's writer writes no other).
std::optional<qint64> InicioDaTabela(QFile& Rascunho) {
    constexpr qint64 Final = 1024;
    const qint64 Tamanho = Rascunho.size();
    if (!Rascunho.seek(std::max<qint64>(0, Tamanho - Final)))
        return std::nullopt;
    const QByteArray Fim = Rascunho.read(Final);
    const qsizetype Marca = Fim.lastIndexOf("startxref");
    if (Marca < 0)
        return std::nullopt;
    bool Numero = false;
    const qint64 Inicio = Fim.mid(Marca + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&Numero);
    if (!Numero || Inicio < 0 || Inicio >= Tamanho || !Rascunho.seek(Inicio) || Rascunho.read(4) != "xref")
        return std::nullopt;
    return Inicio;
}

// Copies the draft's bytes; false when Destino refuses them.
bool CopiaBytes(QFile& Rascunho, QIODevice& Destino) {
    constexpr qint64 Bloco = 1 << 20;
    if (!Rascunho.seek(0))
        return false;
    while (!Rascunho.atEnd()) {
        const QByteArray Dados = Rascunho.read(Bloco);
        if (Dados.isEmpty() || Destino.write(Dados) != Dados.size())
            return false;
    }
    return true;
}

// The changed objects, a cross-reference section for them alone and a trailer that points back to the
// draft's own table.
QByteArray Atualizacao(const std::map<QPDFObjGen, std::string>& Objetos, QPDFObjectHandle Trailer,
                       qint64 TabelaAnterior, qint64 Inicio) {
    QByteArray Texto;
    QByteArray Entradas = "xref\n";
    for (const auto& [Identidade, Conteudo] : Objetos) {
        Entradas += QByteArray::number(Identidade.getObj()) + " 1\n" +
                    QByteArray::number(Inicio + Texto.size()).rightJustified(10, '0') + ' ' +
                    QByteArray::number(Identidade.getGen()).rightJustified(5, '0') + " n \n";
        Texto += QByteArray::number(Identidade.getObj()) + ' ' + QByteArray::number(Identidade.getGen()) +
                 " obj\n" + QByteArray::fromStdString(Conteudo) + "\nendobj\n";
    }
    const qint64 Tabela = Inicio + Texto.size();
    Texto += Entradas;
    Trailer = Trailer.shallowCopy();
    Trailer.removeKey("/XRefStm");
    Trailer.replaceKey("/Prev", QPDFObjectHandle::newInteger(TabelaAnterior));
    Texto += "trailer\n" + QByteArray::fromStdString(Trailer.unparse()) + "\nstartxref\n" +
             QByteArray::number(Tabela) + "\n%%EOF\n";
    return Texto;
}

} // namespace

QString CopiaPdfEmTamanhoReal(QFile& Rascunho, QIODevice& Destino, std::optional<QSizeF> PaginaEmPontos) {
    const QString Danificado = QStringLiteral("O PDF gerado está danificado.");
    const QString Recusa = QStringLiteral("O PDF não pôde ser preparado para imprimir em tamanho real: %1");
    // A draft cut short by a full disk must not pass for a PDF.
    if (!Rascunho.flush() || Rascunho.error() != QFileDevice::NoError)
        return QStringLiteral("O rascunho do PDF não pôde ser gravado (%1).").arg(Rascunho.errorString());
    try {
        QPDF Pdf;
        // Warnings would go to standard error; a draft qpdf had to repair fails below.
        Pdf.setSuppressWarnings(true);
        Pdf.processFile(QFile::encodeName(Rascunho.fileName()).constData());
        std::map<QPDFObjGen, std::string> Alterados;
        QPDFObjectHandle Catalogo = Pdf.getRoot();
        PedeTamanhoReal(Catalogo);
        Alterados[Catalogo.getObjGen()] = Catalogo.unparseResolved();
        if (PaginaEmPontos)
            for (QPDFPageObjectHelper& Pagina : QPDFPageDocumentHelper(Pdf).getAllPages()) {
                DaTamanhoExato(Pagina, *PaginaEmPontos);
                Alterados[Pagina.getObjectHandle().getObjGen()] = Pagina.getObjectHandle().unparseResolved();
            }
        const std::optional<qint64> TabelaAnterior = InicioDaTabela(Rascunho);
        if (Pdf.anyWarnings() || !TabelaAnterior || !Catalogo.isIndirect())
            return Danificado;

        if (!CopiaBytes(Rascunho, Destino))
            return Recusa.arg(Destino.errorString());
        qint64 Inicio = Rascunho.size();
        // The update starts on a line of its own.
        if (Rascunho.seek(Inicio - 1) && Rascunho.read(1) != "\n") {
            if (Destino.write("\n") != 1)
                return Recusa.arg(Destino.errorString());
            ++Inicio;
        }
        const QByteArray Final = Atualizacao(Alterados, Pdf.getTrailer(), *TabelaAnterior, Inicio);
        if (Destino.write(Final) != Final.size())
            return Recusa.arg(Destino.errorString());
        return {};
    } catch (const std::exception& Falha) {
        return Recusa.arg(QString::fromLocal8Bit(Falha.what()));
    }
}
