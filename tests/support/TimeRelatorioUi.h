#pragma once
// The team report's inputs from the datasets of TimeRelatorio (for programs
// that link the user interface).
#include "TimeRelatorio.h"
#include "ui/reports/pRelatorios.h"

inline DadosRelatorioTime dadosDoTime(TimeRelatorio& t)
{
    return DadosRelatorioTime{t.Query1, t.Table2, t.Query5, t.Query4, t.titulos()};
}
