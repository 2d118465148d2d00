#include "portal/RegistrosPortal.h"

#include "portal/LeitorJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTimeZone>

#include <algorithm>
#include <limits>

namespace {

using TTipo = TLeitorJson::TTipo;

// The longest piece of a bad value that a message quotes.
constexpr qsizetype TrechoMaximo = 40;

QString Membro(const char* Nome) {
    return QStringLiteral("o membro \"%1\"").arg(QLatin1StringView(Nome));
}

bool TipoErrado(TLeitorJson& Leitor, const QString& Onde, const QString& Esperado) {
    return Leitor.RecusaValor(QStringLiteral("%1 deveria ser %2, não %3")
                                  .arg(Onde, Esperado, TLeitorJson::NomeDoTipo(Leitor.Proximo())));
}

bool LeTextoDoMembro(TLeitorJson& Leitor, const char* Nome, QString& Destino) {
    switch (Leitor.Proximo()) {
    case TTipo::Nulo:
        Destino.clear();
        return Leitor.LeNulo();
    case TTipo::Texto:
        return Leitor.LeTexto(Destino);
    default:
        return TipoErrado(Leitor, Membro(Nome), QStringLiteral("um texto"));
    }
}

// A text, or a number or logical value taken as written.
bool LeEscalarComoTexto(TLeitorJson& Leitor, const char* Nome, QString& Destino) {
    switch (Leitor.Proximo()) {
    case TTipo::Numero:
    case TTipo::Booleano: {
        QByteArrayView Bruto;
        if (!Leitor.LeBruto(Bruto))
            return false;
        Destino = QString::fromLatin1(Bruto);
        return true;
    }
    default:
        return LeTextoDoMembro(Leitor, Nome, Destino);
    }
}

bool LeData(TLeitorJson& Leitor, const char* Nome, QDateTime& Destino) {
    const qsizetype Inicio = Leitor.Posicao();
    QString Texto;
    if (!LeTextoDoMembro(Leitor, Nome, Texto))
        return false;
    if (Texto.isEmpty()) {
        Destino = QDateTime();
        return true;
    }
    QDateTime Data = QDateTime::fromString(Texto, Qt::ISODateWithMs);
    if (!Data.isValid())
        return Leitor.Recusa(
            QStringLiteral("%1 não é uma data ISO 8601: \"%2\"").arg(Membro(Nome), Texto.left(TrechoMaximo)),
            Inicio);
    if (Data.timeSpec() == Qt::LocalTime)
        Data = QDateTime(Data.date(), Data.time(), QTimeZone::utc());
    Destino = Data.toUTC();
    return true;
}

// Reads the top-level object of a text, member by member, and checks that nothing follows it.
template <typename F> bool LeTopo(TLeitorJson& Leitor, F&& PorMembro) {
    switch (Leitor.Proximo()) {
    case TTipo::Objeto:
        break;
    case TTipo::Fim:
        return Leitor.Recusa(QStringLiteral("o texto está vazio, sem um objeto JSON"));
    case TTipo::Invalido:
        return Leitor.Falha(QStringLiteral("esperava um valor"));
    default:
        return TipoErrado(Leitor, QStringLiteral("o JSON"), QStringLiteral("um objeto"));
    }
    return Leitor.LeObjeto(PorMembro) && Leitor.Termina();
}

// FromJsonString of every record: a new record read from the text, or null with the message.
template <typename T> std::unique_ptr<T> LeRegistro(QByteArrayView AJsonString, QString* Erro) {
    TLeitorJson Leitor(AJsonString);
    auto Registro = std::make_unique<T>();
    if (LeTopo(Leitor, [&](const QString& Nome) { return Registro->LeMembro(Leitor, Nome); }))
        return Registro;
    if (Erro)
        *Erro = Leitor.Erro();
    return nullptr;
}

QString PassamDoMaximo(const QString& Quais, qsizetype Maximo) {
    return QStringLiteral("%1 passam de %2, o máximo que o programa aceita de uma vez")
        .arg(Quais, QLocale().toString(Maximo));
}

QString TextoJson(const QJsonObject& Objeto) {
    return QString::fromUtf8(QJsonDocument(Objeto).toJson(QJsonDocument::Compact));
}

} // namespace

// --- TGamesClass

void TGamesClass::SetDatacriacao(const QDateTime& Datacriacao) {
    FDatacriacao = Datacriacao.isValid() ? Datacriacao.toUTC() : QDateTime();
}

QList<TCombination> TGamesClass::Combinations() const {
    QList<TCombination> Lista;
    Lista.reserve(QdeCombinacoes());
    for (qsizetype i = 0; i < QdeCombinacoes(); ++i)
        Lista.append(Combinacao(i));
    return Lista;
}

void TGamesClass::SetCombinations(const QList<TCombination>& Combinations) {
    LimpaCombinacoes();
    for (const TCombination& Numeros : Combinations)
        AcrescentaCombinacao(Numeros);
}

void TGamesClass::LimpaCombinacoes() {
    FNumerosCurtos.clear();
    FNumerosLargos.clear();
    FLargos = false;
    FFimDaCombinacao.clear();
}

TCombination TGamesClass::Combinacao(qsizetype Indice) const {
    TCombination Numeros;
    Numeros.reserve(FFimDaCombinacao[Indice] - InicioDaCombinacao(Indice));
    for (qsizetype k = InicioDaCombinacao(Indice); k < FFimDaCombinacao[Indice]; ++k)
        Numeros.append(NumeroEm(k));
    return Numeros;
}

void TGamesClass::AcrescentaNumero(int Numero) {
    if (!FLargos && Numero >= std::numeric_limits<qint16>::min() &&
        Numero <= std::numeric_limits<qint16>::max()) {
        FNumerosCurtos.append(qint16(Numero));
        return;
    }
    if (!FLargos) {
        FNumerosLargos = QList<int>(FNumerosCurtos.cbegin(), FNumerosCurtos.cend());
        FNumerosCurtos = QList<qint16>();
        FLargos = true;
    }
    FNumerosLargos.append(Numero);
}

void TGamesClass::AcrescentaCombinacao(std::span<const int> Numeros) {
    for (const int Numero : Numeros)
        AcrescentaNumero(Numero);
    FFimDaCombinacao.append(quint32(QdeNumeros()));
}

bool operator==(const TGamesClass& A, const TGamesClass& B) {
    if (A.FTitle != B.FTitle || A.FGame != B.FGame || A.FDozens != B.FDozens ||
        A.FDatacriacao != B.FDatacriacao || !std::ranges::equal(A.FFimDaCombinacao, B.FFimDaCombinacao))
        return false;
    for (qsizetype k = 0; k < A.QdeNumeros(); ++k) {
        if (A.NumeroEm(k) != B.NumeroEm(k))
            return false;
    }
    return true;
}

TCombinationList TGamesClass::combinationsList() const {
    TCombinationList Textos;
    Textos.reserve(QdeCombinacoes());
    for (qsizetype i = 0; i < QdeCombinacoes(); ++i) {
        QString Texto;
        for (qsizetype k = InicioDaCombinacao(i); k < FFimDaCombinacao[i]; ++k) {
            if (!Texto.isEmpty())
                Texto += u", ";
            Texto += QString::number(NumeroEm(k));
        }
        Textos.append(Texto);
    }
    return Textos;
}

QJsonObject TGamesClass::ParaJson() const {
    QJsonArray Combinacoes;
    for (qsizetype i = 0; i < QdeCombinacoes(); ++i) {
        QJsonArray Numeros;
        for (const int Numero : Combinacao(i))
            Numeros.append(Numero);
        Combinacoes.append(Numeros);
    }
    return QJsonObject{
        {QStringLiteral("title"), FTitle},
        {QStringLiteral("game"), FGame},
        {QStringLiteral("dozens"), FDozens},
        {QStringLiteral("combinations"), Combinacoes},
        {QStringLiteral("datacriacao"),
         FDatacriacao.isValid() ? FDatacriacao.toString(Qt::ISODateWithMs) : QString()},
    };
}

QString TGamesClass::ToJsonString() const {
    return TextoJson(ParaJson());
}

bool TGamesClass::LeDe(TLeitorJson& Leitor, qsizetype MaximoDeJogos) {
    *this = TGamesClass();
    return Leitor.LeObjeto([&](const QString& Nome) { return LeMembro(Leitor, Nome, MaximoDeJogos); });
}

bool TGamesClass::LeCombinacoes(TLeitorJson& Leitor, qsizetype MaximoDeJogos) {
    LimpaCombinacoes();
    if (Leitor.Proximo() == TTipo::Nulo)
        return Leitor.LeNulo();
    if (Leitor.Proximo() != TTipo::Lista)
        return TipoErrado(Leitor, Membro("combinations"), QStringLiteral("uma lista de jogos"));
    const bool Lidas = Leitor.LeLista([&] {
        // Counted, not only weighed: an empty game takes three bytes of text and far more once stored.
        if (QdeCombinacoes() >= MaximoDeJogos)
            return Leitor.Recusa(
                PassamDoMaximo(QStringLiteral("os jogos baixados"), MaximoJogosPorFechamento));
        if (Leitor.Proximo() != TTipo::Lista)
            return TipoErrado(Leitor, QStringLiteral("cada jogo de \"combinations\""),
                              QStringLiteral("uma lista de números"));
        const bool Lido = Leitor.LeLista([&] {
            if (Leitor.Proximo() != TTipo::Numero)
                return TipoErrado(Leitor, QStringLiteral("cada número de \"combinations\""),
                                  QStringLiteral("um número inteiro"));
            int Numero = 0;
            if (!Leitor.LeInteiro(Numero))
                return false;
            AcrescentaNumero(Numero);
            return true;
        });
        FFimDaCombinacao.append(quint32(QdeNumeros()));
        return Lido;
    });
    // The lists grew by doubling; a set keeps only what it holds.
    FNumerosCurtos.squeeze();
    FNumerosLargos.squeeze();
    FFimDaCombinacao.squeeze();
    return Lidas;
}

bool TGamesClass::LeMembro(TLeitorJson& Leitor, const QString& Nome, qsizetype MaximoDeJogos) {
    if (Nome == u"title")
        return LeTextoDoMembro(Leitor, "title", FTitle);
    if (Nome == u"game")
        return LeTextoDoMembro(Leitor, "game", FGame);
    if (Nome == u"dozens")
        return LeTextoDoMembro(Leitor, "dozens", FDozens);
    if (Nome == u"combinations")
        return LeCombinacoes(Leitor, MaximoDeJogos);
    if (Nome == u"datacriacao")
        return LeData(Leitor, "datacriacao", FDatacriacao);
    return Leitor.Pula();
}

std::unique_ptr<TGamesClass> TGamesClass::FromJsonString(QByteArrayView AJsonString, QString* Erro) {
    return LeRegistro<TGamesClass>(AJsonString, Erro);
}

// --- TLoteriaResult

QString TLoteriaResult::ToJsonString() const {
    QJsonArray Games;
    for (const TGamesClass& Game : FGames)
        Games.append(Game.ParaJson());
    return TextoJson(QJsonObject{{QStringLiteral("games"), Games}, {QStringLiteral("mesage"), FMesage}});
}

bool TLoteriaResult::LeMembro(TLeitorJson& Leitor, const QString& Nome) {
    if (Nome == u"mesage")
        return LeTextoDoMembro(Leitor, "mesage", FMesage);
    if (Nome != u"games")
        return Leitor.Pula();
    FGames.clear();
    if (Leitor.Proximo() == TTipo::Nulo)
        return Leitor.LeNulo();
    if (Leitor.Proximo() != TTipo::Lista)
        return TipoErrado(Leitor, Membro("games"), QStringLiteral("uma lista de objetos"));
    qsizetype QdeJogos = 0;
    return Leitor.LeLista([&] {
        if (FGames.size() >= MaximoConjuntosBaixados)
            return Leitor.Recusa(
                PassamDoMaximo(QStringLiteral("os conjuntos de jogos baixados"), MaximoConjuntosBaixados));
        if (Leitor.Proximo() != TTipo::Objeto)
            return TipoErrado(Leitor, QStringLiteral("cada item de \"games\""), QStringLiteral("um objeto"));
        FGames.append(TGamesClass());
        const bool Lido = FGames.last().LeDe(Leitor, MaximoJogosPorFechamento - QdeJogos);
        QdeJogos += FGames.last().QdeCombinacoes();
        return Lido;
    });
}

std::unique_ptr<TLoteriaResult> TLoteriaResult::FromJsonString(QByteArrayView AJsonString, QString* Erro) {
    return LeRegistro<TLoteriaResult>(AJsonString, Erro);
}

// --- TErrorsClass

QJsonObject TErrorsClass::ParaJson() const {
    return QJsonObject{{QStringLiteral("code"), FCode},
                       {QStringLiteral("error"), FError},
                       {QStringLiteral("mesage"), FMesage}};
}

QString TErrorsClass::ToJsonString() const {
    return TextoJson(ParaJson());
}

bool TErrorsClass::LeDe(TLeitorJson& Leitor) {
    *this = TErrorsClass();
    return Leitor.LeObjeto([&](const QString& Nome) { return LeMembro(Leitor, Nome); });
}

bool TErrorsClass::LeMembro(TLeitorJson& Leitor, const QString& Nome) {
    if (Nome == u"code")
        return LeEscalarComoTexto(Leitor, "code", FCode);
    if (Nome == u"error")
        return LeEscalarComoTexto(Leitor, "error", FError);
    if (Nome == u"mesage")
        return LeEscalarComoTexto(Leitor, "mesage", FMesage);
    return Leitor.Pula();
}

std::unique_ptr<TErrorsClass> TErrorsClass::FromJsonString(QByteArrayView AJsonString, QString* Erro) {
    return LeRegistro<TErrorsClass>(AJsonString, Erro);
}

// --- TLotError401Class

QString TLotError401Class::ToJsonString() const {
    return TextoJson(QJsonObject{{QStringLiteral("errors"), FErrors.ParaJson()}});
}

bool TLotError401Class::LeMembro(TLeitorJson& Leitor, const QString& Nome) {
    if (Nome != u"errors")
        return Leitor.Pula();
    FErrors = TErrorsClass();
    if (Leitor.Proximo() == TTipo::Nulo)
        return Leitor.LeNulo();
    if (Leitor.Proximo() != TTipo::Objeto)
        return TipoErrado(Leitor, Membro("errors"), QStringLiteral("um objeto"));
    return FErrors.LeDe(Leitor);
}

std::unique_ptr<TLotError401Class> TLotError401Class::FromJsonString(QByteArrayView AJsonString,
                                                                     QString* Erro) {
    return LeRegistro<TLotError401Class>(AJsonString, Erro);
}

bool TemMembroNoTopo(QByteArrayView AJsonString, QStringView Nome) {
    TLeitorJson Leitor(AJsonString);
    bool Achou = false;
    const bool Lido = LeTopo(Leitor, [&](const QString& Membro) {
        if (Membro == Nome && Leitor.Proximo() != TTipo::Nulo)
            Achou = true;
        return Leitor.Pula();
    });
    return Lido && Achou;
}
