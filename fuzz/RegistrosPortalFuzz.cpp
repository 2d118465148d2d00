// The portal's JSON records over any bytes: FromJsonString never crashes, hangs or throws; it either
// gives a record with no message or no record with a message; a record it gives from UTF-8 was read
// from what Qt's own parser takes for a JSON object; and what a record writes with ToJsonString reads back as
// the same record, written the same.
//
// Input: byte 0 picks the record (the answer, a game set, an error report, a refused login); the rest
// is the text.
#include "ApoioFuzz.h"

#include "portal/RegistrosPortal.h"

#include <QJsonDocument>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace {

template <typename TRegistro> void ConfereRegistro(const QByteArray& Texto) {
    QString Erro;
    const std::unique_ptr<TRegistro> Registro = TRegistro::FromJsonString(Texto, &Erro);
    Confere(bool(Registro) == Erro.isEmpty(), "registro ou mensagem, nunca os dois", Erro);
    if (!Registro)
        return;
    // Bytes that are not UTF-8 inside a text become U+FFFD, where Qt's parser refuses the whole text.
    QStringDecoder Utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString ComoTexto = Utf8.decode(Texto);
    Confere(Utf8.hasError() || QJsonDocument::fromJson(Texto).isObject(),
            "registro lido só de um objeto JSON", QString::fromUtf8(Texto));

    const QString Escrito = Registro->ToJsonString();
    QString ErroRelido;
    const std::unique_ptr<TRegistro> Relido = TRegistro::FromJsonString(Escrito.toUtf8(), &ErroRelido);
    Confere(bool(Relido), "o texto que o registro escreve é lido de volta", ErroRelido + u'\n' + Escrito);
    Confere(*Relido == *Registro, "o registro relido é igual ao escrito", Escrito);
    Confere(Relido->ToJsonString() == Escrito, "escrever de novo dá o mesmo texto", Escrito);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* Dados, std::size_t Tamanho) {
    TEntradaFuzz Entrada(Dados, Tamanho);
    const unsigned char Registro = Entrada.Byte();
    const QByteArray Texto = Entrada.Resto();
    switch (Registro % 4) {
    case 0:
        ConfereRegistro<TLoteriaResult>(Texto);
        break;
    case 1:
        ConfereRegistro<TGamesClass>(Texto);
        break;
    case 2:
        ConfereRegistro<TErrorsClass>(Texto);
        break;
    default:
        ConfereRegistro<TLotError401Class>(Texto);
        break;
    }
    // Asked of every answer before it is read as one record or another.
    TemMembroNoTopo(Texto, u"error");
    return 0;
}
