#include "catalogue/InicioPrograma.h"
#include "store/DataModulo.h"
#include "ui/DialogosReais.h"
#include "ui/FormPrincipal.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

int main(int argc, char** argv) {
    QApplication Aplicacao(argc, argv);
    const TInicioPrograma Inicio(Aplicacao, QStringLiteral("Cartelim"));
    // The user's configuration beside IMPRESSAO.INI's fallback folder: the folders last used by the file
    // dialogs.
    QSettings Configuracao(QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
                               .filePath(QStringLiteral("cartelim.conf")),
                           QSettings::IniFormat);
    TDialogosReais Dialogos(Configuracao);
    // The data module must exist before the window that shows its stores; both live for the run.
    TDM DM;
    TFormPrincipal FormPrincipal(DM, Dialogos);
    FormPrincipal.show();
    // The desktop names the text file opened with the program.
    if (const QStringList Argumentos = Aplicacao.arguments(); Argumentos.size() > 1)
        FormPrincipal.AbreArquivoDeJogos(Argumentos.at(1));
    return QApplication::exec();
}
