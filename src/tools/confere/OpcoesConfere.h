#pragma once

#include "conferencia/JogosParaConferir.h"
#include "conferencia/Resultado.h"
#include "tools/comum/LinhaDeComando.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// Everything asked of one check on the command line. The draw is kept as given: whether it fits the
// game is known only once the game is.
struct TOpcoesConfere {
    QString Arquivo; // "-" reads standard input
    QString NomeModalidade;
    std::optional<int> QdeNumPorVolante; // default: the count of the first game line
    bool TemResultado = false;
    TEntradaResultado Resultado;
    // How the games were played beyond their numbers, as cartelim-lote prints them: a game's own month
    // or club first, else the ones handed out; the clovers default to those of the text.
    TExtrasApostas Apostas;
    std::optional<QList<int>> TrevosApostados;
    bool Ganhadores = false;
    bool Json = false;
};

using TLeituraOpcoesConfere = std::variant<TOpcoesConfere, TPedidoAjuda, TPedidoVersao, TErroDeUso>;

// Reads the arguments that follow the program name.
TLeituraOpcoesConfere LeOpcoesConfere(const QStringList& Argumentos);

// The help text of --help, in Portuguese.
QString TextoAjudaConfere();
// The one-line reminder printed after a usage error.
QString TextoUsoConfere();
