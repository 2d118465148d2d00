#pragma once

#include <QStringList>

// The supporter's clubs of the Timemania slip, in the order the slip prints them: down its first
// column (1 to 27), then the second (28 to 54), then the third (55 to 80). A club's number, the one a
// print sheet carries and the slip layout marks, is its position in this list counted from 1.
QStringList ListaTimesCoracao();

inline constexpr int QdeTimesCoracao = 80;
