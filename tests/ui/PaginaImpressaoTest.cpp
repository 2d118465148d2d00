// The print setup page: loading the current closing, rebuilding the choices, the quota list, the
// game extras, the print check, the queue it builds and what it hands the print manager.
#include "JanelaDeTeste.h"

#include "catalogue/TimesCoracao.h"
#include "ui/Enderecos.h"
#include "ui/PaginaImpressao.h"
#include "ui/RadioGroup.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

// A game of Qde numbers counted up from Primeiro, as two-digit text.
QString Jogo(int Qde, int Primeiro = 1) {
    QStringList Numeros;
    for (int Numero = Primeiro; Numero < Primeiro + Qde; ++Numero)
        Numeros.append(u"%1"_s.arg(Numero, 2, 10, QChar(u'0')));
    return Numeros.join(u' ');
}

// Qde different games of QdeNumeros numbers each.
QStringList Jogos(int Qde, int QdeNumeros, int Primeiro = 1) {
    QStringList Linhas;
    for (int Indice = 0; Indice < Qde; ++Indice)
        Linhas.append(Jogo(QdeNumeros, Primeiro + Indice));
    return Linhas;
}

QStringList De(int Primeiro, int Ultimo) {
    QStringList Textos;
    for (int Valor = Primeiro; Valor <= Ultimo; ++Valor)
        Textos.append(QString::number(Valor));
    return Textos;
}

} // namespace

class PaginaImpressaoTest : public TJanelaDeTeste {
protected:
    void SetUp() override {
        Controle<TPaginaImpressao>(u"TabImpressao"_s).SetAbreGerenciador([this](const TEscolhasImpressao& E) {
            Escolhas = E;
            FolhasAoAbrir = DM.CDSImpressao_Temp().QdeRegistros();
        });
    }

    void VaiPara(const QString& Pagina) {
        Controle<QTabWidget>(u"PageControl1"_s).setCurrentWidget(&Controle<QWidget>(Pagina));
    }
    void VaiParaImpressao() { VaiPara(u"TabImpressao"_s); }
    // Imports the closing and opens the print setup page on it.
    void MostraFechamento(const QString& Item, int Qde, const QStringList& Linhas,
                          const QString& Titulo = {}) {
        Dialogos.LimpaRegistro();
        ImportaFechamento(Item, Qde, Linhas, Titulo);
        ASSERT_TRUE(Dialogos.Mostradas().isEmpty()) << Dialogos.Mostradas().first().Texto.toStdString();
        VaiParaImpressao();
    }

    TRadioGroup& Radio(const QString& Nome) { return Controle<TRadioGroup>(Nome); }
    QStringList Itens(const QString& Nome) { return Radio(Nome).Items(); }
    QString Escolhido(const QString& Nome) { return Radio(Nome).TextoSelecionado(); }
    void Escolhe(const QString& Grupo, const QString& Item) {
        const int Indice = int(Radio(Grupo).Items().indexOf(Item));
        ASSERT_GE(Indice, 0) << Grupo.toStdString() << " " << Item.toStdString();
        Radio(Grupo).Botao(Indice)->click();
    }
    QStringList Cotas() {
        QStringList Textos;
        auto& Combo = Controle<QComboBox>(u"ComboBolao"_s);
        for (int Indice = 0; Indice < Combo.count(); ++Indice)
            Textos.append(Combo.itemText(Indice));
        return Textos;
    }
    void EscolheCotas(const QString& Cotas) { Controle<QComboBox>(u"ComboBolao"_s).setCurrentText(Cotas); }
    void EscolheTime(const QString& Time) {
        auto& Lista = Controle<QListWidget>(u"ListBox_TimeCoracao"_s);
        const QList<QListWidgetItem*> Achados = Lista.findItems(Time, Qt::MatchExactly);
        ASSERT_EQ(Achados.size(), 1) << Time.toStdString();
        Lista.setCurrentItem(Achados.first());
    }
    QCheckBox& Caixa(const QString& Nome) { return Controle<QCheckBox>(Nome); }
    void MarcaTrevos(const QList<int>& Trevos) {
        for (int Trevo : Trevos)
            Caixa(u"ChTrevo%1"_s.arg(Trevo)).click();
    }
    QString Texto(const QString& Campo) { return Controle<QLineEdit>(Campo).text(); }
    QString Rotulo(const QString& Nome) { return Controle<QLabel>(Nome).text(); }
    QStringList Mensagens() {
        QStringList Textos;
        for (const TMensagem& Mensagem : Dialogos.Mostradas())
            Textos.append(Mensagem.Texto);
        return Textos;
    }
    // Presses the prepare button with a clean message record.
    void Prepara() {
        Dialogos.LimpaRegistro();
        Escolhas.reset();
        Clica(u"BtnImprimirJogosAgora"_s);
    }
    int Folhas() { return DM.CDSImpressao_Temp().QdeRegistros(); }
    const TFolhaImpressao& Folha(int Linha) { return DM.CDSImpressao_Temp().Folha(Linha); }

    std::optional<TEscolhasImpressao> Escolhas;
    int FolhasAoAbrir = -1;
};

TEST_F(PaginaImpressaoTest, EveryControlExistsUnderItsNameWithItsCaption) {
    struct TEsperado {
        QString Nome;
        const char* Classe;
        QString Texto;
    };
    const TEsperado Controles[] = {
        {u"EditTituloFechamento"_s, "QLineEdit", {}},
        {u"EditModalidade"_s, "QLineEdit", {}},
        {u"EditQdeNumPorVolante"_s, "QLineEdit", {}},
        {u"RadioModeloImpressao"_s, "TRadioGroup", u"Modelo"_s},
        {u"RadioQdeJogosPorVolante"_s, "TRadioGroup", u"Jogos Por Volante"_s},
        {u"RadioSurpresinha"_s, "TRadioGroup", u"Surpresinha"_s},
        {u"RadioTeimosinha"_s, "TRadioGroup", u"Teimosinha"_s},
        {u"ComboBolao"_s, "QComboBox", {}},
        {u"ChVolanteOriginal"_s, "QCheckBox", u"Volante Original"_s},
        {u"ChDivisao10"_s, "QCheckBox", u"Divisão para Bolão Base"_s},
        {u"ComboDivisor"_s, "QComboBox", {}},
        {u"EditIdentificacao"_s, "QLineEdit", {}},
        {u"ChAutoIdentificar"_s, "QCheckBox", u"Auto"_s},
        {u"DBEdit3"_s, "QLineEdit", {}},
        {u"ImagemOkMaster"_s, "QLabel", {}},
        {u"ImagemError"_s, "QLabel", {}},
        {u"ImagemFlutuante"_s, "QLabel", {}},
        {u"PainelQDeJogos"_s, "TPainelArrastavel", {}},
        {u"PainelQdeNumVolante"_s, "TPainelArrastavel", {}},
        {u"BtnImprimirJogosAgora"_s, "QPushButton", u"Cartelim - Preparar para Imprimir"_s},
        {u"PainelConfiguracoesExtra"_s, "QGroupBox", u"Configurações Extras"_s},
        {u"PainelDiaDeSorte"_s, "QGroupBox", u"   Dia de Sorte"_s},
        {u"RadioDiaDeSorteMes"_s, "TRadioGroup", u"Mês"_s},
        {u"ChAvancaMes"_s, "QCheckBox", u"Distribuir Meses"_s},
        {u"PainelLotomania"_s, "QGroupBox", u"   LOTOMANIA"_s},
        {u"ChApostaEspelho"_s, "QCheckBox", u"Aposta Espelho"_s},
        {u"PainelTimemania"_s, "QGroupBox", u"  TIMEMANIA (Time Coração)"_s},
        {u"ListBox_TimeCoracao"_s, "QListWidget", {}},
        {u"ChAvancaTime"_s, "QCheckBox", u"Distribuir Times"_s},
        {u"PainelMaisMilionaria"_s, "QGroupBox", u"MAIS MILIONÁRIA"_s},
        {u"LabelQdeTrevos"_s, "QLabel", u"Qde Trevos : 0"_s},
        {u"chMarcarTrevoMao"_s, "QCheckBox", u"Vou marcar trevos na caneta"_s},
        {u"ref6"_s, "TImagemClicavel", {}},
    };
    for (const TEsperado& Esperado : Controles) {
        SCOPED_TRACE(Esperado.Nome.toStdString());
        const QObject* Encontrado = Form.findChild<QObject*>(Esperado.Nome);
        ASSERT_NE(Encontrado, nullptr);
        EXPECT_TRUE(Encontrado->inherits(Esperado.Classe));
        if (const auto* Botao = qobject_cast<const QAbstractButton*>(Encontrado)) {
            EXPECT_EQ(Botao->text(), Esperado.Texto);
        } else if (const auto* Quadro = qobject_cast<const QGroupBox*>(Encontrado)) {
            EXPECT_EQ(Quadro->title(), Esperado.Texto);
        } else if (!Esperado.Texto.isEmpty()) {
            EXPECT_EQ(qobject_cast<const QLabel*>(Encontrado)->text(), Esperado.Texto);
        }
    }
    for (int Trevo = 1; Trevo <= 6; ++Trevo)
        EXPECT_EQ(Caixa(u"ChTrevo%1"_s.arg(Trevo)).text(), QString::number(Trevo));
    EXPECT_TRUE(Controle<QWidget>(u"TabImpressao"_s).isAncestorOf(&Controle<QWidget>(u"ref6"_s)));
    EXPECT_EQ(Rotulo(u"LabelTrevosFixos"_s), u"Os Trevos Serão Fixos"_s);
}

TEST_F(PaginaImpressaoTest, StartsWithTheDefaultsOfEveryOption) {
    EXPECT_EQ(Texto(u"EditQdeNumPorVolante"_s), u"0"_s);
    EXPECT_EQ(Itens(u"RadioDiaDeSorteMes"_s), De(1, 12));
    EXPECT_EQ(Escolhido(u"RadioDiaDeSorteMes"_s), u"1"_s);
    EXPECT_TRUE(Caixa(u"ChAvancaMes"_s).isChecked());
    EXPECT_TRUE(Caixa(u"ChAvancaTime"_s).isChecked());
    EXPECT_TRUE(Caixa(u"ChAutoIdentificar"_s).isChecked());
    EXPECT_TRUE(Caixa(u"ChAutoIdentificar"_s).isHidden());
    EXPECT_FALSE(Caixa(u"ChVolanteOriginal"_s).isChecked());
    EXPECT_FALSE(Caixa(u"ChDivisao10"_s).isChecked());
    auto& Divisor = Controle<QComboBox>(u"ComboDivisor"_s);
    QStringList Divisores;
    for (int Indice = 0; Indice < Divisor.count(); ++Indice)
        Divisores.append(Divisor.itemText(Indice));
    EXPECT_EQ(Divisores,
              (QStringList{u"3"_s, u"4"_s, u"5"_s, u"7"_s, u"8"_s, u"10"_s, u"11"_s, u"13"_s, u"14"_s}));
    EXPECT_EQ(Divisor.currentText(), u"10"_s);
    EXPECT_EQ(Controle<QLineEdit>(u"EditIdentificacao"_s).maxLength(), 30);

    const auto& Times = Controle<QListWidget>(u"ListBox_TimeCoracao"_s);
    ASSERT_EQ(Times.count(), 80);
    for (int Linha = 0; Linha < Times.count(); ++Linha)
        EXPECT_EQ(Times.item(Linha)->text(), ListaTimesCoracao()[Linha]);
    EXPECT_EQ(Times.item(0)->text(), u"ABC/RN"_s);
    EXPECT_EQ(Times.item(79)->text(), u"Ypiranga/RS"_s);
    EXPECT_TRUE(Times.selectedItems().isEmpty());
}

TEST_F(PaginaImpressaoTest, BeforeAnyClosingThePrepareButtonIsOffAndSaysHowToGetGames) {
    VaiParaImpressao();
    const auto& Botao = Controle<QPushButton>(u"BtnImprimirJogosAgora"_s);
    EXPECT_FALSE(Botao.isEnabled());
    EXPECT_TRUE(Botao.toolTip().contains(u"Importar Jogos"_s));
    EXPECT_TRUE(Controle<QLabel>(u"LabelSemFechamento"_s).isVisible());
    EXPECT_TRUE(Itens(u"RadioModeloImpressao"_s).isEmpty());
    EXPECT_TRUE(Cotas().isEmpty());
    EXPECT_EQ(Controle<QLabel>(u"PainelQDeJogos"_s).text(), u"0 Jogos"_s);
    EXPECT_TRUE(Controle<QLabel>(u"ImagemOkMaster"_s).isHidden());
    EXPECT_TRUE(Controle<QLabel>(u"ImagemError"_s).isHidden());

    MostraFechamento(u"Quina"_s, 5, Jogos(2, 5));
    EXPECT_TRUE(Botao.isEnabled());
    EXPECT_FALSE(Controle<QLabel>(u"LabelSemFechamento"_s).isVisible());
}

TEST_F(PaginaImpressaoTest, ShowsTheCurrentClosingWithItsSummary) {
    MostraFechamento(u"Lotofacil"_s, 15, JogosDeLotofacil(1234), u"  Bolão da firma  "_s);
    EXPECT_EQ(Texto(u"EditTituloFechamento"_s), DM.Fechamento(0).Titulo);
    EXPECT_EQ(Texto(u"EditModalidade"_s), u"Lotofacil"_s);
    EXPECT_EQ(Texto(u"EditQdeNumPorVolante"_s), u"15"_s);
    EXPECT_EQ(Texto(u"DBEdit3"_s), DM.Fechamento(0).NumerosDoFechamento);
    EXPECT_EQ(Controle<QLabel>(u"PainelQDeJogos"_s).text(), u"1.234 Jogos"_s);
    EXPECT_EQ(Controle<QLabel>(u"PainelQdeNumVolante"_s).text(), u"15 Núm. Volante"_s);
    EXPECT_EQ(Texto(u"EditIdentificacao"_s), DM.Fechamento(0).Titulo.trimmed().left(30));
    EXPECT_EQ(Controle<QLabel>(u"ImagemOkMaster"_s).isHidden(), !DM.FiltroMasterAtivo());
    EXPECT_EQ(Controle<QLabel>(u"ImagemError"_s).isHidden(), DM.FiltroMasterAtivo());

    // A typed identification stays until the box is ticked again.
    Caixa(u"ChAutoIdentificar"_s).setChecked(false);
    Controle<QLineEdit>(u"EditIdentificacao"_s).setText(u"Loja 7"_s);
    VaiPara(u"TabJogo"_s);
    VaiParaImpressao();
    EXPECT_EQ(Texto(u"EditIdentificacao"_s), u"Loja 7"_s);
    Caixa(u"ChAutoIdentificar"_s).setChecked(true);
    EXPECT_EQ(Texto(u"EditIdentificacao"_s), DM.Fechamento(0).Titulo.trimmed().left(30));
}

TEST_F(PaginaImpressaoTest, ChoicesAreRebuiltOnlyForAnotherGameOrNumberCount) {
    MostraFechamento(u"Mega-sena"_s, 6, Jogos(3, 6));
    EXPECT_EQ(Itens(u"RadioModeloImpressao"_s), (QStringList{u"2020"_s, u"Mega da Virada 2020"_s}));
    EXPECT_EQ(Escolhido(u"RadioModeloImpressao"_s), u"2020"_s);

    MostraFechamento(u"Quina"_s, 5, Jogos(2, 5));
    EXPECT_EQ(Itens(u"RadioModeloImpressao"_s), (QStringList{u"2023"_s, u"Quina S.João 2023"_s}));
    Escolhe(u"RadioModeloImpressao"_s, u"Quina S.João 2023"_s);
    Escolhe(u"RadioSurpresinha"_s, u"8"_s);
    EscolheCotas(u"4"_s);

    // Back to the same Quina closing: the earlier choices stay.
    VaiPara(u"TabJogo"_s);
    VaiParaImpressao();
    EXPECT_EQ(Escolhido(u"RadioModeloImpressao"_s), u"Quina S.João 2023"_s);
    EXPECT_EQ(Escolhido(u"RadioSurpresinha"_s), u"8"_s);
    EXPECT_EQ(Controle<QComboBox>(u"ComboBolao"_s).currentText(), u"4"_s);

    // The same game with another number count is rebuilt.
    MostraFechamento(u"Quina"_s, 6, Jogos(2, 6));
    EXPECT_EQ(Escolhido(u"RadioModeloImpressao"_s), u"2023"_s);
    EXPECT_EQ(Controle<QComboBox>(u"ComboBolao"_s).currentText(), u"0"_s);
}

TEST_F(PaginaImpressaoTest, LotofacilAndDuplaSenaAreRebuiltEveryTimeThePageIsShown) {
    for (const auto& [Item, Qde, Segundo] : {std::tuple{u"Lotofacil"_s, 15, u"Mod 2023 Indep"_s},
                                             std::tuple{u"Dupla-Sena"_s, 6, u"Modelo Páscoa 2020"_s}}) {
        SCOPED_TRACE(Item.toStdString());
        MostraFechamento(Item, Qde, Item == u"Lotofacil"_s ? JogosDeLotofacil(2) : Jogos(2, Qde));
        Escolhe(u"RadioModeloImpressao"_s, Segundo);
        VaiPara(u"TabJogo"_s);
        VaiParaImpressao();
        EXPECT_EQ(Radio(u"RadioModeloImpressao"_s).ItemIndex(), 0);
    }
}

TEST_F(PaginaImpressaoTest, MaisMilionariaStartsOnItsSecondModel) {
    MostraFechamento(u"Mais Milionária"_s, 6, Jogos(2, 6));
    EXPECT_EQ(Itens(u"RadioModeloImpressao"_s), (QStringList{u"Modelo 2022"_s, u"Modelo 2023"_s}));
    EXPECT_EQ(Escolhido(u"RadioModeloImpressao"_s), u"Modelo 2023"_s);
    EXPECT_EQ(Itens(u"RadioQdeJogosPorVolante"_s), (QStringList{u"1"_s, u"2"_s}));
}

TEST_F(PaginaImpressaoTest, ChosenModelRefillsItsOptionsWithTheMostGamesPerSlipSelected) {
    MostraFechamento(u"Quina"_s, 5, Jogos(2, 5));
    EXPECT_EQ(Itens(u"RadioQdeJogosPorVolante"_s), De(1, 3));
    EXPECT_EQ(Escolhido(u"RadioQdeJogosPorVolante"_s), u"3"_s);
    EXPECT_EQ(Itens(u"RadioSurpresinha"_s), De(0, 7));
    EXPECT_EQ(Escolhido(u"RadioSurpresinha"_s), u"0"_s);
    EXPECT_EQ(Itens(u"RadioTeimosinha"_s), (QStringList{u"0"_s, u"3"_s, u"6"_s, u"12"_s, u"18"_s, u"24"_s}));
    EXPECT_EQ(Escolhido(u"RadioTeimosinha"_s), u"0"_s);

    Escolhe(u"RadioModeloImpressao"_s, u"Quina S.João 2023"_s);
    EXPECT_EQ(Itens(u"RadioQdeJogosPorVolante"_s), De(1, 2));
    EXPECT_EQ(Escolhido(u"RadioQdeJogosPorVolante"_s), u"2"_s);
    EXPECT_EQ(Itens(u"RadioSurpresinha"_s), De(0, 8));
    EXPECT_EQ(Itens(u"RadioTeimosinha"_s), QStringList{u"0"_s});
}

TEST_F(PaginaImpressaoTest, ChosenModelShowsItsThumbnailFoundByNameWhateverTheCase) {
    MostraFechamento(u"Mega-sena"_s, 6, Jogos(3, 6));
    const auto& Flutuante = Controle<QLabel>(u"ImagemFlutuante"_s);
    auto& Mega = Controle<QLabel>(u"Imagem_Megasena_2018"_s);
    auto& Virada = Controle<QLabel>(u"Imagem_MegasenaVirada_2023"_s);
    EXPECT_FALSE(Mega.isHidden());
    EXPECT_TRUE(Virada.isHidden());
    EXPECT_EQ(Flutuante.pixmap().toImage(), Mega.pixmap().toImage());

    // The window's picture may be spelled in another case than the model's thumbnail name.
    Virada.setObjectName(u"imagem_MEGASENAvirada_2023"_s);
    Escolhe(u"RadioModeloImpressao"_s, u"Mega da Virada 2020"_s);
    EXPECT_TRUE(Mega.isHidden());
    EXPECT_FALSE(Virada.isHidden());
    EXPECT_EQ(Flutuante.pixmap().toImage(), Virada.pixmap().toImage());
    // Help and status pictures stay.
    EXPECT_FALSE(Controle<QLabel>(u"ref6"_s).isHidden());
    EXPECT_FALSE(Flutuante.isHidden());
}

TEST_F(PaginaImpressaoTest, QuotaListRunsFromTwoUpToTheCeilingOfTheGameAndNumberCount) {
    struct TCaso {
        QString Item;
        int QdeNumeros;
        int Teto; // highest quota offered; below 2 only "0" is offered
    };
    const TCaso Casos[] = {
        {u"Mega-sena"_s, 6, 8},      {u"Mega-sena"_s, 7, 50},       {u"Mega-sena"_s, 15, 100},
        {u"Lotofacil"_s, 15, 7},     {u"Lotofacil"_s, 16, 35},      {u"Lotofacil"_s, 17, 40},
        {u"Lotofacil"_s, 18, 50},    {u"Lotofacil"_s, 19, 85},      {u"Lotofacil"_s, 20, 100},
        {u"Dia de Sorte"_s, 7, 8},   {u"Dia de Sorte"_s, 8, 20},    {u"Dia de Sorte"_s, 9, 25},
        {u"Dia de Sorte"_s, 10, 50}, {u"Dia de Sorte"_s, 11, 60},   {u"Dia de Sorte"_s, 13, 60},
        {u"Dia de Sorte"_s, 14, 60}, {u"Dia de Sorte"_s, 15, 60},   {u"Quina"_s, 5, 7},
        {u"Quina"_s, 6, 25},         {u"Quina"_s, 10, 50},          {u"Dupla-Sena"_s, 6, 10},
        {u"Dupla-Sena"_s, 8, 50},    {u"Mais Milionária"_s, 6, 84}, {u"Mais Milionária"_s, 12, 100},
        {u"Timemania"_s, 10, 9},     {u"Lotomania"_s, 50, 0},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(Caso.Item.toStdString() + " " + std::to_string(Caso.QdeNumeros));
        const int Primeiro = Caso.Item == u"Lotomania"_s ? 0 : 1;
        MostraFechamento(Caso.Item, Caso.QdeNumeros, {Jogo(Caso.QdeNumeros, Primeiro)});
        QStringList Esperadas{u"0"_s};
        Esperadas += De(2, Caso.Teto);
        EXPECT_EQ(Cotas(), Esperadas);
        EXPECT_EQ(Controle<QComboBox>(u"ComboBolao"_s).currentText(), u"0"_s);
    }
}

TEST_F(PaginaImpressaoTest, ExtrasPanelShowsOnlyThePanelOfTheClosingsGame) {
    struct TCaso {
        QString Item;
        int QdeNumeros;
        QString Painel; // empty: only the heading
    };
    const TCaso Casos[] = {
        {u"Dia de Sorte"_s, 7, u"PainelDiaDeSorte"_s},
        {u"Lotomania"_s, 50, u"PainelLotomania"_s},
        {u"Timemania"_s, 10, u"PainelTimemania"_s},
        {u"Mais Milionária"_s, 6, u"PainelMaisMilionaria"_s},
        {u"Quina"_s, 5, {}},
    };
    const QStringList Paineis = {u"PainelDiaDeSorte"_s, u"PainelLotomania"_s, u"PainelTimemania"_s,
                                 u"PainelMaisMilionaria"_s};
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(Caso.Item.toStdString());
        MostraFechamento(Caso.Item, Caso.QdeNumeros,
                         {Jogo(Caso.QdeNumeros, Caso.Item == u"Lotomania"_s ? 0 : 1)});
        for (const QString& Painel : Paineis)
            EXPECT_EQ(Controle<QGroupBox>(Painel).isVisible(), Painel == Caso.Painel) << Painel.toStdString();
        EXPECT_TRUE(Controle<QGroupBox>(u"PainelConfiguracoesExtra"_s).isVisible());
        EXPECT_EQ(Controle<QLabel>(u"LabelSemExtras"_s).isVisible(), Caso.Painel.isEmpty());
    }
    // The month belongs to the first Dia de Sorte model only.
    MostraFechamento(u"Dia de Sorte"_s, 8, {Jogo(8)});
    Escolhe(u"RadioModeloImpressao"_s, u"2024"_s);
    EXPECT_FALSE(Controle<QGroupBox>(u"PainelDiaDeSorte"_s).isVisible());
    Escolhe(u"RadioModeloImpressao"_s, u"2020"_s);
    EXPECT_TRUE(Controle<QGroupBox>(u"PainelDiaDeSorte"_s).isVisible());
}

TEST_F(PaginaImpressaoTest, CloverLabelCountsAndListsTheTickedClovers) {
    MostraFechamento(u"Mais Milionária"_s, 6, Jogos(2, 6));
    MarcaTrevos({3, 1});
    EXPECT_EQ(Rotulo(u"LabelQdeTrevos"_s), u"Qde Trevos : 2 (1 3)"_s);
    MarcaTrevos({1, 3});
    EXPECT_EQ(Rotulo(u"LabelQdeTrevos"_s), u"Qde Trevos : 0"_s);
}

TEST_F(PaginaImpressaoTest, PrepareBuildsTheQueueAndHandsTheChoicesToThePrintManager) {
    MostraFechamento(u"Mega-sena"_s, 6, Jogos(7, 6), u"Família"_s);
    Escolhe(u"RadioSurpresinha"_s, u"2"_s);
    EscolheCotas(u"5"_s);
    Prepara();
    EXPECT_TRUE(Mensagens().isEmpty()) << Mensagens().join(u" / "_s).toStdString();
    ASSERT_TRUE(Escolhas.has_value());
    // 3 games per slip, 3 slips per A4 page.
    EXPECT_EQ(FolhasAoAbrir, 3);
    EXPECT_EQ(Folha(0).Jogo[0], Jogo(6, 1));
    EXPECT_EQ(Folha(2).Jogo[0], Jogo(6, 7));
    EXPECT_EQ(Folha(2).NumPagina, 1);
    EXPECT_EQ(Folha(2).UltimoDaPagina, 7);

    EXPECT_EQ(Escolhas->TituloFechamento, u"Família"_s);
    EXPECT_EQ(Escolhas->NomeModalidade, u"Mega-Sena"_s);
    EXPECT_EQ(Escolhas->LayoutIndex, 0);
    EXPECT_EQ(Escolhas->NomeLayout, u"2020"_s);
    EXPECT_EQ(Escolhas->QdeNumPorVolante, 6);
    EXPECT_EQ(Escolhas->QdeJogos, 7);
    EXPECT_EQ(Escolhas->QdeJogosPorVolante, 3);
    EXPECT_EQ(Escolhas->QdeSurpresinha, 2);
    EXPECT_EQ(Escolhas->QdeTeimosinha, 0);
    EXPECT_EQ(Escolhas->QdeBolao, 5);
    EXPECT_EQ(Escolhas->IndiceTimeCoracao, -1);
    EXPECT_FALSE(Escolhas->VolanteOriginal);
    EXPECT_EQ(Escolhas->NomeIdentificacao, u"Família"_s);
    EXPECT_FALSE(Escolhas->ImagemFlutuante.isNull());

    // On the real slip every slip is a page of its own; pool groups close a slip early.
    Caixa(u"ChVolanteOriginal"_s).setChecked(true);
    Caixa(u"ChDivisao10"_s).setChecked(true);
    Controle<QComboBox>(u"ComboDivisor"_s).setCurrentText(u"4"_s);
    Prepara();
    ASSERT_TRUE(Escolhas.has_value());
    EXPECT_TRUE(Escolhas->VolanteOriginal);
    ASSERT_EQ(Folhas(), 3);
    EXPECT_EQ(Folha(1).Jogo[0], Jogo(6, 4));
    EXPECT_TRUE(Folha(1).Jogo[1].isEmpty());
    EXPECT_EQ(Folha(2).NumPagina, 3);
}

TEST_F(PaginaImpressaoTest, ChangingAnOptionThatShapesTheQueueEmptiesIt) {
    MostraFechamento(u"Dia de Sorte"_s, 7, Jogos(4, 7));
    const std::function<void()> Mudancas[] = {
        [this] { Escolhe(u"RadioQdeJogosPorVolante"_s, u"1"_s); },
        [this] { Escolhe(u"RadioDiaDeSorteMes"_s, u"5"_s); },
        [this] { Escolhe(u"RadioModeloImpressao"_s, u"2024"_s); },
        [this] { EscolheTime(u"Bahia/BA"_s); },
        [this] { VaiPara(u"TabJogo"_s); },
    };
    for (const auto& Muda : Mudancas) {
        VaiParaImpressao();
        Escolhe(u"RadioModeloImpressao"_s, u"2020"_s);
        Prepara();
        ASSERT_GT(Folhas(), 0);
        Muda();
        EXPECT_EQ(Folhas(), 0);
    }
}

TEST_F(PaginaImpressaoTest, DiaDeSorteMonthsAndLotomaniaMirrorReachTheQueue) {
    MostraFechamento(u"Dia de Sorte"_s, 7, Jogos(4, 7));
    Escolhe(u"RadioQdeJogosPorVolante"_s, u"1"_s);
    Escolhe(u"RadioDiaDeSorteMes"_s, u"11"_s);
    Prepara();
    ASSERT_EQ(Folhas(), 4);
    const int Meses[] = {11, 12, 1, 2};
    for (int Linha = 0; Linha < 4; ++Linha)
        EXPECT_EQ(Folha(Linha).MesJogo[0], Meses[Linha]);

    MostraFechamento(u"Lotomania"_s, 50, {Jogo(50, 0), Jogo(50, 10)});
    Caixa(u"ChApostaEspelho"_s).setChecked(true);
    Prepara();
    ASSERT_EQ(Folhas(), 1);
    EXPECT_EQ(Folha(0).Espelho[0], 1);
    EXPECT_EQ(Folha(0).Espelho[1], 1);
}

TEST_F(PaginaImpressaoTest, TimemaniaIsRefusedWithoutAClubAndHandsOutClubsFromTheChosenOne) {
    MostraFechamento(u"Timemania"_s, 10, Jogos(3, 10));
    Prepara();
    EXPECT_EQ(Mensagens(), QStringList{u"Favor Escolher um Time do Coração"_s});
    EXPECT_EQ(Dialogos.Mostradas().first().Tipo, TTipoMensagem::Erro);
    EXPECT_FALSE(Escolhas.has_value());
    EXPECT_EQ(Folhas(), 0);

    EscolheTime(u"Bahia/BA"_s);
    Prepara();
    EXPECT_TRUE(Mensagens().isEmpty());
    ASSERT_TRUE(Escolhas.has_value());
    EXPECT_EQ(Escolhas->IndiceTimeCoracao, 11);
    ASSERT_EQ(Folhas(), 3);
    EXPECT_EQ(Folha(0).TimeCoracaoJogo[0], 12);
    EXPECT_EQ(Folha(1).TimeCoracaoJogo[0], 13);

    Caixa(u"ChAvancaTime"_s).setChecked(false);
    Prepara();
    EXPECT_EQ(Folha(2).TimeCoracaoJogo[0], 12);
}

TEST_F(PaginaImpressaoTest, MaisMilionariaNeedsTwoCloversAndCarriesTheirText) {
    MostraFechamento(u"Mais Milionária"_s, 6, Jogos(3, 6));
    MarcaTrevos({4});
    Prepara();
    EXPECT_EQ(Mensagens(), QStringList{u"Você deve escolher pelo menos 2 trevos para validar a impressão"_s});
    EXPECT_EQ(Dialogos.Mostradas().first().Tipo, TTipoMensagem::Erro);
    EXPECT_FALSE(Escolhas.has_value());
    EXPECT_EQ(Folhas(), 0);

    MarcaTrevos({4, 6, 2, 5});
    Prepara();
    EXPECT_TRUE(Mensagens().isEmpty());
    ASSERT_TRUE(Escolhas.has_value());
    EXPECT_EQ(Escolhas->QdeTrevo, 3);
    EXPECT_FALSE(Escolhas->MarcarTrevoMao);
    ASSERT_EQ(Folhas(), 2);
    EXPECT_EQ(Folha(0).Trevo[0], u"2 5 6"_s);
    EXPECT_EQ(Folha(0).Trevo[1], u"2 5 6"_s);
    EXPECT_EQ(Folha(1).Trevo[0], u"2 5 6"_s);

    // Clovers marked by hand: a reminder, and the print goes on.
    Caixa(u"chMarcarTrevoMao"_s).setChecked(true);
    Prepara();
    EXPECT_EQ(Mensagens(),
              QStringList{u"Tenha em mente que você marcou para que não seja impresso o trevo na "
                          u"impressão do volante, logo você vai precisar marcar na caneta."_s});
    ASSERT_TRUE(Escolhas.has_value());
    EXPECT_TRUE(Escolhas->MarcarTrevoMao);
}

TEST_F(PaginaImpressaoTest, MaisMilionariaPagesHoldTheSlipsTheirPageFormatPrints) {
    // Five games two to a slip: three slips, numbered by the pages the chosen format prints.
    struct TCaso {
        QString Modelo;
        bool VolanteOriginal;
        QList<int> Paginas;
    };
    const TCaso Casos[] = {
        {u"Modelo 2023"_s, false, {1, 1, 1}}, // three across a landscape A4 sheet
        {u"Modelo 2023"_s, true, {1, 2, 3}},
        {u"Modelo 2022"_s, false, {1, 1, 2}}, // two one above the other on a portrait A4 sheet
        {u"Modelo 2022"_s, true, {1, 2, 3}},
    };
    MostraFechamento(u"Mais Milionária"_s, 6, Jogos(5, 6));
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(Caso.Modelo.toStdString() + (Caso.VolanteOriginal ? ", volante original" : ", A4"));
        Escolhe(u"RadioModeloImpressao"_s, Caso.Modelo);
        Escolhe(u"RadioQdeJogosPorVolante"_s, u"2"_s);
        Caixa(u"ChVolanteOriginal"_s).setChecked(Caso.VolanteOriginal);
        MarcaTrevos({1, 2});
        Prepara();
        ASSERT_TRUE(Escolhas.has_value()) << Mensagens().join(u" / "_s).toStdString();
        QList<int> Paginas;
        for (int Linha = 0; Linha < Folhas(); ++Linha)
            Paginas.append(Folha(Linha).NumPagina);
        EXPECT_EQ(Paginas, Caso.Paginas);
        VaiPara(u"TabJogo"_s); // unticks the clovers
        VaiParaImpressao();
    }
}

TEST_F(PaginaImpressaoTest, EveryRefusalOfTheRulesIsShownInOrderAndNothingIsBuilt) {
    struct TCaso {
        QString Item;
        int QdeNumeros;
        QString Modelo;
        QString Teimosinha;
        QStringList Mensagens;
    };
    const QString BolaoComTeimosinha = u"Esta Modalidade Não Permite Bolão com Teimosinha"_s;
    const TCaso Casos[] = {
        {u"Mega-sena"_s,
         16,
         u"2020"_s,
         u"2"_s,
         {BolaoComTeimosinha,
          u"O Cartelim não está configurado para Impressão da Mega com 16 ou mais dezenas por volante."_s}},
        {u"Timemania"_s,
         10,
         u"2024 NOVO"_s,
         u"3"_s,
         {BolaoComTeimosinha, u"Favor Escolher um Time do Coração"_s}},
        {u"Quina"_s, 5, u"2023"_s, u"3"_s, {BolaoComTeimosinha}},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(Caso.Item.toStdString());
        MostraFechamento(Caso.Item, Caso.QdeNumeros, {Jogo(Caso.QdeNumeros)});
        Escolhe(u"RadioModeloImpressao"_s, Caso.Modelo);
        Escolhe(u"RadioTeimosinha"_s, Caso.Teimosinha);
        EscolheCotas(u"2"_s);
        Prepara();
        EXPECT_EQ(Mensagens(), Caso.Mensagens);
        for (const TMensagem& Mensagem : Dialogos.Mostradas())
            EXPECT_EQ(Mensagem.Tipo, TTipoMensagem::Erro);
        EXPECT_FALSE(Escolhas.has_value());
        EXPECT_EQ(Folhas(), 0);
    }
    // The other Mega-Sena model takes 16 numbers.
    MostraFechamento(u"Mega-sena"_s, 16, {Jogo(16)});
    Escolhe(u"RadioModeloImpressao"_s, u"Mega da Virada 2020"_s);
    Prepara();
    EXPECT_TRUE(Mensagens().isEmpty());
    EXPECT_TRUE(Escolhas.has_value());
}

TEST_F(PaginaImpressaoTest, MakerAccountsAreRemindedOfAMissingPoolAndTheMarketplaceAdvancesPerGroup) {
    Controle<QLineEdit>(u"EditEmail"_s).setText(ContaMarketplace());
    MostraFechamento(u"Dia de Sorte"_s, 7, Jogos(4, 7));
    Escolhe(u"RadioDiaDeSorteMes"_s, u"11"_s);
    Caixa(u"ChDivisao10"_s).setChecked(true);
    Controle<QComboBox>(u"ComboDivisor"_s).setCurrentText(u"3"_s);
    Prepara();
    EXPECT_EQ(Mensagens(), QStringList{u"Cota = 0 => Verificar..."_s});
    EXPECT_EQ(Dialogos.Mostradas().first().Tipo, TTipoMensagem::Informacao);
    ASSERT_TRUE(Escolhas.has_value());
    EXPECT_EQ(Escolhas->EmailLogin, ContaMarketplace());
    ASSERT_EQ(Folhas(), 2);
    EXPECT_EQ(Folha(0).MesJogo[0], 11);
    EXPECT_EQ(Folha(0).MesJogo[2], 11);
    EXPECT_EQ(Folha(1).MesJogo[0], 12);

    Controle<QLineEdit>(u"EditEmail"_s).setText(ContaOperadorDeBolao());
    EscolheCotas(u"2"_s);
    Prepara();
    EXPECT_TRUE(Mensagens().isEmpty());
    // Not the marketplace: the month advances with every game.
    EXPECT_EQ(Folha(0).MesJogo[1], 12);

    Controle<QLineEdit>(u"EditEmail"_s).setText(u"alguem@exemplo.com.br"_s);
    EscolheCotas(u"0"_s);
    Prepara();
    EXPECT_TRUE(Mensagens().isEmpty());
}

TEST_F(PaginaImpressaoTest, ChangingPageEmptiesTheQueueAndUnticksTheClovers) {
    ImportaFechamento(u"Mais Milionária"_s, 6, {Jogo(6) + u" | Trevos : 1 4"_s, Jogo(6, 2)});
    VaiParaImpressao();
    EXPECT_TRUE(Mensagens().isEmpty());
    EXPECT_EQ(Rotulo(u"LabelQdeTrevos"_s), u"Qde Trevos : 0"_s);
    MarcaTrevos({2, 3});
    Prepara();
    ASSERT_GT(Folhas(), 0);

    VaiPara(u"TabJogo"_s);
    EXPECT_EQ(Folhas(), 0);
    EXPECT_EQ(Rotulo(u"LabelQdeTrevos"_s), u"Qde Trevos : 0"_s);
    for (int Trevo = 1; Trevo <= 6; ++Trevo)
        EXPECT_FALSE(Caixa(u"ChTrevo%1"_s.arg(Trevo)).isChecked());
    EXPECT_TRUE(Caixa(u"CheckMask"_s).isHidden());
}

TEST_F(PaginaImpressaoTest, PoolOperatorGetsTheCloversOfTheImportedText) {
    Controle<QLineEdit>(u"EditEmail"_s).setText(ContaOperadorDeBolao());
    ImportaFechamento(u"Mais Milionária"_s, 6, {Jogo(6) + u" | Trevos : 1 4 9"_s, Jogo(6, 2)});
    ASSERT_EQ(Form.TrevosFromTXTOrlandim(), (QList<int>{1, 4, 9}));
    Dialogos.LimpaRegistro();
    VaiParaImpressao();
    EXPECT_EQ(Mensagens(), QStringList{u"Trevos Carregados From TXT"_s});
    EXPECT_EQ(Rotulo(u"LabelQdeTrevos"_s), u"Qde Trevos : 2 (1 4)"_s);

    // Every page change starts over from the text's clovers.
    Caixa(u"ChTrevo2"_s).click();
    VaiPara(u"TabJogo"_s);
    EXPECT_FALSE(Caixa(u"CheckMask"_s).isHidden());
    EXPECT_EQ(Rotulo(u"LabelQdeTrevos"_s), u"Qde Trevos : 0"_s);
    VaiParaImpressao();
    EXPECT_EQ(Rotulo(u"LabelQdeTrevos"_s), u"Qde Trevos : 2 (1 4)"_s);

    // Another game's closing takes no clovers.
    MostraFechamento(u"Quina"_s, 5, {Jogo(5)});
    EXPECT_EQ(Rotulo(u"LabelQdeTrevos"_s), u"Qde Trevos : 0"_s);
}

TEST_F(PaginaImpressaoTest, SummaryPanelsFollowTheMouseInsideTheThumbnailArea) {
    MostraFechamento(u"Quina"_s, 5, {Jogo(5)});
    auto& Painel = Controle<QLabel>(u"PainelQDeJogos"_s);
    const QWidget& Area = *Painel.parentWidget();
    const QPoint Inicio = Painel.pos();
    QTest::mousePress(&Painel, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent Movimento(QEvent::MouseMove, QPointF(25, -35), Painel.mapToGlobal(QPointF(25, -35)),
                          Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&Painel, &Movimento);
    EXPECT_EQ(Painel.pos(), Inicio + QPoint(20, -40));

    QMouseEvent ParaFora(QEvent::MouseMove, QPointF(5000, 5000), Painel.mapToGlobal(QPointF(5000, 5000)),
                         Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&Painel, &ParaFora);
    EXPECT_EQ(Painel.geometry().bottomRight(), QPoint(Area.width() - 1, Area.height() - 1));
    QTest::mouseRelease(&Painel, Qt::LeftButton);
}

// The prepare button as the program runs it: the print manager opens modally on the new queue.
using PaginaImpressaoGerenciadorTest = TJanelaDeTeste;

TEST_F(PaginaImpressaoGerenciadorTest, PrepareOpensThePrintManagerModallyOnTheQueue) {
    ImportaFechamento(u"Quina"_s, 5, {Jogo(5), Jogo(5, 2)}, u"Quina da turma"_s);
    Controle<QTabWidget>(u"PageControl1"_s).setCurrentWidget(&Controle<QWidget>(u"TabImpressao"_s));
    QString Titulo;
    QString TituloDoFechamento;
    int FolhasNaFila = -1;
    QTimer::singleShot(0, [&] {
        QWidget* Modal = QApplication::activeModalWidget();
        ASSERT_NE(Modal, nullptr);
        Titulo = Modal->windowTitle();
        TituloDoFechamento = Modal->findChild<QLineEdit*>(u"EditTituloFechamento"_s)->text();
        FolhasNaFila = DM.CDSImpressao_Temp().QdeRegistros();
        Modal->close();
    });
    Clica(u"BtnImprimirJogosAgora"_s);
    EXPECT_EQ(Titulo, u"Impressão de Jogos"_s);
    EXPECT_EQ(TituloDoFechamento, u"Quina da turma"_s);
    EXPECT_EQ(FolhasNaFila, 1);
}
