// The screen frame: skin strip colour, sponsor slots, activation rules,
// opening and closing screens.
#include "Auxiliar.h"

#include "ArvoreTeste.h"
#include "ui/shell/Abertura.h"
#include "ui/shell/Mensagens.h"
#include "ui/shell/Menu.h"
#include "ui/shell/Padrao.h"
#include "ui/shell/VisorHtml.h"
#include "ui/shell/pPatrocinio.h"

#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

namespace {

using aux::MenuAberto;
using aux::PatrocinioAberto;
using aux::figura;
using aux::mostra;

// A framed screen that counts its own activation steps.
class TelaTeste : public TfmPadrao {
public:
    explicit TelaTeste(QWidget* parent = nullptr)
        : TfmPadrao(parent)
    {
        setCaption(QStringLiteral(" TESTE"));
    }
    int ativacoes = 0;

protected:
    void ativacao() override { ++ativacoes; }
};

// A framed screen whose own activation step fails on a picture it cannot read.
class TelaComPassoFalho : public TelaTeste {
public:
    QString arquivo;

protected:
    void ativacao() override
    {
        TelaTeste::ativacao();
        carregaImagem(arquivo);
    }
};

// The hint the user gets when resting the pointer on a widget (empty: none).
QString dica(QWidget* w)
{
    QToolTip::hideText(); // hides after a short delay
    QElapsedTimer espera;
    espera.start();
    while (QToolTip::isVisible() && espera.elapsed() < 3000)
        QTest::qWait(20);
    QHelpEvent ev(QEvent::ToolTip, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(w, &ev);
    const QString t = QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::hideText();
    return t;
}

// Opens a child screen from the screen and closes it again with its close button.
void abreEFechaFilho(QWidget* tela)
{
    TelaTeste* filho = nullptr;
    aux::quandoAparecer(aux::modal<TfmPadrao>(), [](QWidget* w) {
        QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("epEfButton1")), Qt::LeftButton);
    });
    abreTela(filho, tela);
    QTRY_VERIFY(QApplication::activeWindow() == tela->window());
    QApplication::processEvents();
}

QImage faixa(QWidget* tela)
{
    return tela->findChild<QWidget*>(QStringLiteral("pnCaption"))->grab().toImage();
}

} // namespace

class TstPadrao : public QObject {
    Q_OBJECT
private slots:
    void init() { QToolTip::hideText(); }

    void corDaFaixa_data();
    void corDaFaixa();
    void slotsLigadosEDesligados();
    void cliqueNoSlotAbrePatrocinio_data();
    void cliqueNoSlotAbrePatrocinio();
    void slotDesligadoIgnoraClique();
    void configEditadaValeNaProximaAtivacao();
    void figuraAusenteParaAtivacao_data();
    void figuraAusenteParaAtivacao();
    void figuraAusenteNaReativacaoMantemSlots();
    void mensagemDeErroNaoReativa();
    void erroNoPassoDaTelaEhReportado();
    void trocaDeAplicativoNaoAtiva();
    void voltaDaOutraTelaAposTrocaDeAplicativo();
    void abreTelaLiberaAoFechar();
    void escapeEEnterNaoFecham();
    void molduraNoTamanhoDeDesenho();
};

void TstPadrao::corDaFaixa_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<QColor>("cor");
    QTest::newRow("padrão") << "Golazzo 2001" << QColor(0, 0, 255);
    QTest::newRow("Santos") << "Santos" << QColor(0, 0, 0);
    QTest::newRow("Juventude") << "Juventude" << QColor(0, 128, 0);
    QTest::newRow("São Paulo") << "São Paulo" << QColor(255, 0, 0);
    QTest::newRow("santos minúsculo") << "santos" << QColor(0, 0, 255);
}

void TstPadrao::corDaFaixa()
{
    QFETCH(QString, skin);
    QFETCH(QColor, cor);
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    const QColor corBadge(12, 34, 56);
    aux::pinta(Caminhos::atual().skin(skin), corBadge, QSize(81, 81));
    MenuAberto m;
    m.menu.defineSkin(skin);

    TelaTeste tela;
    mostra(&tela);
    QCOMPARE(msgs.lista, QStringList());
    QCOMPARE(tela.corCaption(), cor);
    const QImage img = faixa(&tela);
    QCOMPARE(img.pixelColor(1, img.height() - 1), cor);        // end of the gradient
    QCOMPARE(img.pixelColor(21, 0), QColor(216, 216, 216));    // its start, at the top
    QCOMPARE(aux::corVista(tela.findChild<QLabel*>(QStringLiteral("imSkin"))), corBadge);
}

void TstPadrao::slotsLigadosEDesligados()
{
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    aux::figurasDeSlot();
    aux::slot(1, "S", "Patrocinador um");
    aux::slot(2, "N", "Dica escondida");
    aux::slot(3, "s", "Minúsculo não liga");
    aux::slot(4, QString());          // section without keys
    QFile::remove(Caminhos::atual().slotConfig(5)); // no settings file: off, no hint
    aux::slot(6, "S", "Seis");

    TelaTeste tela;
    mostra(&tela);
    QCOMPARE(msgs.lista, QStringList());
    const bool ligado[] = {true, false, false, false, false, true};
    const QString dicas[] = {"Patrocinador um", "", "", "", "", "Seis"};
    for (int n = 1; n <= 6; ++n) {
        QLabel* f = figura(&tela, n);
        QCOMPARE(aux::corVista(f), ligado[n - 1] ? aux::corLigado(n) : aux::corDesligado(n));
        QCOMPARE(dica(f), dicas[n - 1]);
    }
    QCOMPARE(tela.ativacoes, 1);
}

void TstPadrao::cliqueNoSlotAbrePatrocinio_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QString>("caption");
    QTest::newRow("slot 2") << 2 << "Cerveja Gelada" << " Cerveja Gelada";
    QTest::newRow("slot 6") << 6 << "Banco Seis" << " Banco Seis";
    QTest::newRow("sem título") << 3 << "" << " ";
}

void TstPadrao::cliqueNoSlotAbrePatrocinio()
{
    QFETCH(int, slot);
    QFETCH(QString, titulo);
    QFETCH(QString, caption);
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    aux::figurasDeSlot();
    aux::slot(slot, "S", "Clique aqui", titulo);
    aux::escreve(Caminhos::atual().slotPagina(slot),
                 QStringLiteral("<html><body><p>Página do patrocinador %1</p></body></html>").arg(slot).toUtf8());
    PatrocinioAberto p;

    TelaTeste tela;
    mostra(&tela);
    QString captionVista, textoVisto;
    aux::quandoAparecer(aux::modal<TfPatrocinio>(), [&](QWidget* w) {
        auto* pat = static_cast<TfPatrocinio*>(w);
        captionVista = pat->caption();
        textoVisto = pat->wbPatrocinio->toPlainText();
        QTest::mouseClick(pat->findChild<QToolButton*>(QStringLiteral("epEfButton1")), Qt::LeftButton);
    });
    QTest::mouseClick(figura(&tela, slot), Qt::LeftButton, {}, QPoint(10, 10));

    QCOMPARE(captionVista, caption);
    QVERIFY2(textoVisto.contains(QStringLiteral("Página do patrocinador %1").arg(slot)), qPrintable(textoVisto));
    QVERIFY(fPatrocinio);             // hidden, not freed
    QVERIFY(fPatrocinio->isHidden());
    QTRY_VERIFY(QApplication::activeWindow() == &tela);
    QCOMPARE(msgs.lista, QStringList());
}

void TstPadrao::slotDesligadoIgnoraClique()
{
    ArvoreTeste arvore;
    aux::figurasDeSlot();
    aux::slot(2, "N", "Tem dica", "Título");
    PatrocinioAberto p;
    TelaTeste tela;
    mostra(&tela);
    bool abriu = false;
    aux::quandoAparecer(aux::modal<TfPatrocinio>(), [&](QWidget* w) { abriu = true; w->close(); }, 300);
    QTest::mouseClick(figura(&tela, 2), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::qWait(400);
    QVERIFY(!abriu);
    QCOMPARE(fPatrocinio->caption(), QStringLiteral(" CLASSIFICAÇÃO"));
}

void TstPadrao::configEditadaValeNaProximaAtivacao()
{
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    aux::figurasDeSlot();
    aux::slot(4, "N");
    TelaTeste tela;
    mostra(&tela);
    QCOMPARE(aux::corVista(figura(&tela, 4)), aux::corDesligado(4));

    aux::slot(4, "S", "Agora ligado");
    QApplication::processEvents();
    QCOMPARE(aux::corVista(figura(&tela, 4)), aux::corDesligado(4)); // not before the next activation
    QCOMPARE(dica(figura(&tela, 4)), QString());

    abreEFechaFilho(&tela);
    QCOMPARE(tela.ativacoes, 2);
    QCOMPARE(aux::corVista(figura(&tela, 4)), aux::corLigado(4));
    QCOMPARE(dica(figura(&tela, 4)), QStringLiteral("Agora ligado"));
    QCOMPARE(msgs.lista, QStringList());
}

void TstPadrao::figuraAusenteParaAtivacao_data()
{
    QTest::addColumn<QString>("ausente");
    QTest::addColumn<int>("slotsCarregados"); // slots 1..n got their pictures
    QTest::addColumn<bool>("bordaA");
    QTest::addColumn<bool>("badge");
    const Caminhos& c = Caminhos::atual();
    Q_UNUSED(c);
    QTest::newRow("BordaA") << "bordaA" << 0 << false << false;
    QTest::newRow("skin") << "skin" << 0 << true << false;
    QTest::newRow("slot 3 desligado") << "slot3" << 2 << true << true;
    QTest::newRow("slot 6 ligado") << "slot6" << 5 << true << true;
}

void TstPadrao::figuraAusenteParaAtivacao()
{
    QFETCH(QString, ausente);
    QFETCH(int, slotsCarregados);
    QFETCH(bool, bordaA);
    QFETCH(bool, badge);
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    const Caminhos& c = Caminhos::atual();
    aux::figurasDeSlot();
    aux::slot(3, "N");
    aux::slot(6, "S");
    const QString arquivo = ausente == "bordaA" ? c.bordaA()
        : ausente == "skin"                     ? c.skin(QStringLiteral("Golazzo 2001"))
        : ausente == "slot3"                    ? c.slotImagem(3, false)
                                                : c.slotImagem(6, true);
    QVERIFY(QFile::remove(arquivo));

    TelaTeste tela;
    mostra(&tela);
    QCOMPARE(msgs.lista.size(), 1);
    QVERIFY2(msgs.lista.first().contains(arquivo), qPrintable(msgs.lista.first()));
    QCOMPARE(tela.ativacoes, 0); // the screen's own steps did not run
    QCOMPARE(!tela.findChild<QLabel*>(QStringLiteral("Image5"))->pixmap().isNull(), bordaA);
    QCOMPARE(!tela.findChild<QLabel*>(QStringLiteral("imSkin"))->pixmap().isNull(), badge);
    for (int n = 1; n <= 5; ++n)
        QCOMPARE(!figura(&tela, n)->pixmap().isNull(), n <= slotsCarregados);
    // Slot 6 shows BordaC until its own picture replaces it.
    if (slotsCarregados >= 5)
        QVERIFY(!figura(&tela, 6)->pixmap().isNull());
}

void TstPadrao::figuraAusenteNaReativacaoMantemSlots()
{
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    aux::figurasDeSlot();
    aux::slot(3, "N");
    aux::slot(5, "N");
    TelaTeste tela;
    mostra(&tela);
    QCOMPARE(tela.ativacoes, 1);

    QFile::remove(Caminhos::atual().slotImagem(3, false));
    aux::slot(5, "S", "Mudou");
    // A plain window of the program opened and closed (not a framed one, whose
    // own activation would report the same missing picture).
    QDialog* outra = nullptr;
    aux::quandoAparecer(aux::modal<QDialog>(), [](QWidget* w) { w->close(); });
    abreTela(outra, &tela);
    QTRY_VERIFY(QApplication::activeWindow() == &tela);
    QApplication::processEvents();

    QCOMPARE(msgs.lista.size(), 1);
    QVERIFY(msgs.lista.first().contains(Caminhos::atual().slotImagem(3, false)));
    QCOMPARE(tela.ativacoes, 1);
    QCOMPARE(aux::corVista(figura(&tela, 3)), aux::corDesligado(3)); // kept from before
    QCOMPARE(aux::corVista(figura(&tela, 5)), aux::corDesligado(5)); // not reached
    QCOMPARE(dica(figura(&tela, 5)), QString());
}

void TstPadrao::mensagemDeErroNaoReativa()
{
    // The real message box: closing it gives the focus back to the screen,
    // which must not run its activation (and report the error) again.
    Erros::usaCaixaDeMensagem();
    ArvoreTeste arvore;
    QVERIFY(QFile::remove(Caminhos::atual().bordaA()));
    int caixas = 0;
    QTimer fecha;
    fecha.setInterval(50);
    connect(&fecha, &QTimer::timeout, [&] {
        if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++caixas;
            m->accept();
        }
    });
    fecha.start();
    TelaTeste tela;
    tela.show();
    QTRY_COMPARE(caixas, 1);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    // The window manager hands the focus back to the screen.
    tela.activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &tela);
    QTest::qWait(500);
    fecha.stop();
    QCOMPARE(caixas, 1);
    QCOMPARE(tela.ativacoes, 0);
}

void TstPadrao::erroNoPassoDaTelaEhReportado()
{
    // An error the screen's own steps do not catch is reported; the screen stays
    // open and its next activation runs again.
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    TelaComPassoFalho tela;
    tela.arquivo = arvore.raiz() + QStringLiteral("/Imagens/Falta.bmp");
    mostra(&tela);
    QTRY_COMPARE(msgs.lista.size(), 1);
    QVERIFY2(msgs.lista.first().contains(tela.arquivo), qPrintable(msgs.lista.first()));
    QCOMPARE(tela.ativacoes, 1);
    QVERIFY(tela.isVisible());

    abreEFechaFilho(&tela);
    QTRY_COMPARE(msgs.lista.size(), 2);
    QCOMPARE(tela.ativacoes, 2);
    QVERIFY(tela.isVisible());
}

void TstPadrao::trocaDeAplicativoNaoAtiva()
{
    ArvoreTeste arvore;
    aux::figurasDeSlot();
    aux::slot(1, "N");
    TelaTeste tela;
    mostra(&tela);
    QCOMPARE(tela.ativacoes, 1);
    aux::slot(1, "S");

    // What the platform sends when the user switches to another application and back.
    QApplication::setActiveWindow(nullptr);
    QApplication::processEvents();
    QVERIFY(!tela.isActiveWindow());
    QApplication::setActiveWindow(&tela);
    QApplication::processEvents();
    QVERIFY(tela.isActiveWindow());

    QCOMPARE(tela.ativacoes, 1);
    QCOMPARE(aux::corVista(figura(&tela, 1)), aux::corDesligado(1));

    abreEFechaFilho(&tela);
    QCOMPARE(tela.ativacoes, 2);
    QCOMPARE(aux::corVista(figura(&tela, 1)), aux::corLigado(1));
}

void TstPadrao::voltaDaOutraTelaAposTrocaDeAplicativo()
{
    // Menu -> screen -> child screen; the user leaves the program while the
    // child is open and comes back; closing the child still activates the screen.
    ArvoreTeste arvore;
    TelaTeste tela;
    mostra(&tela);
    TelaTeste* filho = nullptr;
    int ativacoesFilho = -1;
    aux::quandoAparecer(aux::modal<TfmPadrao>(), [&](QWidget* w) {
        QApplication::setActiveWindow(nullptr);
        QApplication::processEvents();
        QApplication::setActiveWindow(w);
        QApplication::processEvents();
        ativacoesFilho = static_cast<TelaTeste*>(w)->ativacoes;
        w->close();
    });
    abreTela(filho, &tela);
    QTRY_VERIFY(QApplication::activeWindow() == &tela);
    QApplication::processEvents();
    QCOMPARE(ativacoesFilho, 1);
    QCOMPARE(tela.ativacoes, 2);
}

void TstPadrao::abreTelaLiberaAoFechar()
{
    ArvoreTeste arvore;
    TelaTeste* ref = nullptr;
    QPointer<TfmPadrao> vista;
    bool eraModal = false, maximizada = false, semBorda = false;
    aux::quandoAparecer(aux::modal<TfmPadrao>(), [&](QWidget* w) {
        vista = static_cast<TfmPadrao*>(w);
        eraModal = w->isModal() && ref == w;
        maximizada = w->windowState() & Qt::WindowMaximized;
        semBorda = w->windowFlags() & Qt::FramelessWindowHint;
        QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("epEfButton1")), Qt::LeftButton);
    });
    abreTela(ref, nullptr);
    QVERIFY(eraModal);
    QVERIFY(maximizada);
    QVERIFY(semBorda);
    QVERIFY(ref == nullptr);
    QVERIFY(vista.isNull()); // freed
}

void TstPadrao::escapeEEnterNaoFecham()
{
    ArvoreTeste arvore;
    TelaTeste tela;
    mostra(&tela);
    QTest::keyClick(&tela, Qt::Key_Escape);
    QTest::keyClick(&tela, Qt::Key_Return);
    QApplication::processEvents();
    QVERIFY(tela.isVisible());
}

void TstPadrao::molduraNoTamanhoDeDesenho()
{
    ArvoreTeste arvore;
    TelaTeste tela; // built at the design size
    mostra(&tela);
    QCOMPARE(tela.size(), QSize(1028, 753));
    const QRect centro(tela.centro()->mapTo(&tela, QPoint(0, 0)), tela.centro()->size());
    QCOMPARE(centro, QRect(118, 23, 880, 707));
    auto pos = [&](const char* nome) {
        QWidget* w = tela.findChild<QWidget*>(QLatin1String(nome));
        return QRect(w->mapTo(&tela, QPoint(0, 0)), w->size());
    };
    QCOMPARE(pos("Image5"), QRect(0, 0, 118, 96));
    QCOMPARE(pos("imSkin"), QRect(7, 9, 81, 81));
    QCOMPARE(pos("Image10"), QRect(0, 753 - 123, 118, 123));
    QCOMPARE(pos("pnCaption"), QRect(5, 96, 22, 753 - 96 - 123));
    QCOMPARE(pos("im1"), QRect(30, 96, 60, 40));
    QCOMPARE(pos("im5"), QRect(30, 96 + 176, 60, 40));
    QCOMPARE(pos("Panel7"), QRect(998, 0, 30, 753));
    QCOMPARE(pos("epEfButton1").topLeft(), QPoint(5, 96));
    QCOMPARE(dica(tela.findChild<QWidget*>(QStringLiteral("epEfButton1"))), QStringLiteral("Fechar"));
    // The caption sits at the strip's bottom.
    QCOMPARE(pos("LMDLabelFill1").bottom(), 753 - 123 - 1);
}

QTEST_MAIN(TstPadrao)
#include "tst_padrao.moc"
