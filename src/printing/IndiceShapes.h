#pragma once

#include <QHash>
#include <QString>

#include <vector>

class TRelatorio;
class TShape;

// The drawn shapes of one report template, found by name without regard to case. A print run looks
// three shapes up for every mark it places and walks all of them for every sheet, so the index keeps
// its own tables instead of asking the report each time; it catches up with the report whenever the
// report has gained components (a report never loses one).
class TIndiceShapes {
public:
    // The shape of that name on Relatorio, or none (also when the component of that name is not a
    // shape).
    TShape* Shape(const TRelatorio& Relatorio, const QString& Nome);
    // Every shape of Relatorio in the order of creation.
    const std::vector<TShape*>& Todos(const TRelatorio& Relatorio);

private:
    void Atualiza(const TRelatorio& Relatorio);

    const TRelatorio* FRelatorio = nullptr;
    std::size_t FQdeComponentesVistos = 0;
    std::vector<TShape*> FTodos;
    // Names as written hit first: the engine builds them with the case it created them with, and the
    // case-folded copy costs an allocation per lookup.
    QHash<QString, TShape*> FPorNome;
    QHash<QString, TShape*> FPorNomeSemCaixa;
};
