#pragma once

// Table-driven checks of a game's slip layout: each test of a layout lists what its slip models must
// show, and these run the tables on the layout set up as a print run sets it up (Monta).
#include "ApoioImpressao.h"

#include <QPoint>
#include <QRect>
#include <QStringList>

#include <map>
#include <vector>

// The run's options that the layout marks once per sheet.
struct TOpcoesVolante {
    int QdeNumPorVolante = 0;
    int Surpresinha = 0;
    int Teimosinha = 0;
    int Bolao = 0;
};

// A guide or mark as CriaTodosShapes leaves it on the slip model.
struct TCasoShape {
    int Modelo;
    const char* Nome;
    QRect Box;
    int Tag;
    TFormatoShape Formato;
};

// A sheet on a slip model with those options, and marks with the top-left corners they must end at.
struct TCasoMarcas {
    int Modelo;
    TOpcoesVolante Opcoes;
    QStringList Jogos;
    std::map<QString, QPoint> Marcas;
};

// A sheet on which one value has no box: the placement error must name these three shapes and the one
// missing, and that mark stays hidden.
struct TCasoErro {
    int Modelo;
    TOpcoesVolante Opcoes;
    QString Jogo;
    const char* Coluna;
    const char* Linha;
    const char* Marca;
    const char* Faltando;
};

// The layout of that game and model with those options.
TMontagem MontaCom(const QString& NomeModalidade, int Modelo, const TOpcoesVolante& Opcoes);

// Each shape exists with its box, tag and kind.
void ConfereShapes(const QString& NomeModalidade, const std::vector<TCasoShape>& Casos);

// The shapes of the model are created in the order of Chaves (the other shapes may lie between them),
// and there are Total shapes in all.
void ConfereOrdemDeCriacao(const QString& NomeModalidade, int Modelo, const QStringList& Chaves, int Total);

// After SetDados of the sheet, each listed mark is shown at its corner and no error is reported.
void ConfereMarcas(const QString& NomeModalidade, const std::vector<TCasoMarcas>& Casos);

// After SetDados of the sheet, the option marks shown (every mark but the numbers') are exactly the
// listed ones, at their corners, and no error is reported.
void ConfereMarcasDeOpcao(const QString& NomeModalidade, const std::vector<TCasoMarcas>& Casos);

// After SetDados of the sheet, exactly one placement error is reported, the one of the case; the other
// numbers of the game are still marked.
void ConfereErros(const QString& NomeModalidade, const std::vector<TCasoErro>& Casos);

// Draws the first page of a whole print run of those sheets on plain paper at 96 dpi and checks each of
// its slips (ConfereVolanteDesenhado): every mark dark, every empty number box blank, and the number of
// marks of each slip as listed.
void ConfereVolantesDesenhados(const TConfiguracaoImpressao& Configuracao,
                               const std::vector<TFolhaImpressao>& Folhas,
                               const QList<int>& MarcasPorVolante);
