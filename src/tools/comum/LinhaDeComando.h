#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <limits>
#include <optional>
#include <variant>

// The command line of the batch tools, read from a table of options: "--nome VALOR", "--nome=VALOR" or a
// switch; the names that are no option are the files, and after "--" every name is. "--help" (or "-h")
// and "--version" ask for the help text and the version.

struct TPedidoAjuda {};
struct TPedidoVersao {};
// The command line is wrong; the text says why, in Portuguese.
struct TErroDeUso {
    QString Mensagem;
};

// An error text, or nothing when the option's value was taken.
using TFalhaDeOpcao = std::optional<QString>;

template <typename TOpcoes> struct TOpcaoDeLinha {
    using TAplica = std::function<TFalhaDeOpcao(TOpcoes&, const QString& Nome, const QString& Valor)>;

    QString Nome;
    QString Valor; // the placeholder of the value; empty for a switch
    QString Descricao;
    TAplica Aplica;
};

// Reads the arguments that follow the program name into Lidas, and the names that are no option into
// Arquivos; stops at the first argument that is wrong, or at a request for the help or the version.
template <typename TOpcoes>
std::optional<std::variant<TPedidoAjuda, TPedidoVersao, TErroDeUso>>
LeLinhaDeComando(const QList<TOpcaoDeLinha<TOpcoes>>& Tabela, const QStringList& Argumentos, TOpcoes& Lidas,
                 QStringList& Arquivos) {
    using namespace Qt::StringLiterals;
    bool SoArquivos = false;
    for (qsizetype Indice = 0; Indice < Argumentos.size(); ++Indice) {
        const QString& Argumento = Argumentos.at(Indice);
        if (SoArquivos || Argumento == u"-"_s || !Argumento.startsWith(u'-')) {
            Arquivos.append(Argumento);
            continue;
        }
        if (Argumento == u"--"_s) {
            SoArquivos = true;
            continue;
        }
        if (Argumento == u"--help"_s || Argumento == u"-h"_s)
            return TPedidoAjuda{};
        if (Argumento == u"--version"_s)
            return TPedidoVersao{};

        // "--nome VALOR" or "--nome=VALOR".
        const qsizetype Igual = Argumento.indexOf(u'=');
        const QString Nome = Igual < 0 ? Argumento : Argumento.left(Igual);
        const auto Opcao = std::find_if(Tabela.begin(), Tabela.end(),
                                        [&Nome](const TOpcaoDeLinha<TOpcoes>& O) { return O.Nome == Nome; });
        if (Opcao == Tabela.end())
            return TErroDeUso{u"Opção desconhecida: %1"_s.arg(Nome)};
        QString Valor;
        if (Opcao->Valor.isEmpty()) {
            if (Igual >= 0)
                return TErroDeUso{u"A opção %1 não leva valor."_s.arg(Nome)};
        } else if (Igual >= 0) {
            Valor = Argumento.mid(Igual + 1);
        } else if (Indice + 1 < Argumentos.size()) {
            Valor = Argumentos.at(++Indice);
        }
        if (!Opcao->Valor.isEmpty() && Valor.isEmpty())
            return TErroDeUso{u"A opção %1 precisa de um valor (%2)."_s.arg(Nome, Opcao->Valor)};
        if (const TFalhaDeOpcao Erro = Opcao->Aplica(Lidas, Nome, Valor))
            return TErroDeUso{*Erro};
    }
    return std::nullopt;
}

// The one games file and the game that every batch tool needs.
inline TFalhaDeOpcao ConfereArquivoEModalidade(const QStringList& Arquivos, const QString& NomeModalidade) {
    using namespace Qt::StringLiterals;
    if (Arquivos.isEmpty())
        return u"Falta o arquivo de jogos (use - para ler a entrada padrão)."_s;
    if (Arquivos.size() > 1)
        return u"Só um arquivo de jogos por vez: \"%1\" e \"%2\"."_s.arg(Arquivos.at(0), Arquivos.at(1));
    if (Arquivos.constFirst().isEmpty())
        return u"O nome do arquivo de jogos está vazio (use - para ler a entrada padrão)."_s;
    if (NomeModalidade.trimmed().isEmpty())
        return u"Falta a modalidade (--modalidade)."_s;
    return std::nullopt;
}

// A batch tool's whole command line: the options of the table, the games file and the game, then the
// tool's own checks of the options together (ConfereResto); the file goes into Arquivo.
template <typename TLeitura, typename TOpcoes>
TLeitura LeOpcoesDeFerramenta(const QList<TOpcaoDeLinha<TOpcoes>>& Tabela, const QStringList& Argumentos,
                              const std::function<TFalhaDeOpcao(const TOpcoes&)>& ConfereResto) {
    TOpcoes Lidas;
    QStringList Arquivos;
    if (const auto Pedido = LeLinhaDeComando(Tabela, Argumentos, Lidas, Arquivos))
        return std::visit([](const auto& P) -> TLeitura { return P; }, *Pedido);
    if (const TFalhaDeOpcao Erro = ConfereArquivoEModalidade(Arquivos, Lidas.NomeModalidade))
        return TErroDeUso{*Erro};
    if (const TFalhaDeOpcao Erro = ConfereResto(Lidas))
        return TErroDeUso{*Erro};
    Lidas.Arquivo = Arquivos.constFirst();
    return Lidas;
}

// One line per option, "  --nome VALOR   descrição", then --help and --version.
template <typename TOpcoes> QString TextoDasOpcoes(const QList<TOpcaoDeLinha<TOpcoes>>& Tabela) {
    using namespace Qt::StringLiterals;
    constexpr int Largura = 26;
    QString Texto;
    const auto Linha = [&Texto](const QString& Chamada, const QString& Descricao) {
        Texto += u"  "_s + Chamada.leftJustified(Largura) + u' ' + Descricao + u'\n';
    };
    for (const TOpcaoDeLinha<TOpcoes>& Opcao : Tabela)
        Linha(Opcao.Valor.isEmpty() ? Opcao.Nome : Opcao.Nome + u' ' + Opcao.Valor, Opcao.Descricao);
    Linha(u"--help"_s, u"mostra esta ajuda"_s);
    Linha(u"--version"_s, u"mostra a versão do programa"_s);
    return Texto;
}

// The whole number the text holds, blanks around it allowed.
inline std::optional<int> InteiroDaOpcao(const QString& Texto) {
    bool Ok = false;
    const int Valor = Texto.trimmed().toInt(&Ok);
    return Ok ? std::optional<int>(Valor) : std::nullopt;
}

inline QString NaoInteiro(const QString& Nome, const QString& Valor) {
    using namespace Qt::StringLiterals;
    return u"%1: \"%2\" não é um número inteiro."_s.arg(Nome, Valor);
}

// The ways an option's value is taken, each storing it through Guarda.
template <typename TOpcoes> struct TValoresDeOpcao {
    using TAplica = typename TOpcaoDeLinha<TOpcoes>::TAplica;

    // A whole number from Minimo to Maximo; Faixa says which in the error text ("um mês de 1 a 12").
    static TAplica InteiroEntre(int Minimo, int Maximo, const QString& Faixa,
                                std::function<void(TOpcoes&, int)> Guarda) {
        return [=](TOpcoes& Opcoes, const QString& Nome, const QString& Valor) -> TFalhaDeOpcao {
            using namespace Qt::StringLiterals;
            const std::optional<int> Numero = InteiroDaOpcao(Valor);
            if (!Numero)
                return NaoInteiro(Nome, Valor);
            if (*Numero < Minimo || *Numero > Maximo)
                return u"%1: use %2."_s.arg(Nome, Faixa);
            Guarda(Opcoes, *Numero);
            return std::nullopt;
        };
    }

    // Any whole number: counts and indexes checked later against the game's own lists.
    static TAplica InteiroQualquer(std::function<void(TOpcoes&, int)> Guarda) {
        return InteiroEntre(std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), {},
                            std::move(Guarda));
    }

    static TAplica Texto(std::function<void(TOpcoes&, const QString&)> Guarda) {
        return [=](TOpcoes& Opcoes, const QString&, const QString& Valor) -> TFalhaDeOpcao {
            Guarda(Opcoes, Valor);
            return std::nullopt;
        };
    }

    static TAplica TextoAte(qsizetype Tamanho, std::function<void(TOpcoes&, const QString&)> Guarda) {
        return [=](TOpcoes& Opcoes, const QString& Nome, const QString& Valor) -> TFalhaDeOpcao {
            using namespace Qt::StringLiterals;
            if (Valor.size() > Tamanho)
                return u"%1: no máximo %2 caracteres."_s.arg(Nome).arg(Tamanho);
            Guarda(Opcoes, Valor);
            return std::nullopt;
        };
    }

    static TAplica Chave(std::function<void(TOpcoes&)> Liga) {
        return [=](TOpcoes& Opcoes, const QString&, const QString&) -> TFalhaDeOpcao {
            Liga(Opcoes);
            return std::nullopt;
        };
    }
};
