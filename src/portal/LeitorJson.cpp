#include "portal/LeitorJson.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool Branco(char C) {
    return C == ' ' || C == '\t' || C == '\n' || C == '\r';
}

bool Digito(char C) {
    return C >= '0' && C <= '9';
}

int ValorHexa(char C) {
    if (C >= '0' && C <= '9')
        return C - '0';
    if (C >= 'a' && C <= 'f')
        return C - 'a' + 10;
    if (C >= 'A' && C <= 'F')
        return C - 'A' + 10;
    return -1;
}

} // namespace

TLeitorJson::TLeitorJson(QByteArrayView Texto)
    : FTexto(Texto) {
    // A byte-order mark in front of the text is not part of it.
    if (FTexto.startsWith("\xEF\xBB\xBF"))
        FPosicao = 3;
}

QString TLeitorJson::NomeDoTipo(TTipo Tipo) {
    switch (Tipo) {
    case TTipo::Fim:
        return QStringLiteral("o fim do texto");
    case TTipo::Nulo:
        return QStringLiteral("null");
    case TTipo::Booleano:
        return QStringLiteral("um valor lógico");
    case TTipo::Numero:
        return QStringLiteral("um número");
    case TTipo::Texto:
        return QStringLiteral("um texto");
    case TTipo::Lista:
        return QStringLiteral("uma lista");
    case TTipo::Objeto:
        return QStringLiteral("um objeto");
    case TTipo::Invalido:
        break;
    }
    return QStringLiteral("um valor inválido");
}

bool TLeitorJson::Falha(const QString& Motivo) {
    if (FErro.isEmpty())
        FErro = QStringLiteral("JSON inválido na posição %1: %2").arg(FPosicao + 1).arg(Motivo);
    return false;
}

bool TLeitorJson::Recusa(const QString& Motivo, qsizetype Posicao) {
    if (FErro.isEmpty())
        FErro = QStringLiteral("formato inesperado na posição %1: %2")
                    .arg((Posicao < 0 ? FPosicao : Posicao) + 1)
                    .arg(Motivo);
    return false;
}

bool TLeitorJson::RecusaValor(const QString& Motivo) {
    PulaBrancos();
    const qsizetype Inicio = FPosicao;
    if (!Pula())
        return false;
    FPosicao = Inicio;
    return Recusa(Motivo);
}

void TLeitorJson::PulaBrancos() {
    while (FPosicao < FTexto.size() && Branco(FTexto[FPosicao]))
        ++FPosicao;
}

TLeitorJson::TTipo TLeitorJson::Proximo() {
    PulaBrancos();
    if (FPosicao >= FTexto.size())
        return TTipo::Fim;
    switch (FTexto[FPosicao]) {
    case '{':
        return TTipo::Objeto;
    case '[':
        return TTipo::Lista;
    case '"':
        return TTipo::Texto;
    case 'n':
        return TTipo::Nulo;
    case 't':
    case 'f':
        return TTipo::Booleano;
    case '-':
        return TTipo::Numero;
    default:
        return Digito(FTexto[FPosicao]) ? TTipo::Numero : TTipo::Invalido;
    }
}

bool TLeitorJson::Abre(char Abertura) {
    if (Falhou())
        return false;
    PulaBrancos();
    if (FPosicao >= FTexto.size() || FTexto[FPosicao] != Abertura)
        return Falha(Abertura == '{' ? QStringLiteral("esperava um objeto")
                                     : QStringLiteral("esperava uma lista"));
    if (FProfundidade >= ProfundidadeMaxima)
        return Falha(QStringLiteral("mais de %1 níveis de listas e objetos, um dentro do outro")
                         .arg(ProfundidadeMaxima));
    ++FProfundidade;
    ++FPosicao;
    return true;
}

bool TLeitorJson::Separador(char Fechamento, bool& Fim) {
    if (Falhou())
        return false;
    PulaBrancos();
    if (FPosicao < FTexto.size() && FTexto[FPosicao] == ',') {
        ++FPosicao;
        Fim = false;
        return true;
    }
    if (FPosicao < FTexto.size() && FTexto[FPosicao] == Fechamento) {
        ++FPosicao;
        Fim = true;
        return true;
    }
    return Falha(Fechamento == '}' ? QStringLiteral("esperava ',' ou '}'")
                                   : QStringLiteral("esperava ',' ou ']'"));
}

bool TLeitorJson::Espera(char Caractere, const char* Descricao) {
    if (Falhou())
        return false;
    PulaBrancos();
    if (FPosicao < FTexto.size() && FTexto[FPosicao] == Caractere) {
        ++FPosicao;
        return true;
    }
    return Falha(QStringLiteral("esperava ") + QLatin1StringView(Descricao));
}

bool TLeitorJson::LeTexto(QString& Valor) {
    if (Falhou())
        return false;
    if (Proximo() != TTipo::Texto)
        return Falha(QStringLiteral("esperava um texto entre aspas"));
    ++FPosicao;
    Valor.clear();
    qsizetype Inicio = FPosicao;
    while (FPosicao < FTexto.size()) {
        const char C = FTexto[FPosicao];
        if (C == '"') {
            Valor += QString::fromUtf8(FTexto.sliced(Inicio, FPosicao - Inicio));
            ++FPosicao;
            return true;
        }
        if (static_cast<unsigned char>(C) < 0x20)
            return Falha(QStringLiteral("caractere de controle dentro de um texto"));
        if (C == '\\') {
            Valor += QString::fromUtf8(FTexto.sliced(Inicio, FPosicao - Inicio));
            if (!LeEscape(Valor))
                return false;
            Inicio = FPosicao;
            continue;
        }
        ++FPosicao;
    }
    return Falha(QStringLiteral("texto sem as aspas do fim"));
}

bool TLeitorJson::LeEscape(QString& Valor) {
    // FPosicao is at the backslash.
    if (FPosicao + 1 >= FTexto.size())
        return Falha(QStringLiteral("texto sem as aspas do fim"));
    const char C = FTexto[FPosicao + 1];
    FPosicao += 2;
    switch (C) {
    case '"':
    case '\\':
    case '/':
        Valor += QLatin1Char(C);
        return true;
    case 'b':
        Valor += u'\b';
        return true;
    case 'f':
        Valor += u'\f';
        return true;
    case 'n':
        Valor += u'\n';
        return true;
    case 'r':
        Valor += u'\r';
        return true;
    case 't':
        Valor += u'\t';
        return true;
    case 'u':
        break;
    default:
        FPosicao -= 2;
        return Falha(QStringLiteral("sequência de escape desconhecida"));
    }
    const auto LeQuatroHexa = [this](char16_t& Unidade) {
        if (FPosicao + 4 > FTexto.size())
            return false;
        int Soma = 0;
        for (int i = 0; i < 4; ++i) {
            const int Algarismo = ValorHexa(FTexto[FPosicao + i]);
            if (Algarismo < 0)
                return false;
            Soma = Soma * 16 + Algarismo;
        }
        FPosicao += 4;
        Unidade = char16_t(Soma);
        return true;
    };
    char16_t Unidade = 0;
    if (!LeQuatroHexa(Unidade))
        return Falha(QStringLiteral("\\u sem quatro algarismos hexadecimais"));
    if (QChar::isHighSurrogate(Unidade) && FTexto.sliced(FPosicao).startsWith("\\u")) {
        const qsizetype AntesDoPar = FPosicao;
        FPosicao += 2;
        char16_t Baixa = 0;
        if (LeQuatroHexa(Baixa) && QChar::isLowSurrogate(Baixa)) {
            Valor += QChar(Unidade);
            Valor += QChar(Baixa);
            return true;
        }
        FPosicao = AntesDoPar;
    }
    // A surrogate without its pair is no character: it becomes the replacement character.
    Valor += QChar::isSurrogate(Unidade) ? QChar(QChar::ReplacementCharacter) : QChar(Unidade);
    return true;
}

bool TLeitorJson::LeNumeroBruto(QByteArrayView& Numero, bool& Inteiro) {
    const qsizetype Inicio = FPosicao;
    const auto Algarismos = [this] {
        const qsizetype Antes = FPosicao;
        while (FPosicao < FTexto.size() && Digito(FTexto[FPosicao]))
            ++FPosicao;
        return FPosicao > Antes;
    };
    if (FPosicao < FTexto.size() && FTexto[FPosicao] == '-')
        ++FPosicao;
    const qsizetype InicioDosAlgarismos = FPosicao;
    if (!Algarismos() || (FTexto[InicioDosAlgarismos] == '0' && FPosicao - InicioDosAlgarismos > 1)) {
        FPosicao = Inicio;
        return Falha(QStringLiteral("número mal escrito"));
    }
    Inteiro = true;
    if (FPosicao < FTexto.size() && FTexto[FPosicao] == '.') {
        ++FPosicao;
        Inteiro = false;
        if (!Algarismos())
            return Falha(QStringLiteral("número mal escrito"));
    }
    if (FPosicao < FTexto.size() && (FTexto[FPosicao] == 'e' || FTexto[FPosicao] == 'E')) {
        ++FPosicao;
        Inteiro = false;
        if (FPosicao < FTexto.size() && (FTexto[FPosicao] == '+' || FTexto[FPosicao] == '-'))
            ++FPosicao;
        if (!Algarismos())
            return Falha(QStringLiteral("número mal escrito"));
    }
    Numero = FTexto.sliced(Inicio, FPosicao - Inicio);
    // Qt's JSON parser refuses a number beyond a double's range (1e400, 1e-400), and so does this
    // reader, wherever the number stands. Plain integers of the portal's size always fit.
    if (!Inteiro || Numero.size() > 300) {
        bool Cabe = false;
        static_cast<void>(Numero.toDouble(&Cabe));
        if (!Cabe) {
            FPosicao = Inicio;
            return Falha(
                QStringLiteral("número fora da faixa de um double: %1").arg(QString::fromLatin1(Numero)));
        }
    }
    return true;
}

bool TLeitorJson::LeInteiro(int& Valor) {
    if (Falhou())
        return false;
    if (Proximo() != TTipo::Numero)
        return Falha(QStringLiteral("esperava um número"));
    const qsizetype Inicio = FPosicao;
    QByteArrayView Numero;
    bool Inteiro = false;
    if (!LeNumeroBruto(Numero, Inteiro))
        return false;
    const char* Primeiro = Numero.data();
    const char* Ultimo = Numero.data() + Numero.size();
    if (Inteiro) {
        long long Lido = 0;
        const auto [Fim, Erro] = std::from_chars(Primeiro, Ultimo, Lido);
        if (Erro == std::errc() && Fim == Ultimo && Lido >= std::numeric_limits<int>::min() &&
            Lido <= std::numeric_limits<int>::max()) {
            Valor = int(Lido);
            return true;
        }
    } else {
        double Lido = 0;
        const auto [Fim, Erro] = std::from_chars(Primeiro, Ultimo, Lido);
        if (Erro == std::errc() && Fim == Ultimo && std::trunc(Lido) == Lido &&
            Lido >= std::numeric_limits<int>::min() && Lido <= std::numeric_limits<int>::max()) {
            Valor = int(Lido);
            return true;
        }
    }
    FPosicao = Inicio;
    return Falha(QStringLiteral("o número %1 não é um inteiro entre %2 e %3")
                     .arg(QString::fromLatin1(Numero))
                     .arg(std::numeric_limits<int>::min())
                     .arg(std::numeric_limits<int>::max()));
}

bool TLeitorJson::LeLiteral(QByteArrayView Palavra) {
    if (FTexto.sliced(FPosicao).startsWith(Palavra)) {
        FPosicao += Palavra.size();
        return true;
    }
    return Falha(QStringLiteral("esperava um valor"));
}

bool TLeitorJson::LeNulo() {
    if (Falhou())
        return false;
    PulaBrancos();
    return LeLiteral("null");
}

bool TLeitorJson::Pula() {
    if (Falhou())
        return false;
    switch (Proximo()) {
    case TTipo::Objeto:
        return LeObjeto([this](const QString&) { return Pula(); });
    case TTipo::Lista:
        return LeLista([this] { return Pula(); });
    case TTipo::Texto: {
        QString Descartado;
        return LeTexto(Descartado);
    }
    case TTipo::Numero: {
        QByteArrayView Numero;
        bool Inteiro = false;
        return LeNumeroBruto(Numero, Inteiro);
    }
    case TTipo::Nulo:
        return LeLiteral("null");
    case TTipo::Booleano:
        return LeLiteral(FTexto[FPosicao] == 't' ? QByteArrayView("true") : QByteArrayView("false"));
    case TTipo::Fim:
        return Falha(QStringLiteral("o texto acabou antes do fim do JSON"));
    case TTipo::Invalido:
        break;
    }
    return Falha(QStringLiteral("esperava um valor"));
}

bool TLeitorJson::LeBruto(QByteArrayView& Bruto) {
    PulaBrancos();
    const qsizetype Inicio = FPosicao;
    if (!Pula())
        return false;
    Bruto = FTexto.sliced(Inicio, FPosicao - Inicio);
    return true;
}

bool TLeitorJson::Termina() {
    if (Falhou())
        return false;
    if (Proximo() != TTipo::Fim)
        return Falha(QStringLiteral("há texto depois do fim do JSON"));
    return true;
}
