// Draws the picture and the thumbnail of every printable slip model from its slip layout's own
// geometry, into src/assets/volantes of the source tree or the folder given as the only argument.
// It stops with an error when a model cannot be drawn with every mark inside its box.
#include "DesenhoVolante.h"
#include "MapaVolante.h"
#include "ModelosVolante.h"
#include "assets/volantes/ImagensVolantes.h"
#include "catalogue/InicioPrograma.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

constexpr int QualidadeJpeg = 85;

bool Grava(const QImage& Imagem, const QString& Caminho, QTextStream& Erros) {
    if (QDir().mkpath(QFileInfo(Caminho).path()) && Imagem.save(Caminho, "JPG", QualidadeJpeg))
        return true;
    Erros << "não foi possível gravar " << Caminho << '\n';
    return false;
}

} // namespace

int main(int argc, char** argv) {
    // Drawing needs fonts but no screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication Aplicacao(argc, argv);
    const TInicioPrograma Inicio(Aplicacao, QStringLiteral("cartelim-desenha-volantes"));
    const QStringList Argumentos = Aplicacao.arguments();
    if (Argumentos.value(1) == QStringLiteral("--version")) {
        QTextStream(stdout) << TextoVersao() << '\n';
        return 0;
    }
    const QDir Pasta(Argumentos.size() > 1 ? Argumentos[1] : QStringLiteral(CARTELIM_PASTA_VOLANTES));
    QTextStream Saida(stdout);
    QTextStream Erros(stderr);

    bool Tudo = true;
    for (const TModeloVolante& Modelo : ModelosVolante()) {
        const QString Nome = Modelo.NomeModalidade + QStringLiteral(" / ") + Modelo.Legenda;
        QString Erro;
        const std::optional<TMapaVolante> Mapa = MapeiaVolante(Modelo, Erro);
        if (!Mapa) {
            Erros << Nome << ": " << Erro << '\n';
            Tudo = false;
            continue;
        }
        const QList<QRectF> Caixas = CaixasDasCasas(Mapa->Casas, QRectF(Mapa->CaixaImagem), Mapa->Guias);
        const QStringList Problemas = ConfereCaixas(*Mapa, Caixas);
        for (const QString& Problema : Problemas)
            Erros << Nome << ": " << Problema << '\n';
        if (!Problemas.isEmpty()) {
            Tudo = false;
            continue;
        }
        const QImage Volante = DesenhaVolante(Modelo, *Mapa, Caixas);
        const QString Arquivo = Pasta.filePath(Modelo.ArquivoImagem);
        Tudo &= Grava(Volante, Arquivo, Erros);
        if (!Modelo.ImagemMiniatura.isEmpty())
            Tudo &= Grava(MiniaturaVolante(Volante),
                          Pasta.filePath(ArquivoMiniaturaVolante(Modelo.ImagemMiniatura)), Erros);
        Saida << Nome << ": " << Arquivo << ", " << Volante.width() << " x " << Volante.height() << ", "
              << Mapa->Casas.size() << " casas, " << Mapa->Guias.size() << " marcas de leitura\n";
    }
    return Tudo ? 0 : 1;
}
