// Whole-file reading with a ceiling: devices, named pipes and files too long are refused at once.
#include "catalogue/LeituraLimitada.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

using TSituacao = TLeituraLimitada::TSituacao;

class LeituraLimitadaTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Pasta.isValid()); }
    QByteArray Caminho(const QString& Nome) const { return QFile::encodeName(Pasta.filePath(Nome)); }
    void Grava(const QString& Nome, const QByteArray& Conteudo) const {
        QFile Arquivo(Pasta.filePath(Nome));
        ASSERT_TRUE(Arquivo.open(QIODevice::WriteOnly));
        Arquivo.write(Conteudo);
    }

    QTemporaryDir Pasta;
};

TEST_F(LeituraLimitadaTest, SoArquivosComunsAteOLimite) {
    Grava(u"dez.txt"_s, "0123456789");
    Grava(u"onze.txt"_s, "0123456789A");
    ASSERT_EQ(::mkfifo(Caminho(u"fila"_s).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, Pasta.filePath(u"zero"_s)));
    ASSERT_TRUE(QDir(Pasta.path()).mkdir(u"pasta"_s));
    const struct {
        const char* Nome;
        QByteArray Caminho;
        TSituacao Situacao;
        QByteArray Bytes;
    } Casos[] = {
        {"exactly the limit", Caminho(u"dez.txt"_s), TSituacao::Lido, "0123456789"},
        {"one byte more", Caminho(u"onze.txt"_s), TSituacao::Grande, {}},
        // Opened without waiting for a writer, then refused: the read never blocks.
        {"named pipe without writer", Caminho(u"fila"_s), TSituacao::NaoComum, {}},
        {"link to /dev/zero", Caminho(u"zero"_s), TSituacao::NaoComum, {}},
        {"/dev/zero", "/dev/zero", TSituacao::NaoComum, {}},
        {"folder", Caminho(u"pasta"_s), TSituacao::Pasta, {}},
        {"missing", Caminho(u"falta.txt"_s), TSituacao::NaoEncontrado, {}},
        {"below a file", Caminho(u"dez.txt/x"_s), TSituacao::NaoEncontrado, {}},
    };
    for (const auto& Caso : Casos) {
        const TLeituraLimitada Leitura = LeArquivoLimitado(Caso.Caminho, 10);
        EXPECT_EQ(Leitura.Situacao, Caso.Situacao) << Caso.Nome;
        EXPECT_EQ(Leitura.Bytes, Caso.Bytes) << Caso.Nome;
    }
    EXPECT_EQ(LeArquivoLimitado(Caminho(u"onze.txt"_s), 10).Tamanho, 11);
}

// Standard input may be anything: a pipe is read to its end, an endless device up to the limit.
TEST_F(LeituraLimitadaTest, DescritorLidoAteOLimiteMaisUm) {
    int Cano[2];
    ASSERT_EQ(::pipe(Cano), 0);
    ASSERT_EQ(::write(Cano[1], "0123456789", 10), 10);
    ::close(Cano[1]);
    const TLeituraLimitada DoCano = LeDescritorLimitado(Cano[0], 10);
    ::close(Cano[0]);
    EXPECT_EQ(DoCano.Situacao, TSituacao::Lido);
    EXPECT_EQ(DoCano.Bytes, QByteArray("0123456789"));

    const int Zero = ::open("/dev/zero", O_RDONLY);
    ASSERT_GE(Zero, 0);
    const TLeituraLimitada DoZero = LeDescritorLimitado(Zero, 1 << 20);
    ::close(Zero);
    EXPECT_EQ(DoZero.Situacao, TSituacao::Grande);
    EXPECT_TRUE(DoZero.Bytes.isEmpty());
}

} // namespace
