#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class TDM;
class TDialogos;
class TGradeDados;
class TImagemClicavel;
class TModeloTabela;

// The games page: the stored closings and, below them, the games of the current closing, with the
// closing's number list, the counts, deletion, the way to the print setup and the exports of the
// current closing's games to a text file or the clipboard.
class TPaginaJogos : public QWidget {
    Q_OBJECT

public:
    TPaginaJogos(TDM& DM, TDialogos& Dialogos, QWidget* Parent = nullptr);

    // Binds the grids to the closings and the games views (once; when the window is first shown).
    void LigaGrades();
    // Shows both scroll bars of both grids.
    void MostraBarrasDasGrades();
    // Gives the closings grid the focus.
    void FocaFechamentos();

    // The masked display, offered to the designated pool-operator account only.
    void OfereceMascara(bool Oferece);

    TImagemClicavel* Ajuda() const { return FAjuda; }

Q_SIGNALS:
    // BtnTelaImpressao: the print setup page is wanted.
    void TelaImpressaoPedida();

private:
    void FechamentoAtualAlterado(int Indice);
    void FechamentoAtualProcessado(const QString& TextoStatus, bool BotoesHabilitados);
    void MostraCamposDoFechamento();
    void BtnApagarFechamentoClick();
    void ExcluiFechamentoDaGrade();
    void ExcluiJogoDaGrade(int Linha);
    void BtnExportarJogosArquivoTextoClick();
    void BtnCopiarJogosAreaTransferenciaClick();
    void CheckMaskClick();
    void AlargaColunaDoJogo();
    void MostraJogoAtual();

    TDM& FDM;
    TDialogos& FDialogos;
    TGradeDados* FDBGrid1;
    TGradeDados* FDBGrid2;
    TModeloTabela* FDSMaster = nullptr;
    TModeloTabela* FDSDetalhe = nullptr;
    QLineEdit* FDBEdit1;
    QLineEdit* FDBEdit2;
    QPushButton* FBtnApagarFechamento;
    QPushButton* FBtnTelaImpressao;
    QPushButton* FBtnExportarJogosArquivoTexto;
    QPushButton* FBtnCopiarJogosAreaTransferencia;
    QCheckBox* FCheckMask;
    QStatusBar* FStatusBar2;
    QLabel* FPainelStatus;
    QLabel* FPainelJogoAtual;
    TImagemClicavel* FAjuda;
};
