#include "tools/lote/ProgressoLote.h"

#include <QLocale>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 IntervaloMs = 100;

} // namespace

TProgressoLote::TProgressoLote(std::FILE* Destino, bool Ativo)
    : FDestino(Destino)
    , FAtivo(Ativo) {}

bool TProgressoLote::EhTerminal(std::FILE* Fluxo) {
    return ::isatty(::fileno(Fluxo)) == 1;
}

void TProgressoLote::Informa(const QString& Saida, int Feitas, int Total) {
    if (!FAtivo || Total <= 0)
        return;
    const bool Ultima = Feitas >= Total;
    if (FLinhaAberta && !Ultima && FDesdeAUltima.isValid() && FDesdeAUltima.elapsed() < IntervaloMs)
        return;
    FDesdeAUltima.start();
    const QLocale Local;
    const QString Linha = u"\r%1: %2 de %3 páginas (%4%)"_s.arg(
        Saida, Local.toString(Feitas), Local.toString(Total), Local.toString(qint64(Feitas) * 100 / Total));
    std::fputs(Linha.toUtf8().constData(), FDestino);
    std::fflush(FDestino);
    FLinhaAberta = true;
    if (Ultima)
        Encerra();
}

void TProgressoLote::Encerra() {
    if (!FLinhaAberta)
        return;
    std::fputc('\n', FDestino);
    std::fflush(FDestino);
    FLinhaAberta = false;
}
