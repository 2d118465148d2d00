#include "ApoioLote.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

namespace {

constexpr int EsperaMs = 120000;

QString Texto(const QByteArray& Bytes) {
    return QString::fromUtf8(Bytes);
}

TResultadoProcesso Executa(QProcess& Processo, const QStringList& Argumentos, const QString& Pasta,
                           const QByteArray& Entrada, const QStringList& Ambiente) {
    return ExecutaPrograma(Processo, QStringLiteral(CARTELIM_LOTE), Argumentos, Pasta, Entrada, Ambiente);
}

} // namespace

TResultadoProcesso ExecutaLote(const QStringList& Argumentos, const QString& Pasta, const QByteArray& Entrada,
                               const QStringList& Ambiente) {
    QProcess Processo;
    return Executa(Processo, Argumentos, Pasta, Entrada, Ambiente);
}

TResultadoProcesso ExecutaLoteLendo(const QStringList& Argumentos, const QString& Pasta,
                                    const QString& ArquivoDeEntrada) {
    QProcess Processo;
    Processo.setStandardInputFile(ArquivoDeEntrada);
    return Executa(Processo, Argumentos, Pasta, {}, {});
}

TResultadoProcesso ExecutaLoteNoTerminal(const QStringList& Argumentos, const QString& Pasta,
                                         const QByteArray& Entrada) {
    int Mestre = -1;
    int Escravo = -1;
    if (::openpty(&Mestre, &Escravo, nullptr, nullptr, nullptr) != 0)
        return {};
    QProcess Processo;
    Processo.setChildProcessModifier([Escravo] { ::dup2(Escravo, STDERR_FILENO); });
    // Read once the program has ended: a short run writes far less than the terminal holds.
    TResultadoProcesso Resultado = Executa(Processo, Argumentos, Pasta, Entrada, {});
    ::fcntl(Mestre, F_SETFL, ::fcntl(Mestre, F_GETFL) | O_NONBLOCK);
    QByteArray Lido;
    char Bloco[4096];
    for (ssize_t Bytes; (Bytes = ::read(Mestre, Bloco, sizeof Bloco)) > 0;)
        Lido.append(Bloco, Bytes);
    ::close(Escravo);
    ::close(Mestre);
    Resultado.Erros = Texto(Lido);
    return Resultado;
}

QString ExecutaFerramenta(const QString& Programa, const QStringList& Argumentos) {
    QProcess Processo;
    Processo.start(Programa, Argumentos);
    Processo.waitForFinished(EsperaMs);
    return Texto(Processo.readAllStandardOutput());
}

int PaginasDoPdf(const QString& Caminho) {
    static const QRegularExpression Paginas(QStringLiteral("^Pages:\\s+(\\d+)"),
                                            QRegularExpression::MultilineOption);
    const QRegularExpressionMatch Achado =
        Paginas.match(ExecutaFerramenta(QStringLiteral("pdfinfo"), {Caminho}));
    return Achado.hasMatch() ? Achado.captured(1).toInt() : -1;
}

QImage RenderizaPdf(const QString& Caminho, int Pagina, int Dpi) {
    QTemporaryDir Pasta;
    const QString Prefixo = Pasta.filePath(QStringLiteral("pagina"));
    const QString NumeroPagina = QString::number(Pagina);
    ExecutaFerramenta(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-f"), NumeroPagina,
                       QStringLiteral("-l"), NumeroPagina, QStringLiteral("-singlefile"),
                       QStringLiteral("-png"), Caminho, Prefixo});
    return QImage(Prefixo + QStringLiteral(".png"));
}

QString TextoDoPdf(const QString& Caminho) {
    return ExecutaFerramenta(QStringLiteral("pdftotext"),
                             {QStringLiteral("-layout"), Caminho, QStringLiteral("-")});
}

QStringList ArquivosEm(const QString& Pasta) {
    QStringList Arquivos;
    QDirIterator Iterador(Pasta, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (Iterador.hasNext())
        Arquivos.append(QDir(Pasta).relativeFilePath(Iterador.next()));
    Arquivos.sort();
    return Arquivos;
}

std::vector<TMancha> ManchasEscuras(const QImage& Imagem, int MinimoPixels) {
    constexpr int LimiteEscuro = 128;
    const QImage Cinza = Imagem.convertToFormat(QImage::Format_Grayscale8);
    const int Largura = Cinza.width();
    const int Altura = Cinza.height();
    std::vector<char> Visto(std::size_t(Largura) * std::size_t(Altura), 0);
    const auto Escuro = [&](int X, int Y) {
        return Cinza.constScanLine(Y)[X] < LimiteEscuro;
    };

    std::vector<TMancha> Manchas;
    std::vector<QPoint> Pilha;
    for (int Y = 0; Y < Altura; ++Y) {
        for (int X = 0; X < Largura; ++X) {
            if (Visto[std::size_t(Y) * Largura + X] || !Escuro(X, Y))
                continue;
            TMancha Mancha;
            QPointF Soma;
            Pilha.assign(1, QPoint(X, Y));
            Visto[std::size_t(Y) * Largura + X] = 1;
            while (!Pilha.empty()) {
                const QPoint Ponto = Pilha.back();
                Pilha.pop_back();
                Mancha.Caixa = Mancha.Caixa.united(QRect(Ponto, QSize(1, 1)));
                Soma += Ponto;
                ++Mancha.Pixels;
                for (const QPoint Passo : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint Vizinho = Ponto + Passo;
                    if (Vizinho.x() < 0 || Vizinho.y() < 0 || Vizinho.x() >= Largura || Vizinho.y() >= Altura)
                        continue;
                    char& Marcado = Visto[std::size_t(Vizinho.y()) * Largura + Vizinho.x()];
                    if (!Marcado && Escuro(Vizinho.x(), Vizinho.y())) {
                        Marcado = 1;
                        Pilha.push_back(Vizinho);
                    }
                }
            }
            if (Mancha.Pixels >= MinimoPixels) {
                Mancha.Centro = Soma / Mancha.Pixels;
                Manchas.push_back(Mancha);
            }
        }
    }
    return Manchas;
}
