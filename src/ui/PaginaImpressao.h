#pragma once

#include "catalogue/Mensagem.h"
#include "catalogue/TipoModalidade.h"
#include "conferencia/JogosParaConferir.h"
#include "ui/EscolhasImpressao.h"

#include <QColor>
#include <QList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRandomGenerator;
class TDM;
class TDialogos;
class TImagemClicavel;
class TModalidade;
class TPainelArrastavel;
class TRadioGroup;

// The print setup page: shows the current closing's title, game and numbers per game, offers the
// slip models of the game and the options the chosen model allows, the game's extras (Dia de Sorte
// month, Lotomania mirror bet, Timemania club, +Milionária clovers), and a button that checks the
// request, builds the print sheet queue and opens the print manager on it.
//
// The choices are rebuilt only when the closing's game or numbers per game changed since they were
// last built (Dupla Sena and Lotofácil every time), so the user's choices survive switching pages.
class TPaginaImpressao : public QWidget {
    Q_OBJECT

public:
    // The e-mail typed in the login field.
    using TEmailDoLogin = std::function<QString()>;
    // Opens the print manager on the queue just built; by default modally. Tests replace it.
    using TAbreGerenciador = std::function<void(const TEscolhasImpressao& Escolhas)>;

    TPaginaImpressao(TDM& DM, TDialogos& Dialogos, TEmailDoLogin EmailDoLogin, QWidget* Parent = nullptr);

    void SetAbreGerenciador(TAbreGerenciador AbreGerenciador);

    // Loads the current closing and rebuilds the choices when they were built for another game or
    // numbers per game. Runs whenever the page is shown.
    void CarregaFechamento();

    // The print check: a rules object for the game shown, set to the chosen model, after
    // ValidaImpressao ran on the chosen options with every refusal shown in order. Printing is
    // allowed when its LiberadoImprimir is true; null only for a game no rules object exists for.
    std::unique_ptr<TModalidade> SetModalidade();

    // Unticks the six clover boxes (every change of the window's page).
    void DesmarcaTrevos();
    // After a portal login: a supporter's club and a Dia de Sorte month drawn at random, each club and
    // each month as likely.
    void SorteiaTimeEMes(QRandomGenerator& Sorteio);
    // For a +Milionária closing: ticks the box of every clover read from the imported text (numbers
    // without a box are skipped), telling first when more than one was read.
    void MarcaTrevosDoTexto(const QList<int>& Trevos);

    // How the prepare button hands the games their month, club and mirror bet: the month, club, mirror
    // and pool grouping chosen on this page. The clovers are not among them: the boxes are unticked on
    // every change of page, see TrevosPreparados.
    TExtrasApostas ExtrasDasApostas() const;
    // The clovers of the last queue built for closing IDFechamento; empty when none was built for it.
    QList<int> TrevosPreparados(int IDFechamento) const;

    TImagemClicavel* Ajuda() const { return FAjuda; }

protected:
    void showEvent(QShowEvent* Evento) override;

private:
    QWidget* CriaCabecalho();
    QWidget* CriaEscolhas();
    QWidget* CriaOpcoes();
    QWidget* CriaConfiguracoesExtra();
    QWidget* CriaAreaDaMiniatura();
    void CriaMiniaturas();
    void Conecta();

    void MostraSemFechamento();
    void Reconstroi(const QString& Modalidade, int QdeNumPorVolante);
    void RadioModeloImpressaoClick();
    void MostraPainelDaModalidade(TTipoModalidade Tipo, int Modelo);
    void AtualizaAvisoSemExtras();
    void EscondeMiniaturas();
    QLabel* Miniatura(const QString& Nome) const;
    void ChTrevo1Click();
    void ChAutoIdentificarClick();
    void BtnImprimirJogosAgoraClick();
    bool JogosSaoDoFechamentoAtual();
    // Slips one page holds in the chosen slip model and paper.
    int VolantesPorPagina(const TModalidade& Regras) const;
    void Avisa(TTipoMensagem Tipo, const QString& Texto);

    int QdeNumPorVolante() const;
    // Position of the selected club counted from 0; -1 when none is selected.
    int IndiceDoTime() const;
    QList<int> TrevosMarcados() const;
    TEscolhasImpressao Escolhas(const TModalidade& Modalidade) const;

    TDM& FDM;
    TDialogos& FDialogos;
    TEmailDoLogin FEmailDoLogin;
    TAbreGerenciador FAbreGerenciador;
    QColor FColorShape = Qt::black;

    // The closing the last queue was built for and its clovers.
    int FIDFechamentoPreparado = 0;
    QList<int> FTrevosPreparados;

    // The game and numbers per game the choices were last built for.
    QString FOldModalidade = QStringLiteral("*");
    int FOldQdeNumPorVolante = -1;

    QLineEdit* FEditTituloFechamento;
    QLineEdit* FEditModalidade;
    QLineEdit* FEditQdeNumPorVolante;
    QLineEdit* FDBEdit3;
    QLabel* FImagemOkMaster;
    QLabel* FImagemError;
    TImagemClicavel* FAjuda;

    TRadioGroup* FRadioModeloImpressao;
    TRadioGroup* FRadioQdeJogosPorVolante;
    TRadioGroup* FRadioSurpresinha;
    TRadioGroup* FRadioTeimosinha;

    QComboBox* FComboBolao;
    QCheckBox* FChVolanteOriginal;
    QCheckBox* FChDivisao10;
    QComboBox* FComboDivisor;
    QLineEdit* FEditIdentificacao;
    QCheckBox* FChAutoIdentificar;

    QGroupBox* FPainelConfiguracoesExtra;
    QGroupBox* FPainelDiaDeSorte;
    TRadioGroup* FRadioDiaDeSorteMes;
    QCheckBox* FChAvancaMes;
    QGroupBox* FPainelLotomania;
    QCheckBox* FChApostaEspelho;
    QGroupBox* FPainelTimemania;
    QListWidget* FListBox_TimeCoracao;
    QCheckBox* FChAvancaTime;
    QGroupBox* FPainelMaisMilionaria;
    std::array<QCheckBox*, 6> FChTrevo;
    QLabel* FLabelQdeTrevos;
    QCheckBox* FchMarcarTrevoMao;

    QLabel* FImagemFlutuante;
    TPainelArrastavel* FPainelQDeJogos;
    TPainelArrastavel* FPainelQdeNumVolante;
    QWidget* FMiniaturas;
    QLabel* FLabelSemExtras;
    QWidget* FCorpo;
    QLabel* FLabelSemFechamento;
    QPushButton* FBtnImprimirJogosAgora;
};
