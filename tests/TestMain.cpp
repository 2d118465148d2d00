// Shared main of every test suite: the Qt application object the suite needs, and a pinned locale so
// that results never depend on the machine's settings.
#include <gtest/gtest.h>

#include <QLocale>

#if defined(CARTELIM_TEST_APP_WIDGETS)
#include <QApplication>
using AplicacaoDeTeste = QApplication;
#elif defined(CARTELIM_TEST_APP_GUI)
#include <QGuiApplication>
using AplicacaoDeTeste = QGuiApplication;
#else
#include <QCoreApplication>
using AplicacaoDeTeste = QCoreApplication;
#endif

int main(int argc, char** argv) {
    // Test discovery at build time runs the suite outside ctest's environment: stay offscreen there too.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    AplicacaoDeTeste Aplicacao(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
