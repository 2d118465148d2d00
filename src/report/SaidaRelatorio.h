#pragma once

#include <QImage>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;
class TRelatorio;

// The outcome of writing a report somewhere; on failure Mensagem says why, in words for the user. An
// output stopped on the way is no success either, and leaves nothing behind; Cancelada tells it apart
// (a window says nothing of what the user cancelled).
struct TResultadoSaida {
    bool Sucesso = true;
    QString Mensagem;
    bool Cancelada = false;

    static TResultadoSaida Ok() { return {}; }
    static TResultadoSaida Falha(const QString& Mensagem) { return {false, Mensagem}; }
    static TResultadoSaida Cancelamento(const QString& Mensagem) { return {false, Mensagem, true}; }
};

// Told after each page drawn, with the pages done and the total; answering false stops the output
// there (the user cancelled, the program was asked to end).
using TAcompanhaPaginas = std::function<bool(int Feitas, int Total)>;

// Every output draws through TRelatorio::DesenhaPagina; these set the painter up so that one unit is
// one report pixel whatever the device's resolution.

// Scales a painter begun on a device (its origin at the paper's corner) to report pixels.
void AjustaPintorParaPixelsRelatorio(QPainter& Pintor);

// Draws every page of the report on a paged device (PDF writer, printer) whose painter is begun on
// the first page with its origin at the paper's corner; pages follow one another with newPage, so
// nothing of a page is kept once the next one starts. False when Acompanha stopped it.
bool DesenhaTodasPaginas(TRelatorio& Relatorio, QPainter& Pintor, QPagedPaintDevice& Dispositivo,
                         const TAcompanhaPaginas& Acompanha = {});

// Writes the report as a PDF file of QdePaginas() pages of the report's paper. The file appears only
// when it is complete: on failure, or when Acompanha stops it, nothing is left at Caminho (an earlier
// file of that name is kept).
TResultadoSaida ExportaPdf(TRelatorio& Relatorio, const QString& Caminho, const QString& Titulo = {},
                           const TAcompanhaPaginas& Acompanha = {});

// The message of an output that Acompanha stopped.
QString MensagemInterrompida();

// Page Indice as a white image at Dpi dots per inch, drawn with antialiasing; at 96 dpi one image
// pixel is one report pixel.
QImage ImagemPagina(TRelatorio& Relatorio, int Indice, int Dpi);
