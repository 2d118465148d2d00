#pragma once

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QSslConfiguration>
#include <QTcpServer>

// The local HTTPS test portal: it answers each connection with the next answer of its script (the last
// one repeats) and writes down every request it receives.
//
// An answer is a JSON object; "modo" says how it goes (default "resposta"):
//   resposta        the status line, the headers and the whole body, then the connection closes
//   sem-handshake   the TLS handshake never starts
//   nunca-responde  the request is read and never answered
//   fecha           the request is read and the connection closed without an answer
//   para-no-meio    the headers announce the whole body, half of it is sent, then nothing more
//   truncado        as para-no-meio, then the connection closes
//   sem-fim         a chunked body that never ends
//   grande          a body of "tamanho" bytes, announced in Content-Length and sent in full
// "status" (200) and "motivo" (the usual reason phrase) make the status line; "cabecalhos", a list of
// [name, value] pairs, adds headers or replaces Content-Type, Content-Length and Connection; the body
// is "corpo" (text) or the bytes of the file "arquivo".
//
// Each request becomes one line of JSON in the record file, written before the answer goes out:
// "linha" (the request line), "metodo", "caminho", "consulta", "cabecalhos" ([name, value] in the order
// received), "corpo" (the raw body in base64) and "campos" (the multipart fields, [name, value] in
// order).
class TServidorPortalTeste : public QTcpServer {
    Q_OBJECT

public:
    TServidorPortalTeste(QSslConfiguration Tls, QJsonArray Roteiro, const QString& ArquivoDoRegistro,
                         QObject* Parent = nullptr);

    // Called with every request, for the console of a test portal started by hand.
    void SetAoReceber(std::function<void(const QJsonObject& Pedido)> AoReceber) {
        FAoReceber = std::move(AoReceber);
    }

protected:
    void incomingConnection(qintptr Descritor) override;

private:
    QJsonObject ProximaResposta();
    void Registra(const QJsonObject& Pedido);

    QSslConfiguration FTls;
    QJsonArray FRoteiro;
    qsizetype FProxima = 0;
    QFile FRegistro;
    std::function<void(const QJsonObject&)> FAoReceber;
};

// A request as the test portal wrote it down: its line, method, path, query, headers, body and the
// multipart fields of the body, byte for byte.
QJsonObject DescreveRequisicao(const QByteArray& Cabecalho, const QByteArray& Corpo);
