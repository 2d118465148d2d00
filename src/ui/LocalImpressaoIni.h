#pragma once

#include <QString>

// Where the calibration file IMPRESSAO.INI is read and written. Its home is next to the program file;
// an installed program often cannot write there, and then the user's configuration folder takes the
// saves. The calibrations are read from wherever the newest copy is, so a read-only file next to
// the program still counts, and a save never fails while some folder can take it. Tests give their
// own folders.
class TLocalImpressaoIni {
public:
    static inline const QString NomeArquivo = QStringLiteral("IMPRESSAO.INI");

    TLocalImpressaoIni(QString PastaPrograma, QString PastaConfiguracao);
    // The program file's folder and the application's configuration folder.
    static TLocalImpressaoIni DoPrograma();

    // The file the saves go to: the one next to the program when it can be replaced there (the file,
    // or the folder when there is no file yet, is writable, and the folder is, since a save writes a
    // new file and renames it over the old one); otherwise the one in the configuration folder.
    QString CaminhoGravacao() const;
    // The file the calibrations are read from: the file saves go to when it exists, else whichever of
    // the two exists (the one next to the program first); the next save carries its content over.
    QString CaminhoLeitura() const;
    const QString& PastaPrograma() const { return FPastaPrograma; }
    const QString& PastaConfiguracao() const { return FPastaConfiguracao; }

private:
    QString JuntoAoPrograma() const;
    bool ProgramaGravavel() const;

    QString FPastaPrograma;
    QString FPastaConfiguracao;
};
