#include "ui/TextoDaCaixa.h"

#include <gtest/gtest.h>

namespace {

TEST(TextoDaCaixa, BreaksLinesAtCarriageReturnsAndCutsHugeLines) {
    EXPECT_EQ(TextoDaCaixa(QStringLiteral("Jogo : 01\rO Número 01 Está Repetido no Jogo")),
              QStringLiteral("Jogo : 01\nO Número 01 Está Repetido no Jogo"));
    EXPECT_EQ(TextoDaCaixa(QStringLiteral("a\r\nb\r\rc")), QStringLiteral("a\nb\n\nc"));

    const QString Enorme = QStringLiteral("01 ").repeated(10'000'000);
    const QString Caixa =
        TextoDaCaixa(QStringLiteral("Jogo : ") + Enorme + QStringLiteral("\rFora da Faixa"));
    EXPECT_LT(Caixa.size(), 500);
    EXPECT_TRUE(Caixa.endsWith(QStringLiteral(" …\nFora da Faixa")));
    EXPECT_TRUE(Caixa.startsWith(QStringLiteral("Jogo : 01 01 01")));
}

} // namespace
