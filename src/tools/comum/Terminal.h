#pragma once

#include "catalogue/InicioPrograma.h"
#include "catalogue/Mensagem.h"
#include "tools/comum/LinhaDeComando.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <exception>
#include <optional>
#include <variant>

// What the batch tools write to a terminal.

// One line as the window would show it (LF line ends, huge lines cut, NUL visible), written whole.
void Escreve(std::FILE* Destino, const QString& Texto);
// A message on standard error, after "Erro: " or "Aviso: " as its kind asks.
void MostraMensagem(const TMensagem& Mensagem);
// Qt's own warnings (a runtime folder not set, a font substituted) mean nothing to the user of a batch
// tool and would mix with its messages; the tool reports every failure that matters itself. Only
// critical and fatal ones are written.
void FiltraMensagensQt(QtMsgType Tipo, const QMessageLogContext& Contexto, const QString& Texto);
// The arguments after the program name, read byte for byte (see DeArgumento); Qt has taken its own
// options out of argv.
QStringList ArgumentosDoPrograma(int argc, char** argv);

// What a batch tool does with a command line that asks for the help or the version, or is wrong: the
// answer written and the exit status. None when the command line asks for a run.
template <typename... TLeitura>
std::optional<int> RespondeSemExecutar(const std::variant<TLeitura...>& Leitura, const QString& Ajuda,
                                       const QString& Uso, int ErroDeUso) {
    if (std::holds_alternative<TPedidoAjuda>(Leitura)) {
        Escreve(stdout, Ajuda);
        return 0;
    }
    if (std::holds_alternative<TPedidoVersao>(Leitura)) {
        Escreve(stdout, TextoVersao());
        return 0;
    }
    if (const auto* Erro = std::get_if<TErroDeUso>(&Leitura)) {
        MostraMensagem({TTipoMensagem::Erro, Erro->Mensagem});
        Escreve(stderr, Uso);
        return ErroDeUso;
    }
    return std::nullopt;
}

// An exception nobody expected ends the run with this message and exit status 1.
int FalhaInesperada(const std::exception& Falha);
