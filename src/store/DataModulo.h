#pragma once

#include "catalogue/Mensagem.h"
#include "catalogue/TipoModalidade.h"
#include "store/CDSDetalhe.h"
#include "store/CDSImpressao.h"
#include "store/CDSMaster.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

// The data module: owns the closings store, the games store, the print sheet queue and the printed
// sheets for the whole run, and keeps the current closing. Nothing is saved; every store starts empty
// and closed.
//
// While FiltroMasterAtivo is on, every change of the current closing runs the current-closing
// processing: the games view is restricted to the current closing, then FechamentoAtualProcessado
// carries the games tab's counts text and whether its four buttons (BtnApagarFechamento,
// BtnTelaImpressao, BtnExportarJogosArquivoTexto, BtnCopiarJogosAreaTransferencia) are enabled; the
// window sets the text first, then the buttons. While it is off, the view keeps its last restriction.
class TDM : public QObject {
    Q_OBJECT

public:
    explicit TDM(QObject* Parent = nullptr);

    // Opens the closings store and the games store unless they are open.
    void CriaCDS();
    // The largest closing ID plus 1; 1 when there is none.
    int RetornaProximoID() const;

    // Stores one closing with one game per entry of ListaJogos and makes it the current closing; an
    // empty list stores nothing and leaves the stores as they were. Entries are game lines, optionally
    // followed by ":" and the bonus number. An empty NumerosDoFechamento is derived from the games.
    void InsereRegistroPorStringList(const QString& NomeModalidade, const QString& Titulo, bool doPortal,
                                     const QStringList& ListaJogos, const QString& NumerosDoFechamento);
    // Deletes every closing whose DoPortalVip equals Tipo ("Sim": the downloaded ones) with its games;
    // the last remaining closing becomes the current one.
    void DeletaFechamento(const QString& Tipo);
    // Deletes every game of closing IDMaster; the closing itself stays.
    void DeletaDetalhe(int IDMaster);
    // Deletes the current closing with its games; the next one (the previous one at the end) becomes
    // current.
    void DeletaFechamentoAtual();
    // Deletes one game of the games view; its closing then counts one game less, and while
    // FiltroMasterAtivo is on the current-closing processing reports the new counts.
    void DeletaJogo(int LinhaDaVisao);

    void AtivaFiltro_MASTER(bool Status);
    bool FiltroMasterAtivo() const { return FFiltroMasterAtivo; }
    // Restricts the games view to the current closing, then reports the counts and the buttons.
    void ProcessaFechamentoAtual();

    // Makes the closing at Indice current (the closings grid's selection); an index out of range is
    // ignored.
    void MoveParaFechamento(int Indice);
    int IndiceFechamentoAtual() const { return FIndiceAtual; }
    // ID of the current closing; 0 when there is none.
    int IDFechamentoAtual() const;

    // The current closing; none when there is none.
    const TRegistroMaster* FechamentoAtual() const;
    int QdeFechamentos() const { return FCDSMaster.QdeRegistros(); }
    const TRegistroMaster& Fechamento(int Indice) const { return FCDSMaster.Registro(Indice); }
    // The games view.
    int QdeJogos() const { return FCDSDetalhe.QdeRegistros(); }
    TRegistroDetalhe Jogo(int LinhaDaVisao) const { return FCDSDetalhe.Registro(LinhaDaVisao); }

    // The stores, for the grids (DSMaster, DSDetalhe, DSImpressao_Temp, DSImpressao). Closings and
    // games change only through the module; the print manager works on the sheet stores directly.
    const TCDSMaster& CDSMaster() const { return FCDSMaster; }
    const TCDSDetalhe& CDSDetalhe() const { return FCDSDetalhe; }
    TCDSImpressao& CDSImpressao_Temp() { return FCDSImpressao_Temp; }
    TCDSImpressao& CDSImpressao() { return FCDSImpressao; }

    // Rebuilds the print sheet queue from the games of the current closing and empties the printed
    // sheets. Refused, with an information message, while FiltroMasterAtivo is off.
    TMensagens PopulaCDSImpressao(int QdeJogosPorImpressao, int QdeImpressaoPorFolha, int QdeDividirBolao,
                                  int Mes, bool AvancaMes, int Time, bool AvancaTime, bool ApostaEspelho,
                                  const QString& Trevos, TTipoModalidade TipoModalidade, bool Marketplace);
    // Deletes the queue's sheets when it is open, so that a stale queue is never printed.
    void EsvaziaFilaImpressao();
    // Replaces the printed sheets by copies of the queue's sheets at the given rows, in queue order.
    void CopiaFolhasParaImpressao(const QList<int>& LinhasDaFila);

Q_SIGNALS:
    // The current closing changed (an index into the closings, -1 when there is none).
    void FechamentoAtualAlterado(int Indice);
    // The current-closing processing ran: " Master : N => Qde Jogos : M" and whether the buttons work.
    void FechamentoAtualProcessado(const QString& TextoStatus, bool BotoesHabilitados);

private:
    // The current closing became Indice, maybe another closing at the same index: tell, and run the
    // processing while the switch is on.
    void MudaFechamentoAtual(int Indice);

    TCDSMaster FCDSMaster;
    TCDSDetalhe FCDSDetalhe;
    TCDSImpressao FCDSImpressao_Temp;
    TCDSImpressao FCDSImpressao;
    bool FFiltroMasterAtivo = false;
    int FIndiceAtual = -1;
};
