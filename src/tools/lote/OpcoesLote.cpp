#include "tools/lote/OpcoesLote.h"

#include "catalogue/ULib.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// Longest texts the print setup's edits take.
constexpr qsizetype TamanhoMaximoTitulo = 50;
constexpr qsizetype TamanhoMaximoIdentificacao = 30;
// A calibration beyond this moves the slips off the sheet: surely a typing error.
constexpr double AjusteMaximoMm = 100;
constexpr int DpiMinimo = 24;
constexpr int DpiMaximo = 600;
constexpr std::array DivisoesBolao{3, 4, 5, 7, 8, 10, 11, 13, 14};

using TResultado = TFalhaDeOpcao;
using TOpcao = TOpcaoDeLinha<TOpcoesLote>;
using TAplica = TOpcao::TAplica;
using TValores = TValoresDeOpcao<TOpcoesLote>;

// Calibration in millimetres, cleaned as the print manager's offset fields are: digits, comma or full
// stop and minus are kept, anything that is not a number becomes 0.
TAplica AjusteEmMilimetros(std::function<void(TOpcoesLote&, double)> Guarda) {
    return [=](TOpcoesLote& Opcoes, const QString& Nome, const QString& Valor) -> TResultado {
        QString Limpo = TextoNumerico(Valor);
        const double Mm = Limpo.replace(u',', u'.').toDouble();
        if (!std::isfinite(Mm) || std::abs(Mm) > AjusteMaximoMm)
            return u"%1: o ajuste deve ficar entre -%2 e %2 mm."_s.arg(Nome).arg(AjusteMaximoMm);
        Guarda(Opcoes, Mm);
        return std::nullopt;
    };
}

TResultado LeTrevos(TOpcoesLote& Opcoes, const QString& Nome, const QString& Valor) {
    static const QRegularExpression Separadores(u"[,;\\s]+"_s);
    QList<int> Trevos;
    for (const QString& Pedaco : Valor.split(Separadores, Qt::SkipEmptyParts)) {
        const std::optional<int> Trevo = InteiroDaOpcao(Pedaco);
        if (!Trevo || *Trevo < 1 || *Trevo > 6)
            return u"%1: use trevos de 1 a 6 separados por vírgula, por exemplo 1,3,5."_s.arg(Nome);
        if (!Trevos.contains(*Trevo))
            Trevos.append(*Trevo);
    }
    // Each clover is a box of the print setup: ticking one twice is ticking it once.
    std::sort(Trevos.begin(), Trevos.end());
    Opcoes.Trevos = Trevos;
    return std::nullopt;
}

TResultado LeDivisao(TOpcoesLote& Opcoes, const QString& Nome, const QString& Valor) {
    const std::optional<int> Divisao = InteiroDaOpcao(Valor);
    if (!Divisao || std::find(DivisoesBolao.begin(), DivisoesBolao.end(), *Divisao) == DivisoesBolao.end())
        return u"%1: use 3, 4, 5, 7, 8, 10, 11, 13 ou 14."_s.arg(Nome);
    Opcoes.DivisaoBolao = *Divisao;
    return std::nullopt;
}

TResultado LeCor(TOpcoesLote& Opcoes, const QString& Nome, const QString& Valor) {
    const QColor Cor(Valor.trimmed());
    if (!Cor.isValid())
        return u"%1: cor desconhecida \"%2\" (use um nome como black, red, navy ou #RRGGBB)."_s.arg(Nome,
                                                                                                    Valor);
    // A see-through colour prints marks that the slip reader cannot see, or none at all.
    if (Cor.alpha() != 255)
        return u"%1: a cor \"%2\" é transparente; as marcas precisam de uma cor opaca (use um nome como "
               u"black, red, navy ou #RRGGBB)."_s.arg(Nome, Valor);
    Opcoes.ColorShape = Cor;
    return std::nullopt;
}

const QList<TOpcao>& Opcoes() {
    static const QList<TOpcao> Tabela{
        {u"--modalidade"_s, u"NOME"_s, u"a modalidade dos jogos (obrigatória)"_s,
         TValores::Texto([](TOpcoesLote& O, const QString& V) { O.NomeModalidade = V; })},
        {u"--numeros"_s, u"N"_s, u"números por jogo (padrão: os da primeira linha de jogo)"_s,
         TValores::InteiroQualquer([](TOpcoesLote& O, int V) { O.QdeNumPorVolante = V; })},
        {u"--modelo"_s, u"N"_s, u"modelo do volante, a partir de 0 (padrão 0)"_s,
         TValores::InteiroQualquer([](TOpcoesLote& O, int V) { O.LayoutIndex = V; })},
        {u"--jogos-por-volante"_s, u"N"_s, u"jogos em cada volante (padrão: o maior que o modelo aceita)"_s,
         TValores::InteiroQualquer([](TOpcoesLote& O, int V) { O.QdeJogosPorVolante = V; })},
        {u"--surpresinha"_s, u"N"_s, u"quantidade de Surpresinha (padrão 0, nenhuma)"_s,
         TValores::InteiroQualquer([](TOpcoesLote& O, int V) { O.QdeSurpresinha = V; })},
        {u"--teimosinha"_s, u"N"_s, u"quantidade de Teimosinha (padrão 0, nenhuma)"_s,
         TValores::InteiroQualquer([](TOpcoesLote& O, int V) { O.QdeTeimosinha = V; })},
        {u"--cotas"_s, u"N"_s, u"cotas de bolão (padrão 0, sem bolão)"_s,
         TValores::InteiroQualquer([](TOpcoesLote& O, int V) { O.QdeBolao = V; })},
        {u"--titulo"_s, u"TEXTO"_s, u"título do fechamento (até 50 caracteres)"_s,
         TValores::TextoAte(TamanhoMaximoTitulo, [](TOpcoesLote& O, const QString& V) { O.Titulo = V; })},
        {u"--identificacao"_s, u"TEXTO"_s, u"identificação impressa nos volantes (padrão: o título)"_s,
         TValores::TextoAte(TamanhoMaximoIdentificacao,
                            [](TOpcoesLote& O, const QString& V) { O.Identificacao = V; })},
        {u"--ordem-crescente"_s,
         {},
         u"guarda os jogos em ordem crescente em vez da ordem do arquivo"_s,
         TValores::Chave([](TOpcoesLote& O) { O.OrdemCrescente = true; })},
        {u"--divisao"_s, u"N"_s,
         u"divisão para bolão base: 3, 4, 5, 7, 8, 10, 11, 13 ou 14 jogos por grupo"_s, LeDivisao},
        {u"--volante-original"_s,
         {},
         u"imprime no volante oficial, um volante por página"_s,
         TValores::Chave([](TOpcoesLote& O) { O.VolanteOriginal = true; })},
        {u"--guia-forcada"_s,
         {},
         u"imprime também as marcações de guia (só com --volante-original)"_s,
         TValores::Chave([](TOpcoesLote& O) { O.GuiaForcada = true; })},
        {u"--imagem"_s,
         {},
         u"mostra a imagem do volante atrás das marcas"_s,
         TValores::Chave([](TOpcoesLote& O) { O.ImagemVisivel = true; })},
        {u"--regua"_s,
         {},
         u"teste de alinhamento: o contorno do volante em cinza sob as marcas e uma régua em milímetros no "
         u"topo e à esquerda de cada volante"_s,
         TValores::Chave([](TOpcoesLote& O) { O.TesteAlinhamento = true; })},
        {u"--pasta-imagens"_s, u"PASTA"_s,
         u"pasta com imagens próprias dos volantes (padrão: as do programa)"_s,
         TValores::Texto([](TOpcoesLote& O, const QString& V) { O.PastaImagens = V; })},
        {u"--sem-numeros"_s,
         {},
         u"não imprime a relação dos números dos jogos"_s,
         TValores::Chave([](TOpcoesLote& O) { O.ImprimirNumerosJogos = false; })},
        {u"--esquerda"_s, u"MM"_s,
         u"ajuste fino à esquerda em milímetros, vírgula ou ponto decimal (padrão 0)"_s,
         AjusteEmMilimetros([](TOpcoesLote& O, double V) { O.AjusteEsquerda = V; })},
        {u"--topo"_s, u"MM"_s, u"ajuste fino no topo em milímetros (padrão 0)"_s,
         AjusteEmMilimetros([](TOpcoesLote& O, double V) { O.AjusteTopo = V; })},
        {u"--cor"_s, u"NOME"_s, u"cor das marcas (padrão black)"_s, LeCor},
        {u"--mes"_s, u"N"_s, u"Dia de Sorte: primeiro mês, de 1 a 12 (padrão 1)"_s,
         TValores::InteiroEntre(1, 12, u"um mês de 1 a 12"_s, [](TOpcoesLote& O, int V) { O.Mes = V; })},
        {u"--nao-distribuir-meses"_s,
         {},
         u"Dia de Sorte: o mesmo mês para todos os jogos"_s,
         TValores::Chave([](TOpcoesLote& O) { O.AvancaMes = false; })},
        {u"--time"_s, u"N"_s, u"Timemania: número do time do coração, de 1 a 80"_s,
         TValores::InteiroEntre(1, 80, u"o número de um time de 1 a 80"_s,
                                [](TOpcoesLote& O, int V) { O.Time = V; })},
        {u"--nao-distribuir-times"_s,
         {},
         u"Timemania: o mesmo time para todos os jogos"_s,
         TValores::Chave([](TOpcoesLote& O) { O.AvancaTime = false; })},
        {u"--espelho"_s,
         {},
         u"Lotomania: todos os jogos com aposta espelho"_s,
         TValores::Chave([](TOpcoesLote& O) { O.ApostaEspelho = true; })},
        {u"--trevos"_s, u"1,3,5"_s, u"Mais Milionária: os trevos de todos os jogos (pelo menos 2)"_s,
         LeTrevos},
        {u"--trevos-a-mao"_s,
         {},
         u"Mais Milionária: não imprime os trevos, que serão marcados à caneta"_s,
         TValores::Chave([](TOpcoesLote& O) { O.MarcarTrevoMao = true; })},
        {u"--pdf"_s, u"ARQUIVO"_s, u"grava os volantes num arquivo PDF"_s,
         TValores::Texto([](TOpcoesLote& O, const QString& V) { O.Pdf = V; })},
        {u"--png"_s, u"PASTA"_s, u"grava uma imagem PNG por página: pagina-0001.png, pagina-0002.png, ..."_s,
         TValores::Texto([](TOpcoesLote& O, const QString& V) { O.PastaPng = V; })},
        {u"--dpi"_s, u"N"_s, u"resolução das imagens PNG, de 24 a 600 (padrão 96)"_s,
         TValores::InteiroEntre(DpiMinimo, DpiMaximo, u"de 24 a 600"_s,
                                [](TOpcoesLote& O, int V) { O.Dpi = V; })},
        {u"--impressora"_s, u"NOME"_s, u"imprime na impressora instalada com esse nome"_s,
         TValores::Texto([](TOpcoesLote& O, const QString& V) { O.Impressora = V; })},
    };
    return Tabela;
}

// Checks that need the whole command line.
TResultado ConfereConjunto(const TOpcoesLote& Opcoes) {
    if (Opcoes.Pdf.isEmpty() && Opcoes.PastaPng.isEmpty() && Opcoes.Impressora.isEmpty())
        return u"Escolha pelo menos uma saída: --pdf, --png ou --impressora."_s;
    // The print manager offers forced guides only for the official slip: on plain paper the guides are
    // printed anyway.
    if (Opcoes.GuiaForcada && !Opcoes.VolanteOriginal)
        return u"--guia-forcada só vale com --volante-original."_s;
    return std::nullopt;
}

} // namespace

TLeituraOpcoes LeOpcoesLote(const QStringList& Argumentos) {
    return LeOpcoesDeFerramenta<TLeituraOpcoes, TOpcoesLote>(Opcoes(), Argumentos, ConfereConjunto);
}

QString TextoUsoLote() {
    return u"Uso: cartelim-lote [opções] ARQUIVO   (use --help para ver as opções)"_s;
}

QString TextoAjudaLote() {
    QString Texto =
        u"Uso: cartelim-lote [opções] ARQUIVO\n"
        u"\n"
        u"Imprime os jogos de um arquivo de texto nos volantes da modalidade, como a tela de impressão do\n"
        u"Cartelim, sem janela. ARQUIVO tem um jogo por linha (use - para ler a entrada padrão); linhas\n"
        u"vazias e linhas que começam com // são ignoradas. Os jogos são validados como na importação: a\n"
        u"primeira linha inválida interrompe tudo, e um jogo repetido fica de fora com um aviso.\n"
        u"\n"
        u"Modalidades: Mega-sena, Quina, Lotofacil, Dia de Sorte, Lotomania, Timemania, Dupla-Sena e\n"
        u"Mais Milionária; só se imprimem as que já têm o desenho do volante.\n"
        u"\n"
        u"Opções:\n"_s;
    Texto += TextoDasOpcoes(Opcoes());
    Texto +=
        u"\n"
        u"É preciso pelo menos uma saída: --pdf, --png ou --impressora. Nenhum arquivo fica pela metade:\n"
        u"se algo falhar, nada é gravado.\n"
        u"\n"
        u"Situação de saída:\n"
        u"  0  impresso\n"
        u"  2  erro de uso (opção desconhecida, valor fora das escolhas da modalidade, arquivo ilegível)\n"
        u"  3  jogos inválidos\n"
        u"  4  impressão recusada pelas regras da modalidade\n"
        u"  5  falha na saída (PDF, imagens ou impressora)\n"_s;
    return Texto;
}
