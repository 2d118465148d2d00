#include "store/EntradaJogo.h"

#include "catalogue/ULib.h"
#include "store/CDSDetalhe.h"
#include "store/CorteDeTexto.h"

namespace {

constexpr qsizetype TamanhoBonus = 100;

} // namespace

TEntradaJogo LeEntradaJogo(QStringView Entrada) {
    const qsizetype DoisPontos = Entrada.indexOf(u':');
    if (DoisPontos < 0)
        return {CortaTexto(Entrada, TCDSDetalhe::TamanhoJogo), std::nullopt};
    const QStringView Jogo = CortaTexto(Apara(Entrada.first(DoisPontos)), TCDSDetalhe::TamanhoJogo);
    const QStringView Bonus = Apara(CortaTexto(Entrada.sliced(DoisPontos + 1), TamanhoBonus));
    bool Inteiro = false;
    const int Valor = Bonus.toInt(&Inteiro, 10);
    return {Jogo, Inteiro ? std::optional<int>(Valor) : std::nullopt};
}
