#include "portal/GravaJogosBaixados.h"

#include "entry/ValidaJogo.h"
#include "portal/RegistrosPortal.h"
#include "store/DataModulo.h"

void GravaConjuntoBaixado(TDM& DM, const TGamesClass& Conjunto, const TValidaJogo& Validador) {
    QStringList Jogos = Conjunto.combinationsList();
    for (QString& Jogo : Jogos)
        Jogo = Validador.PadronizaJogo(Jogo);
    DM.InsereRegistroPorStringList(Conjunto.Game(), Conjunto.Title(), true, Jogos,
                                   Validador.PadronizaJogo(Conjunto.Dozens()));
}
