#pragma once
// The one SQLite database file of the install root, "Golazzo.db".
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace Banco {

// Opens the database file under a connection name of its own (a new one
// when empty) and registers the Portuguese text order "PTBR" for the
// program's statements. A file whose stored schema still names that order
// (written by an older build) is migrated once, so that standard SQLite
// tools can read and write it.
// Throws ErroPrograma with a message for the user when the file is missing,
// locked or damaged; a damaged file's message names it and says how to get
// the default tree back. Nothing is overwritten or deleted.
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

// Schema objects (tables, indexes, triggers, views) whose stored statement
// names the program's own collation; empty on a sound file.
QStringList objetosComColacao(QSqlDatabase db);

// One write transaction on a connection: begun at once (so a database held
// by another program is reported before anything changes), committed by
// confirma(), rolled back when it ends unconfirmed. Inside a transaction
// already open on the connection it does nothing: the outer one decides.
class Transacao {
public:
    explicit Transacao(QSqlDatabase db);
    ~Transacao();
    Transacao(const Transacao&) = delete;
    Transacao& operator=(const Transacao&) = delete;
    // Throws ErroPrograma, after rolling back, when the commit fails.
    void confirma();
    void desfaz();
private:
    QSqlDatabase m_db;
    bool m_propria = false;
};

// The reason of a database error in words for the user (locked, read-only,
// disk full, damaged), or the driver's text.
QString motivo(const QString& textoErro);

// Orders texts without regard to case or accents ("São Paulo" between
// "Santos" and "Sport"); an exact tie-break keeps the order total.
int comparaTexto(const QString& a, const QString& b);

// The key under which a text sorts: lower case, accents removed.
QString chaveTexto(const QString& s);

} // namespace Banco
