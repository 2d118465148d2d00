#include "store/FilaImpressao.h"

#include "store/CorteDeTexto.h"
#include "store/DistribuidorDeExtras.h"

#include <algorithm>

std::vector<TFolhaImpressao> MontaFolhasImpressao(const TCDSDetalhe& Jogos, const TOpcoesFila& Opcoes) {
    // A slip has four slots and a page at least one slip, whatever the caller asks.
    const int JogosPorFolha = std::clamp(Opcoes.QdeJogosPorImpressao, 1, TFolhaImpressao::QdeSlots);
    const int FolhasPorPagina = std::max(Opcoes.QdeImpressaoPorFolha, 1);
    const int Grupo = std::max(Opcoes.QdeDividirBolao, 0);
    const int GrupoDosContadores = Opcoes.Marketplace ? Grupo : 0;
    TDistribuidorDeExtras Meses(Opcoes.Mes, 12, Opcoes.AvancaMes, GrupoDosContadores);
    TDistribuidorDeExtras Times(Opcoes.Time, 80, Opcoes.AvancaTime, GrupoDosContadores);
    const QString Trevos = CortaTexto(Opcoes.Trevos, TCDSImpressao::TamanhoTrevo).toString();

    const int QdeJogos = Jogos.QdeRegistros();
    std::vector<TFolhaImpressao> Folhas;
    Folhas.reserve(std::size_t(QdeJogos / JogosPorFolha + (Grupo > 0 ? QdeJogos / Grupo : 0) + 1));
    int Slot = 0;
    int Pagina = 1;
    int FolhaNaPagina = 1;
    int Limite = JogosPorFolha;
    for (int Linha = 0; Linha < QdeJogos; ++Linha) {
        if (Slot == 0) {
            Folhas.emplace_back();
            Folhas.back().IDDataSet = int(Folhas.size());
        }
        TFolhaImpressao& Folha = Folhas.back();
        const int IDJogo = Jogos.IDJogo(Linha);
        const int NumBonus = Jogos.NumBonus(Linha).value_or(0);
        Folha.Jogo[Slot] = Jogos.Jogo(Linha);
        Folha.IdJogo[Slot] = IDJogo;
        Folha.NumPagina = Pagina;
        switch (Opcoes.TipoModalidade) {
        case TTipoModalidade::DiaDeSorte:
            Folha.MesJogo[Slot] = Meses.ExtraDoJogo(NumBonus, IDJogo);
            break;
        case TTipoModalidade::Timemania:
            Folha.TimeCoracaoJogo[Slot] = Times.ExtraDoJogo(NumBonus, IDJogo);
            break;
        case TTipoModalidade::Lotomania:
            if (NumBonus == 1 || Opcoes.ApostaEspelho)
                Folha.Espelho[Slot] = 1;
            break;
        case TTipoModalidade::MaisMilionaria:
            Folha.Trevo[Slot] = Trevos;
            break;
        default:
            break;
        }
        ++Slot;
        if (Grupo > 0)
            Limite = IDJogo % Grupo == 0 ? 1 : JogosPorFolha;
        if (Slot >= Limite) {
            Slot = 0;
            ++FolhaNaPagina;
        }
        if (FolhaNaPagina > FolhasPorPagina) {
            // The sheet just closed is the last of its page.
            FolhaNaPagina = 1;
            ++Pagina;
            Folha.UltimoDaPagina = IDJogo;
        }
    }
    if (!Folhas.empty())
        Folhas.back().UltimoDaPagina = Jogos.IDJogo(QdeJogos - 1);
    return Folhas;
}
