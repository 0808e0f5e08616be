// The three reports as a reader sees them, started from the screens' report
// buttons (matches, standings) or over the team screen's datasets (team
// report), on a fresh default install tree.
#include "ArvoreTeste.h"
#include "TimeRelatorioUi.h"
#include "core/data/Dataset.h"
#include "core/data/Estatisticas.h"
#include "ui/screens/pClassificacao.h"
#include "ui/screens/pJogos.h"
#include "ui/shell/Botoes.h"
#include "ui/shell/Menu.h"
#include "ui/reports/pPreview.h"
#include "ui/reports/pRelatorios.h"

#include <QApplication>
#include <QFile>
#include <QSqlQuery>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

namespace {

const QColor kAmarelo(255, 255, 190);

// A point of the printable area (report pixels) on the page picture at 100 %.
QPoint naFolha(double x, double y)
{
    const double m = PaginasRelatorio::margem();
    return QPointF(x + m, y + m).toPoint();
}

// The operations of one band on a page, in drawing order.
QList<OperacaoRelatorio> daBanda(const PaginasRelatorio& p, int pagina, const QString& banda)
{
    QList<OperacaoRelatorio> r;
    for (const auto& op : p.paginas[pagina])
        if (op.banda == banda)
            r << op;
    return r;
}

// The first text printed at x, y (its field's corner within the band) in a run of operations.
QString em(const QList<OperacaoRelatorio>& ops, int x, int y = -1)
{
    for (const auto& op : ops)
        if (op.area.left() == x && (y < 0 || op.area.top() - op.topoBanda == y) && op.tipo == ElementoRelatorio::Tipo::Texto)
            return op.texto;
    return QStringLiteral("<nada>");
}

// Saves a result or a pick with the match rules, as the screens do.
void grava(int codJogo, const QVariant& g1, const QVariant& g2, const QString& palpite = QString())
{
    Dataset jogos;
    jogos.setTableName(QStringLiteral("Jogos.DB"));
    jogos.setIndexName(QStringLiteral("JogoIdx"));
    Estatisticas::ligaRegras(jogos);
    jogos.open();
    QVERIFY(jogos.findKey({codJogo}));
    jogos.edit();
    if (!palpite.isEmpty()) {
        jogos.setValue(QStringLiteral("Proj_Time1"), palpite);
        jogos.setValue(QStringLiteral("Proj_Time2"), palpite == QLatin1String("V") ? QStringLiteral("D")
                                                      : palpite == QLatin1String("D") ? QStringLiteral("V") : palpite);
        jogos.setValue(QStringLiteral("Situacao"), QStringLiteral("J"));
    } else {
        jogos.setValue(QStringLiteral("Gols_Time1"), g1);
        jogos.setValue(QStringLiteral("Gols_Time2"), g2);
    }
    jogos.post();
}

QList<TfPreview*> previews()
{
    QList<TfPreview*> r;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<TfPreview*>(w); p && p->isVisible())
            r << p;
    return r;
}

} // namespace

class TstRelatorios : public QObject {
    Q_OBJECT

    struct Cena {
        ArvoreTeste arvore;
        TfmMenu menu;
        TfReport report;
        MensagensCapturadas erros;
        Cena() { fmMenu = &menu; }
        ~Cena()
        {
            // Screens, and the previews they opened, go with the tree, also after a failure.
            delete fJogos;
            delete fClassificacao;
            qDeleteAll(previews());
            fmMenu = nullptr;
        }
        QStringList coluna(const QString& sql)
        {
            QStringList r;
            QSqlQuery q(arvore.banco());
            if (!q.exec(sql))
                return {QStringLiteral("<erro>")};
            while (q.next())
                r << q.value(0).toString();
            return r;
        }
    };

    template <class Tela>
    static Tela* abre(Tela*& referencia)
    {
        auto* t = new Tela;
        referencia = t;
        t->show();
        if (!QTest::qWaitForWindowActive(t))
            qWarning("a tela não ficou ativa");
        return t;
    }

private slots:

    void classificacaoUmaPaginaCoresAlternadas()
    {
        Cena c;
        // A few results, so that the order is not the shipped one.
        grava(1, 3, 0);
        grava(2, 1, 1);
        TfClassificacao* tela = abre(fClassificacao);
        QTest::mouseClick(tela->btRelatorio, Qt::LeftButton);
        QCOMPARE(previews().size(), 1);
        TfPreview* p = previews().first();
        QCOMPARE(p->totalPaginas(), 1);
        const PaginasRelatorio& pag = p->paginas();
        const QStringList nomes = c.coluna(QString::fromUtf8(TfClassificacao::kSqlClassificacao).replace(
            QStringLiteral("Select *"), QStringLiteral("Select Time")));
        QCOMPARE(nomes.size(), 28);
        const auto linhas = daBanda(pag, 0, QStringLiteral("QRBand5"));
        QStringList impressos, posicoes;
        for (const auto& op : linhas) {
            if (op.area.left() == 166)
                impressos << op.texto;
            if (op.area.left() == 93)
                posicoes << op.texto;
        }
        QCOMPARE(impressos, nomes);
        QCOMPARE(posicoes.first(), QStringLiteral("1"));
        QCOMPARE(posicoes.last(), QStringLiteral("28"));
        // Odd positions on white, even ones on light yellow, behind the whole row.
        const QImage folha = pag.imagem(0);
        for (int i = 0; i < 28; ++i) {
            const QColor esperado = (i + 1) % 2 ? QColor(Qt::white) : kAmarelo;
            QCOMPARE(folha.pixelColor(naFolha(627, 135 + 20 * i + 10)), esperado);
            QCOMPARE(folha.pixelColor(naFolha(86, 135 + 20 * i + 2)), esperado);
        }
        // The footer's texts and line, on the one page.
        const QStringList textos = pag.textos(0);
        QVERIFY(textos.contains(QStringLiteral(" REGULAMENTO")));
        QVERIFY(textos.contains(QStringLiteral(" LEGENDA")));
        QVERIFY(textos.contains(QStringLiteral("Golazzo 2001")));
        QVERIFY(textos.join(QLatin1Char('\n')).contains(QStringLiteral("- Sorteio")));
        QCOMPARE(c.erros.lista, QStringList());
    }

    void classificacaoAbertaEmOutraPagina()
    {
        // The projection page closes the standings selection; the report runs it again.
        Cena c;
        TfClassificacao* tela = abre(fClassificacao);
        QTest::mouseClick(tela->btProjecao, Qt::LeftButton);
        QVERIFY(!tela->Query1->isOpen());
        QTest::mouseClick(tela->btRelatorio, Qt::LeftButton);
        QCOMPARE(previews().size(), 1);
        QCOMPARE(daBanda(previews().first()->paginas(), 0, QStringLiteral("QRBand5")).size() / 13, 28);
    }

    void tabelaCompleta()
    {
        Cena c;
        grava(1, 2, 1);
        TfJogos* tela = abre(fJogos);
        QCOMPARE(tela->ultimaVisao(), 30);
        QTest::mouseClick(tela->btRelatorio, Qt::LeftButton);
        QCOMPARE(previews().size(), 1);
        const PaginasRelatorio& pag = previews().first()->paginas();
        QVERIFY(pag.count() > 1);

        QStringList faixas;
        QString faixa;
        int linhas = 0;
        for (int i = 0; i < pag.count(); ++i) {
            // Header banner and footer on every page.
            const QImage folha = pag.imagem(i);
            QVERIFY(folha.pixelColor(naFolha(359, 44)) != QColor(Qt::white));
            const auto rodape = daBanda(pag, i, QStringLiteral("QRBand9"));
            QCOMPARE(em(rodape, 0), QStringLiteral("Golazzo 2001"));
            QVERIFY(em(rodape, 418).contains(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d"))));
            QCOMPARE(folha.pixelColor(naFolha(300, 1046 - 32 + 2)), QColor(Qt::black));
            for (const auto& op : pag.paginas[i]) {
                if (op.banda == QLatin1String("QRGroup1")) {
                    faixa = op.texto;
                    faixas << faixa;
                    // A bold date on a silver strip.
                    QVERIFY(op.fonte.bold());
                    QCOMPARE(op.fundo, QColor(192, 192, 192));
                } else if (op.banda == QLatin1String("QRBand8") && op.area.left() == 145) {
                    ++linhas;
                    QCOMPARE(op.texto, faixa); // a match under the strip of its own date
                }
            }
        }
        const QStringList dias = c.coluna(QStringLiteral("select distinct Dia from Jogos where Apostador = 'W' order by Dia"));
        QStringList esperadas;
        for (const QString& d : dias)
            esperadas << QDate::fromString(d, Qt::ISODate).toString(QStringLiteral("dd/MM/yyyy"));
        QCOMPARE(faixas, esperadas);
        QCOMPARE(linhas, c.coluna(QStringLiteral("select count(*) from Jogos where Apostador = 'W'")).first().toInt());
        QCOMPARE(linhas, tela->Table1->recordCount());

        // The typed result is printed; the grid stands on its last row.
        const auto primeira = daBanda(pag, 0, QStringLiteral("QRBand8"));
        QCOMPARE(em(primeira, 326), QStringLiteral("2"));
        QCOMPARE(em(primeira, 368), QStringLiteral("1"));
        QCOMPARE(tela->dbJogos->currentIndex().row(), tela->dbJogos->model()->rowCount() - 1);
        QCOMPARE(tela->Table1->recNo(), tela->Table1->recordCount());
    }

    void jogoPendente()
    {
        Cena c;
        // The first match of round 1, pending with a pick for the home side.
        const int cod = c.coluna(QStringLiteral("select Cod_Jogo from Jogos where Apostador = 'W' and Rodada = 1 "
                                                "order by Dia, Time1, Time2 limit 1")).first().toInt();
        grava(cod, {}, {}, QStringLiteral("V"));
        TfJogos* tela = abre(fJogos);
        QTest::mouseClick(tela->botaoVisao(1), Qt::LeftButton);
        QTest::mouseClick(tela->btRelatorio, Qt::LeftButton);
        QCOMPARE(previews().size(), 1);
        const PaginasRelatorio& pag = previews().first()->paginas();
        QCOMPARE(pag.count(), 1);
        const auto linhas = daBanda(pag, 0, QStringLiteral("QRBand8"));
        QCOMPARE(linhas.size() / 10, 14); // ten columns, badges included, per match
        // The first line is the picked match.
        const int topo = linhas.first().topoBanda;
        QCOMPARE(em(linhas, 215), QStringLiteral("V"));
        QCOMPARE(em(linhas, 484), QStringLiteral("D"));
        QCOMPARE(em(linhas, 326), QString());
        QCOMPARE(em(linhas, 368), QString());
        QCOMPARE(em(linhas, 348), QStringLiteral("X"));
        // The lines under the empty goal fields are printed; between them none.
        const QImage folha = pag.imagem(0);
        QCOMPARE(folha.pixelColor(naFolha(336, topo + 14.5)), QColor(Qt::black));
        QCOMPARE(folha.pixelColor(naFolha(378, topo + 14.5)), QColor(Qt::black));
        QCOMPARE(folha.pixelColor(naFolha(336, topo + 7)), QColor(Qt::white));
        QCOMPARE(folha.pixelColor(naFolha(356, topo + 14.5)), QColor(Qt::white));
        // The badges of both clubs are drawn.
        QVERIFY(folha.pixelColor(naFolha(236, topo + 7)) != QColor(Qt::white));
        QVERIFY(folha.pixelColor(naFolha(477, topo + 7)) != QColor(Qt::white));
    }

    void relatorioDoTime()
    {
        Cena c;
        // América-MG (1) wins its first match 3 x 0: the footer shows it at once.
        const int cod = c.coluna(QStringLiteral("select Cod_Jogo from Jogos where Apostador = 'W' and (Time1 = 1 or Time2 = 1) "
                                                "order by Dia limit 1")).first().toInt();
        const bool emCasa = c.coluna(QStringLiteral("select Time1 from Jogos where Cod_Jogo = %1").arg(cod)).first() == QLatin1String("1");
        grava(cod, emCasa ? 3 : 0, emCasa ? 0 : 3);
        TimeRelatorio time(1);
        time.Query1.first();
        const PaginasRelatorio pag = TfReport::preparaTime(dadosDoTime(time));
        QCOMPARE(pag.count(), 1);
        QCOMPARE(time.Query1.recNo(), time.Query1.recordCount());

        const auto cab = daBanda(pag, 0, QStringLiteral("QRBand1"));
        QCOMPARE(em(cab, 0, 88), QStringLiteral("Fundado em"));
        QCOMPARE(em(cab, 82, 88), c.coluna(QStringLiteral("select Fundacao from Times1 where Cod_Time = 1")).first());
        QCOMPARE(em(cab, 0, 107), QStringLiteral("INFORMAÇÕES"));
        QCOMPARE(em(cab, 345, 107), QStringLiteral("TÍTULOS"));
        QCOMPARE(em(cab, 0, 257), QStringLiteral("TABELA DE JOGOS"));
        QCOMPARE(em(cab, 0, 182), QStringLiteral("Estádio:"));
        QCOMPARE(em(cab, 88, 182), c.coluna(QStringLiteral("select Estadio from Times1 where Cod_Time = 1")).first());
        QCOMPARE(em(cab, 0, 224), QStringLiteral("Patrocinio:"));
        QCOMPARE(em(cab, 88, 224), c.coluna(QStringLiteral("select Patrocinio from Times1 where Cod_Time = 1")).first());
        // Both banners drawn.
        const QImage folha = pag.imagem(0);
        QVERIFY(folha.pixelColor(naFolha(40, 40)) != QColor(Qt::white));
        QVERIFY(folha.pixelColor(naFolha(700, 60)) != QColor(Qt::white));

        // One line per match of the club, in the list's order.
        const auto linhas = daBanda(pag, 0, QStringLiteral("QRBand2"));
        QCOMPARE(linhas.size() / 10, time.Query1.recordCount());

        const auto rod = daBanda(pag, 0, QStringLiteral("QRBand3"));
        const QStringList ordem = c.coluna(QString::fromLatin1(TimeRelatorio::kSqlClassificacao).replace(
            QStringLiteral("Select *"), QStringLiteral("Select Cod_Time")));
        QCOMPARE(em(rod, 65, 42), QString::number(ordem.indexOf(QStringLiteral("1")) + 1));
        QCOMPARE(em(rod, 116, 42), QStringLiteral("3")); // points
        QCOMPARE(em(rod, 146, 42), QStringLiteral("1")); // matches
        QCOMPARE(em(rod, 176, 42), QStringLiteral("1")); // wins
        QCOMPARE(em(rod, 270, 42), QStringLiteral("3")); // goals for
        QCOMPARE(em(rod, 330, 42), QStringLiteral("3")); // difference
        QCOMPARE(em(rod, 362, 42), QStringLiteral("100"));
        QCOMPARE(em(rod, 542, 42), QStringLiteral("3"));  // projected points
        QCOMPARE(em(rod, 572, 42), QStringLiteral("1"));  // projected matches
        QCOMPARE(em(rod, 0, 76), QStringLiteral("Golazzo 2001"));
        QCOMPARE(em(rod, 0, 5), QStringLiteral("CLASSIFICAÇÃO"));
        QCOMPARE(em(rod, 444, 5), QStringLiteral("PROJEÇÃO"));
        QCOMPARE(c.erros.lista, QStringList());
    }

    void tituloDoTimeNoMemo()
    {
        Cena c;
        QSqlQuery q(c.arvore.banco());
        QVERIFY(q.exec(QStringLiteral("update Times1 set Titulos = 'Campeão 1971' || char(10) || 'Campeão 1987' where Cod_Time = 5")));
        TimeRelatorio time(5);
        const PaginasRelatorio pag = TfReport::preparaTime(dadosDoTime(time));
        bool achou = false;
        for (const auto& op : daBanda(pag, 0, QStringLiteral("QRBand1")))
            if (op.nome == QLatin1String("QRMemo1")) {
                QCOMPARE(op.texto, QStringLiteral("Campeão 1971\nCampeão 1987"));
                achou = true;
            }
        QVERIFY(achou);
    }

    void figuraQueFaltaReportadaUmaVez()
    {
        Cena c;
        const QString escudo = c.arvore.caminhos().miniR(1);
        QVERIFY(QFile::remove(escudo));
        TfJogos* tela = abre(fJogos);
        QTest::mouseClick(tela->btRelatorio, Qt::LeftButton);
        // Club 1 plays 27 matches: one message, naming the file; the report is complete.
        QCOMPARE(c.erros.lista.size(), 1);
        QVERIFY2(c.erros.lista.first().contains(escudo), qPrintable(c.erros.lista.first()));
        QCOMPARE(previews().size(), 1);
        int linhas = 0;
        const PaginasRelatorio& pag = previews().first()->paginas();
        for (int i = 0; i < pag.count(); ++i)
            linhas += daBanda(pag, i, QStringLiteral("QRBand8")).size() / 10;
        QCOMPARE(linhas, tela->Table1->recordCount());
    }

    void variasFigurasQueFaltam()
    {
        Cena c;
        QVERIFY(QFile::remove(c.arvore.caminhos().relatorio()));
        QVERIFY(QFile::remove(c.arvore.caminhos().miniR(2)));
        TfClassificacao* tela = abre(fClassificacao);
        QTest::mouseClick(tela->btRelatorio, Qt::LeftButton);
        QCOMPARE(c.erros.lista.size(), 1);
        QVERIFY(c.erros.lista.first().contains(c.arvore.caminhos().relatorio()));
        QVERIFY(c.erros.lista.first().contains(c.arvore.caminhos().miniR(2)));
        QCOMPARE(previews().size(), 1);
        QCOMPARE(previews().first()->totalPaginas(), 1);
    }

    void duasVezesDoisPreviews()
    {
        Cena c;
        TfJogos* tela = abre(fJogos);
        QTest::mouseClick(tela->btRelatorio, Qt::LeftButton);
        QCOMPARE(previews().size(), 1);
        TfPreview* primeiro = previews().first();
        QVERIFY(!primeiro->isModal());
        QCOMPARE(primeiro->caption(), QStringLiteral(" RELATÓRIO"));
        const int paginasCompleta = primeiro->totalPaginas();

        // The screen beneath stays usable: another view, another report.
        QTest::mouseClick(tela->botaoVisao(1), Qt::LeftButton);
        QCOMPARE(tela->Table1->recordCount(), 14);
        QTest::mouseClick(tela->btRelatorio, Qt::LeftButton);
        QCOMPARE(previews().size(), 2);
        TfPreview* segundo = previews().first() == primeiro ? previews().last() : previews().first();
        QCOMPARE(segundo->totalPaginas(), 1);
        QCOMPARE(primeiro->totalPaginas(), paginasCompleta);

        // Closing one leaves the other.
        QPointer<TfPreview> guarda(primeiro);
        primeiro->close();
        QTRY_VERIFY(!guarda);
        QCOMPARE(previews().size(), 1);
        QCOMPARE(previews().first(), segundo);
        delete tela;
        QCOMPARE(previews().size(), 0); // freed with the screen that opened them
    }
};

QTEST_MAIN(TstRelatorios)
#include "tst_relatorios.moc"
