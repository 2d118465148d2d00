#include "ui/FormCartelim.h"

#include "catalogue/ULib.h"
#include "printing/ExecucaoImpressao.h"
#include "report/printer/ImpressoraRelatorio.h"
#include "store/DataModulo.h"
#include "ui/ArquivoIni.h"
#include "ui/Dialogos.h"
#include "ui/Enderecos.h"
#include "ui/Figuras.h"
#include "ui/FormPrevia.h"
#include "ui/FormProgresso.h"
#include "ui/GeometriaJanela.h"
#include "ui/GradeDados.h"
#include "ui/ImagemClicavel.h"
#include "ui/ModeloTabela.h"
#include "ui/RadioGroup.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSet>

#include <algorithm>

namespace {

const QLocale Brasil(QLocale::Portuguese, QLocale::Brazil);

// The grid's columns: the page, the four games and their four identifiers.
const QList<TModeloTabela::TColuna> ColunasDaGrade = {
    {TCDSImpressao::CampoNumPagina, Qt::AlignRight | Qt::AlignVCenter},
    {TCDSImpressao::CampoJogo1},
    {TCDSImpressao::CampoJogo1 + 1},
    {TCDSImpressao::CampoJogo1 + 2},
    {TCDSImpressao::CampoJogo1 + 3},
    {TCDSImpressao::CampoIdJogo1, Qt::AlignRight | Qt::AlignVCenter},
    {TCDSImpressao::CampoIdJogo1 + 1, Qt::AlignRight | Qt::AlignVCenter},
    {TCDSImpressao::CampoIdJogo1 + 2, Qt::AlignRight | Qt::AlignVCenter},
    {TCDSImpressao::CampoIdJogo1 + 3, Qt::AlignRight | Qt::AlignVCenter},
};
// F9 shows and hides the columns from the eighth on (IdJogo3, IdJogo4).
constexpr int PrimeiraColunaAlternada = 7;

// The named colours of the mark colour list, black first.
const QList<std::pair<QString, QColor>> CoresNomeadas = {
    {QStringLiteral("Preto"), QColor(0, 0, 0)},
    {QStringLiteral("Marrom"), QColor(128, 0, 0)},
    {QStringLiteral("Verde"), QColor(0, 128, 0)},
    {QStringLiteral("Oliva"), QColor(128, 128, 0)},
    {QStringLiteral("Azul-marinho"), QColor(0, 0, 128)},
    {QStringLiteral("Roxo"), QColor(128, 0, 128)},
    {QStringLiteral("Azul-petróleo"), QColor(0, 128, 128)},
    {QStringLiteral("Cinza"), QColor(128, 128, 128)},
    {QStringLiteral("Prata"), QColor(192, 192, 192)},
    {QStringLiteral("Vermelho"), QColor(255, 0, 0)},
    {QStringLiteral("Lima"), QColor(0, 255, 0)},
    {QStringLiteral("Amarelo"), QColor(255, 255, 0)},
    {QStringLiteral("Azul"), QColor(0, 0, 255)},
    {QStringLiteral("Fúcsia"), QColor(255, 0, 255)},
    {QStringLiteral("Água"), QColor(0, 255, 255)},
    {QStringLiteral("Branco"), QColor(255, 255, 255)},
};

const QString ChaveEsquerda = QStringLiteral("Esquerda");
const QString ChaveTopo = QStringLiteral("Topo");

template <typename T> T* Nomeado(T* Controle, const QString& Nome) {
    Controle->setObjectName(Nome);
    return Controle;
}

QPushButton* Botao(const QString& Nome, const QString& Texto) {
    auto* Novo = Nomeado(new QPushButton(Texto), Nome);
    Novo->setAutoDefault(false);
    return Novo;
}

QLineEdit* EditInteiro(const QString& Nome) {
    auto* Edit = Nomeado(new QLineEdit(QStringLiteral("0")), Nome);
    Edit->setValidator(new QIntValidator(0, 99'999'999, Edit));
    Edit->setMaximumWidth(90);
    return Edit;
}

QCheckBox* Caixa(const QString& Nome, const QString& Texto, bool Marcada) {
    auto* Nova = Nomeado(new QCheckBox(Texto), Nome);
    Nova->setChecked(Marcada);
    return Nova;
}

QLabel* Painel(const QString& Nome) {
    auto* Novo = Nomeado(new QLabel, Nome);
    Novo->setFrameShape(QFrame::Panel);
    Novo->setFrameShadow(QFrame::Raised);
    Novo->setAlignment(Qt::AlignCenter);
    Novo->setStyleSheet(QStringLiteral("font-weight: bold; background: #fff8d0;"));
    return Novo;
}

bool ContaDoFabricante(const QString& Email) {
    const QString Conta = Email.trimmed();
    return Conta.compare(ContaOperadorDeBolao(), Qt::CaseInsensitive) == 0 ||
           Conta.compare(ContaMarketplace(), Qt::CaseInsensitive) == 0;
}

// A calibration value as written in the file; a value without a digit is a damaged line.
std::optional<QString> OffsetDoArquivo(const std::optional<QString>& Valor) {
    if (!Valor || std::none_of(Valor->cbegin(), Valor->cend(), [](QChar C) { return C.isDigit(); }))
        return std::nullopt;
    return TextoNumerico(*Valor);
}

} // namespace

struct TFormCartelim::TControles {
    QLineEdit* EditTituloFechamento;
    TGradeDados* DBGrid3;
    TModeloTabela* ModeloGrade;
    QLabel* IMGFLUT;
    QLabel* PainelQDeJogos;
    QLabel* PainelQdeNumVolante;
    QLineEdit* EditLocalizarJogo;
    QPushButton* BtnLocalizarJogoPagina;
    QLineEdit* Edit_de;
    QLineEdit* Edit_ate;
    QPushButton* BtnSelecionarDeAte;
    QPushButton* BtnSelectAll;
    QPushButton* BtnImprimir;
    TRadioGroup* RDOpcaoImpressaoTelaImpressora;
    QListWidget* ListBoxLocal;
    QLineEdit* EditEsquerda;
    QLineEdit* EditTopo;
    QLabel* LabelMensagem;
    QCheckBox* ChGuiaForcada;
    QCheckBox* CheckImagemVisivel;
    QCheckBox* ChImprimirContornoVolante;
    QCheckBox* ChImprimirNumerosJogos;
    QCheckBox* chImprimirDuploClique;
    QListWidget* ColorListBox1;
    QCheckBox* chImprimirTextoLateral;
    QPushButton* BtnSair;
    QPushButton* BtnVideo;
    TImagemClicavel* ImagemLogo;
    bool JaMostrada = false;
};

TFormCartelim::TFormCartelim(TDM& DM, TDialogos& Dialogos, const TLocalImpressaoIni& LocalIni,
                             const TEscolhasImpressao& Escolhas, QWidget* Parent)
    : QDialog(Parent)
    , FDM(DM)
    , FDialogos(Dialogos)
    , FLocalIni(LocalIni)
    , FEscolhas(Escolhas)
    , FAtrasoProgresso(TFormProgresso::AtrasoPadraoMs)
    , FColorShape(Escolhas.ColorShape)
    , FC(std::make_unique<TControles>()) {
    CriaControles();
    FormCreate();
    // A laptop's screen, less its taskbar and the title bar, is smaller than the window would like.
    AjustaAoEspacoDisponivel(*this, Parent, QSize(1280, 720));
}

TFormCartelim::~TFormCartelim() = default;

QStringList TFormCartelim::ImpressorasOferecidas(const QStringList& Instaladas) {
    QStringList Oferecidas;
    for (const QString& Nome : Instaladas)
        if (!Nome.contains(QStringLiteral("\\\\")))
            Oferecidas.append(Nome);
    return Oferecidas;
}

QColor TFormCartelim::ColorShape() const {
    return FColorShape;
}

void TFormCartelim::SetAbrePrevia(TAbrePrevia AbrePrevia) {
    FAbrePrevia = std::move(AbrePrevia);
}

void TFormCartelim::CriaControles() {
    setObjectName(QStringLiteral("FormCartelim"));
    setWindowTitle(QStringLiteral("Impressão de Jogos"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    TControles& C = *FC;

    C.EditTituloFechamento = Nomeado(new QLineEdit, QStringLiteral("EditTituloFechamento"));
    C.EditTituloFechamento->setReadOnly(true);
    C.DBGrid3 = Nomeado(new TGradeDados, QStringLiteral("DBGrid3"));
    C.DBGrid3->setSelectionMode(QAbstractItemView::ExtendedSelection);
    C.DBGrid3->installEventFilter(this);
    C.ModeloGrade = new TModeloTabela(FDM.CDSImpressao_Temp(), ColunasDaGrade, this);

    C.IMGFLUT = Nomeado(new QLabel, QStringLiteral("IMGFLUT"));
    C.IMGFLUT->setFixedSize(150, 300);
    C.IMGFLUT->setAlignment(Qt::AlignCenter);
    C.IMGFLUT->setFrameShape(QFrame::StyledPanel);
    C.PainelQDeJogos = Painel(QStringLiteral("PainelQDeJogos"));
    C.PainelQdeNumVolante = Painel(QStringLiteral("PainelQdeNumVolante"));

    C.EditLocalizarJogo = EditInteiro(QStringLiteral("EditLocalizarJogo"));
    C.BtnLocalizarJogoPagina = Botao(QStringLiteral("BtnLocalizarJogoPagina"), QStringLiteral("Localizar"));
    C.Edit_de = EditInteiro(QStringLiteral("Edit_de"));
    C.Edit_ate = EditInteiro(QStringLiteral("Edit_ate"));
    C.BtnSelecionarDeAte = Botao(QStringLiteral("BtnSelecionarDeAte"), QStringLiteral("Selecionar"));
    C.BtnSelectAll = Botao(QStringLiteral("BtnSelectAll"), QStringLiteral("Selecionar Todos os Jogos"));
    C.BtnImprimir = Botao(QStringLiteral("BtnImprimir"), QString());
    C.BtnImprimir->setMinimumHeight(96);
    C.BtnImprimir->setStyleSheet(QStringLiteral("font-weight: bold; text-align: left; padding: 6px;"));

    C.RDOpcaoImpressaoTelaImpressora = Nomeado(new TRadioGroup(QStringLiteral("Impressão"), 2),
                                               QStringLiteral("RDOpcaoImpressaoTelaImpressora"));
    C.RDOpcaoImpressaoTelaImpressora->SetItems({QStringLiteral("Tela"), QStringLiteral("Impressora")});
    C.RDOpcaoImpressaoTelaImpressora->SetItemIndex(0);
    C.ListBoxLocal = Nomeado(new QListWidget, QStringLiteral("ListBoxLocal"));
    C.ListBoxLocal->setMaximumHeight(90);

    C.EditEsquerda = Nomeado(new QLineEdit(QStringLiteral("0")), QStringLiteral("EditEsquerda"));
    C.EditTopo = Nomeado(new QLineEdit(QStringLiteral("0")), QStringLiteral("EditTopo"));
    for (QLineEdit* Edit : {C.EditEsquerda, C.EditTopo})
        Edit->setMaximumWidth(90);
    C.LabelMensagem =
        Nomeado(new QLabel(QStringLiteral("A4. Ideal Esquerda/Topo = 0")), QStringLiteral("LabelMensagem"));
    C.LabelMensagem->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    C.ChGuiaForcada = Caixa(QStringLiteral("ChGuiaForcada"),
                            QStringLiteral("Guia Forçada (Novo) - VOL. ORIGINAL NO PAPEL A4 CORTADO ANTES "
                                           "(RECURSO FANTÁSTICO) !"),
                            false);
    C.ChGuiaForcada->setToolTip(
        QStringLiteral("Se marcado vai imprimir as Marcações de Guia do Volante Oficial "
                       "(Não utilizar se for imprimir no Volante Oficial)"));
    C.CheckImagemVisivel =
        Caixa(QStringLiteral("CheckImagemVisivel"),
              QStringLiteral("Imagem Bilhete Visível (Apenas Visual Não Imprimir)"), false);
    C.ChImprimirContornoVolante =
        Caixa(QStringLiteral("ChImprimirContornoVolante"),
              QStringLiteral("Imprimir Contorno do Volante (Teste de Alinhamento)"), false);
    C.ChImprimirContornoVolante->setToolTip(
        QStringLiteral("Imprime em papel comum o contorno do volante em cinza, sob as marcas, e uma régua em "
                       "milímetros no topo e à esquerda de cada volante. Sobreponha a folha a um volante "
                       "oficial contra a luz e leia quanto mover as marcas no Ajuste Fino."));
    C.ChImprimirNumerosJogos =
        Caixa(QStringLiteral("ChImprimirNumerosJogos"), QStringLiteral("Imprimir Números Jogos"), true);
    C.chImprimirDuploClique = Caixa(QStringLiteral("chImprimirDuploClique"),
                                    QStringLiteral("Imprimir com Duplo Clique no Jogo"), true);
    C.ColorListBox1 = Nomeado(new QListWidget, QStringLiteral("ColorListBox1"));
    C.ColorListBox1->setMaximumHeight(90);
    for (const auto& [Nome, Cor] : CoresNomeadas) {
        QPixmap Amostra(14, 14);
        Amostra.fill(Cor);
        auto* Item = new QListWidgetItem(QIcon(Amostra), Nome, C.ColorListBox1);
        Item->setData(Qt::UserRole, Cor);
    }
    C.chImprimirTextoLateral =
        Caixa(QStringLiteral("chImprimirTextoLateral"), QStringLiteral("TextoLateral"), false);
    C.BtnSair = Botao(QStringLiteral("BtnSair"), QStringLiteral("Fechar Tela"));
    C.BtnVideo = Botao(QStringLiteral("BtnVideo"), QStringLiteral("Vídeo"));
    C.ImagemLogo = new TImagemClicavel(QStringLiteral("ImagemLogo"), FiguraDoPortal(),
                                       QStringLiteral("Conheça o Portal Bilheron :)"));

    MontaLayout();
    LigaEventos();
}

void TFormCartelim::MontaLayout() {
    TControles& C = *FC;
    auto* Titulo = new QHBoxLayout;
    Titulo->addWidget(new QLabel(QStringLiteral("Título Fechamento :")));
    Titulo->addWidget(C.EditTituloFechamento, 1);
    auto* Esquerda = new QVBoxLayout;
    Esquerda->addLayout(Titulo);
    Esquerda->addWidget(C.DBGrid3, 1);

    auto* Localizar = new QHBoxLayout;
    Localizar->addWidget(C.EditLocalizarJogo);
    Localizar->addWidget(C.BtnLocalizarJogoPagina);
    Localizar->addStretch();
    auto* Faixa = new QHBoxLayout;
    Faixa->addWidget(new QLabel(QStringLiteral("Selecionar de")));
    Faixa->addWidget(C.Edit_de);
    Faixa->addWidget(new QLabel(QStringLiteral("a")));
    Faixa->addWidget(C.Edit_ate);
    Faixa->addWidget(C.BtnSelecionarDeAte);
    Faixa->addStretch();
    auto* Selecao = new QVBoxLayout;
    Selecao->addWidget(new QLabel(QStringLiteral("Localizar Núm.Jogo (A/B/C)")));
    Selecao->addLayout(Localizar);
    Selecao->addLayout(Faixa);
    Selecao->addWidget(C.BtnSelectAll);
    Selecao->addWidget(C.BtnImprimir);
    Selecao->addWidget(C.RDOpcaoImpressaoTelaImpressora);
    Selecao->addWidget(new QLabel(QStringLiteral("Sua(s) Impressora(s)")));
    Selecao->addWidget(C.ListBoxLocal);
    Selecao->addStretch();

    auto* Miniatura = new QVBoxLayout;
    Miniatura->addWidget(C.PainelQDeJogos);
    Miniatura->addWidget(C.PainelQdeNumVolante);
    Miniatura->addWidget(C.IMGFLUT);
    Miniatura->addWidget(C.ImagemLogo, 0, Qt::AlignHCenter);
    Miniatura->addStretch();
    auto* Topo = new QHBoxLayout;
    Topo->addLayout(Selecao, 1);
    Topo->addLayout(Miniatura);

    auto* Ajuste =
        Nomeado(new QGroupBox(QStringLiteral("Ajuste Fino na Impressão")), QStringLiteral("GrupoAjuste"));
    auto* AjusteLayout = new QGridLayout(Ajuste);
    AjusteLayout->addWidget(new QLabel(QStringLiteral("Esquerda")), 0, 0);
    AjusteLayout->addWidget(C.EditEsquerda, 0, 1);
    AjusteLayout->addWidget(new QLabel(QStringLiteral("Topo")), 0, 2);
    AjusteLayout->addWidget(C.EditTopo, 0, 3);
    AjusteLayout->addWidget(C.LabelMensagem, 1, 0, 1, 4);

    auto* Opcoes = new QVBoxLayout;
    for (QWidget* Controle :
         {static_cast<QWidget*>(C.ChGuiaForcada), static_cast<QWidget*>(C.CheckImagemVisivel),
          static_cast<QWidget*>(C.ChImprimirContornoVolante), static_cast<QWidget*>(C.ChImprimirNumerosJogos),
          static_cast<QWidget*>(C.chImprimirDuploClique), static_cast<QWidget*>(C.ColorListBox1),
          static_cast<QWidget*>(C.chImprimirTextoLateral)})
        Opcoes->addWidget(Controle);

    auto* Botoes = new QHBoxLayout;
    Botoes->addWidget(C.BtnVideo);
    Botoes->addStretch();
    Botoes->addWidget(C.BtnSair);

    auto* Direita = new QVBoxLayout;
    Direita->addLayout(Topo);
    Direita->addWidget(Ajuste);
    Direita->addLayout(Opcoes);
    Direita->addStretch();
    Direita->addLayout(Botoes);

    auto* Layout = new QHBoxLayout(this);
    Layout->addLayout(Esquerda, 3);
    Layout->addLayout(Direita, 2);
}

void TFormCartelim::LigaEventos() {
    TControles& C = *FC;
    connect(C.BtnSelectAll, &QPushButton::clicked, this, &TFormCartelim::SelecionaTodos);
    connect(C.BtnSelecionarDeAte, &QPushButton::clicked, this, &TFormCartelim::SelecionaDeAte);
    connect(C.BtnLocalizarJogoPagina, &QPushButton::clicked, this, &TFormCartelim::LocalizaJogo);
    connect(C.BtnImprimir, &QPushButton::clicked, this, &TFormCartelim::Imprime);
    connect(C.DBGrid3, &QAbstractItemView::doubleClicked, this, [this] {
        AtualizaTextoBotao();
        if (FC->chImprimirDuploClique->isChecked())
            Imprime();
    });
    connect(C.DBGrid3, &QAbstractItemView::clicked, this, &TFormCartelim::AtualizaTextoBotao);
    connect(C.DBGrid3, &TGradeDados::ExclusaoPedida, this, &TFormCartelim::ApagaSelecionados);
    for (QLineEdit* Edit : {C.EditEsquerda, C.EditTopo})
        connect(Edit, &QLineEdit::editingFinished, this, &TFormCartelim::LimpaOffsets);
    connect(C.ChGuiaForcada, &QCheckBox::clicked, this, &TFormCartelim::CarregaOffsets);
    connect(C.BtnSair, &QPushButton::clicked, this, &QDialog::reject);
    connect(C.BtnVideo, &QPushButton::clicked, this,
            [this] { AbreNoNavegador(FDialogos, this, EnderecoDoVideo()); });
    connect(C.ImagemLogo, &TImagemClicavel::Clicado, this,
            [this] { AbreNoNavegador(FDialogos, this, EnderecoDosArtigos()); });
}

void TFormCartelim::FormCreate() {
    TControles& C = *FC;
    C.EditEsquerda->setText(QStringLiteral("0"));
    C.EditTopo->setText(QStringLiteral("0"));
    C.ChGuiaForcada->setEnabled(FEscolhas.VolanteOriginal);

    C.DBGrid3->setModel(C.ModeloGrade);
    connect(C.DBGrid3->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TFormCartelim::AtualizaTextoBotao);
    // Every column as wide as its title and its texts; the last one is not squeezed into what is left.
    C.DBGrid3->horizontalHeader()->setStretchLastSection(false);
    C.DBGrid3->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    C.DBGrid3->MostraLinha(0);

    C.ListBoxLocal->addItems(ImpressorasOferecidas(QPrinterInfo::availablePrinterNames()));
    C.EditTituloFechamento->setText(FEscolhas.TituloFechamento);
    SelecionaTodos();

    const bool Fabricante = ContaDoFabricante(FEscolhas.EmailLogin);
    C.ColorListBox1->setVisible(Fabricante);
    C.chImprimirTextoLateral->setVisible(Fabricante);
    for (int Linha = 0; Linha < C.ColorListBox1->count(); ++Linha)
        if (C.ColorListBox1->item(Linha)->data(Qt::UserRole).value<QColor>() == FEscolhas.ColorShape)
            C.ColorListBox1->setCurrentRow(Linha);

    if (!FEscolhas.ImagemFlutuante.isNull())
        C.IMGFLUT->setPixmap(FEscolhas.ImagemFlutuante.scaled(C.IMGFLUT->size() - QSize(4, 4),
                                                              Qt::KeepAspectRatio, Qt::SmoothTransformation));
    C.PainelQDeJogos->setText(QLocale().toString(FEscolhas.QdeJogos) + QStringLiteral(" JG"));
    C.PainelQdeNumVolante->setText(QLocale().toString(FEscolhas.QdeNumPorVolante) + QStringLiteral(" VL"));
}

void TFormCartelim::showEvent(QShowEvent* Evento) {
    QDialog::showEvent(Evento);
    if (FC->JaMostrada)
        return;
    FC->JaMostrada = true;
    CarregaOffsets();
    FC->LabelMensagem->setVisible(!FEscolhas.VolanteOriginal);
}

bool TFormCartelim::eventFilter(QObject* Objeto, QEvent* Evento) {
    if (Objeto == FC->DBGrid3) {
        if (Evento->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(Evento)->key() == Qt::Key_F9) {
            AlternaColunasIdentificadores();
            return true;
        }
        if (Evento->type() == QEvent::KeyRelease)
            AtualizaTextoBotao();
    }
    return QDialog::eventFilter(Objeto, Evento);
}

QString TFormCartelim::SecaoIni() const {
    return FEscolhas.NomeModalidade + QStringLiteral("_Modelo-") + QString::number(FEscolhas.LayoutIndex) +
           QStringLiteral("_A4-") +
           (FEscolhas.VolanteOriginal ? QStringLiteral("Nao") : QStringLiteral("Sim")) +
           QStringLiteral("_Guia-") +
           (FC->ChGuiaForcada->isChecked() ? QStringLiteral("Sim") : QStringLiteral("Nao"));
}

void TFormCartelim::CarregaOffsets() {
    // A missing or unreadable file, section or key leaves the edits as they are.
    const std::optional<TArquivoIni> Arquivo = TArquivoIni::Le(FLocalIni.CaminhoLeitura());
    if (!Arquivo)
        return;
    const QString Secao = SecaoIni();
    if (const std::optional<QString> Esquerda = OffsetDoArquivo(Arquivo->Valor(Secao, ChaveEsquerda)))
        FC->EditEsquerda->setText(*Esquerda);
    if (const std::optional<QString> Topo = OffsetDoArquivo(Arquivo->Valor(Secao, ChaveTopo)))
        FC->EditTopo->setText(*Topo);
}

void TFormCartelim::SalvaOffsets() {
    // The first save to the configuration folder starts from the calibrations of the file next to the
    // program.
    const QString Leitura = FLocalIni.CaminhoLeitura();
    std::optional<TArquivoIni> Arquivo = TArquivoIni::Le(Leitura);
    QString Erro;
    // A file that exists but cannot be read is not replaced: the other calibrations in it would be lost.
    if (!Arquivo && QFileInfo::exists(Leitura))
        Erro = QStringLiteral("Não foi possível ler \"%1\".").arg(QDir::toNativeSeparators(Leitura));
    else {
        if (!Arquivo)
            Arquivo.emplace();
        const QString Secao = SecaoIni();
        Arquivo->DefineValor(Secao, ChaveEsquerda, FC->EditEsquerda->text());
        Arquivo->DefineValor(Secao, ChaveTopo, FC->EditTopo->text());
        if (Arquivo->Grava(FLocalIni.CaminhoGravacao(), Erro))
            return;
    }
    FDialogos.Mostra(
        this, {TTipoMensagem::Erro, QStringLiteral("O Ajuste Fino na Impressão não foi salvo.\r") + Erro});
}

void TFormCartelim::LimpaOffsets() {
    for (QLineEdit* Edit : {FC->EditEsquerda, FC->EditTopo})
        Edit->setText(TextoNumerico(Edit->text()));
}

QList<int> TFormCartelim::LinhasSelecionadas() const {
    QList<int> Linhas;
    for (const QModelIndex& Indice : FC->DBGrid3->selectionModel()->selectedRows())
        Linhas.append(Indice.row());
    std::sort(Linhas.begin(), Linhas.end());
    return Linhas;
}

void TFormCartelim::AtualizaTextoBotao() {
    const int Selecionados = int(FC->DBGrid3->selectionModel()->selectedRows().size());
    const QLocale Local;
    QString Texto = QStringLiteral("Qde. Volantes Selecionados : ") + Local.toString(Selecionados) +
                    QStringLiteral("\nQde. Núm. por Volante : ") + Local.toString(FEscolhas.QdeNumPorVolante);
    if (FEscolhas.QdeBolao <= 0)
        Texto += QStringLiteral("\nBOLÃO : NÃO");
    else
        Texto += QStringLiteral("\nBOLÃO : ") + Local.toString(FEscolhas.QdeBolao) + QStringLiteral(" COTAS");
    if (Selecionados > 0)
        Texto += QStringLiteral("\nClique Aqui para Imprimir :)");
    FC->BtnImprimir->setText(Texto);
}

void TFormCartelim::SelecionaTodos() {
    FC->DBGrid3->selectAll();
    AtualizaTextoBotao();
}

void TFormCartelim::SelecionaLinhas(const QList<int>& Linhas) {
    QItemSelection Selecao;
    const int UltimaColuna = FC->ModeloGrade->columnCount() - 1;
    for (int Linha : Linhas)
        Selecao.merge(
            QItemSelection(FC->ModeloGrade->index(Linha, 0), FC->ModeloGrade->index(Linha, UltimaColuna)),
            QItemSelectionModel::Select);
    FC->DBGrid3->selectionModel()->select(Selecao, QItemSelectionModel::ClearAndSelect);
    AtualizaTextoBotao();
}

void TFormCartelim::SelecionaDeAte() {
    const int De = FC->Edit_de->text().toInt();
    const int Ate = FC->Edit_ate->text().toInt();
    const TCDSImpressao& Fila = FDM.CDSImpressao_Temp();
    QList<int> Linhas;
    for (int Linha = 0; Linha < Fila.QdeRegistros(); ++Linha) {
        const auto& Ids = Fila.Folha(Linha).IdJogo;
        if (std::any_of(Ids.cbegin(), Ids.cend(), [De, Ate](const std::optional<int>& Id) {
                return Id.value_or(0) != 0 && *Id >= De && *Id <= Ate;
            }))
            Linhas.append(Linha);
    }
    SelecionaLinhas(Linhas);
}

void TFormCartelim::LocalizaJogo() {
    const int Procurado = FC->EditLocalizarJogo->text().toInt();
    const TCDSImpressao& Fila = FDM.CDSImpressao_Temp();
    int Encontrada = -1;
    for (int Linha = 0; Linha < Fila.QdeRegistros() && Encontrada < 0; ++Linha) {
        const auto& Ids = Fila.Folha(Linha).IdJogo;
        // The fourth slot is not searched: the label promises games A, B and C.
        if (std::any_of(Ids.cbegin(), Ids.cbegin() + 3,
                        [Procurado](const std::optional<int>& Id) { return Id == Procurado; }))
            Encontrada = Linha;
    }
    if (Encontrada < 0) {
        FDialogos.Mostra(this, {TTipoMensagem::Erro, QStringLiteral("Número do Jogo Não Encontrado !")});
    } else {
        FC->DBGrid3->MostraLinha(Encontrada);
        AtualizaTextoBotao();
    }
    FC->DBGrid3->setFocus();
}

void TFormCartelim::AlternaColunasIdentificadores() {
    for (int Coluna = PrimeiraColunaAlternada; Coluna < FC->ModeloGrade->columnCount(); ++Coluna)
        FC->DBGrid3->setColumnHidden(Coluna, !FC->DBGrid3->isColumnHidden(Coluna));
}

void TFormCartelim::ApagaSelecionados() {
    const QList<int> Linhas = LinhasSelecionadas();
    if (Linhas.isEmpty())
        return;
    const QString Pergunta = Linhas.size() == 1 ? QStringLiteral("Excluir registro?")
                                                : QStringLiteral("Excluir todos os registros selecionados?");
    if (!FDialogos.Pergunta(this, QStringLiteral("Confirmação"), Pergunta, false))
        return;
    FDM.CDSImpressao_Temp().RemoveFolhas(Linhas);
    AtualizaTextoBotao();
}

TConfiguracaoImpressao TFormCartelim::Configuracao() const {
    const TControles& C = *FC;
    TConfiguracaoImpressao Configuracao;
    Configuracao.NomeModalidade = FEscolhas.NomeModalidade;
    Configuracao.LayoutIndex = FEscolhas.LayoutIndex;
    Configuracao.QdeNumPorVolante = FEscolhas.QdeNumPorVolante;
    Configuracao.QdeJogosPorVolante = FEscolhas.QdeJogosPorVolante;
    Configuracao.QdeSurpresinha = FEscolhas.QdeSurpresinha;
    Configuracao.QdeTeimosinha = FEscolhas.QdeTeimosinha;
    Configuracao.QdeBolao = std::max(0, FEscolhas.QdeBolao);
    Configuracao.IndiceTimeCoracao = FEscolhas.IndiceTimeCoracao;
    Configuracao.ImpressaoVolanteOficial = FEscolhas.VolanteOriginal;
    Configuracao.GuiaForcada = C.ChGuiaForcada->isChecked();
    Configuracao.ImagemVisivel = C.CheckImagemVisivel->isChecked();
    Configuracao.TesteAlinhamento = C.ChImprimirContornoVolante->isChecked();
    Configuracao.ImprimirNumerosJogos = C.ChImprimirNumerosJogos->isChecked();
    Configuracao.ImprimirTextoModalidadeLateral = C.chImprimirTextoLateral->isChecked();
    Configuracao.NomeIdentificacao = FEscolhas.NomeIdentificacao;
    Configuracao.MarcarTrevoMao = FEscolhas.MarcarTrevoMao;
    Configuracao.QdeTrevo = FEscolhas.QdeTrevo;
    Configuracao.AjusteEsquerda = Brasil.toDouble(C.EditEsquerda->text());
    Configuracao.AjusteTopo = Brasil.toDouble(C.EditTopo->text());
    Configuracao.ColorShape = FColorShape;
    return Configuracao;
}

QColor TFormCartelim::CorEscolhida() const {
    const QListWidgetItem* Item = FC->ColorListBox1->currentItem();
    if (FC->ColorListBox1->isHidden() || !Item)
        return Qt::black;
    return Item->data(Qt::UserRole).value<QColor>();
}

void TFormCartelim::Imprime() {
    TControles& C = *FC;
    AtualizaTextoBotao();
    const QList<int> Linhas = LinhasSelecionadas();
    if (Linhas.isEmpty()) {
        FDialogos.Mostra(this,
                         {TTipoMensagem::Aviso,
                          QStringLiteral("Ops... Não temos nada Selecionado para Imprimir. Selecioine pelo "
                                         "menos 1 Jogo/Volante.")});
        C.ListBoxLocal->setFocus();
        return;
    }
    const bool NaImpressora = C.RDOpcaoImpressaoTelaImpressora->ItemIndex() == 1;
    const QListWidgetItem* Impressora = C.ListBoxLocal->currentItem();
    if (NaImpressora && (!Impressora || !Impressora->isSelected())) {
        FDialogos.Mostra(this,
                         {TTipoMensagem::Aviso, QStringLiteral("Atenção. Você deve Selecionar uma Impressora "
                                                               "para Usar Esta Opção.")});
        C.DBGrid3->setFocus();
        return;
    }
    LimpaOffsets();
    FColorShape = CorEscolhida();

    C.BtnImprimir->setEnabled(false);
    FDM.CopiaFolhasParaImpressao(Linhas);
    TMensagens Montagem;
    std::unique_ptr<TExecucaoImpressao> Execucao =
        TExecucaoImpressao::Monta(Configuracao(), FDM.CDSImpressao(), Montagem);
    for (const TMensagem& Mensagem : std::as_const(Montagem))
        FDialogos.Mostra(this, Mensagem);
    const bool Montada = Execucao != nullptr;
    if (Execucao) {
        // Each placement error is shown once per run, however many sheets repeat it; drawing goes on.
        QSet<QString> Mostradas;
        Execucao->SetAoMensagem([this, &Mostradas](const TMensagem& Mensagem) {
            if (!Mostradas.contains(Mensagem.Texto)) {
                Mostradas.insert(Mensagem.Texto);
                FDialogos.Mostra(this, Mensagem);
            }
        });
        const QString Documento = QStringLiteral("Cartelim - ") + FEscolhas.NomeModalidade;
        if (NaImpressora) {
            TFormProgresso Progresso(
                QStringLiteral("Imprimindo na impressora \"%1\"...").arg(Impressora->text()), this,
                FAtrasoProgresso);
            const TResultadoSaida Resultado = ImprimeNaImpressora(Execucao->Relatorio(), Impressora->text(),
                                                                  Documento, Progresso.Progresso());
            Progresso.hide();
            // The alignment test is one sheet of plain paper: once printed, the next print is on slips.
            if (Resultado.Sucesso)
                C.ChImprimirContornoVolante->setChecked(false);
            else if (!Resultado.Cancelada)
                FDialogos.Mostra(this, {TTipoMensagem::Erro, Resultado.Mensagem});
        } else {
            TFormPrevia Previa(Execucao->Relatorio(), FDialogos, Execucao->Form().PermiteExportarPdf(),
                               Documento, this);
            Previa.SetNomeProposto(FEscolhas.TituloFechamento);
            Previa.SetAtrasoProgresso(FAtrasoProgresso);
            // A cancelled preview is not shown; the run ends as any other.
            if (Previa.GeraPaginas()) {
                if (FAbrePrevia)
                    FAbrePrevia(Previa);
                else
                    Previa.exec();
            }
        }
        Execucao.reset();
    }
    FDM.CDSImpressao().EsvaziaEFecha();
    C.BtnImprimir->setEnabled(true);
    // A request the rules refuse is no print run: the calibration is saved only after a run.
    if (Montada)
        SalvaOffsets();
}
