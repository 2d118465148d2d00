#include "entry/Limites.h"

#include "entry/LinhasDoTexto.h"
#include "entry/ValidaJogo.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

QString Numero(qsizetype Valor) {
    return QLocale().toString(Valor);
}

} // namespace

std::optional<QString> RecusaDaColagem(qsizetype Tamanho) {
    if (Tamanho <= TamanhoMaximoTextoDeJogos)
        return std::nullopt;
    return u"Com o texto colado, a área de jogos teria %1 caracteres, mais do que ela aceita (%2). Cole os "
           u"jogos em partes menores. Nada foi colado."_s.arg(Numero(Tamanho),
                                                              Numero(TamanhoMaximoTextoDeJogos));
}

std::optional<TRecusaPorLimite> ConfereLimitesDoTexto(QStringView Texto) {
    if (Texto.size() > TamanhoMaximoTextoDeJogos)
        return TRecusaPorLimite{
            u"O texto tem %1 caracteres, mais do que a área de jogos aceita (%2). Divida os "
            u"jogos em partes menores. Nenhum jogo foi importado."_s.arg(Numero(Texto.size()),
                                                                         Numero(TamanhoMaximoTextoDeJogos)),
            std::nullopt};
    TLinhasDoTexto Linhas(Texto);
    QStringView Linha;
    qsizetype QdeJogos = 0;
    for (qsizetype Posicao = 0; Linhas.Proxima(Linha); ++Posicao) {
        if (EhLinhaSemJogo(Linha))
            continue;
        if (Linha.size() > TamanhoMaximoLinhaDeJogo)
            return TRecusaPorLimite{
                u"A linha %1 tem %2 caracteres, mais do que uma linha de jogo aceita (%3). "
                u"Nenhum jogo foi importado."_s.arg(Numero(Posicao + 1), Numero(Linha.size()),
                                                    Numero(TamanhoMaximoLinhaDeJogo)),
                Posicao};
        if (++QdeJogos > MaximoJogosPorFechamento)
            return TRecusaPorLimite{
                u"O texto tem mais de %1 linhas de jogo, mais do que um fechamento aceita. "
                u"Divida os jogos em fechamentos menores. Nenhum jogo foi importado."_s.arg(
                    Numero(MaximoJogosPorFechamento)),
                std::nullopt};
    }
    return std::nullopt;
}
