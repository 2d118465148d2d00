// cartelim-lote: prints a file of games on the slips of its game, without a window.
#include "catalogue/InicioPrograma.h"
#include "store/CorteDeTexto.h"
#include "tools/lote/CaminhoNativo.h"
#include "tools/lote/Interrupcao.h"
#include "tools/lote/Lote.h"
#include "tools/lote/OpcoesLote.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>

using namespace Qt::StringLiterals;

namespace {

// Every line as the window would show it (LF line ends, huge lines cut, NUL visible), written whole.
void Escreve(std::FILE* Destino, const QString& Texto) {
    const QByteArray Bytes = TextoParaMostrar(Texto).toUtf8() + '\n';
    std::fwrite(Bytes.constData(), 1, std::size_t(Bytes.size()), Destino);
    std::fflush(Destino);
}

void MostraMensagem(const TMensagem& Mensagem) {
    QString Texto = Mensagem.Texto;
    switch (Mensagem.Tipo) {
    case TTipoMensagem::Erro:
        Texto.prepend(u"Erro: "_s);
        break;
    case TTipoMensagem::Aviso:
        Texto.prepend(u"Aviso: "_s);
        break;
    case TTipoMensagem::Informacao:
        break;
    }
    Escreve(stderr, Texto);
}

// Qt's own warnings (a runtime folder not set, a font substituted) mean nothing to the user of a
// batch tool and would mix with its messages; the tool reports every failure that matters itself.
void FiltraMensagensQt(QtMsgType Tipo, const QMessageLogContext&, const QString& Texto) {
    if (Tipo == QtCriticalMsg || Tipo == QtFatalMsg)
        Escreve(stderr, Texto);
}

} // namespace

int main(int argc, char** argv) {
    // A batch tool never shows a window: it draws offscreen unless told otherwise.
    qInstallMessageHandler(FiltraMensagensQt);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication Aplicacao(argc, argv);
    const TInicioPrograma Inicio(Aplicacao, QStringLiteral("cartelim-lote"));

    // Qt has taken its own options out of argv; the rest are read byte for byte.
    QStringList Argumentos;
    for (int Indice = 1; Indice < argc; ++Indice)
        Argumentos.append(DeArgumento(argv[Indice]));
    const TLeituraOpcoes Leitura = LeOpcoesLote(Argumentos);
    if (std::holds_alternative<TPedidoAjuda>(Leitura)) {
        Escreve(stdout, TextoAjudaLote());
        return 0;
    }
    if (std::holds_alternative<TPedidoVersao>(Leitura)) {
        Escreve(stdout, TextoVersao());
        return 0;
    }
    if (const auto* Erro = std::get_if<TErroDeUso>(&Leitura)) {
        MostraMensagem({TTipoMensagem::Erro, Erro->Mensagem});
        Escreve(stderr, TextoUsoLote());
        return int(TSituacaoLote::ErroDeUso);
    }

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
        MostraMensagem({TTipoMensagem::Erro, u"Falha inesperada: "_s + QString::fromLocal8Bit(Falha.what())});
        return 1;
    }
}
