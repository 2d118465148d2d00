#include "catalogue/ULib.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TModalidade> Prepara(QStringView Nome, int Modelo, int NumerosPorVolante) {
    auto Regras = CriaModalidade(Nome);
    Regras->SetLayoutIndex(Modelo);
    Regras->SetParameters(NumerosPorVolante);
    return Regras;
}

QList<int> Faixa(int Inicio, int Fim) {
    QList<int> Lista;
    for (int n = Inicio; n <= Fim; ++n)
        Lista.append(n);
    return Lista;
}

TEST(Modalidade, FixedFactsOfEveryGame) {
    const struct {
        const char16_t* Nome;
        const char16_t* NomeModalidade;
        int Inicial, Final, BonusInicial, BonusFinal;
    } Casos[] = {
        {u"Mega-sena", u"Mega-Sena", 1, 60, -1, -1},
        {u"Lotofacil", u"Lotofacil", 1, 25, -1, -1},
        {u"Dia de Sorte", u"Dia de Sorte", 1, 31, 1, 12},
        {u"Quina", u"Quina", 1, 80, -1, -1},
        {u"Lotomania", u"Lotomania", 0, 99, 1, 1},
        {u"Timemania", u"Timemania", 1, 80, 1, 80},
        {u"Dupla-Sena", u"Dupla-Sena", 1, 50, -1, -1},
        {u"Mais Milionária", u"Mais Milionária", 1, 50, -1, -1},
        {u"xyz", u"Indefinida", 1, -1, -1, -1},
    };
    for (const auto& Caso : Casos) {
        const auto Regras = CriaModalidade(QStringView(Caso.Nome));
        SCOPED_TRACE(QString::fromUtf16(Caso.Nome).toStdString());
        EXPECT_EQ(Regras->NomeModalidade(), QString::fromUtf16(Caso.NomeModalidade));
        EXPECT_EQ(Regras->NumInicial(), Caso.Inicial);
        EXPECT_EQ(Regras->NumFinal(), Caso.Final);
        EXPECT_EQ(Regras->NumBonusInicial(), Caso.BonusInicial);
        EXPECT_EQ(Regras->NumBonusFinal(), Caso.BonusFinal);
        EXPECT_EQ(Regras->LayoutIndex(), 0);
        EXPECT_FALSE(Regras->LiberadoImprimir());
        EXPECT_TRUE(Regras->QdeNumPorVolante().isEmpty()) << "lists stay empty until SetParameters";
    }
}

TEST(Modalidade, NumerosModalidadeListsTheRangeInTwoDigits) {
    const QString Mega = CriaModalidade(u"Mega-sena")->NumerosModalidade();
    EXPECT_TRUE(Mega.startsWith(QStringLiteral("01 02 ")));
    EXPECT_TRUE(Mega.endsWith(QStringLiteral(" 59 60")));
    EXPECT_EQ(QdeNumerosNoTexto(Mega), 60);
    EXPECT_EQ(Mega.size(), 60 * 3 - 1);

    const QString Lotomania = CriaModalidade(u"Lotomania")->NumerosModalidade();
    EXPECT_TRUE(Lotomania.startsWith(QStringLiteral("00 01 ")));
    EXPECT_TRUE(Lotomania.endsWith(QStringLiteral(" 99")));

    EXPECT_EQ(CriaModalidade(u"xyz")->NumerosModalidade(), QString());
}

struct CasoParametros {
    const char16_t* Nome;
    int Modelo;
    QList<int> NumPorVolante, Surpresinha, Teimosinha, JogosPorVolante;
    int VolantesPorPagina;
    QStringList Layout, NomeRelatorio, ImagemMiniatura;
};

TEST(Modalidade, SetParametersFillsTheChoicesOfTheChosenModel) {
    const auto S = [](std::initializer_list<const char16_t*> Textos) {
        QStringList Lista;
        for (const char16_t* Texto : Textos)
            Lista.append(QString::fromUtf16(Texto));
        return Lista;
    };
    const QStringList MegaLayout = S({u"2020", u"Mega da Virada 2020"});
    const QStringList MegaRel = S({u"TFormImpressaoMega_3", u"TFormImpressaoMegaVirada_3"});
    const QStringList MegaImg = S({u"Imagem_Megasena_2018", u"Imagem_MegasenaVirada_2023"});
    const QStringList LfLayout = S({u"Mod 2023", u"Mod 2023 Indep"});
    const QStringList LfRel = S({u"TFormImpressaoLF_3_2021", u"TFormImpressaoLF_3_2021_Independencia"});
    const QStringList LfImg = S({u"Imagem_Lotofacil_2023", u"Imagem_Lotofacil_Independencia_2023"});
    const QStringList DsLayout = S({u"2020", u"2024"});
    const QStringList DsRel = S({u"TFormImpressaoDSorte_3", u"TFormImpressaoDSorte_2024"});
    const QStringList DsImg = S({u"Imagem_DiaDeSorte_2018", u"Imagem_DiaDeSorte_2024"});
    const QStringList QnLayout = S({u"2023", u"Quina S.João 2023"});
    const QStringList QnRel = S({u"TFormImpressaoQuina_3", u"TFormImpressaoQuina_SaoJoao"});
    const QStringList QnImg = S({u"Imagem_Quina_2018", u"Imagem_QuinaSaoJoao_2018"});
    const QStringList DpLayout = S({u"Modelo 2020", u"Modelo Páscoa 2020"});
    const QStringList DpRel = S({u"TFormImpressao_DuplaSena_2020", u"TFormImpressao_DuplaSena_Pascoa_2020"});
    const QStringList DpImg = S({u"Imagem_DuplaSena_2020", u"Imagem_DuplaSena_Pascoa_2020"});
    const QStringList MmLayout = S({u"Modelo 2022", u"Modelo 2023"});
    const QStringList MmRel = S({u"TFormImpressao_MaisMilionaria", u"TFormImpressao_MaisMilionaria2"});
    const QStringList MmImg = S({u"Imagem_MaisMilionaria_2023", u"Imagem_Milionaria2023_2"});

    const CasoParametros Casos[] = {
        {u"Mega-sena",
         0,
         Faixa(6, 20),
         Faixa(0, 7),
         {0, 2, 4, 8},
         {1, 2, 3},
         3,
         MegaLayout,
         MegaRel,
         MegaImg},
        {u"Mega-sena", 1, Faixa(6, 20), Faixa(0, 7), {0}, {1, 2, 3}, 3, MegaLayout, MegaRel, MegaImg},
        {u"Lotofacil",
         0,
         Faixa(15, 20),
         Faixa(0, 7),
         {0, 3, 6, 12, 18, 24},
         {1, 2, 3},
         3,
         LfLayout,
         LfRel,
         LfImg},
        {u"Lotofacil", 1, Faixa(15, 20), Faixa(0, 7), {0}, {1, 2, 3}, 3, LfLayout, LfRel, LfImg},
        {u"Dia de Sorte",
         0,
         Faixa(7, 15),
         Faixa(0, 7),
         {0, 3, 6, 9, 12},
         {1, 2, 3},
         3,
         DsLayout,
         DsRel,
         DsImg},
        {u"Dia de Sorte",
         1,
         Faixa(7, 15),
         Faixa(0, 7),
         {0, 3, 6, 9, 12},
         {1, 2, 3},
         3,
         DsLayout,
         DsRel,
         DsImg},
        {u"Quina", 0, Faixa(5, 15), Faixa(0, 7), {0, 3, 6, 12, 18, 24}, {1, 2, 3}, 3, QnLayout, QnRel, QnImg},
        {u"Quina", 1, Faixa(5, 15), Faixa(0, 8), {0}, {1, 2}, 3, QnLayout, QnRel, QnImg},
        {u"Lotomania",
         0,
         {50},
         {0, 1},
         {0, 3, 6, 9, 12},
         {1, 2},
         3,
         S({u"2025"}),
         S({u"TFormImpressaoLotomania_1", u""}),
         S({u"Imagem_Lotomania_2025", u""})},
        {u"Timemania",
         0,
         {10},
         Faixa(0, 9),
         {0, 3, 6, 9, 12},
         {1},
         3,
         S({u"2024 NOVO"}),
         S({u"TFormImpressaoTimemania_1", u""}),
         S({u"Imagem_Timemania_2022", u""})},
        {u"Dupla-Sena", 0, Faixa(6, 15), Faixa(0, 7), {0, 3, 6, 9, 12}, {1, 2, 3}, 3, DpLayout, DpRel, DpImg},
        {u"Dupla-Sena", 1, Faixa(6, 15), Faixa(0, 7), {0}, {1, 2, 3}, 3, DpLayout, DpRel, DpImg},
        {u"Mais Milionária",
         0,
         Faixa(6, 12),
         Faixa(0, 10),
         {0, 2, 3, 4, 5},
         {1, 2, 3, 4},
         2,
         MmLayout,
         MmRel,
         MmImg},
        {u"Mais Milionária",
         1,
         Faixa(6, 12),
         Faixa(0, 10),
         {0, 2, 3, 4, 5},
         {1, 2},
         2,
         MmLayout,
         MmRel,
         MmImg},
        {u"Super7", 0, {0}, {0}, {0}, {0}, 0, S({u"", u""}), S({u"", u""}), S({u"", u""})},
        {u"xyz", 0, {0}, {0}, {0}, {0}, 2, S({u""}), S({u""}), S({u""})},
    };
    for (const CasoParametros& Caso : Casos) {
        SCOPED_TRACE(QString::fromUtf16(Caso.Nome).toStdString() + " model " + std::to_string(Caso.Modelo));
        const auto Regras = Prepara(QStringView(Caso.Nome), Caso.Modelo, 0);
        EXPECT_EQ(Regras->QdeNumPorVolante(), Caso.NumPorVolante);
        EXPECT_EQ(Regras->Surpresinha(), Caso.Surpresinha);
        EXPECT_EQ(Regras->Teimosinha(), Caso.Teimosinha);
        EXPECT_EQ(Regras->QdeJogosPorVolante(), Caso.JogosPorVolante);
        EXPECT_EQ(Regras->QdeVolantesPorPagina(), Caso.VolantesPorPagina);
        EXPECT_EQ(Regras->Layout(), Caso.Layout);
        EXPECT_EQ(Regras->NomeRelatorio(), Caso.NomeRelatorio);
        EXPECT_EQ(Regras->ImagemMiniatura(), Caso.ImagemMiniatura);
        EXPECT_EQ(Regras->QdeBolaoMin(), 0);
    }
}

TEST(Modalidade, SwitchingTheModelReplacesTheLists) {
    auto Regras = Prepara(u"Quina", 0, 5);
    ASSERT_EQ(Regras->QdeJogosPorVolante(), (QList<int>{1, 2, 3}));
    Regras->SetLayoutIndex(1);
    Regras->SetParameters(5);
    EXPECT_EQ(Regras->QdeJogosPorVolante(), (QList<int>{1, 2}));
    EXPECT_EQ(Regras->Surpresinha().last(), 8);
    EXPECT_EQ(Regras->Teimosinha(), (QList<int>{0}));

    Regras->SetTeimosinha({7});
    EXPECT_EQ(Regras->Teimosinha(), (QList<int>{7})) << "assigning a list replaces it whole";
}

TEST(Modalidade, QdeBolaoMaxFollowsTheNumbersPerGame) {
    const struct {
        const char16_t* Nome;
        int Numeros, Esperado;
    } Casos[] = {
        {u"Mega-sena", 6, 8},
        {u"Mega-sena", 7, 50},
        {u"Mega-sena", 8, 100},
        {u"Mega-sena", 20, 100},
        {u"Lotofacil", 15, 7},
        {u"Lotofacil", 16, 35},
        {u"Lotofacil", 17, 40},
        {u"Lotofacil", 18, 50},
        {u"Lotofacil", 19, 85},
        {u"Lotofacil", 20, 100},
        {u"Lotofacil", 21, 0},
        {u"Lotofacil", 0, 0},
        {u"Dia de Sorte", 7, 8},
        {u"Dia de Sorte", 8, 20},
        {u"Dia de Sorte", 9, 25},
        {u"Dia de Sorte", 10, 50},
        {u"Dia de Sorte", 11, 60},
        {u"Dia de Sorte", 13, 60},
        {u"Dia de Sorte", 14, 60},
        {u"Dia de Sorte", 15, 60},
        {u"Quina", 5, 7},
        {u"Quina", 6, 25},
        {u"Quina", 7, 50},
        {u"Dupla-Sena", 6, 10},
        {u"Dupla-Sena", 7, 50},
        {u"Mais Milionária", 6, 84},
        {u"Mais Milionária", 7, 100},
        {u"Timemania", 10, 9},
        {u"Timemania", 0, 9},
        {u"Lotomania", 50, 0},
        {u"Super7", 7, 0},
        {u"xyz", 6, 0},
    };
    for (const auto& Caso : Casos) {
        EXPECT_EQ(Prepara(QStringView(Caso.Nome), 0, Caso.Numeros)->QdeBolaoMax(), Caso.Esperado)
            << QString::fromUtf16(Caso.Nome).toStdString() << " with " << Caso.Numeros;
    }
}

struct CasoValidacao {
    const char16_t* Nome;
    int Modelo, Numeros, Bolao, Teimosinha, Time;
    QStringList Mensagens; // empty: allowed
};

const QString BolaoComTeimosinha = QStringLiteral("Esta Modalidade Não Permite Bolão com Teimosinha");
const QString NaoDisponivel = QStringLiteral("Modalidade Não Disponível para Impressão no Momento.");
const QString SemTime = QStringLiteral("Favor Escolher um Time do Coração");
const QString Mega16 = QStringLiteral(
    "O Cartelim não está configurado para Impressão da Mega com 16 ou mais dezenas por volante.");

TEST(Modalidade, ValidaImpressaoReportsEveryRefusalInOrder) {
    const CasoValidacao Casos[] = {
        {u"Mega-sena", 0, 6, 0, 0, -1, {}},
        {u"Mega-sena", 0, 16, 0, 0, -1, {Mega16}},
        {u"Mega-sena", 1, 16, 0, 0, -1, {}},
        {u"Mega-sena", 0, 6, 9, 0, -1, {}},
        {u"Mega-sena",
         0,
         6,
         10,
         0,
         -1,
         {QStringLiteral("Esta Modalidade Não Permite Bolão Acima de 9 Cotas para Jogos de 6 Por Volante")}},
        {u"Mega-sena", 0, 16, 10, 3, -1, {BolaoComTeimosinha, Mega16}},
        {u"Lotofacil", 0, 15, 8, 0, -1, {}},
        {u"Lotofacil",
         0,
         15,
         9,
         0,
         -1,
         {QStringLiteral("Esta Modalidade Não Permite Bolão Acima de 8 Cotas para Jogos de 15 Por Volante")}},
        {u"Lotofacil",
         1,
         20,
         101,
         0,
         -1,
         {QStringLiteral("Este Layout Não Permite Cotas de Bolão Acima de 100")}},
        {u"Lotofacil", 0, 20, 101, 0, -1, {}},
        {u"Dia de Sorte",
         0,
         7,
         9,
         0,
         -1,
         {QStringLiteral("Esta Modalidade Não Permite Bolão Acima de 8 Cotas para Jogos de 7 Por Volante")}},
        {u"Dia de Sorte", 1, 15, 60, 0, -1, {}},
        {u"Dia de Sorte",
         0,
         15,
         61,
         0,
         -1,
         {QStringLiteral("Este Volante Não Permite Cotas de Bolão Acima de 60")}},
        {u"Dia de Sorte",
         0,
         7,
         61,
         3,
         -1,
         {BolaoComTeimosinha,
          QStringLiteral("Esta Modalidade Não Permite Bolão Acima de 8 Cotas para Jogos de 7 Por Volante"),
          QStringLiteral("Este Volante Não Permite Cotas de Bolão Acima de 60")}},
        {u"Quina",
         0,
         5,
         9,
         0,
         -1,
         {QStringLiteral("Esta Modalidade Não Permite Bolão Acima de 8 Cotas para Jogos de 5 Por Volante")}},
        {u"Dupla-Sena",
         0,
         6,
         11,
         0,
         -1,
         {QStringLiteral("Esta Modalidade Não Permite Bolão Acima de 10 Cotas para Jogos de 6 Por Volante")}},
        {u"Dupla-Sena", 1, 6, 10, 0, -1, {}},
        {u"Timemania", 0, 10, 0, 0, -1, {SemTime}},
        {u"Timemania", 0, 10, 0, 0, 0, {}},
        {u"Timemania", 0, 10, 2, 3, -1, {BolaoComTeimosinha, SemTime}},
        {u"Lotomania", 0, 50, 2, 3, -1, {BolaoComTeimosinha}},
        {u"Mais Milionária", 1, 6, 2, 3, -1, {BolaoComTeimosinha}},
        {u"Mais Milionária", 0, 12, 100, 0, -1, {}},
        {u"Super7", 0, 7, 0, 0, -1, {NaoDisponivel}},
        {u"Super7", 1, 7, 0, 0, -1, {NaoDisponivel}},
        {u"Super7", 0, 7, 2, 3, -1, {BolaoComTeimosinha}},
        {u"xyz", 0, 6, 2, 3, -1, {NaoDisponivel}},
        // A game rule speaks alone: the missing template is not reported next to it.
        {u"Lotomania", 1, 50, 2, 3, -1, {BolaoComTeimosinha}},
        {u"Lotomania", 1, 50, 0, 0, -1, {NaoDisponivel}},
        {u"Timemania", 1, 10, 0, 0, 5, {NaoDisponivel}},
    };
    for (const CasoValidacao& Caso : Casos) {
        SCOPED_TRACE(QString::fromUtf16(Caso.Nome).toStdString() + " model " + std::to_string(Caso.Modelo) +
                     " numbers " + std::to_string(Caso.Numeros) + " quotas " + std::to_string(Caso.Bolao));
        const auto Regras = Prepara(QStringView(Caso.Nome), Caso.Modelo, Caso.Numeros);
        Regras->ValidaImpressao(Caso.Numeros, Caso.Bolao, Caso.Teimosinha, Caso.Time, Caso.Modelo);
        EXPECT_EQ(Regras->LiberadoImprimir(), Caso.Mensagens.isEmpty());
        QStringList Textos;
        for (const TMensagem& Mensagem : Regras->MensagensValidacao()) {
            EXPECT_EQ(Mensagem.Tipo, TTipoMensagem::Erro);
            Textos.append(Mensagem.Texto);
        }
        EXPECT_EQ(Textos, Caso.Mensagens);
    }
}

TEST(Modalidade, ANewCheckForgetsTheRefusalsOfTheLastOne) {
    const auto Regras = Prepara(u"Timemania", 0, 10);
    Regras->ValidaImpressao(10, 0, 0, -1, 0);
    ASSERT_FALSE(Regras->LiberadoImprimir());
    Regras->ValidaImpressao(10, 0, 0, 3, 0);
    EXPECT_TRUE(Regras->LiberadoImprimir());
    EXPECT_TRUE(Regras->MensagensValidacao().isEmpty());
}

} // namespace
