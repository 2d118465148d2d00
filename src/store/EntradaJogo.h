#pragma once

#include <QStringView>

#include <optional>

// One entry of a list of game lines, split into the game text and its bonus number.
struct TEntradaJogo {
    QStringView Jogo;
    std::optional<int> NumBonus;
};

// Without a ":" the game text is the whole entry, unchanged, and there is no bonus. With one, the game
// text is the trimmed text before the first ":" and the bonus the text after it (at most 100
// characters) read as a decimal integer. The game text is cut to the games store's field size. A bonus
// text that is blank, or not an integer, leaves the bonus empty: the game is stored all the same.
TEntradaJogo LeEntradaJogo(QStringView Entrada);
