#include "printing/ExecucaoImpressao.h"

#include "assets/volantes/ImagensVolantes.h"
#include "catalogue/ULib.h"
#include "printing/CriaImpressao.h"
#include "printing/ModelosRelatorio.h"

#include <QDir>

#include <algorithm>

namespace {

const QString MensagemIndisponivel = QStringLiteral("Modalidade Não Disponível para Impressão no Momento.");

// The title printed on every slip: the first four letters of the game and the slip model's caption
// ('Mega 2020').
QString TituloDoVolante(const TModalidade& Modalidade, int LayoutIndex) {
    return Modalidade.NomeModalidade().left(4) + QLatin1Char(' ') + Modalidade.Layout().value(LayoutIndex);
}

// The paper of the run where it differs from the template's: the official slip is fed in portrait;
// the +Milionária slip of model 0 prints two to a portrait A4 sheet, or alone on its own paper.
void AjustaPapel(TRelatorio& Relatorio, const TConfiguracaoImpressao& Configuracao, TTipoModalidade Tipo) {
    if (Configuracao.ImpressaoVolanteOficial)
        Relatorio.SetOrientacao(QPageLayout::Portrait);
    if (Tipo == TTipoModalidade::MaisMilionaria && Configuracao.LayoutIndex == 0) {
        Relatorio.SetOrientacao(QPageLayout::Portrait);
        const double Altura = Configuracao.ImpressaoVolanteOficial ? 150 : 297;
        Relatorio.SetTamanhoPapel(QPageSize(QSizeF(210, Altura), QPageSize::Millimeter));
    }
}

// The slip picture of the alignment test: light grey, its darkest lines lighter than any mark, so that
// the black marks stand out and a check of the marks never takes an outline for one.
QImage ContornoEmCinza(const QImage& Imagem) {
    QImage Cinza = Imagem.convertToFormat(QImage::Format_Grayscale8);
    for (int Y = 0; Y < Cinza.height(); ++Y) {
        uchar* Linha = Cinza.scanLine(Y);
        for (int X = 0; X < Cinza.width(); ++X)
            Linha[X] = uchar(255 - (255 - Linha[X]) * 45 / 100);
    }
    return Cinza;
}

// Shows the template's millimetre scale, as large as a cell's content, from its corner.
void MostraRegua(TRelatorio& Relatorio) {
    auto* Regua = Relatorio.Componente<TRegua>(QStringLiteral("RLReguaMilimetrada"));
    if (!Regua)
        return;
    const TLayoutPagina Layout = Relatorio.Layout();
    const QPointF Origem = Layout.OrigemConteudo(0);
    const QRectF Celula = Layout.Celula(0);
    Regua->SetBox(QRect(0, 0, int(Celula.right() - Origem.x()), int(Celula.bottom() - Origem.y())));
    Regua->SetVisible(true);
}

void DefineConfiguracao(TImpressao& Impressao, TFormImpressao& Form, const TModalidade& Modalidade,
                        const TConfiguracaoImpressao& Configuracao) {
    Impressao.SetQdeVolantesPorPagina_A4(Modalidade.QdeVolantesPorPagina());
    Impressao.SetFormOwner(&Form);
    Impressao.SetDetailGrid(Form.Componente<TGradeDetalhe>(QStringLiteral("rldetailgrid1")));
    Impressao.SetImprimirTextoModalidadeLateral(Configuracao.ImprimirTextoModalidadeLateral);
    Impressao.SetQdeNumPorVolante(Configuracao.QdeNumPorVolante);
    Impressao.SetQdeJogosPorVolante(Configuracao.QdeJogosPorVolante);
    Impressao.SetImagemVisivel(Configuracao.ImagemVisivel || Configuracao.TesteAlinhamento);
    Impressao.SetLayoutIndex(Modalidade.LayoutIndex());
    Impressao.SetImpressaoVolanteOficial(Configuracao.ImpressaoVolanteOficial);
    Impressao.SetQdeSurpresinha(Configuracao.QdeSurpresinha);
    Impressao.SetQdeTeimosinha(Configuracao.QdeTeimosinha);
    Impressao.SetQdeBolao(Configuracao.QdeBolao);
    Impressao.SetAjusteUsuario({Configuracao.AjusteEsquerda, Configuracao.AjusteTopo});
    Impressao.SetNomeModalidade(TituloDoVolante(Modalidade, Modalidade.LayoutIndex()));
    Impressao.SetTipoModalidade(Modalidade.TipoModalidade());
    Impressao.SetNomeIdentificacao(AparaTexto(Configuracao.NomeIdentificacao));
    Impressao.SetMarcarTrevoMao(Configuracao.MarcarTrevoMao);
    Impressao.SetQdeTrevo(Configuracao.QdeTrevo);
    Impressao.SetGuiaForcada(Configuracao.GuiaForcada);
    Impressao.SetImprimirNumerosJogos(Configuracao.ImprimirNumerosJogos);
}

// The template of the chosen slip model and the game's slip layout with every setting of the run,
// the page fitted to them; either is missing when the game or model cannot be printed.
struct TFormatoPagina {
    std::unique_ptr<TFormImpressao> Form;
    std::unique_ptr<TImpressao> Impressao;
};

TFormatoPagina AjustaFormato(const TModalidade& Modalidade, const TConfiguracaoImpressao& Configuracao) {
    TFormatoPagina Formato{CriaFormImpressao(Modalidade.NomeRelatorio().value(Modalidade.LayoutIndex())),
                           CriaImpressao(Configuracao.NomeModalidade)};
    if (!Formato.Form || !Formato.Impressao)
        return Formato;
    Formato.Impressao->SetColorShape(Configuracao.ColorShape);
    DefineConfiguracao(*Formato.Impressao, *Formato.Form, Modalidade, Configuracao);
    AjustaPapel(Formato.Form->RLReport1(), Configuracao, Modalidade.TipoModalidade());
    Formato.Impressao->Prepare();
    return Formato;
}

} // namespace

int TExecucaoImpressao::VolantesPorPagina(const TConfiguracaoImpressao& Configuracao) {
    const std::unique_ptr<TModalidade> Modalidade = CriaModalidade(Configuracao.NomeModalidade);
    if (!Modalidade)
        return 1;
    Modalidade->SetLayoutIndex(Configuracao.LayoutIndex);
    Modalidade->SetParameters(Configuracao.QdeNumPorVolante);
    const TFormatoPagina Formato = AjustaFormato(*Modalidade, Configuracao);
    if (!Formato.Form || !Formato.Impressao)
        return Configuracao.ImpressaoVolanteOficial ? 1 : std::max(1, Modalidade->QdeVolantesPorPagina());
    return Formato.Form->RLReport1().Layout().CelulasPorPagina();
}

TExecucaoImpressao::TExecucaoImpressao(std::unique_ptr<TFormImpressao> Form,
                                       std::unique_ptr<TImpressao> Impressao,
                                       const TCDSImpressao& CDSImpressao)
    : FForm(std::move(Form))
    , FImpressao(std::move(Impressao))
    , FFonte(CDSImpressao) {
    FForm->LigaDados(&FFonte, FImpressao.get());
}

std::unique_ptr<TExecucaoImpressao> TExecucaoImpressao::Monta(const TConfiguracaoImpressao& Configuracao,
                                                              const TCDSImpressao& CDSImpressao,
                                                              TMensagens& Mensagens) {
    Mensagens.clear();
    const std::unique_ptr<TModalidade> Modalidade = CriaModalidade(Configuracao.NomeModalidade);
    if (!Modalidade) {
        Mensagens.append({TTipoMensagem::Erro, MensagemIndisponivel});
        return nullptr;
    }
    Modalidade->SetLayoutIndex(Configuracao.LayoutIndex);
    Modalidade->SetParameters(Configuracao.QdeNumPorVolante);
    Modalidade->ValidaImpressao(Configuracao.QdeNumPorVolante, Configuracao.QdeBolao,
                                Configuracao.QdeTeimosinha, Configuracao.IndiceTimeCoracao,
                                Configuracao.LayoutIndex);
    if (!Modalidade->LiberadoImprimir()) {
        Mensagens = Modalidade->MensagensValidacao();
        return nullptr;
    }
    TFormatoPagina Formato = AjustaFormato(*Modalidade, Configuracao);
    if (!Formato.Form || !Formato.Impressao) {
        Mensagens.append({TTipoMensagem::Erro, MensagemIndisponivel});
        return nullptr;
    }
    std::unique_ptr<TFormImpressao> Form = std::move(Formato.Form);
    std::unique_ptr<TImpressao> Impressao = std::move(Formato.Impressao);
    const QString PastaImagens =
        Configuracao.PastaImagens.isEmpty() ? PastaImagensVolantes() : Configuracao.PastaImagens;
    if ((Configuracao.ImagemVisivel || Configuracao.TesteAlinhamento) && !Form->CarregaImagem(PastaImagens))
        Mensagens.append({TTipoMensagem::Aviso,
                          QStringLiteral("Imagem do volante não encontrada: ") +
                              QDir::toNativeSeparators(QDir(PastaImagens).filePath(Form->ArquivoImagem()))});
    if (Configuracao.TesteAlinhamento) {
        if (auto* Imagem = Form->Componente<TImagem>(QStringLiteral("RLImage1")))
            Imagem->SetPicture(ContornoEmCinza(Imagem->Picture()));
        MostraRegua(Form->RLReport1());
    }
    Impressao->CriaTodosShapes();
    return std::unique_ptr<TExecucaoImpressao>(
        new TExecucaoImpressao(std::move(Form), std::move(Impressao), CDSImpressao));
}
