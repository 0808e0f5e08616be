// The standings screen over small fixtures set directly in `Times1`: each
// page's tie-breaks, positions never shared, first-division clubs only.
#include "ArvoreTeste.h"
#include "core/data/Estatisticas.h"
#include "ui/screens/pClassificacao.h"
#include "ui/shell/Botoes.h"
#include "ui/shell/Menu.h"

#include <QLabel>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTableView>
#include <QTextEdit>
#include <QtTest>

using Figuras = QMap<QString, int>;
Q_DECLARE_METATYPE(Figuras)

class TstClassificacao : public QObject {
    Q_OBJECT

    struct Cena {
        ArvoreTeste arvore;
        TfmMenu menu;
        MensagensCapturadas erros;
        TfClassificacao* tela = nullptr;
        Cena()
        {
            fmMenu = &menu;
            // Every club without figures; sort names after the clubs the tests set.
            exec(QStringLiteral("update Times1 set Pontos = 0, Jogos = 0, Vitorias = 0, Empates = 0, Derrotas = 0, "
                                "GolsPro = 0, GolsContra = 0, SaldoGols = 0, Aproveitamento = 0, Projecao = 0, "
                                "Proj_V = 0, Proj_E = 0, Proj_D = 0, Nome = 'zz' || Time"));
        }
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
        void define(int codigo, const Figuras& f)
        {
            QStringList sets;
            for (auto it = f.begin(); it != f.end(); ++it)
                sets << QStringLiteral("%1 = %2").arg(it.key()).arg(it.value());
            exec(QStringLiteral("update Times1 set %1 where Cod_Time = %2").arg(sets.join(QStringLiteral(", "))).arg(codigo));
        }
        QString nome(int codigo) { return arvore.valor(QStringLiteral("select Time from Times1 where Cod_Time = %1").arg(codigo)).toString(); }
        void abre()
        {
            tela = new TfClassificacao;
            fClassificacao = tela;
            tela->show();
            QVERIFY(QTest::qWaitForWindowActive(tela));
        }
        QTableView* grade(int pagina) const
        {
            return pagina == 0 ? tela->wwDBGrid1 : pagina == 1 ? tela->wwDBGrid2 : tela->wwDBGrid3;
        }
        QString celula(int pagina, int linha, int coluna) const
        {
            return grade(pagina)->model()->index(linha, coluna).data().toString();
        }
        QStringList nomes(int pagina) const
        {
            QStringList r;
            for (int i = 0; i < grade(pagina)->model()->rowCount(); ++i)
                r << celula(pagina, i, 2);
            return r;
        }
        void mostra(int pagina)
        {
            BotaoAzul* b[3] = {tela->btClassificacao, tela->btProjecao, tela->btAproveitamento};
            QTest::mouseClick(b[pagina], Qt::LeftButton);
        }
    };

private slots:
    void telaECabecalhos()
    {
        Cena c;
        c.abre();
        QCOMPARE(c.tela->caption(), QStringLiteral(" CLASSIFICAÇÃO"));
        QCOMPARE(c.tela->btClassificacao->text(), QStringLiteral("Classificação"));
        QCOMPARE(c.tela->btProjecao->text(), QStringLiteral("Projeção"));
        QCOMPARE(c.tela->btAproveitamento->text(), QStringLiteral("Aproveitamento"));
        const QStringList titulos[3] = {
            {"#", " ", "Time", "P", "J", "V", "E", "D", "GP", "GC", "SG", "AP"},
            {"#", " ", "Time", "P", "J", "V", "E", "D", "AP", "P", "J", "V"},
            {"#", " ", "Time", "AP", "P", "J", "V", "E", "D", "GP", "GC", "SG"}};
        for (int p = 0; p < 3; ++p) {
            QStringList t;
            for (int col = 0; col < c.grade(p)->model()->columnCount(); ++col)
                t << c.grade(p)->model()->headerData(col, Qt::Horizontal).toString();
            QCOMPARE(t, titulos[p]);
        }
        QStringList textos;
        for (QLabel* l : c.tela->findChildren<QLabel*>())
            textos << l->text();
        for (const char* t : {"LEGENDA", "REGULAMENTO", "P", "- Pontos", "- Vitórias", "- Gols Pró", "- Gols Contra",
                              "- Saldo de Gols", "- Aproveitamento"})
            QVERIFY2(textos.contains(QString::fromUtf8(t)), t);
        QVERIFY(c.tela->meRegulamento->isReadOnly());
        QVERIFY(c.tela->meRegulamento->toPlainText().contains(QStringLiteral("vinte e oito")));
        // The club icon column shows the menu's icon of the row's club.
        QVERIFY(!c.grade(0)->model()->index(0, 1).data(Qt::DecorationRole).value<QPixmap>().isNull());
        QVERIFY(c.celula(0, 0, 1).isEmpty());
    }

    // Each button shows its page with a yellow caption, the others white.
    void botoesEPaginas()
    {
        Cena c;
        c.abre();
        BotaoAzul* b[3] = {c.tela->btClassificacao, c.tela->btProjecao, c.tela->btAproveitamento};
        for (int p : {1, 2, 0, 2}) {
            c.mostra(p);
            QCOMPARE(c.tela->nbClassificacao->currentIndex(), p);
            QCOMPARE(c.tela->nbClassificacao->currentWidget()->objectName(),
                     QStringList({"Classificacao", "Projecao", "Aproveitamento"})[p]);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(b[i]->corTexto(), i == p ? QColor(Qt::yellow) : QColor(Qt::white));
            QCOMPARE(c.grade(p)->model()->rowCount(), 28);
        }
    }

    void desempate_data()
    {
        QTest::addColumn<Figuras>("a");
        QTest::addColumn<Figuras>("b");
        QTest::addColumn<bool>("aPrimeiro");
        const Figuras base{{"Pontos", 10}, {"Vitorias", 3}, {"SaldoGols", 2}, {"GolsPro", 5}};
        auto com = [&](const QString& k, int v) { Figuras f = base; f[k] = v; return f; };
        QTest::newRow("mais pontos") << com("Pontos", 11) << com("Vitorias", 4) << true;
        QTest::newRow("pontos iguais: vitórias") << base << Figuras{{"Pontos", 10}, {"Vitorias", 2}, {"SaldoGols", 9}, {"GolsPro", 9}} << true;
        QTest::newRow("vitórias iguais: saldo") << base << com("SaldoGols", 4) << false;
        QTest::newRow("saldo igual: gols pró") << com("GolsPro", 4) << base << false;
        QTest::newRow("tudo igual: nome") << base << base << false;
    }

    // Level points fall to wins, then goal difference, then goals, then `Nome`;
    // positions are consecutive, never shared.
    void desempate()
    {
        QFETCH(Figuras, a);
        QFETCH(Figuras, b);
        QFETCH(bool, aPrimeiro);
        Cena c;
        c.define(3, a);
        c.define(9, b);
        c.exec(QStringLiteral("update Times1 set Nome = 'Bravo' where Cod_Time = 3"));
        c.exec(QStringLiteral("update Times1 set Nome = 'Alfa' where Cod_Time = 9"));
        c.abre();
        const QStringList esperado = aPrimeiro ? QStringList{c.nome(3), c.nome(9)} : QStringList{c.nome(9), c.nome(3)};
        QCOMPARE(c.nomes(0).mid(0, 2), esperado);
        QCOMPARE(c.celula(0, 0, 0), QStringLiteral("1"));
        QCOMPARE(c.celula(0, 1, 0), QStringLiteral("2"));
        QCOMPARE(c.celula(0, 27, 0), QStringLiteral("28"));
    }

    // More projected points stand higher despite fewer points; equal projections fall to `Proj_V`.
    void ordemProjetada()
    {
        Cena c;
        c.define(3, {{"Pontos", 6}, {"Vitorias", 2}, {"Projecao", 9}, {"Proj_V", 3}, {"Proj_E", 0}, {"Proj_D", 1}});
        c.define(9, {{"Pontos", 9}, {"Vitorias", 3}, {"Projecao", 9}, {"Proj_V", 2}, {"Proj_E", 3}, {"Proj_D", 0}});
        c.define(12, {{"Pontos", 3}, {"Vitorias", 1}, {"Projecao", 10}, {"Proj_V", 3}, {"Proj_E", 1}, {"Proj_D", 0}});
        c.abre();
        QCOMPARE(c.nomes(0).mid(0, 3), (QStringList{c.nome(9), c.nome(3), c.nome(12)}));
        c.mostra(1);
        QCOMPARE(c.nomes(1).mid(0, 3), (QStringList{c.nome(12), c.nome(3), c.nome(9)}));
        // "P" is `Projecao`, "J" is `Proj_J` = V + E + D.
        QCOMPARE(c.celula(1, 0, 3), QStringLiteral("10"));
        QCOMPARE(c.celula(1, 0, 4), QStringLiteral("4"));
        QCOMPARE(c.celula(1, 1, 4), QStringLiteral("4"));
        QCOMPARE(c.celula(1, 2, 4), QStringLiteral("5"));
        QCOMPARE(c.celula(1, 2, 9), QStringLiteral("9")); // plain points beside the projection
        QCOMPARE(c.celula(1, 0, 0), QStringLiteral("1"));
    }

    // A club without a concluded match stores efficiency 0 and is placed by the further keys.
    void aproveitamentoSemJogos()
    {
        Cena c;
        c.define(3, {{"Pontos", 3}, {"Jogos", 2}, {"Vitorias", 1}, {"Aproveitamento", 50}});
        c.define(9, {{"Pontos", 6}, {"Jogos", 3}, {"Vitorias", 2}, {"Aproveitamento", 67}});
        c.define(12, {{"Pontos", 99}, {"Jogos", 0}, {"Aproveitamento", 80}});
        Estatisticas::recalculaTime(12); // no counted match: everything back to 0
        c.define(12, {{"Pontos", 0}});
        c.abre();
        c.mostra(2);
        QCOMPARE(c.nomes(2).mid(0, 2), (QStringList{c.nome(9), c.nome(3)}));
        const int pos = c.nomes(2).indexOf(c.nome(12));
        QVERIFY(pos >= 2);
        QCOMPARE(c.celula(2, pos, 3), QStringLiteral("0"));
        QCOMPARE(c.celula(2, 0, 3), QStringLiteral("67"));
    }

    // Clubs whose `Divisao` is not "1" are listed on no page.
    void soPrimeiraDivisao()
    {
        Cena c;
        c.exec(QStringLiteral("update Times1 set Divisao = '2' where Cod_Time = 5"));
        c.exec(QStringLiteral("update Times1 set Pontos = 90 where Divisao <> '1' or Divisao is null"));
        const QStringList fora = [&] {
            QSqlQuery q(c.arvore.banco());
            q.exec(QStringLiteral("select Time from Times1 where Divisao <> '1' or Divisao is null"));
            QStringList r;
            while (q.next())
                r << q.value(0).toString();
            return r;
        }();
        QVERIFY(fora.contains(c.nome(5)));
        c.abre();
        for (int p = 0; p < 3; ++p) {
            c.mostra(p);
            QCOMPARE(c.grade(p)->model()->rowCount(), 27);
            for (const QString& n : fora)
                QVERIFY2(!c.nomes(p).contains(n), qPrintable(n));
        }
    }

    // Coming back to the screen always shows the standings page, read again.
    void ativacaoVoltaAClassificacao()
    {
        Cena c;
        c.abre();
        c.mostra(1);
        QWidget outra;
        outra.show();
        outra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&outra));
        c.define(7, {{"Pontos", 30}});
        c.tela->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(c.tela));
        QTRY_COMPARE(c.tela->nbClassificacao->currentIndex(), 0);
        QVERIFY(c.tela->btClassificacao->selecionado());
        QVERIFY(!c.tela->btProjecao->selecionado());
        QCOMPARE(c.celula(0, 0, 2), c.nome(7));
        QVERIFY(c.erros.lista.isEmpty());
    }
};

QTEST_MAIN(TstClassificacao)
#include "tst_classificacao.moc"
