#pragma once

#include "store/BlocoJogos.h"
#include "store/Tabela.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

// One game of a closing.
struct TRegistroDetalhe {
    int IDMaster = 0;
    int IDJogo = 0;
    QString Jogo;
    std::optional<int> NumBonus;
};

// The games store. Its rows, as a table, are the games view: the games of the closing whose ID the
// store is restricted to (none, and so no rows, until it is first restricted). A closing's games are
// kept together in insertion order, so a row of the view is reached directly.
class TCDSDetalhe : public TTabela {
    Q_OBJECT

public:
    enum TCampoDetalhe { CampoIDMaster, CampoIDJogo, CampoJogo, CampoNumBonus };

    static constexpr qsizetype TamanhoJogo = 300;

    using TTabela::TTabela;

    int QdeRegistros() const override { return FVisao ? FVisao->Qde() : 0; }
    const QList<TCampo>& Campos() const override;
    QVariant Valor(int Linha, int Campo) const override;

    // Rows of the view.
    TRegistroDetalhe Registro(int Linha) const;
    int IDJogo(int Linha) const { return FVisao->IDJogo(Linha); }
    QString Jogo(int Linha) const { return FVisao->Jogo(Linha); }
    // The game's text in UTF-8 without a copy, for whoever reads every game of a large closing.
    QByteArrayView JogoUtf8(int Linha) const { return FVisao->JogoUtf8(Linha); }
    std::optional<int> NumBonus(int Linha) const { return FVisao->NumBonus(Linha); }

    // Games of every closing, whatever the view shows.
    qsizetype QdeTotal() const;

    int IDMasterDoFiltro() const { return FIDMasterDoFiltro; }
    // Restricts the view to the games of closing IDMaster (0: no closing, an empty view).
    void Filtra(int IDMaster);

    // Adds the games of a closing that has games, none of them in the store yet.
    void Insere(std::unique_ptr<TBlocoJogos> Jogos);
    // Deletes every game of closing IDMaster.
    void DeletaDetalhe(int IDMaster);
    // Deletes one game of the view.
    void Deleta(int Linha);

private:
    using TBlocos = std::vector<std::unique_ptr<TBlocoJogos>>;

    TBlocos::const_iterator Procura(int IDMaster) const;

    TBlocos FBlocos;
    int FIDMasterDoFiltro = 0;
    TBlocoJogos* FVisao = nullptr;
};
