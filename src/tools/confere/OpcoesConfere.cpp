#include "tools/confere/OpcoesConfere.h"

#include "catalogue/TimesCoracao.h"
#include "conferencia/RegrasConferencia.h"

using namespace Qt::StringLiterals;

namespace {

using TValores = TValoresDeOpcao<TOpcoesConfere>;

// Clover numbers as "2,5" or "2 5"; whether they are a valid draw or bet is checked with the game.
TFalhaDeOpcao LeTrevos(std::optional<QList<int>>& Destino, const QString& Nome, const QString& Valor) {
    auto Lidos = LeListaDeTrevos(Valor);
    if (const auto* Falha = std::get_if<QString>(&Lidos))
        return Nome + u": "_s + *Falha;
    Destino = std::get<QList<int>>(Lidos);
    return std::nullopt;
}

const QList<TOpcaoDeLinha<TOpcoesConfere>>& Opcoes() {
    static const QList<TOpcaoDeLinha<TOpcoesConfere>> Tabela{
        {u"--modalidade"_s, u"NOME"_s, u"a modalidade dos jogos (obrigatória)"_s,
         TValores::Texto([](TOpcoesConfere& O, const QString& V) { O.NomeModalidade = V; })},
        {u"--resultado"_s, u"DEZENAS"_s,
         u"as dezenas sorteadas, entre aspas: \"04 11 23 35 47 58\" (obrigatório)"_s,
         TValores::Texto([](TOpcoesConfere& O, const QString& V) {
             O.TemResultado = true;
             O.Resultado.Dezenas = V;
         })},
        {u"--resultado2"_s, u"DEZENAS"_s, u"Dupla-Sena: as dezenas do 2º sorteio"_s,
         TValores::Texto([](TOpcoesConfere& O, const QString& V) { O.Resultado.Dezenas2 = V; })},
        {u"--mes"_s, u"N"_s, u"Dia de Sorte: o Mês de Sorte sorteado, de 1 a 12"_s,
         TValores::InteiroQualquer([](TOpcoesConfere& O, int V) { O.Resultado.Mes = V; })},
        {u"--time"_s, u"N"_s, u"Timemania: o número do Time do Coração sorteado, de 1 a 80"_s,
         TValores::InteiroQualquer([](TOpcoesConfere& O, int V) { O.Resultado.Time = V; })},
        {u"--trevos"_s, u"A,B"_s, u"Mais Milionária: os 2 trevos sorteados, de 1 a 6"_s,
         [](TOpcoesConfere& O, const QString& Nome, const QString& Valor) {
             return LeTrevos(O.Resultado.Trevos, Nome, Valor);
         }},
        {u"--numeros"_s, u"N"_s, u"números por jogo (padrão: os da primeira linha de jogo)"_s,
         TValores::InteiroQualquer([](TOpcoesConfere& O, int V) { O.QdeNumPorVolante = V; })},
        {u"--mes-apostado"_s, u"N"_s,
         u"Dia de Sorte: o mês dos jogos sem mês próprio, o primeiro distribuído (padrão 1)"_s,
         TValores::InteiroEntre(PrimeiroMes, UltimoMes, u"um mês de 1 a 12"_s,
                                [](TOpcoesConfere& O, int V) { O.Apostas.Mes = V; })},
        {u"--nao-distribuir-meses"_s,
         {},
         u"Dia de Sorte: o mesmo mês para todos os jogos sem mês próprio"_s,
         TValores::Chave([](TOpcoesConfere& O) { O.Apostas.AvancaMes = false; })},
        {u"--time-apostado"_s, u"N"_s,
         u"Timemania: o time dos jogos sem time próprio, o primeiro distribuído, de 1 a 80"_s,
         TValores::InteiroEntre(1, QdeTimesCoracao, u"o número de um time de 1 a 80"_s,
                                [](TOpcoesConfere& O, int V) { O.Apostas.Time = V; })},
        {u"--nao-distribuir-times"_s,
         {},
         u"Timemania: o mesmo time para todos os jogos sem time próprio"_s,
         TValores::Chave([](TOpcoesConfere& O) { O.Apostas.AvancaTime = false; })},
        {u"--espelho"_s,
         {},
         u"Lotomania: todos os jogos com aposta espelho"_s,
         TValores::Chave([](TOpcoesConfere& O) { O.Apostas.ApostaEspelho = true; })},
        {u"--trevos-apostados"_s, u"1,2,3"_s,
         u"Mais Milionária: os trevos dos jogos, de 2 a 6 (padrão: os do arquivo, \"| Trevos : 1 2\")"_s,
         [](TOpcoesConfere& O, const QString& Nome, const QString& Valor) {
             return LeTrevos(O.TrevosApostados, Nome, Valor);
         }},
        {u"--ganhadores"_s,
         {},
         u"mostra também cada jogo premiado, com a linha do arquivo e os acertos"_s,
         TValores::Chave([](TOpcoesConfere& O) { O.Ganhadores = true; })},
        {u"--json"_s,
         {},
         u"escreve um único objeto JSON, para programas, em vez do texto"_s,
         TValores::Chave([](TOpcoesConfere& O) { O.Json = true; })},
    };
    return Tabela;
}

// Checks that need the whole command line.
TFalhaDeOpcao ConfereConjunto(const TOpcoesConfere& Opcoes) {
    if (!Opcoes.TemResultado)
        return u"Falta o resultado do sorteio (--resultado \"04 11 23 35 47 58\")."_s;
    return std::nullopt;
}

} // namespace

TLeituraOpcoesConfere LeOpcoesConfere(const QStringList& Argumentos) {
    return LeOpcoesDeFerramenta<TLeituraOpcoesConfere, TOpcoesConfere>(Opcoes(), Argumentos, ConfereConjunto);
}

QString TextoUsoConfere() {
    return u"Uso: cartelim-confere --modalidade NOME --resultado \"DEZENAS\" [opções] ARQUIVO   (use --help "
           u"para ver as opções)"_s;
}

QString TextoAjudaConfere() {
    return u"Uso: cartelim-confere --modalidade NOME --resultado \"DEZENAS\" [opções] ARQUIVO\n"
           u"\n"
           u"Confere os jogos de um arquivo de texto com o resultado de um sorteio e mostra quantas apostas\n"
           u"ganharam em cada faixa de prêmio. ARQUIVO tem um jogo por linha (use - para ler a entrada\n"
           u"padrão) e é lido como no cartelim-lote: linhas vazias e linhas que começam com // são\n"
           u"ignoradas, a primeira linha inválida interrompe tudo e um jogo repetido fica de fora com um\n"
           u"aviso. Um jogo com mais números que a aposta simples conta cada aposta simples que contém.\n"
           u"\n"
           u"Modalidades: Mega-sena, Quina, Lotofacil, Dia de Sorte, Lotomania, Timemania, Dupla-Sena e\n"
           u"Mais Milionária.\n"
           u"\n"
           u"Opções:\n"_s +
           TextoDasOpcoes(Opcoes()) +
           u"\n"
           u"O mês (Dia de Sorte) e o time (Timemania) de cada jogo são os do próprio jogo (\":3\" no fim "
           u"da\n"
           u"linha); os demais recebem os de --mes-apostado e --time-apostado, como o cartelim-lote os\n"
           u"imprime com --mes e --time.\n"
           u"\n"
           u"Situação de saída:\n"
           u"  0  conferido, com prêmio ou sem\n"
           u"  2  erro de uso (opção desconhecida, resultado que não serve para a modalidade, arquivo "
           u"ilegível)\n"
           u"  3  jogos inválidos\n"_s;
}
