#pragma once

#include <QList>
#include <QSslCertificate>
#include <QString>

// Where and how the login request goes. The window fills it once (address, key and token fixed in the
// program) and hands a copy to each login; tests and anyone running a portal of their own point it
// elsewhere with the two environment variables below.
struct TConfiguracaoPortal {
    // The base address, "https://host" or "https://host:port".
    QString Endereco;
    // Put into the query as they are.
    QString Chave;
    QString Token;
    // Trusted besides the system's certificate authorities.
    QList<QSslCertificate> AutoridadesExtras;
    // The wait for the connection (with its TLS handshake), and the longest wait for data afterwards.
    int TempoParaConectarMs = 15'000;
    int TempoSemDadosMs = 15'000;
    // An answer body longer than this ends the login.
    qint64 TamanhoMaximoResposta = qint64(256) * 1024 * 1024;
};

inline constexpr const char* VariavelUrlDoPortal = "CARTELIM_PORTAL_URL";
inline constexpr const char* VariavelCaDoPortal = "CARTELIM_PORTAL_CA";

// Applies the overrides: a non-empty Url (a full https://host:port base) replaces the address; a
// non-empty CaminhoCA names a PEM file whose certificates are trusted too. Returns what is wrong with
// them, in Portuguese, or an empty text; on failure the configuration is left as it was.
QString AplicaSubstituicoes(TConfiguracaoPortal& Configuracao, const QString& Url, const QString& CaminhoCA);

// AplicaSubstituicoes with CARTELIM_PORTAL_URL and CARTELIM_PORTAL_CA.
QString AplicaVariaveisDeAmbiente(TConfiguracaoPortal& Configuracao);

// "https://host:port" when the text is such a base (a trailing "/" allowed), otherwise empty.
QString EnderecoBase(const QString& Texto);
