#include "printing/layouts/GeometriaVolante.h"

#include <algorithm>

namespace {

QList<int> Caixa(QPoint Canto, QSize Tamanho) {
    return {Canto.x(), Canto.y(), Tamanho.width(), Tamanho.height()};
}

QString Numero(int Valor) {
    return QString::number(Valor);
}

} // namespace

void DefineTextosVolante(TImpressao& Impressao, const std::array<TTextosVolante, 2>& Modelos) {
    const auto Esquerdas = [&Modelos](QPoint TTextosVolante::*Texto) {
        return QList<int>{(Modelos[0].*Texto).x(), (Modelos[1].*Texto).x()};
    };
    const auto Topos = [&Modelos](QPoint TTextosVolante::*Texto) {
        return QList<int>{(Modelos[0].*Texto).y(), (Modelos[1].*Texto).y()};
    };
    Impressao.SetImpRelacaoJogos_E(Esquerdas(&TTextosVolante::RelacaoJogos));
    Impressao.SetImpRelacaoJogos_T(Topos(&TTextosVolante::RelacaoJogos));
    Impressao.SetImpNomeModalidade_E(Esquerdas(&TTextosVolante::NomeModalidade));
    Impressao.SetImpNomeModalidade_T(Topos(&TTextosVolante::NomeModalidade));
    Impressao.SetImpNumPagina_E(Esquerdas(&TTextosVolante::NumPagina));
    Impressao.SetImpNumPagina_T(Topos(&TTextosVolante::NumPagina));
    Impressao.SetImpNomeModalidadeExtra_E(Esquerdas(&TTextosVolante::NomeModalidadeExtra));
    Impressao.SetImpNomeModalidadeExtra_T(Topos(&TTextosVolante::NomeModalidadeExtra));
    Impressao.SetImpQdeCotas_E(Esquerdas(&TTextosVolante::QdeCotas));
    Impressao.SetImpQdeCotas_T(Topos(&TTextosVolante::QdeCotas));
}

void CriaGradeVolante(TImpressao& Impressao, const TGradeVolante& Grade) {
    for (qsizetype Indice = 0; Indice < Grade.EsquerdaColunas.size(); ++Indice) {
        const int Coluna = Grade.PrimeiraColuna + int(Indice);
        Impressao.CriaShape(Caixa({Grade.EsquerdaColunas[Indice], Grade.TopoColunas}, Grade.TamanhoColunas),
                            TFormatoShape::dkRectangle,
                            Grade.ColunasGuia.contains(Coluna) ? TImpressao::TagGuiaVisivel
                                                               : TImpressao::TagGuiaOculta,
                            QStringLiteral("SG_Col") + Numero(Coluna));
    }
    Impressao.CriaShape(
        {Grade.Master.left(), Grade.Master.top(), Grade.Master.width(), Grade.Master.height()},
        TFormatoShape::dkRectangle, TImpressao::TagGuiaVisivel, QStringLiteral("SG_Master"));
    for (qsizetype Bloco = 0; Bloco < Grade.TopoLinhas.size(); ++Bloco) {
        const QString SufixoJogo = QStringLiteral("_Jogo") + Numero(int(Bloco) + 1);
        const QList<int>& Topos = Grade.TopoLinhas[Bloco];
        for (qsizetype Linha = 0; Linha < Topos.size(); ++Linha)
            Impressao.CriaShape(Caixa({Grade.EsquerdaLinhas, Topos[Linha]}, Grade.TamanhoLinhas),
                                TFormatoShape::dkRectangle, TImpressao::TagGuiaVisivel,
                                QStringLiteral("SG_Lin") + Numero(int(Linha) + 1) + SufixoJogo);
        if (Bloco < Grade.TopoAnula.size())
            Impressao.CriaShape(Caixa({Grade.EsquerdaLinhas, Grade.TopoAnula[Bloco]}, Grade.TamanhoLinhas),
                                TFormatoShape::dkRectangle, TImpressao::TagGuiaVisivel,
                                QStringLiteral("SG_Anula") + SufixoJogo);
    }
}

void CriaOpcoesVolante(TImpressao& Impressao, int Esquerda, const QList<TOpcaoVolante>& Opcoes) {
    for (const TOpcaoVolante& Opcao : Opcoes) {
        const QPoint Canto(Esquerda, Opcao.Topo);
        Impressao.CriaShape(Caixa(Canto, Opcao.TamanhoGuia), TFormatoShape::dkRectangle,
                            TImpressao::TagGuiaVisivel, QString::fromLatin1(Opcao.Guia));
        Impressao.CriaShape(Caixa(Canto, Opcao.TamanhoMarca), TFormatoShape::dkElipse, TImpressao::TagMarca,
                            QString::fromLatin1(Opcao.Marca));
    }
}

std::optional<int> ColunaDoValor(const QList<std::pair<int, int>>& Tabela, int Valor) {
    for (const auto& [Chave, Coluna] : Tabela)
        if (Chave == Valor)
            return Coluna;
    return std::nullopt;
}

std::optional<int> ColunaBolaoDezena(int Cotas, int MaiorCota) {
    if (Cotas < 10 || Cotas > std::min(MaiorCota, 99))
        return std::nullopt;
    return Cotas / 10;
}

std::optional<int> ColunaBolaoUnidade(int Cotas, int MaiorCota) {
    if (Cotas < 2 || Cotas > std::min(MaiorCota, 99))
        return std::nullopt;
    return Cotas % 10 + 1;
}
