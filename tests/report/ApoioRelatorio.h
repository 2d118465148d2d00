#pragma once

#include "report/FonteDados.h"
#include "report/Relatorio.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <optional>

// A source of Qde rows that remembers where it stands and where it was positioned.
class TFonteTeste : public TFonteDados {
public:
    explicit TFonteTeste(int Qde)
        : FQde(Qde) {}
    int QdeLinhas() const override { return FQde; }
    void PosicionaLinha(int Linha) override {
        FAtual = Linha;
        Posicoes.push_back(Linha);
    }
    int Atual() const { return FAtual; }

    std::vector<int> Posicoes;

private:
    int FQde;
    int FAtual = -1;
};

// An A4 landscape report with three cells across, margins and grid as the slip sheets use them.
void PreparaFolhaTresVolantes(TRelatorio& Relatorio, const TMargens& Margens);

// The smallest rectangle holding every pixel of Regiao darker than Limiar (grey level 0..255), or
// none when there is none.
std::optional<QRect> AreaEscura(const QImage& Imagem, const QRect& Regiao, int Limiar = 128);
// The centre of the darkness of Regiao (each pixel weighted by 255 minus its grey level), or none
// when Regiao is white.
std::optional<QPointF> CentroEscuro(const QImage& Imagem, const QRect& Regiao);
// True when every pixel of Regiao outside Excluida is pure white.
bool BrancoForaDe(const QImage& Imagem, const QRect& Regiao, const QRect& Excluida);

// Runs a program of poppler-utils; empty when it is missing or fails.
std::optional<QByteArray> ExecutaPoppler(const QString& Programa, const QStringList& Argumentos);
// The first page of a PDF rasterised by pdftoppm at Dpi, or a null image.
QImage RasterizaPdf(const QString& Caminho, int Dpi, int Pagina = 1);
