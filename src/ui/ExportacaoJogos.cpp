#include "ui/ExportacaoJogos.h"

#include "catalogue/GravacaoSegura.h"
#include "entry/ArquivoTexto.h"
#include "store/DataModulo.h"

#include <QByteArray>
#include <QDir>
#include <QSaveFile>

namespace {

const auto FimDeLinha = QStringLiteral("\r\n");

} // namespace

QString TextoDosJogos(const TDM& DM) {
    const TCDSDetalhe& Jogos = DM.CDSDetalhe();
    QString Texto;
    // Game texts are short and alike: the first one sizes the whole text.
    if (Jogos.QdeRegistros() > 0)
        Texto.reserve(qsizetype(Jogos.QdeRegistros()) * (Jogos.Jogo(0).size() + FimDeLinha.size()));
    for (int Linha = 0; Linha < Jogos.QdeRegistros(); ++Linha)
        Texto += Jogos.Jogo(Linha) + FimDeLinha;
    return Texto;
}

QString TituloDoFechamentoAtual(const TDM& DM) {
    const int Atual = DM.IndiceFechamentoAtual();
    return Atual >= 0 ? DM.Fechamento(Atual).Titulo : QString();
}

QString TextoDosJogosComTitulo(const TDM& DM) {
    return QStringLiteral("// ") + TituloDoFechamentoAtual(DM) + FimDeLinha + TextoDosJogos(DM);
}

std::optional<QString> GravaArquivoTexto(const QString& Caminho, QStringView Texto) {
    QSaveFile Arquivo(Caminho);
    const QByteArray Bytes = CodificaWindows1252(Texto);
    QString Motivo;
    if (Arquivo.open(QIODevice::WriteOnly) && Arquivo.write(Bytes) == Bytes.size() &&
        ConfirmaGravacao(Arquivo, Motivo))
        return std::nullopt;
    return QStringLiteral(
               "Não foi possível gravar o arquivo \"%1\".\rVerifique se a pasta existe, se permite "
               "gravação e se há espaço livre no disco. Nenhum arquivo foi alterado.")
        .arg(QDir::toNativeSeparators(Caminho));
}

QString TextoComFimDeLinha(const QStringList& Linhas) {
    return Linhas.isEmpty() ? QString() : Linhas.join(FimDeLinha) + FimDeLinha;
}
