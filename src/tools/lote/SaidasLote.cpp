#include "tools/lote/SaidasLote.h"

#include "catalogue/GravacaoSegura.h"
#include "printing/ExecucaoImpressao.h"
#include "report/printer/ImpressoraRelatorio.h"
#include "tools/comum/CaminhoNativo.h"
#include "tools/lote/OpcoesLote.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QString Nativo(const QString& Caminho) {
    return CaminhoParaMostrar(Caminho);
}

bool EhPasta(const QString& Caminho) {
    struct stat Estado {};
    return ::stat(CaminhoNativo(Caminho).constData(), &Estado) == 0 && S_ISDIR(Estado.st_mode);
}

bool Existe(const QString& Caminho) {
    struct stat Estado {};
    return ::lstat(CaminhoNativo(Caminho).constData(), &Estado) == 0;
}

QString FalhaPdf(const QString& Caminho, const QString& Motivo) {
    return u"Não foi possível gravar o arquivo PDF \"%1\".\n%2"_s.arg(Nativo(Caminho), Motivo);
}

QString FalhaPng(const QString& Caminho, const QString& Motivo) {
    return u"Não foi possível gravar a imagem \"%1\".\n%2"_s.arg(Nativo(Caminho), Motivo);
}

QString NomeDaPagina(int Indice) {
    return u"pagina-%1.png"_s.arg(Indice + 1, 4, 10, QLatin1Char('0'));
}

QString Paginas(int Quantidade) {
    return QLocale().toString(Quantidade) + (Quantidade == 1 ? u" página"_s : u" páginas"_s);
}

// Replaces the target, as moving a finished file into place should; both lie in one folder.
bool Move(const QString& De, const QString& Para, QString& Motivo) {
    if (std::rename(CaminhoNativo(De).constData(), CaminhoNativo(Para).constData()) == 0)
        return true;
    Motivo = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

// A page image, written whole or not at all.
bool GravaPng(const QImage& Imagem, const QString& Caminho, QString& Motivo) {
    QSaveFile Arquivo(Caminho);
    if (!Arquivo.open(QIODevice::WriteOnly)) {
        Motivo = Arquivo.errorString();
        return false;
    }
    QImageWriter Escritor(&Arquivo, "png");
    if (!Escritor.write(Imagem)) {
        Motivo = u"A imagem não pôde ser escrita (%1)."_s.arg(Escritor.errorString());
        Arquivo.cancelWriting();
        return false;
    }
    return ConfirmaGravacao(Arquivo, Motivo);
}

// A file or a link that a new page may replace; anything else at that name (a folder) is the user's.
bool PodeSerSubstituido(const QFileInfo& Alvo) {
    return Alvo.isSymLink() || !Alvo.exists() || Alvo.isFile();
}

} // namespace

TSaidasLote::TSaidasLote(const TOpcoesLote& Opcoes)
    : FPdf(Opcoes.Pdf)
    , FPastaPng(Opcoes.PastaPng)
    , FDpi(Opcoes.Dpi)
    , FImpressora(Opcoes.Impressora) {}

TSaidasLote::~TSaidasLote() {
    // The temporary folders go with their unique_ptr; a PNG folder made for this run goes too when
    // nothing was put in it.
    FTemporarioPdf.reset();
    FTemporarioPng.reset();
    if (FPastaPngCriada && FConfirmados.isEmpty())
        ::rmdir(CaminhoNativo(FPastaPng).constData());
    for (int Descritor : FPastasAbertas)
        ::close(Descritor);
}

QString TSaidasLote::Acessivel(const QString& Pasta) {
    if (CaminhoRepresentavel(Pasta))
        return QFileInfo(Pasta).isDir() ? Pasta : QString();
    // A folder whose name Qt cannot spell is reached through a descriptor opened by its bytes.
    const int Descritor = ::open(CaminhoNativo(Pasta).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (Descritor < 0)
        return {};
    FPastasAbertas.push_back(Descritor);
    return u"/proc/self/fd/%1"_s.arg(Descritor);
}

TResultadoSaida TSaidasLote::Produz(TExecucaoImpressao& Execucao, const QString& NomeDocumento,
                                    const TImpressao::TAoMensagem& Relata) {
    TRelatorio& Relatorio = Execucao.Relatorio();
    const std::function<TResultadoSaida()> Saidas[] = {
        [&] { return GravaPdf(Relatorio, NomeDocumento); },
        [&] { return GravaPng(Relatorio); },
        [&] { return Imprime(Relatorio, NomeDocumento); },
    };
    const bool Pedidas[] = {!FPdf.isEmpty(), !FPastaPng.isEmpty(), !FImpressora.isEmpty()};
    // A message starts on a line of its own, after the progress line.
    Execucao.SetAoMensagem([this, &Relata](const TMensagem& Mensagem) {
        FProgresso.Encerra();
        Relata(Mensagem);
    });
    for (std::size_t Indice = 0; Indice < std::size(Saidas); ++Indice) {
        if (!Pedidas[Indice])
            continue;
        const TResultadoSaida Resultado = Saidas[Indice]();
        FProgresso.Encerra();
        Execucao.SetAoMensagem({});
        if (!Resultado.Sucesso)
            return Resultado;
    }
    // Asked to end after the last page: nothing is put in place.
    if (TInterrupcao::Pedida())
        return TResultadoSaida::Falha(MensagemInterrompida());
    return Confirma();
}

TResultadoSaida TSaidasLote::GravaPdf(TRelatorio& Relatorio, const QString& NomeDocumento) {
    if (EhPasta(FPdf))
        return TResultadoSaida::Falha(FalhaPdf(FPdf, u"Já existe uma pasta com esse nome."_s));
    const qsizetype Barra = FPdf.lastIndexOf(u'/');
    const QString PastaDoPdf = Barra < 0 ? u"."_s : FPdf.left(std::max<qsizetype>(Barra, 1));
    const QString Pasta = Acessivel(PastaDoPdf);
    if (Pasta.isEmpty())
        return TResultadoSaida::Falha(FalhaPdf(
            FPdf, u"A pasta \"%1\" não existe."_s.arg(Nativo(QFileInfo(PastaDoPdf).absoluteFilePath()))));
    FTemporarioPdf = std::make_unique<TPastaTemporaria>(Pasta);
    if (!FTemporarioPdf->Valida())
        return TResultadoSaida::Falha(FalhaPdf(FPdf, FTemporarioPdf->Erro()));
    const QString Temporario = FTemporarioPdf->Caminho(u"saida.pdf"_s);
    TResultadoSaida Resultado =
        ExportaPdf(Relatorio, Temporario, NomeDocumento, [this](int Feitas, int Total) {
            FProgresso.Informa(u"PDF"_s, Feitas, Total);
            return !TInterrupcao::Pedida();
        });
    // The user knows the file by the name asked for, not by the temporary one.
    Resultado.Mensagem.replace(Nativo(Temporario), Nativo(FPdf));
    return Resultado;
}

TResultadoSaida TSaidasLote::GravaPng(TRelatorio& Relatorio) {
    if (!EhPasta(FPastaPng)) {
        const bool Criada =
            !Existe(FPastaPng) &&
            (CaminhoRepresentavel(FPastaPng) ? QDir().mkpath(FPastaPng)
                                             : ::mkdir(CaminhoNativo(FPastaPng).constData(), 0777) == 0);
        if (!Criada)
            return TResultadoSaida::Falha(
                u"Não foi possível criar a pasta das imagens \"%1\"."_s.arg(Nativo(FPastaPng)));
        FPastaPngCriada = true;
    }
    FPastaPngAcessivel = Acessivel(FPastaPng);
    const QDir Pasta(FPastaPngAcessivel);
    const QDir PastaMostrada(FPastaPng);
    FTemporarioPng = std::make_unique<TPastaTemporaria>(Pasta.path());
    if (!FTemporarioPng->Valida())
        return TResultadoSaida::Falha(
            FalhaPng(PastaMostrada.filePath(NomeDaPagina(0)), FTemporarioPng->Erro()));
    const int Quantidade = Relatorio.QdePaginas();
    if (Quantidade == 0)
        return TResultadoSaida::Falha(
            FalhaPng(PastaMostrada.filePath(NomeDaPagina(0)), u"Não há páginas."_s));
    for (int Indice = 0; Indice < Quantidade; ++Indice) {
        const QString Nome = NomeDaPagina(Indice);
        if (!PodeSerSubstituido(QFileInfo(Pasta.filePath(Nome))))
            return TResultadoSaida::Falha(
                FalhaPng(PastaMostrada.filePath(Nome), u"Já existe uma pasta com esse nome."_s));
        if (QString Motivo;
            !::GravaPng(ImagemPagina(Relatorio, Indice, FDpi), FTemporarioPng->Caminho(Nome), Motivo))
            return TResultadoSaida::Falha(FalhaPng(PastaMostrada.filePath(Nome), Motivo));
        FPaginasPng.append(Nome);
        FProgresso.Informa(u"Imagens PNG"_s, Indice + 1, Quantidade);
        if (TInterrupcao::Pedida())
            return TResultadoSaida::Falha(FalhaPng(PastaMostrada.filePath(Nome), MensagemInterrompida()));
    }
    return TResultadoSaida::Ok();
}

TResultadoSaida TSaidasLote::Imprime(TRelatorio& Relatorio, const QString& NomeDocumento) {
    // Asked to end on the way, the job is dropped: nothing of it reaches the printer.
    const TResultadoSaida Resultado = ImprimeNaImpressora(Relatorio, FImpressora, NomeDocumento,
                                                          [](int, int) { return !TInterrupcao::Pedida(); });
    if (Resultado.Sucesso)
        FResumo.append(
            u"Impressora \"%1\": %2 enviadas."_s.arg(FImpressora, Paginas(Relatorio.QdePaginas())));
    return Resultado;
}

TResultadoSaida TSaidasLote::Confirma() {
    QString Motivo;
    if (FTemporarioPng) {
        const QDir Pasta(FPastaPngAcessivel);
        const QDir PastaMostrada(FPastaPng);
        // The earlier pages are put aside in the temporary folder, not overwritten, so that a failed
        // move can bring every one of them back.
        const QDir Anteriores(FTemporarioPng->Caminho(u"anteriores"_s));
        if (!Anteriores.exists() && !QDir().mkpath(Anteriores.path()))
            return TResultadoSaida::Falha(FalhaPng(PastaMostrada.filePath(FPaginasPng.value(0)),
                                                   u"A pasta temporária não pôde ser usada."_s));
        for (const QString& Nome : FPaginasPng) {
            const QString Alvo = Pasta.filePath(Nome);
            const bool Existe = QFileInfo(Alvo).isSymLink() || QFileInfo::exists(Alvo);
            if (Existe && !Move(Alvo, Anteriores.filePath(Nome), Motivo)) {
                DesfazConfirmados();
                return TResultadoSaida::Falha(FalhaPng(PastaMostrada.filePath(Nome), Motivo));
            }
            if (Existe)
                FGuardados.append({Anteriores.filePath(Nome), Alvo});
            if (!Move(FTemporarioPng->Caminho(Nome), Alvo, Motivo)) {
                DesfazConfirmados();
                return TResultadoSaida::Falha(FalhaPng(PastaMostrada.filePath(Nome), Motivo));
            }
            FConfirmados.append(Alvo);
        }
        AvisaPaginasAntigas();
        FResumo.prepend(u"Imagens PNG (%1 dpi): %2 em \"%3\"."_s.arg(
            QString::number(FDpi), Paginas(FPaginasPng.size()), Nativo(FPastaPng)));
    }
    if (FTemporarioPdf) {
        if (!Move(FTemporarioPdf->Caminho(u"saida.pdf"_s), FPdf, Motivo)) {
            DesfazConfirmados();
            return TResultadoSaida::Falha(FalhaPdf(FPdf, Motivo));
        }
        FConfirmados.append(FPdf);
        FResumo.prepend(u"PDF: \"%1\"."_s.arg(Nativo(FPdf)));
    }
    return TResultadoSaida::Ok();
}

void TSaidasLote::AvisaPaginasAntigas() {
    // They are not removed: the folder is the user's, and only the user knows they are stale.
    static const QRegularExpression NomeDePagina(u"^pagina-\\d{4,}\\.png$"_s);
    QStringList Antigas;
    for (const QString& Nome : QDir(FPastaPngAcessivel).entryList(QDir::Files, QDir::Name))
        if (NomeDePagina.match(Nome).hasMatch() && !FPaginasPng.contains(Nome))
            Antigas.append(Nome);
    if (Antigas.isEmpty())
        return;
    FAvisos.append(
        {TTipoMensagem::Aviso,
         u"A pasta \"%1\" ainda tem %2 de uma impressão anterior (%3); apague-as antes de usar a "
         u"pasta."_s.arg(
             Nativo(FPastaPng),
             Antigas.size() == 1 ? u"1 imagem"_s : QString::number(Antigas.size()) + u" imagens"_s,
             Antigas.size() == 1 ? Antigas.first() : Antigas.first() + u" a "_s + Antigas.last())});
}

void TSaidasLote::DesfazConfirmados() {
    for (const QString& Caminho : std::as_const(FConfirmados))
        QFile::remove(Caminho);
    FConfirmados.clear();
    QString Motivo;
    for (const auto& [Guardado, Alvo] : std::as_const(FGuardados))
        Move(Guardado, Alvo, Motivo);
    FGuardados.clear();
}
