#pragma once

#include <QImage>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class TRelatorio;

// The outcome of writing a report somewhere; on failure Mensagem says why, in words for the user.
struct TResultadoSaida {
    bool Sucesso = true;
    QString Mensagem;

    static TResultadoSaida Ok() { return {}; }
    static TResultadoSaida Falha(const QString& Mensagem) { return {false, Mensagem}; }
};

// Every output draws through TRelatorio::DesenhaPagina; these set the painter up so that one unit is
// one report pixel whatever the device's resolution.

// Scales a painter begun on a device (its origin at the paper's corner) to report pixels.
void AjustaPintorParaPixelsRelatorio(QPainter& Pintor);

// Draws every page of the report on a paged device (PDF writer, printer) whose painter is begun on
// the first page with its origin at the paper's corner; pages follow one another with newPage, so
// nothing of a page is kept once the next one starts.
void DesenhaTodasPaginas(TRelatorio& Relatorio, QPainter& Pintor, QPagedPaintDevice& Dispositivo);

// Writes the report as a PDF file of QdePaginas() pages of the report's paper. The file appears only
// when it is complete: on failure nothing is left at Caminho (an earlier file of that name is kept).
TResultadoSaida ExportaPdf(TRelatorio& Relatorio, const QString& Caminho, const QString& Titulo = {});

// Page Indice as a white image at Dpi dots per inch, drawn with antialiasing; at 96 dpi one image
// pixel is one report pixel.
QImage ImagemPagina(TRelatorio& Relatorio, int Indice, int Dpi);
