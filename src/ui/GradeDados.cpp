#include "ui/GradeDados.h"

#include <QHeaderView>
#include <QKeyEvent>

TGradeDados::TGradeDados(QWidget* Parent)
    : QTableView(Parent) {
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->setVisible(false);
    // Uniform rows: the grid never measures the rows of a million-game closing.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    // Inactive selection keeps the active colours, so the current row stays visible without focus.
    QPalette Cores = palette();
    Cores.setColor(QPalette::Inactive, QPalette::Highlight,
                   Cores.color(QPalette::Active, QPalette::Highlight));
    Cores.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   Cores.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(Cores);
}

int TGradeDados::LinhaAtual() const {
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void TGradeDados::MostraLinha(int Linha) {
    if (!model() || !selectionModel())
        return;
    ++FSilencio;
    if (Linha < 0 || Linha >= model()->rowCount()) {
        selectionModel()->clear();
    } else {
        const QModelIndex Indice = model()->index(Linha, std::max(0, currentIndex().column()));
        selectionModel()->setCurrentIndex(Indice,
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(Indice);
    }
    --FSilencio;
}

void TGradeDados::setModel(QAbstractItemModel* Modelo) {
    for (const QMetaObject::Connection& Ligacao : std::as_const(FLigacoesDoModelo))
        disconnect(Ligacao);
    FLigacoesDoModelo.clear();
    // Connected before the selection model is made, so these run before it moves the current row.
    if (Modelo) {
        const auto Cala = [this] {
            ++FSilencio;
        };
        const auto Fala = [this] {
            --FSilencio;
        };
        FLigacoesDoModelo = {
            connect(Modelo, &QAbstractItemModel::rowsAboutToBeRemoved, this, Cala),
            connect(Modelo, &QAbstractItemModel::rowsRemoved, this, Fala),
            connect(Modelo, &QAbstractItemModel::modelAboutToBeReset, this, Cala),
            connect(Modelo, &QAbstractItemModel::modelReset, this, Fala),
        };
    }
    QTableView::setModel(Modelo);
}

void TGradeDados::keyPressEvent(QKeyEvent* Evento) {
    if (Evento->key() == Qt::Key_Delete && Evento->modifiers() == Qt::ControlModifier) {
        if (LinhaAtual() >= 0)
            Q_EMIT ExclusaoPedida(LinhaAtual());
        Evento->accept();
        return;
    }
    QTableView::keyPressEvent(Evento);
}

void TGradeDados::currentChanged(const QModelIndex& Atual, const QModelIndex& Anterior) {
    QTableView::currentChanged(Atual, Anterior);
    if (FSilencio == 0 && Atual.isValid() && Atual.row() != Anterior.row())
        Q_EMIT LinhaEscolhida(Atual.row());
}
