#include "ui/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

TRadioGroup::TRadioGroup(const QString& Titulo, int Colunas, QWidget* Parent)
    : QGroupBox(Titulo, Parent)
    , FColunas(std::max(1, Colunas))
    , FGrupo(new QButtonGroup(this))
    , FGrade(new QGridLayout(this)) {
    FGrade->setContentsMargins(8, 4, 8, 6);
    FGrade->setVerticalSpacing(2);
    // Clicks, arrow keys and code all check a button; each newly checked one is the new selection.
    connect(FGrupo, &QButtonGroup::idToggled, this, [this](int Indice, bool Marcado) {
        if (Marcado)
            Escolhido(Indice);
    });
}

void TRadioGroup::SetItems(const QStringList& Itens) {
    qDeleteAll(FBotoes);
    FBotoes.clear();
    FItemIndex = -1;
    FItens = Itens;
    // Items go down the first column, then the next one, as in a classic option group.
    const int Linhas = int((Itens.size() + FColunas - 1) / FColunas);
    for (int Indice = 0; Indice < Itens.size(); ++Indice) {
        auto* Botao = new QRadioButton(Itens[Indice], this);
        FGrupo->addButton(Botao, Indice);
        FGrade->addWidget(Botao, Indice % std::max(1, Linhas), Indice / std::max(1, Linhas));
        FBotoes.append(Botao);
    }
}

void TRadioGroup::SetItemIndex(int Indice) {
    if (Indice < -1 || Indice >= FBotoes.size() || Indice == FItemIndex)
        return;
    if (Indice >= 0) {
        FBotoes[Indice]->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last checked button.
    FGrupo->setExclusive(false);
    FBotoes[FItemIndex]->setChecked(false);
    FGrupo->setExclusive(true);
    FItemIndex = -1;
    Q_EMIT Click();
}

QString TRadioGroup::TextoSelecionado() const {
    return FItens.value(FItemIndex);
}

void TRadioGroup::Escolhido(int Indice) {
    if (Indice == FItemIndex)
        return;
    FItemIndex = Indice;
    Q_EMIT Click();
}
