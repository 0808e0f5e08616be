// The team history screen: the club's all-time balance and ratios over small
// fixtures, the names with their states, the ranking position, the way to
// the head-to-head and back, and on the shipped tree a count made with SQL.
#include "../shell/Auxiliar.h"

#include "ArvoreTeste.h"
#include "core/data/Dataset.h"
#include "ui/screens/GradeHistorico.h"
#include "ui/screens/pConfrontos.h"
#include "ui/screens/pTodosJogos.h"
#include "ui/shell/Menu.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSqlQuery>
#include <QToolButton>
#include <QtTest>

using Partida = QList<int>; // Cod_Time1, Cod_Time2, Gols_Time1, Gols_Time2
Q_DECLARE_METATYPE(QList<Partida>)

class TstTodosJogos : public QObject {
    Q_OBJECT

    struct Cena {
        ArvoreTeste arvore;
        TfmMenu menu;
        TfTodosJogos* tela = nullptr;
        Cena() { fmMenu = &menu; }
        ~Cena()
        {
            delete tela;
            fmMenu = nullptr;
        }
        void exec(const QString& sql)
        {
            QSqlQuery q(arvore.banco());
            QVERIFY2(q.exec(sql), qPrintable(sql));
        }
        void insere(const Partida& p, int ano)
        {
            exec(QStringLiteral("insert into Confrontos (Data, Cod_Time1, Cod_Time2, Gols_Time1, Gols_Time2) "
                                "values ('%1-08-01', %2, %3, %4, %5)")
                     .arg(ano)
                     .arg(p[0])
                     .arg(p[1])
                     .arg(p[2])
                     .arg(p[3]));
        }
        void historico(const QList<Partida>& partidas)
        {
            exec(QStringLiteral("delete from Confrontos"));
            int ano = 1980;
            for (const Partida& p : partidas)
                insere(p, ano++);
        }
        void abre(int codigo)
        {
            tela = new TfTodosJogos;
            fTodosJogos = tela;
            tela->defineTime(codigo);
            aux::mostra(tela);
        }
        QAbstractItemModel* grade() const { return tela->dbgTodosJogos->model(); }
        QString celula(int linha, int coluna) const { return grade()->index(linha, coluna).data().toString(); }
    };

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    // Palmeiras (17): games, wins, draws, losses, goals for and against,
    // difference, win share, goals for and against per game.
    void balanco_data()
    {
        QTest::addColumn<QList<Partida>>("partidas");
        QTest::addColumn<QStringList>("valores");
        QTest::newRow("3 jogos, 2 vitórias")
            << QList<Partida>{{17, 6, 2, 0}, {5, 17, 0, 1}, {17, 9, 1, 1}}
            << QStringList{"3", "2", "1", "0", "4", "1", "3", "66,67", "1,33", "0,33"};
        QTest::newRow("8 jogos, 1 gol")
            << QList<Partida>{{17, 6, 1, 0}, {17, 6, 0, 0}, {6, 17, 0, 0}, {17, 6, 0, 0},
                              {6, 17, 0, 0}, {17, 6, 0, 0}, {6, 17, 0, 0}, {17, 6, 0, 0}}
            << QStringList{"8", "1", "7", "0", "1", "0", "1", "12,50", "0,13", "0,00"};
        QTest::newRow("Cod_Time2 vence 2-1") << QList<Partida>{{6, 17, 1, 2}}
                                             << QStringList{"1", "1", "0", "0", "2", "1", "1", "100,00", "2,00", "1,00"};
        QTest::newRow("derrota fora") << QList<Partida>{{6, 17, 3, 0}, {5, 6, 9, 0}}
                                      << QStringList{"1", "0", "0", "1", "0", "3", "-3", "0,00", "0,00", "3,00"};
        QTest::newRow("sem jogos") << QList<Partida>{{5, 6, 1, 0}}
                                   << QStringList{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
    }

    void balanco()
    {
        QFETCH(QList<Partida>, partidas);
        QFETCH(QStringList, valores);
        Cena c;
        c.historico(partidas);
        c.abre(17);
        QCOMPARE(c.tela->reTime->linhas(), valores);
        QCOMPARE(c.grade()->rowCount(), valores[0].toInt());
    }

    void tela()
    {
        Cena c;
        c.historico({{17, 30, 2, 0}, {71, 17, 1, 1}, {17, 122, 0, 3}, {1, 17, 2, 2}, {26, 17, 0, 1}});
        c.abre(17);
        QCOMPARE(c.tela->caption(), QStringLiteral(" TODOS OS JOGOS"));
        QCOMPARE(c.tela->rotulos->linhas(),
                 (QStringList{"Jogos", "Vitórias", "Empates", "Derrotas", "Gols Pró", "Gols Contra", "Saldo ",
                              "Aproveit.", "M Gols Pró", "M Gols Contra"}));
        // The ranking position of the club.
        QCOMPARE(c.tela->pnCBF->text(),
                 c.arvore.valor(QStringLiteral("select RankingCBF from Times1 where Cod_Time = 17")).toString());
        QVERIFY(!c.tela->pnCBF->text().isEmpty());
        QVERIFY(!c.tela->imTime->pixmap().isNull());
        QCOMPARE(c.tela->imTime->size(), QSize(60, 60));
        // The clubs of the season by name alone, every other one with its state.
        using G = GradeHistorico;
        QCOMPARE(c.celula(0, G::kNome1), QStringLiteral("Palmeiras"));
        QCOMPARE(c.celula(0, G::kNome2), QStringLiteral("Remo-PA"));
        QCOMPARE(c.celula(1, G::kNome1), QStringLiteral("Botafogo-SP"));
        QCOMPARE(c.celula(2, G::kNome2), QStringLiteral("Paraná"));
        QCOMPARE(c.celula(3, G::kNome1), QStringLiteral("América-MG"));
        QCOMPARE(c.celula(4, G::kNome1), QStringLiteral("Náutico-PE"));
        QCOMPARE(c.celula(0, G::kData), QStringLiteral("01/08/1980"));
        QCOMPARE(c.celula(0, G::kX), QStringLiteral("X"));
        QCOMPARE(c.tela->dbgTodosJogos->currentIndex().row(), 0);
        // The boxes hand the focus to the grid.
        for (CaixaLeitura* cx : {c.tela->rotulos, c.tela->reTime}) {
            QTest::mouseClick(cx->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(c.tela->dbgTodosJogos));
        }
    }

    void nomeUF_data()
    {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("nome");
        QTest::newRow("30") << 30 << "Time-UF";
        QTest::newRow("71") << 71 << "Time";
        QTest::newRow("122") << 122 << "Time";
        QTest::newRow("126") << 126 << "Time";
        QTest::newRow("1") << 1 << "Time";
        QTest::newRow("25") << 25 << "Time";
        QTest::newRow("26") << 26 << "Time-UF";
        QTest::newRow("72") << 72 << "Time-UF";
    }

    void nomeUF()
    {
        QFETCH(int, codigo);
        QFETCH(QString, nome);
        QCOMPARE(TfTodosJogos::nomeUF(codigo, QStringLiteral("Time"), QStringLiteral("UF")), nome);
    }

    // "&Confrontos" opens the head-to-head with the row's opponent and the names as
    // the row shows them; coming back recomputes and puts the grid on its first row.
    void confrontosEVolta()
    {
        Cena c;
        c.historico({{17, 30, 2, 0}, {6, 17, 1, 1}, {30, 17, 0, 1}, {17, 6, 3, 2}});
        c.abre(17);
        QCOMPARE(c.tela->reTime->linhas()[0], QStringLiteral("4"));
        // Right click on the third row: Remo (30) as Cod_Time1.
        const QRect r = c.tela->dbgTodosJogos->visualRect(c.grade()->index(2, GradeHistorico::kData));
        QContextMenuEvent e(QContextMenuEvent::Mouse, r.center(), c.tela->dbgTodosJogos->viewport()->mapToGlobal(r.center()));
        QApplication::sendEvent(c.tela->dbgTodosJogos->viewport(), &e);
        QTRY_VERIFY(c.tela->PopupMenu1->isVisible());
        QCOMPARE(c.tela->TodososJogos1->text(), QStringLiteral("&Confrontos"));
        QCOMPARE(c.tela->dbgTodosJogos->currentIndex().row(), 2);
        int time = 0, adver = 0;
        QString nomeTime, nomeAdver;
        QStringList resumo;
        aux::quandoAparecer(aux::modal<TfConfrontos>(), [&](QWidget* w) {
            auto* t = static_cast<TfConfrontos*>(w);
            time = t->CodTime;
            adver = t->CodAdver;
            nomeTime = t->NomeTime;
            nomeAdver = t->NomeAdver;
            resumo = t->reResumo->linhas();
            // A match added meanwhile shows on return.
            c.insere({17, 9, 1, 0}, 1999);
            QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("epEfButton1")), Qt::LeftButton);
        });
        c.tela->TodososJogos1->trigger();
        c.tela->PopupMenu1->hide();
        QCOMPARE(time, 17);
        QCOMPARE(adver, 30);
        QCOMPARE(nomeTime, QStringLiteral("Palmeiras"));
        QCOMPARE(nomeAdver, QStringLiteral("Remo-PA"));
        QCOMPARE(resumo, (QStringList{"2", "0", "3", "1,5"}));
        QTRY_COMPARE(c.tela->reTime->linhas()[0], QStringLiteral("5"));
        QCOMPARE(c.grade()->rowCount(), 5);
        QCOMPARE(c.tela->dbgTodosJogos->currentIndex().row(), 0);
    }

    // On the shipped tree, every club of the season shows what a count made
    // directly on `Confrontos` gives.
    void arvoreInstalada()
    {
        Cena c;
        QSqlQuery q(c.arvore.banco());
        QVERIFY(q.exec(QStringLiteral("select Cod_Time from Times1 where Divisao = '1' order by Cod_Time")));
        QList<int> clubes;
        while (q.next())
            clubes << q.value(0).toInt();
        QCOMPARE(clubes.size(), 28);
        for (int clube : clubes) {
            QSqlQuery s(c.arvore.banco());
            QVERIFY(s.exec(QStringLiteral(
                "select count(*), "
                "sum(case when (Cod_Time1 = %1 and Gols_Time1 > Gols_Time2) or (Cod_Time2 = %1 and Gols_Time2 > Gols_Time1) then 1 else 0 end), "
                "sum(case when Gols_Time1 = Gols_Time2 then 1 else 0 end), "
                "sum(case when (Cod_Time1 = %1 and Gols_Time1 < Gols_Time2) or (Cod_Time2 = %1 and Gols_Time2 < Gols_Time1) then 1 else 0 end), "
                "sum(case when Cod_Time1 = %1 then Gols_Time1 else Gols_Time2 end), "
                "sum(case when Cod_Time1 = %1 then Gols_Time2 else Gols_Time1 end) "
                "from Confrontos where Cod_Time1 = %1 or Cod_Time2 = %1").arg(clube)));
            QVERIFY(s.next());
            const int jogos = s.value(0).toInt(), gp = s.value(4).toInt(), gc = s.value(5).toInt();
            QVERIFY(jogos > 0);
            const QStringList esperado = {QString::number(jogos), s.value(1).toString(), s.value(2).toString(),
                                          s.value(3).toString(), QString::number(gp), QString::number(gc),
                                          QString::number(gp - gc)};
            auto* t = new TfTodosJogos;
            fTodosJogos = t;
            t->defineTime(clube);
            aux::mostra(t);
            QCOMPARE(t->reTime->linhas().mid(0, 7), esperado);
            QCOMPARE(t->dbgTodosJogos->model()->rowCount(), jogos);
            delete t;
        }
    }
};

QTEST_MAIN(TstTodosJogos)
#include "tst_todosjogos.moc"
