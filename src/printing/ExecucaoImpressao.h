#pragma once

#include "catalogue/Mensagem.h"
#include "printing/FonteDadosImpressao.h"
#include "printing/FormImpressao.h"
#include "printing/Impressao.h"

#include <QColor>
#include <QString>

#include <memory>

class TCDSImpressao;

// Everything chosen for one print run: the game and slip model, the options of the print setup and
// of the print manager, the calibration and the mark colour.
struct TConfiguracaoImpressao {
    QString NomeModalidade; // the game's name, recognised as everywhere in the program
    int LayoutIndex = 0;    // slip model
    int QdeNumPorVolante = 0;
    int QdeJogosPorVolante = 0;
    int QdeSurpresinha = 0;               // 0 = none
    int QdeTeimosinha = 0;                // 0 = none
    int QdeBolao = 0;                     // pool quota count, 0 = none
    int IndiceTimeCoracao = -1;           // position of the chosen supporter's club, -1 = none (Timemania)
    bool ImpressaoVolanteOficial = false; // printing on the official slip fed into the printer
    bool GuiaForcada = false;             // draw the guide marks on the official slip too
    bool ImagemVisivel = false;           // show the slip picture behind the marks
    // Alignment test on plain paper: the slip picture in light grey under the marks and a millimetre
    // scale along the top and left edges of each slip, all moved by the calibration like the marks.
    bool TesteAlinhamento = false;
    bool ImprimirNumerosJogos = true;
    bool ImprimirTextoModalidadeLateral = false;
    QString NomeIdentificacao;
    bool MarcarTrevoMao = false; // +Milionária: clovers marked by hand
    int QdeTrevo = 0;            // +Milionária: clovers chosen
    double AjusteEsquerda = 0;   // calibration, millimetres
    double AjusteTopo = 0;
    QColor ColorShape = Qt::black;
    QString PastaImagens; // folder of the slip pictures, read when ImagemVisivel; empty: the built-in ones
};

// One print run, assembled and ready to draw: the report template of the chosen slip model, the
// game's slip layout with every setting of the run, fitted to the page and holding its guides and
// marks, and the printed store bound as the report's rows. Draw it through the report's outputs
// (preview, page images, PDF, printer); every cell fills itself from its print sheet as it is drawn.
// The store must outlive the run.
class TExecucaoImpressao {
public:
    // Checks the request with the game's rules and assembles the run. Without a run (the rules refuse
    // the request, or the game or model cannot be printed) Mensagens holds the reasons; with one it
    // holds the warnings of the assembly (a slip picture that cannot be read).
    static std::unique_ptr<TExecucaoImpressao> Monta(const TConfiguracaoImpressao& Configuracao,
                                                     const TCDSImpressao& CDSImpressao,
                                                     TMensagens& Mensagens);

    // How many slips one page holds in the page format of the game, slip model and paper of the
    // configuration (ImpressaoVolanteOficial: the official slip), as the template fitted to it lays
    // them out; the print sheet queue numbers its pages by it. The game's own count of slips per page
    // for a model without a template.
    static int VolantesPorPagina(const TConfiguracaoImpressao& Configuracao);

    TExecucaoImpressao(const TExecucaoImpressao&) = delete;
    TExecucaoImpressao& operator=(const TExecucaoImpressao&) = delete;

    TRelatorio& Relatorio() { return FForm->RLReport1(); }
    TFormImpressao& Form() { return *FForm; }
    TImpressao& Impressao() { return *FImpressao; }
    // The placement errors of the drawing so far; SetAoMensagem tells of each one as it arises.
    const TMensagens& Mensagens() const { return FImpressao->Mensagens(); }
    void SetAoMensagem(TImpressao::TAoMensagem AoMensagem) {
        FImpressao->SetAoMensagem(std::move(AoMensagem));
    }

private:
    TExecucaoImpressao(std::unique_ptr<TFormImpressao> Form, std::unique_ptr<TImpressao> Impressao,
                       const TCDSImpressao& CDSImpressao);

    std::unique_ptr<TFormImpressao> FForm;
    std::unique_ptr<TImpressao> FImpressao;
    TFonteDadosImpressao FFonte;
};
