#include "ui/FormProgresso.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>

namespace {

// The window repaints at most this often, so that the work is not slowed down by painting.
constexpr qint64 IntervaloDePinturaMs = 40;
// How soon the time a work will take is guessed from the pages done so far.
constexpr qint64 EstimativaAposMs = 100;

} // namespace

TFormProgresso::TFormProgresso(const QString& Tarefa, QWidget* Parent, int AtrasoMs)
    : QDialog(Parent)
    , FAtrasoMs(AtrasoMs)
    , FLabelPaginas(new QLabel(this))
    , FBarra(new QProgressBar(this))
    , FBtnCancelar(new QPushButton(QStringLiteral("Cancelar"), this)) {
    setObjectName(QStringLiteral("FormProgresso"));
    setWindowTitle(QStringLiteral("Aguarde..."));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* LabelTarefa = new QLabel(Tarefa, this);
    LabelTarefa->setObjectName(QStringLiteral("LabelTarefa"));
    FLabelPaginas->setObjectName(QStringLiteral("LabelPaginas"));
    FBarra->setObjectName(QStringLiteral("BarraProgresso"));
    FBarra->setMinimumWidth(360);
    FBtnCancelar->setObjectName(QStringLiteral("BtnCancelar"));
    FBtnCancelar->setAutoDefault(false);
    connect(FBtnCancelar, &QPushButton::clicked, this, &TFormProgresso::reject);

    auto* Layout = new QVBoxLayout(this);
    Layout->addWidget(LabelTarefa);
    Layout->addWidget(FBarra);
    Layout->addWidget(FLabelPaginas);
    Layout->addWidget(FBtnCancelar, 0, Qt::AlignRight);
    FDesdeOInicio.start();
}

bool TFormProgresso::Avanca(int PaginasFeitas, int QdePaginas) {
    if (FCancelado)
        return false;
    const bool Fim = PaginasFeitas >= QdePaginas;
    if (Fim || (FDesdeAUltimaPintura.isValid() && !FDesdeAUltimaPintura.hasExpired(IntervaloDePinturaMs)))
        return true;
    FDesdeAUltimaPintura.start();
    if (!isVisible()) {
        const qint64 Decorrido = FDesdeOInicio.elapsed();
        const bool Demora = Decorrido >= FAtrasoMs ||
                            (Decorrido >= std::min<qint64>(EstimativaAposMs, FAtrasoMs) &&
                             PaginasFeitas > 0 && Decorrido * QdePaginas / PaginasFeitas >= FAtrasoMs);
        if (Demora)
            show();
    }
    if (isVisible()) {
        Mostra(PaginasFeitas, QdePaginas);
        // The window is modal: only its button takes input; every window repaints.
        QCoreApplication::processEvents();
    } else {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return !FCancelado;
}

TAcompanhaPaginas TFormProgresso::Progresso() {
    return [this](int PaginasFeitas, int QdePaginas) {
        return Avanca(PaginasFeitas, QdePaginas);
    };
}

void TFormProgresso::reject() {
    FCancelado = true;
    FBtnCancelar->setEnabled(false);
    FLabelPaginas->setText(QStringLiteral("Cancelando..."));
}

void TFormProgresso::Mostra(int PaginasFeitas, int QdePaginas) {
    const QLocale Local;
    FBarra->setRange(0, QdePaginas);
    FBarra->setValue(PaginasFeitas);
    FLabelPaginas->setText(
        QStringLiteral("Página %1 de %2").arg(Local.toString(PaginasFeitas), Local.toString(QdePaginas)));
}
