#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

// The program's version, set once in the build ("8.15").
QString VersaoDoPrograma();
// What --version prints: the running program's name and the version, "cartelim-lote 8.15".
QString TextoVersao();

// Start-up shared by the window program and every command-line tool, right after the application object:
// numbers in the Brazilian format whatever the machine's settings (full stop for thousands, comma for
// decimals), the program's name and version, and Qt's own texts (dialog buttons, file dialogs, the
// print preview) in Brazilian Portuguese when Qt's translation is installed. Lives as long as the
// application object it was given.
class TInicioPrograma {
public:
    // PastaDasTraducoes: where Qt's translations are installed; tests give another folder.
    TInicioPrograma(QCoreApplication& Aplicacao, const QString& NomeDoPrograma,
                    const QString& PastaDasTraducoes = PastaDasTraducoesDoQt());
    static QString PastaDasTraducoesDoQt();
    TInicioPrograma(const TInicioPrograma&) = delete;
    TInicioPrograma& operator=(const TInicioPrograma&) = delete;
    ~TInicioPrograma();

    // False when Qt's Brazilian Portuguese translation is not installed: Qt's texts then stay English.
    bool TraducaoDoQtCarregada() const { return FTraducaoDoQtCarregada; }

private:
    QCoreApplication& FAplicacao;
    QTranslator FTraducaoDoQt;
    bool FTraducaoDoQtCarregada = false;
};
