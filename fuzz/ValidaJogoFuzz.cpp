// The game line check over any text, for every game and every count of numbers per game it offers
// (and counts it does not): the fast reader must agree with the step-by-step reference on every line
// of the text in turn (the clovers carry over from line to line), and an accepted game must be what
// the rules allow.
//
// Input: byte 0 picks the game, byte 1 the count (high bit set: the count is the low six bits, mostly
// one the game does not offer), byte 2 how the rest becomes text (UTF-8, Latin-1 or raw UTF-16 with
// any code unit); the rest is the text, split into lines as the import area splits it.
#include "ApoioFuzz.h"
#include "JogosFuzz.h"

#include "entry/LinhasDoTexto.h"
#include "entry/ValidaJogo.h"
#include "referencia/ReferenciaValidaJogo.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

QString Descreve(const TVeredito& V) {
    QStringList Trevos;
    for (int Trevo : V.TrevosFromTXT)
        Trevos.append(QString::number(Trevo));
    return u"validado %1, numeros [%2], mensagem [%3], bonus %4, trevos [%5]"_s.arg(
        QString::number(V.JogoValidado), V.NumerosDoJogoValidado, V.TextoJogoInvalido,
        QString::number(V.NumeroBonus), Trevos.join(u' '));
}

// What an accepted game must be, whoever read it: the count asked for, two digits each, ascending,
// inside the game's range; a bonus inside its own range or none.
void ConfereJogoAceito(const TVeredito& V, const TLimitesDoJogo& Limites) {
    const QStringList Numeros = V.NumerosDoJogoValidado.split(u' ', Qt::SkipEmptyParts);
    Confere(Numeros.size() == Limites.QdeNumPorVolante, "jogo aceito com a quantidade pedida", Descreve(V));
    Confere(Numeros.join(u' ') == V.NumerosDoJogoValidado, "jogo aceito separado por um branco", Descreve(V));
    int Anterior = -1;
    for (const QString& Numero : Numeros) {
        bool Ok = false;
        const int Valor = Numero.toInt(&Ok);
        Confere(Ok && Numero.size() == 2 && Valor > Anterior, "jogo aceito em dezenas crescentes",
                Descreve(V));
        Confere(Valor >= Limites.NumInicial && Valor <= Limites.NumFinal, "jogo aceito dentro da faixa",
                Descreve(V));
        Anterior = Valor;
    }
    Confere(V.NumeroBonus == -1 ||
                (V.NumeroBonus >= Limites.NumBonusInicial && V.NumeroBonus <= Limites.NumBonusFinal),
            "bônus dentro da faixa ou nenhum", Descreve(V));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* Dados, std::size_t Tamanho) {
    TEntradaFuzz Entrada(Dados, Tamanho);
    static const std::vector<TJogoFuzz> Jogos = JogosDoCatalogo(true);
    const TJogoFuzz& Jogo = Jogos[Entrada.Byte() % Jogos.size()];
    TLimitesDoJogo Limites = Jogo.Limites;
    Limites.QdeNumPorVolante = QuantidadeDoByte(Jogo, Entrada.Byte());
    const unsigned char Modo = Entrada.Byte();
    const QString Todo = TextoDosBytes(Entrada.Resto(), Modo);

    TValidaJogo Validador;
    TReferenciaValidaJogo Referencia;
    TLinhasDoTexto Linhas(Todo);
    QStringView Linha;
    while (Linhas.Proxima(Linha)) {
        const QString Copia = Linha.toString();
        Avalia(Validador, Copia, Limites);
        Referencia.AvaliaJogo(Copia, Limites);
        const TVeredito Rapido = VereditoDe(Validador);
        Confere(Rapido == Referencia.Veredito(), "leitura rápida igual à referência",
                u"linha [%1]\nrápida:     %2\nreferência: %3"_s.arg(Copia, Descreve(Rapido),
                                                                    Descreve(Referencia.Veredito())));
        Confere(Validador.PadronizaJogo(Copia) == TReferenciaValidaJogo::PadronizaJogo(Copia),
                "padronização igual à referência", Copia);
        if (Rapido.JogoValidado)
            ConfereJogoAceito(Rapido, Limites);
        else
            Confere(Rapido.TextoJogoInvalido.startsWith(u"Jogo : "_s), "recusa com mensagem",
                    Descreve(Rapido));
    }
    return 0;
}
