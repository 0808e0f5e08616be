// The program's hint style on real screens: a control decides whether it
// shows its hint, and a shown hint hides after five seconds.
#include "Auxiliar.h"

#include "ArvoreTeste.h"
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
};

QTEST_MAIN(TstDicas)
#include "tst_dicas.moc"
