// The start-up every program runs: Brazilian numbers whatever the machine's locale, the name and
// version, and Qt's own texts in Portuguese when the translation is there, silence when it is not.
#include "catalogue/InicioPrograma.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// Restores the suite's pinned locale and the application's name whatever a test did.
class InicioProgramaTest : public testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        QCoreApplication::setApplicationName(NomeAnterior);
        QCoreApplication::setApplicationVersion(QString());
    }

    QCoreApplication& Aplicacao = *QCoreApplication::instance();
    const QString NomeAnterior = QCoreApplication::applicationName();
};

TEST_F(InicioProgramaTest, NumerosNoFormatoBrasileiroSejaQualForALocalidadeDaMaquina) {
    const TInicioPrograma Inicio(Aplicacao, u"cartelim-lote"_s);
    const struct {
        double Valor;
        QString Esperado;
    } Casos[] = {{31609, u"31.609"_s}, {1234567, u"1.234.567"_s}, {1.5, u"1,5"_s}, {-2.25, u"-2,25"_s}};
    for (const auto& Caso : Casos)
        EXPECT_EQ(QLocale().toString(Caso.Valor, 'g', 10), Caso.Esperado) << Caso.Valor;
    EXPECT_EQ(QLocale().toString(31609), u"31.609"_s);
    EXPECT_EQ(QLocale().language(), QLocale::Portuguese);
    EXPECT_EQ(QLocale().territory(), QLocale::Brazil);
}

TEST_F(InicioProgramaTest, DaONomeEAVersaoDoPrograma) {
    const TInicioPrograma Inicio(Aplicacao, u"cartelim-lote"_s);
    EXPECT_EQ(QCoreApplication::applicationName(), u"cartelim-lote"_s);
    EXPECT_EQ(QCoreApplication::applicationVersion(), VersaoDoPrograma());
    EXPECT_EQ(VersaoDoPrograma(), QStringLiteral(CARTELIM_VERSAO_DO_PROJETO));
}

TEST_F(InicioProgramaTest, TextosDoQtEmPortuguesEnquantoVive) {
    if (!QDir(TInicioPrograma::PastaDasTraducoesDoQt()).exists(u"qtbase_pt_BR.qm"_s))
        GTEST_SKIP() << "qt6-translations-l10n não instalado";
    {
        const TInicioPrograma Inicio(Aplicacao, u"cartelim"_s);
        EXPECT_TRUE(Inicio.TraducaoDoQtCarregada());
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), u"&Sim"_s);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Cancelar"_s);
    }
    // Gone with the start-up object, so that no dangling translator stays installed.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), u"&Yes"_s);
}

TEST_F(InicioProgramaTest, SemATraducaoDoQtOProgramaSegueEmSilencio) {
    QTemporaryDir PastaVazia;
    ASSERT_TRUE(PastaVazia.isValid());
    testing::internal::CaptureStderr();
    const TInicioPrograma Inicio(Aplicacao, u"cartelim"_s, PastaVazia.path());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string());
    EXPECT_FALSE(Inicio.TraducaoDoQtCarregada());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), u"&Yes"_s);
    EXPECT_EQ(QLocale().toString(31609), u"31.609"_s);
}

} // namespace
