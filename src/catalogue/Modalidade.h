#pragma once

#include "catalogue/Mensagem.h"
#include "catalogue/TipoModalidade.h"

#include <QList>
#include <QString>
#include <QStringList>

// Rules object of one lottery game: number range, print choices per slip model and the check of a
// print request. Created by CriaModalidade for one question and dropped by the caller.
class TModalidade {
public:
    virtual ~TModalidade() = default;
    TModalidade(const TModalidade&) = delete;
    TModalidade& operator=(const TModalidade&) = delete;

    int NumBonusInicial() const { return FNumBonusInicial; }
    int NumBonusFinal() const { return FNumBonusFinal; }
    int NumInicial() const { return FNumInicial; }
    int NumFinal() const { return FNumFinal; }
    QString NomeModalidade() const { return FNomeModalidade; }
    QList<int> QdeNumPorVolante() const { return FQdeNumPorVolante; }
    QList<int> Teimosinha() const { return FTeimosinha; }
    QList<int> Surpresinha() const { return FSurpresinha; }
    QStringList Layout() const { return FLayout; }
    int LayoutIndex() const { return FLayoutIndex; }
    QStringList NomeRelatorio() const { return FNomeRelatorio; }
    QStringList ImagemMiniatura() const { return FImagemMiniatura; }
    int QdeVolantesPorPagina() const { return FQdeVolantesPorPagina; }
    int Bolao() const { return FBolao; }
    QList<int> QdeJogosPorVolante() const { return FQdeJogosPorVolante; }
    int QdeBolaoMin() const { return FQdeBolaoMin; }
    int QdeBolaoMax() const { return FQdeBolaoMax; }
    bool LiberadoImprimir() const { return FLiberadoImprimir; }
    QString NumerosModalidade() const { return FNumerosModalidade; }
    TTipoModalidade TipoModalidade() const { return FTipoModalidade; }

    void SetNumBonusInicial(int Value) { FNumBonusInicial = Value; }
    void SetNumBonusFinal(int Value) { FNumBonusFinal = Value; }
    void SetNumInicial(int Value) { FNumInicial = Value; }
    void SetNumFinal(int Value) { FNumFinal = Value; }
    void SetNomeModalidade(const QString& Value) { FNomeModalidade = Value; }
    void SetQdeNumPorVolante(const QList<int>& Value) { FQdeNumPorVolante = Value; }
    void SetTeimosinha(const QList<int>& Value) { FTeimosinha = Value; }
    void SetSurpresinha(const QList<int>& Value) { FSurpresinha = Value; }
    void SetLayout(const QStringList& Value) { FLayout = Value; }
    void SetLayoutIndex(int Value) { FLayoutIndex = Value; }
    void SetNomeRelatorio(const QStringList& Value) { FNomeRelatorio = Value; }
    void SetImagemMiniatura(const QStringList& Value) { FImagemMiniatura = Value; }
    void SetQdeVolantesPorPagina(int Value) { FQdeVolantesPorPagina = Value; }
    void SetBolao(int Value) { FBolao = Value; }
    void SetQdeJogosPorVolante(const QList<int>& Value) { FQdeJogosPorVolante = Value; }
    void SetLiberadoImprimir(bool Value) { FLiberadoImprimir = Value; }
    void SetNumerosModalidade(const QString& Value) { FNumerosModalidade = Value; }
    void SetTipoModalidade(TTipoModalidade Value) { FTipoModalidade = Value; }

    // Checks a print request; the answer is left in LiberadoImprimir and every refusal, in order, in
    // MensagensValidacao (error boxes). Subclasses apply their game's rules and end with this step,
    // which refuses a slip model that has no report template.
    virtual void ValidaImpressao(int ImpQdeNumPorVolante, int ImpQdeBolao, int ImpQdeTeimosinha,
                                 int ImpTimeCoracao, int Layout);
    // Fills every print choice for the slip model in LayoutIndex; the numbers per game only select
    // the pool quota ceiling.
    virtual void SetParameters(int Par_QdeNumPorVolante) = 0;

    // The refusals of the last ValidaImpressao, in the order they were found.
    const TMensagens& MensagensValidacao() const { return FMensagensValidacao; }

protected:
    explicit TModalidade(TTipoModalidade Tipo);

    // Fills NumerosModalidade with every number of NumInicial..NumFinal as two-digit text.
    void GeraNumerosModalidade();
    // Opens a check: printing allowed until a rule refuses it.
    void IniciaValidacao();
    void Recusa(const QString& Mensagem);
    // The rule every game but the undefined one shares: no pool together with repeat draws.
    void RegraBolaoComTeimosinha(int ImpQdeBolao, int ImpQdeTeimosinha);

    int FNumFinal = 0;
    int FNumInicial = 0;
    QString FNomeModalidade;
    QList<int> FQdeNumPorVolante;
    QList<int> FSurpresinha;
    QList<int> FTeimosinha;
    QStringList FLayout;
    QStringList FImagemMiniatura;
    QStringList FNomeRelatorio;
    int FQdeVolantesPorPagina = 0;
    int FBolao = 0;
    int FLayoutIndex = 0;
    QList<int> FQdeJogosPorVolante;
    bool FLiberadoImprimir = false;
    QString FNumerosModalidade;
    TTipoModalidade FTipoModalidade;
    int FQdeBolaoMax = 0;
    int FQdeBolaoMin = 0;
    int FNumBonusFinal = 0;
    int FNumBonusInicial = 0;

private:
    TMensagens FMensagensValidacao;
};
