#pragma once

#include <cstdint>

// The game type. Values are fixed: stored closings and the slip layouts test them by number.
enum class TTipoModalidade : std::uint8_t {
    Megasena = 0,
    Quina = 1,
    Lotofacil = 2,
    DiaDeSorte = 3,
    Lotomania = 4,
    Timemania = 5,
    Seninha = 6, // keeps its place; no name is recognised as it and no class implements it
    DuplaSena = 7,
    Super7 = 8,
    MaisMilionaria = 9,
    Indefinida = 10,
};
