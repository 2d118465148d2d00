#pragma once

#include <QString>
#include <QStringView>

// Display masks that hide most numbers of a game on screen; the stored text never changes.
inline constexpr QStringView MascaraDoJogo = u"99 99 99 .. .. ..";
inline constexpr QStringView MascaraDosNumerosDoFechamento = u"99 99 99 99 99 99 .. .. ..";

// The text as the mask shows it: each "9" of the mask shows the text's character at the same place
// when that is a digit, else the blank mark "_"; every other mask character is shown as it is. The
// result is as long as the mask: '01 02 03 04 05 06' through MascaraDoJogo reads '01 02 03 .. .. ..'.
QString AplicaMascara(QStringView Texto, QStringView Mascara);
