#include "ui/PaginaJogos.h"

#include "catalogue/ULib.h"
#include "store/DataModulo.h"
#include "ui/Dialogos.h"
#include "ui/ExportacaoJogos.h"
#include "ui/Figuras.h"
#include "ui/GradeDados.h"
#include "ui/ImagemClicavel.h"
#include "ui/Mascara.h"
#include "ui/ModeloTabela.h"
#include "ui/ULibJanela.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr auto Centro = Qt::AlignCenter;
constexpr int ColunaDoJogo = 2;
constexpr int ColunaDoBonus = 3;
constexpr int LarguraMinimaDoJogo = 520;
constexpr auto Esquerda = Qt::AlignLeft | Qt::AlignVCenter;

QPushButton* Botao(const QString& Nome, const QString& Texto, QWidget* Pai) {
    auto* Novo = new QPushButton(Texto, Pai);
    Novo->setObjectName(Nome);
    Novo->setEnabled(false);
    Novo->setMinimumSize(260, 32);
    return Novo;
}

QLineEdit* CampoSomenteLeitura(const QString& Nome, QWidget* Pai) {
    auto* Campo = new QLineEdit(Pai);
    Campo->setObjectName(Nome);
    Campo->setReadOnly(true);
    return Campo;
}

TGradeDados* Grade(const QString& Nome, QWidget* Pai) {
    auto* Nova = new TGradeDados(Pai);
    Nova->setObjectName(Nome);
    return Nova;
}

// Column widths in pixels; the column given stretches over what is left.
void LargurasDasColunas(TGradeDados& Grade, const QList<int>& Larguras, int ColunaElastica) {
    QHeaderView& Cabecalho = *Grade.horizontalHeader();
    Cabecalho.setStretchLastSection(false);
    for (int Coluna = 0; Coluna < Larguras.size(); ++Coluna)
        Cabecalho.resizeSection(Coluna, Larguras[Coluna]);
    Cabecalho.setSectionResizeMode(ColunaElastica, QHeaderView::Stretch);
}

} // namespace

TPaginaJogos::TPaginaJogos(TDM& DM, TDialogos& Dialogos, QWidget* Parent)
    : QWidget(Parent)
    , FDM(DM)
    , FDialogos(Dialogos)
    , FDBGrid1(Grade(QStringLiteral("DBGrid1"), this))
    , FDBGrid2(Grade(QStringLiteral("DBGrid2"), this))
    , FDBEdit1(CampoSomenteLeitura(QStringLiteral("DBEdit1"), this))
    , FDBEdit2(CampoSomenteLeitura(QStringLiteral("DBEdit2"), this))
    , FBtnApagarFechamento(
          Botao(QStringLiteral("BtnApagarFechamento"), QStringLiteral("Apagar Fechamento"), this))
    , FBtnTelaImpressao(Botao(QStringLiteral("BtnTelaImpressao"), QStringLiteral("Tela de Impressão"), this))
    , FBtnExportarJogosArquivoTexto(Botao(QStringLiteral("BtnExportarJogosArquivoTexto"),
                                          QStringLiteral("Exportar Jogos em Arquivo Texto"), this))
    , FBtnCopiarJogosAreaTransferencia(Botao(QStringLiteral("BtnCopiarJogosAreaTransferencia"),
                                             QStringLiteral("Copiar jogos em área transferência"), this))
    , FCheckMask(new QCheckBox(QStringLiteral("MASK"), this))
    , FStatusBar2(new QStatusBar(this))
    , FPainelStatus(new QLabel(this))
    , FPainelJogoAtual(new QLabel(this))
    , FAjuda(new TImagemClicavel(QStringLiteral("ref5"), FiguraDaAjuda(), DicaDaAjuda(), this)) {
    setObjectName(QStringLiteral("TabJogo"));
    FCheckMask->setObjectName(QStringLiteral("CheckMask"));
    FCheckMask->setVisible(false);
    FStatusBar2->setObjectName(QStringLiteral("StatusBar2"));
    FStatusBar2->setSizeGripEnabled(false);
    FStatusBar2->addWidget(FPainelStatus, 1);
    // The current game whole, however wide: the grid's column may be narrower than its numbers.
    FPainelJogoAtual->setObjectName(QStringLiteral("PainelJogoAtual"));
    FPainelJogoAtual->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FStatusBar2->addPermanentWidget(FPainelJogoAtual);
    FDBEdit2->setMaximumWidth(70);
    FDBEdit2->setAlignment(Qt::AlignCenter);

    auto* Campos = new QHBoxLayout;
    Campos->setContentsMargins(0, 4, 0, 4);
    Campos->addWidget(new QLabel(QStringLiteral("Qde Números :"), this));
    Campos->addWidget(FDBEdit2);
    Campos->addSpacing(12);
    Campos->addWidget(new QLabel(QStringLiteral("Números do Fechamento :"), this));
    Campos->addWidget(FDBEdit1, 1);

    auto* Jogos = new QWidget(this);
    auto* LayoutJogos = new QVBoxLayout(Jogos);
    LayoutJogos->setContentsMargins(0, 0, 0, 0);
    LayoutJogos->addLayout(Campos);
    LayoutJogos->addWidget(FDBGrid2, 1);

    auto* Divisao = new QSplitter(Qt::Vertical, this);
    Divisao->setChildrenCollapsible(false);
    Divisao->addWidget(FDBGrid1);
    Divisao->addWidget(Jogos);
    Divisao->setStretchFactor(0, 2);
    Divisao->setStretchFactor(1, 3);

    auto* Comandos = new QVBoxLayout;
    Comandos->addWidget(FAjuda, 0, Qt::AlignRight);
    for (QWidget* Comando :
         {static_cast<QWidget*>(FBtnApagarFechamento), static_cast<QWidget*>(FBtnTelaImpressao),
          static_cast<QWidget*>(FBtnExportarJogosArquivoTexto),
          static_cast<QWidget*>(FBtnCopiarJogosAreaTransferencia)})
        Comandos->addWidget(Comando);
    Comandos->addSpacing(8);
    Comandos->addWidget(FCheckMask);
    Comandos->addStretch();

    auto* Corpo = new QHBoxLayout;
    Corpo->addWidget(Divisao, 1);
    Corpo->addLayout(Comandos, 0);

    auto* Pagina = new QVBoxLayout(this);
    Pagina->setContentsMargins(10, 10, 10, 0);
    Pagina->addLayout(Corpo, 1);
    Pagina->addWidget(FStatusBar2);

    connect(&FDM, &TDM::FechamentoAtualAlterado, this, &TPaginaJogos::FechamentoAtualAlterado);
    connect(&FDM, &TDM::FechamentoAtualProcessado, this, &TPaginaJogos::FechamentoAtualProcessado);
    connect(FDBGrid1, &TGradeDados::LinhaEscolhida, &FDM, &TDM::MoveParaFechamento);
    connect(FDBGrid1, &TGradeDados::ExclusaoPedida, this, &TPaginaJogos::ExcluiFechamentoDaGrade);
    connect(FDBGrid2, &TGradeDados::ExclusaoPedida, this, &TPaginaJogos::ExcluiJogoDaGrade);
    connect(FBtnApagarFechamento, &QPushButton::clicked, this, &TPaginaJogos::BtnApagarFechamentoClick);
    connect(FBtnTelaImpressao, &QPushButton::clicked, this, &TPaginaJogos::TelaImpressaoPedida);
    connect(FBtnExportarJogosArquivoTexto, &QPushButton::clicked, this,
            &TPaginaJogos::BtnExportarJogosArquivoTextoClick);
    connect(FBtnCopiarJogosAreaTransferencia, &QPushButton::clicked, this,
            &TPaginaJogos::BtnCopiarJogosAreaTransferenciaClick);
    connect(FCheckMask, &QCheckBox::toggled, this, &TPaginaJogos::CheckMaskClick);
}

void TPaginaJogos::LigaGrades() {
    if (FDSMaster)
        return;
    FDSMaster = new TModeloTabela(FDM.CDSMaster(),
                                  {{TCDSMaster::CampoDoPortalVip, Centro},
                                   {TCDSMaster::CampoID, Centro},
                                   {TCDSMaster::CampoModalidade, Esquerda},
                                   {TCDSMaster::CampoTitulo, Esquerda},
                                   {TCDSMaster::CampoQdeJogos, Centro, true},
                                   {TCDSMaster::CampoQdeNumPorJogo, Centro, true}},
                                  this);
    FDSMaster->setObjectName(QStringLiteral("DSMaster"));
    FDSDetalhe = new TModeloTabela(FDM.CDSDetalhe(),
                                   {{TCDSDetalhe::CampoIDMaster, Esquerda},
                                    {TCDSDetalhe::CampoIDJogo, Esquerda},
                                    {TCDSDetalhe::CampoJogo, Esquerda, false, true},
                                    {TCDSDetalhe::CampoNumBonus, Centro}},
                                   this);
    FDSDetalhe->setObjectName(QStringLiteral("DSDetalhe"));
    FDBGrid1->setModel(FDSMaster);
    FDBGrid2->setModel(FDSDetalhe);
    LargurasDasColunas(*FDBGrid1, {70, 60, 130, 300, 90, 80}, TCDSMaster::CampoTitulo);
    LargurasDasColunas(*FDBGrid2, {80, 70, LarguraMinimaDoJogo, 100}, ColunaDoBonus);
    // The games column widens to games longer than it shows (Lotomania's fifty numbers), so the
    // scroll bar reaches the end of them; the bonus column takes what is left.
    FDBGrid2->horizontalHeader()->setSectionResizeMode(ColunaDoJogo, QHeaderView::Interactive);
    connect(FDSDetalhe, &QAbstractItemModel::modelReset, this, &TPaginaJogos::AlargaColunaDoJogo);
    connect(FDSDetalhe, &QAbstractItemModel::rowsInserted, this, &TPaginaJogos::AlargaColunaDoJogo);
    connect(FDSDetalhe, &QAbstractItemModel::dataChanged, this, &TPaginaJogos::MostraJogoAtual);
    connect(FDBGrid2->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TPaginaJogos::MostraJogoAtual);
    FDBGrid1->MostraLinha(FDM.IndiceFechamentoAtual());
    CheckMaskClick();
    AlargaColunaDoJogo();
}

void TPaginaJogos::AlargaColunaDoJogo() {
    // Measured on the rows in view: every game of a closing has as many numbers as the first.
    const QAbstractItemView& Grade = *FDBGrid2;
    FDBGrid2->horizontalHeader()->resizeSection(
        ColunaDoJogo, std::max(LarguraMinimaDoJogo, Grade.sizeHintForColumn(ColunaDoJogo)));
    MostraJogoAtual();
}

void TPaginaJogos::MostraJogoAtual() {
    const QModelIndex Atual = FDBGrid2->currentIndex();
    if (!FDSDetalhe || !Atual.isValid()) {
        FPainelJogoAtual->clear();
        return;
    }
    const auto Texto = [this, &Atual](int Campo) {
        return FDSDetalhe->index(Atual.row(), FDSDetalhe->ColunaDoCampo(Campo)).data().toString();
    };
    FPainelJogoAtual->setText(
        QStringLiteral("Jogo %1 : %2").arg(Texto(TCDSDetalhe::CampoIDJogo), Texto(TCDSDetalhe::CampoJogo)));
}

void TPaginaJogos::MostraBarrasDasGrades() {
    MostraBarrasDaGrade(*FDBGrid1);
    MostraBarrasDaGrade(*FDBGrid2);
}

void TPaginaJogos::FocaFechamentos() {
    FDBGrid1->setFocus();
}

void TPaginaJogos::OfereceMascara(bool Oferece) {
    if (!Oferece)
        FCheckMask->setChecked(false);
    FCheckMask->setVisible(Oferece);
}

void TPaginaJogos::FechamentoAtualAlterado(int Indice) {
    if (FDSMaster)
        FDBGrid1->MostraLinha(Indice);
    MostraCamposDoFechamento();
}

void TPaginaJogos::FechamentoAtualProcessado(const QString& TextoStatus, bool BotoesHabilitados) {
    FPainelStatus->setText(TextoStatus);
    for (QPushButton* Botao : {FBtnApagarFechamento, FBtnTelaImpressao, FBtnExportarJogosArquivoTexto,
                               FBtnCopiarJogosAreaTransferencia})
        Botao->setEnabled(BotoesHabilitados);
}

void TPaginaJogos::MostraCamposDoFechamento() {
    const int Atual = FDM.IndiceFechamentoAtual();
    if (Atual < 0 || Atual >= FDM.QdeFechamentos()) {
        FDBEdit1->clear();
        FDBEdit2->clear();
        return;
    }
    const TRegistroMaster& Fechamento = FDM.Fechamento(Atual);
    FDBEdit2->setText(QLocale().toString(Fechamento.QdeTotalNumFechamento));
    FDBEdit1->setText(FCheckMask->isChecked()
                          ? AplicaMascara(Fechamento.NumerosDoFechamento, MascaraDosNumerosDoFechamento)
                          : Fechamento.NumerosDoFechamento);
    FDBEdit1->setCursorPosition(0);
}

void TPaginaJogos::BtnApagarFechamentoClick() {
    if (!FDialogos.Pergunta(window(), QStringLiteral("Apagar Fechamento"),
                            QStringLiteral("Confirma Apagar Este Fechamento do Programa ?"), true))
        return;
    FDM.DeletaFechamentoAtual();
    FDBGrid1->setFocus();
}

void TPaginaJogos::ExcluiFechamentoDaGrade() {
    if (FDialogos.Pergunta(window(), QStringLiteral("Confirmação"), QStringLiteral("Excluir registro?"),
                           true))
        FDM.DeletaFechamentoAtual();
}

void TPaginaJogos::ExcluiJogoDaGrade(int Linha) {
    if (FDialogos.Pergunta(window(), QStringLiteral("Confirmação"), QStringLiteral("Excluir registro?"),
                           true))
        FDM.DeletaJogo(Linha);
}

void TPaginaJogos::BtnExportarJogosArquivoTextoClick() {
    const QString Nome = NomeDeArquivo(TituloDoFechamentoAtual(FDM));
    const QString Caminho = FDialogos.ArquivoParaSalvar(
        window(), {TTipoArquivo::Exportacao, QStringLiteral("Informe o Nome do Arquivo a Salvar"),
                   QStringLiteral("Arquivo de texto (*.txt)"), QStringLiteral("txt"),
                   (Nome.isEmpty() ? QStringLiteral("jogos") : Nome) + QStringLiteral(".txt")});
    if (Caminho.isEmpty())
        return;
    if (const auto Falha = GravaArquivoTexto(Caminho, TextoDosJogos(FDM)))
        FDialogos.Mostra(window(), {TTipoMensagem::Erro, *Falha});
}

void TPaginaJogos::BtnCopiarJogosAreaTransferenciaClick() {
    QGuiApplication::clipboard()->setText(TextoDosJogosComTitulo(FDM));
}

void TPaginaJogos::CheckMaskClick() {
    if (FDSDetalhe)
        FDSDetalhe->SetMascaraDoCampo(TCDSDetalhe::CampoJogo,
                                      FCheckMask->isChecked() ? MascaraDoJogo.toString() : QString());
    MostraCamposDoFechamento();
}
