#pragma once

#include "printing/Impressao.h"

#include <QStringView>

#include <memory>

// A new slip layout object for the game named Nome (recognised as everywhere in the program), with
// every field zero, empty or false; none for a game without a printable slip.
std::unique_ptr<TImpressao> CriaImpressao(QStringView Nome);
