#pragma once

#include "printing/ExecucaoImpressao.h"
#include "printing/FormImpressao.h"
#include "printing/Impressao.h"
#include "store/CDSImpressao.h"

#include <QImage>
#include <QStringList>

#include <ostream>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// A slip layout on its report template, set up as a print run sets it up.
struct TMontagem {
    std::unique_ptr<TFormImpressao> Form;
    std::unique_ptr<TImpressao> Impressao;

    TShape* Shape(const QString& Nome) const;
    // The shapes shown now, by name.
    QStringList ShapesVisiveis() const;
    template <class T> T* Componente(const QString& Nome) const { return Form->Componente<T>(Nome); }
};

// The Mega-Sena layout on the template of its model: three games of six numbers on plain sheets unless
// Ajusta says otherwise; Ajusta runs before Prepare and CriaTodosShapes.
TMontagem MontaMega(int LayoutIndex, const std::function<void(TImpressao&)>& Ajusta = {});

// Any game's layout on the template its rules name for the model, set up as a print run sets it up:
// the most games per slip and the fewest numbers per game the rules offer for the model, on plain
// sheets, unless Ajusta says otherwise; Ajusta runs before Prepare and CriaTodosShapes.
TMontagem Monta(const QString& NomeModalidade, int LayoutIndex,
                const std::function<void(TImpressao&)>& Ajusta = {});

// Every value the game's rules allow on that slip model, placed one at a time on its layout (as Monta
// sets it up, once per numbers-per-game count): every number of the range in every game block, at the
// first and the last position; every numbers-per-game count; every quick-pick and repeat-draw count;
// every quota count from 2 up to the ceiling of the numbers per game. Returns a line for each value
// whose placement raised an error or showed no mark, or showed a mark for no quotas; empty when all
// are placed.
QStringList ValoresSemMarca(const QString& NomeModalidade, int LayoutIndex);

// The marks (tag 100) shown now on the report, in the order of creation.
QList<const TShape*> MarcasVisiveis(const TRelatorio& Relatorio);

// The grey level (0 black, 255 white) of a page image drawn at 96 dpi at the centre of a box of the
// slip cell at IndiceNaPagina.
int CinzaNoCentro(const TRelatorio& Relatorio, const QImage& Pagina, int IndiceNaPagina, const QRect& Box);

// What ConfereVolanteDesenhado found on a drawn slip.
struct TVolanteDesenhado {
    int Marcas = 0;     // marks shown for the sheet
    QStringList Faltas; // marks not drawn dark, empty number boxes not blank
};

// One slip of a page drawn from the run at 96 dpi (ImagemPagina): hands Folha to the run's engine as the
// report does for the cell at Celula, then checks that every mark shown is dark at its centre and that
// the box of every number from NumInicial to NumFinal that the sheet's games lack shows the background
// Fundo (white, or a picture's grey) where the layout would put its mark. Leaves the engine's marks
// changed.
TVolanteDesenhado ConfereVolanteDesenhado(TExecucaoImpressao& Execucao, const QImage& Pagina, int Celula,
                                          const TFolhaImpressao& Folha, int NumInicial, int NumFinal,
                                          int Fundo = 255);

// A whole print run of those sheets on plain paper, as the print manager assembles it (no run when the
// rules refuse it), and its first page drawn at 96 dpi.
struct TPaginaDesenhada {
    std::unique_ptr<TCDSImpressao> CDS;
    std::unique_ptr<TExecucaoImpressao> Execucao;
    QImage Pagina;
};
TPaginaDesenhada DesenhaPrimeiraPagina(const TConfiguracaoImpressao& Configuracao,
                                       std::vector<TFolhaImpressao> Folhas);

// A print sheet with the given games (slot 1 first), their identifiers and page.
TFolhaImpressao Folha(const QStringList& Jogos, const QList<int>& Ids = {}, int Pagina = 1);

// Readable failures.
inline void PrintTo(const QString& Texto, std::ostream* Saida) {
    *Saida << '"' << Texto.toStdString() << '"';
}
inline void PrintTo(const QPoint& Ponto, std::ostream* Saida) {
    *Saida << '(' << Ponto.x() << ", " << Ponto.y() << ')';
}
inline void PrintTo(const QRect& Box, std::ostream* Saida) {
    *Saida << '(' << Box.left() << ", " << Box.top() << ", " << Box.width() << " x " << Box.height() << ')';
}

// The text of the placement error for those three names and that failure.
QString MensagemColocacao(const QString& Coluna, const QString& Linha, const QString& Marca,
                          const QString& Falha);
