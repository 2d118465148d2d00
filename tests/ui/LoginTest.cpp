#include "JanelaDeTeste.h"
#include "PortalTeste.h"
#include "portal/RegistrosPortal.h"
#include "ui/Enderecos.h"
#include "ui/FormAguarde.h"
#include "ui/PaginaAutenticacao.h"
#include "ui/RadioGroup.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QString Aviso = QStringLiteral("Favor Informar suas Credencias do PORTAL Bilheron para continuar !");

// What the waiting window showed at one moment, and whether the main window took input then.
struct TQuadro {
    QString Label1;
    bool Dicas = false;
    bool ContadorVisivel = false;
    QString Contador;
    int Valor = 0;
    int Maximo = 0;
    bool PrincipalHabilitada = true;

    friend bool operator==(const TQuadro&, const TQuadro&) = default;
};

TFormAguarde* AguardeVisivel() {
    for (QWidget* Janela : QApplication::topLevelWidgets()) {
        if (Janela->objectName() == u"FormAguarde" && Janela->isVisible())
            return static_cast<TFormAguarde*>(Janela);
    }
    return nullptr;
}

TGamesClass Conjunto(const QString& Titulo, const QString& Jogo, const QList<TCombination>& Combinacoes,
                     const QString& Dezenas = {}) {
    TGamesClass Conjunto;
    Conjunto.SetTitle(Titulo);
    Conjunto.SetGame(Jogo);
    Conjunto.SetDozens(Dezenas);
    Conjunto.SetCombinations(Combinacoes);
    return Conjunto;
}

QJsonObject Jogos(const QList<TGamesClass>& Conjuntos, const QString& Mensagem = {}) {
    TLoteriaResult Resposta;
    Resposta.SetGames(Conjuntos);
    Resposta.SetMesage(Mensagem);
    return TPortalTeste::Resposta(200, Resposta.ToJsonString());
}

class LoginTest : public TJanelaDeTeste {
protected:
    ~LoginTest() override {
        qunsetenv("CARTELIM_PORTAL_URL");
        qunsetenv("CARTELIM_PORTAL_CA");
    }

    // Starts the test portal and points the program at it, as a person would with the two variables.
    TPortalTeste& Portal(const QJsonArray& Roteiro,
                         TPortalTeste::TCertificado Certificado = TPortalTeste::TCertificado::Valido) {
        FPortal = std::make_unique<TPortalTeste>(Roteiro, Certificado);
        qputenv("CARTELIM_PORTAL_URL", FPortal->Url().toUtf8());
        qputenv("CARTELIM_PORTAL_CA", FPortal->CaminhoDaCA().toUtf8());
        return *FPortal;
    }

    void Preenche(const QString& Email, const QString& Senha) {
        Controle<QLineEdit>(QStringLiteral("EditEmail")).setText(Email);
        Controle<QLineEdit>(QStringLiteral("EditSenha")).setText(Senha);
    }

    // Presses the login button, watching the waiting window at every turn of the event loop; Durante
    // runs once while the request is under way.
    void Autentica(std::function<void(TFormAguarde&)> Durante = {}) {
        Quadros.clear();
        QTimer Observador;
        Observador.setInterval(0);
        bool Rodou = false;
        QObject::connect(&Observador, &QTimer::timeout, [&] {
            TFormAguarde* Aguarde = AguardeVisivel();
            if (!Aguarde)
                return;
            const TQuadro Quadro{Aguarde->Label1()->text(),
                                 Aguarde->Label2()->isVisible() && Aguarde->Label3()->isVisible(),
                                 Aguarde->LabelQde()->isVisible(),
                                 Aguarde->LabelQde()->text(),
                                 Aguarde->ProgressBar1()->value(),
                                 Aguarde->ProgressBar1()->maximum(),
                                 Form.isEnabled()};
            if (Quadros.isEmpty() || !(Quadros.last() == Quadro))
                Quadros.append(Quadro);
            if (Durante && !Rodou && Quadro.Dicas) {
                Rodou = true;
                Durante(*Aguarde);
            }
        });
        Observador.start();
        Clica(QStringLiteral("BtnAutenticar"));
        EXPECT_EQ(AguardeVisivel(), nullptr) << "the waiting window outlived the login";
        EXPECT_TRUE(Form.isEnabled());
        if (!Quadros.isEmpty()) {
            EXPECT_TRUE(DM.FiltroMasterAtivo());
        }
        EXPECT_FALSE(Controle<TPaginaAutenticacao>(QStringLiteral("TabAutenticacao")).Autenticando());
    }

    QStringList Baixados() const {
        QStringList Titulos;
        for (int i = 0; i < DM.QdeFechamentos(); ++i) {
            if (DM.Fechamento(i).DoPortalVip == u"Sim")
                Titulos << DM.Fechamento(i).Titulo;
        }
        return Titulos;
    }

    QStringList Textos() const {
        QStringList Lista;
        for (const TMensagem& Mensagem : Dialogos.Mostradas())
            Lista << Mensagem.Texto;
        return Lista;
    }

    QList<TQuadro> Quadros;
    std::unique_ptr<TPortalTeste> FPortal;
};

} // namespace

TEST_F(LoginTest, EmptyCredentialsOnlyWarn) {
    TPortalTeste& Teste =
        Portal({Jogos({Conjunto(QStringLiteral("A"), QStringLiteral("Quina"), {{1, 2, 3, 4, 5}})})});
    struct Caso {
        QString Email;
        QString Senha;
    };
    for (const Caso& C : {Caso{{}, QStringLiteral("segredo")}, Caso{QStringLiteral("a@b.com"), {}},
                          Caso{QStringLiteral("   "), QStringLiteral("segredo")},
                          Caso{QStringLiteral("a@b.com"), QStringLiteral("  \t ")}}) {
        SCOPED_TRACE(C.Email.toStdString() + "/" + C.Senha.toStdString());
        Dialogos.LimpaRegistro();
        Preenche(C.Email, C.Senha);
        Controle<QLineEdit>(QStringLiteral("EditSenha")).setFocus();
        Autentica();
        ASSERT_EQ(Dialogos.Mostradas().size(), 1);
        EXPECT_EQ(Dialogos.Mostradas()[0].Tipo, TTipoMensagem::Aviso);
        EXPECT_EQ(Dialogos.Mostradas()[0].Texto, Aviso);
        EXPECT_EQ(Form.focusWidget(), &Controle<QLineEdit>(QStringLiteral("EditEmail")));
        EXPECT_TRUE(Quadros.isEmpty()) << "a waiting window was shown";
        EXPECT_EQ(PaginaAtiva(), QStringLiteral("TabAutenticacao"));
    }
    EXPECT_TRUE(Teste.Recebidos().isEmpty()) << "something was sent";
}

TEST_F(LoginTest, EachGameSetBecomesAClosingAndTheFirstIsShown) {
    ImportaFechamento(QStringLiteral("Mega-sena"), 6, {QStringLiteral("01 02 03 04 05 06")},
                      QStringLiteral("Meu"));
    ASSERT_EQ(DM.QdeFechamentos(), 1);
    Dialogos.LimpaRegistro();
    TPortalTeste& Teste =
        Portal({Jogos({Conjunto(QStringLiteral("Bolão de Sexta"), QStringLiteral("Lotofacil"),
                                {{7, 1, 25}, {2, 4, 6}, {3, 5, 9}}, QStringLiteral("1, 25, 7, 2")),
                       Conjunto(QStringLiteral("Sem jogos"), QStringLiteral("Quina"), {})})});
    Preenche(QStringLiteral("fulana@exemplo.com"), QStringLiteral("segredo"));

    Autentica();
    EXPECT_TRUE(Dialogos.Mostradas().isEmpty()) << Textos().join(u'|').toStdString();
    ASSERT_EQ(Teste.Recebidos().size(), 1);
    EXPECT_EQ(
        Teste.Recebidos()[0].Campos,
        (QList<std::pair<QString, QString>>{{QStringLiteral("email"), QStringLiteral("fulana@exemplo.com")},
                                            {QStringLiteral("pass"), QStringLiteral("segredo")}}));

    // The set without combinations stores nothing; the imported closing stays first.
    ASSERT_EQ(DM.QdeFechamentos(), 2);
    EXPECT_EQ(DM.Fechamento(0).Titulo, QStringLiteral("Meu"));
    const TRegistroMaster& Baixado = DM.Fechamento(1);
    EXPECT_EQ(Baixado.ID, 2);
    EXPECT_EQ(Baixado.Titulo, QStringLiteral("Bolão de Sexta"));
    EXPECT_EQ(Baixado.Modalidade, QStringLiteral("Lotofacil"));
    EXPECT_EQ(Baixado.DoPortalVip, QStringLiteral("Sim"));
    EXPECT_EQ(Baixado.QdeJogos, 3);
    EXPECT_EQ(Baixado.QdeNumPorJogo, 3);
    EXPECT_EQ(Baixado.NumerosDoFechamento, QStringLiteral("01 25 07 02"));

    // The games page shows the first downloaded closing with its games, order and padding as received.
    EXPECT_EQ(PaginaAtiva(), QStringLiteral("TabJogo"));
    EXPECT_EQ(DM.IndiceFechamentoAtual(), 1);
    EXPECT_EQ(Controle<QAbstractItemView>(QStringLiteral("DBGrid1")).currentIndex().row(), 1);
    EXPECT_EQ(Form.focusWidget(), &Controle<QWidget>(QStringLiteral("DBGrid1")));
    EXPECT_EQ(
        Coluna(QStringLiteral("DBGrid2"), 2),
        (QStringList{QStringLiteral("07 01 25"), QStringLiteral("02 04 06"), QStringLiteral("03 05 09")}));
    EXPECT_EQ(Coluna(QStringLiteral("DBGrid2"), 3), (QStringList{QString(), QString(), QString()}));
    EXPECT_EQ(Controle<QStatusBar>(QStringLiteral("StatusBar2")).findChild<QLabel*>()->text(),
              QStringLiteral(" Master : 2 => Qde Jogos : 3"));

    // Three waiting windows, the main window disabled throughout, the counter at each set.
    const QString Baixando =
        QStringLiteral("Aguarde... Estou Validando Seus Dados\ne Realizando o Download dos Seus Jogos !!!");
    const QString Processando = QStringLiteral("Processando Dados Coletados :)");
    const QList<TQuadro> Esperados = {
        {QStringLiteral("Deletando Itens Anteriores."), false, false, {}, -1, 0, false},
        {Baixando, true, false, {}, -1, 0, false},
        {Processando, false, true, {}, -1, 2, false},
        {Processando, false, true, QStringLiteral("1 de 2"), 1, 2, false},
        {Processando, false, true, QStringLiteral("2 de 2"), 2, 2, false},
    };
    ASSERT_EQ(Quadros.size(), Esperados.size());
    for (qsizetype i = 0; i < Esperados.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Quadros[i].Label1, Esperados[i].Label1);
        EXPECT_EQ(Quadros[i].Dicas, Esperados[i].Dicas);
        EXPECT_EQ(Quadros[i].ContadorVisivel, Esperados[i].ContadorVisivel);
        EXPECT_EQ(Quadros[i].Contador, Esperados[i].Contador);
        EXPECT_EQ(Quadros[i].Valor, Esperados[i].Valor);
        EXPECT_EQ(Quadros[i].Maximo, Esperados[i].Maximo);
        EXPECT_FALSE(Quadros[i].PrincipalHabilitada);
    }
}

TEST_F(LoginTest, TheCounterOfMoreThanAThousandSetsIsGrouped) {
    QList<TGamesClass> Conjuntos;
    for (int Indice = 1; Indice <= 1001; ++Indice)
        Conjuntos.append(
            Conjunto(QStringLiteral("Bolão %1").arg(Indice), QStringLiteral("Quina"), {{1, 2, 3, 4, 5}}));
    Portal({Jogos(Conjuntos)});
    Preenche(QStringLiteral("fulana@exemplo.com"), QStringLiteral("segredo"));
    Autentica();
    ASSERT_FALSE(Quadros.isEmpty());
    EXPECT_EQ(Quadros.last().Contador, QStringLiteral("1.001 de 1.001"));
    EXPECT_EQ(DM.QdeFechamentos(), 1001);
}

TEST_F(LoginTest, TheWaitingWindowStandsCentredOverTheMainWindowAndOutlastsCloseRequests) {
    Portal({Jogos({Conjunto(QStringLiteral("A"), QStringLiteral("Quina"), {{1, 2, 3, 4, 5}})})});
    Preenche(QStringLiteral("fulana@exemplo.com"), QStringLiteral("segredo"));
    bool AguardeFicou = false;
    bool PrincipalFicou = false;
    Autentica([&](TFormAguarde& Aguarde) {
        EXPECT_EQ(Aguarde.size(), QSize(562, 232));
        EXPECT_LE((Aguarde.geometry().center() - Form.frameGeometry().center()).manhattanLength(), 4);
        const Qt::WindowFlags Botoes = Aguarde.windowFlags();
        EXPECT_TRUE(Botoes.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(Botoes.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(Botoes.testFlag(Qt::WindowMaximizeButtonHint));
        Aguarde.close();
        AguardeFicou = Aguarde.isVisible();
        Form.close();
        PrincipalFicou = Form.isVisible();
    });
    EXPECT_TRUE(AguardeFicou);
    EXPECT_TRUE(PrincipalFicou);
    EXPECT_EQ(DM.QdeFechamentos(), 1);
}

TEST_F(LoginTest, ASecondLoginReplacesTheFirstDownloadAndKeepsTheImportedClosings) {
    ImportaFechamento(QStringLiteral("Quina"), 5, {QStringLiteral("01 02 03 04 05")},
                      QStringLiteral("Importado"));
    Dialogos.LimpaRegistro();
    Portal({Jogos({Conjunto(QStringLiteral("A1"), QStringLiteral("Quina"), {{1, 2, 3, 4, 5}}),
                   Conjunto(QStringLiteral("A2"), QStringLiteral("Quina"), {{6, 7, 8, 9, 10}})}),
            Jogos({Conjunto(QStringLiteral("B1"), QStringLiteral("Mega-Sena"), {{1, 2, 3, 4, 5, 6}})})});
    Preenche(QStringLiteral("fulana@exemplo.com"), QStringLiteral("segredo"));
    Autentica();
    EXPECT_EQ(Baixados(), (QStringList{QStringLiteral("A1"), QStringLiteral("A2")}));
    Autentica();
    EXPECT_TRUE(Dialogos.Mostradas().isEmpty());
    ASSERT_EQ(DM.QdeFechamentos(), 2);
    EXPECT_EQ(DM.Fechamento(0).Titulo, QStringLiteral("Importado"));
    EXPECT_EQ(DM.Fechamento(1).Titulo, QStringLiteral("B1"));
    // The largest ID present plus one: the first download's IDs are free again.
    EXPECT_EQ(DM.Fechamento(1).ID, 2);
    EXPECT_EQ(DM.IndiceFechamentoAtual(), 1);
}

TEST_F(LoginTest, AFailedLoginShowsOneErrorAndLeavesNoDownloadedClosing) {
    struct Caso {
        const char* Nome;
        QJsonObject Resposta;
        TPortalTeste::TCertificado Certificado;
        QString Mensagem;
    };
    TErrorsClass Relato;
    Relato.SetCode(QStringLiteral("401"));
    Relato.SetError(QStringLiteral("Unauthorized"));
    Relato.SetMesage(QStringLiteral("Senha incorreta"));
    TLotError401Class Recusa;
    Recusa.SetErrors(Relato);
    QJsonObject Redirecionamento = TPortalTeste::Resposta(302, {});
    Redirecionamento.insert(QStringLiteral("cabecalhos"),
                            QJsonArray{QJsonArray{QStringLiteral("Location"), QStringLiteral("/outro")}});
    const auto Valido = TPortalTeste::TCertificado::Valido;
    const Caso Casos[] = {
        {"wrong password", TPortalTeste::Resposta(401, Recusa.ToJsonString()), Valido,
         QStringLiteral("Erro 401 - Senha incorreta (Unauthorized)")},
        {"error report", TPortalTeste::Resposta(200, Relato.ToJsonString()), Valido,
         QStringLiteral("Erro \"401 - Unauthorized (Senha incorreta)\"")},
        {"not JSON", TPortalTeste::Resposta(200, QStringLiteral("Serviço em manutenção")), Valido,
         QStringLiteral("Erro \"JSON inválido na posição 1: esperava um valor\"")},
        {"wrong shape",
         TPortalTeste::Resposta(
             200, QStringLiteral("{\"games\": [{\"title\": \"A\", \"combinations\": [[1, \"2\"]]}]}")),
         Valido,
         QStringLiteral(
             "Erro \"formato inesperado na posição 48: cada número de \"combinations\" deveria ser um número "
             "inteiro, não um texto\"")},
        {"server error", TPortalTeste::Resposta(500, {}), Valido,
         QStringLiteral("Request Error! ERROR CODE 500")},
        {"redirect", Redirecionamento, Valido, QStringLiteral("Request Error! ERROR CODE 302")},
        {"truncated", TPortalTeste::Modo(QStringLiteral("truncado"), 200, QStringLiteral("{\"games\": []}")),
         Valido,
         QStringLiteral(
             "A resposta do portal chegou incompleta: a conexão foi encerrada antes do fim. Nada foi "
             "gravado.")},
        {"no answer", TPortalTeste::Modo(QStringLiteral("nunca-responde")), Valido,
         QStringLiteral(
             "O portal parou de responder: 0,5 segundo sem receber dados. Tente de novo mais tarde.")},
        {"too large", TPortalTeste::Modo(QStringLiteral("sem-fim")), Valido,
         QStringLiteral("Resposta do portal grande demais: mais que o limite de 2 MB. Nada foi gravado.")},
        {"expired certificate", Jogos({}), TPortalTeste::TCertificado::Vencido,
         QStringLiteral(
             "Conexão segura com o portal recusada: o certificado do portal venceu em 01/02/2020.")},
    };
    ImportaFechamento(QStringLiteral("Quina"), 5, {QStringLiteral("01 02 03 04 05")},
                      QStringLiteral("Importado"));
    auto& Configuracao =
        Controle<TPaginaAutenticacao>(QStringLiteral("TabAutenticacao")).ConfiguracaoPortal();
    Configuracao.TamanhoMaximoResposta = 2 * 1024 * 1024;
    Preenche(QStringLiteral("fulana@exemplo.com"), QStringLiteral("segredo"));
    for (const Caso& C : Casos) {
        SCOPED_TRACE(C.Nome);
        // Each time after a good download: it goes whatever happens next.
        Configuracao.TempoSemDadosMs = 15'000;
        Portal({Jogos({Conjunto(QStringLiteral("Antes"), QStringLiteral("Quina"), {{1, 2, 3, 4, 5}})}),
                C.Resposta});
        Autentica();
        ASSERT_EQ(Baixados(), QStringList{QStringLiteral("Antes")});
        if (C.Certificado != Valido)
            Portal({C.Resposta}, C.Certificado);
        // A short wait for data only where the portal goes quiet, so that a slow machine never trips.
        if (C.Resposta.value(QStringLiteral("modo")).toString() == u"nunca-responde")
            Configuracao.TempoSemDadosMs = 500;
        Dialogos.LimpaRegistro();
        Autentica();
        ASSERT_EQ(Dialogos.Mostradas().size(), 1);
        EXPECT_EQ(Dialogos.Mostradas()[0].Tipo, TTipoMensagem::Erro);
        EXPECT_EQ(Dialogos.Mostradas()[0].Texto, C.Mensagem);
        EXPECT_TRUE(Baixados().isEmpty());
        ASSERT_EQ(DM.QdeFechamentos(), 1);
        EXPECT_EQ(DM.Fechamento(0).Titulo, QStringLiteral("Importado"));
        EXPECT_EQ(Controle<QStatusBar>(QStringLiteral("StatusBar2")).findChild<QLabel*>()->text(),
                  QStringLiteral(" Master : 1 => Qde Jogos : 1"));
    }
}

TEST_F(LoginTest, ARefusedConnectionOrAnUntrustedPortalEndsTheLogin) {
    Preenche(QStringLiteral("fulana@exemplo.com"), QStringLiteral("segredo"));
    {
        TPortalTeste& Parado = Portal({});
        Parado.Para();
    }
    Autentica();
    ASSERT_EQ(Dialogos.Mostradas().size(), 1);
    EXPECT_TRUE(Dialogos.Mostradas()[0].Texto.endsWith(QStringLiteral(": a conexão foi recusada.")))
        << Dialogos.Mostradas()[0].Texto.toStdString();

    // Without the test authority the portal's certificate is not trusted.
    TPortalTeste& Teste =
        Portal({Jogos({Conjunto(QStringLiteral("A"), QStringLiteral("Quina"), {{1, 2, 3, 4, 5}})})});
    qunsetenv("CARTELIM_PORTAL_CA");
    Dialogos.LimpaRegistro();
    Autentica();
    ASSERT_EQ(Dialogos.Mostradas().size(), 1);
    EXPECT_EQ(Dialogos.Mostradas()[0].Texto,
              QStringLiteral(
                  "Conexão segura com o portal recusada: o certificado do portal não foi emitido por uma "
                  "autoridade confiável."));
    EXPECT_TRUE(Teste.Recebidos().isEmpty());
    EXPECT_EQ(DM.QdeFechamentos(), 0);
}

TEST_F(LoginTest, ABadPortalSettingStopsBeforeAnythingIsDeleted) {
    Portal({Jogos({Conjunto(QStringLiteral("A"), QStringLiteral("Quina"), {{1, 2, 3, 4, 5}})})});
    Preenche(QStringLiteral("fulana@exemplo.com"), QStringLiteral("segredo"));
    Autentica();
    ASSERT_EQ(Baixados(), QStringList{QStringLiteral("A")});
    qputenv("CARTELIM_PORTAL_URL", "http://localhost:8443");
    Autentica();
    ASSERT_EQ(Dialogos.Mostradas().size(), 1);
    EXPECT_EQ(Dialogos.Mostradas()[0].Texto,
              QStringLiteral("CARTELIM_PORTAL_URL deve ser um endereço "
                             "https://servidor:porta, não \"http://localhost:8443\"."));
    EXPECT_EQ(Baixados(), QStringList{QStringLiteral("A")});
}

TEST_F(LoginTest, WithoutGameSetsThePortalsMessageIsShown) {
    struct Caso {
        QString Mensagem;
        QString Mostrada;
    };
    for (const Caso& C :
         {Caso{QStringLiteral("Você ainda não tem jogos no portal."),
               QStringLiteral("Você ainda não tem jogos no portal.")},
          Caso{QString(), QStringLiteral("Nenhum jogo foi encontrado na sua conta do portal.")}}) {
        Portal({Jogos({}, C.Mensagem)});
        Preenche(QStringLiteral("fulana@exemplo.com"), QStringLiteral("segredo"));
        Dialogos.LimpaRegistro();
        Autentica();
        ASSERT_EQ(Dialogos.Mostradas().size(), 1);
        EXPECT_EQ(Dialogos.Mostradas()[0].Tipo, TTipoMensagem::Informacao);
        EXPECT_EQ(Dialogos.Mostradas()[0].Texto, C.Mostrada);
        EXPECT_EQ(DM.QdeFechamentos(), 0);
        EXPECT_EQ(PaginaAtiva(), QStringLiteral("TabJogo"));
    }
}

TEST_F(LoginTest, AnEmailTypedInCapitalsIsSentInLowerCaseWithoutTheBlanksAround) {
    TPortalTeste& Teste = Portal({Jogos({})});
    Dialogos.LimpaRegistro();
    auto& EditEmail = Controle<QLineEdit>(QStringLiteral("EditEmail"));
    EditEmail.setFocus();
    QTest::keyClicks(&EditEmail, QStringLiteral("  FULANA@Exemplo.COM.BR "));
    Controle<QLineEdit>(QStringLiteral("EditSenha")).setText(QStringLiteral("  Segredo Forte  "));
    Autentica();
    ASSERT_EQ(Teste.Recebidos().size(), 1);
    EXPECT_EQ(Teste.Recebidos()[0].Campos,
              (QList<std::pair<QString, QString>>{
                  {QStringLiteral("email"), QStringLiteral("fulana@exemplo.com.br")},
                  {QStringLiteral("pass"), QStringLiteral("Segredo Forte")}}));
}

TEST_F(LoginTest, AClubAndAMonthAreDrawnExceptForTheMarketplaceAccount) {
    auto& Clubes = Controle<QListWidget>(QStringLiteral("ListBox_TimeCoracao"));
    auto& Mes = Controle<TRadioGroup>(QStringLiteral("RadioDiaDeSorteMes"));
    const QJsonObject Resposta =
        Jogos({Conjunto(QStringLiteral("A"), QStringLiteral("Timemania"), {{1, 2, 3}})});
    Portal({Resposta});

    Mes.SetItemIndex(4);
    Preenche(ContaMarketplace(), QStringLiteral("segredo"));
    Autentica();
    EXPECT_TRUE(Clubes.selectedItems().isEmpty());
    EXPECT_EQ(Mes.ItemIndex(), 4);

    // Over a few logins the draw is seen to move; each one picks a club and a month.
    Preenche(QStringLiteral("fulana@exemplo.com"), QStringLiteral("segredo"));
    QSet<int> ClubesSorteados;
    for (int i = 0; i < 6; ++i) {
        Autentica();
        ASSERT_EQ(Clubes.selectedItems().size(), 1);
        ClubesSorteados.insert(Clubes.currentRow());
        EXPECT_GE(Mes.ItemIndex(), 0);
        EXPECT_LT(Mes.ItemIndex(), 12);
    }
    EXPECT_GT(ClubesSorteados.size(), 1);
}
