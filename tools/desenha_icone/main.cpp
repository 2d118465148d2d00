// Draws the program's icon at every size it ships: the window's, in src/assets/janela, and the
// desktop's icon theme sizes, in src/assets/instalacao/icones (or both into the folder given).
#include "DesenhoIcone.h"
#include "catalogue/InicioPrograma.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char** argv) {
    // Shapes only, no text: drawing needs neither fonts nor a screen.
    QCoreApplication Aplicacao(argc, argv);
    const TInicioPrograma Inicio(Aplicacao, QStringLiteral("cartelim-desenha-icone"));
    const QStringList Argumentos = Aplicacao.arguments();
    QTextStream Saida(stdout);
    if (Argumentos.value(1) == QStringLiteral("--version")) {
        Saida << TextoVersao() << '\n';
        return 0;
    }
    const QString Fonte = QStringLiteral(CARTELIM_PASTA_FONTES);
    bool Tudo = true;
    for (const int Lado : LadosDoIcone()) {
        const QString Caminho =
            Argumentos.size() > 1 ? QDir(Argumentos[1]).filePath(QStringLiteral("cartelim-%1.png").arg(Lado))
            : Lado == 64          ? Fonte + QStringLiteral("/src/assets/janela/icone.png")
                         : Fonte + QStringLiteral("/src/assets/instalacao/icones/cartelim-%1.png").arg(Lado);
        const bool Gravado =
            QDir().mkpath(QFileInfo(Caminho).path()) && DesenhaIcone(Lado).save(Caminho, "PNG");
        Saida << Caminho
              << (Gravado ? QStringLiteral(": %1 x %1\n").arg(Lado) : QStringLiteral(": não gravado\n"));
        Tudo &= Gravado;
    }
    return Tudo ? 0 : 1;
}
