#pragma once

#include <QSize>

class QWidget;

// Sizes a window to Preferido, or smaller where the screen's available area (less the taskbar and the
// window's frame) is smaller, and centres it on Referencia, or on the screen without one, keeping it
// whole inside that area. Call before the window is first shown.
void AjustaAoEspacoDisponivel(QWidget& Janela, const QWidget* Referencia, const QSize& Preferido);
