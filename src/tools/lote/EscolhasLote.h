#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

class TModalidade;
struct TOpcoesLote;

// How many numbers the first game line of the text holds (comment and blank lines skipped), read as
// the game line check reads it: pieces between separators, up to the bonus piece (":3") and the
// clover part ("| Trevos : 1 2"). None when the text has no game line.
std::optional<int> QdeNumerosDaPrimeiraLinha(QStringView Texto);

// The choices the print setup offers for the game, the slip model in its LayoutIndex and the numbers
// per game passed to its SetParameters. Anything asked outside them is a usage error; the returned
// text says which option and what it may be. Empty when every choice is one the setup offers.
QString ConfereEscolhas(const TOpcoesLote& Opcoes, const TModalidade& Modalidade);

// The games per slip of the run: the one asked for, or the model's largest.
int JogosPorVolante(const TOpcoesLote& Opcoes, const TModalidade& Modalidade);

// "0, 2, 4 ou 8".
QString ListaDeEscolhas(const QList<int>& Valores);
