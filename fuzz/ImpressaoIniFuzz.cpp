// The IMPRESSAO.INI reader over any bytes: what it writes back reads the same and writes the same again
// (the round trip is stable from the first save), reading it back changes no value, and saving the
// calibrations of one section as the print manager does changes that section's keys only: every value
// the reader gave before is still there, the saved one reads back as written.
//
// Input: byte 0 picks the section (one of the print manager's names), byte 1 the key, the bytes up to
// the first NUL after them are the typed offset (cleaned as the print manager cleans it), the rest is
// the file.
#include "ApoioFuzz.h"

#include "catalogue/ULib.h"
#include "ui/ArquivoIni.h"

#include <QStringList>

#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QStringList Chaves{u"Esquerda"_s, u"Topo"_s};

// Sections as the print manager names them: game, slip model, paper and guide.
const QStringList& Secoes() {
    static const QStringList Nomes = [] {
        QStringList Nomes;
        for (const QString& Jogo : {u"Mega-Sena"_s, u"Lotofácil"_s, u"Dia de Sorte"_s, u"+Milionária"_s})
            for (const QString& Modelo : {u"0"_s, u"1"_s})
                for (const QString& A4 : {u"Sim"_s, u"Nao"_s})
                    for (const QString& Guia : {u"Sim"_s, u"Nao"_s})
                        Nomes.append(Jogo + u"_Modelo-"_s + Modelo + u"_A4-"_s + A4 + u"_Guia-"_s + Guia);
        return Nomes;
    }();
    return Nomes;
}

using TValores = std::vector<std::optional<QString>>;

TValores Valores(const TArquivoIni& Arquivo) {
    TValores Todos;
    for (const QString& Secao : Secoes())
        for (const QString& Chave : Chaves)
            Todos.push_back(Arquivo.Valor(Secao, Chave));
    return Todos;
}

QString Descreve(const QByteArray& Antes, const QByteArray& Depois) {
    return u"antes [%1]\ndepois [%2]"_s.arg(QString::fromUtf8(Antes), QString::fromUtf8(Depois));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* Dados, std::size_t Tamanho) {
    TEntradaFuzz Entrada(Dados, Tamanho);
    const qsizetype Secao = Entrada.Byte() % Secoes().size();
    const qsizetype Chave = Entrada.Byte() % Chaves.size();
    QByteArray Resto = Entrada.Resto();
    const qsizetype Nul = Resto.indexOf('\0');
    const QString Digitado = QString::fromUtf8(Resto.first(Nul < 0 ? 0 : Nul));
    const QByteArray Conteudo = Nul < 0 ? Resto : Resto.sliced(Nul + 1);

    TArquivoIni Arquivo = TArquivoIni::DeTexto(Conteudo);
    const TValores Lidos = Valores(Arquivo);
    const QByteArray Escrito = Arquivo.Conteudo();
    const TArquivoIni Relido = TArquivoIni::DeTexto(Escrito);
    Confere(Relido.Conteudo() == Escrito, "ida e volta estável desde a primeira gravação",
            Descreve(Escrito, Relido.Conteudo()));
    Confere(Valores(Relido) == Lidos, "ler o que foi gravado dá os mesmos valores",
            Descreve(Conteudo, Escrito));

    const QString Ajuste = TextoNumerico(Digitado);
    Arquivo.DefineValor(Secoes().at(Secao), Chaves.at(Chave), Ajuste);
    const QByteArray Salvo = Arquivo.Conteudo();
    const TArquivoIni Calibrado = TArquivoIni::DeTexto(Salvo);
    TValores Esperados = Lidos;
    Esperados[std::size_t(Secao * Chaves.size() + Chave)] = Ajuste;
    Confere(Valores(Calibrado) == Esperados, "só o valor gravado muda, e lê-se como foi gravado",
            Descreve(Conteudo, Salvo));
    Confere(TArquivoIni::DeTexto(Calibrado.Conteudo()).Conteudo() == Calibrado.Conteudo(),
            "ida e volta estável depois de gravar um valor", Descreve(Salvo, Calibrado.Conteudo()));
    return 0;
}
