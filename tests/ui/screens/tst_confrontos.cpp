// The head-to-head screen over small fixtures of historic matches written
// into a fresh default tree: both sides' balance, the summary, the opponent
// list, and its opening from the matches screen.
#include "../shell/Auxiliar.h"

#include "ArvoreTeste.h"
#include "core/data/Dataset.h"
#include "ui/screens/GradeHistorico.h"
#include "ui/screens/pConfrontos.h"
#include "ui/screens/pJogos.h"
#include "ui/screens/pTimes.h"
#include "ui/screens/pTodosJogos.h"
#include "ui/shell/Botoes.h"
#include "ui/shell/Mensagens.h"
#include "ui/shell/Menu.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QToolButton>
#include <QtTest>

namespace {

// One historic match: Cod_Time1, Cod_Time2, Gols_Time1, Gols_Time2 (-1 for null).
using Partida = QList<int>;

} // namespace

Q_DECLARE_METATYPE(QList<Partida>)

class TstConfrontos : public QObject {
    Q_OBJECT

    struct Cena {
        ArvoreTeste arvore;
        TfmMenu menu;
        TfConfrontos* tela = nullptr;
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
        // Only these matches in the history, one a year from 1980.
        void historico(const QList<Partida>& partidas)
        {
            exec(QStringLiteral("delete from Confrontos"));
            int ano = 1980;
            for (const Partida& p : partidas) {
                const auto g = [](int v) { return v < 0 ? QStringLiteral("NULL") : QString::number(v); };
                exec(QStringLiteral("insert into Confrontos (Data, Cod_Time1, Cod_Time2, Gols_Time1, Gols_Time2) "
                                    "values ('%1-08-01', %2, %3, %4, %5)")
                         .arg(ano++)
                         .arg(p[0])
                         .arg(p[1])
                         .arg(g(p[2]), g(p[3])));
            }
        }
        void abre(int codTime, int codAdver, const QString& nomeTime, const QString& nomeAdver)
        {
            tela = new TfConfrontos;
            fConfrontos = tela;
            tela->CodTime = codTime;
            tela->CodAdver = codAdver;
            tela->NomeTime = nomeTime;
            tela->NomeAdver = nomeAdver;
            aux::mostra(tela);
        }
        QAbstractItemModel* grade() const { return tela->dbgConfrontos->model(); }
        QString celula(int linha, int coluna) const { return grade()->index(linha, coluna).data().toString(); }
        // Picks a club in the opponent list's drop-down, as the user does.
        void escolhe(int codigo)
        {
            ListaTimes* cb = tela->cbOutrosTimes;
            cb->showPopup();
            QTRY_VERIFY(cb->view()->isVisible());
            auto* m = static_cast<QStandardItemModel*>(cb->model());
            int linha = -1;
            for (int i = 0; i < m->rowCount(); ++i)
                if (m->item(i, 1)->data(Qt::UserRole).toInt() == codigo)
                    linha = i;
            QVERIFY(linha >= 0);
            QAbstractItemView* v = cb->view();
            v->scrollTo(m->index(linha, 1));
            QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(m->index(linha, 1)).center());
            QTRY_VERIFY(!v->isVisible());
        }
    };

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    // The club is Palmeiras (17), the opponent Corinthians (6); another club (5) never counts.
    void balanco_data()
    {
        QTest::addColumn<QList<Partida>>("partidas");
        QTest::addColumn<QStringList>("clube");
        QTest::addColumn<QStringList>("adversario");
        QTest::addColumn<QStringList>("resumo");

        // Listed with the opponent first: the club's goals are Gols_Time2.
        QTest::newRow("Cod_Time1 é o adversário")
            << QList<Partida>{{6, 17, 0, 3}, {17, 5, 4, 0}} << QStringList{"1", "0", "3", "0", "3"}
            << QStringList{"0", "1", "0", "3", "-3"} << QStringList{"1", "0", "3", "3"};
        QTest::newRow("três jogos, sete gols")
            << QList<Partida>{{17, 6, 2, 1}, {6, 17, 1, 1}, {6, 17, 2, 0}}
            << QStringList{"1", "1", "3", "4", "-1"} << QStringList{"1", "1", "4", "3", "1"}
            << QStringList{"3", "1", "7", "2,33333333333333"};
        QTest::newRow("média 2,5") << QList<Partida>{{17, 6, 3, 2}, {6, 17, 0, 0}}
                                   << QStringList{"1", "0", "3", "2", "1"} << QStringList{"0", "1", "2", "3", "-1"}
                                   << QStringList{"2", "1", "5", "2,5"};
        QTest::newRow("empate 0-0") << QList<Partida>{{17, 6, 0, 0}} << QStringList{"0", "0", "0", "0", "0"}
                                    << QStringList{"0", "0", "0", "0", "0"} << QStringList{"1", "1", "0", "0"};
        QTest::newRow("placar nulo conta 0") << QList<Partida>{{6, 17, -1, 2}} << QStringList{"1", "0", "2", "0", "2"}
                                             << QStringList{"0", "1", "0", "2", "-2"} << QStringList{"1", "0", "2", "2"};
        QTest::newRow("nunca se enfrentaram") << QList<Partida>{{17, 5, 1, 0}} << QStringList{"0", "0", "0", "0", "0"}
                                              << QStringList{"0", "0", "0", "0", "0"} << QStringList{"0", "0", "0", "0"};
    }

    void balanco()
    {
        QFETCH(QList<Partida>, partidas);
        QFETCH(QStringList, clube);
        QFETCH(QStringList, adversario);
        QFETCH(QStringList, resumo);
        Cena c;
        c.historico(partidas);
        c.abre(17, 6, QStringLiteral("Palmeiras"), QStringLiteral("Corinthians"));
        QCOMPARE(c.tela->reTime->linhas(), clube);
        QCOMPARE(c.tela->reAdver->linhas(), adversario);
        QCOMPARE(c.tela->reResumo->linhas(), resumo);
        QCOMPARE(c.grade()->rowCount(), resumo[0].toInt());
        QVERIFY(c.tela->dbgConfrontos->isVisible());
    }

    void telaEGrade()
    {
        Cena c;
        c.historico({{6, 17, 2, 1}, {17, 6, 0, 0}, {17, 5, 3, 3}});
        c.abre(17, 6, QStringLiteral("Palmeiras"), QStringLiteral("Corinthians"));
        QCOMPARE(c.tela->caption(), QStringLiteral(" CONFRONTOS"));
        QCOMPARE(c.tela->lbConfrontos->text(),
                 QStringLiteral("Para ver os confrontos do Palmeiras contra outros times, selecione o time na lista ao lado:"));
        QCOMPARE(c.tela->edAdversario->text(), QStringLiteral("Corinthians"));
        QVERIFY(c.tela->edAdversario->isReadOnly());
        QStringList rotulos;
        for (CaixaLeitura* r : c.tela->rotulos)
            rotulos << r->linhas();
        QCOMPARE(rotulos, (QStringList{"Vitórias", "Derrotas", "Gols Pró", "Gols Contra", "Saldo ", "Jogos", "Empates",
                                       "Gols ", "Média ", "Vitórias", "Derrotas", "Gols Pró", "Gols Contra", "Saldo "}));
        // Earliest first; names looked up by code; the letter X between the scores.
        using G = GradeHistorico;
        QCOMPARE(c.grade()->rowCount(), 2);
        QCOMPARE(c.celula(0, G::kData), QStringLiteral("01/08/1980"));
        QCOMPARE(c.celula(0, G::kNome1), QStringLiteral("Corinthians"));
        QCOMPARE(c.celula(0, G::kGols1), QStringLiteral("2"));
        QCOMPARE(c.celula(0, G::kX), QStringLiteral("X"));
        QCOMPARE(c.celula(0, G::kGols2), QStringLiteral("1"));
        QCOMPARE(c.celula(0, G::kNome2), QStringLiteral("Palmeiras"));
        QCOMPARE(c.celula(1, G::kNome1), QStringLiteral("Palmeiras"));
        QCOMPARE(c.tela->dbgConfrontos->currentIndex().row(), 0);
        // The scores bold on the system's tooltip colour.
        const QColor dica = QApplication::style()->standardPalette().color(QPalette::ToolTipBase);
        for (int col : {int(G::kGols1), int(G::kGols2)}) {
            const QModelIndex i = c.grade()->index(1, col);
            QCOMPARE(i.data(Qt::BackgroundRole).value<QBrush>().color(), dica);
            QVERIFY(i.data(Qt::FontRole).value<QFont>().bold());
        }
        // The small badges beside both names: the first at the left edge, the second at the right.
        const QImage vista = c.tela->dbgConfrontos->viewport()->grab().toImage();
        const QRect n1 = c.tela->dbgConfrontos->visualRect(c.grade()->index(1, G::kNome1));
        const QRect n2 = c.tela->dbgConfrontos->visualRect(c.grade()->index(1, G::kNome2));
        const QColor fundo(156, 174, 197);
        QVERIFY(vista.pixelColor(n1.left() + 7, n1.top() + 8) != fundo);
        QVERIFY(vista.pixelColor(n2.right() - 7, n2.top() + 8) != fundo);
        // The badges, stretched to 60 x 60.
        QVERIFY(c.tela->imTime->pixmap().toImage() != QImage());
        QCOMPARE(c.tela->imTime->size(), QSize(60, 60));
        QCOMPARE(c.tela->imAdver->size(), QSize(60, 60));
        // Nothing can be typed into the grid.
        QCOMPARE(c.tela->dbgConfrontos->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    // Every club by name and state, with its icon; the knock-out placeholders are not clubs.
    void listaDeAdversarios()
    {
        Cena c;
        c.abre(17, 6, QStringLiteral("Palmeiras"), QStringLiteral("Corinthians"));
        auto* m = static_cast<QStandardItemModel*>(c.tela->cbOutrosTimes->model());
        QCOMPARE(m->columnCount(), 3);
        const int clubes = c.arvore.valor(QStringLiteral("select count(*) from Times1 where Divisao is not 'V'")).toInt();
        QCOMPARE(m->rowCount(), clubes);
        QStringList nomes;
        for (int i = 0; i < m->rowCount(); ++i) {
            nomes << m->item(i, 1)->text();
            QVERIFY(!m->item(i, 0)->icon().isNull());
        }
        for (const char* vaga : {"1º Colocado", "4º Colocado", "Vencedor S1", "Vencedor S2"})
            QVERIFY2(!nomes.contains(QString::fromUtf8(vaga)), vaga);
        QSqlQuery q(c.arvore.banco());
        QVERIFY(q.exec(QStringLiteral("select Time from Times1 where Divisao is not 'V' order by Time collate PTBR, Estado")));
        QStringList esperado;
        while (q.next())
            esperado << q.value(0).toString();
        QCOMPARE(nomes, esperado);
        const int sp = nomes.indexOf(QStringLiteral("São Paulo"));
        QCOMPARE(m->item(sp, 2)->text(), QStringLiteral("SP"));
    }

    void outroAdversario()
    {
        Cena c;
        c.historico({{17, 6, 1, 0}, {5, 17, 2, 2}, {17, 5, 0, 1}});
        c.abre(17, 6, QStringLiteral("Palmeiras"), QStringLiteral("Corinthians"));
        QCOMPARE(c.tela->reResumo->linhas()[0], QStringLiteral("1"));
        c.escolhe(5);
        QTRY_COMPARE(c.tela->edAdversario->text(), QStringLiteral("Botafogo"));
        QCOMPARE(c.tela->CodAdver, 5);
        QCOMPARE(c.tela->reTime->linhas(), (QStringList{"0", "1", "2", "3", "-1"}));
        QCOMPARE(c.tela->reResumo->linhas(), (QStringList{"2", "1", "5", "2,5"}));
        QCOMPARE(c.grade()->rowCount(), 2);
        // The sentence still names the club.
        QVERIFY(c.tela->lbConfrontos->text().contains(QStringLiteral("do Palmeiras contra")));
    }

    // The club itself as its own opponent: the message, and the screen stays as it was.
    void proprioTime()
    {
        Cena c;
        c.historico({{17, 6, 3, 1}});
        c.abre(17, 6, QStringLiteral("Palmeiras"), QStringLiteral("Corinthians"));
        QString mensagem;
        aux::quandoAparecer(aux::modal<QMessageBox>(), [&](QWidget* w) {
            auto* caixa = static_cast<QMessageBox*>(w);
            mensagem = caixa->text();
            caixa->button(QMessageBox::Ok)->click();
        });
        c.escolhe(17);
        QTRY_COMPARE(mensagem, QStringLiteral("Selecione outro Time."));
        QTRY_VERIFY(!QApplication::activeModalWidget() || QApplication::activeModalWidget() == c.tela);
        QCOMPARE(c.tela->CodAdver, 6);
        QCOMPARE(c.tela->NomeAdver, QStringLiteral("Corinthians"));
        QCOMPARE(c.tela->edAdversario->text(), QStringLiteral("Corinthians"));
        QCOMPARE(c.tela->reTime->linhas(), (QStringList{"1", "0", "3", "1", "2"}));
        QCOMPARE(c.grade()->rowCount(), 1);
    }

    // Clicking or tabbing into a label or value box leaves the focus on the grid.
    void caixasPassamOFoco()
    {
        Cena c;
        c.historico({{17, 6, 3, 1}});
        c.abre(17, 6, QStringLiteral("Palmeiras"), QStringLiteral("Corinthians"));
        QList<CaixaLeitura*> caixas = c.tela->rotulos;
        caixas << c.tela->reTime << c.tela->reResumo << c.tela->reAdver;
        for (CaixaLeitura* cx : caixas) {
            c.tela->cbOutrosTimes->setFocus();
            QTest::mouseClick(cx->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(c.tela->dbgConfrontos));
            QVERIFY(cx->isReadOnly());
        }
        c.tela->reResumo->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(c.tela->dbgConfrontos));
    }

    // A missing large badge is left out and reported once: the message box that
    // reports it does not start the rebuild, and so no other report, again.
    void escudoAusente()
    {
        Cena c;
        c.historico({{17, 6, 3, 1}});
        QVERIFY(QFile::remove(c.arvore.caminhos().normal(6)));
        Erros::defineCaptura({}); // the program's own message box
        int caixas = 0;
        QTimer fecha;
        fecha.setInterval(20);
        connect(&fecha, &QTimer::timeout, [&] {
            if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++caixas;
                b->done(QMessageBox::Ok);
            }
        });
        fecha.start();
        c.abre(17, 6, QStringLiteral("Palmeiras"), QStringLiteral("Corinthians"));
        QTRY_COMPARE(caixas, 1);
        QTest::qWait(400);
        QCOMPARE(caixas, 1);
        fecha.stop();
        Erros::defineSaida({});
        QVERIFY(c.tela->imAdver->pixmap().isNull());
        QVERIFY(!c.tela->imTime->pixmap().isNull());
        QCOMPARE(c.tela->reTime->linhas(), (QStringList{"1", "0", "3", "1", "2"}));
        QVERIFY(c.tela->dbgConfrontos->isVisible());
    }

    // "&Confrontos" on the matches screen: Time1 and NomeTime1 against Time2 and NomeTime2 of the row.
    void abertoDosJogos()
    {
        Cena c;
        auto* jogos = new TfJogos;
        fJogos = jogos;
        aux::mostra(jogos);
        jogos->botaoVisao(3)->click();
        const int linha = 2;
        const QModelIndex i = jogos->dbJogos->model()->index(linha, GradeJogos::kGols1);
        QTest::mouseClick(jogos->dbJogos->viewport(), Qt::LeftButton, {}, jogos->dbJogos->visualRect(i).center());
        const int t1 = jogos->Table1->asInt(QStringLiteral("Time1"));
        const int t2 = jogos->Table1->asInt(QStringLiteral("Time2"));
        const QString n1 = jogos->Table1->asString(QStringLiteral("NomeTime1"));
        const QString n2 = jogos->Table1->asString(QStringLiteral("NomeTime2"));
        QVERIFY(t1 != t2 && !n1.isEmpty() && !n2.isEmpty());
        int time = 0, adver = 0;
        QString frase, adversario;
        aux::quandoAparecer(aux::modal<TfConfrontos>(), [&](QWidget* w) {
            auto* t = static_cast<TfConfrontos*>(w);
            time = t->CodTime;
            adver = t->CodAdver;
            frase = t->lbConfrontos->text();
            adversario = t->edAdversario->text();
            QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("epEfButton1")), Qt::LeftButton);
        });
        jogos->imConfrontos->trigger();
        QCOMPARE(time, t1);
        QCOMPARE(adver, t2);
        QVERIFY(frase.contains(QStringLiteral("do %1 contra").arg(n1)));
        QCOMPARE(adversario, n2);
        QVERIFY(!fConfrontos);
        delete jogos;
    }

    // The club's match list: the shown club against the other club of the row,
    // whichever side it stands on; "&Todos os Jogos" opens the shown club's history.
    void abertoDaListaDoTime_data()
    {
        QTest::addColumn<int>("linha");
        QTest::newRow("em casa") << 0;
        QTest::newRow("fora") << 1;
    }
    void abertoDaListaDoTime()
    {
        QFETCH(int, linha);
        Cena c;
        auto* times = new TfTimes;
        fTimes = times;
        aux::mostra(times);
        const QModelIndex i = times->dbJogos->model()->index(linha, 0);
        QTest::mouseClick(times->dbJogos->viewport(), Qt::LeftButton, {}, times->dbJogos->visualRect(i).center());
        const int cod = times->codTime();
        const bool primeiro = times->Query1->asInt(QStringLiteral("Time1")) == cod;
        const int outro = times->Query1->asInt(primeiro ? QStringLiteral("Time2") : QStringLiteral("Time1"));
        const QString nomeOutro = times->Query1->asString(primeiro ? QStringLiteral("NomeTime2") : QStringLiteral("NomeTime1"));
        QCOMPARE(primeiro, linha == 0);
        int time = 0, adver = 0;
        QString nomeTime, nomeAdver;
        aux::quandoAparecer(aux::modal<TfConfrontos>(), [&](QWidget* w) {
            auto* t = static_cast<TfConfrontos*>(w);
            time = t->CodTime;
            adver = t->CodAdver;
            nomeTime = t->NomeTime;
            nomeAdver = t->NomeAdver;
            QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("epEfButton1")), Qt::LeftButton);
        });
        times->imConfrontos->trigger();
        QCOMPARE(time, cod);
        QCOMPARE(adver, outro);
        QCOMPARE(nomeTime, times->Table2->asString(QStringLiteral("Time")));
        QCOMPARE(nomeAdver, nomeOutro);

        int historico = 0;
        aux::quandoAparecer(aux::modal<TfTodosJogos>(), [&](QWidget* w) {
            historico = static_cast<TfTodosJogos*>(w)->codTime();
            QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("epEfButton1")), Qt::LeftButton);
        });
        times->imTodosJogos->trigger();
        QCOMPARE(historico, cod);
        delete times;
    }
};

QTEST_MAIN(TstConfrontos)
#include "tst_confrontos.moc"
