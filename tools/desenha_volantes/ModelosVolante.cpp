#include "ModelosVolante.h"

#include "catalogue/ULib.h"
#include "printing/CriaImpressao.h"
#include "printing/ModelosRelatorio.h"

QSize TamanhoDigitalizacao(TTipoModalidade Tipo, int LayoutIndex) {
    if (Tipo == TTipoModalidade::Megasena && LayoutIndex == 1)
        return {946, 2172}; // the Mega da Virada slip
    if (Tipo == TTipoModalidade::MaisMilionaria)
        return LayoutIndex == 0 ? QSize(2196, 1302) : QSize(971, 2162); // model 0 is a landscape slip
    return {974, 2200};
}

QList<TModeloVolante> ModelosVolante() {
    QList<TModeloVolante> Modelos;
    for (const QString& Nome : ItensRadioModalidades()) {
        const std::unique_ptr<TModalidade> Regras = CriaModalidade(Nome);
        if (!Regras || !CriaImpressao(Nome))
            continue;
        Regras->SetLayoutIndex(0);
        Regras->SetParameters(Regras->QdeNumPorVolante().value(0));
        const QStringList Relatorios = Regras->NomeRelatorio();
        for (int Indice = 0; Indice < Relatorios.size(); ++Indice) {
            const std::unique_ptr<TFormImpressao> Form = CriaFormImpressao(Relatorios[Indice]);
            if (!Form)
                continue;
            Modelos.append({Regras->NomeModalidade(), Regras->TipoModalidade(), Indice,
                            Regras->Layout().value(Indice), Relatorios[Indice], Form->ArquivoImagem(),
                            Regras->ImagemMiniatura().value(Indice),
                            TamanhoDigitalizacao(Regras->TipoModalidade(), Indice)});
        }
    }
    return Modelos;
}
