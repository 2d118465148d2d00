// cartelim-lote end to end: the built program is run on games files and standard input, and its
// PDF, page images, messages and exit status are read back.
#include "ApoioLote.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>

namespace {

// Ten Mega-Sena games, each with numbers of its own, after a comment and a blank line; three games
// to a slip give four slips on two A4 pages.
const QByteArray DezJogosMega = "// Bolão da firma\n"
                                "\n"
                                "01 11 21 31 41 51\n"
                                "2,12,22,32,42,52\n"
                                "03-13-23-33-43-53\n"
                                "04 14 24 34 44 54\n"
                                "05 15 25 35 45 55\n"
                                "06 16 26 36 46 56\n"
                                "07 17 27 37 47 57\n"
                                "08 18 28 38 48 58\n"
                                "09 19 29 39 49 59\n"
                                "60 50 40 30 20 10\n";

class LoteTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Pasta.isValid()); }

    QString Caminho(const QString& Nome) const { return Pasta.filePath(Nome); }

    void Grava(const QString& Nome, const QByteArray& Conteudo) const {
        QFile Arquivo(Caminho(Nome));
        ASSERT_TRUE(Arquivo.open(QIODevice::WriteOnly));
        Arquivo.write(Conteudo);
    }

    TResultadoProcesso Executa(const QStringList& Argumentos, const QByteArray& Entrada = {}) const {
        return ExecutaLote(Argumentos, Pasta.path(), Entrada);
    }

    QTemporaryDir Pasta;
};

TEST_F(LoteTest, ImprimeUmArquivoDeJogosEmPdf) {
    Grava(QStringLiteral("jogos.txt"), DezJogosMega);
    const TResultadoProcesso Resultado =
        Executa({QStringLiteral("--modalidade"), QStringLiteral("Mega-sena"), QStringLiteral("--titulo"),
                 QStringLiteral("Bolão da firma"), QStringLiteral("--pdf"), QStringLiteral("volantes.pdf"),
                 QStringLiteral("jogos.txt")});

    ASSERT_EQ(Resultado.Situacao, 0) << Resultado.Erros.toStdString();
    EXPECT_EQ(Resultado.Erros, QString());
    EXPECT_TRUE(Resultado.Saida.contains(QStringLiteral("10 jogos em 4 volantes, 2 páginas")))
        << Resultado.Saida.toStdString();
    EXPECT_EQ(PaginasDoPdf(Caminho(QStringLiteral("volantes.pdf"))), 2);
    const QString Texto = TextoDoPdf(Caminho(QStringLiteral("volantes.pdf")));
    for (const char* Esperado :
         {"02 12 22 32 42 52", "10 20 30 40 50 60", "Mega 2020 - Bolão da firma", "Pag : 2 (10)"})
        EXPECT_TRUE(Texto.contains(QString::fromUtf8(Esperado))) << Esperado;
    // Nothing but the PDF is left beside the games: no temporary file or folder.
    EXPECT_EQ(ArquivosEm(Pasta.path()),
              QStringList({QStringLiteral("jogos.txt"), QStringLiteral("volantes.pdf")}));
}

TEST_F(LoteTest, LeOsJogosDaEntradaPadrao) {
    // A byte-order mark and Windows line ends, as a text file saved on Windows has them.
    QByteArray Entrada = "\xEF\xBB\xBF" + DezJogosMega;
    Entrada.replace("\n", "\r\n");
    const TResultadoProcesso Resultado =
        Executa({QStringLiteral("--modalidade"), QStringLiteral("MEGA-SENA"), QStringLiteral("--pdf"),
                 QStringLiteral("volantes.pdf"), QStringLiteral("-")},
                Entrada);

    ASSERT_EQ(Resultado.Situacao, 0) << Resultado.Erros.toStdString();
    EXPECT_TRUE(Resultado.Saida.contains(QStringLiteral("10 jogos em 4 volantes, 2 páginas")));
    EXPECT_EQ(PaginasDoPdf(Caminho(QStringLiteral("volantes.pdf"))), 2);
}

TEST_F(LoteTest, GravaUmaImagemPngPorPagina) {
    Grava(QStringLiteral("jogos.txt"), DezJogosMega);
    // A4 landscape: 297 x 210 mm, rounded up to whole pixels.
    const struct {
        int Dpi;
        QSize Tamanho;
    } Casos[] = {{96, {1123, 794}}, {48, {562, 397}}};
    for (const auto& Caso : Casos) {
        SCOPED_TRACE(Caso.Dpi);
        const QString Imagens = QStringLiteral("imagens-%1").arg(Caso.Dpi);
        const TResultadoProcesso Resultado = Executa(
            {QStringLiteral("--modalidade"), QStringLiteral("Mega-sena"), QStringLiteral("--png"), Imagens,
             QStringLiteral("--dpi"), QString::number(Caso.Dpi), QStringLiteral("jogos.txt")});

        ASSERT_EQ(Resultado.Situacao, 0) << Resultado.Erros.toStdString();
        EXPECT_EQ(ArquivosEm(Caminho(Imagens)),
                  QStringList({QStringLiteral("pagina-0001.png"), QStringLiteral("pagina-0002.png")}));
        const QImage Pagina(Caminho(Imagens + QStringLiteral("/pagina-0001.png")));
        EXPECT_EQ(Pagina.size(), Caso.Tamanho);
    }

    // A shorter print into the same folder tells of the page it did not replace.
    const TResultadoProcesso Resultado =
        Executa({QStringLiteral("--modalidade"), QStringLiteral("Mega-sena"), QStringLiteral("--png"),
                 QStringLiteral("imagens-96"), QStringLiteral("-")},
                "1 2 3 4 5 6\n");
    ASSERT_EQ(Resultado.Situacao, 0) << Resultado.Erros.toStdString();
    EXPECT_TRUE(
        Resultado.Erros.contains(QStringLiteral("1 imagem de uma impressão anterior (pagina-0002.png)")))
        << Resultado.Erros.toStdString();
}

// Every mark and guide of the page image lies where the PDF, rendered at 96 dpi, has it: same count,
// centres within half a pixel (only the antialiased rims of the shapes may differ).
TEST_F(LoteTest, PngEPdfMarcamOsMesmosLugares) {
    Grava(QStringLiteral("jogos.txt"), DezJogosMega);
    const TResultadoProcesso Resultado =
        Executa({QStringLiteral("--modalidade"), QStringLiteral("Mega-sena"), QStringLiteral("--surpresinha"),
                 QStringLiteral("3"), QStringLiteral("--cotas"), QStringLiteral("5"), QStringLiteral("--pdf"),
                 QStringLiteral("volantes.pdf"), QStringLiteral("--png"), QStringLiteral("imagens"),
                 QStringLiteral("jogos.txt")});
    ASSERT_EQ(Resultado.Situacao, 0) << Resultado.Erros.toStdString();

    for (int Pagina = 1; Pagina <= 2; ++Pagina) {
        SCOPED_TRACE(Pagina);
        const QImage Png(
            Caminho(QStringLiteral("imagens/pagina-%1.png").arg(Pagina, 4, 10, QLatin1Char('0'))));
        const QImage Pdf = RenderizaPdf(Caminho(QStringLiteral("volantes.pdf")), Pagina, 96);
        ASSERT_EQ(Png.size(), Pdf.size());
        const std::vector<TMancha> NoPng = ManchasEscuras(Png);
        const std::vector<TMancha> NoPdf = ManchasEscuras(Pdf);
        ASSERT_EQ(NoPng.size(), NoPdf.size());
        EXPECT_GE(NoPng.size(), 20u) << "the guides and the marks of the slips";
        for (const TMancha& Mancha : NoPng) {
            const auto Distancia = [&](const TMancha& Outra) {
                return std::hypot(Outra.Centro.x() - Mancha.Centro.x(), Outra.Centro.y() - Mancha.Centro.y());
            };
            const auto MaisProxima =
                std::min_element(NoPdf.begin(), NoPdf.end(), [&](const TMancha& A, const TMancha& B) {
                    return Distancia(A) < Distancia(B);
                });
            EXPECT_LE(Distancia(*MaisProxima), 0.5)
                << "mark at " << Mancha.Centro.x() << "," << Mancha.Centro.y();
        }
    }
}

// The alignment test page (grey slip outlines and a millimetre scale under the marks) holds the very
// same dark patches as the plain page, centred alike: a check of the marks reads both the same way, at
// any resolution.
TEST_F(LoteTest, TesteDeAlinhamentoNaoMudaAsMarcas) {
    Grava(QStringLiteral("jogos.txt"), DezJogosMega);
    for (const int Dpi : {96, 200}) {
        SCOPED_TRACE(Dpi);
        const auto Imprime = [&](const QString& Imagens, const QStringList& Extra) {
            const TResultadoProcesso Resultado = Executa(
                QStringList{QStringLiteral("--modalidade"), QStringLiteral("Mega-sena"),
                            QStringLiteral("--cotas"), QStringLiteral("5"), QStringLiteral("--png"), Imagens,
                            QStringLiteral("--dpi"), QString::number(Dpi), QStringLiteral("jogos.txt")} +
                Extra);
            EXPECT_EQ(Resultado.Situacao, 0) << Resultado.Erros.toStdString();
            return QImage(Caminho(Imagens + QStringLiteral("/pagina-0001.png")));
        };
        const QImage Simples = Imprime(QStringLiteral("simples-%1").arg(Dpi), {});
        const QImage Alinhamento =
            Imprime(QStringLiteral("regua-%1").arg(Dpi),
                    {QStringLiteral("--regua"), QStringLiteral("--esquerda"), QStringLiteral("0")});
        ASSERT_EQ(Simples.size(), Alinhamento.size());
        EXPECT_NE(Simples, Alinhamento) << "no outline or scale drawn";
        const std::vector<TMancha> NoSimples = ManchasEscuras(Simples);
        const std::vector<TMancha> NoAlinhamento = ManchasEscuras(Alinhamento);
        ASSERT_EQ(NoSimples.size(), NoAlinhamento.size());
        for (std::size_t Indice = 0; Indice < NoSimples.size(); ++Indice) {
            EXPECT_NEAR(NoSimples[Indice].Centro.x(), NoAlinhamento[Indice].Centro.x(), 0.5);
            EXPECT_NEAR(NoSimples[Indice].Centro.y(), NoAlinhamento[Indice].Centro.y(), 0.5);
            // Only the antialiased rim may darken over the grey picture.
            const QRect Caixa = NoSimples[Indice].Caixa;
            EXPECT_TRUE(Caixa.adjusted(-1, -1, 1, 1).contains(NoAlinhamento[Indice].Caixa) &&
                        NoAlinhamento[Indice].Caixa.contains(Caixa))
                << "patch at " << Caixa.x() << "," << Caixa.y();
        }
    }
}

// The calibration offsets move every mark together; a comma and a full stop are the same decimal sign.
TEST_F(LoteTest, AjusteFinoMoveAsMarcas) {
    Grava(QStringLiteral("jogos.txt"), DezJogosMega);
    const auto Imprime = [&](const QString& Imagens, const QStringList& Ajuste) {
        const TResultadoProcesso Resultado =
            Executa(QStringList{QStringLiteral("--modalidade"), QStringLiteral("Mega-sena"),
                                QStringLiteral("--png"), Imagens, QStringLiteral("jogos.txt")} +
                    Ajuste);
        EXPECT_EQ(Resultado.Situacao, 0) << Resultado.Erros.toStdString();
        return ManchasEscuras(QImage(Caminho(Imagens + QStringLiteral("/pagina-0001.png"))));
    };
    const std::vector<TMancha> SemAjuste = Imprime(QStringLiteral("sem"), {});
    const std::vector<TMancha> ComVirgula =
        Imprime(QStringLiteral("virgula"), {QStringLiteral("--esquerda"), QStringLiteral("2,5"),
                                            QStringLiteral("--topo"), QStringLiteral("-1")});
    const std::vector<TMancha> ComPonto =
        Imprime(QStringLiteral("ponto"), {QStringLiteral("--esquerda=2.5"), QStringLiteral("--topo=-1mm")});

    ASSERT_EQ(SemAjuste.size(), ComVirgula.size());
    ASSERT_EQ(ComVirgula.size(), ComPonto.size());
    const double PixelsPorMm = 96 / 25.4;
    for (std::size_t Indice = 0; Indice < SemAjuste.size(); ++Indice) {
        EXPECT_NEAR(ComVirgula[Indice].Centro.x() - SemAjuste[Indice].Centro.x(), 2.5 * PixelsPorMm, 0.6);
        EXPECT_NEAR(ComVirgula[Indice].Centro.y() - SemAjuste[Indice].Centro.y(), -1 * PixelsPorMm, 0.6);
        EXPECT_EQ(ComPonto[Indice].Centro, ComVirgula[Indice].Centro);
    }
}

TEST_F(LoteTest, JogoRepetidoFicaDeForaComAviso) {
    const TResultadoProcesso Resultado =
        Executa({QStringLiteral("--modalidade"), QStringLiteral("Mega-sena"), QStringLiteral("--pdf"),
                 QStringLiteral("volantes.pdf"), QStringLiteral("-")},
                "1 2 3 4 5 6\n10 20 30 40 50 60\n6,5,4,3,2,1\n");

    ASSERT_EQ(Resultado.Situacao, 0) << Resultado.Erros.toStdString();
    EXPECT_TRUE(Resultado.Erros.contains(QStringLiteral("Aviso: 01 02 03 04 05 06\nJogo Duplicado !")))
        << Resultado.Erros.toStdString();
    EXPECT_TRUE(Resultado.Saida.contains(QStringLiteral("2 jogos em 1 volante, 1 página")));
}

TEST_F(LoteTest, OrdemCrescenteOrdenaOsJogos) {
    for (const bool Crescente : {false, true}) {
        SCOPED_TRACE(Crescente);
        QStringList Argumentos{QStringLiteral("--modalidade"), QStringLiteral("Mega-sena"),
                               QStringLiteral("--pdf"), QStringLiteral("volantes.pdf"), QStringLiteral("-")};
        if (Crescente)
            Argumentos.prepend(QStringLiteral("--ordem-crescente"));
        ASSERT_EQ(Executa(Argumentos, "10 20 30 40 50 60\n01 02 03 04 05 06\n").Situacao, 0);
        const QString Texto = TextoDoPdf(Caminho(QStringLiteral("volantes.pdf")));
        const qsizetype Primeiro = Texto.indexOf(QStringLiteral("01 02 03 04 05 06"));
        const qsizetype Segundo = Texto.indexOf(QStringLiteral("10 20 30 40 50 60"));
        ASSERT_GE(Primeiro, 0);
        ASSERT_GE(Segundo, 0);
        EXPECT_EQ(Primeiro < Segundo, Crescente);
    }
}

TEST_F(LoteTest, AjudaEmPortugues) {
    const TResultadoProcesso Resultado = Executa({QStringLiteral("--help")});
    EXPECT_EQ(Resultado.Situacao, 0);
    for (const char* Esperado :
         {"Uso: cartelim-lote [opções] ARQUIVO", "--impressora NOME", "--png PASTA", "5  falha na saída"})
        EXPECT_TRUE(Resultado.Saida.contains(QString::fromUtf8(Esperado))) << Esperado;
}

// The counts read the Brazilian way even on a machine set to American English.
TEST_F(LoteTest, NumerosNoFormatoBrasileiroEmQualquerMaquina) {
    QByteArray Jogos;
    int Qde = 0;
    for (int Quinto = 5; Quinto <= 59 && Qde < 1002; ++Quinto)
        for (int Sexto = Quinto + 1; Sexto <= 60 && Qde < 1002; ++Sexto, ++Qde)
            Jogos += QStringLiteral("01 02 03 04 %1 %2\n").arg(Quinto).arg(Sexto).toLatin1();
    Grava(QStringLiteral("jogos.txt"), Jogos);
    const TResultadoProcesso Resultado = ExecutaLote(
        {QStringLiteral("--modalidade"), QStringLiteral("Mega-sena"), QStringLiteral("--pdf"),
         QStringLiteral("volantes.pdf"), QStringLiteral("jogos.txt")},
        Pasta.path(), {}, {QStringLiteral("LC_ALL=en_US.UTF-8"), QStringLiteral("LANG=en_US.UTF-8")});

    ASSERT_EQ(Resultado.Situacao, 0) << Resultado.Erros.toStdString();
    EXPECT_TRUE(Resultado.Saida.contains(QStringLiteral("1.002 jogos em 334 volantes, 112 páginas")))
        << Resultado.Saida.toStdString();
}

// Viewers are told to print the PDF at actual size, and the page is the paper of the run: A4 for the
// sheets, the slip itself on the +Milionária slip's own paper.
TEST_F(LoteTest, PdfImprimeEmTamanhoReal) {
    const struct {
        QStringList Argumentos;
        const char* Jogo;
        const char* Tamanho;
    } Casos[] = {
        {{QStringLiteral("--modalidade"), QStringLiteral("Mega-sena")}, "01 02 03 04 05 06\n", "842 x 595"},
        {{QStringLiteral("--modalidade"), QStringLiteral("Mais Milionária"), QStringLiteral("--modelo"),
          QStringLiteral("0"), QStringLiteral("--trevos"), QStringLiteral("1,2"),
          QStringLiteral("--volante-original")},
         "01 02 03 04 05 06\n",
         "595.276 x 425.197"},
    };
    for (const auto& Caso : Casos) {
        SCOPED_TRACE(Caso.Argumentos.join(u' ').toStdString());
        const TResultadoProcesso Resultado =
            Executa(Caso.Argumentos + QStringList{QStringLiteral("--pdf"), QStringLiteral("volantes.pdf"),
                                                  QStringLiteral("-")},
                    Caso.Jogo);
        ASSERT_EQ(Resultado.Situacao, 0) << Resultado.Erros.toStdString();
        QFile Pdf(Caminho(QStringLiteral("volantes.pdf")));
        ASSERT_TRUE(Pdf.open(QIODevice::ReadOnly));
        EXPECT_TRUE(Pdf.readAll().contains("/ViewerPreferences << /PrintScaling /None >>"));
        EXPECT_TRUE(ExecutaFerramenta(QStringLiteral("pdfinfo"), {Pdf.fileName()})
                        .contains(QStringLiteral("Page size:       ") + QLatin1String(Caso.Tamanho)));
    }
}

TEST_F(LoteTest, VersaoDoPrograma) {
    const TResultadoProcesso Resultado = Executa({QStringLiteral("--version")});
    EXPECT_EQ(Resultado.Situacao, 0);
    EXPECT_EQ(Resultado.Saida, QStringLiteral("cartelim-lote " CARTELIM_VERSAO_DO_PROJETO "\n"));
    EXPECT_TRUE(Executa({QStringLiteral("--help")}).Saida.contains(QStringLiteral("--version")));
}

// A person at a terminal sees the pages done of each output on one line rewritten in place; a script
// reading standard error sees nothing of it (every other test runs with a pipe there).
TEST_F(LoteTest, ProgressoNoTerminal) {
    const TResultadoProcesso Resultado =
        ExecutaLoteNoTerminal({QStringLiteral("--modalidade"), QStringLiteral("Mega-sena"),
                               QStringLiteral("--pdf"), QStringLiteral("volantes.pdf"),
                               QStringLiteral("--png"), QStringLiteral("imagens"), QStringLiteral("-")},
                              Pasta.path(), DezJogosMega);
    ASSERT_EQ(Resultado.Situacao, 0) << Resultado.Erros.toStdString();
    for (const char* Esperado : {"\rPDF: 1 de 2 páginas (50%)", "\rPDF: 2 de 2 páginas (100%)\r\n",
                                 "\rImagens PNG: 2 de 2 páginas (100%)\r\n"})
        EXPECT_TRUE(Resultado.Erros.contains(QString::fromUtf8(Esperado))) << Resultado.Erros.toStdString();

    const TResultadoProcesso SemTerminal =
        Executa({QStringLiteral("--modalidade"), QStringLiteral("Mega-sena"), QStringLiteral("--pdf"),
                 QStringLiteral("volantes.pdf"), QStringLiteral("-")},
                DezJogosMega);
    EXPECT_EQ(SemTerminal.Erros, QString());
}

// A failure leaves the earlier file of the same name as it was.
TEST_F(LoteTest, FalhaGuardaOArquivoAnterior) {
    Grava(QStringLiteral("jogos.txt"), DezJogosMega);
    Grava(QStringLiteral("volantes.pdf"), "versão anterior");
    const TResultadoProcesso Resultado =
        Executa({QStringLiteral("--modalidade"), QStringLiteral("Mega-sena"), QStringLiteral("--pdf"),
                 QStringLiteral("volantes.pdf"), QStringLiteral("--impressora"), QStringLiteral("Nenhuma"),
                 QStringLiteral("jogos.txt")});

    EXPECT_EQ(Resultado.Situacao, 5);
    QFile Anterior(Caminho(QStringLiteral("volantes.pdf")));
    ASSERT_TRUE(Anterior.open(QIODevice::ReadOnly));
    EXPECT_EQ(Anterior.readAll(), QByteArray("versão anterior"));
    EXPECT_EQ(ArquivosEm(Pasta.path()),
              QStringList({QStringLiteral("jogos.txt"), QStringLiteral("volantes.pdf")}));
}

// Each exit status with its message; on any failure no output file is left behind. Every case asks
// for a PDF and page images in the run's folder (unless it is about the outputs themselves).
struct TCasoSituacao {
    const char* Nome;
    QStringList Argumentos; // after --modalidade Mega-sena; "jogos.txt" holds Jogos
    QByteArray Jogos;
    int Situacao;
    const char* Mensagem; // part of the standard error
};

void PrintTo(const TCasoSituacao& Caso, std::ostream* Saida) {
    *Saida << Caso.Nome;
}

class SituacaoDeSaidaTest : public LoteTest, public testing::WithParamInterface<TCasoSituacao> {};

TEST_P(SituacaoDeSaidaTest, SaiComASituacaoEAMensagem) {
    const TCasoSituacao& Caso = GetParam();
    Grava(QStringLiteral("jogos.txt"), Caso.Jogos);
    const QStringList Antes = ArquivosEm(Pasta.path());

    const TResultadoProcesso Resultado =
        Executa(QStringList{QStringLiteral("--modalidade"), QStringLiteral("Mega-sena")} + Caso.Argumentos);

    EXPECT_EQ(Resultado.Situacao, Caso.Situacao) << Resultado.Erros.toStdString();
    EXPECT_TRUE(Resultado.Erros.contains(QString::fromUtf8(Caso.Mensagem))) << Resultado.Erros.toStdString();
    if (Caso.Situacao == 0) {
        EXPECT_NE(ArquivosEm(Pasta.path()), Antes);
    } else {
        EXPECT_EQ(ArquivosEm(Pasta.path()), Antes) << "an output was left behind";
    }
    if (Caso.Situacao == 2) {
        EXPECT_TRUE(Resultado.Erros.contains(QStringLiteral("Uso: cartelim-lote")));
    }
}

const QStringList Saidas{QStringLiteral("--pdf"), QStringLiteral("volantes.pdf"), QStringLiteral("--png"),
                         QStringLiteral("imagens")};
const QString Jogos = QStringLiteral("jogos.txt");

INSTANTIATE_TEST_SUITE_P(
    Lote, SituacaoDeSaidaTest,
    testing::Values(
        TCasoSituacao{"Impresso", Saidas + QStringList{Jogos}, DezJogosMega, 0, ""},
        TCasoSituacao{"OpcaoDesconhecida", Saidas + QStringList{QStringLiteral("--cores"), Jogos},
                      DezJogosMega, 2, "Erro: Opção desconhecida: --cores"},
        TCasoSituacao{"SemSaida", {Jogos}, DezJogosMega, 2, "Escolha pelo menos uma saída"},
        TCasoSituacao{"SemArquivo", Saidas, DezJogosMega, 2, "Falta o arquivo de jogos"},
        TCasoSituacao{"ArquivoDeNomeVazio", Saidas + QStringList{QString()}, DezJogosMega, 2,
                      "O nome do arquivo de jogos está vazio"},
        TCasoSituacao{"ArquivoInexistente", Saidas + QStringList{QStringLiteral("outro.txt")}, DezJogosMega,
                      2, "O arquivo \"outro.txt\" não foi encontrado."},
        TCasoSituacao{"PastaNoLugarDoArquivo", Saidas + QStringList{QStringLiteral("/")}, DezJogosMega, 2,
                      "\"/\" é uma pasta, não um arquivo de texto."},
        TCasoSituacao{"ArquivoQueNaoTermina", Saidas + QStringList{QStringLiteral("/dev/zero")}, DezJogosMega,
                      2, "\"/dev/zero\" não é um arquivo comum e não pode ser lido como texto."},
        TCasoSituacao{"CorTransparente",
                      Saidas + QStringList{QStringLiteral("--cor"), QStringLiteral("transparent"), Jogos},
                      DezJogosMega, 2, "--cor: a cor \"transparent\" é transparente"},
        TCasoSituacao{"CorTranslucida",
                      Saidas + QStringList{QStringLiteral("--cor"), QStringLiteral("#80ff0000"), Jogos},
                      DezJogosMega, 2, "--cor: a cor \"#80ff0000\" é transparente"},
        TCasoSituacao{"CorOpaca",
                      Saidas + QStringList{QStringLiteral("--cor"), QStringLiteral("#ffff0000"), Jogos},
                      DezJogosMega, 0, ""},
        TCasoSituacao{"NumerosForaDasEscolhas",
                      Saidas + QStringList{QStringLiteral("--numeros"), QStringLiteral("5"), Jogos},
                      DezJogosMega, 2, "--numeros: 5 não é uma escolha para Mega-Sena"},
        TCasoSituacao{"JogosPorVolanteForaDasEscolhas",
                      Saidas + QStringList{QStringLiteral("--jogos-por-volante"), QStringLiteral("4"), Jogos},
                      DezJogosMega, 2, "use 1, 2 ou 3"},
        TCasoSituacao{"MesInvalido",
                      Saidas + QStringList{QStringLiteral("--mes"), QStringLiteral("13"), Jogos},
                      DezJogosMega, 2, "--mes: use um mês de 1 a 12."},
        TCasoSituacao{"LinhaInvalida", Saidas + QStringList{Jogos}, DezJogosMega + "1 2 3 4 5 61\n", 3,
                      "Jogo : 01 02 03 04 05 61\n Número/Texto 61 Fora da Faixa de Números da Modalidade\n"
                      "Aviso: Nenhum Jogo Foi Validado na Importação !"},
        TCasoSituacao{"SoComentarios", Saidas + QStringList{Jogos}, "// nada\n\n", 3,
                      "Aviso: Nenhum Jogo Foi Validado na Importação !"},
        TCasoSituacao{"ArquivoVazio", Saidas + QStringList{Jogos}, "", 3,
                      "Aviso: No Momento a Lista de Jogos está Vazia !"},
        TCasoSituacao{"PrimeiraLinhaCurta", Saidas + QStringList{Jogos}, "1 2 3 4 5\n", 3,
                      "A primeira linha de jogo tem 5 números"},
        TCasoSituacao{"BolaoComTeimosinha",
                      Saidas + QStringList{QStringLiteral("--cotas"), QStringLiteral("5"),
                                           QStringLiteral("--teimosinha"), QStringLiteral("2"), Jogos},
                      DezJogosMega, 4, "Erro: Esta Modalidade Não Permite Bolão com Teimosinha"},
        TCasoSituacao{"DezesseisDezenas", Saidas + QStringList{Jogos},
                      "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16\n", 4,
                      "Mega com 16 ou mais dezenas por volante"},
        TCasoSituacao{"PastaDoPdfInexistente",
                      {QStringLiteral("--png"), QStringLiteral("imagens"), QStringLiteral("--pdf"),
                       QStringLiteral("falta/volantes.pdf"), Jogos},
                      DezJogosMega,
                      5,
                      "Não foi possível gravar o arquivo PDF"},
        TCasoSituacao{
            "PngSobreUmArquivo",
            {QStringLiteral("--pdf"), QStringLiteral("volantes.pdf"), QStringLiteral("--png"), Jogos, Jogos},
            DezJogosMega,
            5,
            "Não foi possível criar a pasta das imagens"},
        // The PDF and the images are drawn before the printer is tried, and then thrown away.
        TCasoSituacao{
            "ImpressoraDesconhecida",
            Saidas + QStringList{QStringLiteral("--impressora"), QStringLiteral("Nenhuma Impressora"), Jogos},
            DezJogosMega, 5, "A impressora \"Nenhuma Impressora\" não foi encontrada."}),
    [](const testing::TestParamInfo<TCasoSituacao>& Info) { return std::string(Info.param.Nome); });

} // namespace
