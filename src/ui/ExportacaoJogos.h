#pragma once

#include <QString>
#include <QStringView>

#include <QStringList>

#include <optional>

class TDM;

// The current closing's games as exported: each game's text (the bonus is not written) followed by
// CR LF, in the games view's order, with no header line.
QString TextoDosJogos(const TDM& DM);
// The current closing's title; empty when there is no closing.
QString TituloDoFechamentoAtual(const TDM& DM);
// The clipboard form: "// " and the closing's title, CR LF, then the games, so that the text can be
// pasted back into the import area as it is (a line starting with "//" is skipped there).
QString TextoDosJogosComTitulo(const TDM& DM);

// Writes the text to the file in the Windows Latin code page (characters it lacks become "?"),
// overwriting it. The file is replaced only once everything was written, so a failure leaves an
// existing file as it was; the result is then the message for the user.
std::optional<QString> GravaArquivoTexto(const QString& Caminho, QStringView Texto);

// Lines as the exports write them: each followed by CR LF, the last one too.
QString TextoComFimDeLinha(const QStringList& Linhas);
