// The import page: game and numbers per game, the text area, and the import run through the window.
#include "JanelaDeTeste.h"

#include "entry/Limites.h"
#include "entry/ValidaJogo.h"
#include "ui/RadioGroup.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString Vazia = u"No Momento a Lista de Jogos está Vazia !"_s;
const QString NenhumValidado = u"Nenhum Jogo Foi Validado na Importação !"_s;

QString PerguntaDuplicado(const QString& Numeros) {
    return Numeros + u"\rJogo Duplicado !\r\rMesmo Que Confirme a Pergunta a Seguir, Este Jogo Duplicado Não "
                     u"Será Adicionado no Cartelim.\r\rDeseja Continuar Com a Importação ?"_s;
}

struct TListaDoJogo {
    QString Item;
    QStringList Quantidades;
};

QStringList Faixa(int De, int Ate) {
    QStringList Textos;
    for (int Valor = De; Valor <= Ate; ++Valor)
        Textos.append(QString::number(Valor));
    return Textos;
}

} // namespace

class ImportacaoTest : public TJanelaDeTeste {
protected:
    QPlainTextEdit& Memo() { return Controle<QPlainTextEdit>(u"MemoJogosImportar"_s); }
    QStringList LinhasDoMemo() { return Memo().toPlainText().split(u'\n'); }
};

TEST_F(ImportacaoTest, ChoosingAGameFillsItsNumbersPerGameAndComposesTheCaption) {
    const TListaDoJogo Jogos[] = {
        {u"Dia de Sorte"_s, Faixa(7, 15)}, {u"Lotofacil"_s, Faixa(15, 20)},      {u"Quina"_s, Faixa(5, 15)},
        {u"Mega-sena"_s, Faixa(6, 20)},    {u"Lotomania"_s, {u"50"_s}},          {u"Timemania"_s, {u"10"_s}},
        {u"Dupla-Sena"_s, Faixa(6, 15)},   {u"Mais Milionária"_s, Faixa(6, 12)},
    };
    auto& Combo = Controle<QComboBox>(u"ComboImporta_QdeNumPorVolante"_s);
    auto& Botao = Controle<QPushButton>(u"BtnValidarJogosFechamento"_s);
    for (const TListaDoJogo& Jogo : Jogos) {
        SCOPED_TRACE(Jogo.Item.toStdString());
        EscolheModalidade(Jogo.Item);
        QStringList Itens;
        for (int Indice = 0; Indice < Combo.count(); ++Indice)
            Itens.append(Combo.itemText(Indice));
        EXPECT_EQ(Itens, Jogo.Quantidades);
        EXPECT_EQ(Combo.currentIndex(), 0);
        EXPECT_EQ(Botao.text(), u"Validar Agora Jogos "_s + Jogo.Item + u" com "_s +
                                    Jogo.Quantidades.first() + u" Números por Volante"_s);
    }
    EscolheModalidade(u"Lotomania"_s);
    EXPECT_EQ(Botao.text(), u"Validar Agora Jogos Lotomania com 50 Números por Volante"_s);
    EscolheModalidade(u"Mega-sena"_s);
    EscolheQdeNumPorVolante(6);
    EXPECT_EQ(Botao.text(), u"Validar Agora Jogos Mega-sena com 6 Números por Volante"_s);
    EscolheQdeNumPorVolante(9);
    EXPECT_EQ(Botao.text(), u"Validar Agora Jogos Mega-sena com 9 Números por Volante"_s);
}

TEST_F(ImportacaoTest, DuplicateAnsweredYesStoresTheGameOnceAndShowsTheGamesPage) {
    bool JanelaDesabilitadaNaPergunta = false;
    bool BarraVisivelNaPergunta = false;
    bool FechouNaPergunta = true;
    Dialogos.AoPerguntar([&] {
        JanelaDesabilitadaNaPergunta = !Form.isEnabled();
        BarraVisivelNaPergunta = Controle<QProgressBar>(u"ProgressBar1"_s).isVisible();
        FechouNaPergunta = Form.close();
    });
    Dialogos.RespondeProximaPergunta(true);
    ImportaFechamento(u"Mega-sena"_s, 6, {u"// fechamento"_s, QString(), u"1 2 3 4 5 6"_s, u"6,5,4,3,2,1"_s},
                      u"Meu bolão"_s);

    ASSERT_EQ(Dialogos.Perguntas().size(), 1);
    EXPECT_EQ(Dialogos.Perguntas()[0].Titulo, u"O que fazer ? "_s);
    EXPECT_EQ(Dialogos.Perguntas()[0].Texto, PerguntaDuplicado(u"01 02 03 04 05 06"_s));
    EXPECT_FALSE(Dialogos.Perguntas()[0].SimPorPadrao);
    EXPECT_TRUE(JanelaDesabilitadaNaPergunta);
    EXPECT_TRUE(BarraVisivelNaPergunta);
    EXPECT_FALSE(FechouNaPergunta) << "the window must stay open while a run is under way";
    EXPECT_TRUE(Dialogos.Mostradas().isEmpty());

    ASSERT_EQ(DM.QdeFechamentos(), 1);
    EXPECT_EQ(DM.Fechamento(0).Modalidade, u"Mega-Sena"_s);
    EXPECT_EQ(DM.Fechamento(0).Titulo, u"Meu bolão"_s);
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 2), QStringList{u"01 02 03 04 05 06"_s});
    EXPECT_EQ(PaginaAtiva(), u"TabJogo"_s);
    EXPECT_TRUE(Form.isEnabled());
    EXPECT_FALSE(Controle<QProgressBar>(u"ProgressBar1"_s).isVisible());
    EXPECT_EQ(Controle<QAbstractItemView>(u"DBGrid1"_s).verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(Controle<QAbstractItemView>(u"DBGrid2"_s).horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    // The area keeps its text for a corrected run.
    EXPECT_EQ(LinhasDoMemo().size(), 4);
}

TEST_F(ImportacaoTest, DuplicateAnsweredNoStoresNothing) {
    Dialogos.RespondeProximaPergunta(false);
    ImportaFechamento(u"Mega-sena"_s, 6, {u"1 2 3 4 5 6"_s, u"6,5,4,3,2,1"_s, u"7 8 9 10 11 12"_s});
    EXPECT_EQ(Dialogos.Perguntas().size(), 1);
    EXPECT_EQ(Dialogos.Mostradas(), (TMensagens{{TTipoMensagem::Aviso, NenhumValidado}}));
    EXPECT_EQ(DM.QdeFechamentos(), 0);
    EXPECT_EQ(PaginaAtiva(), u"TabSheet4"_s);
    EXPECT_TRUE(Form.isEnabled());
    EXPECT_TRUE(DM.FiltroMasterAtivo());
}

TEST_F(ImportacaoTest, ARejectedLineAfterGoodOnesStoresNothingAndShowsBothMessages) {
    QStringList Linhas;
    for (int Jogo = 1; Jogo <= 10; ++Jogo)
        Linhas.append(
            u"%1 %2 %3 %4 %5 %6"_s.arg(Jogo).arg(Jogo + 10).arg(Jogo + 20).arg(Jogo + 30).arg(Jogo + 40).arg(
                Jogo + 50));
    const QString Ruim = u"1 2 3 4 5 61"_s;
    Linhas << Ruim << u"7 8 9 10 11 12"_s;
    TValidaJogo Validador;
    Validador.AvaliaJogo(Ruim, 6, 1, 60, -1, -1);
    ASSERT_FALSE(Validador.JogoValidado());

    ImportaFechamento(u"Mega-sena"_s, 6, Linhas);
    EXPECT_EQ(Dialogos.Mostradas(), (TMensagens{{TTipoMensagem::Informacao, Validador.TextoJogoInvalido()},
                                                {TTipoMensagem::Aviso, NenhumValidado}}));
    EXPECT_EQ(DM.QdeFechamentos(), 0);
    EXPECT_TRUE(Form.isEnabled());
}

TEST_F(ImportacaoTest, TheRejectedLineIsSelectedAndShownInTheAreaOnceTheBoxIsClosed) {
    // A long paste with comments and blank lines: the rejection names the game as normalised
    // ("Jogo : 01 02 ..."), so the window finds the line as it was typed.
    const QString Ruim = u"1 2 3 4 5 6 7 8 9 10 11 12 13 14 26"_s;
    QStringList Linhas = JogosDeLotofacil(3000);
    Linhas.insert(0, u"// bolão da firma"_s);
    Linhas.insert(1, QString());
    Linhas.insert(2401, Ruim);
    TValidaJogo Validador;
    Validador.AvaliaJogo(Ruim, 15, 1, 25, -1, -1);
    ASSERT_FALSE(Validador.JogoValidado());

    ImportaFechamento(u"Lotofacil"_s, 15, Linhas);
    EXPECT_EQ(Dialogos.Mostradas(), (TMensagens{{TTipoMensagem::Informacao, Validador.TextoJogoInvalido()},
                                                {TTipoMensagem::Aviso, NenhumValidado}}));
    const QTextCursor Cursor = Memo().textCursor();
    EXPECT_EQ(Cursor.blockNumber(), 2401);
    EXPECT_EQ(Cursor.selectedText(), Ruim);
    EXPECT_TRUE(Memo().viewport()->rect().contains(Memo().cursorRect())) << "scrolled to the line";
    EXPECT_EQ(Form.focusWidget(), &Memo());
    EXPECT_EQ(Memo().toPlainText(), Linhas.join(u'\n')) << "the text stays as typed";

    // A run that ends at a repeat the user gives up on selects nothing.
    Memo().moveCursor(QTextCursor::Start);
    Dialogos.LimpaRegistro();
    Dialogos.RespondeProximaPergunta(false);
    Importa({u"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15"_s, u"15 14 13 12 11 10 9 8 7 6 5 4 3 2 1"_s});
    EXPECT_FALSE(Memo().textCursor().hasSelection());
}

TEST_F(ImportacaoTest, GamesKeepInputOrderUnlessAscendingOrderIsTicked) {
    const QStringList Linhas = {u"10 20 30 40 50 60"_s, u"01 02 03 04 05 06"_s};
    ImportaFechamento(u"Mega-sena"_s, 6, Linhas);
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 2), Linhas);
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 1), (QStringList{u"1"_s, u"2"_s}));

    Controle<QCheckBox>(u"chImportarOrdemCrescente"_s).setChecked(true);
    Importa(Linhas);
    ASSERT_EQ(DM.QdeFechamentos(), 2);
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 0), (QStringList{u"2"_s, u"2"_s}));
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 2), (QStringList{Linhas[1], Linhas[0]}));
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 1), (QStringList{u"1"_s, u"2"_s}));
}

TEST_F(ImportacaoTest, DiaDeSorteGamesWithAnotherMonthAreDifferentGames) {
    ImportaFechamento(u"Dia de Sorte"_s, 7, {u"01 02 03 04 05 06 07 :3"_s, u"01 02 03 04 05 06 07 :4"_s});
    EXPECT_TRUE(Dialogos.Perguntas().isEmpty());
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 2), (QStringList{u"01 02 03 04 05 06 07"_s, u"01 02 03 04 05 06 07"_s}));
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 3), (QStringList{u"3"_s, u"4"_s}));
    EXPECT_EQ(DM.Fechamento(0).Modalidade, u"Dia de Sorte"_s);
}

TEST_F(ImportacaoTest, TheLastCloverPartReadIsKeptForThePrintSetup) {
    ImportaFechamento(u"Mais Milionária"_s, 6,
                      {u"01 02 03 04 05 06 | Trevos : 5 6"_s, u"07 08 09 10 11 12 | Trevos : 1 2"_s,
                       u"13 14 15 16 17 18"_s});
    EXPECT_EQ(Form.TrevosFromTXTOrlandim(), (QList<int>{1, 2}));
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 2).size(), 3);

    Importa({u"21 22 23 24 25 26"_s});
    EXPECT_TRUE(Form.TrevosFromTXTOrlandim().isEmpty());
}

TEST_F(ImportacaoTest, EmptyAreaAndCommentsOnlyAreRefusedWithTheirWarnings) {
    struct TCaso {
        QString Texto;
        QString Aviso;
    };
    const TCaso Casos[] = {
        {QString(), Vazia},
        {u"// só comentário\n\n   \n  // outro"_s, NenhumValidado},
    };
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(Caso.Texto.toStdString());
        Dialogos.LimpaRegistro();
        Memo().setPlainText(Caso.Texto);
        Clica(u"BtnValidarJogosFechamento"_s);
        EXPECT_EQ(Dialogos.Mostradas(), (TMensagens{{TTipoMensagem::Aviso, Caso.Aviso}}));
        EXPECT_EQ(DM.QdeFechamentos(), 0);
        EXPECT_TRUE(Form.isEnabled());
        EXPECT_FALSE(Controle<QProgressBar>(u"ProgressBar1"_s).isVisible());
    }
}

TEST_F(ImportacaoTest, PasteSplitsBareLineFeedsAndNeverDoublesLineBreaks) {
    struct TCaso {
        QString Copiado;
        QStringList Linhas;
    };
    const TCaso Casos[] = {
        {u"01 02 03 04 05 06\n07 08 09 10 11 12\n"_s,
         {u"01 02 03 04 05 06"_s, u"07 08 09 10 11 12"_s, QString()}},
        {u"01 02 03 04 05 06\r\n07 08 09 10 11 12\r\n"_s,
         {u"01 02 03 04 05 06"_s, u"07 08 09 10 11 12"_s, QString()}},
        {u"01 02 03 04 05 06\r\n07 08 09 10 11 12\n13 14 15 16 17 18"_s,
         {u"01 02 03 04 05 06"_s, u"07 08 09 10 11 12"_s, u"13 14 15 16 17 18"_s}},
    };
    for (const TCaso& Caso : Casos) {
        Clica(u"BtnLimparMemo"_s);
        EXPECT_TRUE(Memo().toPlainText().isEmpty());
        QGuiApplication::clipboard()->setText(Caso.Copiado);
        Clica(u"BtnCopiarMemoria"_s);
        EXPECT_EQ(LinhasDoMemo(), Caso.Linhas);
    }
}

TEST_F(ImportacaoTest, PasteGoesInAtTheCaret) {
    Memo().setPlainText(u"01 02 03 04 05 06\n21 22 23 24 25 26"_s);
    QTextCursor Cursor = Memo().textCursor();
    Cursor.setPosition(18); // start of the second line
    Memo().setTextCursor(Cursor);
    QGuiApplication::clipboard()->setText(u"11 12 13 14 15 16\n"_s);
    Clica(u"BtnCopiarMemoria"_s);
    EXPECT_EQ(LinhasDoMemo(),
              (QStringList{u"01 02 03 04 05 06"_s, u"11 12 13 14 15 16"_s, u"21 22 23 24 25 26"_s}));
}

// A paste that would leave the area holding more than the import takes is refused before it goes in,
// whichever way it comes: the area keeps its text and nothing else happens.
TEST_F(ImportacaoTest, APasteLargerThanTheImportTakesIsRefusedWhole) {
    const QString Anterior = u"01 02 03 04 05 06\n"_s;
    const struct {
        const char* Caso;
        std::function<void()> Cola;
    } Casos[] = {{"botão",
                  [this] {
                      Clica(u"BtnCopiarMemoria"_s);
                  }},
                 {"Ctrl+V", [this] {
                      QTest::keyClick(&Memo(), Qt::Key_V, Qt::ControlModifier);
                  }}};
    for (const auto& Caso : Casos) {
        SCOPED_TRACE(Caso.Caso);
        Dialogos.LimpaRegistro();
        Memo().setPlainText(Anterior);
        Memo().moveCursor(QTextCursor::End);
        QGuiApplication::clipboard()->setText(QString(TamanhoMaximoTextoDeJogos + 1 - Anterior.size(), u'7'));
        Caso.Cola();
        ASSERT_EQ(Dialogos.Mostradas().size(), 1);
        EXPECT_EQ(Dialogos.Mostradas().at(0).Tipo, TTipoMensagem::Aviso);
        EXPECT_EQ(Dialogos.Mostradas().at(0).Texto,
                  u"Com o texto colado, a área de jogos teria 67.108.865 caracteres, mais do que ela aceita "
                  u"(67.108.864). Cole os jogos em partes menores. Nada foi colado."_s);
        EXPECT_EQ(Memo().toPlainText(), Anterior);
    }
    QGuiApplication::clipboard()->clear();
}

TEST_F(ImportacaoTest, AMegabytePasteImportsAsOneClosing) {
    const QStringList Jogos = JogosDeLotofacil(22'000);
    QGuiApplication::clipboard()->setText(Jogos.join(u"\r\n"_s));
    ASSERT_GT(QGuiApplication::clipboard()->text().size(), 1'000'000);
    Clica(u"BtnCopiarMemoria"_s);
    EscolheModalidade(u"Lotofacil"_s);
    Clica(u"BtnValidarJogosFechamento"_s);
    EXPECT_TRUE(Dialogos.Mostradas().isEmpty());
    ASSERT_EQ(DM.QdeFechamentos(), 1);
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 2), Jogos);
}

TEST_F(ImportacaoTest, OpeningATextFileReplacesTheAreaWhateverItsEncoding) {
    struct TCaso {
        const char* Nome;
        QByteArray Bytes;
    };
    const QString Comentario = u"// Fechamento da família Conceição"_s;
    const QString Texto = Comentario + u"\r\n01 02 03 04 05 06\r\n07 08 09 10 11 12\r\n"_s;
    QByteArray Utf16(reinterpret_cast<const char*>(Texto.utf16()), Texto.size() * 2);
    const TCaso Casos[] = {
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + Texto.toUtf8()},
        {"UTF-16 LE with BOM", "\xFF\xFE" + Utf16},
        {"Windows-1252", Texto.toLatin1()},
    };
    QTemporaryDir Pasta;
    for (const TCaso& Caso : Casos) {
        SCOPED_TRACE(Caso.Nome);
        const QString Caminho = Pasta.filePath(QString::fromLatin1(Caso.Nome) + u".txt"_s);
        QFile Arquivo(Caminho);
        ASSERT_TRUE(Arquivo.open(QIODevice::WriteOnly));
        Arquivo.write(Caso.Bytes);
        Arquivo.close();
        Memo().setPlainText(u"texto anterior"_s);
        Dialogos.EscolheProximoArquivo(Caminho);
        Clica(u"BtnImportar"_s);
        EXPECT_EQ(LinhasDoMemo(),
                  (QStringList{Comentario, u"01 02 03 04 05 06"_s, u"07 08 09 10 11 12"_s, QString()}));
    }
    EXPECT_EQ(
        Dialogos.DialogosDeArquivo().value(0),
        u"Selecione o Arquivo e Clique em Abrir | Arquivos de texto (*.txt *.csv);;Todos os arquivos (*)"_s);
    EXPECT_EQ(Dialogos.PedidosDeArquivo().value(0).Tipo, TTipoArquivo::Jogos);
    EXPECT_TRUE(Dialogos.Mostradas().isEmpty());

    EscolheModalidade(u"Mega-sena"_s);
    Clica(u"BtnValidarJogosFechamento"_s);
    EXPECT_EQ(Coluna(u"DBGrid2"_s, 2), (QStringList{u"01 02 03 04 05 06"_s, u"07 08 09 10 11 12"_s}));
}

TEST_F(ImportacaoTest, CancelledMissingOrOversizedFilesLeaveTheAreaAsItWas) {
    QTemporaryDir Pasta;
    const QString Enorme = Pasta.filePath(u"enorme.txt"_s);
    QFile Arquivo(Enorme);
    ASSERT_TRUE(Arquivo.open(QIODevice::WriteOnly));
    ASSERT_TRUE(Arquivo.resize(65LL * 1024 * 1024)); // sparse: nothing is written
    Arquivo.close();

    Memo().setPlainText(u"01 02 03 04 05 06"_s);
    Dialogos.EscolheProximoArquivo(QString());
    Clica(u"BtnImportar"_s);
    EXPECT_TRUE(Dialogos.Mostradas().isEmpty());
    Dialogos.EscolheProximoArquivo(Pasta.filePath(u"nao-existe.txt"_s));
    Clica(u"BtnImportar"_s);
    Dialogos.EscolheProximoArquivo(Enorme);
    Clica(u"BtnImportar"_s);
    EXPECT_EQ(Memo().toPlainText(), u"01 02 03 04 05 06"_s);
    ASSERT_EQ(Dialogos.Mostradas().size(), 2);
    EXPECT_TRUE(Dialogos.Mostradas()[0].Texto.contains(u"não foi encontrado"_s));
    EXPECT_EQ(
        Dialogos.Mostradas()[1],
        (TMensagem{TTipoMensagem::Aviso,
                   u"O arquivo \"%1\" tem 65 MB, mais do que a área de jogos aceita (64 MB). Divida-o em "
                   u"arquivos menores."_s.arg(Enorme)}));
}

TEST_F(ImportacaoTest, AFileOfArbitraryBytesOpensAndIsRejectedWithoutStoringAnything) {
    QTemporaryDir Pasta;
    const QString Caminho = Pasta.filePath(u"binario.txt"_s);
    QByteArray Bytes(200'000, '\0');
    quint32 Semente = 12345;
    for (char& Byte : Bytes) {
        Semente = Semente * 1664525u + 1013904223u;
        Byte = char(Semente >> 24);
    }
    QFile Arquivo(Caminho);
    ASSERT_TRUE(Arquivo.open(QIODevice::WriteOnly));
    Arquivo.write(Bytes);
    Arquivo.close();

    Dialogos.EscolheProximoArquivo(Caminho);
    Clica(u"BtnImportar"_s);
    EXPECT_FALSE(Memo().toPlainText().isEmpty());
    EscolheModalidade(u"Quina"_s);
    Clica(u"BtnValidarJogosFechamento"_s);
    ASSERT_EQ(Dialogos.Mostradas().size(), 2);
    EXPECT_EQ(Dialogos.Mostradas()[1], (TMensagem{TTipoMensagem::Aviso, NenhumValidado}));
    EXPECT_EQ(DM.QdeFechamentos(), 0);
    EXPECT_TRUE(Form.isEnabled());
}

// A text file opened with the program from the desktop lands in the import page's area, ready to validate.
TEST_F(ImportacaoTest, AFileOpenedWithTheProgramFillsTheImportPage) {
    QTemporaryDir Pasta;
    const QString Caminho = Pasta.filePath(u"bolão da firma.txt"_s);
    QFile Arquivo(Caminho);
    ASSERT_TRUE(Arquivo.open(QIODevice::WriteOnly));
    Arquivo.write("01 02 03 04 05 06\n");
    Arquivo.close();

    Form.AbreArquivoDeJogos(Caminho);
    EXPECT_EQ(PaginaAtiva(), u"TabSheet4"_s);
    EXPECT_EQ(LinhasDoMemo(), (QStringList{u"01 02 03 04 05 06"_s, QString()}));
    EXPECT_TRUE(Dialogos.Mostradas().isEmpty());

    Form.AbreArquivoDeJogos(Pasta.filePath(u"nao-existe.txt"_s));
    EXPECT_EQ(LinhasDoMemo(), (QStringList{u"01 02 03 04 05 06"_s, QString()}));
    ASSERT_EQ(Dialogos.Mostradas().size(), 1);
    EXPECT_TRUE(Dialogos.Mostradas()[0].Texto.contains(u"não foi encontrado"_s));
}
