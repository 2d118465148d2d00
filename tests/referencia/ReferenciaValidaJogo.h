#pragma once

#include <QString>

#include <vector>

class TValidaJogo;

// The line check written step by step as the program's rules state it, with lists and text searches
// and no attention to speed. TValidaJogo must give the same verdict, message, numbers, bonus and
// clovers for every line; the tests and the validator's fuzz target compare both.
struct TVeredito {
    bool JogoValidado = false;
    QString NumerosDoJogoValidado;
    QString TextoJogoInvalido;
    int NumeroBonus = 0;
    std::vector<int> TrevosFromTXT;

    friend bool operator==(const TVeredito&, const TVeredito&) = default;
};

struct TLimitesDoJogo {
    int QdeNumPorVolante;
    int NumInicial;
    int NumFinal;
    int NumBonusInicial;
    int NumBonusFinal;
};

class TReferenciaValidaJogo {
public:
    void AvaliaJogo(const QString& Jogo, const TLimitesDoJogo& Limites);
    const TVeredito& Veredito() const { return FVeredito; }
    static QString PadronizaJogo(const QString& Jogo);

private:
    void ExtraiTrevos(QString& Linha);
    void Rejeita(const QString& Linha, const QString& Motivo);

    TVeredito FVeredito;
};

// The program's validator run with the same arguments, and its verdict in the same form.
void Avalia(TValidaJogo& Validador, const QString& Linha, const TLimitesDoJogo& Limites);
TVeredito VereditoDe(const TValidaJogo& Validador);
