#include "core/data/Banco.h"

#include "core/errors/Erros.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <sqlite3.h>

namespace Banco {

QString chaveTexto(const QString& s)
{
    const QString d = s.normalized(QString::NormalizationForm_D);
    QString r;
    r.reserve(d.size());
    for (QChar c : d) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        r.append(c.toLower());
    }
    return r;
}

int comparaTexto(const QString& a, const QString& b)
{
    const int c = chaveTexto(a).compare(chaveTexto(b));
    if (c != 0)
        return c < 0 ? -1 : 1;
    const int e = a.compare(b);
    return e < 0 ? -1 : (e > 0 ? 1 : 0);
}

namespace {

int colacao(void*, int n1, const void* s1, int n2, const void* s2)
{
    const QString a = QString::fromUtf8(static_cast<const char*>(s1), n1);
    const QString b = QString::fromUtf8(static_cast<const char*>(s2), n2);
    return comparaTexto(a, b);
}

QString novaConexao()
{
    static QAtomicInt n;
    return QStringLiteral("golazzo-%1").arg(n.fetchAndAddRelaxed(1));
}

} // namespace

QString motivo(const QString& t)
{
    if (t.contains(QLatin1String("locked"), Qt::CaseInsensitive) || t.contains(QLatin1String("busy"), Qt::CaseInsensitive))
        return QStringLiteral("o banco de dados está bloqueado por outro programa. Feche-o e tente de novo.");
    if (t.contains(QLatin1String("readonly"), Qt::CaseInsensitive) || t.contains(QLatin1String("read-only"), Qt::CaseInsensitive))
        return QStringLiteral("o banco de dados está protegido contra gravação.");
    if (t.contains(QLatin1String("malformed"), Qt::CaseInsensitive) || t.contains(QLatin1String("not a database"), Qt::CaseInsensitive))
        return QStringLiteral("o banco de dados está danificado.");
    if ((t.contains(QLatin1String("disk"), Qt::CaseInsensitive) && t.contains(QLatin1String("full"), Qt::CaseInsensitive))
        || t.contains(QLatin1String("database or disk is full"), Qt::CaseInsensitive))
        return QStringLiteral("o disco está cheio.");
    if (t.contains(QLatin1String("disk I/O"), Qt::CaseInsensitive))
        return QStringLiteral("o disco não aceitou a gravação.");
    return t;
}

namespace {

sqlite3* handle(const QSqlDatabase& db)
{
    const QVariant h = db.driver() ? db.driver()->handle() : QVariant();
    if (h.isValid() && qstrcmp(h.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3* const*>(h.data());
    return nullptr;
}

// "COLLATE PTBR" in any quoting.
const QRegularExpression& reColacao()
{
    static const QRegularExpression re(QStringLiteral("COLLATE\\s*(\"PTBR\"|'PTBR'|`PTBR`|\\[PTBR\\]|PTBR\\b)"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

QString semColacao(QString sql)
{
    // Stored indexes compare text without regard to case; the Portuguese
    // order is asked for by the program's own statements.
    return sql.replace(reColacao(), QStringLiteral("COLLATE NOCASE"));
}

void executa(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        throw ErroPrograma(q.lastError().text());
}

struct Objeto { QString tipo, nome, tabela, sql; };

// Rewrites every schema object that names the program's collation, in one
// transaction: indexes, triggers and views are dropped and created again,
// a table is copied into a new one of the same columns.
void migraColacao(QSqlDatabase& db)
{
    QList<Objeto> objetos;
    {
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master WHERE sql LIKE '%PTBR%'"));
        while (q.next()) {
            const Objeto o{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString()};
            if (semColacao(o.sql) != o.sql)
                objetos << o;
        }
    }
    if (objetos.isEmpty())
        return;
    auto aspas = [](const QString& n) { return QLatin1Char('"') + QString(n).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"'); };
    try {
        Transacao t(db);
        for (const Objeto& o : objetos) {
            if (o.tipo != QLatin1String("table"))
                continue;
            // The table's other objects go with it and come back after the copy.
            QList<Objeto> dependentes;
            {
                QSqlQuery q(db);
                q.prepare(QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master "
                                         "WHERE tbl_name = ? AND type IN ('index', 'trigger') AND sql IS NOT NULL"));
                q.addBindValue(o.nome);
                q.exec();
                while (q.next())
                    dependentes << Objeto{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString()};
            }
            QVariant sequencia;
            {
                QSqlQuery q(db);
                q.prepare(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ?"));
                q.addBindValue(o.nome);
                if (q.exec() && q.next())
                    sequencia = q.value(0);
            }
            const QString antiga = o.nome + QStringLiteral("__migracao");
            executa(db, QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(aspas(o.nome), aspas(antiga)));
            executa(db, semColacao(o.sql));
            executa(db, QStringLiteral("INSERT INTO %1 SELECT * FROM %2").arg(aspas(o.nome), aspas(antiga)));
            executa(db, QStringLiteral("DROP TABLE %1").arg(aspas(antiga)));
            for (const Objeto& d : dependentes)
                executa(db, semColacao(d.sql));
            if (sequencia.isValid()) {
                QSqlQuery q(db);
                q.prepare(QStringLiteral("UPDATE sqlite_sequence SET seq = max(seq, ?) WHERE name = ?"));
                q.addBindValue(sequencia);
                q.addBindValue(o.nome);
                q.exec();
            }
        }
        for (const Objeto& o : objetos) {
            if (o.tipo == QLatin1String("table"))
                continue;
            bool existe = false;
            {
                QSqlQuery q(db);
                q.prepare(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = ? AND name = ?"));
                q.addBindValue(o.tipo);
                q.addBindValue(o.nome);
                existe = q.exec() && q.next() && q.value(0).toString() == o.sql;
            }
            if (!existe)
                continue; // already made again with its table
            const QString tipo = o.tipo.toUpper();
            executa(db, QStringLiteral("DROP %1 %2").arg(tipo, aspas(o.nome)));
            executa(db, semColacao(o.sql));
        }
        t.confirma();
    } catch (const ErroPrograma& e) {
        throw ErroPrograma(QStringLiteral("Não foi possível atualizar o formato do banco de dados: %1").arg(motivo(e.mensagem())));
    }
}

} // namespace

QStringList objetosComColacao(QSqlDatabase db)
{
    QStringList r;
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE sql IS NOT NULL"));
    while (q.next())
        if (q.value(1).toString().contains(reColacao()))
            r << q.value(0).toString();
    return r;
}

Transacao::Transacao(QSqlDatabase db) : m_db(db)
{
    sqlite3* s = handle(m_db);
    if (s && !sqlite3_get_autocommit(s))
        return; // an outer transaction is open
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        throw ErroPrograma(QStringLiteral("Não foi possível gravar: %1\nNada foi gravado.").arg(motivo(q.lastError().text())));
    m_propria = true;
}

Transacao::~Transacao()
{
    desfaz();
}

void Transacao::confirma()
{
    if (!m_propria)
        return;
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("COMMIT"))) {
        const QString erro = q.lastError().text();
        desfaz();
        throw ErroPrograma(QStringLiteral("Não foi possível gravar: %1\nNada foi gravado.").arg(motivo(erro)));
    }
    m_propria = false;
}

void Transacao::desfaz()
{
    if (!m_propria)
        return;
    m_propria = false;
    sqlite3* s = handle(m_db);
    if (s && sqlite3_get_autocommit(s))
        return; // SQLite has rolled back already (a full disk, for instance)
    QSqlQuery q(m_db);
    q.exec(QStringLiteral("ROLLBACK"));
}

QSqlDatabase abre(const QString& arquivo, QString conexao, bool criar)
{
    if (conexao.isEmpty())
        conexao = novaConexao();
    if (!criar && !QFileInfo::exists(arquivo))
        throw ErroPrograma(QStringLiteral("O banco de dados não foi encontrado:\n%1").arg(arquivo));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexao);
    db.setDatabaseName(arquivo);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    auto desiste = [&](const QString& mensagem) {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(conexao);
        throw ErroPrograma(mensagem);
    };
    if (!db.open())
        desiste(QStringLiteral("Não foi possível abrir o banco de dados:\n%1\n%2").arg(arquivo, motivo(db.lastError().text())));
    if (sqlite3* s = handle(db))
        sqlite3_create_collation(s, "PTBR", SQLITE_UTF8, nullptr, &colacao);
    // A damaged file opens but fails its first read: say so now, not mid-save.
    {
        QSqlQuery q(db);
        const bool lido = q.exec(QStringLiteral("PRAGMA quick_check(1)")) && q.next();
        const QString erro = lido ? q.value(0).toString() : q.lastError().text();
        if (!lido || erro != QLatin1String("ok")) {
            q = QSqlQuery();
            const QString m = motivo(erro);
            if (m.contains(QLatin1String("bloqueado")))
                desiste(QStringLiteral("O banco de dados está bloqueado por outro programa:\n%1\nFeche o outro programa e tente de novo.").arg(arquivo));
            const QString pasta = QFileInfo(arquivo).absolutePath();
            desiste(QStringLiteral("O banco de dados está danificado:\n%1\n\n"
                                   "O programa não alterou nem apagou nada. Para voltar à árvore padrão, "
                                   "feche o programa e renomeie (para guardar uma cópia) ou apague a pasta\n%2\n"
                                   "Na próxima vez que o programa for aberto, ele instala a árvore padrão de novo.")
                        .arg(arquivo, pasta));
        }
    }
    QSqlQuery q(db);
    // The write-ahead log keeps saves quick and the file whole; a full sync
    // at every commit makes a save durable once it has returned, also on
    // power loss (NORMAL may lose the last commits until a checkpoint).
    q.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    q.exec(QStringLiteral("PRAGMA synchronous = FULL"));
    // A file written by an older build names the program's collation in its
    // stored indexes; standard tools cannot change such a file.
    try {
        migraColacao(db);
    } catch (const ErroPrograma& e) {
        // A read-only file still works with the collation registered here.
        if (!QFileInfo(arquivo).isWritable())
            return db;
        q = QSqlQuery();
        desiste(e.mensagem());
    }
    return db;
}

namespace {
const QString kPrincipal = QStringLiteral("golazzo-principal");

QString& arquivoPrincipal()
{
    static QString a;
    return a;
}
}

void definePrincipal(const QString& arquivo)
{
    arquivoPrincipal() = arquivo;
}

QSqlDatabase principal()
{
    const QString arquivo = arquivoPrincipal();
    if (arquivo.isEmpty())
        throw ErroPrograma(QStringLiteral("Nenhum banco de dados foi definido."));
    {
        QSqlDatabase db = QSqlDatabase::database(kPrincipal, false);
        if (db.isValid() && db.isOpen() && db.databaseName() == arquivo)
            return db;
    }
    fechaPrincipal();
    return abre(arquivo, kPrincipal);
}

void fechaPrincipal()
{
    if (QSqlDatabase::contains(kPrincipal))
        fecha(kPrincipal);
}

void fecha(const QString& conexao)
{
    {
        QSqlDatabase db = QSqlDatabase::database(conexao, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(conexao);
}

} // namespace Banco
