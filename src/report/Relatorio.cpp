#include "report/Relatorio.h"

#include <QPainter>

#include <algorithm>
#include <stdexcept>
#include <type_traits>

TRelatorio::TRelatorio() = default;
TRelatorio::~TRelatorio() = default;

Milimetros TRelatorio::LarguraPagina() const {
    return Milimetros(LayoutPapel().fullRect(QPageLayout::Millimeter).width());
}

Milimetros TRelatorio::AlturaPagina() const {
    return Milimetros(LayoutPapel().fullRect(QPageLayout::Millimeter).height());
}

QPageLayout TRelatorio::LayoutPapel() const {
    return QPageLayout(FTamanhoPapel, FOrientacao, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

template <class T> T& TRelatorio::Registra(std::unique_ptr<T> Novo) {
    T& Criado = *Novo;
    const QString Chave = Criado.Name().toCaseFolded();
    if (FPorNome.contains(Chave))
        throw std::logic_error("report component name already in use: " + Criado.Name().toStdString());
    FPorNome.insert(Chave, &Criado);
    FOrdem.push_back(&Criado);
    if constexpr (std::is_base_of_v<TControle, T>)
        FControles.push_back(&Criado);
    FComponentes.push_back(std::move(Novo));
    return Criado;
}

TGradeDetalhe& TRelatorio::CriaGradeDetalhe(const QString& Name) {
    if (FGradeDetalhe)
        throw std::logic_error("a report has one detail grid only");
    FGradeDetalhe = &Registra(std::make_unique<TGradeDetalhe>(Name));
    return *FGradeDetalhe;
}

TShape& TRelatorio::CriaShape(const QString& Name) {
    return Registra(std::make_unique<TShape>(Name));
}

TRegua& TRelatorio::CriaRegua(const QString& Name) {
    return Registra(std::make_unique<TRegua>(Name));
}

TImagem& TRelatorio::CriaImagem(const QString& Name) {
    return Registra(std::make_unique<TImagem>(Name));
}

TRotulo& TRelatorio::CriaRotulo(const QString& Name) {
    return Registra(std::make_unique<TRotulo>(Name));
}

TMemo& TRelatorio::CriaMemo(const QString& Name) {
    return Registra(std::make_unique<TMemo>(Name));
}

TRotuloAngular& TRelatorio::CriaRotuloAngular(const QString& Name) {
    return Registra(std::make_unique<TRotuloAngular>(Name));
}

TComponente* TRelatorio::Componente(const QString& Name) const {
    return FPorNome.value(Name.toCaseFolded(), nullptr);
}

TLayoutPagina TRelatorio::Layout() const {
    TParametrosLayout Parametros;
    Parametros.LarguraPagina = LarguraPagina();
    Parametros.AlturaPagina = AlturaPagina();
    Parametros.MargensPagina = FMargens;
    if (FGradeDetalhe) {
        Parametros.AlturaGrade = FGradeDetalhe->Height();
        Parametros.ColCount = FGradeDetalhe->ColCount();
        Parametros.MargensExternas = FGradeDetalhe->MargensExternas();
        Parametros.MargensInternas = FGradeDetalhe->MargensInternas();
    }
    return TLayoutPagina(Parametros);
}

int TRelatorio::QdePaginas() const {
    if (!FGradeDetalhe || !FFonteDados)
        return 0;
    return Layout().QdePaginas(FFonteDados->QdeLinhas());
}

void TRelatorio::DesenhaPagina(QPainter& Pintor, int Indice) {
    if (!FGradeDetalhe || !FFonteDados || Indice < 0)
        return;
    const TLayoutPagina PaginaLayout = Layout();
    const int Primeira = Indice * PaginaLayout.CelulasPorPagina();
    const int Ultima = std::min(FFonteDados->QdeLinhas(), Primeira + PaginaLayout.CelulasPorPagina());
    Pintor.save();
    Pintor.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                          QPainter::SmoothPixmapTransform);
    for (int Linha = Primeira; Linha < Ultima; ++Linha) {
        FFonteDados->PosicionaLinha(Linha);
        if (FGradeDetalhe->AntesImprimir())
            FGradeDetalhe->AntesImprimir()(*FFonteDados);
        DesenhaCelula(Pintor, PaginaLayout, Linha - Primeira);
    }
    Pintor.restore();
}

void TRelatorio::DesenhaCelula(QPainter& Pintor, const TLayoutPagina& PaginaLayout, int IndiceNaPagina) {
    const TBordas Bordas = FGradeDetalhe->Bordas();
    if (Bordas != TBordas::Nenhuma()) {
        // Each line lies half a pixel inside the cell, so the border stays within it.
        const QRectF Contorno = PaginaLayout.Celula(IndiceNaPagina).adjusted(0.5, 0.5, -0.5, -0.5);
        Pintor.setPen(QPen(FGradeDetalhe->CorBorda(), 1.0, Qt::SolidLine, Qt::SquareCap));
        if (Bordas.Esquerda)
            Pintor.drawLine(Contorno.topLeft(), Contorno.bottomLeft());
        if (Bordas.Topo)
            Pintor.drawLine(Contorno.topLeft(), Contorno.topRight());
        if (Bordas.Direita)
            Pintor.drawLine(Contorno.topRight(), Contorno.bottomRight());
        if (Bordas.Base)
            Pintor.drawLine(Contorno.bottomLeft(), Contorno.bottomRight());
    }
    Pintor.save();
    Pintor.translate(PaginaLayout.OrigemConteudo(IndiceNaPagina));
    for (const TControle* Controle : FControles)
        if (Controle->Visible())
            Controle->Desenha(Pintor);
    Pintor.restore();
}
