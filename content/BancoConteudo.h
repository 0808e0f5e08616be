#pragma once
// The championship database of the default tree: Times1 with every known
// club, Jogos with the 2001 fixture, Confrontos with the simulated history,
// and the quiz's questions, teams and group-stage matches.
#include <QString>

namespace BancoConteudo {

// Writes a new database file (an existing one is replaced).
void escreve(const QString& arquivo);

// A club's sort name: the short name without accents.
QString semAcento(const QString& texto);

} // namespace BancoConteudo
