#pragma once

#include "conferencia/Conferencia.h"
#include "conferencia/JogosParaConferir.h"
#include "store/DataModulo.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <vector>

// A data module holding one closing of the game, with its games view on it.
class TFechamentoDeTeste {
public:
    TFechamentoDeTeste(const QString& Modalidade, const QStringList& Jogos)
        : FRegras(*CriaRegrasConferencia(Modalidade)) {
        FDM.AtivaFiltro_MASTER(false);
        FDM.InsereRegistroPorStringList(Modalidade, QStringLiteral("Teste"), false, Jogos, {});
        FDM.AtivaFiltro_MASTER(true);
    }

    const TRegrasConferencia& Regras() const { return FRegras; }
    const TDM& DM() const { return FDM; }

    TJogosParaConferir Jogos(const TExtrasApostas& Extras = {}) const {
        return TJogosParaConferir(FDM.CDSDetalhe(), FRegras, Extras);
    }

    TConferencia Confere(const TResultado& Resultado, const TExtrasApostas& Extras = {}) const {
        return ::Confere(FRegras, Jogos(Extras), Resultado);
    }

private:
    TRegrasConferencia FRegras;
    TDM FDM;
};

inline TMascaraDezenas Mascara(const std::vector<int>& Numeros) {
    TMascaraDezenas Dezenas;
    for (int Numero : Numeros)
        Dezenas.Insere(Numero);
    return Dezenas;
}

// The game text of the numbers, as the store keeps it.
inline QString TextoDoJogo(const std::vector<int>& Numeros) {
    return Mascara(Numeros).Texto();
}

// The numbers First, First + 1, ..., First + Qde - 1.
inline std::vector<int> Sequencia(int Primeiro, int Qde) {
    std::vector<int> Numeros;
    for (int Numero = Primeiro; Numero < Primeiro + Qde; ++Numero)
        Numeros.push_back(Numero);
    return Numeros;
}

inline std::vector<int> Junta(std::vector<int> Primeiros, const std::vector<int>& Outros) {
    Primeiros.insert(Primeiros.end(), Outros.begin(), Outros.end());
    return Primeiros;
}

inline TResultado Sorteio(const std::vector<int>& Numeros, const std::vector<int>& Segundo = {}) {
    TResultado Resultado;
    Resultado.Sorteios[0] = Mascara(Numeros);
    Resultado.Sorteios[1] = Mascara(Segundo);
    return Resultado;
}
