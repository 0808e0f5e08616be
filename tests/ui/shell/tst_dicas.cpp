// The program's hint style on real screens: a control decides whether it
// shows its hint, and a shown hint hides after five seconds.
#include "Auxiliar.h"

#include "ArvoreTeste.h"
#include "core/install/Ini.h"
#include "ui/shell/Dicas.h"
#include "ui/shell/Padrao.h"

#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>
#include <QtTest>

class TstDicas : public QObject {
    Q_OBJECT

    // What the user sees after resting the pointer on the widget.
    static QString dicaVista(QWidget* w)
    {
        QToolTip::hideText();
        QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 3000);
        QHelpEvent ev(QEvent::ToolTip, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(w, &ev);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

private slots:
    void initTestCase() { Dicas::instala(); }

    void slotDecideSeMostra_data()
    {
        QTest::addColumn<QString>("ligado");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("ligado com dica") << "S" << "Conheça o patrocinador";
        QTest::newRow("desligado com dica") << "N" << "";
        QTest::newRow("s minusculo fica desligado") << "s" << "";
    }
    void slotDecideSeMostra()
    {
        QFETCH(QString, ligado);
        QFETCH(QString, esperado);
        ArvoreTeste arvore;
        aux::MenuAberto menu;
        aux::slot(4, ligado, QStringLiteral("Conheça o patrocinador"), QStringLiteral("Quarto"));
        TfmPadrao tela;
        aux::mostra(&tela);
        QCOMPARE(dicaVista(aux::figura(&tela, 4)), esperado);
        QToolTip::hideText();
    }

    void dicaSomeEmCincoSegundos()
    {
        ArvoreTeste arvore;
        aux::MenuAberto menu;
        TfmPadrao tela;
        aux::mostra(&tela);
        QWidget* fechar = tela.findChild<QWidget*>(QStringLiteral("epEfButton1"));
        QVERIFY(fechar);
        QCOMPARE(dicaVista(fechar), QStringLiteral("Fechar"));
        QCOMPARE(fechar->toolTipDuration(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 7000);
    }

    // The hint window on screen.
    static QWidget* janelaDaDica()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QTipLabel") && w->isVisible())
                return w;
        return nullptr;
    }

    // Hints wrap at 200 pixels: the shipped slot-1 hint and a long one take
    // several lines of at most that width; a short one keeps its one line.
    void dicasQuebramEm200Pixels()
    {
        ArvoreTeste arvore;
        aux::MenuAberto menu;
        const QString hintSlot = Ini::le(Caminhos::atual().slotConfig(1), QStringLiteral("Patrocinio"), QStringLiteral("Hint"));
        const QFontMetrics fm(QToolTip::font());
        QVERIFY2(fm.horizontalAdvance(hintSlot) > 200, qPrintable(hintSlot)); // one line would be wider
        TfmPadrao tela;
        aux::mostra(&tela);
        QCOMPARE(dicaVista(aux::figura(&tela, 1)), hintSlot);
        QWidget* dica = janelaDaDica();
        QVERIFY(dica);
        QVERIFY2(dica->width() <= 200, qPrintable(QString::number(dica->width())));
        QVERIFY2(dica->height() >= 2 * fm.lineSpacing(), qPrintable(QString::number(dica->height())));

        // A long hint, shown while the slot's hint is still up (the hint window is reused).
        QLabel longo(&tela);
        longo.setGeometry(300, 300, 100, 20);
        longo.setToolTip(QStringLiteral("Uma dica bem comprida, escrita para ver a janela de dica quebrar o texto "
                                        "em várias linhas em vez de atravessar a tela numa linha só de "
                                        "seiscentos e tantos pixels de largura."));
        longo.show();
        QVERIFY(QToolTip::isVisible());
        QHelpEvent ev(QEvent::ToolTip, QPoint(5, 5), longo.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&longo, &ev);
        QCOMPARE(QToolTip::text(), longo.toolTip());
        dica = janelaDaDica();
        QVERIFY(dica);
        QVERIFY2(dica->width() <= 200, qPrintable(QString::number(dica->width())));
        QVERIFY2(dica->height() >= 4 * fm.lineSpacing(), qPrintable(QString::number(dica->height())));
        // Every word is still shown: the text is wrapped, not cut.
        auto* rotulo = qobject_cast<QLabel*>(dica);
        QVERIFY(rotulo && rotulo->wordWrap());
        QVERIFY(rotulo->heightForWidth(dica->width()) <= dica->height());

        // A short hint keeps its own width, on one line.
        QWidget* fechar = tela.findChild<QWidget*>(QStringLiteral("epEfButton1"));
        QCOMPARE(dicaVista(fechar), QStringLiteral("Fechar"));
        dica = janelaDaDica();
        QVERIFY(dica);
        QVERIFY(dica->width() < 100);
        QVERIFY(dica->height() < 2 * fm.lineSpacing());
        QToolTip::hideText();
    }
};

QTEST_MAIN(TstDicas)
#include "tst_dicas.moc"
