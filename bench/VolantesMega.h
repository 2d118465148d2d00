#pragma once

// The Mega-Sena print run that the PDF benchmarks share: games of six numbers laid out three to a slip,
// three slips to an A4 landscape page, every sheet selected, with an identification on every slip.
#include "printing/ExecucaoImpressao.h"
#include "store/DataModulo.h"

#include <QStringList>

constexpr int VolantesPorPagina = 3;
constexpr int JogosPorVolante = 3;

// Games of six numbers, a different set for each game.
inline QStringList JogosMega(int Qde) {
    QStringList Jogos;
    for (int Jogo = 0; Jogo < Qde; ++Jogo) {
        QStringList Numeros;
        for (int Posicao = 0; Posicao < 6; ++Posicao)
            Numeros << QStringLiteral("%1").arg((Jogo * 7 + Posicao * 10) % 60 + 1, 2, 10, QLatin1Char('0'));
        Numeros.sort();
        Jogos << Numeros.join(QLatin1Char(' '));
    }
    return Jogos;
}

// The printed store of a closing laid out three games per slip, every sheet selected.
inline void PreparaImpressao(TDM& DM, int Paginas) {
    DM.InsereRegistroPorStringList(QStringLiteral("Mega-Sena"), QStringLiteral("Bolão da firma"), false,
                                   JogosMega(Paginas * VolantesPorPagina * JogosPorVolante), {});
    DM.AtivaFiltro_MASTER(true);
    DM.PopulaCDSImpressao(JogosPorVolante, VolantesPorPagina, 0, 1, false, 0, false, false, {},
                          TTipoModalidade::Megasena, false);
    QList<int> Todas;
    for (int Linha = 0; Linha < DM.CDSImpressao_Temp().QdeRegistros(); ++Linha)
        Todas << Linha;
    DM.CopiaFolhasParaImpressao(Todas);
}

inline TConfiguracaoImpressao ConfiguracaoMega(bool ImagemVisivel = false, const QString& PastaImagens = {}) {
    TConfiguracaoImpressao Configuracao;
    Configuracao.NomeModalidade = QStringLiteral("Mega-Sena");
    Configuracao.QdeNumPorVolante = 6;
    Configuracao.QdeJogosPorVolante = JogosPorVolante;
    Configuracao.NomeIdentificacao = QStringLiteral("BOLÃO DA FIRMA");
    Configuracao.ImagemVisivel = ImagemVisivel;
    Configuracao.PastaImagens = PastaImagens;
    return Configuracao;
}
