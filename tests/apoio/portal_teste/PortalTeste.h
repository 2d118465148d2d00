#pragma once

#include "portal/ConfiguracaoPortal.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <utility>

// A request the test portal received, byte for byte.
struct TPedidoRecebido {
    QByteArray Linha;
    QByteArray Metodo;
    QByteArray Caminho;
    QByteArray Consulta;
    QList<std::pair<QByteArray, QByteArray>> Cabecalhos;
    QByteArray Corpo;
    QList<std::pair<QString, QString>> Campos;

    // The value of the first header of that name (any case); empty when there is none.
    QByteArray Cabecalho(QByteArrayView Nome) const;
};

// The local HTTPS test portal for one test: fresh certificates in a private folder, the server process
// on 127.0.0.1 with the test's script of answers, stopped when the object goes.
class TPortalTeste {
public:
    enum class TCertificado { Valido, Vencido, OutroHost, AutoAssinado };

    explicit TPortalTeste(const QJsonArray& Roteiro, TCertificado Certificado = TCertificado::Valido);
    ~TPortalTeste();

    // "https://localhost:<port>".
    QString Url() const;
    // The test certificate authority that signed the server's certificate.
    QString CaminhoDaCA() const;
    // A client configuration for this portal: its address, its authority trusted, the given key and token.
    TConfiguracaoPortal
    Configuracao(const QString& Chave = QStringLiteral("marble-oakwoods"),
                 const QString& Token = QStringLiteral("QkVhc3RpZXJhbmRvbUJ5dGVzU2VxdWVuY2U=")) const;
    // Every request received so far, in order.
    QList<TPedidoRecebido> Recebidos() const;
    // Stops the server; its port then refuses connections.
    void Para();

    // An answer of the script: the status and the body, in the ordinary mode.
    static QJsonObject Resposta(int Status, const QString& Corpo);
    // An answer in another mode (see ServidorPortalTeste.h).
    static QJsonObject Modo(const QString& Modo, int Status = 200, const QString& Corpo = {});

private:
    QTemporaryDir FPasta;
    std::unique_ptr<QProcess> FProcesso;
    int FPorta = 0;
};
