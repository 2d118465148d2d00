// What cartelim-lote reads and how it tells of it: the import tab's decoding and limits, sources
// that never end or never start, and messages that quote whatever the games file held.
#include "ApoioLote.h"
#include "apoio/TextosEstranhos.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QStringList ParaPdf = {u"--modalidade"_s, u"Mega-sena"_s, u"--pdf"_s, u"volantes.pdf"_s};

// Writes Conteudo into the file Nome of Pasta; Nome, or empty when it could not be written.
QString GravaEm(const QTemporaryDir& Pasta, const QString& Nome, const QByteArray& Conteudo) {
    QFile Arquivo(Pasta.filePath(Nome));
    if (!Arquivo.open(QIODevice::WriteOnly) || Arquivo.write(Conteudo) != Conteudo.size())
        return {};
    return Nome;
}

class LeituraLoteTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Pasta.isValid()); }
    QString Grava(const QString& Nome, const QByteArray& Conteudo) const {
        EXPECT_FALSE(GravaEm(Pasta, Nome, Conteudo).isEmpty());
        return Pasta.filePath(Nome);
    }
    QTemporaryDir Pasta;
};

// /dev/zero on standard input is read up to the limit and refused, not until memory runs out.
TEST_F(LeituraLoteTest, EntradaSemFimRecusadaNoLimite) {
    const TResultadoProcesso Resultado =
        ExecutaLoteLendo(ParaPdf + QStringList{u"-"_s}, Pasta.path(), u"/dev/zero"_s);
    EXPECT_EQ(Resultado.Situacao, 2);
    EXPECT_TRUE(
        Resultado.Erros.contains(u"A entrada padrão tem mais do que a área de jogos aceita (64 MB)."_s))
        << Resultado.Erros.toStdString();
}

// A named pipe nobody writes to is refused at once instead of waiting forever.
TEST_F(LeituraLoteTest, FilaSemEscritorRecusadaSemEsperar) {
    const QString Fila = Pasta.filePath(u"fila"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(Fila).constData(), 0600), 0);
    const TResultadoProcesso Resultado = ExecutaLote(ParaPdf + QStringList{u"fila"_s}, Pasta.path());
    EXPECT_EQ(Resultado.Situacao, 2);
    EXPECT_TRUE(
        Resultado.Erros.contains(u"\"fila\" não é um arquivo comum e não pode ser lido como texto."_s))
        << Resultado.Erros.toStdString();
}

// The rejected line holds a NUL: the message is written whole, the NUL shown as "\0"; a huge
// rejected line is cut as the window cuts it.
TEST_F(LeituraLoteTest, MensagensInteirasECortadas) {
    Grava(u"nul.txt"_s, QByteArray("01 02 03 04 05 06 x\0y\n", 22));
    const TResultadoProcesso ComNul = ExecutaLote(ParaPdf + QStringList{u"nul.txt"_s}, Pasta.path());
    EXPECT_EQ(ComNul.Situacao, 3);
    EXPECT_TRUE(ComNul.Erros.contains(u"Número/Texto x\\0y Fora da Faixa"_s)) << ComNul.Erros.toStdString();
    EXPECT_TRUE(ComNul.Erros.contains(u"Nenhum Jogo Foi Validado na Importação !"_s));

    Grava(u"longa.txt"_s, "01 02 03 04 05 06 " + QByteArray(9'000, 'x') + '\n');
    const TResultadoProcesso Longa = ExecutaLote(ParaPdf + QStringList{u"longa.txt"_s}, Pasta.path());
    EXPECT_EQ(Longa.Situacao, 3);
    EXPECT_LT(Longa.Erros.size(), 2000) << "the whole line was echoed";
    EXPECT_TRUE(Longa.Erros.contains(u"xxx …\n"_s)) << Longa.Erros.left(2000).toStdString();
}

struct TCasoDeLimite {
    const char* Nome;
    QByteArray Conteudo;
    QString Mensagem; // written to standard error
};

// Quantidade lines of one letter: each counts as a game line, the first one is refused as a game.
QByteArray LinhasDeUmaLetra(qsizetype Quantidade) {
    return QByteArray("x\n").repeated(Quantidade);
}

const QString LetraRecusada = u"Jogo : 0x"_s;

// The limits of the import tab, at the limit and one past it: past it the file is refused whole
// before any game is checked, with status 3 and nothing written.
TEST_F(LeituraLoteTest, LimitesDaTelaDeImportacao) {
    const QList<TCasoDeLimite> Casos{
        {"linha no limite", 'x' + QByteArray(9'999, ' ') + '\n', LetraRecusada},
        {"linha longa demais", "01 02 03 04 05 06\nx" + QByteArray(10'000, ' ') + '\n',
         u"A linha 2 tem 10.001 caracteres, mais do que uma linha de jogo aceita (10.000). Nenhum jogo foi "
         u"importado."_s},
        {"jogos no limite", LinhasDeUmaLetra(2'000'000), LetraRecusada},
        {"jogos demais", LinhasDeUmaLetra(2'000'001),
         u"O texto tem mais de 2.000.000 linhas de jogo, mais do que um fechamento aceita. Divida os jogos "
         u"em "
         u"fechamentos menores. Nenhum jogo foi importado."_s},
    };
    for (const TCasoDeLimite& Caso : Casos) {
        SCOPED_TRACE(Caso.Nome);
        Grava(u"jogos.txt"_s, Caso.Conteudo);
        const TResultadoProcesso Resultado =
            ExecutaLote(ParaPdf + QStringList{u"--numeros"_s, u"6"_s, u"jogos.txt"_s}, Pasta.path());
        EXPECT_EQ(Resultado.Situacao, 3);
        EXPECT_TRUE(Resultado.Erros.contains(Caso.Mensagem)) << Resultado.Erros.left(2000).toStdString();
        EXPECT_EQ(ArquivosEm(Pasta.path()), QStringList{u"jogos.txt"_s});
    }
}

struct TFonteHostil {
    const char* Nome;
    // Makes the games source in the folder; the argument that names it.
    std::function<QString(const QTemporaryDir& Pasta)> Prepara;
    int Situacao;
    QString Mensagem; // on standard error
};

void PrintTo(const TFonteHostil& Caso, std::ostream* Saida) {
    *Saida << Caso.Nome;
}

class FonteHostilLote : public LeituraLoteTest, public testing::WithParamInterface<TFonteHostil> {};

// Games files no one meant to print: each is refused with its reason, quickly and in bounded memory,
// and nothing is written beside it.
TEST_P(FonteHostilLote, RecusadaSemDeixarNada) {
    const TFonteHostil& Caso = GetParam();
    const QString Argumento = Caso.Prepara(Pasta);
    ASSERT_FALSE(Argumento.isEmpty());
    const QStringList Antes = ArquivosEm(Pasta.path());
    const TResultadoProcesso Resultado = ExecutaLote(ParaPdf + QStringList{Argumento}, Pasta.path());
    EXPECT_EQ(Resultado.Situacao, Caso.Situacao);
    EXPECT_TRUE(Resultado.Erros.contains(Caso.Mensagem)) << Resultado.Erros.left(2000).toStdString();
    EXPECT_EQ(ArquivosEm(Pasta.path()), Antes);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FonteHostilLote,
    testing::Values(
        TFonteHostil{"Pasta",
                     [](const QTemporaryDir& Pasta) {
                         return QDir(Pasta.path()).mkdir(u"jogos.txt"_s) ? u"jogos.txt"_s : QString();
                     },
                     2, u"\"jogos.txt\" é uma pasta, não um arquivo de texto."_s},
        // A device that never ends, named or behind a link: refused for what it is, never read.
        TFonteHostil{"DispositivoSemFim", [](const QTemporaryDir&) { return u"/dev/zero"_s; }, 2,
                     u"\"/dev/zero\" não é um arquivo comum e não pode ser lido como texto."_s},
        TFonteHostil{"LigacaoParaDispositivo",
                     [](const QTemporaryDir& Pasta) {
                         return QFile::link(u"/dev/zero"_s, Pasta.filePath(u"zero.txt"_s)) ? u"zero.txt"_s
                                                                                           : QString();
                     },
                     2, u"\"zero.txt\" não é um arquivo comum e não pode ser lido como texto."_s},
        // One line of 100 MB: refused by its size before it is read.
        TFonteHostil{"LinhaDeCemMegabytes",
                     [](const QTemporaryDir& Pasta) {
                         return GravaEm(Pasta, u"jogos.txt"_s, QByteArray(100 * 1024 * 1024, '7') + '\n');
                     },
                     2,
                     u"O arquivo \"jogos.txt\" tem 100 MB, mais do que a área de jogos aceita (64 MB). "
                     u"Divida-o em arquivos menores."_s},
        // One line of 60 MB, within the file's size: read, and refused by the line's length.
        TFonteHostil{"LinhaDeSessentaMegabytes",
                     [](const QTemporaryDir& Pasta) {
                         return GravaEm(Pasta, u"jogos.txt"_s,
                                        "01 02 03 04 05 06 " + QByteArray(60 * 1024 * 1024, '7') + '\n');
                     },
                     3,
                     u"A linha 1 tem 62.914.578 caracteres, mais do que uma linha de jogo aceita (10.000). "
                     u"Nenhum jogo foi importado."_s}),
    [](const testing::TestParamInfo<TFonteHostil>& Info) { return std::string(Info.param.Nome); });

class TextoEstranhoLote : public LeituraLoteTest, public testing::WithParamInterface<TTextoEstranho> {};

// The odd file gives the same run (status and every message) as its text given in plain UTF-8: the
// batch tool decodes it as the import tab does.
TEST_P(TextoEstranhoLote, ComoATelaDeImportacaoLe) {
    Grava(u"jogos.txt"_s, GetParam().Bytes);
    const TResultadoProcesso DoArquivo = ExecutaLote(ParaPdf + QStringList{u"jogos.txt"_s}, Pasta.path());
    const TResultadoProcesso DoTexto =
        ExecutaLote(ParaPdf + QStringList{u"-"_s}, Pasta.path(), "\xEF\xBB\xBF" + GetParam().Texto.toUtf8());
    EXPECT_EQ(DoArquivo.Situacao, DoTexto.Situacao);
    EXPECT_EQ(DoArquivo.Erros, DoTexto.Erros);
}

INSTANTIATE_TEST_SUITE_P(Casos, TextoEstranhoLote, testing::ValuesIn(TodosOsTextosEstranhos()),
                         [](const testing::TestParamInfo<TTextoEstranho>& Info) {
                             return std::string(Info.param.Nome);
                         });

} // namespace

namespace {

// Names that are not valid UTF-8 (an old Latin-1 "é") name the very files read and written. The
// arguments go through a shell, which passes bytes as they are.
TEST(CaminhosLote, NomesQueNaoSaoUtf8) {
    QTemporaryDir Pasta;
    ASSERT_TRUE(Pasta.isValid());
    QProcess Processo;
    Processo.setWorkingDirectory(Pasta.path());
    Processo.start(u"sh"_s, {u"-c"_s,
                             u"J=$(printf 'jogos-\\351.txt'); printf '1 2 3 4 5 6\\n' > \"$J\"; "
                             u"exec \"$0\" --modalidade Mega-sena --pdf \"$(printf 'v-\\351.pdf')\" "
                             u"--png \"$(printf 'imagens-\\351')\" \"$J\""_s,
                             QStringLiteral(CARTELIM_LOTE)});
    ASSERT_TRUE(Processo.waitForFinished(120000));
    EXPECT_EQ(Processo.exitCode(), 0) << Processo.readAllStandardError().toStdString();
    const QByteArray Raiz = QFile::encodeName(Pasta.path()) + '/';
    for (const QByteArray& Nome : {QByteArray("v-\xE9.pdf"), QByteArray("imagens-\xE9/pagina-0001.png")})
        EXPECT_EQ(::access(QByteArray(Raiz + Nome).constData(), F_OK), 0) << Nome.toStdString();
    // Nothing else, no file of a replaced name; Qt cannot list such names, so the shell does, and
    // removes them.
    QProcess Lista;
    Lista.setWorkingDirectory(Pasta.path());
    Lista.start(u"sh"_s, {u"-c"_s, u"find . -type f | wc -l; rm -rf ./*"_s});
    ASSERT_TRUE(Lista.waitForFinished());
    EXPECT_EQ(Lista.readAllStandardOutput().trimmed(), QByteArray("3"));
}

} // namespace
