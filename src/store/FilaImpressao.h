#pragma once

#include "catalogue/TipoModalidade.h"
#include "store/CDSDetalhe.h"
#include "store/CDSImpressao.h"

#include <QString>

#include <vector>

// The options that shape the print sheet queue, as the print setup passes them.
struct TOpcoesFila {
    int QdeJogosPorImpressao = 1; // games per slip
    int QdeImpressaoPorFolha = 1; // slips per page
    int QdeDividirBolao = 0;      // pool group size, 0 for none
    int Mes = 1;                  // first month to hand out (Dia de Sorte)
    bool AvancaMes = false;
    int Time = 0; // first team to hand out (Timemania), 0 for none
    bool AvancaTime = false;
    bool ApostaEspelho = false; // every game a mirror bet (Lotomania)
    QString Trevos;             // clover text of every game (+Milionária)
    TTipoModalidade TipoModalidade = TTipoModalidade::Indefinida;
    bool Marketplace = false; // months and teams advance once per pool group
};

// Lays the games of the view out into print sheets: slot by slot in game order, a sheet closing when
// its slots are used or after the last game of a pool group, sheets grouped into pages. A view
// without games gives no sheet.
std::vector<TFolhaImpressao> MontaFolhasImpressao(const TCDSDetalhe& Jogos, const TOpcoesFila& Opcoes);
