#include "entry/ValidaJogo.h"

#include "catalogue/ULib.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace {

// The normalised form writes every number with two digits, so no game can hold a number outside 0..99
// whatever limits the caller passes.
constexpr int MenorNumeroPossivel = 0;
constexpr int MaiorNumeroPossivel = 99;

// Pieces longer than this may not fit an int: they are read by QStringView::toInt, which knows.
constexpr qsizetype MaxDigitosLidosDireto = 9;

// Character classes of the line reader in the ASCII range; any other character, NUL among them,
// belongs to a piece.
enum : std::uint8_t { Separador = 1, BrancoAntesDoPedaco = 2, Digito = 4 };

constexpr std::array<std::uint8_t, 128> ClassesAscii = [] {
    std::array<std::uint8_t, 128> Classes{};
    // Blanks are trimmed off a piece; the separators, blanks among them, end it.
    for (char16_t c = 1; c <= u' '; ++c)
        Classes[c] = BrancoAntesDoPedaco;
    for (char16_t c : {u' ', u',', u'/', u'-', u'\t', u'\r'})
        Classes[c] = Separador | BrancoAntesDoPedaco;
    for (char16_t c = u'0'; c <= u'9'; ++c)
        Classes[c] = Digito;
    return Classes;
}();

std::uint8_t Classe(QChar c) {
    return c.unicode() < ClassesAscii.size() ? ClassesAscii[c.unicode()] : 0;
}

// The characters that trimming removes: every one up to the space, NUL excepted.
bool EhBrancoDaLinha(QChar c) {
    return c.unicode() != 0 && c.unicode() <= u' ';
}

// A piece filled to two characters with "0" on the left, as messages and PadronizaJogo write it.
QString DuasCasas(QStringView Pedaco) {
    const QStringView Aparado = AparaLinhaDeJogo(Pedaco);
    return Aparado.size() >= 2 ? Aparado.toString() : QString(2 - Aparado.size(), u'0') + Aparado;
}

// A whole number as QString::toInt reads it, or Padrao when the text is not one. toInt stops at a NUL
// character and would read '5<NUL>7' as 5, so a text holding one is no number.
int LeInteiroOu(QStringView Texto, int Padrao) {
    if (Texto.contains(QChar(0)))
        return Padrao;
    bool Ok = false;
    const int Valor = Texto.toInt(&Ok);
    return Ok ? Valor : Padrao;
}

// The value of a piece made only of ASCII digits that fits an int, read without a conversion call.
// Returns false for anything else, which then goes through LeInteiroOu.
bool LeDigitosDireto(QStringView Texto, int& Valor) {
    if (Texto.isEmpty() || Texto.size() > MaxDigitosLidosDireto)
        return false;
    int Lido = 0;
    for (QChar c : Texto) {
        const unsigned Algarismo = unsigned(c.unicode()) - u'0';
        if (Algarismo > 9)
            return false;
        Lido = Lido * 10 + int(Algarismo);
    }
    Valor = Lido;
    return true;
}

// The bonus piece without its colons (every one of them), read as a whole number.
int LeBonus(QStringView Pedaco) {
    int Valor = 0;
    if (LeDigitosDireto(Pedaco.sliced(1), Valor))
        return Valor;
    QString SemDoisPontos = Pedaco.toString();
    SemDoisPontos.remove(u':');
    return LeInteiroOu(SemDoisPontos, -1);
}

// The accepted numbers of one line as a 100-bit set: membership, insertion and the ascending text
// without any list.
class TDezenas {
public:
    bool Contem(int Numero) const { return (Palavra(Numero) >> Bit(Numero)) & 1u; }
    void Insere(int Numero) { Palavra(Numero) |= std::uint64_t{1} << Bit(Numero); }

    QString TextoEmOrdem() const {
        char16_t Texto[3 * (MaiorNumeroPossivel + 1)];
        qsizetype Tamanho = 0;
        for (int Indice = 0; Indice < 2; ++Indice) {
            for (std::uint64_t Bits = FPalavras[Indice]; Bits != 0; Bits &= Bits - 1) {
                const int Numero = Indice * 64 + std::countr_zero(Bits);
                Texto[Tamanho++] = char16_t(u'0' + Numero / 10);
                Texto[Tamanho++] = char16_t(u'0' + Numero % 10);
                Texto[Tamanho++] = u' ';
            }
        }
        return Tamanho == 0 ? QString() : QString::fromUtf16(Texto, Tamanho - 1);
    }

private:
    std::uint64_t& Palavra(int Numero) { return FPalavras[Numero >> 6]; }
    std::uint64_t Palavra(int Numero) const { return FPalavras[Numero >> 6]; }
    static int Bit(int Numero) { return Numero & 63; }

    std::uint64_t FPalavras[2] = {0, 0};
};

} // namespace

void TValidaJogo::AvaliaJogo(QStringView Jogo, int QdeNumPorVolante, int NumInicial, int NumFinal,
                             int NumBonusInicial, int NumBonusFinal) {
    FJogoValidado = false;
    FTextoJogoInvalido.clear();
    FNumeroBonus = -1;

    const QStringView ParteDoJogo = ExtraiTrevos(Jogo);
    const int Menor = std::max(NumInicial, MenorNumeroPossivel);
    const int Maior = std::min(NumFinal, MaiorNumeroPossivel);

    // One pass over the characters: a piece is a run between separators, trimmed of blanks. A piece of
    // a few ASCII digits, nearly every piece, is read on the way.
    TDezenas Aceitos;
    int Quantidade = 0;
    const QChar* const Fim = ParteDoJogo.data() + ParteDoJogo.size();
    const QChar* Cursor = ParteDoJogo.data();
    while (true) {
        while (Cursor != Fim && (Classe(*Cursor) & BrancoAntesDoPedaco))
            ++Cursor;
        if (Cursor == Fim)
            break;
        const QChar* const Inicio = Cursor;
        std::uint32_t Digitos = 0; // wraps on long runs, which are read another way
        bool SoDigitos = true;
        for (; Cursor != Fim; ++Cursor) {
            const std::uint8_t ClasseAtual = Classe(*Cursor);
            if (ClasseAtual & Separador)
                break;
            if (ClasseAtual & Digito)
                Digitos = Digitos * 10 + (Cursor->unicode() - u'0');
            else
                SoDigitos = false;
        }

        QStringView Pedaco(Inicio, Cursor);
        int Numero = int(Digitos);
        if (!SoDigitos || Pedaco.size() > MaxDigitosLidosDireto) {
            while (EhBrancoDaLinha(Pedaco.back()))
                Pedaco.chop(1);
            if (Pedaco.front() == u':' && Pedaco.size() > 1) {
                // The first bonus piece ends the game; a bonus out of its range is simply dropped. A
                // lone colon is filled to '0:' like any one-character piece: no bonus but a bad number.
                const int Bonus = LeBonus(Pedaco);
                FNumeroBonus = (Bonus < NumBonusInicial || Bonus > NumBonusFinal) ? -1 : Bonus;
                break;
            }
            Numero = LeInteiroOu(Pedaco, -1);
        }
        if (Numero < Menor || Numero > Maior) {
            RejeitaForaDaFaixa(ParteDoJogo, Pedaco);
            return;
        }
        if (Aceitos.Contem(Numero)) {
            RejeitaRepetido(ParteDoJogo, Pedaco);
            return;
        }
        Aceitos.Insere(Numero);
        ++Quantidade;
    }

    if (Quantidade != QdeNumPorVolante) {
        RejeitaQuantidade(ParteDoJogo, QdeNumPorVolante);
        return;
    }
    FJogoValidado = true;
    FNumerosDoJogoValidado = Aceitos.TextoEmOrdem();
}

QStringView TValidaJogo::ExtraiTrevos(QStringView Jogo) {
    const qsizetype Barra = Jogo.indexOf(u'|');
    if (Barra < 0)
        return Jogo;

    QString TextoDosTrevos = AparaLinhaDeJogo(Jogo.sliced(Barra + 1)).toString();
    TextoDosTrevos.remove(u"Trevos :"_s);
    const QStringView Trevos = AparaLinhaDeJogo(TextoDosTrevos);
    // Split at single blanks: two blanks in a row give an empty piece, read as clover 0, as does any
    // piece that is not a number.
    FTrevosFromTXT.clear();
    if (!Trevos.isEmpty()) {
        for (QStringView Pedaco : Trevos.tokenize(u' ')) {
            FTrevosFromTXT.append(LeInteiroOu(Pedaco, 0));
        }
    }
    return AparaLinhaDeJogo(Jogo.first(Barra));
}

QString TValidaJogo::TrocaSeparadores(QStringView Jogo) const {
    QString Texto = AparaLinhaDeJogo(Jogo).toString();
    for (QChar Trocado : {u',', u'/', u'-', u'\t', u'\r'})
        Texto.replace(Trocado, u' ');
    // Only separators turned blank can stand at the ends now; copy again only when there are some.
    const QStringView Aparado = AparaLinhaDeJogo(Texto);
    return Aparado.size() == Texto.size() ? Texto : Aparado.toString();
}

QString TValidaJogo::PadronizaJogo(QStringView Jogo) const {
    const QString SoBrancos = TrocaSeparadores(Jogo);
    QString Padronizado;
    for (QStringView Pedaco : QStringView(SoBrancos).tokenize(u' ', Qt::SkipEmptyParts)) {
        if (AparaLinhaDeJogo(Pedaco).isEmpty())
            continue;
        if (!Padronizado.isEmpty())
            Padronizado += u' ';
        Padronizado += DuasCasas(Pedaco);
    }
    return Padronizado;
}

QString TValidaJogo::NumerosEmOrdem(QStringView Jogo) const {
    return ::NumerosEmOrdem(Jogo);
}

// Messages quote the line as PadronizaJogo writes it and the piece filled to two digits.
void TValidaJogo::RejeitaForaDaFaixa(QStringView ParteDoJogo, QStringView Pedaco) {
    FTextoJogoInvalido = u"Jogo : "_s + PadronizaJogo(ParteDoJogo) + u"\r Número/Texto "_s +
                         DuasCasas(Pedaco) + u" Fora da Faixa de Números da Modalidade"_s;
}

void TValidaJogo::RejeitaRepetido(QStringView ParteDoJogo, QStringView Pedaco) {
    FTextoJogoInvalido = u"Jogo : "_s + PadronizaJogo(ParteDoJogo) + u"\rO Número "_s + DuasCasas(Pedaco) +
                         u" Está Repetido no Jogo"_s;
}

void TValidaJogo::RejeitaQuantidade(QStringView ParteDoJogo, int QdeNumPorVolante) {
    FTextoJogoInvalido = u"Jogo : "_s + PadronizaJogo(ParteDoJogo) + u"\rJogo Não Possui "_s +
                         QString::number(QdeNumPorVolante) + u" Números por Volante"_s;
}

QStringView AparaLinhaDeJogo(QStringView Texto) {
    return AparaOnde(Texto, EhBrancoDaLinha);
}

bool EhLinhaSemJogo(QStringView Linha) {
    const QStringView Aparada = AparaLinhaDeJogo(Linha);
    return Aparada.isEmpty() || Aparada.startsWith(u"//");
}
