// The match codes and the sum of a club's figures, without a database.
#include "core/data/Estatisticas.h"
#include "core/data/Regras.h"

#include <QtTest>

using Estatisticas::Figuras;
using Estatisticas::Partida;
using Regras::Palpite;
using Regras::Situacao;

Q_DECLARE_METATYPE(Estatisticas::Figuras)
Q_DECLARE_METATYPE(QList<Estatisticas::Partida>)

namespace {

constexpr int A = 1, B = 2, C = 3;

Partida resultado(int t1, int t2, int g1, int g2)
{
    return {t1, t2, Situacao::Concluido, g1, g2, Palpite::Nenhum};
}

Partida palpite(int t1, int t2, Palpite p, int g1 = 0, int g2 = 0)
{
    return {t1, t2, Situacao::Projetado, g1, g2, p};
}

// pontos, jogos, V, E, D, GP, GC, SG, projecao, projV, projE, projD, aproveitamento
Figuras fig(int p, int j, int v, int e, int d, int gp, int gc, int proj, int pv, int pe, int pd, double ap)
{
    return {p, j, v, e, d, gp, gc, gp - gc, proj, pv, pe, pd, ap};
}

} // namespace

class TstRegras : public QObject {
    Q_OBJECT

private slots:
    void letrasDaSituacao()
    {
        for (Situacao s : {Situacao::NaoJogado, Situacao::Projetado, Situacao::Concluido})
            QCOMPARE(Regras::situacao(Regras::letra(s)), s);
        QCOMPARE(Regras::letra(Situacao::NaoJogado), QStringLiteral("P"));
        QCOMPARE(Regras::letra(Situacao::Projetado), QStringLiteral("J"));
        QCOMPARE(Regras::letra(Situacao::Concluido), QStringLiteral("C"));
        // Compared exactly: a lower-case or unknown letter is no status and is not counted.
        QVERIFY(!Regras::situacao(QStringLiteral("c")).has_value());
        QVERIFY(!Regras::situacao(QString()).has_value());
        QVERIFY(!Regras::contada(Regras::situacao(QStringLiteral("X"))));
        QVERIFY(!Regras::contada(Situacao::NaoJogado));
        QVERIFY(Regras::contada(Situacao::Projetado));
        QVERIFY(Regras::contada(Situacao::Concluido));
    }

    void letrasDoPalpite()
    {
        QCOMPARE(Regras::letra(Palpite::Vitoria), QStringLiteral("V"));
        QCOMPARE(Regras::letra(Palpite::Empate), QStringLiteral("E"));
        QCOMPARE(Regras::letra(Palpite::Derrota), QStringLiteral("D"));
        QCOMPARE(Regras::letra(Palpite::Nenhum), QString());
        for (Palpite p : {Palpite::Nenhum, Palpite::Vitoria, Palpite::Empate, Palpite::Derrota})
            QCOMPARE(Regras::palpite(Regras::letra(p)), p);
        QCOMPARE(Regras::palpite(QStringLiteral("v")), Palpite::Nenhum);
        QCOMPARE(Regras::espelho(Palpite::Vitoria), Palpite::Derrota);
        QCOMPARE(Regras::espelho(Palpite::Derrota), Palpite::Vitoria);
        QCOMPARE(Regras::espelho(Palpite::Empate), Palpite::Empate);
        QCOMPARE(Regras::espelho(Palpite::Nenhum), Palpite::Nenhum);
    }

    void soma_data()
    {
        QTest::addColumn<int>("clube");
        QTest::addColumn<QList<Partida>>("partidas");
        QTest::addColumn<Figuras>("esperado");

        QTest::newRow("sem jogos") << A << QList<Partida>{} << fig(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        QTest::newRow("primeiro vence 2x1") << A << QList<Partida>{resultado(A, B, 2, 1)}
                                            << fig(3, 1, 1, 0, 0, 2, 1, 3, 1, 0, 0, 100);
        QTest::newRow("segundo perde 2x1") << B << QList<Partida>{resultado(A, B, 2, 1)}
                                           << fig(0, 1, 0, 0, 1, 1, 2, 0, 0, 0, 1, 0);
        QTest::newRow("segundo vence 0x3") << B << QList<Partida>{resultado(A, B, 0, 3)}
                                           << fig(3, 1, 1, 0, 0, 3, 0, 3, 1, 0, 0, 100);
        QTest::newRow("primeiro perde 0x3") << A << QList<Partida>{resultado(A, B, 0, 3)}
                                            << fig(0, 1, 0, 0, 1, 0, 3, 0, 0, 0, 1, 0);
        QTest::newRow("0x0 conta empate") << A << QList<Partida>{resultado(A, B, 0, 0)}
                                          << fig(1, 1, 0, 1, 0, 0, 0, 1, 0, 1, 0, 33);
        QTest::newRow("palpite V primeiro") << A << QList<Partida>{palpite(A, B, Palpite::Vitoria)}
                                            << fig(0, 0, 0, 0, 0, 0, 0, 3, 1, 0, 0, 0);
        QTest::newRow("palpite V segundo") << B << QList<Partida>{palpite(A, B, Palpite::Vitoria)}
                                           << fig(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0);
        QTest::newRow("palpite D segundo") << B << QList<Partida>{palpite(A, B, Palpite::Derrota)}
                                           << fig(0, 0, 0, 0, 0, 0, 0, 3, 1, 0, 0, 0);
        QTest::newRow("palpite E") << B << QList<Partida>{palpite(A, B, Palpite::Empate)}
                                   << fig(0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0);
        // A single score typed beside a pick is ignored; the pick counts.
        QTest::newRow("placar num projetado") << A << QList<Partida>{palpite(A, B, Palpite::Derrota, 4, 0)}
                                              << fig(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0);
        QTest::newRow("projetado sem palpite") << A << QList<Partida>{palpite(A, B, Palpite::Nenhum)}
                                               << fig(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        QTest::newRow("nao jogado e desconhecido") << A
                                                   << QList<Partida>{{A, B, Situacao::NaoJogado, 2, 0, Palpite::Vitoria},
                                                                     {A, C, std::nullopt, 2, 0, Palpite::Vitoria}}
                                                   << fig(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        // 3 points from 8 matches: 12.5 stores 12; 9 from 8: 37.5 stores 38.
        QList<Partida> oito;
        oito << resultado(A, B, 1, 1) << resultado(C, A, 2, 2) << resultado(A, C, 3, 3);
        for (int i = 0; i < 5; ++i)
            oito << resultado(B, A, 1, 0);
        QTest::newRow("12,5 vira 12") << A << oito << fig(3, 8, 0, 3, 5, 6, 11, 3, 0, 3, 5, 12);
        QTest::newRow("37,5 vira 38") << B << QList<Partida>{resultado(B, C, 1, 0), resultado(C, B, 0, 2), resultado(B, A, 3, 1),
                                                             resultado(A, B, 1, 0), resultado(A, B, 1, 0), resultado(A, B, 1, 0),
                                                             resultado(A, B, 1, 0), resultado(A, B, 1, 0)}
                                      << fig(9, 8, 3, 0, 5, 6, 6, 9, 3, 0, 5, 38);
        // Results and picks together: the projection adds the picks to the results.
        QTest::newRow("resultados e palpites")
            << C
            << QList<Partida>{resultado(B, C, 1, 2), resultado(C, A, 1, 1), palpite(C, B, Palpite::Vitoria),
                              palpite(A, C, Palpite::Vitoria), palpite(A, C, Palpite::Empate)}
            << fig(4, 2, 1, 1, 0, 3, 2, 8, 2, 2, 1, 67);
    }

    void soma()
    {
        QFETCH(int, clube);
        QFETCH(QList<Partida>, partidas);
        QFETCH(Figuras, esperado);
        const Figuras f = Estatisticas::soma(clube, partidas);
        QCOMPARE(f.pontos, esperado.pontos);
        QCOMPARE(f.jogos, esperado.jogos);
        QCOMPARE(f.vitorias, esperado.vitorias);
        QCOMPARE(f.empates, esperado.empates);
        QCOMPARE(f.derrotas, esperado.derrotas);
        QCOMPARE(f.golsPro, esperado.golsPro);
        QCOMPARE(f.golsContra, esperado.golsContra);
        QCOMPARE(f.saldoGols, esperado.saldoGols);
        QCOMPARE(f.projecao, esperado.projecao);
        QCOMPARE(f.projV, esperado.projV);
        QCOMPARE(f.projE, esperado.projE);
        QCOMPARE(f.projD, esperado.projD);
        QCOMPARE(f.aproveitamento, esperado.aproveitamento);
    }
};

QTEST_GUILESS_MAIN(TstRegras)
#include "tst_regras.moc"
