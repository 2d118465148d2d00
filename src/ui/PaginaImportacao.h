#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class TAreaJogos;
class TDM;
class TDialogos;
class TImagemClicavel;
class TRadioGroup;

// The import page: the game, the numbers per game and the title of a new closing, the text area its
// games are typed, pasted or opened into, and the validate button that stores them as one closing,
// all or nothing.
class TPaginaImportacao : public QWidget {
    Q_OBJECT

public:
    TPaginaImportacao(TDM& DM, TDialogos& Dialogos, QWidget* Parent = nullptr);

    // Start-up step: the game list filled and its first game chosen.
    void Inicializa();
    // Replaces the area's text with the games file's; a file that cannot be read is told in a box and the
    // area kept as it was.
    void AbreArquivo(const QString& Caminho);

    // The clovers of the last line of the last run that had a clover part (empty when none had one).
    const QList<int>& TrevosFromTXT() const { return FTrevosFromTXT; }
    // True while a run is under way; the window must not close then.
    bool Importando() const { return FImportando; }

    TImagemClicavel* Ajuda() const { return FAjuda; }

Q_SIGNALS:
    // A closing was stored and is the current one.
    void FechamentoImportado();

private:
    void RadioImportar_ModalidadeClick();
    void AtualizaCaptionDoBotao();
    void BtnImportarClick();
    void BtnCopiarMemoriaClick();
    void BtnValidarJogosFechamentoClick();
    // Selects the line of the area (from 0) and scrolls to it.
    void SelecionaLinha(qsizetype Linha);
    void MostraProgresso(qsizetype Posicao, qsizetype Maximo);

    TDM& FDM;
    TDialogos& FDialogos;
    TRadioGroup* FRadioModalidade;
    QLineEdit* FEditNomeDoFechamento;
    QComboBox* FComboQdeNumPorVolante;
    QPushButton* FBtnImportar;
    QPushButton* FBtnLimparMemo;
    QPushButton* FBtnCopiarMemoria;
    TAreaJogos* FMemo;
    QCheckBox* FChOrdemCrescente;
    QPushButton* FBtnValidar;
    QProgressBar* FProgressBar;
    TImagemClicavel* FAjuda;
    QList<int> FTrevosFromTXT;
    bool FImportando = false;
    QElapsedTimer FDesdeAUltimaPintura;
};
