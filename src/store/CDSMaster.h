#pragma once

#include "store/Tabela.h"

#include <QString>

#include <vector>

// One closing: a named set of games imported from text or downloaded from the portal.
struct TRegistroMaster {
    int ID = 0;
    QString Modalidade;
    QString Titulo;
    int QdeJogos = 0;
    QString NumerosDoFechamento;
    QString DoPortalVip;
    int QdeNumPorJogo = 0;
    int QdeTotalNumFechamento = 0;
};

// The closings store: closings in insertion order, no index, no sort.
class TCDSMaster : public TTabela {
    Q_OBJECT

public:
    enum TCampoMaster {
        CampoID,
        CampoModalidade,
        CampoTitulo,
        CampoQdeJogos,
        CampoNumerosDoFechamento,
        CampoDoPortalVip,
        CampoQdeNumPorJogo,
        CampoQdeTotalNumFechamento,
    };

    // Field sizes in characters; longer texts are cut.
    static constexpr qsizetype TamanhoModalidade = 30;
    static constexpr qsizetype TamanhoTitulo = 100;
    static constexpr qsizetype TamanhoNumerosDoFechamento = 300;
    static constexpr qsizetype TamanhoDoPortalVip = 3;

    using TTabela::TTabela;

    int QdeRegistros() const override { return int(FRegistros.size()); }
    const QList<TCampo>& Campos() const override;
    QVariant Valor(int Linha, int Campo) const override;

    const TRegistroMaster& Registro(int Linha) const { return FRegistros.at(std::size_t(Linha)); }
    // The largest ID present plus 1; 1 when there is no closing.
    int RetornaProximoID() const;

    // Appends the closing after the others, its texts cut to their field sizes.
    void Acrescenta(TRegistroMaster Registro);
    void Remove(int Linha);
    void DefineQdeJogos(int Linha, int QdeJogos);

private:
    std::vector<TRegistroMaster> FRegistros;
};
