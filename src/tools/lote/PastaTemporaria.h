#pragma once

#include <QString>
#include <QTemporaryDir>

// A hidden folder ".cartelim-lote-XXXXXX" beside an output, where the run draws its files before they
// are moved into place; it goes when the object goes. The run holds a lock on the folder's ".trava"
// file as long as the process lives, and the system drops that lock however the process ends: a
// later run tells the folder of a live run (locked) from one that a killed run left behind
// (SIGKILL, a power cut), and removes only the latter before it makes its own.
class TPastaTemporaria {
public:
    explicit TPastaTemporaria(const QString& Pasta);
    ~TPastaTemporaria();
    TPastaTemporaria(const TPastaTemporaria&) = delete;
    TPastaTemporaria& operator=(const TPastaTemporaria&) = delete;

    bool Valida() const { return FTrava >= 0; }
    QString Erro() const { return FErro; }
    QString Caminho(const QString& Nome) const { return FPasta.filePath(Nome); }

private:
    QTemporaryDir FPasta;
    int FTrava = -1;
    QString FErro;
};

// Removes the temporary folders of dead runs from Pasta.
void RemovePastasAbandonadas(const QString& Pasta);
