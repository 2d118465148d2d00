#pragma once

#include "ui/Dialogos.h"

#include <QList>
#include <QQueue>
#include <QStringList>

#include <functional>

// Dialogs answered in advance, for tests and benchmarks that drive the window without a person:
// "the next question is answered No", "the next file chosen is this path". Every box, question,
// dialog and address is recorded. A question or file dialog nobody prepared an answer for takes its
// default (the default button, a cancelled dialog) and is counted as unexpected.
class TDialogosProgramados : public TDialogos {
public:
    struct TPergunta {
        QString Titulo;
        QString Texto;
        bool SimPorPadrao = false;
    };

    void RespondeProximaPergunta(bool Sim) { FRespostas.enqueue(Sim); }
    // An empty path answers the next file dialog with a cancel.
    void EscolheProximoArquivo(const QString& Caminho) { FArquivos.enqueue(Caminho); }
    // Runs at every question before it is answered, to look at the window while it waits.
    void AoPerguntar(std::function<void()> Observador) { FAoPerguntar = std::move(Observador); }

    void Mostra(QWidget* Pai, const TMensagem& Mensagem) override;
    bool Pergunta(QWidget* Pai, const QString& Titulo, const QString& Texto, bool SimPorPadrao) override;
    QString ArquivoParaAbrir(QWidget* Pai, const TPedidoArquivo& Pedido) override;
    QString ArquivoParaSalvar(QWidget* Pai, const TPedidoArquivo& Pedido) override;
    // Addresses are opened (recorded) unless the desktop is to fail at them, as without a browser.
    bool AbreEndereco(const QUrl& Endereco) override;
    void SemNavegador(bool Sem) { FSemNavegador = Sem; }

    const TMensagens& Mostradas() const { return FMostradas; }
    const QList<TPergunta>& Perguntas() const { return FPerguntas; }
    // Each file dialog as "title | filter" (open) or "title | default extension" (save), in order.
    const QStringList& DialogosDeArquivo() const { return FDialogosDeArquivo; }
    // Each file dialog as it was asked for, in order.
    const QList<TPedidoArquivo>& PedidosDeArquivo() const { return FPedidosDeArquivo; }
    const QList<QUrl>& EnderecosAbertos() const { return FEnderecosAbertos; }
    // Questions and file dialogs that found no prepared answer, and answers nobody asked for.
    int Imprevistos() const { return FImprevistos + int(FRespostas.size() + FArquivos.size()); }

    // Forgets what was shown and asked; prepared answers stay.
    void LimpaRegistro();

private:
    QString ProximoArquivo(const TPedidoArquivo& Pedido, const QString& Detalhe);

    QQueue<bool> FRespostas;
    QQueue<QString> FArquivos;
    TMensagens FMostradas;
    QList<TPergunta> FPerguntas;
    QStringList FDialogosDeArquivo;
    QList<TPedidoArquivo> FPedidosDeArquivo;
    QList<QUrl> FEnderecosAbertos;
    int FImprevistos = 0;
    bool FSemNavegador = false;
    std::function<void()> FAoPerguntar;
};
