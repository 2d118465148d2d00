// The local HTTPS test portal. The tests start it with a script of answers; started by hand it answers
// every login with a few sample game sets, so the program's login can be tried without the real portal:
//
//   bash tests/apoio/portal_teste/gera-certificados.sh /tmp/portal
//   build/tests/apoio/portal_teste/portal_teste --certificado /tmp/portal/localhost.pem
//       --chave /tmp/portal/chave.pem --porta 8443
//
// It listens on 127.0.0.1 only and prints "PORTA <port>" once it listens.
#include "ServidorPortalTeste.h"

#include "portal/RegistrosPortal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QSslKey>
#include <QTimeZone>

#include <cstdio>

namespace {

QByteArray LeArquivo(const QString& Caminho) {
    QFile Arquivo(Caminho);
    if (!Arquivo.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "portal_teste: não foi possível ler %s\n", qPrintable(Caminho));
        std::exit(2);
    }
    return Arquivo.readAll();
}

TGamesClass Amostra(const char* Titulo, const char* Jogo, const char* Dezenas,
                    const QList<TCombination>& Jogos) {
    TGamesClass Conjunto;
    Conjunto.SetTitle(QString::fromUtf8(Titulo));
    Conjunto.SetGame(QString::fromUtf8(Jogo));
    Conjunto.SetDozens(QString::fromUtf8(Dezenas));
    Conjunto.SetCombinations(Jogos);
    Conjunto.SetDatacriacao(QDateTime(QDate(2024, 3, 5), QTime(14, 30), QTimeZone::utc()));
    return Conjunto;
}

// The answer of a portal started by hand: three game sets of a made-up account.
QJsonArray RoteiroDeAmostra() {
    TLoteriaResult Resposta;
    Resposta.SetGames({
        Amostra("Bolão da Firma", "Mega-Sena", "",
                {{4, 11, 23, 35, 47, 58}, {1, 2, 3, 4, 5, 6}, {9, 18, 27, 36, 45, 54}}),
        Amostra("Lotofácil 16 dezenas", "Lotofacil", "1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16",
                {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
                 {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}}),
        Amostra("Quina de São João", "Quina", "", {{5, 15, 25, 35, 45}}),
    });
    Resposta.SetMesage(QStringLiteral("Jogos de exemplo do portal de teste"));
    return QJsonArray{QJsonObject{{QStringLiteral("corpo"), Resposta.ToJsonString()}}};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication Aplicacao(argc, argv);
    QCommandLineParser Opcoes;
    Opcoes.setApplicationDescription(QStringLiteral("Portal HTTPS local para testar o login do Cartelim."));
    Opcoes.addHelpOption();
    const QCommandLineOption Certificado(QStringLiteral("certificado"),
                                         QStringLiteral("certificado PEM do servidor"),
                                         QStringLiteral("arquivo"));
    const QCommandLineOption Chave(QStringLiteral("chave"), QStringLiteral("chave PEM do certificado"),
                                   QStringLiteral("arquivo"));
    const QCommandLineOption Porta(QStringLiteral("porta"),
                                   QStringLiteral("porta em 127.0.0.1 (0: qualquer livre)"),
                                   QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption Roteiro(QStringLiteral("roteiro"),
                                     QStringLiteral("lista JSON das respostas, em ordem"),
                                     QStringLiteral("arquivo"));
    const QCommandLineOption Registro(QStringLiteral("registro"),
                                      QStringLiteral("arquivo onde cada pedido recebido é anotado"),
                                      QStringLiteral("arquivo"));
    Opcoes.addOptions({Certificado, Chave, Porta, Roteiro, Registro});
    Opcoes.process(Aplicacao);
    if (!Opcoes.isSet(Certificado) || !Opcoes.isSet(Chave)) {
        std::fprintf(stderr, "portal_teste: informe --certificado e --chave (veja gera-certificados.sh)\n");
        return 2;
    }

    QSslConfiguration Tls = QSslConfiguration::defaultConfiguration();
    Tls.setLocalCertificate(QSslCertificate(LeArquivo(Opcoes.value(Certificado)), QSsl::Pem));
    Tls.setPrivateKey(QSslKey(LeArquivo(Opcoes.value(Chave)), QSsl::Ec, QSsl::Pem));
    Tls.setPeerVerifyMode(QSslSocket::VerifyNone);
    const bool PorRoteiro = Opcoes.isSet(Roteiro);
    const QJsonArray Respostas =
        PorRoteiro ? QJsonDocument::fromJson(LeArquivo(Opcoes.value(Roteiro))).array() : RoteiroDeAmostra();

    TServidorPortalTeste Servidor(Tls, Respostas, Opcoes.value(Registro));
    if (!PorRoteiro) {
        // Started by hand: say who logged in, never with the password.
        Servidor.SetAoReceber([](const QJsonObject& Pedido) {
            QString Email;
            for (const QJsonValue& Campo : Pedido.value(QStringLiteral("campos")).toArray()) {
                if (Campo.toArray().at(0).toString() == u"email")
                    Email = Campo.toArray().at(1).toString();
            }
            std::printf("%s (email: %s)\n", qPrintable(Pedido.value(QStringLiteral("linha")).toString()),
                        qPrintable(Email));
            std::fflush(stdout);
        });
    }
    if (!Servidor.listen(QHostAddress::LocalHost, quint16(Opcoes.value(Porta).toUInt()))) {
        std::fprintf(stderr, "portal_teste: %s\n", qPrintable(Servidor.errorString()));
        return 1;
    }
    std::printf("PORTA %u\n", unsigned(Servidor.serverPort()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}
