// A draw as the user types it: the numbers read by the game line check, the extras of the game, and a
// clear message for everything wrong.
#include "conferencia/Resultado.h"
#include "conferencia/RegrasConferencia.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct TCasoResultado {
    const char* Descricao;
    QString Modalidade;
    TEntradaResultado Entrada;
    QString Esperado; // the draw's numbers as text ("|" between Dupla Sena's draws), or the message
};

TEntradaResultado Dezenas(const QString& Primeiro, const QString& Segundo = {}) {
    return {Primeiro, Segundo, std::nullopt, std::nullopt, std::nullopt};
}

// A draw of seven numbers with the extras given.
TEntradaResultado ComExtras(std::optional<int> Mes, std::optional<int> Time = {},
                            std::optional<QList<int>> Trevos = {}) {
    return {u"01 02 03 04 05 06 07"_s, {}, Mes, Time, std::move(Trevos)};
}

TEntradaResultado ComTrevos(std::optional<QList<int>> Trevos) {
    return {u"01 02 03 04 05 06"_s, {}, std::nullopt, std::nullopt, std::move(Trevos)};
}

QString ComoTexto(const TRegrasConferencia& Regras, const TResultado& Resultado) {
    QString Texto = Resultado.Sorteios[0].Texto();
    if (Regras.QdeSorteios == 2)
        Texto += u'|' + Resultado.Sorteios[1].Texto();
    return Texto;
}

class LeituraDoResultado : public testing::TestWithParam<TCasoResultado> {};

TEST_P(LeituraDoResultado, GivesTheDrawOrSaysWhatIsWrong) {
    const TCasoResultado& Caso = GetParam();
    const TRegrasConferencia Regras = *CriaRegrasConferencia(Caso.Modalidade);
    const auto Lido = LeResultado(Regras, Caso.Entrada);
    if (const auto* Resultado = std::get_if<TResultado>(&Lido))
        EXPECT_EQ(ComoTexto(Regras, *Resultado), Caso.Esperado);
    else
        EXPECT_EQ(std::get<QString>(Lido), Caso.Esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Dezenas, LeituraDoResultado,
    testing::Values(
        TCasoResultado{"Normalised", u"Mega-sena"_s, Dezenas(u"58 4,11/23-35\t47"_s), u"04 11 23 35 47 58"_s},
        TCasoResultado{"LotomaniaFromZero", u"Lotomania"_s,
                       Dezenas(u"0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 99"_s),
                       u"00 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 99"_s},
        TCasoResultado{"Empty", u"Mega-sena"_s, Dezenas(u"  "_s),
                       u"Digite as 6 dezenas sorteadas da Mega-Sena."_s},
        TCasoResultado{"TooFew", u"Mega-sena"_s, Dezenas(u"4 11 23 35 47"_s),
                       u"São sorteadas 6 dezenas na Mega-Sena, e foram digitadas 5: 04 11 23 35 47."_s},
        TCasoResultado{"TooMany", u"Quina"_s, Dezenas(u"1 2 3 4 5 6"_s),
                       u"São sorteadas 5 dezenas na Quina, e foram digitadas 6: 01 02 03 04 05 06."_s},
        TCasoResultado{"OutOfRange", u"Mega-sena"_s, Dezenas(u"04 11 23 35 47 61"_s),
                       u"A dezena 61 está fora da faixa da Mega-Sena, de 01 a 60."_s},
        TCasoResultado{"ZeroOutOfRange", u"Lotofacil"_s, Dezenas(u"0 1 2 3 4 5 6 7 8 9 10 11 12 13 14"_s),
                       u"A dezena 00 está fora da faixa da Lotofacil, de 01 a 25."_s},
        TCasoResultado{"Repeated", u"Mega-sena"_s, Dezenas(u"04 11 23 35 04 58"_s),
                       u"A dezena 04 está repetida."_s},
        TCasoResultado{"FirstFaultFromTheLeft", u"Mega-sena"_s, Dezenas(u"70 05 05"_s),
                       u"A dezena 70 está fora da faixa da Mega-Sena, de 01 a 60."_s},
        TCasoResultado{"NotANumber", u"Mega-sena"_s, Dezenas(u"04 11 2x 35 47 58"_s),
                       u"\"2x\" não é uma dezena: digite só números de 01 a 60, separados por espaço."_s},
        TCasoResultado{"LetterAlone", u"Mega-sena"_s, Dezenas(u"04 11 x 35 47 58"_s),
                       u"\"x\" não é uma dezena: digite só números de 01 a 60, separados por espaço."_s},
        TCasoResultado{
            "BonusPiece", u"Dia de Sorte"_s, Dezenas(u"01 02 03 04 05 06 07 :3"_s),
            u"Digite só as dezenas sorteadas, sem \":\" nem \"|\": o mês, o time e os trevos têm campo "
            u"próprio."_s},
        TCasoResultado{
            "CloverPart", u"Mais Milionária"_s, Dezenas(u"01 02 03 04 05 06 | 1 2"_s),
            u"Digite só as dezenas sorteadas, sem \":\" nem \"|\": o mês, o time e os trevos têm campo "
            u"próprio."_s},
        TCasoResultado{"DuplaSenaBothDraws", u"Dupla-Sena"_s, Dezenas(u"1 2 3 4 5 6"_s, u"6 5 4 3 2 50"_s),
                       u"01 02 03 04 05 06|02 03 04 05 06 50"_s},
        TCasoResultado{"DuplaSenaSecondDrawMissing", u"Dupla-Sena"_s, Dezenas(u"1 2 3 4 5 6"_s),
                       u"2º sorteio: digite as 6 dezenas sorteadas da Dupla-Sena."_s},
        TCasoResultado{"DuplaSenaFirstDrawRepeated", u"Dupla-Sena"_s,
                       Dezenas(u"1 2 3 4 5 5"_s, u"1 2 3 4 5 6"_s),
                       u"1º sorteio: a dezena 05 está repetida."_s},
        TCasoResultado{"SecondDrawOfAnotherGame", u"Mega-sena"_s, Dezenas(u"1 2 3 4 5 6"_s, u"1 2 3 4 5 6"_s),
                       u"Só a Dupla-Sena tem 2º sorteio (a modalidade é Mega-Sena)."_s}),
    [](const testing::TestParamInfo<TCasoResultado>& Info) { return std::string(Info.param.Descricao); });

INSTANTIATE_TEST_SUITE_P(
    Extras, LeituraDoResultado,
    testing::Values(
        TCasoResultado{"Month", u"Dia de Sorte"_s, ComExtras(12), u"01 02 03 04 05 06 07"_s},
        TCasoResultado{"MonthMissing", u"Dia de Sorte"_s, ComExtras(std::nullopt),
                       u"Informe o Mês de Sorte sorteado, de 1 a 12."_s},
        TCasoResultado{"MonthZero", u"Dia de Sorte"_s, ComExtras(0),
                       u"O Mês de Sorte vai de 1 a 12: 0 não é um mês."_s},
        TCasoResultado{"Month13", u"Dia de Sorte"_s, ComExtras(13),
                       u"O Mês de Sorte vai de 1 a 12: 13 não é um mês."_s},
        TCasoResultado{"MonthOfAnotherGame", u"Timemania"_s, ComExtras(3, 5),
                       u"O Mês de Sorte só existe no Dia de Sorte (a modalidade é Timemania)."_s},
        TCasoResultado{"Club", u"Timemania"_s, ComExtras(std::nullopt, 80), u"01 02 03 04 05 06 07"_s},
        TCasoResultado{"ClubMissing", u"Timemania"_s, ComExtras(std::nullopt, std::nullopt),
                       u"Informe o Time do Coração sorteado, de 1 a 80."_s},
        TCasoResultado{"Club81", u"Timemania"_s, ComExtras(std::nullopt, 81),
                       u"O Time do Coração vai de 1 a 80: 81 não é um time."_s},
        TCasoResultado{"Clovers", u"Mais Milionária"_s, ComTrevos(QList<int>{6, 1}), u"01 02 03 04 05 06"_s},
        TCasoResultado{"CloversMissing", u"Mais Milionária"_s, ComTrevos(std::nullopt),
                       u"Informe os 2 trevos sorteados, de 1 a 6."_s},
        TCasoResultado{"OneClover", u"Mais Milionária"_s, ComTrevos(QList<int>{3}),
                       u"São sorteados 2 trevos, e foram informados 1."_s},
        TCasoResultado{"ThreeClovers", u"Mais Milionária"_s, ComTrevos(QList<int>{1, 2, 3}),
                       u"São sorteados 2 trevos, e foram informados 3."_s},
        TCasoResultado{"CloverRepeated", u"Mais Milionária"_s, ComTrevos(QList<int>{4, 4}),
                       u"O trevo 4 foi informado duas vezes: os 2 trevos sorteados são diferentes."_s},
        TCasoResultado{"Clover7", u"Mais Milionária"_s, ComTrevos(QList<int>{1, 7}),
                       u"O trevo 7 não existe: os trevos vão de 1 a 6."_s},
        TCasoResultado{"CloversOfAnotherGame", u"Mega-sena"_s, ComTrevos(QList<int>{1, 2}),
                       u"Trevos só existem na Mais Milionária (a modalidade é Mega-Sena)."_s}),
    [](const testing::TestParamInfo<TCasoResultado>& Info) { return std::string(Info.param.Descricao); });

TEST(Resultado, ExtrasOfTheDrawAreKept) {
    const TRegrasConferencia Regras = *CriaRegrasConferencia(u"Mais Milionária");
    const auto Lido = LeResultado(Regras, ComTrevos(QList<int>{2, 5}));
    ASSERT_TRUE(std::holds_alternative<TResultado>(Lido));
    EXPECT_EQ(std::get<TResultado>(Lido).Trevos, MascaraDeTrevos({2, 5}));
    EXPECT_EQ(MascaraDeTrevos({2, 5}), (1u << 2) | (1u << 5));
}

TEST(Resultado, CloverListsAsTyped) {
    EXPECT_EQ(std::get<QList<int>>(LeListaDeTrevos(u"2,5")), (QList<int>{2, 5}));
    EXPECT_EQ(std::get<QList<int>>(LeListaDeTrevos(u" 2 ; 5 ")), (QList<int>{2, 5}));
    EXPECT_EQ(std::get<QList<int>>(LeListaDeTrevos(u"")), QList<int>());
    EXPECT_EQ(std::get<QString>(LeListaDeTrevos(u"2,x")),
              u"\"x\" não é um trevo: escreva os trevos como números de 1 a 6, por exemplo 2,5."_s);
}

TEST(Resultado, CloversPlayed) {
    EXPECT_EQ(ConfereTrevosApostados({1, 2}), QString());
    EXPECT_EQ(ConfereTrevosApostados({1, 2, 3, 4, 5, 6}), QString());
    EXPECT_EQ(ConfereTrevosApostados({3}),
              u"Uma aposta tem pelo menos 2 trevos: informe de 2 a 6 trevos apostados."_s);
    EXPECT_EQ(ConfereTrevosApostados({3, 3}),
              u"O trevo 3 foi informado duas vezes: cada trevo apostado conta uma vez."_s);
    EXPECT_EQ(ConfereTrevosApostados({0, 3}), u"O trevo 0 não existe: os trevos vão de 1 a 6."_s);
}

TEST(RegrasConferencia, EveryGameOfTheImportHasItsTiers) {
    struct TCaso {
        QString Modalidade;
        int QdeSorteados;
        int QdeAposta;
        QStringList Faixas;
    };
    for (const TCaso& Caso :
         {TCaso{u"Mega-sena"_s, 6, 6, {u"Sena"_s, u"Quina"_s, u"Quadra"_s}},
          TCaso{u"Lotofacil"_s,
                15,
                15,
                {u"15 acertos"_s, u"14 acertos"_s, u"13 acertos"_s, u"12 acertos"_s, u"11 acertos"_s}},
          TCaso{u"Quina"_s, 5, 5, {u"Quina"_s, u"Quadra"_s, u"Terno"_s, u"Duque"_s}},
          TCaso{u"Dupla-Sena"_s,
                6,
                6,
                {u"1º Sorteio - Sena"_s, u"1º Sorteio - Quina"_s, u"1º Sorteio - Quadra"_s,
                 u"1º Sorteio - Terno"_s, u"2º Sorteio - Sena"_s, u"2º Sorteio - Quina"_s,
                 u"2º Sorteio - Quadra"_s, u"2º Sorteio - Terno"_s}},
          TCaso{u"Dia de Sorte"_s,
                7,
                7,
                {u"7 acertos"_s, u"6 acertos"_s, u"5 acertos"_s, u"4 acertos"_s, u"Mês de Sorte"_s}},
          TCaso{u"Lotomania"_s,
                20,
                50,
                {u"20 acertos"_s, u"19 acertos"_s, u"18 acertos"_s, u"17 acertos"_s, u"16 acertos"_s,
                 u"15 acertos"_s, u"0 acertos"_s}},
          TCaso{u"Timemania"_s,
                7,
                10,
                {u"7 acertos"_s, u"6 acertos"_s, u"5 acertos"_s, u"4 acertos"_s, u"3 acertos"_s,
                 u"Time do Coração"_s}},
          TCaso{u"Mais Milionária"_s,
                6,
                6,
                {u"6 acertos + 2 trevos"_s, u"6 acertos + 1 ou nenhum trevo"_s, u"5 acertos + 2 trevos"_s,
                 u"5 acertos + 1 ou nenhum trevo"_s, u"4 acertos + 2 trevos"_s,
                 u"4 acertos + 1 ou nenhum trevo"_s, u"3 acertos + 2 trevos"_s, u"3 acertos + 1 trevo"_s,
                 u"2 acertos + 2 trevos"_s, u"2 acertos + 1 trevo"_s}}}) {
        const std::optional<TRegrasConferencia> Regras = CriaRegrasConferencia(Caso.Modalidade);
        ASSERT_TRUE(Regras) << Caso.Modalidade.toStdString();
        EXPECT_EQ(Regras->QdeSorteados, Caso.QdeSorteados);
        EXPECT_EQ(Regras->QdeAposta, Caso.QdeAposta);
        QStringList Nomes;
        for (const TFaixaPremio& Faixa : Regras->Faixas)
            Nomes.append(NomeDaFaixa(Faixa));
        EXPECT_EQ(Nomes, Caso.Faixas) << Caso.Modalidade.toStdString();
    }
    EXPECT_FALSE(CriaRegrasConferencia(u"Super Sete"));
    EXPECT_FALSE(CriaRegrasConferencia(u"Bingo"));
}

} // namespace
