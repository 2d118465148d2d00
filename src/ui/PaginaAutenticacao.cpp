#include "ui/PaginaAutenticacao.h"

#include "entry/ValidaJogo.h"
#include "portal/GravaJogosBaixados.h"
#include "portal/PedidoLogin.h"
#include "store/DataModulo.h"
#include "ui/Dialogos.h"
#include "ui/Enderecos.h"
#include "ui/Figuras.h"
#include "ui/FormAguarde.h"
#include "ui/ImagemClicavel.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

constexpr int TamanhoMaximoCredencial = 50;
// Asterisks, as the password fields of the program have always shown.
const auto EstiloSenha = QStringLiteral("lineedit-password-character: 42;");

struct TParagrafo {
    QString Texto;
    bool Destaque = false;
};

// The welcome text: the greeting, the three kinds of output, the slip models and a few tips.
QList<TParagrafo> TextoDeBoasVindas() {
    QList<TParagrafo> Texto = {
        {QStringLiteral("Seja bem-vindo ao Cartelim :)"), true},
        {QStringLiteral("Seus jogos impressos direto no volante, prontos para a lotérica.")},
        {QString()},
        {QStringLiteral("Você pode imprimir de três formas:"), true},
        {QStringLiteral("1 . FOLHA A4")},
        {QStringLiteral("2 . VOLANTE OFICIAL ")},
        {QStringLiteral(
            "3 . FORMATO DO VOLANTE OFICIAL NUMA FOLHA A4 RECORTADA (Incrível esse modelo. Exclusivo)")},
        {QString()},
        {QStringLiteral("Volantes disponíveis:"), true},
    };
    const QStringList Volantes = {
        QStringLiteral("Megasena 2018 (3 por Volante)"),
        QStringLiteral("Megasena Virada 2023 (3 por Volante)"),
        QStringLiteral("Lotofacil 2021 (3 por Volante. Jogos de 19 e 20 Números)"),
        QStringLiteral("Lotofacil Independência 2022 (3 por Volante. Jogos de 19 e 20 Números - 100 COTAS)"),
        QStringLiteral("Quina 2020 (3 por Volante)"),
        QStringLiteral("Quina São João 2020 (3 por Volante)"),
        QStringLiteral("Dia De Sorte 2020 (3 por Volante)"),
        QStringLiteral("Lotomania 2025 (2 por Volante)"),
        QStringLiteral("Dupla Sena 2020 (3 por Volante)"),
        QStringLiteral("Dupla Sena Páscoa 2020 (3 por Volante)"),
        QStringLiteral("Timemania 2022 (1 por Volante com opção de BOLÃO)"),
        QStringLiteral("+ Milionária 2022"),
        QStringLiteral("+ Milionária 2023"),
    };
    for (const QString& Volante : Volantes)
        Texto.append({Volante});
    Texto.append({QString()});
    Texto.append({QStringLiteral("Dicas:"), true});
    Texto.append({QStringLiteral(
        "Cole ou abra seus jogos na aba \"Importar Jogos\" e confira-os na aba \"Jogos :)\".")});
    Texto.append({QStringLiteral("Antes de imprimir muitos volantes, faça um teste numa folha comum.")});
    return Texto;
}

void EscreveBoasVindas(QTextEdit& Editor) {
    QTextCursor Cursor(Editor.document());
    QTextBlockFormat Centro;
    Centro.setAlignment(Qt::AlignHCenter);
    Centro.setBottomMargin(2);
    bool Primeiro = true;
    for (const TParagrafo& Paragrafo : TextoDeBoasVindas()) {
        QTextCharFormat Letra;
        Letra.setFontWeight(Paragrafo.Destaque ? QFont::Bold : QFont::Normal);
        if (Primeiro)
            Cursor.setBlockFormat(Centro);
        else
            Cursor.insertBlock(Centro);
        Cursor.insertText(Paragrafo.Texto, Letra);
        Primeiro = false;
    }
}

QLineEdit* CampoCredencial(const QString& Nome, QWidget* Pai) {
    auto* Campo = new QLineEdit(Pai);
    Campo->setObjectName(Nome);
    Campo->setMaxLength(TamanhoMaximoCredencial);
    Campo->setMinimumWidth(240);
    return Campo;
}

} // namespace

TPaginaAutenticacao::TPaginaAutenticacao(TDM& DM, TDialogos& Dialogos, QWidget* Parent)
    : QWidget(Parent)
    , FDM(DM)
    , FDialogos(Dialogos)
    , FEditEmail(CampoCredencial(QStringLiteral("EditEmail"), this))
    , FEditSenha(CampoCredencial(QStringLiteral("EditSenha"), this))
    , FBtnAutenticar(new QPushButton(QStringLiteral(" Autenticar e acessar seus jogos"), this))
    , FAjuda(new TImagemClicavel(QStringLiteral("ref3"), FiguraDaAjuda(), DicaDaAjuda(), this))
    , FLogo(new TImagemClicavel(QStringLiteral("ImagemLogo"), FiguraDoPortal(),
                                QStringLiteral("Conheça o Portal Bilheron :)"), this))
    , FRichEdit1(new QTextEdit(this)) {
    setObjectName(QStringLiteral("TabAutenticacao"));

    // The e-mail is typed in lower case whatever the keyboard says.
    connect(FEditEmail, &QLineEdit::textEdited, this, [this](const QString& Texto) {
        const QString Minusculo = Texto.toLower();
        if (Minusculo == Texto)
            return;
        const int Posicao = FEditEmail->cursorPosition();
        FEditEmail->setText(Minusculo);
        FEditEmail->setCursorPosition(Posicao);
    });
    FEditSenha->setEchoMode(QLineEdit::Password);
    FEditSenha->setStyleSheet(EstiloSenha);
    FBtnAutenticar->setObjectName(QStringLiteral("BtnAutenticar"));
    FBtnAutenticar->setMinimumHeight(34);
    FConfiguracao.Endereco = EnderecoDoPortal();
    connect(FBtnAutenticar, &QPushButton::clicked, this, &TPaginaAutenticacao::BtnAutenticarClick);

    FRichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    FRichEdit1->setReadOnly(true);
    FRichEdit1->setStyleSheet(QStringLiteral("QTextEdit { background: #fffdf0; }"));
    EscreveBoasVindas(*FRichEdit1);

    auto* Acesso = new QGroupBox(QStringLiteral("Acesso ao Portal Bilheron"), this);
    auto* Campos = new QFormLayout(Acesso);
    Campos->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    Campos->addRow(QStringLiteral("Email"), FEditEmail);
    Campos->addRow(QStringLiteral("Senha"), FEditSenha);
    Campos->addRow(FBtnAutenticar);

    auto* Topo = new QHBoxLayout;
    Topo->addWidget(FLogo);
    Topo->addStretch();
    Topo->addWidget(FAjuda, 0, Qt::AlignTop);

    auto* Esquerda = new QVBoxLayout;
    Esquerda->addLayout(Topo);
    Esquerda->addSpacing(12);
    Esquerda->addWidget(Acesso);
    Esquerda->addStretch();

    auto* Pagina = new QHBoxLayout(this);
    Pagina->setContentsMargins(12, 12, 12, 12);
    Pagina->setSpacing(16);
    Pagina->addLayout(Esquerda, 0);
    Pagina->addWidget(FRichEdit1, 1);
}

void TPaginaAutenticacao::LimpaCredenciais() {
    FEditEmail->clear();
    FEditSenha->clear();
}

void TPaginaAutenticacao::SetChaveEToken(const QString& Chave, const QString& Token) {
    FConfiguracao.Chave = Chave;
    FConfiguracao.Token = Token;
}

void TPaginaAutenticacao::BtnAutenticarClick() {
    if (FAutenticando)
        return;
    QWidget* const Janela = window();
    const QString Email = FEditEmail->text().trimmed();
    const QString Senha = FEditSenha->text().trimmed();
    if (Email.isEmpty() || Senha.isEmpty()) {
        FDialogos.Mostra(
            Janela, {TTipoMensagem::Aviso,
                     QStringLiteral("Favor Informar suas Credencias do PORTAL Bilheron para continuar !")});
        FEditEmail->setFocus();
        return;
    }
    TConfiguracaoPortal Configuracao = FConfiguracao;
    if (const QString Erro = AplicaVariaveisDeAmbiente(Configuracao); !Erro.isEmpty()) {
        FDialogos.Mostra(Janela, {TTipoMensagem::Erro, Erro});
        return;
    }

    // The main window stays disabled from the first waiting window to the last, so that nothing else
    // starts while the windows repaint; it cannot be closed meanwhile either.
    FAutenticando = true;
    Janela->setEnabled(false);
    const auto Conclui = [&] {
        Janela->setEnabled(true);
        FAutenticando = false;
        FDM.AtivaFiltro_MASTER(true);
    };
    {
        TFormAguarde Aguarde(Janela);
        Aguarde.Label1()->setText(QStringLiteral("Deletando Itens Anteriores."));
        Aguarde.Label2()->hide();
        Aguarde.Label3()->hide();
        Aguarde.Mostra();
        FDM.CriaCDS();
        // They belong to whoever logs in now, and the portal keeps them: gone even if the login fails.
        FDM.DeletaFechamento(QStringLiteral("Sim"));
    }
    FDM.AtivaFiltro_MASTER(false);

    TRespostaLogin Resposta;
    {
        TFormAguarde Aguarde(Janela);
        Aguarde.Label1()->setText(QStringLiteral("Aguarde... Estou Validando Seus Dados\n"
                                                 "e Realizando o Download dos Seus Jogos !!!"));
        Aguarde.Mostra();
        Resposta = TLoteriaResult::GetGames(Email, Senha, Configuracao);
    }
    QCoreApplication::processEvents();
    if (!Resposta.Ok()) {
        Conclui();
        FDialogos.Mostra(Janela, {TTipoMensagem::Erro, Resposta.Erro});
        return;
    }
    const int Primeiro = GravaJogos(*Resposta.Resultado);
    Resposta.Resultado.reset();
    Conclui();
    Q_EMIT JogosBaixados(Primeiro);
}

int TPaginaAutenticacao::GravaJogos(TLoteriaResult& Resultado) {
    QList<TGamesClass> Conjuntos = Resultado.TiraGames();
    const int Qde = int(Conjuntos.size());
    TFormAguarde Aguarde(window());
    Aguarde.Label1()->setText(QStringLiteral("Processando Dados Coletados :)"));
    Aguarde.Label2()->hide();
    Aguarde.Label3()->hide();
    Aguarde.LabelQde()->show();
    if (Qde > 0)
        Aguarde.ProgressBar1()->setRange(0, Qde);
    Aguarde.Mostra();
    if (Qde == 0) {
        const QString Mensagem = Resultado.Mesage().trimmed().isEmpty()
                                     ? QStringLiteral("Nenhum jogo foi encontrado na sua conta do portal.")
                                     : Resultado.Mesage();
        // The main window is disabled: the box belongs to the waiting window.
        FDialogos.Mostra(&Aguarde, {TTipoMensagem::Informacao, Mensagem});
    }
    const TValidaJogo Validador;
    int Primeiro = -1;
    for (int k = 1; k <= Qde; ++k) {
        Aguarde.ProgressBar1()->setValue(k);
        Aguarde.LabelQde()->setText(
            QStringLiteral("%1 de %2").arg(QLocale().toString(k), QLocale().toString(Qde)));
        QCoreApplication::processEvents();
        const int Antes = FDM.QdeFechamentos();
        GravaConjuntoBaixado(FDM, Conjuntos[k - 1], Validador);
        // Freed once stored, so that the answer and its closings are never held twice.
        Conjuntos[k - 1] = TGamesClass();
        if (Primeiro < 0 && FDM.QdeFechamentos() > Antes)
            Primeiro = Antes;
    }
    return Primeiro;
}

void TPaginaAutenticacao::MascaraEmail() {
    FEditEmail->setEchoMode(QLineEdit::Password);
    FEditEmail->setStyleSheet(EstiloSenha);
}

QString TPaginaAutenticacao::Email() const {
    return FEditEmail->text().trimmed();
}
