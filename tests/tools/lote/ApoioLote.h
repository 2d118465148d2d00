#pragma once

#include "apoio/ExecutaPrograma.h"

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

// Running cartelim-lote and the poppler tools, and reading what they leave.

// Runs the built cartelim-lote in Pasta with the arguments, feeding Entrada to its standard input;
// Ambiente holds NAME=value settings added to the test's environment.
TResultadoProcesso ExecutaLote(const QStringList& Argumentos, const QString& Pasta,
                               const QByteArray& Entrada = {}, const QStringList& Ambiente = {});
// The same with standard input read from a file (a device, a named pipe).
TResultadoProcesso ExecutaLoteLendo(const QStringList& Argumentos, const QString& Pasta,
                                    const QString& ArquivoDeEntrada);
// As ExecutaLote, with standard error on a terminal (a pseudo-terminal the test reads): Erros is what
// a person would have seen there.
TResultadoProcesso ExecutaLoteNoTerminal(const QStringList& Argumentos, const QString& Pasta,
                                         const QByteArray& Entrada);
// Runs a helper program (pdfinfo, pdftoppm, pdftotext); its standard output.
QString ExecutaFerramenta(const QString& Programa, const QStringList& Argumentos);

int PaginasDoPdf(const QString& Caminho);
// Page Pagina (from 1) of the PDF rendered by poppler at Dpi.
QImage RenderizaPdf(const QString& Caminho, int Pagina, int Dpi);
QString TextoDoPdf(const QString& Caminho);

// Every file under Pasta, hidden ones too, as paths relative to it, sorted.
QStringList ArquivosEm(const QString& Pasta);

// A connected group of dark pixels: a mark or a guide on a page image.
struct TMancha {
    QRect Caixa;
    QPointF Centro;
    int Pixels = 0;
};
// The dark patches of at least MinimoPixels pixels (letters of the texts are smaller), top to bottom,
// left to right.
std::vector<TMancha> ManchasEscuras(const QImage& Imagem, int MinimoPixels = 50);
