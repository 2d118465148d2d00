// The batch tool's option parser over any command line: it never crashes or throws, a usage error
// always says why, and a print it accepts holds only what its options allow: a games file, a game
// name, at least one output, texts no longer than the print setup's fields, offsets, resolution,
// month, club, clovers and pool division inside their ranges, an opaque known colour.
//
// Input: the arguments, separated by NUL bytes, in the local 8-bit encoding as a shell passes them.
#include "ApoioFuzz.h"

#include "tools/lote/OpcoesLote.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <variant>

using namespace Qt::StringLiterals;

namespace {

void ConfereOpcoes(const TOpcoesLote& O, const QString& Linha) {
    Confere(!O.Arquivo.isEmpty(), "um arquivo de jogos", Linha);
    Confere(!O.NomeModalidade.trimmed().isEmpty(), "uma modalidade", Linha);
    Confere(!O.Pdf.isEmpty() || !O.PastaPng.isEmpty() || !O.Impressora.isEmpty(), "pelo menos uma saída",
            Linha);
    Confere(O.Titulo.size() <= 50 && (!O.Identificacao || O.Identificacao->size() <= 30),
            "título e identificação do tamanho dos campos", Linha);
    Confere(std::isfinite(O.AjusteEsquerda) && std::isfinite(O.AjusteTopo) &&
                std::abs(O.AjusteEsquerda) <= 100 && std::abs(O.AjusteTopo) <= 100,
            "ajustes finitos e dentro de 100 mm", Linha);
    Confere(O.Dpi >= 24 && O.Dpi <= 600, "resolução de 24 a 600", Linha);
    Confere(O.Mes >= 1 && O.Mes <= 12, "mês de 1 a 12", Linha);
    Confere(!O.Time || (*O.Time >= 1 && *O.Time <= 80), "time de 1 a 80", Linha);
    Confere(std::is_sorted(O.Trevos.begin(), O.Trevos.end()) &&
                std::adjacent_find(O.Trevos.begin(), O.Trevos.end()) == O.Trevos.end() &&
                std::all_of(O.Trevos.begin(), O.Trevos.end(), [](int T) { return T >= 1 && T <= 6; }),
            "trevos de 1 a 6, crescentes, uma vez cada", Linha);
    const std::vector<int> Divisoes{0, 3, 4, 5, 7, 8, 10, 11, 13, 14};
    Confere(std::find(Divisoes.begin(), Divisoes.end(), O.DivisaoBolao) != Divisoes.end(),
            "divisão de bolão da lista", Linha);
    Confere(O.ColorShape.isValid() && O.ColorShape.alpha() == 255, "cor válida e opaca", Linha);
    Confere(!O.GuiaForcada || O.VolanteOriginal, "guia forçada só no volante original", Linha);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* Dados, std::size_t Tamanho) {
    const QByteArray Bytes(reinterpret_cast<const char*>(Dados), qsizetype(Tamanho));
    QStringList Argumentos;
    for (const QByteArray& Argumento : Bytes.split('\0'))
        Argumentos.append(QString::fromLocal8Bit(Argumento));
    const QString Linha = Argumentos.join(u" ¦ "_s);

    const TLeituraOpcoes Leitura = LeOpcoesLote(Argumentos);
    if (const auto* Erro = std::get_if<TErroDeUso>(&Leitura))
        Confere(!Erro->Mensagem.trimmed().isEmpty(), "erro de uso com a razão", Linha);
    else if (const auto* Opcoes = std::get_if<TOpcoesLote>(&Leitura))
        ConfereOpcoes(*Opcoes, Linha);
    return 0;
}
