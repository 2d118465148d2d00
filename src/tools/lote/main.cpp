// cartelim-lote: prints a file of games on the slips of its game, without a window.
#include "catalogue/InicioPrograma.h"
#include "tools/lote/Lote.h"
#include "tools/lote/OpcoesLote.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>

using namespace Qt::StringLiterals;

namespace {

void Escreve(std::FILE* Destino, const QString& Texto) {
    std::fputs(Texto.toUtf8().constData(), Destino);
    std::fputc('\n', Destino);
    std::fflush(Destino);
}

// Message boxes break lines with CR; a terminal needs LF.
void MostraMensagem(const TMensagem& Mensagem) {
    QString Texto = Mensagem.Texto;
    Texto.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
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

    QStringList Argumentos = Aplicacao.arguments();
    Argumentos.removeFirst();
    const TLeituraOpcoes Leitura = LeOpcoesLote(Argumentos);
    if (std::holds_alternative<TPedidoAjuda>(Leitura)) {
        Escreve(stdout, TextoAjudaLote());
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
        if (Situacao == TSituacaoLote::ErroDeUso)
            Escreve(stderr, TextoUsoLote());
        return int(Situacao);
    } catch (const std::exception& Falha) {
        MostraMensagem({TTipoMensagem::Erro, u"Falha inesperada: "_s + QString::fromLocal8Bit(Falha.what())});
        return 1;
    }
}
