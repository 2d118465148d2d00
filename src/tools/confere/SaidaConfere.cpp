#include "tools/confere/SaidaConfere.h"

#include "conferencia/Conferencia.h"
#include "conferencia/JogosParaConferir.h"
#include "store/CDSDetalhe.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <bit>

using namespace Qt::StringLiterals;

namespace {

// Output gathered and handed on in large pieces, however many winners there are.
class TBufferDeSaida {
public:
    explicit TBufferDeSaida(const TSaida& Saida)
        : FSaida(Saida) {}
    ~TBufferDeSaida() { Descarrega(); }
    TBufferDeSaida(const TBufferDeSaida&) = delete;
    TBufferDeSaida& operator=(const TBufferDeSaida&) = delete;

    void Escreve(QByteArrayView Bytes) {
        FBytes.append(Bytes);
        if (FBytes.size() >= TamanhoDoPedaco)
            Descarrega();
    }
    void Linha(const QString& Texto) {
        QByteArray Bytes = Texto.toUtf8();
        Bytes.append('\n');
        Escreve(Bytes);
    }

private:
    static constexpr qsizetype TamanhoDoPedaco = qsizetype(1) << 20;

    void Descarrega() {
        if (!FBytes.isEmpty())
            FSaida(FBytes);
        FBytes.clear();
    }

    const TSaida& FSaida;
    QByteArray FBytes;
};

// A JSON writer that keeps the order of the keys as written, with ": " after a key and ", " between
// items.
class TJson {
public:
    explicit TJson(TBufferDeSaida& Buffer)
        : FBuffer(Buffer) {}

    // Objects stand alone or as items of a list; lists only as values of a key.
    void AbreObjeto() {
        Separa();
        Abre("{");
    }
    void FechaObjeto() { Fecha("}"); }
    void AbreLista(const char* Nome) {
        Chave(Nome);
        Abre("[");
    }
    void FechaLista() { Fecha("]"); }

    void Texto(const char* Nome, const QString& Valor) {
        Chave(Nome);
        FBuffer.Escreve(Aspas(Valor));
    }
    void Numero(const char* Nome, std::uint64_t Valor) {
        Chave(Nome);
        FBuffer.Escreve(QByteArray::number(Valor));
    }
    void Nulo(const char* Nome) {
        Chave(Nome);
        FBuffer.Escreve("null");
    }
    void Logico(const char* Nome, bool Valor) {
        Chave(Nome);
        FBuffer.Escreve(Valor ? QByteArrayView("true") : QByteArrayView("false"));
    }
    void Numeros(const char* Nome, const QList<int>& Valores) {
        Chave(Nome);
        QByteArray Lista = "[";
        for (qsizetype Indice = 0; Indice < Valores.size(); ++Indice)
            Lista += (Indice == 0 ? "" : ", ") + QByteArray::number(Valores[Indice]);
        Lista.append(']');
        FBuffer.Escreve(Lista);
    }

private:
    void Separa() {
        if (FPrimeiro)
            FPrimeiro = false;
        else
            FBuffer.Escreve(", ");
    }
    void Chave(const char* Nome) {
        Separa();
        const QByteArray Texto = QByteArray("\"") + Nome + "\": ";
        FBuffer.Escreve(Texto);
    }
    void Abre(const char* Sinal) {
        FBuffer.Escreve(QByteArrayView(Sinal));
        FPrimeiro = true;
    }
    void Fecha(const char* Sinal) {
        FBuffer.Escreve(QByteArrayView(Sinal));
        FPrimeiro = false;
    }

    static QByteArray Aspas(const QString& Valor) {
        QByteArray Texto = "\"";
        for (const char Byte : Valor.toUtf8()) {
            const auto Codigo = static_cast<unsigned char>(Byte);
            if (Byte == '"' || Byte == '\\')
                Texto += '\\' + QByteArray(1, Byte);
            else if (Codigo < 0x20)
                Texto += "\\u00" + QByteArray::number(Codigo, 16).rightJustified(2, '0');
            else
                Texto += Byte;
        }
        return Texto + '"';
    }

    TBufferDeSaida& FBuffer;
    bool FPrimeiro = true; // nothing written yet in the open object or list
};

QString Quantos(qint64 Quantidade, const QString& Singular, const QString& Plural) {
    return QLocale().toString(Quantidade) + u' ' + (Quantidade == 1 ? Singular : Plural);
}

QString ComoTexto(const QList<int>& Valores) {
    QStringList Textos;
    for (int Valor : Valores)
        Textos.append(QString::number(Valor));
    return Textos.join(u' ');
}

QList<int> Trevos(std::uint8_t Mascara) {
    QList<int> Lista;
    for (int Trevo = PrimeiroTrevo; Trevo <= UltimoTrevo; ++Trevo) {
        if ((Mascara >> Trevo) & 1u)
            Lista.append(Trevo);
    }
    return Lista;
}

// "resultado 04 11 23 35 47 58", with the second draw and the extra of the draw.
QString TextoDoSorteio(const TConferenciaFeita& Feita) {
    const TRegrasConferencia& Regras = Feita.Regras;
    QString Texto = u"resultado "_s + Feita.Resultado.Sorteios[0].Texto();
    if (Regras.QdeSorteios == 2)
        Texto = u"resultado "_s + Feita.Resultado.Sorteios[0].Texto() + u" (1º sorteio) e "_s +
                Feita.Resultado.Sorteios[1].Texto() + u" (2º sorteio)"_s;
    if (Regras.TemMes())
        Texto += u", Mês de Sorte "_s + TextoDoMes(Feita.Resultado.Mes);
    if (Regras.TemTime())
        Texto += u", Time do Coração "_s + TextoDoTime(Feita.Resultado.Time);
    if (Regras.TemTrevos())
        Texto += u", trevos "_s + ComoTexto(Trevos(Feita.Resultado.Trevos)) + u" (apostados: "_s +
                 ComoTexto(Trevos(Feita.Jogos.Trevos())) + u')';
    return Texto;
}

// "5 acertos", "1º sorteio: 6 acertos, 2º sorteio: 1 acerto", with the game's month, club, mirror or
// clovers.
QString AcertosDoJogo(const TConferenciaFeita& Feita, int Jogo) {
    const TRegrasConferencia& Regras = Feita.Regras;
    const auto Acertos = [&](int Sorteio) {
        return Quantos(Feita.Conferencia.Acertos[std::size_t(Sorteio)][std::size_t(Jogo)], u"acerto"_s,
                       u"acertos"_s);
    };
    QString Texto = Regras.QdeSorteios == 2
                        ? u"1º sorteio: "_s + Acertos(0) + u", 2º sorteio: "_s + Acertos(1)
                        : Acertos(0);
    if (Regras.TemMes())
        Texto += u", mês "_s + TextoDoMes(Feita.Jogos.Extra(Jogo));
    if (Regras.TemTime())
        Texto += u", time "_s + TextoDoTime(Feita.Jogos.Extra(Jogo));
    if (Regras.TemEspelho() && Feita.Jogos.Espelho(Jogo))
        Texto +=
            u", espelho: "_s + Quantos(Regras.QdeSorteados - Feita.Conferencia.Acertos[0][std::size_t(Jogo)],
                                       u"acerto"_s, u"acertos"_s);
    if (Regras.TemTrevos())
        Texto += u" e "_s + Quantos(Feita.Conferencia.TrevosAcertados, u"trevo"_s, u"trevos"_s);
    return Texto;
}

// Columns as wide as their longest text.
QStringList Tabela(const QList<QStringList>& Linhas) {
    std::vector<qsizetype> Larguras;
    for (const QStringList& Linha : Linhas) {
        Larguras.resize(std::max(Larguras.size(), std::size_t(Linha.size())));
        for (qsizetype Coluna = 0; Coluna < Linha.size(); ++Coluna)
            Larguras[std::size_t(Coluna)] = std::max(Larguras[std::size_t(Coluna)], Linha[Coluna].size());
    }
    QStringList Textos;
    for (const QStringList& Linha : Linhas) {
        QString Texto;
        for (qsizetype Coluna = 0; Coluna < Linha.size(); ++Coluna)
            Texto += Coluna + 1 == Linha.size()
                         ? Linha[Coluna]
                         : Linha[Coluna].leftJustified(Larguras[std::size_t(Coluna)] + 3);
        Textos.append(Texto);
    }
    return Textos;
}

} // namespace

void EscreveTexto(const TConferenciaFeita& Feita, bool ComGanhadores, const TSaida& Saida) {
    TBufferDeSaida Buffer(Saida);
    const TRegrasConferencia& Regras = Feita.Regras;
    const TConferencia& Conferencia = Feita.Conferencia;
    const QLocale Local;
    Buffer.Linha(u"%1: %2; %3."_s.arg(Regras.NomeModalidade,
                                      Quantos(Feita.Jogos.Qde(), u"jogo conferido"_s, u"jogos conferidos"_s),
                                      TextoDoSorteio(Feita)));
    Buffer.Linha(QString());
    QList<QStringList> Linhas{{u"Faixa"_s, u"Acertos"_s, u"Apostas premiadas"_s}};
    for (qsizetype Faixa = 0; Faixa < Regras.Faixas.size(); ++Faixa)
        Linhas.append({NomeDaFaixa(Regras.Faixas[Faixa]), AcertosDaFaixa(Regras.Faixas[Faixa]),
                       Local.toString(Conferencia.QdePorFaixa[std::size_t(Faixa)])});
    for (const QString& Linha : Tabela(Linhas))
        Buffer.Linha(Linha);
    Buffer.Linha(QString());
    Buffer.Linha(Conferencia.QdePremiados == 0
                     ? u"Nenhum prêmio."_s
                     : Quantos(Conferencia.QdePremiados, u"jogo premiado."_s, u"jogos premiados."_s));
    if (!ComGanhadores || Conferencia.QdePremiados == 0)
        return;

    Buffer.Linha(QString());
    Buffer.Linha(u"Ganhadores:"_s);
    for (int Jogo = 0; Jogo < Feita.Jogos.Qde(); ++Jogo) {
        if (!Conferencia.Premiado(Jogo))
            continue;
        QStringList Premios;
        for (const TPremioDoJogo& Premio : PremiosDoJogo(Regras, Feita.Jogos, Conferencia, Jogo))
            Premios.append(NomeDaFaixa(Regras.Faixas[Premio.Faixa]) + u": "_s +
                           Local.toString(Premio.Quantidade));
        Buffer.Linha(u"linha %1: %2 - %3 - %4"_s.arg(QString::number(Feita.Linhas[std::size_t(Jogo)]),
                                                     Feita.Textos.Jogo(Jogo), AcertosDoJogo(Feita, Jogo),
                                                     Premios.join(u", "_s)));
    }
}

void EscreveJson(const TConferenciaFeita& Feita, const TSaida& Saida) {
    TBufferDeSaida Buffer(Saida);
    TJson Json(Buffer);
    const TRegrasConferencia& Regras = Feita.Regras;
    const TConferencia& Conferencia = Feita.Conferencia;
    Json.AbreObjeto();
    Json.Texto("modalidade", Regras.NomeModalidade);
    Json.Numero("jogos", std::uint64_t(Feita.Jogos.Qde()));

    Json.AbreLista("faixas");
    for (qsizetype Faixa = 0; Faixa < Regras.Faixas.size(); ++Faixa) {
        const TFaixaPremio& F = Regras.Faixas[Faixa];
        Json.AbreObjeto();
        Json.Texto("nome", F.Nome);
        if (F.Tipo == TTipoFaixa::Numeros)
            Json.Numero("acertos", std::uint64_t(F.Acertos));
        else
            Json.Nulo("acertos");
        if (F.Sorteio != 0)
            Json.Numero("sorteio", std::uint64_t(F.Sorteio));
        if (!F.Trevos.isEmpty())
            Json.Numeros("trevos", F.Trevos);
        Json.Numero("quantidade", Conferencia.QdePorFaixa[std::size_t(Faixa)]);
        Json.FechaObjeto();
    }
    Json.FechaLista();

    Json.AbreLista("ganhadores");
    for (int Jogo = 0; Jogo < Feita.Jogos.Qde(); ++Jogo) {
        if (!Conferencia.Premiado(Jogo))
            continue;
        const std::vector<TPremioDoJogo> Premios = PremiosDoJogo(Regras, Feita.Jogos, Conferencia, Jogo);
        // Dupla Sena: one entry for each draw the game won in, with the prizes of that draw.
        for (int Sorteio = 0; Sorteio < Regras.QdeSorteios; ++Sorteio) {
            const auto DoSorteio = [&](const TPremioDoJogo& Premio) {
                const int De = Regras.Faixas[Premio.Faixa].Sorteio;
                return De == 0 || De == Sorteio + 1;
            };
            if (std::none_of(Premios.begin(), Premios.end(), DoSorteio))
                continue;
            const std::size_t I = std::size_t(Jogo);
            Json.AbreObjeto();
            Json.Numero("linha", std::uint64_t(Feita.Linhas[I]));
            Json.Texto("jogo", Feita.Textos.Jogo(Jogo));
            Json.Numero("acertos", Conferencia.Acertos[std::size_t(Sorteio)][I]);
            if (Regras.QdeSorteios == 2)
                Json.Numero("sorteio", std::uint64_t(Sorteio + 1));
            if (Regras.TemMes())
                Json.Numero("mes", std::uint64_t(Feita.Jogos.Extra(Jogo)));
            if (Regras.TemTime())
                Json.Numero("time", std::uint64_t(Feita.Jogos.Extra(Jogo)));
            if (Regras.TemTrevos())
                Json.Numero("trevos", std::uint64_t(Conferencia.TrevosAcertados));
            if (Regras.TemEspelho()) {
                Json.Logico("espelho", Feita.Jogos.Espelho(Jogo));
                if (Feita.Jogos.Espelho(Jogo))
                    Json.Numero("acertosEspelho",
                                std::uint64_t(Regras.QdeSorteados - Conferencia.Acertos[0][I]));
            }
            Json.AbreLista("premios");
            for (const TPremioDoJogo& Premio : Premios) {
                if (!DoSorteio(Premio))
                    continue;
                Json.AbreObjeto();
                Json.Texto("nome", Regras.Faixas[Premio.Faixa].Nome);
                Json.Numero("quantidade", Premio.Quantidade);
                Json.FechaObjeto();
            }
            Json.FechaLista();
            Json.FechaObjeto();
        }
    }
    Json.FechaLista();
    // The draw checked against, after what scripts read first.
    Json.Texto("resultado", Feita.Resultado.Sorteios[0].Texto());
    if (Regras.QdeSorteios == 2)
        Json.Texto("resultado2", Feita.Resultado.Sorteios[1].Texto());
    if (Regras.TemMes())
        Json.Numero("mes", std::uint64_t(Feita.Resultado.Mes));
    if (Regras.TemTime())
        Json.Numero("time", std::uint64_t(Feita.Resultado.Time));
    if (Regras.TemTrevos()) {
        Json.Numeros("trevos", Trevos(Feita.Resultado.Trevos));
        Json.Numeros("trevosApostados", Trevos(Feita.Jogos.Trevos()));
    }
    Json.FechaObjeto();
    Buffer.Escreve("\n");
}
