#include "tools/lote/PastaTemporaria.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString Prefixo = u".cartelim-lote-"_s;
const QString NomeTrava = u".trava"_s;
// A folder without its lock file was left by a run that died before taking it (or by an older
// program); a live run takes its lock at once, so a folder this old without one is abandoned.
constexpr qint64 IdadeSemTrava = 3600;

int AbreTrava(const QString& Caminho, int Opcoes) {
    return ::open(QFile::encodeName(Caminho).constData(), Opcoes | O_RDWR | O_CLOEXEC | O_NOFOLLOW, 0600);
}

void RemoveSeAbandonada(const QFileInfo& Pasta) {
    QDir Conteudo(Pasta.filePath());
    const int Trava = AbreTrava(Conteudo.filePath(NomeTrava), 0);
    if (Trava < 0) {
        if (errno == ENOENT && Pasta.lastModified().secsTo(QDateTime::currentDateTime()) > IdadeSemTrava)
            Conteudo.removeRecursively();
        return;
    }
    // The lock is free: its run has ended. It is held while the folder goes.
    if (::flock(Trava, LOCK_EX | LOCK_NB) == 0)
        Conteudo.removeRecursively();
    ::close(Trava);
}

} // namespace

void RemovePastasAbandonadas(const QString& Pasta) {
    const QFileInfoList Pastas = QDir(Pasta).entryInfoList(
        {Prefixo + u'*'}, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    for (const QFileInfo& Candidata : Pastas)
        RemoveSeAbandonada(Candidata);
}

TPastaTemporaria::TPastaTemporaria(const QString& Pasta)
    : FPasta((RemovePastasAbandonadas(Pasta), QDir(Pasta).filePath(Prefixo + u"XXXXXX"_s))) {
    if (!FPasta.isValid()) {
        FErro = FPasta.errorString();
        return;
    }
    FTrava = AbreTrava(FPasta.filePath(NomeTrava), O_CREAT | O_EXCL);
    if (FTrava < 0 || ::flock(FTrava, LOCK_EX | LOCK_NB) != 0) {
        FErro = QString::fromLocal8Bit(std::strerror(errno));
        if (FTrava >= 0)
            ::close(FTrava);
        FTrava = -1;
    }
}

TPastaTemporaria::~TPastaTemporaria() {
    FPasta.remove();
    if (FTrava >= 0)
        ::close(FTrava);
}
