#include "tools/comum/Terminal.h"

#include "store/CorteDeTexto.h"
#include "tools/comum/CaminhoNativo.h"

using namespace Qt::StringLiterals;

void Escreve(std::FILE* Destino, const QString& Texto) {
    const QByteArray Bytes = TextoParaMostrar(Texto).toUtf8() + '\n';
    std::fwrite(Bytes.constData(), 1, std::size_t(Bytes.size()), Destino);
    std::fflush(Destino);
}

void MostraMensagem(const TMensagem& Mensagem) {
    QString Texto = Mensagem.Texto;
    switch (Mensagem.Tipo) {
    case TTipoMensagem::Erro:
        Texto.prepend(u"Erro: "_s);
        break;
    case TTipoMensagem::Aviso:
        Texto.prepend(u"Aviso: "_s);
        break;
    case TTipoMensagem::Informacao:
        break;
    }
    Escreve(stderr, Texto);
}

void FiltraMensagensQt(QtMsgType Tipo, const QMessageLogContext&, const QString& Texto) {
    if (Tipo == QtCriticalMsg || Tipo == QtFatalMsg)
        Escreve(stderr, Texto);
}

QStringList ArgumentosDoPrograma(int argc, char** argv) {
    QStringList Argumentos;
    for (int Indice = 1; Indice < argc; ++Indice)
        Argumentos.append(DeArgumento(argv[Indice]));
    return Argumentos;
}

int FalhaInesperada(const std::exception& Falha) {
    MostraMensagem({TTipoMensagem::Erro, u"Falha inesperada: "_s + QString::fromLocal8Bit(Falha.what())});
    return 1;
}
