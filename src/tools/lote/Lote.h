#pragma once

#include "catalogue/Mensagem.h"
#include "catalogue/Modalidade.h"
#include "printing/ExecucaoImpressao.h"
#include "store/DataModulo.h"
#include "tools/comum/FechamentoDoArquivo.h"
#include "tools/lote/OpcoesLote.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

// The exit status of a batch print.
enum class TSituacaoLote : int {
    Impresso = 0,
    ErroDeUso = int(TFalhaLeitura::ErroDeUso),
    JogosInvalidos = int(TFalhaLeitura::JogosInvalidos),
    PedidoRecusado = 4,
    FalhaNaSaida = 5,
};

// Where a batch print tells what happens: messages (refusals, warnings, placement errors) as they
// arise, and the summary lines of a finished print.
struct TRelatoLote {
    std::function<void(const TMensagem&)> Mensagem;
    std::function<void(const QString&)> Resumo;
};

// One batch print, the print road without windows: the games text is imported into a closing as
// the import tab does it (a repeated game is left out, as answering Yes), the request is checked as
// the print setup and the print manager check it, the queue of print sheets is built and every sheet
// is printed on the outputs asked for.
class TLote {
public:
    TLote(const TOpcoesLote& Opcoes, TRelatoLote Relato);
    TLote(const TLote&) = delete;
    TLote& operator=(const TLote&) = delete;

    TSituacaoLote Executa();

private:
    // Each step either lets the print go on (no value) or ends it with a status, having told why.
    using TPasso = std::optional<TSituacaoLote>;

    // The game's rules object for the chosen slip model, which must have a slip layout.
    TPasso EscolheModalidade();
    // The games text, the numbers per game and the print setup's choices.
    TPasso LeJogos();
    TPasso ImportaJogos();
    // The checks of the print setup's prepare button.
    TPasso ConfereImpressao();
    // The queue of print sheets, every sheet selected for printing.
    TPasso MontaFolhas();
    TConfiguracaoImpressao Configuracao() const;
    // The print run on every output, and the summary.
    TSituacaoLote Imprime();

    TPasso Termina(TSituacaoLote Situacao, const QString& Texto);
    void Relata(const TMensagens& Mensagens);

    const TOpcoesLote& FOpcoes;
    TRelatoLote FRelato;
    std::unique_ptr<TModalidade> FModalidade;
    int FQdeNumPorVolante = 0;
    int FQdeJogosPorVolante = 0;
    TDM FDM;
    TFechamentoDoArquivo FArquivo;
};
