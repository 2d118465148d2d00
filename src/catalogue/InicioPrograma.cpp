#include "catalogue/InicioPrograma.h"

#include <QLibraryInfo>
#include <QLocale>

QString VersaoDoPrograma() {
    return QStringLiteral(CARTELIM_VERSAO);
}

QString TInicioPrograma::PastaDasTraducoesDoQt() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

QString TextoVersao() {
    return QCoreApplication::applicationName() + u' ' + VersaoDoPrograma();
}

TInicioPrograma::TInicioPrograma(QCoreApplication& Aplicacao, const QString& NomeDoPrograma,
                                 const QString& PastaDasTraducoes)
    : FAplicacao(Aplicacao) {
    const QLocale Brasil(QLocale::Portuguese, QLocale::Brazil);
    QLocale::setDefault(Brasil);
    QCoreApplication::setApplicationName(NomeDoPrograma);
    QCoreApplication::setApplicationVersion(VersaoDoPrograma());
    // A missing translation is no failure: the program runs with Qt's English texts.
    FTraducaoDoQtCarregada =
        FTraducaoDoQt.load(Brasil, QStringLiteral("qtbase"), QStringLiteral("_"), PastaDasTraducoes) &&
        FAplicacao.installTranslator(&FTraducaoDoQt);
}

TInicioPrograma::~TInicioPrograma() {
    FAplicacao.removeTranslator(&FTraducaoDoQt);
}
