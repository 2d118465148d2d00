#include "ConfereLayout.h"

#include "catalogue/ULib.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const QString Lotomania = QStringLiteral("Lotomania");
const QString Cinco = QStringLiteral("01 02 03 04 05");
const QString Espelho = QStringLiteral("ShapeApostaEspelho1");
const QPoint CantoEspelho(47 + 2, 494 - 1);

constexpr TFormatoShape R = TFormatoShape::dkRectangle;
constexpr TFormatoShape E = TFormatoShape::dkElipse;

QString Texto(const char* Nome) {
    return QString::fromLatin1(Nome);
}

// The numbers as a game text: two digits, ascending, single spaces.
QString Jogo(const QList<int>& Numeros) {
    QStringList Pedacos;
    for (const int Numero : Numeros)
        Pedacos << QStringLiteral("%1").arg(Numero, 2, 10, QLatin1Char('0'));
    return Pedacos.join(QLatin1Char(' '));
}

QList<int> Faixa(int Inicio, int Fim, int Passo = 1) {
    QList<int> Numeros;
    for (int Numero = Inicio; Numero <= Fim; Numero += Passo)
        Numeros << Numero;
    return Numeros;
}

// A sheet whose games carry their mirror flags (1 asks for the mirror bet), as the print queue fills
// them.
TFolhaImpressao FolhaComEspelho(const QStringList& Jogos, const QList<int>& Espelhos,
                                const QList<int>& Ids = {1, 2}) {
    TFolhaImpressao Resultado = Folha(Jogos, Ids);
    for (qsizetype Slot = 0; Slot < Espelhos.size(); ++Slot)
        Resultado.Espelho[std::size_t(Slot)] = Espelhos[Slot];
    return Resultado;
}

} // namespace

TEST(ImpressaoLotomania, GuiasEMarcas) {
    const TCasoShape Casos[] = {
        {0, "SG_Col1", {47, 109, 16, 8}, 0, R},
        {0, "SG_Col2", {73, 109, 16, 8}, 2, R},
        {0, "SG_Col3", {97, 109, 16, 8}, 2, R},
        {0, "SG_Col4", {120, 109, 16, 8}, 0, R},
        {0, "SG_Col5", {145, 109, 16, 8}, 0, R},
        {0, "SG_Col6", {168, 109, 16, 8}, 0, R},
        {0, "SG_Col7", {193, 109, 16, 8}, 0, R},
        {0, "SG_Col8", {218, 109, 16, 8}, 2, R},
        {0, "SG_Col9", {242, 109, 16, 8}, 2, R},
        {0, "SG_Col10", {265, 109, 16, 8}, 0, R},
        {0, "SG_Master", {8, 109, 13, 7}, 2, R},
        {0, "SG_Lin1_Jogo1", {8, 125, 13, 7}, 2, R},
        {0, "SG_Lin2_Jogo1", {8, 138, 13, 7}, 2, R},
        {0, "SG_Lin4_Jogo1", {8, 165, 13, 7}, 2, R},
        {0, "SG_Lin7_Jogo1", {8, 205, 13, 7}, 2, R},
        {0, "SG_Lin10_Jogo1", {8, 244, 13, 7}, 2, R},
        {0, "SG_Anula_Jogo1", {8, 256, 13, 7}, 2, R},
        {0, "SG_Lin1_Jogo2", {8, 296, 13, 7}, 2, R},
        {0, "SG_Lin3_Jogo2", {8, 323, 13, 7}, 2, R},
        {0, "SG_Lin5_Jogo2", {8, 350, 13, 7}, 2, R},
        {0, "SG_Lin8_Jogo2", {8, 389, 13, 7}, 2, R},
        {0, "SG_Lin10_Jogo2", {8, 415, 13, 7}, 2, R},
        {0, "SG_Anula_Jogo2", {8, 428, 13, 7}, 2, R},
        {0, "SG_ApostaEspelho", {8, 494, 13, 7}, 2, R},
        {0, "ShapeApostaEspelho1", {8, 494, 13, 7}, 100, E},
        {0, "SG_Surpresinha", {8, 549, 13, 7}, 2, R},
        {0, "ShapeSurpresinha", {8, 549, 12, 7}, 100, E},
        {0, "SG_Teimosinha", {8, 601, 13, 7}, 2, R},
        {0, "ShapeTeimosinha", {8, 601, 13, 7}, 100, E},
        {0, "ShapeJogo1_Num1", {0, 0, 13, 7}, 100, E},
        {0, "ShapeJogo2_Num50", {0, 0, 13, 7}, 100, E},
    };
    const TMontagem Montagem = Monta(Lotomania, 0);
    for (const TCasoShape& Caso : Casos) {
        SCOPED_TRACE(Caso.Nome);
        const TShape* Shape = Montagem.Shape(Texto(Caso.Nome));
        ASSERT_NE(Shape, nullptr);
        EXPECT_EQ(Shape->Box(), Caso.Box);
        EXPECT_EQ(Shape->Tag(), Caso.Tag);
        EXPECT_EQ(Shape->Formato(), Caso.Formato);
    }
    // One mirror box for the slip; no numbers-per-game box and no quota boxes.
    for (const char* Ausente : {"ShapeApostaEspelho2", "SG_QdeNumPorVolante", "ShapeQdeNumPorVolante",
                                "SG_BolaoDezena", "SG_BolaoUnidade", "SG_Bolao100", "ShapeBolaoUnidade",
                                "SG_Col0", "SG_Col11", "SG_Lin11_Jogo1", "SG_Lin1_Jogo3", "ShapeJogo1_Num51"})
        EXPECT_EQ(Montagem.Shape(Texto(Ausente)), nullptr) << Ausente;
}

TEST(ImpressaoLotomania, OrdemDeCriacao) {
    ConfereOrdemDeCriacao(Lotomania, 0,
                          {QStringLiteral("SG_Col1"), QStringLiteral("SG_Col10"), QStringLiteral("SG_Master"),
                           QStringLiteral("SG_Lin1_Jogo1"), QStringLiteral("SG_Lin10_Jogo1"),
                           QStringLiteral("SG_Anula_Jogo1"), QStringLiteral("SG_Lin1_Jogo2"),
                           QStringLiteral("SG_Lin10_Jogo2"), QStringLiteral("SG_Anula_Jogo2"),
                           QStringLiteral("SG_ApostaEspelho"), Espelho, QStringLiteral("SG_Surpresinha"),
                           QStringLiteral("ShapeSurpresinha"), QStringLiteral("SG_Teimosinha"),
                           QStringLiteral("ShapeTeimosinha"), QStringLiteral("ShapeJogo1_Num1"),
                           QStringLiteral("ShapeJogo1_Num50"), QStringLiteral("ShapeJogo2_Num1"),
                           QStringLiteral("ShapeJogo2_Num50")},
                          10 + 1 + 2 * 11 + 3 * 2 + 2 * 50);
}

TEST(ImpressaoLotomania, NumerosDeMarcasPorJogosPorVolante) {
    for (const int Jogos : {1, 2}) {
        const TMontagem Montagem =
            Monta(Lotomania, 0, [Jogos](TImpressao& Impressao) { Impressao.SetQdeJogosPorVolante(Jogos); });
        int Numeros = 0;
        for (const TComponente* Componente : Montagem.Form->RLReport1().Componentes())
            Numeros += Componente->Name().startsWith(QStringLiteral("ShapeJogo"));
        EXPECT_EQ(Numeros, 50 * Jogos);
        // The guides of the second block exist either way.
        EXPECT_NE(Montagem.Shape(QStringLiteral("SG_Lin10_Jogo2")), nullptr);
    }
}

TEST(ImpressaoLotomania, PosicoesDosTextos) {
    const TMontagem Montagem = Monta(Lotomania, 0);
    const TImpressao& Impressao = *Montagem.Impressao;
    EXPECT_EQ(Impressao.ImpRelacaoJogos_E(), QList<int>({10}));
    EXPECT_EQ(Impressao.ImpRelacaoJogos_T(), QList<int>({25}));
    EXPECT_EQ(Impressao.ImpNomeModalidade_E(), QList<int>({23}));
    EXPECT_EQ(Impressao.ImpNomeModalidade_T(), QList<int>({80}));
    EXPECT_EQ(Impressao.ImpNumPagina_E(), QList<int>({23}));
    EXPECT_EQ(Impressao.ImpNumPagina_T(), QList<int>({644}));
    EXPECT_EQ(Impressao.ImpNomeModalidadeExtra_E(), QList<int>({23}));
    EXPECT_EQ(Impressao.ImpNomeModalidadeExtra_T(), QList<int>({670}));
    // No pools on this slip: the quota label is never placed.
    EXPECT_TRUE(Impressao.ImpQdeCotas_E().isEmpty());
    EXPECT_TRUE(Impressao.ImpQdeCotas_T().isEmpty());
    EXPECT_EQ(Impressao.Box(), QList<int>({0, 0, 13, 7}));
}

TEST(ImpressaoLotomania, MarcaDeCadaNumero) {
    // Row 1 holds 01 to 10, row 10 holds 91 to 99 and 00; column 10 the numbers ending in 0. Game 1 at
    // (+2, +1), game 2 at (+2, 0).
    const QString Cantos = QStringLiteral("00 01 10 91 99");
    const QString Meio = QStringLiteral("11 20 45 50 56");
    ConfereMarcas(Lotomania,
                  {
                      {0, {}, {Cantos}, {{QStringLiteral("ShapeJogo1_Num1"), {265 + 2, 244 + 1}}}},
                      {0, {}, {Cantos}, {{QStringLiteral("ShapeJogo1_Num2"), {47 + 2, 125 + 1}}}},
                      {0, {}, {Cantos}, {{QStringLiteral("ShapeJogo1_Num3"), {265 + 2, 125 + 1}}}},
                      {0, {}, {Cantos}, {{QStringLiteral("ShapeJogo1_Num4"), {47 + 2, 244 + 1}}}},
                      {0, {}, {Cantos}, {{QStringLiteral("ShapeJogo1_Num5"), {242 + 2, 244 + 1}}}},
                      {0, {}, {Meio}, {{QStringLiteral("ShapeJogo1_Num1"), {47 + 2, 138 + 1}}}},
                      {0, {}, {Meio}, {{QStringLiteral("ShapeJogo1_Num3"), {145 + 2, 179 + 1}}}},
                      {0, {}, {Meio}, {{QStringLiteral("ShapeJogo1_Num4"), {265 + 2, 179 + 1}}}},
                      {0, {}, {Cinco, Cantos}, {{QStringLiteral("ShapeJogo2_Num1"), {265 + 2, 415}}}},
                      {0, {}, {Cinco, Cantos}, {{QStringLiteral("ShapeJogo2_Num2"), {47 + 2, 296}}}},
                      {0, {}, {Cinco, Cantos}, {{QStringLiteral("ShapeJogo2_Num3"), {265 + 2, 296}}}},
                      {0, {}, {Cinco, Cantos}, {{QStringLiteral("ShapeJogo2_Num4"), {47 + 2, 415}}}},
                      {0, {}, {Cinco, Cantos}, {{QStringLiteral("ShapeJogo2_Num5"), {242 + 2, 415}}}},
                      {0, {}, {Cinco, Meio}, {{QStringLiteral("ShapeJogo2_Num2"), {265 + 2, 309}}}},
                      {0, {}, {Cinco, Meio}, {{QStringLiteral("ShapeJogo2_Num5"), {168 + 2, 363}}}},
                  });
}

TEST(ImpressaoLotomania, MarcasDasOpcoes) {
    const QString Surpresinha = QStringLiteral("ShapeSurpresinha");
    const QString Teimosinha = QStringLiteral("ShapeTeimosinha");
    ConfereMarcasDeOpcao(
        Lotomania, {
                       {0, {}, {Cinco}, {}},
                       {0, {50, 1}, {Cinco}, {{Surpresinha, {47 + 2, 549 + 1}}}},
                       {0, {50, 0, 3}, {Cinco}, {{Teimosinha, {47 + 2, 601}}}},
                       {0, {50, 0, 6}, {Cinco}, {{Teimosinha, {97 + 2, 601}}}},
                       {0, {50, 0, 9}, {Cinco}, {{Teimosinha, {145 + 2, 601}}}},
                       {0, {50, 1, 12}, {Cinco, Cinco}, {{Surpresinha, {49, 550}}, {Teimosinha, {195, 601}}}},
                       // No numbers-per-game box and no quota boxes, whatever the run carries.
                       {0, {50, 0, 0, 10}, {Cinco}, {}},
                       {0, {50, 0, 0, 100}, {Cinco}, {}},
                   });
}

TEST(ImpressaoLotomania, UmaSoCaixaDeApostaEspelho) {
    struct TCaso {
        QStringList Jogos;
        QList<int> Espelhos;
        bool Marcado;
    };
    const TCaso Casos[] = {
        {{Cinco, Cinco}, {0, 0}, false},
        {{Cinco, Cinco}, {1, 0}, true},
        {{Cinco, Cinco}, {0, 1}, true},
        {{Cinco, Cinco}, {1, 1}, true},
        {{Cinco}, {1}, true},
        // Only 1 asks for the mirror bet; a game without numbers asks for nothing.
        {{Cinco, Cinco}, {2, 2}, false},
        {{Cinco, QString()}, {0, 1}, false},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(testing::Message() << Caso.Jogos.size() << " jogos, espelhos " << Caso.Espelhos.value(0)
                                        << " / " << Caso.Espelhos.value(1));
        const TMontagem Montagem = Monta(Lotomania, 0);
        Montagem.Impressao->SetDados(FolhaComEspelho(Caso.Jogos, Caso.Espelhos));
        const TShape* Marca = Montagem.Shape(Espelho);
        EXPECT_EQ(Marca->Visible(), Caso.Marcado);
        if (Caso.Marcado) {
            EXPECT_EQ(Marca->Box(), QRect(CantoEspelho, QSize(13, 7)));
        }
        EXPECT_TRUE(Montagem.Impressao->Mensagens().isEmpty());
    }
}

TEST(ImpressaoLotomania, ValorSemCaixaDaErroDeColocacao) {
    ConfereErros(
        Lotomania,
        {
            {0,
             {},
             QStringLiteral("01 02 03 04 100"),
             "SG_Col-1",
             "SG_Lin-1_Jogo1",
             "ShapeJogo1_Num5",
             "SG_Col-1"},
            {0, {50, 2}, Cinco, "SG_Col-1", "SG_Surpresinha", "ShapeSurpresinha", "SG_Col-1"},
            {0, {50, 0, 4}, Cinco, "SG_Col-1", "SG_Teimosinha", "ShapeTeimosinha", "SG_Col-1"},
            // More numbers than the run's numbers per game: that mark does not exist.
            {0, {}, Jogo(Faixa(0, 50)), "SG_Col10", "SG_Lin5_Jogo1", "ShapeJogo1_Num51", "ShapeJogo1_Num51"},
        });
}

TEST(ImpressaoLotomania, TodoValorPermitidoTemMarca) {
    const std::unique_ptr<TModalidade> Regras = CriaModalidade(Lotomania);
    Regras->SetLayoutIndex(0);
    Regras->SetParameters(50);
    const TMontagem Montagem = Monta(Lotomania, 0);
    TImpressao& Impressao = *Montagem.Impressao;
    // The marks shown after one placement.
    const auto Coloca = [&](const std::function<void()>& Operacao) {
        Impressao.EscondeShapes();
        Operacao();
        QStringList Nomes;
        for (const TShape* Marca : MarcasVisiveis(Montagem.Form->RLReport1()))
            Nomes << Marca->Name();
        return Nomes;
    };
    for (int Jogo = 1; Jogo <= Regras->QdeJogosPorVolante().last(); ++Jogo) {
        std::set<std::pair<int, int>> Casas;
        for (int Numero = Regras->NumInicial(); Numero <= Regras->NumFinal(); ++Numero)
            for (const int Posicao : {1, 50}) {
                const QString Marca = QStringLiteral("ShapeJogo%1_Num%2").arg(Jogo).arg(Posicao);
                EXPECT_EQ(Coloca([&] { Impressao.ImprimeNumero(Posicao, Numero, Jogo); }), QStringList{Marca})
                    << "jogo " << Jogo << ", número " << Numero;
                Casas.insert({Montagem.Shape(Marca)->Left(), Montagem.Shape(Marca)->Top()});
            }
        // Each of the hundred numbers has a box of its own.
        EXPECT_EQ(Casas.size(), 100u) << "jogo " << Jogo;
        for (const bool ApostaEspelho : {false, true})
            EXPECT_EQ(Coloca([&] { Impressao.ImprimeApostaEspelho(Jogo, ApostaEspelho); }),
                      ApostaEspelho ? QStringList{Espelho} : QStringList());
    }
    for (const int Qde : Regras->Surpresinha()) {
        Impressao.SetQdeSurpresinha(Qde);
        EXPECT_EQ(Coloca([&] { Impressao.ImprimeQdeSurpresinha(); }),
                  Qde > 0 ? QStringList{QStringLiteral("ShapeSurpresinha")} : QStringList())
            << "surpresinha " << Qde;
    }
    for (const int Qde : Regras->Teimosinha()) {
        Impressao.SetQdeTeimosinha(Qde);
        EXPECT_EQ(Coloca([&] { Impressao.ImprimeQdeTeimosinha(); }),
                  Qde > 0 ? QStringList{QStringLiteral("ShapeTeimosinha")} : QStringList())
            << "teimosinha " << Qde;
    }
    EXPECT_EQ(Regras->QdeBolaoMax(), 0);
    EXPECT_EQ(Coloca([&] {
                  Impressao.ImprimeQdeNumPorVolante();
                  Impressao.ImprimeBolaoDezena();
                  Impressao.ImprimeBolaoUnidade();
                  Impressao.ImprimeBolao100();
              }),
              QStringList());
    EXPECT_TRUE(Impressao.Mensagens().isEmpty());
}

TEST(ImpressaoLotomania, VolantesDesenhados) {
    TConfiguracaoImpressao Configuracao;
    Configuracao.NomeModalidade = Lotomania;
    Configuracao.QdeJogosPorVolante = 2;
    Configuracao.QdeNumPorVolante = 50;
    Configuracao.QdeSurpresinha = 1;
    Configuracao.QdeTeimosinha = 6;
    const QString Pares = Jogo(Faixa(0, 98, 2));
    const QString Impares = Jogo(Faixa(1, 99, 2));
    const QString Baixos = Jogo(Faixa(0, 49));
    const QString Altos = Jogo(Faixa(50, 99));
    const std::vector<TFolhaImpressao> Folhas{FolhaComEspelho({Pares, Impares}, {0, 1}, {1, 2}),
                                              FolhaComEspelho({Baixos, Altos}, {0, 0}, {3, 4}),
                                              FolhaComEspelho({Jogo(Faixa(25, 74))}, {1}, {5})};
    // Numbers, then the mirror box where a game asks for it, quick pick and repeat draws.
    const int MarcasPorVolante[] = {100 + 3, 100 + 2, 50 + 3};

    const TPaginaDesenhada Desenho = DesenhaPrimeiraPagina(Configuracao, Folhas);
    ASSERT_NE(Desenho.Execucao, nullptr);
    TImpressao& Impressao = Desenho.Execucao->Impressao();
    for (int Celula = 0; Celula < int(Folhas.size()); ++Celula) {
        SCOPED_TRACE(testing::Message() << "volante " << Celula + 1);
        const TFolhaImpressao& Folha = Folhas[std::size_t(Celula)];
        const TVolanteDesenhado Volante =
            ConfereVolanteDesenhado(*Desenho.Execucao, Desenho.Pagina, Celula, Folha, 0, 99);
        EXPECT_EQ(Volante.Faltas, QStringList());
        EXPECT_EQ(Volante.Marcas, MarcasPorVolante[Celula]);
        // The single mirror box: dark when a game of the slip asks for the mirror bet, blank otherwise.
        Impressao.EscondeShapes();
        Impressao.ImprimeApostaEspelho(1, true);
        const int Cinza = CinzaNoCentro(Desenho.Execucao->Relatorio(), Desenho.Pagina, Celula,
                                        Desenho.Execucao->Form().Componente<TShape>(Espelho)->Box());
        if (Folha.Espelho[0] == 1 || Folha.Espelho[1] == 1)
            EXPECT_LT(Cinza, 100);
        else
            EXPECT_GT(Cinza, 247);
    }
    EXPECT_TRUE(Desenho.Execucao->Mensagens().isEmpty());
}
