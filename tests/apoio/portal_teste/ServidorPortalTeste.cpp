#include "ServidorPortalTeste.h"

#include <QJsonDocument>
#include <QSslSocket>
#include <QTimer>

namespace {

// A request larger than this is no login: the connection closes.
constexpr qsizetype TamanhoMaximoDoPedido = 1024 * 1024;
// How much of an endless or large body waits in the socket at a time.
constexpr qint64 PorcaoDeEnvio = 256 * 1024;

QByteArray MotivoPadrao(int Status) {
    switch (Status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 401:
        return "Unauthorized";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

QList<std::pair<QByteArray, QByteArray>> LeCabecalhos(const QByteArray& Cabecalho, QByteArray& Linha) {
    QList<QByteArray> Linhas = Cabecalho.split('\n');
    for (QByteArray& L : Linhas)
        L = L.endsWith('\r') ? L.chopped(1) : L;
    Linha = Linhas.isEmpty() ? QByteArray() : Linhas.takeFirst();
    QList<std::pair<QByteArray, QByteArray>> Pares;
    for (const QByteArray& L : std::as_const(Linhas)) {
        const qsizetype DoisPontos = L.indexOf(':');
        if (DoisPontos > 0)
            Pares.append({L.left(DoisPontos), L.mid(DoisPontos + 1).trimmed()});
    }
    return Pares;
}

QByteArray Valor(const QList<std::pair<QByteArray, QByteArray>>& Pares, QByteArrayView Nome) {
    for (const auto& [Chave, Conteudo] : Pares) {
        if (Chave.compare(Nome, Qt::CaseInsensitive) == 0)
            return Conteudo;
    }
    return {};
}

// The fields of a multipart/form-data body, in order: name and raw value.
QJsonArray CamposDoFormulario(const QByteArray& TipoDoConteudo, const QByteArray& Corpo) {
    QJsonArray Campos;
    const qsizetype Inicio = TipoDoConteudo.indexOf("boundary=");
    if (!TipoDoConteudo.startsWith("multipart/form-data") || Inicio < 0)
        return Campos;
    QByteArray Fronteira = TipoDoConteudo.mid(Inicio + 9);
    if (Fronteira.startsWith('"') && Fronteira.endsWith('"'))
        Fronteira = Fronteira.mid(1, Fronteira.size() - 2);
    const QByteArray Separador = "--" + Fronteira;
    qsizetype Posicao = Corpo.indexOf(Separador);
    while (Posicao >= 0) {
        Posicao += Separador.size();
        if (Corpo.mid(Posicao, 2) == "--")
            break;
        const qsizetype FimDosCabecalhos = Corpo.indexOf("\r\n\r\n", Posicao);
        const qsizetype Proximo = Corpo.indexOf(QByteArray("\r\n" + Separador), Posicao);
        if (FimDosCabecalhos < 0 || Proximo < 0)
            break;
        const QByteArray Cabecalhos = Corpo.mid(Posicao, FimDosCabecalhos - Posicao);
        const qsizetype Nome = Cabecalhos.indexOf("name=\"");
        const qsizetype FimDoNome = Cabecalhos.indexOf('"', Nome + 6);
        const QByteArray Conteudo = Corpo.mid(FimDosCabecalhos + 4, Proximo - FimDosCabecalhos - 4);
        Campos.append(QJsonArray{QString::fromUtf8(Cabecalhos.mid(Nome + 6, FimDoNome - Nome - 6)),
                                 QString::fromUtf8(Conteudo)});
        Posicao = Proximo + 2;
    }
    return Campos;
}

// One connection: reads the request, writes it down, answers as the script says.
class TConexaoTeste : public QObject {
public:
    TConexaoTeste(QSslSocket* Socket, QJsonObject Resposta, std::function<void(const QJsonObject&)> Registra)
        : QObject(Socket)
        , FSocket(Socket)
        , FResposta(std::move(Resposta))
        , FRegistra(std::move(Registra)) {
        connect(FSocket, &QSslSocket::readyRead, this, &TConexaoTeste::Le);
        connect(FSocket, &QSslSocket::disconnected, FSocket, &QObject::deleteLater);
        // The socket tells of written bytes unevenly; a short beat keeps a large body flowing.
        FEnvio.setInterval(2);
        connect(&FEnvio, &QTimer::timeout, this, &TConexaoTeste::ContinuaEnvio);
    }

private:
    QString Modo() const {
        return FResposta.value(QStringLiteral("modo")).toString(QStringLiteral("resposta"));
    }

    void Le() {
        if (FRespondido)
            return;
        FRecebido += FSocket->readAll();
        const qsizetype FimDoCabecalho = FRecebido.indexOf("\r\n\r\n");
        if (FRecebido.size() > TamanhoMaximoDoPedido) {
            FSocket->abort();
            return;
        }
        if (FimDoCabecalho < 0)
            return;
        const QByteArray Cabecalho = FRecebido.left(FimDoCabecalho);
        QByteArray Linha;
        const qsizetype Tamanho = Valor(LeCabecalhos(Cabecalho, Linha), "Content-Length").toLongLong();
        if (FRecebido.size() < FimDoCabecalho + 4 + Tamanho)
            return;
        FRespondido = true;
        FRegistra(DescreveRequisicao(Cabecalho, FRecebido.mid(FimDoCabecalho + 4, Tamanho)));
        Responde();
    }

    void Responde() {
        const QString Modo = this->Modo();
        if (Modo == u"nunca-responde")
            return;
        if (Modo == u"fecha") {
            FSocket->disconnectFromHost();
            return;
        }
        QByteArray Corpo = FResposta.value(QStringLiteral("corpo")).toString().toUtf8();
        const QString Arquivo = FResposta.value(QStringLiteral("arquivo")).toString();
        if (!Arquivo.isEmpty()) {
            QFile Dados(Arquivo);
            if (Dados.open(QIODevice::ReadOnly))
                Corpo = Dados.readAll();
        }
        const int Status = FResposta.value(QStringLiteral("status")).toInt(200);
        const QString Motivo = FResposta.value(QStringLiteral("motivo")).toString();
        QList<std::pair<QByteArray, QByteArray>> Cabecalhos = {
            {"Content-Type", "application/json; charset=utf-8"},
            {"Connection", "close"},
        };
        if (Modo == u"sem-fim")
            Cabecalhos.emplaceBack("Transfer-Encoding", "chunked");
        else if (Modo == u"grande")
            Cabecalhos.emplaceBack(
                "Content-Length", QByteArray::number(FResposta.value(QStringLiteral("tamanho")).toInteger()));
        else
            Cabecalhos.emplaceBack("Content-Length", QByteArray::number(Corpo.size()));
        for (const QJsonValue& Par : FResposta.value(QStringLiteral("cabecalhos")).toArray()) {
            const QByteArray Nome = Par.toArray().at(0).toString().toLatin1();
            const QByteArray Conteudo = Par.toArray().at(1).toString().toLatin1();
            const auto Existente = std::find_if(Cabecalhos.begin(), Cabecalhos.end(), [&](const auto& C) {
                return C.first.compare(Nome, Qt::CaseInsensitive) == 0;
            });
            if (Existente != Cabecalhos.end())
                Existente->second = Conteudo;
            else
                Cabecalhos.emplaceBack(Nome, Conteudo);
        }
        QByteArray Saida = "HTTP/1.1 " + QByteArray::number(Status) + ' ' +
                           (Motivo.isEmpty() ? MotivoPadrao(Status) : Motivo.toLatin1()) + "\r\n";
        for (const auto& [Nome, Conteudo] : std::as_const(Cabecalhos))
            Saida += Nome + ": " + Conteudo + "\r\n";
        Saida += "\r\n";
        if (Modo == u"sem-fim" || Modo == u"grande") {
            FSocket->write(Saida);
            FRestante = Modo == u"grande" ? FResposta.value(QStringLiteral("tamanho")).toInteger() : -1;
            FEnvio.start();
            return;
        }
        if (Modo == u"para-no-meio" || Modo == u"truncado") {
            FSocket->write(Saida + Corpo.left(Corpo.size() / 2));
            if (Modo == u"truncado")
                FSocket->disconnectFromHost();
            return;
        }
        FSocket->write(Saida + Corpo);
        FSocket->disconnectFromHost();
    }

    // Keeps an endless or large body flowing, a portion at a time, as the client takes it.
    void ContinuaEnvio() {
        if (FRestante == 0 || FSocket->encryptedBytesToWrite() + FSocket->bytesToWrite() > PorcaoDeEnvio)
            return;
        const QString Modo = this->Modo();
        if (Modo == u"sem-fim") {
            const QByteArray Pedaco(PorcaoDeEnvio, ' ');
            FSocket->write(QByteArray::number(Pedaco.size(), 16) + "\r\n" + Pedaco + "\r\n");
        } else if (Modo == u"grande") {
            const qint64 Qde = std::min(FRestante, PorcaoDeEnvio);
            FSocket->write(QByteArray(qsizetype(Qde), ' '));
            FRestante -= Qde;
            if (FRestante == 0) {
                FEnvio.stop();
                FSocket->disconnectFromHost();
            }
        }
    }

    QSslSocket* FSocket;
    QJsonObject FResposta;
    std::function<void(const QJsonObject&)> FRegistra;
    QByteArray FRecebido;
    bool FRespondido = false;
    qint64 FRestante = 0;
    QTimer FEnvio;
};

} // namespace

QJsonObject DescreveRequisicao(const QByteArray& Cabecalho, const QByteArray& Corpo) {
    QByteArray Linha;
    const auto Pares = LeCabecalhos(Cabecalho, Linha);
    const QList<QByteArray> Partes = Linha.split(' ');
    const QByteArray Alvo = Partes.value(1);
    const qsizetype Interrogacao = Alvo.indexOf('?');
    QJsonArray Cabecalhos;
    for (const auto& [Nome, Conteudo] : Pares)
        Cabecalhos.append(QJsonArray{QString::fromLatin1(Nome), QString::fromLatin1(Conteudo)});
    return QJsonObject{
        {QStringLiteral("linha"), QString::fromLatin1(Linha)},
        {QStringLiteral("metodo"), QString::fromLatin1(Partes.value(0))},
        {QStringLiteral("caminho"), QString::fromLatin1(Interrogacao < 0 ? Alvo : Alvo.left(Interrogacao))},
        {QStringLiteral("consulta"),
         QString::fromLatin1(Interrogacao < 0 ? QByteArray() : Alvo.mid(Interrogacao + 1))},
        {QStringLiteral("cabecalhos"), Cabecalhos},
        {QStringLiteral("corpo"), QString::fromLatin1(Corpo.toBase64())},
        {QStringLiteral("campos"), CamposDoFormulario(Valor(Pares, "Content-Type"), Corpo)},
    };
}

TServidorPortalTeste::TServidorPortalTeste(QSslConfiguration Tls, QJsonArray Roteiro,
                                           const QString& ArquivoDoRegistro, QObject* Parent)
    : QTcpServer(Parent)
    , FTls(std::move(Tls))
    , FRoteiro(std::move(Roteiro))
    , FRegistro(ArquivoDoRegistro) {
    if (!ArquivoDoRegistro.isEmpty())
        FRegistro.open(QIODevice::WriteOnly | QIODevice::Append);
}

QJsonObject TServidorPortalTeste::ProximaResposta() {
    if (FRoteiro.isEmpty())
        return {};
    const QJsonObject Resposta = FRoteiro.at(std::min(FProxima, FRoteiro.size() - 1)).toObject();
    ++FProxima;
    return Resposta;
}

void TServidorPortalTeste::Registra(const QJsonObject& Pedido) {
    if (FRegistro.isOpen()) {
        FRegistro.write(QJsonDocument(Pedido).toJson(QJsonDocument::Compact) + '\n');
        FRegistro.flush();
    }
    if (FAoReceber)
        FAoReceber(Pedido);
}

void TServidorPortalTeste::incomingConnection(qintptr Descritor) {
    auto* Socket = new QSslSocket(this);
    if (!Socket->setSocketDescriptor(Descritor)) {
        delete Socket;
        return;
    }
    const QJsonObject Resposta = ProximaResposta();
    new TConexaoTeste(Socket, Resposta, [this](const QJsonObject& Pedido) { Registra(Pedido); });
    if (Resposta.value(QStringLiteral("modo")).toString() == u"sem-handshake")
        return;
    Socket->setSslConfiguration(FTls);
    Socket->startServerEncryption();
}
