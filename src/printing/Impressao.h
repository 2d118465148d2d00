#pragma once

#include "catalogue/Mensagem.h"
#include "catalogue/TipoModalidade.h"
#include "printing/IndiceShapes.h"
#include "report/Shape.h"

#include <QColor>
#include <QList>
#include <QString>

#include <functional>

class TFormImpressao;
class TGradeDetalhe;
struct TFolhaImpressao;

// The slip-marking engine. It owns the settings of one print run, creates the guides and marks of the
// slip on the report template, shows the marks of one print sheet at a time and writes the texts
// around them. One subclass per printable game knows where that game's boxes lie: it overrides the
// marking operations to choose column, row and fine adjustment and calls the base versions here,
// which build the guide and mark names and place the mark.
//
// Shapes are boxes in report pixels from the slip cell's top-left corner. Guides are rectangles named
// "SG_..." whose Left gives a column and whose Top gives a row; marks are ellipses named "Shape..."
// placed on a column guide's Left and a row guide's Top. A shape's tag fixes its visibility at the
// start of every sheet: 2 shown (unless printing on the official slip without forced guides), every
// other tag hidden; 100 is the tag of the marks.
//
// Placement failures do not stop the print: each one becomes an error message, collected in
// Mensagens and handed to the listener, and the sheet is printed without that mark.
class TImpressao {
public:
    using TAoMensagem = std::function<void(const TMensagem& Mensagem)>;

    static constexpr int TagGuiaOculta = 0;
    static constexpr int TagGuiaVisivel = 2;
    static constexpr int TagMarca = 100;

    TImpressao() = default;
    virtual ~TImpressao() = default;
    TImpressao(const TImpressao&) = delete;
    TImpressao& operator=(const TImpressao&) = delete;

    // Run settings, set before Prepare and CriaTodosShapes and fixed for the whole run.
    TFormImpressao* FormOwner() const { return FFormOwner; }
    TGradeDetalhe* DetailGrid() const { return FDetailGrid; }
    int LayoutIndex() const { return FLayoutIndex; }
    int QdeNumPorVolante() const { return FQdeNumPorVolante; }
    int QdeJogosPorVolante() const { return FQdeJogosPorVolante; }
    bool ImpressaoVolanteOficial() const { return FImpressaoVolanteOficial; }
    int QdeVolantesPorPagina_A4() const { return FQdeVolantesPorPagina_A4; }
    bool ImagemVisivel() const { return FImagemVisivel; }
    // Calibration: left, top, in millimetres.
    QList<double> AjusteUsuario() const { return FAjusteUsuario; }
    int QdeSurpresinha() const { return FQdeSurpresinha; }
    int QdeBolao() const { return FQdeBolao; }
    int QdeTeimosinha() const { return FQdeTeimosinha; }
    QString NomeModalidade() const { return FNomeModalidade; }
    TTipoModalidade TipoModalidade() const { return FTipoModalidade; }
    QString NomeIdentificacao() const { return FNomeIdentificacao; }
    bool ImprimirNumerosJogos() const { return FImprimirNumerosJogos; }
    bool GuiaForcada() const { return FGuiaForcada; }
    int QdeTrevo() const { return FQdeTrevo; }
    bool MarcarTrevoMao() const { return FMarcarTrevoMao; }
    bool ImprimirTextoModalidadeLateral() const { return FImprimirTextoModalidadeLateral; }
    QColor ColorShape() const { return FColorShape; }

    void SetFormOwner(TFormImpressao* Value) { FFormOwner = Value; }
    void SetDetailGrid(TGradeDetalhe* Value) { FDetailGrid = Value; }
    void SetLayoutIndex(int Value) { FLayoutIndex = Value; }
    void SetQdeNumPorVolante(int Value) { FQdeNumPorVolante = Value; }
    void SetQdeJogosPorVolante(int Value) { FQdeJogosPorVolante = Value; }
    void SetImpressaoVolanteOficial(bool Value) { FImpressaoVolanteOficial = Value; }
    void SetQdeVolantesPorPagina_A4(int Value) { FQdeVolantesPorPagina_A4 = Value; }
    void SetImagemVisivel(bool Value) { FImagemVisivel = Value; }
    void SetAjusteUsuario(const QList<double>& Value) { FAjusteUsuario = Value; }
    void SetQdeSurpresinha(int Value) { FQdeSurpresinha = Value; }
    void SetQdeBolao(int Value) { FQdeBolao = Value; }
    void SetQdeTeimosinha(int Value) { FQdeTeimosinha = Value; }
    void SetNomeModalidade(const QString& Value) { FNomeModalidade = Value; }
    void SetTipoModalidade(TTipoModalidade Value) { FTipoModalidade = Value; }
    void SetNomeIdentificacao(const QString& Value) { FNomeIdentificacao = Value; }
    void SetImprimirNumerosJogos(bool Value) { FImprimirNumerosJogos = Value; }
    void SetGuiaForcada(bool Value) { FGuiaForcada = Value; }
    void SetQdeTrevo(int Value) { FQdeTrevo = Value; }
    void SetMarcarTrevoMao(bool Value) { FMarcarTrevoMao = Value; }
    void SetImprimirTextoModalidadeLateral(bool Value) { FImprimirTextoModalidadeLateral = Value; }
    // The colour of every shape; shapes take the value current when they are created.
    void SetColorShape(const QColor& Value) { FColorShape = Value; }

    // Label positions by slip model (index LayoutIndex): _E left, _T top, in report pixels. Set by the
    // slip layout's CriaTodosShapes.
    QList<int> ImpRelacaoJogos_T() const { return FImpRelacaoJogos_T; }
    QList<int> ImpNomeModalidade_T() const { return FImpNomeModalidade_T; }
    QList<int> ImpNumPagina_E() const { return FImpNumPagina_E; }
    QList<int> ImpNumPagina_T() const { return FImpNumPagina_T; }
    QList<int> ImpRelacaoJogos_E() const { return FImpRelacaoJogos_E; }
    QList<int> ImpNomeModalidade_E() const { return FImpNomeModalidade_E; }
    QList<int> ImpNomeModalidadeExtra_T() const { return FImpNomeModalidadeExtra_T; }
    QList<int> ImpNomeModalidadeExtra_E() const { return FImpNomeModalidadeExtra_E; }
    QList<int> ImpQdeCotas_E() const { return FImpQdeCotas_E; }
    QList<int> ImpQdeCotas_T() const { return FImpQdeCotas_T; }
    void SetImpRelacaoJogos_T(const QList<int>& Value) { FImpRelacaoJogos_T = Value; }
    void SetImpNomeModalidade_T(const QList<int>& Value) { FImpNomeModalidade_T = Value; }
    void SetImpNumPagina_E(const QList<int>& Value) { FImpNumPagina_E = Value; }
    void SetImpNumPagina_T(const QList<int>& Value) { FImpNumPagina_T = Value; }
    void SetImpRelacaoJogos_E(const QList<int>& Value) { FImpRelacaoJogos_E = Value; }
    void SetImpNomeModalidade_E(const QList<int>& Value) { FImpNomeModalidade_E = Value; }
    void SetImpNomeModalidadeExtra_T(const QList<int>& Value) { FImpNomeModalidadeExtra_T = Value; }
    void SetImpNomeModalidadeExtra_E(const QList<int>& Value) { FImpNomeModalidadeExtra_E = Value; }
    void SetImpQdeCotas_E(const QList<int>& Value) { FImpQdeCotas_E = Value; }
    void SetImpQdeCotas_T(const QList<int>& Value) { FImpQdeCotas_T = Value; }

    // The current print sheet, replaced by every SetDados.
    QString Jogo1() const { return FJogo1; }
    QString Jogo2() const { return FJogo2; }
    QString Jogo3() const { return FJogo3; }
    QString Jogo4() const { return FJogo4; }
    int NumeroPagina() const { return FNumeroPagina; }
    // The sheet's four game identifiers joined with single spaces.
    QString SequenciaJogo() const { return FSequenciaJogo; }
    int MesJogo1() const { return FMesJogo1; }
    int MesJogo2() const { return FMesJogo2; }
    int MesJogo3() const { return FMesJogo3; }
    int MesJogo4() const { return FMesJogo4; }
    int TimeCoracaoJogo1() const { return FTimeCoracaoJogo1; }
    int TimeCoracaoJogo2() const { return FTimeCoracaoJogo2; }
    int TimeCoracaoJogo3() const { return FTimeCoracaoJogo3; }
    int TimeCoracaoJogo4() const { return FTimeCoracaoJogo4; }
    bool ApostaEspelho1() const { return FApostaEspelho1; }
    bool ApostaEspelho2() const { return FApostaEspelho2; }
    bool ApostaEspelho3() const { return FApostaEspelho3; }
    bool ApostaEspelho4() const { return FApostaEspelho4; }
    QString Trevo1() const { return FTrevo1; }
    QString Trevo2() const { return FTrevo2; }
    QString Trevo3() const { return FTrevo3; }
    QString Trevo4() const { return FTrevo4; }
    void SetJogo1(const QString& Value) { FJogo1 = Value; }
    void SetJogo2(const QString& Value) { FJogo2 = Value; }
    void SetJogo3(const QString& Value) { FJogo3 = Value; }
    void SetJogo4(const QString& Value) { FJogo4 = Value; }
    void SetNumeroPagina(int Value) { FNumeroPagina = Value; }
    void SetSequenciaJogo(const QString& Value) { FSequenciaJogo = Value; }
    void SetMesJogo1(int Value) { FMesJogo1 = Value; }
    void SetMesJogo2(int Value) { FMesJogo2 = Value; }
    void SetMesJogo3(int Value) { FMesJogo3 = Value; }
    void SetMesJogo4(int Value) { FMesJogo4 = Value; }
    void SetTimeCoracaoJogo1(int Value) { FTimeCoracaoJogo1 = Value; }
    void SetTimeCoracaoJogo2(int Value) { FTimeCoracaoJogo2 = Value; }
    void SetTimeCoracaoJogo3(int Value) { FTimeCoracaoJogo3 = Value; }
    void SetTimeCoracaoJogo4(int Value) { FTimeCoracaoJogo4 = Value; }
    void SetApostaEspelho1(bool Value) { FApostaEspelho1 = Value; }
    void SetApostaEspelho2(bool Value) { FApostaEspelho2 = Value; }
    void SetApostaEspelho3(bool Value) { FApostaEspelho3 = Value; }
    void SetApostaEspelho4(bool Value) { FApostaEspelho4 = Value; }
    void SetTrevo1(const QString& Value) { FTrevo1 = Value; }
    void SetTrevo2(const QString& Value) { FTrevo2 = Value; }
    void SetTrevo3(const QString& Value) { FTrevo3 = Value; }
    void SetTrevo4(const QString& Value) { FTrevo4 = Value; }

    // Placement state of the next mark: guide and mark names, column, row, fine adjustment (dx, dy in
    // report pixels) and the box of the number marks.
    QString ObjColuna() const { return FObjColuna; }
    QString ObjLinha() const { return FObjLinha; }
    QString ShapeAtual() const { return FShapeAtual; }
    QList<int> AjusteFino() const { return FAjusteFino; }
    int Linha() const { return FLinha; }
    int Coluna() const { return FColuna; }
    QList<int> Box() const { return FBox; }
    void SetObjColuna(const QString& Value) { FObjColuna = Value; }
    void SetObjLinha(const QString& Value) { FObjLinha = Value; }
    void SetShapeAtual(const QString& Value) { FShapeAtual = Value; }
    void SetAjusteFino(const QList<int>& Value) { FAjusteFino = Value; }
    void SetLinha(int Value) { FLinha = Value; }
    void SetColuna(int Value) { FColuna = Value; }
    void SetBox(const QList<int>& Value) { FBox = Value; }

    // Placement errors of the run so far, in the order they arose, and the listener told of each one
    // as it arises.
    const TMensagens& Mensagens() const { return FMensagens; }
    void SetAoMensagem(TAoMensagem Value) { FAoMensagem = std::move(Value); }

    // Virtual operations. CriaTodosShapes: a slip layout sets the label positions, creates its guides
    // and option marks, sets Box to the size of its number marks and ends with this base version,
    // which creates the number marks. Called once per run, after Prepare.
    virtual void CriaTodosShapes();
    // Base marking operations: build the guide and mark names from Coluna and Linha and place the
    // mark. The slip layouts choose column, row and fine adjustment first.
    virtual void ImprimeNumero(int NumShape, int Numero, int NumJogo);
    virtual void ImprimeQdeNumPorVolante();
    virtual void ImprimeQdeSurpresinha();
    virtual void ImprimeQdeTeimosinha();
    virtual void ImprimeBolaoDezena();
    virtual void ImprimeBolaoUnidade();
    virtual void ImprimeBolao100();
    // Only for Dia de Sorte, Lotomania (with the flag), Timemania and +Milionária respectively.
    virtual void ImprimeMes(int NumJogo, int Mes);
    virtual void ImprimeApostaEspelho(int NumJogo, bool ImprimirApostaEspelho);
    virtual void ImprimeTimeCoracao(int NumJogo, int TimeCoracao);
    virtual void ImprimeQdeTrevo();

    // Shapes. CriaShape creates one shape in the mark colour, hidden, on FormOwner; two shapes of one
    // name are a defect of the slip layout and throw std::logic_error.
    void CriaShape(const QList<int>& Box, TFormatoShape Formato, int TagObj, const QString& NomeObjeto);
    // The number marks "ShapeJogo<g>_Num<j>" of every game and position, with copies of Box.
    void CriaShapeNumeros(const QList<int>& Box);
    // Every shape of the template back to the visibility its tag gives.
    void EscondeShapes();
    // Places ShapeAtual on the Left of ObjColuna and the Top of ObjLinha plus AjusteFino and shows it;
    // when a shape is missing, changes nothing and reports the error. Always ends with Resete.
    void ImprimeShape();
    // No column, no row, no adjustment.
    void Resete();

    // Shows one print sheet: reads it, hides the previous marks, places the new ones, writes the texts.
    void SetDados(const TFolhaImpressao& Folha);
    // Marks the loaded sheet, then writes its texts.
    void ImprimeJogo();
    // Writes the texts of the loaded sheet into the template's labels and memo.
    void ImprimeDadosDoJogo();
    // The clover marks of one +Milionária game; nothing for other games.
    void ImprimeTrevo(int NumJogo, const QString& Trevo);

    // Fits the template to the page format of the run: cell, picture, margins and calibration.
    void Prepare();

protected:
    // Places ShapeAtual NomeMarca on column guide "SG_Col<Coluna>" and row guide NomeGuiaLinha.
    void ImprimeNaColuna(const QString& NomeGuiaLinha, const QString& NomeMarca);

private:
    void Informa(const QString& Texto);
    TShape* ShapePorNome(const QString& Nome);
    // The failure of a placement in words, or empty when the three shapes exist.
    QString FalhaDaColocacao(TShape* Coluna, TShape* Linha, TShape* Marca) const;

    TFormImpressao* FFormOwner = nullptr;
    TGradeDetalhe* FDetailGrid = nullptr;
    int FLayoutIndex = 0;
    int FQdeNumPorVolante = 0;
    int FQdeJogosPorVolante = 0;
    bool FImpressaoVolanteOficial = false;
    int FQdeVolantesPorPagina_A4 = 0;
    bool FImagemVisivel = false;
    QList<double> FAjusteUsuario;
    QString FJogo2;
    QString FJogo3;
    QString FJogo1;
    int FNumeroPagina = 0;
    QString FSequenciaJogo;
    QString FObjColuna;
    QString FShapeAtual;
    QString FObjLinha;
    QList<int> FAjusteFino;
    int FLinha = 0;
    int FColuna = 0;
    QList<int> FBox;
    int FQdeSurpresinha = 0;
    int FQdeBolao = 0;
    int FQdeTeimosinha = 0;
    QList<int> FImpRelacaoJogos_T;
    QList<int> FImpNomeModalidade_T;
    QList<int> FImpNumPagina_E;
    QList<int> FImpNumPagina_T;
    QList<int> FImpRelacaoJogos_E;
    QList<int> FImpNomeModalidade_E;
    QString FNomeModalidade;
    TTipoModalidade FTipoModalidade = TTipoModalidade::Megasena;
    QString FNomeIdentificacao;
    bool FImprimirNumerosJogos = false;
    QList<int> FImpNomeModalidadeExtra_T;
    QList<int> FImpNomeModalidadeExtra_E;
    int FTimeCoracaoJogo1 = 0;
    int FMesJogo2 = 0;
    int FMesJogo3 = 0;
    int FMesJogo1 = 0;
    int FTimeCoracaoJogo2 = 0;
    int FTimeCoracaoJogo3 = 0;
    bool FGuiaForcada = false;
    bool FApostaEspelho2 = false;
    bool FApostaEspelho3 = false;
    bool FApostaEspelho1 = false;
    QString FJogo4;
    int FMesJogo4 = 0;
    int FTimeCoracaoJogo4 = 0;
    bool FApostaEspelho4 = false;
    QString FTrevo2;
    QString FTrevo3;
    QString FTrevo1;
    QString FTrevo4;
    int FQdeTrevo = 0;
    bool FMarcarTrevoMao = false;
    bool FImprimirTextoModalidadeLateral = false;
    QList<int> FImpQdeCotas_E;
    QList<int> FImpQdeCotas_T;

    QColor FColorShape = Qt::black;
    TIndiceShapes FShapes;
    TMensagens FMensagens;
    TAoMensagem FAoMensagem;
};
