#pragma once

#include <QDateTime>
#include <QList>
#include <QMainWindow>

class QAction;
class QLabel;
class QTabWidget;
class TDM;
class TDialogos;
class TPaginaAutenticacao;
class TPaginaConferencia;
class TPaginaImportacao;
class TPaginaImpressao;
class TPaginaJogos;

// The program's main window: five pages (login, import, games, print setup, results), the title with the
// program file's date and size, the help and portal links and the keyboard command Ctrl+1. The data
// module and the dialogs come from the caller and outlive the window.
class TFormPrincipal : public QMainWindow {
    Q_OBJECT

public:
    TFormPrincipal(TDM& DM, TDialogos& Dialogos, QWidget* Parent = nullptr);

    // "Portal BILHERON - Impressão de Jogos " + the version + "  ::  " with the program file's date and size
    // in kilobytes; an invalid date reads as the zero date, '30/12 00:00:00'.
    static QString TituloDaJanela(const QDateTime& DataDoArquivo, qint64 TamanhoEmBytes);

    // The clovers read from the text of the last import, for the print setup.
    const QList<int>& TrevosFromTXTOrlandim() const;

    // Shows the import page with the games file in its area, as when the desktop opens a text file with
    // the program.
    void AbreArquivoDeJogos(const QString& Caminho);

    // Opens the help article at the anchor (the clicked picture's name).
    void AbreAjuda(const QString& Ancora);

protected:
    void showEvent(QShowEvent* Evento) override;
    void resizeEvent(QResizeEvent* Evento) override;
    void closeEvent(QCloseEvent* Evento) override;

private:
    void FormCreate();
    void FormShow();
    void PageControl1Change();
    void Action1Execute();
    void MostraFechamentoImportado();
    void MostraJogosBaixados(int Indice);
    void LigaAjuda();

    TDM& FDM;
    TDialogos& FDialogos;
    QTabWidget* FPageControl1;
    TPaginaAutenticacao* FTabAutenticacao;
    TPaginaImportacao* FTabSheet4;
    TPaginaJogos* FTabJogo;
    TPaginaImpressao* FTabImpressao;
    TPaginaConferencia* FTabConferencia;
    QAction* FAction1;
    bool FJaMostrada = false;
};
