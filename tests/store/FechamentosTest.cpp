#include "store/DataModulo.h"
#include "store/GravadorDeSinais.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

const QString Importado = QStringLiteral("Não");
const QString Baixado = QStringLiteral("Sim");

class FechamentosTest : public testing::Test {
protected:
    // Stores a closing the way the import does: switch off, insert, switch on.
    void Importa(const QStringList& Jogos, const QString& Titulo = QStringLiteral("Bolão"),
                 const QString& Modalidade = QStringLiteral("Mega-Sena"), bool doPortal = false,
                 const QString& NumerosDoFechamento = {}) {
        DM.AtivaFiltro_MASTER(false);
        DM.InsereRegistroPorStringList(Modalidade, Titulo, doPortal, Jogos, NumerosDoFechamento);
        DM.AtivaFiltro_MASTER(true);
    }

    QList<int> IDs() const {
        QList<int> Lista;
        for (int i = 0; i < DM.QdeFechamentos(); ++i)
            Lista << DM.Fechamento(i).ID;
        return Lista;
    }

    TDM DM;
};

TEST_F(FechamentosTest, IdentifiersFollowTheLargestPresent) {
    struct Caso {
        int IndiceApagado;
        int ProximoID;
    };
    for (const Caso C : {Caso{2, 3}, Caso{1, 4}, Caso{0, 4}}) {
        TDM Modulo;
        EXPECT_EQ(Modulo.RetornaProximoID(), 1);
        for (int i = 0; i < 3; ++i)
            Modulo.InsereRegistroPorStringList(QStringLiteral("Quina"), {}, false,
                                               {QStringLiteral("01 02 03 04 05")}, {});
        Modulo.MoveParaFechamento(C.IndiceApagado);
        Modulo.DeletaFechamentoAtual();
        EXPECT_EQ(Modulo.RetornaProximoID(), C.ProximoID) << "deleting closing " << C.IndiceApagado + 1;
        Modulo.InsereRegistroPorStringList(QStringLiteral("Quina"), {}, false,
                                           {QStringLiteral("01 02 03 04 05")}, {});
        EXPECT_EQ(Modulo.Fechamento(Modulo.QdeFechamentos() - 1).ID, C.ProximoID);
    }
}

TEST_F(FechamentosTest, EmptyListStoresNothingAndLeavesTheStoresClosed) {
    TGravadorDeSinais Sinais(DM);
    DM.InsereRegistroPorStringList(QStringLiteral("Mega-Sena"), QStringLiteral("Nada"), false, {}, {});
    EXPECT_FALSE(DM.CDSMaster().Aberto());
    EXPECT_FALSE(DM.CDSDetalhe().Aberto());
    EXPECT_EQ(DM.QdeFechamentos(), 0);
    EXPECT_EQ(DM.IndiceFechamentoAtual(), -1);
    EXPECT_TRUE(Sinais.Linhas.isEmpty()) << Sinais.Linhas.join(u'\n').toStdString();

    DM.CriaCDS();
    EXPECT_TRUE(DM.CDSMaster().Aberto());
    EXPECT_TRUE(DM.CDSDetalhe().Aberto());
    DM.InsereRegistroPorStringList(QStringLiteral("Mega-Sena"), QStringLiteral("Nada"), false, {}, {});
    EXPECT_EQ(DM.QdeFechamentos(), 0);
}

TEST_F(FechamentosTest, EntrySplitsIntoGameAndBonus) {
    struct Caso {
        QString Entrada;
        QString Jogo;
        std::optional<int> NumBonus;
    };
    const Caso Casos[] = {
        {QStringLiteral("01 02 03 04 05 06 07 :3"), QStringLiteral("01 02 03 04 05 06 07"), 3},
        {QStringLiteral("01 02 03"), QStringLiteral("01 02 03"), std::nullopt},
        // Without a colon the entry is kept exactly as it came.
        {QStringLiteral(" 01 02 03 "), QStringLiteral(" 01 02 03 "), std::nullopt},
        {QStringLiteral(" 01 02 : 12 "), QStringLiteral("01 02"), 12},
        {QStringLiteral("01 02 :"), QStringLiteral("01 02"), std::nullopt},
        {QStringLiteral(":5"), QString(), 5},
        // A bonus that is not an integer leaves the bonus empty; the game is stored all the same.
        {QStringLiteral("01 02 :x"), QStringLiteral("01 02"), std::nullopt},
        {QStringLiteral("01 02 :3:4"), QStringLiteral("01 02"), std::nullopt},
        {QStringLiteral("01 02 :99999999999"), QStringLiteral("01 02"), std::nullopt},
    };
    QStringList Entradas;
    for (const Caso& C : Casos)
        Entradas << C.Entrada;
    Importa(Entradas);

    ASSERT_EQ(DM.QdeJogos(), int(std::size(Casos)));
    for (int i = 0; i < DM.QdeJogos(); ++i) {
        const TRegistroDetalhe Jogo = DM.Jogo(i);
        EXPECT_EQ(Jogo.IDMaster, 1);
        EXPECT_EQ(Jogo.IDJogo, i + 1);
        EXPECT_EQ(Jogo.Jogo, Casos[i].Jogo) << Casos[i].Entrada.toStdString();
        EXPECT_EQ(Jogo.NumBonus, Casos[i].NumBonus) << Casos[i].Entrada.toStdString();
    }
    EXPECT_EQ(DM.Fechamento(0).QdeJogos, int(std::size(Casos)));
}

TEST_F(FechamentosTest, ClosingRecordDerivesItsNumbers) {
    Importa({QStringLiteral("05 10 20"), QStringLiteral("10 20 33")}, QStringLiteral("  Meu título  "),
            QStringLiteral("megasena"));
    const TRegistroMaster& F = DM.Fechamento(0);
    EXPECT_EQ(F.ID, 1);
    EXPECT_EQ(F.Modalidade, QStringLiteral("Mega-Sena"));
    EXPECT_EQ(F.Titulo, QStringLiteral("  Meu título  "));
    EXPECT_EQ(F.NumerosDoFechamento, QStringLiteral("05 10 20 33"));
    EXPECT_EQ(F.QdeTotalNumFechamento, 4);
    EXPECT_EQ(F.QdeNumPorJogo, 3);
    EXPECT_EQ(F.QdeJogos, 2);
    EXPECT_EQ(F.DoPortalVip, Importado);
}

TEST_F(FechamentosTest, ClosingNumbersComeFromEveryGameButNotTheBonus) {
    struct Caso {
        QStringList Jogos;
        QString Numeros;
        int QdeNumPorJogo;
    };
    const Caso Casos[] = {
        {{QStringLiteral("01 02 03 04 05 06 07 :12"), QStringLiteral("02 03 04 05 06 07 08 :1")},
         QStringLiteral("01 02 03 04 05 06 07 08"),
         7},
        {{QStringLiteral("60 05 33"), QStringLiteral("  05  60 ")}, QStringLiteral("05 33 60"), 3},
        // Pieces that are not two-digit numbers still reach the ordering: '123' holds 12 and 23.
        {{QStringLiteral("5 07"), QStringLiteral("07 123")}, QStringLiteral("07 12 23"), 2},
    };
    for (const Caso& C : Casos) {
        Importa(C.Jogos, {}, QStringLiteral("Dia de Sorte"));
        const TRegistroMaster& F = DM.Fechamento(DM.IndiceFechamentoAtual());
        EXPECT_EQ(F.NumerosDoFechamento, C.Numeros);
        EXPECT_EQ(F.QdeNumPorJogo, C.QdeNumPorJogo);
        EXPECT_EQ(F.Modalidade, QStringLiteral("Dia de Sorte"));
    }
}

TEST_F(FechamentosTest, PortalClosingKeepsItsOwnNumbers) {
    Importa({QStringLiteral("01 02 03 04 05 06")}, QStringLiteral("Portal"), QStringLiteral("MEGA-SENA"),
            true, QStringLiteral("  01 02 03 04 05 06 07  "));
    EXPECT_EQ(DM.Fechamento(0).NumerosDoFechamento, QStringLiteral("01 02 03 04 05 06 07"));
    EXPECT_EQ(DM.Fechamento(0).QdeTotalNumFechamento, 7);
    EXPECT_EQ(DM.Fechamento(0).DoPortalVip, Baixado);
}

TEST_F(FechamentosTest, DeletingDownloadedClosingsKeepsImportedOnes) {
    Importa({QStringLiteral("01 02 03 04 05 06")});
    Importa({QStringLiteral("07 08 09 10 11 12"), QStringLiteral("13 14 15 16 17 18")}, {}, {}, true);
    Importa({QStringLiteral("19 20 21 22 23 24")});
    Importa({QStringLiteral("25 26 27 28 29 30")}, {}, {}, true);
    ASSERT_EQ(DM.CDSDetalhe().QdeTotal(), 5);

    DM.DeletaFechamento(Baixado);
    EXPECT_EQ(IDs(), (QList<int>{1, 3}));
    EXPECT_EQ(DM.CDSDetalhe().QdeTotal(), 2);
    EXPECT_EQ(DM.IndiceFechamentoAtual(), 1);
    ASSERT_EQ(DM.QdeJogos(), 1);
    EXPECT_EQ(DM.Jogo(0).Jogo, QStringLiteral("19 20 21 22 23 24"));

    DM.DeletaFechamento(QStringLiteral("sim")); // exact comparison: nothing matches
    EXPECT_EQ(IDs(), (QList<int>{1, 3}));
}

TEST_F(FechamentosTest, DeletingTheLastClosingDisablesTheButtons) {
    Importa({QStringLiteral("01 02 03 04 05 06"), QStringLiteral("01 02 03 04 05 07")});
    TGravadorDeSinais Sinais(DM);
    DM.DeletaFechamentoAtual();
    EXPECT_EQ(Sinais.Linhas, (QStringList{
                                 QStringLiteral("Detalhe remove 0-1"),
                                 QStringLiteral("Detalhe removidas"),
                                 QStringLiteral("Master remove 0-0"),
                                 QStringLiteral("Master removidas"),
                                 QStringLiteral("Atual -1"),
                                 QStringLiteral("Detalhe reinicia"),
                                 QStringLiteral("Detalhe reiniciada"),
                                 QStringLiteral("Status ' Master : 0 => Qde Jogos : 0' botoes off"),
                             }));
    EXPECT_EQ(DM.IDFechamentoAtual(), 0);
    EXPECT_EQ(DM.CDSDetalhe().QdeTotal(), 0);
    DM.DeletaFechamentoAtual(); // nothing left: no effect
    EXPECT_EQ(DM.QdeFechamentos(), 0);
}

TEST_F(FechamentosTest, DeletingTheCurrentClosingSelectsTheNextOrThePrevious) {
    for (const QString& Jogo :
         {QStringLiteral("01 02 03"), QStringLiteral("04 05 06"), QStringLiteral("07 08 09")})
        Importa({Jogo});
    DM.MoveParaFechamento(1);
    DM.DeletaFechamentoAtual();
    EXPECT_EQ(IDs(), (QList<int>{1, 3}));
    EXPECT_EQ(DM.IDFechamentoAtual(), 3);
    EXPECT_EQ(DM.Jogo(0).Jogo, QStringLiteral("07 08 09"));
    DM.DeletaFechamentoAtual();
    EXPECT_EQ(DM.IDFechamentoAtual(), 1);
    EXPECT_EQ(DM.Jogo(0).Jogo, QStringLiteral("01 02 03"));
}

TEST_F(FechamentosTest, ViewFollowsTheCurrentClosingOnlyWhileTheSwitchIsOn) {
    EXPECT_FALSE(DM.FiltroMasterAtivo());
    Importa({QStringLiteral("01 02 03"), QStringLiteral("04 05 06")});
    Importa({QStringLiteral("07 08 09")});
    EXPECT_TRUE(DM.FiltroMasterAtivo());
    EXPECT_EQ(DM.IDFechamentoAtual(), 2);
    EXPECT_EQ(DM.QdeJogos(), 1);

    TGravadorDeSinais Sinais(DM);
    DM.MoveParaFechamento(0);
    EXPECT_EQ(DM.QdeJogos(), 2);
    EXPECT_EQ(Sinais.Linhas, (QStringList{
                                 QStringLiteral("Atual 0"),
                                 QStringLiteral("Detalhe reinicia"),
                                 QStringLiteral("Detalhe reiniciada"),
                                 QStringLiteral("Status ' Master : 2 => Qde Jogos : 2' botoes on"),
                             }));

    Sinais.Linhas.clear();
    DM.AtivaFiltro_MASTER(false);
    DM.MoveParaFechamento(1);
    EXPECT_EQ(Sinais.Linhas, QStringList{QStringLiteral("Atual 1")});
    EXPECT_EQ(DM.CDSDetalhe().IDMasterDoFiltro(), 1);
    EXPECT_EQ(DM.QdeJogos(), 2);

    DM.AtivaFiltro_MASTER(true);
    EXPECT_EQ(DM.CDSDetalhe().IDMasterDoFiltro(), 2);
    EXPECT_EQ(DM.QdeJogos(), 1);
}

TEST_F(FechamentosTest, InsertingWhileTheSwitchIsOnShowsTheNewClosing) {
    DM.AtivaFiltro_MASTER(true);
    TGravadorDeSinais Sinais(DM);
    DM.InsereRegistroPorStringList(QStringLiteral("Quina"), {}, false, {QStringLiteral("01 02 03 04 05")},
                                   {});
    EXPECT_EQ(Sinais.Linhas, (QStringList{
                                 QStringLiteral("Master reinicia"),
                                 QStringLiteral("Master reiniciada"),
                                 QStringLiteral("Detalhe reinicia"),
                                 QStringLiteral("Detalhe reiniciada"),
                                 QStringLiteral("Master insere 0-0"),
                                 QStringLiteral("Master inseridas"),
                                 QStringLiteral("Atual 0"),
                                 QStringLiteral("Detalhe reinicia"),
                                 QStringLiteral("Detalhe reiniciada"),
                                 QStringLiteral("Status ' Master : 1 => Qde Jogos : 1' botoes on"),
                             }));
}

TEST_F(FechamentosTest, ReusedIdentifierShowsInAStaleView) {
    Importa({QStringLiteral("01 02 03")});
    Importa({QStringLiteral("04 05 06")});
    DM.AtivaFiltro_MASTER(false);
    DM.DeletaFechamentoAtual(); // the view stays restricted to ID 2, now without games
    EXPECT_EQ(DM.QdeJogos(), 0);
    TGravadorDeSinais Sinais(DM);
    DM.InsereRegistroPorStringList(QStringLiteral("Quina"), {}, false,
                                   {QStringLiteral("07 08 09"), QStringLiteral("10 11 12")}, {});
    EXPECT_EQ(Sinais.Linhas.mid(0, 2),
              (QStringList{QStringLiteral("Detalhe insere 0-1"), QStringLiteral("Detalhe inseridas")}));
    EXPECT_EQ(DM.QdeJogos(), 2);
    EXPECT_EQ(DM.Jogo(1).Jogo, QStringLiteral("10 11 12"));
}

TEST_F(FechamentosTest, DeletingAGameCountsItOutOfItsClosingAndReportsTheCounts) {
    Importa({QStringLiteral("01 02 03"), QStringLiteral("04 05 06"), QStringLiteral("07 08 09")});
    Importa({QStringLiteral("10 11 12"), QStringLiteral("13 14 15")});
    DM.MoveParaFechamento(0);
    TGravadorDeSinais Sinais(DM);
    DM.DeletaJogo(1);
    EXPECT_EQ(Sinais.Linhas, (QStringList{
                                 QStringLiteral("Detalhe remove 1-1"),
                                 QStringLiteral("Detalhe removidas"),
                                 QStringLiteral("Master altera 0-0"),
                                 QStringLiteral("Status ' Master : 2 => Qde Jogos : 2' botoes on"),
                             }))
        << Sinais.Linhas.join(u'|').toStdString();
    ASSERT_EQ(DM.QdeJogos(), 2);
    EXPECT_EQ(DM.Jogo(1).IDJogo, 3);
    EXPECT_EQ(DM.Jogo(1).Jogo, QStringLiteral("07 08 09"));
    EXPECT_EQ(DM.Fechamento(0).QdeJogos, 2);
    EXPECT_EQ(DM.Fechamento(1).QdeJogos, 2) << "the other closing keeps its count";
    // The identifiers and the number list stay as given.
    EXPECT_EQ(DM.Fechamento(0).NumerosDoFechamento, QStringLiteral("01 02 03 04 05 06 07 08 09"));

    // With the switch off the count follows all the same; the counts text waits for the switch.
    DM.AtivaFiltro_MASTER(false);
    Sinais.Linhas.clear();
    DM.DeletaJogo(0);
    EXPECT_EQ(DM.Fechamento(0).QdeJogos, 1);
    EXPECT_EQ(Sinais.Linhas,
              (QStringList{QStringLiteral("Detalhe remove 0-0"), QStringLiteral("Detalhe removidas"),
                           QStringLiteral("Master altera 0-0")}));
    DM.AtivaFiltro_MASTER(true);

    DM.DeletaDetalhe(1);
    EXPECT_EQ(DM.QdeJogos(), 0);
    EXPECT_EQ(DM.QdeFechamentos(), 2);
}

TEST_F(FechamentosTest, LongTextsAreCutByCharacters) {
    const QString Titulo = QStringLiteral("Ação ").repeated(30);                            // 150 characters
    const QString Jogo = QStringLiteral("01 ").repeated(120);                               // 360 characters
    const QString Numeros = QStringLiteral("ção ").repeated(100);                           // 400 characters
    const QString Emoji = QString(99, u'x') + QString::fromUtf8("\xF0\x9F\x8E\xB2") + u'y'; // a pair at 100
    Importa({Jogo, QStringLiteral("é ½ ") + Jogo + QStringLiteral(":7")}, Titulo, QStringLiteral("Quina"),
            true, Numeros);
    Importa({QStringLiteral("01")}, Emoji);

    const TRegistroMaster& F = DM.Fechamento(0);
    EXPECT_EQ(F.Titulo, Titulo.left(100));
    EXPECT_EQ(F.NumerosDoFechamento, Numeros.left(300));
    DM.MoveParaFechamento(0);
    EXPECT_EQ(DM.Jogo(0).Jogo, Jogo.left(300));
    EXPECT_EQ(DM.Jogo(1).Jogo, QString(QStringLiteral("é ½ ") + Jogo).left(300));
    EXPECT_EQ(DM.Jogo(1).NumBonus, 7);
    EXPECT_EQ(DM.Fechamento(1).Titulo, Emoji.left(101)) << "the surrogate pair counts as one character";
}

TEST(CDSMasterTest, FieldsLabelsAndCuts) {
    TCDSMaster Master;
    QStringList Rotulos;
    for (const TCampo& Campo : Master.Campos())
        Rotulos << Campo.Nome + u'=' + Campo.Rotulo;
    EXPECT_EQ(Rotulos, (QStringList{
                           QStringLiteral("ID=ID"),
                           QStringLiteral("Modalidade=Modalidade"),
                           QStringLiteral("Titulo=Titulo"),
                           QStringLiteral("QdeJogos=QdeJogos"),
                           QStringLiteral("NumerosDoFechamento=NumerosDoFechamento"),
                           QStringLiteral("DoPortalVip=DoPortal"),
                           QStringLiteral("QdeNumPorJogo=Num/Jogo"),
                           QStringLiteral("QdeTotalNumFechamento=QdeTotalNumFechamento"),
                       }));
    TRegistroMaster R;
    R.ID = 7;
    R.Modalidade = QStringLiteral("á").repeated(40);
    R.DoPortalVip = QStringLiteral("Nãooo");
    Master.Acrescenta(R);
    EXPECT_EQ(Master.Valor(0, TCDSMaster::CampoModalidade).toString(), QStringLiteral("á").repeated(30));
    EXPECT_EQ(Master.Valor(0, TCDSMaster::CampoDoPortalVip).toString(), QStringLiteral("Não"));
    EXPECT_EQ(Master.Valor(0, TCDSMaster::CampoID).toInt(), 7);
}

TEST(CDSDetalheTest, FieldsAndEmptyBonus) {
    TDM DM;
    DM.InsereRegistroPorStringList(QStringLiteral("Lotomania"), {}, false,
                                   {QStringLiteral("00 01 :1"), QStringLiteral("02 03")}, {});
    DM.AtivaFiltro_MASTER(true);
    const TCDSDetalhe& D = DM.CDSDetalhe();
    QStringList Rotulos;
    for (const TCampo& Campo : D.Campos())
        Rotulos << Campo.Nome + u'=' + Campo.Rotulo;
    EXPECT_EQ(Rotulos,
              (QStringList{QStringLiteral("IDMaster=IDMaster"), QStringLiteral("IDJogo=IDJogo"),
                           QStringLiteral("Jogo=Números do Jogo"), QStringLiteral("NumBonus=Bônus/Extra")}));
    EXPECT_EQ(D.Valor(0, TCDSDetalhe::CampoNumBonus).toInt(), 1);
    EXPECT_TRUE(D.Valor(1, TCDSDetalhe::CampoNumBonus).isNull());
    EXPECT_EQ(D.Valor(1, TCDSDetalhe::CampoNumBonus).toInt(), 0);
    EXPECT_EQ(D.Valor(1, TCDSDetalhe::CampoJogo).toString(), QStringLiteral("02 03"));
    EXPECT_EQ(D.Valor(1, TCDSDetalhe::CampoIDMaster).toInt(), 1);
}

} // namespace
