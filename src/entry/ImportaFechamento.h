#pragma once

#include "catalogue/Mensagem.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

class TDM;

// What the import tab asks for: the game (any name the catalogue recognises), the numbers every game
// must have, the closing's title (may be empty) and whether the games are stored in ascending text
// order instead of input order.
struct TPedidoImportacao {
    QString NomeModalidade;
    int QdeNumPorVolante = 0;
    QString Titulo;
    bool OrdemCrescente = false;
};

enum class TRespostaDuplicado {
    Sim, // go on; the repeated game is left out
    Nao, // abandon the import, nothing is stored
};

struct TResultadoImportacao {
    bool FechamentoGravado = false;
    // To show in this order once the run is over.
    TMensagens Mensagens;
    // The validator's clovers at the end of the run, for TrevosFromTXTOrlandim; none when the area was
    // empty and no run took place, so the window keeps its list.
    std::optional<QList<int>> TrevosFromTXT;
    // The line of the text (from 0) whose game was rejected, or that was too long, when one was.
    std::optional<qsizetype> LinhaRejeitada;
};

// Turns a block of game lines into one new closing, all or nothing: a text beyond the limits of
// entry/Limites.h is refused whole, comment ("//") and blank lines are skipped, every other line must
// pass the game line check, and a repeated game is either left out or ends the import, as the user
// answers. The stored closing becomes the current one.
class TImportaFechamento {
public:
    // Asked for every repeated game, with the caption and the text of the Yes/No question (No is the
    // default button).
    using TPerguntaDuplicado = std::function<TRespostaDuplicado(const QString& Titulo, const QString& Texto)>;
    // Progress for the window's bar: Posicao lines of Maximo are done. It is called at the start, at
    // most about 200 times on the way and once at the end, so a window may repaint on every call.
    using TProgresso = std::function<void(qsizetype Posicao, qsizetype Maximo)>;

    TImportaFechamento(TDM& DM, TPerguntaDuplicado PerguntaDuplicado, TProgresso Progresso);

    TResultadoImportacao Importa(QStringView Texto, const TPedidoImportacao& Pedido);

private:
    TDM& FDM;
    TPerguntaDuplicado FPerguntaDuplicado;
    TProgresso FProgresso;
};
