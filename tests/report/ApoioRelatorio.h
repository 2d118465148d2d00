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

inline const TMargens MargensFolha{Milimetros(20), Milimetros(10), Milimetros(20), Milimetros(10)};

// An A4 landscape report with three cells across, margins and grid as the slip sheets use them.
void PreparaFolhaTresVolantes(TRelatorio& Relatorio, const TMargens& Margens);

// Marks of a slip: ellipses at whole report pixels from the cell corner, as the slip layouts place
// them, drawn in every cell.
void CriaMarcas(TRelatorio& Relatorio);
// Checks that every mark of the first page's three cells is centred where its box lies, to a
// twentieth of a pixel, in a page image at 96 dpi and in the same page of another output rasterised
// at 96 dpi; their darkened areas may differ by an edge pixel covered about half.
void VerificaMarcasNoLugar(const TRelatorio& Relatorio, const QImage& Direta, const QImage& Rasterizada);

// The smallest rectangle holding every pixel of Regiao darker than Limiar (grey level 0..255), or
// none when there is none.
std::optional<QRect> AreaEscura(const QImage& Imagem, const QRect& Regiao, int Limiar = 128);
// The centre of the darkness of Regiao (each pixel weighted by 255 minus its grey level), or none
// when Regiao is white.
std::optional<QPointF> CentroEscuro(const QImage& Imagem, const QRect& Regiao);
// True when every pixel of Regiao outside Excluida is pure white.
bool BrancoForaDe(const QImage& Imagem, const QRect& Regiao, const QRect& Excluida);

struct InfoPdf {
    int Paginas = 0;
    QString Tamanho; // in points, "842 x 595"
};

// Runs a program of poppler-utils; empty when it is missing or fails.
std::optional<QByteArray> ExecutaPoppler(const QString& Programa, const QStringList& Argumentos);
// Page count and page size of a PDF, by pdfinfo.
std::optional<InfoPdf> LeInfoPdf(const QString& Caminho);
// The first page of a PDF rasterised by pdftoppm at Dpi, or a null image.
QImage RasterizaPdf(const QString& Caminho, int Dpi, int Pagina = 1);
