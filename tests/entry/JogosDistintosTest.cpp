#include "entry/JogosDistintos.h"
#include "entry/ApoioDeTeste.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

bool Acrescenta(TJogosDistintos& Jogos, const QString& Jogo) {
    return Jogos.Confirma(Jogos.Prepara(Jogo));
}

TEST(JogosDistintos, GuardaCadaJogoUmaVezNaOrdemDeEntrada) {
    TJogosDistintos Jogos;
    // Far more games than the first table holds, so it grows several times on the way.
    constexpr int Quantidade = 50'000;
    for (int i = 0; i < Quantidade; ++i)
        ASSERT_TRUE(Acrescenta(Jogos, QString::number(Quantidade - i)));
    for (int i = 1; i <= Quantidade; i += 7)
        EXPECT_FALSE(Acrescenta(Jogos, QString::number(i)));
    EXPECT_TRUE(Acrescenta(Jogos, QString()));
    EXPECT_FALSE(Acrescenta(Jogos, QString()));

    ASSERT_EQ(Jogos.Lista().size(), Quantidade + 1);
    EXPECT_EQ(Jogos.Lista().first(), QString::number(Quantidade));
    EXPECT_EQ(Jogos.Lista().at(Quantidade - 1), u"1"_s);

    Jogos.OrdenaPorTexto();
    EXPECT_EQ(Jogos.Lista().at(0), QString());
    EXPECT_EQ(Jogos.Lista().at(1), u"1"_s);
    EXPECT_EQ(Jogos.Lista().at(2), u"10"_s);
}

TEST(JogosDistintos, ConfirmaUmPassoAtrasado) {
    TJogosDistintos Jogos;
    Jogos.Reserva(4);
    const TJogosDistintos::TCandidato Primeiro = Jogos.Prepara(u"01 02 :3");
    const TJogosDistintos::TCandidato Segundo = Jogos.Prepara(u"01 02 :3");
    const TJogosDistintos::TCandidato Terceiro = Jogos.Prepara(u"01 02");
    EXPECT_TRUE(Jogos.Confirma(Primeiro));
    EXPECT_FALSE(Jogos.Confirma(Segundo));
    EXPECT_TRUE(Jogos.Confirma(Terceiro));
    EXPECT_EQ(Jogos.Lista(), QStringList({u"01 02 :3"_s, u"01 02"_s}));

    Jogos.Esvazia();
    EXPECT_TRUE(Jogos.Lista().isEmpty());
    EXPECT_TRUE(Acrescenta(Jogos, u"01 02 :3"_s));
}

} // namespace
