#include "ui/FormPrincipal.h"

#include "catalogue/InicioPrograma.h"
#include "catalogue/ULib.h"
#include "store/DataModulo.h"
#include "ui/Dialogos.h"
#include "ui/Enderecos.h"
#include "ui/Figuras.h"
#include "ui/ImagemClicavel.h"
#include "ui/PaginaAutenticacao.h"
#include "ui/PaginaConferencia.h"
#include "ui/PaginaImportacao.h"
#include "ui/PaginaImpressao.h"
#include "ui/PaginaJogos.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRandomGenerator>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>

#include <chrono>

namespace {

const QSize TamanhoInicial(1180, 700);

QLabel* PainelDeStatus(QStatusBar& Barra, int Largura, Qt::Alignment Alinhamento, int Elastico) {
    auto* Painel = new QLabel(&Barra);
    Painel->setMinimumWidth(Largura);
    Painel->setAlignment(Alinhamento | Qt::AlignVCenter);
    Barra.addWidget(Painel, Elastico);
    return Painel;
}

} // namespace

TFormPrincipal::TFormPrincipal(TDM& DM, TDialogos& Dialogos, QWidget* Parent)
    : QMainWindow(Parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                              Qt::WindowCloseButtonHint)
    , FDM(DM)
    , FDialogos(Dialogos)
    , FPageControl1(new QTabWidget(this))
    , FTabAutenticacao(new TPaginaAutenticacao(DM, Dialogos, FPageControl1))
    , FTabSheet4(new TPaginaImportacao(DM, Dialogos, FPageControl1))
    , FTabJogo(new TPaginaJogos(DM, Dialogos, FPageControl1))
    , FTabImpressao(new TPaginaImpressao(
          DM, Dialogos, [this] { return FTabAutenticacao->Email(); }, FPageControl1))
    , FTabConferencia(new TPaginaConferencia(
          DM, Dialogos, [this] { return FTabImpressao->ExtrasDasApostas(); },
          [this] {
              const QList<int> Preparados = FTabImpressao->TrevosPreparados(FDM.IDFechamentoAtual());
              return Preparados.isEmpty() ? TrevosFromTXTOrlandim() : Preparados;
          },
          FPageControl1))
    , FAction1(new QAction(this)) {
    setObjectName(QStringLiteral("FormPrincipal"));
    setWindowIcon(IconeDoPrograma());
    QFont Fonte(QStringLiteral("Tahoma"), 9);
    Fonte.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    setFont(Fonte);
    resize(TamanhoInicial);

    FPageControl1->setObjectName(QStringLiteral("PageControl1"));
    FPageControl1->addTab(FTabAutenticacao, QStringLiteral("Autenticação no Portal   "));
    FPageControl1->addTab(FTabSheet4, QStringLiteral("Importar Jogos   "));
    FPageControl1->addTab(FTabJogo, QStringLiteral("Jogos :)   "));
    FPageControl1->addTab(FTabImpressao, QStringLiteral("Impressão dos Jogos   "));
    FPageControl1->addTab(FTabConferencia, QStringLiteral("Conferir Resultado   "));
    setCentralWidget(FPageControl1);

    QStatusBar* StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    PainelDeStatus(*StatusBar1, 50, Qt::AlignHCenter, 0);
    PainelDeStatus(*StatusBar1, 400, Qt::AlignLeft, 0);
    PainelDeStatus(*StatusBar1, 50, Qt::AlignLeft, 1);

    FAction1->setObjectName(QStringLiteral("Action1"));
    FAction1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    FAction1->setShortcutContext(Qt::WindowShortcut);
    addAction(FAction1);

    connect(FAction1, &QAction::triggered, this, &TFormPrincipal::Action1Execute);
    connect(FPageControl1, &QTabWidget::currentChanged, this, &TFormPrincipal::PageControl1Change);
    connect(FTabSheet4, &TPaginaImportacao::FechamentoImportado, this,
            &TFormPrincipal::MostraFechamentoImportado);
    connect(FTabAutenticacao, &TPaginaAutenticacao::JogosBaixados, this,
            &TFormPrincipal::MostraJogosBaixados);
    connect(FTabJogo, &TPaginaJogos::TelaImpressaoPedida, this,
            [this] { FPageControl1->setCurrentWidget(FTabImpressao); });
    LigaAjuda();

    FormCreate();
}

QString TFormPrincipal::TituloDaJanela(const QDateTime& DataDoArquivo, qint64 TamanhoEmBytes) {
    // The zero date of the classic date type.
    const QDateTime Data =
        DataDoArquivo.isValid() ? DataDoArquivo : QDateTime(QDate(1899, 12, 30), QTime(0, 0));
    return QStringLiteral("Portal BILHERON - Impressão de Jogos ") + VersaoDoPrograma() +
           QStringLiteral("  ::  ") + u' ' + Data.toString(QStringLiteral("dd/MM hh:mm:ss")) +
           QStringLiteral(" : ") + QLocale().toString(TamanhoEmBytes / 1024);
}

const QList<int>& TFormPrincipal::TrevosFromTXTOrlandim() const {
    return FTabSheet4->TrevosFromTXT();
}

void TFormPrincipal::AbreArquivoDeJogos(const QString& Caminho) {
    FPageControl1->setCurrentWidget(FTabSheet4);
    FTabSheet4->AbreArquivo(Caminho);
}

void TFormPrincipal::AbreAjuda(const QString& Ancora) {
    AbreNoNavegador(FDialogos, this, EnderecoDaAjuda(Ancora));
}

void TFormPrincipal::showEvent(QShowEvent* Evento) {
    QMainWindow::showEvent(Evento);
    if (!FJaMostrada) {
        FJaMostrada = true;
        FormShow();
    }
}

void TFormPrincipal::resizeEvent(QResizeEvent* Evento) {
    QMainWindow::resizeEvent(Evento);
    setWindowTitle(TituloDaJanela(DataDoPrograma(), TamanhoDoPrograma()));
}

void TFormPrincipal::closeEvent(QCloseEvent* Evento) {
    // An import run or a login lets the screen repaint while it works; the window stays until it is over.
    if (FTabSheet4->Importando() || FTabAutenticacao->Autenticando())
        Evento->ignore();
    else
        QMainWindow::closeEvent(Evento);
}

void TFormPrincipal::FormCreate() {
    FTabAutenticacao->LimpaCredenciais();
    FTabAutenticacao->SetChaveEToken(ChaveDoPortal(), TokenDoPortal());
    FTabSheet4->Inicializa();
    FPageControl1->setCurrentWidget(FTabAutenticacao);
}

void TFormPrincipal::FormShow() {
    // Centred on the screen, and never larger than it.
    if (const QScreen* Tela = screen()) {
        const QRect Area = Tela->availableGeometry();
        resize(size().boundedTo(Area.size() - QSize(16, 48)));
        move(Area.center() - rect().center());
    }
    FTabJogo->LigaGrades();
    FTabAutenticacao->EditEmail()->setFocus();
}

void TFormPrincipal::PageControl1Change() {
    FDM.EsvaziaFilaImpressao();
    FTabImpressao->DesmarcaTrevos();
    const bool OperadorDeBolao =
        FTabAutenticacao->Email().compare(ContaOperadorDeBolao(), Qt::CaseInsensitive) == 0;
    // The mask box lives on the games page, so it is seen only while that page is active.
    FTabJogo->OfereceMascara(OperadorDeBolao);
    if (OperadorDeBolao && FPageControl1->currentWidget() == FTabImpressao)
        FTabImpressao->MarcaTrevosDoTexto(TrevosFromTXTOrlandim());
}

void TFormPrincipal::Action1Execute() {
    FTabAutenticacao->MascaraEmail();
}

void TFormPrincipal::MostraFechamentoImportado() {
    FPageControl1->setCurrentWidget(FTabJogo);
    FTabJogo->MostraBarrasDasGrades();
}

void TFormPrincipal::MostraJogosBaixados(int Indice) {
    // The page-change handling runs also when the games page was already the active one.
    if (FPageControl1->currentWidget() == FTabJogo)
        PageControl1Change();
    else
        FPageControl1->setCurrentWidget(FTabJogo);
    FDM.MoveParaFechamento(Indice >= 0 ? Indice : 0);
    FTabJogo->FocaFechamentos();
    FTabJogo->MostraBarrasDasGrades();
    if (FTabAutenticacao->Email().compare(ContaMarketplace(), Qt::CaseInsensitive) != 0) {
        QRandomGenerator Sorteio(quint32(std::chrono::steady_clock::now().time_since_epoch().count()));
        FTabImpressao->SorteiaTimeEMes(Sorteio);
    }
}

void TFormPrincipal::LigaAjuda() {
    for (TImagemClicavel* Ajuda :
         {FTabAutenticacao->Ajuda(), FTabSheet4->Ajuda(), FTabJogo->Ajuda(), FTabImpressao->Ajuda()})
        connect(Ajuda, &TImagemClicavel::Clicado, this, [this, Ajuda] { AbreAjuda(Ajuda->objectName()); });
    connect(FTabAutenticacao->Logo(), &TImagemClicavel::Clicado, this,
            [this] { AbreNoNavegador(FDialogos, this, EnderecoDosArtigos()); });
}
