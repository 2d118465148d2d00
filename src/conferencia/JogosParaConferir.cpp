#include "conferencia/JogosParaConferir.h"

#include "catalogue/TimesCoracao.h"
#include "conferencia/RegrasConferencia.h"
#include "conferencia/Resultado.h"
#include "store/CDSDetalhe.h"
#include "store/DistribuidorDeExtras.h"

TJogosParaConferir::TJogosParaConferir(const TCDSDetalhe& Jogos, const TRegrasConferencia& Regras,
                                       const TExtrasApostas& Extras)
    : FTrevos(Regras.TemTrevos() ? MascaraDeTrevos(Extras.Trevos) : 0) {
    const int Qde = Jogos.QdeRegistros();
    for (auto* Lista : {&FBaixa, &FAlta})
        Lista->resize(std::size_t(Qde));
    for (auto* Lista : {&FQdeNumeros, &FExtra, &FEspelho})
        Lista->resize(std::size_t(Qde));

    TDistribuidorDeExtras Meses(Extras.Mes, UltimoMes, Extras.AvancaMes, Extras.GrupoDosContadores);
    // Without a club chosen the print setup prints nothing, so the games without their own have none.
    TDistribuidorDeExtras Times(Extras.Time, QdeTimesCoracao, Extras.AvancaTime && Extras.Time > 0,
                                Extras.GrupoDosContadores);
    for (int Linha = 0; Linha < Qde; ++Linha) {
        const std::size_t Indice = std::size_t(Linha);
        TMascaraDezenas Dezenas;
        if (LeDezenas(Jogos.JogoUtf8(Linha), Regras.NumInicial, Regras.NumFinal, Dezenas) &&
            Regras.QdeNumPorJogo.contains(Dezenas.Qde())) {
            FBaixa[Indice] = Dezenas.Baixa();
            FAlta[Indice] = Dezenas.Alta();
            FQdeNumeros[Indice] = std::uint8_t(Dezenas.Qde());
        }
        if (!Regras.TemMes() && !Regras.TemTime() && !Regras.TemEspelho())
            continue;
        const int NumBonus = Jogos.NumBonus(Linha).value_or(0);
        const int IDJogo = Jogos.IDJogo(Linha);
        int Extra = 0;
        if (Regras.TemMes())
            Extra = Meses.ExtraDoJogo(NumBonus, IDJogo);
        else if (Regras.TemTime())
            Extra = Times.ExtraDoJogo(NumBonus, IDJogo);
        // A bonus out of the byte's range is no month or club of a draw: it never matches one.
        FExtra[Indice] = Extra >= 0 && Extra <= 255 ? std::uint8_t(Extra) : 0;
        FEspelho[Indice] = Regras.TemEspelho() && (NumBonus == 1 || Extras.ApostaEspelho);
    }
}

bool TJogosParaConferir::LeDezenas(QByteArrayView Texto, int NumInicial, int NumFinal,
                                   TMascaraDezenas& Dezenas) {
    TMascaraDezenas Lidas;
    int Numero = -1; // the number being read; -1 between numbers
    const auto Fecha = [&] {
        if (Numero < 0)
            return true;
        if (Numero < NumInicial || Numero > NumFinal || Lidas.Contem(Numero))
            return false;
        Lidas.Insere(Numero);
        Numero = -1;
        return true;
    };
    for (const char Caractere : Texto) {
        if (Caractere >= '0' && Caractere <= '9') {
            Numero = (Numero < 0 ? 0 : Numero * 10) + (Caractere - '0');
            if (Numero > TMascaraDezenas::MaiorNumero)
                return false;
        } else if (Caractere != ' ' || !Fecha()) {
            return false;
        }
    }
    if (!Fecha())
        return false;
    Dezenas = Lidas;
    return true;
}
