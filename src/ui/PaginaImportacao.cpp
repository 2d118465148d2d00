#include "ui/PaginaImportacao.h"

#include "catalogue/ULib.h"
#include "entry/ArquivoTexto.h"
#include "entry/ImportaFechamento.h"
#include "store/DataModulo.h"
#include "ui/AreaJogos.h"
#include "ui/Dialogos.h"
#include "ui/Figuras.h"
#include "ui/ImagemClicavel.h"
#include "ui/RadioGroup.h"
#include "ui/ULibJanela.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

constexpr int TamanhoMaximoTitulo = 50;
// The bar repaints at most this often, so that a million lines are not slowed down by painting.
constexpr qint64 IntervaloDePinturaMs = 40;

QPushButton* Botao(const QString& Nome, const QString& Texto, QWidget* Pai) {
    auto* Novo = new QPushButton(Texto, Pai);
    Novo->setObjectName(Nome);
    Novo->setMinimumSize(140, 30);
    return Novo;
}

} // namespace

TPaginaImportacao::TPaginaImportacao(TDM& DM, TDialogos& Dialogos, QWidget* Parent)
    : QWidget(Parent)
    , FDM(DM)
    , FDialogos(Dialogos)
    , FRadioModalidade(new TRadioGroup(QStringLiteral("Modalidade"), 4, this))
    , FEditNomeDoFechamento(new QLineEdit(this))
    , FComboQdeNumPorVolante(new QComboBox(this))
    , FBtnImportar(Botao(QStringLiteral("BtnImportar"), QStringLiteral("Abrir Fechamento"), this))
    , FBtnLimparMemo(Botao(QStringLiteral("BtnLimparMemo"), QStringLiteral("Limpar Área"), this))
    , FBtnCopiarMemoria(Botao(QStringLiteral("BtnCopiarMemoria"), QStringLiteral("Copiar da Memória"), this))
    , FMemo(new TAreaJogos(this))
    , FChOrdemCrescente(new QCheckBox(QStringLiteral("Colocar Jogos em Ordem ao Importar"), this))
    , FBtnValidar(
          Botao(QStringLiteral("BtnValidarJogosFechamento"), QStringLiteral("Validar Jogos Agora"), this))
    , FProgressBar(new QProgressBar(this))
    , FAjuda(new TImagemClicavel(QStringLiteral("ref4"), FiguraDaAjuda(), DicaDaAjuda(), this)) {
    setObjectName(QStringLiteral("TabSheet4"));
    FRadioModalidade->setObjectName(QStringLiteral("RadioImportar_Modalidade"));
    FEditNomeDoFechamento->setObjectName(QStringLiteral("EditNomeDoFechamento"));
    FEditNomeDoFechamento->setMaxLength(TamanhoMaximoTitulo);
    FComboQdeNumPorVolante->setObjectName(QStringLiteral("ComboImporta_QdeNumPorVolante"));
    FComboQdeNumPorVolante->setMinimumWidth(90);
    FMemo->setObjectName(QStringLiteral("MemoJogosImportar"));
    FMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    FMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FMemo->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 10));
    FChOrdemCrescente->setObjectName(QStringLiteral("chImportarOrdemCrescente"));
    FBtnValidar->setMinimumHeight(40);
    QFont Negrito = FBtnValidar->font();
    Negrito.setBold(true);
    FBtnValidar->setFont(Negrito);
    FProgressBar->setObjectName(QStringLiteral("ProgressBar1"));
    FProgressBar->setVisible(false);
    // The window is disabled during a run; the bar keeps its colours so the user sees it move.
    QPalette Cores = FProgressBar->palette();
    for (const auto Papel : {QPalette::Highlight, QPalette::Base, QPalette::Window, QPalette::Text})
        Cores.setColor(QPalette::Disabled, Papel, Cores.color(QPalette::Active, Papel));
    FProgressBar->setPalette(Cores);

    auto* Label4 = new QLabel(
        QStringLiteral(" Linhas Que Começarem com essas 2 Barras \"//\" Serão Ignoradas Automaticamente"),
        this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setStyleSheet(QStringLiteral("QLabel { color: #d00000; font-weight: bold; }"));

    auto* QuadroQdeNum = new QGroupBox(QStringLiteral("Qde Num Volante"), this);
    auto* LayoutQdeNum = new QVBoxLayout(QuadroQdeNum);
    LayoutQdeNum->addWidget(FComboQdeNumPorVolante);
    LayoutQdeNum->addStretch();

    auto* RotuloNome = new QLabel(QStringLiteral("Nome do Fechamento (Não Obrigatório)"), this);
    RotuloNome->setBuddy(FEditNomeDoFechamento);
    auto* Nome = new QVBoxLayout;
    Nome->addStretch();
    Nome->addWidget(RotuloNome);
    Nome->addWidget(FEditNomeDoFechamento);
    Nome->addStretch();

    auto* Escolhas = new QHBoxLayout;
    Escolhas->addWidget(FRadioModalidade, 3);
    Escolhas->addWidget(QuadroQdeNum, 0);
    Escolhas->addLayout(Nome, 2);
    Escolhas->addWidget(FAjuda, 0, Qt::AlignTop);

    auto* Area = new QHBoxLayout;
    Area->addWidget(FBtnImportar);
    Area->addWidget(FBtnLimparMemo);
    Area->addWidget(FBtnCopiarMemoria);
    Area->addSpacing(16);
    Area->addWidget(FChOrdemCrescente);
    Area->addStretch();

    auto* Pagina = new QVBoxLayout(this);
    Pagina->setContentsMargins(10, 10, 10, 10);
    Pagina->addLayout(Escolhas);
    Pagina->addLayout(Area);
    Pagina->addWidget(Label4);
    Pagina->addWidget(FMemo, 1);
    Pagina->addWidget(FProgressBar);
    Pagina->addWidget(FBtnValidar);

    connect(FRadioModalidade, &TRadioGroup::Click, this, &TPaginaImportacao::RadioImportar_ModalidadeClick);
    connect(FComboQdeNumPorVolante, &QComboBox::currentIndexChanged, this,
            &TPaginaImportacao::AtualizaCaptionDoBotao);
    connect(FBtnImportar, &QPushButton::clicked, this, &TPaginaImportacao::BtnImportarClick);
    connect(FBtnLimparMemo, &QPushButton::clicked, FMemo, &QPlainTextEdit::clear);
    connect(FBtnCopiarMemoria, &QPushButton::clicked, this, &TPaginaImportacao::BtnCopiarMemoriaClick);
    connect(FMemo, &TAreaJogos::ColagemRecusada, this, [this](const QString& Mensagem) {
        FDialogos.Mostra(window(), {TTipoMensagem::Aviso, Mensagem});
    });
    connect(FBtnValidar, &QPushButton::clicked, this, &TPaginaImportacao::BtnValidarJogosFechamentoClick);
}

void TPaginaImportacao::Inicializa() {
    PreencheRadioModalidades(*FRadioModalidade);
    FRadioModalidade->SetItemIndex(0);
}

void TPaginaImportacao::RadioImportar_ModalidadeClick() {
    const QSignalBlocker Quieto(FComboQdeNumPorVolante);
    FComboQdeNumPorVolante->clear();
    if (const auto Regras = CriaModalidade(FRadioModalidade->TextoSelecionado())) {
        // The numbers per game only choose the pool quota ceiling, which this list does not use.
        Regras->SetLayoutIndex(0);
        Regras->SetParameters(0);
        for (const int Qde : Regras->QdeNumPorVolante())
            FComboQdeNumPorVolante->addItem(QString::number(Qde));
    }
    FComboQdeNumPorVolante->setCurrentIndex(FComboQdeNumPorVolante->count() > 0 ? 0 : -1);
    AtualizaCaptionDoBotao();
}

void TPaginaImportacao::AtualizaCaptionDoBotao() {
    FBtnValidar->setText(QStringLiteral("Validar Agora Jogos ") + FRadioModalidade->TextoSelecionado() +
                         QStringLiteral(" com ") + TextoDoCombo(*FComboQdeNumPorVolante) +
                         QStringLiteral(" Números por Volante"));
}

void TPaginaImportacao::BtnImportarClick() {
    const QString Caminho = FDialogos.ArquivoParaAbrir(
        window(), {TTipoArquivo::Jogos,
                   QStringLiteral("Selecione o Arquivo e Clique em Abrir"),
                   QStringLiteral("Arquivos de texto (*.txt *.csv);;Todos os arquivos (*)"),
                   QStringLiteral("txt"),
                   {}});
    if (!Caminho.isEmpty())
        AbreArquivo(Caminho);
}

void TPaginaImportacao::AbreArquivo(const QString& Caminho) {
    const TArquivoTexto Arquivo = LeArquivoTexto(Caminho);
    if (!Arquivo.Lido) {
        FDialogos.Mostra(window(), {TTipoMensagem::Aviso, Arquivo.Erro});
        return;
    }
    FMemo->setPlainText(Arquivo.Texto);
}

void TPaginaImportacao::BtnCopiarMemoriaClick() {
    FMemo->Cola(NormalizaQuebrasDeLinha(QGuiApplication::clipboard()->text()));
}

void TPaginaImportacao::BtnValidarJogosFechamentoClick() {
    TPedidoImportacao Pedido;
    Pedido.NomeModalidade = FRadioModalidade->TextoSelecionado();
    Pedido.QdeNumPorVolante = TextoDoCombo(*FComboQdeNumPorVolante).toInt();
    Pedido.Titulo = FEditNomeDoFechamento->text();
    Pedido.OrdemCrescente = FChOrdemCrescente->isChecked();

    QWidget* const Janela = window();
    const auto PerguntaDuplicado = [this, Janela](const QString& Titulo, const QString& Texto) {
        return FDialogos.Pergunta(Janela, Titulo, Texto, false) ? TRespostaDuplicado::Sim
                                                                : TRespostaDuplicado::Nao;
    };
    const auto Progresso = [this](qsizetype Posicao, qsizetype Maximo) {
        MostraProgresso(Posicao, Maximo);
    };

    TResultadoImportacao Resultado;
    {
        FImportando = true;
        Janela->setEnabled(false);
        const auto Libera = qScopeGuard([&] {
            Janela->setEnabled(true);
            FProgressBar->setVisible(false);
            FImportando = false;
        });
        const QString Texto = FMemo->toPlainText();
        TImportaFechamento Importacao(FDM, PerguntaDuplicado, Progresso);
        Resultado = Importacao.Importa(Texto, Pedido);
    }
    if (Resultado.TrevosFromTXT)
        FTrevosFromTXT = *Resultado.TrevosFromTXT;
    for (const TMensagem& Mensagem : std::as_const(Resultado.Mensagens))
        FDialogos.Mostra(Janela, Mensagem);
    // The message names the game as normalised, not as typed: the line is shown where it stands.
    if (Resultado.LinhaRejeitada)
        SelecionaLinha(*Resultado.LinhaRejeitada);
    if (Resultado.FechamentoGravado)
        Q_EMIT FechamentoImportado();
}

void TPaginaImportacao::SelecionaLinha(qsizetype Linha) {
    const QTextBlock Bloco = FMemo->document()->findBlockByNumber(int(Linha));
    if (!Bloco.isValid())
        return;
    QTextCursor Cursor(Bloco);
    Cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    FMemo->setTextCursor(Cursor);
    FMemo->centerCursor();
    FMemo->setFocus();
}

void TPaginaImportacao::MostraProgresso(qsizetype Posicao, qsizetype Maximo) {
    const bool Inicio = Posicao == 0;
    if (Inicio) {
        FProgressBar->setRange(0, int(std::min<qsizetype>(Maximo, std::numeric_limits<int>::max())));
        FProgressBar->setVisible(true);
    }
    FProgressBar->setValue(int(std::min<qsizetype>(Posicao, FProgressBar->maximum())));
    if (Inicio || Posicao == Maximo || FDesdeAUltimaPintura.hasExpired(IntervaloDePinturaMs)) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        FDesdeAUltimaPintura.start();
    }
}
