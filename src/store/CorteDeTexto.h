#pragma once

#include <QStringView>

// The first Maximo characters of the text, counting a surrogate pair as one character, so a cut never
// splits a character in two.
QStringView CortaTexto(QStringView Texto, qsizetype Maximo);
