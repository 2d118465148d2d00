// The slip pictures built into the program, checked against print runs of every printable slip model:
// each picture has the size of its slip's scan, and wherever a run puts a mark, the picture, stretched
// into its box as the report stretches it, shows an empty box around that mark.
#include "assets/volantes/ImagensVolantes.h"
#include "catalogue/ULib.h"
#include "printing/CriaImpressao.h"
#include "printing/ExecucaoImpressao.h"
#include "store/CDSImpressao.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <optional>

namespace {

constexpr int Escuro = 120;        // grey level below which a pixel belongs to an outline or a reading mark
constexpr int Claro = 150;         // grey level above which a pixel is paper or a printed label
constexpr int AlcanceContorno = 4; // report pixels from a mark to its box's outline, at most
constexpr int CantoContorno = 3;   // picture pixels of an outline's corner left unchecked

struct TModeloImpresso {
    QString NomeModalidade;
    int LayoutIndex = 0;
    TTipoModalidade Tipo = TTipoModalidade::Indefinida;
    QString NomeRelatorio;
    QString ImagemMiniatura;
};

void PrintTo(const TModeloImpresso& Modelo, std::ostream* Saida) {
    *Saida << Modelo.NomeRelatorio.toStdString();
}

// Every slip model a print run can be assembled for: games with a slip layout, models with a template.
std::vector<TModeloImpresso> ModelosImprimiveis() {
    std::vector<TModeloImpresso> Modelos;
    for (const QString& Nome : ItensRadioModalidades()) {
        std::unique_ptr<TModalidade> Regras = CriaModalidade(Nome);
        if (!Regras || !CriaImpressao(Nome))
            continue;
        Regras->SetParameters(0);
        for (int Indice = 0; Indice < Regras->NomeRelatorio().size(); ++Indice)
            if (!Regras->NomeRelatorio()[Indice].isEmpty())
                Modelos.push_back({Nome, Indice, Regras->TipoModalidade(), Regras->NomeRelatorio()[Indice],
                                   Regras->ImagemMiniatura()[Indice]});
    }
    return Modelos;
}

// The scans the pictures stand for.
QSize TamanhoDaDigitalizacao(const TModeloImpresso& Modelo) {
    if (Modelo.Tipo == TTipoModalidade::Megasena && Modelo.LayoutIndex == 1)
        return {946, 2172};
    if (Modelo.Tipo == TTipoModalidade::MaisMilionaria)
        return Modelo.LayoutIndex == 0 ? QSize(2196, 1302) : QSize(971, 2162);
    return {974, 2200};
}

std::unique_ptr<TModalidade> Regras(const TModeloImpresso& Modelo, int QdeNumPorVolante = 0) {
    std::unique_ptr<TModalidade> Resultado = CriaModalidade(Modelo.NomeModalidade);
    Resultado->SetLayoutIndex(Modelo.LayoutIndex);
    Resultado->SetParameters(QdeNumPorVolante);
    return Resultado;
}

QString DoisDigitos(int Valor) {
    return QStringLiteral("%1").arg(Valor, 2, 10, QLatin1Char('0'));
}

bool EhEscuro(const QImage& Imagem, int x, int y) {
    return Imagem.rect().contains(x, y) && qGray(Imagem.pixel(x, y)) < Escuro;
}

// A picture and the box the report stretches it into.
struct TImagemNaCaixa {
    QImage Imagem;
    QRect Caixa;

    // A box in report pixels, in the picture's pixels.
    QRect NaImagem(const QRect& Box) const {
        const double x = double(Imagem.width()) / Caixa.width();
        const double y = double(Imagem.height()) / Caixa.height();
        const QPointF Inicio(Box.left() - Caixa.left(), Box.top() - Caixa.top());
        return QRectF(Inicio.x() * x, Inicio.y() * y, Box.width() * x, Box.height() * y).toAlignedRect();
    }
    int Alcance() const { return int(AlcanceContorno * double(Imagem.width()) / Caixa.width()) + 1; }
};

// The middle of the first outline met walking from Inicio by Passo, at most Alcance steps away: the
// darkest pixel of the first run of dark ones (an outline's edge pixels are only partly covered).
std::optional<QPoint> PrimeiroContorno(const QImage& Imagem, QPoint Inicio, QPoint Passo, int Alcance) {
    for (int Passos = 0; Passos <= Alcance; ++Passos, Inicio += Passo) {
        if (!EhEscuro(Imagem, Inicio.x(), Inicio.y()))
            continue;
        QPoint Mais = Inicio;
        for (QPoint Ponto = Inicio + Passo; EhEscuro(Imagem, Ponto.x(), Ponto.y()); Ponto += Passo)
            if (qGray(Imagem.pixel(Ponto)) < qGray(Imagem.pixel(Mais)))
                Mais = Ponto;
        return Mais;
    }
    return std::nullopt;
}

// Whether the mark lies inside a drawn box: nothing dark under it, and a closed dark outline around it,
// close on all four sides (each side dark along its whole length, so that the sides of neighbouring
// boxes cannot stand in for it).
testing::AssertionResult CaixaEnvolve(const TImagemNaCaixa& Figura, const QString& Nome, const QRect& Marca) {
    const QImage& Imagem = Figura.Imagem;
    const QRect Area = Figura.NaImagem(Marca);
    const auto Falha = [&](const char* Motivo) {
        return testing::AssertionFailure()
               << Nome.toStdString() << " at (" << Marca.x() << ", " << Marca.y() << ", " << Marca.width()
               << " x " << Marca.height() << "): " << Motivo;
    };
    for (int y = Area.top() + 1; y < Area.bottom(); ++y)
        for (int x = Area.left() + 1; x < Area.right(); ++x)
            if (qGray(Imagem.pixel(x, y)) < Claro)
                return Falha("the picture is dark under the mark");
    const QPoint Centro = Area.center();
    const int Alcance = Figura.Alcance();
    const auto Esquerda = PrimeiroContorno(Imagem, {Area.left(), Centro.y()}, {-1, 0}, Alcance);
    const auto Direita = PrimeiroContorno(Imagem, {Area.right(), Centro.y()}, {1, 0}, Alcance);
    const auto Topo = PrimeiroContorno(Imagem, {Centro.x(), Area.top()}, {0, -1}, Alcance);
    const auto Base = PrimeiroContorno(Imagem, {Centro.x(), Area.bottom()}, {0, 1}, Alcance);
    if (!Esquerda || !Direita || !Topo || !Base)
        return Falha("no outline close around the mark");
    const QRect Contorno(QPoint(Esquerda->x(), Topo->y()), QPoint(Direita->x(), Base->y()));
    // Each side along its length, short of the corners, which antialiasing rounds off.
    for (int x = Contorno.left() + CantoContorno; x <= Contorno.right() - CantoContorno; ++x)
        if (!EhEscuro(Imagem, x, Contorno.top()) || !EhEscuro(Imagem, x, Contorno.bottom()))
            return Falha("the outline around the mark is open at the top or bottom");
    for (int y = Contorno.top() + CantoContorno; y <= Contorno.bottom() - CantoContorno; ++y)
        if (!EhEscuro(Imagem, Contorno.left(), y) || !EhEscuro(Imagem, Contorno.right(), y))
            return Falha("the outline around the mark is open at a side");
    return testing::AssertionSuccess();
}

class VolantesDesenhadosTest : public testing::TestWithParam<TModeloImpresso> {
protected:
    const TModeloImpresso& Modelo() const { return GetParam(); }

    TConfiguracaoImpressao Configuracao(int QdeNumPorVolante) const {
        TConfiguracaoImpressao Resultado;
        Resultado.NomeModalidade = Modelo().NomeModalidade;
        Resultado.LayoutIndex = Modelo().LayoutIndex;
        Resultado.QdeNumPorVolante = QdeNumPorVolante;
        const QList<int> Jogos = Regras(Modelo())->QdeJogosPorVolante();
        Resultado.QdeJogosPorVolante = *std::max_element(Jogos.begin(), Jogos.end());
        // As the print setup asks: a supporter's club (Timemania), two clovers at least (+Milionária).
        Resultado.IndiceTimeCoracao = 0;
        Resultado.QdeTrevo = 2;
        return Resultado;
    }

    std::unique_ptr<TExecucaoImpressao> Monta(const TConfiguracaoImpressao& Config) {
        TMensagens Mensagens;
        return TExecucaoImpressao::Monta(Config, FFolhas, Mensagens);
    }

    // The embedded picture of the model in the box the run's page format gives it.
    static TImagemNaCaixa Figura(TExecucaoImpressao& Execucao) {
        const QString Arquivo = PastaImagensVolantes() + QLatin1Char('/') + Execucao.Form().ArquivoImagem();
        return {QImage(Arquivo), Execucao.Form().Componente<TImagem>(QStringLiteral("RLImage1"))->Box()};
    }

    // Shows the sheet and checks every mark it places against the picture.
    static void ConfereMarcas(TExecucaoImpressao& Execucao, const TFolhaImpressao& Folha) {
        const TImagemNaCaixa Imagem = Figura(Execucao);
        ASSERT_FALSE(Imagem.Imagem.isNull());
        Execucao.Impressao().SetDados(Folha);
        for (TComponente* Componente : Execucao.Relatorio().Componentes())
            if (const auto* Marca = dynamic_cast<TShape*>(Componente);
                Marca && Marca->Tag() == TImpressao::TagMarca && Marca->Visible()) {
                EXPECT_TRUE(CaixaEnvolve(Imagem, Marca->Name(), Marca->Box()));
            }
    }

    // The numbers-per-game count with the highest quota ceiling, and that ceiling.
    std::pair<int, int> MaiorBolao() const {
        std::pair<int, int> Maior{0, 0};
        for (const int Qde : Regras(Modelo())->QdeNumPorVolante()) {
            const int Teto = Regras(Modelo(), Qde)->QdeBolaoMax();
            if (Teto > Maior.second)
                Maior = {Qde, Teto};
        }
        return Maior;
    }

    TCDSImpressao FFolhas{TCDSImpressao::CamposDaImpressao()};
};

TEST_P(VolantesDesenhadosTest, ImagemEMiniaturaEmbutidasNoTamanhoDoVolante) {
    const QImage Volante(PastaImagensVolantes() + QLatin1Char('/') + Modelo().NomeRelatorio +
                         QStringLiteral(".jpg"));
    ASSERT_FALSE(Volante.isNull()) << "no picture for " << Modelo().NomeRelatorio.toStdString();
    EXPECT_EQ(Volante.size(), TamanhoDaDigitalizacao(Modelo()));

    const QImage Miniatura(CaminhoMiniaturaVolante(Modelo().ImagemMiniatura));
    ASSERT_FALSE(Miniatura.isNull()) << "no thumbnail " << Modelo().ImagemMiniatura.toStdString();
    EXPECT_EQ(std::max(Miniatura.width(), Miniatura.height()), 226);
    EXPECT_NEAR(double(Miniatura.width()) / Miniatura.height(), double(Volante.width()) / Volante.height(),
                0.02);
}

// An empty picture folder means the pictures built into the program: the run finds its picture there.
TEST_P(VolantesDesenhadosTest, ExecucaoComImagemUsaAEmbutida) {
    TConfiguracaoImpressao Config = Configuracao(Regras(Modelo())->QdeNumPorVolante().constFirst());
    Config.ImagemVisivel = true;
    TMensagens Mensagens;
    const auto Execucao = TExecucaoImpressao::Monta(Config, FFolhas, Mensagens);
    ASSERT_NE(Execucao, nullptr);
    EXPECT_TRUE(Mensagens.isEmpty());
    const auto* Imagem = Execucao->Form().Componente<TImagem>(QStringLiteral("RLImage1"));
    EXPECT_TRUE(Imagem->Visible());
    EXPECT_EQ(Imagem->Picture().size(), TamanhoDaDigitalizacao(Modelo()));
}

TEST_P(VolantesDesenhadosTest, MarcasDeLeituraSaoBarrasPretas) {
    const auto Execucao = Monta(Configuracao(Regras(Modelo())->QdeNumPorVolante().constFirst()));
    ASSERT_NE(Execucao, nullptr);
    const TImagemNaCaixa Imagem = Figura(*Execucao);
    ASSERT_FALSE(Imagem.Imagem.isNull());
    for (TComponente* Componente : Execucao->Relatorio().Componentes())
        if (const auto* Guia = dynamic_cast<TShape*>(Componente);
            Guia && Guia->Tag() == TImpressao::TagGuiaVisivel) {
            const QRect Barra = Imagem.NaImagem(Guia->Box()).adjusted(2, 2, -2, -2);
            for (const QPoint Ponto : {Barra.topLeft(), Barra.center(), Barra.bottomRight()})
                EXPECT_LT(qGray(Imagem.Imagem.pixel(Ponto)), 60) << Guia->Name().toStdString();
        }
}

// Every number of every game block, and every month, club, mirror bet and clover of the games that
// have them.
TEST_P(VolantesDesenhadosTest, MarcasDosNumerosCaemNasCaixas) {
    const std::unique_ptr<TModalidade> Jogo = Regras(Modelo());
    std::unique_ptr<TExecucaoImpressao> Execucao;
    int QdeNumeros = 0;
    for (const int Qde : Jogo->QdeNumPorVolante())
        if (auto Montada = Monta(Configuracao(Qde))) {
            Execucao = std::move(Montada);
            QdeNumeros = Qde;
        }
    ASSERT_NE(Execucao, nullptr);
    const int QdeJogos = Execucao->Impressao().QdeJogosPorVolante();

    QStringList Jogos;
    for (int Inicio = Jogo->NumInicial(); Inicio <= Jogo->NumFinal(); Inicio += QdeNumeros) {
        QStringList Numeros;
        for (int Numero = Inicio; Numero < Inicio + QdeNumeros && Numero <= Jogo->NumFinal(); ++Numero)
            Numeros.append(DoisDigitos(Numero));
        Jogos.append(Numeros.join(QLatin1Char(' ')));
    }
    for (const QString& Numeros : Jogos) {
        TFolhaImpressao Folha;
        std::fill_n(Folha.Jogo.begin(), QdeJogos, Numeros);
        // As the print queue fills a sheet: every game carries its month (Dia de Sorte) and its
        // supporter's club (Timemania).
        std::fill_n(Folha.MesJogo.begin(), QdeJogos, 1);
        std::fill_n(Folha.TimeCoracaoJogo.begin(), QdeJogos, 1);
        ConfereMarcas(*Execucao, Folha);
    }
    constexpr int Meses = 12;
    constexpr int Trevos = 6;
    for (int Valor = 1; Valor <= std::max({Meses, Trevos, Jogo->NumBonusFinal()}); ++Valor) {
        TFolhaImpressao Folha;
        std::fill_n(Folha.Jogo.begin(), QdeJogos, Jogos.constFirst());
        std::fill_n(Folha.MesJogo.begin(), QdeJogos, Valor <= Meses ? std::optional(Valor) : std::nullopt);
        std::fill_n(Folha.TimeCoracaoJogo.begin(), QdeJogos, Valor);
        std::fill_n(Folha.Espelho.begin(), QdeJogos, 1);
        std::fill_n(Folha.Trevo.begin(), QdeJogos, Valor <= Trevos ? QString::number(Valor) : QString());
        ConfereMarcas(*Execucao, Folha);
    }
    EXPECT_TRUE(Execucao->Mensagens().isEmpty()) << Execucao->Mensagens().constFirst().Texto.toStdString();
}

// Every value of every option the rules offer on the model, one run each, as the print manager runs it.
TEST_P(VolantesDesenhadosTest, MarcasDasOpcoesCaemNasCaixas) {
    const std::unique_ptr<TModalidade> Jogo = Regras(Modelo());
    const int QdeNumeros = Jogo->QdeNumPorVolante().constFirst();
    std::vector<TConfiguracaoImpressao> Configuracoes;
    const auto Acrescenta = [&](int QdeNumPorVolante, const auto& Ajusta) {
        Configuracoes.push_back(Configuracao(QdeNumPorVolante));
        Ajusta(Configuracoes.back());
    };
    for (const int Qde : Jogo->QdeNumPorVolante())
        Acrescenta(Qde, [](TConfiguracaoImpressao&) {});
    for (const int Qde : Jogo->Surpresinha())
        Acrescenta(QdeNumeros, [Qde](TConfiguracaoImpressao& Config) { Config.QdeSurpresinha = Qde; });
    for (const int Qde : Jogo->Teimosinha())
        Acrescenta(QdeNumeros, [Qde](TConfiguracaoImpressao& Config) { Config.QdeTeimosinha = Qde; });
    for (int Qde = 2; Qde <= 6; ++Qde)
        Acrescenta(QdeNumeros, [Qde](TConfiguracaoImpressao& Config) { Config.QdeTrevo = Qde; });
    const auto [NumerosDoBolao, TetoDoBolao] = MaiorBolao();
    for (int Cotas = 2; Cotas <= TetoDoBolao; ++Cotas)
        Acrescenta(NumerosDoBolao, [Cotas](TConfiguracaoImpressao& Config) { Config.QdeBolao = Cotas; });

    int Montadas = 0;
    for (const TConfiguracaoImpressao& Config : Configuracoes) {
        const auto Execucao = Monta(Config);
        if (!Execucao)
            continue; // a combination the rules refuse
        ++Montadas;
        ConfereMarcas(*Execucao, TFolhaImpressao());
        EXPECT_TRUE(Execucao->Mensagens().isEmpty())
            << Execucao->Mensagens().constFirst().Texto.toStdString();
    }
    EXPECT_GT(Montadas, 0);
}

INSTANTIATE_TEST_SUITE_P(ModelosImprimiveis, VolantesDesenhadosTest, testing::ValuesIn(ModelosImprimiveis()),
                         [](const testing::TestParamInfo<TModeloImpresso>& Info) {
                             return Info.param.NomeRelatorio.toStdString();
                         });

// The suite must not pass by finding nothing to check.
TEST(VolantesDesenhados, MegaSenaTemSeusDoisModelos) {
    const auto Modelos = ModelosImprimiveis();
    const auto Mega = std::count_if(Modelos.begin(), Modelos.end(), [](const TModeloImpresso& Modelo) {
        return Modelo.Tipo == TTipoModalidade::Megasena;
    });
    EXPECT_EQ(Mega, 2);
}

} // namespace
