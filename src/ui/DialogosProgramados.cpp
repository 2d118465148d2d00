#include "ui/DialogosProgramados.h"

void TDialogosProgramados::Mostra(QWidget*, const TMensagem& Mensagem) {
    FMostradas.append(Mensagem);
}

bool TDialogosProgramados::Pergunta(QWidget*, const QString& Titulo, const QString& Texto,
                                    bool SimPorPadrao) {
    FPerguntas.append({Titulo, Texto, SimPorPadrao});
    if (FAoPerguntar)
        FAoPerguntar();
    if (FRespostas.isEmpty()) {
        ++FImprevistos;
        return SimPorPadrao;
    }
    return FRespostas.dequeue();
}

QString TDialogosProgramados::ArquivoParaAbrir(QWidget*, const TPedidoArquivo& Pedido) {
    return ProximoArquivo(Pedido, Pedido.Filtro);
}

QString TDialogosProgramados::ArquivoParaSalvar(QWidget*, const TPedidoArquivo& Pedido) {
    return ProximoArquivo(Pedido, Pedido.ExtensaoPadrao);
}

bool TDialogosProgramados::AbreEndereco(const QUrl& Endereco) {
    if (FSemNavegador)
        return false;
    FEnderecosAbertos.append(Endereco);
    return true;
}

void TDialogosProgramados::LimpaRegistro() {
    FMostradas.clear();
    FPerguntas.clear();
    FDialogosDeArquivo.clear();
    FPedidosDeArquivo.clear();
    FEnderecosAbertos.clear();
    FImprevistos = 0;
}

QString TDialogosProgramados::ProximoArquivo(const TPedidoArquivo& Pedido, const QString& Detalhe) {
    FDialogosDeArquivo.append(Pedido.Titulo + u" | " + Detalhe);
    FPedidosDeArquivo.append(Pedido);
    if (FArquivos.isEmpty()) {
        ++FImprevistos;
        return {};
    }
    return FArquivos.dequeue();
}
