#include "DesenhoVolante.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace {

// Report pixels.
constexpr double MargemHorizontal = 2.5;
constexpr double MargemVertical = 2.0;
constexpr double EspacoEntreCaixas = 1.5; // white left between two neighbouring outlines
constexpr double EspessuraContorno = 0.8;
constexpr double AlturaLegenda = 6.0;
constexpr int LadoMiniatura = 226;
constexpr int PontosPorMetro96Dpi = 3780;

// The colour each game prints its slips in; dark enough for the box outlines to stand out.
QColor CorDoJogo(TTipoModalidade Tipo) {
    switch (Tipo) {
    case TTipoModalidade::Megasena:
        return {20, 120, 80};
    case TTipoModalidade::Lotofacil:
        return {130, 40, 130};
    case TTipoModalidade::Quina:
        return {40, 50, 150};
    case TTipoModalidade::DiaDeSorte:
        return {130, 90, 10};
    case TTipoModalidade::Lotomania:
        return {180, 75, 0};
    case TTipoModalidade::Timemania:
        return {40, 110, 30};
    case TTipoModalidade::DuplaSena:
        return {160, 30, 40};
    case TTipoModalidade::MaisMilionaria:
        return {30, 50, 110};
    case TTipoModalidade::Seninha:
    case TTipoModalidade::Super7:
    case TTipoModalidade::Indefinida:
        break;
    }
    return {60, 60, 60};
}

// Cor mixed with white: Branco 0 keeps the colour, 1 gives white.
QColor Clareia(const QColor& Cor, double Branco) {
    const auto Mistura = [Branco](int Canal) {
        return int(Canal + (255 - Canal) * Branco + 0.5);
    };
    return {Mistura(Cor.red()), Mistura(Cor.green()), Mistura(Cor.blue())};
}

bool Sobrepoe(double Inicio1, double Fim1, double Inicio2, double Fim2) {
    return Inicio1 < Fim2 && Inicio2 < Fim1;
}

// A font of the given height in report pixels, on an image whose painter draws in report pixels.
QFont Fonte(double AlturaPixels, bool Negrito = false) {
    QFont Resultado(QStringLiteral("Arial"));
    Resultado.setStyleHint(QFont::SansSerif);
    Resultado.setPointSizeF(AlturaPixels * 72.0 / 96.0);
    Resultado.setBold(Negrito);
    return Resultado;
}

// The font of Altura pixels, made smaller until Texto fits in Largura.
QFont FonteQueCabe(const QString& Texto, double Altura, double Largura, const QPaintDevice& Dispositivo,
                   bool Negrito = false) {
    QFont Resultado = Fonte(Altura, Negrito);
    const double Necessaria = QFontMetricsF(Resultado, &Dispositivo).horizontalAdvance(Texto);
    if (Necessaria > Largura)
        Resultado = Fonte(Altura * Largura / Necessaria, Negrito);
    return Resultado;
}

// The tallest band across the whole picture that nothing of the slip touches, in picture coordinates.
QRectF FaixaLivre(const QRectF& Imagem, const std::vector<QRectF>& Ocupados) {
    std::vector<std::pair<double, double>> Faixas;
    for (const QRectF& Ocupado : Ocupados)
        Faixas.emplace_back(Ocupado.top(), Ocupado.bottom());
    std::sort(Faixas.begin(), Faixas.end());
    QRectF Melhor(Imagem.left(), Imagem.top(), Imagem.width(), 0);
    double Livre = Imagem.top();
    const auto Considera = [&](double Fim) {
        if (Fim - Livre > Melhor.height())
            Melhor = QRectF(Imagem.left(), Livre, Imagem.width(), Fim - Livre);
    };
    for (const auto& [Topo, Base] : Faixas) {
        Considera(std::min(Topo, Imagem.bottom()));
        Livre = std::max(Livre, Base);
    }
    Considera(Imagem.bottom());
    return Melhor;
}

class TDesenhista {
public:
    TDesenhista(const TModeloVolante& Modelo, const TMapaVolante& Mapa, const QList<QRectF>& Caixas)
        : FMapa(Mapa)
        , FCaixas(Caixas)
        , FCor(CorDoJogo(Modelo.Tipo))
        , FImagem(Modelo.TamanhoDigitalizacao, QImage::Format_RGB32) {
        FImagem.setDotsPerMeterX(PontosPorMetro96Dpi);
        FImagem.setDotsPerMeterY(PontosPorMetro96Dpi);
        for (const QRectF& Caixa : Caixas)
            FOcupados.push_back(Caixa);
        for (const QRect& Guia : Mapa.Guias)
            FOcupados.emplace_back(Guia);
        for (const QRect& Texto : Mapa.Textos)
            FOcupados.emplace_back(Texto);
    }

    QImage Desenha() {
        FImagem.fill(Clareia(FCor, 0.93));
        QPainter Pintor(&FImagem);
        Pintor.setRenderHint(QPainter::Antialiasing);
        Pintor.setRenderHint(QPainter::TextAntialiasing);
        const QRectF Caixa(FMapa.CaixaImagem);
        Pintor.scale(FImagem.width() / Caixa.width(), FImagem.height() / Caixa.height());
        Pintor.translate(-Caixa.topLeft());

        Pintor.setPen(QPen(FCor, EspessuraContorno));
        Pintor.setBrush(Qt::NoBrush);
        Pintor.drawRoundedRect(Caixa.adjusted(1, 1, -1, -1), 6, 6);
        DesenhaTitulo(Pintor, FaixaLivre(Caixa, FOcupados));
        DesenhaCasas(Pintor);
        DesenhaLegendas(Pintor);
        for (const QRect& Guia : FMapa.Guias)
            Pintor.fillRect(QRectF(Guia), Qt::black);
        return FImagem;
    }

private:
    void DesenhaTitulo(QPainter& Pintor, const QRectF& Faixa) {
        const QRectF Area = Faixa.adjusted(6, 3, -6, -3);
        if (Area.height() <= 0)
            return;
        const double AlturaTitulo = std::min(Area.height() * 0.55, 26.0);
        const QFont FonteTitulo =
            FonteQueCabe(FMapa.Titulo.toUpper(), AlturaTitulo, Area.width(), FImagem, true);
        const QFont FonteSubtitulo =
            FonteQueCabe(FMapa.Subtitulo, AlturaTitulo * 0.45, Area.width(), FImagem);
        const double AlturaTexto =
            QFontMetricsF(FonteTitulo, &FImagem).height() + QFontMetricsF(FonteSubtitulo, &FImagem).height();
        const double Topo = Area.center().y() - AlturaTexto / 2;
        const double Meio = Topo + QFontMetricsF(FonteTitulo, &FImagem).height();
        Pintor.setPen(FCor);
        Pintor.setFont(FonteTitulo);
        Pintor.drawText(QRectF(Area.left(), Topo, Area.width(), Meio - Topo), Qt::AlignCenter,
                        FMapa.Titulo.toUpper());
        Pintor.setFont(FonteSubtitulo);
        Pintor.drawText(QRectF(Area.left(), Meio, Area.width(), Topo + AlturaTexto - Meio), Qt::AlignCenter,
                        FMapa.Subtitulo);
        FOcupados.push_back(QRectF(Area.left(), Topo, Area.width(), AlturaTexto));
    }

    void DesenhaCasas(QPainter& Pintor) {
        const QColor CorRotulo = Clareia(FCor, 0.6);
        for (int Indice = 0; Indice < FCaixas.size(); ++Indice) {
            const QRectF& Caixa = FCaixas[Indice];
            Pintor.setPen(QPen(FCor, EspessuraContorno, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            Pintor.setBrush(Qt::white);
            Pintor.drawRect(Caixa);
            const QString& Rotulo = FMapa.Casas[Indice].Rotulo;
            const QRectF Interior =
                Caixa.adjusted(EspessuraContorno, EspessuraContorno, -EspessuraContorno, -EspessuraContorno);
            Pintor.setPen(CorRotulo);
            Pintor.setFont(FonteQueCabe(Rotulo, Interior.height() * 0.9, Interior.width() * 0.92, FImagem));
            Pintor.drawText(Interior, Qt::AlignCenter, Rotulo);
        }
    }

    // Each group's name just above its boxes, where there is room for it.
    void DesenhaLegendas(QPainter& Pintor) {
        QStringList Grupos;
        for (const TCasaVolante& Casa : FMapa.Casas)
            if (!Grupos.contains(Casa.Grupo))
                Grupos.append(Casa.Grupo);
        const QFont FonteLegenda = Fonte(AlturaLegenda);
        const QFontMetricsF Metricas(FonteLegenda, &FImagem);
        Pintor.setFont(FonteLegenda);
        Pintor.setPen(FCor);
        for (const QString& Grupo : Grupos) {
            QRectF Limite;
            for (int Indice = 0; Indice < FCaixas.size(); ++Indice)
                if (FMapa.Casas[Indice].Grupo == Grupo)
                    Limite = Limite.united(FCaixas[Indice]);
            const QRectF Legenda(Limite.left(), Limite.top() - 1 - Metricas.height(),
                                 Metricas.horizontalAdvance(Grupo), Metricas.height());
            const bool Livre = QRectF(FMapa.CaixaImagem).contains(Legenda) &&
                               std::none_of(FOcupados.begin(), FOcupados.end(), [&](const QRectF& Ocupado) {
                                   return Ocupado.intersects(Legenda);
                               });
            if (!Livre)
                continue;
            Pintor.drawText(Legenda, Qt::AlignLeft | Qt::AlignVCenter, Grupo);
            FOcupados.push_back(Legenda);
        }
    }

    const TMapaVolante& FMapa;
    const QList<QRectF>& FCaixas;
    QColor FCor;
    QImage FImagem;
    std::vector<QRectF> FOcupados;
};

} // namespace

QList<QRectF> CaixasDasCasas(const QList<TCasaVolante>& Casas, const QRectF& Figura,
                             const QList<QRect>& Guias) {
    // What an outline must keep clear of: the other marks and the reading marks.
    QList<QRectF> Obstaculos;
    for (const TCasaVolante& Casa : Casas)
        Obstaculos.append(QRectF(Casa.Marca));
    for (const QRect& Guia : Guias)
        Obstaculos.append(QRectF(Guia));
    QList<QRectF> Caixas;
    for (qsizetype Indice = 0; Indice < Casas.size(); ++Indice) {
        const QRectF Marca(Casas[Indice].Marca);
        // A mark close to the picture's edge gets a narrower margin on that side's axis.
        const double MeioContorno = EspessuraContorno / 2;
        double Horizontal = std::min({MargemHorizontal, Marca.left() - Figura.left() - MeioContorno,
                                      Figura.right() - Marca.right() - MeioContorno});
        double Vertical = std::min({MargemVertical, Marca.top() - Figura.top() - MeioContorno,
                                    Figura.bottom() - Marca.bottom() - MeioContorno});
        for (qsizetype Outro = 0; Outro < Obstaculos.size(); ++Outro) {
            const QRectF& Vizinha = Obstaculos[Outro];
            if (Outro == Indice)
                continue;
            // A neighbour on the same row limits the sides, one in the same column the top and bottom.
            if (Sobrepoe(Marca.top() - MargemVertical, Marca.bottom() + MargemVertical, Vizinha.top(),
                         Vizinha.bottom())) {
                const double Distancia =
                    std::max(Vizinha.left() - Marca.right(), Marca.left() - Vizinha.right());
                if (Distancia >= 0)
                    Horizontal = std::min(Horizontal, (Distancia - EspacoEntreCaixas) / 2);
            }
            if (Sobrepoe(Marca.left() - MargemHorizontal, Marca.right() + MargemHorizontal, Vizinha.left(),
                         Vizinha.right())) {
                const double Distancia =
                    std::max(Vizinha.top() - Marca.bottom(), Marca.top() - Vizinha.bottom());
                if (Distancia >= 0)
                    Vertical = std::min(Vertical, (Distancia - EspacoEntreCaixas) / 2);
            }
        }
        Caixas.append(Marca.adjusted(-Horizontal, -Vertical, Horizontal, Vertical));
    }
    return Caixas;
}

QStringList ConfereCaixas(const TMapaVolante& Mapa, const QList<QRectF>& Caixas) {
    const auto Descreve = [&](int Indice) -> QString {
        const TCasaVolante& Casa = Mapa.Casas[Indice];
        return Casa.Grupo + QStringLiteral(" '") + Casa.Rotulo + QStringLiteral("'");
    };
    const double MeioContorno = EspessuraContorno / 2;
    const auto ComContorno = [&](int Indice) {
        return Caixas[Indice].adjusted(-MeioContorno, -MeioContorno, MeioContorno, MeioContorno);
    };
    QStringList Problemas;
    for (int Indice = 0; Indice < Caixas.size(); ++Indice) {
        const QRectF Externa = ComContorno(Indice);
        const QRectF Interna =
            Caixas[Indice].adjusted(MeioContorno, MeioContorno, -MeioContorno, -MeioContorno);
        if (!Interna.contains(QRectF(Mapa.Casas[Indice].Marca)))
            Problemas.append(Descreve(Indice) + QStringLiteral(": o contorno toca a marca"));
        if (!QRectF(Mapa.CaixaImagem).contains(Externa))
            Problemas.append(Descreve(Indice) + QStringLiteral(": fora da imagem"));
        for (int Outra = Indice + 1; Outra < Caixas.size(); ++Outra)
            if (Externa.intersects(ComContorno(Outra)))
                Problemas.append(Descreve(Indice) + QStringLiteral(" toca ") + Descreve(Outra));
        for (const QRect& Guia : Mapa.Guias)
            if (Externa.intersects(QRectF(Guia)))
                Problemas.append(Descreve(Indice) + QStringLiteral(": sob uma marca de leitura"));
    }
    return Problemas;
}

QImage DesenhaVolante(const TModeloVolante& Modelo, const TMapaVolante& Mapa, const QList<QRectF>& Caixas) {
    return TDesenhista(Modelo, Mapa, Caixas).Desenha();
}

QImage MiniaturaVolante(const QImage& Volante) {
    return Volante.scaled(LadoMiniatura, LadoMiniatura, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
