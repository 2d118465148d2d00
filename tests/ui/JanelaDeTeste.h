#pragma once

#include "store/DataModulo.h"
#include "ui/DialogosProgramados.h"
#include "ui/FormPrincipal.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

// Readable failures: texts as UTF-8.
inline void PrintTo(const QString& Texto, std::ostream* Saida) {
    *Saida << '"' << Texto.toStdString() << '"';
}

// Qde distinct Lotofácil games of 15 numbers, in ascending text order.
QStringList JogosDeLotofacil(int Qde);

// The real main window with its data module, driven by control name; every dialog is answered in
// advance and a test fails when a question or file dialog finds no prepared answer.
class TJanelaDeTeste : public testing::Test {
protected:
    TJanelaDeTeste()
        : Form(DM, Dialogos) {
        Form.show();
    }

    void TearDown() override { EXPECT_EQ(Dialogos.Imprevistos(), 0) << "a dialog found no prepared answer"; }

    template <typename T> T& Controle(const QString& Nome) {
        T* Encontrado = Form.findChild<T*>(Nome);
        if (!Encontrado)
            throw std::runtime_error("no control " + Nome.toStdString());
        return *Encontrado;
    }

    // Chooses a game of the import page as a click on its item would.
    void EscolheModalidade(const QString& Item);
    void EscolheQdeNumPorVolante(int Qde);
    // Goes to the import page, fills its area with the lines and presses the validate button.
    void Importa(const QStringList& Linhas);
    // Imports the lines as a closing of the game with the numbers per game and the title.
    void ImportaFechamento(const QString& Item, int Qde, const QStringList& Linhas,
                           const QString& Titulo = {});
    void Clica(const QString& Botao) { Controle<QPushButton>(Botao).click(); }

    // The texts of a grid column, top to bottom.
    QStringList Coluna(const QString& Grade, int Coluna);
    QString PaginaAtiva();

    TDM DM;
    TDialogosProgramados Dialogos;
    TFormPrincipal Form;
};
