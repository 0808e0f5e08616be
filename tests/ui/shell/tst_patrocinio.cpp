// The sponsorship page: opened from a slot of another screen, in-place
// loading from its own slots, hidden (not freed) when closed.
#include "Auxiliar.h"

#include "ArvoreTeste.h"
#include "ui/shell/Abertura.h"
#include "ui/shell/Padrao.h"
#include "ui/shell/VisorHtml.h"
#include "ui/shell/pPatrocinio.h"

#include <QLabel>
#include <QPointer>
#include <QToolButton>
#include <QtTest>

namespace {

using aux::PatrocinioAberto;
using aux::figura;
using aux::mostra;

void pagina(int slot)
{
    aux::escreve(Caminhos::atual().slotPagina(slot),
                 QStringLiteral("<html><body><p>Página do patrocinador %1</p></body></html>").arg(slot).toUtf8());
}

// Clicks a slot of a screen; if the click shows the sponsorship page, runs
// fn on it and closes it. Returns whether the page was shown.
bool clicaEAbre(QWidget* tela, int slot, const std::function<void(TfPatrocinio*)>& fn = {})
{
    bool abriu = false;
    aux::quandoAparecer(aux::modal<TfPatrocinio>(), [&](QWidget* w) {
        abriu = true;
        if (fn)
            fn(static_cast<TfPatrocinio*>(w));
        QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("epEfButton1")), Qt::LeftButton);
    }, 1000);
    QTest::mouseClick(figura(tela, slot), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::qWait(abriu ? 0 : 1100);
    return abriu;
}

} // namespace

class TstPatrocinio : public QObject {
    Q_OBJECT
private slots:
    void paginaInicial();
    void abreDeOutraTelaEVolta();
    void duasAberturasSeguidas();
    void cliqueNoLugar_data();
    void cliqueNoLugar();
    void indexAusenteMostraPaginaPropria();
    void referenciaSaiComODono();
};

void TstPatrocinio::paginaInicial()
{
    ArvoreTeste arvore;
    aux::escreve(Caminhos::atual().patrocinioInicial(), "<html><body><p>Bem-vindo aos patrocinadores</p></body></html>");
    TfPatrocinio tela;
    QCOMPARE(tela.caption(), QStringLiteral(" CLASSIFICAÇÃO"));
    QVERIFY(tela.wbPatrocinio->toPlainText().contains(QStringLiteral("Bem-vindo aos patrocinadores")));
}

void TstPatrocinio::abreDeOutraTelaEVolta()
{
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    aux::slot(2, "S", "Clique", "Cerveja Gelada");
    pagina(2);
    PatrocinioAberto p;
    QPointer<TfPatrocinio> instancia(fPatrocinio);

    TfmPadrao tela;
    mostra(&tela);
    QString caption, texto;
    QVERIFY(clicaEAbre(&tela, 2, [&](TfPatrocinio* pat) {
        caption = pat->caption();
        texto = pat->wbPatrocinio->toPlainText();
    }));
    QCOMPARE(caption, QStringLiteral(" Cerveja Gelada"));
    QVERIFY(texto.contains(QStringLiteral("Página do patrocinador 2")));
    QVERIFY(instancia);                   // the same window, only hidden
    QVERIFY(instancia->isHidden());
    QCOMPARE(instancia->caption(), caption); // keeps caption and page while hidden
    QTRY_VERIFY(QApplication::activeWindow() == &tela);
    QVERIFY(tela.isVisible());
    QCOMPARE(msgs.lista, QStringList());
}

void TstPatrocinio::duasAberturasSeguidas()
{
    ArvoreTeste arvore;
    aux::slot(1, "S", "um", "Primeiro");
    aux::slot(5, "S", "cinco", "Quinto");
    pagina(1);
    pagina(5);
    PatrocinioAberto p;
    TfmPadrao tela;
    mostra(&tela);
    QVERIFY(clicaEAbre(&tela, 1));
    QTRY_VERIFY(QApplication::activeWindow() == &tela);
    QString caption, texto;
    QVERIFY(clicaEAbre(&tela, 5, [&](TfPatrocinio* pat) {
        caption = pat->caption();
        texto = pat->wbPatrocinio->toPlainText();
    }));
    QCOMPARE(caption, QStringLiteral(" Quinto"));
    QVERIFY(texto.contains(QStringLiteral("Página do patrocinador 5")));
}

void TstPatrocinio::cliqueNoLugar_data()
{
    QTest::addColumn<QString>("ligado");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("carrega");
    QTest::newRow("ligado com hint") << "S" << "Veja" << true;
    QTest::newRow("desligado com hint") << "N" << "Veja" << true;
    QTest::newRow("ligado sem hint") << "S" << "" << true;
    QTest::newRow("desligado sem hint") << "N" << "" << false;
}

void TstPatrocinio::cliqueNoLugar()
{
    QFETCH(QString, ligado);
    QFETCH(QString, hint);
    QFETCH(bool, carrega);
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    aux::slot(2, "S", "dois", "Segundo");
    aux::slot(4, ligado, hint, "Quarto");
    pagina(2);
    pagina(4);
    PatrocinioAberto p;
    TfmPadrao tela;
    mostra(&tela);

    // On the sponsorship page, slot 4 replaces caption and page in place.
    QString caption, texto;
    bool abriuDeNovo = false, continuouAberta = false;
    QVERIFY(clicaEAbre(&tela, 2, [&](TfPatrocinio* pat) {
        aux::quandoAparecer([pat]() -> QWidget* {
            QWidget* m = QApplication::activeModalWidget();
            return m && m != pat ? m : nullptr;
        }, [&](QWidget* w) { abriuDeNovo = true; w->close(); }, 300);
        QTest::mouseClick(figura(pat, 4), Qt::LeftButton, {}, QPoint(10, 10));
        QTest::qWait(350);
        caption = pat->caption();
        texto = pat->wbPatrocinio->toPlainText();
        continuouAberta = pat->isVisible() && QApplication::activeModalWidget() == pat;
    }));
    QVERIFY(!abriuDeNovo);
    QVERIFY(continuouAberta);
    QCOMPARE(caption, carrega ? QStringLiteral(" Quarto") : QStringLiteral(" Segundo"));
    QCOMPARE(texto.contains(QStringLiteral("Página do patrocinador 4")), carrega);
    QCOMPARE(msgs.lista, QStringList());

    // On any other screen a switched-off slot ignores clicks, hint or not.
    if (ligado == "N")
        QVERIFY(!clicaEAbre(&tela, 4));
}

void TstPatrocinio::indexAusenteMostraPaginaPropria()
{
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    aux::slot(3, "S", "três", "Terceiro");
    QFile::remove(Caminhos::atual().slotPagina(3));
    PatrocinioAberto p;
    TfmPadrao tela;
    mostra(&tela);
    QString caption, texto;
    QVERIFY(clicaEAbre(&tela, 3, [&](TfPatrocinio* pat) {
        caption = pat->caption();
        texto = pat->wbPatrocinio->toPlainText();
    }));
    QCOMPARE(caption, QStringLiteral(" Terceiro"));
    QVERIFY2(texto.contains(QStringLiteral("A página não pode ser exibida")), qPrintable(texto));
    QCOMPARE(msgs.lista, QStringList());
}

void TstPatrocinio::referenciaSaiComODono()
{
    // The page made at start belongs to the menu and is freed with it; the
    // reference must not point to it afterwards.
    ArvoreTeste arvore;
    auto* dono = new QWidget;
    fPatrocinio = new TfPatrocinio(dono);
    delete dono;
    QVERIFY(!fPatrocinio);
}

QTEST_MAIN(TstPatrocinio)
#include "tst_patrocinio.moc"
