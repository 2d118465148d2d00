#include "catalogue/ULib.h"

#include <gtest/gtest.h>

namespace {

struct CasoNome {
    const char16_t* Nome;
    TTipoModalidade Esperado;
};

class IdentificaModalidadeTest : public testing::TestWithParam<CasoNome> {};

TEST_P(IdentificaModalidadeTest, RecognisesTheWrittenForms) {
    EXPECT_EQ(IdentificaModalidade(QStringView(GetParam().Nome)), GetParam().Esperado)
        << QString::fromUtf16(GetParam().Nome).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Nomes, IdentificaModalidadeTest,
                         testing::Values(CasoNome{u" mega-sena ", TTipoModalidade::Megasena},
                                         CasoNome{u"\t\r\nMEGASENA\x01", TTipoModalidade::Megasena},
                                         CasoNome{u"Mega Sena", TTipoModalidade::Indefinida},
                                         CasoNome{u"dia de sorte", TTipoModalidade::DiaDeSorte},
                                         CasoNome{u"Dia-de-Sorte", TTipoModalidade::DiaDeSorte},
                                         CasoNome{u"DIA DE SORTE", TTipoModalidade::DiaDeSorte},
                                         CasoNome{u"Dia  de Sorte", TTipoModalidade::Indefinida},
                                         CasoNome{u"Mais Milionária", TTipoModalidade::MaisMilionaria},
                                         CasoNome{u"MAIS MILIONÁRIA", TTipoModalidade::MaisMilionaria},
                                         CasoNome{u"mais-milionaria", TTipoModalidade::MaisMilionaria},
                                         CasoNome{u"+Milionária", TTipoModalidade::Indefinida},
                                         CasoNome{u"Mais Milionaria", TTipoModalidade::Indefinida},
                                         CasoNome{u"Lotofácil", TTipoModalidade::Indefinida},
                                         CasoNome{u"Lotofacil", TTipoModalidade::Lotofacil},
                                         CasoNome{u"quina", TTipoModalidade::Quina},
                                         CasoNome{u"dupla-sena", TTipoModalidade::DuplaSena},
                                         CasoNome{u"DuplaSena", TTipoModalidade::DuplaSena},
                                         CasoNome{u"timemania", TTipoModalidade::Timemania},
                                         CasoNome{u"Lotomania", TTipoModalidade::Lotomania},
                                         CasoNome{u"Super7", TTipoModalidade::Super7},
                                         CasoNome{u"Seninha", TTipoModalidade::Indefinida},
                                         CasoNome{u"", TTipoModalidade::Indefinida},
                                         CasoNome{u"   ", TTipoModalidade::Indefinida}));

TEST(ItensRadioModalidades, EveryItemIsRecognisedAsTheGameOfItsRow) {
    const TTipoModalidade Esperados[] = {TTipoModalidade::DiaDeSorte, TTipoModalidade::Lotofacil,
                                         TTipoModalidade::Quina,      TTipoModalidade::Megasena,
                                         TTipoModalidade::Lotomania,  TTipoModalidade::Timemania,
                                         TTipoModalidade::DuplaSena,  TTipoModalidade::MaisMilionaria};
    const QStringList& Itens = ItensRadioModalidades();
    ASSERT_EQ(Itens.size(), 8);
    for (qsizetype i = 0; i < Itens.size(); ++i)
        EXPECT_EQ(IdentificaModalidade(Itens.at(i)), Esperados[i]) << Itens.at(i).toStdString();
}

TEST(CriaModalidade, EveryDisplayNameIsRecognisedAgainAsItsOwnGame) {
    for (const char16_t* Nome :
         {u"Mega-sena", u"Quina", u"Lotofacil", u"Dia de Sorte", u"Lotomania", u"Timemania", u"Dupla-Sena",
          u"Super7", u"Mais Milionária", u"qualquer coisa"}) {
        const auto Regras = CriaModalidade(QStringView(Nome));
        ASSERT_NE(Regras, nullptr);
        EXPECT_EQ(IdentificaModalidade(Regras->NomeModalidade()), Regras->TipoModalidade())
            << Regras->NomeModalidade().toStdString();
    }
}

TEST(CriaModalidade, UnknownNamesGiveTheUndefinedGameAndSuper7ItsOwnClass) {
    const auto Indefinida = CriaModalidade(u"Seninha");
    ASSERT_NE(Indefinida, nullptr);
    EXPECT_EQ(Indefinida->TipoModalidade(), TTipoModalidade::Indefinida);
    EXPECT_EQ(Indefinida->NomeModalidade(), QStringLiteral("Indefinida"));

    const auto Super7 = CriaModalidade(u"super7");
    ASSERT_NE(Super7, nullptr);
    EXPECT_EQ(Super7->TipoModalidade(), TTipoModalidade::Super7);
}

} // namespace
