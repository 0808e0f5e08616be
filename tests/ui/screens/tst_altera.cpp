// The match date change, opened from the matches screen's popup as a user
// does, and on its own for the refused clash and the activation.
#include "ArvoreTeste.h"
#include "core/data/Dataset.h"
#include "ui/screens/pAltera.h"
#include "ui/screens/pJogos.h"
#include "ui/shell/Botoes.h"
#include "ui/shell/Menu.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSqlQuery>
#include <QtTest>

using G = GradeJogos;

namespace {

QString ddmm(const QDate& d) { return d.toString(QStringLiteral("dd/MM/yyyy")); }

} // namespace

class TstAltera : public QObject {
    Q_OBJECT

    struct Cena {
        ArvoreTeste arvore;
        TfmMenu menu;
        MensagensCapturadas erros;
        Cena() { fmMenu = &menu; }
        ~Cena() { fmMenu = nullptr; }
        QVariant jogo(int cod, const QString& campo)
        {
            return arvore.valor(QStringLiteral("select %1 from Jogos where Cod_Jogo = %2").arg(campo).arg(cod));
        }
        QString figuras()
        {
            QSqlQuery q(arvore.banco());
            q.exec(QStringLiteral("select Cod_Time, Pontos, Jogos, Projecao, Proj_V, Proj_E, Proj_D from Times1 order by Cod_Time"));
            QStringList r;
            while (q.next())
                for (int i = 0; i < 7; ++i)
                    r << q.value(i).toString();
            return r.join(QLatin1Char(','));
        }
    };

    static void clica(TfJogos* t, int linha, int coluna, Qt::MouseButton b = Qt::LeftButton)
    {
        const QRect r = t->dbJogos->visualRect(t->dbJogos->model()->index(linha, coluna));
        QTest::mouseClick(t->dbJogos->viewport(), b, {}, r.center());
    }
    static void digita(TfJogos* t, const QString& s)
    {
        auto* ed = qobject_cast<QLineEdit*>(t->dbJogos->indexWidget(t->dbJogos->currentIndex()));
        QVERIFY(ed);
        ed->selectAll();
        QTest::keyClick(ed, Qt::Key_Backspace);
        QTest::keyClicks(ed, s);
    }
    // Opens the popup over the row and chooses "&Alterar Data"; `naTela` runs on the
    // date change screen while it is shown modally, then the screen is closed if still open.
    static void alteraData(TfJogos* t, int linha, const std::function<void(TfAltera*)>& naTela)
    {
        const QRect r = t->dbJogos->visualRect(t->dbJogos->model()->index(linha, G::kNome1));
        QContextMenuEvent e(QContextMenuEvent::Mouse, r.center(), t->dbJogos->viewport()->mapToGlobal(r.center()));
        QApplication::sendEvent(t->dbJogos->viewport(), &e);
        QVERIFY(QTest::qWaitFor([t] { return t->PopupMenu1->isVisible(); }, 2000));
        QVERIFY(t->imAlterarData->isEnabled());
        QTimer::singleShot(0, [naTela] {
            if (QTest::qWaitFor([] { return fAltera && fAltera->isVisible(); }, 3000)) {
                // The screen's own activation has read the match.
                QTest::qWaitFor([] { return fAltera->Table1->isOpen(); }, 3000);
                naTela(fAltera);
                if (fAltera && fAltera->isVisible())
                    fAltera->close();
            }
        });
        t->PopupMenu1->hide();
        t->imAlterarData->trigger();
    }

private slots:
    // The moved match is listed under its new day; status, scores, picks and
    // every club's figures stay as they were. A row being typed is saved first.
    void moveJogo()
    {
        Cena c;
        TfJogos tela;
        fJogos = &tela;
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        QTest::mouseClick(tela.botaoVisao(3), Qt::LeftButton);
        const int cod = tela.Table1->valueAt(0, QStringLiteral("Cod_Jogo")).toInt();
        const int t1 = tela.Table1->valueAt(0, QStringLiteral("Time1")).toInt();
        const QDate antigo = tela.Table1->valueAt(0, QStringLiteral("Dia")).toDate();
        digita(&tela, QStringLiteral("3"));
        clica(&tela, 0, G::kGols2);
        digita(&tela, QStringLiteral("3"));

        const QDate novo(2001, 12, 25);
        QString situacaoAoAbrir, legenda, caption, botao;
        QDate mostrada;
        bool figuras = false, modal = false;
        QString figurasAntes;
        alteraData(&tela, 0, [&](TfAltera* a) {
            modal = a->isModal();
            caption = a->caption();
            legenda = a->lbAlterado->text();
            botao = a->btConfirma->text();
            mostrada = a->cbData->date();
            figuras = !a->imTime1->pixmap().isNull() && !a->imTime2->pixmap().isNull();
            situacaoAoAbrir = c.jogo(cod, QStringLiteral("Situacao")).toString();
            figurasAntes = c.figuras();
            a->cbData->setDate(novo);
            QTest::mouseClick(a->btConfirma, Qt::LeftButton);
        });
        QVERIFY(modal);
        QCOMPARE(caption, QStringLiteral(" ALTERA DATA"));
        QCOMPARE(legenda, QStringLiteral("Jogo alterado para"));
        QCOMPARE(botao, QStringLiteral("Confirma"));
        QCOMPARE(mostrada, antigo);
        QVERIFY(figuras);
        QCOMPARE(situacaoAoAbrir, QStringLiteral("C")); // saved before the screen opened
        QVERIFY(!fAltera);
        QVERIFY2(c.erros.lista.isEmpty(), qPrintable(c.erros.lista.join(QLatin1Char('\n'))));

        QCOMPARE(c.jogo(cod, QStringLiteral("Dia")).toString(), novo.toString(Qt::ISODate));
        QCOMPARE(c.jogo(cod, QStringLiteral("Situacao")).toString(), QStringLiteral("C"));
        QCOMPARE(c.jogo(cod, QStringLiteral("Gols_Time1")).toInt(), 3);
        QCOMPARE(c.jogo(cod, QStringLiteral("Cod_Jogo")).toInt(), cod);
        QCOMPARE(c.figuras(), figurasAntes);
        QCOMPARE(c.arvore.valor(QStringLiteral("select Empates from Times1 where Cod_Time = %1").arg(t1)).toInt(), 1);

        // The full view lists it under its new day, the latest of the season.
        QTest::mouseClick(tela.btnInicio, Qt::LeftButton);
        auto* m = tela.dbJogos->model();
        const int ultima = m->rowCount() - 1;
        QCOMPARE(tela.Table1->valueAt(ultima, QStringLiteral("Cod_Jogo")).toInt(), cod);
        QCOMPARE(m->index(ultima, G::kDia).data().toString(), ddmm(novo));
        QCOMPARE(m->index(ultima, G::kGols1).data().toString(), QStringLiteral("3"));
        fJogos = nullptr;
    }

    // The same date confirmed: the screen closes and the row is unchanged.
    void mesmaData()
    {
        Cena c;
        TfJogos tela;
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        QTest::mouseClick(tela.botaoVisao(2), Qt::LeftButton);
        const int cod = tela.Table1->valueAt(1, QStringLiteral("Cod_Jogo")).toInt();
        const QString dia = c.jogo(cod, QStringLiteral("Dia")).toString();
        bool fechou = false;
        alteraData(&tela, 1, [&](TfAltera* a) {
            QTest::mouseClick(a->btConfirma, Qt::LeftButton);
            fechou = !a->isVisible();
        });
        QVERIFY(fechou);
        QCOMPARE(c.jogo(cod, QStringLiteral("Dia")).toString(), dia);
        QCOMPARE(c.jogo(cod, QStringLiteral("Situacao")).toString(), QStringLiteral("P"));
        QVERIFY(tela.botaoVisao(2)->selecionado());
        QCOMPARE(tela.dbJogos->model()->rowCount(), 14);
    }

    // A date that would make the row agree with another in all seven key fields
    // is refused with a message naming the clash; the screen stays open, nothing changes.
    void conflitoRecusado()
    {
        Cena c;
        const MensagensCapturadas& msgs = c.erros;
        const int cod = c.arvore.valor(QStringLiteral("select min(Cod_Jogo) from Jogos where Rodada = 5")).toInt();
        const QString dia = c.jogo(cod, QStringLiteral("Dia")).toString();
        const QDate outroDia(2001, 12, 20);
        QSqlQuery q(c.arvore.banco());
        QVERIFY(q.exec(QStringLiteral(
            "insert into Jogos (Apostador, Dia, Time1, Time2, Situacao, Divisao, Rodada, Hora, Estadio, Local, TV) "
            "select Apostador, '%1', Time1, Time2, Situacao, Divisao, Rodada, Hora, Estadio, Local, TV "
            "from Jogos where Cod_Jogo = %2").arg(outroDia.toString(Qt::ISODate)).arg(cod)));
        const int t1 = c.jogo(cod, QStringLiteral("Time1")).toInt();
        const QString nome1 = c.arvore.valor(QStringLiteral("select Time from Times1 where Cod_Time = %1").arg(t1)).toString();

        TfAltera tela;
        tela.defineCodJogo(cod);
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        QCOMPARE(tela.cbData->date(), QDate::fromString(dia, Qt::ISODate));
        tela.cbData->setDate(outroDia);
        QTest::mouseClick(tela.btConfirma, Qt::LeftButton);
        QCOMPARE(msgs.lista.size(), 1);
        QVERIFY2(msgs.lista[0].contains(nome1), qPrintable(msgs.lista[0]));
        QVERIFY2(msgs.lista[0].contains(ddmm(outroDia)), qPrintable(msgs.lista[0]));
        QVERIFY(msgs.lista[0].contains(QStringLiteral("não foi alterada")));
        QVERIFY(tela.isVisible());
        QCOMPARE(c.jogo(cod, QStringLiteral("Dia")).toString(), dia);
        QVERIFY(!tela.Table1->editing());

        // Another day is still accepted afterwards.
        tela.cbData->setDate(QDate(2001, 12, 21));
        QTest::mouseClick(tela.btConfirma, Qt::LeftButton);
        QVERIFY(!tela.isVisible());
        QCOMPARE(c.jogo(cod, QStringLiteral("Dia")).toString(), QStringLiteral("2001-12-21"));
    }

    // Every activation resets the picker to the stored date; closing otherwise changes nothing.
    void ativacaoVoltaADataGravada()
    {
        Cena c;
        const int cod = c.arvore.valor(QStringLiteral("select max(Cod_Jogo) from Jogos where Rodada = 7")).toInt();
        const QDate dia = QDate::fromString(c.jogo(cod, QStringLiteral("Dia")).toString(), Qt::ISODate);
        TfAltera tela;
        tela.defineCodJogo(cod);
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        tela.cbData->setDate(QDate(2001, 9, 9));
        QWidget outra;
        outra.show();
        outra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&outra));
        tela.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        QTRY_COMPARE(tela.cbData->date(), dia);
        tela.cbData->setDate(QDate(2001, 9, 9));
        tela.close();
        QCOMPARE(c.jogo(cod, QStringLiteral("Dia")).toString(), dia.toString(Qt::ISODate));
    }

    // A missing badge or match is reported once; the screen stays usable and closes normally.
    void ativacaoComProblema_data()
    {
        QTest::addColumn<bool>("semEscudo");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("escudo ausente") << true << "Normal";
        QTest::newRow("jogo inexistente") << false << "não foi encontrado";
    }
    void ativacaoComProblema()
    {
        QFETCH(bool, semEscudo);
        QFETCH(QString, mensagem);
        Cena c;
        int cod = c.arvore.valor(QStringLiteral("select min(Cod_Jogo) from Jogos where Rodada = 1")).toInt();
        if (semEscudo)
            QVERIFY(QFile::remove(c.arvore.caminhos().normal(c.jogo(cod, QStringLiteral("Time2")).toInt())));
        else
            cod = 99999;
        TfAltera tela;
        tela.defineCodJogo(cod);
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        QTRY_COMPARE(c.erros.lista.size(), 1);
        QVERIFY2(c.erros.lista[0].contains(mensagem), qPrintable(c.erros.lista[0]));
        QTest::qWait(100);
        QCOMPARE(c.erros.lista.size(), 1);
        QVERIFY(tela.isVisible());
        tela.close();
    }
};

QTEST_MAIN(TstAltera)
#include "tst_altera.moc"
