#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTextEdit;
class TImagemClicavel;

// The login page: e-mail and password of the portal account, the login button, the help and portal
// pictures and the welcome text.
class TPaginaAutenticacao : public QWidget {
    Q_OBJECT

public:
    explicit TPaginaAutenticacao(QWidget* Parent = nullptr);

    // Start-up step: both fields empty.
    void LimpaCredenciais();
    // The e-mail field takes the password character for the rest of the run.
    void MascaraEmail();
    // The e-mail as typed, without surrounding blanks.
    QString Email() const;

    QLineEdit* EditEmail() const { return FEditEmail; }
    TImagemClicavel* Ajuda() const { return FAjuda; }
    TImagemClicavel* Logo() const { return FLogo; }

private:
    QLineEdit* FEditEmail;
    QLineEdit* FEditSenha;
    QPushButton* FBtnAutenticar;
    TImagemClicavel* FAjuda;
    TImagemClicavel* FLogo;
    QTextEdit* FRichEdit1;
};
