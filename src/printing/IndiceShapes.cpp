#include "printing/IndiceShapes.h"

#include "report/Relatorio.h"

TShape* TIndiceShapes::Shape(const TRelatorio& Relatorio, const QString& Nome) {
    Atualiza(Relatorio);
    if (TShape* Exato = FPorNome.value(Nome, nullptr))
        return Exato;
    return FPorNomeSemCaixa.value(Nome.toCaseFolded(), nullptr);
}

const std::vector<TShape*>& TIndiceShapes::Todos(const TRelatorio& Relatorio) {
    Atualiza(Relatorio);
    return FTodos;
}

void TIndiceShapes::Atualiza(const TRelatorio& Relatorio) {
    if (FRelatorio != &Relatorio) {
        FRelatorio = &Relatorio;
        FQdeComponentesVistos = 0;
        FTodos.clear();
        FPorNome.clear();
        FPorNomeSemCaixa.clear();
    }
    const std::vector<TComponente*>& Componentes = Relatorio.Componentes();
    for (; FQdeComponentesVistos < Componentes.size(); ++FQdeComponentesVistos) {
        auto* Shape = dynamic_cast<TShape*>(Componentes[FQdeComponentesVistos]);
        if (!Shape)
            continue;
        FTodos.push_back(Shape);
        FPorNome.insert(Shape->Name(), Shape);
        FPorNomeSemCaixa.insert(Shape->Name().toCaseFolded(), Shape);
    }
}
