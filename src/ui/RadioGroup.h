#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

// An option group: a framed list of mutually exclusive items laid out in columns, filled from a list
// of texts, with at most one item selected. Selecting another item, by a click or from code, emits
// Click once.
class TRadioGroup : public QGroupBox {
    Q_OBJECT

public:
    explicit TRadioGroup(const QString& Titulo, int Colunas, QWidget* Parent = nullptr);

    // Replaces every item; none is selected afterwards.
    void SetItems(const QStringList& Itens);
    const QStringList& Items() const { return FItens; }
    // The selected position, -1 when nothing is selected.
    int ItemIndex() const { return FItemIndex; }
    // Selects the item at Indice (-1: none), emitting Click when the selection changes.
    void SetItemIndex(int Indice);
    // The selected item's text; empty when nothing is selected.
    QString TextoSelecionado() const;
    QRadioButton* Botao(int Indice) const { return FBotoes.value(Indice); }

Q_SIGNALS:
    void Click();

private:
    void Escolhido(int Indice);

    int FColunas;
    QStringList FItens;
    QList<QRadioButton*> FBotoes;
    QButtonGroup* FGrupo;
    QGridLayout* FGrade;
    int FItemIndex = -1;
};
