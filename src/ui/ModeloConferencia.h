#pragma once

#include <QAbstractTableModel>
#include <QList>

#include <vector>

class TCDSDetalhe;
class TJogosParaConferir;
struct TConferencia;
struct TRegrasConferencia;
struct TResultado;

// The checked games of the current closing for a grid: one row per game of the games view, with its
// hits, the numbers it hit, its month, club or mirror bet where the game has them, and what it won.
// Values are read on demand from the games store and the check, so a million-game closing costs only
// its visible rows; rows are sorted and filtered through an order of their own (O(n) for every column but
// the numbers), never by moving the games.
class TModeloConferencia : public QAbstractTableModel {
    Q_OBJECT

public:
    enum TColuna {
        ColunaIDJogo,
        ColunaJogo,
        ColunaAcertos,
        ColunaAcertadas,
        ColunaAcertos2,
        ColunaAcertadas2,
        ColunaMes,
        ColunaTime,
        ColunaEspelho,
        ColunaAcertosEspelho,
        ColunaPremio,
    };

    TModeloConferencia(const TCDSDetalhe& Jogos, QObject* Parent = nullptr);

    // Shows the check of the games view; the objects must live until Esvazia or the next Mostra. The
    // rows keep the current order and filter.
    void Mostra(const TRegrasConferencia& Regras, const TJogosParaConferir& Jogos,
                const TResultado& Resultado, const TConferencia& Conferencia);
    // No rows and no columns, before the games view changes under the check.
    void Esvazia();
    // Only the games that won something.
    void SetSoPremiados(bool SoPremiados);
    bool SoPremiados() const { return FSoPremiados; }

    int rowCount(const QModelIndex& Pai = {}) const override;
    int columnCount(const QModelIndex& Pai = {}) const override;
    QVariant data(const QModelIndex& Indice, int Papel = Qt::DisplayRole) const override;
    QVariant headerData(int Secao, Qt::Orientation Orientacao, int Papel = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& Indice) const override;
    void sort(int Coluna, Qt::SortOrder Ordem = Qt::AscendingOrder) override;

    // The column showing the field, -1 when the game has no such column.
    int ColunaDe(TColuna Coluna) const { return int(FColunas.indexOf(Coluna)); }
    // The column the rows are sorted by, -1 when the game has no such column, and the direction.
    int ColunaOrdenada() const { return ColunaDe(FColunaOrdenada); }
    Qt::SortOrder Sentido() const { return FSentido; }
    // The row's game in the games view.
    int JogoDaLinha(int Linha) const { return FOrdem[std::size_t(Linha)]; }
    bool Premiado(int Linha) const;

    // The titles and then every row, in the grid's order, as text lines with the fields separated by
    // ";" (a spreadsheet opens them so).
    QStringList Linhas() const;

private:
    QString Titulo(TColuna Coluna) const;
    QString Texto(int Jogo, TColuna Coluna) const;
    QString Premios(int Jogo) const;
    // The sort key of a column whose values are small whole numbers (every column but the numbers), the
    // larger the more a game won; -1 for the numbers.
    int Chave(int Jogo, TColuna Coluna) const;
    void RefazOrdem();

    const TCDSDetalhe& FCDSDetalhe;
    const TRegrasConferencia* FRegras = nullptr;
    const TJogosParaConferir* FJogos = nullptr;
    const TResultado* FResultado = nullptr;
    const TConferencia* FConferencia = nullptr;
    QList<TColuna> FColunas;
    std::vector<int> FOrdem; // games of the view, in the rows' order
    bool FSoPremiados = false;
    // Winners first until the user sorts by another column.
    TColuna FColunaOrdenada = ColunaPremio;
    Qt::SortOrder FSentido = Qt::DescendingOrder;
};

// The prize tiers of a check for the summary grid: the tier, the hits it asks for and how many simple
// bets of the closing won it, every tier of the game's table, those won shown in bold.
class TModeloFaixas : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // The objects must live until Esvazia or the next Mostra.
    void Mostra(const TRegrasConferencia& Regras, const TConferencia& Conferencia);
    void Esvazia();

    int rowCount(const QModelIndex& Pai = {}) const override;
    int columnCount(const QModelIndex& Pai = {}) const override;
    QVariant data(const QModelIndex& Indice, int Papel = Qt::DisplayRole) const override;
    QVariant headerData(int Secao, Qt::Orientation Orientacao, int Papel = Qt::DisplayRole) const override;

private:
    const TRegrasConferencia* FRegras = nullptr;
    const TConferencia* FConferencia = nullptr;
};
