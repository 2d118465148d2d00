// The main window with large closings: importing pasted text through the import page until the games
// grid shows the games, and scrolling a grid over a million games.
#include "ExecutaBenchmarks.h"
#include "catalogue/InicioPrograma.h"
#include "store/DataModulo.h"
#include "ui/DialogosProgramados.h"
#include "ui/FormPrincipal.h"
#include "ui/RadioGroup.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>
#include <array>

namespace {

// Distinct Lotofácil games: every choice of 15 of the 25 numbers, in turn.
QStringList JogosDistintosDeLotofacil(int Qde) {
    std::array<bool, 25> Escolhidos{};
    std::fill(Escolhidos.end() - 15, Escolhidos.end(), true);
    QStringList Jogos;
    Jogos.reserve(Qde);
    while (Jogos.size() < Qde) {
        QString Jogo;
        for (std::size_t Posicao = 0; Posicao < Escolhidos.size(); ++Posicao) {
            if (Escolhidos[Posicao])
                Jogo += QStringLiteral("%1 ").arg(Posicao + 1, 2, 10, QChar(u'0'));
        }
        Jogo.chop(1);
        Jogos.append(Jogo);
        if (!std::next_permutation(Escolhidos.begin(), Escolhidos.end()))
            break;
    }
    return Jogos;
}

template <typename T> T& Controle(const TFormPrincipal& Form, const char* Nome) {
    return *Form.findChild<T*>(QString::fromLatin1(Nome));
}

// Pastes the games into the import area, validates them as Lotofácil and waits for the games grid to
// paint them; the copy into the clipboard and the window's creation are not timed.
void BM_Gui_Importa(benchmark::State& Estado, int QdeJogos) {
    const QString Texto = JogosDistintosDeLotofacil(QdeJogos).join(QStringLiteral("\r\n"));
    for (auto _ : Estado) {
        TDM DM;
        TDialogosProgramados Dialogos;
        TFormPrincipal Form(DM, Dialogos);
        Form.show();
        Controle<QTabWidget>(Form, "PageControl1").setCurrentIndex(1);
        QGuiApplication::clipboard()->setText(Texto);
        QApplication::processEvents();

        QElapsedTimer Relogio;
        Relogio.start();
        Controle<QPushButton>(Form, "BtnCopiarMemoria").click();
        Controle<TRadioGroup>(Form, "RadioImportar_Modalidade").Botao(1)->click(); // Lotofacil
        Controle<QPushButton>(Form, "BtnValidarJogosFechamento").click();
        QApplication::processEvents();
        const auto& Grade = Controle<QAbstractItemView>(Form, "DBGrid2");
        Grade.viewport()->repaint();
        Estado.SetIterationTime(double(Relogio.nsecsElapsed()) / 1e9);

        if (Grade.model()->rowCount() != QdeJogos || !Dialogos.Mostradas().isEmpty())
            Estado.SkipWithError("the games did not reach the grid");
    }
    Estado.counters["jogos/s"] =
        benchmark::Counter(double(QdeJogos) * double(Estado.iterations()), benchmark::Counter::kIsRate);
}

void BM_Gui_Importa_100k(benchmark::State& Estado) {
    BM_Gui_Importa(Estado, 100'000);
}
BENCHMARK(BM_Gui_Importa_100k)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Gui_Importa_1M(benchmark::State& Estado) {
    BM_Gui_Importa(Estado, 1'000'000);
}
BENCHMARK(BM_Gui_Importa_1M)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

// Jumps from the top of a million-game grid to its end and back, painting each time.
void BM_Gui_Grade_1M_Rola(benchmark::State& Estado) {
    TDM DM;
    TDialogosProgramados Dialogos;
    TFormPrincipal Form(DM, Dialogos);
    Form.show();
    DM.AtivaFiltro_MASTER(true);
    DM.InsereRegistroPorStringList(QStringLiteral("Lotofacil"), QString(), false,
                                   JogosDistintosDeLotofacil(1'000'000), QString());
    Controle<QTabWidget>(Form, "PageControl1").setCurrentIndex(2);
    auto& Grade = Controle<QAbstractItemView>(Form, "DBGrid2");
    const int Ultima = Grade.model()->rowCount() - 1;
    for (auto _ : Estado) {
        for (const int Linha : {Ultima, 0}) {
            Grade.setCurrentIndex(Grade.model()->index(Linha, 2));
            Grade.scrollTo(Grade.currentIndex());
            Grade.viewport()->repaint();
        }
    }
    if (Ultima != 999'999)
        Estado.SkipWithError("the grid does not show the million games");
}
BENCHMARK(BM_Gui_Grade_1M_Rola)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication Aplicacao(argc, argv);
    const TInicioPrograma Inicio(Aplicacao, QStringLiteral("cartelim"));
    return ExecutaBenchmarks(argc, argv);
}
