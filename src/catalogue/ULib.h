#pragma once

#include "catalogue/Modalidade.h"
#include "catalogue/TipoModalidade.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

// Shared routines of the program: game name recognition, the rules object factory and the small
// text routines that game lines and the stores use. All of them are stateless.

// Recognises a game name as written anywhere in the program (list items, stored closings, portal).
TTipoModalidade IdentificaModalidade(QStringView Nome);
// A new rules object for the recognised game; none only for Seninha, which is never recognised.
std::unique_ptr<TModalidade> CriaModalidade(QStringView Nome);

// The games offered on the import tab, in order; an item's position is its value.
const QStringList& ItensRadioModalidades();

// The first list when Flag is set (slip model 0), the second otherwise.
QList<int> EscolheLista(bool Flag, const QList<int>& Primeira, const QList<int>& Segunda);

// Cleans a typed number into Brazilian decimal text: '1.5' -> '1,5', '2,50 mm' -> '2,5', 'abc' -> '0'.
QString TextoNumerico(QStringView Texto);

// A file name made of a title: every character that a file name on Linux, Windows or a memory card
// cannot hold (/ \ : * ? " < > | and control characters) becomes '_', and blanks and dots at either end
// go. Empty when nothing is left: 'Bolão 12/2025: "A"' gives 'Bolão 12_2025_ _A_'.
QString NomeDeArquivo(QStringView Titulo);

// Size in bytes and last change of the running program's file; 0 and an invalid date when unreadable.
qint64 TamanhoDoPrograma();
QDateTime DataDoPrograma();

// Removes every character up to and including the space from both ends.
QStringView Apara(QStringView Texto);
// Removes from both ends every character for which Sai is true.
QStringView AparaOnde(QStringView Texto, bool (*Sai)(QChar));
QString AparaTexto(QStringView Texto);

// Number of non-empty pieces of the text split at spaces: '01  02 03' gives 3.
int QdeNumerosNoTexto(QStringView Texto);
// Trims, then pads with Preenchimento up to Largura characters: ('5', 2, "0", true) gives '05'.
QString PreencheTexto(QStringView Texto, int Largura, QStringView Preenchimento, bool AEsquerda);
// Splits at every delimiter character, keeping empty pieces; an empty text gives an empty list.
QStringList DivideTexto(QStringView Texto, QStringView Delimitadores);
// The two-digit numbers 00..99 that occur in the text, once each, ascending, single spaces.
QString NumerosEmOrdem(QStringView Jogo);
