#pragma once

#include <QString>
#include <QUrl>

// The portal's addresses and the designated maker accounts, kept in one place.

// The portal's web service, where the login goes (CARTELIM_PORTAL_URL overrides it).
inline QString EnderecoDoPortal() {
    return QStringLiteral("https://api.bilheron.com.br");
}

// The access key and token of this program, sent with every login.
inline QString ChaveDoPortal() {
    return QStringLiteral("marble-oakwoods");
}
inline QString TokenDoPortal() {
    return QStringLiteral("QkVhc3RpZXJhbmRvbUJ5dGVzU2VxdWVuY2U=");
}

// The help article; a help picture opens it at "#" followed by the picture's name.
inline QUrl EnderecoDaAjuda(const QString& Ancora) {
    QUrl Endereco(QStringLiteral("https://www.bilheron.com.br/artigos/como-usar-o-cartelim"));
    Endereco.setFragment(Ancora);
    return Endereco;
}

// The portal's article page, opened by the portal picture.
inline QUrl EnderecoDosArtigos() {
    return QUrl(QStringLiteral("https://www.bilheron.com.br/artigos"));
}

// Login e-mail of the pool-operator account: masked display of the games, clovers taken from imported
// text, the mark colour choice, the side text and the reminder when no pool is chosen.
inline QString ContaOperadorDeBolao() {
    return QStringLiteral("bolao@bilheron.com.br");
}

// Login e-mail of the marketplace account: months and clubs advance once per pool group, no random
// preselection after its login, the mark colour choice, the side text and the no-pool reminder.
inline QString ContaMarketplace() {
    return QStringLiteral("marketplace@bilheron.com.br");
}

// The tutorial video of the print manager.
inline QUrl EnderecoDoVideo() {
    return QUrl(QStringLiteral("https://www.bilheron.com.br/videos/como-imprimir-no-cartelim"));
}

// The support contact appended to the messages of faults that should never happen.
inline QString ContatoDoSuporte() {
    return QStringLiteral("(suporte: www.bilheron.com.br/contato)");
}
