#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A tiny file system (tmpfs) mounted for one test, so that a write can run out of space on purpose.
// Mounting needs root (as in CI); elsewhere Montado() is false and Motivo() says why, for a skip.
// The mount is undone when the object goes, whatever the test did.
class TDiscoPequeno {
public:
    explicit TDiscoPequeno(qint64 Tamanho = 64 * 1024);
    ~TDiscoPequeno();
    TDiscoPequeno(const TDiscoPequeno&) = delete;
    TDiscoPequeno& operator=(const TDiscoPequeno&) = delete;

    bool Montado() const { return FMontado; }
    const QString& Motivo() const { return FMotivo; }
    QString Caminho(const QString& Nome) const;

    // Writes a file on the disk (an earlier output the test expects to survive).
    bool Grava(const QString& Nome, const QByteArray& Conteudo) const;
    // Fills the disk until only about Livre bytes are free.
    bool Enche(qint64 Livre) const;
    qint64 Livre() const;

private:
    QTemporaryDir FPonto;
    bool FMontado = false;
    QString FMotivo;
};

// The whole content of a file, empty when it cannot be read.
QByteArray ConteudoDe(const QString& Caminho);
