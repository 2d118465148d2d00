#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// The waiting window of the portal login: the current step (Label1, large), two hint lines (Label2,
// Label3), a counter hidden at first (LabelQde) and a progress bar. It has no behaviour of its own: the
// login creates it, sets its texts, shows it and frees it. It stands apart from the main window (which
// is disabled while it shows, and would grey it out), centred on it and kept above it; its close box
// does not take it away before the login does.
class TFormAguarde : public QWidget {
    Q_OBJECT

public:
    explicit TFormAguarde(QWidget* Principal);

    // Shows the window centred on the main window and lets it paint before the work goes on.
    void Mostra();

    QLabel* Label1() const { return FLabel1; }
    QLabel* Label2() const { return FLabel2; }
    QLabel* Label3() const { return FLabel3; }
    QLabel* LabelQde() const { return FLabelQde; }
    QProgressBar* ProgressBar1() const { return FProgressBar1; }

protected:
    void closeEvent(QCloseEvent* Evento) override;

private:
    QWidget* FPrincipal;
    QLabel* FLabel1;
    QLabel* FLabel2;
    QLabel* FLabel3;
    QLabel* FLabelQde;
    QProgressBar* FProgressBar1;
};
