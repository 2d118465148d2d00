#include "ui/PaginaImpressao.h"

#include "assets/volantes/ImagensVolantes.h"
#include "catalogue/TimesCoracao.h"
#include "catalogue/ULib.h"
#include "printing/ExecucaoImpressao.h"
#include "store/DataModulo.h"
#include "ui/Dialogos.h"
#include "ui/Enderecos.h"
#include "ui/Figuras.h"
#include "ui/FormCartelim.h"
#include "ui/ImagemClicavel.h"
#include "ui/PainelArrastavel.h"
#include "ui/RadioGroup.h"
#include "ui/ULibJanela.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int TamanhoMaximoIdentificacao = 30;
constexpr int QdeTrevos = 6;
const QSize TamanhoDaAreaDaMiniatura(260, 300);

QLineEdit* CampoSomenteLeitura(const QString& Nome, QWidget* Pai) {
    auto* Campo = new QLineEdit(Pai);
    Campo->setObjectName(Nome);
    Campo->setReadOnly(true);
    Campo->setFocusPolicy(Qt::ClickFocus);
    return Campo;
}

QCheckBox* CaixaDeMarcar(const QString& Nome, const QString& Texto, bool Marcada, QWidget* Pai) {
    auto* Caixa = new QCheckBox(Texto, Pai);
    Caixa->setObjectName(Nome);
    Caixa->setChecked(Marcada);
    return Caixa;
}

TRadioGroup* GrupoDeOpcoes(const QString& Nome, const QString& Titulo, int Colunas, QWidget* Pai) {
    auto* Grupo = new TRadioGroup(Titulo, Colunas, Pai);
    Grupo->setObjectName(Nome);
    return Grupo;
}

QGroupBox* Moldura(const QString& Nome, const QString& Titulo, QWidget* Pai) {
    auto* Grupo = new QGroupBox(Titulo, Pai);
    Grupo->setObjectName(Nome);
    return Grupo;
}

// A picture that stays visible when the slip thumbnails are hidden.
QLabel* Figura(const QString& Nome, const QPixmap& Imagem, QWidget* Pai) {
    auto* Nova = new QLabel(Pai);
    Nova->setObjectName(Nome);
    Nova->setPixmap(Imagem);
    Nova->setProperty("Tag", TImagemClicavel::TagSempreVisivel);
    return Nova;
}

// The status pictures beside the closing's fields: a green tick while the games view follows the
// current closing, a red cross otherwise.
QPixmap FiguraDeSituacao(bool Ok) {
    constexpr int Lado = 22;
    QPixmap Imagem(Lado, Lado);
    Imagem.fill(Qt::transparent);
    QPainter Pintor(&Imagem);
    Pintor.setRenderHint(QPainter::Antialiasing);
    Pintor.setPen(Qt::NoPen);
    Pintor.setBrush(Ok ? QColor(0x2e, 0x9e, 0x44) : QColor(0xd0, 0x33, 0x2b));
    Pintor.drawEllipse(1, 1, Lado - 2, Lado - 2);
    Pintor.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (Ok) {
        Pintor.drawPolyline(QPolygonF({{6.0, 11.5}, {9.5, 15.0}, {16.0, 7.5}}));
    } else {
        Pintor.drawLine(QPointF(7, 7), QPointF(15, 15));
        Pintor.drawLine(QPointF(15, 7), QPointF(7, 15));
    }
    return Imagem;
}

QStringList ComoTexto(const QList<int>& Valores) {
    QStringList Textos;
    for (int Valor : Valores)
        Textos.append(QString::number(Valor));
    return Textos;
}

// Replaces the group's items by the values and selects the first.
void PreencheGrupo(TRadioGroup& Grupo, const QList<int>& Valores) {
    Grupo.SetItems(ComoTexto(Valores));
    Grupo.SetItemIndex(0);
}

// What the page tells while no closing has been stored yet.
QString TextoSemFechamento() {
    return QStringLiteral("Nenhum fechamento carregado ainda.\nImporte seus jogos na aba \"Importar Jogos\" "
                          "ou baixe-os do portal para preparar a impressão.");
}

bool MesmaConta(const QString& Email, const QString& Conta) {
    return Email.compare(Conta, Qt::CaseInsensitive) == 0;
}

} // namespace

TPaginaImpressao::TPaginaImpressao(TDM& DM, TDialogos& Dialogos, TEmailDoLogin EmailDoLogin, QWidget* Parent)
    : QWidget(Parent)
    , FDM(DM)
    , FDialogos(Dialogos)
    , FEmailDoLogin(std::move(EmailDoLogin))
    , FEditTituloFechamento(CampoSomenteLeitura(QStringLiteral("EditTituloFechamento"), this))
    , FEditModalidade(CampoSomenteLeitura(QStringLiteral("EditModalidade"), this))
    , FEditQdeNumPorVolante(CampoSomenteLeitura(QStringLiteral("EditQdeNumPorVolante"), this))
    , FDBEdit3(CampoSomenteLeitura(QStringLiteral("DBEdit3"), this))
    , FImagemOkMaster(Figura(QStringLiteral("ImagemOkMaster"), FiguraDeSituacao(true), this))
    , FImagemError(Figura(QStringLiteral("ImagemError"), FiguraDeSituacao(false), this))
    , FAjuda(new TImagemClicavel(QStringLiteral("ref6"), FiguraDaAjuda(), DicaDaAjuda(), this))
    , FRadioModeloImpressao(
          GrupoDeOpcoes(QStringLiteral("RadioModeloImpressao"), QStringLiteral("Modelo"), 1, this))
    , FRadioQdeJogosPorVolante(GrupoDeOpcoes(QStringLiteral("RadioQdeJogosPorVolante"),
                                             QStringLiteral("Jogos Por Volante"), 3, this))
    , FRadioSurpresinha(
          GrupoDeOpcoes(QStringLiteral("RadioSurpresinha"), QStringLiteral("Surpresinha"), 3, this))
    , FRadioTeimosinha(
          GrupoDeOpcoes(QStringLiteral("RadioTeimosinha"), QStringLiteral("Teimosinha"), 4, this))
    , FComboBolao(new QComboBox(this))
    , FChVolanteOriginal(
          CaixaDeMarcar(QStringLiteral("ChVolanteOriginal"), QStringLiteral("Volante Original"), false, this))
    , FChDivisao10(CaixaDeMarcar(QStringLiteral("ChDivisao10"), QStringLiteral("Divisão para Bolão Base"),
                                 false, this))
    , FComboDivisor(new QComboBox(this))
    , FEditIdentificacao(new QLineEdit(this))
    , FChAutoIdentificar(
          CaixaDeMarcar(QStringLiteral("ChAutoIdentificar"), QStringLiteral("Auto"), true, this))
    , FPainelConfiguracoesExtra(
          Moldura(QStringLiteral("PainelConfiguracoesExtra"), QStringLiteral("Configurações Extras"), this))
    , FPainelDiaDeSorte(Moldura(QStringLiteral("PainelDiaDeSorte"), QStringLiteral("   Dia de Sorte"), this))
    , FRadioDiaDeSorteMes(GrupoDeOpcoes(QStringLiteral("RadioDiaDeSorteMes"), QStringLiteral("Mês"), 3, this))
    , FChAvancaMes(
          CaixaDeMarcar(QStringLiteral("ChAvancaMes"), QStringLiteral("Distribuir Meses"), true, this))
    , FPainelLotomania(Moldura(QStringLiteral("PainelLotomania"), QStringLiteral("   LOTOMANIA"), this))
    , FChApostaEspelho(
          CaixaDeMarcar(QStringLiteral("ChApostaEspelho"), QStringLiteral("Aposta Espelho"), false, this))
    , FPainelTimemania(
          Moldura(QStringLiteral("PainelTimemania"), QStringLiteral("  TIMEMANIA (Time Coração)"), this))
    , FListBox_TimeCoracao(new QListWidget(this))
    , FChAvancaTime(
          CaixaDeMarcar(QStringLiteral("ChAvancaTime"), QStringLiteral("Distribuir Times"), true, this))
    , FPainelMaisMilionaria(
          Moldura(QStringLiteral("PainelMaisMilionaria"), QStringLiteral("MAIS MILIONÁRIA"), this))
    , FLabelQdeTrevos(new QLabel(this))
    , FchMarcarTrevoMao(CaixaDeMarcar(QStringLiteral("chMarcarTrevoMao"),
                                      QStringLiteral("Vou marcar trevos na caneta"), false, this))
    , FImagemFlutuante(Figura(QStringLiteral("ImagemFlutuante"), QPixmap(), this))
    , FPainelQDeJogos(new TPainelArrastavel(QStringLiteral("PainelQDeJogos"), this))
    , FPainelQdeNumVolante(new TPainelArrastavel(QStringLiteral("PainelQdeNumVolante"), this))
    , FMiniaturas(new QWidget(this))
    , FLabelSemExtras(new QLabel(QStringLiteral("Nenhuma opção extra para esta modalidade."), this))
    , FCorpo(new QWidget(this))
    , FLabelSemFechamento(new QLabel(this))
    , FBtnImprimirJogosAgora(new QPushButton(QStringLiteral("Cartelim - Preparar para Imprimir"), this)) {
    setObjectName(QStringLiteral("TabImpressao"));
    for (int Indice = 0; Indice < QdeTrevos; ++Indice)
        FChTrevo[std::size_t(Indice)] = CaixaDeMarcar(QStringLiteral("ChTrevo%1").arg(Indice + 1),
                                                      QString::number(Indice + 1), false, this);

    FAbreGerenciador = [this](const TEscolhasImpressao& Escolhas) {
        TFormCartelim Gerenciador(FDM, FDialogos, TLocalImpressaoIni::DoPrograma(), Escolhas, window());
        Gerenciador.exec();
        FColorShape = Gerenciador.ColorShape();
    };

    FCorpo->setObjectName(QStringLiteral("CorpoImpressao"));
    auto* Corpo = new QHBoxLayout(FCorpo);
    Corpo->setContentsMargins(0, 0, 0, 0);
    Corpo->setSpacing(12);
    Corpo->addWidget(CriaEscolhas(), 0);
    Corpo->addWidget(CriaOpcoes(), 0);
    Corpo->addWidget(CriaConfiguracoesExtra(), 1);
    Corpo->addWidget(CriaAreaDaMiniatura(), 0);

    auto* Pagina = new QVBoxLayout(this);
    Pagina->setContentsMargins(10, 10, 10, 10);
    Pagina->setSpacing(10);
    Pagina->addWidget(CriaCabecalho());
    Pagina->addWidget(FCorpo, 1);

    CriaMiniaturas();
    Conecta();
    ChTrevo1Click();
    MostraSemFechamento();
}

void TPaginaImpressao::SetAbreGerenciador(TAbreGerenciador AbreGerenciador) {
    FAbreGerenciador = std::move(AbreGerenciador);
}

QWidget* TPaginaImpressao::CriaCabecalho() {
    auto* Cabecalho = Moldura(QStringLiteral("GrupoFechamento"), QStringLiteral("Fechamento"), this);
    FEditModalidade->setMinimumWidth(150);
    FEditQdeNumPorVolante->setFixedWidth(56);
    FEditQdeNumPorVolante->setAlignment(Qt::AlignCenter);

    // The two status pictures share one place; only one of them is shown.
    auto* Situacao = new QGridLayout;
    Situacao->setContentsMargins(0, 0, 0, 0);
    Situacao->addWidget(FImagemOkMaster, 0, 0, Qt::AlignCenter);
    Situacao->addWidget(FImagemError, 0, 0, Qt::AlignCenter);

    auto* Grade = new QGridLayout(Cabecalho);
    Grade->setContentsMargins(10, 6, 10, 8);
    Grade->setHorizontalSpacing(8);
    Grade->addWidget(new QLabel(QStringLiteral("Título Fechamento :"), Cabecalho), 0, 0);
    Grade->addWidget(FEditTituloFechamento, 0, 1);
    Grade->addWidget(new QLabel(QStringLiteral("Modalidade :"), Cabecalho), 0, 2);
    Grade->addWidget(FEditModalidade, 0, 3);
    Grade->addWidget(new QLabel(QStringLiteral("Núm.Por Volante :"), Cabecalho), 0, 4);
    Grade->addWidget(FEditQdeNumPorVolante, 0, 5);
    Grade->addLayout(Situacao, 0, 6);
    Grade->addWidget(FAjuda, 0, 7, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    Grade->addWidget(new QLabel(QStringLiteral("Números do Fechamento :"), Cabecalho), 1, 0);
    Grade->addWidget(FDBEdit3, 1, 1, 1, 6);
    Grade->setColumnStretch(1, 1);
    // The place of the status pictures stays while neither is shown.
    Grade->setColumnMinimumWidth(6, FImagemOkMaster->sizeHint().width());
    return Cabecalho;
}

QWidget* TPaginaImpressao::CriaEscolhas() {
    auto* Coluna = new QWidget(this);
    Coluna->setObjectName(QStringLiteral("ColunaEscolhas"));
    Coluna->setFixedWidth(270);
    auto* Layout = new QVBoxLayout(Coluna);
    Layout->setContentsMargins(0, 0, 0, 0);
    for (TRadioGroup* Grupo :
         {FRadioModeloImpressao, FRadioQdeJogosPorVolante, FRadioSurpresinha, FRadioTeimosinha}) {
        Grupo->setParent(Coluna);
        Grupo->setMinimumHeight(52);
        Layout->addWidget(Grupo);
    }
    Layout->addStretch();
    return Coluna;
}

QWidget* TPaginaImpressao::CriaOpcoes() {
    auto* Coluna = new QWidget(this);
    Coluna->setObjectName(QStringLiteral("ColunaOpcoes"));
    Coluna->setFixedWidth(260);

    FComboBolao->setObjectName(QStringLiteral("ComboBolao"));
    auto* Bolao = Moldura(QStringLiteral("FrameBolao"), QStringLiteral("Bolão (Qde de Cotas)"), Coluna);
    auto* LayoutBolao = new QHBoxLayout(Bolao);
    FComboBolao->setParent(Bolao);
    FComboBolao->setMinimumWidth(90);
    FComboBolao->setMaxVisibleItems(20);
    LayoutBolao->addWidget(FComboBolao);
    LayoutBolao->addStretch();

    FComboDivisor->setObjectName(QStringLiteral("ComboDivisor"));
    FComboDivisor->addItems({QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                             QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("10"),
                             QStringLiteral("11"), QStringLiteral("13"), QStringLiteral("14")});
    FComboDivisor->setCurrentText(QStringLiteral("10"));

    auto* Papel = Moldura(QStringLiteral("GrupoPapel"), QStringLiteral("Papel e Divisão"), Coluna);
    auto* LayoutPapel = new QGridLayout(Papel);
    LayoutPapel->addWidget(FChVolanteOriginal, 0, 0, 1, 2);
    LayoutPapel->addWidget(FChDivisao10, 1, 0);
    LayoutPapel->addWidget(FComboDivisor, 1, 1);
    LayoutPapel->setColumnStretch(0, 1);
    for (QWidget* Controle : {static_cast<QWidget*>(FChVolanteOriginal), static_cast<QWidget*>(FChDivisao10),
                              static_cast<QWidget*>(FComboDivisor)})
        Controle->setParent(Papel);

    FEditIdentificacao->setObjectName(QStringLiteral("EditIdentificacao"));
    FEditIdentificacao->setMaxLength(TamanhoMaximoIdentificacao);
    FChAutoIdentificar->setVisible(false);
    auto* Identificacao =
        Moldura(QStringLiteral("GrupoIdentificacao"), QStringLiteral("Identificação nos Volantes"), Coluna);
    auto* LayoutIdentificacao = new QHBoxLayout(Identificacao);
    FEditIdentificacao->setParent(Identificacao);
    FChAutoIdentificar->setParent(Identificacao);
    LayoutIdentificacao->addWidget(FEditIdentificacao, 1);
    LayoutIdentificacao->addWidget(FChAutoIdentificar);

    auto* Layout = new QVBoxLayout(Coluna);
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->addWidget(Bolao);
    Layout->addWidget(Papel);
    Layout->addWidget(Identificacao);
    Layout->addStretch();
    return Coluna;
}

QWidget* TPaginaImpressao::CriaConfiguracoesExtra() {
    FRadioDiaDeSorteMes->setParent(FPainelDiaDeSorte);
    QStringList Meses;
    for (int Mes = 1; Mes <= 12; ++Mes)
        Meses.append(QString::number(Mes));
    FRadioDiaDeSorteMes->SetItems(Meses);
    FRadioDiaDeSorteMes->SetItemIndex(0);
    auto* LayoutDiaDeSorte = new QVBoxLayout(FPainelDiaDeSorte);
    LayoutDiaDeSorte->addWidget(FRadioDiaDeSorteMes);
    FChAvancaMes->setParent(FPainelDiaDeSorte);
    LayoutDiaDeSorte->addWidget(FChAvancaMes);

    auto* LayoutLotomania = new QVBoxLayout(FPainelLotomania);
    FChApostaEspelho->setParent(FPainelLotomania);
    LayoutLotomania->addWidget(FChApostaEspelho);

    FListBox_TimeCoracao->setObjectName(QStringLiteral("ListBox_TimeCoracao"));
    FListBox_TimeCoracao->setParent(FPainelTimemania);
    FListBox_TimeCoracao->addItems(ListaTimesCoracao());
    FListBox_TimeCoracao->setSelectionMode(QAbstractItemView::SingleSelection);
    FListBox_TimeCoracao->setMinimumHeight(240);
    auto* LayoutTimemania = new QVBoxLayout(FPainelTimemania);
    LayoutTimemania->addWidget(FListBox_TimeCoracao, 1);
    FChAvancaTime->setParent(FPainelTimemania);
    LayoutTimemania->addWidget(FChAvancaTime);

    FLabelQdeTrevos->setObjectName(QStringLiteral("LabelQdeTrevos"));
    auto* Fixos = new QLabel(QStringLiteral("Os Trevos Serão Fixos"), FPainelMaisMilionaria);
    Fixos->setObjectName(QStringLiteral("LabelTrevosFixos"));
    auto* Trevos = new QGridLayout;
    for (int Indice = 0; Indice < QdeTrevos; ++Indice) {
        FChTrevo[std::size_t(Indice)]->setParent(FPainelMaisMilionaria);
        Trevos->addWidget(FChTrevo[std::size_t(Indice)], Indice / 3, Indice % 3);
    }
    auto* LayoutMaisMilionaria = new QVBoxLayout(FPainelMaisMilionaria);
    LayoutMaisMilionaria->addLayout(Trevos);
    FLabelQdeTrevos->setParent(FPainelMaisMilionaria);
    LayoutMaisMilionaria->addWidget(FLabelQdeTrevos);
    LayoutMaisMilionaria->addWidget(Fixos);
    FchMarcarTrevoMao->setParent(FPainelMaisMilionaria);
    LayoutMaisMilionaria->addWidget(FchMarcarTrevoMao);

    auto* Layout = new QVBoxLayout(FPainelConfiguracoesExtra);
    for (QGroupBox* Painel : {FPainelDiaDeSorte, FPainelLotomania, FPainelTimemania, FPainelMaisMilionaria}) {
        Painel->setParent(FPainelConfiguracoesExtra);
        Painel->setVisible(false);
        Layout->addWidget(Painel);
    }
    Layout->addStretch();
    FLabelSemExtras->setObjectName(QStringLiteral("LabelSemExtras"));
    FLabelSemExtras->setParent(FPainelConfiguracoesExtra);
    FLabelSemExtras->setStyleSheet(QStringLiteral("QLabel { color: #707070; }"));
    Layout->insertWidget(0, FLabelSemExtras);

    // The frame is as tall as the panel it shows.
    auto* Coluna = new QWidget(this);
    Coluna->setObjectName(QStringLiteral("ColunaExtras"));
    Coluna->setMinimumWidth(250);
    auto* LayoutColuna = new QVBoxLayout(Coluna);
    LayoutColuna->setContentsMargins(0, 0, 0, 0);
    FPainelConfiguracoesExtra->setParent(Coluna);
    FPainelConfiguracoesExtra->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    LayoutColuna->addWidget(FPainelConfiguracoesExtra);
    LayoutColuna->addStretch();
    return Coluna;
}

QWidget* TPaginaImpressao::CriaAreaDaMiniatura() {
    auto* Coluna = new QWidget(this);
    Coluna->setObjectName(QStringLiteral("ColunaImprimir"));

    // The summary panels float over the thumbnail area, where the user may drag them.
    auto* Area = new QFrame(Coluna);
    Area->setObjectName(QStringLiteral("AreaMiniatura"));
    Area->setFrameShape(QFrame::StyledPanel);
    Area->setFixedSize(TamanhoDaAreaDaMiniatura);
    Area->setStyleSheet(QStringLiteral("QFrame#AreaMiniatura { background: #f4f6f8; }"));
    FImagemFlutuante->setParent(Area);
    FImagemFlutuante->setAlignment(Qt::AlignCenter);
    FImagemFlutuante->setGeometry(10, 8, TamanhoDaAreaDaMiniatura.width() - 20, 236);
    const int TopoDosPaineis = TamanhoDaAreaDaMiniatura.height() - 44;
    FPainelQDeJogos->setParent(Area);
    FPainelQDeJogos->setGeometry(8, TopoDosPaineis, 112, 30);
    FPainelQdeNumVolante->setParent(Area);
    FPainelQdeNumVolante->setGeometry(TamanhoDaAreaDaMiniatura.width() - 8 - 122, TopoDosPaineis, 122, 30);
    for (TPainelArrastavel* Painel : {FPainelQDeJogos, FPainelQdeNumVolante}) {
        QFont Fonte = Painel->font();
        Fonte.setBold(true);
        Painel->setFont(Fonte);
    }

    FLabelSemFechamento->setObjectName(QStringLiteral("LabelSemFechamento"));
    FLabelSemFechamento->setText(TextoSemFechamento());
    FLabelSemFechamento->setWordWrap(true);
    FLabelSemFechamento->setAlignment(Qt::AlignCenter);
    FLabelSemFechamento->setStyleSheet(QStringLiteral("QLabel { color: #8a5a00; }"));
    FLabelSemFechamento->setParent(Coluna);

    FBtnImprimirJogosAgora->setObjectName(QStringLiteral("BtnImprimirJogosAgora"));
    FBtnImprimirJogosAgora->setParent(Coluna);
    FBtnImprimirJogosAgora->setMinimumHeight(54);
    QFont Fonte = FBtnImprimirJogosAgora->font();
    Fonte.setBold(true);
    FBtnImprimirJogosAgora->setFont(Fonte);

    auto* Layout = new QVBoxLayout(Coluna);
    Layout->setContentsMargins(0, 6, 0, 0);
    Layout->addWidget(Area, 0, Qt::AlignHCenter);
    Layout->addSpacing(6);
    Layout->addWidget(FBtnImprimirJogosAgora);
    Layout->addWidget(FLabelSemFechamento);
    Layout->addStretch();
    Coluna->setFixedWidth(TamanhoDaAreaDaMiniatura.width() + 10);
    return Coluna;
}

void TPaginaImpressao::CriaMiniaturas() {
    // One hidden picture per thumbnail built into the program, named after its file; the chosen
    // model's picture is copied from here into ImagemFlutuante.
    FMiniaturas->setObjectName(QStringLiteral("MiniaturasVolantes"));
    FMiniaturas->setVisible(false);
    // The folder is the one every thumbnail path lies in; its files are listed, since resource
    // names are case-sensitive and the models' thumbnail names are matched without regard to case.
    const QDir Pasta(QFileInfo(CaminhoMiniaturaVolante(QStringLiteral("_"))).path());
    for (const QFileInfo& Arquivo : Pasta.entryInfoList(QDir::Files, QDir::Name)) {
        auto* Miniatura = new QLabel(FMiniaturas);
        Miniatura->setObjectName(Arquivo.completeBaseName());
        Miniatura->setPixmap(QPixmap(Arquivo.filePath()));
        Miniatura->setProperty("Tag", 0);
        Miniatura->setVisible(false);
    }
}

void TPaginaImpressao::Conecta() {
    const auto EsvaziaFila = [this] {
        FDM.EsvaziaFilaImpressao();
    };
    connect(FRadioModeloImpressao, &TRadioGroup::Click, this, &TPaginaImpressao::RadioModeloImpressaoClick);
    connect(FRadioQdeJogosPorVolante, &TRadioGroup::Click, this, EsvaziaFila);
    connect(FRadioDiaDeSorteMes, &TRadioGroup::Click, this, EsvaziaFila);
    connect(FListBox_TimeCoracao, &QListWidget::itemSelectionChanged, this, EsvaziaFila);
    for (QCheckBox* Trevo : FChTrevo)
        connect(Trevo, &QCheckBox::toggled, this, &TPaginaImpressao::ChTrevo1Click);
    connect(FChAutoIdentificar, &QCheckBox::toggled, this, &TPaginaImpressao::ChAutoIdentificarClick);
    connect(FBtnImprimirJogosAgora, &QPushButton::clicked, this,
            &TPaginaImpressao::BtnImprimirJogosAgoraClick);
}

void TPaginaImpressao::showEvent(QShowEvent* Evento) {
    QWidget::showEvent(Evento);
    CarregaFechamento();
}

void TPaginaImpressao::CarregaFechamento() {
    const int Atual = FDM.IndiceFechamentoAtual();
    if (Atual < 0 || Atual >= FDM.QdeFechamentos()) {
        MostraSemFechamento();
        return;
    }
    const bool Acoplado = FDM.FiltroMasterAtivo();
    FImagemOkMaster->setVisible(Acoplado);
    FImagemError->setVisible(!Acoplado);
    FCorpo->setEnabled(true);
    const TRegistroMaster& Fechamento = FDM.Fechamento(Atual);
    FEditTituloFechamento->setText(Fechamento.Titulo);
    FEditModalidade->setText(Fechamento.Modalidade);
    FEditQdeNumPorVolante->setText(QString::number(Fechamento.QdeNumPorJogo));
    FDBEdit3->setText(Fechamento.NumerosDoFechamento);
    for (QLineEdit* Campo : {FEditTituloFechamento, FDBEdit3})
        Campo->setCursorPosition(0);
    FPainelQdeNumVolante->setText(QLocale().toString(Fechamento.QdeNumPorJogo) +
                                  QStringLiteral(" Núm. Volante"));
    FPainelQDeJogos->setText(QLocale().toString(Fechamento.QdeJogos) + QStringLiteral(" Jogos"));
    FLabelSemFechamento->setVisible(false);
    FBtnImprimirJogosAgora->setEnabled(true);
    FBtnImprimirJogosAgora->setToolTip(QString());
    ChAutoIdentificarClick();

    const TTipoModalidade Tipo = IdentificaModalidade(Fechamento.Modalidade);
    const bool SempreReconstroi = Tipo == TTipoModalidade::DuplaSena || Tipo == TTipoModalidade::Lotofacil;
    if (Fechamento.Modalidade != FOldModalidade || Fechamento.QdeNumPorJogo != FOldQdeNumPorVolante ||
        SempreReconstroi)
        Reconstroi(Fechamento.Modalidade, Fechamento.QdeNumPorJogo);
}

void TPaginaImpressao::MostraSemFechamento() {
    // Nothing to print yet: empty fields and choices, the button off with the way to get games. The
    // next closing shown rebuilds the choices whatever its game.
    FOldModalidade = QStringLiteral("*");
    FOldQdeNumPorVolante = -1;
    for (QLineEdit* Campo : {FEditTituloFechamento, FEditModalidade, FDBEdit3, FEditIdentificacao})
        Campo->clear();
    FEditQdeNumPorVolante->setText(QStringLiteral("0"));
    FPainelQDeJogos->setText(QStringLiteral("0 Jogos"));
    FPainelQdeNumVolante->setText(QStringLiteral("0 Núm. Volante"));
    for (TRadioGroup* Grupo :
         {FRadioModeloImpressao, FRadioQdeJogosPorVolante, FRadioSurpresinha, FRadioTeimosinha}) {
        const QSignalBlocker Bloqueio(Grupo);
        Grupo->SetItems({});
    }
    FComboBolao->clear();
    MostraPainelDaModalidade(TTipoModalidade::Indefinida, 0);
    EscondeMiniaturas();
    FImagemFlutuante->clear();
    FImagemOkMaster->setVisible(false);
    FImagemError->setVisible(false);
    FLabelSemExtras->setVisible(false);
    FCorpo->setEnabled(false);
    FLabelSemFechamento->setVisible(true);
    FBtnImprimirJogosAgora->setEnabled(false);
    FBtnImprimirJogosAgora->setToolTip(TextoSemFechamento());
}

void TPaginaImpressao::Reconstroi(const QString& Modalidade, int QdeNumPorVolante) {
    FOldModalidade = Modalidade;
    FOldQdeNumPorVolante = QdeNumPorVolante;
    {
        const QSignalBlocker Bloqueio(FRadioModeloImpressao);
        FRadioModeloImpressao->SetItems({});
    }
    FComboBolao->clear();
    FRadioQdeJogosPorVolante->SetItems({});

    const std::unique_ptr<TModalidade> Regras = CriaModalidade(Modalidade);
    if (!Regras)
        return;
    Regras->SetLayoutIndex(0);
    Regras->SetParameters(QdeNumPorVolante);
    {
        // The model processing runs once, below, and not again from the selection.
        const QSignalBlocker Bloqueio(FRadioModeloImpressao);
        FRadioModeloImpressao->SetItems(Regras->Layout());
        FRadioModeloImpressao->SetItemIndex(Regras->TipoModalidade() == TTipoModalidade::MaisMilionaria ? 1
                                                                                                        : 0);
    }
    QStringList Cotas{QStringLiteral("0")};
    for (int Cota = 2; Cota <= Regras->QdeBolaoMax(); ++Cota)
        Cotas.append(QString::number(Cota));
    FComboBolao->addItems(Cotas);
    FComboBolao->setCurrentIndex(0);
    RadioModeloImpressaoClick();
    MostraPainelDaModalidade(Regras->TipoModalidade(), FRadioModeloImpressao->ItemIndex());
}

void TPaginaImpressao::RadioModeloImpressaoClick() {
    FDM.EsvaziaFilaImpressao();
    EscondeMiniaturas();
    const std::unique_ptr<TModalidade> Regras = CriaModalidade(FEditModalidade->text());
    if (!Regras)
        return;
    const int Modelo = std::max(0, FRadioModeloImpressao->ItemIndex());
    Regras->SetLayoutIndex(Modelo);
    Regras->SetParameters(QdeNumPorVolante());
    PreencheGrupo(*FRadioQdeJogosPorVolante, Regras->QdeJogosPorVolante());
    PreencheGrupo(*FRadioSurpresinha, Regras->Surpresinha());
    PreencheGrupo(*FRadioTeimosinha, Regras->Teimosinha());
    FRadioQdeJogosPorVolante->SetItemIndex(int(FRadioQdeJogosPorVolante->Items().size()) - 1);

    FImagemFlutuante->clear();
    if (QLabel* Figura = Miniatura(Regras->ImagemMiniatura().value(Modelo))) {
        Figura->setVisible(true);
        FImagemFlutuante->setPixmap(Figura->pixmap());
    }
    if (Regras->TipoModalidade() == TTipoModalidade::DiaDeSorte) {
        FPainelDiaDeSorte->setVisible(Modelo == 0);
        AtualizaAvisoSemExtras();
    }
}

void TPaginaImpressao::MostraPainelDaModalidade(TTipoModalidade Tipo, int Modelo) {
    FPainelDiaDeSorte->setVisible(Tipo == TTipoModalidade::DiaDeSorte && Modelo == 0);
    FPainelLotomania->setVisible(Tipo == TTipoModalidade::Lotomania);
    FPainelTimemania->setVisible(Tipo == TTipoModalidade::Timemania);
    FPainelMaisMilionaria->setVisible(Tipo == TTipoModalidade::MaisMilionaria);
    AtualizaAvisoSemExtras();
}

void TPaginaImpressao::AtualizaAvisoSemExtras() {
    const bool Algum = std::any_of(FPainelConfiguracoesExtra->children().begin(),
                                   FPainelConfiguracoesExtra->children().end(), [](const QObject* Filho) {
                                       const auto* Painel = qobject_cast<const QGroupBox*>(Filho);
                                       return Painel && !Painel->isHidden();
                                   });
    FLabelSemExtras->setVisible(!Algum);
}

void TPaginaImpressao::EscondeMiniaturas() {
    // Every picture of the window but those tagged to stay (help, logo, status, the chosen thumbnail).
    for (QLabel* Figura : window()->findChildren<QLabel*>()) {
        const QVariant Tag = Figura->property("Tag");
        if (Tag.isValid() && Tag.toInt() != TImagemClicavel::TagSempreVisivel)
            Figura->setVisible(false);
    }
}

QLabel* TPaginaImpressao::Miniatura(const QString& Nome) const {
    if (Nome.isEmpty())
        return nullptr;
    const QList<QLabel*> Miniaturas = FMiniaturas->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    const auto Encontrada = std::find_if(Miniaturas.begin(), Miniaturas.end(), [&Nome](const QLabel* Figura) {
        return Figura->objectName().compare(Nome, Qt::CaseInsensitive) == 0;
    });
    return Encontrada == Miniaturas.end() ? nullptr : *Encontrada;
}

int TPaginaImpressao::QdeNumPorVolante() const {
    return FEditQdeNumPorVolante->text().toInt();
}

int TPaginaImpressao::IndiceDoTime() const {
    const QList<QListWidgetItem*> Escolhidos = FListBox_TimeCoracao->selectedItems();
    return Escolhidos.isEmpty() ? -1 : FListBox_TimeCoracao->row(Escolhidos.first());
}

QList<int> TPaginaImpressao::TrevosMarcados() const {
    QList<int> Trevos;
    for (int Indice = 0; Indice < QdeTrevos; ++Indice) {
        if (FChTrevo[std::size_t(Indice)]->isChecked())
            Trevos.append(Indice + 1);
    }
    return Trevos;
}

void TPaginaImpressao::ChTrevo1Click() {
    const QList<int> Trevos = TrevosMarcados();
    QString Texto = QStringLiteral("Qde Trevos : ") + QString::number(Trevos.size());
    if (!Trevos.isEmpty())
        Texto += QStringLiteral(" (") + ComoTexto(Trevos).join(u' ') + u')';
    FLabelQdeTrevos->setText(Texto);
}

void TPaginaImpressao::ChAutoIdentificarClick() {
    if (FChAutoIdentificar->isChecked())
        FEditIdentificacao->setText(FEditTituloFechamento->text().trimmed());
}

void TPaginaImpressao::DesmarcaTrevos() {
    for (QCheckBox* Trevo : FChTrevo)
        Trevo->setChecked(false);
    ChTrevo1Click();
}

void TPaginaImpressao::SorteiaTimeEMes(QRandomGenerator& Sorteio) {
    FListBox_TimeCoracao->setCurrentRow(int(Sorteio.bounded(FListBox_TimeCoracao->count())));
    FRadioDiaDeSorteMes->SetItemIndex(int(Sorteio.bounded(12)));
}

void TPaginaImpressao::MarcaTrevosDoTexto(const QList<int>& Trevos) {
    if (IdentificaModalidade(FEditModalidade->text()) != TTipoModalidade::MaisMilionaria)
        return;
    if (Trevos.size() > 1)
        Avisa(TTipoMensagem::Informacao, QStringLiteral("Trevos Carregados From TXT"));
    for (int Trevo : Trevos) {
        if (Trevo >= 1 && Trevo <= QdeTrevos)
            FChTrevo[std::size_t(Trevo - 1)]->setChecked(true);
    }
}

std::unique_ptr<TModalidade> TPaginaImpressao::SetModalidade() {
    std::unique_ptr<TModalidade> Regras = CriaModalidade(FEditModalidade->text());
    if (!Regras)
        return Regras;
    const int Modelo = std::max(0, FRadioModeloImpressao->ItemIndex());
    Regras->SetLayoutIndex(Modelo);
    Regras->SetParameters(QdeNumPorVolante());
    Regras->ValidaImpressao(QdeNumPorVolante(), TextoDoCombo(*FComboBolao).toInt(),
                            ValorDoRadio(*FRadioTeimosinha), IndiceDoTime(), Modelo);
    for (const TMensagem& Mensagem : Regras->MensagensValidacao())
        FDialogos.Mostra(window(), Mensagem);
    return Regras;
}

void TPaginaImpressao::BtnImprimirJogosAgoraClick() {
    if (FDM.IDFechamentoAtual() == 0)
        return;
    const QString Email = FEmailDoLogin ? FEmailDoLogin() : QString();
    const bool Marketplace = MesmaConta(Email, ContaMarketplace());
    if ((Marketplace || MesmaConta(Email, ContaOperadorDeBolao())) && FComboBolao->currentIndex() == 0)
        Avisa(TTipoMensagem::Informacao, QStringLiteral("Cota = 0 => Verificar..."));

    std::unique_ptr<TModalidade> Regras = SetModalidade();
    if (!Regras || !Regras->LiberadoImprimir())
        return;

    const QList<int> Trevos = TrevosMarcados();
    const bool MaisMilionaria = Regras->TipoModalidade() == TTipoModalidade::MaisMilionaria;
    if (MaisMilionaria) {
        if (Trevos.size() < 2) {
            Avisa(TTipoMensagem::Erro,
                  QStringLiteral("Você deve escolher pelo menos 2 trevos para validar a impressão"));
            return;
        }
        if (FchMarcarTrevoMao->isChecked())
            Avisa(TTipoMensagem::Erro,
                  QStringLiteral("Tenha em mente que você marcou para que não seja impresso o trevo na "
                                 "impressão do volante, logo você vai precisar marcar na caneta."));
    }

    FDM.AtivaFiltro_MASTER(true);
    if (!JogosSaoDoFechamentoAtual())
        return;
    if (!FDM.FiltroMasterAtivo()) {
        Avisa(TTipoMensagem::Erro, QStringLiteral("ESSA MENSAGEM NÃO DEVERIA TER APARECIDO. FAVOR ENTRAR EM "
                                                  "CONTATO COM O Orlandim pelo WHATSAPP") +
                                       u' ' + ContatoDoSuporte());
        return;
    }

    const int Time = IndiceDoTime() + 1;
    const TMensagens Recusa = FDM.PopulaCDSImpressao(
        ValorDoRadio(*FRadioQdeJogosPorVolante), VolantesPorPagina(*Regras),
        FChDivisao10->isChecked() ? TextoDoCombo(*FComboDivisor).toInt() : 0,
        ValorDoRadio(*FRadioDiaDeSorteMes), FChAvancaMes->isChecked(), Time, FChAvancaTime->isChecked(),
        FChApostaEspelho->isChecked(), MaisMilionaria ? ComoTexto(Trevos).join(u' ') : QString(),
        Regras->TipoModalidade(), Marketplace);
    for (const TMensagem& Mensagem : Recusa)
        FDialogos.Mostra(window(), Mensagem);
    if (!Recusa.isEmpty())
        return;

    FIDFechamentoPreparado = FDM.IDFechamentoAtual();
    FTrevosPreparados = MaisMilionaria ? Trevos : QList<int>();
    const TEscolhasImpressao Escolhidas = Escolhas(*Regras);
    Regras.reset();
    if (FAbreGerenciador)
        FAbreGerenciador(Escolhidas);
}

int TPaginaImpressao::VolantesPorPagina(const TModalidade& Regras) const {
    // The page numbers of the queue are those the chosen page format prints.
    TConfiguracaoImpressao Formato;
    Formato.NomeModalidade = FEditModalidade->text();
    Formato.LayoutIndex = Regras.LayoutIndex();
    Formato.ImpressaoVolanteOficial = FChVolanteOriginal->isChecked();
    return TExecucaoImpressao::VolantesPorPagina(Formato);
}

TExtrasApostas TPaginaImpressao::ExtrasDasApostas() const {
    TExtrasApostas Extras;
    Extras.Mes = ValorDoRadio(*FRadioDiaDeSorteMes);
    Extras.AvancaMes = FChAvancaMes->isChecked();
    Extras.Time = IndiceDoTime() + 1;
    Extras.AvancaTime = FChAvancaTime->isChecked();
    const bool Marketplace = MesmaConta(FEmailDoLogin ? FEmailDoLogin() : QString(), ContaMarketplace());
    Extras.GrupoDosContadores =
        Marketplace && FChDivisao10->isChecked() ? TextoDoCombo(*FComboDivisor).toInt() : 0;
    Extras.ApostaEspelho = FChApostaEspelho->isChecked();
    return Extras;
}

QList<int> TPaginaImpressao::TrevosPreparados(int IDFechamento) const {
    return IDFechamento != 0 && IDFechamento == FIDFechamentoPreparado ? FTrevosPreparados : QList<int>();
}

bool TPaginaImpressao::JogosSaoDoFechamentoAtual() {
    const int ID = FDM.IDFechamentoAtual();
    const TCDSDetalhe& Jogos = FDM.CDSDetalhe();
    for (int Linha = 0; Linha < Jogos.QdeRegistros(); ++Linha) {
        if (Jogos.Valor(Linha, TCDSDetalhe::CampoIDMaster).toInt() != ID) {
            Avisa(TTipoMensagem::Erro,
                  QStringLiteral("ID do Master Está Diferente de Algum Jogo do ID Detalhe"));
            Avisa(TTipoMensagem::Erro,
                  QStringLiteral("ERROR ID : ESSA MENSAGEM NÃO DEVERIA TER APARECIDO. FAVOR "
                                 "ENTRAR EM CONTATO COM O Orlandim pelo WHATSAPP") +
                      u' ' + ContatoDoSuporte());
            return false;
        }
    }
    return true;
}

TEscolhasImpressao TPaginaImpressao::Escolhas(const TModalidade& Regras) const {
    TEscolhasImpressao Escolhidas;
    Escolhidas.TituloFechamento = FEditTituloFechamento->text();
    Escolhidas.NomeModalidade = FEditModalidade->text();
    Escolhidas.LayoutIndex = Regras.LayoutIndex();
    Escolhidas.NomeLayout = FRadioModeloImpressao->TextoSelecionado();
    Escolhidas.QdeNumPorVolante = QdeNumPorVolante();
    const int Atual = FDM.IndiceFechamentoAtual();
    Escolhidas.QdeJogos = Atual >= 0 && Atual < FDM.QdeFechamentos() ? FDM.Fechamento(Atual).QdeJogos : 0;
    Escolhidas.QdeJogosPorVolante = ValorDoRadio(*FRadioQdeJogosPorVolante);
    Escolhidas.QdeSurpresinha = ValorDoRadio(*FRadioSurpresinha);
    Escolhidas.QdeTeimosinha = ValorDoRadio(*FRadioTeimosinha);
    Escolhidas.QdeBolao = TextoDoCombo(*FComboBolao).toInt();
    Escolhidas.IndiceTimeCoracao = IndiceDoTime();
    Escolhidas.VolanteOriginal = FChVolanteOriginal->isChecked();
    Escolhidas.NomeIdentificacao = FEditIdentificacao->text();
    Escolhidas.QdeTrevo = int(TrevosMarcados().size());
    Escolhidas.MarcarTrevoMao = FchMarcarTrevoMao->isChecked();
    Escolhidas.ImagemFlutuante = FImagemFlutuante->pixmap();
    Escolhidas.ColorShape = FColorShape;
    Escolhidas.EmailLogin = FEmailDoLogin ? FEmailDoLogin() : QString();
    return Escolhidas;
}

void TPaginaImpressao::Avisa(TTipoMensagem Tipo, const QString& Texto) {
    FDialogos.Mostra(window(), {Tipo, Texto});
}
