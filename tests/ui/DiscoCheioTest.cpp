// Saving the calibration file and the exported games on a disk that fills up: the failure is
// reported and the earlier file stays whole.
#include "apoio/DiscoPequeno.h"
#include "ui/ArquivoIni.h"
#include "ui/ExportacaoJogos.h"

#include <gtest/gtest.h>

#include <QDir>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Writes Texto at Caminho the way the program saves that file; on failure the message for the user.
using TGravacao = std::function<std::optional<QString>(const QString& Caminho, const QString& Texto)>;

std::optional<QString> GravaIni(const QString& Caminho, const QString& Texto) {
    TArquivoIni Arquivo;
    const QStringList Linhas = Texto.split(u'\n');
    for (qsizetype Indice = 0; Indice < Linhas.size(); ++Indice)
        Arquivo.DefineValor(u"Secao"_s, u"Linha"_s + QString::number(Indice), Linhas.at(Indice));
    QString Erro;
    if (Arquivo.Grava(Caminho, Erro))
        return std::nullopt;
    return Erro;
}

struct TCasoDiscoCheio {
    const char* Nome;
    TGravacao Grava;
    qint64 Tamanho; // of the new file
    qint64 Livre;   // left on the disk
    const char* Mensagem;
};

void PrintTo(const TCasoDiscoCheio& Caso, std::ostream* Saida) {
    *Saida << Caso.Nome;
}

class DiscoCheioTest : public testing::TestWithParam<TCasoDiscoCheio> {};

TEST_P(DiscoCheioTest, FalhaAvisadaEArquivoAnteriorInteiro) {
    const TCasoDiscoCheio& Caso = GetParam();
    TDiscoPequeno Disco;
    if (!Disco.Montado())
        GTEST_SKIP() << Disco.Motivo().toStdString();
    const QString Caminho = Disco.Caminho(u"arquivo.txt"_s);
    const QByteArray Anterior = "[Anterior]\r\nEsquerda=1,5\r\n";
    ASSERT_TRUE(Disco.Grava(u"arquivo.txt"_s, Anterior));
    ASSERT_TRUE(Disco.Enche(Caso.Livre));
    QString Texto;
    for (int Linha = 0; Texto.size() < Caso.Tamanho; ++Linha)
        Texto += QString(Linha % 97 + 1, QChar(u'0' + Linha % 10)) + u'\n';

    const std::optional<QString> Erro = Caso.Grava(Caminho, Texto);
    ASSERT_TRUE(Erro.has_value()) << "a cut-short file was reported as saved";
    EXPECT_TRUE(Erro->startsWith(QString::fromUtf8(Caso.Mensagem))) << Erro->toStdString();
    EXPECT_EQ(ConteudoDe(Caminho), Anterior);
    EXPECT_EQ(QDir(Disco.Caminho({})).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({u".enchimento"_s, u"arquivo.txt"_s}));
}

INSTANTIATE_TEST_SUITE_P(
    Gravacoes, DiscoCheioTest,
    testing::Values(
        // Smaller than Qt's write buffer (16 KB): the bytes that do not fit fail only when the file is
        // closed.
        TCasoDiscoCheio{"IniPequeno", GravaIni, 10 * 1024, 8 * 1024, "Não foi possível gravar \""},
        TCasoDiscoCheio{"IniGrande", GravaIni, 40 * 1024, 16 * 1024, "Não foi possível gravar \""},
        TCasoDiscoCheio{"ExportacaoPequena", GravaArquivoTexto, 12 * 1024, 8 * 1024,
                        "Não foi possível gravar o arquivo \""},
        TCasoDiscoCheio{"ExportacaoGrande", GravaArquivoTexto, 40 * 1024, 16 * 1024,
                        "Não foi possível gravar o arquivo \""}),
    [](const testing::TestParamInfo<TCasoDiscoCheio>& Info) { return std::string(Info.param.Nome); });

} // namespace
