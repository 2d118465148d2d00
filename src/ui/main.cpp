#include "catalogue/InicioPrograma.h"
#include "store/DataModulo.h"
#include "ui/DialogosReais.h"
#include "ui/FormPrincipal.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication Aplicacao(argc, argv);
    const TInicioPrograma Inicio(Aplicacao, QStringLiteral("Cartelim"));
    TDialogosReais Dialogos;
    // The data module must exist before the window that shows its stores; both live for the run.
    TDM DM;
    TFormPrincipal FormPrincipal(DM, Dialogos);
    FormPrincipal.show();
    return QApplication::exec();
}
