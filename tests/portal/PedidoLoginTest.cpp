#include "portal/PedidoLogin.h"
#include "ApoioPortal.h"
#include "PortalTeste.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QTemporaryFile>

namespace {

const QString Email = QStringLiteral("fulana@exemplo.com.br");
const QString Senha = QStringLiteral("s3nha çom espaço");

QString Jogos(const QList<QList<TCombination>>& Conjuntos, const QString& Mensagem = {}) {
    TLoteriaResult Resposta;
    QList<TGamesClass> Lista;
    for (const QList<TCombination>& Combinacoes : Conjuntos) {
        TGamesClass Conjunto;
        Conjunto.SetTitle(QStringLiteral("Conjunto %1").arg(Lista.size() + 1));
        Conjunto.SetGame(QStringLiteral("Lotofacil"));
        Conjunto.SetCombinations(Combinacoes);
        Lista.append(Conjunto);
    }
    Resposta.SetGames(Lista);
    Resposta.SetMesage(Mensagem);
    return Resposta.ToJsonString();
}

TErrorsClass RelatoDeErro(const char* Codigo, const char* Erro, const char* Mensagem) {
    TErrorsClass Relato;
    Relato.SetCode(QString::fromUtf8(Codigo));
    Relato.SetError(QString::fromUtf8(Erro));
    Relato.SetMesage(QString::fromUtf8(Mensagem));
    return Relato;
}

QString Relato(const char* Codigo, const char* Erro, const char* Mensagem) {
    return RelatoDeErro(Codigo, Erro, Mensagem).ToJsonString();
}

QString Recusa401(const char* Codigo, const char* Erro, const char* Mensagem) {
    TLotError401Class Recusa;
    Recusa.SetErrors(RelatoDeErro(Codigo, Erro, Mensagem));
    return Recusa.ToJsonString();
}

QJsonObject ComCabecalho(QJsonObject Resposta, const char* Nome, const char* Valor) {
    Resposta.insert(QStringLiteral("cabecalhos"),
                    QJsonArray{QJsonArray{QString::fromUtf8(Nome), QString::fromUtf8(Valor)}});
    return Resposta;
}

TRespostaLogin Login(const TConfiguracaoPortal& Configuracao) {
    TRespostaLogin Resposta = TLoteriaResult::GetGames(Email, Senha, Configuracao);
    EXPECT_NE(Resposta.Ok(), !Resposta.Erro.isEmpty());
    EXPECT_FALSE(Resposta.Erro.contains(Senha)) << "the password must never reach a message";
    return Resposta;
}

} // namespace

TEST(PedidoLoginTest, SendsOnePostWithTheFormTheHeadersTheKeyAndTheToken) {
    const QString Corpo = Jogos({{{7, 1, 25}, {1, 2, 3}}, {}}, QStringLiteral("ok"));
    TPortalTeste Portal({TPortalTeste::Resposta(200, Corpo)});

    const TRespostaLogin Resposta = Login(Portal.Configuracao());
    ASSERT_TRUE(Resposta.Ok()) << Resposta.Erro.toStdString();
    EXPECT_EQ(*Resposta.Resultado, *TLoteriaResult::FromJsonString(Corpo.toUtf8()));

    const QList<TPedidoRecebido> Pedidos = Portal.Recebidos();
    ASSERT_EQ(Pedidos.size(), 1);
    const TPedidoRecebido& Pedido = Pedidos.first();
    EXPECT_EQ(Pedido.Linha,
              "POST /api/v1/Auth/?key=marble-oakwoods&token=QkVhc3RpZXJhbmRvbUJ5dGVzU2VxdWVuY2U= HTTP/1.1");
    EXPECT_EQ(Pedido.Metodo, "POST");
    EXPECT_EQ(Pedido.Caminho, "/api/v1/Auth/");
    EXPECT_EQ(Pedido.Consulta, "key=marble-oakwoods&token=QkVhc3RpZXJhbmRvbUJ5dGVzU2VxdWVuY2U=");
    EXPECT_TRUE(Pedido.Cabecalho("Content-Type").startsWith("multipart/form-data; boundary="))
        << Pedido.Cabecalho("Content-Type").toStdString();
    EXPECT_EQ(Pedido.Cabecalho("Accept"), "application/json");
    EXPECT_EQ(Pedido.Cabecalho("User-Agent"), "Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 6.0; SLCC1");
    EXPECT_EQ(Pedido.Cabecalho("Host"),
              QStringLiteral("localhost:%1").arg(QUrl(Portal.Url()).port()).toLatin1());
    EXPECT_EQ(Pedido.Cabecalho("Content-Length"), QByteArray::number(Pedido.Corpo.size()));
    EXPECT_EQ(Pedido.Cabecalho("Authorization"), QByteArray());
    // "email" first, then "pass", as typed: UTF-8, blanks inside kept.
    EXPECT_EQ(Pedido.Campos, (QList<std::pair<QString, QString>>{{QStringLiteral("email"), Email},
                                                                 {QStringLiteral("pass"), Senha}}));
}

TEST(PedidoLoginTest, KeyAndTokenGoIntoTheQueryAsTheyAre) {
    TPortalTeste Portal({TPortalTeste::Resposta(200, Jogos({}))});
    ASSERT_TRUE(Login(Portal.Configuracao(QStringLiteral("chave-2"), QStringLiteral("YWJj+/=="))).Ok());
    ASSERT_EQ(Portal.Recebidos().size(), 1);
    EXPECT_EQ(Portal.Recebidos().first().Consulta, "key=chave-2&token=YWJj+/==");
}

TEST(PedidoLoginTest, EveryAnswerOfThePortalEndsWithItsMessage) {
    struct Caso {
        const char* Nome;
        QJsonObject Resposta;
        QString Mensagem;
    };
    const QString Jogo = Jogos({{{1, 2, 3}}});
    const Caso Casos[] = {
        {"200 with an error report",
         TPortalTeste::Resposta(200, Relato("E12", "Unauthorized", "Senha inválida")),
         QStringLiteral("Erro \"E12 - Unauthorized (Senha inválida)\"")},
        {"200 with an error beside games",
         TPortalTeste::Resposta(200,
                                QStringLiteral("{\"games\": [], \"error\": \"bloqueado\", \"code\": 7}")),
         QStringLiteral("Erro \"7 - bloqueado ()\"")},
        {"200 with a body that is not JSON",
         TPortalTeste::Resposta(200, QStringLiteral("<html>manutenção</html>")),
         QStringLiteral("Erro \"JSON inválido na posição 1: esperava um valor\"")},
        {"200 with an empty body", TPortalTeste::Resposta(200, {}),
         QStringLiteral("Erro \"formato inesperado na posição 1: o texto está vazio, sem um objeto JSON\"")},
        {"200 with a member of the wrong kind", TPortalTeste::Resposta(200, QStringLiteral("{\"games\": 3}")),
         QStringLiteral("Erro \"formato inesperado na posição 11: o membro \"games\" deveria ser uma lista "
                        "de objetos, não um "
                        "número\"")},
        {"200 with a bad date",
         TPortalTeste::Resposta(200, QStringLiteral("{\"games\": [{\"datacriacao\": \"31/12/2024\"}]}")),
         QStringLiteral(
             "Erro \"formato inesperado na posição 28: o membro \"datacriacao\" não é uma data ISO 8601: "
             "\"31/12/2024\"\"")},
        {"401 with the error record",
         TPortalTeste::Resposta(401, Recusa401("401", "Unauthorized", "Senha incorreta")),
         QStringLiteral("Erro 401 - Senha incorreta (Unauthorized)")},
        {"401 asking for authentication",
         ComCabecalho(TPortalTeste::Resposta(401, Recusa401("A1", "Unauthorized", "Sem acesso")),
                      "WWW-Authenticate", "Basic realm=\"portal\""),
         QStringLiteral("Erro A1 - Sem acesso (Unauthorized)")},
        {"401 whose body is no record", TPortalTeste::Resposta(401, QStringLiteral("negado")),
         QStringLiteral("Erro \"JSON inválido na posição 1: esperava um valor\"")},
        {"500", TPortalTeste::Resposta(500, QStringLiteral("{\"error\": \"x\"}")),
         QStringLiteral("Request Error! ERROR CODE 500")},
        {"404", TPortalTeste::Resposta(404, Jogo), QStringLiteral("Request Error! ERROR CODE 404")},
        {"403", TPortalTeste::Resposta(403, {}), QStringLiteral("Request Error! ERROR CODE 403")},
        {"201", TPortalTeste::Resposta(201, Jogo), QStringLiteral("Request Error! ERROR CODE 201")},
        {"302 redirect, not followed",
         ComCabecalho(TPortalTeste::Resposta(302, {}), "Location", "https://localhost:1/outro"),
         QStringLiteral("Request Error! ERROR CODE 302")},
        {"307 redirect, not followed",
         ComCabecalho(TPortalTeste::Resposta(307, Jogo), "Location", "/api/v2/Auth/"),
         QStringLiteral("Request Error! ERROR CODE 307")},
        {"a status HTTP does not know",
         [] {
             QJsonObject R = TPortalTeste::Resposta(600, QStringLiteral("{}"));
             R.insert(QStringLiteral("motivo"), QStringLiteral("Estranho"));
             return R;
         }(),
         QStringLiteral("Erro 600 - HTTP/1.1 600 Estranho")},
        {"a compressed body that does not inflate",
         ComCabecalho(TPortalTeste::Resposta(200, QStringLiteral("isto não é gzip")), "Content-Encoding",
                      "gzip"),
         QStringLiteral("Erro 200 - HTTP/1.1 200 OK")},
    };
    for (const Caso& C : Casos) {
        SCOPED_TRACE(C.Nome);
        TPortalTeste Portal({C.Resposta});
        const TRespostaLogin Resposta = Login(Portal.Configuracao());
        EXPECT_FALSE(Resposta.Ok());
        EXPECT_EQ(Resposta.Erro, C.Mensagem);
        // One request: no redirect followed, no authentication retried.
        EXPECT_EQ(Portal.Recebidos().size(), 1);
    }
}

TEST(PedidoLoginTest, ConnectionFailuresSayWhatWentWrong) {
    struct Caso {
        const char* Nome;
        QJsonObject Resposta;
        QString Mensagem;
        qsizetype Pedidos;
        // Only the wait under test is short, so that a slow machine never trips over the other.
        int EsperaConexaoMs = 15'000;
        int EsperaDadosMs = 15'000;
    };
    const QString Corpo = Jogos({{{1, 2, 3}, {4, 5, 6}}});
    const Caso Casos[] = {
        {"the connection closes without an answer", TPortalTeste::Modo(QStringLiteral("fecha")),
         QStringLiteral("O portal encerrou a conexão sem responder. Tente de novo mais tarde."), 1},
        {"the body stops short", TPortalTeste::Modo(QStringLiteral("truncado"), 200, Corpo),
         QStringLiteral(
             "A resposta do portal chegou incompleta: a conexão foi encerrada antes do fim. Nada foi "
             "gravado."),
         1},
        {"no TLS handshake", TPortalTeste::Modo(QStringLiteral("sem-handshake")),
         QStringLiteral(
             "O portal não completou a conexão segura em 0,8 segundo. Verifique sua conexão com a internet "
             "e tente de novo."),
         0, 800},
        {"an answer that never comes", TPortalTeste::Modo(QStringLiteral("nunca-responde")),
         QStringLiteral(
             "O portal parou de responder: 0,8 segundo sem receber dados. Tente de novo mais tarde."),
         1, 15'000, 800},
        {"a body that stops flowing", TPortalTeste::Modo(QStringLiteral("para-no-meio"), 200, Corpo),
         QStringLiteral(
             "O portal parou de responder: 0,8 segundo sem receber dados. Tente de novo mais tarde."),
         1, 15'000, 800},
    };
    for (const Caso& C : Casos) {
        SCOPED_TRACE(C.Nome);
        TPortalTeste Portal({C.Resposta});
        TConfiguracaoPortal Configuracao = Portal.Configuracao();
        Configuracao.TempoParaConectarMs = C.EsperaConexaoMs;
        Configuracao.TempoSemDadosMs = C.EsperaDadosMs;
        const TRespostaLogin Resposta = Login(Configuracao);
        EXPECT_FALSE(Resposta.Ok());
        EXPECT_EQ(Resposta.Erro, C.Mensagem);
        // Never a second request, not even when the connection closed before any answer.
        EXPECT_EQ(Portal.Recebidos().size(), C.Pedidos);
    }
}

TEST(PedidoLoginTest, ARefusedConnectionAndAnUnknownHostAreNamed) {
    TConfiguracaoPortal Configuracao;
    {
        TPortalTeste Portal({});
        Configuracao = Portal.Configuracao();
        Portal.Para();
    }
    EXPECT_EQ(Login(Configuracao).Erro,
              QStringLiteral("Não foi possível conectar ao portal em %1: a conexão foi recusada.")
                  .arg(QUrl(Configuracao.Endereco).authority()));

    Configuracao.Endereco = QStringLiteral("https://portal.nao-existe.invalid");
    EXPECT_EQ(Login(Configuracao).Erro,
              QStringLiteral(
                  "O endereço do portal portal.nao-existe.invalid não foi encontrado. Verifique sua conexão "
                  "com a internet."));

    Configuracao.Endereco = QStringLiteral("http://localhost:80");
    EXPECT_EQ(
        Login(Configuracao).Erro,
        QStringLiteral("O endereço do portal não é um endereço https válido: \"http://localhost:80\"."));
}

TEST(PedidoLoginTest, ACertificateThatFailsVerificationEndsTheLoginBeforeAnythingIsSent) {
    struct Caso {
        const char* Nome;
        TPortalTeste::TCertificado Certificado;
        bool ConfiaNaCA;
        QString Mensagem;
    };
    const QString Indigno = QStringLiteral("Conexão segura com o portal recusada: o certificado do portal "
                                           "não foi emitido por uma autoridade confiável.");
    const Caso Casos[] = {
        {"authority not trusted", TPortalTeste::TCertificado::Valido, false, Indigno},
        {"self-signed", TPortalTeste::TCertificado::AutoAssinado, true, Indigno},
        {"expired", TPortalTeste::TCertificado::Vencido, true,
         QStringLiteral(
             "Conexão segura com o portal recusada: o certificado do portal venceu em 01/02/2020.")},
        {"another host's", TPortalTeste::TCertificado::OutroHost, true,
         QStringLiteral(
             "Conexão segura com o portal recusada: o certificado do portal não pertence a localhost.")},
    };
    for (const Caso& C : Casos) {
        SCOPED_TRACE(C.Nome);
        TPortalTeste Portal({TPortalTeste::Resposta(200, Jogos({{{1, 2, 3}}}))}, C.Certificado);
        TConfiguracaoPortal Configuracao = Portal.Configuracao();
        if (!C.ConfiaNaCA)
            Configuracao.AutoridadesExtras.clear();
        const TRespostaLogin Resposta = Login(Configuracao);
        EXPECT_EQ(Resposta.Erro, C.Mensagem);
        EXPECT_TRUE(Portal.Recebidos().isEmpty()) << "the e-mail and password went out unprotected";
    }
}

TEST(PedidoLoginTest, ABodyBeyondTheLimitEndsTheLogin) {
    constexpr qint64 Limite = 1024 * 1024;
    struct Caso {
        const char* Nome;
        QJsonObject Resposta;
        QString Mensagem;
    };
    const auto Grande = [](qint64 Tamanho) {
        QJsonObject Resposta = TPortalTeste::Modo(QStringLiteral("grande"));
        Resposta.insert(QStringLiteral("tamanho"), Tamanho);
        return Resposta;
    };
    const Caso Casos[] = {
        {"announced", Grande(Limite + 1),
         QStringLiteral(
             "Resposta do portal grande demais: 1,0 MB, mais que o limite de 1 MB. Nada foi gravado.")},
        {"never ending", TPortalTeste::Modo(QStringLiteral("sem-fim")),
         QStringLiteral("Resposta do portal grande demais: mais que o limite de 1 MB. Nada foi gravado.")},
        // Up to the limit the body is read and decoded (blanks only: no JSON object).
        {"at the limit", Grande(Limite),
         QStringLiteral(
             "Erro \"formato inesperado na posição 1048577: o texto está vazio, sem um objeto JSON\"")},
    };
    for (const Caso& C : Casos) {
        SCOPED_TRACE(C.Nome);
        TPortalTeste Portal({C.Resposta});
        TConfiguracaoPortal Configuracao = Portal.Configuracao();
        Configuracao.TamanhoMaximoResposta = Limite;
        EXPECT_EQ(Login(Configuracao).Erro, C.Mensagem);
    }
}

// Six megabytes of empty games, well inside the body limit, are refused by their count.
TEST(PedidoLoginTest, AnAnswerOfTooManyGamesIsRefusedByCount) {
    const QString Corpo = QStringLiteral("{\"games\": [{\"combinations\": [%1[]]}]}")
                              .arg(QStringLiteral("[],").repeated(2'000'000));
    TPortalTeste Portal({TPortalTeste::Resposta(200, Corpo)});
    const TRespostaLogin Resposta = Login(Portal.Configuracao());
    EXPECT_FALSE(Resposta.Ok());
    EXPECT_TRUE(Resposta.Erro.contains(
        QStringLiteral("os jogos baixados passam de 2.000.000, o máximo que o programa aceita de uma vez")))
        << Resposta.Erro.toStdString();
}

TEST(PedidoLoginTest, TheDefaultsAreFifteenSecondsAndAQuarterGigabyte) {
    const TConfiguracaoPortal Configuracao;
    EXPECT_EQ(Configuracao.TempoParaConectarMs, 15'000);
    EXPECT_EQ(Configuracao.TempoSemDadosMs, 15'000);
    EXPECT_EQ(Configuracao.TamanhoMaximoResposta, 256 * 1024 * 1024);
}

TEST(PedidoLoginTest, TheEnvironmentPointsTheClientAtAnotherPortal) {
    QTemporaryFile NaoPem;
    ASSERT_TRUE(NaoPem.open());
    NaoPem.write("isto não é um certificado");
    NaoPem.flush();
    TPortalTeste Portal({TPortalTeste::Resposta(200, Jogos({{{1, 2, 3}}}))});

    struct Caso {
        QString Url;
        QString CA;
        QString Endereco; // empty: refused
        QString Mensagem;
    };
    const QString Original = QStringLiteral("https://api.bilheron.com.br");
    const Caso Casos[] = {
        {{}, {}, Original, {}},
        {QStringLiteral("https://localhost:8443"), {}, QStringLiteral("https://localhost:8443"), {}},
        {QStringLiteral(" https://portal.exemplo:9000/ "),
         {},
         QStringLiteral("https://portal.exemplo:9000"),
         {}},
        {QStringLiteral("https://localhost"), Portal.CaminhoDaCA(), QStringLiteral("https://localhost"), {}},
        {QStringLiteral("http://localhost:8443"),
         {},
         {},
         QStringLiteral("CARTELIM_PORTAL_URL deve ser um endereço https://servidor:porta, não "
                        "\"http://localhost:8443\".")},
        {QStringLiteral("https://localhost:8443/api"),
         {},
         {},
         QStringLiteral("CARTELIM_PORTAL_URL deve ser um endereço https://servidor:porta, não "
                        "\"https://localhost:8443/api\".")},
        {QStringLiteral("localhost:8443"),
         {},
         {},
         QStringLiteral(
             "CARTELIM_PORTAL_URL deve ser um endereço https://servidor:porta, não \"localhost:8443\".")},
        {{},
         QStringLiteral("/nao/existe/ca.pem"),
         {},
         QStringLiteral(
             "CARTELIM_PORTAL_CA: não foi possível ler o arquivo /nao/existe/ca.pem (No such file or "
             "directory).")},
        {{},
         NaoPem.fileName(),
         {},
         QStringLiteral("CARTELIM_PORTAL_CA: o arquivo %1 não contém certificados no formato PEM.")
             .arg(NaoPem.fileName())},
    };
    for (const Caso& C : Casos) {
        SCOPED_TRACE(C.Url.toStdString() + " " + C.CA.toStdString());
        qputenv("CARTELIM_PORTAL_URL", C.Url.toUtf8());
        qputenv("CARTELIM_PORTAL_CA", C.CA.toUtf8());
        TConfiguracaoPortal Configuracao;
        Configuracao.Endereco = Original;
        EXPECT_EQ(AplicaVariaveisDeAmbiente(Configuracao), C.Mensagem);
        EXPECT_EQ(Configuracao.Endereco, C.Endereco.isEmpty() ? Original : C.Endereco);
        EXPECT_EQ(Configuracao.AutoridadesExtras.size(), C.CA.isEmpty() || C.Endereco.isEmpty() ? 0 : 1);
    }

    // Pointed at the test portal and trusting its authority through the two variables, the login works.
    qputenv("CARTELIM_PORTAL_URL", Portal.Url().toUtf8());
    qputenv("CARTELIM_PORTAL_CA", Portal.CaminhoDaCA().toUtf8());
    TConfiguracaoPortal Configuracao;
    Configuracao.Endereco = Original;
    EXPECT_TRUE(AplicaVariaveisDeAmbiente(Configuracao).isEmpty());
    EXPECT_TRUE(Login(Configuracao).Ok());
    qunsetenv("CARTELIM_PORTAL_URL");
    qunsetenv("CARTELIM_PORTAL_CA");
}
