#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringEncoder>
#include <QStringView>

#include <optional>
#include <vector>

// The games of one closing, in insertion order, kept compact for closings of millions of games: the
// game texts lie back to back in one UTF-8 buffer (lossless, one byte per digit or blank) and every
// game adds 24 bytes of fixed fields.
class TBlocoJogos {
public:
    explicit TBlocoJogos(int IDMaster)
        : FIDMaster(IDMaster) {}

    int IDMaster() const { return FIDMaster; }
    int Qde() const { return int(FJogos.size()); }

    int IDJogo(int Indice) const { return FJogos[std::size_t(Indice)].IDJogo; }
    QString Jogo(int Indice) const;
    // The game's text as stored, UTF-8, without a copy; valid until the block changes.
    QByteArrayView JogoUtf8(int Indice) const;
    std::optional<int> NumBonus(int Indice) const;

    // Room for QdeJogos games of about QdeCaracteres characters in all, so a bulk insert does not
    // reallocate on the way.
    void Reserva(qsizetype QdeJogos, qsizetype QdeCaracteres);
    void Acrescenta(int IDJogo, QStringView Jogo, std::optional<int> NumBonus);
    // Gives back the room reserved but not used.
    void Compacta();
    // The text of a removed game stays in the buffer until the block itself goes.
    void Remove(int Indice);

private:
    struct TJogoCompacto {
        qint64 Inicio;
        quint32 Tamanho;
        qint32 IDJogo;
        qint32 NumBonus;
        bool TemBonus;
    };

    int FIDMaster;
    std::vector<TJogoCompacto> FJogos;
    QByteArray FTextos;
    QStringEncoder FCodificador{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
};
