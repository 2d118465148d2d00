#include "apoio/SomenteLeitura.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <unistd.h>

TSomenteLeitura::TSomenteLeitura(const QString& Caminho)
    : FCaminho(Caminho)
    , FPermissoes(QFile::permissions(Caminho)) {
    const QByteArray Nome = QFile::encodeName(Caminho);
    if (::geteuid() != 0) {
        FFeito = QFile::setPermissions(Caminho,
                                       FPermissoes & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser |
                                                       QFileDevice::WriteGroup | QFileDevice::WriteOther));
        if (!FFeito)
            FMotivo = QStringLiteral("the write permissions could not be taken away");
        return;
    }
    if (::mount(Nome.constData(), Nome.constData(), nullptr, MS_BIND, nullptr) != 0) {
        FMotivo = QStringLiteral("no bind mount: ") + QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    FMontado = true;
    if (::mount(nullptr, Nome.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
        FMotivo =
            QStringLiteral("the bind mount stays writable: ") + QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    FFeito = true;
}

TSomenteLeitura::~TSomenteLeitura() {
    if (FMontado)
        ::umount2(QFile::encodeName(FCaminho).constData(), MNT_DETACH);
    else if (FFeito)
        QFile::setPermissions(FCaminho, FPermissoes);
}
