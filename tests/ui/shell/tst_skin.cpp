// The skins screen: the list, the preview, "Seleciona" and the link.
#include "Auxiliar.h"

#include "ArvoreTeste.h"
#include "ui/shell/Abertura.h"
#include "ui/shell/Botoes.h"
#include "ui/shell/Menu.h"
#include "ui/shell/Padrao.h"
#include "ui/shell/pSkin.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QToolButton>
#include <QtTest>

namespace {

using aux::MenuAberto;
using aux::mostra;

QStringList itens(QListWidget* l)
{
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->text();
    return r;
}

QString selecionado(QListWidget* l)
{
    const auto sel = l->selectedItems();
    return sel.isEmpty() ? QString() : sel.first()->text();
}

void clica(QListWidget* l, const QString& nome)
{
    const auto achados = l->findItems(nome, Qt::MatchExactly);
    QVERIFY(!achados.isEmpty());
    l->scrollToItem(achados.first());
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(achados.first()).center());
}

QColor corDaFaixa(QWidget* tela)
{
    const QImage img = tela->findChild<QWidget*>(QStringLiteral("pnCaption"))->grab().toImage();
    return img.pixelColor(1, img.height() - 1);
}

QColor corDoBadge(QWidget* tela)
{
    return aux::corVista(tela->findChild<QLabel*>(QStringLiteral("imSkin")));
}

QByteArray conteudo(const QString& arquivo)
{
    QFile f(arquivo);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// Skin badges of known colours in the fixed skins folder.
QColor corDe(const QString& skin)
{
    const uint h = qHash(skin);
    return QColor(40 + h % 150, 40 + (h / 7) % 150, 40 + (h / 49) % 150);
}

void badge(const QString& skin)
{
    aux::pinta(Caminhos::atual().skin(skin), corDe(skin), QSize(81, 81));
}

} // namespace

// Receives the addresses handed to the user's browser.
class Navegador : public QObject {
    Q_OBJECT
public:
    Navegador() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "abre"); }
    ~Navegador() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
    QList<QUrl> abertos;
public slots:
    void abre(const QUrl& url) { abertos << url; }
};

class TstSkin : public QObject {
    Q_OBJECT
private slots:
    void lista_data();
    void lista();
    void selecaoInicial_data();
    void selecaoInicial();
    void previaSoNestaTela();
    void previaComFiguraAusente();
    void selecionaGravaEProximaTelaMostra();
    void selecionaSemEntradaNaoGrava_data();
    void selecionaSemEntradaNaoGrava();
    void falhaAoGravarMantemTelaAberta();
    void ativacaoVoltaAoSkinAtual();
    void linkAbreNavegador();
    void referenciaSaiComODono();
};

void TstSkin::lista_data()
{
    QTest::addColumn<QStringList>("arquivos");
    QTest::addColumn<QStringList>("esperado");
    QTest::newRow("três skins") << QStringList{"Vasco.bmp", "Golazzo 2001.bmp", "Santos.bmp"}
                                << QStringList{"Golazzo 2001", "Santos", "Vasco"};
    QTest::newRow("vazia") << QStringList{} << QStringList{};
    QTest::newRow("só outros arquivos") << QStringList{"leiame.txt", "Santos.jpg"} << QStringList{};
    QTest::newRow("acentos e caixa") << QStringList{"Sport.bmp", "São Paulo.bmp", "Santos.bmp", "atlético-MG.bmp"}
                                     << QStringList{"atlético-MG", "Santos", "São Paulo", "Sport"};
    // Only the first lower-case ".bmp" is removed.
    QTest::newRow("extensão") << QStringList{"Maiusculo.BMP", "duplo.bmp.bmp"}
                              << QStringList{"duplo.bmp", "Maiusculo.BMP"};
}

void TstSkin::lista()
{
    QFETCH(QStringList, arquivos);
    QFETCH(QStringList, esperado);
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    const QString pasta = arvore.raiz() + QStringLiteral("/OutrosSkins");
    QDir().mkpath(pasta);
    for (const QString& a : arquivos)
        aux::pinta(pasta + QLatin1Char('/') + a, Qt::gray);
    QVERIFY(Ini::grava(Caminhos::atual().configIni(), "Skin", "Diretorio", QDir::toNativeSeparators(pasta)));

    TfSkin tela;
    QCOMPARE(itens(tela.lbSkins), esperado);
}

void TstSkin::selecaoInicial_data()
{
    QTest::addColumn<QString>("atual"); // null: key absent
    QTest::addColumn<QString>("esperado");
    QTest::newRow("sem Atual") << QString() << "Golazzo 2001";
    QTest::newRow("Vasco") << "Vasco" << "Vasco";
    QTest::newRow("sem distinção de caixa") << "SANTOS" << "Santos";
    QTest::newRow("não listado") << "Inexistente" << "";
}

void TstSkin::selecaoInicial()
{
    QFETCH(QString, atual);
    QFETCH(QString, esperado);
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    const QString pasta = arvore.raiz() + QStringLiteral("/OutrosSkins");
    for (const char* a : {"Vasco.bmp", "Golazzo 2001.bmp", "Santos.bmp"})
        aux::pinta(pasta + QLatin1Char('/') + QLatin1String(a), Qt::gray);
    QByteArray ini = "[Skin]\r\nDiretorio=" + QDir::toNativeSeparators(pasta).toUtf8() + "\r\n";
    if (!atual.isNull())
        ini += "Atual=" + atual.toUtf8() + "\r\n";
    aux::escreve(Caminhos::atual().configIni(), ini);

    TfSkin tela;
    QCOMPARE(selecionado(tela.lbSkins), esperado);
    QCOMPARE(tela.DFWAOLButton1->isEnabled(), !esperado.isEmpty());
    QCOMPARE(msgs.lista, QStringList());
}

void TstSkin::previaSoNestaTela()
{
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    for (const char* s : {"Golazzo 2001", "Santos", "Juventude"})
        badge(QLatin1String(s));
    MenuAberto m;
    const QByteArray configAntes = conteudo(Caminhos::atual().configIni());
    {
        TfSkin tela;
        mostra(&tela);
        QCOMPARE(corDoBadge(&tela), corDe("Golazzo 2001"));
        QCOMPARE(corDaFaixa(&tela), QColor(0, 0, 255));

        clica(tela.lbSkins, "Santos");
        QCOMPARE(corDoBadge(&tela), corDe("Santos"));
        QCOMPARE(corDaFaixa(&tela), QColor(0, 0, 0));
        QCOMPARE(m.menu.skinAtual(), QStringLiteral("Golazzo 2001"));

        QTest::keyClick(tela.lbSkins, Qt::Key_Up); // moving with the keyboard previews too
        QCOMPARE(selecionado(tela.lbSkins), QStringLiteral("Santa Cruz"));
        QCOMPARE(corDaFaixa(&tela), QColor(255, 0, 0));

        // A press dragged onto another entry previews the entry where it ends.
        auto centro = [&](const char* nome) {
            return tela.lbSkins->visualItemRect(tela.lbSkins->findItems(QLatin1String(nome), Qt::MatchExactly).first()).center();
        };
        QWidget* vp = tela.lbSkins->viewport();
        QTest::mousePress(vp, Qt::LeftButton, {}, centro("Juventude"));
        QTest::mouseMove(vp, centro("Santos"));
        QTest::mouseRelease(vp, Qt::LeftButton, {}, centro("Santos"));
        QCOMPARE(selecionado(tela.lbSkins), QStringLiteral("Santos"));
        QCOMPARE(corDoBadge(&tela), corDe("Santos"));
        QCOMPARE(corDaFaixa(&tela), QColor(0, 0, 0));
        QTest::mouseClick(tela.findChild<QToolButton*>(QStringLiteral("epEfButton1")), Qt::LeftButton);
        QVERIFY(!tela.isVisible());
    }
    QCOMPARE(m.menu.skinAtual(), QStringLiteral("Golazzo 2001"));
    QCOMPARE(conteudo(Caminhos::atual().configIni()), configAntes);

    // Any other screen keeps the current skin.
    TfmPadrao outra;
    mostra(&outra);
    QCOMPARE(corDoBadge(&outra), corDe("Golazzo 2001"));
    QCOMPARE(corDaFaixa(&outra), QColor(0, 0, 255));
    QCOMPARE(msgs.lista, QStringList());
}

void TstSkin::previaComFiguraAusente()
{
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    badge("Golazzo 2001");
    // The listed folder has a skin that the fixed skins folder lacks.
    const QString pasta = arvore.raiz() + QStringLiteral("/OutrosSkins");
    for (const char* a : {"Golazzo 2001.bmp", "Fantasma.bmp"})
        aux::pinta(pasta + QLatin1Char('/') + QLatin1String(a), Qt::gray);
    Ini::grava(Caminhos::atual().configIni(), "Skin", "Diretorio", QDir::toNativeSeparators(pasta));
    TfSkin tela;
    mostra(&tela);
    clica(tela.lbSkins, "Fantasma");
    QCOMPARE(msgs.lista.size(), 1);
    QVERIFY(msgs.lista.first().contains(Caminhos::atual().skin("Fantasma")));
    QCOMPARE(corDoBadge(&tela), corDe("Golazzo 2001"));
    QCOMPARE(corDaFaixa(&tela), QColor(0, 0, 255));
}

void TstSkin::selecionaGravaEProximaTelaMostra()
{
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    badge("Vasco");
    // Other lines of the settings file stay as they were.
    const QString ini = Caminhos::atual().configIni();
    const QByteArray antes = "; comentário\r\n[Skin]\r\nAtual=Golazzo 2001\r\nDiretorio="
        + Caminhos::atual().pastaSkins().toUtf8() + "\r\n\r\n[Outra]\r\nChave=valor\r\n";
    aux::escreve(ini, antes);
    MenuAberto m;

    TfSkin* tela = nullptr;
    aux::quandoAparecer(aux::modal<TfSkin>(), [&](QWidget* w) {
        auto* s = static_cast<TfSkin*>(w);
        clica(s->lbSkins, "Vasco");
        QTest::mouseClick(s->DFWAOLButton1, Qt::LeftButton);
    });
    abreTela(tela, &m.menu);
    QVERIFY(tela == nullptr);

    QCOMPARE(m.menu.skinAtual(), QStringLiteral("Vasco"));
    QByteArray esperado = antes;
    esperado.replace("Atual=Golazzo 2001", "Atual=Vasco");
    QCOMPARE(conteudo(ini), esperado);

    TfmPadrao proxima;
    mostra(&proxima);
    QCOMPARE(corDoBadge(&proxima), corDe("Vasco"));
    QCOMPARE(corDaFaixa(&proxima), QColor(0, 0, 0));

    // The next opening (and the next program start) selects it again.
    TfSkin outra;
    QCOMPARE(selecionado(outra.lbSkins), QStringLiteral("Vasco"));
    QCOMPARE(msgs.lista, QStringList());
}

void TstSkin::selecionaSemEntradaNaoGrava_data()
{
    QTest::addColumn<bool>("pastaVazia");
    QTest::newRow("lista vazia") << true;
    QTest::newRow("skin salvo não listado") << false;
}

void TstSkin::selecionaSemEntradaNaoGrava()
{
    QFETCH(bool, pastaVazia);
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    const QString ini = Caminhos::atual().configIni();
    const QString pasta = arvore.raiz() + QStringLiteral("/OutrosSkins");
    QDir().mkpath(pasta);
    if (!pastaVazia)
        aux::pinta(pasta + QStringLiteral("/Santos.bmp"), Qt::gray);
    Ini::grava(ini, "Skin", "Diretorio", QDir::toNativeSeparators(pasta));
    const QByteArray antes = conteudo(ini);
    MenuAberto m;

    TfSkin tela;
    mostra(&tela);
    QCOMPARE(selecionado(tela.lbSkins), QString());
    QVERIFY(!tela.DFWAOLButton1->isEnabled());
    QTest::mouseClick(tela.DFWAOLButton1, Qt::LeftButton);
    QVERIFY(tela.isVisible());
    QCOMPARE(m.menu.skinAtual(), QStringLiteral("Golazzo 2001"));
    QCOMPARE(conteudo(ini), antes);
    // The frame shows the current skin meanwhile.
    QCOMPARE(corDaFaixa(&tela), QColor(0, 0, 255));
    QCOMPARE(msgs.lista, QStringList());
}

void TstSkin::falhaAoGravarMantemTelaAberta()
{
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    // A folder where the settings file should be: it can be neither read nor written.
    const QString ini = Caminhos::atual().configIni();
    QFile::remove(ini);
    QVERIFY(QDir().mkpath(ini));
    MenuAberto m;
    TfSkin tela;
    mostra(&tela);
    QCOMPARE(selecionado(tela.lbSkins), QStringLiteral("Golazzo 2001"));
    clica(tela.lbSkins, "Santos");
    QTest::mouseClick(tela.DFWAOLButton1, Qt::LeftButton);
    QVERIFY(tela.isVisible());
    QCOMPARE(m.menu.skinAtual(), QStringLiteral("Santos"));
    QCOMPARE(msgs.lista.size(), 1);
    QVERIFY2(msgs.lista.first().contains(ini), qPrintable(msgs.lista.first()));
}

void TstSkin::ativacaoVoltaAoSkinAtual()
{
    ArvoreTeste arvore;
    MensagensCapturadas msgs;
    badge("Golazzo 2001");
    badge("Santos");
    TfSkin tela;
    mostra(&tela);
    clica(tela.lbSkins, "Santos");
    QCOMPARE(corDaFaixa(&tela), QColor(0, 0, 0));

    // Focus back from another window of the program: the frame shows the current skin again.
    QDialog* outra = nullptr;
    aux::quandoAparecer(aux::modal<QDialog>(), [](QWidget* w) { w->close(); });
    abreTela(outra, &tela);
    QTRY_COMPARE(corDaFaixa(&tela), QColor(0, 0, 255));
    QCOMPARE(corDoBadge(&tela), corDe("Golazzo 2001"));
    QCOMPARE(selecionado(tela.lbSkins), QStringLiteral("Santos"));

    // A click on the entry still selected previews it again.
    clica(tela.lbSkins, "Santos");
    QCOMPARE(corDaFaixa(&tela), QColor(0, 0, 0));
    QCOMPARE(corDoBadge(&tela), corDe("Santos"));
}

void TstSkin::linkAbreNavegador()
{
    ArvoreTeste arvore;
    Navegador navegador;
    TfSkin tela;
    mostra(&tela);
    QVERIFY(tela.lbMaisSkins->text().contains(QStringLiteral("skins.htm")));
    QTest::mouseClick(tela.lbMaisSkins, Qt::LeftButton, {}, QPoint(8, tela.lbMaisSkins->height() / 2));
    QCOMPARE(navegador.abertos.size(), 1);
    QCOMPARE(navegador.abertos.first().fileName(), QStringLiteral("skins.htm"));
    QCOMPARE(navegador.abertos.first().toString(), TfSkin::enderecoSkins());
}

void TstSkin::referenciaSaiComODono()
{
    // The skins screen made at start belongs to the menu and is freed with it;
    // one opened from the menu and freed leaves that reference alone.
    ArvoreTeste arvore;
    auto* dono = new QWidget;
    fSkin = new TfSkin(dono);
    TfSkin* daInicial = fSkin;
    delete new TfSkin(dono);
    QVERIFY(fSkin == daInicial);
    delete dono;
    QVERIFY(!fSkin);
}

QTEST_MAIN(TstSkin)
#include "tst_skin.moc"
