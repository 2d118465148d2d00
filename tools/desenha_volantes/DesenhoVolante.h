#pragma once

#include "MapaVolante.h"
#include "ModelosVolante.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QStringList>

// The box drawn around each place of the slip, in report pixels: the mark's box grown by a small
// margin on every side, narrower where a neighbour, a reading mark (Guias) or the picture's edge
// (Figura) is close, so that boxes never touch one another or a reading mark and their outlines stay
// on the picture.
QList<QRectF> CaixasDasCasas(const QList<TCasaVolante>& Casas, const QRectF& Figura,
                             const QList<QRect>& Guias);

// What would put a mark outside its box on the picture: boxes that touch, a box with no room inside
// its outline, a reading mark over a box, a box outside the picture. Empty when the picture is sound.
QStringList ConfereCaixas(const TMapaVolante& Mapa, const QList<QRectF>& Caixas);

// The picture of the slip at the size of its scan: a light slip with the game's title, an empty
// labelled box at every place a mark can go and the reading marks as solid black bars. It is drawn
// in report pixels and stretched onto the scan size, so that the report, stretching it back into the
// picture box, puts every box around its mark.
QImage DesenhaVolante(const TModeloVolante& Modelo, const TMapaVolante& Mapa, const QList<QRectF>& Caixas);

// The main window's thumbnail of a slip picture: at most 226 pixels on its longer side.
QImage MiniaturaVolante(const QImage& Volante);
