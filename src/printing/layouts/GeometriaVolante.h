#pragma once

#include "printing/Impressao.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <optional>
#include <utility>

// Building blocks of the slip layouts whose slips are a grid of numbers with option rows below it.
// Every position is in report pixels from the slip cell's top-left corner.

// The number grid of one slip model: the column guides along its top edge, the master corner and, for
// each game block, the row guides down its left edge, followed by the block's cancel row when the slip
// has one. Every row guide is drawn as a guide mark: it lies on one of the slip's reading marks.
struct TGradeVolante {
    int PrimeiraColuna = 1;     // number of the first column guide ("SG_Col0" or "SG_Col1")
    QList<int> EsquerdaColunas; // Left of each column guide, from the first one on
    int TopoColunas = 0;
    QSize TamanhoColunas;
    QList<int> ColunasGuia; // the column guides drawn as guide marks (tag 2); the others tag 0
    QRect Master;
    int EsquerdaLinhas = 0;
    QSize TamanhoLinhas;
    QList<QList<int>> TopoLinhas; // per game block: Top of row 1, 2, ...
    QList<int> TopoAnula;         // per game block: Top of its cancel row; empty when the slip has none
};

// One option row: its guide, drawn as a guide mark, and the mark placed on it, both created at the
// row's Left and Top (only the mark's size matters: placing it moves it).
struct TOpcaoVolante {
    const char* Guia;
    int Topo;
    QSize TamanhoGuia;
    const char* Marca;
    QSize TamanhoMarca;
};

// Where one slip model gets the texts of the sheet (left, top).
struct TTextosVolante {
    QPoint RelacaoJogos;        // MemoJogos
    QPoint NomeModalidade;      // LabelNomeModalidade
    QPoint NumPagina;           // LabelNumPagina
    QPoint NomeModalidadeExtra; // LabelNomeModalidadeExtra
    QPoint QdeCotas;            // RLCotas
};

// Sets the engine's label position lists, one entry per model, in model order.
void DefineTextosVolante(TImpressao& Impressao, const std::array<TTextosVolante, 2>& Modelos);

// Creates the column guides, the master corner and the row and cancel guides of every game block, in
// this order.
void CriaGradeVolante(TImpressao& Impressao, const TGradeVolante& Grade);

// Creates each option row's guide followed by its mark, in the given order, at Left Esquerda.
void CriaOpcoesVolante(TImpressao& Impressao, int Esquerda, const QList<TOpcaoVolante>& Opcoes);

// The column of a value in a table of (value, column) pairs; none for a value the table lacks.
std::optional<int> ColunaDoValor(const QList<std::pair<int, int>>& Tabela, int Valor);

// The pool quota rows spell a quota count: the tens row marks the tens digit (counts 10 to 99), the
// units row the units digit + 1 (counts 2 to 99: units 0 on column 1, 9 on column 10). None when the
// row gets no mark for the count, or the count is above the slip's ceiling MaiorCota.
std::optional<int> ColunaBolaoDezena(int Cotas, int MaiorCota);
std::optional<int> ColunaBolaoUnidade(int Cotas, int MaiorCota);
