#include "store/CDSMaster.h"

#include "store/CorteDeTexto.h"

#include <algorithm>

const QList<TCampo>& TCDSMaster::Campos() const {
    static const QList<TCampo> Lista = {
        CampoComNome(QStringLiteral("ID")),
        CampoComNome(QStringLiteral("Modalidade")),
        CampoComNome(QStringLiteral("Titulo")),
        CampoComNome(QStringLiteral("QdeJogos")),
        CampoComNome(QStringLiteral("NumerosDoFechamento")),
        {QStringLiteral("DoPortalVip"), QStringLiteral("DoPortal")},
        {QStringLiteral("QdeNumPorJogo"), QStringLiteral("Num/Jogo")},
        CampoComNome(QStringLiteral("QdeTotalNumFechamento")),
    };
    return Lista;
}

QVariant TCDSMaster::Valor(int Linha, int Campo) const {
    const TRegistroMaster& R = Registro(Linha);
    switch (Campo) {
    case CampoID:
        return R.ID;
    case CampoModalidade:
        return R.Modalidade;
    case CampoTitulo:
        return R.Titulo;
    case CampoQdeJogos:
        return R.QdeJogos;
    case CampoNumerosDoFechamento:
        return R.NumerosDoFechamento;
    case CampoDoPortalVip:
        return R.DoPortalVip;
    case CampoQdeNumPorJogo:
        return R.QdeNumPorJogo;
    case CampoQdeTotalNumFechamento:
        return R.QdeTotalNumFechamento;
    }
    return {};
}

int TCDSMaster::RetornaProximoID() const {
    int Maior = 0;
    for (const TRegistroMaster& R : FRegistros)
        Maior = std::max(Maior, R.ID);
    return Maior + 1;
}

void TCDSMaster::Acrescenta(TRegistroMaster Registro) {
    const auto Corta = [](QString& Texto, qsizetype Tamanho) {
        if (Texto.size() > Tamanho)
            Texto = CortaTexto(Texto, Tamanho).toString();
    };
    Corta(Registro.Modalidade, TamanhoModalidade);
    Corta(Registro.Titulo, TamanhoTitulo);
    Corta(Registro.NumerosDoFechamento, TamanhoNumerosDoFechamento);
    Corta(Registro.DoPortalVip, TamanhoDoPortalVip);
    FRegistros.reserve(FRegistros.size() + 1);
    const int Linha = QdeRegistros();
    InsereLinhas(Linha, Linha, [&] { FRegistros.push_back(std::move(Registro)); });
}

void TCDSMaster::DefineQdeJogos(int Linha, int QdeJogos) {
    FRegistros.at(std::size_t(Linha)).QdeJogos = QdeJogos;
    Q_EMIT LinhasAlteradas(Linha, Linha);
}

void TCDSMaster::Remove(int Linha) {
    RemoveLinhas(Linha, Linha, [&] { FRegistros.erase(FRegistros.begin() + Linha); });
}
