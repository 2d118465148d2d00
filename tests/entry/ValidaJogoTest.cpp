#include "entry/ValidaJogo.h"
#include "entry/ApoioDeTeste.h"
#include "referencia/ReferenciaValidaJogo.h"

#include "catalogue/ULib.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>

using namespace Qt::StringLiterals;

namespace {

// The limits the import uses for a game chosen by name and a count of numbers per game.
TLimitesDoJogo LimitesDe(QStringView Nome, int QdeNumPorVolante) {
    const auto Modalidade = CriaModalidade(Nome);
    return {QdeNumPorVolante, Modalidade->NumInicial(), Modalidade->NumFinal(), Modalidade->NumBonusInicial(),
            Modalidade->NumBonusFinal()};
}

const TLimitesDoJogo Mega6 = LimitesDe(u"Mega-sena", 6);
const TLimitesDoJogo Loto15 = LimitesDe(u"Lotofacil", 15);
const TLimitesDoJogo DiaDeSorte7 = LimitesDe(u"Dia de Sorte", 7);
const TLimitesDoJogo Lotomania6 = LimitesDe(u"Lotomania", 6);
const TLimitesDoJogo Timemania10 = LimitesDe(u"Timemania", 10);
const TLimitesDoJogo MaisMilionaria6 = LimitesDe(u"Mais Milionária", 6);

QString ForaDaFaixa(const QString& Jogo, const QString& Pedaco) {
    return u"Jogo : "_s + Jogo + u"\r Número/Texto "_s + Pedaco +
           u" Fora da Faixa de Números da Modalidade"_s;
}

QString Repetido(const QString& Jogo, const QString& Pedaco) {
    return u"Jogo : "_s + Jogo + u"\rO Número "_s + Pedaco + u" Está Repetido no Jogo"_s;
}

QString QuantidadeErrada(const QString& Jogo, int Quantidade) {
    return u"Jogo : "_s + Jogo + u"\rJogo Não Possui "_s + QString::number(Quantidade) +
           u" Números por Volante"_s;
}

struct CasoDeLinha {
    const char* Nome;
    QString Linha;
    TLimitesDoJogo Limites;
    QString Numeros;  // expected normalised game when accepted, empty when rejected
    QString Mensagem; // expected rejection message when rejected
    int Bonus = -1;
};

class LinhaDeJogo : public testing::TestWithParam<CasoDeLinha> {};

TEST_P(LinhaDeJogo, VereditoMensagemEBonus) {
    const CasoDeLinha& Caso = GetParam();
    TValidaJogo Validador;
    Avalia(Validador, Caso.Linha, Caso.Limites);
    EXPECT_EQ(Validador.JogoValidado(), Caso.Mensagem.isEmpty());
    EXPECT_EQ(Validador.TextoJogoInvalido(), Caso.Mensagem);
    if (Caso.Mensagem.isEmpty()) {
        EXPECT_EQ(Validador.NumerosDoJogoValidado(), Caso.Numeros);
    }
    EXPECT_EQ(Validador.NumeroBonus(), Caso.Bonus);
}

const QString TrintaDigitos = u"123456789012345678901234567890"_s;

INSTANTIATE_TEST_SUITE_P(
    Casos, LinhaDeJogo,
    testing::Values(
        CasoDeLinha{"SeparadoresMisturados", u"5,12/30-41\t2 60"_s, Mega6, u"02 05 12 30 41 60"_s, {}},
        CasoDeLinha{"SeparadoresEmSequenciaEBrancosNasPontas",
                    u"  \t 1,,2//3--4\r5   6 \t"_s,
                    Mega6,
                    u"01 02 03 04 05 06"_s,
                    {}},
        CasoDeLinha{"Lotofacil",
                    u"25 24 23 22 21 20 19 18 17 16 15 14 13 12 1"_s,
                    Loto15,
                    u"01 12 13 14 15 16 17 18 19 20 21 22 23 24 25"_s,
                    {}},
        CasoDeLinha{"RepetidoComUmDigito",
                    u"05 5 10 11 12 13"_s,
                    Mega6,
                    {},
                    Repetido(u"05 05 10 11 12 13"_s, u"05"_s)},
        CasoDeLinha{
            "ZeroForaDaMega", u"0 1 2 3 4 5"_s, Mega6, {}, ForaDaFaixa(u"00 01 02 03 04 05"_s, u"00"_s)},
        CasoDeLinha{"ZeroNaLotomania", u"0 1 2 3 4 5"_s, Lotomania6, u"00 01 02 03 04 05"_s, {}},
        CasoDeLinha{"TextoNaoNumerico",
                    u"01 02 abc 04 05 06"_s,
                    Mega6,
                    {},
                    ForaDaFaixa(u"01 02 abc 04 05 06"_s, u"abc"_s)},
        CasoDeLinha{"PrimeiraFalhaDaEsquerda", u"70 05 05"_s, Mega6, {}, ForaDaFaixa(u"70 05 05"_s, u"70"_s)},
        CasoDeLinha{"CemForaDeQualquerJogo",
                    u"100"_s,
                    LimitesDe(u"Lotomania", 1),
                    {},
                    ForaDaFaixa(u"100"_s, u"100"_s)},
        CasoDeLinha{
            "CemForaMesmoComLimiteMaior", u"100"_s, {1, 0, 150, -1, -1}, {}, ForaDaFaixa(u"100"_s, u"100"_s)},
        CasoDeLinha{
            "PontoNaoSepara", u"1.5 2 3 4 5 6"_s, Mega6, {}, ForaDaFaixa(u"1.5 02 03 04 05 06"_s, u"1.5"_s)},
        CasoDeLinha{"DoisPontosNoMeio",
                    u"5:3 1 2 3 4 5"_s,
                    Mega6,
                    {},
                    ForaDaFaixa(u"5:3 01 02 03 04 05"_s, u"5:3"_s)},
        CasoDeLinha{
            "MesDeDiaDeSorte", u"01 02 03 04 05 06 07 :3"_s, DiaDeSorte7, u"01 02 03 04 05 06 07"_s, {}, 3},
        CasoDeLinha{"MesForaDaFaixaECaido",
                    u"01 02 03 04 05 06 07 :13"_s,
                    DiaDeSorte7,
                    u"01 02 03 04 05 06 07"_s,
                    {}},
        CasoDeLinha{"BonusEncerraOJogo",
                    u"01 02 :3 04 05 06 07 08"_s,
                    DiaDeSorte7,
                    {},
                    QuantidadeErrada(u"01 02 :3 04 05 06 07 08"_s, 7),
                    3},
        CasoDeLinha{"TimeDoCoracao",
                    u"1 2 3 4 5 6 7 8 9 10 ::80"_s,
                    Timemania10,
                    u"01 02 03 04 05 06 07 08 09 10"_s,
                    {},
                    80},
        CasoDeLinha{"BonusSemFaixaNaMega", u"01 02 03 04 05 06 :1"_s, Mega6, u"01 02 03 04 05 06"_s, {}},
        CasoDeLinha{"DoisPontosSozinhoNaoEhBonus",
                    u"01 02 03 04 05 06 :"_s,
                    Mega6,
                    {},
                    ForaDaFaixa(u"01 02 03 04 05 06 0:"_s, u"0:"_s)},
        CasoDeLinha{"SoTrevos", u"| 1 2"_s, Mega6, {}, QuantidadeErrada({}, 6)},
        CasoDeLinha{"PoucosNumeros", u"01 02 03"_s, Mega6, {}, QuantidadeErrada(u"01 02 03"_s, 6)},
        CasoDeLinha{"LinhaVazia", {}, Mega6, {}, QuantidadeErrada({}, 6)},
        // A number written with more than two characters is read by its value: '005' is 05, not the
        // two numbers 00 and 05, and '+5' is not lost from the game.
        CasoDeLinha{"ZerosAEsquerda", u"005 10 20 30 40 50"_s, Mega6, u"05 10 20 30 40 50"_s, {}},
        CasoDeLinha{"SinalDeMais", u"+5 10 20 30 40 50"_s, Mega6, u"05 10 20 30 40 50"_s, {}},
        CasoDeLinha{"RepetidoEscritoComTresDigitos",
                    u"05 10 20 30 40 005"_s,
                    Mega6,
                    {},
                    Repetido(u"05 10 20 30 40 005"_s, u"005"_s)},
        CasoDeLinha{"TrintaDigitos",
                    TrintaDigitos + u" 1 2 3 4 5"_s,
                    Mega6,
                    {},
                    ForaDaFaixa(TrintaDigitos + u" 01 02 03 04 05"_s, TrintaDigitos)},
        CasoDeLinha{"MaiorInteiroMaisUm",
                    u"2147483648 1"_s,
                    Mega6,
                    {},
                    ForaDaFaixa(u"2147483648 01"_s, u"2147483648"_s)},
        CasoDeLinha{"MuitosZerosAntesDoNumero",
                    u"0000000000000000000000000000007 1 2 3 4 5"_s,
                    Mega6,
                    u"01 02 03 04 05 07"_s,
                    {}},
        // A NUL comes from a damaged or binary file, never from typing: the piece that holds it is no
        // number wherever it stands, and no number is taken from it.
        CasoDeLinha{"NulNoMeio",
                    u"01\0"
                    u"02 03 04 05 06"_s,
                    Mega6,
                    {},
                    ForaDaFaixa(u"01\0"
                                u"02 03 04 05 06"_s,
                                u"01\0"
                                u"02"_s)},
        CasoDeLinha{"NulDepoisDoNumero",
                    u"01 02 03\0 04 05 06"_s,
                    Mega6,
                    {},
                    ForaDaFaixa(u"01 02 03\0 04 05 06"_s, u"03\0"_s)},
        CasoDeLinha{"NulAntesDoNumero",
                    u"01 02 \0"
                    u"03 04 05 06"_s,
                    Mega6,
                    {},
                    ForaDaFaixa(u"01 02 \0"
                                u"03 04 05 06"_s,
                                u"\0"
                                u"03"_s)},
        CasoDeLinha{"NulNoFimDaLinha",
                    u"01 02 03 04 05 06\0"_s,
                    Mega6,
                    {},
                    ForaDaFaixa(u"01 02 03 04 05 06\0"_s, u"06\0"_s)},
        CasoDeLinha{"NulNoInicioDaLinha",
                    u"\0"
                    u"1 2 3 4 5 6"_s,
                    Mega6,
                    {},
                    ForaDaFaixa(u"\0"
                                u"1 02 03 04 05 06"_s,
                                u"\0"
                                u"1"_s)},
        CasoDeLinha{"NulSozinho",
                    u"01 02 03 \0 04 05 06"_s,
                    Mega6,
                    {},
                    ForaDaFaixa(u"01 02 03 0\0 04 05 06"_s, u"0\0"_s)},
        CasoDeLinha{"NulAntesDaParteDeTrevos",
                    u"01 02 03 04 05 06\0| 1 2"_s,
                    MaisMilionaria6,
                    {},
                    ForaDaFaixa(u"01 02 03 04 05 06\0"_s, u"06\0"_s)},
        CasoDeLinha{"NulNoBonusDerrubaSoOBonus",
                    u"01 02 03 04 05 06 07 :3\0"_s,
                    DiaDeSorte7,
                    u"01 02 03 04 05 06 07"_s,
                    {}},
        CasoDeLinha{"OutrosControlesSaoBrancos",
                    u"\v01 02\f 03\x01 04 05 06\x1f"_s,
                    Mega6,
                    u"01 02 03 04 05 06"_s,
                    {}},
        CasoDeLinha{"AlgarismoArabeNaoEhNumero",
                    u"\u0663 1 2 3 4 5"_s,
                    Mega6,
                    {},
                    ForaDaFaixa(u"0\u0663 01 02 03 04 05"_s, u"0\u0663"_s)},
        CasoDeLinha{"QuebraDeLinhaNaoSepara",
                    u"1\n2 3 4 5 6 7"_s,
                    Mega6,
                    {},
                    ForaDaFaixa(u"1\n2 03 04 05 06 07"_s, u"1\n2"_s)}),
    [](const testing::TestParamInfo<CasoDeLinha>& Info) { return std::string(Info.param.Nome); });

TEST(ValidaJogo, LinhaRecusadaGuardaOUltimoJogoAceitoEZeraOBonus) {
    TValidaJogo Validador;
    EXPECT_FALSE(Validador.JogoValidado());
    EXPECT_EQ(Validador.NumeroBonus(), 0);
    Avalia(Validador, u"7 6 5 4 3 2 1 :4"_s, DiaDeSorte7);
    ASSERT_TRUE(Validador.JogoValidado());
    EXPECT_EQ(Validador.NumeroBonus(), 4);

    Avalia(Validador, u"| 1"_s, DiaDeSorte7);
    EXPECT_FALSE(Validador.JogoValidado());
    EXPECT_EQ(Validador.NumerosDoJogoValidado(), u"01 02 03 04 05 06 07"_s);
    EXPECT_EQ(Validador.NumeroBonus(), -1);

    Avalia(Validador, u"1 2 3 4 5 6 8"_s, DiaDeSorte7);
    EXPECT_TRUE(Validador.JogoValidado());
    EXPECT_TRUE(Validador.TextoJogoInvalido().isEmpty());
}

TEST(ValidaJogo, TrevosDaUltimaLinhaQueTeveParteDeTrevos) {
    struct Passo {
        QString Linha;
        std::vector<int> Trevos;
    };
    const Passo Passos[] = {
        {u"01 02 03 04 05 06 | Trevos : 1 2"_s, {1, 2}},
        {u"01 02 03 04 05 07"_s, {1, 2}},
        {u"01 02 03 04 05 06 | Trevos : 1  2"_s, {1, 0, 2}},
        {u"01 02 03 04 05 06|Trevos :3 x 4"_s, {3, 0, 4}},
        {u"01 02 03 04 05 06 | 5 | 6"_s, {5, 0, 6}},
        {u"01 02 03 04 05 06 | Trevos :"_s, {}},
        {u"01 02 03 04 05 06 | 1\0 \0"
         u"2 3"_s,
         {0, 0, 3}},
        {u"| TrTrevos :evos : 9"_s, {0, 0, 9}},
    };
    TValidaJogo Validador;
    for (const Passo& P : Passos) {
        Avalia(Validador, P.Linha, MaisMilionaria6);
        EXPECT_EQ(ComoVetor(Validador.TrevosFromTXT()), P.Trevos) << qPrintable(P.Linha);
    }
    Avalia(Validador, u"01 02 03 04 05 06 | Trevos : 1 2"_s, MaisMilionaria6);
    EXPECT_TRUE(Validador.JogoValidado());
    EXPECT_EQ(Validador.NumerosDoJogoValidado(), u"01 02 03 04 05 06"_s);
    Validador.SetTrevosFromTXT({});
    EXPECT_TRUE(Validador.TrevosFromTXT().isEmpty());
}

TEST(ValidaJogo, PadronizaJogoPreencheSemOrdenarNemTestar) {
    const std::pair<QString, QString> Casos[] = {
        {u"7,  8 -9"_s, u"07 08 09"_s},          {u":"_s, u"0:"_s},
        {u"60 5 abc 005"_s, u"60 05 abc 005"_s}, {u" \t\r "_s, {}},
        {u"1\u00012"_s, u"1\u00012"_s},          {{}, {}},
        {u"\0 5\0 \v7\v"_s, u"0\0 5\0 07"_s},
    };
    const TValidaJogo Validador;
    for (const auto& [Entrada, Esperado] : Casos)
        EXPECT_EQ(Validador.PadronizaJogo(Entrada), Esperado) << qPrintable(Entrada);
}

TEST(ValidaJogo, NumerosEmOrdem) {
    const TValidaJogo Validador;
    EXPECT_EQ(Validador.NumerosEmOrdem(u"60 05 33"), u"05 33 60"_s);
    EXPECT_EQ(Validador.NumerosEmOrdem(u""), QString());
    EXPECT_EQ(Validador.NumerosEmOrdem(u" 10 10 02 "), u"02 10"_s);
}

// Lines built from the pieces that matter to the reader: numbers in every spelling, bonus pieces,
// clover parts, every separator, blanks and control characters, non-ASCII digits, surrogates and
// numbers too long for an int.
class GeradorDeLinhas {
public:
    explicit GeradorDeLinhas(unsigned Semente)
        : FGerador(Semente) {}

    QString LinhaHostil() {
        static const QStringList Pedacos{
            u":"_s,
            u":3"_s,
            u"::1:2"_s,
            u":+4"_s,
            u":\v5"_s,
            u"|"_s,
            u"Trevos :"_s,
            u"Trevos:"_s,
            u" "_s,
            u"  "_s,
            u","_s,
            u"/"_s,
            u"-"_s,
            u"\t"_s,
            u"\r"_s,
            u"\n"_s,
            u"abc"_s,
            u"."_s,
            u"1.5"_s,
            u"\u0663"_s,
            u"\u0660\u0665"_s,
            u"\uFF15"_s,
            u"\u00A0"_s,
            QString(QChar(0)),
            u"\u0001"_s,
            u"\v"_s,
            u"2147483647"_s,
            u"2147483648"_s,
            TrintaDigitos,
            u"00000000000000042"_s,
            u"\U0001F600"_s,
            QString(QChar(0xD800)),
            u"+"_s,
            u"++5"_s,
            u"0x10"_s,
            u"1e2"_s,
        };
        QString Linha;
        const int Quantidade = Sorteia(0, 24);
        for (int i = 0; i < Quantidade; ++i) {
            switch (Sorteia(0, 9)) {
            case 0:
            case 1:
            case 2:
            case 3:
                Linha += NumeroEmQualquerGrafia();
                break;
            case 4:
                Linha += QChar(char16_t(Sorteia(0, 0xFFFF)));
                break;
            default:
                Linha += Pedacos.at(Sorteia(0, int(Pedacos.size()) - 1));
                break;
            }
        }
        return Linha;
    }

    // A plausible game: distinct numbers in range, mixed separators, sometimes a bonus or clovers.
    QString LinhaDeJogo(const TLimitesDoJogo& Limites, int Quantidade) {
        static const QStringList Separadores{u" "_s, u","_s, u"/"_s, u"-"_s, u"\t"_s, u" , "_s, u"  "_s};
        const int Menor = std::clamp(Limites.NumInicial, 0, 99);
        const int Maior = std::clamp(Limites.NumFinal, Menor, 99);
        QString Linha;
        for (int i = 0; i < Quantidade; ++i) {
            if (i > 0)
                Linha += Separadores.at(Sorteia(0, int(Separadores.size()) - 1));
            Linha += QString::number(Sorteia(Menor, Maior));
        }
        if (Sorteia(0, 3) == 0)
            Linha += u" :"_s + QString::number(Sorteia(-1, 90));
        if (Sorteia(0, 3) == 0)
            Linha +=
                u" | Trevos : "_s + QString::number(Sorteia(0, 7)) + u' ' + QString::number(Sorteia(0, 7));
        return Linha;
    }

    int Sorteia(int Menor, int Maior) { return std::uniform_int_distribution<int>(Menor, Maior)(FGerador); }

private:
    QString NumeroEmQualquerGrafia() {
        const QString Numero = QString::number(Sorteia(0, 110));
        switch (Sorteia(0, 5)) {
        case 0:
            return u"0"_s + Numero;
        case 1:
            return u"00"_s + Numero;
        case 2:
            return u"+"_s + Numero;
        default:
            return Numero;
        }
    }

    std::mt19937 FGerador;
};

TEST(ValidaJogo, LeituraRapidaConcordaComOsPassosLiterais) {
    const TLimitesDoJogo Limites[] = {
        Mega6,
        Loto15,
        DiaDeSorte7,
        Lotomania6,
        Timemania10,
        MaisMilionaria6,
        {3, -5, 150, INT_MIN, INT_MAX},
        {0, 1, 60, 1, 12},
        {2, 10, 5, 5, 1},
    };
    GeradorDeLinhas Gerador(20240611);
    TValidaJogo Validador;
    TReferenciaValidaJogo Referencia;
    int Aceitas = 0;
    for (int i = 0; i < 150000; ++i) {
        const TLimitesDoJogo& Jogo = Limites[Gerador.Sorteia(0, std::size(Limites) - 1)];
        TLimitesDoJogo Pedido = Jogo;
        QString Linha;
        if (Gerador.Sorteia(0, 1) == 0) {
            Pedido.QdeNumPorVolante = Gerador.Sorteia(0, 8);
            Linha = Gerador.LinhaHostil();
        } else {
            Linha = Gerador.LinhaDeJogo(Jogo, Jogo.QdeNumPorVolante + Gerador.Sorteia(-1, 1));
        }
        Avalia(Validador, Linha, Pedido);
        Referencia.AvaliaJogo(Linha, Pedido);
        ASSERT_EQ(VereditoDe(Validador), Referencia.Veredito())
            << "linha " << i << ": " << testing::PrintToString(Linha);
        Aceitas += Validador.JogoValidado();
    }
    // The comparison must have covered acceptances as well as every kind of refusal.
    EXPECT_GT(Aceitas, 10000);
}

TEST(ValidaJogo, LinhasEnormesNaoDerrubamOValidador) {
    TValidaJogo Validador;
    Avalia(Validador, QString(1 << 24, u'7'), Mega6);
    EXPECT_FALSE(Validador.JogoValidado());
    EXPECT_TRUE(Validador.TextoJogoInvalido().endsWith(u" Fora da Faixa de Números da Modalidade"_s));

    Avalia(Validador, u"1 "_s.repeated(1 << 22), Mega6);
    EXPECT_TRUE(Validador.TextoJogoInvalido().endsWith(u"\rO Número 01 Está Repetido no Jogo"_s));
}

} // namespace
