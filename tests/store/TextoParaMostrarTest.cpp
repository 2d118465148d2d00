#include "store/CorteDeTexto.h"

#include <gtest/gtest.h>

namespace {

TEST(TextoParaMostrar, BreaksLinesAtCarriageReturnsAndCutsHugeLines) {
    EXPECT_EQ(TextoParaMostrar(QStringLiteral("Jogo : 01\rO Número 01 Está Repetido no Jogo")),
              QStringLiteral("Jogo : 01\nO Número 01 Está Repetido no Jogo"));
    EXPECT_EQ(TextoParaMostrar(QStringLiteral("a\r\nb\r\rc")), QStringLiteral("a\nb\n\nc"));

    const QString Enorme = QStringLiteral("01 ").repeated(10'000'000);
    const QString Caixa =
        TextoParaMostrar(QStringLiteral("Jogo : ") + Enorme + QStringLiteral("\rFora da Faixa"));
    EXPECT_LT(Caixa.size(), 500);
    EXPECT_TRUE(Caixa.endsWith(QStringLiteral(" …\nFora da Faixa")));
    EXPECT_TRUE(Caixa.startsWith(QStringLiteral("Jogo : 01 01 01")));
}

TEST(TextoParaMostrar, ShowsNulAndCutsWholeCharacters) {
    const QString Trevo = QString::fromUtf8("\xF0\x9F\x8D\x80"); // U+1F340, a surrogate pair
    const struct {
        QString Texto;
        QString Esperado;
    } Casos[] = {
        {QString(), QString()},
        {QStringLiteral("fim\r"), QStringLiteral("fim\n")},
        {QStringLiteral("Jogo : 01") + QChar(0) + QStringLiteral(" 02\rInválido"),
         QStringLiteral("Jogo : 01\\0 02\nInválido")},
        {QString(399, u'x') + Trevo + QStringLiteral("yz"),
         QString(399, u'x') + Trevo + QStringLiteral(" …")},
        {QString(400, u'x'), QString(400, u'x')},
    };
    for (const auto& Caso : Casos)
        EXPECT_EQ(TextoParaMostrar(Caso.Texto), Caso.Esperado) << Caso.Texto.left(20).toStdString();
}

} // namespace
