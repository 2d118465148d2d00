#include "entry/ImportaFechamento.h"

#include "catalogue/ULib.h"
#include "entry/JogosDistintos.h"
#include "entry/Limites.h"
#include "entry/LinhasDoTexto.h"
#include "entry/ValidaJogo.h"
#include "store/DataModulo.h"

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype PassosDeProgresso = 200;
// The room reserved up front counts one game per this many characters of text at most.
constexpr qsizetype CaracteresMinimosPorJogo = 8;
constexpr qsizetype MaximoReservado = qsizetype(1) << 21;

// The game as it is stored and compared: the normalised numbers, then " :" and the bonus if any.
QString LinhaDoJogo(const TValidaJogo& Validador) {
    if (Validador.NumeroBonus() == -1)
        return Validador.NumerosDoJogoValidado();
    return Validador.NumerosDoJogoValidado() + u" :"_s + QString::number(Validador.NumeroBonus());
}

QString TextoDaPerguntaDuplicado(const QString& Numeros) {
    return Numeros + u"\rJogo Duplicado !\r\rMesmo Que Confirme a Pergunta a Seguir, Este Jogo Duplicado Não "
                     u"Será Adicionado no Cartelim.\r\rDeseja Continuar Com a Importação ?"_s;
}

// The games view follows the current closing again however the run ends.
class TFiltroMasterDesligado {
public:
    explicit TFiltroMasterDesligado(TDM& DM)
        : FDM(DM) {
        FDM.AtivaFiltro_MASTER(false);
    }
    ~TFiltroMasterDesligado() { FDM.AtivaFiltro_MASTER(true); }
    TFiltroMasterDesligado(const TFiltroMasterDesligado&) = delete;
    TFiltroMasterDesligado& operator=(const TFiltroMasterDesligado&) = delete;

private:
    TDM& FDM;
};

// The lines of one run, one after the other. A game's repeat check completes one game late, while
// the next line is being validated, so that the table slot it probes has been fetched meanwhile; the
// outcome, questions and messages come in the order of the lines all the same.
class TLeituraDosJogos {
public:
    TLeituraDosJogos(const TModalidade& Modalidade, int QdeNumPorVolante,
                     const TImportaFechamento::TPerguntaDuplicado& PerguntaDuplicado, TJogosDistintos& Jogos,
                     TMensagens& Mensagens)
        : FModalidade(Modalidade)
        , FQdeNumPorVolante(QdeNumPorVolante)
        , FPerguntaDuplicado(PerguntaDuplicado)
        , FJogos(Jogos)
        , FMensagens(Mensagens) {}

    // False when the run ends at this line: it was rejected, or the user gave up at a repeat.
    bool Le(QStringView Linha) {
        if (EhLinhaSemJogo(Linha))
            return true;
        // If the user gives up at the pending game, the run ends before this line.
        const QList<int> TrevosAntes = FValidador.TrevosFromTXT();
        FValidador.AvaliaJogo(Linha, FQdeNumPorVolante, FModalidade.NumInicial(), FModalidade.NumFinal(),
                              FModalidade.NumBonusInicial(), FModalidade.NumBonusFinal());
        if (!FValidador.JogoValidado()) {
            if (ConferePendente()) {
                FMensagens.append({TTipoMensagem::Informacao, FValidador.TextoJogoInvalido()});
                FRejeitada = true;
            } else {
                FValidador.SetTrevosFromTXT(TrevosAntes);
            }
            FJogos.Esvazia();
            return false;
        }
        TJogosDistintos::TCandidato Candidato = FJogos.Prepara(LinhaDoJogo(FValidador));
        if (!ConferePendente()) {
            FValidador.SetTrevosFromTXT(TrevosAntes);
            FJogos.Esvazia();
            return false;
        }
        FPendente = std::move(Candidato);
        FNumerosDoPendente = FValidador.NumerosDoJogoValidado();
        return true;
    }

    // Completes the check of the last game once the text is over.
    void Conclui() {
        if (!ConferePendente())
            FJogos.Esvazia();
    }

    QList<int> TrevosFromTXT() const { return FValidador.TrevosFromTXT(); }
    // The run ended because the line just read was rejected.
    bool Rejeitada() const { return FRejeitada; }

private:
    // False when the pending game repeats an earlier one and the user gives up.
    bool ConferePendente() {
        if (!FPendente)
            return true;
        const bool Novo = FJogos.Confirma(*FPendente);
        FPendente.reset();
        return Novo ||
               FPerguntaDuplicado(u"O que fazer ? "_s, TextoDaPerguntaDuplicado(FNumerosDoPendente)) ==
                   TRespostaDuplicado::Sim;
    }

    const TModalidade& FModalidade;
    const int FQdeNumPorVolante;
    const TImportaFechamento::TPerguntaDuplicado& FPerguntaDuplicado;
    TJogosDistintos& FJogos;
    TMensagens& FMensagens;
    TValidaJogo FValidador;
    std::optional<TJogosDistintos::TCandidato> FPendente;
    QString FNumerosDoPendente;
    bool FRejeitada = false;
};

} // namespace

TImportaFechamento::TImportaFechamento(TDM& DM, TPerguntaDuplicado PerguntaDuplicado, TProgresso Progresso)
    : FDM(DM)
    , FPerguntaDuplicado(std::move(PerguntaDuplicado))
    , FProgresso(std::move(Progresso)) {}

TResultadoImportacao TImportaFechamento::Importa(QStringView Texto, const TPedidoImportacao& Pedido) {
    TResultadoImportacao Resultado;
    if (std::optional<TRecusaPorLimite> Recusa = ConfereLimitesDoTexto(Texto)) {
        Resultado.Mensagens.append({TTipoMensagem::Aviso, std::move(Recusa->Mensagem)});
        Resultado.LinhaRejeitada = Recusa->Linha;
        return Resultado;
    }
    const qsizetype QdeLinhas = TLinhasDoTexto::Conta(Texto);
    if (QdeLinhas == 0) {
        Resultado.Mensagens.append({TTipoMensagem::Aviso, u"No Momento a Lista de Jogos está Vazia !"_s});
        return Resultado;
    }

    const auto Modalidade = CriaModalidade(Pedido.NomeModalidade);
    TJogosDistintos Jogos;
    // Every line may be a game, but a text of mostly short or blank lines gets only the room it could
    // fill, and a huge one grows on the way.
    Jogos.Reserva(std::min({QdeLinhas, Texto.size() / CaracteresMinimosPorJogo, MaximoReservado}));
    {
        const TFiltroMasterDesligado Filtro(FDM);
        TLeituraDosJogos Leitura(*Modalidade, Pedido.QdeNumPorVolante, FPerguntaDuplicado, Jogos,
                                 Resultado.Mensagens);
        const qsizetype Passo = std::max<qsizetype>(1, QdeLinhas / PassosDeProgresso);
        FProgresso(0, QdeLinhas);
        TLinhasDoTexto Linhas(Texto);
        QStringView Linha;
        bool Completa = true;
        for (qsizetype Posicao = 1; Completa && Linhas.Proxima(Linha); ++Posicao) {
            if (Posicao % Passo == 0 || Posicao == QdeLinhas)
                FProgresso(Posicao, QdeLinhas);
            Completa = Leitura.Le(Linha);
            if (Leitura.Rejeitada())
                Resultado.LinhaRejeitada = Posicao - 1;
        }
        if (Completa)
            Leitura.Conclui();

        Jogos.DescartaTabela();
        if (Pedido.OrdemCrescente)
            Jogos.OrdenaPorTexto();
        if (!Jogos.Lista().isEmpty())
            FDM.InsereRegistroPorStringList(Modalidade->NomeModalidade(), Pedido.Titulo, false, Jogos.Lista(),
                                            QString());
        Resultado.TrevosFromTXT = Leitura.TrevosFromTXT();
    }

    if (Jogos.Lista().isEmpty()) {
        Resultado.Mensagens.append({TTipoMensagem::Aviso, u"Nenhum Jogo Foi Validado na Importação !"_s});
    } else {
        FDM.ProcessaFechamentoAtual();
        Resultado.FechamentoGravado = true;
    }
    return Resultado;
}
