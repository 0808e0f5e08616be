// Screens opened from the menu over a damaged install tree: every problem is
// reported in Portuguese, the screen still opens and closes, nothing crashes
// and nothing stored changes.
#include "../shell/Auxiliar.h"

#include "ArvoreTeste.h"
#include "core/data/Banco.h"
#include "ui/screens/pClassificacao.h"
#include "ui/screens/pJogos.h"
#include "ui/shell/Menu.h"

#include <QAbstractButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

namespace {

enum class Dano { SemBanco, BancoDanificado, SemSkin, SemSlot };

void danifica(const ArvoreTeste& arvore, Dano dano)
{
    const Caminhos c = arvore.caminhos();
    switch (dano) {
    case Dano::SemBanco:
        QVERIFY(QFile::remove(c.banco()));
        break;
    case Dano::BancoDanificado: {
        QFile f(c.banco());
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.seek(100);
        f.write(QByteArray(8192, '\x5a'));
        break;
    }
    case Dano::SemSkin:
        QVERIFY(QFile::remove(c.skin(QStringLiteral("Golazzo 2001"))));
        break;
    case Dano::SemSlot:
        QVERIFY(QFile::remove(c.slotImagem(3, true)));
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Dano)

class TstRobustez : public QObject {
    Q_OBJECT

private slots:
    void abreTelas_data()
    {
        QTest::addColumn<Dano>("dano");
        QTest::addColumn<int>("botao");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("jogos sem banco") << Dano::SemBanco << 0 << "não foi encontrado";
        QTest::newRow("classificacao sem banco") << Dano::SemBanco << 2 << "não foi encontrado";
        QTest::newRow("jogos banco danificado") << Dano::BancoDanificado << 0 << "danificado";
        QTest::newRow("classificacao banco danificado") << Dano::BancoDanificado << 2 << "danificado";
        QTest::newRow("jogos sem skin") << Dano::SemSkin << 0 << "Golazzo 2001.bmp";
        QTest::newRow("classificacao sem figura de slot") << Dano::SemSlot << 2 << "1.bmp";
    }
    void abreTelas()
    {
        QFETCH(Dano, dano);
        QFETCH(int, botao);
        QFETCH(QString, mensagem);
        ArvoreTeste arvore;
        danifica(arvore, dano);
        MensagensCapturadas msgs;
        aux::MenuAberto menu;
        aux::mostra(&menu.menu);
        bool abriu = false;
        aux::quandoAparecer(aux::modal<TfmPadrao>(), [&](QWidget* w) {
            abriu = true;
            QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("epEfButton1")), Qt::LeftButton);
        });
        QTest::mouseClick(menu.menu.botoes[botao], Qt::LeftButton);
        QVERIFY(abriu);
        QVERIFY(!msgs.lista.isEmpty());
        QVERIFY2(msgs.lista.join('\n').contains(mensagem), qPrintable(msgs.lista.join('\n')));
        QVERIFY(!fJogos);
        QVERIFY(!fClassificacao);
        Banco::fechaPrincipal();
        if (dano == Dano::SemBanco)
            QVERIFY(!QFile::exists(arvore.caminhos().banco())); // nothing is created in its place
    }
};

QTEST_MAIN(TstRobustez)
#include "tst_robustez.moc"
