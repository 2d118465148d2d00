#pragma once

#include "ui/EscolhasImpressao.h"
#include "ui/LocalImpressaoIni.h"

#include <QColor>
#include <QDialog>
#include <QList>
#include <QStringList>

#include <functional>
#include <memory>

class TDM;
class TDialogos;
struct TConfiguracaoImpressao;

// The print manager ("Impressão de Jogos"): lists the print sheet queue, lets the user choose the
// sheets, keeps the printer calibration per game, slip model, paper and guide option in
// IMPRESSAO.INI, and runs the print as a preview (with PDF export) or on the chosen printer. The print
// setup tab builds the queue, creates this window with its choices and shows it with exec(). Every
// control carries its own name as objectName.
class TFormCartelim : public QDialog {
    Q_OBJECT

public:
    TFormCartelim(TDM& DM, TDialogos& Dialogos, const TLocalImpressaoIni& LocalIni,
                  const TEscolhasImpressao& Escolhas, QWidget* Parent = nullptr);
    ~TFormCartelim() override;

    // The installed printers offered in the list: those reached through a network path (a name
    // holding two backslashes in a row) are left out.
    static QStringList ImpressorasOferecidas(const QStringList& Instaladas);

    // The mark colour of the last run (black while the colour list is hidden); the colour it was
    // opened with when nothing was printed.
    QColor ColorShape() const;

    // How the preview window is shown; by default modally (exec). Tests open it without waiting.
    using TAbrePrevia = std::function<void(QDialog& Previa)>;
    void SetAbrePrevia(TAbrePrevia AbrePrevia);
    // How long a print run's drawing must take before its progress window shows (tests show it at
    // once, to press its "Cancelar").
    void SetAtrasoProgresso(int AtrasoMs) { FAtrasoProgresso = AtrasoMs; }

protected:
    void showEvent(QShowEvent* Evento) override;
    bool eventFilter(QObject* Objeto, QEvent* Evento) override;

private:
    struct TControles;

    void CriaControles();
    void MontaLayout();
    void LigaEventos();
    void FormCreate();
    // The calibration file's section of this game, slip model, paper and guide option.
    QString SecaoIni() const;
    void CarregaOffsets();
    void SalvaOffsets();
    void LimpaOffsets();
    QList<int> LinhasSelecionadas() const;
    void AtualizaTextoBotao();
    void SelecionaTodos();
    void SelecionaLinhas(const QList<int>& Linhas);
    void SelecionaDeAte();
    void LocalizaJogo();
    void AlternaColunasIdentificadores();
    void ApagaSelecionados();
    QColor CorEscolhida() const;
    TConfiguracaoImpressao Configuracao() const;
    void Imprime();

    TDM& FDM;
    TDialogos& FDialogos;
    TLocalImpressaoIni FLocalIni;
    TEscolhasImpressao FEscolhas;
    TAbrePrevia FAbrePrevia;
    int FAtrasoProgresso;
    QColor FColorShape;
    std::unique_ptr<TControles> FC;
};
