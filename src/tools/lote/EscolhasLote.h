#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

class TModalidade;
struct TOpcoesLote;

// The choices the print setup offers for the game, the slip model in its LayoutIndex and the numbers
// per game passed to its SetParameters. Anything asked outside them is a usage error; the returned
// text says which option and what it may be. Empty when every choice is one the setup offers.
QString ConfereEscolhas(const TOpcoesLote& Opcoes, const TModalidade& Modalidade);

// The games per slip of the run: the one asked for, or the model's largest.
int JogosPorVolante(const TOpcoesLote& Opcoes, const TModalidade& Modalidade);
