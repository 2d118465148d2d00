#pragma once

#include <QString>

class QSaveFile;

// Commits a file written through QSaveFile only when every byte reached the disk: Qt's write buffer is
// flushed and its error checked, the file is synced and its size compared with what was written, and
// only then is it moved into place. Without this, the last buffered bytes that fail when the file is
// closed (a disk that fills up) go unseen and a cut-short file replaces the earlier one.
// On failure the earlier file is left untouched, the temporary file is removed and Motivo says why,
// in Portuguese.
bool ConfirmaGravacao(QSaveFile& Arquivo, QString& Motivo);
