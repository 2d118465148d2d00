#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// Running a built program as a user runs it, for the end-to-end tests of the batch tools.

struct TResultadoProcesso {
    int Situacao = -1; // exit status; -1 when the program did not end normally
    QString Saida;
    QString Erros;
};

// Runs Programa in Pasta with the arguments through Processo (set up beforehand for a standard input
// file or a terminal), feeding Entrada to its standard input; Ambiente holds NAME=value settings added
// to the test's environment. Standard output and error are read as UTF-8 once it ends.
TResultadoProcesso ExecutaPrograma(QProcess& Processo, const QString& Programa, const QStringList& Argumentos,
                                   const QString& Pasta, const QByteArray& Entrada = {},
                                   const QStringList& Ambiente = {});
