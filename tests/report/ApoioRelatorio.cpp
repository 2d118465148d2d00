#include "ApoioRelatorio.h"

#include <QProcess>
#include <QTemporaryDir>

void PreparaFolhaTresVolantes(TRelatorio& Relatorio, const TMargens& Margens) {
    Relatorio.SetTamanhoPapel(QPageSize(QPageSize::A4));
    Relatorio.SetOrientacao(QPageLayout::Landscape);
    Relatorio.SetMargens(Margens);
    TGradeDetalhe& Grade = Relatorio.CriaGradeDetalhe(QStringLiteral("RLDetailGrid1"));
    Grade.SetColCount(3);
    Grade.SetHeight(715);
    Grade.SetMargensExternas({Milimetros(0.1), Milimetros(0.2), Milimetros(0.1), Milimetros(0.2)});
    Grade.SetMargensInternas({Milimetros(0.4), Milimetros(0.4), Milimetros(0.4), Milimetros(0.4)});
}

std::optional<QRect> AreaEscura(const QImage& Imagem, const QRect& Regiao, int Limiar) {
    std::optional<QRect> Area;
    const QRect Dentro = Regiao.intersected(Imagem.rect());
    for (int Y = Dentro.top(); Y <= Dentro.bottom(); ++Y)
        for (int X = Dentro.left(); X <= Dentro.right(); ++X)
            if (qGray(Imagem.pixel(X, Y)) < Limiar)
                Area = Area ? Area->united(QRect(X, Y, 1, 1)) : QRect(X, Y, 1, 1);
    return Area;
}

std::optional<QPointF> CentroEscuro(const QImage& Imagem, const QRect& Regiao) {
    double Soma = 0;
    QPointF Momento;
    const QRect Dentro = Regiao.intersected(Imagem.rect());
    for (int Y = Dentro.top(); Y <= Dentro.bottom(); ++Y)
        for (int X = Dentro.left(); X <= Dentro.right(); ++X) {
            const double Peso = 255 - qGray(Imagem.pixel(X, Y));
            Soma += Peso;
            Momento += Peso * QPointF(X + 0.5, Y + 0.5);
        }
    if (Soma == 0)
        return std::nullopt;
    return Momento / Soma;
}

bool BrancoForaDe(const QImage& Imagem, const QRect& Regiao, const QRect& Excluida) {
    const QRect Dentro = Regiao.intersected(Imagem.rect());
    for (int Y = Dentro.top(); Y <= Dentro.bottom(); ++Y)
        for (int X = Dentro.left(); X <= Dentro.right(); ++X)
            if (!Excluida.contains(X, Y) && (Imagem.pixel(X, Y) & 0xFFFFFF) != 0xFFFFFF)
                return false;
    return true;
}

std::optional<QByteArray> ExecutaPoppler(const QString& Programa, const QStringList& Argumentos) {
    QProcess Processo;
    Processo.start(Programa, Argumentos);
    if (!Processo.waitForFinished(60000) || Processo.exitStatus() != QProcess::NormalExit ||
        Processo.exitCode() != 0)
        return std::nullopt;
    return Processo.readAllStandardOutput();
}

QImage RasterizaPdf(const QString& Caminho, int Dpi, int Pagina) {
    QTemporaryDir Pasta;
    const QString Prefixo = Pasta.filePath(QStringLiteral("pagina"));
    const QString Numero = QString::number(Pagina);
    if (!ExecutaPoppler(QStringLiteral("pdftoppm"),
                        {QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-f"), Numero,
                         QStringLiteral("-l"), Numero, QStringLiteral("-png"), QStringLiteral("-singlefile"),
                         Caminho, Prefixo}))
        return {};
    return QImage(Prefixo + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}
