#include "catalogue/Modalidades.h"

#include "catalogue/ULib.h"

namespace {

QList<int> Faixa(int Inicio, int Fim) {
    QList<int> Lista;
    for (int n = Inicio; n <= Fim; ++n)
        Lista.append(n);
    return Lista;
}

QString MensagemCotasAcima(int Cotas, int NumerosPorVolante) {
    return QStringLiteral("Esta Modalidade Não Permite Bolão Acima de %1 Cotas para Jogos de %2 Por Volante")
        .arg(Cotas)
        .arg(NumerosPorVolante);
}

} // namespace

// Mega-Sena

TMegasena::TMegasena()
    : TModalidade(TTipoModalidade::Megasena) {
    FNumInicial = 1;
    FNumFinal = 60;
    FNumBonusInicial = -1;
    FNumBonusFinal = -1;
    FNomeModalidade = QStringLiteral("Mega-Sena");
    GeraNumerosModalidade();
}

void TMegasena::SetParameters(int Par_QdeNumPorVolante) {
    const bool Modelo0 = FLayoutIndex == 0;
    SetQdeNumPorVolante(Faixa(6, 20));
    SetSurpresinha(Faixa(0, 7));
    SetTeimosinha(EscolheLista(Modelo0, {0, 2, 4, 8}, {0}));
    SetQdeJogosPorVolante({1, 2, 3});
    SetQdeVolantesPorPagina(3);
    SetBolao(100);
    SetLayout({QStringLiteral("2020"), QStringLiteral("Mega da Virada 2020")});
    SetNomeRelatorio({QStringLiteral("TFormImpressaoMega_3"), QStringLiteral("TFormImpressaoMegaVirada_3")});
    SetImagemMiniatura(
        {QStringLiteral("Imagem_Megasena_2018"), QStringLiteral("Imagem_MegasenaVirada_2023")});
    FQdeBolaoMax = Par_QdeNumPorVolante == 6 ? 8 : Par_QdeNumPorVolante == 7 ? 50 : 100;
}

void TMegasena::ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha,
                                int ImpTimeCoracao, int Layout) {
    IniciaValidacao();
    RegraBolaoComTeimosinha(ImpQdeBolao, ImpQdeTeimosinha);
    if (ImpQdeBolao > 9 && ImpQdeNumPorVolante == 6)
        Recusa(MensagemCotasAcima(9, 6));
    if (Layout == 0 && ImpQdeNumPorVolante > 15)
        Recusa(QStringLiteral("O Cartelim não está configurado para Impressão da Mega com 16 ou mais dezenas "
                              "por volante."));
    TModalidade::ValidaImpressao(ImpQdeNumPorVolante, ImpQdeBolao, ImpQdeTeimosinha, ImpTimeCoracao, Layout);
}

// Lotofácil

TLotofacil::TLotofacil()
    : TModalidade(TTipoModalidade::Lotofacil) {
    FNumInicial = 1;
    FNumFinal = 25;
    FNumBonusInicial = -1;
    FNumBonusFinal = -1;
    FNomeModalidade = QStringLiteral("Lotofacil");
    GeraNumerosModalidade();
}

void TLotofacil::SetParameters(int Par_QdeNumPorVolante) {
    const bool Modelo0 = FLayoutIndex == 0;
    SetQdeNumPorVolante(Faixa(15, 20));
    SetSurpresinha(Faixa(0, 7));
    SetTeimosinha(EscolheLista(Modelo0, {0, 3, 6, 12, 18, 24}, {0}));
    SetQdeJogosPorVolante({1, 2, 3});
    SetQdeVolantesPorPagina(3);
    SetBolao(100);
    SetLayout({QStringLiteral("Mod 2023"), QStringLiteral("Mod 2023 Indep")});
    SetNomeRelatorio(
        {QStringLiteral("TFormImpressaoLF_3_2021"), QStringLiteral("TFormImpressaoLF_3_2021_Independencia")});
    SetImagemMiniatura(
        {QStringLiteral("Imagem_Lotofacil_2023"), QStringLiteral("Imagem_Lotofacil_Independencia_2023")});
    switch (Par_QdeNumPorVolante) {
    case 15:
        FQdeBolaoMax = 7;
        break;
    case 16:
        FQdeBolaoMax = 35;
        break;
    case 17:
        FQdeBolaoMax = 40;
        break;
    case 18:
        FQdeBolaoMax = 50;
        break;
    case 19:
        FQdeBolaoMax = 85;
        break;
    case 20:
        FQdeBolaoMax = 100;
        break;
    default:
        FQdeBolaoMax = 0;
        break;
    }
}

void TLotofacil::ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha,
                                 int ImpTimeCoracao, int Layout) {
    IniciaValidacao();
    RegraBolaoComTeimosinha(ImpQdeBolao, ImpQdeTeimosinha);
    if (ImpQdeBolao > 8 && ImpQdeNumPorVolante == 15)
        Recusa(MensagemCotasAcima(8, 15));
    if (Layout == 1 && ImpQdeBolao > 100)
        Recusa(QStringLiteral("Este Layout Não Permite Cotas de Bolão Acima de 100"));
    TModalidade::ValidaImpressao(ImpQdeNumPorVolante, ImpQdeBolao, ImpQdeTeimosinha, ImpTimeCoracao, Layout);
}

// Dia de Sorte

TDiaSorte::TDiaSorte()
    : TModalidade(TTipoModalidade::DiaDeSorte) {
    FNumInicial = 1;
    FNumFinal = 31;
    FNumBonusInicial = 1;
    FNumBonusFinal = 12;
    FNomeModalidade = QStringLiteral("Dia de Sorte");
    GeraNumerosModalidade();
}

void TDiaSorte::SetParameters(int Par_QdeNumPorVolante) {
    SetQdeNumPorVolante(Faixa(7, 15));
    SetSurpresinha(Faixa(0, 7));
    SetTeimosinha({0, 3, 6, 9, 12});
    SetQdeJogosPorVolante({1, 2, 3});
    SetQdeVolantesPorPagina(3);
    SetBolao(60);
    SetLayout({QStringLiteral("2020"), QStringLiteral("2024")});
    SetNomeRelatorio({QStringLiteral("TFormImpressaoDSorte_3"), QStringLiteral("TFormImpressaoDSorte_2024")});
    SetImagemMiniatura({QStringLiteral("Imagem_DiaDeSorte_2018"), QStringLiteral("Imagem_DiaDeSorte_2024")});
    switch (Par_QdeNumPorVolante) {
    case 7:
        FQdeBolaoMax = 8;
        break;
    case 8:
        FQdeBolaoMax = 20;
        break;
    case 9:
        FQdeBolaoMax = 25;
        break;
    case 10:
        FQdeBolaoMax = 50;
        break;
    default:
        // The slip's quota boxes hold at most 60 quotas.
        FQdeBolaoMax = 60;
        break;
    }
}

void TDiaSorte::ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha,
                                int ImpTimeCoracao, int Layout) {
    IniciaValidacao();
    RegraBolaoComTeimosinha(ImpQdeBolao, ImpQdeTeimosinha);
    if (ImpQdeBolao > 8 && ImpQdeNumPorVolante == 7)
        Recusa(MensagemCotasAcima(8, 7));
    if (ImpQdeBolao > 60)
        Recusa(QStringLiteral("Este Volante Não Permite Cotas de Bolão Acima de 60"));
    TModalidade::ValidaImpressao(ImpQdeNumPorVolante, ImpQdeBolao, ImpQdeTeimosinha, ImpTimeCoracao, Layout);
}

// Quina

TQuina::TQuina()
    : TModalidade(TTipoModalidade::Quina) {
    FNumInicial = 1;
    FNumFinal = 80;
    FNumBonusInicial = -1;
    FNumBonusFinal = -1;
    FNomeModalidade = QStringLiteral("Quina");
    GeraNumerosModalidade();
}

void TQuina::SetParameters(int Par_QdeNumPorVolante) {
    const bool Modelo0 = FLayoutIndex == 0;
    SetQdeNumPorVolante(Faixa(5, 15));
    SetSurpresinha(EscolheLista(Modelo0, Faixa(0, 7), Faixa(0, 8)));
    SetTeimosinha(EscolheLista(Modelo0, {0, 3, 6, 12, 18, 24}, {0}));
    SetQdeJogosPorVolante(EscolheLista(Modelo0, {1, 2, 3}, {1, 2}));
    SetQdeVolantesPorPagina(3);
    SetBolao(50);
    SetLayout({QStringLiteral("2023"), QStringLiteral("Quina S.João 2023")});
    SetNomeRelatorio(
        {QStringLiteral("TFormImpressaoQuina_3"), QStringLiteral("TFormImpressaoQuina_SaoJoao")});
    SetImagemMiniatura({QStringLiteral("Imagem_Quina_2018"), QStringLiteral("Imagem_QuinaSaoJoao_2018")});
    FQdeBolaoMax = Par_QdeNumPorVolante == 5 ? 7 : Par_QdeNumPorVolante == 6 ? 25 : 50;
}

void TQuina::ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha,
                             int ImpTimeCoracao, int Layout) {
    IniciaValidacao();
    RegraBolaoComTeimosinha(ImpQdeBolao, ImpQdeTeimosinha);
    if (ImpQdeBolao > 8 && ImpQdeNumPorVolante == 5)
        Recusa(MensagemCotasAcima(8, 5));
    TModalidade::ValidaImpressao(ImpQdeNumPorVolante, ImpQdeBolao, ImpQdeTeimosinha, ImpTimeCoracao, Layout);
}

// Lotomania

TLotomania::TLotomania()
    : TModalidade(TTipoModalidade::Lotomania) {
    FNumInicial = 0;
    FNumFinal = 99;
    FNumBonusInicial = 1;
    FNumBonusFinal = 1;
    FNomeModalidade = QStringLiteral("Lotomania");
    GeraNumerosModalidade();
}

void TLotomania::SetParameters(int) {
    SetQdeNumPorVolante({50});
    SetSurpresinha({0, 1});
    SetTeimosinha({0, 3, 6, 9, 12});
    SetQdeJogosPorVolante({1, 2});
    SetQdeVolantesPorPagina(3);
    SetBolao(0);
    SetLayout({QStringLiteral("2025")});
    SetNomeRelatorio({QStringLiteral("TFormImpressaoLotomania_1"), QString()});
    SetImagemMiniatura({QStringLiteral("Imagem_Lotomania_2025"), QString()});
    FQdeBolaoMax = 0;
}

void TLotomania::ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha,
                                 int ImpTimeCoracao, int Layout) {
    IniciaValidacao();
    RegraBolaoComTeimosinha(ImpQdeBolao, ImpQdeTeimosinha);
    TModalidade::ValidaImpressao(ImpQdeNumPorVolante, ImpQdeBolao, ImpQdeTeimosinha, ImpTimeCoracao, Layout);
}

// Timemania

TTimemania::TTimemania()
    : TModalidade(TTipoModalidade::Timemania) {
    FNumInicial = 1;
    FNumFinal = 80;
    FNumBonusInicial = 1;
    FNumBonusFinal = 80;
    FNomeModalidade = QStringLiteral("Timemania");
    GeraNumerosModalidade();
}

void TTimemania::SetParameters(int) {
    SetQdeNumPorVolante({10});
    SetSurpresinha(Faixa(0, 9));
    SetTeimosinha({0, 3, 6, 9, 12});
    SetQdeJogosPorVolante({1});
    SetQdeVolantesPorPagina(3);
    SetBolao(9);
    SetLayout({QStringLiteral("2024 NOVO")});
    SetNomeRelatorio({QStringLiteral("TFormImpressaoTimemania_1"), QString()});
    SetImagemMiniatura({QStringLiteral("Imagem_Timemania_2022"), QString()});
    FQdeBolaoMax = 9;
}

void TTimemania::ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha,
                                 int ImpTimeCoracao, int Layout) {
    IniciaValidacao();
    RegraBolaoComTeimosinha(ImpQdeBolao, ImpQdeTeimosinha);
    if (ImpTimeCoracao == -1)
        Recusa(QStringLiteral("Favor Escolher um Time do Coração"));
    TModalidade::ValidaImpressao(ImpQdeNumPorVolante, ImpQdeBolao, ImpQdeTeimosinha, ImpTimeCoracao, Layout);
}

// Dupla Sena

TDuplaSena_2020::TDuplaSena_2020()
    : TModalidade(TTipoModalidade::DuplaSena) {
    FNumInicial = 1;
    FNumFinal = 50;
    FNumBonusInicial = -1;
    FNumBonusFinal = -1;
    FNomeModalidade = QStringLiteral("Dupla-Sena");
    GeraNumerosModalidade();
}

void TDuplaSena_2020::SetParameters(int Par_QdeNumPorVolante) {
    const bool Modelo0 = FLayoutIndex == 0;
    SetQdeNumPorVolante(Faixa(6, 15));
    SetSurpresinha(Faixa(0, 7));
    SetTeimosinha(EscolheLista(Modelo0, {0, 3, 6, 9, 12}, {0}));
    SetQdeJogosPorVolante({1, 2, 3});
    SetQdeVolantesPorPagina(3);
    SetBolao(50);
    SetLayout({QStringLiteral("Modelo 2020"), QStringLiteral("Modelo Páscoa 2020")});
    SetNomeRelatorio({QStringLiteral("TFormImpressao_DuplaSena_2020"),
                      QStringLiteral("TFormImpressao_DuplaSena_Pascoa_2020")});
    SetImagemMiniatura(
        {QStringLiteral("Imagem_DuplaSena_2020"), QStringLiteral("Imagem_DuplaSena_Pascoa_2020")});
    FQdeBolaoMax = Par_QdeNumPorVolante == 6 ? 10 : 50;
}

void TDuplaSena_2020::ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha,
                                      int ImpTimeCoracao, int Layout) {
    IniciaValidacao();
    RegraBolaoComTeimosinha(ImpQdeBolao, ImpQdeTeimosinha);
    if (ImpQdeBolao > 10 && ImpQdeNumPorVolante == 6)
        Recusa(MensagemCotasAcima(10, 6));
    TModalidade::ValidaImpressao(ImpQdeNumPorVolante, ImpQdeBolao, ImpQdeTeimosinha, ImpTimeCoracao, Layout);
}

// +Milionária

TMaisMilionaria::TMaisMilionaria()
    : TModalidade(TTipoModalidade::MaisMilionaria) {
    FNumInicial = 1;
    FNumFinal = 50;
    FNumBonusInicial = -1;
    FNumBonusFinal = -1;
    FNomeModalidade = QStringLiteral("Mais Milionária");
    GeraNumerosModalidade();
}

void TMaisMilionaria::SetParameters(int Par_QdeNumPorVolante) {
    const bool Modelo0 = FLayoutIndex == 0;
    SetQdeNumPorVolante(Faixa(6, 12));
    SetSurpresinha(Faixa(0, 10));
    SetTeimosinha({0, 2, 3, 4, 5});
    SetQdeJogosPorVolante(EscolheLista(Modelo0, {1, 2, 3, 4}, {1, 2}));
    SetQdeVolantesPorPagina(2);
    SetBolao(100);
    SetLayout({QStringLiteral("Modelo 2022"), QStringLiteral("Modelo 2023")});
    SetNomeRelatorio(
        {QStringLiteral("TFormImpressao_MaisMilionaria"), QStringLiteral("TFormImpressao_MaisMilionaria2")});
    SetImagemMiniatura(
        {QStringLiteral("Imagem_MaisMilionaria_2023"), QStringLiteral("Imagem_Milionaria2023_2")});
    FQdeBolaoMax = Par_QdeNumPorVolante == 6 ? 84 : 100;
}

void TMaisMilionaria::ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha,
                                      int ImpTimeCoracao, int Layout) {
    IniciaValidacao();
    RegraBolaoComTeimosinha(ImpQdeBolao, ImpQdeTeimosinha);
    TModalidade::ValidaImpressao(ImpQdeNumPorVolante, ImpQdeBolao, ImpQdeTeimosinha, ImpTimeCoracao, Layout);
}

// Super Sete: seven columns of the digits 0 to 9.

TSuper7::TSuper7()
    : TModalidade(TTipoModalidade::Super7) {
    FNumInicial = 0;
    FNumFinal = 9;
    FNumBonusInicial = -1;
    FNumBonusFinal = -1;
    FNomeModalidade = QStringLiteral("Super7");
    GeraNumerosModalidade();
}

void TSuper7::SetParameters(int) {
    SetQdeNumPorVolante({0});
    SetSurpresinha({0});
    SetTeimosinha({0});
    SetQdeJogosPorVolante({0});
    SetQdeVolantesPorPagina(0);
    SetBolao(0);
    SetLayout({QString(), QString()});
    SetNomeRelatorio({QString(), QString()});
    SetImagemMiniatura({QString(), QString()});
    FQdeBolaoMax = 0;
}

void TSuper7::ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha,
                              int ImpTimeCoracao, int Layout) {
    IniciaValidacao();
    RegraBolaoComTeimosinha(ImpQdeBolao, ImpQdeTeimosinha);
    TModalidade::ValidaImpressao(ImpQdeNumPorVolante, ImpQdeBolao, ImpQdeTeimosinha, ImpTimeCoracao, Layout);
}

// Undefined game

TIndefinida::TIndefinida()
    : TModalidade(TTipoModalidade::Indefinida) {
    FNumInicial = 1;
    FNumFinal = -1;
    FNumBonusInicial = -1;
    FNumBonusFinal = -1;
    FNomeModalidade = QStringLiteral("Indefinida");
    GeraNumerosModalidade();
}

void TIndefinida::SetParameters(int) {
    SetQdeNumPorVolante({0});
    SetSurpresinha({0});
    SetTeimosinha({0});
    SetQdeJogosPorVolante({0});
    SetQdeVolantesPorPagina(2);
    SetBolao(0);
    SetLayout({QString()});
    SetNomeRelatorio({QString()});
    SetImagemMiniatura({QString()});
    FQdeBolaoMax = 0;
}

void TIndefinida::ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha,
                                  int ImpTimeCoracao, int Layout) {
    IniciaValidacao();
    TModalidade::ValidaImpressao(ImpQdeNumPorVolante, ImpQdeBolao, ImpQdeTeimosinha, ImpTimeCoracao, Layout);
}
