#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A plain INI file as people write it by hand: "[section]" lines and "key=value" lines, UTF-8. Every
// line is kept as written, so comments, blank lines, unknown or damaged lines and the order of
// sections and keys survive a save; a change rewrites only the line of its key. Section and key names
// are compared without regard to case; the first occurrence of a section or key counts.
class TArquivoIni {
public:
    // A calibration file is a few kilobytes; anything larger is not one.
    static constexpr qint64 TamanhoMaximo = 1024 * 1024;

    TArquivoIni() = default;
    // The file's lines, whatever their line ends (CR LF, LF, a bare CR); a file that is not UTF-8 is
    // read, and written back, as Windows-1252 (an old hand-written file).
    static TArquivoIni DeTexto(const QByteArray& Conteudo);
    // The file at Caminho; none when it does not exist, cannot be read, is not a regular file (a
    // device, a named pipe: never waited on) or is larger than TamanhoMaximo.
    static std::optional<TArquivoIni> Le(const QString& Caminho);

    // The trimmed value of the key in the section; none when either is missing.
    std::optional<QString> Valor(const QString& Secao, const QString& Chave) const;
    // Replaces the key's value, or adds the key at the end of the section, or the section at the end.
    void DefineValor(const QString& Secao, const QString& Chave, const QString& Valor);

    QByteArray Conteudo() const;
    // Writes the whole file at once (an earlier file stays whole when the write fails), creating its
    // folder; on failure Erro says why.
    bool Grava(const QString& Caminho, QString& Erro) const;

private:
    // Index of the section's header line, -1 when it has none.
    qsizetype LinhaDaSecao(const QString& Secao) const;
    // One past the section's last line (the next header or the end of the file).
    qsizetype FimDaSecao(qsizetype Cabecalho) const;
    qsizetype LinhaDaChave(qsizetype Cabecalho, const QString& Chave) const;

    QStringList FLinhas;
    QString FFimDeLinha = QStringLiteral("\n");
    bool FComBom = false;
    bool FWindows1252 = false;
};
