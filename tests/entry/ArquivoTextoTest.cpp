#include "entry/ArquivoTexto.h"
#include "apoio/TextosEstranhos.h"
#include "entry/ApoioDeTeste.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <random>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

struct CasoDeDecodificacao {
    const char* Nome;
    QByteArray Bytes;
    QString Texto;
};

class Decodificacao : public testing::TestWithParam<CasoDeDecodificacao> {};

TEST_P(Decodificacao, TextoEsperado) {
    EXPECT_EQ(DecodificaTexto(GetParam().Bytes), GetParam().Texto);
}

QByteArray Bytes(std::initializer_list<unsigned char> Lista) {
    QByteArray Resultado;
    for (unsigned char Byte : Lista)
        Resultado.append(char(Byte));
    return Resultado;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Decodificacao,
    testing::Values(
        CasoDeDecodificacao{"Vazio", {}, {}},
        CasoDeDecodificacao{"Utf8ComMarca",
                            "\xEF\xBB\xBF"
                            "01 02 a\xC3\xA7\xC3\xA3o"_ba,
                            u"01 02 ação"_s},
        CasoDeDecodificacao{"Utf8ComMarcaEByteInvalido",
                            "\xEF\xBB\xBF"
                            "1\xFF"_ba,
                            u"1\uFFFD"_s},
        CasoDeDecodificacao{"Utf16LE", Bytes({0xFF, 0xFE, '1', 0, 0xE7, 0, '\r', 0, '\n', 0}), u"1ç\r\n"_s},
        CasoDeDecodificacao{"Utf16BE", Bytes({0xFE, 0xFF, 0, '1', 0x20, 0xAC}), u"1€"_s},
        CasoDeDecodificacao{"Utf16ParDeSubstitutos", Bytes({0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE}),
                            u"\U0001F600"_s},
        CasoDeDecodificacao{"Utf16SubstitutoSozinho", Bytes({0xFF, 0xFE, 0x3D, 0xD8, '1', 0}), u"\uFFFD1"_s},
        CasoDeDecodificacao{"Utf16ByteImparNoFim", Bytes({0xFF, 0xFE, '1', 0, '2'}), u"1\uFFFD"_s},
        CasoDeDecodificacao{"Utf8SemMarca", "Mega-Sena: a\xC3\xA7\xC3\xA3o \xE2\x82\xAC"_ba,
                            u"Mega-Sena: ação €"_s},
        CasoDeDecodificacao{"NulEmUtf8",
                            "1\0"
                            "2"_ba,
                            u"1\0"
                            u"2"_s},
        CasoDeDecodificacao{"Windows1252", "a\xE7\xE3o \x80 \x91x\x92 \x9F"_ba,
                            u"ação € \u2018x\u2019 \u0178"_s},
        CasoDeDecodificacao{"Windows1252IndefinidosFicamLatin1", "\x81\x8D\x8F\x90\x9D"_ba,
                            u"\u0081\u008D\u008F\u0090\u009D"_s},
        CasoDeDecodificacao{"Utf8ComFormaLongaEhWindows1252", "\xC0\xAF"_ba, u"À¯"_s},
        CasoDeDecodificacao{"Utf8DeSubstitutoEhWindows1252", "\xED\xA0\x80"_ba, u"í\u00A0€"_s},
        CasoDeDecodificacao{"Utf8CortadoNoFimEhWindows1252", "1 \xE2\x82"_ba, u"1 â‚"_s},
        CasoDeDecodificacao{"Utf8AcimaDoMaximoEhWindows1252", "\xF4\x90\x80\x80"_ba, u"ô\u0090€€"_s}),
    [](const testing::TestParamInfo<CasoDeDecodificacao>& Info) { return std::string(Info.param.Nome); });

class LeituraDeArquivo : public testing::Test {
protected:
    QString Grava(const QString& Nome, const QByteArray& Conteudo) {
        const QString Caminho = FPasta.filePath(Nome);
        QFile Arquivo(Caminho);
        EXPECT_TRUE(Arquivo.open(QIODevice::WriteOnly));
        Arquivo.write(Conteudo);
        return Caminho;
    }

    QTemporaryDir FPasta;
};

TEST_F(LeituraDeArquivo, ArquivoLidoComoTexto) {
    const TArquivoTexto Lido = LeArquivoTexto(Grava(u"jogos.txt"_s, "01 02\r\n// a\xE7\xE3o\r\n"_ba));
    EXPECT_TRUE(Lido.Lido);
    EXPECT_EQ(Lido.Texto, u"01 02\r\n// ação\r\n"_s);
    EXPECT_TRUE(Lido.Erro.isEmpty());
}

TEST_F(LeituraDeArquivo, ArquivoVazio) {
    const TArquivoTexto Lido = LeArquivoTexto(Grava(u"vazio.txt"_s, {}));
    EXPECT_TRUE(Lido.Lido);
    EXPECT_TRUE(Lido.Texto.isEmpty());
}

TEST_F(LeituraDeArquivo, QualquerConteudoBinarioNaoDerrubaALeitura) {
    QByteArray Binario(1 << 24, Qt::Uninitialized);
    std::mt19937 Gerador(99);
    for (char& Byte : Binario)
        Byte = char(Gerador());
    const TArquivoTexto Lido = LeArquivoTexto(Grava(u"binario.txt"_s, Binario));
    EXPECT_TRUE(Lido.Lido);
    // Random bytes are not UTF-8, so every byte is one Windows-1252 character.
    EXPECT_EQ(Lido.Texto.size(), Binario.size());
}

TEST_F(LeituraDeArquivo, ArquivoQueNaoPodeSerLido) {
    const QString Faltando = FPasta.filePath(u"faltando.txt"_s);
    const QString Pasta = FPasta.path();
    const struct {
        QString Caminho;
        QString Erro;
    } Casos[] = {
        {Faltando, u"O arquivo \""_s + QDir::toNativeSeparators(Faltando) + u"\" não foi encontrado."_s},
        {Pasta, u'"' + QDir::toNativeSeparators(Pasta) + u"\" é uma pasta, não um arquivo de texto."_s},
        {u"/dev/null"_s, u"\"/dev/null\" não é um arquivo comum e não pode ser lido como texto."_s},
        {u"/proc/self/mem"_s, u"Não foi possível ler o arquivo \"/proc/self/mem\"."_s},
    };
    for (const auto& Caso : Casos) {
        const TArquivoTexto Lido = LeArquivoTexto(Caso.Caminho);
        EXPECT_FALSE(Lido.Lido);
        EXPECT_TRUE(Lido.Texto.isEmpty());
        EXPECT_EQ(Lido.Erro, Caso.Erro);
    }
}

// As root every file is readable: the check then runs under the unprivileged user "nobody".
class UsuarioSemPrivilegios {
public:
    UsuarioSemPrivilegios()
        : FTrocou(geteuid() == 0 && seteuid(65534) == 0) {}
    ~UsuarioSemPrivilegios() {
        if (FTrocou) {
            EXPECT_EQ(seteuid(0), 0);
        }
    }
    UsuarioSemPrivilegios(const UsuarioSemPrivilegios&) = delete;
    UsuarioSemPrivilegios& operator=(const UsuarioSemPrivilegios&) = delete;

private:
    bool FTrocou;
};

TEST_F(LeituraDeArquivo, ArquivoSemPermissaoDeLeitura) {
    const QString Caminho = Grava(u"trancado.txt"_s, "01 02"_ba);
    QFile::setPermissions(FPasta.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                             QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                             QFileDevice::ExeOther);
    QFile::setPermissions(Caminho, QFileDevice::WriteOwner);
    TArquivoTexto Lido;
    {
        const UsuarioSemPrivilegios Usuario;
        Lido = LeArquivoTexto(Caminho);
    }
    EXPECT_FALSE(Lido.Lido);
    EXPECT_EQ(Lido.Erro, u"Não foi possível abrir o arquivo \""_s + QDir::toNativeSeparators(Caminho) +
                             u"\". Verifique se você tem permissão para lê-lo."_s);
}

TEST(Windows1252, TodoByteVoltaComoEra) {
    QByteArray Bytes;
    for (int Byte = 0; Byte < 256; ++Byte)
        Bytes.append(char(Byte));
    EXPECT_EQ(CodificaWindows1252(DeWindows1252(Bytes)), Bytes);
    EXPECT_EQ(CodificaWindows1252(u"\u0080\u0100\u20AC"), QByteArray("??\x80"));
}

TEST(QuebrasDeLinha, SoLinhaFeedSozinhaGanhaRetorno) {
    const std::pair<QString, QString> Casos[] = {
        {{}, {}},
        {u"01 02\n03 04\n"_s, u"01 02\r\n03 04\r\n"_s},
        {u"01 02\r\n03 04\r\n"_s, u"01 02\r\n03 04\r\n"_s},
        {u"\n\n"_s, u"\r\n\r\n"_s},
        {u"a\r\n\nb"_s, u"a\r\n\r\nb"_s},
        {u"a\rb\n"_s, u"a\rb\r\n"_s},
    };
    for (const auto& [Colado, Esperado] : Casos)
        EXPECT_EQ(NormalizaQuebrasDeLinha(Colado), Esperado) << testing::PrintToString(Colado);
}

} // namespace

namespace {

class TextoEstranhoLido : public testing::TestWithParam<TTextoEstranho> {};

// The import tab's reading of the file (the batch tool's test runs the same files).
TEST_P(TextoEstranhoLido, ComoATelaDeImportacaoLe) {
    QTemporaryDir Pasta;
    const QString Caminho = Pasta.filePath(u"jogos.txt"_s);
    QFile Arquivo(Caminho);
    ASSERT_TRUE(Arquivo.open(QIODevice::WriteOnly));
    Arquivo.write(GetParam().Bytes);
    Arquivo.close();
    const TArquivoTexto Lido = LeArquivoTexto(Caminho);
    ASSERT_TRUE(Lido.Lido) << Lido.Erro.toStdString();
    EXPECT_EQ(Lido.Texto, GetParam().Texto);
}

INSTANTIATE_TEST_SUITE_P(Casos, TextoEstranhoLido, testing::ValuesIn(TodosOsTextosEstranhos()),
                         [](const testing::TestParamInfo<TTextoEstranho>& Info) {
                             return std::string(Info.param.Nome);
                         });

} // namespace

namespace {

// A named pipe is refused at once, not waited on; a file past the limit is refused by its size.
TEST(LeituraLimitadaDeTexto, FilaSemEscritorEArquivoGrandeDemais) {
    QTemporaryDir Pasta;
    const QString Fila = Pasta.filePath(u"fila"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(Fila).constData(), 0600), 0);
    const QString Grande = Pasta.filePath(u"grande.txt"_s);
    QFile Arquivo(Grande);
    ASSERT_TRUE(Arquivo.open(QIODevice::WriteOnly));
    ASSERT_TRUE(Arquivo.resize(TamanhoMaximoArquivoTexto + 1)); // sparse: takes no room
    Arquivo.close();

    EXPECT_EQ(LeArquivoTexto(Fila).Erro,
              u'"' + Fila + u"\" não é um arquivo comum e não pode ser lido como texto."_s);
    EXPECT_EQ(
        LeArquivoTexto(Grande).Erro,
        u"O arquivo \""_s + Grande +
            u"\" tem 64 MB, mais do que a área de jogos aceita (64 MB). Divida-o em arquivos menores."_s);
}

} // namespace
