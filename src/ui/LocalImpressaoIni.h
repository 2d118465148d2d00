#pragma once

#include <QString>

// Where the calibration file IMPRESSAO.INI lives: next to the program file, or, when that folder
// cannot be written (an installed program), in the user's configuration folder, so that a saved
// calibration is never lost. Tests give their own folders.
class TLocalImpressaoIni {
public:
    static inline const QString NomeArquivo = QStringLiteral("IMPRESSAO.INI");

    TLocalImpressaoIni(QString PastaPrograma, QString PastaConfiguracao);
    // The program file's folder and the application's configuration folder.
    static TLocalImpressaoIni DoPrograma();

    // The file that is read and written: the one next to the program, unless that folder cannot be
    // written and the configuration folder can.
    QString Caminho() const;
    const QString& PastaPrograma() const { return FPastaPrograma; }
    const QString& PastaConfiguracao() const { return FPastaConfiguracao; }

private:
    QString FPastaPrograma;
    QString FPastaConfiguracao;
};
