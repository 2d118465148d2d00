#pragma once

#include "catalogue/Mensagem.h"
#include "catalogue/Modalidade.h"
#include "conferencia/Conferencia.h"
#include "store/DataModulo.h"
#include "tools/comum/FechamentoDoArquivo.h"
#include "tools/confere/OpcoesConfere.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// The exit status of a check.
enum class TSituacaoConfere : int {
    Conferido = 0,
    ErroDeUso = int(TFalhaLeitura::ErroDeUso),
    JogosInvalidos = int(TFalhaLeitura::JogosInvalidos),
};

// Where a check tells what happens: messages (refusals, warnings) as they arise, and the output, as
// bytes of UTF-8 text or JSON.
struct TRelatoConfere {
    std::function<void(const TMensagem&)> Mensagem;
    std::function<void(QByteArrayView)> Saida;
};

// One check of a games file against a draw without windows: the draw is checked against the game's
// rules, the games are read as cartelim-lote reads them, checked, and the tier summary (and, when asked
// for, each winning game) written as text or as one JSON object. The stored closing is only read.
class TConfere {
public:
    TConfere(const TOpcoesConfere& Opcoes, TRelatoConfere Relato);
    TConfere(const TConfere&) = delete;
    TConfere& operator=(const TConfere&) = delete;

    TSituacaoConfere Executa();

private:
    // Each step either lets the check go on (no value) or ends it with a status, having told why.
    using TPasso = std::optional<TSituacaoConfere>;

    TPasso EscolheModalidade();
    TPasso LeResultadoPedido();
    // The clovers played (+Milionária): those asked for, else those of the text.
    TPasso ConfereTrevosPedidos();
    TPasso LeJogos();
    TPasso TrevosDoArquivo();

    TPasso Termina(TSituacaoConfere Situacao, const QString& Texto);
    static TPasso DaLeitura(std::optional<TFalhaLeitura> Falha);

    const TOpcoesConfere& FOpcoes;
    TRelatoConfere FRelato;
    std::unique_ptr<TModalidade> FModalidade;
    std::optional<TRegrasConferencia> FRegras;
    TResultado FResultado;
    TExtrasApostas FApostas;
    TDM FDM;
    TFechamentoDoArquivo FArquivo;
};
