#include "portal/ConfiguracaoPortal.h"

#include <QFile>
#include <QUrl>

QString EnderecoBase(const QString& Texto) {
    const QUrl Url(Texto.trimmed(), QUrl::StrictMode);
    const bool SemCaminho = Url.path().isEmpty() || Url.path() == u"/";
    if (!Url.isValid() || Url.scheme() != u"https" || Url.host().isEmpty() || !SemCaminho || Url.hasQuery() ||
        Url.hasFragment() || !Url.userInfo().isEmpty())
        return {};
    return Url.toString(QUrl::RemovePath | QUrl::FullyEncoded);
}

QString AplicaSubstituicoes(TConfiguracaoPortal& Configuracao, const QString& Url, const QString& CaminhoCA) {
    QString Endereco = Configuracao.Endereco;
    if (!Url.isEmpty()) {
        Endereco = EnderecoBase(Url);
        if (Endereco.isEmpty())
            return QStringLiteral("%1 deve ser um endereço https://servidor:porta, não \"%2\".")
                .arg(QLatin1StringView(VariavelUrlDoPortal), Url);
    }
    QList<QSslCertificate> Autoridades;
    if (!CaminhoCA.isEmpty()) {
        QFile Arquivo(CaminhoCA);
        if (!Arquivo.open(QIODevice::ReadOnly))
            return QStringLiteral("%1: não foi possível ler o arquivo %2 (%3).")
                .arg(QLatin1StringView(VariavelCaDoPortal), CaminhoCA, Arquivo.errorString());
        Autoridades = QSslCertificate::fromData(Arquivo.readAll(), QSsl::Pem);
        if (Autoridades.isEmpty())
            return QStringLiteral("%1: o arquivo %2 não contém certificados no formato PEM.")
                .arg(QLatin1StringView(VariavelCaDoPortal), CaminhoCA);
    }
    Configuracao.Endereco = Endereco;
    Configuracao.AutoridadesExtras += Autoridades;
    return {};
}

QString AplicaVariaveisDeAmbiente(TConfiguracaoPortal& Configuracao) {
    return AplicaSubstituicoes(Configuracao, qEnvironmentVariable(VariavelUrlDoPortal),
                               qEnvironmentVariable(VariavelCaDoPortal));
}
