// Statements of the table engine: quoted literals, "mm/dd/yy" dates and
// named parameters translated for SQLite. The translation never fails, is
// the same with and without the name list, and SQLite can be handed it. (A
// marker that SQLite takes for a parameter and the engine does not, such as
// "x:Time", leaves the bound values short: the driver refuses to run it and
// the engine reports the statement as invalid.)
#include "core/data/Dataset.h"

#include <QStringList>
#include <cstdint>
#include <cstdlib>
#include <sqlite3.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    static sqlite3* db = [] {
        sqlite3* d = nullptr;
        sqlite3_open(":memory:", &d);
        sqlite3_exec(d, "create table Jogos (Apostador text, Dia date, Time1 integer, Time2 integer, Situacao text)",
                     nullptr, nullptr, nullptr);
        return d;
    }();
    const QString sql = QString::fromUtf8(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));
    QStringList nomes;
    const QString traduzido = Dataset::traduz(sql, &nomes);
    if (Dataset::traduz(sql, nullptr) != traduzido)
        std::abort();
    for (const QString& n : nomes)
        if (n.isEmpty())
            std::abort();
    const QByteArray utf8 = traduzido.toUtf8();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, utf8.constData(), static_cast<int>(utf8.size()), &st, nullptr) == SQLITE_OK && st) {
        sqlite3_finalize(st);
    }
    return 0;
}
