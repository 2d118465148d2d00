#pragma once

#include <QImage>
#include <QList>

// The program's icon: a small play slip with a green header and four columns of five boxes, six of them
// marked. Drawn on a 64-unit square and scaled, so every size is sharp; the background is transparent.
QImage DesenhaIcone(int Lado);

// The sizes the program ships: 64 for the window, 48, 128 and 256 for the desktop's icon theme.
const QList<int>& LadosDoIcone();
