#pragma once

#include <QByteArray>
#include <QFile>

#include <cstring>

// A figure of /proc/self/status in bytes: "VmRSS:" (resident now), "VmHWM:" (the peak); 0 when unread.
inline double MemoriaDoProcesso(const char* Campo) {
    QFile Status(QStringLiteral("/proc/self/status"));
    if (!Status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& Linha : Status.readAll().split('\n')) {
        if (Linha.startsWith(Campo))
            return Linha.mid(qsizetype(std::strlen(Campo))).trimmed().split(' ').first().toDouble() * 1024;
    }
    return 0;
}

// Starts the peak resident memory afresh, so that one run is measured alone; false where the system does
// not allow it.
inline bool ZeraPicoDeMemoria() {
    QFile ClearRefs(QStringLiteral("/proc/self/clear_refs"));
    return ClearRefs.open(QIODevice::WriteOnly) && ClearRefs.write("5") == 1;
}
