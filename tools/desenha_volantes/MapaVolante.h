#pragma once

#include "ModelosVolante.h"

#include <QList>
#include <QRect>
#include <QString>

#include <optional>

// A place on the slip where the layout can put a mark: the mark's box once placed, in report pixels
// from the slip cell's corner, the value it stands for, and the group of boxes it belongs to (a game
// block or an option row).
struct TCasaVolante {
    QRect Marca;
    QString Rotulo;
    QString Grupo;
};

// Everything a slip picture is drawn from, taken from a print run of the model.
struct TMapaVolante {
    QRect CaixaImagem;         // the picture's box (RLImage1) as the page format sets it
    QList<TCasaVolante> Casas; // one per distinct mark box, in the order found
    QList<QRect> Guias;        // the guides drawn as guide marks: the slip's reading marks
    QList<QRect> Textos;       // where the run writes the slip's texts (games, title, page, ...)
    QString Titulo;            // the game's name
    QString Subtitulo;         // the model's caption
};

// Assembles a print run of the model as the print manager does (plain sheets, the most games per
// slip) and asks its slip layout, value by value, where each mark goes: every number of every game
// block, every numbers-per-game count, quick pick, repeat draw and pool quota the rules offer for the
// model, and the months, clubs, mirror bets, clovers and clover counts of the games that have them.
// None, with the reason in Erro, when no run can be assembled.
std::optional<TMapaVolante> MapeiaVolante(const TModeloVolante& Modelo, QString& Erro);
