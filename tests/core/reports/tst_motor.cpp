// The banded report engine over a small table of numbered rows: page breaks,
// header and footer on every page, group headers, before-print handlers on
// the row being printed, the cursor left on the last row, PDF output.
#include "BancoTeste.h"
#include "core/reports/Relatorio.h"
#include "core/data/Dataset.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Rows n = 1..total; the group value g changes every porGrupo rows.
std::function<void(QSqlDatabase)> linhas(int total, int porGrupo)
{
    return [=](QSqlDatabase db) {
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("create table Linhas (n integer, g integer)")));
        for (int n = 1; n <= total; ++n)
            QVERIFY(q.exec(QStringLiteral("insert into Linhas values (%1, %2)").arg(n).arg((n - 1) / porGrupo)));
    };
}

// Header 100, group 20, detail 30, footer 50: 1046 - 150 = 896 px for rows.
struct Cena {
    BancoTeste banco;
    Dataset dados;
    Relatorio rel{QStringLiteral("Teste")};
    QFont fonte;
    Cena(int total, int porGrupo, bool grupos)
        : banco(linhas(total, porGrupo))
    {
        fonte.setPixelSize(11);
        dados.setSql(QStringLiteral("select n, g from Linhas order by n"));
        dados.open();
        rel.setDados(&dados);
        rel.cabecalho(100, QStringLiteral("cab"))->texto(QRect(0, 0, 718, 20), QStringLiteral("CABEÇALHO"), fonte);
        if (grupos)
            rel.cabecalhoGrupo(20, QStringLiteral("grupo"), [this] { return dados.value(QStringLiteral("g")); })
                ->campo(QRect(0, 0, 718, 20), [this] { return QStringLiteral("G%1").arg(dados.asInt(QStringLiteral("g"))); },
                        fonte);
        rel.detalhe(30, QStringLiteral("det"))
            ->campo(QRect(0, 0, 100, 30), [this] { return QString::number(dados.asInt(QStringLiteral("n"))); }, fonte);
        rel.rodape(50, QStringLiteral("rod"))->texto(QRect(0, 30, 718, 20), QStringLiteral("RODAPÉ"), fonte);
    }
};

QList<OperacaoRelatorio> daBanda(const PaginasRelatorio& p, int pagina, const QString& banda)
{
    QList<OperacaoRelatorio> r;
    for (const auto& op : p.paginas[pagina])
        if (op.banda == banda)
            r << op;
    return r;
}

int paginasDoPdf(const QString& arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray b = f.readAll();
    return static_cast<int>(b.count("/Type /Page\n") + b.count("/Type /Page ") + b.count("/Type /Page>")
                            + b.count("/Type/Page\n"));
}

} // namespace

class TstMotor : public QObject {
    Q_OBJECT
private slots:
    void paginas_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("paginas");
        // 896 / 30 = 29 rows a page.
        QTest::newRow("sem linhas") << 0 << 1;
        QTest::newRow("uma") << 1 << 1;
        QTest::newRow("página cheia") << 29 << 1;
        QTest::newRow("uma a mais") << 30 << 2;
        QTest::newRow("três páginas") << 80 << 3;
    }
    void paginas()
    {
        QFETCH(int, total);
        QFETCH(int, paginas);
        Cena c(total, 1000, false);
        const PaginasRelatorio p = c.rel.prepara();
        QCOMPARE(p.count(), paginas);
        QList<int> impressas;
        for (int i = 0; i < p.count(); ++i) {
            // Header at the top and footer at the bottom of every page, also without rows.
            const auto cab = daBanda(p, i, QStringLiteral("cab"));
            const auto rod = daBanda(p, i, QStringLiteral("rod"));
            QCOMPARE(cab.size(), 1);
            QCOMPARE(cab[0].area.top(), 0);
            QCOMPARE(rod.size(), 1);
            QCOMPARE(rod[0].area.bottom(), PaginasRelatorio::kAlturaUtil - 1);
            QCOMPARE(p.textos(i).first(), QStringLiteral("CABEÇALHO"));
            QCOMPARE(p.textos(i).last(), QStringLiteral("RODAPÉ"));
            // No detail reaches into the footer: a band never splits.
            for (const auto& op : daBanda(p, i, QStringLiteral("det"))) {
                QVERIFY(op.area.top() >= 100);
                QVERIFY(op.area.bottom() < PaginasRelatorio::kAlturaUtil - 50);
                impressas << op.texto.toInt();
            }
        }
        QList<int> esperadas;
        for (int n = 1; n <= total; ++n)
            esperadas << n;
        QCOMPARE(impressas, esperadas);
    }

    void cursorFicaNaUltimaLinha()
    {
        Cena c(40, 1000, false);
        c.dados.first();
        c.rel.prepara();
        QCOMPARE(c.dados.recNo(), 40);
        QCOMPARE(c.dados.asInt(QStringLiteral("n")), 40);
    }

    void grupos()
    {
        // Groups of 7 rows: 7 * 30 + 20 = 230 px each.
        Cena c(60, 7, true);
        const PaginasRelatorio p = c.rel.prepara();
        QStringList faixas;
        QString grupoAtual;
        for (int i = 0; i < p.count(); ++i) {
            const auto& ops = p.paginas[i];
            for (int k = 0; k < ops.size(); ++k) {
                const auto& op = ops[k];
                if (op.banda == QLatin1String("grupo")) {
                    faixas << op.texto;
                    grupoAtual = op.texto;
                    // Kept with its first row: the next band on the page is a detail.
                    QVERIFY(k + 1 < ops.size());
                    QCOMPARE(ops[k + 1].banda, QStringLiteral("det"));
                } else if (op.banda == QLatin1String("det")) {
                    QCOMPARE(QStringLiteral("G%1").arg((op.texto.toInt() - 1) / 7), grupoAtual);
                }
            }
        }
        QCOMPARE(faixas, (QStringList{QStringLiteral("G0"), QStringLiteral("G1"), QStringLiteral("G2"), QStringLiteral("G3"),
                                      QStringLiteral("G4"), QStringLiteral("G5"), QStringLiteral("G6"), QStringLiteral("G7"),
                                      QStringLiteral("G8")}));
    }

    void grupoNaoFicaSozinhoNoFimDaPagina()
    {
        // 28 rows under their header fill 860 of 896 px: the next header (20) would fit, its first row (30) not.
        Cena c(29, 28, true);
        const PaginasRelatorio p = c.rel.prepara();
        QCOMPARE(p.count(), 2);
        QCOMPARE(daBanda(p, 0, QStringLiteral("grupo")).size(), 1);
        const auto segunda = daBanda(p, 1, QStringLiteral("grupo"));
        QCOMPARE(segunda.size(), 1);
        QCOMPARE(segunda[0].area.top(), 100);
        QCOMPARE(segunda[0].texto, QStringLiteral("G1"));
    }

    void antesDeImprimirNaLinhaImpressa()
    {
        Cena c(35, 1000, false);
        BandaRelatorio* det = c.rel.banda(QStringLiteral("det"));
        ElementoRelatorio* fundo = det->retangulo(QRect(200, 0, 100, 30), Qt::white, QStringLiteral("fundo"));
        QList<int> vistas;
        det->antesDeImprimir = [&] {
            const int n = c.dados.asInt(QStringLiteral("n"));
            vistas << n;
            fundo->preenchimento = n % 2 ? QColor(Qt::white) : QColor(Qt::red);
        };
        const PaginasRelatorio p = c.rel.prepara();
        QCOMPARE(vistas.size(), 35);
        QCOMPARE(vistas.first(), 1);
        QCOMPARE(vistas.last(), 35);
        // Each row carries the colour its own handler set.
        for (int i = 0; i < p.count(); ++i) {
            const auto ops = daBanda(p, i, QStringLiteral("det"));
            for (int k = 0; k + 1 < ops.size(); k += 2) {
                QCOMPARE(ops[k + 1].nome, QStringLiteral("fundo"));
                QCOMPARE(ops[k + 1].preenchimento, ops[k].texto.toInt() % 2 ? QColor(Qt::white) : QColor(Qt::red));
            }
        }
        // What a reader sees: row 2 (second on page 1) is red beside its number.
        const QImage img = p.imagem(0);
        const QPointF ponto = QPointF(250, 100 + 30 + 15) + QPointF(PaginasRelatorio::margem(), PaginasRelatorio::margem());
        QCOMPARE(img.pixelColor(ponto.toPoint()), QColor(Qt::red));
        QCOMPARE(img.pixelColor((ponto - QPointF(0, 30)).toPoint()), QColor(Qt::white));
    }

    void doisRelatoriosAoMesmoTempo()
    {
        // A report prepared from inside another one's handler: each keeps its own pages.
        Cena externa(3, 1000, false);
        Relatorio interna(QStringLiteral("Outro"));
        QFont f;
        f.setPixelSize(11);
        interna.cabecalho(10, QStringLiteral("cab"))->texto(QRect(0, 0, 100, 10), QStringLiteral("OUTRO"), f);
        PaginasRelatorio paginasInternas;
        externa.rel.banda(QStringLiteral("det"))->antesDeImprimir = [&] {
            if (externa.dados.recNo() == 2)
                paginasInternas = interna.prepara();
        };
        const PaginasRelatorio p = externa.rel.prepara();
        QCOMPARE(p.count(), 1);
        QCOMPARE(p.textos(0), (QStringList{QStringLiteral("CABEÇALHO"), QStringLiteral("1"), QStringLiteral("2"),
                                           QStringLiteral("3"), QStringLiteral("RODAPÉ")}));
        QCOMPARE(paginasInternas.count(), 1);
        QCOMPARE(paginasInternas.textos(0), QStringList{QStringLiteral("OUTRO")});
    }

    void pdf()
    {
        Cena c(80, 1000, false);
        const PaginasRelatorio p = c.rel.prepara();
        QTemporaryDir dir;
        const QString arquivo = dir.filePath(QStringLiteral("teste.pdf"));
        QString erro;
        QVERIFY2(p.salvaPdf(arquivo, &erro), qPrintable(erro));
        QCOMPARE(paginasDoPdf(arquivo), 3);

        // Straight onto a paged device: one page each.
        const QString outro = dir.filePath(QStringLiteral("direto.pdf"));
        {
            QPdfWriter w(outro);
            QVERIFY(p.imprimeEm(w, &erro));
        }
        QCOMPARE(paginasDoPdf(outro), 3);
    }

    void pdfQueNaoPodeSerGravado_data()
    {
        QTest::addColumn<QString>("relativo");
        QTest::newRow("pasta inexistente") << QStringLiteral("nao/existe/r.pdf");
        QTest::newRow("é uma pasta") << QStringLiteral("pasta");
        QTest::newRow("vazio") << QString();
    }
    void pdfQueNaoPodeSerGravado()
    {
        QFETCH(QString, relativo);
        Cena c(3, 1000, false);
        const PaginasRelatorio p = c.rel.prepara();
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("pasta"));
        const QString arquivo = relativo.isEmpty() ? QString() : dir.filePath(relativo);
        QString erro;
        QVERIFY(!p.salvaPdf(arquivo, &erro));
        QVERIFY2(erro.startsWith(QStringLiteral("Não foi possível gravar o arquivo PDF")), qPrintable(erro));
    }

    void imagemDaPagina()
    {
        // A4 at 96 dpi, white outside what is drawn; the zoom scales it.
        Cena c(1, 1000, false);
        const PaginasRelatorio p = c.rel.prepara();
        QCOMPARE(p.imagem(0).size(), QSize(794, 1123));
        QCOMPARE(p.imagem(0, 0.5).size(), QSize(397, 561));
        QCOMPARE(p.imagem(0).pixelColor(5, 5), QColor(Qt::white));
    }
};

QTEST_MAIN(TstMotor)
#include "tst_motor.moc"
