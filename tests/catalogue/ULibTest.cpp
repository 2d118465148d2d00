#include "catalogue/ULib.h"

#include <gtest/gtest.h>

namespace {

TEST(TextoNumerico, CleansTypedNumbersIntoBrazilianDecimals) {
    const struct {
        const char16_t* Entrada;
        const char16_t* Esperado;
    } Casos[] = {
        {u"1.5", u"1,5"},  {u"2,50 mm", u"2,5"},   {u"abc", u"0"},   {u"", u"0"},    {u"-3", u"-3"},
        {u"1,2,3", u"0"},  {u"3-", u"0"},          {u"--3", u"0"},   {u"-", u"0"},   {u",5", u"0,5"},
        {u"5,", u"5"},     {u" -0,25 ", u"-0,25"}, {u"1.000", u"1"}, {u"10", u"10"}, {u"0,1", u"0,1"},
        {u"12a3", u"123"}, {u"-0", u"0"},
    };
    for (const auto& Caso : Casos)
        EXPECT_EQ(TextoNumerico(QStringView(Caso.Entrada)), QString::fromUtf16(Caso.Esperado))
            << QString::fromUtf16(Caso.Entrada).toStdString();
}

TEST(EscolheLista, PicksTheFirstListForModelZero) {
    EXPECT_EQ(EscolheLista(true, {1, 2}, {3}), (QList<int>{1, 2}));
    EXPECT_EQ(EscolheLista(false, {1, 2}, {3}), (QList<int>{3}));
}

TEST(ULibTexto, QdeNumerosNoTextoCountsNonEmptyPieces) {
    EXPECT_EQ(QdeNumerosNoTexto(u"01  02 03"), 3);
    EXPECT_EQ(QdeNumerosNoTexto(u""), 0);
    EXPECT_EQ(QdeNumerosNoTexto(u"  "), 0);
    EXPECT_EQ(QdeNumerosNoTexto(u" 01\t 02 "), 2);
}

TEST(ULibTexto, PreencheTextoPadsAfterTrimming) {
    EXPECT_EQ(PreencheTexto(u"5", 2, u"0", true), QStringLiteral("05"));
    EXPECT_EQ(PreencheTexto(u"", 2, u"0", true), QStringLiteral("00"));
    EXPECT_EQ(PreencheTexto(u"123", 2, u"0", true), QStringLiteral("123"));
    EXPECT_EQ(PreencheTexto(u" 7 ", 3, u"*", false), QStringLiteral("7**"));
}

TEST(ULibTexto, DivideTextoKeepsEmptyPieces) {
    EXPECT_EQ(DivideTexto(u"", u" "), QStringList());
    EXPECT_EQ(DivideTexto(u"1  2", u" "), (QStringList{QStringLiteral("1"), QString(), QStringLiteral("2")}));
    EXPECT_EQ(DivideTexto(u" 1 ", u" "), (QStringList{QString(), QStringLiteral("1"), QString()}));
    EXPECT_EQ(DivideTexto(u"a,b;c", u",;"),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
}

TEST(ULibTexto, NumerosEmOrdemSortsTwoDigitNumbers) {
    EXPECT_EQ(NumerosEmOrdem(u"60 05 33"), QStringLiteral("05 33 60"));
    EXPECT_EQ(NumerosEmOrdem(u""), QString());
    EXPECT_EQ(NumerosEmOrdem(u"05 05 00"), QStringLiteral("00 05"));
    // A plain text search: a longer piece contributes every two-digit text it holds.
    EXPECT_EQ(NumerosEmOrdem(u"123"), QStringLiteral("12 23"));
}

TEST(ULibTexto, AparaRemovesControlCharactersAndSpacesOnly) {
    EXPECT_EQ(AparaTexto(u"\t\r\n 01 02\x01 "), QStringLiteral("01 02"));
    EXPECT_EQ(AparaTexto(u"\u00a0x\u00a0"), QStringLiteral("\u00a0x\u00a0"));
}

TEST(NomeDeArquivo, ReplacesWhatNoFileNameHoldsAndTrimsTheEnds) {
    const struct {
        const char16_t* Titulo;
        const char16_t* Esperado;
    } Casos[] = {
        {u"Bolão da firma", u"Bolão da firma"},
        {u"Bolão 12/2025: \"A\"", u"Bolão 12_2025_ _A_"},
        {u"a\\b*c?d<e>f|g", u"a_b_c_d_e_f_g"},
        {u"linha\tcom\rcontrole\x7f", u"linha_com_controle_"},
        {u"  ..oculto. ", u"oculto"},
        {u"..", u""},
        {u"", u""},
        {u"Mega-Sena (2020) & cia.", u"Mega-Sena (2020) & cia"},
    };
    for (const auto& Caso : Casos)
        EXPECT_EQ(NomeDeArquivo(QStringView(Caso.Titulo)), QString::fromUtf16(Caso.Esperado))
            << QString::fromUtf16(Caso.Titulo).toStdString();
}

TEST(Programa, SizeAndDateOfTheRunningFile) {
    EXPECT_GT(TamanhoDoPrograma(), 0);
    EXPECT_TRUE(DataDoPrograma().isValid());
}

} // namespace
