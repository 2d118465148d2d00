#include "store/DataModulo.h"
#include "store/GravadorDeSinais.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// The text of a game numbered n, so every sheet shows which games it holds.
QString JogoNumero(int n) {
    return QStringLiteral("%1 99").arg(n, 2, 10, QChar(u'0'));
}

// Games 1..Qde, each with the bonus of Bonus (no bonus when it holds no value for that game).
QStringList Jogos(int Qde, const std::vector<std::optional<int>>& Bonus = {}) {
    QStringList Lista;
    for (int n = 1; n <= Qde; ++n) {
        const std::optional<int> B =
            std::size_t(n - 1) < Bonus.size() ? Bonus[std::size_t(n - 1)] : std::nullopt;
        Lista << (B ? JogoNumero(n) + QStringLiteral(" :") + QString::number(*B) : JogoNumero(n));
    }
    return Lista;
}

struct Opcoes {
    int QdeJogosPorImpressao = 3;
    int QdeImpressaoPorFolha = 3;
    int QdeDividirBolao = 0;
    int Mes = 1;
    bool AvancaMes = false;
    int Time = 0;
    bool AvancaTime = false;
    bool ApostaEspelho = false;
    QString Trevos;
    TTipoModalidade Tipo = TTipoModalidade::Lotofacil;
    bool Marketplace = false;
};

class FilaImpressaoTest : public testing::Test {
protected:
    TMensagens Monta(const QStringList& Lista, const Opcoes& O) {
        DM.AtivaFiltro_MASTER(false);
        DM.InsereRegistroPorStringList(QStringLiteral("Lotofacil"), {}, false, Lista, {});
        DM.AtivaFiltro_MASTER(true);
        return Popula(O);
    }

    TMensagens Popula(const Opcoes& O) {
        return DM.PopulaCDSImpressao(O.QdeJogosPorImpressao, O.QdeImpressaoPorFolha, O.QdeDividirBolao, O.Mes,
                                     O.AvancaMes, O.Time, O.AvancaTime, O.ApostaEspelho, O.Trevos, O.Tipo,
                                     O.Marketplace);
    }

    const TCDSImpressao& Fila() { return DM.CDSImpressao_Temp(); }

    // One field group over every game of the queue, in queue order; empty slots are skipped.
    QList<std::optional<int>>
    PorJogo(const TFolhaImpressao::TPorSlot<std::optional<int>> TFolhaImpressao::*Campo) {
        QList<std::optional<int>> Valores;
        for (int Linha = 0; Linha < Fila().QdeRegistros(); ++Linha) {
            const TFolhaImpressao& F = Fila().Folha(Linha);
            for (int Slot = 0; Slot < TFolhaImpressao::QdeSlots; ++Slot) {
                if (F.IdJogo[Slot])
                    Valores << (F.*Campo)[Slot];
            }
        }
        return Valores;
    }

    TDM DM;
};

TEST_F(FilaImpressaoTest, SheetsAndPagesFollowSlotsPagesAndPoolGroups) {
    struct Caso {
        const char* Nome;
        int QdeJogos;
        int PorVolante;
        int PorPagina;
        int Grupo;
        QList<QList<int>> Folhas; // IdJogo of each sheet
        QList<int> Paginas;
        QList<int> Ultimos;
    };
    const Caso Casos[] = {
        {"7 games, 3 per slip, 3 per page", 7, 3, 3, 0, {{1, 2, 3}, {4, 5, 6}, {7}}, {1, 1, 1}, {0, 0, 7}},
        {"10 games on official slips",
         10,
         3,
         1,
         0,
         {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10}},
         {1, 2, 3, 4},
         {3, 6, 9, 10}},
        {"10 games, 2 per slip, 3 per page",
         10,
         2,
         3,
         0,
         {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}},
         {1, 1, 1, 2, 2},
         {0, 0, 6, 0, 10}},
        {"12 games in pool groups of 5",
         12,
         3,
         3,
         5,
         {{1, 2, 3}, {4, 5}, {6, 7, 8}, {9, 10}, {11, 12}},
         {1, 1, 1, 2, 2},
         {0, 0, 8, 0, 12}},
        {"pool groups of 10, 3 per slip",
         20,
         3,
         4,
         10,
         {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10}, {11, 12, 13}, {14, 15, 16}, {17, 18, 19}, {20}},
         {1, 1, 1, 1, 2, 2, 2, 2},
         {0, 0, 0, 10, 0, 0, 0, 20}},
        {"4 per slip, one sheet", 4, 4, 3, 0, {{1, 2, 3, 4}}, {1}, {4}},
        {"more than 4 per slip is held to 4", 5, 9, 3, 0, {{1, 2, 3, 4}, {5}}, {1, 1}, {0, 5}},
    };
    for (const Caso& C : Casos) {
        SCOPED_TRACE(C.Nome);
        TDM Modulo;
        Modulo.InsereRegistroPorStringList(QStringLiteral("Lotofacil"), {}, false, Jogos(C.QdeJogos), {});
        Modulo.AtivaFiltro_MASTER(true);
        EXPECT_TRUE(Modulo
                        .PopulaCDSImpressao(C.PorVolante, C.PorPagina, C.Grupo, 1, false, 0, false, false, {},
                                            TTipoModalidade::Lotofacil, false)
                        .isEmpty());
        const TCDSImpressao& Q = Modulo.CDSImpressao_Temp();
        ASSERT_EQ(Q.QdeRegistros(), C.Folhas.size());
        for (int Linha = 0; Linha < Q.QdeRegistros(); ++Linha) {
            const TFolhaImpressao& F = Q.Folha(Linha);
            QList<int> Ids;
            for (int Slot = 0; Slot < TFolhaImpressao::QdeSlots; ++Slot) {
                if (F.IdJogo[Slot]) {
                    Ids << *F.IdJogo[Slot];
                    EXPECT_EQ(F.Jogo[Slot], JogoNumero(*F.IdJogo[Slot]));
                } else {
                    EXPECT_TRUE(F.Jogo[Slot].isEmpty());
                    EXPECT_TRUE(Q.Valor(Linha, TCDSImpressao::CampoIdJogo1 + Slot).isNull());
                }
            }
            EXPECT_EQ(Ids, C.Folhas[Linha]) << "sheet " << Linha + 1;
            EXPECT_EQ(F.NumPagina, C.Paginas[Linha]) << "sheet " << Linha + 1;
            EXPECT_EQ(F.UltimoDaPagina, C.Ultimos[Linha]) << "sheet " << Linha + 1;
            EXPECT_EQ(F.IDDataSet, Linha + 1);
        }
    }
}

TEST_F(FilaImpressaoTest, MonthsAreHandedOutUnlessTheGameHasItsOwn) {
    struct Caso {
        const char* Nome;
        int QdeJogos;
        std::vector<std::optional<int>> Bonus;
        int Mes;
        bool Avanca;
        bool Marketplace;
        int Grupo;
        QList<std::optional<int>> Meses;
    };
    const Caso Casos[] = {
        {"consecutive months wrap after 12", 4, {}, 11, true, false, 0, {11, 12, 1, 2}},
        {"marketplace advances once per group", 4, {}, 11, true, true, 2, {11, 11, 12, 12}},
        {"marketplace without groups advances every game", 3, {}, 11, true, true, 0, {11, 12, 1}},
        {"groups alone do not slow the months", 3, {}, 11, true, false, 2, {11, 12, 1}},
        {"without distribution every game gets the month", 3, {}, 4, false, false, 0, {4, 4, 4}},
        {"own month wins and does not move the counter",
         4,
         {std::nullopt, 5},
         11,
         true,
         false,
         0,
         {11, 5, 12, 1}},
    };
    for (const Caso& C : Casos) {
        SCOPED_TRACE(C.Nome);
        TDM Modulo;
        Modulo.InsereRegistroPorStringList(QStringLiteral("Dia de Sorte"), {}, false,
                                           Jogos(C.QdeJogos, C.Bonus), {});
        Modulo.AtivaFiltro_MASTER(true);
        Modulo.PopulaCDSImpressao(1, 3, C.Grupo, C.Mes, C.Avanca, 0, false, false, {},
                                  TTipoModalidade::DiaDeSorte, C.Marketplace);
        QList<std::optional<int>> Meses;
        for (int Linha = 0; Linha < Modulo.CDSImpressao_Temp().QdeRegistros(); ++Linha)
            Meses << Modulo.CDSImpressao_Temp().Folha(Linha).MesJogo[0];
        EXPECT_EQ(Meses, C.Meses);
    }
}

TEST_F(FilaImpressaoTest, TeamsStartFromNoneAndWrapAfter80) {
    Opcoes O;
    O.Tipo = TTipoModalidade::Timemania;
    O.AvancaTime = true;
    Monta(Jogos(4, {std::nullopt, std::nullopt, 33}), O);
    EXPECT_EQ(PorJogo(&TFolhaImpressao::TimeCoracaoJogo), (QList<std::optional<int>>{0, 1, 33, 2}));

    O.Time = 79;
    Popula(O);
    EXPECT_EQ(PorJogo(&TFolhaImpressao::TimeCoracaoJogo), (QList<std::optional<int>>{79, 80, 33, 1}));
    EXPECT_EQ(PorJogo(&TFolhaImpressao::MesJogo), (QList<std::optional<int>>(4)));
}

TEST_F(FilaImpressaoTest, MirrorBetsComeFromTheGameOrTheOption) {
    Opcoes O;
    O.Tipo = TTipoModalidade::Lotomania;
    Monta(Jogos(3, {std::nullopt, 1, 2}), O);
    EXPECT_EQ(PorJogo(&TFolhaImpressao::Espelho), (QList<std::optional<int>>{std::nullopt, 1, std::nullopt}));
    EXPECT_TRUE(Fila().Valor(0, TCDSImpressao::CampoEspelho1).isNull());

    O.ApostaEspelho = true;
    Popula(O);
    EXPECT_EQ(PorJogo(&TFolhaImpressao::Espelho), (QList<std::optional<int>>{1, 1, 1}));
}

TEST_F(FilaImpressaoTest, EveryCloverGameCarriesTheSameClovers) {
    Opcoes O;
    O.Tipo = TTipoModalidade::MaisMilionaria;
    O.Trevos = QStringLiteral("1 3 5");
    Monta(Jogos(4), O);
    for (int Linha = 0; Linha < Fila().QdeRegistros(); ++Linha) {
        const TFolhaImpressao& F = Fila().Folha(Linha);
        for (int Slot = 0; Slot < TFolhaImpressao::QdeSlots; ++Slot)
            EXPECT_EQ(F.Trevo[Slot], F.IdJogo[Slot] ? QStringLiteral("1 3 5") : QString());
    }
    O.Trevos = QStringLiteral("1 2 3 4 5 6 1 2 3 4 5 6");
    Popula(O);
    EXPECT_EQ(Fila().Folha(0).Trevo[0], QStringLiteral("1 2 3 4 5 6 1 2 3 4 "));
}

TEST_F(FilaImpressaoTest, OtherGamesLeaveTheExtrasEmpty) {
    Opcoes O;
    O.AvancaMes = O.AvancaTime = O.ApostaEspelho = true;
    O.Trevos = QStringLiteral("1 2");
    Monta(Jogos(2, {5, 1}), O);
    const TFolhaImpressao& F = Fila().Folha(0);
    for (int Slot = 0; Slot < TFolhaImpressao::QdeSlots; ++Slot) {
        EXPECT_FALSE(F.MesJogo[Slot] || F.TimeCoracaoJogo[Slot] || F.Espelho[Slot]);
        EXPECT_TRUE(F.Trevo[Slot].isEmpty());
    }
}

TEST_F(FilaImpressaoTest, RefusedWhileTheViewDoesNotFollowTheClosing) {
    Opcoes O;
    Monta(Jogos(4), O);
    DM.CopiaFolhasParaImpressao({0});
    DM.AtivaFiltro_MASTER(false);
    const TMensagens Mensagens = Popula(O);
    EXPECT_EQ(Mensagens,
              (TMensagens{{TTipoMensagem::Informacao,
                           QStringLiteral("ISSO NÃO DEVERIA TER ACONTECIDO. MASTER_DETAIL = FALSE")}}));
    EXPECT_EQ(Fila().QdeRegistros(), 2);
    EXPECT_EQ(DM.CDSImpressao().QdeRegistros(), 1);
}

TEST_F(FilaImpressaoTest, ClosingWithoutGamesGivesAnEmptyQueue) {
    Opcoes O;
    Monta(Jogos(2), O);
    DM.DeletaJogo(0);
    DM.DeletaJogo(0);
    ASSERT_EQ(DM.QdeJogos(), 0);
    EXPECT_TRUE(Popula(O).isEmpty());
    EXPECT_TRUE(Fila().Aberto());
    EXPECT_EQ(Fila().QdeRegistros(), 0) << "no blank slip may ever be printed";
}

TEST_F(FilaImpressaoTest, BuildingEmptiesThePrintedSheetsAndRebuildsTheQueue) {
    Opcoes O;
    Monta(Jogos(9), O);
    DM.CopiaFolhasParaImpressao({2, 0, 2, 7, -1});
    TCDSImpressao& Impressas = DM.CDSImpressao();
    ASSERT_EQ(Impressas.QdeRegistros(), 2);
    EXPECT_EQ(Impressas.Folha(0).IDDataSet, 1);
    EXPECT_EQ(Impressas.Folha(1).IDDataSet, 3);
    EXPECT_EQ(Impressas.Folha(1).UltimoDaPagina, 9);

    TGravadorDeSinais Sinais(DM);
    O.QdeJogosPorImpressao = 1;
    Popula(O);
    EXPECT_FALSE(Impressas.Aberto());
    EXPECT_EQ(Impressas.QdeRegistros(), 0);
    EXPECT_EQ(Fila().QdeRegistros(), 9);
    EXPECT_EQ(Sinais.Linhas,
              (QStringList{QStringLiteral("Fila reinicia"), QStringLiteral("Fila reiniciada"),
                           QStringLiteral("Fila reinicia"), QStringLiteral("Fila reiniciada")}));

    DM.EsvaziaFilaImpressao();
    EXPECT_TRUE(Fila().Aberto());
    EXPECT_EQ(Fila().QdeRegistros(), 0);
}

TEST_F(FilaImpressaoTest, RemovingSheetsKeepsTheOthersInOrder) {
    Opcoes O;
    O.QdeJogosPorImpressao = 1;
    Monta(Jogos(6), O);
    DM.CDSImpressao_Temp().RemoveFolhas({4, 1, 1, 9});
    QList<int> Restantes;
    for (int Linha = 0; Linha < Fila().QdeRegistros(); ++Linha)
        Restantes << Fila().Folha(Linha).IDDataSet;
    EXPECT_EQ(Restantes, (QList<int>{1, 3, 4, 6}));
}

TEST(CDSImpressaoTest, EachStoreShowsItsOwnLabels) {
    struct Caso {
        int Campo;
        const char16_t* Nome;
        const char16_t* NaImpressao;
        const char16_t* NaFila;
    };
    const Caso Casos[] = {
        {TCDSImpressao::CampoJogo1, u"Jogo1", u"JG 1", u"Jogo A"},
        {TCDSImpressao::CampoJogo1 + 3, u"Jogo4", u"Jogo4", u"Jogo D"},
        {TCDSImpressao::CampoIdJogo1 + 2, u"IdJogo3", u"ID JG 3", u"NR(C)"},
        {TCDSImpressao::CampoIdJogo1 + 3, u"IdJogo4", u"IdJogo4", u"NR(D)"},
        {TCDSImpressao::CampoNumPagina, u"NumPagina", u"PAG", u"Página"},
        {TCDSImpressao::CampoMesJogo1 + 1, u"MesJogo2", u"Mês JG 2", u"MesJogo2"},
        {TCDSImpressao::CampoMesJogo1 + 3, u"MesJogo4", u"MesJogo4", u"MesJogo4"},
        {TCDSImpressao::CampoTimeCoracaoJogo1 + 2, u"TimeCoracaoJogo3", u"TIM C JG 3", u"TimeCoracaoJogo3"},
        {TCDSImpressao::CampoIDDataSet, u"IDDataSet", u"IDDataSet", u"IDDataSet"},
        {TCDSImpressao::CampoUltimoDaPagina, u"UltimoDaPagina", u"UltimoDaPagina", u"UltimoDaPagina"},
        {TCDSImpressao::CampoEspelho1, u"Espelho1", u"Espelho1", u"Espelho1"},
        {TCDSImpressao::CampoTrevo1 + 3, u"Trevo4", u"Trevo4", u"Trevo4"},
    };
    TDM DM;
    const QList<TCampo>& Impressao = DM.CDSImpressao().Campos();
    const QList<TCampo>& Fila = DM.CDSImpressao_Temp().Campos();
    ASSERT_EQ(Impressao.size(), TCDSImpressao::QdeCampos);
    ASSERT_EQ(Fila.size(), TCDSImpressao::QdeCampos);
    for (const Caso& C : Casos) {
        EXPECT_EQ(Impressao[C.Campo].Nome, QString::fromUtf16(C.Nome));
        EXPECT_EQ(Fila[C.Campo].Nome, QString::fromUtf16(C.Nome));
        EXPECT_EQ(Impressao[C.Campo].Rotulo, QString::fromUtf16(C.NaImpressao));
        EXPECT_EQ(Fila[C.Campo].Rotulo, QString::fromUtf16(C.NaFila));
    }
}

} // namespace
