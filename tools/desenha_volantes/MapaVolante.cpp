#include "MapaVolante.h"

#include "catalogue/ULib.h"
#include "printing/ExecucaoImpressao.h"
#include "store/CDSImpressao.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr int PrimeiroTrevo = 1;
constexpr int UltimoTrevo = 6;
constexpr int MenorQdeTrevos = 2; // the print setup asks for at least two clovers
constexpr int PrimeiraCota = 2;   // a pool has at least two quotas
constexpr int UltimaCota = 100;

const QStringList NomesMeses{
    QStringLiteral("JAN"), QStringLiteral("FEV"), QStringLiteral("MAR"), QStringLiteral("ABR"),
    QStringLiteral("MAI"), QStringLiteral("JUN"), QStringLiteral("JUL"), QStringLiteral("AGO"),
    QStringLiteral("SET"), QStringLiteral("OUT"), QStringLiteral("NOV"), QStringLiteral("DEZ"),
};

QString Numero(int Valor) {
    return QString::number(Valor);
}

QString DoisDigitos(int Valor) {
    return QStringLiteral("%1").arg(Valor, 2, 10, QLatin1Char('0'));
}

int Maior(const QList<int>& Valores) {
    return Valores.isEmpty() ? 0 : *std::max_element(Valores.begin(), Valores.end());
}

// The rules of one slip model, with every print choice filled in.
std::unique_ptr<TModalidade> RegrasDoModelo(const TModeloVolante& Modelo) {
    std::unique_ptr<TModalidade> Regras = CriaModalidade(Modelo.NomeModalidade);
    Regras->SetLayoutIndex(Modelo.LayoutIndex);
    Regras->SetParameters(0);
    return Regras;
}

// The highest quota count the rules offer on the model, whatever the numbers per game.
int MaiorCotaOferecida(TModalidade& Regras) {
    int Maxima = 0;
    for (const int Qde : Regras.QdeNumPorVolante()) {
        Regras.SetParameters(Qde);
        Maxima = std::max(Maxima, Regras.QdeBolaoMax());
    }
    return std::min(Maxima, UltimaCota);
}

// Asks one assembled run where each value goes.
class TMapeador {
public:
    TMapeador(TExecucaoImpressao& Execucao, TModalidade& Regras)
        : FForm(Execucao.Form())
        , FImpressao(Execucao.Impressao())
        , FRegras(Regras) {}

    TMapaVolante Mapeia() {
        TMapaVolante Mapa;
        Mapa.CaixaImagem = FForm.Componente<TImagem>(QStringLiteral("RLImage1"))->Box();
        Mapa.Titulo = FRegras.NomeModalidade();
        Mapa.Subtitulo = FRegras.Layout().value(FRegras.LayoutIndex());
        for (TComponente* Componente : FForm.RLReport1().Componentes())
            if (auto* Guia = dynamic_cast<TShape*>(Componente);
                Guia && Guia->Tag() == TImpressao::TagGuiaVisivel)
                Mapa.Guias.append(Guia->Box());
        Mapa.Textos = LugaresDosTextos();
        MapeiaNumeros();
        MapeiaExtrasDosJogos();
        MapeiaOpcoes();
        Mapa.Casas = FCasas;
        return Mapa;
    }

private:
    // Runs one marking operation on a slip with no mark and records every mark it shows.
    void Registra(const QString& Grupo, const QString& Rotulo, const std::function<void()>& Marca) {
        FImpressao.EscondeShapes();
        Marca();
        for (TComponente* Componente : FForm.RLReport1().Componentes()) {
            const auto* Shape = dynamic_cast<TShape*>(Componente);
            if (!Shape || Shape->Tag() != TImpressao::TagMarca || !Shape->Visible())
                continue;
            const bool Conhecida = std::any_of(FCasas.begin(), FCasas.end(), [&](const TCasaVolante& Casa) {
                return Casa.Marca == Shape->Box();
            });
            if (!Conhecida)
                FCasas.append({Shape->Box(), Rotulo, Grupo});
        }
    }

    int QdeJogos() const { return FImpressao.QdeJogosPorVolante(); }

    void MapeiaNumeros() {
        for (int Jogo = 1; Jogo <= QdeJogos(); ++Jogo)
            for (int Valor = FRegras.NumInicial(); Valor <= FRegras.NumFinal(); ++Valor)
                Registra(QStringLiteral("Jogo ") + Numero(Jogo), DoisDigitos(Valor),
                         [&] { FImpressao.ImprimeNumero(1, Valor, Jogo); });
    }

    // Months, clubs, mirror bets and clovers belong to each game; the engine's base operations mark
    // them only on the games that have them, so the other slips get nothing here.
    void MapeiaExtrasDosJogos() {
        for (int Jogo = 1; Jogo <= QdeJogos(); ++Jogo) {
            for (int Valor = FRegras.NumBonusInicial(); Valor >= 1 && Valor <= FRegras.NumBonusFinal();
                 ++Valor) {
                Registra(QStringLiteral("Mês"), NomesMeses.value(Valor - 1, Numero(Valor)),
                         [&] { FImpressao.ImprimeMes(Jogo, Valor); });
                Registra(QStringLiteral("Time do Coração"), DoisDigitos(Valor),
                         [&] { FImpressao.ImprimeTimeCoracao(Jogo, Valor); });
            }
            Registra(QStringLiteral("Aposta Espelho"), QStringLiteral("ESP"),
                     [&] { FImpressao.ImprimeApostaEspelho(Jogo, true); });
            for (int Trevo = PrimeiroTrevo; Trevo <= UltimoTrevo; ++Trevo)
                Registra(QStringLiteral("Trevos"), Numero(Trevo),
                         [&] { FImpressao.ImprimeTrevo(Jogo, Numero(Trevo)); });
        }
    }

    void MapeiaOpcoes() {
        for (const int Qde : FRegras.QdeNumPorVolante())
            Registra(QStringLiteral("Números por jogo"), Numero(Qde), [&] {
                FImpressao.SetQdeNumPorVolante(Qde);
                FImpressao.ImprimeQdeNumPorVolante();
            });
        for (int Qde = MenorQdeTrevos; Qde <= UltimoTrevo; ++Qde)
            Registra(QStringLiteral("Trevos por jogo"), Numero(Qde), [&] {
                FImpressao.SetQdeTrevo(Qde);
                FImpressao.ImprimeQdeTrevo();
            });
        for (const int Qde : FRegras.Surpresinha())
            if (Qde > 0)
                Registra(QStringLiteral("Surpresinha"), Numero(Qde), [&] {
                    FImpressao.SetQdeSurpresinha(Qde);
                    FImpressao.ImprimeQdeSurpresinha();
                });
        for (const int Qde : FRegras.Teimosinha())
            if (Qde > 0)
                Registra(QStringLiteral("Teimosinha"), Numero(Qde), [&] {
                    FImpressao.SetQdeTeimosinha(Qde);
                    FImpressao.ImprimeQdeTeimosinha();
                });
        // The three quota rows spell the count: tens digit, units digit, or the single 100 box.
        const QString Bolao = QStringLiteral("Bolão");
        const int UltimaCotaOferecida = MaiorCotaOferecida(FRegras);
        for (int Cotas = PrimeiraCota; Cotas <= UltimaCotaOferecida; ++Cotas) {
            FImpressao.SetQdeBolao(Cotas);
            Registra(Bolao, Numero(Cotas / 10), [&] { FImpressao.ImprimeBolaoDezena(); });
            Registra(Bolao, Numero(Cotas % 10), [&] { FImpressao.ImprimeBolaoUnidade(); });
            Registra(Bolao, Numero(Cotas), [&] { FImpressao.ImprimeBolao100(); });
        }
    }

    // The boxes of every text the run writes on a slip, with the longest games and every optional
    // text shown; the identification goes below the slip or along its edge, so both places count.
    QList<QRect> LugaresDosTextos() {
        const QString Jogo = QStringList(Maior(FRegras.QdeNumPorVolante()), QStringLiteral("00")).join(u' ');
        FImpressao.SetJogo1(Jogo);
        FImpressao.SetJogo2(Jogo);
        FImpressao.SetJogo3(Jogo);
        FImpressao.SetJogo4(Jogo);
        FImpressao.SetNumeroPagina(9999);
        FImpressao.SetSequenciaJogo(QStringLiteral("99999 99999 99999 99999"));
        FImpressao.SetNomeIdentificacao(QStringLiteral("IDENTIFICAÇÃO"));
        FImpressao.SetQdeBolao(UltimaCota);

        QImage Folha(1, 1, QImage::Format_RGB32);
        QPainter Pintor(&Folha);
        QList<QRect> Textos;
        for (const bool Lateral : {false, true}) {
            FImpressao.SetImprimirTextoModalidadeLateral(Lateral);
            FImpressao.ImprimeDadosDoJogo();
            for (TComponente* Componente : FForm.RLReport1().Componentes()) {
                const auto* Texto = dynamic_cast<TControleTexto*>(Componente);
                if (!Texto || !Texto->Visible())
                    continue;
                QRect Box = Texto->Box();
                if (const auto* Memo = dynamic_cast<const TMemo*>(Texto))
                    Box.setHeight(int(std::ceil(Memo->AlturaDesenhada(Pintor))));
                if (const auto* Angular = dynamic_cast<const TRotuloAngular*>(Texto);
                    Angular && Angular->Caption().isEmpty())
                    continue;
                if (!Textos.contains(Box))
                    Textos.append(Box);
            }
        }
        return Textos;
    }

    TFormImpressao& FForm;
    TImpressao& FImpressao;
    TModalidade& FRegras;
    QList<TCasaVolante> FCasas;
};

} // namespace

std::optional<TMapaVolante> MapeiaVolante(const TModeloVolante& Modelo, QString& Erro) {
    const std::unique_ptr<TModalidade> Regras = RegrasDoModelo(Modelo);
    TConfiguracaoImpressao Configuracao;
    Configuracao.NomeModalidade = Modelo.NomeModalidade;
    Configuracao.LayoutIndex = Modelo.LayoutIndex;
    Configuracao.QdeJogosPorVolante = Maior(Regras->QdeJogosPorVolante());
    Configuracao.IndiceTimeCoracao = 0; // Timemania: the rules ask for a supporter's club
    // The first numbers-per-game count the rules accept for a plain run; options are asked one by one.
    const TCDSImpressao Folhas(TCDSImpressao::CamposDaImpressao());
    TMensagens Mensagens;
    for (const int Qde : Regras->QdeNumPorVolante()) {
        Configuracao.QdeNumPorVolante = Qde;
        if (const std::unique_ptr<TExecucaoImpressao> Execucao =
                TExecucaoImpressao::Monta(Configuracao, Folhas, Mensagens)) {
            Regras->SetParameters(Qde);
            return TMapeador(*Execucao, *Regras).Mapeia();
        }
    }
    Erro = Mensagens.isEmpty() ? QStringLiteral("as regras não oferecem números por jogo")
                               : Mensagens.constFirst().Texto;
    return std::nullopt;
}
