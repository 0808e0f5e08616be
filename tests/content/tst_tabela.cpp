// The shipped championship tables: the 2001 fixture and the club rows.
#include "ArvoreTeste.h"

#include <QDate>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace {

QList<QVariantList> linhas(QSqlDatabase db, const QString& sql)
{
    QList<QVariantList> r;
    QSqlQuery q(db);
    if (!q.exec(sql))
        return r;
    while (q.next()) {
        QVariantList l;
        for (int i = 0; i < q.record().count(); ++i)
            l << q.value(i);
        r << l;
    }
    return r;
}

} // namespace

class TstTabela : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_arvore = new ArvoreTeste; }
    void cleanupTestCase() { delete m_arvore; }

    void cadaRodadaUmJogoPorClube();
    void cadaParUmaVez();
    void mandoEquilibrado();
    void datasDasRodadas_data();
    void datasDasRodadas();
    void duasRodadasPorSemana();
    void mataMata();
    void todasAsLinhasAbertas();
    void codigosTemClube();
    void clubesDaTemporada_data();
    void clubesDaTemporada();
    void clubesForaDaTemporada();
    void localDoMandante();
    void umJogoPorEstadioNaRodada();
    void estadioOficialDoAmerica();
    void botafogoEmNiteroi();

private:
    ArvoreTeste* m_arvore = nullptr;
};

void TstTabela::cadaRodadaUmJogoPorClube()
{
    const QSet<int> temporada = [this] {
        QSet<int> s;
        for (const QVariantList& l : linhas(m_arvore->banco(), "SELECT Cod_Time FROM Times1 WHERE Divisao = '1'"))
            s << l[0].toInt();
        return s;
    }();
    QCOMPARE(temporada.size(), 28);
    for (int r = 1; r <= 27; ++r) {
        const auto jogos = linhas(m_arvore->banco(), QStringLiteral("SELECT Time1, Time2 FROM Jogos WHERE Rodada = %1").arg(r));
        QCOMPARE(jogos.size(), 14);
        QSet<int> vistos;
        for (const QVariantList& j : jogos) {
            QVERIFY2(!vistos.contains(j[0].toInt()) && !vistos.contains(j[1].toInt()), qPrintable(QString::number(r)));
            vistos << j[0].toInt() << j[1].toInt();
        }
        QCOMPARE(vistos, temporada);
    }
}

void TstTabela::cadaParUmaVez()
{
    const auto pares = linhas(m_arvore->banco(),
                              "SELECT min(Time1, Time2), max(Time1, Time2), count(*) FROM Jogos WHERE Rodada <= 27 GROUP BY 1, 2");
    QCOMPARE(pares.size(), 28 * 27 / 2);
    for (const QVariantList& p : pares)
        QCOMPARE(p[2].toInt(), 1);
}

void TstTabela::mandoEquilibrado()
{
    const auto saldo = linhas(m_arvore->banco(),
                              "SELECT t, sum(c) FROM (SELECT Time1 AS t, 1 AS c FROM Jogos WHERE Rodada <= 27 "
                              "UNION ALL SELECT Time2, -1 FROM Jogos WHERE Rodada <= 27) GROUP BY t");
    QCOMPARE(saldo.size(), 28);
    for (const QVariantList& s : saldo)
        QVERIFY2(qAbs(s[1].toInt()) <= 1, qPrintable(s[0].toString()));
}

void TstTabela::datasDasRodadas_data()
{
    QTest::addColumn<int>("rodada");
    QTest::addColumn<QDate>("primeiro");
    QTest::addColumn<QDate>("ultimo");
    QTest::addColumn<int>("jogos");
    QTest::newRow("abertura, quarta") << 1 << QDate(2001, 8, 1) << QDate(2001, 8, 1) << 14;
    QTest::newRow("domingo seguinte") << 2 << QDate(2001, 8, 5) << QDate(2001, 8, 5) << 14;
    QTest::newRow("terceira") << 3 << QDate(2001, 8, 8) << QDate(2001, 8, 8) << 14;
    QTest::newRow("última do turno") << 27 << QDate(2001, 10, 31) << QDate(2001, 10, 31) << 14;
    QTest::newRow("semifinais") << 28 << QDate(2001, 11, 7) << QDate(2001, 11, 11) << 4;
    QTest::newRow("final") << 29 << QDate(2001, 11, 14) << QDate(2001, 11, 18) << 2;
}

void TstTabela::datasDasRodadas()
{
    QFETCH(int, rodada);
    QFETCH(QDate, primeiro);
    QFETCH(QDate, ultimo);
    QFETCH(int, jogos);
    const auto l = linhas(m_arvore->banco(),
                          QStringLiteral("SELECT min(Dia), max(Dia), count(*) FROM Jogos WHERE Rodada = %1").arg(rodada));
    QCOMPARE(l.size(), 1);
    QCOMPARE(QDate::fromString(l[0][0].toString(), Qt::ISODate), primeiro);
    QCOMPARE(QDate::fromString(l[0][1].toString(), Qt::ISODate), ultimo);
    QCOMPARE(l[0][2].toInt(), jogos);
}

void TstTabela::duasRodadasPorSemana()
{
    QHash<int, QSet<int>> porSemana;
    for (const QVariantList& l : linhas(m_arvore->banco(), "SELECT DISTINCT Rodada, Dia FROM Jogos WHERE Rodada <= 27")) {
        const QDate d = QDate::fromString(l[1].toString(), Qt::ISODate);
        QVERIFY(d.isValid());
        QVERIFY(d.dayOfWeek() == Qt::Wednesday || d.dayOfWeek() == Qt::Sunday);
        porSemana[d.addDays(-(d.dayOfWeek() % 7)).toJulianDay()] << l[0].toInt();
    }
    for (const QSet<int>& s : porSemana)
        QVERIFY(s.size() <= 2);
}

void TstTabela::mataMata()
{
    const auto semi = linhas(m_arvore->banco(),
                             "SELECT j.Time1, j.Time2, a.Time, b.Time, a.Divisao, b.Divisao FROM Jogos j "
                             "JOIN Times1 a ON a.Cod_Time = j.Time1 JOIN Times1 b ON b.Cod_Time = j.Time2 "
                             "WHERE j.Rodada = 28 ORDER BY j.Dia, j.Cod_Jogo");
    QCOMPARE(semi.size(), 4);
    QSet<QString> nomes;
    for (const QVariantList& s : semi) {
        QVERIFY(s[4].toString() != QLatin1String("1"));
        QVERIFY(s[5].toString() != QLatin1String("1"));
        nomes << s[2].toString() << s[3].toString();
    }
    QCOMPARE(nomes, (QSet<QString>{"1º Colocado", "2º Colocado", "3º Colocado", "4º Colocado"}));
    // Two ties, each with the second leg the mirror of the first.
    QCOMPARE(semi[2][0], semi[0][1]);
    QCOMPARE(semi[2][1], semi[0][0]);
    QCOMPARE(semi[3][0], semi[1][1]);
    QCOMPARE(semi[3][1], semi[1][0]);
    const auto final = linhas(m_arvore->banco(),
                              "SELECT a.Time, b.Time FROM Jogos j JOIN Times1 a ON a.Cod_Time = j.Time1 "
                              "JOIN Times1 b ON b.Cod_Time = j.Time2 WHERE j.Rodada = 29 ORDER BY j.Dia");
    QCOMPARE(final.size(), 2);
    QCOMPARE((QSet<QString>{final[0][0].toString(), final[0][1].toString()}), (QSet<QString>{"Vencedor S1", "Vencedor S2"}));
    QCOMPARE(final[1][0], final[0][1]);
}

void TstTabela::todasAsLinhasAbertas()
{
    QCOMPARE(m_arvore->valor("SELECT count(*) FROM Jogos").toInt(), 27 * 14 + 6);
    QCOMPARE(m_arvore->valor("SELECT count(*) FROM Jogos WHERE Apostador IS NOT 'W' OR Situacao IS NOT 'P' "
                             "OR Gols_Time1 IS NOT NULL OR Gols_Time2 IS NOT NULL "
                             "OR Proj_Time1 IS NOT NULL OR Proj_Time2 IS NOT NULL OR Divisao IS NOT '1'")
                 .toInt(),
             0);
    QCOMPARE(m_arvore->valor("SELECT count(*) FROM Jogos WHERE Hora IS NULL OR TV IS NULL OR Estadio IS NULL").toInt(), 0);
}

void TstTabela::codigosTemClube()
{
    for (const char* sql : {"SELECT Time1 FROM Jogos", "SELECT Time2 FROM Jogos", "SELECT Cod_Time1 FROM Confrontos",
                            "SELECT Cod_Time2 FROM Confrontos"}) {
        const QString s = QString::fromLatin1(sql);
        const QString campo = s.section(QLatin1Char(' '), 1, 1);
        const QString tabela = s.section(QLatin1Char(' '), 3, 3);
        QCOMPARE(m_arvore->valor(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 NOT IN (SELECT Cod_Time FROM Times1)")
                                     .arg(tabela, campo))
                     .toInt(),
                 0);
    }
    QVERIFY(m_arvore->valor("SELECT count(*) FROM Confrontos").toInt() > 3000);
}

void TstTabela::clubesDaTemporada_data()
{
    QTest::addColumn<int>("codigo");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("estado");
    QTest::addColumn<QString>("nome");
    QTest::newRow("América-MG") << 1 << "América-MG" << "MG" << "America-MG";
    QTest::newRow("Botafogo-SP, código 71") << 71 << "Botafogo-SP" << "SP" << "Botafogo-SP";
    QTest::newRow("Paraná sem espaço") << 122 << "Paraná" << "PR" << "Parana";
    QTest::newRow("São Caetano") << 126 << "São Caetano" << "SP" << "Sao Caetano";
    QTest::newRow("São Paulo") << 22 << "São Paulo" << "SP" << "Sao Paulo";
    QTest::newRow("Gama") << 11 << "Gama" << "DF" << "Gama";
    QTest::newRow("Vitória") << 25 << "Vitória" << "BA" << "Vitoria";
}

void TstTabela::clubesDaTemporada()
{
    QFETCH(int, codigo);
    QFETCH(QString, time);
    QFETCH(QString, estado);
    QFETCH(QString, nome);
    const auto l = linhas(m_arvore->banco(),
                          QStringLiteral("SELECT Time, Estado, Nome, Divisao, Pontos, Jogos, Projecao, Aproveitamento, "
                                         "NomeCompleto, Fundacao, Estadio FROM Times1 WHERE Cod_Time = %1")
                              .arg(codigo));
    QCOMPARE(l.size(), 1);
    QCOMPARE(l[0][0].toString(), time);
    QCOMPARE(l[0][1].toString(), estado);
    QCOMPARE(l[0][2].toString(), nome);
    QCOMPARE(l[0][3].toString(), QStringLiteral("1"));
    QCOMPARE(l[0][4].toInt(), 0);
    QCOMPARE(l[0][5].toInt(), 0);
    QCOMPARE(l[0][6].toInt(), 0);
    QCOMPARE(l[0][7].toDouble(), 0.0);
    QVERIFY(!l[0][8].toString().isEmpty());
    QVERIFY(!l[0][9].toString().isEmpty());
    QVERIFY(!l[0][10].toString().isEmpty());
}

void TstTabela::clubesForaDaTemporada()
{
    // Codes of the season are 1..25, 71, 122 and 126; every other club is outside the first division.
    QCOMPARE(m_arvore->valor("SELECT count(*) FROM Times1 WHERE Divisao = '1' AND "
                             "NOT (Cod_Time BETWEEN 1 AND 25 OR Cod_Time IN (71, 122, 126))")
                 .toInt(),
             0);
    QCOMPARE(m_arvore->valor("SELECT count(*) FROM Times1 WHERE Divisao <> '1' AND (Cod_Time < 26 OR Cod_Time > 126 "
                             "OR Cod_Time IN (71, 122, 126))")
                 .toInt(),
             0);
    QVERIFY(m_arvore->valor("SELECT count(*) FROM Times1 WHERE Divisao <> '1' AND Estado IS NOT NULL").toInt() >= 10);
}

void TstTabela::localDoMandante()
{
    QCOMPARE(m_arvore->valor("SELECT count(*) FROM Jogos j JOIN Times1 t ON t.Cod_Time = j.Time1 "
                             "WHERE j.Rodada <= 27 AND j.Estadio IS NOT t.Estadio")
                 .toInt(),
             0);
}

void TstTabela::umJogoPorEstadioNaRodada()
{
    // Clubs sharing a stadium (Maracanã, Mineirão) are never both at home in one round.
    QCOMPARE(m_arvore->valor("SELECT count(*) FROM (SELECT Rodada, Estadio FROM Jogos WHERE Rodada <= 27 "
                             "GROUP BY Rodada, Estadio HAVING count(*) > 1)")
                 .toInt(),
             0);
}

// "Independência" is the popular name; the official one is Raimundo Sampaio.
void TstTabela::estadioOficialDoAmerica()
{
    const auto l = linhas(m_arvore->banco(), "SELECT Estadio, Estadio_Oficial FROM Times1 WHERE Cod_Time = 1");
    QCOMPARE(l.size(), 1);
    QCOMPARE(l[0][0].toString(), QStringLiteral("Independência"));
    QCOMPARE(l[0][1].toString(), QStringLiteral("Estádio Raimundo Sampaio"));
}

// Botafogo's home, Caio Martins, is in Niterói (RJ), not in Rio de Janeiro.
void TstTabela::botafogoEmNiteroi()
{
    const auto casa = linhas(m_arvore->banco(), "SELECT Local, Estadio FROM Jogos WHERE Time1 = 5 AND Rodada <= 27");
    QVERIFY(casa.size() >= 13);
    for (const QVariantList& j : casa) {
        QCOMPARE(j[0].toString(), QStringLiteral("Niterói"));
        QCOMPARE(j[1].toString(), QStringLiteral("Caio Martins"));
    }
    QCOMPARE(m_arvore->valor("SELECT Estado FROM Times1 WHERE Cod_Time = 5").toString(), QStringLiteral("RJ"));
    // No other match is placed at Caio Martins in another town.
    QCOMPARE(m_arvore->valor("SELECT count(*) FROM Jogos WHERE Estadio = 'Caio Martins' AND Local <> 'Niterói'").toInt(), 0);
}

QTEST_MAIN(TstTabela)
#include "tst_tabela.moc"
