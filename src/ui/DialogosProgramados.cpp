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

QString TDialogosProgramados::ArquivoParaAbrir(QWidget*, const QString& Titulo, const QString& Filtro) {
    return ProximoArquivo(Titulo, Filtro);
}

QString TDialogosProgramados::ArquivoParaSalvar(QWidget*, const QString& Titulo,
                                                const QString& ExtensaoPadrao) {
    return ProximoArquivo(Titulo, ExtensaoPadrao);
}

void TDialogosProgramados::AbreEndereco(const QUrl& Endereco) {
    FEnderecosAbertos.append(Endereco);
}

void TDialogosProgramados::LimpaRegistro() {
    FMostradas.clear();
    FPerguntas.clear();
    FDialogosDeArquivo.clear();
    FEnderecosAbertos.clear();
    FImprevistos = 0;
}

QString TDialogosProgramados::ProximoArquivo(const QString& Titulo, const QString& Detalhe) {
    FDialogosDeArquivo.append(Titulo + u" | " + Detalhe);
    if (FArquivos.isEmpty()) {
        ++FImprevistos;
        return {};
    }
    return FArquivos.dequeue();
}
