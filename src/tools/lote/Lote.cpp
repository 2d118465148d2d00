#include "tools/lote/Lote.h"

#include "catalogue/ULib.h"
#include "printing/CriaImpressao.h"
#include "printing/ModelosRelatorio.h"
#include "tools/lote/EscolhasLote.h"
#include "tools/lote/SaidasLote.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

QString ModelosDe(const TModalidade& Modalidade) {
    QStringList Modelos;
    const QStringList Nomes = Modalidade.Layout();
    for (qsizetype Indice = 0; Indice < Nomes.size(); ++Indice)
        Modelos.append(u"%1 (\"%2\")"_s.arg(Indice).arg(Nomes.at(Indice)));
    return Modelos.join(u", "_s);
}

// Both the game's slip layout and the model's report template exist.
bool PodeImprimir(const TModalidade& Modalidade) {
    return CriaImpressao(Modalidade.NomeModalidade()) &&
           CriaFormImpressao(Modalidade.NomeRelatorio().value(Modalidade.LayoutIndex()));
}

// The clover boxes ticked, in box order, as the print setup writes them: '1 3 5'.
QString TextoDosTrevos(const QList<int>& Trevos) {
    QStringList Textos;
    for (int Trevo : Trevos)
        Textos.append(QString::number(Trevo));
    return Textos.join(u' ');
}

QString Quantos(int Quantidade, const QString& Singular, const QString& Plural) {
    return QLocale().toString(Quantidade) + u' ' + (Quantidade == 1 ? Singular : Plural);
}

} // namespace

TLote::TLote(const TOpcoesLote& Opcoes, TRelatoLote Relato)
    : FOpcoes(Opcoes)
    , FRelato(std::move(Relato))
    , FArquivo(FDM, FRelato.Mensagem) {}

TSituacaoLote TLote::Executa() {
    for (TPasso (TLote::*Passo)() : {&TLote::EscolheModalidade, &TLote::LeJogos, &TLote::ImportaJogos,
                                     &TLote::ConfereImpressao, &TLote::MontaFolhas})
        if (const TPasso Fim = (this->*Passo)())
            return *Fim;
    return Imprime();
}

TLote::TPasso TLote::Termina(TSituacaoLote Situacao, const QString& Texto) {
    FRelato.Mensagem({TTipoMensagem::Erro, Texto});
    return Situacao;
}

void TLote::Relata(const TMensagens& Mensagens) {
    for (const TMensagem& Mensagem : Mensagens)
        FRelato.Mensagem(Mensagem);
}

TLote::TPasso TLote::EscolheModalidade() {
    FModalidade = CriaModalidade(FOpcoes.NomeModalidade);
    if (!FModalidade || FModalidade->TipoModalidade() == TTipoModalidade::Indefinida)
        return Termina(TSituacaoLote::ErroDeUso,
                       u"Modalidade desconhecida: \"%1\". Use um destes nomes: %2."_s.arg(
                           FOpcoes.NomeModalidade, ItensRadioModalidades().join(u", "_s)));
    FModalidade->SetLayoutIndex(FOpcoes.LayoutIndex);
    FModalidade->SetParameters(0);
    if (FOpcoes.LayoutIndex < 0 || FOpcoes.LayoutIndex >= FModalidade->Layout().size())
        return Termina(TSituacaoLote::ErroDeUso, u"--modelo: %1 não é um modelo de %2; use %3."_s.arg(
                                                     QString::number(FOpcoes.LayoutIndex),
                                                     FModalidade->NomeModalidade(), ModelosDe(*FModalidade)));
    if (!PodeImprimir(*FModalidade))
        return Termina(TSituacaoLote::PedidoRecusado,
                       u"Modalidade Não Disponível para Impressão no Momento."_s);
    return std::nullopt;
}

TLote::TPasso TLote::LeJogos() {
    if (const std::optional<TFalhaLeitura> Falha =
            FArquivo.Le(FOpcoes.Arquivo, *FModalidade, FOpcoes.QdeNumPorVolante))
        return TSituacaoLote(int(*Falha));
    FQdeNumPorVolante = FArquivo.QdeNumPorVolante();
    FModalidade->SetParameters(FQdeNumPorVolante);
    if (const QString Erro = ConfereEscolhas(FOpcoes, *FModalidade); !Erro.isEmpty())
        return Termina(TSituacaoLote::ErroDeUso, Erro);
    FQdeJogosPorVolante = JogosPorVolante(FOpcoes, *FModalidade);
    return std::nullopt;
}

TLote::TPasso TLote::ImportaJogos() {
    const std::optional<TFalhaLeitura> Falha =
        FArquivo.Importa(FModalidade->NomeModalidade(), FOpcoes.Titulo, FOpcoes.OrdemCrescente);
    FArquivo.LiberaTexto();
    if (Falha)
        return TSituacaoLote(int(*Falha));
    return std::nullopt;
}

TLote::TPasso TLote::ConfereImpressao() {
    FModalidade->ValidaImpressao(FQdeNumPorVolante, FOpcoes.QdeBolao, FOpcoes.QdeTeimosinha,
                                 FOpcoes.Time ? *FOpcoes.Time - 1 : -1, FOpcoes.LayoutIndex);
    if (!FModalidade->LiberadoImprimir()) {
        Relata(FModalidade->MensagensValidacao());
        return TSituacaoLote::PedidoRecusado;
    }
    if (FModalidade->TipoModalidade() != TTipoModalidade::MaisMilionaria)
        return std::nullopt;
    if (FOpcoes.Trevos.size() < 2)
        return Termina(TSituacaoLote::PedidoRecusado,
                       u"Você deve escolher pelo menos 2 trevos para validar a impressão"_s);
    if (FOpcoes.MarcarTrevoMao)
        FRelato.Mensagem(
            {TTipoMensagem::Aviso,
             u"Tenha em mente que você marcou para que não seja impresso o trevo na impressão do "
             u"volante, logo você vai precisar marcar na caneta."_s});
    return std::nullopt;
}

TLote::TPasso TLote::MontaFolhas() {
    FDM.AtivaFiltro_MASTER(true);
    const TMensagens Recusas = FDM.PopulaCDSImpressao(
        FQdeJogosPorVolante, TExecucaoImpressao::VolantesPorPagina(Configuracao()), FOpcoes.DivisaoBolao,
        FOpcoes.Mes, FOpcoes.AvancaMes, FOpcoes.Time.value_or(0), FOpcoes.AvancaTime, FOpcoes.ApostaEspelho,
        TextoDosTrevos(FOpcoes.Trevos), FModalidade->TipoModalidade(), false);
    if (!Recusas.isEmpty()) {
        Relata(Recusas);
        return TSituacaoLote::PedidoRecusado;
    }
    // The print manager opens with every sheet selected.
    QList<int> TodasAsFolhas;
    for (int Linha = 0; Linha < FDM.CDSImpressao_Temp().QdeRegistros(); ++Linha)
        TodasAsFolhas.append(Linha);
    FDM.CopiaFolhasParaImpressao(TodasAsFolhas);
    return std::nullopt;
}

TConfiguracaoImpressao TLote::Configuracao() const {
    TConfiguracaoImpressao Configuracao;
    Configuracao.NomeModalidade = FModalidade->NomeModalidade();
    Configuracao.LayoutIndex = FOpcoes.LayoutIndex;
    Configuracao.QdeNumPorVolante = FQdeNumPorVolante;
    Configuracao.QdeJogosPorVolante = FQdeJogosPorVolante;
    Configuracao.QdeSurpresinha = FOpcoes.QdeSurpresinha;
    Configuracao.QdeTeimosinha = FOpcoes.QdeTeimosinha;
    Configuracao.QdeBolao = FOpcoes.QdeBolao;
    Configuracao.IndiceTimeCoracao = FOpcoes.Time ? *FOpcoes.Time - 1 : -1;
    Configuracao.ImpressaoVolanteOficial = FOpcoes.VolanteOriginal;
    Configuracao.GuiaForcada = FOpcoes.GuiaForcada;
    Configuracao.ImagemVisivel = FOpcoes.ImagemVisivel;
    Configuracao.TesteAlinhamento = FOpcoes.TesteAlinhamento;
    Configuracao.ImprimirNumerosJogos = FOpcoes.ImprimirNumerosJogos;
    // The print setup copies the closing's title into the identification unless the user typed one.
    Configuracao.NomeIdentificacao = FOpcoes.Identificacao.value_or(AparaTexto(FOpcoes.Titulo));
    Configuracao.MarcarTrevoMao = FOpcoes.MarcarTrevoMao;
    Configuracao.QdeTrevo = int(FOpcoes.Trevos.size());
    Configuracao.AjusteEsquerda = FOpcoes.AjusteEsquerda;
    Configuracao.AjusteTopo = FOpcoes.AjusteTopo;
    Configuracao.ColorShape = FOpcoes.ColorShape;
    Configuracao.PastaImagens = FOpcoes.PastaImagens;
    return Configuracao;
}

TSituacaoLote TLote::Imprime() {
    TMensagens Montagem;
    const std::unique_ptr<TExecucaoImpressao> Execucao =
        TExecucaoImpressao::Monta(Configuracao(), FDM.CDSImpressao(), Montagem);
    Relata(Montagem);
    if (!Execucao)
        return TSituacaoLote::PedidoRecusado;

    const QString Titulo = FOpcoes.Titulo.trimmed();
    TSaidasLote Saidas(FOpcoes);
    const TResultadoSaida Resultado =
        Saidas.Produz(*Execucao, Titulo.isEmpty() ? u"Cartelim - "_s + FModalidade->NomeModalidade() : Titulo,
                      FRelato.Mensagem);
    if (!Resultado.Sucesso)
        return *Termina(TSituacaoLote::FalhaNaSaida, Resultado.Mensagem);
    Relata(Saidas.Avisos());

    FRelato.Resumo(u"%1, modelo \"%2\": %3 em %4, %5."_s.arg(
        FModalidade->NomeModalidade(), FModalidade->Layout().value(FOpcoes.LayoutIndex),
        Quantos(FDM.QdeJogos(), u"jogo"_s, u"jogos"_s),
        Quantos(FDM.CDSImpressao().QdeRegistros(), u"volante"_s, u"volantes"_s),
        Quantos(Execucao->Relatorio().QdePaginas(), u"página"_s, u"páginas"_s)));
    for (const QString& Linha : Saidas.Resumo())
        FRelato.Resumo(Linha);
    return TSituacaoLote::Impresso;
}
