#pragma once

#include "report/Componente.h"
#include "report/FonteDados.h"
#include "report/GradeDetalhe.h"
#include "report/Imagem.h"
#include "report/LayoutPagina.h"
#include "report/Memo.h"
#include "report/Regua.h"
#include "report/Rotulo.h"
#include "report/RotuloAngular.h"
#include "report/Shape.h"
#include "report/Unidades.h"

#include <QHash>
#include <QPageLayout>
#include <QPageSize>

#include <memory>
#include <vector>

class QPainter;

// A report: the paper, its margins, one detail grid bound to a data source, and the controls printed
// in every cell of the grid. The report owns its components; each has a name unique on the report,
// looked up without regard to case, and they are enumerated in the order of their creation (which is
// also the drawing order: later controls are drawn over earlier ones).
class TRelatorio {
public:
    TRelatorio();
    ~TRelatorio();
    TRelatorio(const TRelatorio&) = delete;
    TRelatorio& operator=(const TRelatorio&) = delete;

    // Paper size as held in portrait (A4, or QPageSize(QSizeF(w, h), QPageSize::Millimeter)) and the
    // orientation: landscape swaps width and height. A4 portrait by default.
    QPageSize TamanhoPapel() const { return FTamanhoPapel; }
    QPageLayout::Orientation Orientacao() const { return FOrientacao; }
    TMargens Margens() const { return FMargens; }
    void SetTamanhoPapel(const QPageSize& Value) { FTamanhoPapel = Value; }
    void SetOrientacao(QPageLayout::Orientation Value) { FOrientacao = Value; }
    void SetMargens(const TMargens& Value) { FMargens = Value; }

    // The page as printed: width and height after the orientation.
    Milimetros LarguraPagina() const;
    Milimetros AlturaPagina() const;
    // Paper and orientation for a PDF writer or a printer, without margins: the report places
    // everything itself from the paper's corner, so margins may even be negative.
    QPageLayout LayoutPapel() const;

    // The rows to print; not owned. Without a source the report has no pages.
    TFonteDados* FonteDados() const { return FFonteDados; }
    void SetFonteDados(TFonteDados* Value) { FFonteDados = Value; }

    // Creation throws std::logic_error when the name is already taken (or, for the grid, when the
    // report has one already): two components of one name are a defect of the caller.
    TGradeDetalhe& CriaGradeDetalhe(const QString& Name);
    TShape& CriaShape(const QString& Name);
    TImagem& CriaImagem(const QString& Name);
    TRotulo& CriaRotulo(const QString& Name);
    TMemo& CriaMemo(const QString& Name);
    TRotuloAngular& CriaRotuloAngular(const QString& Name);
    TRegua& CriaRegua(const QString& Name);

    // The grid, or none before CriaGradeDetalhe.
    TGradeDetalhe* GradeDetalhe() const { return FGradeDetalhe; }
    // The component of that name, compared without regard to case, or none.
    TComponente* Componente(const QString& Name) const;
    template <class T> T* Componente(const QString& Name) const { return dynamic_cast<T*>(Componente(Name)); }
    // Every component, the grid included, in the order of creation.
    const std::vector<TComponente*>& Componentes() const { return FOrdem; }

    TLayoutPagina Layout() const;
    // Pages needed for every row of the source: 0 without a grid, a source or rows.
    int QdePaginas() const;
    // Draws page Indice (0 .. QdePaginas() - 1) on a painter whose coordinates are report pixels with
    // the origin at the paper's top-left corner. For each cell of the page, in order, it positions the
    // source on the cell's row, runs the grid's before-print handler, draws the cell's border and then
    // every visible control. The painter's state is restored afterwards.
    void DesenhaPagina(QPainter& Pintor, int Indice);

private:
    template <class T> T& Registra(std::unique_ptr<T> Novo);
    void DesenhaCelula(QPainter& Pintor, const TLayoutPagina& Layout, int IndiceNaPagina);

    QPageSize FTamanhoPapel{QPageSize::A4};
    QPageLayout::Orientation FOrientacao = QPageLayout::Portrait;
    TMargens FMargens;
    TFonteDados* FFonteDados = nullptr;
    TGradeDetalhe* FGradeDetalhe = nullptr;
    std::vector<std::unique_ptr<TComponente>> FComponentes;
    std::vector<TComponente*> FOrdem;
    std::vector<TControle*> FControles;
    QHash<QString, TComponente*> FPorNome; // key: the name case-folded
};
