#pragma once
// The championship and quiz tables: columns, types, keys and named indexes.
// The table engine reads the named indexes from here to order its cursors.
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace Esquema {

enum class Tipo { Texto, Curto, Real, Data, Memo, AutoInc };

struct Campo {
    QString nome;
    Tipo tipo;
    int tamanho = 0; // characters, for Texto
};

struct Indice {
    QString nome;        // "" for the primary index
    QStringList campos;
    bool descendente = false;
    bool unico = false;
};

struct Tabela {
    QString nome;
    QList<Campo> campos;
    Indice primario;          // empty field list: ordered by the auto-increment key
    QList<Indice> indices;    // secondary, named

    const Campo* campo(const QString& nome) const;
    // The primary index for an empty name; nullptr when unknown.
    const Indice* indice(const QString& nome) const;
};

// The table by name, in any letter case, with or without ".DB"; nullptr when unknown.
const Tabela* tabela(const QString& nome);

const Tabela& times1();
const Tabela& jogos();
const Tabela& confrontos();
const Tabela& quiz();
const Tabela& quizTimes();
const Tabela& quizJogos();

// Creates the championship and quiz tables and their indexes in an empty database.
// Throws ErroPrograma when the database refuses.
void cria(QSqlDatabase& db);

// The statement that creates one table (used by the quiz tables too).
QStringList ddl(const Tabela& t);

} // namespace Esquema
