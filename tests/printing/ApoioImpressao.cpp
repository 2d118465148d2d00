#include "ApoioImpressao.h"

#include "printing/CriaImpressao.h"
#include "printing/ModelosRelatorio.h"

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
