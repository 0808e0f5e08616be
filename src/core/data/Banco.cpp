#include "core/data/Banco.h"

#include "core/errors/Erros.h"

#include <QAtomicInt>
#include <QFileInfo>
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

QSqlDatabase abre(const QString& arquivo, QString conexao, bool criar)
{
    if (conexao.isEmpty())
        conexao = novaConexao();
    if (!criar && !QFileInfo::exists(arquivo))
        throw ErroPrograma(QStringLiteral("O banco de dados não foi encontrado:\n%1").arg(arquivo));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexao);
    db.setDatabaseName(arquivo);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
        const QString erro = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(conexao);
        throw ErroPrograma(QStringLiteral("Não foi possível abrir o banco de dados:\n%1\n%2").arg(arquivo, erro));
    }
    const QVariant h = db.driver()->handle();
    if (h.isValid() && qstrcmp(h.typeName(), "sqlite3*") == 0) {
        sqlite3* s = *static_cast<sqlite3* const*>(h.data());
        if (s)
            sqlite3_create_collation(s, "PTBR", SQLITE_UTF8, nullptr, &colacao);
    }
    // A damaged file opens but fails its first read: say so now, not mid-save.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA quick_check(1)")) || !q.next() || q.value(0).toString() != QLatin1String("ok")) {
        const QString erro = q.lastError().text();
        q = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(conexao);
        throw ErroPrograma(QStringLiteral("O banco de dados está danificado ou bloqueado:\n%1\n%2").arg(arquivo, erro));
    }
    // Each save is its own transaction; the write-ahead log keeps them quick and the file whole.
    q.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    q.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
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
