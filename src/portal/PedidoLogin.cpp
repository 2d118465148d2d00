#include "portal/PedidoLogin.h"

#include <QEventLoop>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSslConfiguration>
#include <QUrl>

#include <cstring>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

constexpr qint64 TamanhoDoBufferDeLeitura = 512 * 1024;

const QByteArray AgenteDoUsuario =
    QByteArrayLiteral("Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 6.0; SLCC1");

// The form body, readable once only. The HTTP layer sends a request again by itself when the
// connection closes before an answer (it takes the connection for a stale one); with a body it cannot
// rewind it fails instead, so the portal never receives the same login twice.
class TCorpoSemVolta : public QIODevice {
public:
    explicit TCorpoSemVolta(QByteArray Dados, QObject* Parent)
        : QIODevice(Parent)
        , FDados(std::move(Dados)) {
        open(QIODevice::ReadOnly);
    }

    bool isSequential() const override { return true; }
    bool reset() override { return false; }
    qint64 bytesAvailable() const override { return FDados.size() - FLidos + QIODevice::bytesAvailable(); }
    bool atEnd() const override { return FLidos >= FDados.size() && QIODevice::atEnd(); }

protected:
    qint64 readData(char* Destino, qint64 Maximo) override {
        const qint64 Qde = std::min(Maximo, FDados.size() - FLidos);
        std::memcpy(Destino, FDados.constData() + FLidos, std::size_t(Qde));
        FLidos += Qde;
        return Qde;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray FDados;
    qint64 FLidos = 0;
};

// The pieces of the body came through the network thread, whose allocator keeps them once freed;
// returned to the system before the answer is decoded, they do not add to the peak beside the body and
// the records (a third less for a large answer).
void DevolveMemoriaLivre() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

struct TCampo {
    QByteArray Nome;
    QString Valor;
};

QByteArray Formulario(const QByteArray& Fronteira, const QList<TCampo>& Campos) {
    QByteArray Corpo;
    for (const TCampo& Campo : Campos)
        Corpo += "--" + Fronteira + "\r\nContent-Disposition: form-data; name=\"" + Campo.Nome +
                 "\"\r\nContent-Type: text/plain; charset=UTF-8\r\n\r\n" + Campo.Valor.toUtf8() + "\r\n";
    return Corpo + "--" + Fronteira + "--\r\n";
}

QString Segundos(int Milissegundos) {
    const double Valor = Milissegundos / 1000.0;
    const QString Texto = QLocale().toString(Valor, 'f', Milissegundos % 1000 ? 1 : 0);
    return Texto + (Valor < 2 ? QStringLiteral(" segundo") : QStringLiteral(" segundos"));
}

QString Megabytes(qint64 Bytes) {
    return QLocale().toString(double(Bytes) / (1024 * 1024), 'f', Bytes % (1024 * 1024) ? 1 : 0) +
           QStringLiteral(" MB");
}

// Whether the HTTP layer handed the status over as an answer: it flags 4xx and 5xx statuses with an
// error of the content or server kind, and a 307 or 308 redirect it is not to follow with a complaint
// that it could not send the body again; any other error of an answer is its own failure.
bool EntregueComoResposta(int Status, QNetworkReply::NetworkError Erro) {
    if (Status < 100 || Status > 599)
        return false;
    if (Erro == QNetworkReply::NoError || (Status >= 300 && Status < 400))
        return true;
    const bool DeConteudo =
        Erro >= QNetworkReply::ContentAccessDenied && Erro <= QNetworkReply::UnknownContentError;
    const bool DoServidor =
        Erro >= QNetworkReply::InternalServerError && Erro <= QNetworkReply::UnknownServerError;
    return Status >= 400 && (DeConteudo || DoServidor);
}

QString MotivoTls(const QSslError& Erro, const QString& Servidor) {
    const QString Data = QStringLiteral("dd/MM/yyyy");
    switch (Erro.error()) {
    case QSslError::HostNameMismatch:
        return QStringLiteral("o certificado do portal não pertence a %1").arg(Servidor);
    case QSslError::CertificateExpired:
        return QStringLiteral("o certificado do portal venceu em %1")
            .arg(Erro.certificate().expiryDate().toUTC().toString(Data));
    case QSslError::CertificateNotYetValid:
        return QStringLiteral("o certificado do portal só vale a partir de %1")
            .arg(Erro.certificate().effectiveDate().toUTC().toString(Data));
    case QSslError::SelfSignedCertificate:
    case QSslError::SelfSignedCertificateInChain:
    case QSslError::UnableToGetIssuerCertificate:
    case QSslError::UnableToGetLocalIssuerCertificate:
    case QSslError::UnableToVerifyFirstCertificate:
    case QSslError::CertificateUntrusted:
    case QSslError::CertificateRejected:
        return QStringLiteral("o certificado do portal não foi emitido por uma autoridade confiável");
    case QSslError::CertificateRevoked:
        return QStringLiteral("o certificado do portal foi revogado");
    default:
        return Erro.errorString();
    }
}

} // namespace

TPedidoLogin::TPedidoLogin(TConfiguracaoPortal Configuracao, QObject* Parent)
    : QObject(Parent)
    , FConfiguracao(std::move(Configuracao))
    , FGerenciador(new QNetworkAccessManager(this)) {
    FPrazoParaConectar.setSingleShot(true);
    FPrazoSemDados.setSingleShot(true);
    connect(&FPrazoParaConectar, &QTimer::timeout, this, [this] {
        Falha(QStringLiteral("O portal não completou a conexão segura em %1. Verifique sua conexão com a "
                             "internet e tente de novo.")
                  .arg(Segundos(FConfiguracao.TempoParaConectarMs)));
    });
    connect(&FPrazoSemDados, &QTimer::timeout, this, [this] {
        Falha(QStringLiteral("O portal parou de responder: %1 sem receber dados. Tente de novo mais tarde.")
                  .arg(Segundos(FConfiguracao.TempoSemDadosMs)));
    });
}

TPedidoLogin::~TPedidoLogin() {
    if (FReply) {
        FReply->disconnect(this);
        FReply->abort();
    }
}

void TPedidoLogin::Envia(const QString& Email, const QString& Senha) {
    const QString Base = EnderecoBase(FConfiguracao.Endereco);
    if (Base.isEmpty()) {
        Termina({nullptr, QStringLiteral("O endereço do portal não é um endereço https válido: \"%1\".")
                              .arg(FConfiguracao.Endereco)});
        return;
    }
    const QUrl Url(Base + QStringLiteral("/api/v1/Auth/?key=") + FConfiguracao.Chave +
                   QStringLiteral("&token=") + FConfiguracao.Token);
    QNetworkRequest Pedido(Url);
    QSslConfiguration Tls = QSslConfiguration::defaultConfiguration();
    Tls.setProtocol(QSsl::TlsV1_2OrLater);
    Tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    Tls.addCaCertificates(FConfiguracao.AutoridadesExtras);
    Pedido.setSslConfiguration(Tls);
    Pedido.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    Pedido.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    Pedido.setAttribute(QNetworkRequest::DoNotBufferUploadDataAttribute, true);
    Pedido.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    Pedido.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);

    const QByteArray Fronteira = QByteArrayLiteral("CartelimFormulario") +
                                 QByteArray::number(QRandomGenerator::global()->generate64(), 16);
    const QByteArray Corpo =
        Formulario(Fronteira, {{QByteArrayLiteral("email"), Email}, {QByteArrayLiteral("pass"), Senha}});
    Pedido.setHeader(QNetworkRequest::ContentTypeHeader,
                     QByteArray("multipart/form-data; boundary=" + Fronteira));
    Pedido.setHeader(QNetworkRequest::ContentLengthHeader, Corpo.size());
    Pedido.setRawHeader("Accept", "application/json");
    Pedido.setRawHeader("User-Agent", AgenteDoUsuario);

    auto* Dispositivo = new TCorpoSemVolta(Corpo, this);
    FReply = FGerenciador->post(Pedido, Dispositivo);
    // The network thread holds no more than this until the body takes it in.
    FReply->setReadBufferSize(TamanhoDoBufferDeLeitura);
    Dispositivo->setParent(FReply);
    connect(FReply, &QNetworkReply::sslErrors, this,
            [this](const QList<QSslError>& Erros) { FErrosTls = Erros; });
    connect(FReply, &QNetworkReply::encrypted, this, &TPedidoLogin::Criptografado);
    connect(FReply, &QNetworkReply::metaDataChanged, this, &TPedidoLogin::CabecalhosRecebidos);
    connect(FReply, &QNetworkReply::readyRead, this, &TPedidoLogin::DadosRecebidos);
    connect(FReply, &QNetworkReply::uploadProgress, this, &TPedidoLogin::HouveTrafego);
    connect(FReply, &QNetworkReply::finished, this, &TPedidoLogin::RespostaTerminada);
    FPrazoParaConectar.start(FConfiguracao.TempoParaConectarMs);
}

void TPedidoLogin::Interrompe(const QString& Motivo) {
    if (!Concluido())
        Falha(Motivo);
}

TRespostaLogin TPedidoLogin::TomaResposta() {
    TRespostaLogin Resposta = FResposta ? std::move(*FResposta) : TRespostaLogin();
    FResposta.reset();
    return Resposta;
}

void TPedidoLogin::Termina(TRespostaLogin Resposta) {
    FPrazoParaConectar.stop();
    FPrazoSemDados.stop();
    FResposta = std::move(Resposta);
    Q_EMIT Terminou();
}

void TPedidoLogin::Falha(const QString& Mensagem) {
    FFalha = Mensagem;
    if (FReply && FReply->isRunning())
        FReply->abort(); // finishes the reply, which ends the request with FFalha
    else if (!Concluido())
        Termina({nullptr, FFalha});
}

void TPedidoLogin::Criptografado() {
    FPrazoParaConectar.stop();
    FPrazoSemDados.start(FConfiguracao.TempoSemDadosMs);
}

void TPedidoLogin::HouveTrafego() {
    if (FPrazoSemDados.isActive())
        FPrazoSemDados.start(FConfiguracao.TempoSemDadosMs);
}

void TPedidoLogin::CabecalhosRecebidos() {
    HouveTrafego();
    bool Conhecido = false;
    const qint64 Anunciado = FReply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&Conhecido);
    if (Conhecido && Anunciado > FConfiguracao.TamanhoMaximoResposta) {
        Falha(
            QStringLiteral("Resposta do portal grande demais: %1, mais que o limite de %2. Nada foi gravado.")
                .arg(Megabytes(Anunciado), Megabytes(FConfiguracao.TamanhoMaximoResposta)));
        return;
    }
    // Room for the announced body in one piece, unless the announcement is out of all proportion.
    constexpr qint64 ReservaMaxima = qint64(64) * 1024 * 1024;
    if (Conhecido && Anunciado > FCorpo.capacity())
        FCorpo.reserve(qsizetype(std::min(Anunciado, ReservaMaxima)));
}

void TPedidoLogin::DadosRecebidos() {
    HouveTrafego();
    GuardaDados();
}

bool TPedidoLogin::GuardaDados() {
    if (!FFalha.isEmpty())
        return false;
    const qint64 Livre = FConfiguracao.TamanhoMaximoResposta - FCorpo.size();
    if (FReply->bytesAvailable() > Livre) {
        Falha(QStringLiteral("Resposta do portal grande demais: mais que o limite de %1. Nada foi gravado.")
                  .arg(Megabytes(FConfiguracao.TamanhoMaximoResposta)));
        return false;
    }
    FCorpo += FReply->readAll();
    return true;
}

void TPedidoLogin::RespostaTerminada() {
    const auto Solta = qScopeGuard([this] { std::exchange(FReply, nullptr)->deleteLater(); });
    if (!FFalha.isEmpty()) {
        Termina({nullptr, FFalha});
        return;
    }
    const QVariant Status = FReply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!Status.isValid()) {
        Termina({nullptr, MensagemDeRede()});
        return;
    }
    if (!GuardaDados())
        return;
    const int Codigo = Status.toInt();
    const QNetworkReply::NetworkError Erro = FReply->error();
    if (EntregueComoResposta(Codigo, Erro)) {
        const QByteArray Corpo = std::exchange(FCorpo, QByteArray());
        DevolveMemoriaLivre();
        Termina(Decide(Codigo, Corpo));
    } else if (Erro >= QNetworkReply::ConnectionRefusedError && Erro <= QNetworkReply::UnknownNetworkError) {
        Termina(
            {nullptr, QStringLiteral("A resposta do portal chegou incompleta: a conexão foi encerrada antes "
                                     "do fim. Nada foi gravado.")});
    } else {
        const QByteArray Motivo = FReply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
        Termina({nullptr,
                 QStringLiteral("Erro %1 - HTTP/1.1 %1 %2").arg(Codigo).arg(QString::fromLatin1(Motivo))});
    }
}

TRespostaLogin TPedidoLogin::Decide(int Status, const QByteArray& Corpo) const {
    const auto Embrulha = [](const QString& Mensagem) {
        return QStringLiteral("Erro \"%1\"").arg(Mensagem);
    };
    QString Erro;
    if (Status == 200) {
        if (TemMembroNoTopo(Corpo, u"error")) {
            const auto Relato = TErrorsClass::FromJsonString(Corpo, &Erro);
            if (Relato)
                Erro = QStringLiteral("%1 - %2 (%3)").arg(Relato->Code(), Relato->Error(), Relato->Mesage());
            return {nullptr, Embrulha(Erro)};
        }
        std::unique_ptr<TLoteriaResult> Resultado = TLoteriaResult::FromJsonString(Corpo, &Erro);
        if (!Resultado)
            return {nullptr, Embrulha(Erro)};
        return {std::move(Resultado), {}};
    }
    if (Status == 401) {
        const auto Recusa = TLotError401Class::FromJsonString(Corpo, &Erro);
        if (!Recusa)
            return {nullptr, Embrulha(Erro)};
        const TErrorsClass& Relato = Recusa->Errors();
        return {nullptr,
                QStringLiteral("Erro %1 - %2 (%3)").arg(Relato.Code(), Relato.Mesage(), Relato.Error())};
    }
    return {nullptr, QStringLiteral("Request Error! ERROR CODE %1").arg(Status)};
}

QString TPedidoLogin::EnderecoParaMensagens() const {
    const QUrl Url(FConfiguracao.Endereco);
    return Url.port() > 0 ? QStringLiteral("%1:%2").arg(Url.host()).arg(Url.port()) : Url.host();
}

QString TPedidoLogin::MensagemDeRede() const {
    const QString Servidor = EnderecoParaMensagens();
    switch (FReply->error()) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("Não foi possível conectar ao portal em %1: a conexão foi recusada.")
            .arg(Servidor);
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral(
                   "O endereço do portal %1 não foi encontrado. Verifique sua conexão com a internet.")
            .arg(QUrl(FConfiguracao.Endereco).host());
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::ContentReSendError:
        return QStringLiteral("O portal encerrou a conexão sem responder. Tente de novo mais tarde.");
    case QNetworkReply::SslHandshakeFailedError: {
        QStringList Motivos;
        for (const QSslError& Erro : FErrosTls) {
            const QString Motivo = MotivoTls(Erro, QUrl(FConfiguracao.Endereco).host());
            if (!Motivos.contains(Motivo))
                Motivos << Motivo;
        }
        if (Motivos.isEmpty())
            return QStringLiteral(
                       "Não foi possível estabelecer uma conexão segura (TLS 1.2 ou mais nova) com o "
                       "portal: %1.")
                .arg(FReply->errorString());
        return QStringLiteral("Conexão segura com o portal recusada: %1.")
            .arg(Motivos.join(QStringLiteral("; ")));
    }
    default:
        return QStringLiteral("Falha na comunicação com o portal: %1.").arg(FReply->errorString());
    }
}

TRespostaLogin TLoteriaResult::GetGames(const QString& email, const QString& pass,
                                        const TConfiguracaoPortal& Configuracao) {
    TPedidoLogin Pedido(Configuracao);
    QEventLoop Laco;
    QObject::connect(&Pedido, &TPedidoLogin::Terminou, &Laco, &QEventLoop::quit);
    Pedido.Envia(email, pass);
    if (!Pedido.Concluido())
        Laco.exec();
    // The loop also ends when the application quits.
    Pedido.Interrompe(QStringLiteral("O login foi interrompido antes da resposta do portal."));
    return Pedido.TomaResposta();
}
