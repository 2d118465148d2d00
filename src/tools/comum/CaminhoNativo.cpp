#include "tools/comum/CaminhoNativo.h"

#include "entry/ArquivoTexto.h"

#include <QDir>

namespace {

constexpr char16_t PrimeiroGuardado = 0xDC80;
constexpr char16_t UltimoGuardado = 0xDCFF;

bool EhGuardado(QChar Caractere) {
    return Caractere.unicode() >= PrimeiroGuardado && Caractere.unicode() <= UltimoGuardado;
}

// Length of the valid UTF-8 sequence at the start of Bytes, 0 when it starts with an invalid byte.
qsizetype SequenciaValida(QByteArrayView Bytes) {
    const auto Primeiro = static_cast<unsigned char>(Bytes.front());
    const qsizetype Tamanho = Primeiro < 0x80 ? 1 : Primeiro < 0xE0 ? 2 : Primeiro < 0xF0 ? 3 : 4;
    if (Tamanho > Bytes.size())
        return 0;
    return EhUtf8Valido(Bytes.first(Tamanho)) ? Tamanho : 0;
}

} // namespace

QString DeArgumento(QByteArrayView Bytes) {
    if (EhUtf8Valido(Bytes))
        return QString::fromUtf8(Bytes);
    QString Texto;
    while (!Bytes.empty()) {
        const qsizetype Tamanho = SequenciaValida(Bytes);
        if (Tamanho == 0) {
            Texto += QChar(char16_t(0xDC00 + static_cast<unsigned char>(Bytes.front())));
            Bytes = Bytes.sliced(1);
        } else {
            Texto += QString::fromUtf8(Bytes.first(Tamanho));
            Bytes = Bytes.sliced(Tamanho);
        }
    }
    return Texto;
}

QByteArray CaminhoNativo(const QString& Caminho) {
    if (CaminhoRepresentavel(Caminho))
        return Caminho.toUtf8();
    QByteArray Bytes;
    qsizetype Inicio = 0;
    for (qsizetype Posicao = 0; Posicao <= Caminho.size(); ++Posicao) {
        if (Posicao < Caminho.size() && !EhGuardado(Caminho.at(Posicao)))
            continue;
        Bytes += QStringView(Caminho).sliced(Inicio, Posicao - Inicio).toUtf8();
        if (Posicao < Caminho.size())
            Bytes += char(Caminho.at(Posicao).unicode() - 0xDC00);
        Inicio = Posicao + 1;
    }
    return Bytes;
}

bool CaminhoRepresentavel(const QString& Caminho) {
    return std::none_of(Caminho.begin(), Caminho.end(), EhGuardado);
}

QString CaminhoParaMostrar(const QString& Caminho) {
    QString Texto = QDir::toNativeSeparators(Caminho);
    for (QChar& Caractere : Texto)
        if (EhGuardado(Caractere))
            Caractere = QChar(u'\uFFFD');
    return Texto;
}
