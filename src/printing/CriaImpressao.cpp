#include "printing/CriaImpressao.h"

#include "catalogue/ULib.h"
#include "printing/layouts/ImpressaoDiaSorte.h"
#include "printing/layouts/ImpressaoDuplaSena.h"
#include "printing/layouts/ImpressaoLotofacil.h"
#include "printing/layouts/ImpressaoLotomania.h"
#include "printing/layouts/ImpressaoMaisMilionaria.h"
#include "printing/layouts/ImpressaoMega.h"
#include "printing/layouts/ImpressaoQuina.h"
#include "printing/layouts/ImpressaoTimemania.h"

#include <array>

namespace {

struct TRegistroLayout {
    TTipoModalidade Tipo;
    std::unique_ptr<TImpressao> (*Cria)();
};

template <class TLayout> std::unique_ptr<TImpressao> CriaLayout() {
    return std::make_unique<TLayout>();
}

// One line per game with a slip layout.
constexpr std::array Layouts{
    TRegistroLayout{TTipoModalidade::Megasena, &CriaLayout<TImpressaoMega>},
    TRegistroLayout{TTipoModalidade::Lotofacil, &CriaLayout<TImpressaoLotofacil>},
    TRegistroLayout{TTipoModalidade::Quina, &CriaLayout<TImpressaoQuina>},
    TRegistroLayout{TTipoModalidade::DiaDeSorte, &CriaLayout<TImpressaoDiaSorte>},
    TRegistroLayout{TTipoModalidade::Lotomania, &CriaLayout<TImpressaoLotomania>},
    TRegistroLayout{TTipoModalidade::DuplaSena, &CriaLayout<TImpressaoDuplaSena_2020>},
    TRegistroLayout{TTipoModalidade::Timemania, &CriaLayout<TImpressaoTimemania>},
    TRegistroLayout{TTipoModalidade::MaisMilionaria, &CriaLayout<TImpressaoMaisMilionaria>},
};

} // namespace

std::unique_ptr<TImpressao> CriaImpressao(QStringView Nome) {
    const TTipoModalidade Tipo = IdentificaModalidade(Nome);
    for (const TRegistroLayout& Registro : Layouts)
        if (Registro.Tipo == Tipo)
            return Registro.Cria();
    return nullptr;
}
