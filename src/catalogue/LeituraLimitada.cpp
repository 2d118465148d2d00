#include "catalogue/LeituraLimitada.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using TSituacao = TLeituraLimitada::TSituacao;

constexpr qint64 Bloco = 1 << 16;

TLeituraLimitada Falha(TSituacao Situacao, qint64 Tamanho = -1) {
    TLeituraLimitada Leitura;
    Leitura.Situacao = Situacao;
    Leitura.Tamanho = Tamanho;
    return Leitura;
}

TLeituraLimitada LeAteOFim(int Descritor, qint64 Limite, qint64 Esperado) {
    TLeituraLimitada Leitura;
    QByteArray& Bytes = Leitura.Bytes;
    // One byte more than the limit tells a file that is too long from one that just fits.
    const qint64 Maximo = Limite + 1;
    Bytes.reserve(std::min(Maximo, Esperado >= 0 ? Esperado + 1 : Bloco));
    for (;;) {
        const qint64 Lidos = Bytes.size();
        if (Lidos >= Maximo)
            return Falha(TSituacao::Grande, Esperado);
        const qint64 Pedido = std::min(Bloco, Maximo - Lidos);
        Bytes.resize(Lidos + Pedido);
        const ssize_t Recebidos = ::read(Descritor, Bytes.data() + Lidos, size_t(Pedido));
        if (Recebidos < 0 && errno == EINTR) {
            Bytes.resize(Lidos);
            continue;
        }
        if (Recebidos < 0)
            return Falha(TSituacao::FalhaDeLeitura);
        Bytes.resize(Lidos + Recebidos);
        if (Recebidos == 0)
            break;
    }
    Leitura.Situacao = TSituacao::Lido;
    Leitura.Tamanho = Esperado >= 0 ? Bytes.size() : -1;
    return Leitura;
}

} // namespace

TLeituraLimitada LeArquivoLimitado(const QByteArray& CaminhoNativo, qint64 Limite) {
    const int Descritor = ::open(CaminhoNativo.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (Descritor < 0) {
        switch (errno) {
        case ENOENT:
        case ENOTDIR:
            return Falha(TSituacao::NaoEncontrado);
        case EACCES:
        case EPERM:
            return Falha(TSituacao::SemPermissao);
        default:
            return Falha(TSituacao::FalhaDeLeitura);
        }
    }
    struct Fecha {
        int Descritor;
        ~Fecha() { ::close(Descritor); }
    } Fechamento{Descritor};
    struct stat Estado {};
    if (::fstat(Descritor, &Estado) != 0)
        return Falha(TSituacao::FalhaDeLeitura);
    if (S_ISDIR(Estado.st_mode))
        return Falha(TSituacao::Pasta);
    if (!S_ISREG(Estado.st_mode))
        return Falha(TSituacao::NaoComum);
    if (Estado.st_size > Limite)
        return Falha(TSituacao::Grande, Estado.st_size);
    // A regular file never blocks; reads go on as usual.
    ::fcntl(Descritor, F_SETFL, ::fcntl(Descritor, F_GETFL) & ~O_NONBLOCK);
    return LeAteOFim(Descritor, Limite, Estado.st_size);
}

TLeituraLimitada LeDescritorLimitado(int Descritor, qint64 Limite) {
    return LeAteOFim(Descritor, Limite, -1);
}
