#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

// What the print setup tab hands the print manager when it opens it: the closing, the game and slip
// model, every option chosen on the tab and the logged-in e-mail. The print manager reads these and
// never the tab's controls.
struct TEscolhasImpressao {
    QString TituloFechamento; // the closing's title ("Título Fechamento :")
    QString NomeModalidade;   // the game as shown on the tab ("Mega-Sena"): rules, slip layout, INI section
    int LayoutIndex = 0;      // the chosen slip model
    QString NomeLayout;       // its caption ("2020")
    int QdeNumPorVolante = 0; // numbers per game
    int QdeJogos = 0;         // games of the closing
    int QdeJogosPorVolante = 0;
    int QdeSurpresinha = 0;        // quick pick, 0 = none
    int QdeTeimosinha = 0;         // repeat draws, 0 = none
    int QdeBolao = 0;              // pool quotas, 0 = none
    int IndiceTimeCoracao = -1;    // position of the chosen club counted from 0, -1 = none (Timemania)
    bool VolanteOriginal = false;  // "Volante Original": printing on the official slip
    QString NomeIdentificacao;     // the identification text, as typed
    int QdeTrevo = 0;              // +Milionária: clover boxes ticked
    bool MarcarTrevoMao = false;   // +Milionária: "Vou marcar trevos na caneta"
    QPixmap ImagemFlutuante;       // the chosen model's thumbnail
    QColor ColorShape = Qt::black; // the main window's mark colour; the colour list starts on it
    QString EmailLogin;            // the e-mail in the login field
};
