#pragma once

#include <compare>

// Lengths of the report: millimetres for paper, margins and calibration; report pixels of 1/96 inch
// for the boxes of the controls inside a cell. Separate types keep the two from being mixed up;
// 25.4 mm = 96 report pixels.
class PixelsRelatorio;

class Milimetros {
public:
    constexpr Milimetros() = default;
    constexpr explicit Milimetros(double Valor)
        : FValor(Valor) {}

    constexpr double Valor() const { return FValor; }
    constexpr PixelsRelatorio EmPixels() const;

    constexpr Milimetros operator+(Milimetros Outro) const { return Milimetros(FValor + Outro.FValor); }
    constexpr Milimetros operator-(Milimetros Outro) const { return Milimetros(FValor - Outro.FValor); }
    constexpr Milimetros& operator+=(Milimetros Outro) {
        FValor += Outro.FValor;
        return *this;
    }
    constexpr Milimetros& operator-=(Milimetros Outro) {
        FValor -= Outro.FValor;
        return *this;
    }
    constexpr auto operator<=>(const Milimetros&) const = default;

private:
    double FValor = 0;
};

class PixelsRelatorio {
public:
    static constexpr double PorPolegada = 96.0;
    static constexpr double MilimetrosPorPolegada = 25.4;

    constexpr PixelsRelatorio() = default;
    constexpr explicit PixelsRelatorio(double Valor)
        : FValor(Valor) {}

    constexpr double Valor() const { return FValor; }
    constexpr Milimetros EmMilimetros() const {
        return Milimetros(FValor * MilimetrosPorPolegada / PorPolegada);
    }
    // Device pixels at Dpi dots per inch.
    constexpr double EmPontosDe(double Dpi) const { return FValor * Dpi / PorPolegada; }

    constexpr PixelsRelatorio operator+(PixelsRelatorio Outro) const {
        return PixelsRelatorio(FValor + Outro.FValor);
    }
    constexpr PixelsRelatorio operator-(PixelsRelatorio Outro) const {
        return PixelsRelatorio(FValor - Outro.FValor);
    }
    constexpr auto operator<=>(const PixelsRelatorio&) const = default;

private:
    double FValor = 0;
};

constexpr PixelsRelatorio Milimetros::EmPixels() const {
    return PixelsRelatorio(FValor * PixelsRelatorio::PorPolegada / PixelsRelatorio::MilimetrosPorPolegada);
}

// Four margins, in millimetres; any of them may be negative (a calibration can push the page past the
// paper's edge).
struct TMargens {
    Milimetros Esquerda;
    Milimetros Topo;
    Milimetros Direita;
    Milimetros Base;

    friend constexpr bool operator==(const TMargens&, const TMargens&) = default;
};
