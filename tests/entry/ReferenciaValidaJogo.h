#pragma once

#include <QString>

#include <vector>

// The line check written step by step as the program's rules state it, with lists and text searches
// and no attention to speed. TValidaJogo must give the same verdict, message, numbers, bonus and
// clovers for every line; the tests compare both on many lines.
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

private:
    void ExtraiTrevos(QString& Linha);
    void Rejeita(const QString& Linha, const QString& Motivo);

    TVeredito FVeredito;
};
