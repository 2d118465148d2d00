#include "JanelaDeTeste.h"

#include "ui/RadioGroup.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>
#include <array>

QStringList JogosDeLotofacil(int Qde) {
    std::array<bool, 25> Marcados{};
    std::fill_n(Marcados.begin(), 15, true);
    QStringList Jogos;
    do {
        QStringList Numeros;
        for (int Numero = 1; Numero <= 25; ++Numero) {
            if (Marcados[std::size_t(Numero - 1)])
                Numeros.append(QStringLiteral("%1").arg(Numero, 2, 10, QChar(u'0')));
        }
        Jogos.append(Numeros.join(u' '));
    } while (Jogos.size() < Qde && std::prev_permutation(Marcados.begin(), Marcados.end()));
    return Jogos;
}

void TJanelaDeTeste::EscolheModalidade(const QString& Item) {
    auto& Radio = Controle<TRadioGroup>(QStringLiteral("RadioImportar_Modalidade"));
    const int Indice = int(Radio.Items().indexOf(Item));
    ASSERT_GE(Indice, 0) << Item.toStdString();
    Radio.Botao(Indice)->click();
}

void TJanelaDeTeste::EscolheQdeNumPorVolante(int Qde) {
    auto& Combo = Controle<QComboBox>(QStringLiteral("ComboImporta_QdeNumPorVolante"));
    const int Indice = Combo.findText(QString::number(Qde));
    ASSERT_GE(Indice, 0) << Qde;
    Combo.setCurrentIndex(Indice);
}

void TJanelaDeTeste::Importa(const QStringList& Linhas) {
    Controle<QTabWidget>(QStringLiteral("PageControl1"))
        .setCurrentWidget(&Controle<QWidget>(QStringLiteral("TabSheet4")));
    Controle<QPlainTextEdit>(QStringLiteral("MemoJogosImportar")).setPlainText(Linhas.join(u'\n'));
    Clica(QStringLiteral("BtnValidarJogosFechamento"));
}

void TJanelaDeTeste::ImportaFechamento(const QString& Item, int Qde, const QStringList& Linhas,
                                       const QString& Titulo) {
    EscolheModalidade(Item);
    EscolheQdeNumPorVolante(Qde);
    Controle<QLineEdit>(QStringLiteral("EditNomeDoFechamento")).setText(Titulo);
    Importa(Linhas);
}

QStringList TJanelaDeTeste::Coluna(const QString& Grade, int Coluna) {
    const QAbstractItemModel* Modelo = Controle<QAbstractItemView>(Grade).model();
    QStringList Textos;
    for (int Linha = 0; Modelo && Linha < Modelo->rowCount(); ++Linha)
        Textos.append(Modelo->index(Linha, Coluna).data().toString());
    return Textos;
}

QString TJanelaDeTeste::PaginaAtiva() {
    return Controle<QTabWidget>(QStringLiteral("PageControl1")).currentWidget()->objectName();
}
