#include "ApoioPortal.h"

#include <gtest/gtest.h>

#include <QTimeZone>

#include <functional>

namespace {

TGamesClass Conjunto(const QString& Titulo, const QString& Jogo, const QList<TCombination>& Combinacoes) {
    TGamesClass Conjunto;
    Conjunto.SetTitle(Titulo);
    Conjunto.SetGame(Jogo);
    Conjunto.SetCombinations(Combinacoes);
    return Conjunto;
}

QString Decodifica(const QByteArray& Texto) {
    QString Erro;
    const std::unique_ptr<TLoteriaResult> Resultado = TLoteriaResult::FromJsonString(Texto, &Erro);
    EXPECT_EQ(Resultado == nullptr, !Erro.isEmpty()) << Texto.left(80).toStdString();
    return Erro;
}

// A text of Profundidade lists, one inside the other.
QByteArray Aninhado(int Profundidade) {
    return QByteArray(Profundidade, '[') + QByteArray(Profundidade, ']');
}

} // namespace

TEST(RegistrosPortalTest, CombinationsListJoinsTheNumbersOfEachGameInOrder) {
    const TGamesClass Jogos = Conjunto({}, {}, {{1, 5, 12}, {7, 1, 25}, {}, {100, -3}});
    EXPECT_EQ(Jogos.combinationsList(), (QStringList{QStringLiteral("1, 5, 12"), QStringLiteral("7, 1, 25"),
                                                     QString(), QStringLiteral("100, -3")}));
    EXPECT_EQ(Jogos.QdeCombinacoes(), 4);
    EXPECT_EQ(Numeros(Jogos), (std::vector<std::vector<int>>{{1, 5, 12}, {7, 1, 25}, {}, {100, -3}}));
    TGamesClass Copia;
    Copia.SetCombinations(Jogos.Combinations());
    EXPECT_EQ(Copia, Jogos);

    // Numbers beyond 16 bits, also after smaller ones, come back as they went in.
    const TGamesClass Grandes =
        Conjunto({}, {}, {{1, 2}, {40'000, -40'000}, {2'147'483'647, -2'147'483'647 - 1}, {3}});
    EXPECT_EQ(Numeros(Grandes), (std::vector<std::vector<int>>{
                                    {1, 2}, {40'000, -40'000}, {2'147'483'647, -2'147'483'647 - 1}, {3}}));
    EXPECT_EQ(Grandes.combinationsList()[2], QStringLiteral("2147483647, -2147483648"));
    const auto Lidos = TGamesClass::FromJsonString(Grandes.ToJsonString().toUtf8());
    ASSERT_TRUE(Lidos);
    EXPECT_EQ(*Lidos, Grandes);
    EXPECT_FALSE(Grandes == Conjunto({}, {}, {{1, 2}, {40'000, -40'000}, {2'147'483'647, 0}, {3}}));
}

TEST(RegistrosPortalTest, EveryRecordReadsBackWhatItWrote) {
    TGamesClass Mega = Conjunto(QStringLiteral("Bolão da Família \"São João\""), QStringLiteral("Mega-Sena"),
                                {{4, 11, 23, 35, 47, 58}, {1, 2, 3, 4, 5, 6}});
    Mega.SetDozens(QStringLiteral("1, 2, 3, 4, 5, 6, 11, 23, 35, 47, 58"));
    Mega.SetDatacriacao(QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15, 250), QTimeZone::utc()));
    TLoteriaResult Resultado;
    Resultado.SetGames({Mega, Conjunto(QStringLiteral("Vazio"), QStringLiteral("Quina"), {})});
    Resultado.SetMesage(QStringLiteral("Olá ✓"));

    const QString Texto = Resultado.ToJsonString();
    for (const char* Membro : {"\"games\"", "\"mesage\"", "\"title\"", "\"game\"", "\"dozens\"",
                               "\"combinations\"", "\"datacriacao\":\"2024-03-05T14:30:15.250Z\""})
        EXPECT_TRUE(Texto.contains(QLatin1StringView(Membro))) << Membro;
    QString Erro;
    const auto Lido = TLoteriaResult::FromJsonString(Texto.toUtf8(), &Erro);
    ASSERT_TRUE(Lido) << Erro.toStdString();
    EXPECT_EQ(*Lido, Resultado);

    const auto Conjunto = TGamesClass::FromJsonString(Mega.ToJsonString().toUtf8());
    ASSERT_TRUE(Conjunto);
    EXPECT_EQ(*Conjunto, Mega);

    TErrorsClass Falha;
    Falha.SetCode(QStringLiteral("E42"));
    Falha.SetError(QStringLiteral("Unauthorized"));
    Falha.SetMesage(QStringLiteral("Senha inválida"));
    const auto FalhaLida = TErrorsClass::FromJsonString(Falha.ToJsonString().toUtf8());
    ASSERT_TRUE(FalhaLida);
    EXPECT_EQ(*FalhaLida, Falha);

    TLotError401Class Recusa;
    Recusa.SetErrors(Falha);
    EXPECT_TRUE(Recusa.ToJsonString().startsWith(QStringLiteral("{\"errors\":{")));
    const auto RecusaLida = TLotError401Class::FromJsonString(Recusa.ToJsonString().toUtf8());
    ASSERT_TRUE(RecusaLida);
    EXPECT_EQ(*RecusaLida, Recusa);
}

TEST(RegistrosPortalTest, ReadsAnAnswerAsThePortalWritesIt) {
    const QByteArray Texto =
        "\xEF\xBB\xBF{\n"
        "  \"status\": {\"ok\": true, \"servidor\": [1, 2, {\"x\": null}]},\n"
        "  \"games\": [\n"
        "    {\"id\": 77, \"title\": \"Bol\xC3\xA3o \\u00e9 \\\"nosso\\\"\\n\\ud83c\\udf40\",\n"
        "     \"game\": \"Lotofacil\", \"dozens\": \"01 02 03\",\n"
        "     \"combinations\": [[7, 1, 25], [1.0, 1e2, -0]],\n"
        "     \"datacriacao\": \"2024-03-05T14:30:00-03:00\"},\n"
        "    {\"title\": null, \"game\": null, \"dozens\": null, \"combinations\": null,\n"
        "     \"datacriacao\": \"2024-03-05T14:30:00\"}\n"
        "  ],\n"
        "  \"mesage\": \"\"\n"
        "}\n";
    QString Erro;
    const auto Resultado = TLoteriaResult::FromJsonString(Texto, &Erro);
    ASSERT_TRUE(Resultado) << Erro.toStdString();
    ASSERT_EQ(Resultado->Games().size(), 2);
    const TGamesClass& Primeiro = Resultado->Games()[0];
    EXPECT_EQ(Primeiro.Title(), QStringLiteral("Bolão é \"nosso\"\n🍀"));
    EXPECT_EQ(Primeiro.Game(), QStringLiteral("Lotofacil"));
    EXPECT_EQ(Primeiro.Dozens(), QStringLiteral("01 02 03"));
    EXPECT_EQ(Numeros(Primeiro), (std::vector<std::vector<int>>{{7, 1, 25}, {1, 100, 0}}));
    EXPECT_EQ(Primeiro.Datacriacao(), QDateTime(QDate(2024, 3, 5), QTime(17, 30), QTimeZone::utc()));
    const TGamesClass& Segundo = Resultado->Games()[1];
    EXPECT_TRUE(Segundo.Title().isEmpty());
    EXPECT_EQ(Segundo.QdeCombinacoes(), 0);
    // No zone named: the time is read as UTC.
    EXPECT_EQ(Segundo.Datacriacao(), QDateTime(QDate(2024, 3, 5), QTime(14, 30), QTimeZone::utc()));
}

TEST(RegistrosPortalTest, MissingAndNullMembersKeepEmptyValuesAndTheLastOfTwinMembersCounts) {
    for (const QByteArray& Texto : {QByteArray("{}"), QByteArray("{\"games\": null, \"mesage\": null}"),
                                    QByteArray("{\"games\": [], \"mesage\": \"\"}")}) {
        const auto Resultado = TLoteriaResult::FromJsonString(Texto);
        ASSERT_TRUE(Resultado) << Texto.toStdString();
        EXPECT_TRUE(Resultado->Games().isEmpty());
        EXPECT_TRUE(Resultado->Mesage().isEmpty());
    }
    const auto Duplicado = TLoteriaResult::FromJsonString(
        "{\"mesage\": \"a\", \"games\": [{\"combinations\": [[1], [2]], \"combinations\": [[3, 4]]}],"
        " \"mesage\": \"b\"}");
    ASSERT_TRUE(Duplicado);
    EXPECT_EQ(Duplicado->Mesage(), QStringLiteral("b"));
    EXPECT_EQ(Numeros(Duplicado->Games()[0]), (std::vector<std::vector<int>>{{3, 4}}));
}

TEST(RegistrosPortalTest, TextsThatAreNotAnAnswerFailWithTheReason) {
    struct Caso {
        QByteArray Texto;
        const char* Motivo;
    };
    const Caso Casos[] = {
        {"", "o texto está vazio"},
        {"   \n", "o texto está vazio"},
        {"<html>Erro interno</html>", "posição 1: esperava um valor"},
        {"[1, 2]", "o JSON deveria ser um objeto, não uma lista"},
        {"\"games\"", "o JSON deveria ser um objeto, não um texto"},
        {"{\"games\": []", "esperava ',' ou '}'"},
        {"{\"games\": [}", "esperava um valor"},
        {"{games: []}", "esperava o nome de um membro entre aspas"},
        {"{\"games\" []}", "esperava ':'"},
        {"{\"games\": []} {}", "há texto depois do fim do JSON"},
        {"{\"mesage\": \"sem fim}", "texto sem as aspas do fim"},
        {"{\"mesage\": \"a\tb\"}", "caractere de controle dentro de um texto"},
        {"{\"mesage\": \"\\x\"}", "sequência de escape desconhecida"},
        {"{\"mesage\": \"\\u12\"}", "\\u sem quatro algarismos hexadecimais"},
        {"{\"mesage\": tru}", "esperava um valor"},
        {"{\"x\": 01}", "número mal escrito"},
        {"{\"x\": 1.}", "número mal escrito"},
        {"{\"x\": -}", "número mal escrito"},
        {"{\"x\": 1e400}", "número fora da faixa de um double: 1e400"},
        {"{\"x\": [-1e-400]}", "número fora da faixa de um double: -1e-400"},
        {"{\"games\": \"todos\"}", "o membro \"games\" deveria ser uma lista de objetos, não um texto"},
        {"{\"games\": {}}", "o membro \"games\" deveria ser uma lista de objetos, não um objeto"},
        {"{\"games\": [1]}", "cada item de \"games\" deveria ser um objeto, não um número"},
        {"{\"games\": [null]}", "cada item de \"games\" deveria ser um objeto, não null"},
        {"{\"mesage\": 5}", "o membro \"mesage\" deveria ser um texto, não um número"},
        {"{\"games\": [{\"title\": []}]}", "o membro \"title\" deveria ser um texto, não uma lista"},
        {"{\"games\": [{\"game\": 2}]}", "o membro \"game\" deveria ser um texto, não um número"},
        {"{\"games\": [{\"dozens\": false}]}",
         "o membro \"dozens\" deveria ser um texto, não um valor lógico"},
        {"{\"games\": [{\"combinations\": \"1 2 3\"}]}",
         "o membro \"combinations\" deveria ser uma lista de jogos, não um texto"},
        {"{\"games\": [{\"combinations\": [1, 2]}]}",
         "cada jogo de \"combinations\" deveria ser uma lista de números, não um número"},
        {"{\"games\": [{\"combinations\": [[\"1\"]]}]}",
         "cada número de \"combinations\" deveria ser um número inteiro, não um texto"},
        {"{\"games\": [{\"combinations\": [[1, null]]}]}",
         "cada número de \"combinations\" deveria ser um número inteiro, não null"},
        {"{\"games\": [{\"combinations\": [[1.5]]}]}", "o número 1.5 não é um inteiro"},
        {"{\"games\": [{\"combinations\": [[1e10]]}]}", "o número 1e10 não é um inteiro"},
        {"{\"games\": [{\"combinations\": [[2147483648]]}]}", "o número 2147483648 não é um inteiro"},
        {"{\"games\": [{\"combinations\": [[99999999999999999999999]]}]}", "não é um inteiro"},
        {"{\"games\": [{\"datacriacao\": \"ontem\"}]}",
         "o membro \"datacriacao\" não é uma data ISO 8601: \"ontem\""},
        {"{\"games\": [{\"datacriacao\": \"2024-02-30T10:00:00Z\"}]}", "não é uma data ISO 8601"},
        {"{\"games\": [{\"datacriacao\": 1709650000}]}",
         "o membro \"datacriacao\" deveria ser um texto, não um número"},
    };
    for (const Caso& C : Casos) {
        const QString Erro = Decodifica(C.Texto);
        EXPECT_TRUE(Erro.contains(QString::fromUtf8(C.Motivo)))
            << C.Texto.toStdString() << " → " << Erro.toStdString();
    }
}

TEST(RegistrosPortalTest, DeepNestingFailsWithoutExhaustingTheStack) {
    const QString Erro = Decodifica("{\"extra\": " + Aninhado(10'000) + "}");
    EXPECT_TRUE(Erro.contains(QStringLiteral("mais de 512 níveis"))) << Erro.toStdString();
    EXPECT_TRUE(Decodifica("{\"games\": [{\"combinations\": " + Aninhado(10'000) + "}]}")
                    .contains(QStringLiteral("mais de 512 níveis")));
    EXPECT_FALSE(TemMembroNoTopo(QByteArray("{\"error\": 1, \"x\": " + Aninhado(10'000) + "}"), u"error"));
    // Within the limit an unknown member of any depth is skipped.
    EXPECT_TRUE(Decodifica("{\"extra\": " + Aninhado(500) + ", \"mesage\": \"ok\"}").isEmpty());
}

TEST(RegistrosPortalTest, AMillionCombinationsAreRead) {
    constexpr int Qde = 1'000'000;
    QByteArray Texto = "{\"games\": [{\"game\": \"Quina\", \"combinations\": [";
    for (int i = 0; i < Qde; ++i) {
        Texto += i ? ",[" : "[";
        Texto += QByteArray::number(i % 80 + 1) + ",2,3,4,5]";
    }
    Texto += "]}]}";
    const auto Resultado = TLoteriaResult::FromJsonString(Texto);
    ASSERT_TRUE(Resultado);
    const TGamesClass& Jogos = Resultado->Games()[0];
    ASSERT_EQ(Jogos.QdeCombinacoes(), Qde);
    EXPECT_EQ(Jogos.Combinacao(Qde - 1)[0], (Qde - 1) % 80 + 1);
    EXPECT_EQ(Jogos.Combinacao(Qde - 1).size(), 5);
}

// Sets of Qde empty games each (an empty game takes three bytes): the games are counted, over the
// whole answer, and so are the sets, so that a small answer cannot become gigabytes of records.
QByteArray ConjuntosDeJogosVazios(const QList<int>& Qdes) {
    QByteArrayList Conjuntos;
    for (const int Qde : Qdes) {
        QByteArray Jogos = QByteArray("[],").repeated(Qde);
        Jogos.chop(Qde > 0 ? 1 : 0);
        Conjuntos.append("{\"combinations\": [" + Jogos + "]}");
    }
    return "{\"games\": [" + Conjuntos.join(',') + "]}";
}

QByteArray ConjuntosVazios(int Qde) {
    QByteArray Conjuntos = QByteArray("{},").repeated(Qde);
    Conjuntos.chop(1);
    return "{\"games\": [" + Conjuntos + "]}";
}

TEST(RegistrosPortalTest, TheGamesAndSetsOfAnAnswerAreCountedAgainstTheLimit) {
    const QString JogosDemais =
        QStringLiteral("os jogos baixados passam de 2.000.000, o máximo que o programa aceita de uma vez");
    const QString ConjuntosDemais = QStringLiteral(
        "os conjuntos de jogos baixados passam de 10.000, o máximo que o programa aceita de uma vez");
    struct Caso {
        const char* Nome;
        std::function<QByteArray()> Texto;
        QString Motivo; // empty: read
    };
    const Caso Casos[] = {
        {"games at the limit", [] { return ConjuntosDeJogosVazios({2'000'000}); }, {}},
        {"one game more", [] { return ConjuntosDeJogosVazios({2'000'001}); }, JogosDemais},
        {"two sets at the limit",
         [] {
             return ConjuntosDeJogosVazios({1'000'000, 1'000'000});
         },
         {}},
        {"two sets one game more",
         [] {
             return ConjuntosDeJogosVazios({1'000'000, 1'000'001});
         },
         JogosDemais},
        {"sets at the limit", [] { return ConjuntosVazios(10'000); }, {}},
        {"one set more", [] { return ConjuntosVazios(10'001); }, ConjuntosDemais},
    };
    for (const Caso& C : Casos) {
        SCOPED_TRACE(C.Nome);
        const QString Erro = Decodifica(C.Texto());
        if (C.Motivo.isEmpty())
            EXPECT_TRUE(Erro.isEmpty()) << Erro.toStdString();
        else
            EXPECT_TRUE(Erro.contains(C.Motivo)) << Erro.toStdString();
    }
    QString Erro;
    const QByteArray UmConjunto = "{\"combinations\": [" + QByteArray("[],").repeated(2'000'000) + "[]]}";
    EXPECT_FALSE(TGamesClass::FromJsonString(UmConjunto, &Erro));
    EXPECT_TRUE(Erro.contains(JogosDemais)) << Erro.toStdString();
}

TEST(RegistrosPortalTest, TextsKeepEveryCharacterAndMendBrokenOnes) {
    struct Caso {
        QByteArray Json;
        QString Esperado;
    };
    const Caso Casos[] = {
        {"\"Mega \\\\ Sena \\/ 2024\\b\\f\\r\\t\"", QStringLiteral("Mega \\ Sena / 2024\b\f\r\t")},
        {"\"S\xC3\xA3o Jo\xC3\xA3o\"", QStringLiteral("São João")},
        {"\"\\u0053\\u00E3o\"", QStringLiteral("São")},
        {"\"\\ud83c\\udf40\"", QStringLiteral("🍀")},
        // A surrogate without its pair, and bytes that are not UTF-8, become replacement characters.
        {"\"a\\ud83cb\"", QStringLiteral("a\uFFFDb")},
        {"\"a\\udf40\"", QStringLiteral("a\uFFFD")},
        {"\"a\xFF\"", QStringLiteral("a\uFFFD")},
    };
    for (const Caso& C : Casos) {
        const auto Resultado = TLoteriaResult::FromJsonString(QByteArray("{\"mesage\": " + C.Json + "}"));
        ASSERT_TRUE(Resultado) << C.Json.toStdString();
        EXPECT_EQ(Resultado->Mesage(), C.Esperado) << C.Json.toStdString();
    }
}

TEST(RegistrosPortalTest, ErrorReportsTakeNumbersAsTheirText) {
    const auto Falha =
        TErrorsClass::FromJsonString("{\"code\": 401, \"error\": true, \"mesage\": null, \"x\": {}}");
    ASSERT_TRUE(Falha);
    EXPECT_EQ(Falha->Code(), QStringLiteral("401"));
    EXPECT_EQ(Falha->Error(), QStringLiteral("true"));
    EXPECT_TRUE(Falha->Mesage().isEmpty());

    QString Erro;
    EXPECT_FALSE(TErrorsClass::FromJsonString("{\"code\": [401]}", &Erro));
    EXPECT_TRUE(Erro.contains(QStringLiteral("o membro \"code\" deveria ser um texto, não uma lista")));
    EXPECT_FALSE(TLotError401Class::FromJsonString("{\"errors\": \"Senha inválida\"}", &Erro));
    EXPECT_TRUE(Erro.contains(QStringLiteral("o membro \"errors\" deveria ser um objeto, não um texto")));
    const auto SemErros = TLotError401Class::FromJsonString("{\"errors\": null}");
    ASSERT_TRUE(SemErros);
    EXPECT_EQ(SemErros->Errors(), TErrorsClass());
}

TEST(RegistrosPortalTest, TopLevelMemberIsFoundOnlyAtTheTopAndNotWhenNull) {
    struct Caso {
        QByteArray Texto;
        bool Tem;
    };
    for (const Caso& C :
         {Caso{"{\"games\": [], \"error\": \"Unauthorized\"}", true}, Caso{"{\"error\": {\"a\": 1}}", true},
          Caso{"{\"error\": null}", false}, Caso{"{\"x\": {\"error\": 1}}", false},
          Caso{"[{\"error\": 1}]", false}, Caso{"{\"error\": 1", false}, Caso{"não é JSON", false}})
        EXPECT_EQ(TemMembroNoTopo(C.Texto, u"error"), C.Tem) << C.Texto.toStdString();
}
