// The menu on screens of other sizes: the whole design scales by one factor
// and is centred, so the picture and the buttons keep their proportions.
#include "Auxiliar.h"

#include "ArvoreTeste.h"
#include "ui/shell/Menu.h"

#include <QAbstractButton>
#include <QLabel>
#include <QtTest>

class TstEscala : public QObject {
    Q_OBJECT
private slots:
    void proporcoesDoMenu_data()
    {
        QTest::addColumn<QSize>("tela");
        QTest::newRow("1028 x 753") << QSize(1028, 753);
        QTest::newRow("1280 x 800") << QSize(1280, 800);
        QTest::newRow("1920 x 1080") << QSize(1920, 1080);
        QTest::newRow("3840 x 2160") << QSize(3840, 2160);
        QTest::newRow("retrato 800 x 1280") << QSize(800, 1280);
    }
    void proporcoesDoMenu()
    {
        QFETCH(QSize, tela);
        ArvoreTeste arvore;
        aux::MenuAberto aberto;
        TfmMenu& menu = aberto.menu;
        menu.resize(tela);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QCOMPARE(menu.size(), tela);

        const QRect figura = menu.imMenu->geometry();
        const double fator = qMin(tela.width() / 1028.0, tela.height() / 753.0);
        // The picture fills the binding side and keeps the design's proportions, centred.
        QVERIFY(qAbs(figura.width() - 1028 * fator) <= 1);
        QVERIFY(qAbs(figura.height() - 753 * fator) <= 1);
        QVERIFY(figura.width() == tela.width() || figura.height() == tela.height());
        QVERIFY(qAbs(figura.left() - (tela.width() - figura.right() - 1)) <= 1);
        QVERIFY(qAbs(figura.top() - (tela.height() - figura.bottom() - 1)) <= 1);

        const QPoint lugares[8] = {{40, 200}, {40, 250}, {40, 300}, {40, 350}, {630, 200}, {630, 250}, {630, 300}, {630, 350}};
        QCOMPARE(menu.botoes.size(), 8);
        for (int i = 0; i < 8; ++i) {
            const QRect b = menu.botoes[i]->geometry();
            // Each button: the design's size and place, by the same factor, on the picture.
            QVERIFY2(qAbs(b.width() - 130 * fator) <= 1 && qAbs(b.height() - 48 * fator) <= 1,
                     qPrintable(QStringLiteral("botão %1: %2 x %3").arg(i + 1).arg(b.width()).arg(b.height())));
            QVERIFY(qAbs((b.left() - figura.left()) - lugares[i].x() * fator) <= 1);
            QVERIFY(qAbs((b.top() - figura.top()) - lugares[i].y() * fator) <= 1);
        }
        // The gap between two rows and between the columns keep their ratio.
        const double linhas = menu.botoes[1]->y() - menu.botoes[0]->y();
        const double colunas = menu.botoes[4]->x() - menu.botoes[0]->x();
        QVERIFY(qAbs(colunas / linhas - 590.0 / 50.0) < 0.3);
        // The margin shows the page colour.
        const QImage quadro = menu.grab().toImage();
        if (figura.left() > 2)
            QCOMPARE(quadro.pixelColor(1, tela.height() / 2), QColor(156, 174, 197));
        if (figura.top() > 2)
            QCOMPARE(quadro.pixelColor(tela.width() / 2, 1), QColor(156, 174, 197));
    }
};

QTEST_MAIN(TstEscala)
#include "tst_escala.moc"
