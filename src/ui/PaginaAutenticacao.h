#pragma once

#include "portal/ConfiguracaoPortal.h"

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTextEdit;
class TDM;
class TDialogos;
class TImagemClicavel;
class TLoteriaResult;

// The login page: e-mail and password of the portal account, the login button, the help and portal
// pictures and the welcome text.
//
// The login button deletes the closings of the earlier download, logs in to the portal and stores
// every downloaded game set as a closing, showing each step in the waiting window while the main
// window is disabled; a failure ends it with one error box and nothing stored. The portal's address
// can be overridden with CARTELIM_PORTAL_URL and CARTELIM_PORTAL_CA, read at each login.
class TPaginaAutenticacao : public QWidget {
    Q_OBJECT

public:
    TPaginaAutenticacao(TDM& DM, TDialogos& Dialogos, QWidget* Parent = nullptr);

    // Start-up step: both fields empty.
    void LimpaCredenciais();
    // Start-up step: the portal's access key and token.
    void SetChaveEToken(const QString& Chave, const QString& Token);
    // What each login starts from (tests shorten its waits).
    TConfiguracaoPortal& ConfiguracaoPortal() { return FConfiguracao; }
    // True while a login is under way; the window must not close then.
    bool Autenticando() const { return FAutenticando; }
    // The e-mail field takes the password character for the rest of the run.
    void MascaraEmail();
    // The e-mail as typed, without surrounding blanks.
    QString Email() const;

    QLineEdit* EditEmail() const { return FEditEmail; }
    TImagemClicavel* Ajuda() const { return FAjuda; }
    TImagemClicavel* Logo() const { return FLogo; }

Q_SIGNALS:
    // A login stored its game sets; Indice is the first downloaded closing (-1 when none was stored).
    void JogosBaixados(int Indice);

private:
    void BtnAutenticarClick();
    // Steps after the answer arrived: each game set stored, with the counter; the first new closing.
    int GravaJogos(TLoteriaResult& Resultado);

    TDM& FDM;
    TDialogos& FDialogos;
    TConfiguracaoPortal FConfiguracao;
    bool FAutenticando = false;
    QLineEdit* FEditEmail;
    QLineEdit* FEditSenha;
    QPushButton* FBtnAutenticar;
    TImagemClicavel* FAjuda;
    TImagemClicavel* FLogo;
    QTextEdit* FRichEdit1;
};
