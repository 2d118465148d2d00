#pragma once

class TDM;
class TGamesClass;
class TValidaJogo;

// Stores one downloaded game set as a closing flagged as coming from the portal: the set's "game" (its
// recognised name, the undefined game when it is none), "title", "dozens" normalised by PadronizaJogo
// (empty: the store derives the numbers from the games) and one game line per combination, its
// combinationsList text normalised by PadronizaJogo, order kept, no extra number. The games are stored
// as they come, not checked against the game's rules; a set without combinations stores nothing.
void GravaConjuntoBaixado(TDM& DM, const TGamesClass& Conjunto, const TValidaJogo& Validador);
