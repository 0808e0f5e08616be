// The item model over a dataset: what the grids show and how typed values
// reach the tables (validated, saved when the current row changes).
#include "ArvoreTeste.h"
#include "core/data/Dataset.h"
#include "core/data/Estatisticas.h"
#include "core/data/ModeloDataset.h"
#include "ui/shell/Grades.h"
#include "ui/shell/Mensagens.h"

#include <QFont>
#include <QItemSelectionModel>
#include <QTableView>
#include <QtTest>

class TstModelo : public QObject {
    Q_OBJECT

private:
    // Round 1 of the default tree in `RodadaIdx` order, with the match rules.
    struct Rodada {
        Dataset jogos;
        ModeloDataset modelo{&jogos};
        Rodada()
        {
            jogos.setTableName(QStringLiteral("Jogos.DB"));
            jogos.setIndexFieldNames(QStringLiteral("Rodada;Dia;Time1"));
            jogos.open();
            ModeloDataset::Coluna dia;
            dia.campo = QStringLiteral("Dia");
            dia.titulo = QStringLiteral("Dia");
            dia.largura = 70;
            modelo.adicionaColuna(dia);
            ModeloDataset::Coluna gols;
            gols.campo = QStringLiteral("Gols_Time1");
            gols.largura = 25;
            gols.alinhamento = Qt::AlignCenter;
            QFont f;
            f.setBold(true);
            gols.fonte = f;
            gols.corTexto = QColor(0, 128, 0);
            gols.corFundo = QColor(0xFF, 0xFF, 0x96);
            gols.editavel = true;
            gols.inteiro = true;
            gols.minimo = 0;
            gols.maximo = 99;
            modelo.adicionaColuna(gols);
            gols.campo = QStringLiteral("Gols_Time2");
            modelo.adicionaColuna(gols);
            ModeloDataset::Coluna sit;
            sit.campo = QStringLiteral("Situacao");
            modelo.adicionaColuna(sit);
        }
        int cod(int linha) const { return jogos.valueAt(linha, QStringLiteral("Cod_Jogo")).toInt(); }
    };

    static QVariant gravado(ArvoreTeste& a, int cod, const QString& campo)
    {
        return a.valor(QStringLiteral("select %1 from Jogos where Cod_Jogo = %2").arg(campo).arg(cod));
    }

private slots:
    void mostraCamposComSeusPapeis()
    {
        ArvoreTeste arvore;
        Rodada r;
        QCOMPARE(r.modelo.rowCount(), r.jogos.recordCount());
        QVERIFY(r.modelo.rowCount() > 0);
        QCOMPARE(r.modelo.columnCount(), 4);
        const QModelIndex dia = r.modelo.index(0, 0);
        QCOMPARE(dia.data().toString(), r.jogos.valueAt(0, QStringLiteral("Dia")).toDate().toString(QStringLiteral("dd/MM/yyyy")));
        QCOMPARE(r.modelo.index(0, 1).data().toString(), QString()); // no result yet: empty, not 0
        QCOMPARE(r.modelo.index(0, 3).data().toString(), QStringLiteral("P"));
        QCOMPARE(r.modelo.index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::Alignment(Qt::AlignCenter));
        QVERIFY(r.modelo.index(0, 1).data(Qt::FontRole).value<QFont>().bold());
        QCOMPARE(r.modelo.index(0, 1).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 128, 0));
        QCOMPARE(r.modelo.index(0, 1).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(0xFF, 0xFF, 0x96));
        QVERIFY(!r.modelo.index(0, 0).data(Qt::BackgroundRole).isValid());
        QCOMPARE(r.modelo.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Dia"));
        QVERIFY(!(r.modelo.flags(r.modelo.index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(r.modelo.flags(r.modelo.index(0, 1)) & Qt::ItemIsEditable);
        QVERIFY(!(r.modelo.flags(r.modelo.index(0, 3)) & Qt::ItemIsEditable));

        QTableView visao;
        visao.setModel(&r.modelo);
        aplicaLarguras(r.modelo, &visao);
        QCOMPARE(visao.columnWidth(0), 70);
        QCOMPARE(visao.columnWidth(1), 25);
    }

    void valorDigitado_data()
    {
        QTest::addColumn<QString>("digitado");
        QTest::addColumn<bool>("aceito");
        QTest::addColumn<QVariant>("guardado");
        QTest::newRow("zero") << "0" << true << QVariant(0);
        QTest::newRow("dois") << "2" << true << QVariant(2);
        QTest::newRow("noventa e nove") << "99" << true << QVariant(99);
        QTest::newRow("com espaços") << " 7 " << true << QVariant(7);
        QTest::newRow("letras") << "abc" << false << QVariant();
        QTest::newRow("negativo") << "-1" << false << QVariant();
        QTest::newRow("cem") << "100" << false << QVariant();
        QTest::newRow("decimal") << "2.5" << false << QVariant();
        QTest::newRow("misto") << "3a" << false << QVariant();
    }

    // Only a whole number 0..99 is taken; anything else is refused with a message
    // and leaves both the row and the table as they were.
    void valorDigitado()
    {
        QFETCH(QString, digitado);
        QFETCH(bool, aceito);
        QFETCH(QVariant, guardado);
        ArvoreTeste arvore;
        MensagensCapturadas msgs;
        Rodada r;
        Estatisticas::ligaRegras(r.jogos);
        const int cod = r.cod(0);
        QCOMPARE(r.modelo.setData(r.modelo.index(0, 1), digitado), aceito);
        QCOMPARE(r.modelo.setData(r.modelo.index(0, 2), QStringLiteral("1")), true);
        QVERIFY(r.modelo.grava());
        if (aceito) {
            QVERIFY(msgs.lista.isEmpty());
            QCOMPARE(gravado(arvore, cod, QStringLiteral("Gols_Time1")).toInt(), guardado.toInt());
            QCOMPARE(gravado(arvore, cod, QStringLiteral("Situacao")).toString(), QStringLiteral("C"));
        } else {
            QCOMPARE(msgs.lista.size(), 1);
            QVERIFY2(msgs.lista[0].contains(QStringLiteral("de 0 a 99")), qPrintable(msgs.lista[0]));
            // Only one score reached the row: the rule keeps it unplayed and stores no score.
            QVERIFY(gravado(arvore, cod, QStringLiteral("Gols_Time1")).isNull());
            QVERIFY(gravado(arvore, cod, QStringLiteral("Gols_Time2")).isNull());
            QCOMPARE(gravado(arvore, cod, QStringLiteral("Situacao")).toString(), QStringLiteral("P"));
        }
    }

    // The edit stays pending while the cursor is on the row; moving the view's
    // current row saves it, with the save rules.
    void edicaoGravadaAoMudarDeLinha()
    {
        ArvoreTeste arvore;
        Rodada r;
        Estatisticas::ligaRegras(r.jogos);
        QTableView visao;
        visao.setModel(&r.modelo);
        r.modelo.acompanha(visao.selectionModel());
        visao.setCurrentIndex(r.modelo.index(0, 1));
        const int cod = r.cod(0);
        QVERIFY(r.modelo.setData(r.modelo.index(0, 1), QStringLiteral("2")));
        QVERIFY(r.modelo.setData(r.modelo.index(0, 2), QStringLiteral("1")));
        QCOMPARE(r.modelo.index(0, 1).data().toString(), QStringLiteral("2"));
        QVERIFY(gravado(arvore, cod, QStringLiteral("Gols_Time1")).isNull()); // not yet stored

        visao.setCurrentIndex(r.modelo.index(3, 1));
        QCOMPARE(gravado(arvore, cod, QStringLiteral("Gols_Time1")).toInt(), 2);
        QCOMPARE(gravado(arvore, cod, QStringLiteral("Situacao")).toString(), QStringLiteral("C"));
        QCOMPARE(r.jogos.recNo(), 4);
        QVERIFY(!r.jogos.editing());
        QCOMPARE(visao.currentIndex().row(), 3);
        const int time1 = r.jogos.valueAt(0, QStringLiteral("Time1")).toInt();
        QCOMPARE(arvore.valor(QStringLiteral("select Pontos from Times1 where Cod_Time = %1").arg(time1)).toInt(), 3);
    }

    // Setting a value into another row first saves the pending row.
    void valorEmOutraLinhaGravaAPendente()
    {
        ArvoreTeste arvore;
        Rodada r;
        Estatisticas::ligaRegras(r.jogos);
        QVERIFY(r.modelo.setData(r.modelo.index(0, 1), QStringLiteral("0")));
        QVERIFY(r.modelo.setData(r.modelo.index(0, 2), QStringLiteral("0")));
        QVERIFY(r.modelo.setData(r.modelo.index(2, 1), QStringLiteral("4")));
        QCOMPARE(gravado(arvore, r.cod(0), QStringLiteral("Situacao")).toString(), QStringLiteral("C"));
        QCOMPARE(r.jogos.recNo(), 3);
        QVERIFY(r.jogos.editing());
        r.modelo.descarta();
        QVERIFY(!r.jogos.editing());
        QCOMPARE(r.modelo.index(2, 1).data().toString(), QString());
        QVERIFY(gravado(arvore, r.cod(2), QStringLiteral("Gols_Time1")).isNull());
    }

    // A commit of the value already there does not put the row in edit.
    void valorIgualNaoEdita()
    {
        ArvoreTeste arvore;
        Rodada r;
        QVERIFY(r.modelo.setData(r.modelo.index(1, 1), QString()));
        QVERIFY(!r.jogos.editing());
        QCOMPARE(r.jogos.recNo(), 2);
    }

    // When the table refuses the save, the error is reported, nothing stored
    // changes, the typed values are dropped and the cursor still moves on.
    void falhaAoGravar()
    {
        ArvoreTeste arvore;
        MensagensCapturadas msgs;
        Rodada r;
        r.jogos.beforePost = [](Dataset&) { throw ErroPrograma(QStringLiteral("O banco de dados está bloqueado.")); };
        QTableView visao;
        visao.setModel(&r.modelo);
        r.modelo.acompanha(visao.selectionModel());
        visao.setCurrentIndex(r.modelo.index(0, 1));
        const int cod = r.cod(0);
        QVERIFY(r.modelo.setData(r.modelo.index(0, 1), QStringLiteral("5")));
        visao.setCurrentIndex(r.modelo.index(1, 1));
        QCOMPARE(msgs.lista, QStringList{QStringLiteral("O banco de dados está bloqueado.")});
        QVERIFY(gravado(arvore, cod, QStringLiteral("Gols_Time1")).isNull());
        QVERIFY(!r.jogos.editing());
        QCOMPARE(r.jogos.recNo(), 2);
        QCOMPARE(r.modelo.index(0, 1).data().toString(), QString());
    }

    void inclusaoRecusada()
    {
        ArvoreTeste arvore;
        Rodada r;
        const int antes = r.modelo.rowCount();
        const int noBanco = arvore.valor(QStringLiteral("select count(*) from Jogos")).toInt();
        QVERIFY(!r.modelo.insertRows(antes, 1));
        QVERIFY(!r.modelo.insertRows(0, 1));
        QCOMPARE(r.modelo.rowCount(), antes);
        QCOMPARE(arvore.valor(QStringLiteral("select count(*) from Jogos")).toInt(), noBanco);
    }

    // The program moving the cursor moves the view's current row, in the same column.
    void cursorMovidoPeloProgramaMoveAVisao()
    {
        ArvoreTeste arvore;
        Rodada r;
        QTableView visao;
        visao.setModel(&r.modelo);
        r.modelo.acompanha(visao.selectionModel());
        visao.setCurrentIndex(r.modelo.index(0, 2));
        r.jogos.setRecNo(5);
        QCOMPARE(visao.currentIndex().row(), 4);
        QCOMPARE(visao.currentIndex().column(), 2);
        // Reopened with fewer rows: the model follows.
        r.jogos.close();
        QCOMPARE(r.modelo.rowCount(), 0);
        r.jogos.open();
        QCOMPARE(r.modelo.rowCount(), r.jogos.recordCount());
    }
};

QTEST_MAIN(TstModelo)
#include "tst_modelo.moc"
