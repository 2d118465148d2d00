#include "ui/ULibJanela.h"

#include "catalogue/ULib.h"
#include "ui/RadioGroup.h"

#include <QAbstractScrollArea>
#include <QComboBox>

void PreencheRadioModalidades(TRadioGroup& Radio) {
    Radio.SetItems(ItensRadioModalidades());
}

int ValorDoRadio(const TRadioGroup& Radio) {
    return Radio.TextoSelecionado().toInt();
}

QString TextoDoCombo(const QComboBox& Combo) {
    return Combo.currentText();
}

void MostraBarrasDaGrade(QAbstractScrollArea& Grade) {
    Grade.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Grade.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Grade.viewport()->update();
}
