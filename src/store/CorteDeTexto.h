#pragma once

#include <QString>
#include <QStringView>

// The first Maximo characters of the text, counting a surrogate pair as one character, so a cut never
// splits a character in two.
QStringView CortaTexto(QStringView Texto, qsizetype Maximo);

// One of the program's messages as a message box or a terminal shows it. The messages break lines
// with CR, as the classic message boxes did; here every CR LF and bare CR becomes LF. A line longer
// than 400 characters (a rejected game line of any length is quoted whole) is cut with an ellipsis,
// so a huge line never freezes a window or floods a terminal; a NUL character, which would end the
// text early where it is handed on as C text, is shown as "\0".
QString TextoParaMostrar(const QString& Texto);
