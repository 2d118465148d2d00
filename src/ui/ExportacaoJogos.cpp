#include "ui/ExportacaoJogos.h"

#include "catalogue/GravacaoSegura.h"
#include "store/DataModulo.h"

#include <QByteArray>
#include <QDir>
#include <QSaveFile>

#include <array>

namespace {

const auto FimDeLinha = QStringLiteral("\r\n");

// Characters 0x80..0x9F of the Windows Latin code page; 0 marks the five unused codes.
constexpr std::array<char16_t, 32> Windows1252De80A9F = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char ByteWindows1252(char16_t Caractere) {
    if (Caractere < 0x80 || (Caractere >= 0xA0 && Caractere <= 0xFF))
        return char(Caractere);
    for (std::size_t Posicao = 0; Posicao < Windows1252De80A9F.size(); ++Posicao) {
        if (Windows1252De80A9F[Posicao] == Caractere && Caractere != 0)
            return char(0x80 + Posicao);
    }
    return '?';
}

QByteArray CodificaWindows1252(QStringView Texto) {
    QByteArray Bytes;
    Bytes.resize(Texto.size());
    for (qsizetype Posicao = 0; Posicao < Texto.size(); ++Posicao)
        Bytes[Posicao] = ByteWindows1252(Texto[Posicao].unicode());
    return Bytes;
}

} // namespace

QString TextoDosJogos(const TDM& DM) {
    const TCDSDetalhe& Jogos = DM.CDSDetalhe();
    QString Texto;
    // Game texts are short and alike: the first one sizes the whole text.
    if (Jogos.QdeRegistros() > 0)
        Texto.reserve(qsizetype(Jogos.QdeRegistros()) * (Jogos.Jogo(0).size() + FimDeLinha.size()));
    for (int Linha = 0; Linha < Jogos.QdeRegistros(); ++Linha)
        Texto += Jogos.Jogo(Linha) + FimDeLinha;
    return Texto;
}

QString TextoDosJogosComTitulo(const TDM& DM) {
    const int Atual = DM.IndiceFechamentoAtual();
    const QString Titulo = Atual >= 0 ? DM.Fechamento(Atual).Titulo : QString();
    return QStringLiteral("// ") + Titulo + FimDeLinha + TextoDosJogos(DM);
}

std::optional<QString> GravaArquivoTexto(const QString& Caminho, QStringView Texto) {
    QSaveFile Arquivo(Caminho);
    const QByteArray Bytes = CodificaWindows1252(Texto);
    QString Motivo;
    if (Arquivo.open(QIODevice::WriteOnly) && Arquivo.write(Bytes) == Bytes.size() &&
        ConfirmaGravacao(Arquivo, Motivo))
        return std::nullopt;
    return QStringLiteral(
               "Não foi possível gravar o arquivo \"%1\".\rVerifique se a pasta existe, se permite "
               "gravação e se há espaço livre no disco. Nenhum arquivo foi alterado.")
        .arg(QDir::toNativeSeparators(Caminho));
}
