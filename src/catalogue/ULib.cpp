#include "catalogue/ULib.h"

#include "catalogue/Modalidades.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <array>

namespace {

struct FormaDoNome {
    QStringView Forma;
    TTipoModalidade Tipo;
};

// Compared in this order; the first equal form wins. The lower-case "á" form exists because only
// a to z are upper-cased: the list item "Mais Milionária" becomes "MAIS MILIONáRIA".
constexpr std::array<FormaDoNome, 14> TabelaDeNomes{{
    {u"DIA-DE-SORTE", TTipoModalidade::DiaDeSorte},
    {u"DIA DE SORTE", TTipoModalidade::DiaDeSorte},
    {u"LOTOFACIL", TTipoModalidade::Lotofacil},
    {u"QUINA", TTipoModalidade::Quina},
    {u"MEGASENA", TTipoModalidade::Megasena},
    {u"MEGA-SENA", TTipoModalidade::Megasena},
    {u"DUPLASENA", TTipoModalidade::DuplaSena},
    {u"DUPLA-SENA", TTipoModalidade::DuplaSena},
    {u"TIMEMANIA", TTipoModalidade::Timemania},
    {u"LOTOMANIA", TTipoModalidade::Lotomania},
    {u"SUPER7", TTipoModalidade::Super7},
    {u"MAIS-MILIONARIA", TTipoModalidade::MaisMilionaria},
    {u"MAIS MILION\u00e1RIA", TTipoModalidade::MaisMilionaria},
    {u"MAIS MILION\u00c1RIA", TTipoModalidade::MaisMilionaria},
}};

bool EhBranco(QChar c) {
    return c.unicode() <= u' ';
}

// Writes a double as the Brazilian locale does for a plain decimal: comma separator, up to 15
// significant digits, no thousands separators, exponent written as E.
QString DecimalBrasileiro(double Valor) {
    QString Texto = QString::number(Valor + 0.0, 'g', 15);
    const qsizetype PosExpoente = Texto.indexOf(u'e');
    if (PosExpoente >= 0) {
        const QChar Sinal = Texto.at(PosExpoente + 1);
        QString Expoente = Texto.mid(PosExpoente + 2);
        while (Expoente.size() > 1 && Expoente.startsWith(u'0'))
            Expoente.remove(0, 1);
        Texto = Texto.left(PosExpoente) + u'E' + (Sinal == u'-' ? QStringLiteral("-") : QString()) + Expoente;
    }
    Texto.replace(u'.', u',');
    return Texto;
}

} // namespace

TTipoModalidade IdentificaModalidade(QStringView Nome) {
    QString Preparado;
    Preparado.reserve(Nome.size());
    for (QChar c : Nome)
        Preparado.append(c >= u'a' && c <= u'z' ? QChar(c.unicode() - u'a' + u'A') : c);
    const QStringView Aparado = Apara(Preparado);
    for (const FormaDoNome& Linha : TabelaDeNomes) {
        if (Aparado == Linha.Forma)
            return Linha.Tipo;
    }
    return TTipoModalidade::Indefinida;
}

std::unique_ptr<TModalidade> CriaModalidade(QStringView Nome) {
    switch (IdentificaModalidade(Nome)) {
    case TTipoModalidade::Megasena:
        return std::make_unique<TMegasena>();
    case TTipoModalidade::Quina:
        return std::make_unique<TQuina>();
    case TTipoModalidade::Lotofacil:
        return std::make_unique<TLotofacil>();
    case TTipoModalidade::DiaDeSorte:
        return std::make_unique<TDiaSorte>();
    case TTipoModalidade::Lotomania:
        return std::make_unique<TLotomania>();
    case TTipoModalidade::Timemania:
        return std::make_unique<TTimemania>();
    case TTipoModalidade::Seninha:
        return nullptr;
    case TTipoModalidade::DuplaSena:
        return std::make_unique<TDuplaSena_2020>();
    case TTipoModalidade::Super7:
        return std::make_unique<TSuper7>();
    case TTipoModalidade::MaisMilionaria:
        return std::make_unique<TMaisMilionaria>();
    case TTipoModalidade::Indefinida:
        return std::make_unique<TIndefinida>();
    }
    return nullptr;
}

const QStringList& ItensRadioModalidades() {
    static const QStringList Itens{
        QStringLiteral("Dia de Sorte"), QStringLiteral("Lotofacil"),       QStringLiteral("Quina"),
        QStringLiteral("Mega-sena"),    QStringLiteral("Lotomania"),       QStringLiteral("Timemania"),
        QStringLiteral("Dupla-Sena"),   QStringLiteral("Mais Milionária"),
    };
    return Itens;
}

QList<int> EscolheLista(bool Flag, const QList<int>& Primeira, const QList<int>& Segunda) {
    return Flag ? Primeira : Segunda;
}

QString TextoNumerico(QStringView Texto) {
    QString Limpo;
    for (QChar c : Texto) {
        if (c.unicode() >= u'0' && c.unicode() <= u'9')
            Limpo.append(c);
        else if (c == u',' || c == u'.')
            Limpo.append(u',');
        else if (c == u'-')
            Limpo.append(c);
    }
    // Accepts what the Brazilian number format reads: an optional leading minus, digits, at most one
    // decimal comma, and at least one digit.
    qsizetype i = Limpo.startsWith(u'-') ? 1 : 0;
    QString Ascii = i ? QStringLiteral("-") : QString();
    bool TemDigito = false;
    bool TemVirgula = false;
    for (; i < Limpo.size(); ++i) {
        const QChar c = Limpo.at(i);
        if (c == u',') {
            if (TemVirgula)
                return QStringLiteral("0");
            TemVirgula = true;
            Ascii.append(u'.');
        } else if (c == u'-') {
            return QStringLiteral("0");
        } else {
            TemDigito = true;
            Ascii.append(c);
        }
    }
    if (!TemDigito)
        return QStringLiteral("0");
    bool Ok = false;
    const double Valor = Ascii.toDouble(&Ok);
    return Ok ? DecimalBrasileiro(Valor) : QStringLiteral("0");
}

namespace {

QString CaminhoDoPrograma() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

} // namespace

qint64 TamanhoDoPrograma() {
    QFile Arquivo(CaminhoDoPrograma());
    if (!Arquivo.open(QIODevice::ReadOnly))
        return 0;
    return Arquivo.size();
}

QDateTime DataDoPrograma() {
    const QFileInfo Info(CaminhoDoPrograma());
    return Info.exists() ? Info.lastModified() : QDateTime();
}

QStringView AparaOnde(QStringView Texto, bool (*Sai)(QChar)) {
    qsizetype Inicio = 0;
    qsizetype Fim = Texto.size();
    while (Inicio < Fim && Sai(Texto.at(Inicio)))
        ++Inicio;
    while (Fim > Inicio && Sai(Texto.at(Fim - 1)))
        --Fim;
    return Texto.sliced(Inicio, Fim - Inicio);
}

QString NomeDeArquivo(QStringView Titulo) {
    QString Nome;
    Nome.reserve(Titulo.size());
    for (const QChar Caractere : Titulo) {
        const bool Proibido = Caractere.unicode() < 0x20 || Caractere.unicode() == 0x7F ||
                              QStringView(u"/\\:*?\"<>|").contains(Caractere);
        Nome += Proibido ? QChar(u'_') : Caractere;
    }
    return AparaOnde(Nome, [](QChar Caractere) { return Caractere == u'.' || Caractere.isSpace(); })
        .toString();
}

QStringView Apara(QStringView Texto) {
    return AparaOnde(Texto, EhBranco);
}

QString AparaTexto(QStringView Texto) {
    return Apara(Texto).toString();
}

int QdeNumerosNoTexto(QStringView Texto) {
    int Quantidade = 0;
    for (QStringView Pedaco : Texto.tokenize(u' ')) {
        if (!Apara(Pedaco).isEmpty())
            ++Quantidade;
    }
    return Quantidade;
}

QString PreencheTexto(QStringView Texto, int Largura, QStringView Preenchimento, bool AEsquerda) {
    const QStringView Aparado = Apara(Texto);
    const qsizetype Faltam = Largura - Aparado.size();
    if (Faltam <= 0)
        return Aparado.toString();
    const QString Enchimento = Preenchimento.toString().repeated(Faltam);
    return AEsquerda ? QString(Enchimento + Aparado) : QString(Aparado + Enchimento);
}

QStringList DivideTexto(QStringView Texto, QStringView Delimitadores) {
    QStringList Pedacos;
    if (Texto.isEmpty())
        return Pedacos;
    qsizetype Inicio = 0;
    for (qsizetype i = 0; i < Texto.size(); ++i) {
        if (Delimitadores.contains(Texto.at(i))) {
            Pedacos.append(Texto.sliced(Inicio, i - Inicio).toString());
            Inicio = i + 1;
        }
    }
    Pedacos.append(Texto.sliced(Inicio).toString());
    return Pedacos;
}

QString NumerosEmOrdem(QStringView Jogo) {
    const QStringView Aparado = Apara(Jogo);
    QString Resultado;
    for (int n = 0; n <= 99; ++n) {
        const char16_t Dezena[2] = {char16_t(u'0' + n / 10), char16_t(u'0' + n % 10)};
        const QStringView DuasCasas(Dezena, 2);
        if (Aparado.contains(DuasCasas)) {
            if (!Resultado.isEmpty())
                Resultado.append(u' ');
            Resultado.append(DuasCasas);
        }
    }
    return Resultado;
}
