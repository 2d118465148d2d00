#include "ui/FormAguarde.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QWindow>

namespace {

const QSize Tamanho(562, 232);
// The longest the window waits for the screen to show it before the work goes on.
constexpr int EsperaPelaTelaMs = 200;

QLabel* Rotulo(const QString& Nome, const QString& Texto, QWidget* Pai) {
    auto* Rotulo = new QLabel(Texto, Pai);
    Rotulo->setObjectName(Nome);
    Rotulo->setAlignment(Qt::AlignCenter);
    Rotulo->setWordWrap(true);
    return Rotulo;
}

} // namespace

TFormAguarde::TFormAguarde(QWidget* Principal)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , FPrincipal(Principal)
    , FLabel1(Rotulo(QStringLiteral("Label1"), {}, this))
    , FLabel2(Rotulo(QStringLiteral("Label2"),
                     QStringLiteral("Dependendo da Velocidade de Sua Internet e Quantidade de Jogos."), this))
    , FLabel3(Rotulo(QStringLiteral("Label3"),
                     QStringLiteral("Este Procedimento Pode Demorar um Pouco. Favor Aguardar..."), this))
    , FLabelQde(Rotulo(QStringLiteral("LabelQde"), {}, this))
    , FProgressBar1(new QProgressBar(this)) {
    setObjectName(QStringLiteral("FormAguarde"));
    setWindowTitle(QStringLiteral("Cartelim - Aguarde"));
    setFixedSize(Tamanho);
    if (Principal)
        setFont(Principal->font());

    QFont Grande = font();
    Grande.setPointSize(15);
    Grande.setBold(true);
    FLabel1->setFont(Grande);
    QFont Contador = font();
    Contador.setPointSize(12);
    Contador.setBold(true);
    FLabelQde->setFont(Contador);
    FLabelQde->hide();
    FProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    FProgressBar1->setTextVisible(false);
    // Busy until the login gives it a maximum.
    FProgressBar1->setRange(0, 0);

    auto* Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(20, 16, 20, 16);
    Layout->addWidget(FLabel1, 1);
    Layout->addWidget(FLabel2);
    Layout->addWidget(FLabel3);
    Layout->addWidget(FLabelQde);
    Layout->addWidget(FProgressBar1);
}

void TFormAguarde::Mostra() {
    if (FPrincipal) {
        // Kept above the main window by the window manager, as a dialog of it.
        winId();
        if (QWindow* Principal = FPrincipal->window()->windowHandle())
            windowHandle()->setTransientParent(Principal);
        move(FPrincipal->window()->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    show();
    const QDeadlineTimer Prazo(EsperaPelaTelaMs);
    do
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    while (!windowHandle()->isExposed() && !Prazo.hasExpired());
    repaint();
}

void TFormAguarde::closeEvent(QCloseEvent* Evento) {
    // The login is under way: the window goes when the login frees it.
    Evento->ignore();
}
