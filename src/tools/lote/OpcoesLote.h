#pragma once

#include "tools/comum/LinhaDeComando.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// Everything asked of one batch print on the command line. Values that depend on the game (numbers
// per game, games per slip) stay unset when not given; the game's rules fill them in later.
struct TOpcoesLote {
    QString Arquivo; // "-" reads standard input

    // The closing and the print setup.
    QString NomeModalidade;
    std::optional<int> QdeNumPorVolante; // default: the count of the first game line
    int LayoutIndex = 0;
    std::optional<int> QdeJogosPorVolante; // default: the model's largest
    int QdeSurpresinha = 0;
    int QdeTeimosinha = 0;
    int QdeBolao = 0;
    QString Titulo;
    std::optional<QString> Identificacao; // default: the trimmed title, as the print setup copies it
    bool OrdemCrescente = false;
    int DivisaoBolao = 0; // pool group size, 0 for none

    // The print manager's choices.
    bool VolanteOriginal = false;
    bool GuiaForcada = false;
    bool ImagemVisivel = false;
    bool TesteAlinhamento = false; // the slip picture in grey and a millimetre scale (--regua)
    QString PastaImagens;          // empty: the pictures built into the program
    bool ImprimirNumerosJogos = true;
    double AjusteEsquerda = 0; // millimetres
    double AjusteTopo = 0;
    QColor ColorShape = Qt::black;

    // Game extras.
    int Mes = 1;
    bool AvancaMes = true;
    std::optional<int> Time; // club number 1 to 80
    bool AvancaTime = true;
    bool ApostaEspelho = false;
    QList<int> Trevos; // ascending, each once
    bool MarcarTrevoMao = false;

    // Outputs; at least one is given.
    QString Pdf;
    QString PastaPng;
    int Dpi = 96;
    QString Impressora;
};

// What the command line asks for: a batch print, the help text, the version, or nothing because it is
// wrong.
using TLeituraOpcoes = std::variant<TOpcoesLote, TPedidoAjuda, TPedidoVersao, TErroDeUso>;

// Reads the arguments that follow the program name.
TLeituraOpcoes LeOpcoesLote(const QStringList& Argumentos);

// The help text of --help, in Portuguese.
QString TextoAjudaLote();
// The one-line reminder printed after a usage error.
QString TextoUsoLote();
