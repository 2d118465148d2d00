#include "printing/Impressao.h"

#include "catalogue/ULib.h"
#include "printing/FormImpressao.h"
#include "report/Imagem.h"
#include "report/Memo.h"
#include "report/Rotulo.h"
#include "report/RotuloAngular.h"
#include "store/CDSImpressao.h"

#include <algorithm>
#include <array>

namespace {

const QString MensagemErroColocacao = QStringLiteral(
    "Desculpe mas esse erro não poderia ter ocorrido. Favor Entrar em Contato com o Suporte do Programa de "
    "Impressão - Portal Bilheron");

constexpr int AlturaCelula = 715;
constexpr int AlturaCelulaMaisMilionaria0 = 426;
constexpr int LarguraMemo = 276;
const QColor CorBordaGrade(196, 196, 196);

QString Numero(int Valor) {
    return QString::number(Valor);
}

QString TextoOpcional(const std::optional<int>& Valor) {
    return Valor ? Numero(*Valor) : QString();
}

// The size of the slip picture of a game's slip model, in report pixels.
std::optional<QSize> TamanhoImagem(TTipoModalidade Tipo, int LayoutIndex) {
    const bool Modelo0 = LayoutIndex == 0;
    switch (Tipo) {
    case TTipoModalidade::Megasena:
        return Modelo0 ? QSize(311, 704) : QSize(312, 696);
    case TTipoModalidade::Lotofacil:
        return Modelo0 ? QSize(313, 704) : QSize(311, 704);
    case TTipoModalidade::DiaDeSorte:
        return Modelo0 ? QSize(312, 704) : QSize(312, 702);
    case TTipoModalidade::Quina:
    case TTipoModalidade::DuplaSena:
        return QSize(312, 704);
    case TTipoModalidade::Lotomania:
        return QSize(313, 707);
    case TTipoModalidade::Timemania:
        return QSize(312, 707);
    case TTipoModalidade::MaisMilionaria:
        return Modelo0 ? QSize(706, 416) : QSize(311, 694);
    case TTipoModalidade::Seninha:
    case TTipoModalidade::Super7:
    case TTipoModalidade::Indefinida:
        break;
    }
    return std::nullopt;
}

// Room kept between a page label and the title it shares a line with, and the smallest size their
// texts shrink to.
constexpr int FolgaAntesDoTitulo = 4;
constexpr int MenorFonteNaLinhaDoTitulo = 5;

// Shrinks the text's font until the text fits its box (or the smallest size is reached).
void CabeNoBox(TRotulo& Rotulo) {
    while (Rotulo.TamanhoFonte() > MenorFonteNaLinhaDoTitulo && Rotulo.AreaDoTexto().width() > Rotulo.Width())
        Rotulo.SetTamanhoFonte(Rotulo.TamanhoFonte() - 1);
}

// A page label on the title's line, to the left of it: both shrink until their text fits their box,
// the label's box ending before the title, so that neither prints over the other. A title that still
// does not fit loses the end of the identification it carries when the slip prints that whole apart.
void MantemAntesDoTitulo(TRotulo& Pagina, TRotulo& Titulo, bool IdentificacaoAParte) {
    if (!Pagina.Box().intersects(Titulo.Box()) || Pagina.Left() >= Titulo.Left())
        return;
    CabeNoBox(Titulo);
    if (IdentificacaoAParte && Titulo.AreaDoTexto().width() > Titulo.Width())
        Titulo.SetCaption(Titulo.TextoQueCabe(Titulo.Caption(), Titulo.Width()));
    const double Fim = std::min<double>(Titulo.Left(), Titulo.AreaDoTexto().left()) - FolgaAntesDoTitulo;
    Pagina.SetWidth(std::max(0, static_cast<int>(Fim) - Pagina.Left()));
    CabeNoBox(Pagina);
}

TMargens MargensPagina(bool VolanteOficial, bool MaisMilionaria0) {
    if (VolanteOficial)
        return {};
    if (MaisMilionaria0)
        return {Milimetros(2), Milimetros(2), Milimetros(20.5), Milimetros(2)};
    return {Milimetros(20), Milimetros(10), Milimetros(20), Milimetros(10)};
}

} // namespace

// Shapes

void TImpressao::CriaShape(const QList<int>& Box, TFormatoShape Formato, int TagObj,
                           const QString& NomeObjeto) {
    TShape& Shape = FFormOwner->RLReport1().CriaShape(NomeObjeto);
    Shape.SetBox(QRect(Box.value(0), Box.value(1), Box.value(2), Box.value(3)));
    Shape.SetFormato(Formato);
    Shape.SetCorPreenchimento(FColorShape);
    Shape.SetCorLinha(FColorShape);
    Shape.SetCorFundo(QColor(255, 255, 255));
    Shape.SetVisible(false);
    Shape.SetTag(TagObj);
}

void TImpressao::CriaShapeNumeros(const QList<int>& Box) {
    for (int Jogo = 1; Jogo <= FQdeJogosPorVolante; ++Jogo)
        for (int Posicao = 1; Posicao <= FQdeNumPorVolante; ++Posicao)
            CriaShape(Box, TFormatoShape::dkElipse, TagMarca,
                      QStringLiteral("ShapeJogo") + Numero(Jogo) + QStringLiteral("_Num") + Numero(Posicao));
}

void TImpressao::CriaTodosShapes() {
    CriaShapeNumeros(FBox);
}

void TImpressao::EscondeShapes() {
    if (!FFormOwner)
        return;
    const bool GuiasVisiveis = !FImpressaoVolanteOficial || FGuiaForcada;
    for (TShape* Shape : FShapes.Todos(FFormOwner->RLReport1()))
        Shape->SetVisible(Shape->Tag() == TagGuiaVisivel && GuiasVisiveis);
}

TShape* TImpressao::ShapePorNome(const QString& Nome) {
    return FFormOwner ? FShapes.Shape(FFormOwner->RLReport1(), Nome) : nullptr;
}

QString TImpressao::FalhaDaColocacao(TShape* Coluna, TShape* Linha, TShape* Marca) const {
    if (!FFormOwner)
        return QStringLiteral("Relatório não definido");
    const std::array<std::pair<TShape*, const QString*>, 3> Objetos{
        {{Coluna, &FObjColuna}, {Linha, &FObjLinha}, {Marca, &FShapeAtual}}};
    for (const auto& [Shape, Nome] : Objetos)
        if (!Shape)
            return QStringLiteral("Objeto não encontrado: ") + *Nome;
    if (FAjusteFino.size() < 2)
        return QStringLiteral("Ajuste fino incompleto: são necessários 2 valores, há ") +
               Numero(FAjusteFino.size());
    return {};
}

void TImpressao::ImprimeShape() {
    TShape* Coluna = ShapePorNome(FObjColuna);
    TShape* Linha = ShapePorNome(FObjLinha);
    TShape* Marca = ShapePorNome(FShapeAtual);
    const QString Falha = FalhaDaColocacao(Coluna, Linha, Marca);
    if (Falha.isEmpty()) {
        Marca->SetLeft(Coluna->Left() + FAjusteFino[0]);
        Marca->SetTop(Linha->Top() + FAjusteFino[1]);
        Marca->SetVisible(true);
    } else {
        Informa(MensagemErroColocacao + QStringLiteral("\rImprimeShape : ") + FObjColuna +
                QStringLiteral(" - ") + FObjLinha + QStringLiteral(" - ") + FShapeAtual +
                QStringLiteral("\r\rErro : ") + Falha);
    }
    Resete();
}

void TImpressao::Resete() {
    FLinha = -1;
    FColuna = -1;
    FAjusteFino = {0, 0};
}

void TImpressao::Informa(const QString& Texto) {
    const TMensagem Mensagem{TTipoMensagem::Erro, Texto};
    FMensagens.append(Mensagem);
    if (FAoMensagem)
        FAoMensagem(Mensagem);
}

// Base marking operations

void TImpressao::ImprimeNaColuna(const QString& NomeGuiaLinha, const QString& NomeMarca) {
    FObjColuna = QStringLiteral("SG_Col") + Numero(FColuna);
    FObjLinha = NomeGuiaLinha;
    FShapeAtual = NomeMarca;
    ImprimeShape();
}

void TImpressao::ImprimeNumero(int NumShape, int /*Numero*/, int NumJogo) {
    ImprimeNaColuna(QStringLiteral("SG_Lin") + Numero(FLinha) + QStringLiteral("_Jogo") + Numero(NumJogo),
                    QStringLiteral("ShapeJogo") + Numero(NumJogo) + QStringLiteral("_Num") +
                        Numero(NumShape));
}

void TImpressao::ImprimeQdeNumPorVolante() {
    ImprimeNaColuna(QStringLiteral("SG_QdeNumPorVolante"), QStringLiteral("ShapeQdeNumPorVolante"));
}

void TImpressao::ImprimeQdeSurpresinha() {
    ImprimeNaColuna(QStringLiteral("SG_Surpresinha"), QStringLiteral("ShapeSurpresinha"));
}

void TImpressao::ImprimeQdeTeimosinha() {
    ImprimeNaColuna(QStringLiteral("SG_Teimosinha"), QStringLiteral("ShapeTeimosinha"));
}

void TImpressao::ImprimeBolaoDezena() {
    ImprimeNaColuna(QStringLiteral("SG_BolaoDezena"), QStringLiteral("ShapeBolaoDezena"));
}

void TImpressao::ImprimeBolaoUnidade() {
    ImprimeNaColuna(QStringLiteral("SG_BolaoUnidade"), QStringLiteral("ShapeBolaoUnidade"));
}

void TImpressao::ImprimeBolao100() {
    ImprimeNaColuna(QStringLiteral("SG_Bolao100"), QStringLiteral("ShapeBolao100"));
}

void TImpressao::ImprimeMes(int NumJogo, int /*Mes*/) {
    if (FTipoModalidade != TTipoModalidade::DiaDeSorte)
        return;
    ImprimeNaColuna(QStringLiteral("SG_Lin") + Numero(FLinha) + QStringLiteral("_Jogo") + Numero(NumJogo) +
                        QStringLiteral("_Mes"),
                    QStringLiteral("ShapeJogo") + Numero(NumJogo) + QStringLiteral("_Mes"));
}

void TImpressao::ImprimeApostaEspelho(int /*NumJogo*/, bool ImprimirApostaEspelho) {
    if (FTipoModalidade != TTipoModalidade::Lotomania || !ImprimirApostaEspelho)
        return;
    FObjColuna = QStringLiteral("SG_Col1");
    FObjLinha = QStringLiteral("SG_ApostaEspelho");
    FShapeAtual = QStringLiteral("ShapeApostaEspelho1");
    ImprimeShape();
}

void TImpressao::ImprimeTimeCoracao(int /*NumJogo*/, int /*TimeCoracao*/) {
    if (FTipoModalidade != TTipoModalidade::Timemania)
        return;
    ImprimeNaColuna(QStringLiteral("SG_Lin") + Numero(FLinha) + QStringLiteral("_Time"),
                    QStringLiteral("ShapeTimeCoracao"));
}

void TImpressao::ImprimeQdeTrevo() {
    if (FTipoModalidade != TTipoModalidade::MaisMilionaria)
        return;
    ImprimeNaColuna(QStringLiteral("SG_QdeTrevo"), QStringLiteral("ShapeQdeTrevo"));
}

void TImpressao::ImprimeTrevo(int NumJogo, const QString& Trevo) {
    if (FTipoModalidade != TTipoModalidade::MaisMilionaria)
        return;
    for (int Indice = 1; Indice <= 6; ++Indice) {
        if (!Trevo.contains(Numero(Indice)))
            continue;
        QString GuiaLinha;
        if (FLayoutIndex == 0) {
            // Two rows of three under each game's grid; the games lie six columns apart.
            FColuna = (Indice - 1) % 3 + 2 + 6 * (NumJogo - 1);
            GuiaLinha = Indice <= 3 ? QStringLiteral("SG_Lin_Trevo1") : QStringLiteral("SG_Lin_Trevo2");
        } else {
            // Three rows of two beside the grid, on number rows 3, 6 and 9.
            FColuna = Indice % 2 == 1 ? 7 : 9;
            GuiaLinha = QStringLiteral("SG_Lin") + Numero((Indice + 1) / 2 * 3) + QStringLiteral("_Jogo") +
                        Numero(NumJogo);
        }
        FAjusteFino = {1, -1};
        const QString Marca =
            QStringLiteral("ShapeJogo") + Numero(NumJogo) + QStringLiteral("_Trevo") + Numero(Indice);
        if (FMarcarTrevoMao)
            Resete(); // the user marks the clovers by hand
        else
            ImprimeNaColuna(GuiaLinha, Marca);
    }
}

// One print sheet

void TImpressao::SetDados(const TFolhaImpressao& Folha) {
    FJogo1 = Folha.Jogo[0];
    FJogo2 = Folha.Jogo[1];
    FJogo3 = Folha.Jogo[2];
    FJogo4 = Folha.Jogo[3];
    FNumeroPagina = Folha.NumPagina;
    FSequenciaJogo = TextoOpcional(Folha.IdJogo[0]) + QLatin1Char(' ') + TextoOpcional(Folha.IdJogo[1]) +
                     QLatin1Char(' ') + TextoOpcional(Folha.IdJogo[2]) + QLatin1Char(' ') +
                     TextoOpcional(Folha.IdJogo[3]);
    FMesJogo1 = Folha.MesJogo[0].value_or(0);
    FMesJogo2 = Folha.MesJogo[1].value_or(0);
    FMesJogo3 = Folha.MesJogo[2].value_or(0);
    FMesJogo4 = Folha.MesJogo[3].value_or(0);
    FTimeCoracaoJogo1 = Folha.TimeCoracaoJogo[0].value_or(0);
    FTimeCoracaoJogo2 = Folha.TimeCoracaoJogo[1].value_or(0);
    FTimeCoracaoJogo3 = Folha.TimeCoracaoJogo[2].value_or(0);
    FTimeCoracaoJogo4 = Folha.TimeCoracaoJogo[3].value_or(0);
    FApostaEspelho1 = Folha.Espelho[0] == 1;
    FApostaEspelho2 = Folha.Espelho[1] == 1;
    FApostaEspelho3 = Folha.Espelho[2] == 1;
    FApostaEspelho4 = Folha.Espelho[3] == 1;
    FTrevo1 = Folha.Trevo[0];
    FTrevo2 = Folha.Trevo[1];
    FTrevo3 = Folha.Trevo[2];
    FTrevo4 = Folha.Trevo[3];
    ImprimeJogo();
}

void TImpressao::ImprimeJogo() {
    // A new engine starts at column 0 and row 0, which name real guides: a value without a box must
    // find no guide on the first sheet either.
    Resete();
    EscondeShapes();
    const std::array Jogos{FJogo1, FJogo2, FJogo3, FJogo4};
    const std::array Meses{FMesJogo1, FMesJogo2, FMesJogo3, FMesJogo4};
    const std::array Times{FTimeCoracaoJogo1, FTimeCoracaoJogo2, FTimeCoracaoJogo3, FTimeCoracaoJogo4};
    const std::array Espelhos{FApostaEspelho1, FApostaEspelho2, FApostaEspelho3, FApostaEspelho4};
    const std::array Trevos{FTrevo1, FTrevo2, FTrevo3, FTrevo4};
    for (int Jogo = 1; Jogo <= 4; ++Jogo) {
        const QStringList Pedacos = DivideTexto(Jogos[Jogo - 1], u" ");
        bool AlgumNumero = false;
        for (int Posicao = 1; Posicao <= Pedacos.size(); ++Posicao) {
            const QString& Pedaco = Pedacos[Posicao - 1];
            if (Pedaco.isEmpty())
                continue;
            bool Valido = false;
            const int Valor = Pedaco.toInt(&Valido);
            if (!Valido) {
                // Stored games are normalised, so this is damaged data: print no half-marked slip.
                Informa(QStringLiteral("Erro de conversão : '") + Pedaco +
                        QStringLiteral("' não é um número inteiro válido (Pag : ") + Numero(FNumeroPagina) +
                        QStringLiteral(", Jogo ") + Numero(Jogo) +
                        QStringLiteral("). O volante foi impresso sem as marcas dos jogos."));
                EscondeShapes();
                ImprimeDadosDoJogo();
                return;
            }
            ImprimeNumero(Posicao, Valor, Jogo);
            AlgumNumero = true;
        }
        if (AlgumNumero) {
            ImprimeMes(Jogo, Meses[Jogo - 1]);
            ImprimeTimeCoracao(Jogo, Times[Jogo - 1]);
            ImprimeApostaEspelho(Jogo, Espelhos[Jogo - 1]);
            ImprimeTrevo(Jogo, Trevos[Jogo - 1]);
        }
    }
    ImprimeQdeNumPorVolante();
    ImprimeQdeSurpresinha();
    ImprimeQdeTeimosinha();
    ImprimeQdeTrevo();
    ImprimeBolaoDezena();
    ImprimeBolaoUnidade();
    ImprimeBolao100();
    ImprimeDadosDoJogo();
}

void TImpressao::ImprimeDadosDoJogo() {
    if (!FFormOwner)
        return;
    const TFormImpressao& Form = *FFormOwner;
    const int Modelo = FLayoutIndex;
    const QString Identificadores = QLatin1Char('(') +
                                    AparaTexto(FSequenciaJogo).replace(QLatin1Char(' '), QLatin1Char('-')) +
                                    QLatin1Char(')');

    if (auto* Memo = Form.Componente<TMemo>(QStringLiteral("MemoJogos"))) {
        Memo->SetLines({FJogo1, FJogo2, FJogo3, FJogo4});
        Memo->SetTamanhoFonte(FTipoModalidade == TTipoModalidade::Lotomania ? 6 : 8);
        Memo->SetLeft(FImpRelacaoJogos_E.value(Modelo));
        Memo->SetTop(FImpRelacaoJogos_T.value(Modelo));
        Memo->SetWidth(LarguraMemo);
        Memo->SetVisible(FImprimirNumerosJogos);
    }
    if (auto* Titulo = Form.Componente<TRotulo>(QStringLiteral("LabelNomeModalidade"))) {
        Titulo->SetLeft(FImpNomeModalidade_E.value(Modelo));
        Titulo->SetTop(FImpNomeModalidade_T.value(Modelo));
        Titulo->SetTamanhoFonte(10);
        Titulo->SetCaption(FNomeModalidade);
        Titulo->SetVisible(true);
        if (!FNomeIdentificacao.isEmpty()) {
            Titulo->SetTamanhoFonte(7);
            Titulo->SetCaption(FNomeModalidade + QStringLiteral(" - ") + FNomeIdentificacao);
        }
    }
    if (auto* Pagina = Form.Componente<TRotulo>(QStringLiteral("LabelNumPagina"))) {
        Pagina->SetLeft(FImpNumPagina_E.value(Modelo));
        Pagina->SetTop(FImpNumPagina_T.value(Modelo));
        Pagina->SetTamanhoFonte(10);
        Pagina->SetWidth(Form.Modelo().TamanhoPagina.width());
        Pagina->SetCaption(QStringLiteral("Pag : ") + Numero(FNumeroPagina) + QLatin1Char(' ') +
                           Identificadores);
        Pagina->SetVisible(true);
        if (auto* Titulo = Form.Componente<TRotulo>(QStringLiteral("LabelNomeModalidade")))
            MantemAntesDoTitulo(*Pagina, *Titulo,
                                Form.Componente<TRotulo>(QStringLiteral("LabelNomeModalidadeExtra")) !=
                                    nullptr);
    }
    auto* Extra = Form.Componente<TRotulo>(QStringLiteral("LabelNomeModalidadeExtra"));
    if (Extra) {
        Extra->SetLeft(FImpNomeModalidadeExtra_E.value(Modelo));
        Extra->SetTop(FImpNomeModalidadeExtra_T.value(Modelo));
        Extra->SetTamanhoFonte(9);
        Extra->SetCaption(FNomeIdentificacao);
        Extra->SetVisible(true);
    }
    auto* Angular = Form.Componente<TRotuloAngular>(QStringLiteral("RLAngleLabel1"));
    if (Angular && FImprimirTextoModalidadeLateral) {
        // Printed once only: along the slip's right edge instead of below it.
        Angular->SetCaption(FNomeIdentificacao);
        if (const auto* Imagem = Form.Componente<TImagem>(QStringLiteral("RLImage1")))
            Angular->SetLeft(Imagem->Left() + Imagem->Width() - 18);
        if (Extra)
            Extra->SetVisible(false);
    }
    if (auto* Cotas = Form.Componente<TRotulo>(QStringLiteral("RLCotas"))) {
        if (FQdeBolao <= 0) {
            Cotas->SetVisible(false);
        } else {
            Cotas->SetCaption(Numero(FQdeBolao) + QStringLiteral(" C"));
            Cotas->SetLeft(FImpQdeCotas_E.value(Modelo));
            Cotas->SetTop(FImpQdeCotas_T.value(Modelo));
            Cotas->SetVisible(true);
        }
    }
}

// Page format

void TImpressao::Prepare() {
    if (!FFormOwner || !FDetailGrid)
        return;
    TRelatorio& Relatorio = FFormOwner->RLReport1();
    TGradeDetalhe& Grade = *FDetailGrid;
    const bool MaisMilionaria0 = FTipoModalidade == TTipoModalidade::MaisMilionaria && FLayoutIndex == 0;

    Grade.SetHeight(MaisMilionaria0 ? AlturaCelulaMaisMilionaria0 : AlturaCelula);

    if (auto* Imagem = FFormOwner->Componente<TImagem>(QStringLiteral("RLImage1"))) {
        Imagem->SetVisible(FImagemVisivel);
        if (const std::optional<QSize> Tamanho = TamanhoImagem(FTipoModalidade, FLayoutIndex))
            Imagem->SetBox(QRect(Imagem->Left(), Imagem->Top(), Tamanho->width(), Tamanho->height()));
    }

    TMargens Externas = Grade.MargensExternas();
    if (FImpressaoVolanteOficial) {
        Grade.SetColCount(1);
        Grade.SetBordas(TBordas::Nenhuma());
        Externas.Esquerda = Milimetros(0.6);
        Externas.Topo = Milimetros(0.6);
    } else {
        Grade.SetCorBorda(CorBordaGrade);
        Externas.Esquerda = Milimetros(0.1);
        Externas.Direita = Milimetros(0.1);
    }
    Grade.SetMargensExternas(Externas);

    // The calibration shifts the whole page: the opposite margin gives back what one side takes, so
    // that the cells keep their width and the second and third slips move as far as the first.
    const Milimetros AjusteEsquerda(FAjusteUsuario.value(0));
    const Milimetros AjusteTopo(FAjusteUsuario.value(1));
    TMargens Margens = MargensPagina(FImpressaoVolanteOficial, MaisMilionaria0);
    Margens.Esquerda += AjusteEsquerda;
    Margens.Direita -= AjusteEsquerda;
    Margens.Topo += AjusteTopo;
    Margens.Base -= AjusteTopo;
    Relatorio.SetMargens(Margens);
}
