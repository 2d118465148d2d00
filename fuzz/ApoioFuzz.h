#pragma once

#include <QString>

#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// The text as UTF-8 with every control character written as \xNN, so that a NUL or a CR shows.
inline QByteArray Visivel(const QString& Texto) {
    QByteArray Saida;
    for (QChar c : Texto) {
        if (c.unicode() < 0x20 && c != u'\n')
            Saida += "\\x" + QByteArray::number(c.unicode(), 16).rightJustified(2, '0');
        else
            Saida += QString(c).toUtf8();
    }
    return Saida;
}

// A rule of a fuzz target that the input broke: says which, with the values that show it, and stops
// the run, so that libFuzzer keeps the input (crash-<hash>) and prints it.
inline void Confere(bool Valida, const char* Regra, const QString& Detalhes = {}) {
    if (Valida)
        return;
    std::fprintf(stderr, "Regra quebrada: %s\n%s\n", Regra, Visivel(Detalhes).constData());
    std::abort();
}

// The fuzzer's bytes read front to back: a few choices first, the text after them.
class TEntradaFuzz {
public:
    TEntradaFuzz(const unsigned char* Dados, std::size_t Tamanho)
        : FDados(Dados)
        , FTamanho(Tamanho) {}

    // The next byte, 0 once the bytes are over.
    unsigned char Byte() { return FPosicao < FTamanho ? FDados[FPosicao++] : 0; }
    // The bytes that are left.
    QByteArray Resto() const {
        return QByteArray(reinterpret_cast<const char*>(FDados + FPosicao), qsizetype(FTamanho - FPosicao));
    }

private:
    const unsigned char* FDados;
    std::size_t FTamanho;
    std::size_t FPosicao = 0;
};

// Bytes as text in one of three ways, as the mode byte says: UTF-8, Latin-1 (every byte one
// character) or UTF-16 in the machine's order, any code unit allowed (NUL, lone surrogates).
inline QString TextoDosBytes(const QByteArray& Bytes, unsigned char Modo) {
    switch (Modo % 3) {
    case 0:
        return QString::fromUtf8(Bytes);
    case 1:
        return QString::fromLatin1(Bytes);
    default: {
        QString Unidades(Bytes.size() / 2, Qt::Uninitialized);
        std::memcpy(Unidades.data(), Bytes.constData(), std::size_t(Unidades.size()) * 2);
        return Unidades;
    }
    }
}
