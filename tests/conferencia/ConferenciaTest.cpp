// The prize counts of every game: chosen cases with their known counts, and bigger bets checked against
// an enumeration of every simple bet they hold.
#include "ApoioConferencia.h"

#include "catalogue/ULib.h"

#include <QMap>

#include <algorithm>
#include <cctype>
#include <functional>
#include <random>

using namespace Qt::StringLiterals;

namespace {

using TContagens = QMap<QString, std::uint64_t>;

// The tiers won, by the name the window shows.
TContagens PorNome(const TRegrasConferencia& Regras, const std::vector<std::uint64_t>& PorFaixa) {
    TContagens Contagens;
    for (std::size_t Faixa = 0; Faixa < PorFaixa.size(); ++Faixa) {
        if (PorFaixa[Faixa] != 0)
            Contagens.insert(NomeDaFaixa(Regras.Faixas[qsizetype(Faixa)]), PorFaixa[Faixa]);
    }
    return Contagens;
}

std::vector<std::uint64_t> PorFaixa(const TRegrasConferencia& Regras,
                                    const std::vector<TPremioDoJogo>& Premios) {
    std::vector<std::uint64_t> Contagens(std::size_t(Regras.Faixas.size()));
    for (const TPremioDoJogo& Premio : Premios)
        Contagens[std::size_t(Premio.Faixa)] += Premio.Quantidade;
    return Contagens;
}

// Calls Visita with every choice of Qde of the values.
void Escolhas(const std::vector<int>& Valores, int Qde,
              const std::function<void(const std::vector<int>&)>& Visita) {
    std::vector<int> Escolhidos;
    std::function<void(std::size_t)> Continua = [&](std::size_t Inicio) {
        if (int(Escolhidos.size()) == Qde) {
            Visita(Escolhidos);
            return;
        }
        // Only where enough values are left to complete the choice.
        for (std::size_t Posicao = Inicio; Posicao + (std::size_t(Qde) - Escolhidos.size()) <= Valores.size();
             ++Posicao) {
            Escolhidos.push_back(Valores[Posicao]);
            Continua(Posicao + 1);
            Escolhidos.pop_back();
        }
    };
    Continua(0);
}

int Comuns(const std::vector<int>& Aposta, TMascaraDezenas Sorteio) {
    return int(
        std::count_if(Aposta.begin(), Aposta.end(), [&](int Numero) { return Sorteio.Contem(Numero); }));
}

// One game as the brute force sees it.
struct TJogoEnumerado {
    std::vector<int> Numeros;
    int Extra = 0;        // month or club
    bool Espelho = false; // Lotomania
};

// Every simple bet of the game, one by one, and the tiers each of them wins.
std::vector<std::uint64_t> Enumera(const TRegrasConferencia& Regras, const TJogoEnumerado& Jogo,
                                   const std::vector<int>& TrevosApostados, const TResultado& Resultado) {
    std::vector<std::uint64_t> Contagens(std::size_t(Regras.Faixas.size()));
    const auto ContaApostas = [&](const std::vector<int>& Numeros, bool ComExtra) {
        Escolhas(Numeros, Regras.QdeAposta, [&](const std::vector<int>& Aposta) {
            const auto ContaTrevos = [&](const std::vector<int>& Trevos) {
                int TrevosAcertados = 0;
                for (int Trevo : Trevos)
                    TrevosAcertados += (Resultado.Trevos >> Trevo) & 1;
                for (qsizetype Faixa = 0; Faixa < Regras.Faixas.size(); ++Faixa) {
                    const TFaixaPremio& F = Regras.Faixas[Faixa];
                    if (F.Tipo != TTipoFaixa::Numeros)
                        continue;
                    const int Sorteio = F.Sorteio == 0 ? 0 : F.Sorteio - 1;
                    if (Comuns(Aposta, Resultado.Sorteios[std::size_t(Sorteio)]) == F.Acertos &&
                        (F.Trevos.isEmpty() || F.Trevos.contains(TrevosAcertados)))
                        ++Contagens[std::size_t(Faixa)];
                }
            };
            if (Regras.TemTrevos())
                Escolhas(TrevosApostados, QdeTrevosPorAposta, ContaTrevos);
            else
                ContaTrevos({});
            const int Sorteado = Regras.TemMes() ? Resultado.Mes : Resultado.Time;
            for (qsizetype Faixa = 0; Faixa < Regras.Faixas.size(); ++Faixa) {
                if (ComExtra && Regras.Faixas[Faixa].Tipo != TTipoFaixa::Numeros && Jogo.Extra == Sorteado)
                    ++Contagens[std::size_t(Faixa)];
            }
        });
    };
    ContaApostas(Jogo.Numeros, true);
    if (Jogo.Espelho) {
        std::vector<int> Outros;
        for (int Numero = Regras.NumInicial; Numero <= Regras.NumFinal; ++Numero) {
            if (std::find(Jogo.Numeros.begin(), Jogo.Numeros.end(), Numero) == Jogo.Numeros.end())
                Outros.push_back(Numero);
        }
        ContaApostas(Outros, false);
    }
    return Contagens;
}

struct TCasoConhecido {
    const char* Descricao;
    QString Modalidade;
    QString Jogo; // with its own ":month", ":club" or ":1" (mirror) when it has one
    TResultado Resultado;
    TExtrasApostas Extras;
    TContagens Esperado;
};

TResultado ComExtras(TResultado Resultado, int Mes, int Time, const QList<int>& Trevos) {
    Resultado.Mes = Mes;
    Resultado.Time = Time;
    Resultado.Trevos = MascaraDeTrevos(Trevos);
    return Resultado;
}

TExtrasApostas Apostas(int Mes, int Time, bool Espelho, const QList<int>& Trevos) {
    TExtrasApostas Extras;
    Extras.Mes = Mes;
    Extras.Time = Time;
    Extras.ApostaEspelho = Espelho;
    Extras.Trevos = Trevos;
    return Extras;
}

class CasosConhecidos : public testing::TestWithParam<TCasoConhecido> {};

TEST_P(CasosConhecidos, CountTheSimpleBetsOfEachTier) {
    const TCasoConhecido& Caso = GetParam();
    const TFechamentoDeTeste Fechamento(Caso.Modalidade, {Caso.Jogo});
    const TConferencia Conferencia = Fechamento.Confere(Caso.Resultado, Caso.Extras);

    EXPECT_EQ(PorNome(Fechamento.Regras(), Conferencia.QdePorFaixa), Caso.Esperado);
    EXPECT_EQ(Conferencia.QdePremiados, Caso.Esperado.isEmpty() ? 0 : 1);
    EXPECT_EQ(Conferencia.Premiado(0), !Caso.Esperado.isEmpty());
    const std::vector<TPremioDoJogo> Premios =
        PremiosDoJogo(Fechamento.Regras(), Fechamento.Jogos(Caso.Extras), Conferencia, 0);
    EXPECT_EQ(PorFaixa(Fechamento.Regras(), Premios), Conferencia.QdePorFaixa);
    if (!Premios.empty()) {
        EXPECT_EQ(Conferencia.MelhorFaixa[0], Premios.front().Faixa);
    }
}

const std::vector<int> LotomaniaDe0A49 = Sequencia(0, 50);

INSTANTIATE_TEST_SUITE_P(
    TodasAsModalidades, CasosConhecidos,
    testing::Values(TCasoConhecido{"Mega simple bet, all six drawn",
                                   u"Mega-sena"_s,
                                   TextoDoJogo(Sequencia(1, 6)),
                                   Sorteio(Sequencia(1, 6)),
                                   {},
                                   {{u"Sena"_s, 1}}},
                    TCasoConhecido{"Mega 8 numbers, six drawn",
                                   u"Mega-sena"_s,
                                   TextoDoJogo(Sequencia(1, 8)),
                                   Sorteio(Sequencia(1, 6)),
                                   {},
                                   {{u"Sena"_s, 1}, {u"Quina"_s, 12}, {u"Quadra"_s, 15}}},
                    TCasoConhecido{"Mega 7 numbers, five drawn",
                                   u"Mega-sena"_s,
                                   TextoDoJogo(Sequencia(1, 7)),
                                   Sorteio({1, 2, 3, 4, 5, 60}),
                                   {},
                                   {{u"Quina"_s, 2}, {u"Quadra"_s, 5}}},
                    TCasoConhecido{"Mega three drawn win nothing",
                                   u"Mega-sena"_s,
                                   TextoDoJogo(Sequencia(1, 6)),
                                   Sorteio({1, 2, 3, 40, 50, 60}),
                                   {},
                                   {}},
                    TCasoConhecido{"Lotofacil 20 numbers, fifteen drawn",
                                   u"Lotofacil"_s,
                                   TextoDoJogo(Sequencia(1, 20)),
                                   Sorteio(Sequencia(1, 15)),
                                   {},
                                   {{u"15 acertos"_s, 1},
                                    {u"14 acertos"_s, 75},
                                    {u"13 acertos"_s, 1050},
                                    {u"12 acertos"_s, 4550},
                                    {u"11 acertos"_s, 6825}}},
                    TCasoConhecido{"Lotofacil eleven drawn",
                                   u"Lotofacil"_s,
                                   TextoDoJogo(Sequencia(1, 15)),
                                   Sorteio(Sequencia(5, 15)),
                                   {},
                                   {{u"11 acertos"_s, 1}}},
                    TCasoConhecido{"Quina two drawn",
                                   u"Quina"_s,
                                   TextoDoJogo(Sequencia(1, 5)),
                                   Sorteio({1, 2, 60, 70, 80}),
                                   {},
                                   {{u"Duque"_s, 1}}},
                    TCasoConhecido{"Quina 7 numbers, five drawn",
                                   u"Quina"_s,
                                   TextoDoJogo(Sequencia(1, 7)),
                                   Sorteio(Sequencia(1, 5)),
                                   {},
                                   {{u"Quina"_s, 1}, {u"Quadra"_s, 10}, {u"Terno"_s, 10}}},
                    TCasoConhecido{"Dupla Sena wins in each draw apart",
                                   u"Dupla-Sena"_s,
                                   TextoDoJogo(Sequencia(1, 6)),
                                   Sorteio(Sequencia(1, 6), {1, 2, 3, 40, 41, 42}),
                                   {},
                                   {{u"1º Sorteio - Sena"_s, 1}, {u"2º Sorteio - Terno"_s, 1}}},
                    TCasoConhecido{"Dupla Sena 7 numbers, second draw only",
                                   u"Dupla-Sena"_s,
                                   TextoDoJogo(Sequencia(1, 7)),
                                   Sorteio({10, 20, 30, 40, 41, 42}, {1, 2, 3, 4, 5, 50}),
                                   {},
                                   {{u"2º Sorteio - Quina"_s, 2}, {u"2º Sorteio - Quadra"_s, 5}}},
                    TCasoConhecido{"Dia de Sorte four drawn and the game's own month",
                                   u"Dia de Sorte"_s,
                                   TextoDoJogo(Sequencia(1, 7)) + u" :3"_s,
                                   ComExtras(Sorteio({1, 2, 3, 4, 20, 21, 22}), 3, 0, {}),
                                   {},
                                   {{u"4 acertos"_s, 1}, {u"Mês de Sorte"_s, 1}}},
                    TCasoConhecido{"Dia de Sorte 8 numbers win the month once per simple bet",
                                   u"Dia de Sorte"_s,
                                   TextoDoJogo(Sequencia(1, 8)) + u" :3"_s,
                                   ComExtras(Sorteio(Sequencia(20, 7)), 3, 0, {}),
                                   {},
                                   {{u"Mês de Sorte"_s, 8}}},
                    TCasoConhecido{"Dia de Sorte month of the print setup",
                                   u"Dia de Sorte"_s,
                                   TextoDoJogo(Sequencia(1, 7)),
                                   ComExtras(Sorteio(Sequencia(20, 7)), 5, 0, {}),
                                   Apostas(5, 0, false, {}),
                                   {{u"Mês de Sorte"_s, 1}}},
                    TCasoConhecido{"Dia de Sorte another month",
                                   u"Dia de Sorte"_s,
                                   TextoDoJogo(Sequencia(1, 7)) + u" :4"_s,
                                   ComExtras(Sorteio(Sequencia(20, 7)), 5, 0, {}),
                                   Apostas(5, 0, false, {}),
                                   {}},
                    TCasoConhecido{"Lotomania no number drawn",
                                   u"Lotomania"_s,
                                   TextoDoJogo(LotomaniaDe0A49),
                                   Sorteio(Sequencia(50, 20)),
                                   {},
                                   {{u"0 acertos"_s, 1}}},
                    TCasoConhecido{"Lotomania mirror of the game's own choice hits all twenty",
                                   u"Lotomania"_s,
                                   TextoDoJogo(LotomaniaDe0A49) + u" :1"_s,
                                   Sorteio(Sequencia(50, 20)),
                                   {},
                                   {{u"0 acertos"_s, 1}, {u"20 acertos"_s, 1}}},
                    TCasoConhecido{"Lotomania mirror chosen on the print setup",
                                   u"Lotomania"_s,
                                   TextoDoJogo(LotomaniaDe0A49),
                                   Sorteio(Junta(Sequencia(0, 5), Sequencia(50, 15))),
                                   Apostas(1, 0, true, {}),
                                   {{u"15 acertos"_s, 1}}},
                    TCasoConhecido{"Lotomania seventeen drawn, mirror three",
                                   u"Lotomania"_s,
                                   TextoDoJogo(LotomaniaDe0A49),
                                   Sorteio(Junta(Sequencia(0, 17), Sequencia(50, 3))),
                                   Apostas(1, 0, true, {}),
                                   {{u"17 acertos"_s, 1}}},
                    TCasoConhecido{"Timemania five drawn and the game's own club",
                                   u"Timemania"_s,
                                   TextoDoJogo(Sequencia(1, 10)) + u" :12"_s,
                                   ComExtras(Sorteio({1, 2, 3, 4, 5, 70, 71}), 0, 12, {}),
                                   {},
                                   {{u"5 acertos"_s, 1}, {u"Time do Coração"_s, 1}}},
                    TCasoConhecido{"Timemania club of the print setup",
                                   u"Timemania"_s,
                                   TextoDoJogo(Sequencia(1, 10)),
                                   ComExtras(Sorteio(Sequencia(60, 7)), 0, 7, {}),
                                   Apostas(1, 7, false, {}),
                                   {{u"Time do Coração"_s, 1}}},
                    TCasoConhecido{"Timemania without a club chosen",
                                   u"Timemania"_s,
                                   TextoDoJogo(Sequencia(1, 10)),
                                   ComExtras(Sorteio(Sequencia(60, 7)), 0, 1, {}),
                                   {},
                                   {}},
                    TCasoConhecido{"Mais Milionaria six numbers and both clovers",
                                   u"Mais Milionária"_s,
                                   TextoDoJogo(Sequencia(1, 6)),
                                   ComExtras(Sorteio(Sequencia(1, 6)), 0, 0, {1, 2}),
                                   Apostas(1, 0, false, {1, 2}),
                                   {{u"6 acertos + 2 trevos"_s, 1}}},
                    TCasoConhecido{"Mais Milionaria six numbers without a clover",
                                   u"Mais Milionária"_s,
                                   TextoDoJogo(Sequencia(1, 6)),
                                   ComExtras(Sorteio(Sequencia(1, 6)), 0, 0, {3, 4}),
                                   Apostas(1, 0, false, {1, 2}),
                                   {{u"6 acertos + 1 ou nenhum trevo"_s, 1}}},
                    TCasoConhecido{"Mais Milionaria two numbers need a clover",
                                   u"Mais Milionária"_s,
                                   TextoDoJogo(Sequencia(1, 6)),
                                   ComExtras(Sorteio({1, 2, 30, 40, 45, 50}), 0, 0, {1, 5}),
                                   Apostas(1, 0, false, {1, 2}),
                                   {{u"2 acertos + 1 trevo"_s, 1}}},
                    TCasoConhecido{"Mais Milionaria two numbers and no clover win nothing",
                                   u"Mais Milionária"_s,
                                   TextoDoJogo(Sequencia(1, 6)),
                                   ComExtras(Sorteio({1, 2, 30, 40, 45, 50}), 0, 0, {5, 6}),
                                   Apostas(1, 0, false, {1, 2}),
                                   {}},
                    TCasoConhecido{"Mais Milionaria 7 numbers and 3 clovers",
                                   u"Mais Milionária"_s,
                                   TextoDoJogo(Sequencia(1, 7)),
                                   ComExtras(Sorteio(Sequencia(1, 6)), 0, 0, {1, 2}),
                                   Apostas(1, 0, false, {1, 2, 3}),
                                   {{u"6 acertos + 2 trevos"_s, 1},
                                    {u"6 acertos + 1 ou nenhum trevo"_s, 2},
                                    {u"5 acertos + 2 trevos"_s, 6},
                                    {u"5 acertos + 1 ou nenhum trevo"_s, 12}}}),
    [](const testing::TestParamInfo<TCasoConhecido>& Info) {
        std::string Nome;
        for (const char* c = Info.param.Descricao; *c; ++c)
            Nome += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return Nome;
    });

// Random closings of every game, checked game by game against the enumeration of their simple bets.
struct TSorteioAleatorio {
    QString Modalidade;
    int MaiorExcesso; // numbers beyond a simple bet, kept small so that the enumeration stays short
};

class ContraEnumeracao : public testing::TestWithParam<TSorteioAleatorio> {};

std::vector<int> Embaralhados(int Primeiro, int Ultimo, std::mt19937& Gerador) {
    std::vector<int> Numeros = Sequencia(Primeiro, Ultimo - Primeiro + 1);
    std::shuffle(Numeros.begin(), Numeros.end(), Gerador);
    return Numeros;
}

TEST_P(ContraEnumeracao, EveryTierCountEqualsTheSimpleBetsCountedOneByOne) {
    const TSorteioAleatorio& Caso = GetParam();
    const TRegrasConferencia Regras = *CriaRegrasConferencia(Caso.Modalidade);
    std::mt19937 Gerador(20240611u + std::uint32_t(Regras.Tipo));
    const auto Sorteia = [&](int De, int Ate) {
        return std::uniform_int_distribution<int>(De, Ate)(Gerador);
    };

    // The games are drawn so that the tiers are reached; the comparison would say little otherwise.
    std::vector<std::uint64_t> Alcancadas(std::size_t(Regras.Faixas.size()));
    for (int Rodada = 0; Rodada < 20; ++Rodada) {
        TResultado Resultado;
        for (int Sorteio = 0; Sorteio < Regras.QdeSorteios; ++Sorteio) {
            const std::vector<int> Todos = Embaralhados(Regras.NumInicial, Regras.NumFinal, Gerador);
            Resultado.Sorteios[std::size_t(Sorteio)] =
                Mascara(std::vector<int>(Todos.begin(), Todos.begin() + Regras.QdeSorteados));
        }
        Resultado.Mes = Sorteia(1, 12);
        Resultado.Time = Sorteia(1, 80);
        const std::vector<int> Trevos = Embaralhados(1, 6, Gerador);
        Resultado.Trevos = MascaraDeTrevos({Trevos[0], Trevos[1]});
        std::vector<int> TrevosApostados = Embaralhados(1, 6, Gerador);
        TrevosApostados.resize(std::size_t(Sorteia(2, 4)));
        TExtrasApostas Extras;
        Extras.Trevos = QList<int>(TrevosApostados.begin(), TrevosApostados.end());

        // Games that share many numbers with one of the draws, so that the tiers are reached.
        QStringList Linhas;
        std::vector<TJogoEnumerado> Enumerados;
        const int MaiorQde =
            std::min(*std::max_element(Regras.QdeNumPorJogo.begin(), Regras.QdeNumPorJogo.end()),
                     Regras.QdeAposta + Caso.MaiorExcesso);
        for (int Jogo = 0; Jogo < 12; ++Jogo) {
            const int Qde = Sorteia(Regras.QdeAposta, MaiorQde);
            std::vector<int> Sorteados;
            std::vector<int> Outros;
            const TMascaraDezenas Perto = Resultado.Sorteios[std::size_t(Sorteia(0, Regras.QdeSorteios - 1))];
            for (int Numero : Embaralhados(Regras.NumInicial, Regras.NumFinal, Gerador))
                (Perto.Contem(Numero) ? Sorteados : Outros).push_back(Numero);
            // Lotofácil draws 15 of 25: a big game may need more drawn numbers than asked for.
            const int DoSorteio =
                std::max(std::min({Sorteia(0, Regras.QdeSorteados), Qde, int(Sorteados.size())}),
                         Qde - int(Outros.size()));
            TJogoEnumerado Enumerado;
            Enumerado.Numeros.assign(Sorteados.begin(), Sorteados.begin() + DoSorteio);
            Enumerado.Numeros.insert(Enumerado.Numeros.end(), Outros.begin(),
                                     Outros.begin() + (Qde - DoSorteio));
            std::sort(Enumerado.Numeros.begin(), Enumerado.Numeros.end());
            QString Linha = TextoDoJogo(Enumerado.Numeros);
            if (Regras.TemMes() || Regras.TemTime()) {
                Enumerado.Extra =
                    Sorteia(0, 1) ? (Regras.TemMes() ? Resultado.Mes : Resultado.Time) : Sorteia(1, 12);
                Linha += u" :"_s + QString::number(Enumerado.Extra);
            }
            if (Regras.TemEspelho() && Sorteia(0, 1)) {
                Enumerado.Espelho = true;
                Linha += u" :1"_s;
            }
            Linhas.append(Linha);
            Enumerados.push_back(Enumerado);
        }

        const TFechamentoDeTeste Fechamento(Caso.Modalidade, Linhas);
        const TJogosParaConferir Jogos = Fechamento.Jogos(Extras);
        const TConferencia Conferencia = Confere(Regras, Jogos, Resultado);
        std::vector<std::uint64_t> Total(std::size_t(Regras.Faixas.size()));
        int Premiados = 0;
        for (int Jogo = 0; Jogo < int(Enumerados.size()); ++Jogo) {
            const std::vector<std::uint64_t> Esperado =
                Enumera(Regras, Enumerados[std::size_t(Jogo)], TrevosApostados, Resultado);
            const std::vector<TPremioDoJogo> Premios = PremiosDoJogo(Regras, Jogos, Conferencia, Jogo);
            EXPECT_EQ(PorFaixa(Regras, Premios), Esperado) << Linhas[Jogo].toStdString();
            const auto Melhor =
                std::find_if(Esperado.begin(), Esperado.end(), [](auto Qde) { return Qde != 0; });
            EXPECT_EQ(int(Conferencia.MelhorFaixa[std::size_t(Jogo)]), Melhor == Esperado.end()
                                                                           ? int(TConferencia::SemPremio)
                                                                           : int(Melhor - Esperado.begin()))
                << Linhas[Jogo].toStdString();
            Premiados += Melhor != Esperado.end();
            for (std::size_t Faixa = 0; Faixa < Total.size(); ++Faixa)
                Total[Faixa] += Esperado[Faixa];
        }
        EXPECT_EQ(Conferencia.QdePorFaixa, Total);
        EXPECT_EQ(Conferencia.QdePremiados, Premiados);
        for (std::size_t Faixa = 0; Faixa < Total.size(); ++Faixa)
            Alcancadas[Faixa] += Total[Faixa];
    }
    for (std::size_t Faixa = 0; Faixa < Alcancadas.size(); ++Faixa)
        EXPECT_GT(Alcancadas[Faixa], 0u) << NomeDaFaixa(Regras.Faixas[qsizetype(Faixa)]).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    TodasAsModalidades, ContraEnumeracao,
    testing::Values(TSorteioAleatorio{u"Mega-sena"_s, 3}, TSorteioAleatorio{u"Lotofacil"_s, 3},
                    TSorteioAleatorio{u"Quina"_s, 4}, TSorteioAleatorio{u"Dupla-Sena"_s, 3},
                    TSorteioAleatorio{u"Dia de Sorte"_s, 3}, TSorteioAleatorio{u"Lotomania"_s, 0},
                    TSorteioAleatorio{u"Timemania"_s, 0}, TSorteioAleatorio{u"Mais Milionária"_s, 3}),
    [](const testing::TestParamInfo<TSorteioAleatorio>& Info) {
        std::string Nome;
        for (QChar c : Info.param.Modalidade)
            if (c.isLetter() && c.unicode() < 128)
                Nome += char(c.unicode());
        return Nome;
    });

TEST(Combinacoes, AreExactForEveryBetTheRulesAllow) {
    // Every simple bet of a game has some number of hits: summed over them, the bets with j hits of h
    // drawn make up C(n, s) (Vandermonde's identity), which holds only when every term is exact.
    for (const QString& Nome : ItensRadioModalidades()) {
        const TRegrasConferencia Regras = *CriaRegrasConferencia(Nome);
        for (int n : Regras.QdeNumPorJogo) {
            for (int h = 0; h <= std::min(n, Regras.QdeSorteados); ++h) {
                std::uint64_t Soma = 0;
                for (int j = 0; j <= Regras.QdeAposta; ++j)
                    Soma += Combinacoes(h, j) * Combinacoes(n - h, Regras.QdeAposta - j);
                EXPECT_EQ(Soma, Combinacoes(n, Regras.QdeAposta))
                    << Nome.toStdString() << " n=" << n << " h=" << h;
            }
        }
    }
    EXPECT_EQ(Combinacoes(20, 6), 38760u);
    EXPECT_EQ(Combinacoes(50, 25), 126410606437752u);
    EXPECT_EQ(Combinacoes(5, 6), 0u);
}

TEST(Conferencia, CountsEveryGameOfAClosing) {
    // Four Mega games: a Sena, a Quina, a bigger bet with a Quadra and a game without a prize.
    const TFechamentoDeTeste Fechamento(u"Mega-sena"_s, {u"04 11 23 35 47 58"_s, u"04 11 23 35 47 60"_s,
                                                         u"01 02 04 11 23 35 50"_s, u"01 02 03 05 06 07"_s});
    const TConferencia Conferencia = Fechamento.Confere(Sorteio({4, 11, 23, 35, 47, 58}));

    EXPECT_EQ(PorNome(Fechamento.Regras(), Conferencia.QdePorFaixa),
              (TContagens{{u"Sena"_s, 1}, {u"Quina"_s, 1}, {u"Quadra"_s, 3}}));
    EXPECT_EQ(Conferencia.Acertos[0], (std::vector<std::uint8_t>{6, 5, 4, 0}));
    EXPECT_EQ(Conferencia.MelhorFaixa, (std::vector<std::uint8_t>{0, 1, 2, TConferencia::SemPremio}));
    EXPECT_EQ(Conferencia.QdePremiados, 3);
}

} // namespace
