#include "tools/comum/FechamentoDoArquivo.h"

#include "catalogue/Modalidade.h"
#include "entry/ArquivoTexto.h"
#include "entry/ImportaFechamento.h"
#include "entry/Limites.h"
#include "entry/LinhasDoTexto.h"
#include "entry/ValidaJogo.h"
#include "store/DataModulo.h"
#include "tools/comum/CaminhoNativo.h"

using namespace Qt::StringLiterals;

TFechamentoDoArquivo::TFechamentoDoArquivo(TDM& DM, TRelata Relata)
    : FDM(DM)
    , FRelata(std::move(Relata)) {}

std::optional<TFalhaLeitura> TFechamentoDoArquivo::Termina(TFalhaLeitura Falha, const QString& Texto) {
    FRelata({TTipoMensagem::Erro, Texto});
    return Falha;
}

std::optional<TFalhaLeitura> TFechamentoDoArquivo::Le(const QString& Arquivo, const TModalidade& Modalidade,
                                                      std::optional<int> QdeNumPorVolante) {
    // The same reading as the import tab's: the same limits, the same decoding.
    TArquivoTexto Lido = Arquivo == u"-"_s
                             ? LeEntradaPadrao()
                             : LeArquivoTextoNativo(CaminhoNativo(Arquivo), CaminhoParaMostrar(Arquivo));
    if (!Lido.Lido)
        return Termina(TFalhaLeitura::ErroDeUso, Lido.Erro);
    FTexto = std::move(Lido.Texto);
    // Before the first game line is counted: a line too long to be a game is no count.
    if (std::optional<TRecusaPorLimite> Recusa = ConfereLimitesDoTexto(FTexto))
        return Termina(TFalhaLeitura::JogosInvalidos, Recusa->Mensagem);

    const QList<int> Permitidos = Modalidade.QdeNumPorVolante();
    // Without a game line any count will do: the import says that no game was validated.
    FQdeNumPorVolante = Permitidos.value(0);
    if (QdeNumPorVolante) {
        FQdeNumPorVolante = *QdeNumPorVolante;
        if (!Permitidos.contains(FQdeNumPorVolante))
            return Termina(TFalhaLeitura::ErroDeUso,
                           u"--numeros: %1 não é uma escolha para %2; use %3."_s.arg(
                               QString::number(FQdeNumPorVolante), Modalidade.NomeModalidade(),
                               ListaDeEscolhas(Permitidos)));
    } else if (const std::optional<int> DaPrimeiraLinha = QdeNumerosDaPrimeiraLinha(FTexto)) {
        FQdeNumPorVolante = *DaPrimeiraLinha;
        if (!Permitidos.contains(FQdeNumPorVolante))
            return Termina(TFalhaLeitura::JogosInvalidos,
                           u"A primeira linha de jogo tem %1 números, e %2 aceita %3 números por jogo."_s.arg(
                               QString::number(FQdeNumPorVolante), Modalidade.NomeModalidade(),
                               ListaDeEscolhas(Permitidos)));
    }
    return std::nullopt;
}

std::optional<TFalhaLeitura> TFechamentoDoArquivo::Importa(const QString& NomeModalidade,
                                                           const QString& Titulo, bool OrdemCrescente) {
    TImportaFechamento Importacao(
        FDM,
        [this](const QString&, const QString& Pergunta) {
            // The question's first line is the game; answering Yes leaves the repeat out.
            FRelata({TTipoMensagem::Aviso,
                     Pergunta.section(u'\r', 0, 0) + u"\rJogo Duplicado ! O jogo repetido fica de fora."_s});
            return TRespostaDuplicado::Sim;
        },
        [](qsizetype, qsizetype) {});
    const TResultadoImportacao Importado =
        Importacao.Importa(FTexto, {NomeModalidade, FQdeNumPorVolante, Titulo, OrdemCrescente});
    for (const TMensagem& Mensagem : Importado.Mensagens)
        FRelata(Mensagem);
    FTrevosDoTexto = Importado.TrevosFromTXT.value_or(QList<int>());
    if (!Importado.FechamentoGravado)
        return TFalhaLeitura::JogosInvalidos;
    return std::nullopt;
}

std::vector<int> TFechamentoDoArquivo::LinhasDosJogos(const TModalidade& Modalidade) const {
    // The closing holds the game lines in input order without the repeats: each game is the next game
    // line equal to it, and a line equal to none repeats an earlier game.
    const TCDSDetalhe& Jogos = FDM.CDSDetalhe();
    std::vector<int> Linhas;
    Linhas.reserve(std::size_t(Jogos.QdeRegistros()));
    TValidaJogo Validador;
    TLinhasDoTexto Texto(FTexto);
    QStringView Linha;
    for (int Numero = 1; Texto.Proxima(Linha) && int(Linhas.size()) < Jogos.QdeRegistros(); ++Numero) {
        if (EhLinhaSemJogo(Linha))
            continue;
        Validador.AvaliaJogo(Linha, FQdeNumPorVolante, Modalidade.NumInicial(), Modalidade.NumFinal(),
                             Modalidade.NumBonusInicial(), Modalidade.NumBonusFinal());
        const int Proximo = int(Linhas.size());
        const int Bonus = Validador.NumeroBonus();
        if (Validador.JogoValidado() && Validador.NumerosDoJogoValidado() == Jogos.Jogo(Proximo) &&
            Jogos.NumBonus(Proximo) == (Bonus == -1 ? std::nullopt : std::optional<int>(Bonus)))
            Linhas.push_back(Numero);
    }
    return Linhas;
}

QString ListaDeEscolhas(const QList<int>& Valores) {
    QStringList Textos;
    for (int Valor : Valores)
        Textos.append(QString::number(Valor));
    if (Textos.size() < 2)
        return Textos.join(QString());
    const QString Ultimo = Textos.takeLast();
    return Textos.join(u", "_s) + u" ou "_s + Ultimo;
}

std::optional<int> QdeNumerosDaPrimeiraLinha(QStringView Texto) {
    TLinhasDoTexto Linhas(Texto);
    QStringView Linha;
    while (Linhas.Proxima(Linha)) {
        if (EhLinhaSemJogo(Linha))
            continue;
        const qsizetype Barra = Linha.indexOf(u'|');
        const QStringView ParteDoJogo = Barra < 0 ? Linha : Linha.first(Barra);
        const QString Padronizado = TValidaJogo().PadronizaJogo(ParteDoJogo);
        int Quantidade = 0;
        for (QStringView Pedaco : QStringView(Padronizado).tokenize(u' ', Qt::SkipEmptyParts)) {
            if (Pedaco.front() == u':' && Pedaco.size() > 1)
                break;
            ++Quantidade;
        }
        return Quantidade;
    }
    return std::nullopt;
}
