#pragma once

#include "report/ControleTexto.h"
#include "report/Relatorio.h"

#include <QSize>
#include <QString>

#include <optional>

class TFonteDadosImpressao;
class TImpressao;

// Paper of a report template.
enum class TPapelModelo {
    A4Paisagem,
    A4Retrato,
    Papel210x150Retrato, // the +Milionária slip of model 0, printed across
};

// The fixed layout of one report template: its paper, the columns of its detail grid and which text
// controls it carries, with their alignment. Prepare fits the grid, the picture and the margins to
// the print run, so only what Prepare leaves alone is described here.
struct TModeloRelatorio {
    QString NomeClasse;
    TPapelModelo Papel = TPapelModelo::A4Paisagem;
    int ColCount = 3;
    TMargens MargensExternasGrade{Milimetros(0.2), Milimetros(0.2), Milimetros(0.2), Milimetros(0.2)};
    bool TemIdentificacao = true;         // LabelNomeModalidadeExtra
    std::optional<int> TopoRotuloAngular; // RLAngleLabel1, when the template has it
    bool TemCotas = true;                 // RLCotas
    TAlinhamento AlinhamentoTitulo = TAlinhamento::Centro;
    TAlinhamento AlinhamentoPagina = TAlinhamento::Centro;
    TAlinhamento AlinhamentoIdentificacao = TAlinhamento::Centro;
    QSize TamanhoTitulo{224, 15};
    QSize TamanhoPagina{224, 15};
    bool PermiteExportarPdf = true; // the preview offers "Documento PDF"
};

// One instance of a report template, created for one print run: the report with its detail grid, the
// slip picture RLImage1 and the text controls (MemoJogos, LabelNomeModalidade, LabelNumPagina and,
// as the template has them, LabelNomeModalidadeExtra, RLAngleLabel1, RLCotas). The slip-marking
// engine adds its shapes to the same report. For every cell the grid's before-print handler hands the
// row the printed store stands on to the run's engine.
class TFormImpressao {
public:
    explicit TFormImpressao(const TModeloRelatorio& Modelo);
    TFormImpressao(const TFormImpressao&) = delete;
    TFormImpressao& operator=(const TFormImpressao&) = delete;

    const TModeloRelatorio& Modelo() const { return FModelo; }
    QString NomeClasse() const { return FModelo.NomeClasse; }
    bool PermiteExportarPdf() const { return FModelo.PermiteExportarPdf; }

    TRelatorio& RLReport1() { return FRelatorio; }
    const TRelatorio& RLReport1() const { return FRelatorio; }
    TGradeDetalhe& RLDetailGrid1() { return *FRelatorio.GradeDetalhe(); }

    // A component of the template by name, compared without regard to case, or none.
    template <class T> T* Componente(const QString& Nome) const { return FRelatorio.Componente<T>(Nome); }

    // The file name of the slip picture: the class name with ".jpg".
    QString ArquivoImagem() const;
    // Loads the slip picture from that folder; false when it cannot be read (the picture stays empty).
    bool CarregaImagem(const QString& Pasta);

    // The rows to print and the engine that fills each cell; the report reads the rows from Fonte.
    void LigaDados(TFonteDadosImpressao* Fonte, TImpressao* Impressao);

private:
    void AntesImprimir();

    TModeloRelatorio FModelo;
    TRelatorio FRelatorio;
    TFonteDadosImpressao* FFonte = nullptr;
    TImpressao* FImpressao = nullptr;
};
