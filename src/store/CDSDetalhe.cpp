#include "store/CDSDetalhe.h"

#include <algorithm>

const QList<TCampo>& TCDSDetalhe::Campos() const {
    static const QList<TCampo> Lista = {
        CampoComNome(QStringLiteral("IDMaster")),
        CampoComNome(QStringLiteral("IDJogo")),
        {QStringLiteral("Jogo"), QStringLiteral("Números do Jogo")},
        {QStringLiteral("NumBonus"), QStringLiteral("Bônus/Extra")},
    };
    return Lista;
}

QVariant TCDSDetalhe::Valor(int Linha, int Campo) const {
    switch (Campo) {
    case CampoIDMaster:
        return FVisao->IDMaster();
    case CampoIDJogo:
        return IDJogo(Linha);
    case CampoJogo:
        return Jogo(Linha);
    case CampoNumBonus:
        return ValorOpcional(NumBonus(Linha));
    }
    return {};
}

TRegistroDetalhe TCDSDetalhe::Registro(int Linha) const {
    return {FVisao->IDMaster(), IDJogo(Linha), Jogo(Linha), NumBonus(Linha)};
}

qsizetype TCDSDetalhe::QdeTotal() const {
    qsizetype Total = 0;
    for (const auto& Bloco : FBlocos)
        Total += Bloco->Qde();
    return Total;
}

TCDSDetalhe::TBlocos::const_iterator TCDSDetalhe::Procura(int IDMaster) const {
    return std::find_if(FBlocos.begin(), FBlocos.end(),
                        [IDMaster](const auto& Bloco) { return Bloco->IDMaster() == IDMaster; });
}

void TCDSDetalhe::Filtra(int IDMaster) {
    const auto Posicao = Procura(IDMaster);
    TBlocoJogos* const Visao = Posicao == FBlocos.end() ? nullptr : Posicao->get();
    if (IDMaster == FIDMasterDoFiltro && Visao == FVisao)
        return;
    Reinicia([&] {
        FIDMasterDoFiltro = IDMaster;
        FVisao = Visao;
    });
}

void TCDSDetalhe::Insere(std::unique_ptr<TBlocoJogos> Jogos) {
    TBlocoJogos* const Bloco = Jogos.get();
    FBlocos.push_back(std::move(Jogos));
    // A new closing took the ID the view is still restricted to: its games show at once.
    if (Bloco->IDMaster() == FIDMasterDoFiltro)
        InsereLinhas(0, Bloco->Qde() - 1, [&] { FVisao = Bloco; });
}

void TCDSDetalhe::DeletaDetalhe(int IDMaster) {
    const auto Posicao = Procura(IDMaster);
    if (Posicao == FBlocos.end())
        return;
    if (Posicao->get() == FVisao) {
        if (QdeRegistros() > 0)
            RemoveLinhas(0, QdeRegistros() - 1, [this] { FVisao = nullptr; });
        FVisao = nullptr;
    }
    FBlocos.erase(Posicao);
}

void TCDSDetalhe::Deleta(int Linha) {
    RemoveLinhas(Linha, Linha, [&] { FVisao->Remove(Linha); });
}
