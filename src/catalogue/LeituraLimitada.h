#pragma once

#include <QByteArray>

// Reading a whole file with a ceiling on what it may hold, so that no source can exhaust memory
// (/dev/zero, a file that keeps growing) or stall the program (a named pipe with no writer).
struct TLeituraLimitada {
    enum class TSituacao {
        Lido,
        NaoEncontrado,
        Pasta,
        NaoComum, // a device, a named pipe, a socket: not a file to read
        SemPermissao,
        Grande, // more than the limit
        FalhaDeLeitura,
    };
    TSituacao Situacao = TSituacao::FalhaDeLeitura;
    QByteArray Bytes;    // when Lido
    qint64 Tamanho = -1; // the file's size when known (a regular file), also when Grande
};

// The regular file at CaminhoNativo (the path's bytes as the system knows them). It is opened
// without waiting, so a named pipe is refused at once, and at most Limite + 1 bytes are read: a
// file found longer than Limite is refused as Grande.
TLeituraLimitada LeArquivoLimitado(const QByteArray& CaminhoNativo, qint64 Limite);

// Everything an open descriptor (standard input: a pipe, a file, a terminal) gives until its end, up
// to Limite bytes; one byte more makes it Grande.
TLeituraLimitada LeDescritorLimitado(int Descritor, qint64 Limite);
