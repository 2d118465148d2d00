// cartelim-lote interrupted: SIGINT and SIGTERM stop the run and take its temporary folder along;
// the folder of a run killed outright is removed by the next run, that of a live run never is.
#include "ApoioLote.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

using namespace Qt::StringLiterals;

namespace {

// Enough slips for the run to take seconds: 15,000 different games, 1,667 pages.
QByteArray MuitosJogos() {
    QByteArray Texto;
    int Quantidade = 0;
    for (int A = 1; A <= 57; ++A)
        for (int B = A + 1; B <= 57; ++B)
            for (int C = B + 1; C <= 57 && Quantidade < 15000; ++C, ++Quantidade)
                Texto += QByteArray::number(A) + ' ' + QByteArray::number(B) + ' ' + QByteArray::number(C) +
                         " 58 59 60\n";
    return Texto;
}

QStringList Temporarias(const QString& Pasta) {
    return QDir(Pasta).entryList({u".cartelim-lote-*"_s}, QDir::Dirs | QDir::Hidden);
}

// Waits until the run's temporary folder holds at least Arquivos files: it is drawing.
bool EsperaDesenhar(const QString& Pasta, int Arquivos) {
    QElapsedTimer Relogio;
    Relogio.start();
    while (Relogio.elapsed() < 30000) {
        for (const QString& Temporaria : Temporarias(Pasta))
            if (QDir(QDir(Pasta).filePath(Temporaria)).entryList(QDir::Files | QDir::Hidden).size() >=
                Arquivos)
                return true;
        QThread::msleep(20);
    }
    return false;
}

class InterrupcaoLoteTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Pasta.isValid());
        QFile Jogos(Pasta.filePath(u"jogos.txt"_s));
        ASSERT_TRUE(Jogos.open(QIODevice::WriteOnly));
        Jogos.write(MuitosJogos());
        ASSERT_TRUE(QDir(Pasta.path()).mkdir(u"imagens"_s));
    }
    void Inicia(QProcess& Processo, const QStringList& Saida) const {
        Processo.setWorkingDirectory(Pasta.path());
        Processo.start(QStringLiteral(CARTELIM_LOTE),
                       QStringList{u"--modalidade"_s, u"Mega-sena"_s} + Saida + QStringList{u"jogos.txt"_s});
        ASSERT_TRUE(Processo.waitForStarted());
    }
    QString Caminho(const QString& Nome) const { return Pasta.filePath(Nome); }

    QTemporaryDir Pasta;
};

struct TCasoSinal {
    const char* Nome;
    int Sinal;
    QStringList Saida;
    QString Pasta; // where the output and its temporary folder lie
    int Arquivos;  // files in the temporary folder once drawing is under way
    int AtrasoMs;  // and then how long to wait before the signal
};

void PrintTo(const TCasoSinal& Caso, std::ostream* Saida) {
    *Saida << Caso.Nome;
}

class SinalLoteTest : public InterrupcaoLoteTest, public testing::WithParamInterface<TCasoSinal> {};

TEST_P(SinalLoteTest, RemoveATemporariaETerminaPeloSinal) {
    const TCasoSinal& Caso = GetParam();
    QFile Anterior(Caminho(Caso.Pasta + u"/pagina-0001.png"_s));
    ASSERT_TRUE(Anterior.open(QIODevice::WriteOnly));
    Anterior.write("página anterior");
    Anterior.close();

    QProcess Processo;
    Inicia(Processo, Caso.Saida);
    ASSERT_TRUE(EsperaDesenhar(Caminho(Caso.Pasta), Caso.Arquivos)) << "the run never started drawing";
    QThread::msleep(Caso.AtrasoMs);
    ::kill(pid_t(Processo.processId()), Caso.Sinal);
    ASSERT_TRUE(Processo.waitForFinished(60000));

    EXPECT_EQ(Processo.exitStatus(), QProcess::CrashExit) << "it should end by the signal";
    EXPECT_TRUE(
        QString::fromUtf8(Processo.readAllStandardError()).contains(u"A gravação foi interrompida."_s));
    EXPECT_EQ(Temporarias(Caminho(Caso.Pasta)), QStringList()) << "the temporary folder was left";
    EXPECT_EQ(ArquivosEm(Caminho(Caso.Pasta)),
              QStringList{u"pagina-0001.png"_s} +
                  (Caso.Pasta == u"."_s ? QStringList{u"jogos.txt"_s} : QStringList()));
    QFile Relido(Caminho(Caso.Pasta + u"/pagina-0001.png"_s));
    ASSERT_TRUE(Relido.open(QIODevice::ReadOnly));
    EXPECT_EQ(Relido.readAll(), QByteArray("página anterior"));
}

INSTANTIATE_TEST_SUITE_P(
    Lote, SinalLoteTest,
    testing::Values(
        // The lock file and two pages.
        TCasoSinal{"PngComSigterm", SIGTERM, {u"--png"_s, u"imagens"_s}, u"imagens"_s, 3, 0},
        TCasoSinal{"PngComSigint", SIGINT, {u"--png"_s, u"imagens"_s}, u"imagens"_s, 3, 0},
        // The lock file only: the PDF is written to an unnamed file until it is complete. Its 1,667
        // pages take seconds.
        TCasoSinal{"PdfComSigint", SIGINT, {u"--pdf"_s, u"imagens/volantes.pdf"_s}, u"imagens"_s, 1, 500},
        TCasoSinal{"PdfComSigterm", SIGTERM, {u"--pdf"_s, u"imagens/volantes.pdf"_s}, u"imagens"_s, 1, 500}),
    [](const testing::TestParamInfo<TCasoSinal>& Info) { return std::string(Info.param.Nome); });

// SIGKILL cannot be caught: the folder stays until the next run, which removes it. A folder whose run
// is alive (its lock held) or that may be just starting (no lock yet, made a moment ago) stays.
TEST_F(InterrupcaoLoteTest, ProximaExecucaoRemoveAsPastasDeExecucoesMortas) {
    QProcess Morta;
    Inicia(Morta, {u"--png"_s, u"imagens"_s});
    ASSERT_TRUE(EsperaDesenhar(Caminho(u"imagens"_s), 3));
    Morta.kill();
    ASSERT_TRUE(Morta.waitForFinished());
    const QStringList Deixadas = Temporarias(Caminho(u"imagens"_s));
    ASSERT_EQ(Deixadas.size(), 1);

    QDir Imagens(Caminho(u"imagens"_s));
    for (const QString& Nome :
         {u".cartelim-lote-vivo"_s, u".cartelim-lote-novo"_s, u".cartelim-lote-velho"_s})
        ASSERT_TRUE(Imagens.mkdir(Nome));
    const int Trava = ::open(QFile::encodeName(Imagens.filePath(u".cartelim-lote-vivo/.trava"_s)).constData(),
                             O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(Trava, 0);
    ASSERT_EQ(::flock(Trava, LOCK_EX | LOCK_NB), 0);
    const struct utimbuf DuasHorasAtras = {::time(nullptr) - 7200, ::time(nullptr) - 7200};
    ASSERT_EQ(
        ::utime(QFile::encodeName(Imagens.filePath(u".cartelim-lote-velho"_s)).constData(), &DuasHorasAtras),
        0);

    const TResultadoProcesso Proxima = ExecutaLote(
        {u"--modalidade"_s, u"Mega-sena"_s, u"--png"_s, u"imagens"_s, u"-"_s}, Pasta.path(), "1 2 3 4 5 6\n");
    ::close(Trava);
    EXPECT_EQ(Proxima.Situacao, 0) << Proxima.Erros.toStdString();
    EXPECT_EQ(Temporarias(Imagens.path()), QStringList({u".cartelim-lote-novo"_s, u".cartelim-lote-vivo"_s}));
}

} // namespace
