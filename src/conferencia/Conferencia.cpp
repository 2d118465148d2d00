#include "conferencia/Conferencia.h"

#include "conferencia/JogosParaConferir.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace {

constexpr int MaiorQdeNumeros = TMascaraDezenas::MaiorNumero + 1;
constexpr int MaiorSorteio = 20; // Lotomania draws the most numbers

using TPorFaixa = std::vector<std::uint64_t>;

// Pascal's triangle up to 100; entries too large for 64 bits (never reached by a bet any game's rules
// allow) saturate.
const auto& TrianguloDePascal() {
    static const auto Triangulo = [] {
        std::array<std::array<std::uint64_t, MaiorQdeNumeros + 1>, MaiorQdeNumeros + 1> T{};
        for (int n = 0; n <= MaiorQdeNumeros; ++n) {
            T[n][0] = T[n][n] = 1;
            for (int k = 1; k < n; ++k) {
                std::uint64_t Soma = 0;
                if (__builtin_add_overflow(T[n - 1][k - 1], T[n - 1][k], &Soma))
                    Soma = std::numeric_limits<std::uint64_t>::max();
                T[n][k] = Soma;
            }
        }
        return T;
    }();
    return Triangulo;
}

// The prize counts of the number tiers for one draw and the clovers played: a bet of n numbers with h of
// them drawn wins C(h, j) · C(n − h, s − j) simple bets with j hits, each times the clover choices of
// the tier: C(hc, c) · C(t − hc, 2 − c) for c clovers hit of the t played, hc of which were drawn.
class TTabelaDePremios {
public:
    TTabelaDePremios(const TRegrasConferencia& Regras, std::uint8_t TrevosApostados, int TrevosAcertados)
        : FRegras(Regras) {
        const int QdeTrevos = std::popcount(TrevosApostados);
        for (const TFaixaPremio& Faixa : Regras.Faixas) {
            std::uint64_t Fator = Faixa.Trevos.isEmpty() ? 1 : 0;
            for (int Trevos : Faixa.Trevos)
                Fator += Combinacoes(TrevosAcertados, Trevos) *
                         Combinacoes(QdeTrevos - TrevosAcertados, QdeTrevosPorAposta - Trevos);
            FFatorTrevos.push_back(Fator);
            if (Faixa.Tipo != TTipoFaixa::Numeros)
                FFaixaDoExtra = int(FFatorTrevos.size()) - 1;
        }
    }

    // The month or club tier; -1 for a game without one.
    int FaixaDoExtra() const { return FFaixaDoExtra; }

    // Adds, Peso times, what a bet of n numbers with h hits in draw Sorteio (from 0) wins.
    void SomaNumeros(int Sorteio, int n, int h, std::uint64_t Peso, TPorFaixa& PorFaixa) const {
        for (qsizetype Faixa = 0; Faixa < FRegras.Faixas.size(); ++Faixa) {
            if (DaFaixa(Faixa, Sorteio))
                PorFaixa[std::size_t(Faixa)] += Peso * Apostas(Faixa, n, h);
        }
    }

    // For every bet of n numbers and h hits (n up to 100, h up to 20) in every draw: the best number
    // tier it wins, or SemPremio.
    std::vector<std::uint8_t> MelhoresFaixas() const {
        std::vector<std::uint8_t> Melhores(std::size_t(FRegras.QdeSorteios * Linhas * Colunas),
                                           TConferencia::SemPremio);
        for (int Sorteio = 0; Sorteio < FRegras.QdeSorteios; ++Sorteio) {
            for (int n = 0; n <= MaiorQdeNumeros; ++n) {
                for (int h = 0; h <= std::min(n, MaiorSorteio); ++h) {
                    for (qsizetype Faixa = 0; Faixa < FRegras.Faixas.size(); ++Faixa) {
                        if (DaFaixa(Faixa, Sorteio) && Vence(Faixa, n, h)) {
                            Melhores[Posicao(Sorteio, n, h)] = std::uint8_t(Faixa);
                            break;
                        }
                    }
                }
            }
        }
        return Melhores;
    }

    static std::size_t Posicao(int Sorteio, int n, int h) {
        return std::size_t((Sorteio * Linhas + n) * Colunas + h);
    }
    static constexpr int Linhas = MaiorQdeNumeros + 1;
    static constexpr int Colunas = MaiorSorteio + 1;

private:
    bool DaFaixa(qsizetype Faixa, int Sorteio) const {
        const TFaixaPremio& F = FRegras.Faixas[Faixa];
        return F.Tipo == TTipoFaixa::Numeros && (F.Sorteio == 0 || F.Sorteio == Sorteio + 1);
    }
    std::uint64_t Apostas(qsizetype Faixa, int n, int h) const {
        const int j = FRegras.Faixas[Faixa].Acertos;
        return Combinacoes(h, j) * Combinacoes(n - h, FRegras.QdeAposta - j) *
               FFatorTrevos[std::size_t(Faixa)];
    }
    // Whether any simple bet wins, without the products (which may not fit for bets no rules allow).
    bool Vence(qsizetype Faixa, int n, int h) const {
        const int j = FRegras.Faixas[Faixa].Acertos;
        return Combinacoes(h, j) != 0 && Combinacoes(n - h, FRegras.QdeAposta - j) != 0 &&
               FFatorTrevos[std::size_t(Faixa)] != 0;
    }

    const TRegrasConferencia& FRegras;
    std::vector<std::uint64_t> FFatorTrevos;
    int FFaixaDoExtra = -1;
};

int ExtraSorteado(const TRegrasConferencia& Regras, const TResultado& Resultado) {
    return Regras.TemMes() ? Resultado.Mes : Regras.TemTime() ? Resultado.Time : 0;
}

// The mirror of a Lotomania bet plays every number of the game's range that the bet left out, so it hits
// every drawn number the bet missed.
int QdeDoEspelho(const TRegrasConferencia& Regras, int QdeNumeros) {
    return Regras.NumFinal - Regras.NumInicial + 1 - QdeNumeros;
}

} // namespace

std::uint64_t Combinacoes(int n, int k) {
    if (n < 0 || k < 0 || k > n || n > MaiorQdeNumeros)
        return 0;
    return TrianguloDePascal()[std::size_t(n)][std::size_t(k)];
}

TConferencia Confere(const TRegrasConferencia& Regras, const TJogosParaConferir& Jogos,
                     const TResultado& Resultado) {
    TConferencia Conferencia;
    Conferencia.TrevosAcertados = std::popcount(std::uint8_t(Jogos.Trevos() & Resultado.Trevos));
    const TTabelaDePremios Tabela(Regras, Jogos.Trevos(), Conferencia.TrevosAcertados);
    const std::vector<std::uint8_t> Melhores = Tabela.MelhoresFaixas();

    const int Qde = Jogos.Qde();
    const int QdeSorteios = Regras.QdeSorteios;
    for (int Sorteio = 0; Sorteio < QdeSorteios; ++Sorteio)
        Conferencia.Acertos[std::size_t(Sorteio)].resize(std::size_t(Qde));
    Conferencia.MelhorFaixa.assign(std::size_t(Qde), TConferencia::SemPremio);
    Conferencia.Situacao.assign(std::size_t(Qde), 0);

    // Games of the same size and hits win the same: they are counted here, and the tiers summed once.
    std::vector<std::uint64_t> Contagem(
        std::size_t(QdeSorteios * TTabelaDePremios::Linhas * TTabelaDePremios::Colunas));
    std::vector<std::uint64_t> ContagemDoExtra(std::size_t(TTabelaDePremios::Linhas));
    const int FaixaDoExtra = Tabela.FaixaDoExtra();
    const int Extra = ExtraSorteado(Regras, Resultado);
    const bool ConfereExtra = FaixaDoExtra >= 0 && Extra > 0;
    const bool ConfereEspelho = Regras.TemEspelho();

    for (int Indice = 0; Indice < Qde; ++Indice) {
        const std::size_t I = std::size_t(Indice);
        const int n = Jogos.QdeNumeros(Indice);
        if (n == 0) {
            Conferencia.Situacao[I] = TConferencia::NaoConferido;
            ++Conferencia.QdeNaoConferidos;
            continue;
        }
        const TMascaraDezenas Dezenas = Jogos.Dezenas(Indice);
        std::uint8_t Melhor = TConferencia::SemPremio;
        for (int Sorteio = 0; Sorteio < QdeSorteios; ++Sorteio) {
            const int h = TMascaraDezenas::Acertos(Dezenas, Resultado.Sorteios[std::size_t(Sorteio)]);
            Conferencia.Acertos[std::size_t(Sorteio)][I] = std::uint8_t(h);
            const std::size_t Posicao = TTabelaDePremios::Posicao(Sorteio, n, h);
            ++Contagem[Posicao];
            Melhor = std::min(Melhor, Melhores[Posicao]);
        }
        if (ConfereEspelho && Jogos.Espelho(Indice)) {
            const std::size_t Posicao = TTabelaDePremios::Posicao(
                0, QdeDoEspelho(Regras, n), Regras.QdeSorteados - Conferencia.Acertos[0][I]);
            ++Contagem[Posicao];
            Melhor = std::min(Melhor, Melhores[Posicao]);
        }
        if (ConfereExtra && Jogos.Extra(Indice) == Extra) {
            Conferencia.Situacao[I] = TConferencia::AcertouExtra;
            ++ContagemDoExtra[std::size_t(n)];
            Melhor = std::min(Melhor, std::uint8_t(FaixaDoExtra));
        }
        Conferencia.MelhorFaixa[I] = Melhor;
        Conferencia.QdePremiados += Melhor != TConferencia::SemPremio;
    }

    Conferencia.QdePorFaixa.assign(std::size_t(Regras.Faixas.size()), 0);
    for (int Sorteio = 0; Sorteio < QdeSorteios; ++Sorteio) {
        for (int n = 0; n < TTabelaDePremios::Linhas; ++n) {
            for (int h = 0; h < TTabelaDePremios::Colunas; ++h) {
                if (const std::uint64_t QdeJogos = Contagem[TTabelaDePremios::Posicao(Sorteio, n, h)])
                    Tabela.SomaNumeros(Sorteio, n, h, QdeJogos, Conferencia.QdePorFaixa);
            }
        }
    }
    if (FaixaDoExtra >= 0) {
        // Each simple bet of a game whose month or club was drawn wins the tier once.
        for (int n = 0; n < TTabelaDePremios::Linhas; ++n)
            Conferencia.QdePorFaixa[std::size_t(FaixaDoExtra)] +=
                ContagemDoExtra[std::size_t(n)] * Combinacoes(n, Regras.QdeAposta);
    }
    return Conferencia;
}

std::vector<TPremioDoJogo> PremiosDoJogo(const TRegrasConferencia& Regras, const TJogosParaConferir& Jogos,
                                         const TConferencia& Conferencia, int Indice) {
    const int n = Jogos.QdeNumeros(Indice);
    if (n == 0 || !Conferencia.Premiado(Indice))
        return {};
    const TTabelaDePremios Tabela(Regras, Jogos.Trevos(), Conferencia.TrevosAcertados);
    TPorFaixa PorFaixa(std::size_t(Regras.Faixas.size()), 0);
    const std::size_t I = std::size_t(Indice);
    for (int Sorteio = 0; Sorteio < Regras.QdeSorteios; ++Sorteio)
        Tabela.SomaNumeros(Sorteio, n, Conferencia.Acertos[std::size_t(Sorteio)][I], 1, PorFaixa);
    if (Regras.TemEspelho() && Jogos.Espelho(Indice))
        Tabela.SomaNumeros(0, QdeDoEspelho(Regras, n), Regras.QdeSorteados - Conferencia.Acertos[0][I], 1,
                           PorFaixa);
    if (Tabela.FaixaDoExtra() >= 0 && Conferencia.AcertouExtraDoJogo(Indice))
        PorFaixa[std::size_t(Tabela.FaixaDoExtra())] += Combinacoes(n, Regras.QdeAposta);

    std::vector<TPremioDoJogo> Premios;
    for (std::size_t Faixa = 0; Faixa < PorFaixa.size(); ++Faixa) {
        if (PorFaixa[Faixa] != 0)
            Premios.push_back({int(Faixa), PorFaixa[Faixa]});
    }
    return Premios;
}
