#include "printing/FormImpressao.h"

#include "printing/FonteDadosImpressao.h"
#include "printing/Impressao.h"

#include <QDir>

namespace {

constexpr Milimetros MargemInternaGrade(0.4);
constexpr QSize TamanhoRotulo(224, 15);
constexpr QSize TamanhoCotas(71, 15);
constexpr QSize TamanhoRotuloAngular(15, 91);
constexpr int AlturaMemo = 26;
constexpr int LarguraMemo = 276;

void DefinePapel(TRelatorio& Relatorio, TPapelModelo Papel) {
    switch (Papel) {
    case TPapelModelo::A4Paisagem:
        Relatorio.SetTamanhoPapel(QPageSize(QPageSize::A4));
        Relatorio.SetOrientacao(QPageLayout::Landscape);
        break;
    case TPapelModelo::A4Retrato:
        Relatorio.SetTamanhoPapel(QPageSize(QPageSize::A4));
        Relatorio.SetOrientacao(QPageLayout::Portrait);
        break;
    case TPapelModelo::Papel210x150Retrato:
        Relatorio.SetTamanhoPapel(QPageSize(QSizeF(210, 150), QPageSize::Millimeter));
        Relatorio.SetOrientacao(QPageLayout::Portrait);
        break;
    }
}

template <class T> T& CriaTexto(T& Controle, const QSize& Tamanho, TAlinhamento Alinhamento) {
    Controle.SetBox(QRect(QPoint(0, 0), Tamanho));
    Controle.SetAlignment(Alinhamento);
    return Controle;
}

} // namespace

TFormImpressao::TFormImpressao(const TModeloRelatorio& Modelo)
    : FModelo(Modelo) {
    DefinePapel(FRelatorio, Modelo.Papel);

    TGradeDetalhe& Grade = FRelatorio.CriaGradeDetalhe(QStringLiteral("RLDetailGrid1"));
    Grade.SetColCount(Modelo.ColCount);
    Grade.SetBordas(TBordas::Todas());
    Grade.SetMargensExternas(Modelo.MargensExternasGrade);
    Grade.SetMargensInternas(
        {MargemInternaGrade, MargemInternaGrade, MargemInternaGrade, MargemInternaGrade});
    Grade.SetAntesImprimir([this](TFonteDados&) { AntesImprimir(); });

    // Created first so that it lies under every text and shape; Prepare sizes it.
    FRelatorio.CriaImagem(QStringLiteral("RLImage1"));
    // The millimetre scale of the alignment test, over the picture and under the rest; hidden unless
    // the run asks for it.
    FRelatorio.CriaRegua(QStringLiteral("RLReguaMilimetrada")).SetVisible(false);
    CriaTexto(FRelatorio.CriaMemo(QStringLiteral("MemoJogos")), QSize(LarguraMemo, AlturaMemo),
              TAlinhamento::Esquerda);
    CriaTexto(FRelatorio.CriaRotulo(QStringLiteral("LabelNomeModalidade")), Modelo.TamanhoTitulo,
              Modelo.AlinhamentoTitulo);
    CriaTexto(FRelatorio.CriaRotulo(QStringLiteral("LabelNumPagina")), Modelo.TamanhoPagina,
              Modelo.AlinhamentoPagina);
    if (Modelo.TemIdentificacao)
        CriaTexto(FRelatorio.CriaRotulo(QStringLiteral("LabelNomeModalidadeExtra")), TamanhoRotulo,
                  Modelo.AlinhamentoIdentificacao);
    if (Modelo.TopoRotuloAngular) {
        auto& Angular = CriaTexto(FRelatorio.CriaRotuloAngular(QStringLiteral("RLAngleLabel1")),
                                  TamanhoRotuloAngular, TAlinhamento::Esquerda);
        Angular.SetTop(*Modelo.TopoRotuloAngular);
        Angular.SetAngulo(270);
    }
    if (Modelo.TemCotas)
        CriaTexto(FRelatorio.CriaRotulo(QStringLiteral("RLCotas")), TamanhoCotas, TAlinhamento::Esquerda);
}

QString TFormImpressao::ArquivoImagem() const {
    return FModelo.NomeClasse + QStringLiteral(".jpg");
}

bool TFormImpressao::CarregaImagem(const QString& Pasta) {
    return Componente<TImagem>(QStringLiteral("RLImage1"))
        ->CarregaArquivo(QDir(Pasta).filePath(ArquivoImagem()));
}

void TFormImpressao::LigaDados(TFonteDadosImpressao* Fonte, TImpressao* Impressao) {
    FFonte = Fonte;
    FImpressao = Impressao;
    FRelatorio.SetFonteDados(Fonte);
}

void TFormImpressao::AntesImprimir() {
    if (FFonte && FImpressao)
        FImpressao->SetDados(FFonte->FolhaAtual());
}
