#include "ApoioRelatorio.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

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

void CriaMarcas(TRelatorio& Relatorio) {
    const QRect Caixas[] = {QRect(48, 187, 19, 13), QRect(101, 201, 19, 13), QRect(250, 650, 19, 13),
                            QRect(8, 3, 12, 9)};
    int Numero = 0;
    for (const QRect& Caixa : Caixas) {
        TShape& Marca = Relatorio.CriaShape(QStringLiteral("ShapeJogo1_Num%1").arg(++Numero));
        Marca.SetFormato(TFormatoShape::dkElipse);
        Marca.SetBox(Caixa);
    }
}

void VerificaMarcasNoLugar(const TRelatorio& Relatorio, const QImage& Direta, const QImage& Rasterizada) {
    ASSERT_EQ(Rasterizada.size(), Direta.size());
    const TLayoutPagina Layout = Relatorio.Layout();
    for (int Celula = 0; Celula < 3; ++Celula)
        for (const TComponente* Componente : Relatorio.Componentes()) {
            const auto* Marca = dynamic_cast<const TShape*>(Componente);
            if (!Marca)
                continue;
            const std::string Onde = Marca->Name().toStdString() + " cell " + std::to_string(Celula);
            const QRectF Esperado = QRectF(Marca->Box()).translated(Layout.OrigemConteudo(Celula));
            const QRect Regiao = Esperado.toAlignedRect().adjusted(-3, -3, 3, 3);
            const auto NaImagem = CentroEscuro(Direta, Regiao);
            const auto NaOutra = CentroEscuro(Rasterizada, Regiao);
            ASSERT_TRUE(NaImagem && NaOutra) << Onde;
            EXPECT_NEAR(NaImagem->x(), Esperado.center().x(), 0.05) << Onde;
            EXPECT_NEAR(NaImagem->y(), Esperado.center().y(), 0.05) << Onde;
            EXPECT_NEAR(NaOutra->x(), NaImagem->x(), 0.05) << Onde;
            EXPECT_NEAR(NaOutra->y(), NaImagem->y(), 0.05) << Onde;
            const QRect AreaImagem = AreaEscura(Direta, Regiao).value_or(QRect());
            const QRect AreaOutra = AreaEscura(Rasterizada, Regiao).value_or(QRect());
            EXPECT_TRUE(Esperado.toAlignedRect().contains(AreaImagem)) << Onde;
            EXPECT_LE((AreaImagem.topLeft() - AreaOutra.topLeft()).manhattanLength(), 1) << Onde;
            EXPECT_LE((AreaImagem.bottomRight() - AreaOutra.bottomRight()).manhattanLength(), 1) << Onde;
        }
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

std::optional<InfoPdf> LeInfoPdf(const QString& Caminho) {
    const auto Saida = ExecutaPoppler(QStringLiteral("pdfinfo"), {Caminho});
    if (!Saida)
        return std::nullopt;
    const QString Texto = QString::fromUtf8(*Saida);
    InfoPdf Info;
    Info.Paginas = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(Texto).captured(1).toInt();
    Info.Tamanho =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+ x [\\d.]+)")).match(Texto).captured(1);
    return Info;
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
