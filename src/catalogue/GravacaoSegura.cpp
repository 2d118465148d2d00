#include "catalogue/GravacaoSegura.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

bool Desiste(QSaveFile& Arquivo, QString& Motivo, const QString& Texto) {
    Motivo = Texto;
    // Marks the file as failed, so that commit removes the temporary file and keeps the earlier one.
    Arquivo.cancelWriting();
    Arquivo.commit();
    return false;
}

QString DoSistema(int Erro) {
    return QString::fromLocal8Bit(std::strerror(Erro));
}

} // namespace

bool ConfirmaGravacao(QSaveFile& Arquivo, QString& Motivo) {
    if (!Arquivo.flush() || Arquivo.error() != QFileDevice::NoError)
        return Desiste(
            Arquivo, Motivo,
            u"Os dados não couberam no disco ou não puderam ser gravados (%1)."_s.arg(Arquivo.errorString()));
    const int Descritor = Arquivo.handle();
    // File systems without sync (some network or special ones) answer EINVAL; they are taken at
    // their word.
    if (Descritor >= 0 && ::fsync(Descritor) != 0 && errno != EINVAL && errno != ENOTSUP) {
        const int Erro = errno;
        return Desiste(Arquivo, Motivo, u"O disco não confirmou a gravação (%1)."_s.arg(DoSistema(Erro)));
    }
    struct stat Estado {};
    if (Descritor >= 0 && ::fstat(Descritor, &Estado) == 0 && Estado.st_size < Arquivo.pos())
        return Desiste(Arquivo, Motivo, u"O arquivo ficou menor do que os dados escritos."_s);
    if (!Arquivo.commit()) {
        Motivo = Arquivo.errorString();
        return false;
    }
    return true;
}
