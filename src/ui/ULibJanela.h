#pragma once

#include <QString>

class QAbstractScrollArea;
class QComboBox;
class TRadioGroup;

// The shared routines that work on window controls.

// Fills the group with the games offered on the import tab, each item's position being its value.
void PreencheRadioModalidades(TRadioGroup& Radio);
// The selected item read as a whole number (0 when it is not one or nothing is selected).
int ValorDoRadio(const TRadioGroup& Radio);
// The text of the combo box's selected item.
QString TextoDoCombo(const QComboBox& Combo);
// Shows both scroll bars of the grid, the vertical one first, then repaints it.
void MostraBarrasDaGrade(QAbstractScrollArea& Grade);
