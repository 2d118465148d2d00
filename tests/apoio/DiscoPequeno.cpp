#include "apoio/DiscoPequeno.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

TDiscoPequeno::TDiscoPequeno(qint64 Tamanho) {
    if (::geteuid() != 0) {
        FMotivo = QStringLiteral("mounting a small tmpfs to fill up needs root");
        return;
    }
    if (!FPonto.isValid()) {
        FMotivo = QStringLiteral("no temporary folder for the mount point");
        return;
    }
    const QByteArray Opcoes = "size=" + QByteArray::number(Tamanho) + ",mode=0755";
    if (::mount("cartelim-teste", QFile::encodeName(FPonto.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                Opcoes.constData()) != 0) {
        FMotivo =
            QStringLiteral("tmpfs could not be mounted: ") + QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    FMontado = true;
}

TDiscoPequeno::~TDiscoPequeno() {
    if (FMontado)
        ::umount2(QFile::encodeName(FPonto.path()).constData(), MNT_DETACH);
}

QString TDiscoPequeno::Caminho(const QString& Nome) const {
    return QDir(FPonto.path()).filePath(Nome);
}

bool TDiscoPequeno::Grava(const QString& Nome, const QByteArray& Conteudo) const {
    QFile Arquivo(Caminho(Nome));
    return Arquivo.open(QIODevice::WriteOnly) && Arquivo.write(Conteudo) == Conteudo.size() &&
           Arquivo.flush();
}

qint64 TDiscoPequeno::Livre() const {
    struct statvfs Estado {};
    if (::statvfs(QFile::encodeName(FPonto.path()).constData(), &Estado) != 0)
        return -1;
    return qint64(Estado.f_bavail) * qint64(Estado.f_frsize);
}

bool TDiscoPequeno::Enche(qint64 Livre) const {
    const qint64 Sobra = this->Livre() - Livre;
    return Sobra <= 0 || Grava(QStringLiteral(".enchimento"), QByteArray(Sobra, 'x'));
}

QByteArray ConteudoDe(const QString& Caminho) {
    QFile Arquivo(Caminho);
    return Arquivo.open(QIODevice::ReadOnly) ? Arquivo.readAll() : QByteArray();
}
