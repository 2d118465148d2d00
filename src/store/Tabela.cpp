#include "store/Tabela.h"

void TTabela::Abre() {
    if (!FAberto)
        Reinicia([this] { FAberto = true; });
}
