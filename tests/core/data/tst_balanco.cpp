// A club's balance over historic matches, counted from its side, and the two
// text forms of its ratios. No widget.
#include "BancoTeste.h"
#include "core/data/Balanco.h"
#include "core/data/Dataset.h"

#include <QSqlQuery>
#include <QtTest>

using Balanco::Totais;

namespace {

// One match as `Confrontos` lists it; an empty score is null.
struct Jogo {
    int time1;
    int time2;
    QVariant gols1;
    QVariant gols2;
};

QVariant g(int n) { return QVariant(n); }
const QVariant nulo;

} // namespace

Q_DECLARE_METATYPE(Jogo)
Q_DECLARE_METATYPE(QList<Jogo>)

class TstBalanco : public QObject {
    Q_OBJECT

private slots:
    // Club 7 against club 30: each row gives the matches and the expected
    // wins, draws, losses, goals for and against of club 7.
    void conta_data()
    {
        QTest::addColumn<QList<Jogo>>("jogos");
        QTest::addColumn<QList<int>>("esperado"); // V, E, D, GP, GC

        QTest::newRow("nenhum jogo") << QList<Jogo>{} << QList<int>{0, 0, 0, 0, 0};
        QTest::newRow("vitória como Cod_Time1") << QList<Jogo>{{7, 30, g(3), g(1)}} << QList<int>{1, 0, 0, 3, 1};
        QTest::newRow("derrota como Cod_Time1") << QList<Jogo>{{7, 30, g(0), g(2)}} << QList<int>{0, 0, 1, 0, 2};
        // The club listed second: its goals are Gols_Time2.
        QTest::newRow("vitória como Cod_Time2, 2-1") << QList<Jogo>{{30, 7, g(1), g(2)}} << QList<int>{1, 0, 0, 2, 1};
        QTest::newRow("derrota como Cod_Time2") << QList<Jogo>{{30, 7, g(4), g(1)}} << QList<int>{0, 0, 1, 1, 4};
        QTest::newRow("empate 0-0") << QList<Jogo>{{7, 30, g(0), g(0)}} << QList<int>{0, 1, 0, 0, 0};
        QTest::newRow("empate 2-2 como Cod_Time2") << QList<Jogo>{{30, 7, g(2), g(2)}} << QList<int>{0, 1, 0, 2, 2};
        // A missing score counts 0.
        QTest::newRow("placar nulo conta 0") << QList<Jogo>{{7, 30, nulo, nulo}} << QList<int>{0, 1, 0, 0, 0};
        QTest::newRow("um lado nulo") << QList<Jogo>{{30, 7, nulo, g(1)}} << QList<int>{1, 0, 0, 1, 0};
        QTest::newRow("três jogos, sete gols")
            << QList<Jogo>{{7, 30, g(2), g(1)}, {30, 7, g(1), g(1)}, {30, 7, g(2), g(0)}}
            << QList<int>{1, 1, 1, 3, 4};
    }

    void conta()
    {
        QFETCH(QList<Jogo>, jogos);
        QFETCH(QList<int>, esperado);
        Totais t;
        for (const Jogo& j : jogos)
            t.conta(7, j.time1, j.gols1, j.gols2);
        QCOMPARE((QList<int>{t.vitorias, t.empates, t.derrotas, t.golsPro, t.golsContra}), esperado);
        QCOMPARE(t.jogos(), int(jogos.size()));
        QCOMPARE(t.saldo(), esperado[3] - esperado[4]);
    }

    // The same counting over a dataset of `Confrontos`, with null scores
    // stored in the table; the cursor stays where it was.
    void contaDoDataset()
    {
        BancoTeste banco([](QSqlDatabase db) {
            QSqlQuery q(db);
            for (const char* v : {"('1990-01-01', 7, 30, 2, 1)", "('1991-01-01', 30, 7, 3, 1)",
                                  "('1992-01-01', 30, 7, 0, 2)", "('1993-01-01', 7, 30, NULL, NULL)",
                                  "('1994-01-01', 30, 12, 5, 0)"})
                QVERIFY(q.exec(QStringLiteral("INSERT INTO Confrontos (Data, Cod_Time1, Cod_Time2, Gols_Time1, "
                                              "Gols_Time2) VALUES %1").arg(QLatin1String(v))));
        });
        Dataset d;
        d.setSql(QStringLiteral("select * from confrontos where (Cod_Time1=:Time or Cod_Time2=:Time)\norder by data"));
        d.setParam(QStringLiteral("Time"), 7);
        d.open();
        QCOMPARE(d.recordCount(), 4);
        d.setRecNo(3);
        const Totais t = Balanco::conta(d, 7);
        QCOMPARE(d.recNo(), 3);
        QCOMPARE(t.jogos(), 4);
        QCOMPARE(t.vitorias, 2);
        QCOMPARE(t.empates, 1);
        QCOMPARE(t.derrotas, 1);
        QCOMPARE(t.golsPro, 5);
        QCOMPARE(t.golsContra, 4);
        // A closed dataset counts nothing.
        d.close();
        QCOMPARE(Balanco::conta(d, 7).jogos(), 0);
    }

    void media_data()
    {
        QTest::addColumn<int>("gols");
        QTest::addColumn<int>("jogos");
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("texto");
        QTest::newRow("7/3 em português") << 7 << 3 << "pt_BR" << "2,33333333333333";
        QTest::newRow("7/3 com ponto") << 7 << 3 << "C" << "2.33333333333333";
        QTest::newRow("2,5 fica 2,5") << 5 << 2 << "pt_BR" << "2,5";
        QTest::newRow("inteiro") << 6 << 3 << "pt_BR" << "2";
        QTest::newRow("2/3") << 2 << 3 << "pt_BR" << "0,666666666666667";
        QTest::newRow("sem gols") << 0 << 4 << "pt_BR" << "0";
        QTest::newRow("sem jogos") << 0 << 0 << "pt_BR" << "0";
        QTest::newRow("muitos gols") << 12345 << 3 << "pt_BR" << "4115";
    }

    void media()
    {
        QFETCH(int, gols);
        QFETCH(int, jogos);
        QFETCH(QString, local);
        QFETCH(QString, texto);
        QCOMPARE(Balanco::media(gols, jogos, QLocale(local)), texto);
    }

    void duasCasas_data()
    {
        QTest::addColumn<int>("dividendo");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("texto");
        // Win share: 2 of 3 games.
        QTest::newRow("66,67") << 200 << 3 << "pt_BR" << "66,67";
        QTest::newRow("1 gol em 8 jogos: 0,125 sobe") << 1 << 8 << "pt_BR" << "0,13";
        QTest::newRow("0,375 sobe") << 3 << 8 << "pt_BR" << "0,38";
        QTest::newRow("1/3") << 1 << 3 << "pt_BR" << "0,33";
        QTest::newRow("ponto decimal") << 1 << 8 << "C" << "0.13";
        QTest::newRow("zero com casas") << 0 << 5 << "pt_BR" << "0,00";
        QTest::newRow("cem por cento") << 300 << 3 << "pt_BR" << "100,00";
        QTest::newRow("sem separador de milhar") << 123456 << 1 << "pt_BR" << "123456,00";
        QTest::newRow("sem jogos") << 0 << 0 << "pt_BR" << "0";
    }

    void duasCasas()
    {
        QFETCH(int, dividendo);
        QFETCH(int, divisor);
        QFETCH(QString, local);
        QFETCH(QString, texto);
        QCOMPARE(Balanco::duasCasas(dividendo, divisor, QLocale(local)), texto);
    }
};

QTEST_GUILESS_MAIN(TstBalanco)
#include "tst_balanco.moc"
