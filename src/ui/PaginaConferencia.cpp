#include "ui/PaginaConferencia.h"

#include "catalogue/TimesCoracao.h"
#include "catalogue/ULib.h"
#include "store/DataModulo.h"
#include "ui/Dialogos.h"
#include "ui/ExportacaoJogos.h"
#include "ui/GradeDados.h"
#include "ui/ModeloConferencia.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int QdeTrevos = 6;
const QString AbaImpressao = u"\"Impressão dos Jogos\""_s;

QLineEdit* CampoSomenteLeitura(const QString& Nome, QWidget* Pai) {
    auto* Campo = new QLineEdit(Pai);
    Campo->setObjectName(Nome);
    Campo->setReadOnly(true);
    Campo->setFocusPolicy(Qt::ClickFocus);
    return Campo;
}

QLineEdit* CampoDasDezenas(const QString& Nome, QWidget* Pai) {
    auto* Campo = new QLineEdit(Pai);
    Campo->setObjectName(Nome);
    Campo->setPlaceholderText(u"as dezenas sorteadas, separadas por espaço"_s);
    return Campo;
}

QLabel* Rotulo(const QString& Nome, const QString& Texto, QWidget* Pai) {
    auto* Novo = new QLabel(Texto, Pai);
    Novo->setObjectName(Nome);
    return Novo;
}

QComboBox* Lista(const QString& Nome, const QString& Nenhum, const QStringList& Itens, QWidget* Pai) {
    auto* Combo = new QComboBox(Pai);
    Combo->setObjectName(Nome);
    Combo->addItem(Nenhum);
    Combo->addItems(Itens);
    Combo->setMaxVisibleItems(20);
    return Combo;
}

QPushButton* Botao(const QString& Nome, const QString& Texto, QWidget* Pai) {
    auto* Novo = new QPushButton(Texto, Pai);
    Novo->setObjectName(Nome);
    Novo->setMinimumHeight(30);
    return Novo;
}

// Six clover boxes "1" to "6", named Prefixo1 to Prefixo6, in a row.
std::array<QCheckBox*, QdeTrevos> CaixasDeTrevos(const QString& Prefixo, QWidget* Pai) {
    std::array<QCheckBox*, QdeTrevos> Caixas{};
    for (int Indice = 0; Indice < QdeTrevos; ++Indice) {
        Caixas[std::size_t(Indice)] = new QCheckBox(QString::number(Indice + 1), Pai);
        Caixas[std::size_t(Indice)]->setObjectName(Prefixo + QString::number(Indice + 1));
    }
    return Caixas;
}

QHBoxLayout* EmLinha(const std::array<QCheckBox*, QdeTrevos>& Caixas) {
    auto* Linha = new QHBoxLayout;
    for (QCheckBox* Caixa : Caixas)
        Linha->addWidget(Caixa);
    Linha->addStretch();
    return Linha;
}

QString TextoSemFechamento() {
    return u"Nenhum fechamento carregado ainda.\nImporte seus jogos na aba \"Importar Jogos\" ou baixe-os do "
           u"portal para conferir o resultado de um sorteio."_s;
}

QString Quantos(int Quantidade, const QString& Singular, const QString& Plural) {
    return QLocale().toString(Quantidade) + u' ' + (Quantidade == 1 ? Singular : Plural);
}

} // namespace

TPaginaConferencia::TPaginaConferencia(TDM& DM, TDialogos& Dialogos, TExtrasDaImpressao ExtrasDaImpressao,
                                       TTrevosConhecidos TrevosConhecidos, QWidget* Parent)
    : QWidget(Parent)
    , FDM(DM)
    , FDialogos(Dialogos)
    , FExtrasDaImpressao(std::move(ExtrasDaImpressao))
    , FTrevosConhecidos(std::move(TrevosConhecidos))
    , FEditTituloConferencia(CampoSomenteLeitura(u"EditTituloConferencia"_s, this))
    , FEditModalidadeConferencia(CampoSomenteLeitura(u"EditModalidadeConferencia"_s, this))
    , FEditQdeJogosConferencia(CampoSomenteLeitura(u"EditQdeJogosConferencia"_s, this))
    , FLabelSemFechamento(Rotulo(u"LabelSemFechamentoConferencia"_s, TextoSemFechamento(), this))
    , FCorpo(new QWidget(this))
    , FLabelResultado(Rotulo(u"LabelResultado"_s, u"Dezenas Sorteadas :"_s, this))
    , FEditResultado(CampoDasDezenas(u"EditResultado"_s, this))
    , FLabelResultado2(Rotulo(u"LabelResultado2"_s, u"2º Sorteio :"_s, this))
    , FEditResultado2(CampoDasDezenas(u"EditResultado2"_s, this))
    , FLabelMesSorteado(Rotulo(u"LabelMesSorteado"_s, u"Mês de Sorte :"_s, this))
    , FComboMesSorteado(Lista(
          u"ComboMesSorteado"_s, u"(escolha o mês sorteado)"_s,
          [] {
              QStringList Meses;
              for (int Mes = PrimeiroMes; Mes <= UltimoMes; ++Mes)
                  Meses.append(TextoDoMes(Mes));
              return Meses;
          }(),
          this))
    , FLabelTimeSorteado(Rotulo(u"LabelTimeSorteado"_s, u"Time do Coração :"_s, this))
    , FComboTimeSorteado(Lista(
          u"ComboTimeSorteado"_s, u"(escolha o time sorteado)"_s,
          [] {
              QStringList Times;
              for (int Time = 1; Time <= QdeTimesCoracao; ++Time)
                  Times.append(TextoDoTime(Time));
              return Times;
          }(),
          this))
    , FGrupoTrevos(new QGroupBox(u"Trevos"_s, this))
    , FChTrevoSorteado(CaixasDeTrevos(u"ChTrevoSorteado"_s, this))
    , FChTrevoApostado(CaixasDeTrevos(u"ChTrevoApostado"_s, this))
    , FLabelExtrasApostas(Rotulo(u"LabelExtrasApostas"_s, QString(), this))
    , FBtnConferir(Botao(u"BtnConferir"_s, u"Conferir"_s, this))
    , FGradeFaixas(new TGradeDados(this))
    , FModeloFaixas(new TModeloFaixas(this))
    , FLabelResumoConferencia(Rotulo(u"LabelResumoConferencia"_s, QString(), this))
    , FGradeConferencia(new TGradeDados(this))
    , FModeloConferencia(new TModeloConferencia(DM.CDSDetalhe(), this))
    , FChSoPremiados(new QCheckBox(u"Mostrar só os premiados"_s, this))
    , FBtnExportarConferencia(
          Botao(u"BtnExportarConferencia"_s, u"Exportar Conferência em Arquivo Texto"_s, this))
    , FBtnCopiarConferencia(
          Botao(u"BtnCopiarConferencia"_s, u"Copiar conferência em área transferência"_s, this)) {
    setObjectName(u"TabConferencia"_s);
    FCorpo->setObjectName(u"CorpoConferencia"_s);
    FGrupoTrevos->setObjectName(u"GrupoTrevosConferencia"_s);
    FGradeFaixas->setObjectName(u"GradeFaixas"_s);
    FModeloFaixas->setObjectName(u"DSFaixas"_s);
    FGradeConferencia->setObjectName(u"GradeConferencia"_s);
    FModeloConferencia->setObjectName(u"DSConferencia"_s);
    FChSoPremiados->setObjectName(u"ChSoPremiados"_s);

    auto* Jogos = new QSplitter(Qt::Horizontal, FCorpo);
    Jogos->setChildrenCollapsible(false);
    Jogos->addWidget(CriaResumo());
    Jogos->addWidget(CriaJogos());
    Jogos->setStretchFactor(0, 2);
    Jogos->setStretchFactor(1, 5);

    auto* Corpo = new QVBoxLayout(FCorpo);
    Corpo->setContentsMargins(0, 0, 0, 0);
    Corpo->addWidget(CriaResultado());
    Corpo->addWidget(Jogos, 1);

    FLabelSemFechamento->setAlignment(Qt::AlignCenter);
    FLabelSemFechamento->setWordWrap(true);
    FLabelSemFechamento->setStyleSheet(u"QLabel { color: #8a5a00; }"_s);

    auto* Pagina = new QVBoxLayout(this);
    Pagina->setContentsMargins(10, 10, 10, 10);
    Pagina->setSpacing(10);
    Pagina->addWidget(CriaCabecalho());
    Pagina->addWidget(FLabelSemFechamento);
    Pagina->addWidget(FCorpo, 1);

    Conecta();
    Descarta();
    CarregaFechamento();
}

TPaginaConferencia::~TPaginaConferencia() = default;

QWidget* TPaginaConferencia::CriaCabecalho() {
    auto* Cabecalho = new QGroupBox(u"Fechamento"_s, this);
    Cabecalho->setObjectName(u"GrupoFechamentoConferencia"_s);
    FEditModalidadeConferencia->setMinimumWidth(150);
    FEditQdeJogosConferencia->setFixedWidth(110);
    FEditQdeJogosConferencia->setAlignment(Qt::AlignCenter);
    auto* Linha = new QHBoxLayout(Cabecalho);
    Linha->setContentsMargins(10, 6, 10, 8);
    Linha->addWidget(new QLabel(u"Título Fechamento :"_s, Cabecalho));
    Linha->addWidget(FEditTituloConferencia, 1);
    Linha->addWidget(new QLabel(u"Modalidade :"_s, Cabecalho));
    Linha->addWidget(FEditModalidadeConferencia);
    Linha->addWidget(new QLabel(u"Jogos :"_s, Cabecalho));
    Linha->addWidget(FEditQdeJogosConferencia);
    return Cabecalho;
}

QWidget* TPaginaConferencia::CriaResultado() {
    auto* Grupo = new QGroupBox(u"Resultado do Sorteio"_s, FCorpo);
    Grupo->setObjectName(u"GrupoResultado"_s);

    auto* Trevos = new QGridLayout(FGrupoTrevos);
    Trevos->addWidget(new QLabel(u"Sorteados :"_s, FGrupoTrevos), 0, 0);
    Trevos->addLayout(EmLinha(FChTrevoSorteado), 0, 1);
    Trevos->addWidget(new QLabel(u"Apostados :"_s, FGrupoTrevos), 1, 0);
    Trevos->addLayout(EmLinha(FChTrevoApostado), 1, 1);

    FLabelExtrasApostas->setWordWrap(true);
    FLabelExtrasApostas->setStyleSheet(u"QLabel { color: #505050; }"_s);
    QFont Fonte = FBtnConferir->font();
    Fonte.setBold(true);
    FBtnConferir->setFont(Fonte);
    FBtnConferir->setMinimumWidth(160);
    FComboTimeSorteado->setMinimumWidth(220);

    auto* Grade = new QGridLayout(Grupo);
    Grade->setContentsMargins(10, 6, 10, 8);
    Grade->addWidget(FLabelResultado, 0, 0);
    Grade->addWidget(FEditResultado, 0, 1);
    Grade->addWidget(FLabelResultado2, 1, 0);
    Grade->addWidget(FEditResultado2, 1, 1);
    Grade->addWidget(FLabelMesSorteado, 2, 0);
    Grade->addWidget(FComboMesSorteado, 2, 1, Qt::AlignLeft);
    Grade->addWidget(FLabelTimeSorteado, 3, 0);
    Grade->addWidget(FComboTimeSorteado, 3, 1, Qt::AlignLeft);
    Grade->addWidget(FGrupoTrevos, 4, 0, 1, 2);
    Grade->addWidget(FLabelExtrasApostas, 5, 0, 1, 2);
    Grade->addWidget(FBtnConferir, 0, 2, 2, 1, Qt::AlignTop);
    Grade->setColumnStretch(1, 1);
    return Grupo;
}

QWidget* TPaginaConferencia::CriaResumo() {
    auto* Grupo = new QGroupBox(u"Faixas de Prêmio"_s, FCorpo);
    Grupo->setObjectName(u"GrupoFaixas"_s);
    FGradeFaixas->setParent(Grupo);
    FGradeFaixas->setModel(FModeloFaixas);
    FGradeFaixas->setMinimumWidth(380);
    FLabelResumoConferencia->setParent(Grupo);
    FLabelResumoConferencia->setWordWrap(true);
    QFont Fonte = FLabelResumoConferencia->font();
    Fonte.setBold(true);
    FLabelResumoConferencia->setFont(Fonte);
    auto* Layout = new QVBoxLayout(Grupo);
    Layout->addWidget(FGradeFaixas, 1);
    Layout->addWidget(FLabelResumoConferencia);
    return Grupo;
}

QWidget* TPaginaConferencia::CriaJogos() {
    auto* Grupo = new QGroupBox(u"Jogos Conferidos"_s, FCorpo);
    Grupo->setObjectName(u"GrupoJogosConferidos"_s);
    FGradeConferencia->setParent(Grupo);
    FGradeConferencia->setModel(FModeloConferencia);
    FGradeConferencia->setSortingEnabled(true);
    FGradeConferencia->horizontalHeader()->setSortIndicatorShown(true);
    auto* Comandos = new QHBoxLayout;
    for (QWidget* Comando :
         {static_cast<QWidget*>(FChSoPremiados), static_cast<QWidget*>(FBtnExportarConferencia),
          static_cast<QWidget*>(FBtnCopiarConferencia)}) {
        Comando->setParent(Grupo);
        Comandos->addWidget(Comando);
    }
    Comandos->insertStretch(1);
    auto* Layout = new QVBoxLayout(Grupo);
    Layout->addWidget(FGradeConferencia, 1);
    Layout->addLayout(Comandos);
    return Grupo;
}

void TPaginaConferencia::Conecta() {
    // The games are read by row: before the games view changes, the check of the old rows goes.
    const TCDSDetalhe& Jogos = FDM.CDSDetalhe();
    connect(&Jogos, &TTabela::SeraReiniciada, this, &TPaginaConferencia::Descarta);
    connect(&Jogos, &TTabela::LinhasSeraoInseridas, this, &TPaginaConferencia::Descarta);
    connect(&Jogos, &TTabela::LinhasSeraoRemovidas, this, &TPaginaConferencia::Descarta);
    connect(&FDM, &TDM::FechamentoAtualAlterado, this, [this] {
        if (isVisible())
            CarregaFechamento();
    });
    connect(FBtnConferir, &QPushButton::clicked, this, &TPaginaConferencia::BtnConferirClick);
    for (QLineEdit* Campo : {FEditResultado, FEditResultado2})
        connect(Campo, &QLineEdit::returnPressed, this, &TPaginaConferencia::BtnConferirClick);
    connect(FChSoPremiados, &QCheckBox::toggled, FModeloConferencia, &TModeloConferencia::SetSoPremiados);
    connect(FBtnExportarConferencia, &QPushButton::clicked, this,
            &TPaginaConferencia::BtnExportarConferenciaClick);
    connect(FBtnCopiarConferencia, &QPushButton::clicked, this,
            &TPaginaConferencia::BtnCopiarConferenciaClick);
}

void TPaginaConferencia::showEvent(QShowEvent* Evento) {
    QWidget::showEvent(Evento);
    CarregaFechamento();
}

void TPaginaConferencia::CarregaFechamento() {
    const TRegistroMaster* const Atual = FDM.FechamentoAtual();
    if (!Atual) {
        FIDFechamento = 0;
        FRegras.reset();
        Descarta();
        for (QLineEdit* Campo :
             {FEditTituloConferencia, FEditModalidadeConferencia, FEditQdeJogosConferencia})
            Campo->clear();
        FLabelSemFechamento->setText(TextoSemFechamento());
        FLabelSemFechamento->setVisible(true);
        FCorpo->setEnabled(false);
        return;
    }
    const TRegistroMaster& Fechamento = *Atual;
    FEditTituloConferencia->setText(Fechamento.Titulo);
    FEditTituloConferencia->setCursorPosition(0);
    FEditModalidadeConferencia->setText(Fechamento.Modalidade);
    FEditQdeJogosConferencia->setText(QLocale().toString(Fechamento.QdeJogos));
    if (Fechamento.ID != FIDFechamento || !FRegras || FRegras->NomeModalidade != Fechamento.Modalidade) {
        const bool MesmoJogo = FRegras && FRegras->NomeModalidade == Fechamento.Modalidade;
        FIDFechamento = Fechamento.ID;
        FRegras = CriaRegrasConferencia(Fechamento.Modalidade);
        Descarta();
        // A draw typed for another closing of the same game is likely the one to check again.
        if (!MesmoJogo) {
            FEditResultado->clear();
            FEditResultado2->clear();
            FComboMesSorteado->setCurrentIndex(0);
            FComboTimeSorteado->setCurrentIndex(0);
            for (QCheckBox* Trevo : FChTrevoSorteado)
                Trevo->setChecked(false);
        }
        const QList<int> Apostados = FTrevosConhecidos ? FTrevosConhecidos() : QList<int>();
        for (int Indice = 0; Indice < QdeTrevos; ++Indice)
            FChTrevoApostado[std::size_t(Indice)]->setChecked(Apostados.contains(Indice + 1));
        MostraCamposDaModalidade();
    }
    FLabelSemFechamento->setVisible(!FRegras);
    FLabelSemFechamento->setText(
        u"A conferência de resultados não está disponível para a modalidade %1."_s.arg(
            Fechamento.Modalidade));
    FCorpo->setEnabled(FRegras.has_value());
    AtualizaExtrasApostas();
}

void TPaginaConferencia::MostraCamposDaModalidade() {
    const bool DoisSorteios = FRegras && FRegras->QdeSorteios == 2;
    FLabelResultado->setText(DoisSorteios ? u"1º Sorteio :"_s : u"Dezenas Sorteadas :"_s);
    for (QWidget* Campo : {static_cast<QWidget*>(FLabelResultado2), static_cast<QWidget*>(FEditResultado2)})
        Campo->setVisible(DoisSorteios);
    for (QWidget* Campo :
         {static_cast<QWidget*>(FLabelMesSorteado), static_cast<QWidget*>(FComboMesSorteado)})
        Campo->setVisible(FRegras && FRegras->TemMes());
    for (QWidget* Campo :
         {static_cast<QWidget*>(FLabelTimeSorteado), static_cast<QWidget*>(FComboTimeSorteado)})
        Campo->setVisible(FRegras && FRegras->TemTime());
    FGrupoTrevos->setVisible(FRegras && FRegras->TemTrevos());
    if (FRegras)
        FEditResultado->setPlaceholderText(
            u"as %1 dezenas sorteadas, de %2 a %3, separadas por espaço"_s.arg(FRegras->QdeSorteados)
                .arg(FRegras->NumInicial, 2, 10, QChar(u'0'))
                .arg(FRegras->NumFinal, 2, 10, QChar(u'0')));
    FEditResultado2->setPlaceholderText(FEditResultado->placeholderText());
}

void TPaginaConferencia::AtualizaExtrasApostas() {
    const TExtrasApostas Extras = FExtrasDaImpressao ? FExtrasDaImpressao() : TExtrasApostas();
    const auto Distribuidos = [](bool Avanca, const QString& Primeiro) {
        return Avanca ? u", a partir de %1, distribuídos."_s.arg(Primeiro)
                      : u": %1 para todos."_s.arg(Primeiro);
    };
    QString Texto;
    switch (FRegras ? FRegras->Tipo : TTipoModalidade::Indefinida) {
    case TTipoModalidade::DiaDeSorte:
        Texto =
            u"Mês de cada jogo: o do próprio jogo (:mês no texto); os demais recebem o mês escolhido na aba "_s +
            AbaImpressao + Distribuidos(Extras.AvancaMes, TextoDoMes(Extras.Mes));
        break;
    case TTipoModalidade::Timemania:
        Texto = u"Time de cada jogo: o do próprio jogo (:time no texto); "_s;
        if (Extras.Time == 0)
            Texto += u"os demais não têm time, pois nenhum foi escolhido na aba "_s + AbaImpressao + u"."_s;
        else
            Texto += u"os demais recebem o time escolhido na aba "_s + AbaImpressao +
                     Distribuidos(Extras.AvancaTime, TextoDoTime(Extras.Time));
        break;
    case TTipoModalidade::Lotomania:
        if (Extras.ApostaEspelho)
            Texto = u"\"Aposta Espelho\" está marcada na aba "_s + AbaImpressao +
                    u": todos os jogos são conferidos também espelhados."_s;
        else
            Texto = u"Só os jogos com aposta espelho própria (:1 no texto) são conferidos também espelhados; "
                    u"para "
                    u"todos, marque \"Aposta Espelho\" na aba "_s +
                    AbaImpressao + u"."_s;
        break;
    case TTipoModalidade::MaisMilionaria:
        Texto = u"Marque os 2 trevos sorteados e os trevos com que os jogos foram apostados."_s;
        break;
    default:
        break;
    }
    FLabelExtrasApostas->setText(Texto);
    FLabelExtrasApostas->setVisible(!Texto.isEmpty());
}

QList<int> TPaginaConferencia::TrevosMarcados(const std::array<QCheckBox*, 6>& Caixas) const {
    QList<int> Trevos;
    for (int Indice = 0; Indice < QdeTrevos; ++Indice) {
        if (Caixas[std::size_t(Indice)]->isChecked())
            Trevos.append(Indice + 1);
    }
    return Trevos;
}

std::optional<TResultado> TPaginaConferencia::LeResultadoDosCampos() {
    TEntradaResultado Entrada;
    Entrada.Dezenas = FEditResultado->text();
    if (FRegras->QdeSorteios == 2)
        Entrada.Dezenas2 = FEditResultado2->text();
    if (FRegras->TemMes() && FComboMesSorteado->currentIndex() > 0)
        Entrada.Mes = FComboMesSorteado->currentIndex();
    if (FRegras->TemTime() && FComboTimeSorteado->currentIndex() > 0)
        Entrada.Time = FComboTimeSorteado->currentIndex();
    if (FRegras->TemTrevos())
        Entrada.Trevos = TrevosMarcados(FChTrevoSorteado);
    auto Lido = LeResultado(*FRegras, Entrada);
    if (const auto* Falha = std::get_if<QString>(&Lido)) {
        FDialogos.Mostra(window(), {TTipoMensagem::Aviso, *Falha});
        return std::nullopt;
    }
    return std::get<TResultado>(Lido);
}

std::optional<TExtrasApostas> TPaginaConferencia::LeExtrasApostas() {
    TExtrasApostas Extras = FExtrasDaImpressao ? FExtrasDaImpressao() : TExtrasApostas();
    if (FRegras->TemTrevos()) {
        Extras.Trevos = TrevosMarcados(FChTrevoApostado);
        if (const QString Falha = ConfereTrevosApostados(Extras.Trevos); !Falha.isEmpty()) {
            FDialogos.Mostra(window(), {TTipoMensagem::Aviso, Falha});
            return std::nullopt;
        }
    }
    return Extras;
}

void TPaginaConferencia::BtnConferirClick() {
    CarregaFechamento();
    if (!FRegras || FIDFechamento == 0)
        return;
    const std::optional<TResultado> Resultado = LeResultadoDosCampos();
    if (!Resultado)
        return;
    const std::optional<TExtrasApostas> Extras = LeExtrasApostas();
    if (!Extras)
        return;
    // The games view holds the current closing's games only while it follows the current closing.
    if (!FDM.FiltroMasterAtivo())
        FDM.AtivaFiltro_MASTER(true);

    FModeloConferencia->Esvazia();
    FModeloFaixas->Esvazia();
    FConferencia.reset();
    if (!FJogos || *Extras != FExtrasDosJogos) {
        FJogos.emplace(FDM.CDSDetalhe(), *FRegras, *Extras);
        FExtrasDosJogos = *Extras;
    }
    FResultado = *Resultado;
    FConferencia = Confere(*FRegras, *FJogos, FResultado);
    MostraConferencia();
}

void TPaginaConferencia::MostraConferencia() {
    FModeloFaixas->Mostra(*FRegras, *FConferencia);
    FGradeFaixas->resizeColumnsToContents();
    // The summary shows every column of its tiers, however long their names.
    FGradeFaixas->setMinimumWidth(FGradeFaixas->horizontalHeader()->length() +
                                  2 * FGradeFaixas->frameWidth() +
                                  FGradeFaixas->verticalScrollBar()->sizeHint().width());
    FModeloConferencia->Mostra(*FRegras, *FJogos, FResultado, *FConferencia);
    FGradeConferencia->horizontalHeader()->setSortIndicator(FModeloConferencia->ColunaOrdenada(),
                                                            FModeloConferencia->Sentido());
    // Sized on the first rows the header samples, not on every game.
    FGradeConferencia->resizeColumnsToContents();

    const TConferencia& Conferencia = *FConferencia;
    QString Resumo =
        Conferencia.QdePremiados == 0
            ? u"Nenhum prêmio"_s
            : Quantos(Conferencia.QdePremiados, u"jogo premiado"_s, u"jogos premiados"_s) + u" de "_s +
                  Quantos(FJogos->Qde() - Conferencia.QdeNaoConferidos, u"conferido."_s, u"conferidos."_s);
    if (Conferencia.QdeNaoConferidos > 0)
        Resumo += u"\n"_s +
                  Quantos(Conferencia.QdeNaoConferidos, u"jogo não foi conferido"_s,
                          u"jogos não foram conferidos"_s) +
                  u": não são apostas da %1."_s.arg(FRegras->NomeModalidade);
    FLabelResumoConferencia->setText(Resumo);
    FBtnExportarConferencia->setEnabled(true);
    FBtnCopiarConferencia->setEnabled(true);
}

void TPaginaConferencia::Descarta() {
    FModeloConferencia->Esvazia();
    FModeloFaixas->Esvazia();
    FConferencia.reset();
    FJogos.reset();
    FLabelResumoConferencia->setText(u"Digite o resultado e clique em \"Conferir\"."_s);
    FBtnExportarConferencia->setEnabled(false);
    FBtnCopiarConferencia->setEnabled(false);
}

QString TPaginaConferencia::TextoDaConferencia() const {
    QStringList Linhas;
    Linhas.append(u"// Conferência: %1 - %2"_s.arg(FRegras->NomeModalidade, TituloDoFechamentoAtual(FDM)));
    for (int Sorteio = 0; Sorteio < FRegras->QdeSorteios; ++Sorteio)
        Linhas.append(
            u"// %1: %2"_s.arg(FRegras->QdeSorteios == 1 ? u"Resultado"_s : u"%1º Sorteio"_s.arg(Sorteio + 1),
                               FResultado.Sorteios[std::size_t(Sorteio)].Texto()));
    if (FRegras->TemMes())
        Linhas.append(u"// Mês de Sorte: "_s + TextoDoMes(FResultado.Mes));
    if (FRegras->TemTime())
        Linhas.append(u"// Time do Coração: "_s + TextoDoTime(FResultado.Time));
    if (FRegras->TemTrevos()) {
        const auto ComoTexto = [](const QList<int>& Trevos) {
            QStringList Textos;
            for (int Trevo : Trevos)
                Textos.append(QString::number(Trevo));
            return Textos.join(u' ');
        };
        Linhas.append(u"// Trevos sorteados: "_s + ComoTexto(TrevosMarcados(FChTrevoSorteado)));
        Linhas.append(u"// Trevos apostados: "_s + ComoTexto(FExtrasDosJogos.Trevos));
    }
    if (FConferencia->QdePremiados == 0)
        Linhas.append(u"// Nenhum prêmio"_s);
    for (qsizetype Faixa = 0; Faixa < FRegras->Faixas.size(); ++Faixa)
        Linhas.append(u"// %1: %2"_s.arg(NomeDaFaixa(FRegras->Faixas[Faixa]),
                                         QLocale().toString(FConferencia->QdePorFaixa[std::size_t(Faixa)])));
    Linhas.append(FModeloConferencia->Linhas());
    return TextoComFimDeLinha(Linhas);
}

void TPaginaConferencia::BtnExportarConferenciaClick() {
    if (!FConferencia)
        return;
    const QString Nome = NomeDeArquivo(TituloDoFechamentoAtual(FDM));
    const QString Caminho = FDialogos.ArquivoParaSalvar(
        window(),
        {TTipoArquivo::Exportacao, u"Informe o Nome do Arquivo a Salvar"_s, u"Arquivo de texto (*.txt)"_s,
         u"txt"_s, (Nome.isEmpty() ? u"conferencia"_s : Nome + u" - conferencia"_s) + u".txt"_s});
    if (Caminho.isEmpty())
        return;
    if (const auto Falha = GravaArquivoTexto(Caminho, TextoDaConferencia()))
        FDialogos.Mostra(window(), {TTipoMensagem::Erro, *Falha});
}

void TPaginaConferencia::BtnCopiarConferenciaClick() {
    if (FConferencia)
        QGuiApplication::clipboard()->setText(TextoDaConferencia());
}
