// cartelim-confere end to end: the built program run on games files and standard input, its summary,
// winners, JSON, messages and exit status read back.
#include "apoio/ExecutaPrograma.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// A comment, a blank line, a Sena, a Quina, the Quina again and a game without a prize.
const QByteArray JogosMega = "// Bolão da firma\n"
                             "\n"
                             "04 11 23 35 47 58\n"
                             "4,11,23,35,47,60\n"
                             "04 11 23 35 47 60\n"
                             "01 02 03 05 06 07\n";
const QString ResultadoMega = u"04 11 23 35 47 58"_s;

class ConfereTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Pasta.isValid()); }

    void Grava(const QString& Nome, const QByteArray& Conteudo) const {
        QFile Arquivo(Pasta.filePath(Nome));
        ASSERT_TRUE(Arquivo.open(QIODevice::WriteOnly));
        Arquivo.write(Conteudo);
    }

    TResultadoProcesso Executa(const QStringList& Argumentos, const QByteArray& Entrada = {}) const {
        QProcess Processo;
        return ExecutaPrograma(Processo, QStringLiteral(CARTELIM_CONFERE), Argumentos, Pasta.path(), Entrada);
    }

    // Runs with --json; the object written.
    QJsonObject Json(const QStringList& Argumentos, const QByteArray& Entrada = {}) const {
        const TResultadoProcesso Resultado = Executa(Argumentos + QStringList{u"--json"_s}, Entrada);
        EXPECT_EQ(Resultado.Situacao, 0) << Resultado.Erros.toStdString();
        QJsonParseError Erro;
        const QJsonDocument Documento = QJsonDocument::fromJson(Resultado.Saida.toUtf8(), &Erro);
        EXPECT_EQ(Erro.error, QJsonParseError::NoError) << Resultado.Saida.toStdString();
        return Documento.object();
    }

    // "nome=quantidade" of every tier, with the draw for Dupla Sena.
    static QStringList Faixas(const QJsonObject& Objeto) {
        QStringList Textos;
        for (const QJsonValue& Faixa : Objeto[u"faixas"_s].toArray()) {
            const QJsonObject F = Faixa.toObject();
            Textos.append(
                (F.contains(u"sorteio"_s) ? QString::number(F[u"sorteio"_s].toInt()) + u':' : QString()) +
                F[u"nome"_s].toString() + u'=' + QString::number(F[u"quantidade"_s].toInteger()));
        }
        return Textos;
    }

    QTemporaryDir Pasta;
};

TEST_F(ConfereTest, PrintsTheTierSummaryOfAGamesFile) {
    Grava(u"jogos.txt"_s, JogosMega);
    const TResultadoProcesso Resultado =
        Executa({u"--modalidade"_s, u"Mega-sena"_s, u"--resultado"_s, ResultadoMega, u"jogos.txt"_s});

    ASSERT_EQ(Resultado.Situacao, 0) << Resultado.Erros.toStdString();
    EXPECT_EQ(Resultado.Saida, u"Mega-Sena: 3 jogos conferidos; resultado 04 11 23 35 47 58.\n"
                               u"\n"
                               u"Faixa    Acertos   Apostas premiadas\n"
                               u"Sena     6         1\n"
                               u"Quina    5         1\n"
                               u"Quadra   4         0\n"
                               u"\n"
                               u"2 jogos premiados.\n"_s);
    // The repeat is left out with the batch printer's warning.
    EXPECT_EQ(Resultado.Erros,
              u"Aviso: 04 11 23 35 47 60\nJogo Duplicado ! O jogo repetido fica de fora.\n"_s);
}

TEST_F(ConfereTest, ListsEachWinningGameWithItsLineOfTheFile) {
    Grava(u"jogos.txt"_s, JogosMega);
    const TResultadoProcesso Resultado = Executa({u"--modalidade"_s, u"Mega-sena"_s, u"--resultado"_s,
                                                  ResultadoMega, u"--ganhadores"_s, u"jogos.txt"_s});
    ASSERT_EQ(Resultado.Situacao, 0) << Resultado.Erros.toStdString();
    EXPECT_TRUE(Resultado.Saida.endsWith(u"Ganhadores:\n"
                                         u"linha 3: 04 11 23 35 47 58 - 6 acertos - Sena: 1\n"
                                         u"linha 4: 04 11 23 35 47 60 - 5 acertos - Quina: 1\n"_s))
        << Resultado.Saida.toStdString();
}

TEST_F(ConfereTest, WritesOneJsonObjectWithEveryTierAndTheWinners) {
    Grava(u"jogos.txt"_s, JogosMega);
    const TResultadoProcesso Resultado = Executa(
        {u"--modalidade"_s, u"Mega-sena"_s, u"--resultado"_s, ResultadoMega, u"--json"_s, u"jogos.txt"_s});
    ASSERT_EQ(Resultado.Situacao, 0) << Resultado.Erros.toStdString();
    // The keys in the order scripts are told about.
    EXPECT_TRUE(Resultado.Saida.startsWith(
        u"{\"modalidade\": \"Mega-Sena\", \"jogos\": 3, \"faixas\": [{\"nome\": \"Sena\", \"acertos\": 6, "
        u"\"quantidade\": 1}, "_s))
        << Resultado.Saida.toStdString();
    EXPECT_TRUE(Resultado.Saida.contains(u"\"ganhadores\": [{\"linha\": 3, \"jogo\": \"04 11 23 35 47 58\", "
                                         u"\"acertos\": 6, "_s));

    const QJsonObject Objeto = QJsonDocument::fromJson(Resultado.Saida.toUtf8()).object();
    EXPECT_EQ(Faixas(Objeto), (QStringList{u"Sena=1"_s, u"Quina=1"_s, u"Quadra=0"_s}));
    EXPECT_EQ(Objeto[u"resultado"_s].toString(), ResultadoMega);
    const QJsonArray Ganhadores = Objeto[u"ganhadores"_s].toArray();
    ASSERT_EQ(Ganhadores.size(), 2);
    EXPECT_EQ(Ganhadores[1].toObject()[u"linha"_s].toInt(), 4);
    EXPECT_EQ(Ganhadores[1].toObject()[u"acertos"_s].toInt(), 5);
    EXPECT_EQ(Ganhadores[1].toObject()[u"premios"_s].toArray()[0].toObject()[u"nome"_s].toString(),
              u"Quina"_s);
}

TEST_F(ConfereTest, ReadsStandardInputAsTheBatchPrinterDoes) {
    // A byte-order mark and Windows line ends, as a text file saved on Windows has them.
    QByteArray Entrada = "\xEF\xBB\xBF" + JogosMega;
    Entrada.replace("\n", "\r\n");
    const QJsonObject Objeto =
        Json({u"--modalidade"_s, u"MEGA-SENA"_s, u"--resultado"_s, ResultadoMega, u"-"_s}, Entrada);
    EXPECT_EQ(Objeto[u"jogos"_s].toInt(), 3);
    EXPECT_EQ(Objeto[u"ganhadores"_s].toArray()[0].toObject()[u"linha"_s].toInt(), 3);
}

TEST_F(ConfereTest, BiggerBetsCountEverySimpleBetTheyHold) {
    Grava(u"grande.txt"_s, "01 02 03 04 05 06 07 08\n");
    EXPECT_EQ(Faixas(Json(
                  {u"--modalidade"_s, u"Mega-sena"_s, u"--resultado"_s, u"1 2 3 4 5 6"_s, u"grande.txt"_s})),
              (QStringList{u"Sena=1"_s, u"Quina=12"_s, u"Quadra=15"_s}));

    // Twenty numbers with the fifteen drawn; the counts in the Brazilian format.
    Grava(u"vinte.txt"_s, "01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20\n");
    const TResultadoProcesso Resultado =
        Executa({u"--modalidade"_s, u"Lotofacil"_s, u"--resultado"_s,
                 u"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15"_s, u"--ganhadores"_s, u"vinte.txt"_s});
    ASSERT_EQ(Resultado.Situacao, 0) << Resultado.Erros.toStdString();
    EXPECT_TRUE(Resultado.Saida.contains(u"15 acertos   15        1\n"
                                         u"14 acertos   14        75\n"
                                         u"13 acertos   13        1.050\n"
                                         u"12 acertos   12        4.550\n"
                                         u"11 acertos   11        6.825\n"_s))
        << Resultado.Saida.toStdString();
    EXPECT_TRUE(Resultado.Saida.endsWith(u"13 acertos: 1.050, 12 acertos: 4.550, 11 acertos: 6.825\n"_s))
        << Resultado.Saida.toStdString();
}

TEST_F(ConfereTest, GameExtrasTiersAndDraws) {
    Grava(u"dupla.txt"_s, "01 02 03 04 05 06\n");
    const QJsonObject Dupla = Json({u"--modalidade"_s, u"Dupla-Sena"_s, u"--resultado"_s, u"1 2 3 4 5 6"_s,
                                    u"--resultado2"_s, u"1 2 3 10 11 12"_s, u"dupla.txt"_s});
    EXPECT_EQ(Faixas(Dupla), (QStringList{u"1:Sena=1"_s, u"1:Quina=0"_s, u"1:Quadra=0"_s, u"1:Terno=0"_s,
                                          u"2:Sena=0"_s, u"2:Quina=0"_s, u"2:Quadra=0"_s, u"2:Terno=1"_s}));
    EXPECT_EQ(Dupla[u"ganhadores"_s].toArray().size(), 2) << "one entry for each draw won";

    // The second game has no month of its own and gets the one handed out.
    Grava(u"dia.txt"_s, "01 02 03 04 05 06 07 :3\n08 09 10 11 12 13 14\n");
    const QJsonObject Dia =
        Json({u"--modalidade"_s, u"Dia de Sorte"_s, u"--resultado"_s, u"20 21 22 23 24 25 26"_s, u"--mes"_s,
              u"7"_s, u"--mes-apostado"_s, u"7"_s, u"dia.txt"_s});
    const QJsonObject Mes = Dia[u"faixas"_s].toArray().last().toObject();
    EXPECT_EQ(Mes[u"nome"_s].toString(), u"Mês de Sorte"_s);
    EXPECT_TRUE(Mes[u"acertos"_s].isNull());
    EXPECT_EQ(Mes[u"quantidade"_s].toInt(), 1);
    EXPECT_EQ(Dia[u"ganhadores"_s].toArray()[0].toObject()[u"mes"_s].toInt(), 7);
    EXPECT_EQ(Dia[u"ganhadores"_s].toArray()[0].toObject()[u"linha"_s].toInt(), 2);

    Grava(u"time.txt"_s, "01 02 03 04 05 06 07 08 09 10 :12\n");
    const QJsonObject Time = Json({u"--modalidade"_s, u"Timemania"_s, u"--resultado"_s,
                                   u"70 71 72 73 74 75 76"_s, u"--time"_s, u"12"_s, u"time.txt"_s});
    EXPECT_TRUE(Faixas(Time).contains(u"Time do Coração=1"_s));

    // The clovers played are those of the text.
    Grava(u"mais.txt"_s, "01 02 03 04 05 06 07 | Trevos : 1 2 3\n");
    const QJsonObject Mais = Json({u"--modalidade"_s, u"Mais Milionária"_s, u"--resultado"_s,
                                   u"1 2 3 4 5 6"_s, u"--trevos"_s, u"1,2"_s, u"mais.txt"_s});
    EXPECT_EQ(Faixas(Mais).mid(0, 4),
              (QStringList{u"6 acertos + 2 trevos=1"_s, u"6 acertos + 1 ou nenhum trevo=2"_s,
                           u"5 acertos + 2 trevos=6"_s, u"5 acertos + 1 ou nenhum trevo=12"_s}));
    EXPECT_EQ(Mais[u"faixas"_s].toArray()[1].toObject()[u"trevos"_s].toArray(), (QJsonArray{1, 0}));
    EXPECT_EQ(Mais[u"ganhadores"_s].toArray()[0].toObject()[u"trevos"_s].toInt(), 2);
    EXPECT_EQ(Mais[u"trevos"_s].toArray(), (QJsonArray{1, 2}));
    EXPECT_EQ(Mais[u"trevosApostados"_s].toArray(), (QJsonArray{1, 2, 3}));

    QByteArray Lotomania;
    for (int Numero = 0; Numero < 50; ++Numero)
        Lotomania += QByteArray::number(Numero) + ' ';
    Grava(u"mania.txt"_s, Lotomania + '\n');
    const QJsonObject Mania = Json({u"--modalidade"_s, u"Lotomania"_s, u"--resultado"_s,
                                    u"50 51 52 53 54 55 56 57 58 59 60 61 62 63 64 65 66 67 68 69"_s,
                                    u"--espelho"_s, u"mania.txt"_s});
    EXPECT_TRUE(Faixas(Mania).contains(u"0 acertos=1"_s));
    EXPECT_TRUE(Faixas(Mania).contains(u"20 acertos=1"_s));
    const QJsonObject Espelho = Mania[u"ganhadores"_s].toArray()[0].toObject();
    EXPECT_TRUE(Espelho[u"espelho"_s].toBool());
    EXPECT_EQ(Espelho[u"acertosEspelho"_s].toInt(), 20);
}

TEST_F(ConfereTest, ADrawWithoutPrizesSaysSo) {
    Grava(u"jogos.txt"_s, JogosMega);
    const TResultadoProcesso Resultado = Executa(
        {u"--modalidade"_s, u"Mega-sena"_s, u"--resultado"_s, u"10 20 30 40 50 59"_s, u"jogos.txt"_s});
    ASSERT_EQ(Resultado.Situacao, 0);
    EXPECT_TRUE(Resultado.Saida.endsWith(u"\nNenhum prêmio.\n"_s)) << Resultado.Saida.toStdString();
}

struct TEntradaRuim {
    const char* Descricao;
    QStringList Argumentos;
    int Situacao;
    QString Mensagem; // the first line written to standard error
};

class EntradaRuim : public ConfereTest, public testing::WithParamInterface<TEntradaRuim> {};

TEST_P(EntradaRuim, IsRefusedWithAClearMessageAndTheBatchPrintersStatus) {
    Grava(u"jogos.txt"_s, JogosMega);
    Grava(u"invalidos.txt"_s, "04 11 23 35 47 58\n04 11 23 35 47 61\n");
    Grava(u"mais.txt"_s, "01 02 03 04 05 06\n");
    Grava(u"longa.txt"_s, "01 02 03 04 05 06 " + QByteArray(9'982, ' ') + "\n01 02 03 04 05 06 " +
                              QByteArray(9'983, ' ') + '\n');
    Grava(u"muitos.txt"_s, QByteArray("x\n").repeated(2'000'001));
    const TResultadoProcesso Resultado = Executa(GetParam().Argumentos);
    EXPECT_EQ(Resultado.Situacao, GetParam().Situacao);
    EXPECT_EQ(Resultado.Erros.section(u'\n', 0, 0), GetParam().Mensagem) << Resultado.Erros.toStdString();
    EXPECT_TRUE(Resultado.Saida.isEmpty()) << "nothing is checked";
}

QStringList Mega(const QString& Resultado, const QStringList& Outros = {}) {
    return QStringList{u"--modalidade"_s, u"Mega-sena"_s, u"--resultado"_s, Resultado} + Outros +
           QStringList{u"jogos.txt"_s};
}

QStringList Outra(const QString& Modalidade, const QString& Resultado, const QStringList& Outros,
                  const QString& Arquivo = u"jogos.txt"_s) {
    return QStringList{u"--modalidade"_s, Modalidade, u"--resultado"_s, Resultado} + Outros +
           QStringList{Arquivo};
}

INSTANTIATE_TEST_SUITE_P(
    Confere, EntradaRuim,
    testing::Values(
        TEntradaRuim{"WrongCount", Mega(u"04 11 23 35 47"_s), 2,
                     u"Erro: São sorteadas 6 dezenas na Mega-Sena, e foram digitadas 5: 04 11 23 35 47."_s},
        TEntradaRuim{"OutOfRange", Mega(u"04 11 23 35 47 61"_s), 2,
                     u"Erro: A dezena 61 está fora da faixa da Mega-Sena, de 01 a 60."_s},
        TEntradaRuim{"Repeated", Mega(u"04 11 23 35 47 47"_s), 2, u"Erro: A dezena 47 está repetida."_s},
        TEntradaRuim{"Blank", Mega(u"   "_s), 2, u"Erro: Digite as 6 dezenas sorteadas da Mega-Sena."_s},
        TEntradaRuim{"Empty", Mega(QString()), 2,
                     u"Erro: A opção --resultado precisa de um valor (DEZENAS)."_s},
        TEntradaRuim{"Missing",
                     {u"--modalidade"_s, u"Mega-sena"_s, u"jogos.txt"_s},
                     2,
                     u"Erro: Falta o resultado do sorteio (--resultado \"04 11 23 35 47 58\")."_s},
        TEntradaRuim{"SecondDrawOfAnotherGame", Mega(ResultadoMega, {u"--resultado2"_s, ResultadoMega}), 2,
                     u"Erro: Só a Dupla-Sena tem 2º sorteio (a modalidade é Mega-Sena)."_s},
        TEntradaRuim{"Month13", Outra(u"Dia de Sorte"_s, u"1 2 3 4 5 6 7"_s, {u"--mes"_s, u"13"_s}), 2,
                     u"Erro: O Mês de Sorte vai de 1 a 12: 13 não é um mês."_s},
        TEntradaRuim{"MonthMissing", Outra(u"Dia de Sorte"_s, u"1 2 3 4 5 6 7"_s, {}), 2,
                     u"Erro: Informe o Mês de Sorte sorteado, de 1 a 12."_s},
        TEntradaRuim{"Club81", Outra(u"Timemania"_s, u"1 2 3 4 5 6 7"_s, {u"--time"_s, u"81"_s}), 2,
                     u"Erro: O Time do Coração vai de 1 a 80: 81 não é um time."_s},
        TEntradaRuim{"CloversRepeated",
                     Outra(u"Mais Milionária"_s, u"1 2 3 4 5 6"_s, {u"--trevos"_s, u"3,3"_s}), 2,
                     u"Erro: O trevo 3 foi informado duas vezes: os 2 trevos sorteados são diferentes."_s},
        TEntradaRuim{"Clover7", Outra(u"Mais Milionária"_s, u"1 2 3 4 5 6"_s, {u"--trevos"_s, u"1,7"_s}), 2,
                     u"Erro: O trevo 7 não existe: os trevos vão de 1 a 6."_s},
        TEntradaRuim{"OneClover", Outra(u"Mais Milionária"_s, u"1 2 3 4 5 6"_s, {u"--trevos"_s, u"1"_s}), 2,
                     u"Erro: São sorteados 2 trevos, e foram informados 1."_s},
        TEntradaRuim{
            "CloverNotANumber", Outra(u"Mais Milionária"_s, u"1 2 3 4 5 6"_s, {u"--trevos"_s, u"1,x"_s}), 2,
            u"Erro: --trevos: \"x\" não é um trevo: escreva os trevos como números de 1 a 6, por exemplo "
            u"2,5."_s},
        TEntradaRuim{
            "CloversPlayedUnknown",
            Outra(u"Mais Milionária"_s, u"1 2 3 4 5 6"_s, {u"--trevos"_s, u"1,2"_s}, u"mais.txt"_s), 2,
            u"Erro: Informe os trevos com que os jogos foram apostados (--trevos-apostados 1,2): o arquivo "
            u"não os traz (\"| Trevos : 1 2\" no fim da linha)."_s},
        TEntradaRuim{
            "UnknownGame", Outra(u"Bingo"_s, u"1 2 3"_s, {}), 2,
            u"Erro: Modalidade desconhecida: \"Bingo\". Use um destes nomes: Dia de Sorte, Lotofacil, "
            u"Quina, Mega-sena, Lotomania, Timemania, Dupla-Sena, Mais Milionária."_s},
        TEntradaRuim{"InvalidGames", Outra(u"Mega-sena"_s, ResultadoMega, {}, u"invalidos.txt"_s), 3,
                     u"Jogo : 04 11 23 35 47 61"_s},
        TEntradaRuim{"LineTooLong", Outra(u"Mega-sena"_s, ResultadoMega, {}, u"longa.txt"_s), 3,
                     u"Erro: A linha 2 tem 10.001 caracteres, mais do que uma linha de jogo aceita (10.000). "
                     u"Nenhum jogo foi importado."_s},
        TEntradaRuim{"TooManyGames", Outra(u"Mega-sena"_s, ResultadoMega, {}, u"muitos.txt"_s), 3,
                     u"Erro: O texto tem mais de 2.000.000 linhas de jogo, mais do que um fechamento aceita. "
                     u"Divida os jogos em fechamentos menores. Nenhum jogo foi importado."_s},
        TEntradaRuim{"NoFile", Outra(u"Mega-sena"_s, ResultadoMega, {}, u"nenhum.txt"_s), 2,
                     u"Erro: O arquivo \"nenhum.txt\" não foi encontrado."_s}),
    [](const testing::TestParamInfo<TEntradaRuim>& Info) { return std::string(Info.param.Descricao); });

TEST_F(ConfereTest, TellsItsVersionAndHelp) {
    const TResultadoProcesso Versao = Executa({u"--version"_s});
    EXPECT_EQ(Versao.Situacao, 0);
    EXPECT_EQ(Versao.Saida, QStringLiteral("cartelim-confere " CARTELIM_VERSAO_DO_PROJETO "\n"));
    const TResultadoProcesso Ajuda = Executa({u"--help"_s});
    EXPECT_EQ(Ajuda.Situacao, 0);
    EXPECT_TRUE(Ajuda.Saida.contains(u"--ganhadores"_s));
}

} // namespace
