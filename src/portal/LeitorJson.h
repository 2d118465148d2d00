#pragma once

#include <QByteArrayView>
#include <QString>

// Walks a JSON text (UTF-8) in order and hands its values straight to the caller's records, without
// building a tree first: a portal answer of a hundred thousand games costs no more memory than the
// records it becomes (a document tree takes about nine times the text).
//
// Every step returns false once the text has failed, and the first failure's message stays in Erro().
// Lists and objects nested deeper than ProfundidadeMaxima fail instead of exhausting the stack.
class TLeitorJson {
public:
    enum class TTipo { Fim, Nulo, Booleano, Numero, Texto, Lista, Objeto, Invalido };

    static constexpr int ProfundidadeMaxima = 512;

    explicit TLeitorJson(QByteArrayView Texto);

    // The kind of the next value, after blanks, without reading it.
    TTipo Proximo();

    // Reads an object: PorMembro(const QString& Nome) runs for each member and must read its value (a
    // Le... step or Pula). A member handler that returns false stops the walk.
    template <typename F> bool LeObjeto(F&& PorMembro);
    // Reads a list: PorElemento() runs for each element and must read it.
    template <typename F> bool LeLista(F&& PorElemento);

    bool LeTexto(QString& Valor);
    // A number with a whole value that fits an int: 12, -3, 1.0 and 1e2 do; 1.5 and 1e10 fail.
    bool LeInteiro(int& Valor);
    bool LeNulo();
    // Reads any value.
    bool Pula();
    // Reads any value and gives its text as written: 401, true, "x".
    bool LeBruto(QByteArrayView& Bruto);
    // Only blanks are left after the value read.
    bool Termina();

    // Records a failure of the text at the current position (the first one is kept); returns false.
    bool Falha(const QString& Motivo);
    // Records that well-formed JSON is not of the shape the record expects, at the current position or
    // at the one given; returns false.
    bool Recusa(const QString& Motivo, qsizetype Posicao = -1);
    // Where the next value starts, for Recusa.
    qsizetype Posicao() {
        PulaBrancos();
        return FPosicao;
    }
    // Refuses the next value, unless it is not even well-formed: then that is the failure.
    bool RecusaValor(const QString& Motivo);
    bool Falhou() const { return !FErro.isEmpty(); }
    const QString& Erro() const { return FErro; }

    // "um texto", "uma lista", ... for messages about a value of the wrong kind.
    static QString NomeDoTipo(TTipo Tipo);

private:
    bool Abre(char Abertura);
    void Fecha() { --FProfundidade; }
    // After a member or element: true with Fim set when the closing character came, false on failure.
    bool Separador(char Fechamento, bool& Fim);
    bool Espera(char Caractere, const char* Descricao);
    void PulaBrancos();
    bool LeNumeroBruto(QByteArrayView& Numero, bool& Inteiro);
    bool LeLiteral(QByteArrayView Palavra);
    bool LeEscape(QString& Valor);

    QByteArrayView FTexto;
    qsizetype FPosicao = 0;
    int FProfundidade = 0;
    QString FErro;
};

template <typename F> bool TLeitorJson::LeObjeto(F&& PorMembro) {
    if (!Abre('{'))
        return false;
    PulaBrancos();
    bool Fim = FPosicao < FTexto.size() && FTexto[FPosicao] == '}';
    if (Fim)
        ++FPosicao;
    QString Nome;
    while (!Fim) {
        PulaBrancos();
        if (Proximo() != TTipo::Texto)
            return Falha(QStringLiteral("esperava o nome de um membro entre aspas"));
        if (!LeTexto(Nome) || !Espera(':', "':'") || !PorMembro(std::as_const(Nome)) || !Separador('}', Fim))
            return false;
    }
    Fecha();
    return true;
}

template <typename F> bool TLeitorJson::LeLista(F&& PorElemento) {
    if (!Abre('['))
        return false;
    PulaBrancos();
    bool Fim = FPosicao < FTexto.size() && FTexto[FPosicao] == ']';
    if (Fim)
        ++FPosicao;
    while (!Fim) {
        if (!PorElemento() || !Separador(']', Fim))
            return false;
    }
    Fecha();
    return true;
}
