#pragma once

#include "catalogue/Modalidade.h"

// One rules class per game. Constructors set the fixed facts; SetParameters fills the print choices
// of the slip model in LayoutIndex; ValidaImpressao applies the game's rules before the shared check.

class TMegasena final : public TModalidade {
public:
    TMegasena();
    void SetParameters(int Par_QdeNumPorVolante) override;
    void ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha, int ImpTimeCoracao,
                         int Layout) override;
};

class TLotofacil final : public TModalidade {
public:
    TLotofacil();
    void SetParameters(int Par_QdeNumPorVolante) override;
    void ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha, int ImpTimeCoracao,
                         int Layout) override;
};

class TDiaSorte final : public TModalidade {
public:
    TDiaSorte();
    void SetParameters(int Par_QdeNumPorVolante) override;
    void ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha, int ImpTimeCoracao,
                         int Layout) override;
};

class TQuina final : public TModalidade {
public:
    TQuina();
    void SetParameters(int Par_QdeNumPorVolante) override;
    void ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha, int ImpTimeCoracao,
                         int Layout) override;
};

class TLotomania final : public TModalidade {
public:
    TLotomania();
    void SetParameters(int Par_QdeNumPorVolante) override;
    void ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha, int ImpTimeCoracao,
                         int Layout) override;
};

class TTimemania final : public TModalidade {
public:
    TTimemania();
    void SetParameters(int Par_QdeNumPorVolante) override;
    void ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha, int ImpTimeCoracao,
                         int Layout) override;
};

class TDuplaSena_2020 final : public TModalidade {
public:
    TDuplaSena_2020();
    void SetParameters(int Par_QdeNumPorVolante) override;
    void ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha, int ImpTimeCoracao,
                         int Layout) override;
};

class TMaisMilionaria final : public TModalidade {
public:
    TMaisMilionaria();
    void SetParameters(int Par_QdeNumPorVolante) override;
    void ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha, int ImpTimeCoracao,
                         int Layout) override;
};

// Known as rules only: stored and shown, never printed (its models have no report template).
class TSuper7 final : public TModalidade {
public:
    TSuper7();
    void SetParameters(int Par_QdeNumPorVolante) override;
    void ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha, int ImpTimeCoracao,
                         int Layout) override;
};

// Any name that is not recognised: an empty number range and no printable model.
class TIndefinida final : public TModalidade {
public:
    TIndefinida();
    void SetParameters(int Par_QdeNumPorVolante) override;
    void ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha, int ImpTimeCoracao,
                         int Layout) override;
};
