#include "ui/ArquivoIni.h"

#include "catalogue/GravacaoSegura.h"
#include "catalogue/LeituraLimitada.h"
#include "entry/ArquivoTexto.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

const QByteArray BomUtf8 = QByteArrayLiteral("\xEF\xBB\xBF");

// The section named by a "[name]" line, none for any other line.
std::optional<QString> NomeDaSecao(const QString& Linha) {
    const QString Aparada = Linha.trimmed();
    if (Aparada.size() < 2 || !Aparada.startsWith(u'[') || !Aparada.endsWith(u']'))
        return std::nullopt;
    return Aparada.mid(1, Aparada.size() - 2).trimmed();
}

bool Comentario(const QString& Linha) {
    const QString Aparada = Linha.trimmed();
    return Aparada.startsWith(u';') || Aparada.startsWith(u'#');
}

// The key of a "key=value" line, none for comments and lines without "=" or without a key.
std::optional<QString> ChaveDaLinha(const QString& Linha) {
    if (Comentario(Linha))
        return std::nullopt;
    const qsizetype Igual = Linha.indexOf(u'=');
    if (Igual <= 0)
        return std::nullopt;
    const QString Chave = Linha.left(Igual).trimmed();
    if (Chave.isEmpty())
        return std::nullopt;
    return Chave;
}

bool MesmoNome(const QString& A, const QString& B) {
    return A.compare(B, Qt::CaseInsensitive) == 0;
}

} // namespace

TArquivoIni TArquivoIni::DeTexto(const QByteArray& Conteudo) {
    TArquivoIni Arquivo;
    QByteArrayView Bytes = Conteudo;
    // Marks repeated by careless editors go too: Qt's UTF-8 decoder would drop one more on every
    // read, so a file would change each time it is saved.
    while (Bytes.startsWith(BomUtf8)) {
        Arquivo.FComBom = true;
        Bytes = Bytes.sliced(BomUtf8.size());
    }
    // Strictly UTF-8 or else Windows-1252, so that a last accented letter with no line end after it
    // is not taken for a cut UTF-8 sequence and dropped.
    Arquivo.FWindows1252 = !EhUtf8Valido(Bytes);
    const QString Texto = Arquivo.FWindows1252 ? DeWindows1252(Bytes) : QString::fromUtf8(Bytes);
    // Lines end in CR LF, LF or a bare CR (an old Mac file); the first line end found is the file's.
    static const QRegularExpression FimDeLinha(QStringLiteral("\r\n|\r|\n"));
    if (const QRegularExpressionMatch Primeiro = FimDeLinha.match(Texto); Primeiro.hasMatch())
        Arquivo.FFimDeLinha = Primeiro.captured();
    Arquivo.FLinhas = Texto.split(FimDeLinha);
    // A final line end leaves an empty piece that is not a line of its own.
    if (!Arquivo.FLinhas.isEmpty() && Arquivo.FLinhas.constLast().isEmpty())
        Arquivo.FLinhas.removeLast();
    return Arquivo;
}

std::optional<TArquivoIni> TArquivoIni::Le(const QString& Caminho) {
    const TLeituraLimitada Leitura = LeArquivoLimitado(QFile::encodeName(Caminho), TamanhoMaximo);
    if (Leitura.Situacao != TLeituraLimitada::TSituacao::Lido)
        return std::nullopt;
    return DeTexto(Leitura.Bytes);
}

qsizetype TArquivoIni::LinhaDaSecao(const QString& Secao) const {
    for (qsizetype Linha = 0; Linha < FLinhas.size(); ++Linha)
        if (const std::optional<QString> Nome = NomeDaSecao(FLinhas.at(Linha));
            Nome && MesmoNome(*Nome, Secao))
            return Linha;
    return -1;
}

qsizetype TArquivoIni::FimDaSecao(qsizetype Cabecalho) const {
    qsizetype Linha = Cabecalho + 1;
    while (Linha < FLinhas.size() && !NomeDaSecao(FLinhas.at(Linha)))
        ++Linha;
    return Linha;
}

qsizetype TArquivoIni::LinhaDaChave(qsizetype Cabecalho, const QString& Chave) const {
    const qsizetype Fim = FimDaSecao(Cabecalho);
    for (qsizetype Linha = Cabecalho + 1; Linha < Fim; ++Linha)
        if (const std::optional<QString> Nome = ChaveDaLinha(FLinhas.at(Linha));
            Nome && MesmoNome(*Nome, Chave))
            return Linha;
    return -1;
}

std::optional<QString> TArquivoIni::Valor(const QString& Secao, const QString& Chave) const {
    const qsizetype Cabecalho = LinhaDaSecao(Secao);
    if (Cabecalho < 0)
        return std::nullopt;
    const qsizetype Linha = LinhaDaChave(Cabecalho, Chave);
    if (Linha < 0)
        return std::nullopt;
    const QString& Texto = FLinhas.at(Linha);
    return Texto.mid(Texto.indexOf(u'=') + 1).trimmed();
}

void TArquivoIni::DefineValor(const QString& Secao, const QString& Chave, const QString& Valor) {
    const QString NovaLinha = Chave + u'=' + Valor;
    qsizetype Cabecalho = LinhaDaSecao(Secao);
    if (Cabecalho < 0) {
        if (!FLinhas.isEmpty() && !FLinhas.constLast().trimmed().isEmpty())
            FLinhas.append(QString());
        FLinhas.append(u'[' + Secao + u']');
        FLinhas.append(NovaLinha);
        return;
    }
    if (const qsizetype Linha = LinhaDaChave(Cabecalho, Chave); Linha >= 0) {
        FLinhas[Linha] = NovaLinha;
        return;
    }
    // After the section's last non-blank line, so the blank line before the next section stays.
    qsizetype Onde = FimDaSecao(Cabecalho);
    while (Onde - 1 > Cabecalho && FLinhas.at(Onde - 1).trimmed().isEmpty())
        --Onde;
    FLinhas.insert(Onde, NovaLinha);
}

QByteArray TArquivoIni::Conteudo() const {
    QByteArray Bytes = FComBom ? BomUtf8 : QByteArray();
    for (const QString& Linha : FLinhas) {
        const QString ComFim = Linha + FFimDeLinha;
        Bytes += FWindows1252 ? CodificaWindows1252(ComFim) : ComFim.toUtf8();
    }
    return Bytes;
}

bool TArquivoIni::Grava(const QString& Caminho, QString& Erro) const {
    const QString Pasta = QFileInfo(Caminho).absolutePath();
    if (!QDir().mkpath(Pasta)) {
        Erro = QStringLiteral("Não foi possível criar a pasta \"%1\".").arg(QDir::toNativeSeparators(Pasta));
        return false;
    }
    QSaveFile Arquivo(Caminho);
    QString Motivo;
    const QByteArray Bytes = Conteudo();
    if (Arquivo.open(QIODevice::WriteOnly) && Arquivo.write(Bytes) == Bytes.size() &&
        ConfirmaGravacao(Arquivo, Motivo))
        return true;
    Erro = QStringLiteral("Não foi possível gravar \"%1\": %2")
               .arg(QDir::toNativeSeparators(Caminho), Motivo.isEmpty() ? Arquivo.errorString() : Motivo);
    return false;
}
