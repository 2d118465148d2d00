#include "ConfereLayout.h"

#include "catalogue/ULib.h"
#include "report/SaidaRelatorio.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

QString Texto(const char* Nome) {
    return QString::fromLatin1(Nome);
}

std::string Descricao(const TCasoMarcas& Caso) {
    std::ostringstream Saida;
    Saida << "modelo " << Caso.Modelo << ", " << Caso.Opcoes.QdeNumPorVolante << " por jogo, surpresinha "
          << Caso.Opcoes.Surpresinha << ", teimosinha " << Caso.Opcoes.Teimosinha << ", cotas "
          << Caso.Opcoes.Bolao << ", jogos " << Caso.Jogos.join(QStringLiteral(" / ")).toStdString();
    return Saida.str();
}

TMontagem MontaFolha(const QString& NomeModalidade, const TCasoMarcas& Caso) {
    TMontagem Montagem = MontaCom(NomeModalidade, Caso.Modelo, Caso.Opcoes);
    Montagem.Impressao->SetDados(Folha(Caso.Jogos, {1, 2, 3}));
    return Montagem;
}

} // namespace

TMontagem MontaCom(const QString& NomeModalidade, int Modelo, const TOpcoesVolante& Opcoes) {
    return Monta(NomeModalidade, Modelo, [&Opcoes](TImpressao& Impressao) {
        if (Opcoes.QdeNumPorVolante > 0)
            Impressao.SetQdeNumPorVolante(Opcoes.QdeNumPorVolante);
        Impressao.SetQdeSurpresinha(Opcoes.Surpresinha);
        Impressao.SetQdeTeimosinha(Opcoes.Teimosinha);
        Impressao.SetQdeBolao(Opcoes.Bolao);
    });
}

void ConfereShapes(const QString& NomeModalidade, const std::vector<TCasoShape>& Casos) {
    const TMontagem Modelos[] = {Monta(NomeModalidade, 0), Monta(NomeModalidade, 1)};
    for (const TCasoShape& Caso : Casos) {
        SCOPED_TRACE(testing::Message() << "modelo " << Caso.Modelo << ", " << Caso.Nome);
        const TShape* Shape = Modelos[Caso.Modelo].Shape(Texto(Caso.Nome));
        ASSERT_NE(Shape, nullptr);
        EXPECT_EQ(Shape->Box(), Caso.Box);
        EXPECT_EQ(Shape->Tag(), Caso.Tag);
        EXPECT_EQ(Shape->Formato(), Caso.Formato);
    }
}

void ConfereOrdemDeCriacao(const QString& NomeModalidade, int Modelo, const QStringList& Chaves, int Total) {
    SCOPED_TRACE(testing::Message() << "modelo " << Modelo);
    const TMontagem Montagem = Monta(NomeModalidade, Modelo);
    QStringList Nomes;
    for (const TComponente* Componente : Montagem.Form->RLReport1().Componentes())
        if (const auto* Shape = dynamic_cast<const TShape*>(Componente))
            Nomes << Shape->Name();
    EXPECT_EQ(Nomes.size(), Total);
    Nomes.removeIf([&Chaves](const QString& Nome) { return !Chaves.contains(Nome); });
    EXPECT_EQ(Nomes, Chaves);
}

void ConfereMarcas(const QString& NomeModalidade, const std::vector<TCasoMarcas>& Casos) {
    for (const TCasoMarcas& Caso : Casos) {
        SCOPED_TRACE(Descricao(Caso));
        const TMontagem Montagem = MontaFolha(NomeModalidade, Caso);
        for (const auto& [Nome, Canto] : Caso.Marcas) {
            const TShape* Marca = Montagem.Shape(Nome);
            ASSERT_NE(Marca, nullptr) << Nome.toStdString();
            EXPECT_TRUE(Marca->Visible()) << Nome.toStdString();
            EXPECT_EQ(Marca->Box().topLeft(), Canto) << Nome.toStdString();
        }
        EXPECT_EQ(Montagem.Impressao->Mensagens().size(), 0);
    }
}

void ConfereMarcasDeOpcao(const QString& NomeModalidade, const std::vector<TCasoMarcas>& Casos) {
    for (const TCasoMarcas& Caso : Casos) {
        SCOPED_TRACE(Descricao(Caso));
        const TMontagem Montagem = MontaFolha(NomeModalidade, Caso);
        std::map<QString, QPoint> Opcoes;
        for (const TShape* Marca : MarcasVisiveis(Montagem.Form->RLReport1()))
            if (!Marca->Name().startsWith(QStringLiteral("ShapeJogo")))
                Opcoes[Marca->Name()] = Marca->Box().topLeft();
        EXPECT_EQ(Opcoes, Caso.Marcas);
        EXPECT_EQ(Montagem.Impressao->Mensagens().size(), 0);
    }
}

void ConfereErros(const QString& NomeModalidade, const std::vector<TCasoErro>& Casos) {
    for (const TCasoErro& Caso : Casos) {
        SCOPED_TRACE(testing::Message() << "modelo " << Caso.Modelo << ", " << Caso.Marca);
        const TMontagem Montagem = MontaCom(NomeModalidade, Caso.Modelo, Caso.Opcoes);
        Montagem.Impressao->SetDados(Folha({Caso.Jogo}, {1}));
        ASSERT_EQ(Montagem.Impressao->Mensagens().size(), 1);
        EXPECT_EQ(Montagem.Impressao->Mensagens()[0].Texto,
                  MensagemColocacao(Texto(Caso.Coluna), Texto(Caso.Linha), Texto(Caso.Marca),
                                    QStringLiteral("Objeto não encontrado: ") + Texto(Caso.Faltando)));
        if (const TShape* Marca = Montagem.Shape(Texto(Caso.Marca))) {
            EXPECT_FALSE(Marca->Visible());
        }
        EXPECT_TRUE(Montagem.Shape(QStringLiteral("ShapeJogo1_Num2"))->Visible());
    }
}

void ConfereVolantesDesenhados(const TConfiguracaoImpressao& Configuracao,
                               const std::vector<TFolhaImpressao>& Folhas,
                               const QList<int>& MarcasPorVolante) {
    SCOPED_TRACE(testing::Message() << "modelo " << Configuracao.LayoutIndex);
    TCDSImpressao CDS(TCDSImpressao::CamposDaImpressao());
    CDS.Substitui(Folhas);
    TMensagens Mensagens;
    const std::unique_ptr<TExecucaoImpressao> Execucao =
        TExecucaoImpressao::Monta(Configuracao, CDS, Mensagens);
    ASSERT_NE(Execucao, nullptr) << (Mensagens.isEmpty() ? std::string() : Mensagens[0].Texto.toStdString());
    const QImage Pagina = ImagemPagina(Execucao->Relatorio(), 0, 96);
    const std::unique_ptr<TModalidade> Regras = CriaModalidade(Configuracao.NomeModalidade);
    ASSERT_EQ(MarcasPorVolante.size(), qsizetype(Folhas.size()));
    for (int Celula = 0; Celula < int(Folhas.size()); ++Celula) {
        SCOPED_TRACE(testing::Message() << "volante " << Celula + 1);
        const TVolanteDesenhado Volante = ConfereVolanteDesenhado(
            *Execucao, Pagina, Celula, CDS.Folha(Celula), Regras->NumInicial(), Regras->NumFinal());
        EXPECT_EQ(Volante.Faltas, QStringList());
        EXPECT_EQ(Volante.Marcas, MarcasPorVolante[Celula]);
    }
    EXPECT_TRUE(Execucao->Mensagens().isEmpty());
}
