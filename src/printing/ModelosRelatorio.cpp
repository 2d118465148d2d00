#include "printing/ModelosRelatorio.h"

namespace {

constexpr TAlinhamento L = TAlinhamento::Esquerda;
constexpr TAlinhamento C = TAlinhamento::Centro;
constexpr TAlinhamento R = TAlinhamento::Direita;

// A4 landscape, three slips across, identification and quota labels: the usual template.
TModeloRelatorio Paisagem(const char* NomeClasse, std::optional<int> TopoRotuloAngular, TAlinhamento Titulo,
                          TAlinhamento Pagina, TAlinhamento Identificacao) {
    TModeloRelatorio Modelo;
    Modelo.NomeClasse = QString::fromLatin1(NomeClasse);
    Modelo.TopoRotuloAngular = TopoRotuloAngular;
    Modelo.AlinhamentoTitulo = Titulo;
    Modelo.AlinhamentoPagina = Pagina;
    Modelo.AlinhamentoIdentificacao = Identificacao;
    return Modelo;
}

TMargens MargensGrade(double EsquerdaDireita, double TopoBase) {
    return {Milimetros(EsquerdaDireita), Milimetros(TopoBase), Milimetros(EsquerdaDireita),
            Milimetros(TopoBase)};
}

QList<TModeloRelatorio> Registra() {
    QList<TModeloRelatorio> Modelos;
    Modelos << Paisagem("TFormImpressaoMega_3", 189, C, R, C);
    Modelos << Paisagem("TFormImpressaoMegaVirada_3", std::nullopt, R, R, R);
    Modelos << Paisagem("TFormImpressaoLF_3_2021", 184, C, L, R);
    Modelos << Paisagem("TFormImpressaoDSorte_3", 144, R, R, R);
    Modelos << Paisagem("TFormImpressaoQuina_3", 166, C, R, R);
    Modelos << Paisagem("TFormImpressaoQuina_SaoJoao", std::nullopt, C, R, R);
    Modelos << Paisagem("TFormImpressaoLotomania_1", 184, C, L, R);
    Modelos << Paisagem("TFormImpressaoTimemania_1", std::nullopt, R, R, R);
    Modelos << Paisagem("TFormImpressaoLF_3_2021_Independencia", 193, L, C, R);

    TModeloRelatorio DuplaSena = Paisagem("TFormImpressao_DuplaSena_2020", 242, R, R, C);
    DuplaSena.MargensExternasGrade = MargensGrade(0.1, 0.1);
    Modelos << DuplaSena;
    Modelos << Paisagem("TFormImpressao_DuplaSena_Pascoa_2020", std::nullopt, C, C, C);

    TModeloRelatorio MaisMilionaria = Paisagem("TFormImpressao_MaisMilionaria", std::nullopt, R, R, R);
    MaisMilionaria.Papel = TPapelModelo::Papel210x150Retrato;
    MaisMilionaria.ColCount = 1;
    MaisMilionaria.MargensExternasGrade = MargensGrade(0.1, 0.1);
    MaisMilionaria.TemCotas = false;
    MaisMilionaria.TamanhoTitulo = QSize(159, 15);
    MaisMilionaria.TamanhoPagina = QSize(185, 14);
    Modelos << MaisMilionaria;

    TModeloRelatorio MaisMilionaria2 = Paisagem("TFormImpressao_MaisMilionaria2", std::nullopt, R, R, R);
    MaisMilionaria2.MargensExternasGrade = MargensGrade(0, 0.2);
    Modelos << MaisMilionaria2;

    TModeloRelatorio DiaDeSorte2024 = Paisagem("TFormImpressaoDSorte_2024", 144, R, R, R);
    DiaDeSorte2024.PermiteExportarPdf = false;
    Modelos << DiaDeSorte2024;
    return Modelos;
}

} // namespace

const QList<TModeloRelatorio>& ModelosRelatorio() {
    static const QList<TModeloRelatorio> Modelos = Registra();
    return Modelos;
}

std::unique_ptr<TFormImpressao> CriaFormImpressao(const QString& NomeClasse) {
    for (const TModeloRelatorio& Modelo : ModelosRelatorio())
        if (Modelo.NomeClasse == NomeClasse)
            return std::make_unique<TFormImpressao>(Modelo);
    return nullptr;
}
