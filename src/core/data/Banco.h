#pragma once
// The one SQLite database file of the install root, "Golazzo.db".
#include <QSqlDatabase>
#include <QString>

namespace Banco {

// Opens the database file under a connection name of its own (a new one
// when empty) and registers the Portuguese text order "PTBR".
// Throws ErroPrograma with a message for the user when the file is missing,
// locked or damaged.
QSqlDatabase abre(const QString& arquivo, QString conexao = QString(), bool criar = false);

// The file of the program's own connection, handed over by the start-up
// (and by tests). The core never looks it up itself.
void definePrincipal(const QString& arquivo);

// The program's connection to that file, opened on first use and again
// when another file has been set.
QSqlDatabase principal();
void fechaPrincipal();

// Closes and removes a connection opened by abre().
void fecha(const QString& conexao);

// Orders texts without regard to case or accents ("São Paulo" between
// "Santos" and "Sport"); an exact tie-break keeps the order total.
int comparaTexto(const QString& a, const QString& b);

// The key under which a text sorts: lower case, accents removed.
QString chaveTexto(const QString& s);

} // namespace Banco
