#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The most the program takes in one go, each refused with a message before it can exhaust memory.

// The largest games file, in bytes: larger ones would take long seconds and gigabytes to hold. A
// million Lotofácil games take 45 MB.
constexpr qint64 TamanhoMaximoArquivoTexto = 64 * 1024 * 1024;
// The largest text the import area takes, in characters: as many as the largest file can decode to,
// so that every file it opens can be imported.
constexpr qsizetype TamanhoMaximoTextoDeJogos = 64 * 1024 * 1024;
// The longest game line, in characters. The longest game (Lotomania's 50 numbers with clovers) takes
// under 200; a longer line is a damaged or wrong file, and its message would quote all of it.
constexpr qsizetype TamanhoMaximoLinhaDeJogo = 10'000;
// The most games in one closing, and in one download from the portal: twice the million games a
// large closing holds, a few hundred megabytes once stored.
constexpr qsizetype MaximoJogosPorFechamento = 2'000'000;

// The most game sets one download from the portal brings. Each becomes a closing of its own, with a
// step of the waiting window; an account holds tens of them, and a set costs memory even when empty.
constexpr qsizetype MaximoConjuntosBaixados = 10'000;

// Why a paste that would leave the import area with Tamanho characters is refused; none when it fits.
std::optional<QString> RecusaDaColagem(qsizetype Tamanho);

// Why a text cannot be imported at all, before any of its lines is checked.
struct TRecusaPorLimite {
    QString Mensagem;               // in Portuguese, for a warning box
    std::optional<qsizetype> Linha; // the line (from 0) that is too long, when it is that
};

// The first limit the text breaks: too many characters, a game line too long, or more game lines
// than a closing holds (blank and comment lines count for neither).
std::optional<TRecusaPorLimite> ConfereLimitesDoTexto(QStringView Texto);
