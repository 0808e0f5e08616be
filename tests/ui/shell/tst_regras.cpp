// The rules and update pages, the HTML view they use, and the menu buttons
// that open the shell screens.
#include "Auxiliar.h"

#include "ArvoreTeste.h"
#include "ui/shell/Abertura.h"
#include "ui/shell/Botoes.h"
#include "ui/shell/Menu.h"
#include "ui/shell/VisorHtml.h"
#include "ui/shell/pAtualizacao.h"
#include "ui/shell/pPatrocinio.h"
#include "ui/shell/pRegras.h"
#include "ui/shell/pSkin.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QLabel>
#include <QPointer>
#include <QToolButton>
#include <QtTest>

namespace {

using aux::mostra;

// Every rules page of the tree says which page it is.
void paginasDeRegras()
{
    for (int n = 0; n <= 20; ++n)
        aux::escreve(Caminhos::atual().regras(n),
                     QStringLiteral("<html><body><p>Esta é a página %1.</p></body></html>").arg(n).toUtf8());
}

// Yellow caption pixels: what marks the highlighted button on screen.
bool captionAmarelo(QWidget* b)
{
    const QImage img = b->grab().toImage();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 200 && c.green() > 200 && c.blue() < 100)
                return true;
        }
    return false;
}

BotaoAzul* botao(TfRegras& tela, const QString& caption)
{
    for (BotaoAzul* b : tela.botoes)
        if (b->text() == caption)
            return b;
    return nullptr;
}

} // namespace

class Navegador : public QObject {
    Q_OBJECT
public:
    Navegador()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "abre");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "abre");
    }
    ~Navegador() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }
    QList<QUrl> abertos;
public slots:
    void abre(const QUrl& url) { abertos << url; }
};

class TstRegras : public QObject {
    Q_OBJECT
private slots:
    void aberturaMostraInicio();
    void botoesMovemDestaque_data();
    void botoesMovemDestaque();
    void paginaAusenteMoveDestaque();
    void visorSegueLinks();
    void atualizacaoRecarregaAoVoltar();
    void atualizacaoNaoRecarregaNaTrocaDeAplicativo();
    void menuAbreTelas_data();
    void menuAbreTelas();
};

void TstRegras::aberturaMostraInicio()
{
    ArvoreTeste arvore;
    paginasDeRegras();
    TfRegras tela;
    mostra(&tela);
    QCOMPARE(tela.caption(), QStringLiteral(" REGRAS"));
    QCOMPARE(tela.botoes.size(), 21);
    QVERIFY(tela.wbRegras->toPlainText().contains(QStringLiteral("Esta é a página 0.")));
    for (BotaoAzul* b : tela.botoes)
        QCOMPARE(captionAmarelo(b), b->text() == QStringLiteral("Início"));
    QCOMPARE(botao(tela, "Início")->toolTip(), QStringLiteral("Regras do Futebol"));
    QCOMPARE(botao(tela, "4º Árbitro")->toolTip(), QStringLiteral("O Quarto Árbitro"));
}

void TstRegras::botoesMovemDestaque_data()
{
    QTest::addColumn<QStringList>("cliques");
    QTest::addColumn<int>("pagina");
    QTest::newRow("Regra 14") << QStringList{"Regra 14"} << 14;
    QTest::newRow("Regra 14, depois 4º Árbitro") << QStringList{"Regra 14", "4º Árbitro"} << 20;
    QTest::newRow("Penalti") << QStringList{"Penalti"} << 18;
    QTest::newRow("Regra 15") << QStringList{"Regra 15"} << 15;
    QTest::newRow("de volta ao Início") << QStringList{"Regra 2", "Início"} << 0;
    QTest::newRow("mesmo botão duas vezes") << QStringList{"A. Técnica", "A. Técnica"} << 19;
}

void TstRegras::botoesMovemDestaque()
{
    QFETCH(QStringList, cliques);
    QFETCH(int, pagina);
    ArvoreTeste arvore;
    paginasDeRegras();
    TfRegras tela;
    mostra(&tela);
    for (const QString& c : cliques) {
        QVERIFY(botao(tela, c));
        QTest::mouseClick(botao(tela, c), Qt::LeftButton);
    }
    QVERIFY2(tela.wbRegras->toPlainText().contains(QStringLiteral("Esta é a página %1.").arg(pagina)),
             qPrintable(tela.wbRegras->toPlainText()));
    for (BotaoAzul* b : tela.botoes)
        QCOMPARE(captionAmarelo(b), b->text() == cliques.last());
}

void TstRegras::paginaAusenteMoveDestaque()
{
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    paginasDeRegras();
    QFile::remove(Caminhos::atual().regras(5));
    TfRegras tela;
    mostra(&tela);
    QTest::mouseClick(botao(tela, "Regra 5"), Qt::LeftButton);
    QVERIFY(tela.wbRegras->toPlainText().contains(VisorHtml::tituloPaginaAusente()));
    QVERIFY(captionAmarelo(botao(tela, "Regra 5")));
    QVERIFY(!captionAmarelo(botao(tela, "Início")));
    QCOMPARE(msgs.lista, QStringList());
    // The page comes back when the file is there again.
    paginasDeRegras();
    QTest::mouseClick(botao(tela, "Regra 5"), Qt::LeftButton);
    QVERIFY(tela.wbRegras->toPlainText().contains(QStringLiteral("Esta é a página 5.")));
}

void TstRegras::visorSegueLinks()
{
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    Navegador navegador;
    const QString pasta = arvore.raiz() + QStringLiteral("/paginas");
    aux::escreve(pasta + "/a.htm", "<html><body><p>Primeira</p><a href=\"sub/b.htm\">adiante</a> "
                                   "<a href=\"http://exemplo.invalid/x.htm\">fora</a> "
                                   "<a href=\"falta.htm\">quebrado</a> "
                                   "<a href=\"file://servidor/compartilhado/d.htm\">rede</a></body></html>");
    aux::escreve(pasta + "/sub/b.htm", "<html><body><p>Segunda</p><a href=\"../a.htm\">volta</a></body></html>");
    // A page in Windows-1252, as older editors save them.
    aux::escreve(pasta + "/c.htm", QByteArray("<html><body><p>Cora\xe7\xe3o</p></body></html>"));

    VisorHtml visor;
    visor.resize(400, 300);
    mostra(&visor);
    visor.setFocus();
    visor.carrega(pasta + "/a.htm");
    QVERIFY(visor.toPlainText().contains("Primeira"));

    // Tab moves to the next link, Enter follows it (as a user does with the keyboard).
    auto segue = [&](int tabs) {
        visor.carrega(visor.pagina());
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(&visor, Qt::Key_Tab);
        QTest::keyClick(&visor, Qt::Key_Return);
    };
    segue(1);
    QVERIFY2(visor.toPlainText().contains("Segunda"), qPrintable(visor.toPlainText()));
    segue(1);
    QVERIFY(visor.toPlainText().contains("Primeira"));

    segue(2); // a web link goes to the user's browser; the page stays
    QCOMPARE(navegador.abertos, QList<QUrl>{QUrl("http://exemplo.invalid/x.htm")});
    QVERIFY(visor.toPlainText().contains("Primeira"));

    segue(3); // a link to a missing page shows the program's own page
    QVERIFY(visor.toPlainText().contains(VisorHtml::tituloPaginaAusente()));
    QVERIFY(visor.paginaAusente());

    visor.carrega(pasta + "/a.htm");
    segue(4); // a file on another machine is neither read nor handed on
    QVERIFY(visor.toPlainText().contains("Primeira"));
    QCOMPARE(navegador.abertos.size(), 1);

    visor.carrega(pasta + "/c.htm");
    QVERIFY(visor.toPlainText().contains(QStringLiteral("Coração")));
    QCOMPARE(msgs.lista, QStringList());
}

void TstRegras::atualizacaoRecarregaAoVoltar()
{
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    const Caminhos& c = Caminhos::atual();
    aux::escreve(c.atualizacao(), "<html><body><p>Página de atualização</p><a href=\"outra.htm\">outra</a></body></html>");
    aux::escreve(QFileInfo(c.atualizacao()).absolutePath() + "/outra.htm", "<html><body><p>Outra página</p></body></html>");
    aux::slot(2, "S", "dois", "Segundo");
    fPatrocinio = new TfPatrocinio;

    TfAtualizacao tela;
    mostra(&tela);
    QCOMPARE(tela.caption(), QStringLiteral(" ATUALIZAÇÃO"));
    QVERIFY(tela.wbAtualizacao->toPlainText().contains("Página de atualização"));
    tela.wbAtualizacao->setFocus();
    QTest::keyClick(tela.wbAtualizacao, Qt::Key_Tab);
    QTest::keyClick(tela.wbAtualizacao, Qt::Key_Return);
    QVERIFY(tela.wbAtualizacao->toPlainText().contains("Outra página"));

    // Open the sponsorship page from slot 2 and close it.
    aux::quandoAparecer(aux::modal<TfPatrocinio>(), [](QWidget* w) {
        QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("epEfButton1")), Qt::LeftButton);
    });
    QTest::mouseClick(tela.findChild<QLabel*>(QStringLiteral("im2")), Qt::LeftButton, {}, QPoint(10, 10));
    QTRY_VERIFY(QApplication::activeWindow() == &tela);
    QTRY_VERIFY(tela.wbAtualizacao->toPlainText().contains("Página de atualização"));
    QCOMPARE(msgs.lista, QStringList());
    delete fPatrocinio;
    fPatrocinio = nullptr;
}

void TstRegras::atualizacaoNaoRecarregaNaTrocaDeAplicativo()
{
    ArvoreTeste arvore;
    const Caminhos& c = Caminhos::atual();
    aux::escreve(c.atualizacao(), "<html><body><a href=\"outra.htm\">outra</a></body></html>");
    aux::escreve(QFileInfo(c.atualizacao()).absolutePath() + "/outra.htm", "<html><body><p>Outra página</p></body></html>");
    TfAtualizacao tela;
    mostra(&tela);
    tela.wbAtualizacao->setFocus();
    QTest::keyClick(tela.wbAtualizacao, Qt::Key_Tab);
    QTest::keyClick(tela.wbAtualizacao, Qt::Key_Return);
    QVERIFY(tela.wbAtualizacao->toPlainText().contains("Outra página"));
    QApplication::setActiveWindow(nullptr);
    QApplication::processEvents();
    QApplication::setActiveWindow(&tela);
    QApplication::processEvents();
    QVERIFY(tela.wbAtualizacao->toPlainText().contains("Outra página"));
}

void TstRegras::menuAbreTelas_data()
{
    QTest::addColumn<QString>("botao");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("caption");
    QTest::newRow("REGRAS") << "fcImageBtn6" << "TfRegras" << " REGRAS";
    QTest::newRow("SKINS") << "fcImageBtn7" << "TfSkin" << " SKINS";
    QTest::newRow("ATUALIZAÇÃO") << "fcImageBtn8" << "TfAtualizacao" << " ATUALIZAÇÃO";
}

void TstRegras::menuAbreTelas()
{
    QFETCH(QString, botao);
    QFETCH(QString, classe);
    QFETCH(QString, caption);
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    TfmMenu menu;
    Telas::liga(&menu);
    fmMenu = &menu;
    mostra(&menu);

    QString classeVista, captionVista;
    bool menuBloqueado = false;
    QPointer<QWidget> tela;
    aux::quandoAparecer(aux::modal<TfmPadrao>(), [&](QWidget* w) {
        tela = w;
        classeVista = QString::fromLatin1(w->metaObject()->className());
        captionVista = static_cast<TfmPadrao*>(w)->caption();
        menuBloqueado = !menu.isEnabled() || QApplication::activeModalWidget() == w;
        QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("epEfButton1")), Qt::LeftButton);
    });
    QTest::mouseClick(menu.findChild<QAbstractButton*>(botao), Qt::LeftButton);
    QCOMPARE(classeVista, classe);
    QCOMPARE(captionVista, caption);
    QVERIFY(menuBloqueado);
    QVERIFY(tela.isNull()); // freed on closing
    QVERIFY(!fRegras && !fAtualizacao);
    QTRY_VERIFY(QApplication::activeWindow() == &menu);
    QCOMPARE(msgs.lista, QStringList());
    fmMenu = nullptr;
}

QTEST_MAIN(TstRegras)
#include "tst_regras.moc"
