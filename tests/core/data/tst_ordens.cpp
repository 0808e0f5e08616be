// The named orders of the club lists, run against a small table.
#include "BancoTeste.h"
#include "core/data/Clubes.h"
#include "core/data/Dataset.h"
#include "core/data/Ordens.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

namespace {

QStringList nomes(const char* sql)
{
    Dataset d;
    d.setSql(QString::fromUtf8(sql));
    d.open();
    QStringList r;
    for (d.first(); !d.eof(); d.next())
        r << d.asString(QStringLiteral("Time"));
    return r;
}

void insere(QSqlDatabase db, const QString& colunas, const QStringList& linhas)
{
    QSqlQuery q(db);
    for (const QString& l : linhas)
        QVERIFY2(q.exec(QStringLiteral("INSERT INTO Times1 (%1) VALUES (%2)").arg(colunas, l)), qPrintable(q.lastError().text()));
}

} // namespace

class TstOrdens : public QObject {
    Q_OBJECT

private slots:
    void classificacao_data()
    {
        QTest::addColumn<QStringList>("linhas");
        QTest::addColumn<QStringList>("esperado");
        // Cod_Time, Divisao, Time, Nome, Pontos, Vitorias, SaldoGols, GolsPro, Projecao, Proj_V, Aproveitamento
        QTest::newRow("vitorias antes do saldo")
            << QStringList{"1,'1','A','A',10,2,9,9,10,2,50", "2,'1','B','B',10,3,0,1,10,3,50"} << QStringList{"B", "A"};
        QTest::newRow("saldo antes dos gols")
            << QStringList{"1,'1','A','A',10,3,1,9,10,3,50", "2,'1','B','B',10,3,2,1,10,3,50"} << QStringList{"B", "A"};
        QTest::newRow("por fim o nome")
            << QStringList{"1,'1','Z','Zeta',7,2,1,3,7,2,40", "2,'1','Y','Alfa',7,2,1,3,7,2,40"} << QStringList{"Y", "Z"};
        QTest::newRow("outra divisao fica de fora")
            << QStringList{"1,'1','A','A',1,0,0,0,1,0,10", "2,'2','B','B',30,9,9,9,30,9,90"} << QStringList{"A"};
    }
    void classificacao()
    {
        QFETCH(QStringList, linhas);
        QFETCH(QStringList, esperado);
        BancoTeste banco([&](QSqlDatabase db) {
            insere(db, QStringLiteral("Cod_Time, Divisao, Time, Nome, Pontos, Vitorias, SaldoGols, GolsPro, Projecao, Proj_V, "
                                      "Aproveitamento"),
                   linhas);
        });
        QCOMPARE(nomes(Ordens::kClassificacao), esperado);
    }

    void projecaoEAproveitamento()
    {
        // A has more points, B more projected points, C the best efficiency.
        BancoTeste banco([](QSqlDatabase db) {
            insere(db, QStringLiteral("Cod_Time, Divisao, Time, Nome, Pontos, Vitorias, SaldoGols, GolsPro, Projecao, Proj_V, "
                                      "Aproveitamento"),
                   {"1,'1','A','A',12,4,5,8,12,4,44", "2,'1','B','B',9,3,1,4,15,5,50", "3,'1','C','C',6,2,3,5,6,2,67",
                    "4,'1','D','D',6,2,3,5,15,4,33"});
        });
        QCOMPARE(nomes(Ordens::kClassificacao), (QStringList{"A", "B", "C", "D"}));
        // Equal projected points fall to projected wins.
        QCOMPARE(nomes(Ordens::kProjecao), (QStringList{"B", "D", "A", "C"}));
        QCOMPARE(nomes(Ordens::kAproveitamento), (QStringList{"C", "B", "A", "D"}));
    }

    void ranking()
    {
        // Equal points fall to wins, then to matches; a lower division is listed too.
        BancoTeste banco([](QSqlDatabase db) {
            insere(db, QStringLiteral("Cod_Time, Divisao, Time, Nome, Pontos, CBF_Pontos, CBF_Vitorias, CBF_Jogos, CBF_Saldo, "
                                      "CBF_GolsPro, CBF_Aproveitamento"),
                   {"1,'1','A','A',0,500,150,300,20,400,55", "2,'1','B','B',0,500,160,280,10,390,56",
                    "3,'2','C','C',0,500,150,310,5,380,54", "4,'1','D','D',0,900,250,400,90,700,75"});
        });
        QCOMPARE(nomes(Ordens::kRanking), (QStringList{"D", "B", "C", "A"}));
        // The index of the same name lists them alike.
        Dataset tabela;
        tabela.setTableName(QStringLiteral("Times1.DB"));
        tabela.setIndexName(QString::fromLatin1(Ordens::kIndiceRanking));
        tabela.open();
        QStringList r;
        for (tabela.first(); !tabela.eof(); tabela.next())
            r << tabela.asString(QStringLiteral("Time"));
        QCOMPARE(r, (QStringList{"D", "B", "C", "A"}));
    }

    // A knock-out placeholder, even with figures, is not a club: the ranking leaves it out.
    void rankingSemVagas()
    {
        BancoTeste banco([](QSqlDatabase db) {
            insere(db, QStringLiteral("Cod_Time, Divisao, Time, Nome, Pontos, CBF_Pontos"),
                   {"1,'1','A','A',0,10", "2,NULL,'B','B',0,5",
                    QStringLiteral("110,'%1','1º Colocado','1o',0,9999").arg(Clubes::divisaoVaga())});
        });
        QCOMPARE(nomes(Ordens::kRanking), (QStringList{"A", "B"}));
    }
};

QTEST_GUILESS_MAIN(TstOrdens)
#include "tst_ordens.moc"
