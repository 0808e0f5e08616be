// Portuguese throughout: the locale, Qt's own texts (calendar, standard
// buttons, file dialog) and the program's message boxes.
#include "ui/shell/Mensagens.h"
#include "ui/shell/Idioma.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class TstIdioma : public QObject {
    Q_OBJECT

    // Shows a message through fn and returns the box as the user saw it, closing it.
    static QStringList caixaVista(const std::function<void()>& fn)
    {
        QStringList visto;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
            auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QAbstractButton* ok = m->button(QMessageBox::Ok);
            visto << m->windowTitle() << m->text() << (ok ? ok->text() : QString());
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        fn();
        return visto;
    }

private slots:
    void initTestCase() { QVERIFY2(Idioma::instala(), "traduções do Qt em português não encontradas"); }

    void localeBrasileiro()
    {
        const QLocale l;
        QCOMPARE(l.name(), QStringLiteral("pt_BR"));
        QCOMPARE(l.dateFormat(QLocale::ShortFormat), QStringLiteral("dd/MM/yyyy"));
        QCOMPARE(l.toString(QDate(2001, 8, 1), QLocale::ShortFormat), QStringLiteral("01/08/2001"));
        QCOMPARE(l.toString(1.5, 'f', 1), QStringLiteral("1,5"));
        QCOMPARE(l.decimalPoint(), QStringLiteral(","));
        // Called again, it changes nothing.
        QVERIFY(Idioma::instala());
        QCOMPARE(QLocale().name(), QStringLiteral("pt_BR"));
    }

    void calendarioEmPortugues()
    {
        QCalendarWidget cal;
        cal.setSelectedDate(QDate(2001, 8, 1));
        cal.show();
        auto* mes = cal.findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
        QVERIFY(mes);
        QCOMPARE(mes->text().toLower(), QStringLiteral("agosto"));
        QVERIFY(!mes->text().contains(QStringLiteral("August")));
        // The month menu lists Portuguese names too.
        QVERIFY(mes->menu());
        QStringList meses;
        for (QAction* a : mes->menu()->actions())
            meses << a->text().toLower();
        QVERIFY2(meses.contains(QStringLiteral("março")), qPrintable(meses.join(',')));
    }

    void botoesPadraoEmPortugues()
    {
        QDialogButtonBox caixa(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes
                               | QDialogButtonBox::No | QDialogButtonBox::Open);
        auto texto = [&](QDialogButtonBox::StandardButton b) { return caixa.button(b)->text().remove(u'&'); };
        QCOMPARE(texto(QDialogButtonBox::Cancel), QStringLiteral("Cancelar"));
        QCOMPARE(texto(QDialogButtonBox::Yes), QStringLiteral("Sim"));
        QCOMPARE(texto(QDialogButtonBox::No), QStringLiteral("Não"));
        QCOMPARE(texto(QDialogButtonBox::Open), QStringLiteral("Abrir"));
    }

    // The file dialog the reports will use (Qt's own, not the desktop's).
    void dialogoDeArquivoEmPortugues()
    {
        QFileDialog d(nullptr, QString(), QDir::tempPath());
        d.setOption(QFileDialog::DontUseNativeDialog);
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.show();
        QStringList textos;
        for (QLabel* l : d.findChildren<QLabel*>())
            textos << l->text().remove(u'&');
        for (QPushButton* b : d.findChildren<QPushButton*>())
            textos << b->text().remove(u'&');
        QVERIFY2(textos.contains(QStringLiteral("Cancelar")), qPrintable(textos.join('|')));
        QVERIFY2(textos.contains(QStringLiteral("Salvar")), qPrintable(textos.join('|')));
        QVERIFY2(!textos.contains(QStringLiteral("Cancel")), qPrintable(textos.join('|')));
    }

    // The program's message boxes carry its title, "Golazzo 2001".
    void caixasComOTituloDoPrograma_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::newRow("erro (reporta)") << -1;
        QTest::newRow("mensagem simples") << int(Erros::Tipo::Simples);
        QTest::newRow("informação") << int(Erros::Tipo::Informacao);
    }

    void caixasComOTituloDoPrograma()
    {
        QFETCH(int, tipo);
        const QString texto = QStringLiteral("Selecione outro Time.");
        Erros::usaCaixaDeMensagem();
        const QStringList visto = caixaVista([&] {
            if (tipo < 0)
                Erros::reporta(texto);
            else
                Erros::mensagem(texto, Erros::Tipo(tipo));
        });
        QCOMPARE(visto, (QStringList{QStringLiteral("Golazzo 2001"), texto, QStringLiteral("OK")}));
    }
};

QTEST_MAIN(TstIdioma)
#include "tst_idioma.moc"
