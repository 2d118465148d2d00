#include "ui/PaginaAutenticacao.h"

#include "ui/Figuras.h"
#include "ui/ImagemClicavel.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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

TPaginaAutenticacao::TPaginaAutenticacao(QWidget* Parent)
    : QWidget(Parent)
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

void TPaginaAutenticacao::MascaraEmail() {
    FEditEmail->setEchoMode(QLineEdit::Password);
    FEditEmail->setStyleSheet(EstiloSenha);
}

QString TPaginaAutenticacao::Email() const {
    return FEditEmail->text().trimmed();
}
