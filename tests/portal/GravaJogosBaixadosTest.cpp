#include "portal/GravaJogosBaixados.h"
#include "ApoioPortal.h"
#include "entry/ValidaJogo.h"
#include "store/DataModulo.h"

#include <gtest/gtest.h>

namespace {

TGamesClass Conjunto(const char* Titulo, const char* Jogo, const char* Dezenas,
                     const QList<TCombination>& Jogos) {
    TGamesClass Conjunto;
    Conjunto.SetTitle(QString::fromUtf8(Titulo));
    Conjunto.SetGame(QString::fromUtf8(Jogo));
    Conjunto.SetDozens(QString::fromUtf8(Dezenas));
    Conjunto.SetCombinations(Jogos);
    return Conjunto;
}

QStringList Jogos(const TDM& DM) {
    QStringList Lista;
    for (int i = 0; i < DM.QdeJogos(); ++i)
        Lista << DM.Jogo(i).Jogo;
    return Lista;
}

} // namespace

TEST(GravaJogosBaixadosTest, AGameSetBecomesAClosingFlaggedAsDownloaded) {
    struct Caso {
        TGamesClass Conjunto;
        QString Modalidade;
        QString Numeros;
        QStringList Jogos;
    };
    const Caso Casos[] = {
        {Conjunto(" Bolão ", "Mega-Sena", "7, 1, 25", {{7, 1, 25, 4, 5, 6}, {1, 2, 3, 4, 5, 6}}),
         QStringLiteral("Mega-Sena"),
         QStringLiteral("07 01 25"),
         {QStringLiteral("07 01 25 04 05 06"), QStringLiteral("01 02 03 04 05 06")}},
        // No numbers of its own: the store takes them from the games, ascending.
        {Conjunto("", "Quina", "", {{50, 3, 7, 12, 80}}),
         QStringLiteral("Quina"),
         QStringLiteral("03 07 12 50 80"),
         {QStringLiteral("50 03 07 12 80")}},
        // An unknown game is stored as the undefined game; the games as they came.
        {Conjunto("X", "Loteria Federal", "", {{12, 5}}),
         QStringLiteral("Indefinida"),
         QStringLiteral("05 12"),
         {QStringLiteral("12 05")}},
    };
    for (const Caso& C : Casos) {
        SCOPED_TRACE(C.Conjunto.Title().toStdString());
        TDM DM;
        DM.InsereRegistroPorStringList(QStringLiteral("Quina"), QStringLiteral("Importado"), false,
                                       {QStringLiteral("01 02 03 04 05")}, {});
        GravaConjuntoBaixado(DM, C.Conjunto, TValidaJogo());
        DM.AtivaFiltro_MASTER(true);
        ASSERT_EQ(DM.QdeFechamentos(), 2);
        const TRegistroMaster& Fechamento = DM.Fechamento(1);
        EXPECT_EQ(Fechamento.ID, 2);
        EXPECT_EQ(Fechamento.Titulo, C.Conjunto.Title());
        EXPECT_EQ(Fechamento.Modalidade, C.Modalidade);
        EXPECT_EQ(Fechamento.NumerosDoFechamento, C.Numeros);
        EXPECT_EQ(Fechamento.DoPortalVip, QStringLiteral("Sim"));
        EXPECT_EQ(Fechamento.QdeJogos, C.Jogos.size());
        EXPECT_EQ(Jogos(DM), C.Jogos);
        for (int i = 0; i < DM.QdeJogos(); ++i)
            EXPECT_EQ(DM.Jogo(i).NumBonus, std::nullopt);
    }
}

TEST(GravaJogosBaixadosTest, ASetWithoutCombinationsStoresNothing) {
    TDM DM;
    GravaConjuntoBaixado(DM, Conjunto("Vazio", "Quina", "01 02", {}), TValidaJogo());
    EXPECT_EQ(DM.QdeFechamentos(), 0);
    EXPECT_FALSE(DM.CDSMaster().Aberto());
}
