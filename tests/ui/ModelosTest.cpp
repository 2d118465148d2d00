// The grid models over the stores, the display mask and the shared control routines.
#include "store/DataModulo.h"
#include "ui/Mascara.h"
#include "ui/ModeloTabela.h"
#include "ui/RadioGroup.h"
#include "ui/ULibJanela.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

QStringList Jogos(int Qde, int Primeiro = 1) {
    QStringList Lista;
    for (int Jogo = Primeiro; Jogo < Primeiro + Qde; ++Jogo)
        Lista.append(u"game %1"_s.arg(Jogo));
    return Lista;
}

TModeloTabela* ModeloDosJogos(const TDM& DM, QObject* Dono) {
    return new TModeloTabela(DM.CDSDetalhe(),
                             {{TCDSDetalhe::CampoIDMaster},
                              {TCDSDetalhe::CampoIDJogo},
                              {TCDSDetalhe::CampoJogo},
                              {TCDSDetalhe::CampoNumBonus, Qt::AlignCenter}},
                             Dono);
}

} // namespace

TEST(ModeloTabela, FollowsInsertionsDeletionsAndTheGamesViewUnderTheModelTester) {
    TDM DM;
    QObject Dono;
    auto* Fechamentos =
        new TModeloTabela(DM.CDSMaster(), {{TCDSMaster::CampoID}, {TCDSMaster::CampoTitulo}}, &Dono);
    auto* JogosDoAtual = ModeloDosJogos(DM, &Dono);
    QAbstractItemModelTester TesteFechamentos(Fechamentos,
                                              QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester TesteJogos(JogosDoAtual, QAbstractItemModelTester::FailureReportingMode::Fatal);
    // Views on top, as in the window, so that selections follow the changes too.
    QTableView VisaoFechamentos;
    VisaoFechamentos.setModel(Fechamentos);
    QTableView VisaoJogos;
    VisaoJogos.setModel(JogosDoAtual);

    DM.AtivaFiltro_MASTER(true);
    DM.InsereRegistroPorStringList(u"Mega-sena"_s, u"um"_s, false, Jogos(5), QString());
    DM.InsereRegistroPorStringList(u"Quina"_s, u"dois"_s, false, Jogos(3, 40), QString());
    EXPECT_EQ(Fechamentos->rowCount(), 2);
    EXPECT_EQ(JogosDoAtual->rowCount(), 3);
    EXPECT_EQ(Fechamentos->index(1, 1).data().toString(), u"dois"_s);

    VisaoJogos.setCurrentIndex(JogosDoAtual->index(2, 0));
    DM.DeletaJogo(2);
    DM.DeletaJogo(0);
    EXPECT_EQ(JogosDoAtual->rowCount(), 1);
    EXPECT_EQ(JogosDoAtual->index(0, 1).data().toString(), u"2"_s);

    DM.MoveParaFechamento(0);
    EXPECT_EQ(JogosDoAtual->rowCount(), 5);
    VisaoFechamentos.setCurrentIndex(Fechamentos->index(0, 0));
    DM.DeletaFechamentoAtual();
    EXPECT_EQ(Fechamentos->rowCount(), 1);
    EXPECT_EQ(JogosDoAtual->rowCount(), 1);
    DM.DeletaFechamentoAtual();
    EXPECT_EQ(Fechamentos->rowCount(), 0);
    EXPECT_EQ(JogosDoAtual->rowCount(), 0);

    // A closing stored while the view is uncoupled shows once the view follows again.
    DM.AtivaFiltro_MASTER(false);
    DM.InsereRegistroPorStringList(u"Dia de Sorte"_s, QString(), false, {u"01 02 03 04 05 06 07 :5"_s},
                                   QString());
    DM.AtivaFiltro_MASTER(true);
    ASSERT_EQ(JogosDoAtual->rowCount(), 1);
    EXPECT_EQ(JogosDoAtual->index(0, 3).data().toString(), u"5"_s);
    EXPECT_EQ(JogosDoAtual->index(0, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
}

TEST(ModeloTabela, NumbersShowAsStoredAndAnEmptyBonusShowsBlank) {
    TDM DM;
    TModeloTabela* Modelo = ModeloDosJogos(DM, &DM);
    DM.AtivaFiltro_MASTER(true);
    const QStringList Muitos = Jogos(1500);
    DM.InsereRegistroPorStringList(u"Mega-sena"_s, QString(), false, Muitos, QString());
    EXPECT_EQ(Modelo->index(Modelo->rowCount() - 1, 1).data().toString(), QString::number(Muitos.size()));
    EXPECT_EQ(Modelo->index(0, 3).data().toString(), QString());
    EXPECT_EQ(Modelo->headerData(2, Qt::Horizontal).toString(), u"Números do Jogo"_s);
}

TEST(ModeloTabela, MaskChangesTheDisplayOfItsFieldOnlyAndTellsTheViews) {
    TDM DM;
    TModeloTabela* Modelo = ModeloDosJogos(DM, &DM);
    DM.AtivaFiltro_MASTER(true);
    DM.InsereRegistroPorStringList(u"Mega-sena"_s, QString(), false, {u"01 02 03 04 05 06"_s}, QString());
    QSignalSpy Mudancas(Modelo, &QAbstractItemModel::dataChanged);
    Modelo->SetMascaraDoCampo(TCDSDetalhe::CampoJogo, MascaraDoJogo.toString());
    EXPECT_EQ(Mudancas.size(), 1);
    EXPECT_EQ(Modelo->index(0, 2).data().toString(), u"01 02 03 .. .. .."_s);
    EXPECT_EQ(Modelo->index(0, 1).data().toString(), u"1"_s);
    Modelo->SetMascaraDoCampo(TCDSDetalhe::CampoJogo, QString());
    EXPECT_EQ(Mudancas.size(), 2);
    EXPECT_EQ(Modelo->index(0, 2).data().toString(), u"01 02 03 04 05 06"_s);
    EXPECT_EQ(DM.Jogo(0).Jogo, u"01 02 03 04 05 06"_s);
}

TEST(AplicaMascara, KeepsTheLeadingNumbersAndShowsTheMaskLiteralsForTheRest) {
    struct TCaso {
        QString Texto;
        QStringView Mascara;
        QString Visivel;
    };
    const TCaso Casos[] = {
        {u"01 02 03 04 05 06"_s, MascaraDoJogo, u"01 02 03 .. .. .."_s},
        {u"01 02 03 04 05 06 07 08 09 10 11 12 13 14 15"_s, MascaraDoJogo, u"01 02 03 .. .. .."_s},
        {u"01 02"_s, MascaraDoJogo, u"01 02 __ .. .. .."_s},
        {QString(), MascaraDoJogo, u"__ __ __ .. .. .."_s},
        {u"01 02 03 04 05 06 07 08 09 10"_s, MascaraDosNumerosDoFechamento, u"01 02 03 04 05 06 .. .. .."_s},
    };
    for (const TCaso& Caso : Casos)
        EXPECT_EQ(AplicaMascara(Caso.Texto, Caso.Mascara), Caso.Visivel) << Caso.Texto.toStdString();
}

TEST(ULibJanela, RadioComboAndGridRoutines) {
    TRadioGroup Radio(u"Modalidade"_s, 4);
    QSignalSpy Cliques(&Radio, &TRadioGroup::Click);
    PreencheRadioModalidades(Radio);
    EXPECT_EQ(Radio.Items().size(), 8);
    EXPECT_EQ(Radio.ItemIndex(), -1);
    Radio.SetItemIndex(7);
    EXPECT_EQ(Radio.TextoSelecionado(), u"Mais Milionária"_s);
    EXPECT_TRUE(Radio.Botao(7)->isChecked());
    Radio.SetItemIndex(7);
    EXPECT_EQ(Cliques.size(), 1);
    Radio.Botao(2)->click();
    EXPECT_EQ(Radio.ItemIndex(), 2);
    EXPECT_EQ(Cliques.size(), 2);
    Radio.SetItemIndex(-1);
    EXPECT_FALSE(Radio.Botao(2)->isChecked());
    EXPECT_EQ(Radio.TextoSelecionado(), QString());

    TRadioGroup Numeros(u"Jogos Por Volante"_s, 3);
    Numeros.SetItems({u"1"_s, u"2"_s, u"3"_s});
    Numeros.SetItemIndex(2);
    EXPECT_EQ(ValorDoRadio(Numeros), 3);

    QComboBox Combo;
    Combo.addItems({u"6"_s, u"7"_s});
    Combo.setCurrentIndex(1);
    EXPECT_EQ(TextoDoCombo(Combo), u"7"_s);

    QTableView Grade;
    MostraBarrasDaGrade(Grade);
    EXPECT_EQ(Grade.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(Grade.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}
