#pragma once

#include "catalogue/TipoModalidade.h"

#include <QList>
#include <QSize>
#include <QString>

// A slip model that can be printed: its game has a slip layout and the model has a report template.
// Each one gets a picture, drawn at the size of the scan of its official slip.
struct TModeloVolante {
    QString NomeModalidade; // as the rules object names the game ("Mega-Sena")
    TTipoModalidade Tipo = TTipoModalidade::Indefinida;
    int LayoutIndex = 0;
    QString Legenda;         // the model's caption ("Mega da Virada 2020")
    QString NomeRelatorio;   // the report template's class name
    QString ArquivoImagem;   // the picture's file name, as the report template looks for it
    QString ImagemMiniatura; // the name of the main window's thumbnail
    QSize TamanhoDigitalizacao;
};

// Every printable slip model of every game whose slip layout the layout factory knows, in the order of
// the game list of the import tab and then by model.
QList<TModeloVolante> ModelosVolante();

// The size in pixels of the scan of the official slip of that model.
QSize TamanhoDigitalizacao(TTipoModalidade Tipo, int LayoutIndex);
