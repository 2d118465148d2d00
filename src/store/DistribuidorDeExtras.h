#pragma once

// Hands out the months (Dia de Sorte) or the clubs (Timemania) of the games that have none of their
// own, as the print sheet queue gives them: the current value to each such game, moving on to the
// next (after the last comes 1) after each game, or, with a pool group size, only after the last game
// of each group. A game's own month or club wins and does not move the counter.
class TDistribuidorDeExtras {
public:
    TDistribuidorDeExtras(int Inicial, int Ultimo, bool Avanca, int Grupo)
        : FValor(Inicial)
        , FUltimo(Ultimo)
        , FAvanca(Avanca)
        , FGrupo(Grupo) {}

    // The month or club of game IDJogo, whose bonus number (0 when empty) is NumBonus.
    int ExtraDoJogo(int NumBonus, int IDJogo) { return NumBonus > 0 ? NumBonus : Entrega(IDJogo); }

private:
    int Entrega(int IDJogo) {
        const int Entregue = FValor;
        if (FAvanca && (FGrupo == 0 || IDJogo % FGrupo == 0))
            FValor = FValor >= FUltimo ? 1 : FValor + 1;
        return Entregue;
    }

    int FValor;
    int FUltimo;
    bool FAvanca;
    int FGrupo;
};
