#include "tools/confere/Confere.h"

#include "catalogue/ULib.h"
#include "conferencia/JogosParaConferir.h"
#include "tools/confere/SaidaConfere.h"

using namespace Qt::StringLiterals;

TConfere::TConfere(const TOpcoesConfere& Opcoes, TRelatoConfere Relato)
    : FOpcoes(Opcoes)
    , FRelato(std::move(Relato))
    , FApostas(Opcoes.Apostas)
    , FArquivo(FDM, FRelato.Mensagem) {}

TSituacaoConfere TConfere::Executa() {
    // The draw is checked before the file is read: a typing error ends the run at once.
    for (TPasso (TConfere::*Passo)() :
         {&TConfere::EscolheModalidade, &TConfere::LeResultadoPedido, &TConfere::ConfereTrevosPedidos,
          &TConfere::LeJogos, &TConfere::TrevosDoArquivo})
        if (const TPasso Fim = (this->*Passo)())
            return *Fim;

    const TJogosParaConferir Jogos(FDM.CDSDetalhe(), *FRegras, FApostas);
    const TConferencia Conferencia = Confere(*FRegras, Jogos, FResultado);
    const bool ComGanhadores = FOpcoes.Ganhadores || FOpcoes.Json;
    const std::vector<int> Linhas =
        ComGanhadores ? FArquivo.LinhasDosJogos(*FModalidade) : std::vector<int>();
    FArquivo.LiberaTexto();
    const TConferenciaFeita Feita{*FRegras, Jogos, Conferencia, FResultado, FDM.CDSDetalhe(), Linhas};
    if (FOpcoes.Json)
        EscreveJson(Feita, FRelato.Saida);
    else
        EscreveTexto(Feita, FOpcoes.Ganhadores, FRelato.Saida);
    return TSituacaoConfere::Conferido;
}

TConfere::TPasso TConfere::Termina(TSituacaoConfere Situacao, const QString& Texto) {
    FRelato.Mensagem({TTipoMensagem::Erro, Texto});
    return Situacao;
}

TConfere::TPasso TConfere::DaLeitura(std::optional<TFalhaLeitura> Falha) {
    return Falha ? TPasso(TSituacaoConfere(int(*Falha))) : std::nullopt;
}

TConfere::TPasso TConfere::EscolheModalidade() {
    FModalidade = CriaModalidade(FOpcoes.NomeModalidade);
    FRegras = CriaRegrasConferencia(FOpcoes.NomeModalidade);
    if (!FModalidade || !FRegras)
        return Termina(TSituacaoConfere::ErroDeUso,
                       u"Modalidade desconhecida: \"%1\". Use um destes nomes: %2."_s.arg(
                           FOpcoes.NomeModalidade, ItensRadioModalidades().join(u", "_s)));
    FModalidade->SetParameters(0);
    return std::nullopt;
}

TConfere::TPasso TConfere::LeResultadoPedido() {
    auto Lido = LeResultado(*FRegras, FOpcoes.Resultado);
    if (const auto* Falha = std::get_if<QString>(&Lido))
        return Termina(TSituacaoConfere::ErroDeUso, *Falha);
    FResultado = std::get<TResultado>(Lido);
    return std::nullopt;
}

TConfere::TPasso TConfere::LeJogos() {
    if (const TPasso Fim = DaLeitura(FArquivo.Le(FOpcoes.Arquivo, *FModalidade, FOpcoes.QdeNumPorVolante)))
        return Fim;
    return DaLeitura(FArquivo.Importa(FModalidade->NomeModalidade(), QString(), false));
}

TConfere::TPasso TConfere::ConfereTrevosPedidos() {
    if (!FRegras->TemTrevos() || !FOpcoes.TrevosApostados)
        return std::nullopt;
    FApostas.Trevos = *FOpcoes.TrevosApostados;
    if (const QString Falha = ConfereTrevosApostados(FApostas.Trevos); !Falha.isEmpty())
        return Termina(TSituacaoConfere::ErroDeUso, u"--trevos-apostados: "_s + Falha);
    return std::nullopt;
}

TConfere::TPasso TConfere::TrevosDoArquivo() {
    if (!FRegras->TemTrevos() || FOpcoes.TrevosApostados)
        return std::nullopt;
    FApostas.Trevos = FArquivo.TrevosDoTexto();
    if (FApostas.Trevos.isEmpty())
        return Termina(TSituacaoConfere::ErroDeUso,
                       u"Informe os trevos com que os jogos foram apostados (--trevos-apostados 1,2): o "
                       u"arquivo não os traz (\"| Trevos : 1 2\" no fim da linha)."_s);
    if (const QString Falha = ConfereTrevosApostados(FApostas.Trevos); !Falha.isEmpty())
        return Termina(TSituacaoConfere::JogosInvalidos, u"Trevos do arquivo: "_s + Falha);
    return std::nullopt;
}
