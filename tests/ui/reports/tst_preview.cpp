// The report preview driven with its tool bar: page buttons for one and for
// several pages, the page rule, the zooms, printing (no printer, and into a
// PDF-backed printer) and saving as PDF.
#include "ArvoreTeste.h"
#include "core/data/Dataset.h"
#include "ui/reports/pPreview.h"
#include "ui/reports/pRelatorios.h"
#include "ui/screens/pClassificacao.h"
#include "ui/shell/Menu.h"

#include <QFile>
#include <QPrinter>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

int paginasDoPdf(const QString& arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray b = f.readAll();
    return static_cast<int>(b.count("/Type /Page\n"));
}

} // namespace

class TstPreview : public QObject {
    Q_OBJECT

    // The standings report (one page) or the full match table (several pages) in a preview.
    struct Cena {
        ArvoreTeste arvore;
        TfmMenu menu;
        MensagensCapturadas erros;
        Dataset dados;
        TfPreview* preview = nullptr;
        explicit Cena(bool varias)
        {
            fmMenu = &menu;
            if (varias) {
                dados.setTableName(QStringLiteral("Jogos.DB"));
                dados.setIndexName(QStringLiteral("DiaIdx"));
            } else {
                dados.setSql(QString::fromUtf8(TfClassificacao::kSqlClassificacao));
                dados.addCalcField(QStringLiteral("Colocacao"));
                dados.onCalcFields = [](Dataset& d) { d.setCalcValue(QStringLiteral("Colocacao"), d.recNo()); };
            }
            dados.open();
            preview = varias ? TfReport::previewTabela(nullptr, dados) : TfReport::previewClassificacao(nullptr, dados);
            if (preview && !QTest::qWaitForWindowExposed(preview))
                qWarning("o preview não apareceu");
        }
        ~Cena()
        {
            delete preview;
            fmMenu = nullptr;
        }
        QImage visivel() const { return preview->imagemVisivel().toImage().convertToFormat(QImage::Format_RGB32); }
        QImage pagina(int n) const { return preview->paginas().imagem(n - 1).convertToFormat(QImage::Format_RGB32); }
        void clica(QToolButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    };

private slots:
    void ferramentas()
    {
        Cena c(false);
        QVERIFY(c.preview);
        QCOMPARE(c.preview->caption(), QStringLiteral(" RELATÓRIO"));
        QVERIFY(!c.preview->isModal());
        // Left to right, with their hints; "Salvar PDF" right after "Imprimir".
        const QList<QToolButton*> botoes = {c.preview->ToolButton1, c.preview->ToolButton3, c.preview->ToolButton2,
                                            c.preview->ToolButton4, c.preview->btSalvaPdf, c.preview->tobPri,
                                            c.preview->tobAnt, c.preview->tobPro, c.preview->tobUlt};
        const QStringList dicas = {QStringLiteral("Página Inteira"), QStringLiteral("Largura da Página"),
                                   QStringLiteral("100 %"), QStringLiteral("Imprimir"), QStringLiteral("Salvar PDF"),
                                   QStringLiteral("Primeira"), QStringLiteral("Anterior"), QStringLiteral("Próxima"),
                                   QStringLiteral("Última")};
        for (int i = 0; i < botoes.size(); ++i) {
            QCOMPARE(botoes[i]->toolTip(), dicas[i]);
            QVERIFY(!botoes[i]->icon().isNull());
            QCOMPARE(botoes[i]->size(), QSize(27, 26));
            if (i > 0)
                QVERIFY(botoes[i]->x() > botoes[i - 1]->x());
        }
        // The greyed picture differs from the normal one.
        const QIcon i = c.preview->tobPri->icon();
        QVERIFY(i.pixmap(20, 20, QIcon::Disabled).toImage() != i.pixmap(20, 20, QIcon::Normal).toImage());
        // Page 1 at 100 %.
        QCOMPARE(c.preview->paginaAtual(), 1);
        QCOMPARE(c.preview->zoom(), 1.0);
        QCOMPARE(c.visivel(), c.pagina(1));
    }

    void botoesDePagina_data()
    {
        QTest::addColumn<bool>("varias");
        QTest::newRow("uma página") << false;
        QTest::newRow("várias páginas") << true;
    }
    void botoesDePagina()
    {
        QFETCH(bool, varias);
        Cena c(varias);
        QVERIFY(c.preview);
        QCOMPARE(c.preview->totalPaginas() > 1, varias);
        for (QToolButton* b : {c.preview->tobPri, c.preview->tobAnt, c.preview->tobPro, c.preview->tobUlt})
            QCOMPARE(b->isEnabled(), varias);
    }

    void ultimaEPrimeira()
    {
        Cena c(true);
        const int n = c.preview->totalPaginas();
        QVERIFY(n > 2);
        // "Anterior" on page 1 does nothing.
        c.clica(c.preview->tobAnt);
        QCOMPARE(c.preview->paginaAtual(), 1);
        c.clica(c.preview->tobUlt);
        QCOMPARE(c.preview->paginaAtual(), n);
        QCOMPARE(c.visivel(), c.pagina(n));
        // "Próxima" on the last page does nothing.
        c.clica(c.preview->tobPro);
        QCOMPARE(c.preview->paginaAtual(), n);
        c.clica(c.preview->tobAnt);
        QCOMPARE(c.preview->paginaAtual(), n - 1);
        QCOMPARE(c.visivel(), c.pagina(n - 1));
        c.clica(c.preview->tobPri);
        QCOMPARE(c.preview->paginaAtual(), 1);
        QCOMPARE(c.visivel(), c.pagina(1));
        c.clica(c.preview->tobPro);
        QCOMPARE(c.preview->paginaAtual(), 2);
        // Requests out of range are ignored.
        c.preview->vaiPara(0);
        c.preview->vaiPara(n + 1);
        QCOMPARE(c.preview->paginaAtual(), 2);
    }

    void zoom()
    {
        Cena c(false);
        c.preview->resize(1028, 753);
        QApplication::processEvents();
        const QSize area = c.preview->QRPreview->maximumViewportSize();
        c.clica(c.preview->ToolButton1);
        QSize folha = c.preview->imagemVisivel().size();
        QVERIFY(folha.width() <= area.width() && folha.height() <= area.height());
        QVERIFY(c.preview->zoom() < 1.0);
        c.clica(c.preview->ToolButton3);
        folha = c.preview->imagemVisivel().size();
        QVERIFY(folha.width() <= area.width());
        QVERIFY(folha.width() > area.width() - 60);
        c.clica(c.preview->ToolButton2);
        QCOMPARE(c.preview->zoom(), 1.0);
        QCOMPARE(c.visivel(), c.pagina(1));
    }

    void imprimirSemImpressora()
    {
        Cena c(false);
        c.preview->obtemImpressora = [] { return std::unique_ptr<QPrinter>(); };
        c.clica(c.preview->ToolButton4);
        QCOMPARE(c.erros.lista.size(), 1);
        QVERIFY(c.erros.lista.first().contains(QStringLiteral("impressora")));
        QVERIFY(c.erros.lista.first().contains(QStringLiteral("não foi impresso")));
    }

    void imprimirDuasVezes()
    {
        // Each press prints every page once, without a dialog.
        Cena c(true);
        QTemporaryDir dir;
        int vez = 0;
        c.preview->obtemImpressora = [&] {
            auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
            p->setOutputFormat(QPrinter::PdfFormat);
            p->setOutputFileName(dir.filePath(QStringLiteral("impresso%1.pdf").arg(++vez)));
            return p;
        };
        c.clica(c.preview->ToolButton4);
        c.clica(c.preview->ToolButton4);
        QCOMPARE(vez, 2);
        QCOMPARE(c.erros.lista, QStringList());
        QCOMPARE(paginasDoPdf(dir.filePath(QStringLiteral("impresso1.pdf"))), c.preview->totalPaginas());
        QCOMPARE(paginasDoPdf(dir.filePath(QStringLiteral("impresso2.pdf"))), c.preview->totalPaginas());
    }

    void salvarPdf()
    {
        Cena c(true);
        QTemporaryDir dir;
        QString sugerido;
        c.preview->escolheArquivoPdf = [&](const QString& s) {
            sugerido = s;
            return dir.filePath(QStringLiteral("tabela")); // no extension: ".pdf" is added
        };
        c.clica(c.preview->btSalvaPdf);
        QVERIFY(sugerido.endsWith(QStringLiteral("/Tabela de Jogos.pdf")));
        QCOMPARE(c.erros.lista, QStringList());
        QCOMPARE(paginasDoPdf(dir.filePath(QStringLiteral("tabela.pdf"))), c.preview->totalPaginas());
    }

    void salvarPdfCancelado()
    {
        Cena c(false);
        QTemporaryDir dir;
        c.preview->escolheArquivoPdf = [](const QString&) { return QString(); };
        c.clica(c.preview->btSalvaPdf);
        QCOMPARE(c.erros.lista, QStringList());
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void salvarPdfOndeNaoDa()
    {
        Cena c(false);
        QTemporaryDir dir;
        const QString arquivo = dir.filePath(QStringLiteral("nao-existe/r.pdf"));
        c.preview->escolheArquivoPdf = [&](const QString&) { return arquivo; };
        c.clica(c.preview->btSalvaPdf);
        QCOMPARE(c.erros.lista.size(), 1);
        QVERIFY(c.erros.lista.first().startsWith(QStringLiteral("Não foi possível gravar o arquivo PDF")));
        QVERIFY(c.erros.lista.first().contains(arquivo));
        QVERIFY(!QFile::exists(arquivo));
    }
};

QTEST_MAIN(TstPreview)
#include "tst_preview.moc"
