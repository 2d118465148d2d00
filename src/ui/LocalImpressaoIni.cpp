#include "ui/LocalImpressaoIni.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

TLocalImpressaoIni::TLocalImpressaoIni(QString PastaPrograma, QString PastaConfiguracao)
    : FPastaPrograma(std::move(PastaPrograma))
    , FPastaConfiguracao(std::move(PastaConfiguracao)) {}

TLocalImpressaoIni TLocalImpressaoIni::DoPrograma() {
    return TLocalImpressaoIni(QCoreApplication::applicationDirPath(),
                              QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString TLocalImpressaoIni::JuntoAoPrograma() const {
    return QDir(FPastaPrograma).filePath(NomeArquivo);
}

bool TLocalImpressaoIni::ProgramaGravavel() const {
    const QFileInfo Arquivo(JuntoAoPrograma());
    const QFileInfo Pasta(FPastaPrograma);
    return Pasta.isDir() && Pasta.isWritable() && (!Arquivo.exists() || Arquivo.isWritable());
}

QString TLocalImpressaoIni::CaminhoGravacao() const {
    if (ProgramaGravavel() || FPastaConfiguracao.isEmpty())
        return JuntoAoPrograma();
    return QDir(FPastaConfiguracao).filePath(NomeArquivo);
}

QString TLocalImpressaoIni::CaminhoLeitura() const {
    const QString Configuracao =
        FPastaConfiguracao.isEmpty() ? QString() : QDir(FPastaConfiguracao).filePath(NomeArquivo);
    for (const QString& Caminho : {CaminhoGravacao(), JuntoAoPrograma(), Configuracao})
        if (!Caminho.isEmpty() && QFileInfo::exists(Caminho))
            return Caminho;
    return JuntoAoPrograma();
}
