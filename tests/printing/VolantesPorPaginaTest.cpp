// The slips one page holds in each page format, and the page numbers of the print sheet queue built
// with it: every sheet must carry the number of the page it is printed on.
#include "catalogue/ULib.h"
#include "printing/ExecucaoImpressao.h"
#include "store/DataModulo.h"

#include <gtest/gtest.h>

namespace {

TConfiguracaoImpressao Formato(const QString& Nome, int LayoutIndex, bool VolanteOficial) {
    TConfiguracaoImpressao Configuracao;
    Configuracao.NomeModalidade = Nome;
    Configuracao.LayoutIndex = LayoutIndex;
    Configuracao.ImpressaoVolanteOficial = VolanteOficial;
    return Configuracao;
}

TEST(VolantesPorPaginaTest, EachMaisMilionariaFormatHoldsWhatItsPagePrints) {
    struct TCaso {
        int LayoutIndex;
        bool VolanteOficial;
        int Volantes;
    };
    const TCaso Casos[] = {
        {0, false, 2}, // two wide slips one above the other on a portrait A4 sheet
        {0, true, 1},  // alone on its 210 x 150 mm paper
        {1, false, 3}, // three tall slips across a landscape A4 sheet
        {1, true, 1},  // the official slip fed into the printer
    };
    for (const TCaso& Caso : Casos)
        EXPECT_EQ(TExecucaoImpressao::VolantesPorPagina(
                      Formato(QStringLiteral("Mais Milionária"), Caso.LayoutIndex, Caso.VolanteOficial)),
                  Caso.Volantes)
            << "modelo " << Caso.LayoutIndex << (Caso.VolanteOficial ? ", volante original" : ", A4");
}

// Qde different games of QdeNumeros numbers each, inside the game's range.
QStringList Jogos(const TModalidade& Regras, int Qde, int QdeNumeros) {
    QStringList Linhas;
    const int Faixa = Regras.NumFinal() - Regras.NumInicial() + 1;
    for (int Jogo = 0; Jogo < Qde; ++Jogo) {
        QList<int> Numeros;
        for (int Posicao = 0; Posicao < QdeNumeros; ++Posicao)
            Numeros.append(Regras.NumInicial() + (Jogo + Posicao) % Faixa);
        std::sort(Numeros.begin(), Numeros.end());
        QStringList Textos;
        for (int Numero : Numeros)
            Textos.append(QStringLiteral("%1").arg(Numero, 2, 10, QLatin1Char('0')));
        Linhas.append(Textos.join(QLatin1Char(' ')));
    }
    return Linhas;
}

// Every game, slip model and paper: the queue numbers its pages as the report lays them out, so the
// label "Pag : n" printed on a slip is the number of the page it is on, and the last sheet's number is
// the page count of the run.
TEST(VolantesPorPaginaTest, QueuePagesAreThePrintedPagesOfEveryModelAndPaper) {
    constexpr int QdeJogos = 23;
    for (const QString& Nome : ItensRadioModalidades()) {
        const std::unique_ptr<TModalidade> Regras = CriaModalidade(Nome);
        ASSERT_TRUE(Regras);
        Regras->SetParameters(0);
        ASSERT_FALSE(Regras->NomeRelatorio().isEmpty()) << Nome.toStdString();
        for (int Modelo = 0; Modelo < Regras->NomeRelatorio().size(); ++Modelo) {
            Regras->SetLayoutIndex(Modelo);
            Regras->SetParameters(0);
            if (Regras->NomeRelatorio().at(Modelo).isEmpty())
                continue;
            Regras->SetParameters(Regras->QdeNumPorVolante().value(0));
            for (const bool VolanteOficial : {false, true}) {
                SCOPED_TRACE(testing::Message() << Nome.toStdString() << ", modelo " << Modelo
                                                << (VolanteOficial ? ", volante original" : ", A4"));
                TConfiguracaoImpressao Configuracao = Formato(Nome, Modelo, VolanteOficial);
                Configuracao.QdeNumPorVolante = Regras->QdeNumPorVolante().value(0);
                Configuracao.QdeJogosPorVolante = Regras->QdeJogosPorVolante().value(0);
                Configuracao.IndiceTimeCoracao = 0;
                Configuracao.QdeTrevo = 2;

                TDM DM;
                DM.InsereRegistroPorStringList(Nome, QString(), false,
                                               Jogos(*Regras, QdeJogos, Configuracao.QdeNumPorVolante), {});
                DM.AtivaFiltro_MASTER(true);
                const int Capacidade = TExecucaoImpressao::VolantesPorPagina(Configuracao);
                ASSERT_TRUE(DM.PopulaCDSImpressao(Configuracao.QdeJogosPorVolante, Capacidade, 0, 1, false, 1,
                                                  false, false, QStringLiteral("1 2"),
                                                  Regras->TipoModalidade(), false)
                                .isEmpty());
                const TCDSImpressao& Fila = DM.CDSImpressao_Temp();
                QList<int> Todas;
                for (int Linha = 0; Linha < Fila.QdeRegistros(); ++Linha)
                    Todas.append(Linha);
                DM.CopiaFolhasParaImpressao(Todas);

                TMensagens Mensagens;
                const auto Execucao = TExecucaoImpressao::Monta(Configuracao, DM.CDSImpressao(), Mensagens);
                ASSERT_TRUE(Execucao) << (Mensagens.isEmpty() ? "" : Mensagens.first().Texto.toStdString());
                const TLayoutPagina Layout = Execucao->Relatorio().Layout();
                EXPECT_EQ(Layout.CelulasPorPagina(), Capacidade);
                ASSERT_GT(Fila.QdeRegistros(), Capacidade) << "the run must span several pages";
                EXPECT_EQ(Execucao->Relatorio().QdePaginas(), Fila.Folha(Fila.QdeRegistros() - 1).NumPagina);
                for (int Linha = 0; Linha < Fila.QdeRegistros(); ++Linha)
                    EXPECT_EQ(Fila.Folha(Linha).NumPagina, Linha / Layout.CelulasPorPagina() + 1)
                        << "volante " << Linha + 1;
            }
        }
    }
}

} // namespace
