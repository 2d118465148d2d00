#include "ui/ModeloConferencia.h"

#include "conferencia/Conferencia.h"
#include "conferencia/JogosParaConferir.h"
#include "store/CDSDetalhe.h"

#include <QColor>
#include <QFont>
#include <QLocale>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

const QColor FundoDoPremiado(0xd4, 0xf0, 0xc8);
const QColor TextoNaoConferido(0x80, 0x80, 0x80);

// Keys of the counting sort run from -1 (a game not checked) to 255.
constexpr int MenorChave = -1;
constexpr int QdeChaves = 257;

QFont Negrito() {
    QFont Fonte;
    Fonte.setBold(true);
    return Fonte;
}

} // namespace

TModeloConferencia::TModeloConferencia(const TCDSDetalhe& Jogos, QObject* Parent)
    : QAbstractTableModel(Parent)
    , FCDSDetalhe(Jogos) {}

void TModeloConferencia::Mostra(const TRegrasConferencia& Regras, const TJogosParaConferir& Jogos,
                                const TResultado& Resultado, const TConferencia& Conferencia) {
    beginResetModel();
    FRegras = &Regras;
    FJogos = &Jogos;
    FResultado = &Resultado;
    FConferencia = &Conferencia;
    FColunas = {ColunaIDJogo, ColunaJogo, ColunaAcertos, ColunaAcertadas};
    if (Regras.QdeSorteios == 2)
        FColunas.append({ColunaAcertos2, ColunaAcertadas2});
    if (Regras.TemMes())
        FColunas.append(ColunaMes);
    if (Regras.TemTime())
        FColunas.append(ColunaTime);
    if (Regras.TemEspelho())
        FColunas.append({ColunaEspelho, ColunaAcertosEspelho});
    FColunas.append(ColunaPremio);
    RefazOrdem();
    endResetModel();
}

void TModeloConferencia::Esvazia() {
    if (!FConferencia)
        return;
    beginResetModel();
    FRegras = nullptr;
    FJogos = nullptr;
    FResultado = nullptr;
    FConferencia = nullptr;
    FColunas.clear();
    FOrdem.clear();
    endResetModel();
}

void TModeloConferencia::SetSoPremiados(bool SoPremiados) {
    if (SoPremiados == FSoPremiados)
        return;
    beginResetModel();
    FSoPremiados = SoPremiados;
    RefazOrdem();
    endResetModel();
}

int TModeloConferencia::rowCount(const QModelIndex& Pai) const {
    return Pai.isValid() ? 0 : int(FOrdem.size());
}

int TModeloConferencia::columnCount(const QModelIndex& Pai) const {
    return Pai.isValid() ? 0 : int(FColunas.size());
}

QVariant TModeloConferencia::data(const QModelIndex& Indice, int Papel) const {
    if (!checkIndex(Indice, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int Jogo = JogoDaLinha(Indice.row());
    const TColuna Coluna = FColunas[Indice.column()];
    switch (Papel) {
    case Qt::DisplayRole:
        return Texto(Jogo, Coluna);
    case Qt::ToolTipRole:
        // The long texts, which a narrow column cuts.
        return Coluna == ColunaPremio || Coluna == ColunaAcertadas || Coluna == ColunaAcertadas2
                   ? QVariant(Texto(Jogo, Coluna))
                   : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Coluna == ColunaJogo || Coluna == ColunaAcertadas ||
                                           Coluna == ColunaAcertadas2 || Coluna == ColunaPremio ||
                                           Coluna == ColunaTime
                                       ? Qt::AlignLeft | Qt::AlignVCenter
                                       : Qt::AlignCenter);
    case Qt::BackgroundRole:
        return FConferencia->Premiado(Jogo) ? QVariant(FundoDoPremiado) : QVariant();
    case Qt::FontRole:
        return FConferencia->Premiado(Jogo) ? QVariant(Negrito()) : QVariant();
    case Qt::ForegroundRole:
        return FConferencia->Conferido(Jogo) ? QVariant() : QVariant(TextoNaoConferido);
    default:
        return {};
    }
}

QVariant TModeloConferencia::headerData(int Secao, Qt::Orientation Orientacao, int Papel) const {
    if (Orientacao != Qt::Horizontal || Secao < 0 || Secao >= FColunas.size())
        return QAbstractTableModel::headerData(Secao, Orientacao, Papel);
    const TColuna Coluna = FColunas[Secao];
    if (Papel == Qt::DisplayRole)
        return Titulo(Coluna);
    // A first click on a column shows the games in their order, or those that won the most first.
    if (Papel == Qt::InitialSortOrderRole)
        return int(Coluna == ColunaIDJogo || Coluna == ColunaJogo ? Qt::AscendingOrder : Qt::DescendingOrder);
    return QAbstractTableModel::headerData(Secao, Orientacao, Papel);
}

Qt::ItemFlags TModeloConferencia::flags(const QModelIndex& Indice) const {
    return Indice.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                            : Qt::NoItemFlags;
}

void TModeloConferencia::sort(int Coluna, Qt::SortOrder Ordem) {
    if (Coluna < 0 || Coluna >= FColunas.size() || (FColunas[Coluna] == FColunaOrdenada && Ordem == FSentido))
        return;
    beginResetModel();
    FColunaOrdenada = FColunas[Coluna];
    FSentido = Ordem;
    RefazOrdem();
    endResetModel();
}

bool TModeloConferencia::Premiado(int Linha) const {
    return FConferencia->Premiado(JogoDaLinha(Linha));
}

QStringList TModeloConferencia::Linhas() const {
    QStringList Linhas;
    Linhas.reserve(qsizetype(FOrdem.size()) + 1);
    QStringList Campos;
    for (TColuna Coluna : FColunas)
        Campos.append(Titulo(Coluna));
    Linhas.append(Campos.join(u';'));
    for (int Jogo : FOrdem) {
        Campos.clear();
        for (TColuna Coluna : FColunas)
            Campos.append(Texto(Jogo, Coluna));
        Linhas.append(Campos.join(u';'));
    }
    return Linhas;
}

QString TModeloConferencia::Titulo(TColuna Coluna) const {
    const bool DoisSorteios = FRegras && FRegras->QdeSorteios == 2;
    switch (Coluna) {
    case ColunaIDJogo:
        return u"IDJogo"_s;
    case ColunaJogo:
        return u"Números do Jogo"_s;
    case ColunaAcertos:
        return DoisSorteios ? u"Acertos 1º Sorteio"_s : u"Acertos"_s;
    case ColunaAcertadas:
        return DoisSorteios ? u"Dezenas Acertadas 1º Sorteio"_s : u"Dezenas Acertadas"_s;
    case ColunaAcertos2:
        return u"Acertos 2º Sorteio"_s;
    case ColunaAcertadas2:
        return u"Dezenas Acertadas 2º Sorteio"_s;
    case ColunaMes:
        return u"Mês"_s;
    case ColunaTime:
        return u"Time do Coração"_s;
    case ColunaEspelho:
        return u"Espelho"_s;
    case ColunaAcertosEspelho:
        return u"Acertos Espelho"_s;
    case ColunaPremio:
        return u"Prêmio"_s;
    }
    return {};
}

QString TModeloConferencia::Texto(int Jogo, TColuna Coluna) const {
    const std::size_t I = std::size_t(Jogo);
    const bool Conferido = FConferencia->Conferido(Jogo);
    switch (Coluna) {
    case ColunaIDJogo:
        return QString::number(FCDSDetalhe.IDJogo(Jogo));
    case ColunaJogo:
        return FCDSDetalhe.Jogo(Jogo);
    case ColunaAcertos:
    case ColunaAcertos2: {
        const std::size_t Sorteio = Coluna == ColunaAcertos ? 0 : 1;
        return Conferido ? QString::number(FConferencia->Acertos[Sorteio][I]) : QString();
    }
    case ColunaAcertadas:
    case ColunaAcertadas2: {
        const std::size_t Sorteio = Coluna == ColunaAcertadas ? 0 : 1;
        return (FJogos->Dezenas(Jogo) & FResultado->Sorteios[Sorteio]).Texto();
    }
    case ColunaMes:
        return TextoDoMes(FJogos->Extra(Jogo));
    case ColunaTime:
        return TextoDoTime(FJogos->Extra(Jogo));
    case ColunaEspelho:
        return FJogos->Espelho(Jogo) ? u"Sim"_s : u"Não"_s;
    case ColunaAcertosEspelho:
        return Conferido && FJogos->Espelho(Jogo)
                   ? QString::number(FRegras->QdeSorteados - FConferencia->Acertos[0][I])
                   : QString();
    case ColunaPremio:
        return Conferido ? Premios(Jogo)
                         : u"Não conferido: o jogo não é uma aposta da %1"_s.arg(FRegras->NomeModalidade);
    }
    return {};
}

QString TModeloConferencia::Premios(int Jogo) const {
    QStringList Textos;
    const QLocale Local;
    for (const TPremioDoJogo& Premio : PremiosDoJogo(*FRegras, *FJogos, *FConferencia, Jogo))
        Textos.append(NomeDaFaixa(FRegras->Faixas[Premio.Faixa]) + u": "_s +
                      Local.toString(Premio.Quantidade));
    return Textos.join(u", "_s);
}

int TModeloConferencia::Chave(int Jogo, TColuna Coluna) const {
    const std::size_t I = std::size_t(Jogo);
    if (!FConferencia->Conferido(Jogo) && Coluna != ColunaMes && Coluna != ColunaTime &&
        Coluna != ColunaEspelho)
        return MenorChave;
    switch (Coluna) {
    case ColunaAcertos:
    case ColunaAcertadas:
        return FConferencia->Acertos[0][I];
    case ColunaAcertos2:
    case ColunaAcertadas2:
        return FConferencia->Acertos[1][I];
    case ColunaMes:
    case ColunaTime:
        return FJogos->Extra(Jogo);
    case ColunaEspelho:
        return FJogos->Espelho(Jogo) ? 1 : 0;
    case ColunaAcertosEspelho:
        return FJogos->Espelho(Jogo) ? FRegras->QdeSorteados - FConferencia->Acertos[0][I] : MenorChave;
    case ColunaPremio:
        // The best tier is the first of the table: the better the tier, the larger the key.
        return TConferencia::SemPremio - FConferencia->MelhorFaixa[I];
    case ColunaIDJogo:
    case ColunaJogo:
        break;
    }
    return MenorChave;
}

void TModeloConferencia::RefazOrdem() {
    FOrdem.clear();
    if (!FConferencia)
        return;
    const int Qde = FJogos->Qde();
    FOrdem.reserve(std::size_t(FSoPremiados ? FConferencia->QdePremiados : Qde));
    for (int Jogo = 0; Jogo < Qde; ++Jogo) {
        if (!FSoPremiados || FConferencia->Premiado(Jogo))
            FOrdem.push_back(Jogo);
    }
    if (!FColunas.contains(FColunaOrdenada))
        return;

    const TColuna Coluna = FColunaOrdenada;
    const bool Crescente = FSentido == Qt::AscendingOrder;
    if (Coluna == ColunaIDJogo) {
        // The games view keeps a closing's games in their IDJogo order.
        if (!Crescente)
            std::reverse(FOrdem.begin(), FOrdem.end());
        return;
    }
    if (Coluna == ColunaJogo) {
        std::stable_sort(FOrdem.begin(), FOrdem.end(), [this, Crescente](int A, int B) {
            return Crescente ? TMascaraDezenas::TextoAntes(FJogos->Dezenas(A), FJogos->Dezenas(B))
                             : TMascaraDezenas::TextoAntes(FJogos->Dezenas(B), FJogos->Dezenas(A));
        });
        return;
    }
    // A counting sort: stable, and linear in the number of games.
    std::array<std::size_t, QdeChaves + 1> Inicio{};
    std::vector<std::uint16_t> Classes(FOrdem.size());
    for (std::size_t Posicao = 0; Posicao < FOrdem.size(); ++Posicao) {
        const int Chave = this->Chave(FOrdem[Posicao], Coluna) - MenorChave;
        const int Classe = Crescente ? Chave : QdeChaves - 1 - Chave;
        Classes[Posicao] = std::uint16_t(Classe);
        ++Inicio[std::size_t(Classe) + 1];
    }
    for (std::size_t Classe = 1; Classe < Inicio.size(); ++Classe)
        Inicio[Classe] += Inicio[Classe - 1];
    std::vector<int> Ordenada(FOrdem.size());
    for (std::size_t Posicao = 0; Posicao < FOrdem.size(); ++Posicao)
        Ordenada[Inicio[Classes[Posicao]]++] = FOrdem[Posicao];
    FOrdem = std::move(Ordenada);
}

void TModeloFaixas::Mostra(const TRegrasConferencia& Regras, const TConferencia& Conferencia) {
    beginResetModel();
    FRegras = &Regras;
    FConferencia = &Conferencia;
    endResetModel();
}

void TModeloFaixas::Esvazia() {
    if (!FConferencia)
        return;
    beginResetModel();
    FRegras = nullptr;
    FConferencia = nullptr;
    endResetModel();
}

int TModeloFaixas::rowCount(const QModelIndex& Pai) const {
    return Pai.isValid() || !FRegras ? 0 : int(FRegras->Faixas.size());
}

int TModeloFaixas::columnCount(const QModelIndex& Pai) const {
    return Pai.isValid() ? 0 : 3;
}

QVariant TModeloFaixas::data(const QModelIndex& Indice, int Papel) const {
    if (!checkIndex(Indice, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TFaixaPremio& Faixa = FRegras->Faixas[Indice.row()];
    const std::uint64_t Quantidade = FConferencia->QdePorFaixa[std::size_t(Indice.row())];
    switch (Papel) {
    case Qt::DisplayRole:
        switch (Indice.column()) {
        case 0:
            return NomeDaFaixa(Faixa);
        case 1:
            return AcertosDaFaixa(Faixa);
        default:
            return QLocale().toString(Quantidade);
        }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Indice.column() == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    case Qt::BackgroundRole:
        return Quantidade != 0 ? QVariant(FundoDoPremiado) : QVariant();
    case Qt::FontRole:
        return Quantidade != 0 ? QVariant(Negrito()) : QVariant();
    default:
        return {};
    }
}

QVariant TModeloFaixas::headerData(int Secao, Qt::Orientation Orientacao, int Papel) const {
    static const QStringList Titulos{u"Faixa"_s, u"Acertos"_s, u"Apostas Premiadas"_s};
    if (Orientacao == Qt::Horizontal && Papel == Qt::DisplayRole)
        return Titulos.value(Secao);
    return QAbstractTableModel::headerData(Secao, Orientacao, Papel);
}
