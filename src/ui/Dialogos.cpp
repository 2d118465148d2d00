#include "ui/Dialogos.h"

void AbreNoNavegador(TDialogos& Dialogos, QWidget* Pai, const QUrl& Endereco) {
    if (!Dialogos.AbreEndereco(Endereco))
        Dialogos.Mostra(Pai, {TTipoMensagem::Aviso,
                              QStringLiteral("Não foi possível abrir o navegador. Copie o endereço abaixo e "
                                             "abra-o no seu navegador:\r\r") +
                                  Endereco.toDisplayString()});
}
