// The status rule and the rebuild of both clubs' figures around every save.
#include "BancoTeste.h"
#include "core/data/Banco.h"
#include "core/data/Dataset.h"
#include "core/data/Esquema.h"
#include "core/data/Estatisticas.h"
#include "core/install/Caminhos.h"
#include "core/errors/Erros.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Clubs A (code 1), B (code 2) and C (code 3); matches A x B (1), B x C (2), C x A (3), A x B again (4).
void preenche(QSqlDatabase db)
{
    QSqlQuery q(db);
    for (int c = 1; c <= 3; ++c)
        QVERIFY(q.exec(QStringLiteral("INSERT INTO Times1 (Cod_Time, Divisao, Time, Nome, Pontos) VALUES (%1, '1', 'T%1', 'T%1', 0)").arg(c)));
    const char* jogos[] = {"('2001-08-01',1,2,1)", "('2001-08-02',2,3,1)", "('2001-08-05',3,1,2)", "('2001-08-09',1,2,3)"};
    for (const char* s : jogos)
        QVERIFY(q.exec(QStringLiteral("INSERT INTO Jogos (Apostador, Dia, Time1, Time2, Situacao, Divisao, Rodada) "
                                      "VALUES ('W', %1, 'P', '1', %2)")
                           .arg(QString::fromLatin1(s).section(',', 0, 2).mid(1), QString::fromLatin1(s).section(',', 3).chopped(1))));
}

struct Figuras {
    int pontos, jogos, v, e, d, gp, gc, sg, proj, pv, pe, pd;
    double aprov;
};

} // namespace

Q_DECLARE_METATYPE(Figuras)

class TstEstatisticas : public QObject {
    Q_OBJECT

    BancoTeste* banco = nullptr;

    Figuras figuras(int codigo)
    {
        QSqlQuery q(Banco::principal());
        q.exec(QStringLiteral("select Pontos, Jogos, Vitorias, Empates, Derrotas, GolsPro, GolsContra, SaldoGols, Projecao, "
                              "Proj_V, Proj_E, Proj_D, Aproveitamento from Times1 where Cod_Time = %1").arg(codigo));
        if (!q.next())
            return {};
        return {q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(), q.value(4).toInt(),
                q.value(5).toInt(), q.value(6).toInt(), q.value(7).toInt(), q.value(8).toInt(), q.value(9).toInt(),
                q.value(10).toInt(), q.value(11).toInt(), q.value(12).toDouble()};
    }
    QString linha(int cod)
    {
        QSqlQuery q(Banco::principal());
        q.exec(QStringLiteral("select Situacao, coalesce(Gols_Time1,'-'), coalesce(Gols_Time2,'-'), coalesce(Proj_Time1,'-'), "
                              "coalesce(Proj_Time2,'-') from Jogos where Cod_Jogo = %1").arg(cod));
        q.next();
        return QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                           q.value(4).toString()}.join(' ');
    }

    // Edits match `cod` through a dataset with the rules, as the screens do.
    void grava(int cod, const QVariant& g1, const QVariant& g2, const QString& situacao = QString(),
               const QString& p1 = QString(), const QString& p2 = QString())
    {
        Dataset jogos;
        jogos.setTableName(QStringLiteral("Jogos.DB"));
        jogos.setIndexName(QStringLiteral("JogoIdx"));
        Estatisticas::ligaRegras(jogos);
        jogos.open();
        QVERIFY(jogos.findKey({cod}));
        jogos.edit();
        jogos.setValue(QStringLiteral("Gols_Time1"), g1);
        jogos.setValue(QStringLiteral("Gols_Time2"), g2);
        if (!situacao.isNull()) {
            jogos.setValue(QStringLiteral("Situacao"), situacao);
            jogos.setValue(QStringLiteral("Proj_Time1"), p1);
            jogos.setValue(QStringLiteral("Proj_Time2"), p2);
        }
        jogos.post();
    }

private slots:
    void init() { banco = new BancoTeste(preenche); }
    void cleanup()
    {
        delete banco;
        banco = nullptr;
    }

    void aproveitamento_data()
    {
        QTest::addColumn<int>("pontos");
        QTest::addColumn<int>("jogos");
        QTest::addColumn<double>("esperado");
        QTest::newRow("12.5 vai a 12") << 3 << 8 << 12.0;
        QTest::newRow("37.5 vai a 38") << 9 << 8 << 38.0;
        QTest::newRow("6 em 16") << 6 << 16 << 12.0;
        QTest::newRow("2 em 3") << 2 << 3 << 22.0;
        QTest::newRow("sem jogos") << 0 << 0 << 0.0;
        QTest::newRow("todos") << 9 << 3 << 100.0;
        QTest::newRow("62.5 vai a 62") << 15 << 8 << 62.0;
    }
    void aproveitamento()
    {
        QFETCH(int, pontos);
        QFETCH(int, jogos);
        QFETCH(double, esperado);
        QCOMPARE(Estatisticas::aproveitamento(pontos, jogos), esperado);
    }

    void resultado_data()
    {
        QTest::addColumn<QVariant>("g1");
        QTest::addColumn<QVariant>("g2");
        QTest::addColumn<QString>("linhaEsperada");
        QTest::addColumn<Figuras>("a");
        QTest::addColumn<Figuras>("b");
        //                                      P  J  V  E  D GP GC SG Pr PV PE PD AP
        QTest::newRow("2 a 1") << QVariant(2) << QVariant(1) << "C 2 1 - -"
                               << Figuras{3, 1, 1, 0, 0, 2, 1, 1, 3, 1, 0, 0, 100} << Figuras{0, 1, 0, 0, 1, 1, 2, -1, 0, 0, 0, 1, 0};
        QTest::newRow("0 a 0") << QVariant(0) << QVariant(0) << "C 0 0 - -"
                               << Figuras{1, 1, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 33} << Figuras{1, 1, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 33};
        QTest::newRow("segundo vence") << QVariant(0) << QVariant(3) << "C 0 3 - -"
                                       << Figuras{0, 1, 0, 0, 1, 0, 3, -3, 0, 0, 0, 1, 0} << Figuras{3, 1, 1, 0, 0, 3, 0, 3, 3, 1, 0, 0, 100};
        QTest::newRow("um placar so em P") << QVariant(2) << QVariant() << "P - - - -"
                                           << Figuras{} << Figuras{};
    }
    void resultado()
    {
        QFETCH(QVariant, g1);
        QFETCH(QVariant, g2);
        QFETCH(QString, linhaEsperada);
        QFETCH(Figuras, a);
        QFETCH(Figuras, b);
        grava(1, g1, g2);
        QCOMPARE(linha(1), linhaEsperada);
        const Figuras fa = figuras(1), fb = figuras(2);
        QCOMPARE(QVariantList({fa.pontos, fa.jogos, fa.v, fa.e, fa.d, fa.gp, fa.gc, fa.sg, fa.proj, fa.pv, fa.pe, fa.pd, fa.aprov}),
                 QVariantList({a.pontos, a.jogos, a.v, a.e, a.d, a.gp, a.gc, a.sg, a.proj, a.pv, a.pe, a.pd, a.aprov}));
        QCOMPARE(QVariantList({fb.pontos, fb.jogos, fb.v, fb.e, fb.d, fb.gp, fb.gc, fb.sg, fb.proj, fb.pv, fb.pe, fb.pd, fb.aprov}),
                 QVariantList({b.pontos, b.jogos, b.v, b.e, b.d, b.gp, b.gc, b.sg, b.proj, b.pv, b.pe, b.pd, b.aprov}));
        // A club of no saved match is untouched.
        QCOMPARE(figuras(3).jogos, 0);
    }

    void palpites_data()
    {
        QTest::addColumn<QString>("p1");
        QTest::addColumn<QString>("p2");
        QTest::addColumn<QVariantList>("a"); // Projecao, Proj_V, Proj_E, Proj_D
        QTest::addColumn<QVariantList>("b");
        QTest::newRow("V") << "V" << "D" << QVariantList{3, 1, 0, 0} << QVariantList{0, 0, 0, 1};
        QTest::newRow("E") << "E" << "E" << QVariantList{1, 0, 1, 0} << QVariantList{1, 0, 1, 0};
        QTest::newRow("D") << "D" << "V" << QVariantList{0, 0, 0, 1} << QVariantList{3, 1, 0, 0};
        // Only the first pick counts; an odd mirror does not change the figures.
        QTest::newRow("so Proj_Time1 conta") << "V" << "V" << QVariantList{3, 1, 0, 0} << QVariantList{0, 0, 0, 1};
        QTest::newRow("letra estranha") << "X" << "X" << QVariantList{0, 0, 0, 0} << QVariantList{0, 0, 0, 0};
    }
    void palpites()
    {
        QFETCH(QString, p1);
        QFETCH(QString, p2);
        QFETCH(QVariantList, a);
        QFETCH(QVariantList, b);
        grava(1, QVariant(), QVariant(), QStringLiteral("J"), p1, p2);
        QCOMPARE(linha(1), QStringLiteral("J - - %1 %2").arg(p1, p2));
        const Figuras fa = figuras(1), fb = figuras(2);
        QCOMPARE(QVariantList({fa.proj, fa.pv, fa.pe, fa.pd}), a);
        QCOMPARE(QVariantList({fb.proj, fb.pv, fb.pe, fb.pd}), b);
        // Projections never touch the plain figures.
        QCOMPARE(QVariantList({fa.pontos, fa.jogos, fa.aprov, fb.pontos, fb.jogos, fb.aprov}), QVariantList({0, 0, 0.0, 0, 0, 0.0}));
    }

    void umPlacarEmJogoProjetadoFica()
    {
        grava(1, QVariant(), QVariant(), QStringLiteral("J"), QStringLiteral("V"), QStringLiteral("D"));
        grava(1, 4, QVariant());
        QCOMPARE(linha(1), QStringLiteral("J 4 - V D"));
        QCOMPARE(figuras(1).proj, 3);
        QCOMPARE(figuras(1).gp, 0); // the lone score is ignored
    }

    void removerPlacarDeJogoConcluido()
    {
        grava(1, 2, 1);
        grava(3, 1, 1);
        QCOMPARE(figuras(1).pontos, 4);
        grava(1, QVariant(), 1);
        QCOMPARE(linha(1), QStringLiteral("P - - - -"));
        const Figuras a = figuras(1), b = figuras(2);
        QCOMPARE(QVariantList({a.pontos, a.jogos, a.e, a.gp, a.gc}), QVariantList({1, 1, 1, 1, 1}));
        QCOMPARE(QVariantList({b.pontos, b.jogos, b.d, b.gp}), QVariantList({0, 0, 0, 0}));
    }

    void resultadoApagaPalpites()
    {
        grava(1, QVariant(), QVariant(), QStringLiteral("J"), QStringLiteral("E"), QStringLiteral("E"));
        grava(1, 1, 0);
        QCOMPARE(linha(1), QStringLiteral("C 1 0 - -"));
        QCOMPARE(figuras(1).proj, 3);
        QCOMPARE(figuras(1).pe, 0);
    }

    void variosJogosSomamDoZero()
    {
        grava(1, 2, 1);                                       // A 3
        grava(3, 0, 2);                                       // A wins away: 6
        grava(4, QVariant(), QVariant(), "J", "E", "E");      // A +1 projected
        grava(1, 2, 1);                                       // saving again adds nothing
        const Figuras a = figuras(1);
        QCOMPARE(QVariantList({a.pontos, a.jogos, a.v, a.gp, a.gc, a.sg, a.proj, a.pv, a.pe, a.aprov}),
                 QVariantList({6, 2, 2, 4, 1, 3, 7, 2, 1, 100.0}));
    }

    void timeSemCadastroNaoEscreveEmOutro()
    {
        QSqlQuery q(Banco::principal());
        QVERIFY(q.exec(QStringLiteral("UPDATE Jogos SET Time2 = 99 WHERE Cod_Jogo = 1")));
        QVERIFY(q.exec(QStringLiteral("UPDATE Times1 SET Pontos = 7 WHERE Cod_Time = 2")));
        try {
            grava(1, 3, 0);
            QFAIL("sem mensagem para o time 99");
        } catch (const ErroPrograma& e) {
            QVERIFY(e.mensagem().contains(QStringLiteral("99")));
        }
        // The save is one transaction: neither the match nor the known club changed.
        QCOMPARE(linha(1), QStringLiteral("P - - - -"));
        QCOMPARE(figuras(1).pontos, 0);
        QCOMPARE(figuras(2).pontos, 7);
        QCOMPARE(figuras(3).pontos, 0);
    }

    void falhaNaReconstrucaoDesfazOGravacaoInteira()
    {
        // A club row that the database refuses to update rolls back the match and the other club.
        QSqlQuery q(Banco::principal());
        QVERIFY(q.exec(QStringLiteral("UPDATE Times1 SET Pontos = 5, Jogos = 9 WHERE Cod_Time = 2")));
        QVERIFY(q.exec(QStringLiteral("CREATE TRIGGER trava BEFORE UPDATE ON Times1 WHEN old.Cod_Time = 2 "
                                      "BEGIN SELECT RAISE(ABORT, 'bloqueado'); END")));
        QVERIFY_THROWS_EXCEPTION(ErroPrograma, grava(1, 1, 0));
        QCOMPARE(linha(1), QStringLiteral("P - - - -"));
        QCOMPARE(figuras(1).pontos, 0);
        QCOMPARE(figuras(2).pontos, 5);
        QCOMPARE(figuras(2).jogos, 9);
    }

    void falhaDeixaOsValoresDigitadosEmEdicao()
    {
        QSqlQuery q(Banco::principal());
        QVERIFY(q.exec(QStringLiteral("CREATE TRIGGER trava BEFORE UPDATE ON Times1 WHEN old.Cod_Time = 2 "
                                      "BEGIN SELECT RAISE(ABORT, 'bloqueado'); END")));
        Dataset jogos;
        jogos.setTableName(QStringLiteral("Jogos.DB"));
        jogos.setIndexName(QStringLiteral("JogoIdx"));
        Estatisticas::ligaRegras(jogos);
        jogos.open();
        QVERIFY(jogos.findKey({1}));
        jogos.edit();
        jogos.setValue(QStringLiteral("Gols_Time1"), 4);
        jogos.setValue(QStringLiteral("Gols_Time2"), 2);
        try {
            jogos.post();
            QFAIL("a gravação devia falhar");
        } catch (const ErroPrograma& e) {
            QVERIFY(e.mensagem().contains(QStringLiteral("não foi gravado")));
        }
        QVERIFY(jogos.editing());
        QCOMPARE(jogos.asInt(QStringLiteral("Gols_Time1")), 4);
        QCOMPARE(jogos.asInt(QStringLiteral("Gols_Time2")), 2);
        QCOMPARE(jogos.asString(QStringLiteral("Situacao")), QStringLiteral("P"));
        // Once the cause is gone the same typed row saves whole.
        QVERIFY(q.exec(QStringLiteral("DROP TRIGGER trava")));
        jogos.post();
        QCOMPARE(linha(1), QStringLiteral("C 4 2 - -"));
        QCOMPARE(figuras(1).pontos, 3);
        QCOMPARE(figuras(2).d, 1);
    }

    void reparaNumerosDivergentes()
    {
        grava(1, 2, 1);
        grava(2, 0, 0);
        const Figuras a = figuras(1), b = figuras(2), c = figuras(3);
        QCOMPARE(Estatisticas::reparaTodos(Banco::principal()), 0);
        QSqlQuery q(Banco::principal());
        QVERIFY(q.exec(QStringLiteral("UPDATE Times1 SET Pontos = 40, Aproveitamento = 99 WHERE Cod_Time = 1")));
        QVERIFY(q.exec(QStringLiteral("UPDATE Times1 SET Proj_D = NULL, Empates = 8 WHERE Cod_Time = 3")));
        QCOMPARE(Estatisticas::reparaTodos(Banco::principal()), 2);
        QCOMPARE(figuras(1).pontos, a.pontos);
        QCOMPARE(figuras(1).aprov, a.aprov);
        QCOMPARE(figuras(2).pontos, b.pontos);
        QCOMPARE(figuras(3).e, c.e);
        QCOMPARE(Estatisticas::reparaTodos(Banco::principal()), 0);
    }

    void insercaoDeJogoCancelada()
    {
        Dataset jogos;
        jogos.setTableName(QStringLiteral("Jogos.DB"));
        Estatisticas::ligaRegras(jogos);
        jogos.open();
        QVERIFY(!jogos.append());
        QSqlQuery q(Banco::principal());
        q.exec(QStringLiteral("select count(*) from Jogos"));
        q.next();
        QCOMPARE(q.value(0).toInt(), 4);
    }
};

QTEST_GUILESS_MAIN(TstEstatisticas)
#include "tst_estatisticas.moc"
