// The ranking screen: the all-time order and its tie-breaks, no placeholder,
// the texts, and the list driven with the mouse: columns moved, grouped on
// the panel above the headers and ungrouped again, the club history opened.
#include "../shell/Auxiliar.h"

#include "ArvoreTeste.h"
#include "ui/screens/pRanking.h"
#include "ui/screens/GradeHistorico.h"
#include "ui/screens/pTodosJogos.h"
#include "ui/Telas.h"
#include "ui/shell/Menu.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

using R = TfRanking;

class TstRanking : public QObject {
    Q_OBJECT

    struct Cena {
        ArvoreTeste arvore;
        TfmMenu menu;
        TfRanking* tela = nullptr;
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
        void abre()
        {
            tela = new TfRanking;
            fRanking = tela;
            aux::mostra(tela);
        }
        QAbstractItemModel* modelo() const { return tela->dxDBGrid1->model(); }
        QHeaderView* cabecalho() const { return tela->dxDBGrid1->header(); }
        // Club code -> position shown, over every club row of the list (groups included).
        QMap<int, int> posicoes() const
        {
            QMap<int, int> r;
            std::function<void(const QModelIndex&)> anda = [&](const QModelIndex& pai) {
                for (int i = 0; i < modelo()->rowCount(pai); ++i) {
                    const QModelIndex x = modelo()->index(i, 0, pai);
                    if (modelo()->hasChildren(x))
                        anda(x);
                    else
                        r.insert(TfRanking::codigoDa(x), x.data().toInt());
                }
            };
            anda(QModelIndex());
            return r;
        }
        QStringList nomes() const
        {
            QStringList r;
            for (int i = 0; i < modelo()->rowCount(); ++i)
                r << modelo()->index(i, R::kTime).data().toString();
            return r;
        }
        QStringList cabecalhos() const
        {
            QStringList r;
            for (int v = 0; v < cabecalho()->count(); ++v)
                r << modelo()->headerData(cabecalho()->logicalIndex(v), Qt::Horizontal).toString();
            return r;
        }
        QPoint centroDaColuna(int coluna) const
        {
            return QPoint(cabecalho()->sectionViewportPosition(coluna) + cabecalho()->sectionSize(coluna) / 2,
                          cabecalho()->viewport()->height() / 2);
        }
        // A press, a move and a release, from a point of one widget to a global point.
        static void arrasta(QWidget* de, QPoint inicio, QPoint globalFim)
        {
            QTest::mousePress(de, Qt::LeftButton, {}, inicio);
            QTest::mouseMove(de, inicio + QPoint(12, 3));
            const QPoint fim = de->mapFromGlobal(globalFim);
            QTest::mouseMove(de, fim);
            QTest::mouseRelease(de, Qt::LeftButton, {}, fim);
            QApplication::processEvents();
        }
        void arrastaColuna(int coluna, QPoint globalFim)
        {
            arrasta(cabecalho()->viewport(), centroDaColuna(coluna), globalFim);
        }
        QPoint globalDoPainel() const { return tela->pnAgrupar->mapToGlobal(tela->pnAgrupar->rect().center()); }
        QPoint globalDaColuna(int coluna) const { return cabecalho()->viewport()->mapToGlobal(centroDaColuna(coluna)); }
    };

private slots:
    void textos()
    {
        Cena c;
        c.abre();
        QCOMPARE(c.tela->caption(), QStringLiteral(" RANKING"));
        QCOMPARE(c.tela->lbTitulo->text(), QStringLiteral("RANKING"));
        QCOMPARE(c.tela->meExplicacao->toPlainText(),
                 QStringLiteral("O Ranking divulgado anulamente pela CBF acumula os\n"
                                "pontos conquistados por cada time de acordo com o\n"
                                "regulamento aplicado em cada ano da competição.\n\n"
                                "Os Critérios de desempate são:\n- Pontos Ganhos\n- Jogos\n- Vitórias\n"
                                "- Saldo de Gols\n- Gols Pró\n- Aproveitamento"));
        QVERIFY(c.tela->meExplicacao->isReadOnly());
        QStringList rotulos;
        for (QLabel* l : c.tela->findChildren<QLabel*>())
            rotulos << l->text();
        for (const char* t : {"LEGENDA", "#", "- Colocação", "UF", "- Estado", "P", "- Pontos", "J", "- Jogos", "V",
                              "- Vitórias", "E", "- Empates", "D", "- Derrotas", "GP", "- Gols Pró", "GC",
                              "- Gols Contra", "SG", "- Saldo de Gols", "AP", "- Aproveitamento", "PA",
                              "- Participações"})
            QVERIFY2(rotulos.contains(QString::fromUtf8(t)), t);
        QCOMPARE(c.cabecalhos(), (QStringList{"#", "", "Time", "UF", "P", "J", "V", "E", "D", "GP", "GC", "SG", "PA"}));
        const int larguras[] = {28, 21, 102, 35, 50, 50, 50, 50, 50, 50, 50, 50, 50};
        for (int i = 0; i < R::kColunas; ++i)
            QCOMPARE(c.cabecalho()->sectionSize(i), larguras[i]);
        // The club icon, without text.
        const QModelIndex icone = c.modelo()->index(0, R::kIcone);
        QVERIFY(!icone.data(Qt::DecorationRole).value<QPixmap>().isNull());
        QVERIFY(icone.data().toString().isEmpty());
        QCOMPARE(c.tela->TodososJogos1->text(), QStringLiteral("&Todos os Jogos"));
    }

    // Equal points: more wins first, then more matches, then goal difference.
    void ordemEDesempate()
    {
        Cena c;
        c.exec(QStringLiteral("update Times1 set CBF_Pontos = 9000, CBF_Vitorias = 10, CBF_Jogos = 50, CBF_Saldo = 0 "
                              "where Cod_Time in (4, 8, 20, 30)"));
        c.exec(QStringLiteral("update Times1 set CBF_Vitorias = 12, CBF_Jogos = 40 where Cod_Time = 20"));
        c.exec(QStringLiteral("update Times1 set CBF_Jogos = 60 where Cod_Time = 8"));
        c.exec(QStringLiteral("update Times1 set CBF_Saldo = 5 where Cod_Time = 30"));
        c.abre();
        QCOMPARE(c.nomes().mid(0, 4), (QStringList{"Santa Cruz", "Cruzeiro", "Remo", "Bahia"}));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(c.modelo()->index(i, R::kColocacao).data().toString(), QString::number(i + 1));
        QCOMPARE(c.modelo()->index(0, R::kP).data().toString(), QStringLiteral("9000"));
        QCOMPARE(c.modelo()->index(2, R::kUF).data().toString(), QStringLiteral("PA"));
    }

    // Every club whatever its division, and no knock-out placeholder; on the
    // shipped tree the positions are the stored ranking positions.
    void clubesListados()
    {
        Cena c;
        c.abre();
        const int clubes = c.arvore.valor(QStringLiteral("select count(*) from Times1 where Divisao is not 'V'")).toInt();
        QCOMPARE(c.modelo()->rowCount(), clubes);
        const QStringList nomes = c.nomes();
        for (const char* vaga : {"1º Colocado", "2º Colocado", "3º Colocado", "4º Colocado", "Vencedor S1", "Vencedor S2"})
            QVERIFY2(!nomes.contains(QString::fromUtf8(vaga)), vaga);
        QVERIFY(nomes.contains(QStringLiteral("Remo"))); // a club of the history only
        QSqlQuery q(c.arvore.banco());
        QVERIFY(q.exec(QStringLiteral("select Cod_Time, RankingCBF from Times1 where Divisao is not 'V'")));
        const QMap<int, int> pos = c.posicoes();
        while (q.next())
            QCOMPARE(pos.value(q.value(0).toInt()), q.value(1).toInt());
    }

    void somenteLeitura()
    {
        Cena c;
        c.abre();
        const int linhas = c.modelo()->rowCount();
        QCOMPARE(c.tela->dxDBGrid1->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(c.tela->dxDBGrid1->selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(!(c.modelo()->flags(c.modelo()->index(0, R::kTime)) & Qt::ItemIsEditable));
        c.tela->dxDBGrid1->setFocus();
        c.tela->dxDBGrid1->setCurrentIndex(c.modelo()->index(linhas - 1, R::kTime));
        for (Qt::Key k : {Qt::Key_Delete, Qt::Key_Insert, Qt::Key_Down, Qt::Key_F2, Qt::Key_A, Qt::Key_Return})
            QTest::keyClick(c.tela->dxDBGrid1, k);
        QCOMPARE(c.modelo()->rowCount(), linhas);
        QCOMPARE(c.arvore.valor(QStringLiteral("select count(*) from Times1")).toInt(), linhas + 6);
        QVERIFY(!c.tela->dxDBGrid1->findChild<QLineEdit*>());
    }

    // Dragging "UF" onto the panel groups by state; every club keeps its position;
    // dragging it back ungroups.
    void agrupaPorUF()
    {
        Cena c;
        c.abre();
        const QMap<int, int> antes = c.posicoes();
        c.arrastaColuna(R::kUF, c.globalDoPainel());
        QTRY_COMPARE(c.tela->agrupamento(), QList<int>{R::kUF});
        QVERIFY(c.cabecalho()->isSectionHidden(R::kUF));
        // Groups by state in alphabetical order, each holding its clubs in ranking order.
        const QModelIndex primeiro = c.modelo()->index(0, 0);
        QVERIFY(c.modelo()->hasChildren(primeiro));
        QVERIFY(primeiro.data().toString().startsWith(QStringLiteral("UF : AL")));
        QCOMPARE(c.posicoes(), antes);
        int estados = c.arvore.valor(QStringLiteral("select count(distinct Estado) from Times1 where Divisao is not 'V'")).toInt();
        QCOMPARE(c.modelo()->rowCount(), estados);
        // Groups collapse and expand.
        c.tela->dxDBGrid1->collapse(primeiro);
        QVERIFY(!c.tela->dxDBGrid1->isExpanded(primeiro));
        c.tela->dxDBGrid1->expand(primeiro);
        QVERIFY(c.tela->dxDBGrid1->isExpanded(primeiro));
        // A club row under its group keeps its ranking position.
        const QModelIndex sp = [&] {
            for (int i = 0; i < c.modelo()->rowCount(); ++i)
                if (c.modelo()->index(i, 0).data().toString().startsWith(QStringLiteral("UF : SP")))
                    return c.modelo()->index(i, 0);
            return QModelIndex();
        }();
        QVERIFY(sp.isValid());
        const QModelIndex primeiroSP = c.modelo()->index(0, R::kColocacao, sp);
        QCOMPARE(primeiroSP.data().toInt(), antes.value(TfRanking::codigoDa(primeiroSP)));
        QVERIFY(primeiroSP.data().toInt() > 1);

        // Back onto the headers: the list is plain again, the column shown.
        auto* chip = c.tela->pnAgrupar->findChild<ChipGrupo*>();
        QVERIFY(chip);
        QCOMPARE(chip->text(), QStringLiteral("UF"));
        Cena::arrasta(chip, chip->rect().center(), c.globalDaColuna(R::kJ));
        QTRY_VERIFY(c.tela->agrupamento().isEmpty());
        QVERIFY(!c.cabecalho()->isSectionHidden(R::kUF));
        QCOMPARE(c.modelo()->rowCount(), antes.size());
        QCOMPARE(c.posicoes(), antes);
        QVERIFY(!c.tela->pnAgrupar->findChild<ChipGrupo*>());
    }

    // The movable columns move among their own places; the others cannot be dragged.
    void moveColunas()
    {
        Cena c;
        c.abre();
        const QStringList inicial = c.cabecalhos();
        // Fixed columns: neither onto the panel nor elsewhere.
        for (int fixa : {int(R::kColocacao), int(R::kTime), int(R::kP), int(R::kSG)}) {
            c.arrastaColuna(fixa, c.globalDoPainel());
            c.arrastaColuna(fixa, c.globalDaColuna(R::kPA));
        }
        QApplication::processEvents();
        QVERIFY(c.tela->agrupamento().isEmpty());
        QCOMPARE(c.cabecalhos(), inicial);
        // "PA" dropped on "UF" takes its place; the fixed columns stay where they were.
        c.arrastaColuna(R::kPA, c.globalDaColuna(R::kUF));
        QTRY_COMPARE(c.cabecalhos(),
                     (QStringList{"#", "", "Time", "PA", "P", "UF", "J", "V", "E", "GP", "GC", "SG", "D"}));
        // "J" dropped on a fixed column goes to the nearest movable place.
        c.arrastaColuna(R::kJ, c.globalDaColuna(R::kSG));
        QTRY_COMPARE(c.cabecalhos(),
                     (QStringList{"#", "", "Time", "PA", "P", "UF", "V", "E", "D", "GP", "GC", "SG", "J"}));
        // The positions are still the ranking's.
        QCOMPARE(c.modelo()->index(0, R::kColocacao).data().toString(), QStringLiteral("1"));
        QCOMPARE(c.modelo()->index(9, R::kColocacao).data().toString(), QStringLiteral("10"));
        // Grouping by a moved column works the same way.
        c.arrastaColuna(R::kPA, c.globalDoPainel());
        QTRY_COMPARE(c.tela->agrupamento(), QList<int>{R::kPA});
    }

    // The menu's "RANKING" button opens the screen.
    void abertoPeloMenu()
    {
        Cena c;
        Telas::liga(&c.menu);
        aux::mostra(&c.menu);
        QString legenda;
        int linhas = 0;
        aux::quandoAparecer(aux::modal<TfRanking>(), [&](QWidget* w) {
            auto* t = static_cast<TfRanking*>(w);
            legenda = t->caption();
            linhas = t->dxDBGrid1->model()->rowCount();
            QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("epEfButton1")), Qt::LeftButton);
        });
        c.menu.botoes[3]->click();
        QCOMPARE(legenda, QStringLiteral(" RANKING"));
        QVERIFY(linhas > 28);
        QVERIFY(!fRanking);
    }

    // "&Todos os Jogos" opens the history of the row's club.
    void todosOsJogos()
    {
        Cena c;
        c.abre();
        const QModelIndex linha = c.modelo()->index(4, R::kTime);
        const QRect r = c.tela->dxDBGrid1->visualRect(linha);
        QContextMenuEvent e(QContextMenuEvent::Mouse, r.center(), c.tela->dxDBGrid1->viewport()->mapToGlobal(r.center()));
        QApplication::sendEvent(c.tela->dxDBGrid1->viewport(), &e);
        QTRY_VERIFY(c.tela->PopupMenu1->isVisible());
        QVERIFY(c.tela->TodososJogos1->isEnabled());
        const int esperado = TfRanking::codigoDa(linha);
        QVERIFY(esperado > 0);
        int aberto = 0;
        QString jogos;
        aux::quandoAparecer(aux::modal<TfTodosJogos>(), [&](QWidget* w) {
            auto* t = static_cast<TfTodosJogos*>(w);
            aberto = t->codTime();
            jogos = t->reTime->linhas().value(0);
            QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("epEfButton1")), Qt::LeftButton);
        });
        c.tela->TodososJogos1->trigger();
        c.tela->PopupMenu1->hide();
        QCOMPARE(aberto, esperado);
        QCOMPARE(jogos, c.modelo()->index(4, R::kJ).data().toString());
        QVERIFY(!fTodosJogos);
    }
};

QTEST_MAIN(TstRanking)
#include "tst_ranking.moc"
