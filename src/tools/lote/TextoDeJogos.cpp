#include "tools/lote/TextoDeJogos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cstdio>

using namespace Qt::StringLiterals;

QString DecodificaTextoDeJogos(const QByteArray& Bytes) {
    if (const std::optional<QStringConverter::Encoding> Marca = QStringConverter::encodingForData(Bytes)) {
        // The decoder drops the byte-order mark itself.
        QStringDecoder Decodificador(*Marca);
        return Decodificador.decode(Bytes);
    }
    QStringDecoder Utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString Texto = Utf8.decode(Bytes);
    if (!Utf8.hasError())
        return Texto;
    QStringDecoder Windows1252("windows-1252");
    if (Windows1252.isValid())
        return Windows1252.decode(Bytes);
    return QString::fromLatin1(Bytes);
}

std::optional<QString> LeTextoDeJogos(const QString& Caminho, QString& Erro) {
    QFile Arquivo;
    const bool EntradaPadrao = Caminho == u"-"_s;
    if (!EntradaPadrao && QFileInfo(Caminho).isDir()) {
        Erro = u"\"%1\" é uma pasta, não um arquivo de jogos."_s.arg(QDir::toNativeSeparators(Caminho));
        return std::nullopt;
    }
    const bool Aberto = EntradaPadrao ? Arquivo.open(stdin, QIODevice::ReadOnly)
                                      : (Arquivo.setFileName(Caminho), Arquivo.open(QIODevice::ReadOnly));
    const QString Nome =
        EntradaPadrao ? u"entrada padrão"_s : u"\"%1\""_s.arg(QDir::toNativeSeparators(Caminho));
    if (!Aberto) {
        Erro = u"Não foi possível abrir o arquivo de jogos %1: %2"_s.arg(Nome, Arquivo.errorString());
        return std::nullopt;
    }
    const QByteArray Bytes = Arquivo.readAll();
    if (Arquivo.error() != QFileDevice::NoError) {
        Erro = u"Não foi possível ler o arquivo de jogos %1: %2"_s.arg(Nome, Arquivo.errorString());
        return std::nullopt;
    }
    return DecodificaTextoDeJogos(Bytes);
}
