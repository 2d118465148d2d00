// The games of a closing read for checking: their masks, the games no bet is taken of, their months,
// clubs and mirror bets as the print queue hands them out, and a closing left as it was.
#include "ApoioConferencia.h"

#include "store/FilaImpressao.h"

#include <random>

using namespace Qt::StringLiterals;

namespace {

TEST(JogosParaConferir, ReadsTheNumbersOfEveryGame) {
    const TFechamentoDeTeste Fechamento(u"Lotomania"_s,
                                        {TextoDoJogo(Sequencia(0, 50)), TextoDoJogo(Sequencia(50, 50))});
    const TJogosParaConferir Jogos = Fechamento.Jogos();

    ASSERT_EQ(Jogos.Qde(), 2);
    EXPECT_EQ(Jogos.Dezenas(0), Mascara(Sequencia(0, 50)));
    EXPECT_EQ(Jogos.Dezenas(1), Mascara(Sequencia(50, 50)));
    EXPECT_EQ(Jogos.QdeNumeros(1), 50);
    EXPECT_EQ(Jogos.Dezenas(1).Texto(), TextoDoJogo(Sequencia(50, 50)));
}

TEST(JogosParaConferir, TakesNoBetOfAGameTheRulesDoNotAllow) {
    // Stored games came through the game line check, but a store may hold anything: such a game is
    // read as no bet and wins nothing, whatever it holds.
    struct TCaso {
        QString Jogo;
        int QdeNumeros;
    };
    for (const TCaso& Caso :
         {TCaso{u"04 11 23 35 47 58"_s, 6}, TCaso{u"4 11 23 35 47 58"_s, 6}, TCaso{u"04 11 23 35 47"_s, 0},
          TCaso{u"04 11 23 35 47 61"_s, 0}, TCaso{u"00 11 23 35 47 58"_s, 0},
          TCaso{u"04 11 23 35 47 47"_s, 0}, TCaso{u"04 11 23 35 47 5x"_s, 0},
          TCaso{u"04,11,23,35,47,58"_s, 0}, TCaso{u"04 11 23 35 47 100"_s, 0}, TCaso{QString(), 0}}) {
        const TFechamentoDeTeste Fechamento(u"Mega-sena"_s, {Caso.Jogo});
        const TConferencia Conferencia = Fechamento.Confere(Sorteio({4, 11, 23, 35, 47, 58}));
        EXPECT_EQ(Fechamento.Jogos().QdeNumeros(0), Caso.QdeNumeros) << Caso.Jogo.toStdString();
        EXPECT_EQ(Conferencia.Conferido(0), Caso.QdeNumeros != 0) << Caso.Jogo.toStdString();
        EXPECT_EQ(Conferencia.Premiado(0), Caso.QdeNumeros != 0) << Caso.Jogo.toStdString();
        EXPECT_EQ(Conferencia.QdeNaoConferidos, Caso.QdeNumeros == 0 ? 1 : 0) << Caso.Jogo.toStdString();
    }
}

struct TDistribuicao {
    const char* Descricao;
    QString Modalidade;
    TExtrasApostas Extras;
};

class ExtrasComoNaFila : public testing::TestWithParam<TDistribuicao> {};

TEST_P(ExtrasComoNaFila, EveryGameHasTheMonthOrClubThePrintQueueGivesIt) {
    const TDistribuicao& Caso = GetParam();
    // Games 1 to 12, games 3 and 8 with their own month or club.
    QStringList Linhas;
    for (int Jogo = 1; Jogo <= 12; ++Jogo) {
        const QString Numeros =
            TextoDoJogo(Caso.Modalidade == u"Timemania"_s ? Sequencia(Jogo, 10) : Sequencia(Jogo, 7));
        Linhas.append(Jogo == 3 ? Numeros + u" :5"_s : Jogo == 8 ? Numeros + u" :12"_s : Numeros);
    }
    const TFechamentoDeTeste Fechamento(Caso.Modalidade, Linhas);
    const TJogosParaConferir Jogos = Fechamento.Jogos(Caso.Extras);

    const TTipoModalidade Tipo = Fechamento.Regras().Tipo;
    TOpcoesFila Opcoes;
    Opcoes.QdeJogosPorImpressao = 1;
    Opcoes.QdeDividirBolao = Caso.Extras.GrupoDosContadores;
    Opcoes.Marketplace = Caso.Extras.GrupoDosContadores > 0;
    Opcoes.Mes = Caso.Extras.Mes;
    Opcoes.AvancaMes = Caso.Extras.AvancaMes;
    Opcoes.Time = Caso.Extras.Time;
    Opcoes.AvancaTime = Caso.Extras.AvancaTime;
    Opcoes.TipoModalidade = Tipo;
    const std::vector<TFolhaImpressao> Folhas = MontaFolhasImpressao(Fechamento.DM().CDSDetalhe(), Opcoes);
    ASSERT_EQ(Folhas.size(), 12u);
    for (int Jogo = 0; Jogo < 12; ++Jogo) {
        const TFolhaImpressao& Folha = Folhas[std::size_t(Jogo)];
        EXPECT_EQ(Jogos.Extra(Jogo), Tipo == TTipoModalidade::DiaDeSorte
                                         ? Folha.MesJogo[0].value_or(0)
                                         : Folha.TimeCoracaoJogo[0].value_or(0))
            << "game " << Jogo + 1;
    }
}

TExtrasApostas Distribui(int Mes, bool AvancaMes, int Time, bool AvancaTime, int Grupo) {
    TExtrasApostas Extras;
    Extras.Mes = Mes;
    Extras.AvancaMes = AvancaMes;
    Extras.Time = Time;
    Extras.AvancaTime = AvancaTime;
    Extras.GrupoDosContadores = Grupo;
    return Extras;
}

INSTANTIATE_TEST_SUITE_P(
    DiaDeSorteETimemania, ExtrasComoNaFila,
    testing::Values(
        TDistribuicao{"MonthsHandedOutFromNovember", u"Dia de Sorte"_s, Distribui(11, true, 0, true, 0)},
        TDistribuicao{"OneMonthForAll", u"Dia de Sorte"_s, Distribui(4, false, 0, true, 0)},
        TDistribuicao{"MonthsOncePerPoolGroup", u"Dia de Sorte"_s, Distribui(1, true, 0, true, 5)},
        TDistribuicao{"ClubsHandedOutFrom79", u"Timemania"_s, Distribui(1, true, 79, true, 0)},
        TDistribuicao{"OneClubForAll", u"Timemania"_s, Distribui(1, true, 40, false, 0)},
        TDistribuicao{"ClubsOncePerPoolGroup", u"Timemania"_s, Distribui(1, true, 2, true, 3)}),
    [](const testing::TestParamInfo<TDistribuicao>& Info) { return std::string(Info.param.Descricao); });

TEST(JogosParaConferir, WithoutAClubChosenOnlyTheGamesOwnClubsCount) {
    const TFechamentoDeTeste Fechamento(u"Timemania"_s, {TextoDoJogo(Sequencia(1, 10)),
                                                         TextoDoJogo(Sequencia(2, 10)) + u" :9"_s,
                                                         TextoDoJogo(Sequencia(3, 10))});
    const TJogosParaConferir Jogos = Fechamento.Jogos(Distribui(1, true, 0, true, 0));
    EXPECT_EQ(Jogos.Extra(0), 0);
    EXPECT_EQ(Jogos.Extra(1), 9);
    EXPECT_EQ(Jogos.Extra(2), 0);
}

TEST(JogosParaConferir, LotomaniaMirrorFromTheGameOrThePrintSetup) {
    const TFechamentoDeTeste Fechamento(
        u"Lotomania"_s, {TextoDoJogo(Sequencia(0, 50)), TextoDoJogo(Sequencia(1, 50)) + u" :1"_s});
    TExtrasApostas Espelho;
    Espelho.ApostaEspelho = true;
    EXPECT_FALSE(Fechamento.Jogos().Espelho(0));
    EXPECT_TRUE(Fechamento.Jogos().Espelho(1));
    EXPECT_TRUE(Fechamento.Jogos(Espelho).Espelho(0));
}

TEST(JogosParaConferir, CheckingLeavesTheStoredClosingAsItWas) {
    const TFechamentoDeTeste Fechamento(
        u"Dia de Sorte"_s,
        {u"01 02 03 04 05 06 07 :3"_s, u"02 03 04 05 06 07 08"_s, u"10 11 12 13 14 15 16 17"_s});
    const auto Foto = [&] {
        QStringList Linhas;
        const TDM& DM = Fechamento.DM();
        for (int Linha = 0; Linha < DM.QdeJogos(); ++Linha) {
            const TRegistroDetalhe Jogo = DM.Jogo(Linha);
            Linhas.append(u"%1|%2|%3|%4"_s.arg(Jogo.IDMaster)
                              .arg(Jogo.IDJogo)
                              .arg(Jogo.Jogo)
                              .arg(Jogo.NumBonus.value_or(-1)));
        }
        const TRegistroMaster& Master = DM.Fechamento(0);
        Linhas.append(u"%1|%2|%3|%4|%5"_s.arg(Master.ID)
                          .arg(Master.QdeJogos)
                          .arg(Master.NumerosDoFechamento, Master.Titulo, Master.Modalidade));
        return Linhas;
    };
    const QStringList Antes = Foto();
    TResultado Resultado = Sorteio({1, 2, 3, 4, 5, 6, 7});
    Resultado.Mes = 3;
    const TConferencia Conferencia = Fechamento.Confere(Resultado, Distribui(3, true, 0, true, 0));
    EXPECT_EQ(Conferencia.QdePremiados, 2);
    EXPECT_EQ(Foto(), Antes);
}

TEST(MascaraDezenas, SortsAsTheGameTextsSort) {
    std::mt19937 Gerador(7);
    std::vector<TMascaraDezenas> Mascaras;
    for (int Vez = 0; Vez < 400; ++Vez) {
        TMascaraDezenas Mascara;
        const int Qde = std::uniform_int_distribution<int>(0, 8)(Gerador);
        for (int Numero = 0; Numero < Qde; ++Numero)
            Mascara.Insere(std::uniform_int_distribution<int>(0, Vez % 2 ? 99 : 12)(Gerador));
        Mascaras.push_back(Mascara);
    }
    for (const TMascaraDezenas& A : Mascaras) {
        for (const TMascaraDezenas& B : Mascaras)
            ASSERT_EQ(TMascaraDezenas::TextoAntes(A, B), A.Texto() < B.Texto())
                << A.Texto().toStdString() << " / " << B.Texto().toStdString();
    }
}

} // namespace
