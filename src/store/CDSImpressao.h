#pragma once

#include "store/Tabela.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// One print sheet: one slip with up to four games. Index 0 of each array is slot 1 (Jogo1, IdJogo1,
// ...). Fields that do not apply to the game stay empty; an empty integer reads as 0.
struct TFolhaImpressao {
    static constexpr int QdeSlots = 4;
    template <typename T> using TPorSlot = std::array<T, QdeSlots>;

    TPorSlot<QString> Jogo;
    TPorSlot<std::optional<int>> IdJogo;
    int NumPagina = 0;
    TPorSlot<std::optional<int>> MesJogo;
    TPorSlot<std::optional<int>> TimeCoracaoJogo;
    int IDDataSet = 0;
    int UltimoDaPagina = 0;
    TPorSlot<std::optional<int>> Espelho;
    TPorSlot<QString> Trevo;
};

// A store of print sheets: the queue built from the current closing, or the sheets of one print run.
// Both have the same fields; only the labels their grids show differ.
class TCDSImpressao : public TTabela {
    Q_OBJECT

public:
    // Position of each field; the four fields of a slot group follow one another.
    enum TCampoFolha {
        CampoJogo1 = 0,
        CampoIdJogo1 = 4,
        CampoNumPagina = 8,
        CampoMesJogo1 = 9,
        CampoTimeCoracaoJogo1 = 13,
        CampoIDDataSet = 17,
        CampoUltimoDaPagina = 18,
        CampoEspelho1 = 19,
        CampoTrevo1 = 23,
        QdeCampos = 27,
    };

    static constexpr qsizetype TamanhoJogo = 300;
    static constexpr qsizetype TamanhoTrevo = 20;

    // Labels of the sheets of a print run (CDSImpressao) and of the queue (CDSImpressao_Temp).
    static const QList<TCampo>& CamposDaImpressao();
    static const QList<TCampo>& CamposDaFila();

    explicit TCDSImpressao(const QList<TCampo>& Campos, QObject* Parent = nullptr);

    int QdeRegistros() const override { return int(FFolhas.size()); }
    const QList<TCampo>& Campos() const override { return FCampos; }
    QVariant Valor(int Linha, int Campo) const override;

    const TFolhaImpressao& Folha(int Linha) const { return FFolhas.at(std::size_t(Linha)); }

    // Replaces every sheet, texts cut to their field sizes, and leaves the store open.
    void Substitui(std::vector<TFolhaImpressao> Folhas);
    // Deletes every sheet; the store stays open or closed as it was.
    void Esvazia();
    void EsvaziaEFecha();
    // Deletes the sheets at the given rows; rows out of range are ignored.
    void RemoveFolhas(QList<int> Linhas);
    // Opens the store with copies of Origem's sheets at the given rows, in Origem's order.
    void CopiaFolhas(const TCDSImpressao& Origem, QList<int> Linhas);

private:
    QList<TCampo> FCampos;
    std::vector<TFolhaImpressao> FFolhas;
};
