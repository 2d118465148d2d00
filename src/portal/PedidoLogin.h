#pragma once

#include "portal/ConfiguracaoPortal.h"
#include "portal/RegistrosPortal.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslError>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

// What a login brings back: the decoded answer, or the message of the failure.
struct TRespostaLogin {
    std::unique_ptr<TLoteriaResult> Resultado;
    QString Erro;

    bool Ok() const { return Resultado != nullptr; }
};

// One login request to the portal, asynchronous: Envia starts it and Terminou tells when the answer
// (or the failure) is ready. The request is one HTTPS POST of a multipart form with "email" then
// "pass", on a network client made for it alone: TLS 1.2 or later with the server's certificate
// checked, redirects not followed, no authentication retried and no request sent twice, the waits for
// the connection and for data limited, the body read up to its limit.
//
// Failure messages: the portal's own error reports and statuses as
//   Erro "<code> - <error> (<mesage>)"   (status 200 with an "error" member)
//   Erro "<decoder's reason>"             (status 200 whose body is not an answer)
//   Erro <code> - <mesage> (<error>)      (status 401)
//   Request Error! ERROR CODE <status>    (any other status, redirects included)
//   Erro <status> - <status line>         (an answer the HTTP layer itself failed)
// and Portuguese sentences for the connection, TLS, time-outs and the size limit.
class TPedidoLogin : public QObject {
    Q_OBJECT

public:
    explicit TPedidoLogin(TConfiguracaoPortal Configuracao, QObject* Parent = nullptr);
    ~TPedidoLogin() override;

    void Envia(const QString& Email, const QString& Senha);
    // Ends a request under way with this message.
    void Interrompe(const QString& Motivo);

    bool Concluido() const { return FResposta.has_value(); }
    // The answer, once; afterwards the request holds nothing.
    TRespostaLogin TomaResposta();

Q_SIGNALS:
    void Terminou();

private:
    void Termina(TRespostaLogin Resposta);
    void Falha(const QString& Mensagem);
    void CabecalhosRecebidos();
    void DadosRecebidos();
    bool GuardaDados();
    void HouveTrafego();
    void Criptografado();
    void RespostaTerminada();
    TRespostaLogin Decide(int Status, const QByteArray& Corpo) const;
    QString MensagemDeRede() const;
    QString EnderecoParaMensagens() const;

    TConfiguracaoPortal FConfiguracao;
    QNetworkAccessManager* FGerenciador;
    QNetworkReply* FReply = nullptr;
    QTimer FPrazoParaConectar;
    QTimer FPrazoSemDados;
    QByteArray FCorpo;
    QList<QSslError> FErrosTls;
    // A failure decided here (a time-out, the size limit) before the reply was aborted.
    QString FFalha;
    std::optional<TRespostaLogin> FResposta;
};
