// cartelim-lote on a disk that fills up and in a PNG folder it cannot wholly replace: the run fails
// with status 5 and every earlier output stays as it was.
#include "ApoioLote.h"
#include "apoio/DiscoPequeno.h"
#include "apoio/SomenteLeitura.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>

using namespace Qt::StringLiterals;

namespace {

// Different Mega-Sena games, the first combinations in ascending order: enough for many pages.
QByteArray MuitosJogos(int Quantidade) {
    int Numeros[6] = {1, 2, 3, 4, 5, 6};
    QByteArray Texto;
    for (int Jogo = 0; Jogo < Quantidade; ++Jogo) {
        for (int Numero : Numeros)
            Texto += QByteArray::number(Numero) + ' ';
        Texto += '\n';
        int Posicao = 5;
        while (Numeros[Posicao] == 60 - (5 - Posicao))
            --Posicao;
        ++Numeros[Posicao];
        for (int Seguinte = Posicao + 1; Seguinte < 6; ++Seguinte)
            Numeros[Seguinte] = Numeros[Seguinte - 1] + 1;
    }
    return Texto;
}

const QStringList Mega = {u"--modalidade"_s, u"Mega-sena"_s};

struct TCasoDisco {
    const char* Nome;
    QStringList Saida; // the output options; their targets lie on the small disk
    QString Anterior;  // an earlier output file that must survive, relative to the disk
    qint64 Livre;      // room left on the disk
    const char* Mensagem;
};

void PrintTo(const TCasoDisco& Caso, std::ostream* Saida) {
    *Saida << Caso.Nome;
}

class DiscoCheioLoteTest : public testing::TestWithParam<TCasoDisco> {};

TEST_P(DiscoCheioLoteTest, SaiComFalhaNaSaidaEGuardaOAnterior) {
    const TCasoDisco& Caso = GetParam();
    TDiscoPequeno Disco;
    if (!Disco.Montado())
        GTEST_SKIP() << Disco.Motivo().toStdString();
    QTemporaryDir Pasta;
    ASSERT_TRUE(Pasta.isValid());
    QFile Jogos(Pasta.filePath(u"jogos.txt"_s));
    ASSERT_TRUE(Jogos.open(QIODevice::WriteOnly));
    Jogos.write(MuitosJogos(4)); // one page
    Jogos.close();
    ASSERT_TRUE(QDir().mkpath(Disco.Caminho(u"imagens"_s)));
    ASSERT_TRUE(Disco.Grava(Caso.Anterior, "versão anterior"));
    ASSERT_TRUE(Disco.Enche(Caso.Livre));

    QStringList Argumentos = Mega;
    for (const QString& Opcao : Caso.Saida)
        Argumentos.append(Opcao.startsWith(u"--"_s) ? Opcao : Disco.Caminho(Opcao));
    const TResultadoProcesso Resultado = ExecutaLote(Argumentos + QStringList{u"jogos.txt"_s}, Pasta.path());

    EXPECT_EQ(Resultado.Situacao, 5) << Resultado.Erros.toStdString();
    EXPECT_TRUE(Resultado.Erros.contains(QString::fromUtf8(Caso.Mensagem))) << Resultado.Erros.toStdString();
    EXPECT_EQ(ConteudoDe(Disco.Caminho(Caso.Anterior)), QByteArray("versão anterior"));
    QStringList Esperados = {u".enchimento"_s, Caso.Anterior};
    Esperados.sort();
    EXPECT_EQ(ArquivosEm(Disco.Caminho({})), Esperados) << "a partial or temporary file was left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Lote, DiscoCheioLoteTest,
    // The one-page PDF (about 8 KB) fits in Qt's write buffer (16 KB) and fails only when it is
    // closed; the page image (about 22 KB) gets its first 16 KB in and fails on the rest when closed.
    testing::Values(TCasoDisco{"Pdf",
                               {u"--pdf"_s, u"volantes.pdf"_s},
                               u"volantes.pdf"_s,
                               4096,
                               "Não foi possível gravar o arquivo PDF"},
                    TCasoDisco{"Png",
                               {u"--png"_s, u"imagens"_s},
                               u"imagens/pagina-0001.png"_s,
                               20480,
                               "Não foi possível gravar a imagem"}),
    [](const testing::TestParamInfo<TCasoDisco>& Info) { return std::string(Info.param.Nome); });

// An output folder no one can write to: the run fails with status 5, names the file, and leaves
// nothing there, not even a temporary file.
TEST(PastaSomenteLeituraLote, SaiComFalhaNaSaidaSemDeixarNada) {
    QTemporaryDir Pasta;
    ASSERT_TRUE(Pasta.isValid());
    ASSERT_TRUE(QDir().mkpath(Pasta.filePath(u"saida/imagens"_s)));
    QFile Jogos(Pasta.filePath(u"jogos.txt"_s));
    ASSERT_TRUE(Jogos.open(QIODevice::WriteOnly));
    Jogos.write(MuitosJogos(4));
    Jogos.close();
    const TSomenteLeitura Trava(Pasta.filePath(u"saida"_s));
    if (!Trava.Feito())
        GTEST_SKIP() << Trava.Motivo().toStdString();
    const struct {
        QStringList Saida;
        QString Mensagem;
    } Casos[] = {{{u"--pdf"_s, u"saida/volantes.pdf"_s}, u"Não foi possível gravar o arquivo PDF"_s},
                 {{u"--png"_s, u"saida/imagens"_s}, u"Não foi possível gravar a imagem"_s}};
    for (const auto& Caso : Casos) {
        SCOPED_TRACE(Caso.Saida.join(u' ').toStdString());
        const TResultadoProcesso Resultado =
            ExecutaLote(Mega + Caso.Saida + QStringList{u"jogos.txt"_s}, Pasta.path());
        EXPECT_EQ(Resultado.Situacao, 5);
        EXPECT_TRUE(Resultado.Erros.contains(Caso.Mensagem)) << Resultado.Erros.toStdString();
        EXPECT_EQ(ArquivosEm(Pasta.filePath(u"saida"_s)), QStringList());
    }
}

class PastaPngTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Pasta.isValid());
        ASSERT_TRUE(QDir().mkpath(Pasta.filePath(u"imagens"_s)));
        QFile Jogos(Pasta.filePath(u"jogos.txt"_s));
        ASSERT_TRUE(Jogos.open(QIODevice::WriteOnly));
        Jogos.write(MuitosJogos(10)); // four slips, two pages
    }
    QString Pagina(int Numero) const {
        return Pasta.filePath(u"imagens/pagina-%1.png"_s.arg(Numero, 4, 10, QChar(u'0')));
    }
    bool GravaPagina(int Numero, const QByteArray& Conteudo) const {
        QFile Arquivo(Pagina(Numero));
        return Arquivo.open(QIODevice::WriteOnly) && Arquivo.write(Conteudo) == Conteudo.size();
    }
    TResultadoProcesso ImprimeEmPng() const {
        return ExecutaLote(Mega + QStringList{u"--png"_s, u"imagens"_s, u"jogos.txt"_s}, Pasta.path());
    }

    QTemporaryDir Pasta;
};

// A folder where the second page should go: nothing is replaced, the earlier first page included.
TEST_F(PastaPngTest, PastaNoLugarDeUmaPaginaGuardaAsAnteriores) {
    ASSERT_TRUE(GravaPagina(1, "página anterior"));
    ASSERT_TRUE(QDir().mkpath(Pagina(2)));

    const TResultadoProcesso Resultado = ImprimeEmPng();
    EXPECT_EQ(Resultado.Situacao, 5);
    EXPECT_TRUE(Resultado.Erros.contains(u"pagina-0002.png\".\nJá existe uma pasta com esse nome."_s))
        << Resultado.Erros.toStdString();
    EXPECT_EQ(ConteudoDe(Pagina(1)), QByteArray("página anterior"));
    EXPECT_EQ(ArquivosEm(Pasta.filePath(u"imagens"_s)), QStringList{u"pagina-0001.png"_s});
}

// A page that cannot be moved aside (a file mounted over it) fails the run after the first new page
// is in place: that page is taken back and the earlier one restored.
TEST_F(PastaPngTest, PaginaQueNaoSaiDoLugarRestauraAsAnteriores) {
    ASSERT_TRUE(GravaPagina(1, "página 1 anterior"));
    ASSERT_TRUE(GravaPagina(2, "página 2 anterior"));
    const QByteArray Ponto = QFile::encodeName(Pagina(2));
    if (::mount(QFile::encodeName(Pasta.filePath(u"jogos.txt"_s)).constData(), Ponto.constData(), nullptr,
                MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "a file cannot be bind-mounted here (needs root)";
    const TResultadoProcesso Resultado = ImprimeEmPng();
    ::umount2(Ponto.constData(), MNT_DETACH);

    EXPECT_EQ(Resultado.Situacao, 5) << Resultado.Erros.toStdString();
    EXPECT_TRUE(Resultado.Erros.contains(u"Não foi possível gravar a imagem"_s))
        << Resultado.Erros.toStdString();
    EXPECT_EQ(ConteudoDe(Pagina(1)), QByteArray("página 1 anterior"));
    EXPECT_EQ(ConteudoDe(Pagina(2)), QByteArray("página 2 anterior"));
    EXPECT_EQ(ArquivosEm(Pasta.filePath(u"imagens"_s)),
              QStringList({u"pagina-0001.png"_s, u"pagina-0002.png"_s}));
}

} // namespace
