// The import run over any text, against a plain model of the rules written with the step-by-step line
// check: the same closing is stored (same games, same order), or nothing at all; the same questions
// are asked and the same messages given; the same clovers are handed back. After a run that stores
// nothing, every store is exactly as it was before, closings of earlier runs included.
//
// Input: byte 0 picks the game, byte 1 the count (as the validator's target reads it), byte 2 the
// ascending-order option (bit 0), bytes 3 and 4 the answers to the repeat questions in turn (bit i of
// the pair answers the (i mod 16)-th question, 1 for Yes), byte 5 how the rest becomes text; the rest
// is the text of the area.
#include "ApoioFuzz.h"
#include "JogosFuzz.h"

#include "entry/ImportaFechamento.h"
#include "entry/LinhasDoTexto.h"
#include "entry/ValidaJogo.h"
#include "store/DataModulo.h"

#include <QSet>
#include <QVariant>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct TResultadoModelo {
    bool Gravado = false;
    QStringList Jogos;
    QStringList Perguntas;
    TMensagens Mensagens;
    std::optional<std::vector<int>> Trevos;
};

// The import as the rules tell it, one line after the other with nothing clever in between.
TResultadoModelo ImportaComoAsRegras(const QString& Texto, const TJogoFuzz& Jogo, int Quantidade,
                                     bool OrdemCrescente, quint16 Respostas) {
    TResultadoModelo Resultado;
    if (TLinhasDoTexto::Conta(Texto) == 0) {
        Resultado.Mensagens.append({TTipoMensagem::Aviso, u"No Momento a Lista de Jogos está Vazia !"_s});
        return Resultado;
    }
    TLimitesDoJogo Limites = Jogo.Limites;
    Limites.QdeNumPorVolante = Quantidade;
    TReferenciaValidaJogo Validador;
    QSet<QString> Vistos;
    QStringList Jogos;
    int Pergunta = 0;
    TLinhasDoTexto Linhas(Texto);
    QStringView Linha;
    while (Linhas.Proxima(Linha)) {
        if (EhLinhaSemJogo(Linha))
            continue;
        Validador.AvaliaJogo(Linha.toString(), Limites);
        const TVeredito& Veredito = Validador.Veredito();
        if (!Veredito.JogoValidado) {
            Resultado.Mensagens.append({TTipoMensagem::Informacao, Veredito.TextoJogoInvalido});
            Jogos.clear();
            break;
        }
        QString LinhaDoJogo = Veredito.NumerosDoJogoValidado;
        if (Veredito.NumeroBonus != -1)
            LinhaDoJogo += u" :"_s + QString::number(Veredito.NumeroBonus);
        if (!Vistos.contains(LinhaDoJogo)) {
            Vistos.insert(LinhaDoJogo);
            Jogos.append(LinhaDoJogo);
            continue;
        }
        Resultado.Perguntas.append(Veredito.NumerosDoJogoValidado);
        if (((Respostas >> (Pergunta++ % 16)) & 1) == 0) {
            Jogos.clear();
            break;
        }
    }
    Resultado.Trevos = Validador.Veredito().TrevosFromTXT;
    if (OrdemCrescente)
        std::sort(Jogos.begin(), Jogos.end());
    Resultado.Gravado = !Jogos.isEmpty();
    if (!Resultado.Gravado)
        Resultado.Mensagens.append({TTipoMensagem::Aviso, u"Nenhum Jogo Foi Validado na Importação !"_s});
    Resultado.Jogos = Jogos;
    return Resultado;
}

// Every row of a store, field by field.
QVariantList Linhas(const TTabela& Tabela) {
    QVariantList Todas;
    for (int Linha = 0; Linha < Tabela.QdeRegistros(); ++Linha)
        for (int Campo = 0; Campo < Tabela.Campos().size(); ++Campo)
            Todas.append(Tabela.Valor(Linha, Campo));
    return Todas;
}

// What the stores hold, as far as anyone outside can see.
QVariantList Estado(TDM& DM) {
    return {Linhas(DM.CDSMaster()),
            Linhas(DM.CDSDetalhe()),
            QVariant::fromValue(DM.CDSDetalhe().QdeTotal()),
            DM.CDSDetalhe().IDMasterDoFiltro(),
            DM.IndiceFechamentoAtual(),
            DM.FiltroMasterAtivo(),
            Linhas(DM.CDSImpressao_Temp()),
            Linhas(DM.CDSImpressao())};
}

QStringList JogosDoFechamentoAtual(const TDM& DM) {
    QStringList Jogos;
    for (int Linha = 0; Linha < DM.QdeJogos(); ++Linha) {
        const TRegistroDetalhe Jogo = DM.Jogo(Linha);
        Confere(Jogo.IDJogo == Linha + 1, "jogos numerados de 1 em diante na ordem da lista");
        Jogos.append(Jogo.NumBonus ? Jogo.Jogo + u" :"_s + QString::number(*Jogo.NumBonus) : Jogo.Jogo);
    }
    return Jogos;
}

QString Descreve(const QStringList& Jogos, const TMensagens& Mensagens) {
    QStringList Textos;
    for (const TMensagem& Mensagem : Mensagens)
        Textos.append(Mensagem.Texto);
    return u"jogos [%1] mensagens [%2]"_s.arg(Jogos.join(u" / "_s), Textos.join(u" / "_s));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* Dados, std::size_t Tamanho) {
    static const std::vector<TJogoFuzz> Jogos = JogosDoCatalogo(false);
    TEntradaFuzz Entrada(Dados, Tamanho);
    const TJogoFuzz& Jogo = Jogos[Entrada.Byte() % Jogos.size()];
    const int Quantidade = QuantidadeDoByte(Jogo, Entrada.Byte());
    const bool OrdemCrescente = Entrada.Byte() & 1;
    const quint16 Respostas = quint16(Entrada.Byte() | (Entrada.Byte() << 8));
    const unsigned char Modo = Entrada.Byte();
    const QString Texto = TextoDosBytes(Entrada.Resto(), Modo);

    // A module that already holds a closing of another game, as the window's does after a first import.
    TDM DM;
    DM.AtivaFiltro_MASTER(true);
    DM.InsereRegistroPorStringList(u"Quina"_s, u"Anterior"_s, false,
                                   {u"01 02 03 04 05"_s, u"06 07 08 09 10"_s}, QString());
    const QVariantList Antes = Estado(DM);
    const int FechamentosAntes = DM.QdeFechamentos();

    QStringList Perguntas;
    TImportaFechamento Importacao(
        DM,
        [&](const QString& Titulo, const QString& Pergunta) {
            Confere(Titulo == u"O que fazer ? "_s, "título da pergunta do jogo repetido", Titulo);
            Perguntas.append(Pergunta.section(u'\r', 0, 0));
            return ((Respostas >> ((Perguntas.size() - 1) % 16)) & 1) ? TRespostaDuplicado::Sim
                                                                      : TRespostaDuplicado::Nao;
        },
        [](qsizetype Posicao, qsizetype Maximo) {
            Confere(Posicao >= 0 && Posicao <= Maximo, "progresso dentro do total");
        });
    const TResultadoImportacao Resultado =
        Importacao.Importa(Texto, {Jogo.Nome, Quantidade, u"Fuzz"_s, OrdemCrescente});
    const TResultadoModelo Modelo = ImportaComoAsRegras(Texto, Jogo, Quantidade, OrdemCrescente, Respostas);

    Confere(DM.FiltroMasterAtivo(), "filtro dos fechamentos religado");
    Confere(Resultado.FechamentoGravado == Modelo.Gravado, "grava quando as regras gravam",
            Descreve(Modelo.Jogos, Resultado.Mensagens));
    Confere(Resultado.Mensagens == Modelo.Mensagens, "as mensagens das regras, na ordem",
            Descreve({}, Resultado.Mensagens) + u'\n' + Descreve({}, Modelo.Mensagens));
    Confere(Perguntas == Modelo.Perguntas, "as perguntas das regras, na ordem", Perguntas.join(u" / "_s));
    const std::optional<std::vector<int>> Trevos =
        Resultado.TrevosFromTXT ? std::optional(std::vector<int>(Resultado.TrevosFromTXT->begin(),
                                                                 Resultado.TrevosFromTXT->end()))
                                : std::nullopt;
    Confere(Trevos == Modelo.Trevos, "os trevos da última linha que os teve");

    if (!Resultado.FechamentoGravado) {
        Confere(Estado(DM) == Antes, "sem fechamento gravado, nada muda nos dados");
        return 0;
    }
    Confere(DM.QdeFechamentos() == FechamentosAntes + 1, "um fechamento a mais");
    const TRegistroMaster& Novo = DM.Fechamento(DM.QdeFechamentos() - 1);
    Confere(DM.IndiceFechamentoAtual() == DM.QdeFechamentos() - 1, "o novo fechamento é o atual");
    Confere(Novo.QdeJogos == Modelo.Jogos.size(), "fechamento com a quantidade de jogos das regras");
    Confere(Novo.QdeNumPorJogo == Quantidade, "fechamento com os números por jogo pedidos");
    Confere(JogosDoFechamentoAtual(DM) == Modelo.Jogos, "os jogos das regras, na ordem",
            Descreve(JogosDoFechamentoAtual(DM), {}) + u'\n' + Descreve(Modelo.Jogos, {}));
    Confere(DM.Fechamento(0).QdeJogos == 2, "o fechamento anterior fica como estava");
    return 0;
}
