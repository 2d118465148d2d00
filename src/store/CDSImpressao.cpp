#include "store/CDSImpressao.h"

#include "store/CorteDeTexto.h"

#include <algorithm>

namespace {

QList<TCampo> CamposPeloNome() {
    QList<TCampo> Lista;
    const auto Grupo = [&Lista](const QString& Nome) {
        for (int Slot = 1; Slot <= TFolhaImpressao::QdeSlots; ++Slot)
            Lista.append(CampoComNome(Nome + QString::number(Slot)));
    };
    Grupo(QStringLiteral("Jogo"));
    Grupo(QStringLiteral("IdJogo"));
    Lista.append(CampoComNome(QStringLiteral("NumPagina")));
    Grupo(QStringLiteral("MesJogo"));
    Grupo(QStringLiteral("TimeCoracaoJogo"));
    Lista.append(CampoComNome(QStringLiteral("IDDataSet")));
    Lista.append(CampoComNome(QStringLiteral("UltimoDaPagina")));
    Grupo(QStringLiteral("Espelho"));
    Grupo(QStringLiteral("Trevo"));
    return Lista;
}

// The valid rows among Linhas, ascending, once each.
QList<int> LinhasValidas(QList<int> Linhas, int QdeLinhas) {
    Linhas.removeIf([QdeLinhas](int Linha) { return Linha < 0 || Linha >= QdeLinhas; });
    std::sort(Linhas.begin(), Linhas.end());
    Linhas.erase(std::unique(Linhas.begin(), Linhas.end()), Linhas.end());
    return Linhas;
}

void CortaTextos(TFolhaImpressao& Folha) {
    const auto Corta = [](QString& Texto, qsizetype Tamanho) {
        if (Texto.size() > Tamanho)
            Texto = CortaTexto(Texto, Tamanho).toString();
    };
    for (int Slot = 0; Slot < TFolhaImpressao::QdeSlots; ++Slot) {
        Corta(Folha.Jogo[Slot], TCDSImpressao::TamanhoJogo);
        Corta(Folha.Trevo[Slot], TCDSImpressao::TamanhoTrevo);
    }
}

} // namespace

const QList<TCampo>& TCDSImpressao::CamposDaImpressao() {
    static const QList<TCampo> Lista = [] {
        QList<TCampo> Campos = CamposPeloNome();
        for (int Slot = 0; Slot < 3; ++Slot) {
            const QString Numero = QString::number(Slot + 1);
            Campos[CampoJogo1 + Slot].Rotulo = QStringLiteral("JG ") + Numero;
            Campos[CampoIdJogo1 + Slot].Rotulo = QStringLiteral("ID JG ") + Numero;
            Campos[CampoMesJogo1 + Slot].Rotulo = QStringLiteral("Mês JG ") + Numero;
            Campos[CampoTimeCoracaoJogo1 + Slot].Rotulo = QStringLiteral("TIM C JG ") + Numero;
        }
        Campos[CampoNumPagina].Rotulo = QStringLiteral("PAG");
        return Campos;
    }();
    return Lista;
}

const QList<TCampo>& TCDSImpressao::CamposDaFila() {
    static const QList<TCampo> Lista = [] {
        QList<TCampo> Campos = CamposPeloNome();
        for (int Slot = 0; Slot < TFolhaImpressao::QdeSlots; ++Slot) {
            const QChar Letra(u'A' + Slot);
            Campos[CampoJogo1 + Slot].Rotulo = QStringLiteral("Jogo ") + Letra;
            Campos[CampoIdJogo1 + Slot].Rotulo = QStringLiteral("NR(") + Letra + u')';
        }
        Campos[CampoNumPagina].Rotulo = QStringLiteral("Página");
        return Campos;
    }();
    return Lista;
}

TCDSImpressao::TCDSImpressao(const QList<TCampo>& Campos, QObject* Parent)
    : TTabela(Parent)
    , FCampos(Campos) {}

QVariant TCDSImpressao::Valor(int Linha, int Campo) const {
    const TFolhaImpressao& F = Folha(Linha);
    if (Campo < 0 || Campo >= QdeCampos)
        return {};
    if (Campo >= CampoTrevo1)
        return F.Trevo[Campo - CampoTrevo1];
    if (Campo >= CampoEspelho1)
        return ValorOpcional(F.Espelho[Campo - CampoEspelho1]);
    if (Campo == CampoUltimoDaPagina)
        return F.UltimoDaPagina;
    if (Campo == CampoIDDataSet)
        return F.IDDataSet;
    if (Campo >= CampoTimeCoracaoJogo1)
        return ValorOpcional(F.TimeCoracaoJogo[Campo - CampoTimeCoracaoJogo1]);
    if (Campo >= CampoMesJogo1)
        return ValorOpcional(F.MesJogo[Campo - CampoMesJogo1]);
    if (Campo == CampoNumPagina)
        return F.NumPagina;
    if (Campo >= CampoIdJogo1)
        return ValorOpcional(F.IdJogo[Campo - CampoIdJogo1]);
    return F.Jogo[Campo - CampoJogo1];
}

void TCDSImpressao::Substitui(std::vector<TFolhaImpressao> Folhas) {
    for (TFolhaImpressao& Folha : Folhas)
        CortaTextos(Folha);
    Reinicia([&] {
        FFolhas = std::move(Folhas);
        DefineAberto(true);
    });
}

void TCDSImpressao::Esvazia() {
    if (!FFolhas.empty())
        Reinicia([this] { FFolhas.clear(); });
}

void TCDSImpressao::EsvaziaEFecha() {
    Reinicia([this] {
        FFolhas.clear();
        DefineAberto(false);
    });
}

void TCDSImpressao::RemoveFolhas(QList<int> Linhas) {
    Linhas = LinhasValidas(std::move(Linhas), QdeRegistros());
    if (Linhas.isEmpty())
        return;
    // One pass over the store, however scattered the rows are.
    std::vector<TFolhaImpressao> Restantes;
    Restantes.reserve(FFolhas.size() - std::size_t(Linhas.size()));
    auto Proxima = Linhas.cbegin();
    for (int Linha = 0; Linha < QdeRegistros(); ++Linha) {
        if (Proxima != Linhas.cend() && *Proxima == Linha)
            ++Proxima;
        else
            Restantes.push_back(std::move(FFolhas[std::size_t(Linha)]));
    }
    Reinicia([&] { FFolhas = std::move(Restantes); });
}

void TCDSImpressao::CopiaFolhas(const TCDSImpressao& Origem, QList<int> Linhas) {
    std::vector<TFolhaImpressao> Copias;
    for (int Linha : LinhasValidas(std::move(Linhas), Origem.QdeRegistros()))
        Copias.push_back(Origem.Folha(Linha));
    Substitui(std::move(Copias));
}
