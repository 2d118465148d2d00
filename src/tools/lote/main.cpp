// cartelim-lote: prints a file of games on the slips of its game, without a window.
#include "catalogue/InicioPrograma.h"
#include "tools/comum/Terminal.h"
#include "tools/lote/Interrupcao.h"
#include "tools/lote/Lote.h"
#include "tools/lote/OpcoesLote.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    // A batch tool never shows a window: it draws offscreen unless told otherwise.
    qInstallMessageHandler(FiltraMensagensQt);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication Aplicacao(argc, argv);
    const TInicioPrograma Inicio(Aplicacao, QStringLiteral("cartelim-lote"));

    const TLeituraOpcoes Leitura = LeOpcoesLote(ArgumentosDoPrograma(argc, argv));
    if (const std::optional<int> Situacao =
            RespondeSemExecutar(Leitura, TextoAjudaLote(), TextoUsoLote(), int(TSituacaoLote::ErroDeUso)))
        return *Situacao;

    TLote Lote(std::get<TOpcoesLote>(Leitura), {MostraMensagem, [](const QString& Linha) {
                                                    Escreve(stdout, Linha);
                                                }});
    try {
        const TSituacaoLote Situacao = Lote.Executa();
        // Interrupted: the outputs were thrown away; the program ends as the signal asked.
        if (Situacao != TSituacaoLote::Impresso && TInterrupcao::Pedida())
            TInterrupcao::TerminaPeloSinal();
        if (Situacao == TSituacaoLote::ErroDeUso)
            Escreve(stderr, TextoUsoLote());
        return int(Situacao);
    } catch (const std::exception& Falha) {
        return FalhaInesperada(Falha);
    }
}
