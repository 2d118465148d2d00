#include "ApoioImpressao.h"

#include "catalogue/ULib.h"
#include "printing/CriaImpressao.h"
#include "printing/ModelosRelatorio.h"
#include "report/SaidaRelatorio.h"

TShape* TMontagem::Shape(const QString& Nome) const {
    return Form->Componente<TShape>(Nome);
}

QStringList TMontagem::ShapesVisiveis() const {
    QStringList Nomes;
    for (const TComponente* Componente : Form->RLReport1().Componentes())
        if (const auto* Shape = dynamic_cast<const TShape*>(Componente); Shape && Shape->Visible())
            Nomes << Shape->Name();
    return Nomes;
}

TMontagem MontaMega(int LayoutIndex, const std::function<void(TImpressao&)>& Ajusta) {
    TMontagem Montagem;
    Montagem.Form = CriaFormImpressao(LayoutIndex == 0 ? QStringLiteral("TFormImpressaoMega_3")
                                                       : QStringLiteral("TFormImpressaoMegaVirada_3"));
    Montagem.Impressao = CriaImpressao(u"Mega-Sena");
    TImpressao& Impressao = *Montagem.Impressao;
    Impressao.SetFormOwner(Montagem.Form.get());
    Impressao.SetDetailGrid(&Montagem.Form->RLDetailGrid1());
    Impressao.SetLayoutIndex(LayoutIndex);
    Impressao.SetQdeVolantesPorPagina_A4(3);
    Impressao.SetQdeNumPorVolante(6);
    Impressao.SetQdeJogosPorVolante(3);
    Impressao.SetNomeModalidade(LayoutIndex == 0 ? QStringLiteral("Mega 2020") : QStringLiteral("Mega Mega"));
    Impressao.SetImprimirNumerosJogos(true);
    Impressao.SetAjusteUsuario({0, 0});
    if (Ajusta)
        Ajusta(Impressao);
    Impressao.Prepare();
    Impressao.CriaTodosShapes();
    return Montagem;
}

TMontagem Monta(const QString& NomeModalidade, int LayoutIndex,
                const std::function<void(TImpressao&)>& Ajusta) {
    const std::unique_ptr<TModalidade> Regras = CriaModalidade(NomeModalidade);
    Regras->SetLayoutIndex(LayoutIndex);
    Regras->SetParameters(0);
    TMontagem Montagem;
    Montagem.Form = CriaFormImpressao(Regras->NomeRelatorio().value(LayoutIndex));
    Montagem.Impressao = CriaImpressao(NomeModalidade);
    TImpressao& Impressao = *Montagem.Impressao;
    Impressao.SetFormOwner(Montagem.Form.get());
    Impressao.SetDetailGrid(&Montagem.Form->RLDetailGrid1());
    Impressao.SetLayoutIndex(LayoutIndex);
    Impressao.SetTipoModalidade(Regras->TipoModalidade());
    Impressao.SetQdeVolantesPorPagina_A4(Regras->QdeVolantesPorPagina());
    Impressao.SetQdeNumPorVolante(Regras->QdeNumPorVolante().value(0));
    Impressao.SetQdeJogosPorVolante(
        Regras->QdeJogosPorVolante().value(Regras->QdeJogosPorVolante().size() - 1));
    Impressao.SetNomeModalidade(Regras->NomeModalidade().left(4) + QLatin1Char(' ') +
                                Regras->Layout().value(LayoutIndex));
    Impressao.SetImprimirNumerosJogos(true);
    Impressao.SetAjusteUsuario({0, 0});
    if (Ajusta)
        Ajusta(Impressao);
    Impressao.Prepare();
    Impressao.CriaTodosShapes();
    return Montagem;
}

QList<const TShape*> MarcasVisiveis(const TRelatorio& Relatorio) {
    QList<const TShape*> Marcas;
    for (const TComponente* Componente : Relatorio.Componentes())
        if (const auto* Shape = dynamic_cast<const TShape*>(Componente);
            Shape && Shape->Tag() == TImpressao::TagMarca && Shape->Visible())
            Marcas << Shape;
    return Marcas;
}

int CinzaNoCentro(const TRelatorio& Relatorio, const QImage& Pagina, int IndiceNaPagina, const QRect& Box) {
    const QPointF Centro = Relatorio.Layout().OrigemConteudo(IndiceNaPagina) + QRectF(Box).center();
    return qGray(Pagina.pixel(Centro.toPoint()));
}

namespace {

QString Nome(const char* Prefixo, int Numero) {
    return QString::fromLatin1(Prefixo) + QString::number(Numero);
}

QString DoisDigitos(int Numero) {
    return QStringLiteral("%1").arg(Numero, 2, 10, QLatin1Char('0'));
}

// The names of the marks shown now, sorted.
QStringList NomesDasMarcasVisiveis(const TRelatorio& Relatorio) {
    QStringList Nomes;
    for (const TShape* Marca : MarcasVisiveis(Relatorio))
        Nomes << Marca->Name();
    Nomes.sort();
    return Nomes;
}

// The quota marks of a count: the units box below 10, tens and units up to 99, the 100 box alone.
QStringList MarcasDoBolao(int Cotas) {
    QStringList Marcas;
    if (Cotas >= 10 && Cotas <= 99)
        Marcas << QStringLiteral("ShapeBolaoDezena");
    if (Cotas >= 2 && Cotas <= 99)
        Marcas << QStringLiteral("ShapeBolaoUnidade");
    if (Cotas == 100)
        Marcas << QStringLiteral("ShapeBolao100");
    return Marcas;
}

} // namespace

QStringList ValoresSemMarca(const QString& NomeModalidade, int LayoutIndex) {
    const std::unique_ptr<TModalidade> Regras = CriaModalidade(NomeModalidade);
    Regras->SetLayoutIndex(LayoutIndex);
    Regras->SetParameters(0);
    QStringList Faltas;
    for (const int QdeNum : Regras->QdeNumPorVolante()) {
        Regras->SetParameters(QdeNum);
        const TMontagem Montagem = Monta(NomeModalidade, LayoutIndex, [QdeNum](TImpressao& Impressao) {
            Impressao.SetQdeNumPorVolante(QdeNum);
        });
        TImpressao& Impressao = *Montagem.Impressao;
        Impressao.Resete();
        const auto Confere = [&](const QString& Valor, QStringList Esperadas,
                                 const std::function<void()>& Coloca) {
            Impressao.EscondeShapes();
            const qsizetype Mensagens = Impressao.Mensagens().size();
            Coloca();
            Esperadas.sort();
            const QStringList Vistas = NomesDasMarcasVisiveis(Montagem.Form->RLReport1());
            if (Impressao.Mensagens().size() != Mensagens || Vistas != Esperadas)
                Faltas << QString::number(QdeNum) + QStringLiteral(" por jogo, ") + Valor +
                              QStringLiteral(": ") +
                              (Vistas.isEmpty() ? QStringLiteral("nenhuma marca")
                                                : Vistas.join(QLatin1Char(' ')));
        };
        for (int Jogo = 1; Jogo <= Impressao.QdeJogosPorVolante(); ++Jogo)
            for (int Numero = Regras->NumInicial(); Numero <= Regras->NumFinal(); ++Numero)
                for (const int Posicao : {1, QdeNum})
                    Confere(Nome("jogo ", Jogo) + Nome(", número ", Numero) + Nome(", posição ", Posicao),
                            {QStringLiteral("ShapeJogo%1_Num%2").arg(Jogo).arg(Posicao)},
                            [&] { Impressao.ImprimeNumero(Posicao, Numero, Jogo); });
        Confere(QStringLiteral("números por jogo"), {QStringLiteral("ShapeQdeNumPorVolante")},
                [&] { Impressao.ImprimeQdeNumPorVolante(); });
        for (const int Qde : Regras->Surpresinha()) {
            Impressao.SetQdeSurpresinha(Qde);
            Confere(Nome("surpresinha ", Qde),
                    Qde > 0 ? QStringList{QStringLiteral("ShapeSurpresinha")} : QStringList{},
                    [&] { Impressao.ImprimeQdeSurpresinha(); });
        }
        Impressao.SetQdeSurpresinha(0);
        for (const int Qde : Regras->Teimosinha()) {
            Impressao.SetQdeTeimosinha(Qde);
            Confere(Nome("teimosinha ", Qde),
                    Qde > 0 ? QStringList{QStringLiteral("ShapeTeimosinha")} : QStringList{},
                    [&] { Impressao.ImprimeQdeTeimosinha(); });
        }
        Impressao.SetQdeTeimosinha(0);
        for (int Cotas = 0; Cotas <= Regras->QdeBolaoMax(); Cotas += Cotas == 0 ? 2 : 1) {
            Impressao.SetQdeBolao(Cotas);
            Confere(Nome("cotas ", Cotas), MarcasDoBolao(Cotas), [&] {
                Impressao.ImprimeBolaoDezena();
                Impressao.ImprimeBolaoUnidade();
                Impressao.ImprimeBolao100();
            });
        }
    }
    return Faltas;
}

TVolanteDesenhado ConfereVolanteDesenhado(TExecucaoImpressao& Execucao, const QImage& Pagina, int Celula,
                                          const TFolhaImpressao& Folha, int NumInicial, int NumFinal,
                                          int Fundo) {
    constexpr int LimiteEscuro = 100;
    constexpr int ToleranciaFundo = 8;
    TImpressao& Impressao = Execucao.Impressao();
    Impressao.SetDados(Folha);
    const auto Cinza = [&](const QRect& Box) {
        return CinzaNoCentro(Execucao.Relatorio(), Pagina, Celula, Box);
    };
    TVolanteDesenhado Resultado;
    for (const TShape* Marca : MarcasVisiveis(Execucao.Relatorio())) {
        ++Resultado.Marcas;
        if (Cinza(Marca->Box()) >= LimiteEscuro)
            Resultado.Faltas << Marca->Name() + QStringLiteral(" não está escura");
    }
    // The empty boxes: where the layout puts each number that a game of the sheet lacks.
    for (int Jogo = 1; Jogo <= TFolhaImpressao::QdeSlots; ++Jogo) {
        const QStringList Numeros =
            Folha.Jogo[std::size_t(Jogo - 1)].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (Numeros.isEmpty())
            continue;
        for (int Numero = NumInicial; Numero <= NumFinal; ++Numero) {
            if (Numeros.contains(DoisDigitos(Numero)))
                continue;
            Impressao.EscondeShapes();
            Impressao.ImprimeNumero(1, Numero, Jogo);
            const TShape* Casa =
                Execucao.Form().Componente<TShape>(QStringLiteral("ShapeJogo%1_Num1").arg(Jogo));
            if (std::abs(Cinza(Casa->Box()) - Fundo) > ToleranciaFundo)
                Resultado.Faltas << Nome("jogo ", Jogo) + Nome(", casa vazia do número ", Numero) +
                                        QStringLiteral(" não está em branco");
        }
    }
    return Resultado;
}

TPaginaDesenhada DesenhaPrimeiraPagina(const TConfiguracaoImpressao& Configuracao,
                                       std::vector<TFolhaImpressao> Folhas) {
    TPaginaDesenhada Desenho;
    Desenho.CDS = std::make_unique<TCDSImpressao>(TCDSImpressao::CamposDaImpressao());
    Desenho.CDS->Substitui(std::move(Folhas));
    TMensagens Mensagens;
    Desenho.Execucao = TExecucaoImpressao::Monta(Configuracao, *Desenho.CDS, Mensagens);
    if (Desenho.Execucao)
        Desenho.Pagina = ImagemPagina(Desenho.Execucao->Relatorio(), 0, 96);
    return Desenho;
}

TFolhaImpressao Folha(const QStringList& Jogos, const QList<int>& Ids, int Pagina) {
    TFolhaImpressao Resultado;
    for (qsizetype Slot = 0; Slot < Jogos.size(); ++Slot)
        Resultado.Jogo[std::size_t(Slot)] = Jogos[Slot];
    for (qsizetype Slot = 0; Slot < Ids.size(); ++Slot)
        Resultado.IdJogo[std::size_t(Slot)] = Ids[Slot];
    Resultado.NumPagina = Pagina;
    return Resultado;
}

QString MensagemColocacao(const QString& Coluna, const QString& Linha, const QString& Marca,
                          const QString& Falha) {
    return QStringLiteral(
               "Desculpe mas esse erro não poderia ter ocorrido. Favor Entrar em Contato com o Suporte "
               "do Programa de Impressão - Portal Bilheron\rImprimeShape : ") +
           Coluna + QStringLiteral(" - ") + Linha + QStringLiteral(" - ") + Marca +
           QStringLiteral("\r\rErro : ") + Falha;
}
