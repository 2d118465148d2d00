#pragma once

#include "entry/Limites.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <span>
#include <utility>

class QJsonObject;
class TLeitorJson;
struct TConfiguracaoPortal;
struct TRespostaLogin;

// The records of the portal's JSON answers. Each one writes itself with ToJsonString and is read back
// by FromJsonString, which returns a new record, or null with the decoder's message in Erro: a text
// that is not JSON, a member of the wrong kind, a bad date. No text can make it throw or crash.
//
// Reading rules shared by all records: members not listed are ignored, a missing member or a null
// keeps the member's empty value, and of a member given twice the last one counts.

// One game: its numbers in order.
using TCombination = QList<int>;
// Games as texts: the numbers of each joined by ", ".
using TCombinationList = QStringList;

// A game set of the user's account: "title", "game", "dozens", "combinations" (a list of games, each a
// list of integers) and "datacriacao" (ISO 8601 date and time; read as UTC when it names no zone).
class TGamesClass {
public:
    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& Title) { FTitle = Title; }
    const QString& Game() const { return FGame; }
    void SetGame(const QString& Game) { FGame = Game; }
    const QString& Dozens() const { return FDozens; }
    void SetDozens(const QString& Dozens) { FDozens = Dozens; }
    // In UTC; null when the set has no date.
    const QDateTime& Datacriacao() const { return FDatacriacao; }
    void SetDatacriacao(const QDateTime& Datacriacao);

    // The games, one list of numbers each. They are kept packed, one run of numbers for the whole
    // set, in 16 bits while every number fits: a game of 15 numbers costs 34 bytes.
    QList<TCombination> Combinations() const;
    void SetCombinations(const QList<TCombination>& Combinations);
    qsizetype QdeCombinacoes() const { return FFimDaCombinacao.size(); }
    TCombination Combinacao(qsizetype Indice) const;
    void AcrescentaCombinacao(std::span<const int> Numeros);

    // For every game, in order, the decimal texts of its numbers joined by ", ": [1, 5, 12] gives
    // '1, 5, 12'.
    TCombinationList combinationsList() const;

    QString ToJsonString() const;
    static std::unique_ptr<TGamesClass> FromJsonString(QByteArrayView AJsonString, QString* Erro = nullptr);

    // Reads one game-set object at the reader's position; false when the reader failed. A set of more
    // than MaximoDeJogos games is refused as soon as the next one begins.
    bool LeDe(TLeitorJson& Leitor, qsizetype MaximoDeJogos = MaximoJogosPorFechamento);
    // Reads the value of one member of the record's object.
    bool LeMembro(TLeitorJson& Leitor, const QString& Nome,
                  qsizetype MaximoDeJogos = MaximoJogosPorFechamento);
    QJsonObject ParaJson() const;

    // Qt 6.4 compares empty integer lists with memcmp on a null pointer; the games are compared here.
    friend bool operator==(const TGamesClass& A, const TGamesClass& B);

private:
    bool LeCombinacoes(TLeitorJson& Leitor, qsizetype MaximoDeJogos);
    void AcrescentaNumero(int Numero);
    qsizetype QdeNumeros() const { return FLargos ? FNumerosLargos.size() : FNumerosCurtos.size(); }
    int NumeroEm(qsizetype Posicao) const {
        return FLargos ? FNumerosLargos[Posicao] : FNumerosCurtos[Posicao];
    }
    qsizetype InicioDaCombinacao(qsizetype Indice) const {
        return Indice == 0 ? 0 : FFimDaCombinacao[Indice - 1];
    }
    void LimpaCombinacoes();

    QString FTitle;
    QString FGame;
    QString FDozens;
    QDateTime FDatacriacao;
    // The numbers of all games, in FNumerosCurtos while every one fits 16 bits, otherwise all of them
    // in FNumerosLargos.
    QList<qint16> FNumerosCurtos;
    QList<int> FNumerosLargos;
    bool FLargos = false;
    // Where each game's numbers end.
    QList<quint32> FFimDaCombinacao;
};

// The answer of a login: the user's game sets in the order in which they are stored ("games") and the
// portal's message ("mesage"), shown when there is no game set. An answer of more than
// MaximoJogosPorFechamento games in all, or of more than MaximoConjuntosBaixados sets, is refused as it
// is read.
class TLoteriaResult {
public:
    const QList<TGamesClass>& Games() const { return FGames; }
    void SetGames(const QList<TGamesClass>& Games) { FGames = Games; }
    // Takes the game sets out of the answer, which keeps none, so that each can be freed once stored.
    QList<TGamesClass> TiraGames() { return std::exchange(FGames, {}); }
    const QString& Mesage() const { return FMesage; }
    void SetMesage(const QString& Mesage) { FMesage = Mesage; }

    QString ToJsonString() const;
    static std::unique_ptr<TLoteriaResult> FromJsonString(QByteArrayView AJsonString,
                                                          QString* Erro = nullptr);

    // Logs in to the portal with e-mail and password and brings back the decoded answer, or the
    // failure's message (TPedidoLogin, portal/PedidoLogin.h, tells which). Waits for it in a local
    // event loop, so the windows keep painting meanwhile.
    static TRespostaLogin GetGames(const QString& email, const QString& pass,
                                   const TConfiguracaoPortal& Configuracao);

    bool LeMembro(TLeitorJson& Leitor, const QString& Nome);

    friend bool operator==(const TLoteriaResult&, const TLoteriaResult&) = default;

private:
    QList<TGamesClass> FGames;
    QString FMesage;
};

// An error report: "code", "error" and "mesage". Portals write codes as numbers as often as texts, so
// a number or a logical value is read as its JSON text; a list or an object is a failure.
class TErrorsClass {
public:
    const QString& Code() const { return FCode; }
    void SetCode(const QString& Code) { FCode = Code; }
    const QString& Error() const { return FError; }
    void SetError(const QString& Error) { FError = Error; }
    const QString& Mesage() const { return FMesage; }
    void SetMesage(const QString& Mesage) { FMesage = Mesage; }

    QString ToJsonString() const;
    static std::unique_ptr<TErrorsClass> FromJsonString(QByteArrayView AJsonString, QString* Erro = nullptr);

    bool LeDe(TLeitorJson& Leitor);
    bool LeMembro(TLeitorJson& Leitor, const QString& Nome);
    QJsonObject ParaJson() const;

    friend bool operator==(const TErrorsClass&, const TErrorsClass&) = default;

private:
    QString FCode;
    QString FError;
    QString FMesage;
};

// The answer of a refused login (status 401): its error report in "errors".
class TLotError401Class {
public:
    const TErrorsClass& Errors() const { return FErrors; }
    void SetErrors(const TErrorsClass& Errors) { FErrors = Errors; }

    QString ToJsonString() const;
    static std::unique_ptr<TLotError401Class> FromJsonString(QByteArrayView AJsonString,
                                                             QString* Erro = nullptr);

    bool LeMembro(TLeitorJson& Leitor, const QString& Nome);

    friend bool operator==(const TLotError401Class&, const TLotError401Class&) = default;

private:
    TErrorsClass FErrors;
};

// Whether the text is a JSON object with a top-level member of that name whose value is not null;
// false for any text that is not a JSON object.
bool TemMembroNoTopo(QByteArrayView AJsonString, QStringView Nome);
