#include "store/BlocoJogos.h"

#include <algorithm>

QString TBlocoJogos::Jogo(int Indice) const {
    const TJogoCompacto& J = FJogos[std::size_t(Indice)];
    return QString::fromUtf8(FTextos.constData() + J.Inicio, J.Tamanho);
}

QByteArrayView TBlocoJogos::JogoUtf8(int Indice) const {
    const TJogoCompacto& J = FJogos[std::size_t(Indice)];
    return QByteArrayView(FTextos.constData() + J.Inicio, J.Tamanho);
}

std::optional<int> TBlocoJogos::NumBonus(int Indice) const {
    const TJogoCompacto& J = FJogos[std::size_t(Indice)];
    return J.TemBonus ? std::optional<int>(J.NumBonus) : std::nullopt;
}

void TBlocoJogos::Reserva(qsizetype QdeJogos, qsizetype QdeCaracteres) {
    FJogos.reserve(FJogos.size() + std::size_t(QdeJogos));
    FTextos.reserve(FTextos.size() + QdeCaracteres);
}

void TBlocoJogos::Acrescenta(int IDJogo, QStringView Jogo, std::optional<int> NumBonus) {
    const qsizetype Inicio = FTextos.size();
    const qsizetype Espaco = FCodificador.requiredSpace(Jogo.size());
    if (Inicio + Espaco > FTextos.capacity())
        FTextos.reserve(std::max(Inicio + Espaco, FTextos.capacity() * 3 / 2));
    FTextos.resize(Inicio + Espaco);
    char* const Fim = FCodificador.appendToBuffer(FTextos.data() + Inicio, Jogo);
    const qsizetype Tamanho = Fim - (FTextos.data() + Inicio);
    FTextos.truncate(Inicio + Tamanho);
    FJogos.push_back({Inicio, quint32(Tamanho), IDJogo, NumBonus.value_or(0), NumBonus.has_value()});
}

void TBlocoJogos::Compacta() {
    FTextos.squeeze();
    FJogos.shrink_to_fit();
}

void TBlocoJogos::Remove(int Indice) {
    FJogos.erase(FJogos.begin() + Indice);
}
