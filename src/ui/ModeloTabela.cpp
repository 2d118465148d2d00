#include "ui/ModeloTabela.h"

#include "store/Tabela.h"
#include "ui/Mascara.h"

#include <QLocale>

TModeloTabela::TModeloTabela(const TTabela& Tabela, QList<TColuna> Colunas, QObject* Parent)
    : QAbstractTableModel(Parent)
    , FTabela(Tabela)
    , FColunas(std::move(Colunas)) {
    connect(&Tabela, &TTabela::LinhasSeraoInseridas, this,
            [this](int Primeira, int Ultima) { beginInsertRows({}, Primeira, Ultima); });
    connect(&Tabela, &TTabela::LinhasInseridas, this, &TModeloTabela::endInsertRows);
    connect(&Tabela, &TTabela::LinhasSeraoRemovidas, this,
            [this](int Primeira, int Ultima) { beginRemoveRows({}, Primeira, Ultima); });
    connect(&Tabela, &TTabela::LinhasRemovidas, this, &TModeloTabela::endRemoveRows);
    connect(&Tabela, &TTabela::SeraReiniciada, this, &TModeloTabela::beginResetModel);
    connect(&Tabela, &TTabela::Reiniciada, this, &TModeloTabela::endResetModel);
    connect(&Tabela, &TTabela::LinhasAlteradas, this, [this](int Primeira, int Ultima) {
        Q_EMIT dataChanged(index(Primeira, 0), index(Ultima, columnCount() - 1), {Qt::DisplayRole});
    });
}

int TModeloTabela::rowCount(const QModelIndex& Pai) const {
    return Pai.isValid() ? 0 : FTabela.QdeRegistros();
}

int TModeloTabela::columnCount(const QModelIndex& Pai) const {
    return Pai.isValid() ? 0 : int(FColunas.size());
}

QVariant TModeloTabela::data(const QModelIndex& Indice, int Papel) const {
    if (!checkIndex(Indice, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TColuna& Coluna = FColunas[Indice.column()];
    switch (Papel) {
    case Qt::DisplayRole: {
        const QVariant Valor = FTabela.Valor(Indice.row(), Coluna.Campo);
        if (Coluna.Contagem && !Valor.isNull())
            return QLocale().toString(Valor.toLongLong());
        // Plain text otherwise, so that identifiers show without the thousands separator, as stored.
        const QString Texto = Valor.toString();
        const QString Mascara = FMascaras.value(Coluna.Campo);
        return Mascara.isEmpty() ? Texto : AplicaMascara(Texto, Mascara);
    }
    case Qt::ToolTipRole:
        return Coluna.Dica ? data(Indice, Qt::DisplayRole) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Coluna.Alinhamento);
    default:
        return {};
    }
}

QVariant TModeloTabela::headerData(int Secao, Qt::Orientation Orientacao, int Papel) const {
    if (Orientacao != Qt::Horizontal || Secao < 0 || Secao >= FColunas.size())
        return QAbstractTableModel::headerData(Secao, Orientacao, Papel);
    if (Papel == Qt::DisplayRole)
        return FTabela.Campos().value(FColunas[Secao].Campo).Rotulo;
    if (Papel == Qt::TextAlignmentRole)
        return QVariant::fromValue(FColunas[Secao].Alinhamento);
    return {};
}

Qt::ItemFlags TModeloTabela::flags(const QModelIndex& Indice) const {
    return Indice.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                            : Qt::NoItemFlags;
}

void TModeloTabela::SetMascaraDoCampo(int Campo, const QString& Mascara) {
    if (FMascaras.value(Campo) == Mascara)
        return;
    if (Mascara.isEmpty())
        FMascaras.remove(Campo);
    else
        FMascaras.insert(Campo, Mascara);
    const int Coluna = ColunaDoCampo(Campo);
    if (Coluna >= 0 && rowCount() > 0)
        Q_EMIT dataChanged(index(0, Coluna), index(rowCount() - 1, Coluna), {Qt::DisplayRole});
}

int TModeloTabela::ColunaDoCampo(int Campo) const {
    for (int Coluna = 0; Coluna < FColunas.size(); ++Coluna) {
        if (FColunas[Coluna].Campo == Campo)
            return Coluna;
    }
    return -1;
}
