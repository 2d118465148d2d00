#pragma once

#include "catalogue/Mensagem.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

class TDM;
class TModalidade;

// Why reading the games ended a batch run, as the tools' exit status.
enum class TFalhaLeitura : int {
    ErroDeUso = 2,      // a file that cannot be read, a count of numbers the game does not offer
    JogosInvalidos = 3, // a game line refused, no game at all
};

// A games file read into a new closing of the data module as the import tab reads a text and imports
// it, for the batch tools: the same limits and decoding, the same game line check, a repeated game left
// out with a warning (as answering Yes), and the first invalid line ending the run. Messages go to
// Relata as they arise.
class TFechamentoDoArquivo {
public:
    using TRelata = std::function<void(const TMensagem&)>;

    TFechamentoDoArquivo(TDM& DM, TRelata Relata);

    // Reads the file ("-" for standard input) and settles the numbers per game: the count asked for, or
    // else that of the first game line. A count the game does not offer is a usage error when asked
    // for, invalid games when read; without any game line every count will do, and the import then
    // says that no game was validated.
    std::optional<TFalhaLeitura> Le(const QString& Arquivo, const TModalidade& Modalidade,
                                    std::optional<int> QdeNumPorVolante);
    int QdeNumPorVolante() const { return FQdeNumPorVolante; }

    // Stores the text read as the new current closing.
    std::optional<TFalhaLeitura> Importa(const QString& NomeModalidade, const QString& Titulo,
                                         bool OrdemCrescente);
    // The clovers of the last game line that had a clover part ('| Trevos : 1 2'), as the import hands
    // them to the window; empty when none had one.
    const QList<int>& TrevosDoTexto() const { return FTrevosDoTexto; }

    // The line of the file (from 1) each game of the closing imported in input order came from.
    std::vector<int> LinhasDosJogos(const TModalidade& Modalidade) const;
    // Lets the text go once nothing more is read from it.
    void LiberaTexto() { FTexto = QString(); }

private:
    std::optional<TFalhaLeitura> Termina(TFalhaLeitura Falha, const QString& Texto);

    TDM& FDM;
    TRelata FRelata;
    QString FTexto;
    int FQdeNumPorVolante = 0;
    QList<int> FTrevosDoTexto;
};

// How many numbers the first game line of the text holds (comment and blank lines skipped), read as
// the game line check reads it: pieces between separators, up to the bonus piece (":3") and the
// clover part ("| Trevos : 1 2"). None when the text has no game line.
std::optional<int> QdeNumerosDaPrimeiraLinha(QStringView Texto);

// "0, 2, 4 ou 8".
QString ListaDeEscolhas(const QList<int>& Valores);
