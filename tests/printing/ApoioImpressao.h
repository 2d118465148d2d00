#pragma once

#include "printing/FormImpressao.h"
#include "printing/Impressao.h"
#include "store/CDSImpressao.h"

#include <QStringList>

#include <ostream>

#include <functional>
#include <memory>
#include <optional>

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
