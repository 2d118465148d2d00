#include "ui/PaginaImpressao.h"

#include "ui/Figuras.h"
#include "ui/ImagemClicavel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TPaginaImpressao::TPaginaImpressao(QWidget* Parent)
    : QWidget(Parent)
    , FAjuda(new TImagemClicavel(QStringLiteral("ref6"), FiguraDaAjuda(), DicaDaAjuda(), this)) {
    setObjectName(QStringLiteral("TabImpressao"));

    auto* Aviso =
        new QLabel(QStringLiteral("<p style='font-size:13pt'><b>Impressão dos Jogos</b></p>"
                                  "<p>A preparação da impressão dos volantes ainda não está disponível "
                                  "nesta versão do Cartelim.</p>"
                                  "<p>Enquanto isso, seus fechamentos ficam guardados na aba "
                                  "<b>Jogos :)</b>, de onde você pode exportá-los ou copiá-los.</p>"),
                   this);
    Aviso->setObjectName(QStringLiteral("LabelAvisoImpressao"));
    Aviso->setAlignment(Qt::AlignCenter);
    Aviso->setWordWrap(true);
    Aviso->setStyleSheet(QStringLiteral("QLabel { color: #505050; }"));

    auto* Topo = new QHBoxLayout;
    Topo->addStretch();
    Topo->addWidget(FAjuda);

    auto* Pagina = new QVBoxLayout(this);
    Pagina->setContentsMargins(10, 10, 10, 10);
    Pagina->addLayout(Topo);
    Pagina->addStretch(1);
    Pagina->addWidget(Aviso);
    Pagina->addStretch(2);
}
