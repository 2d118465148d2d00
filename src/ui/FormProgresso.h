#pragma once

#include "report/SaidaRelatorio.h"

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;
class QPushButton;

// The progress of a long output (the pages of a preview, a PDF, a print job): what is being done, the
// pages done of the total, a bar and "Cancelar". It appears only when the work will take longer than
// about half a second, stays over the program's other windows (which cannot be used meanwhile but
// keep being painted) and goes away with the work.
class TFormProgresso : public QDialog {
    Q_OBJECT

public:
    // AtrasoMs: how long a work must take before the window appears.
    TFormProgresso(const QString& Tarefa, QWidget* Parent, int AtrasoMs = AtrasoPadraoMs);

    static constexpr int AtrasoPadraoMs = 500;

    // For an output's TAcompanhaPaginas: shows the pages done, now and then lets the windows repaint
    // and the button work; false once the user cancelled.
    bool Avanca(int PaginasFeitas, int QdePaginas);
    TAcompanhaPaginas Progresso();
    bool Cancelado() const { return FCancelado; }

protected:
    // Escape and the window's close button cancel as the button does.
    void reject() override;

private:
    void Mostra(int PaginasFeitas, int QdePaginas);

    int FAtrasoMs;
    bool FCancelado = false;
    QElapsedTimer FDesdeOInicio;
    QElapsedTimer FDesdeAUltimaPintura;
    QLabel* FLabelPaginas;
    QProgressBar* FBarra;
    QPushButton* FBtnCancelar;
};
