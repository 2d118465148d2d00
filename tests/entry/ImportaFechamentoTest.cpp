#include "entry/ImportaFechamento.h"
#include "entry/ApoioDeTeste.h"

#include "store/DataModulo.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <functional>
#include <optional>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

const QString TituloDaPergunta = u"O que fazer ? "_s;
const QString Vazia = u"No Momento a Lista de Jogos está Vazia !"_s;
const QString NenhumJogo = u"Nenhum Jogo Foi Validado na Importação !"_s;

QString PerguntaDuplicado(const QString& Numeros) {
    return Numeros + u"\rJogo Duplicado !\r\rMesmo Que Confirme a Pergunta a Seguir, Este Jogo Duplicado Não "
                     u"Será Adicionado "
                     u"no Cartelim.\r\rDeseja Continuar Com a Importação ?"_s;
}

struct Pergunta {
    QString Titulo;
    QString Texto;
    friend bool operator==(const Pergunta&, const Pergunta&) = default;
};

class ImportaFechamento : public testing::Test {
protected:
    ImportaFechamento() { FDM.AtivaFiltro_MASTER(true); }

    TResultadoImportacao Importa(const QStringList& Linhas, const QString& Modalidade, int QdeNumPorVolante,
                                 bool OrdemCrescente = false) {
        return Importa(Linhas.join(u"\r\n"_s), {Modalidade, QdeNumPorVolante, u"Bolão"_s, OrdemCrescente});
    }

    TResultadoImportacao Importa(const QString& Texto, const TPedidoImportacao& Pedido) {
        TImportaFechamento Importacao(
            FDM,
            [this](const QString& Titulo, const QString& Pergunta) {
                FPerguntas.append({Titulo, Pergunta});
                return FResposta;
            },
            [this](qsizetype Posicao, qsizetype Maximo) {
                FProgresso.append({Posicao, Maximo});
            });
        return Importacao.Importa(Texto, Pedido);
    }

    // The games of the current closing as "game" or "game :bonus", in IDJogo order.
    QStringList JogosGravados() const {
        QStringList Jogos;
        for (int Linha = 0; Linha < FDM.QdeJogos(); ++Linha) {
            const TRegistroDetalhe Jogo = FDM.Jogo(Linha);
            EXPECT_EQ(Jogo.IDJogo, Linha + 1);
            Jogos.append(Jogo.NumBonus ? Jogo.Jogo + u" :"_s + QString::number(*Jogo.NumBonus) : Jogo.Jogo);
        }
        return Jogos;
    }

    TDM FDM;
    TRespostaDuplicado FResposta = TRespostaDuplicado::Sim;
    QList<Pergunta> FPerguntas;
    QList<std::pair<qsizetype, qsizetype>> FProgresso;
};

TEST_F(ImportaFechamento, AreaVaziaSoAvisa) {
    const TResultadoImportacao Resultado = Importa(QString(), {u"Mega-sena"_s, 6, {}, false});
    EXPECT_FALSE(Resultado.FechamentoGravado);
    EXPECT_EQ(Resultado.Mensagens, TMensagens({{TTipoMensagem::Aviso, Vazia}}));
    EXPECT_FALSE(Resultado.TrevosFromTXT.has_value());
    EXPECT_TRUE(FProgresso.isEmpty());
    EXPECT_EQ(FDM.QdeFechamentos(), 0);
}

TEST_F(ImportaFechamento, ComentariosELinhasEmBrancoSaoIgnorados) {
    const TResultadoImportacao Resultado =
        Importa({u"// fechamento"_s, QString(), u"   //outro"_s, u" \t "_s}, u"Mega-sena"_s, 6);
    EXPECT_FALSE(Resultado.FechamentoGravado);
    EXPECT_EQ(Resultado.Mensagens, TMensagens({{TTipoMensagem::Aviso, NenhumJogo}}));
    ASSERT_TRUE(Resultado.TrevosFromTXT.has_value());
    EXPECT_TRUE(Resultado.TrevosFromTXT->isEmpty());
    EXPECT_EQ(FDM.QdeFechamentos(), 0);
    EXPECT_TRUE(FDM.FiltroMasterAtivo());
}

TEST_F(ImportaFechamento, DuplicadoAceitoFicaDeFora) {
    const TResultadoImportacao Resultado =
        Importa({u"// fechamento"_s, QString(), u"1 2 3 4 5 6"_s, u"6,5,4,3,2,1"_s}, u"mega-sena"_s, 6);
    EXPECT_EQ(FPerguntas, QList<Pergunta>({{TituloDaPergunta, PerguntaDuplicado(u"01 02 03 04 05 06"_s)}}));
    EXPECT_TRUE(Resultado.FechamentoGravado);
    EXPECT_TRUE(Resultado.Mensagens.isEmpty());
    ASSERT_EQ(FDM.QdeFechamentos(), 1);
    EXPECT_EQ(FDM.Fechamento(0).Modalidade, u"Mega-Sena"_s);
    EXPECT_EQ(FDM.Fechamento(0).Titulo, u"Bolão"_s);
    EXPECT_EQ(FDM.Fechamento(0).DoPortalVip, u"Não"_s);
    EXPECT_EQ(JogosGravados(), QStringList({u"01 02 03 04 05 06"_s}));
    EXPECT_TRUE(FDM.FiltroMasterAtivo());
}

TEST_F(ImportaFechamento, DuplicadoRecusadoNaoGravaNadaNemLeOResto) {
    FResposta = TRespostaDuplicado::Nao;
    const TResultadoImportacao Resultado =
        Importa({u"1 2 3 4 5 6"_s, u"6,5,4,3,2,1"_s, u"1 2 3 4 5 6"_s, u"texto"_s}, u"Mega-sena"_s, 6);
    EXPECT_EQ(FPerguntas.size(), 1);
    EXPECT_FALSE(Resultado.FechamentoGravado);
    EXPECT_EQ(Resultado.Mensagens, TMensagens({{TTipoMensagem::Aviso, NenhumJogo}}));
    EXPECT_EQ(FDM.QdeFechamentos(), 0);
    EXPECT_TRUE(FDM.FiltroMasterAtivo());
}

TEST_F(ImportaFechamento, OrdemDeEntradaOuCrescente) {
    const QStringList Linhas{u"10 20 30 40 50 60"_s, u"01 02 03 04 05 06"_s, u"10,20,30,40,50,60"_s,
                             u"07 02 03 04 05 06"_s};
    Importa(Linhas, u"Mega-sena"_s, 6, false);
    EXPECT_EQ(JogosGravados(),
              QStringList({u"10 20 30 40 50 60"_s, u"01 02 03 04 05 06"_s, u"02 03 04 05 06 07"_s}));
    Importa(Linhas, u"Mega-sena"_s, 6, true);
    EXPECT_EQ(FDM.QdeFechamentos(), 2);
    EXPECT_EQ(JogosGravados(),
              QStringList({u"01 02 03 04 05 06"_s, u"02 03 04 05 06 07"_s, u"10 20 30 40 50 60"_s}));
}

TEST_F(ImportaFechamento, LinhaRecusadaDepoisDeDezBoasNaoGravaNada) {
    QStringList Linhas;
    for (int i = 1; i <= 10; ++i)
        Linhas.append(QString::number(i) + u" 21 22 23 24 25"_s);
    Linhas.append(u"01 02 03 04 05 70"_s);
    Linhas.append(u"1 21 22 23 24 25"_s); // a repeat after the bad line is never reached
    const TResultadoImportacao Resultado = Importa(Linhas, u"Mega-sena"_s, 6);
    EXPECT_TRUE(FPerguntas.isEmpty());
    EXPECT_FALSE(Resultado.FechamentoGravado);
    EXPECT_EQ(
        Resultado.Mensagens,
        TMensagens({{TTipoMensagem::Informacao,
                     u"Jogo : 01 02 03 04 05 70\r Número/Texto 70 Fora da Faixa de Números da Modalidade"_s},
                    {TTipoMensagem::Aviso, NenhumJogo}}));
    EXPECT_EQ(FDM.QdeFechamentos(), 0);
    EXPECT_TRUE(FDM.FiltroMasterAtivo());
}

TEST_F(ImportaFechamento, LinhaComNulNaoEhLinhaEmBranco) {
    // Lines of a damaged file: a NUL is no blank, so the line is checked and refused, not skipped.
    const QString Nul(QChar(0));
    const TResultadoImportacao Resultado =
        Importa({u"1 2 3 4 5 6"_s, Nul, u"1 2 3 4 5 7"_s}, u"Mega-sena"_s, 6);
    EXPECT_FALSE(Resultado.FechamentoGravado);
    EXPECT_EQ(Resultado.Mensagens,
              TMensagens({{TTipoMensagem::Informacao, u"Jogo : 0"_s + Nul + u"\r Número/Texto 0"_s + Nul +
                                                          u" Fora da Faixa de Números da Modalidade"_s},
                          {TTipoMensagem::Aviso, NenhumJogo}}));
    EXPECT_EQ(FDM.QdeFechamentos(), 0);
}

TEST_F(ImportaFechamento, MesesDoDiaDeSorteFazemJogosDiferentes) {
    const TResultadoImportacao Resultado =
        Importa({u"01 02 03 04 05 06 07 :3"_s, u"7 6 5 4 3 2 1 :4"_s, u"01 02 03 04 05 06 07 :03"_s,
                 u"01 02 03 04 05 06 07"_s, u"01 02 03 04 05 06 07 :13"_s},
                u"Dia de Sorte"_s, 7);
    // ':03' is month 3 again; ':13' is no month, so that line repeats the game without a month.
    EXPECT_EQ(FPerguntas.size(), 2);
    EXPECT_TRUE(Resultado.FechamentoGravado);
    EXPECT_EQ(JogosGravados(), QStringList({u"01 02 03 04 05 06 07 :3"_s, u"01 02 03 04 05 06 07 :4"_s,
                                            u"01 02 03 04 05 06 07"_s}));
}

TEST_F(ImportaFechamento, TrevosDaUltimaLinhaQueOsTeve) {
    const TResultadoImportacao ComTrevos =
        Importa({u"01 02 03 04 05 06 | Trevos : 3 4"_s, u"01 02 03 04 05 07 | Trevos : 1 2"_s,
                 u"01 02 03 04 05 08"_s},
                u"Mais Milionária"_s, 6);
    EXPECT_EQ(ComoVetor(ComTrevos.TrevosFromTXT.value()), std::vector<int>({1, 2}));
    EXPECT_EQ(JogosGravados(),
              QStringList({u"01 02 03 04 05 06"_s, u"01 02 03 04 05 07"_s, u"01 02 03 04 05 08"_s}));

    const TResultadoImportacao SemTrevos = Importa({u"01 02 03 04 05 06"_s}, u"Mais Milionária"_s, 6);
    ASSERT_TRUE(SemTrevos.TrevosFromTXT.has_value());
    EXPECT_TRUE(SemTrevos.TrevosFromTXT->isEmpty());
}

TEST_F(ImportaFechamento, DesistenciaNoDuplicadoNaoLeALinhaSeguinte) {
    // The line after the refused repeat is never reached: neither its clovers nor its fault count.
    FResposta = TRespostaDuplicado::Nao;
    const QString Jogo = u"01 02 03 04 05 06 | Trevos : 1 2"_s;
    const QStringList Seguintes[] = {{u"01 02 03 04 05 07 | Trevos : 3 4"_s}, {u"abc | Trevos : 5"_s}};
    for (const QStringList& Seguinte : Seguintes) {
        FPerguntas.clear();
        const TResultadoImportacao Resultado =
            Importa(QStringList{Jogo, Jogo} + Seguinte, u"Mais Milionária"_s, 6);
        EXPECT_EQ(FPerguntas.size(), 1);
        EXPECT_EQ(Resultado.Mensagens, TMensagens({{TTipoMensagem::Aviso, NenhumJogo}}));
        EXPECT_EQ(ComoVetor(Resultado.TrevosFromTXT.value()), std::vector<int>({1, 2}));
    }
    EXPECT_EQ(FDM.QdeFechamentos(), 0);
}

TEST_F(ImportaFechamento, QualquerQuebraDeLinhaSeparaJogos) {
    const TResultadoImportacao Resultado =
        Importa(u"01 02 03 04 05 06\n01 02 03 04 05 07\r01 02 03 04 05 08\r\n"
                u"01 02 03 04 05 09\r\n"_s,
                {u"Mega-sena"_s, 6, {}, false});
    EXPECT_TRUE(Resultado.FechamentoGravado);
    EXPECT_EQ(FDM.QdeJogos(), 4);
    EXPECT_EQ(FProgresso.last(), std::make_pair(qsizetype(4), qsizetype(4)));
}

TEST_F(ImportaFechamento, ProgressoDoComecoAoFimEmPassosLimitados) {
    QStringList Linhas(4999, u"// comentário"_s);
    Linhas.append(u"1 2 3 4 5 6"_s);
    Importa(Linhas, u"Mega-sena"_s, 6);
    ASSERT_FALSE(FProgresso.isEmpty());
    EXPECT_EQ(FProgresso.first(), std::make_pair(qsizetype(0), qsizetype(5000)));
    EXPECT_EQ(FProgresso.last(), std::make_pair(qsizetype(5000), qsizetype(5000)));
    EXPECT_LE(FProgresso.size(), 202);
    for (qsizetype i = 1; i < FProgresso.size(); ++i)
        EXPECT_GT(FProgresso[i].first, FProgresso[i - 1].first);
}

TEST_F(ImportaFechamento, FalhaNaPerguntaReligaOFiltro) {
    TImportaFechamento Importacao(
        FDM, [](const QString&, const QString&) -> TRespostaDuplicado { throw std::runtime_error("janela"); },
        [](qsizetype, qsizetype) {});
    EXPECT_THROW(Importacao.Importa(u"1 2 3 4 5 6\n1 2 3 4 5 6"_s, {u"Mega-sena"_s, 6, {}, false}),
                 std::runtime_error);
    EXPECT_TRUE(FDM.FiltroMasterAtivo());
    EXPECT_EQ(FDM.QdeFechamentos(), 0);
}

// A text of the game line and then blanks up to Tamanho characters, so that its size alone is at stake.
QString JogoEBrancos(qsizetype Tamanho) {
    QString Texto = u"01 02 03 04 05 06\n"_s;
    Texto.resize(Tamanho, u' ');
    return Texto;
}

// A second line that is the game followed by blanks up to Tamanho characters.
QString LinhaDeJogoDe(qsizetype Tamanho) {
    QString Linha = u"11 12 13 14 15 16"_s;
    Linha.resize(Tamanho, u' ');
    return u"01 02 03 04 05 06\n"_s + Linha;
}

// Quantidade lines of one letter: each counts as a game line, the first one is refused as a game.
QString LinhasDeUmaLetra(qsizetype Quantidade) {
    QString Texto;
    Texto.reserve(2 * Quantidade);
    for (qsizetype i = 0; i < Quantidade; ++i)
        Texto += u"x\n"_s;
    return Texto;
}

TEST_F(ImportaFechamento, LimitesDoTextoRecusadosAntesDeQualquerJogo) {
    const TMensagens Aceito;
    const TMensagens LetraRecusada{
        {TTipoMensagem::Informacao, u"Jogo : 0x\r Número/Texto 0x Fora da Faixa de Números da Modalidade"_s},
        {TTipoMensagem::Aviso, NenhumJogo}};
    struct TCaso {
        const char* Nome;
        std::function<QString()> Texto;
        TMensagens Mensagens;
        std::optional<qsizetype> LinhaRejeitada;
        int JogosGravados; // 0: nothing stored
    };
    const QList<TCaso> Casos{
        {"texto no limite", [] { return JogoEBrancos(67'108'864); }, Aceito, std::nullopt, 1},
        {"texto um caractere além",
         [] { return JogoEBrancos(67'108'865); },
         {{TTipoMensagem::Aviso,
           u"O texto tem 67.108.865 caracteres, mais do que a área de jogos aceita "
           u"(67.108.864). Divida os jogos em partes menores. Nenhum jogo foi importado."_s}},
         std::nullopt,
         0},
        {"linha de jogo no limite", [] { return LinhaDeJogoDe(10'000); }, Aceito, std::nullopt, 2},
        {"linha de jogo um caractere além",
         [] { return LinhaDeJogoDe(10'001); },
         {{TTipoMensagem::Aviso, u"A linha 2 tem 10.001 caracteres, mais do que uma linha de jogo aceita "
                                 u"(10.000). Nenhum jogo foi importado."_s}},
         1,
         0},
        {"comentário e linha em branco longos não contam",
         []() -> QString {
             return u"01 02 03 04 05 06\n// "_s + QString(20'000, u'-') + u'\n' + QString(20'000, u' ');
         },
         Aceito, std::nullopt, 1},
        {"linhas de jogo no limite", [] { return LinhasDeUmaLetra(2'000'000); }, LetraRecusada, 0, 0},
        {"uma linha de jogo além",
         []() -> QString { return u"// 2.000.001 linhas de jogo\n"_s + LinhasDeUmaLetra(2'000'001); },
         {{TTipoMensagem::Aviso,
           u"O texto tem mais de 2.000.000 linhas de jogo, mais do que um fechamento "
           u"aceita. Divida os jogos em fechamentos menores. Nenhum jogo foi importado."_s}},
         std::nullopt,
         0},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(Caso.Nome);
        TDM DM;
        DM.AtivaFiltro_MASTER(true);
        FProgresso.clear();
        TImportaFechamento Importacao(
            DM, [](const QString&, const QString&) { return TRespostaDuplicado::Sim; },
            [this](qsizetype Posicao, qsizetype Maximo) {
                FProgresso.append({Posicao, Maximo});
            });
        const TResultadoImportacao Resultado =
            Importacao.Importa(Caso.Texto(), {u"Mega-sena"_s, 6, {}, false});
        EXPECT_EQ(Resultado.Mensagens, Caso.Mensagens);
        EXPECT_EQ(Resultado.LinhaRejeitada, Caso.LinhaRejeitada);
        EXPECT_EQ(Resultado.FechamentoGravado, Caso.JogosGravados > 0);
        EXPECT_EQ(DM.QdeFechamentos(), Caso.JogosGravados > 0 ? 1 : 0);
        EXPECT_EQ(DM.QdeJogos(), Caso.JogosGravados);
        // A text beyond a limit is refused before the run: no progress, the window's clovers untouched.
        const bool RecusadoPeloLimite = Caso.JogosGravados == 0 && Caso.Mensagens.size() == 1;
        EXPECT_EQ(FProgresso.isEmpty(), RecusadoPeloLimite);
        EXPECT_EQ(Resultado.TrevosFromTXT.has_value(), !RecusadoPeloLimite);
    }
}

} // namespace
