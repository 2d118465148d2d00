#include "entry/ArquivoTexto.h"

#include "catalogue/LeituraLimitada.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t Substituto = 0xFFFD;
constexpr char16_t MarcaDeOrdem = 0xFEFF;

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five bytes it leaves undefined keep
// their Latin-1 value (U+0081, U+008D, U+008F, U+0090, U+009D).
constexpr std::array<char16_t, 32> Windows1252De80a9F{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool ComecaCom(QByteArrayView Bytes, QByteArrayView Marca) {
    return Bytes.size() >= Marca.size() && Bytes.first(Marca.size()) == Marca;
}

bool EhContinuacao(unsigned char Byte) {
    return (Byte & 0xC0) == 0x80;
}

} // namespace

bool EhUtf8Valido(QByteArrayView Bytes) {
    const auto* Byte = reinterpret_cast<const unsigned char*>(Bytes.data());
    const qsizetype Tamanho = Bytes.size();
    qsizetype i = 0;
    while (i < Tamanho) {
        const unsigned char Primeiro = Byte[i];
        if (Primeiro < 0x80) {
            ++i;
            continue;
        }
        qsizetype Continuacoes = 0;
        unsigned char MenorSegundo = 0x80;
        unsigned char MaiorSegundo = 0xBF;
        if (Primeiro >= 0xC2 && Primeiro <= 0xDF) {
            Continuacoes = 1;
        } else if (Primeiro >= 0xE0 && Primeiro <= 0xEF) {
            Continuacoes = 2;
            if (Primeiro == 0xE0)
                MenorSegundo = 0xA0; // overlong below U+0800
            else if (Primeiro == 0xED)
                MaiorSegundo = 0x9F; // surrogates
        } else if (Primeiro >= 0xF0 && Primeiro <= 0xF4) {
            Continuacoes = 3;
            if (Primeiro == 0xF0)
                MenorSegundo = 0x90; // overlong below U+10000
            else if (Primeiro == 0xF4)
                MaiorSegundo = 0x8F; // above U+10FFFF
        } else {
            return false;
        }
        if (Tamanho - i <= Continuacoes)
            return false;
        if (Byte[i + 1] < MenorSegundo || Byte[i + 1] > MaiorSegundo)
            return false;
        for (qsizetype j = 2; j <= Continuacoes; ++j) {
            if (!EhContinuacao(Byte[i + j]))
                return false;
        }
        i += Continuacoes + 1;
    }
    return true;
}

QString DeWindows1252(QByteArrayView Bytes) {
    QString Texto(Bytes.size(), Qt::Uninitialized);
    QChar* Destino = Texto.data();
    for (char Caractere : Bytes) {
        const auto Byte = static_cast<unsigned char>(Caractere);
        *Destino++ = QChar(Byte >= 0x80 && Byte <= 0x9F ? Windows1252De80a9F[Byte - 0x80] : char16_t(Byte));
    }
    return Texto;
}

namespace {

// UTF-16 in the given byte order; a lone surrogate or an odd last byte becomes U+FFFD.
QString DeUtf16(QByteArrayView Bytes, bool BigEndian) {
    const auto* Byte = reinterpret_cast<const unsigned char*>(Bytes.data());
    const qsizetype Unidades = Bytes.size() / 2;
    const auto Unidade = [&](qsizetype Indice) {
        const unsigned Alto = Byte[2 * Indice + (BigEndian ? 0 : 1)];
        const unsigned Baixo = Byte[2 * Indice + (BigEndian ? 1 : 0)];
        return char16_t((Alto << 8) | Baixo);
    };
    QString Texto(Unidades + Bytes.size() % 2, Qt::Uninitialized);
    QChar* Destino = Texto.data();
    for (qsizetype i = 0; i < Unidades; ++i) {
        const char16_t Atual = Unidade(i);
        if (QChar::isHighSurrogate(Atual) && i + 1 < Unidades && QChar::isLowSurrogate(Unidade(i + 1))) {
            *Destino++ = QChar(Atual);
            *Destino++ = QChar(Unidade(++i));
        } else {
            *Destino++ = QChar(QChar::isSurrogate(Atual) ? Substituto : Atual);
        }
    }
    if (Bytes.size() % 2 != 0)
        *Destino++ = QChar(Substituto);
    return Texto;
}

QString Nome(const QString& Caminho) {
    return u'"' + QDir::toNativeSeparators(Caminho) + u'"';
}

TArquivoTexto Falha(const QString& Erro) {
    return {false, QString(), Erro};
}

} // namespace

QString DecodificaTexto(QByteArrayView Bytes) {
    QString Texto;
    if (ComecaCom(Bytes, "\xEF\xBB\xBF"))
        Texto = QString::fromUtf8(Bytes.sliced(3));
    else if (ComecaCom(Bytes, "\xFF\xFE"))
        Texto = DeUtf16(Bytes.sliced(2), false);
    else if (ComecaCom(Bytes, "\xFE\xFF"))
        Texto = DeUtf16(Bytes.sliced(2), true);
    else
        Texto = EhUtf8Valido(Bytes) ? QString::fromUtf8(Bytes) : DeWindows1252(Bytes);
    // A byte-order mark past the start (a file saved twice with one, two files joined) is not text.
    Texto.remove(QChar(MarcaDeOrdem));
    return Texto;
}

QByteArray CodificaWindows1252(QStringView Texto) {
    QByteArray Bytes(Texto.size(), Qt::Uninitialized);
    char* Destino = Bytes.data();
    for (QChar Caractere : Texto) {
        const char16_t Codigo = Caractere.unicode();
        if (Codigo < 0x80 || (Codigo >= 0xA0 && Codigo <= 0xFF)) {
            *Destino++ = char(Codigo);
            continue;
        }
        // The five codes Windows-1252 leaves unused were read as the Latin-1 character of the same code
        // and go back to their byte, so that a hand-written file saved again keeps every byte it had.
        const auto Achado = std::find(Windows1252De80a9F.begin(), Windows1252De80a9F.end(), Codigo);
        *Destino++ =
            Achado != Windows1252De80a9F.end() ? char(0x80 + (Achado - Windows1252De80a9F.begin())) : '?';
    }
    return Bytes;
}

TArquivoTexto LeArquivoTexto(const QString& Caminho) {
    return LeArquivoTextoNativo(QFile::encodeName(Caminho), Caminho);
}

TArquivoTexto LeArquivoTextoNativo(const QByteArray& CaminhoNativo, const QString& Caminho) {
    using TSituacao = TLeituraLimitada::TSituacao;
    const TLeituraLimitada Leitura = LeArquivoLimitado(CaminhoNativo, TamanhoMaximoArquivoTexto);
    switch (Leitura.Situacao) {
    case TSituacao::Lido:
        return {true, DecodificaTexto(Leitura.Bytes), QString()};
    case TSituacao::NaoEncontrado:
        return Falha(u"O arquivo "_s + Nome(Caminho) + u" não foi encontrado."_s);
    case TSituacao::Pasta:
        return Falha(Nome(Caminho) + u" é uma pasta, não um arquivo de texto."_s);
    case TSituacao::NaoComum:
        return Falha(Nome(Caminho) + u" não é um arquivo comum e não pode ser lido como texto."_s);
    case TSituacao::SemPermissao:
        return Falha(u"Não foi possível abrir o arquivo "_s + Nome(Caminho) +
                     u". Verifique se você tem permissão para lê-lo."_s);
    case TSituacao::Grande:
        return Falha(
            u"O arquivo %1 tem %2 MB, mais do que a área de jogos aceita (%3 MB). Divida-o em "
            u"arquivos menores."_s.arg(
                Nome(Caminho),
                QLocale().toString(std::max(Leitura.Tamanho, TamanhoMaximoArquivoTexto + 1) / (1024 * 1024)),
                QString::number(TamanhoMaximoArquivoTexto / (1024 * 1024))));
    case TSituacao::FalhaDeLeitura:
        break;
    }
    return Falha(u"Não foi possível ler o arquivo "_s + Nome(Caminho) + u'.');
}

TArquivoTexto LeEntradaPadrao() {
    using TSituacao = TLeituraLimitada::TSituacao;
    const TLeituraLimitada Leitura = LeDescritorLimitado(0, TamanhoMaximoArquivoTexto);
    switch (Leitura.Situacao) {
    case TSituacao::Lido:
        return {true, DecodificaTexto(Leitura.Bytes), QString()};
    case TSituacao::Grande:
        return Falha(u"A entrada padrão tem mais do que a área de jogos aceita (%1 MB). Divida os jogos em "
                     u"arquivos menores."_s.arg(TamanhoMaximoArquivoTexto / (1024 * 1024)));
    default:
        return Falha(u"Não foi possível ler a entrada padrão."_s);
    }
}

QString NormalizaQuebrasDeLinha(QStringView Texto) {
    QString Normalizado;
    Normalizado.reserve(Texto.size());
    QChar Anterior;
    for (QChar Caractere : Texto) {
        if (Caractere == u'\n' && Anterior != u'\r')
            Normalizado += u'\r';
        Normalizado += Caractere;
        Anterior = Caractere;
    }
    return Normalizado;
}
