#include "store/DataModulo.h"

#include "catalogue/ULib.h"
#include "store/CorteDeTexto.h"
#include "store/EntradaJogo.h"
#include "store/FilaImpressao.h"

#include <QLocale>
#include <QSet>

#include <algorithm>
#include <array>
#include <memory>

namespace {

// The distinct numbers of a closing's games, for its number list. A closing may hold a million games,
// so the games are split in place and two-digit numbers, all there normally is, are ticked off in a
// table; any other piece is kept as it is.
class TNumerosDosJogos {
public:
    void Acrescenta(QStringView Jogo) {
        for (QStringView Peca : Jogo.tokenize(u' ')) {
            const QStringView Numero = Apara(Peca);
            if (EhDezena(Numero))
                FDezenas[std::size_t((Numero[0].unicode() - u'0') * 10 + Numero[1].unicode() - u'0')] = true;
            else if (!Numero.isEmpty())
                FOutros.insert(Numero);
        }
    }

    // Every number once, ascending (NumerosEmOrdem).
    QString EmOrdem() const {
        QString Texto;
        for (std::size_t Dezena = 0; Dezena < FDezenas.size(); ++Dezena) {
            if (FDezenas[Dezena])
                Texto += QStringLiteral(" %1").arg(Dezena, 2, 10, QChar(u'0'));
        }
        for (QStringView Outro : FOutros)
            Texto += u' ' + Outro;
        return NumerosEmOrdem(Texto);
    }

private:
    static bool EhDezena(QStringView Numero) {
        const auto Digito = [](QChar c) {
            return c >= u'0' && c <= u'9';
        };
        return Numero.size() == 2 && Digito(Numero[0]) && Digito(Numero[1]);
    }

    std::array<bool, 100> FDezenas{};
    QSet<QStringView> FOutros; // views into the caller's list, alive for one insertion
};

QString NomeReconhecido(const QString& NomeModalidade) {
    const std::unique_ptr<TModalidade> Regras = CriaModalidade(NomeModalidade);
    return Regras ? Regras->NomeModalidade() : NomeModalidade;
}

} // namespace

TDM::TDM(QObject* Parent)
    : QObject(Parent)
    , FCDSImpressao_Temp(TCDSImpressao::CamposDaFila())
    , FCDSImpressao(TCDSImpressao::CamposDaImpressao()) {}

void TDM::CriaCDS() {
    FCDSMaster.Abre();
    FCDSDetalhe.Abre();
}

int TDM::RetornaProximoID() const {
    return FCDSMaster.RetornaProximoID();
}

void TDM::InsereRegistroPorStringList(const QString& NomeModalidade, const QString& Titulo, bool doPortal,
                                      const QStringList& ListaJogos, const QString& NumerosDoFechamento) {
    if (ListaJogos.isEmpty())
        return;

    // Everything is prepared first, so the stores change only once it is all ready.
    const int NovoID = RetornaProximoID();
    auto Jogos = std::make_unique<TBlocoJogos>(NovoID);
    qsizetype QdeCaracteres = 0;
    for (const QString& Entrada : ListaJogos)
        QdeCaracteres += Entrada.size();
    Jogos->Reserva(ListaJogos.size(), QdeCaracteres);
    TNumerosDosJogos NumerosDosJogos;
    int QdeNumPorJogo = 0;
    for (qsizetype Indice = 0; Indice < ListaJogos.size(); ++Indice) {
        const TEntradaJogo Entrada = LeEntradaJogo(ListaJogos[Indice]);
        Jogos->Acrescenta(int(Indice + 1), Entrada.Jogo, Entrada.NumBonus);
        if (Indice == 0)
            QdeNumPorJogo = QdeNumerosNoTexto(Entrada.Jogo);
        NumerosDosJogos.Acrescenta(Entrada.Jogo);
    }
    Jogos->Compacta();

    TRegistroMaster Fechamento;
    Fechamento.ID = NovoID;
    Fechamento.Modalidade = NomeReconhecido(NomeModalidade);
    Fechamento.Titulo = Titulo;
    Fechamento.QdeJogos = int(ListaJogos.size());
    const QStringView Recebidos = Apara(NumerosDoFechamento);
    Fechamento.NumerosDoFechamento =
        CortaTexto(Recebidos.isEmpty() ? NumerosDosJogos.EmOrdem() : Recebidos.toString(),
                   TCDSMaster::TamanhoNumerosDoFechamento)
            .toString();
    Fechamento.QdeTotalNumFechamento = QdeNumerosNoTexto(Fechamento.NumerosDoFechamento);
    Fechamento.QdeNumPorJogo = QdeNumPorJogo;
    Fechamento.DoPortalVip = doPortal ? QStringLiteral("Sim") : QStringLiteral("Não");

    // The games go in before their closing.
    CriaCDS();
    FCDSDetalhe.Insere(std::move(Jogos));
    FCDSMaster.Acrescenta(std::move(Fechamento));
    MudaFechamentoAtual(QdeFechamentos() - 1);
}

void TDM::DeletaFechamento(const QString& Tipo) {
    if (!FCDSMaster.Aberto())
        return;
    for (int Linha = 0; Linha < QdeFechamentos();) {
        const TRegistroMaster& Fechamento = FCDSMaster.Registro(Linha);
        if (Fechamento.DoPortalVip == Tipo) {
            FCDSDetalhe.DeletaDetalhe(Fechamento.ID);
            FCDSMaster.Remove(Linha);
        } else {
            ++Linha;
        }
    }
    MudaFechamentoAtual(QdeFechamentos() - 1);
}

void TDM::DeletaDetalhe(int IDMaster) {
    FCDSDetalhe.DeletaDetalhe(IDMaster);
}

void TDM::DeletaFechamentoAtual() {
    if (FIndiceAtual < 0)
        return;
    FCDSDetalhe.DeletaDetalhe(IDFechamentoAtual());
    FCDSMaster.Remove(FIndiceAtual);
    MudaFechamentoAtual(std::min(FIndiceAtual, QdeFechamentos() - 1));
}

void TDM::DeletaJogo(int LinhaDaVisao) {
    if (LinhaDaVisao < 0 || LinhaDaVisao >= QdeJogos())
        return;
    const int IDMaster = Jogo(LinhaDaVisao).IDMaster;
    FCDSDetalhe.Deleta(LinhaDaVisao);
    // A count that contradicts the games beside it would also print a wrong summary.
    for (int Linha = 0; Linha < QdeFechamentos(); ++Linha) {
        if (Fechamento(Linha).ID == IDMaster) {
            FCDSMaster.DefineQdeJogos(Linha, std::max(0, Fechamento(Linha).QdeJogos - 1));
            break;
        }
    }
    if (FFiltroMasterAtivo)
        ProcessaFechamentoAtual();
}

void TDM::AtivaFiltro_MASTER(bool Status) {
    FFiltroMasterAtivo = Status;
    if (Status)
        ProcessaFechamentoAtual();
}

void TDM::ProcessaFechamentoAtual() {
    FCDSDetalhe.Filtra(IDFechamentoAtual());
    const QLocale Local;
    Q_EMIT FechamentoAtualProcessado(QStringLiteral(" Master : ") + Local.toString(QdeFechamentos()) +
                                         QStringLiteral(" => Qde Jogos : ") + Local.toString(QdeJogos()),
                                     QdeFechamentos() > 0);
}

void TDM::MoveParaFechamento(int Indice) {
    if (Indice >= 0 && Indice < QdeFechamentos() && Indice != FIndiceAtual)
        MudaFechamentoAtual(Indice);
}

const TRegistroMaster* TDM::FechamentoAtual() const {
    // The index may point past the end while a deletion is under way.
    return FIndiceAtual >= 0 && FIndiceAtual < QdeFechamentos() ? &Fechamento(FIndiceAtual) : nullptr;
}

int TDM::IDFechamentoAtual() const {
    const TRegistroMaster* const Atual = FechamentoAtual();
    return Atual ? Atual->ID : 0;
}

void TDM::MudaFechamentoAtual(int Indice) {
    FIndiceAtual = Indice;
    Q_EMIT FechamentoAtualAlterado(Indice);
    if (FFiltroMasterAtivo)
        ProcessaFechamentoAtual();
}

TMensagens TDM::PopulaCDSImpressao(int QdeJogosPorImpressao, int QdeImpressaoPorFolha, int QdeDividirBolao,
                                   int Mes, bool AvancaMes, int Time, bool AvancaTime, bool ApostaEspelho,
                                   const QString& Trevos, TTipoModalidade TipoModalidade, bool Marketplace) {
    // Only the restricted view holds the games of the current closing alone.
    if (!FFiltroMasterAtivo)
        return {{TTipoMensagem::Informacao,
                 QStringLiteral("ISSO NÃO DEVERIA TER ACONTECIDO. MASTER_DETAIL = FALSE")}};
    FCDSImpressao.EsvaziaEFecha();
    FCDSImpressao_Temp.EsvaziaEFecha();
    const TOpcoesFila Opcoes{QdeJogosPorImpressao,
                             QdeImpressaoPorFolha,
                             QdeDividirBolao,
                             Mes,
                             AvancaMes,
                             Time,
                             AvancaTime,
                             ApostaEspelho,
                             Trevos,
                             TipoModalidade,
                             Marketplace};
    FCDSImpressao_Temp.Substitui(MontaFolhasImpressao(FCDSDetalhe, Opcoes));
    return {};
}

void TDM::EsvaziaFilaImpressao() {
    FCDSImpressao_Temp.Esvazia();
}

void TDM::CopiaFolhasParaImpressao(const QList<int>& LinhasDaFila) {
    FCDSImpressao.CopiaFolhas(FCDSImpressao_Temp, LinhasDaFila);
}
