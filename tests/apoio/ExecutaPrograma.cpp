#include "ExecutaPrograma.h"

#include <QProcessEnvironment>

namespace {

constexpr int EsperaMs = 120000;

} // namespace

TResultadoProcesso ExecutaPrograma(QProcess& Processo, const QString& Programa, const QStringList& Argumentos,
                                   const QString& Pasta, const QByteArray& Entrada,
                                   const QStringList& Ambiente) {
    Processo.setWorkingDirectory(Pasta);
    QProcessEnvironment Variaveis = QProcessEnvironment::systemEnvironment();
    for (const QString& Variavel : Ambiente)
        Variaveis.insert(Variavel.section(u'=', 0, 0), Variavel.section(u'=', 1));
    Processo.setProcessEnvironment(Variaveis);
    Processo.start(Programa, Argumentos);
    if (!Processo.waitForStarted(EsperaMs))
        return {};
    if (!Entrada.isEmpty())
        Processo.write(Entrada);
    Processo.closeWriteChannel();
    TResultadoProcesso Resultado;
    if (Processo.waitForFinished(EsperaMs) && Processo.exitStatus() == QProcess::NormalExit)
        Resultado.Situacao = Processo.exitCode();
    Resultado.Saida = QString::fromUtf8(Processo.readAllStandardOutput());
    Resultado.Erros = QString::fromUtf8(Processo.readAllStandardError());
    return Resultado;
}
