#pragma once

#include <QFileDevice>
#include <QString>

// A file or folder that no one can write to for one test. Root writes through any permission, so as
// root the path gets a read-only bind mount of itself; any other user loses its write permissions.
// Undone when the object goes, whatever the test did; Feito() is false, and Motivo() says why, when it
// could not be done.
class TSomenteLeitura {
public:
    explicit TSomenteLeitura(const QString& Caminho);
    ~TSomenteLeitura();
    TSomenteLeitura(const TSomenteLeitura&) = delete;
    TSomenteLeitura& operator=(const TSomenteLeitura&) = delete;

    bool Feito() const { return FFeito; }
    const QString& Motivo() const { return FMotivo; }

private:
    QString FCaminho;
    bool FFeito = false;
    bool FMontado = false;
    QFileDevice::Permissions FPermissoes;
    QString FMotivo;
};
