#pragma once

#include "printing/FormImpressao.h"

#include <QList>
#include <QString>

#include <memory>

// The report templates that print the slip models, by class name, in the order of registration. A
// rules object names the template of each slip model (NomeRelatorio).
const QList<TModeloRelatorio>& ModelosRelatorio();

// A new instance of the template of that class name, for one print run; none for an unknown name.
std::unique_ptr<TFormImpressao> CriaFormImpressao(const QString& NomeClasse);
