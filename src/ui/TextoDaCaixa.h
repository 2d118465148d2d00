#pragma once

#include <QString>

// The text a message box shows for one of the program's messages. The messages break lines with CR, as
// the classic message boxes did, and a Qt label breaks only at LF. A line longer than a box can show
// (a rejected game line of any length is quoted whole) is cut with an ellipsis, so a huge line never
// freezes the window; the message itself stays as it was.
QString TextoDaCaixa(const QString& Texto);
