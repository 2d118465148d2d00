// The results page with a million-game closing: the check of a typed draw until the grid shows the
// games sorted with the winners first, and a re-sort by a clicked column.
#include "JogosDeLotofacil.h"

#include "store/DataModulo.h"
#include "ui/DialogosProgramados.h"
#include "ui/FormPrincipal.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

namespace {

constexpr int UmMilhao = 1'000'000;

template <typename T> T& ControleDe(const TFormPrincipal& Form, const char* Nome) {
    return *Form.findChild<T*>(QString::fromLatin1(Nome));
}

// The window on the results page of a million-game Lotofácil closing, the draw typed.
struct TJanelaComUmMilhao {
    TJanelaComUmMilhao()
        : Form(DM, Dialogos) {
        Form.show();
        DM.AtivaFiltro_MASTER(false);
        DM.InsereRegistroPorStringList(QStringLiteral("Lotofacil"), QStringLiteral("Bolão"), false,
                                       JogosAleatoriosDeLotofacil(UmMilhao), QString());
        DM.AtivaFiltro_MASTER(true);
        ControleDe<QTabWidget>(Form, "PageControl1")
            .setCurrentWidget(&ControleDe<QWidget>(Form, "TabConferencia"));
        ControleDe<QLineEdit>(Form, "EditResultado")
            .setText(QStringLiteral("01 02 04 05 07 09 10 12 13 16 18 20 21 23 25"));
        QApplication::processEvents();
    }

    QTableView& Grade() { return ControleDe<QTableView>(Form, "GradeConferencia"); }

    TDM DM;
    TDialogosProgramados Dialogos;
    TFormPrincipal Form;
};

// The first check of the closing: its games read into masks, checked, the tiers counted and the grid
// painted with the winners first.
void BM_Gui_Confere_1M(benchmark::State& Estado) {
    for (auto _ : Estado) {
        TJanelaComUmMilhao Janela;
        QElapsedTimer Relogio;
        Relogio.start();
        ControleDe<QPushButton>(Janela.Form, "BtnConferir").click();
        QApplication::processEvents();
        Janela.Grade().viewport()->repaint();
        Estado.SetIterationTime(double(Relogio.nsecsElapsed()) / 1e9);
        if (Janela.Grade().model()->rowCount() != UmMilhao || !Janela.Dialogos.Mostradas().isEmpty())
            Estado.SkipWithError("the checked games did not reach the grid");
    }
}
BENCHMARK(BM_Gui_Confere_1M)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// A click on the hits column title of the checked closing, until the grid is painted again.
void BM_Gui_Conferencia_1M_Ordena(benchmark::State& Estado) {
    TJanelaComUmMilhao Janela;
    ControleDe<QPushButton>(Janela.Form, "BtnConferir").click();
    QHeaderView& Cabecalho = *Janela.Grade().horizontalHeader();
    Qt::SortOrder Ordem = Qt::DescendingOrder;
    for (auto _ : Estado) {
        Ordem = Ordem == Qt::DescendingOrder ? Qt::AscendingOrder : Qt::DescendingOrder;
        Cabecalho.setSortIndicator(2, Ordem); // "Acertos"
        QApplication::processEvents();
        Janela.Grade().viewport()->repaint();
    }
}
BENCHMARK(BM_Gui_Conferencia_1M_Ordena)->Unit(benchmark::kMillisecond);

} // namespace
