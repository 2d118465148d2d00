#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

#include <optional>
#include <utility>

// One field of a store: its name and the label a grid shows over its column.
struct TCampo {
    QString Nome;
    QString Rotulo;
};

// A field whose label is its own name.
inline TCampo CampoComNome(const QString& Nome) {
    return {Nome, Nome};
}

// An empty integer field reads as a null value (shown blank, read as 0).
inline QVariant ValorOpcional(std::optional<int> Valor) {
    return Valor ? QVariant(*Valor) : QVariant();
}

// A store seen as a table: rows by index, fields by position, and the notifications a grid needs to
// follow inserted, removed and replaced rows (they pair with QAbstractItemModel's begin/end calls).
// A store is closed until it is first opened; a closed store has no rows.
class TTabela : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual int QdeRegistros() const = 0;
    virtual const QList<TCampo>& Campos() const = 0;
    // The value of one field of one row; a null QVariant when the field is empty.
    virtual QVariant Valor(int Linha, int Campo) const = 0;

    bool Aberto() const { return FAberto; }
    // Opens the store when it is closed; an open store is left untouched.
    void Abre();

Q_SIGNALS:
    void LinhasSeraoInseridas(int Primeira, int Ultima);
    void LinhasInseridas();
    void LinhasSeraoRemovidas(int Primeira, int Ultima);
    void LinhasRemovidas();
    void SeraReiniciada();
    void Reiniciada();
    // Values of rows Primeira to Ultima changed; the rows themselves stay.
    void LinhasAlteradas(int Primeira, int Ultima);

protected:
    // Each helper wraps a change of the rows in its pair of notifications; the change must not throw.
    template <typename Mudanca> void InsereLinhas(int Primeira, int Ultima, Mudanca&& Muda) {
        Q_EMIT LinhasSeraoInseridas(Primeira, Ultima);
        std::forward<Mudanca>(Muda)();
        Q_EMIT LinhasInseridas();
    }
    template <typename Mudanca> void RemoveLinhas(int Primeira, int Ultima, Mudanca&& Muda) {
        Q_EMIT LinhasSeraoRemovidas(Primeira, Ultima);
        std::forward<Mudanca>(Muda)();
        Q_EMIT LinhasRemovidas();
    }
    template <typename Mudanca> void Reinicia(Mudanca&& Muda) {
        Q_EMIT SeraReiniciada();
        std::forward<Mudanca>(Muda)();
        Q_EMIT Reiniciada();
    }

    void DefineAberto(bool Aberto) { FAberto = Aberto; }

private:
    bool FAberto = false;
};
