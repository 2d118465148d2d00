#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Checks one game line against a game's limits and brings it to the normalised form that the
// stores keep: ascending two-digit numbers separated by single blanks ('02 05 12 30 41 60').
// A line may carry a bonus piece (':3', the month or the club) and a clover part after "|"
// ('01 02 03 04 05 06 | Trevos : 1 2'). Bad text never raises: the verdict is left in the
// properties. One object serves a whole import run, line after line.
class TValidaJogo {
public:
    // Examines one line and sets JogoValidado, NumerosDoJogoValidado (when accepted),
    // TextoJogoInvalido, NumeroBonus and, when the line has a clover part, TrevosFromTXT.
    void AvaliaJogo(QStringView Jogo, int QdeNumPorVolante, int NumInicial, int NumFinal, int NumBonusInicial,
                    int NumBonusFinal);

    // Separators become single blanks and every piece is filled to two digits, order kept, nothing
    // checked: '7,  8 -9' gives '07 08 09'.
    QString PadronizaJogo(QStringView Jogo) const;
    // The two-digit numbers of the text, ascending, once each: '60 05 33' gives '05 33 60'.
    QString NumerosEmOrdem(QStringView Jogo) const;

    bool JogoValidado() const { return FJogoValidado; }
    const QString& NumerosDoJogoValidado() const { return FNumerosDoJogoValidado; }
    const QString& TextoJogoInvalido() const { return FTextoJogoInvalido; }
    int NumeroBonus() const { return FNumeroBonus; }

    // The clovers of the last line that had a clover part; lines without one leave them as they are.
    QList<int> TrevosFromTXT() const { return FTrevosFromTXT; }
    void SetTrevosFromTXT(const QList<int>& Value) { FTrevosFromTXT = Value; }

private:
    // Cuts the clover part off the line, fills TrevosFromTXT from it and returns the game part.
    QStringView ExtraiTrevos(QStringView Jogo);
    // Trimmed text with every "," "/" "-" TAB and CR turned into a blank.
    QString TrocaSeparadores(QStringView Jogo) const;

    void RejeitaForaDaFaixa(QStringView ParteDoJogo, QStringView Pedaco);
    void RejeitaRepetido(QStringView ParteDoJogo, QStringView Pedaco);
    void RejeitaQuantidade(QStringView ParteDoJogo, int QdeNumPorVolante);

    bool FJogoValidado = false;
    QString FNumerosDoJogoValidado;
    QString FTextoJogoInvalido;
    int FNumeroBonus = 0;
    QList<int> FTrevosFromTXT;
};

// Trims a game line or a piece of one as the line check does: every character up to and including the
// space goes, except NUL. A NUL is never typed; it comes from a damaged or binary file, so it stays in
// its piece and makes that piece no number wherever it stands ('03<NUL>', '<NUL>03' and '0<NUL>3' alike).
QStringView AparaLinhaDeJogo(QStringView Texto);

// A line that the import skips: blank (by AparaLinhaDeJogo), or a comment beginning with "//".
bool EhLinhaSemJogo(QStringView Linha);
