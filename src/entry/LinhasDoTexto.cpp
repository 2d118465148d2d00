#include "entry/LinhasDoTexto.h"

bool TLinhasDoTexto::Proxima(QStringView& Linha) {
    const qsizetype Tamanho = FTexto.size();
    if (FPosicao >= Tamanho)
        return false;
    const QChar* const Dados = FTexto.data();
    qsizetype Fim = FPosicao;
    while (Fim < Tamanho && Dados[Fim] != u'\n' && Dados[Fim] != u'\r')
        ++Fim;
    Linha = FTexto.sliced(FPosicao, Fim - FPosicao);
    FPosicao = Fim + 1;
    if (Fim + 1 < Tamanho && Dados[Fim] == u'\r' && Dados[Fim + 1] == u'\n')
        ++FPosicao;
    return true;
}

qsizetype TLinhasDoTexto::Conta(QStringView Texto) {
    qsizetype Quantidade = 0;
    TLinhasDoTexto Linhas(Texto);
    QStringView Linha;
    while (Linhas.Proxima(Linha))
        ++Quantidade;
    return Quantidade;
}
