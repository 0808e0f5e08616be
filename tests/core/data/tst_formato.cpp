// The database file stays usable by any SQLite tool: no stored schema object
// names the program's own collation, and an older file is migrated once.
#include "ArvoreTeste.h"
#include "core/data/Banco.h"
#include "core/data/Dataset.h"

#include <QSqlQuery>
#include <QtTest>
#include <sqlite3.h>

namespace {

// A plain connection, as the sqlite3 shell or Python would open the file:
// nothing of the program registered.
struct Cru {
    sqlite3* db = nullptr;
    explicit Cru(const QString& arquivo) { sqlite3_open(arquivo.toUtf8().constData(), &db); }
    ~Cru() { sqlite3_close(db); }
    QString executa(const QString& sql)
    {
        char* erro = nullptr;
        const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &erro);
        const QString r = rc == SQLITE_OK ? QString() : QString::fromUtf8(erro ? erro : "erro");
        sqlite3_free(erro);
        return r;
    }
    QString valor(const QString& sql)
    {
        sqlite3_stmt* st = nullptr;
        QString r;
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
            r = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        sqlite3_finalize(st);
        return r;
    }
};

int ptbr(void*, int n1, const void* s1, int n2, const void* s2)
{
    return Banco::comparaTexto(QString::fromUtf8(static_cast<const char*>(s1), n1),
                               QString::fromUtf8(static_cast<const char*>(s2), n2));
}

} // namespace

class TstFormato : public QObject {
    Q_OBJECT
private slots:
    void ferramentaPadraoAlteraArvoreNova()
    {
        ArvoreTeste arvore;
        {
            Cru cru(arvore.caminhos().banco());
            QCOMPARE(cru.executa(QStringLiteral("update Times1 set Pontos=0 where Cod_Time=1")), QString());
            QCOMPARE(cru.executa(QStringLiteral("update Jogos set Estadio='X' where Cod_Jogo=1")), QString());
            QCOMPARE(cru.valor(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
        }
        QCOMPARE(Banco::objetosComColacao(arvore.banco()), QStringList());
    }

    void ordemDosNomesContinuaPortuguesa()
    {
        ArvoreTeste arvore;
        Dataset times;
        times.setTableName(QStringLiteral("Times1.DB"));
        times.setIndexName(QStringLiteral("NomeIdx"));
        times.open();
        QStringList nomes;
        for (times.first(); !times.eof(); times.next())
            nomes << times.asString(QStringLiteral("Time"));
        const int santos = nomes.indexOf(QStringLiteral("Santos"));
        const int saoPaulo = nomes.indexOf(QStringLiteral("São Paulo"));
        const int sport = nomes.indexOf(QStringLiteral("Sport"));
        QVERIFY(santos >= 0 && saoPaulo >= 0 && sport >= 0);
        QVERIFY(santos < saoPaulo);
        QVERIFY(saoPaulo < sport);
    }

    void arquivoAntigoMigradoSemPerderLinhas()
    {
        ArvoreTeste arvore;
        const QString arquivo = arvore.caminhos().banco();
        int jogos = 0, times = 0;
        {
            // The file as an older build wrote it: indexes in the program's
            // collation, and a table whose column names it.
            Cru cru(arquivo);
            sqlite3_create_collation(cru.db, "PTBR", SQLITE_UTF8, nullptr, &ptbr);
            QCOMPARE(cru.executa(QStringLiteral("drop index Times1_NomeIdx; "
                                                "create index Times1_NomeIdx on Times1 (Time COLLATE PTBR, Estado COLLATE \"PTBR\")")),
                     QString());
            QCOMPARE(cru.executa(QStringLiteral(
                         "create table TimesAntigos (Codigo integer primary key autoincrement, Nome text collate PTBR, Pontos integer); "
                         "create index TimesAntigos_ClassIdx on TimesAntigos (Nome collate ptbr); "
                         "insert into TimesAntigos (Nome, Pontos) values ('São Paulo', 3), ('Santos', 1), ('Sport', 2); "
                         "insert into TimesAntigos (Codigo, Nome) values (40, 'x'); delete from TimesAntigos where Codigo = 40")),
                     QString());
            jogos = cru.valor(QStringLiteral("select count(*) from Jogos")).toInt();
            times = cru.valor(QStringLiteral("select count(*) from Times1")).toInt();
            QVERIFY(cru.executa(QStringLiteral("select 1")).isEmpty());
        }
        {
            Cru cru(arquivo);
            QVERIFY(!cru.executa(QStringLiteral("update Times1 set Time = Time where Cod_Time=1")).isEmpty());
        }
        // The program's first open migrates the file.
        QCOMPARE(Banco::objetosComColacao(Banco::principal()), QStringList());
        Banco::fechaPrincipal();
        {
            Cru cru(arquivo);
            QCOMPARE(cru.executa(QStringLiteral("update Times1 set Time = Time where Cod_Time=1")), QString());
            QCOMPARE(cru.valor(QStringLiteral("select count(*) from Jogos")).toInt(), jogos);
            QCOMPARE(cru.valor(QStringLiteral("select count(*) from Times1")).toInt(), times);
            QCOMPARE(cru.valor(QStringLiteral("select group_concat(Nome || Pontos, ',') from (select * from TimesAntigos order by Codigo)")),
                     QStringLiteral("São Paulo3,Santos1,Sport2"));
            // The key counter keeps its place: a removed code is not handed out again.
            QCOMPARE(cru.valor(QStringLiteral("select seq from sqlite_sequence where name = 'TimesAntigos'")), QStringLiteral("40"));
            QCOMPARE(cru.valor(QStringLiteral("select count(*) from sqlite_master where name in ('TimesAntigos_ClassIdx', 'Times1_NomeIdx')")),
                     QStringLiteral("2"));
            QCOMPARE(cru.valor(QStringLiteral("pragma integrity_check")), QStringLiteral("ok"));
        }
        // The program still orders by the Portuguese rule.
        Dataset quiz;
        quiz.setSql(QStringLiteral("select Nome from TimesAntigos order by Nome collate PTBR"));
        quiz.open();
        QStringList nomes;
        for (quiz.first(); !quiz.eof(); quiz.next())
            nomes << quiz.asString(QStringLiteral("Nome"));
        QCOMPARE(nomes, QStringList({"Santos", "São Paulo", "Sport"}));
    }
};

QTEST_MAIN(TstFormato)
#include "tst_formato.moc"
