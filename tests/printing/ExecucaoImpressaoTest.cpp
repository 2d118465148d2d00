#include "printing/ExecucaoImpressao.h"
#include "ApoioImpressao.h"
#include "printing/ModelosRelatorio.h"
#include "printing/layouts/ImpressaoMega.h"
#include "report/Rotulo.h"
#include "report/SaidaRelatorio.h"
#include "store/DataModulo.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

namespace {

// Ten Mega-Sena games, each with numbers of its own so that every slip looks different.
QStringList JogosMega() {
    QStringList Jogos;
    for (int Jogo = 0; Jogo < 10; ++Jogo) {
        QStringList Numeros;
        for (int Posicao = 0; Posicao < 6; ++Posicao)
            Numeros << QStringLiteral("%1").arg(1 + Jogo + 10 * Posicao, 2, 10, QLatin1Char('0'));
        Jogos << Numeros.join(QLatin1Char(' '));
    }
    return Jogos;
}

// The road of a print up to the printed store: a closing, its queue, every sheet selected.
class ExecucaoImpressaoTest : public testing::Test {
protected:
    void PreparaFila(int JogosPorVolante, int VolantesPorPagina) {
        DM.InsereRegistroPorStringList(QStringLiteral("Mega-Sena"), QStringLiteral("Bolão"), false,
                                       JogosMega(), {});
        DM.AtivaFiltro_MASTER(true);
        ASSERT_TRUE(DM.PopulaCDSImpressao(JogosPorVolante, VolantesPorPagina, 0, 1, false, 0, false, false,
                                          {}, TTipoModalidade::Megasena, false)
                        .isEmpty());
        QList<int> Todas;
        for (int Linha = 0; Linha < DM.CDSImpressao_Temp().QdeRegistros(); ++Linha)
            Todas << Linha;
        DM.CopiaFolhasParaImpressao(Todas);
    }

    std::unique_ptr<TExecucaoImpressao> Monta(const TConfiguracaoImpressao& Configuracao) {
        TMensagens Mensagens;
        auto Execucao = TExecucaoImpressao::Monta(Configuracao, DM.CDSImpressao(), Mensagens);
        EXPECT_TRUE(Mensagens.isEmpty());
        return Execucao;
    }

    static TConfiguracaoImpressao Mega() {
        TConfiguracaoImpressao Configuracao;
        Configuracao.NomeModalidade = QStringLiteral("Mega-Sena");
        Configuracao.QdeNumPorVolante = 6;
        Configuracao.QdeJogosPorVolante = 3;
        return Configuracao;
    }

    // Every mark shown for the cell at IndiceNaPagina is dark at its centre on the page image, and
    // every number box of the slip that holds no mark shows the background (white, or the picture's
    // grey).
    static void ConfereCelula(TExecucaoImpressao& Execucao, const QImage& Pagina, int IndiceNaPagina,
                              int Linha, const TCDSImpressao& CDS, int Fundo = 255) {
        SCOPED_TRACE(testing::Message() << "volante " << Linha + 1);
        TImpressao& Impressao = Execucao.Impressao();
        Impressao.SetDados(CDS.Folha(Linha));
        const QPointF Origem = Execucao.Relatorio().Layout().OrigemConteudo(IndiceNaPagina);
        int Marcas = 0;
        for (const TComponente* Componente : Execucao.Relatorio().Componentes()) {
            const auto* Shape = dynamic_cast<const TShape*>(Componente);
            if (!Shape || Shape->Tag() != TImpressao::TagMarca || !Shape->Visible())
                continue;
            const QPointF Centro = Origem + QRectF(Shape->Box()).center();
            EXPECT_LT(qGray(Pagina.pixel(Centro.toPoint())), 100) << Shape->Name().toStdString();
            ++Marcas;
        }
        EXPECT_EQ(Marcas, 3 * 6 + 1) << "3 games and the numbers-per-game box";

        const auto Guia = [&Execucao](const QString& Nome) {
            return Execucao.Form().Componente<TShape>(Nome);
        };
        for (int Jogo = 1; Jogo <= 3; ++Jogo) {
            const QStringList Numeros = CDS.Folha(Linha).Jogo[std::size_t(Jogo - 1)].split(QLatin1Char(' '));
            for (int Numero = 1; Numero <= 60; ++Numero) {
                if (Numeros.contains(QStringLiteral("%1").arg(Numero, 2, 10, QLatin1Char('0'))))
                    continue;
                const int Coluna = (Numero - 1) % 10 + 1;
                const int LinhaDaGrade = (Numero - 1) / 10 + 1;
                const QPointF Centro =
                    Origem +
                    QPointF(Guia(QStringLiteral("SG_Col%1").arg(Coluna))->Left() + 2 + 6.5,
                            Guia(QStringLiteral("SG_Lin%1_Jogo%2").arg(LinhaDaGrade).arg(Jogo))->Top() - 1 +
                                3.5);
                EXPECT_NEAR(qGray(Pagina.pixel(Centro.toPoint())), Fundo, 8)
                    << "jogo " << Jogo << ", número " << Numero;
            }
        }
    }

    TDM DM;
};

// What pdfinfo says of a PDF: "Pages" and "Page size"; none when poppler-utils are missing.
std::optional<std::pair<int, QString>> InfoPdf(const QString& Caminho) {
    QProcess Processo;
    Processo.start(QStringLiteral("pdfinfo"), {Caminho});
    if (!Processo.waitForFinished(30000) || Processo.exitCode() != 0)
        return std::nullopt;
    const QString Saida = QString::fromUtf8(Processo.readAllStandardOutput());
    const auto Paginas = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(Saida);
    const auto Tamanho =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+ x [\\d.]+) pts")).match(Saida);
    return std::make_pair(Paginas.captured(1).toInt(), Tamanho.captured(1));
}

} // namespace

TEST_F(ExecucaoImpressaoTest, MarcasDeCadaVolanteNaPaginaDesenhada) {
    PreparaFila(3, 3);
    ASSERT_EQ(DM.CDSImpressao().QdeRegistros(), 4);
    auto Execucao = Monta(Mega());
    ASSERT_NE(Execucao, nullptr);
    TRelatorio& Relatorio = Execucao->Relatorio();
    ASSERT_EQ(Relatorio.QdePaginas(), 2);

    const QImage Pagina1 = ImagemPagina(Relatorio, 0, 96);
    // The cells fill themselves in row order: the texts left behind are those of the last one.
    EXPECT_EQ(Execucao->Form().Componente<TRotulo>(QStringLiteral("LabelNumPagina"))->Caption(),
              QStringLiteral("Pag : 1 (7-8-9)"));
    for (int Celula = 0; Celula < 3; ++Celula)
        ConfereCelula(*Execucao, Pagina1, Celula, Celula, DM.CDSImpressao());

    const QImage Pagina2 = ImagemPagina(Relatorio, 1, 96);
    EXPECT_EQ(Execucao->Form().Componente<TRotulo>(QStringLiteral("LabelNumPagina"))->Caption(),
              QStringLiteral("Pag : 2 (10)"));
    // Page 2 holds the fourth sheet only: its second and third slots stay blank.
    const TLayoutPagina Layout = Relatorio.Layout();
    const QRect Vazio = Layout.Vaga(1).united(Layout.Vaga(2)).toAlignedRect();
    int NaoBrancos = 0;
    for (int Y = Vazio.top(); Y <= Vazio.bottom(); ++Y)
        for (int X = Vazio.left() + 2; X <= Vazio.right(); ++X)
            NaoBrancos += qGray(Pagina2.pixel(X, Y)) != 255;
    EXPECT_EQ(NaoBrancos, 0);
    EXPECT_TRUE(Execucao->Mensagens().isEmpty());
}

// The Mega-Sena layout noting the sheets it is handed: the numbers-per-game box is marked once per
// sheet.
class TMegaQueAnota : public TImpressaoMega {
public:
    void ImprimeQdeNumPorVolante() override {
        Folhas << SequenciaJogo();
        TImpressaoMega::ImprimeQdeNumPorVolante();
    }
    QStringList Folhas;
};

TEST_F(ExecucaoImpressaoTest, CadaCelulaPedeASuaFolhaAntesDeSerDesenhada) {
    PreparaFila(3, 3);
    const std::unique_ptr<TFormImpressao> Form = CriaFormImpressao(QStringLiteral("TFormImpressaoMega_3"));
    TMegaQueAnota Impressao;
    Impressao.SetFormOwner(Form.get());
    Impressao.SetDetailGrid(&Form->RLDetailGrid1());
    Impressao.SetQdeNumPorVolante(6);
    Impressao.SetQdeJogosPorVolante(3);
    Impressao.Prepare();
    Impressao.CriaTodosShapes();
    TFonteDadosImpressao Fonte(DM.CDSImpressao());
    Form->LigaDados(&Fonte, &Impressao);

    ASSERT_EQ(Form->RLReport1().QdePaginas(), 2);
    QTemporaryDir Pasta;
    ASSERT_TRUE(ExportaPdf(Form->RLReport1(), Pasta.filePath(QStringLiteral("volantes.pdf"))).Sucesso);
    EXPECT_EQ(Impressao.Folhas, QStringList({QStringLiteral("1 2 3 "), QStringLiteral("4 5 6 "),
                                             QStringLiteral("7 8 9 "), QStringLiteral("10   ")}));
}

TEST_F(ExecucaoImpressaoTest, GuiasNoVolanteOficialSoComGuiaForcada) {
    PreparaFila(3, 1);
    for (const bool GuiaForcada : {false, true}) {
        TConfiguracaoImpressao Configuracao = Mega();
        Configuracao.ImpressaoVolanteOficial = true;
        Configuracao.GuiaForcada = GuiaForcada;
        auto Execucao = Monta(Configuracao);
        ASSERT_NE(Execucao, nullptr);
        ASSERT_EQ(Execucao->Relatorio().QdePaginas(), 4);
        const QImage Pagina = ImagemPagina(Execucao->Relatorio(), 0, 96);
        const QPointF Origem = Execucao->Relatorio().Layout().OrigemConteudo(0);
        for (const char* Nome : {"SG_Col0", "SG_Master", "SG_Lin1_Jogo3", "SG_Bolao100"}) {
            const TShape* Guia = Execucao->Form().Componente<TShape>(QString::fromLatin1(Nome));
            const QPoint Centro = (Origem + QRectF(Guia->Box()).center()).toPoint();
            EXPECT_EQ(qGray(Pagina.pixel(Centro)) < 100, GuiaForcada) << Nome;
        }
        ConfereCelula(*Execucao, Pagina, 0, 0, DM.CDSImpressao());
    }
}

TEST_F(ExecucaoImpressaoTest, PdfComUmaPaginaPorFolhaDoPapel) {
    struct TCaso {
        bool Oficial;
        int Paginas;
        const char* Tamanho;
    };
    for (const TCaso& Caso : {TCaso{false, 2, "842 x 595"}, TCaso{true, 4, "595 x 842"}}) {
        SCOPED_TRACE(Caso.Tamanho);
        PreparaFila(3, Caso.Oficial ? 1 : 3);
        TConfiguracaoImpressao Configuracao = Mega();
        Configuracao.ImpressaoVolanteOficial = Caso.Oficial;
        auto Execucao = Monta(Configuracao);
        ASSERT_NE(Execucao, nullptr);
        QTemporaryDir Pasta;
        const QString Arquivo = Pasta.filePath(QStringLiteral("volantes.pdf"));
        ASSERT_TRUE(ExportaPdf(Execucao->Relatorio(), Arquivo).Sucesso);
        const auto Info = InfoPdf(Arquivo);
        if (!Info)
            GTEST_SKIP() << "pdfinfo is not installed";
        EXPECT_EQ(Info->first, Caso.Paginas);
        EXPECT_EQ(Info->second, QString::fromLatin1(Caso.Tamanho));
    }
}

TEST_F(ExecucaoImpressaoTest, ConfiguracaoChegaAoMotor) {
    PreparaFila(3, 3);
    TConfiguracaoImpressao Configuracao = Mega();
    Configuracao.LayoutIndex = 1;
    Configuracao.QdeNumPorVolante = 16;
    Configuracao.QdeBolao = 30;
    Configuracao.QdeSurpresinha = 2;
    Configuracao.NomeIdentificacao = QStringLiteral("  ANA ");
    Configuracao.AjusteEsquerda = -1.5;
    Configuracao.AjusteTopo = 2;
    Configuracao.ColorShape = Qt::darkBlue;
    auto Execucao = Monta(Configuracao);
    ASSERT_NE(Execucao, nullptr);
    const TImpressao& Impressao = Execucao->Impressao();
    EXPECT_EQ(Impressao.NomeModalidade(), QStringLiteral("Mega Mega da Virada 2020"));
    EXPECT_EQ(Impressao.NomeIdentificacao(), QStringLiteral("ANA"));
    EXPECT_EQ(Impressao.LayoutIndex(), 1);
    EXPECT_EQ(Impressao.QdeVolantesPorPagina_A4(), 3);
    EXPECT_EQ(Impressao.QdeNumPorVolante(), 16);
    EXPECT_EQ(Impressao.QdeBolao(), 30);
    EXPECT_EQ(Impressao.QdeSurpresinha(), 2);
    EXPECT_EQ(Impressao.AjusteUsuario(), QList<double>({-1.5, 2}));
    EXPECT_EQ(Impressao.TipoModalidade(), TTipoModalidade::Megasena);
    EXPECT_EQ(Impressao.DetailGrid(), &Execucao->Form().RLDetailGrid1());
    EXPECT_EQ(Execucao->Form().NomeClasse(), QStringLiteral("TFormImpressaoMegaVirada_3"));
    EXPECT_DOUBLE_EQ(Execucao->Relatorio().Margens().Esquerda.Valor(), 18.5);
    EXPECT_EQ(Execucao->Form().Componente<TShape>(QStringLiteral("ShapeJogo1_Num1"))->CorPreenchimento(),
              QColor(Qt::darkBlue));
}

TEST_F(ExecucaoImpressaoTest, PedidoRecusadoPelasRegrasDoJogo) {
    PreparaFila(3, 3);
    TConfiguracaoImpressao Configuracao = Mega();
    Configuracao.QdeNumPorVolante = 16;
    TMensagens Mensagens;
    EXPECT_EQ(TExecucaoImpressao::Monta(Configuracao, DM.CDSImpressao(), Mensagens), nullptr);
    EXPECT_EQ(Mensagens,
              TMensagens({{TTipoMensagem::Erro,
                           QStringLiteral("O Cartelim não está configurado para Impressão da Mega com 16 ou "
                                          "mais dezenas por volante.")}}));

    Configuracao.NomeModalidade = QStringLiteral("Super Sete");
    Configuracao.QdeNumPorVolante = 7;
    EXPECT_EQ(TExecucaoImpressao::Monta(Configuracao, DM.CDSImpressao(), Mensagens), nullptr);
    EXPECT_EQ(Mensagens,
              TMensagens({{TTipoMensagem::Erro,
                           QStringLiteral("Modalidade Não Disponível para Impressão no Momento.")}}));
}

TEST_F(ExecucaoImpressaoTest, ImagemDoVolanteAtrasDasMarcas) {
    PreparaFila(3, 3);
    QTemporaryDir Pasta;
    TConfiguracaoImpressao Configuracao = Mega();
    Configuracao.ImagemVisivel = true;
    Configuracao.PastaImagens = Pasta.path();

    TMensagens Mensagens;
    auto SemArquivo = TExecucaoImpressao::Monta(Configuracao, DM.CDSImpressao(), Mensagens);
    ASSERT_NE(SemArquivo, nullptr);
    ASSERT_EQ(Mensagens.size(), 1);
    EXPECT_EQ(Mensagens[0].Tipo, TTipoMensagem::Aviso);
    EXPECT_EQ(Mensagens[0].Texto, QStringLiteral("Imagem do volante não encontrada: ") +
                                      Pasta.filePath(QStringLiteral("TFormImpressaoMega_3.jpg")));

    QImage Volante(974, 2200, QImage::Format_RGB32);
    Volante.fill(QColor(200, 200, 200));
    ASSERT_TRUE(Volante.save(Pasta.filePath(QStringLiteral("TFormImpressaoMega_3.jpg")), "JPG"));
    auto Execucao = Monta(Configuracao);
    ASSERT_NE(Execucao, nullptr);
    const QImage Pagina = ImagemPagina(Execucao->Relatorio(), 0, 96);
    const QPointF Origem = Execucao->Relatorio().Layout().OrigemConteudo(0);
    // Inside the picture, away from every mark and text; and beside it, where the slip ends.
    EXPECT_NEAR(qGray(Pagina.pixel((Origem + QPointF(150, 680)).toPoint())), 200, 8);
    EXPECT_EQ(qGray(Pagina.pixel((Origem + QPointF(315, 680)).toPoint())), 255);
    ConfereCelula(*Execucao, Pagina, 0, 0, DM.CDSImpressao(), 200);
}

// The alignment test: the slip picture in light grey, then a millimetre scale from each slip's corner,
// then the black marks; the calibration moves the scale with the marks.
TEST_F(ExecucaoImpressaoTest, TesteDeAlinhamentoComContornoCinzaERegua) {
    PreparaFila(3, 3);
    const struct {
        double Esquerda;
        double Topo;
    } Ajustes[] = {{0, 0}, {2, -1.5}};
    for (const auto& Ajuste : Ajustes) {
        SCOPED_TRACE(testing::Message() << Ajuste.Esquerda << " x " << Ajuste.Topo);
        TConfiguracaoImpressao Configuracao = Mega();
        Configuracao.TesteAlinhamento = true;
        Configuracao.AjusteEsquerda = Ajuste.Esquerda;
        Configuracao.AjusteTopo = Ajuste.Topo;
        auto Execucao = Monta(Configuracao);
        ASSERT_NE(Execucao, nullptr);
        TRelatorio& Relatorio = Execucao->Relatorio();

        const auto* Imagem = Execucao->Form().Componente<TImagem>(QStringLiteral("RLImage1"));
        ASSERT_TRUE(Imagem && Imagem->Visible() && !Imagem->Picture().isNull());
        int MaisEscuro = 255;
        for (int Y = 0; Y < Imagem->Picture().height(); ++Y)
            for (int X = 0; X < Imagem->Picture().width(); ++X)
                MaisEscuro = std::min(MaisEscuro, qGray(Imagem->Picture().pixel(X, Y)));
        EXPECT_GE(MaisEscuro, 128) << "an outline as dark as a mark";
        EXPECT_LT(MaisEscuro, 200) << "outlines too light to see";

        const std::vector<TComponente*>& Ordem = Relatorio.Componentes();
        const auto Posicao = [&](auto Condicao) {
            return std::find_if(Ordem.begin(), Ordem.end(), Condicao);
        };
        const auto Regua = Posicao([](TComponente* C) { return dynamic_cast<TRegua*>(C) != nullptr; });
        const auto PrimeiraMarca = Posicao([](TComponente* C) { return C->Tag() == TImpressao::TagMarca; });
        ASSERT_NE(Regua, Ordem.end());
        EXPECT_TRUE(static_cast<TRegua*>(*Regua)->Visible());
        EXPECT_LT(Regua, PrimeiraMarca) << "the scale must lie under the marks";
        EXPECT_LT(Regua, Posicao([](TComponente* C) { return dynamic_cast<TRotulo*>(C) != nullptr; }))
            << "and under the texts";
        EXPECT_GT(Regua, Posicao([](TComponente* C) { return C->Name() == QStringLiteral("RLImage1"); }));

        // At 4 device pixels per report pixel a tick is more than two pixels wide: grey, never black.
        constexpr int Dpi = 384;
        const double Escala = Dpi / 96.0;
        const QImage Pagina = ImagemPagina(Relatorio, 0, Dpi);
        for (int Celula = 0; Celula < 3; ++Celula) {
            const QPointF Canto = Relatorio.Layout().OrigemConteudo(Celula);
            for (int Mm = 5; Mm <= 60; Mm += 5) {
                const double Passo = Milimetros(Mm).EmPixels().Valor();
                const double Meio = Milimetros(Mm + 0.5).EmPixels().Valor();
                // The darkest pixel across the tick, which may fall between device pixels.
                const auto Traco = [&](QPointF Ponto, QPoint Atraves) {
                    const QPoint Centro = (Ponto * Escala).toPoint();
                    int Cinza = 255;
                    for (int Desvio = -2; Desvio <= 2; ++Desvio)
                        Cinza = std::min(Cinza, qGray(Pagina.pixel(Centro + Atraves * Desvio)));
                    return Cinza;
                };
                for (const int Cinza : {Traco(Canto + QPointF(Passo, 3), QPoint(1, 0)),
                                        Traco(Canto + QPointF(3, Passo), QPoint(0, 1))}) {
                    EXPECT_GE(Cinza, 128) << Celula << ", " << Mm << " mm";
                    EXPECT_LE(Cinza, 170) << Celula << ", " << Mm << " mm";
                }
                EXPECT_GT(qGray(Pagina.pixel(((Canto + QPointF(Meio, 3)) * Escala).toPoint())), 220)
                    << "between ticks, " << Celula << ", " << Mm << " mm";
            }
        }
    }
}
