#pragma once

#include "conferencia/Conferencia.h"
#include "conferencia/JogosParaConferir.h"

#include <QList>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TDM;
class TDialogos;
class TGradeDados;
class TModeloConferencia;
class TModeloFaixas;

// The results page: the current closing checked against a draw the user types. It shows the closing's
// title and game, the draw fields that game has (the numbers, Dupla Sena's second draw, the Dia de Sorte
// month, the Timemania club, the +Milionária clovers drawn and played), a summary of the prize tiers and
// a grid of the games with their hits, winners highlighted, sortable and filtered to the winners on
// request; the checked games go to a text file or the clipboard.
//
// The games are read into masks once per closing and kept until the games view changes; the closing
// itself is never changed.
class TPaginaConferencia : public QWidget {
    Q_OBJECT

public:
    // The extras the print setup hands out to the games without their own (month, club, mirror bet,
    // pool grouping).
    using TExtrasDaImpressao = std::function<TExtrasApostas()>;
    // The clovers the current closing's games were played with, as far as the window knows them: those
    // of the print setup's last queue of the closing, else those read from the imported text.
    using TTrevosConhecidos = std::function<QList<int>()>;

    TPaginaConferencia(TDM& DM, TDialogos& Dialogos, TExtrasDaImpressao ExtrasDaImpressao,
                       TTrevosConhecidos TrevosConhecidos, QWidget* Parent = nullptr);
    ~TPaginaConferencia() override;

    // Loads the current closing: its title, game and the draw fields of the game. Runs whenever the page
    // is shown; a check of the same games stays.
    void CarregaFechamento();

protected:
    void showEvent(QShowEvent* Evento) override;

private:
    QWidget* CriaCabecalho();
    QWidget* CriaResultado();
    QWidget* CriaResumo();
    QWidget* CriaJogos();
    void Conecta();

    void MostraCamposDaModalidade();
    void BtnConferirClick();
    // The draw of the fields, or nothing after telling the user what is wrong.
    std::optional<TResultado> LeResultadoDosCampos();
    std::optional<TExtrasApostas> LeExtrasApostas();
    void MostraConferencia();
    // Forgets the check and the games read, before the games view changes under them.
    void Descarta();
    void AtualizaExtrasApostas();
    void BtnExportarConferenciaClick();
    void BtnCopiarConferenciaClick();
    QString TextoDaConferencia() const;
    QList<int> TrevosMarcados(const std::array<QCheckBox*, 6>& Caixas) const;

    TDM& FDM;
    TDialogos& FDialogos;
    TExtrasDaImpressao FExtrasDaImpressao;
    TTrevosConhecidos FTrevosConhecidos;

    // The closing and game the page was loaded for.
    int FIDFechamento = 0;
    std::optional<TRegrasConferencia> FRegras;
    // The games as masks, read at the first check of the games view.
    std::optional<TJogosParaConferir> FJogos;
    TExtrasApostas FExtrasDosJogos;
    TResultado FResultado;
    std::optional<TConferencia> FConferencia;

    QLineEdit* FEditTituloConferencia;
    QLineEdit* FEditModalidadeConferencia;
    QLineEdit* FEditQdeJogosConferencia;
    QLabel* FLabelSemFechamento;
    QWidget* FCorpo;
    QLabel* FLabelResultado;
    QLineEdit* FEditResultado;
    QLabel* FLabelResultado2;
    QLineEdit* FEditResultado2;
    QLabel* FLabelMesSorteado;
    QComboBox* FComboMesSorteado;
    QLabel* FLabelTimeSorteado;
    QComboBox* FComboTimeSorteado;
    QGroupBox* FGrupoTrevos;
    std::array<QCheckBox*, 6> FChTrevoSorteado;
    std::array<QCheckBox*, 6> FChTrevoApostado;
    QLabel* FLabelExtrasApostas;
    QPushButton* FBtnConferir;
    TGradeDados* FGradeFaixas;
    TModeloFaixas* FModeloFaixas;
    QLabel* FLabelResumoConferencia;
    TGradeDados* FGradeConferencia;
    TModeloConferencia* FModeloConferencia;
    QCheckBox* FChSoPremiados;
    QPushButton* FBtnExportarConferencia;
    QPushButton* FBtnCopiarConferencia;
};
