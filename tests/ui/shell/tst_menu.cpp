// The main menu: buttons, captions, hints, the skin from "config.ini", closing.
#include "ArvoreTeste.h"
#include "Auxiliar.h"
#include "ui/Telas.h"
#include "ui/shell/Padrao.h"
#include "core/install/Caminhos.h"
#include "ui/shell/Dicas.h"
#include "ui/shell/Menu.h"

#include <QAbstractButton>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class TstMenu : public QObject {
    Q_OBJECT

    static void escreveConfig(const QString& raiz, const QByteArray& bytes)
    {
        QFile f(Caminhos(raiz).configIni());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

private slots:
    void botoes_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QPoint>("posicao");
        QTest::addColumn<QString>("legenda");
        QTest::addColumn<QString>("dica");
        QTest::newRow("1") << 0 << QPoint(40, 200) << "JOGOS" << "Tabela de Jogos";
        QTest::newRow("2") << 1 << QPoint(40, 250) << "TIMES" << "Histórico dos Times";
        QTest::newRow("3") << 2 << QPoint(40, 300) << "CLASSIFICAÇÃO" << "Classificação";
        QTest::newRow("4") << 3 << QPoint(40, 350) << "RANKING" << "Ranking CBF";
        QTest::newRow("5") << 4 << QPoint(630, 200) << "QUIZ GAME" << "Teste os seus conhecimentos";
        QTest::newRow("6") << 5 << QPoint(630, 250) << "REGRAS" << "As Regras do Jogo";
        QTest::newRow("7") << 6 << QPoint(630, 300) << "SKINS" << "Personalize seu programa";
        QTest::newRow("8") << 7 << QPoint(630, 350) << "ATUALIZAÇÃO" << "Resultados via Internet";
    }
    void botoes()
    {
        QFETCH(int, indice);
        QFETCH(QPoint, posicao);
        QFETCH(QString, legenda);
        QFETCH(QString, dica);
        ArvoreTeste arvore;
        TfmMenu menu;
        menu.resize(1028, 753);
        QCOMPARE(menu.botoes.size(), 8);
        QAbstractButton* b = menu.findChild<QAbstractButton*>(QStringLiteral("fcImageBtn%1").arg(indice + 1));
        QVERIFY(b);
        QCOMPARE(b->text(), legenda);
        QCOMPARE(b->toolTip(), dica);
        QCOMPARE(b->geometry(), QRect(posicao, QSize(130, 48)));
    }

    void fecharETituloEFundo()
    {
        ArvoreTeste arvore;
        TfmMenu menu;
        menu.resize(1028, 753);
        QCOMPARE(menu.windowTitle(), QStringLiteral("Golazzo 2001"));
        QVERIFY(menu.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(menu.epEfButton1->geometry(), QRect(10, 10, 23, 22));
        QCOMPARE(menu.epEfButton1->toolTip(), QStringLiteral("Fechar"));
        QVERIFY(!menu.imMenu->pixmap().isNull());
        QCOMPARE(menu.imMenu->pixmap().size(), QSize(1028, 753));
        QVERIFY(!menu.edSkin->isVisible());
    }

    void skinDoConfig_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<bool>("apagar");
        QTest::addColumn<QString>("skin");
        QTest::newRow("sem config.ini") << QByteArray() << true << "Golazzo 2001";
        QTest::newRow("secao sem chaves") << QByteArray("[Skin]\r\n") << false << "Golazzo 2001";
        QTest::newRow("Santos") << QByteArray("[Skin]\r\nAtual=Santos\r\n") << false << "Santos";
        QTest::newRow("acento em windows-1252") << QByteArray("[skin]\r\natual=S\xe3o Paulo\r\n") << false << "São Paulo";
        QTest::newRow("arquivo danificado") << QByteArray("\xff\xfe\x00\x01garbage", 11) << false << "Golazzo 2001";
    }
    void skinDoConfig()
    {
        QFETCH(QByteArray, config);
        QFETCH(bool, apagar);
        QFETCH(QString, skin);
        ArvoreTeste arvore;
        if (apagar)
            QFile::remove(arvore.caminhos().configIni());
        else
            escreveConfig(arvore.raiz(), config);
        TfmMenu menu;
        QCOMPARE(menu.edSkin->text(), skin);
        QCOMPARE(menu.skinAtual(), skin);
    }

    void semFundoAvisaEContinua()
    {
        ArvoreTeste arvore;
        escreveConfig(arvore.raiz(), "[Skin]\nAtual=Vasco\n");
        QVERIFY(QFile::remove(arvore.caminhos().menu()));
        MensagensCapturadas msgs;
        TfmMenu menu;
        QCOMPARE(msgs.lista.size(), 1);
        QVERIFY(msgs.lista.first().contains(arvore.caminhos().menu()));
        QVERIFY(menu.imMenu->pixmap().isNull());
        // The skin is still read: every later screen needs it.
        QCOMPARE(menu.skinAtual(), QStringLiteral("Vasco"));
    }

    void escudosEmbutidos()
    {
        ArvoreTeste arvore;
        TfmMenu menu;
        QCOMPARE(menu.imTimes().size(), 127);
        for (int c : {0, 1, 21, 71, 122, 126})
            QCOMPARE(menu.imTime(c).size(), QSize(15, 15));
        QVERIFY(menu.imTime(127).isNull());
        QVERIFY(menu.imTime(-1).isNull());
    }

    void dicaPlana()
    {
        ArvoreTeste arvore;
        Dicas::instala();
        TfmMenu menu;
        menu.resize(1028, 753);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QWidget* b = menu.botoes[4];
        QHelpEvent ev(QEvent::ToolTip, QPoint(5, 5), b->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(b, &ev);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("Teste os seus conhecimentos"));
        QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), QColor(156, 174, 197));
        QWidget* janela = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QTipLabel") && w->isVisible())
                janela = w;
        QVERIFY(janela);
        QCOMPARE(janela->font().pixelSize(), 11);
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);
        QToolTip::hideText();
    }

    // The program's wiring: a built screen opens from its entry; an entry
    // whose screen is not built is disabled, keeps its hint and opens nothing.
    void entradasLigadas_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("classe"); // empty: not built yet
        QTest::newRow("JOGOS") << 0 << "TfJogos";
        QTest::newRow("TIMES") << 1 << "TfTimes";
        QTest::newRow("CLASSIFICAÇÃO") << 2 << "TfClassificacao";
        QTest::newRow("RANKING") << 3 << "TfRanking";
        QTest::newRow("QUIZ GAME") << 4 << "TfQuizGame";
        QTest::newRow("REGRAS") << 5 << "TfRegras";
        QTest::newRow("SKINS") << 6 << "TfSkin";
        QTest::newRow("ATUALIZAÇÃO") << 7 << "TfAtualizacao";
    }
    void entradasLigadas()
    {
        QFETCH(int, indice);
        QFETCH(QString, classe);
        ArvoreTeste arvore;
        MensagensCapturadas msgs;
        Dicas::instala();
        aux::MenuAberto m;
        m.menu.resize(1028, 753);
        aux::mostra(&m.menu);
        QAbstractButton* b = m.menu.botoes[indice];
        QCOMPARE(b->isEnabled(), !classe.isEmpty());

        // The hint shows whether or not the entry is enabled.
        const QString dica = b->toolTip();
        QVERIFY(!dica.isEmpty());
        QHelpEvent ev(QEvent::ToolTip, QPoint(5, 5), b->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(b, &ev);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), dica);
        QToolTip::hideText();

        QString vista;
        QPointer<QWidget> tela;
        // Every screen is a dialog (the team screen carries the frame without being one).
        aux::quandoAparecer(aux::modal<QDialog>(), [&](QWidget* w) {
            tela = w;
            vista = QString::fromLatin1(w->metaObject()->className());
            QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("epEfButton1")), Qt::LeftButton);
        }, classe.isEmpty() ? 300 : 5000);
        QTest::mouseClick(b, Qt::LeftButton);
        if (classe.isEmpty())
            QTest::qWait(400); // give a wrongly opened screen the time to show
        QCOMPARE(vista, classe);
        QVERIFY(tela.isNull());
        QVERIFY(msgs.lista.isEmpty());
    }

    // A disabled entry looks different from an enabled one, and an action
    // given to it enables it.
    void entradaSemTelaApareceDesabilitada()
    {
        ArvoreTeste arvore;
        TfmMenu menu;
        menu.resize(1028, 753);
        aux::mostra(&menu);
        QAbstractButton* b = menu.botoes[TfmMenu::Ranking];
        QVERIFY(!b->isEnabled());
        const QImage desabilitado = b->grab().toImage();
        int vezes = 0;
        menu.defineAcao(TfmMenu::Ranking, [&](QWidget* m) {
            QCOMPARE(m, &menu);
            ++vezes;
        });
        QVERIFY(b->isEnabled());
        QVERIFY(b->grab().toImage() != desabilitado);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(vezes, 1);
    }

    void fecharEncerraOPrograma()
    {
        ArvoreTeste arvore;
        auto* menu = new TfmMenu;
        fmMenu = menu;
        menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QTimer::singleShot(0, menu, [menu] { QTest::mouseClick(menu->epEfButton1, Qt::LeftButton); });
        QTimer guarda;
        guarda.setSingleShot(true);
        bool estourou = false;
        connect(&guarda, &QTimer::timeout, [&] { estourou = true; QCoreApplication::exit(1); });
        guarda.start(5000);
        const int rc = QCoreApplication::exec();
        QVERIFY(!estourou);
        QCOMPARE(rc, 0);
        QVERIFY(!menu->isVisible());
        delete menu;
        QVERIFY(fmMenu == nullptr);
    }
};

QTEST_MAIN(TstMenu)
#include "tst_menu.moc"
