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

QString TLocalImpressaoIni::Caminho() const {
    const QString JuntoAoPrograma = QDir(FPastaPrograma).filePath(NomeArquivo);
    const QFileInfo Arquivo(JuntoAoPrograma);
    const bool Gravavel = Arquivo.exists() ? Arquivo.isWritable() : QFileInfo(FPastaPrograma).isWritable();
    if (Gravavel || FPastaConfiguracao.isEmpty())
        return JuntoAoPrograma;
    return QDir(FPastaConfiguracao).filePath(NomeArquivo);
}
