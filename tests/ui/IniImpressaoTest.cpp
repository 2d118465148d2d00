#include "ui/ArquivoIni.h"
#include "ui/LocalImpressaoIni.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

TEST(ArquivoIni, ReadsSectionsAndKeysAsPeopleWriteThem) {
    const TArquivoIni Arquivo =
        TArquivoIni::DeTexto(QByteArrayLiteral("; calibração da impressora\n"
                                               "[Mega-Sena_Modelo-0_A4-Sim_Guia-Nao]\n"
                                               "Esquerda = 1,5\n"
                                               "  topo=-2\n"
                                               "linha estragada\n"
                                               "=sem chave\n"
                                               "[Mais Milionária_Modelo-1_A4-Nao_Guia-Sim]\n"
                                               "Esquerda=0,25\n"
                                               "[Mega-Sena_Modelo-0_A4-Sim_Guia-Nao]\n"
                                               "Esquerda=9\n"));
    struct TCaso {
        QString Secao, Chave;
        std::optional<QString> Esperado;
    };
    const TCaso Casos[] = {
        {QStringLiteral("Mega-Sena_Modelo-0_A4-Sim_Guia-Nao"), QStringLiteral("Esquerda"),
         QStringLiteral("1,5")},
        {QStringLiteral("MEGA-SENA_MODELO-0_A4-SIM_GUIA-NAO"), QStringLiteral("Topo"), QStringLiteral("-2")},
        {QStringLiteral("Mais Milionária_Modelo-1_A4-Nao_Guia-Sim"), QStringLiteral("Esquerda"),
         QStringLiteral("0,25")},
        {QStringLiteral("Mais Milionária_Modelo-1_A4-Nao_Guia-Sim"), QStringLiteral("Topo"), std::nullopt},
        {QStringLiteral("Quina_Modelo-0_A4-Sim_Guia-Nao"), QStringLiteral("Esquerda"), std::nullopt},
        {QStringLiteral("Mega-Sena_Modelo-0_A4-Sim_Guia-Nao"), QStringLiteral("linha estragada"),
         std::nullopt},
    };
    for (const TCaso& Caso : Casos)
        EXPECT_EQ(Arquivo.Valor(Caso.Secao, Caso.Chave), Caso.Esperado)
            << Caso.Secao.toStdString() << " " << Caso.Chave.toStdString();
}

TEST(ArquivoIni, ChangesOnlyTheLinesOfItsKeys) {
    TArquivoIni Arquivo = TArquivoIni::DeTexto(QByteArrayLiteral("; feito à mão\n"
                                                                 "[A]\n"
                                                                 "Esquerda=1\n"
                                                                 "outra coisa\n"
                                                                 "\n"
                                                                 "[B]\n"
                                                                 "Topo=2\n"));
    Arquivo.DefineValor(QStringLiteral("a"), QStringLiteral("ESQUERDA"), QStringLiteral("1,5"));
    Arquivo.DefineValor(QStringLiteral("A"), QStringLiteral("Topo"), QStringLiteral("-2"));
    Arquivo.DefineValor(QStringLiteral("Dia de Sorte_Modelo-1_A4-Nao_Guia-Sim"), QStringLiteral("Esquerda"),
                        QStringLiteral("0,3"));
    EXPECT_EQ(QString::fromUtf8(Arquivo.Conteudo()),
              QStringLiteral("; feito à mão\n"
                             "[A]\n"
                             "ESQUERDA=1,5\n"
                             "outra coisa\n"
                             "Topo=-2\n"
                             "\n"
                             "[B]\n"
                             "Topo=2\n"
                             "\n"
                             "[Dia de Sorte_Modelo-1_A4-Nao_Guia-Sim]\n"
                             "Esquerda=0,3\n"));
}

TEST(ArquivoIni, KeepsLineEndsAndByteOrderMarkAndReadsLatin1) {
    TArquivoIni Windows = TArquivoIni::DeTexto(QByteArrayLiteral("\xEF\xBB\xBF[A]\r\nTopo=1\r\n"));
    Windows.DefineValor(QStringLiteral("A"), QStringLiteral("Esquerda"), QStringLiteral("2"));
    EXPECT_EQ(Windows.Conteudo(), QByteArrayLiteral("\xEF\xBB\xBF[A]\r\nTopo=1\r\nEsquerda=2\r\n"));

    const TArquivoIni Antigo = TArquivoIni::DeTexto(QByteArrayLiteral("[Mais Milion\xE1ria]\nTopo=3\n"));
    EXPECT_EQ(Antigo.Valor(QStringLiteral("Mais Milionária"), QStringLiteral("Topo")), QStringLiteral("3"));
}

// Saved once, the file is what every later save writes: line ends, accents and sections survive.
TEST(ArquivoIni, LineEndsAndCodePagesStableFromTheFirstSave) {
    const struct {
        const char* Nome;
        QByteArray Antes;
        QByteArray Depois; // after setting [A] Topo=2
    } Casos[] = {
        {"bare CR after the last line", "[A]\r\nTopo=1\r", "[A]\r\nTopo=2\r\n"},
        {"CR only", "[A]\rTopo=1\r[B]\rTopo=5\r", "[A]\rTopo=2\r[B]\rTopo=5\r"},
        {"LF only", "[A]\nTopo=1\n", "[A]\nTopo=2\n"},
        {"Windows-1252, accent last", "[A]\r\nTopo=1\r\nNome=Jos\xE9", "[A]\r\nTopo=2\r\nNome=Jos\xE9\r\n"},
        {"UTF-8 with a mark", "\xEF\xBB\xBF[A]\nNome=Jos\xC3\xA9\nTopo=1",
         "\xEF\xBB\xBF[A]\nNome=Jos\xC3\xA9\nTopo=2\n"},
        {"UTF-8 with the mark repeated", "\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF[A]\nTopo=1",
         "\xEF\xBB\xBF[A]\nTopo=2\n"},
    };
    for (const auto& Caso : Casos) {
        TArquivoIni Primeira = TArquivoIni::DeTexto(Caso.Antes);
        Primeira.DefineValor(QStringLiteral("A"), QStringLiteral("Topo"), QStringLiteral("2"));
        EXPECT_EQ(Primeira.Conteudo(), Caso.Depois) << Caso.Nome;
        TArquivoIni Segunda = TArquivoIni::DeTexto(Primeira.Conteudo());
        Segunda.DefineValor(QStringLiteral("A"), QStringLiteral("Topo"), QStringLiteral("2"));
        EXPECT_EQ(Segunda.Conteudo(), Caso.Depois) << Caso.Nome;
    }
    EXPECT_EQ(TArquivoIni::DeTexto("[A]\r\nNome=Jos\xE9").Valor(QStringLiteral("A"), QStringLiteral("Nome")),
              QStringLiteral("José"));
}

// Only a regular file of at most TamanhoMaximo is read: a named pipe or a link to /dev/zero would
// freeze the print manager or fill its memory.
TEST(ArquivoIni, ReadsOnlyRegularFilesOfAStatedSize) {
    QTemporaryDir Pasta;
    ASSERT_TRUE(Pasta.isValid());
    const QString Fila = Pasta.filePath(QStringLiteral("fila.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Fila).constData(), 0600), 0);
    const QString Zero = Pasta.filePath(QStringLiteral("zero.ini"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), Zero));
    const QString Grande = Pasta.filePath(QStringLiteral("grande.ini"));
    QFile Arquivo(Grande);
    ASSERT_TRUE(Arquivo.open(QIODevice::WriteOnly));
    Arquivo.write("[A]\nTopo=1\n");
    ASSERT_TRUE(Arquivo.resize(TArquivoIni::TamanhoMaximo + 1));
    Arquivo.close();
    for (const QString& Caminho : {Fila, Zero, Grande})
        EXPECT_FALSE(TArquivoIni::Le(Caminho)) << Caminho.toStdString();
}

TEST(ArquivoIni, WritesAndReadsBackAndFailsCleanly) {
    QTemporaryDir Pasta;
    ASSERT_TRUE(Pasta.isValid());
    EXPECT_FALSE(TArquivoIni::Le(Pasta.filePath(QStringLiteral("falta.ini"))));

    TArquivoIni Arquivo;
    Arquivo.DefineValor(QStringLiteral("S"), QStringLiteral("Esquerda"), QStringLiteral("1,5"));
    QString Erro;
    const QString Caminho = Pasta.filePath(QStringLiteral("sub/IMPRESSAO.INI"));
    ASSERT_TRUE(Arquivo.Grava(Caminho, Erro)) << Erro.toStdString();
    const std::optional<TArquivoIni> Lido = TArquivoIni::Le(Caminho);
    ASSERT_TRUE(Lido);
    EXPECT_EQ(Lido->Valor(QStringLiteral("S"), QStringLiteral("Esquerda")), QStringLiteral("1,5"));

    // A regular file where the folder should be: no user can write there, root included.
    QFile Bloqueio(Pasta.filePath(QStringLiteral("arquivo")));
    ASSERT_TRUE(Bloqueio.open(QIODevice::WriteOnly));
    Bloqueio.close();
    EXPECT_FALSE(Arquivo.Grava(Pasta.filePath(QStringLiteral("arquivo/IMPRESSAO.INI")), Erro));
    EXPECT_FALSE(Erro.isEmpty());
}

TEST(LocalImpressaoIni, NextToTheProgramUnlessThatFolderCannotBeWritten) {
    QTemporaryDir Pasta;
    ASSERT_TRUE(Pasta.isValid());
    const QString Configuracao = Pasta.filePath(QStringLiteral("config"));
    EXPECT_EQ(TLocalImpressaoIni(Pasta.path(), Configuracao).CaminhoGravacao(),
              QDir(Pasta.path()).filePath(QStringLiteral("IMPRESSAO.INI")));
    EXPECT_EQ(
        TLocalImpressaoIni(Pasta.filePath(QStringLiteral("nao-existe")), Configuracao).CaminhoGravacao(),
        QDir(Configuracao).filePath(QStringLiteral("IMPRESSAO.INI")));
}

} // namespace
