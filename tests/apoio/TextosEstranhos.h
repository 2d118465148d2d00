#pragma once

#include <QByteArray>
#include <QString>

#include <initializer_list>
#include <ostream>
#include <vector>

// Text files with odd encodings, each with the text every reader of the program must make of it:
// the import tab and the batch tool decode them alike.
struct TTextoEstranho {
    const char* Nome;
    QByteArray Bytes;
    QString Texto;
};

inline void PrintTo(const TTextoEstranho& Caso, std::ostream* Saida) {
    *Saida << Caso.Nome;
}

namespace TextosEstranhos {

inline QByteArray Utf16(const QString& Texto, bool BigEndian) {
    QByteArray Bytes;
    for (QChar Caractere : Texto) {
        const char Alto = char(Caractere.unicode() >> 8);
        const char Baixo = char(Caractere.unicode() & 0xFF);
        Bytes += BigEndian ? QByteArray{&Alto, 1} + QByteArray{&Baixo, 1}
                           : QByteArray{&Baixo, 1} + QByteArray{&Alto, 1};
    }
    return Bytes;
}

inline QByteArray De(std::initializer_list<unsigned char> Lista) {
    QByteArray Bytes;
    for (unsigned char Byte : Lista)
        Bytes.append(char(Byte));
    return Bytes;
}

} // namespace TextosEstranhos

inline std::vector<TTextoEstranho> TodosOsTextosEstranhos() {
    using namespace TextosEstranhos;
    const QString Linha = QStringLiteral("01 02 03 04 05 06 x");
    const QByteArray L = Linha.toUtf8();
    const QByteArray Bom8 = De({0xEF, 0xBB, 0xBF});
    const QByteArray Bom16LE = De({0xFF, 0xFE});
    const QByteArray Bom16BE = De({0xFE, 0xFF});
    const QString Crlf = QStringLiteral("\r\n");
    return {
        {"Utf8ComMarca", Bom8 + L, Linha},
        {"Utf8MarcaDupla", Bom8 + Bom8 + L, Linha},
        {"Utf8DoisArquivosJuntos", Bom8 + L + "\r\n" + Bom8 + L, Linha + Crlf + Linha},
        {"Utf8SemMarcaComMarcaNoMeio", L + Bom8 + "y", Linha + QStringLiteral("y")},
        {"Utf8CortadoNoFimEhWindows1252", L + De({0xE2, 0x82}), Linha + QStringLiteral("â‚")},
        {"Windows1252SemQuebraNoFim", L + De({' ', 'J', 'o', 's', 0xE9}), Linha + QStringLiteral(" José")},
        {"Utf16LE", Bom16LE + Utf16(Linha, false), Linha},
        {"Utf16BE", Bom16BE + Utf16(Linha, true), Linha},
        {"Utf16ByteImparNoFim", Bom16LE + Utf16(Linha, false) + "z", Linha + QChar(0xFFFD)},
        {"Utf16SubstitutoSozinho",
         Bom16LE + Utf16(Linha, false) + De({0x3D, 0xD8}) + Utf16(QStringLiteral(" y"), false),
         Linha + QChar(0xFFFD) + QStringLiteral(" y")},
        // Not UTF-32: a UTF-16 LE text that starts with U+0000.
        {"Utf16LEComecandoComNul", Bom16LE + De({0, 0}) + Utf16(Linha, false), QChar(0) + Linha},
        {"Utf16DoisArquivosJuntos", Bom16LE + Utf16(Linha + Crlf, false) + Bom16LE + Utf16(Linha, false),
         Linha + Crlf + Linha},
        {"Utf32BENaoEhReconhecido", De({0, 0, 0xFE, 0xFF, 0, 0, 0, '1'}),
         QString(2, QChar(0)) + QStringLiteral("þÿ") + QString(3, QChar(0)) + QStringLiteral("1")},
    };
}
