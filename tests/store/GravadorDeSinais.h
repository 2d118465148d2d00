#pragma once

#include "store/DataModulo.h"

#include <QString>
#include <QStringList>

// Writes down, in order, what the data module and its stores announce, one line per notification.
class TGravadorDeSinais {
public:
    explicit TGravadorDeSinais(TDM& DM) {
        Grava(DM.CDSMaster(), QStringLiteral("Master"));
        Grava(DM.CDSDetalhe(), QStringLiteral("Detalhe"));
        Grava(DM.CDSImpressao_Temp(), QStringLiteral("Fila"));
        QObject::connect(&DM, &TDM::FechamentoAtualAlterado, &DM,
                         [this](int Indice) { Linhas << QStringLiteral("Atual %1").arg(Indice); });
        QObject::connect(
            &DM, &TDM::FechamentoAtualProcessado, &DM, [this](const QString& Texto, bool Botoes) {
                Linhas << QStringLiteral("Status '%1' botoes %2").arg(Texto, Botoes ? u"on" : u"off");
            });
    }

    QStringList Linhas;

private:
    void Grava(const TTabela& Tabela, const QString& Nome) {
        QObject::connect(&Tabela, &TTabela::LinhasSeraoInseridas, &Tabela,
                         [this, Nome](int Primeira, int Ultima) {
                             Linhas << QStringLiteral("%1 insere %2-%3").arg(Nome).arg(Primeira).arg(Ultima);
                         });
        QObject::connect(&Tabela, &TTabela::LinhasInseridas, &Tabela,
                         [this, Nome] { Linhas << Nome + QStringLiteral(" inseridas"); });
        QObject::connect(&Tabela, &TTabela::LinhasSeraoRemovidas, &Tabela,
                         [this, Nome](int Primeira, int Ultima) {
                             Linhas << QStringLiteral("%1 remove %2-%3").arg(Nome).arg(Primeira).arg(Ultima);
                         });
        QObject::connect(&Tabela, &TTabela::LinhasRemovidas, &Tabela,
                         [this, Nome] { Linhas << Nome + QStringLiteral(" removidas"); });
        QObject::connect(&Tabela, &TTabela::SeraReiniciada, &Tabela,
                         [this, Nome] { Linhas << Nome + QStringLiteral(" reinicia"); });
        QObject::connect(&Tabela, &TTabela::Reiniciada, &Tabela,
                         [this, Nome] { Linhas << Nome + QStringLiteral(" reiniciada"); });
        QObject::connect(&Tabela, &TTabela::LinhasAlteradas, &Tabela, [this, Nome](int Primeira, int Ultima) {
            Linhas << QStringLiteral("%1 altera %2-%3").arg(Nome).arg(Primeira).arg(Ultima);
        });
    }
};
