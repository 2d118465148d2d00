#include "printing/FonteDadosImpressao.h"

#include "store/CDSImpressao.h"

int TFonteDadosImpressao::QdeLinhas() const {
    return FCDS.QdeRegistros();
}

const TFolhaImpressao& TFonteDadosImpressao::FolhaAtual() const {
    return FCDS.Folha(FLinha);
}
