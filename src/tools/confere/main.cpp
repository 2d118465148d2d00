// cartelim-confere: checks a file of games against a draw and tells the prizes, without a window.
#include "catalogue/InicioPrograma.h"
#include "tools/comum/Terminal.h"
#include "tools/confere/Confere.h"
#include "tools/confere/OpcoesConfere.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    qInstallMessageHandler(FiltraMensagensQt);
    QCoreApplication Aplicacao(argc, argv);
    const TInicioPrograma Inicio(Aplicacao, QStringLiteral("cartelim-confere"));

    const TLeituraOpcoesConfere Leitura = LeOpcoesConfere(ArgumentosDoPrograma(argc, argv));
    if (const std::optional<int> Situacao = RespondeSemExecutar(
            Leitura, TextoAjudaConfere(), TextoUsoConfere(), int(TSituacaoConfere::ErroDeUso)))
        return *Situacao;

    TConfere Confere(std::get<TOpcoesConfere>(Leitura), {MostraMensagem, [](QByteArrayView Bytes) {
                                                             std::fwrite(Bytes.data(), 1,
                                                                         std::size_t(Bytes.size()), stdout);
                                                             std::fflush(stdout);
                                                         }});
    try {
        const TSituacaoConfere Situacao = Confere.Executa();
        if (Situacao == TSituacaoConfere::ErroDeUso)
            Escreve(stderr, TextoUsoConfere());
        return int(Situacao);
    } catch (const std::exception& Falha) {
        return FalhaInesperada(Falha);
    }
}
