#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;
class TDialogos;
class TRelatorio;

// The screen preview of a print run: the report's pages as they will be printed, with zoom, page
// navigation and, unless the template forbids it, the export of the whole run as a "Documento PDF".
// The report must outlive the window. Drawing the pages and writing the PDF show their progress when
// they take long, and can be cancelled.
class TFormPrevia : public QDialog {
    Q_OBJECT

public:
    TFormPrevia(TRelatorio& Relatorio, TDialogos& Dialogos, bool PermiteExportarPdf, const QString& Titulo,
                QWidget* Parent = nullptr);
    ~TFormPrevia() override;

    int QdePaginas() const;
    int PaginaAtual() const;
    // Draws the pages to show; false when the user cancelled it (the preview is then not to be shown).
    bool GeraPaginas();
    // Asks for a file and writes every page into it as PDF, then says where, or shows why it failed.
    void ExportaPdf();
    // The title the export proposes as the file's name (characters no file name holds replaced);
    // without one, the document title.
    void SetNomeProposto(const QString& Value) { FNomeProposto = Value; }
    // How long drawing must take before its progress shows (tests show it at once).
    void SetAtrasoProgresso(int AtrasoMs) { FAtrasoProgresso = AtrasoMs; }

private:
    void VaiParaPagina(int Pagina);
    void AtualizaPagina();

    TRelatorio& FRelatorio;
    TDialogos& FDialogos;
    QString FTitulo;
    QString FNomeProposto;
    std::unique_ptr<QPrinter> FImpressora;
    QPrintPreviewWidget* FPrevia;
    QLabel* FLabelPagina;
    int FAtrasoProgresso;
    bool FPaginasCanceladas = false;
};
