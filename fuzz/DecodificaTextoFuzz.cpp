// The text file decoder over any bytes: it never fails, gives well-formed UTF-16 (no lone surrogate)
// and no byte-order mark, reads valid UTF-8 without a leading mark as UTF-8 (its marks dropped) and
// anything else without one as one character for each byte, and the text it gives comes back
// unchanged when written with a byte-order mark in UTF-8, UTF-16 LE or UTF-16 BE and decoded again.
#include "ApoioFuzz.h"

#include "entry/ArquivoTexto.h"

#include <QStringEncoder>

using namespace Qt::StringLiterals;

namespace {

bool SemSurrogatoSozinho(const QString& Texto) {
    for (qsizetype i = 0; i < Texto.size(); ++i) {
        const QChar c = Texto.at(i);
        if (c.isHighSurrogate() && i + 1 < Texto.size() && Texto.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return false;
    }
    return true;
}

bool ComecaComMarca(const QByteArray& Bytes) {
    return Bytes.startsWith("\xEF\xBB\xBF") || Bytes.startsWith("\xFF\xFE") || Bytes.startsWith("\xFE\xFF");
}

void ConfereIdaEVolta(const QString& Texto, QStringConverter::Encoding Codificacao, const char* Regra) {
    QStringEncoder Codificador(Codificacao, QStringConverter::Flag::WriteBom);
    const QByteArray Bytes = Codificador.encode(Texto);
    const QString Relido = DecodificaTexto(Bytes);
    Confere(Relido == Texto, Regra, u"texto [%1]\nrelido [%2]"_s.arg(Texto, Relido));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* Dados, std::size_t Tamanho) {
    const QByteArray Bytes(reinterpret_cast<const char*>(Dados), qsizetype(Tamanho));
    const QString Texto = DecodificaTexto(Bytes);
    Confere(SemSurrogatoSozinho(Texto), "texto sem surrogato sozinho", Texto);
    Confere(!Texto.contains(QChar(0xFEFF)), "texto sem marca de ordem dos bytes", Texto);
    if (!ComecaComMarca(Bytes)) {
        QStringDecoder Utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        QString ComoUtf8 = Utf8.decode(Bytes);
        if (!Utf8.hasError())
            Confere(Texto == ComoUtf8.remove(QChar(0xFEFF)), "UTF-8 válido lido como UTF-8, sem marcas",
                    Texto);
        else
            Confere(Texto.size() == Bytes.size(), "sem UTF-8 válido, um caractere por byte", Texto);
    }
    ConfereIdaEVolta(Texto, QStringConverter::Utf8, "ida e volta em UTF-8 com marca");
    ConfereIdaEVolta(Texto, QStringConverter::Utf16LE, "ida e volta em UTF-16 LE com marca");
    ConfereIdaEVolta(Texto, QStringConverter::Utf16BE, "ida e volta em UTF-16 BE com marca");
    return 0;
}
