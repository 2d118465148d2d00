#include "ui/FormPrevia.h"

#include "catalogue/ULib.h"
#include "report/Relatorio.h"
#include "report/SaidaRelatorio.h"
#include "report/printer/ImpressoraRelatorio.h"
#include "ui/Dialogos.h"
#include "ui/FormProgresso.h"

#include <QBoxLayout>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>

namespace {

QPushButton* Botao(const QString& Nome, const QString& Texto, QWidget* Pai) {
    auto* Novo = new QPushButton(Texto, Pai);
    Novo->setObjectName(Nome);
    Novo->setAutoDefault(false);
    return Novo;
}

} // namespace

TFormPrevia::TFormPrevia(TRelatorio& Relatorio, TDialogos& Dialogos, bool PermiteExportarPdf,
                         const QString& Titulo, QWidget* Parent)
    : QDialog(Parent)
    , FRelatorio(Relatorio)
    , FDialogos(Dialogos)
    , FTitulo(Titulo)
    // A PDF-format printer: the preview needs no installed printer.
    , FImpressora(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , FAtrasoProgresso(TFormProgresso::AtrasoPadraoMs) {
    setObjectName(QStringLiteral("FormPrevia"));
    setWindowTitle(QStringLiteral("Visualização de Impressão"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    FImpressora->setOutputFormat(QPrinter::PdfFormat);
    FImpressora->setPageLayout(Relatorio.LayoutPapel());

    FPrevia = new QPrintPreviewWidget(FImpressora.get(), this);
    FPrevia->setObjectName(QStringLiteral("PreviaPaginas"));
    connect(FPrevia, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* Impressora) {
        TFormProgresso Progresso(QStringLiteral("Preparando a visualização das páginas..."),
                                 isVisible() ? this : parentWidget(), FAtrasoProgresso);
        FPaginasCanceladas = ImprimeEm(FRelatorio, *Impressora, Progresso.Progresso()).Cancelada;
    });
    connect(FPrevia, &QPrintPreviewWidget::previewChanged, this, &TFormPrevia::AtualizaPagina);

    auto* BtnPrimeira = Botao(QStringLiteral("BtnPrimeiraPagina"), QStringLiteral("|<"), this);
    auto* BtnAnterior = Botao(QStringLiteral("BtnPaginaAnterior"), QStringLiteral("<"), this);
    auto* BtnProxima = Botao(QStringLiteral("BtnProximaPagina"), QStringLiteral(">"), this);
    auto* BtnUltima = Botao(QStringLiteral("BtnUltimaPagina"), QStringLiteral(">|"), this);
    auto* BtnMenosZoom = Botao(QStringLiteral("BtnMenosZoom"), QStringLiteral("Zoom -"), this);
    auto* BtnMaisZoom = Botao(QStringLiteral("BtnMaisZoom"), QStringLiteral("Zoom +"), this);
    auto* BtnLargura = Botao(QStringLiteral("BtnLarguraDaPagina"), QStringLiteral("Largura da Página"), this);
    auto* BtnPaginaInteira =
        Botao(QStringLiteral("BtnPaginaInteira"), QStringLiteral("Página Inteira"), this);
    auto* BtnPdf = Botao(QStringLiteral("BtnExportarPdf"), QStringLiteral("Documento PDF"), this);
    auto* BtnFechar = Botao(QStringLiteral("BtnFecharPrevia"), QStringLiteral("Fechar"), this);
    BtnPdf->setVisible(PermiteExportarPdf);
    FLabelPagina = new QLabel(this);
    FLabelPagina->setObjectName(QStringLiteral("LabelPagina"));

    connect(BtnPrimeira, &QPushButton::clicked, this, [this] { VaiParaPagina(1); });
    connect(BtnAnterior, &QPushButton::clicked, this, [this] { VaiParaPagina(PaginaAtual() - 1); });
    connect(BtnProxima, &QPushButton::clicked, this, [this] { VaiParaPagina(PaginaAtual() + 1); });
    connect(BtnUltima, &QPushButton::clicked, this, [this] { VaiParaPagina(QdePaginas()); });
    connect(BtnMenosZoom, &QPushButton::clicked, FPrevia, [this] { FPrevia->zoomOut(); });
    connect(BtnMaisZoom, &QPushButton::clicked, FPrevia, [this] { FPrevia->zoomIn(); });
    connect(BtnLargura, &QPushButton::clicked, FPrevia, &QPrintPreviewWidget::fitToWidth);
    connect(BtnPaginaInteira, &QPushButton::clicked, FPrevia, &QPrintPreviewWidget::fitInView);
    connect(BtnPdf, &QPushButton::clicked, this, &TFormPrevia::ExportaPdf);
    connect(BtnFechar, &QPushButton::clicked, this, &QDialog::accept);

    auto* Barra = new QHBoxLayout;
    for (QWidget* Controle : {static_cast<QWidget*>(BtnPrimeira), static_cast<QWidget*>(BtnAnterior),
                              static_cast<QWidget*>(FLabelPagina), static_cast<QWidget*>(BtnProxima),
                              static_cast<QWidget*>(BtnUltima), static_cast<QWidget*>(BtnMenosZoom),
                              static_cast<QWidget*>(BtnMaisZoom), static_cast<QWidget*>(BtnLargura),
                              static_cast<QWidget*>(BtnPaginaInteira)})
        Barra->addWidget(Controle);
    Barra->addStretch();
    Barra->addWidget(BtnPdf);
    Barra->addWidget(BtnFechar);
    auto* Layout = new QVBoxLayout(this);
    Layout->addLayout(Barra);
    Layout->addWidget(FPrevia, 1);
    resize(1000, 700);
}

TFormPrevia::~TFormPrevia() = default;

int TFormPrevia::QdePaginas() const {
    return FPrevia->pageCount();
}

int TFormPrevia::PaginaAtual() const {
    return FPrevia->currentPage();
}

bool TFormPrevia::GeraPaginas() {
    FPrevia->updatePreview();
    return !FPaginasCanceladas;
}

void TFormPrevia::VaiParaPagina(int Pagina) {
    FPrevia->setCurrentPage(std::clamp(Pagina, 1, std::max(1, QdePaginas())));
    AtualizaPagina();
}

void TFormPrevia::AtualizaPagina() {
    const QLocale Local;
    FLabelPagina->setText(
        QStringLiteral("Página %1 de %2").arg(Local.toString(PaginaAtual()), Local.toString(QdePaginas())));
}

void TFormPrevia::ExportaPdf() {
    QString Nome = NomeDeArquivo(FNomeProposto);
    if (Nome.isEmpty())
        Nome = NomeDeArquivo(FTitulo);
    const QString Caminho = FDialogos.ArquivoParaSalvar(
        this, {TTipoArquivo::Pdf, QStringLiteral("Documento PDF"), QStringLiteral("Documento PDF (*.pdf)"),
               QStringLiteral("pdf"), Nome.isEmpty() ? QString() : Nome + QStringLiteral(".pdf")});
    if (Caminho.isEmpty())
        return;
    TFormProgresso Progresso(QStringLiteral("Gravando o Documento PDF..."), this, FAtrasoProgresso);
    const TResultadoSaida Resultado = ::ExportaPdf(FRelatorio, Caminho, FTitulo, Progresso.Progresso());
    Progresso.hide();
    if (Resultado.Cancelada)
        return;
    if (!Resultado.Sucesso) {
        FDialogos.Mostra(this, {TTipoMensagem::Erro, Resultado.Mensagem});
        return;
    }
    const int Paginas = FRelatorio.QdePaginas();
    FDialogos.Mostra(this, {TTipoMensagem::Informacao,
                            QStringLiteral("PDF gravado em %1 (%2 %3).")
                                .arg(QDir::toNativeSeparators(Caminho), QLocale().toString(Paginas),
                                     Paginas == 1 ? QStringLiteral("página") : QStringLiteral("páginas"))});
}
