#pragma once

#include <QWidget>

class TImagemClicavel;

// The print setup page. For now it shows where the print setup will be and its help picture.
class TPaginaImpressao : public QWidget {
    Q_OBJECT

public:
    explicit TPaginaImpressao(QWidget* Parent = nullptr);

    TImagemClicavel* Ajuda() const { return FAjuda; }

private:
    TImagemClicavel* FAjuda;
};
