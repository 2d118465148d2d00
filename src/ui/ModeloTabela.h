#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

class TTabela;

// A read-only grid model over one store: rows are the store's rows, columns the chosen fields with
// the fields' labels as titles. It reads values on demand, so a store of a million rows costs the
// grid nothing more than its visible rows, and follows the store's insertions, removals and resets.
class TModeloTabela : public QAbstractTableModel {
    Q_OBJECT

public:
    struct TColuna {
        int Campo = 0;
        Qt::Alignment Alinhamento = Qt::AlignLeft | Qt::AlignVCenter;
        // A count, shown in the locale's number format; other numbers (identifiers, page numbers as
        // printed on the slips) show as stored.
        bool Contagem = false;
        // The cell's whole text also as its tooltip, for texts longer than a column shows.
        bool Dica = false;
    };

    TModeloTabela(const TTabela& Tabela, QList<TColuna> Colunas, QObject* Parent = nullptr);

    int rowCount(const QModelIndex& Pai = {}) const override;
    int columnCount(const QModelIndex& Pai = {}) const override;
    QVariant data(const QModelIndex& Indice, int Papel = Qt::DisplayRole) const override;
    QVariant headerData(int Secao, Qt::Orientation Orientacao, int Papel = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& Indice) const override;

    // Shows the field through the display mask (see AplicaMascara); an empty mask shows it whole.
    void SetMascaraDoCampo(int Campo, const QString& Mascara);
    // The column that shows the field, -1 when none does.
    int ColunaDoCampo(int Campo) const;

private:
    const TTabela& FTabela;
    QList<TColuna> FColunas;
    QHash<int, QString> FMascaras;
};
