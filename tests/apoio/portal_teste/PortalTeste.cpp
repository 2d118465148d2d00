#include "PortalTeste.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>

#include <stdexcept>

namespace {

constexpr int EsperaMaximaMs = 20'000;

QString NomeDoCertificado(TPortalTeste::TCertificado Certificado) {
    switch (Certificado) {
    case TPortalTeste::TCertificado::Vencido:
        return QStringLiteral("vencido.pem");
    case TPortalTeste::TCertificado::OutroHost:
        return QStringLiteral("outro-host.pem");
    case TPortalTeste::TCertificado::AutoAssinado:
        return QStringLiteral("autoassinado.pem");
    case TPortalTeste::TCertificado::Valido:
        break;
    }
    return QStringLiteral("localhost.pem");
}

void Falha(const QString& Motivo) {
    throw std::runtime_error("test portal: " + Motivo.toStdString());
}

} // namespace

QByteArray TPedidoRecebido::Cabecalho(QByteArrayView Nome) const {
    for (const auto& [Chave, Valor] : Cabecalhos) {
        if (Chave.compare(Nome, Qt::CaseInsensitive) == 0)
            return Valor;
    }
    return {};
}

TPortalTeste::TPortalTeste(const QJsonArray& Roteiro, TCertificado Certificado) {
    if (!FPasta.isValid())
        Falha(QStringLiteral("no temporary folder"));
    QProcess Certificados;
    Certificados.start(QStringLiteral("bash"), {QStringLiteral(CARTELIM_GERA_CERTIFICADOS), FPasta.path()});
    if (!Certificados.waitForFinished(EsperaMaximaMs) || Certificados.exitCode() != 0)
        Falha(QStringLiteral("certificates not made: ") +
              QString::fromLocal8Bit(Certificados.readAllStandardError()));

    QFile ArquivoDoRoteiro(FPasta.filePath(QStringLiteral("roteiro.json")));
    if (!ArquivoDoRoteiro.open(QIODevice::WriteOnly) ||
        ArquivoDoRoteiro.write(QJsonDocument(Roteiro).toJson()) < 0)
        Falha(QStringLiteral("script not written"));
    ArquivoDoRoteiro.close();

    FProcesso = std::make_unique<QProcess>();
    FProcesso->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    FProcesso->start(QStringLiteral(CARTELIM_PORTAL_TESTE),
                     {QStringLiteral("--certificado"), FPasta.filePath(NomeDoCertificado(Certificado)),
                      QStringLiteral("--chave"), FPasta.filePath(QStringLiteral("chave.pem")),
                      QStringLiteral("--roteiro"), ArquivoDoRoteiro.fileName(), QStringLiteral("--registro"),
                      FPasta.filePath(QStringLiteral("recebidos.jsonl"))});
    const QDeadlineTimer Prazo(EsperaMaximaMs);
    QByteArray Saida;
    while (!Saida.contains('\n') && !Prazo.hasExpired() && FProcesso->state() != QProcess::NotRunning) {
        FProcesso->waitForReadyRead(int(std::max<qint64>(Prazo.remainingTime(), 1)));
        Saida += FProcesso->readAllStandardOutput();
    }
    if (!Saida.startsWith("PORTA "))
        Falha(QStringLiteral("the server did not start: ") + QString::fromLocal8Bit(Saida));
    FPorta = Saida.mid(6).trimmed().toInt();
}

TPortalTeste::~TPortalTeste() {
    Para();
}

void TPortalTeste::Para() {
    if (FProcesso && FProcesso->state() != QProcess::NotRunning) {
        FProcesso->kill();
        FProcesso->waitForFinished(EsperaMaximaMs);
    }
}

QString TPortalTeste::Url() const {
    return QStringLiteral("https://localhost:%1").arg(FPorta);
}

QString TPortalTeste::CaminhoDaCA() const {
    return FPasta.filePath(QStringLiteral("ca.pem"));
}

TConfiguracaoPortal TPortalTeste::Configuracao(const QString& Chave, const QString& Token) const {
    TConfiguracaoPortal Configuracao;
    Configuracao.Endereco = Url();
    Configuracao.Chave = Chave;
    Configuracao.Token = Token;
    Configuracao.AutoridadesExtras = QSslCertificate::fromPath(CaminhoDaCA());
    return Configuracao;
}

QList<TPedidoRecebido> TPortalTeste::Recebidos() const {
    QList<TPedidoRecebido> Pedidos;
    QFile Registro(FPasta.filePath(QStringLiteral("recebidos.jsonl")));
    if (!Registro.open(QIODevice::ReadOnly))
        return Pedidos;
    for (const QByteArray& Linha : Registro.readAll().split('\n')) {
        if (Linha.isEmpty())
            continue;
        const QJsonObject Objeto = QJsonDocument::fromJson(Linha).object();
        const auto Texto = [&](const char* Nome) {
            return Objeto.value(QLatin1StringView(Nome)).toString().toLatin1();
        };
        TPedidoRecebido Pedido;
        Pedido.Linha = Texto("linha");
        Pedido.Metodo = Texto("metodo");
        Pedido.Caminho = Texto("caminho");
        Pedido.Consulta = Texto("consulta");
        Pedido.Corpo = QByteArray::fromBase64(Texto("corpo"));
        for (const QJsonValue& Par : Objeto.value(QStringLiteral("cabecalhos")).toArray())
            Pedido.Cabecalhos.append(
                {Par.toArray().at(0).toString().toLatin1(), Par.toArray().at(1).toString().toLatin1()});
        for (const QJsonValue& Par : Objeto.value(QStringLiteral("campos")).toArray())
            Pedido.Campos.append({Par.toArray().at(0).toString(), Par.toArray().at(1).toString()});
        Pedidos.append(Pedido);
    }
    return Pedidos;
}

QJsonObject TPortalTeste::Resposta(int Status, const QString& Corpo) {
    return QJsonObject{{QStringLiteral("status"), Status}, {QStringLiteral("corpo"), Corpo}};
}

QJsonObject TPortalTeste::Modo(const QString& Modo, int Status, const QString& Corpo) {
    QJsonObject Resposta = TPortalTeste::Resposta(Status, Corpo);
    Resposta.insert(QStringLiteral("modo"), Modo);
    return Resposta;
}
