#pragma once

#include "report/Componente.h"

#include <QColor>

// A millimetre scale along the top and left edges of its box, zero at the box's corner: a tick every
// millimetre, a longer one every five and a numbered one every ten. Drawn thin and grey, so that it
// reads under black marks and never passes for one.
class TRegua : public TControle {
public:
    using TControle::TControle;

    static constexpr QColor Cor{150, 150, 150};

    void Desenha(QPainter& Pintor) const override;
};
