#pragma once

#include <QTableView>

// A read-only data grid: whole-row selection of one row at a time, the selection shown also without
// the focus, and Ctrl+Delete asking for the deletion of the current row (the owner confirms and
// deletes).
class TGradeDados : public QTableView {
    Q_OBJECT

public:
    explicit TGradeDados(QWidget* Parent = nullptr);

    // The current row, -1 when there is none.
    int LinhaAtual() const;
    // Makes Linha the current and selected row without announcing it as the user's choice.
    void MostraLinha(int Linha);

    void setModel(QAbstractItemModel* Modelo) override;

Q_SIGNALS:
    void ExclusaoPedida(int Linha);
    // The user made another row current. Rows the grid moves to by itself while the model removes or
    // resets rows are not announced: the store decides then which row is current.
    void LinhaEscolhida(int Linha);

protected:
    void keyPressEvent(QKeyEvent* Evento) override;
    void currentChanged(const QModelIndex& Atual, const QModelIndex& Anterior) override;

private:
    // Above 0 while the grid moves its current row by itself.
    int FSilencio = 0;
    QList<QMetaObject::Connection> FLigacoesDoModelo;
};
