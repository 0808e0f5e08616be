// The team screen driven as a user drives it: the picker, the pop-up panels,
// the web link and the club's match list, against a fresh default install tree.
#include "../shell/Auxiliar.h"

#include "ArvoreTeste.h"
#include "core/data/Dataset.h"
#include "core/data/ModeloDataset.h"
#include "core/data/Ordens.h"
#include "ui/screens/GradeJogos.h"
#include "ui/screens/pAltera.h"
#include "ui/screens/pClassificacao.h"
#include "ui/screens/pTimes.h"
#include "ui/reports/pPreview.h"
#include "ui/shell/Botoes.h"
#include "ui/shell/Idioma.h"
#include "ui/shell/Menu.h"
#include "ui/shell/Mensagens.h"
#include "ui/shell/Moldura.h"

#include <QAction>
#include <QDateEdit>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QTableWidget>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

namespace {

// The list's columns.
constexpr int kDia = 0, kProj1 = 1, kNome1 = 2, kGols1 = 3, kX = 4, kGols2 = 5, kNome2 = 6, kProj2 = 7;

// Receives the addresses the screen hands to the desktop.
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

} // namespace

class TstTimes : public QObject {
    Q_OBJECT

    // A fresh tree, the menu (skin) and the team screen, shown and activated.
    struct Cena {
        ArvoreTeste arvore;
        TfmMenu menu;
        TfTimes* tela = nullptr;
        explicit Cena(const std::function<void(ArvoreTeste&)>& antes = {})
        {
            fmMenu = &menu;
            if (antes)
                antes(arvore);
            tela = new TfTimes;
            fTimes = tela;
            tela->show();
            (void)QTest::qWaitForWindowActive(tela);
            QApplication::processEvents();
        }
        ~Cena()
        {
            delete tela;
            fmMenu = nullptr;
        }
        QAbstractItemModel* modelo() const { return tela->dbJogos->model(); }
        QString celula(int linha, int coluna) const { return modelo()->index(linha, coluna).data().toString(); }
        QLineEdit* editor() const
        {
            return qobject_cast<QLineEdit*>(tela->dbJogos->indexWidget(tela->dbJogos->currentIndex()));
        }
        void clica(int linha, int coluna)
        {
            tela->dbJogos->scrollTo(modelo()->index(linha, coluna));
            const QRect r = tela->dbJogos->visualRect(modelo()->index(linha, coluna));
            QTest::mouseClick(tela->dbJogos->viewport(), Qt::LeftButton, {}, r.center());
        }
        void digita(const QString& texto)
        {
            QLineEdit* ed = editor();
            QVERIFY(ed);
            ed->selectAll();
            QTest::keyClick(ed, Qt::Key_Backspace);
            QTest::keyClicks(ed, texto);
        }
        void tecla(Qt::Key k)
        {
            QWidget* alvo = editor() ? static_cast<QWidget*>(editor()) : tela->dbJogos;
            QTest::keyClick(alvo, k);
        }
        // The pointer moved over a widget of the screen, as the window system reports it.
        void passaSobre(QWidget* w, QPoint p = QPoint(-1, -1))
        {
            if (p.x() < 0)
                p = w->rect().center();
            QTest::mouseMove(tela->windowHandle(), w->mapTo(tela, p));
            QApplication::processEvents();
        }
        int cod(int linha) const { return tela->Query1->valueAt(linha, QStringLiteral("Cod_Jogo")).toInt(); }
        int time(int linha, int lado) const
        {
            return tela->Query1->valueAt(linha, lado == 1 ? QStringLiteral("Time1") : QStringLiteral("Time2")).toInt();
        }
        QVariant jogo(int cod, const QString& campo)
        {
            return arvore.valor(QStringLiteral("select %1 from Jogos where Cod_Jogo = %2").arg(campo).arg(cod));
        }
        QVariant clube(int codigo, const QString& campo)
        {
            return arvore.valor(QStringLiteral("select %1 from Times1 where Cod_Time = %2").arg(campo).arg(codigo));
        }
        QString texto(const char* nome) const { return tela->findChild<QLabel*>(QLatin1String(nome))->text(); }
        // The club's position in a standings order, counted from 1.
        int posicao(const char* sql, int codigo)
        {
            Dataset q;
            q.setSql(QString::fromUtf8(sql));
            q.open();
            for (int i = 0; i < q.recordCount(); ++i)
                if (q.valueAt(i, QStringLiteral("Cod_Time")).toInt() == codigo)
                    return i + 1;
            return 0;
        }
        void escolhe(int codigo) { QTest::mouseClick(tela->botaoTime(codigo), Qt::LeftButton); }
        QMenu* popup(int linha)
        {
            clica(linha, kGols1);
            const QRect r = tela->dbJogos->visualRect(modelo()->index(linha, kNome1));
            QContextMenuEvent e(QContextMenuEvent::Mouse, r.center(), tela->dbJogos->viewport()->mapToGlobal(r.center()));
            QApplication::sendEvent(tela->dbJogos->viewport(), &e);
            (void)QTest::qWaitFor([this] { return tela->PopupMenu1->isVisible(); }, 2000);
            return tela->PopupMenu1;
        }
    };

    static QImage imagem(const QLabel* l) { return l->pixmap().toImage().convertToFormat(QImage::Format_RGB32); }
    static QImage arquivo(const QString& a)
    {
        return carregaImagem(a).toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void initTestCase() { Idioma::instala(); }
    void init() { QToolTip::hideText(); }

    // Always América-MG first: its texts, figures, pictures and matches, the first home-goals cell ready.
    void abreNoAmerica()
    {
        Cena c;
        QCOMPARE(c.tela->coluna->caption(), QStringLiteral(" TIMES "));
        QCOMPARE(c.tela->codTime(), 1);
        QCOMPARE(c.tela->ultimoBotao(), c.tela->botaoTime(1));
        QCOMPARE(c.texto("Table2Fundacao"), c.clube(1, QStringLiteral("Fundacao")).toString());
        QCOMPARE(c.texto("Table2Estadio"), c.clube(1, QStringLiteral("Estadio")).toString());
        QCOMPARE(c.texto("Table2MatEsportivo"), c.clube(1, QStringLiteral("MatEsportivo")).toString());
        QCOMPARE(imagem(c.tela->Image16), arquivo(c.arvore.caminhos().banner(1)));
        QVERIFY(!c.tela->Image17->pixmap().isNull());
        const int n = c.arvore.valor(QStringLiteral("select count(*) from Jogos where Apostador = 'W' and (Time1 = 1 or Time2 = 1)")).toInt();
        QCOMPARE(c.modelo()->rowCount(), n);
        for (int i = 0; i < n; ++i)
            QVERIFY(c.time(i, 1) == 1 || c.time(i, 2) == 1);
        QCOMPARE(c.tela->dbJogos->currentIndex(), c.modelo()->index(0, kGols1));
        QVERIFY(c.editor());
        QCOMPARE(c.celula(0, kX), QStringLiteral("X"));
        QCOMPARE(c.celula(0, kNome1), c.clube(c.time(0, 1), QStringLiteral("Time")).toString());
        // Nothing played: América is placed by the name among equals.
        QCOMPARE(c.texto("Query5Colocacao"),
                 QString::number(c.posicao(Ordens::kClassificacao, 1)));
        QCOMPARE(c.tela->figura(QStringLiteral("Pontos"))->text(), QStringLiteral("0"));
        QCOMPARE(c.tela->btClassificacao->toolTip(), QStringLiteral("Classificação"));
        QCOMPARE(c.tela->btRelatorio->toolTip(), QStringLiteral("Relatório"));
        QVERIFY(!c.tela->pnMenuTimes->isVisible());
    }

    // The picker's 28 buttons: the code comes from the button, never from its place.
    void picker()
    {
        Cena c;
        QCOMPARE(c.tela->botoesTimes.size(), 28);
        const QList<int> codigos{1, 2, 3, 4, 5, 71, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 122, 18, 19, 20, 21, 126,
                                 22, 23, 24, 25};
        for (int i = 0; i < 28; ++i) {
            QToolButton* b = c.tela->botoesTimes[i];
            QCOMPARE(b->property("Tag").toInt(), codigos[i]);
            QCOMPARE(b->geometry(), QRect(8 + 38 * (i % 4), 8 + 38 * (i / 4), 40, 38));
            const QString nome = c.clube(codigos[i], QStringLiteral("Time")).toString();
            QCOMPARE(b->toolTip(), codigos[i] == 122 ? nome + QLatin1Char(' ') : nome);
        }
        QCOMPARE(c.tela->botaoTime(122)->toolTip(), QStringLiteral("Paraná "));
        QCOMPARE(c.tela->pnMenuTimes->geometry(), QRect(594, 52, 169, 283));
    }

    // Botafogo-SP is code 71: its texts and pictures, its matches from the first.
    void escolheBotafogoSP()
    {
        Cena c;
        c.clica(3, kGols1);
        QTest::mouseClick(c.tela->btMenuTimes, Qt::LeftButton);
        QVERIFY(c.tela->pnMenuTimes->isVisible());
        c.escolhe(71);
        QVERIFY(!c.tela->pnMenuTimes->isVisible());
        QCOMPARE(c.tela->codTime(), 71);
        QCOMPARE(c.tela->ultimoBotao(), c.tela->botaoTime(71));
        QCOMPARE(c.texto("Table2Fundacao"), c.clube(71, QStringLiteral("Fundacao")).toString());
        QCOMPARE(c.texto("Table2Estadio"), c.clube(71, QStringLiteral("Estadio")).toString());
        QCOMPARE(c.texto("Table2Patrocinio"), c.clube(71, QStringLiteral("Patrocinio")).toString());
        QCOMPARE(c.texto("pnHinoNomeCompleto"), c.clube(71, QStringLiteral("NomeCompleto")).toString());
        QCOMPARE(c.tela->grHistorico->item(0, 0)->text(), c.clube(71, QStringLiteral("P71")).toString());
        QCOMPARE(c.tela->grHistorico->horizontalHeaderItem(29)->text(), QStringLiteral("00"));
        QCOMPARE(imagem(c.tela->Image16), arquivo(c.arvore.caminhos().banner(71)));
        QCOMPARE(imagem(c.tela->Image18), arquivo(c.arvore.caminhos().matEsportivo(71)));
        QCOMPARE(imagem(c.tela->Image19), arquivo(c.arvore.caminhos().patrocinios(71)));
        QCOMPARE(imagem(c.tela->Image17), arquivo(c.arvore.caminhos().estadio(71)));
        for (int i = 0; i < c.modelo()->rowCount(); ++i)
            QVERIFY(c.time(i, 1) == 71 || c.time(i, 2) == 71);
        QCOMPARE(c.tela->dbJogos->currentIndex(), c.modelo()->index(0, kGols1));
        QVERIFY(c.editor());
    }

    // Hovering the triangle opens the picker; the page closes it without a change.
    void pickerAbrePorCimaFechaNaPagina()
    {
        Cena c;
        c.passaSobre(c.tela->lbCamisa);
        c.passaSobre(c.tela->btMenuTimes);
        QVERIFY(c.tela->pnMenuTimes->isVisible());
        c.passaSobre(c.tela->botaoTime(5)); // within the panel: stays open
        QVERIFY(c.tela->pnMenuTimes->isVisible());
        c.passaSobre(c.tela->pnPagina, QPoint(300, 690));
        QVERIFY(!c.tela->pnMenuTimes->isVisible());
        QCOMPARE(c.tela->codTime(), 1);
        QCOMPARE(c.texto("Table2Fundacao"), c.clube(1, QStringLiteral("Fundacao")).toString());
    }

    // The three triangles open their panels, which may be open together;
    // the hiding set hides them all, other captions and figures leave them.
    void paineisPorCima()
    {
        Cena c;
        c.passaSobre(c.tela->btHistorico);
        c.passaSobre(c.tela->lbCamisa); // not in the hiding set
        c.passaSobre(c.tela->btHino);
        QVERIFY(c.tela->pnHistorico->isVisible());
        QVERIFY(c.tela->pnHino->isVisible());
        c.passaSobre(c.tela->figura(QStringLiteral("Pontos"))); // a figure outside the set
        QVERIFY(c.tela->pnHino->isVisible());
        c.passaSobre(c.tela->figura(QStringLiteral("Vitorias"))); // in the set
        QVERIFY(!c.tela->pnHino->isVisible());
        QVERIFY(!c.tela->pnHistorico->isVisible());
        QVERIFY(!c.tela->pnPatrocinio->isVisible());

        c.passaSobre(c.tela->btEstadio);
        QVERIFY(c.tela->pnEstadios->isVisible());
        QCOMPARE(c.tela->pnEstadios->geometry(), QRect(128, 179, 363, 378));
        c.passaSobre(c.tela->pnEstadios, QPoint(20, 300)); // the panel itself
        QVERIFY(c.tela->pnEstadios->isVisible());
        c.passaSobre(c.tela->dbJogos->viewport(), QPoint(30, 30));
        QVERIFY(!c.tela->pnEstadios->isVisible());
    }

    // "Material Esportivo" then "Camisa" swap the logo panels; the page hides both.
    void paineisDosPatrocinadores()
    {
        Cena c;
        c.passaSobre(c.tela->lbMatEsportivo);
        QVERIFY(c.tela->pnMatEsportivo->isVisible());
        QVERIFY(!c.tela->pnPatrocinio->isVisible());
        c.passaSobre(c.tela->lbCamisa);
        QVERIFY(!c.tela->pnMatEsportivo->isVisible());
        QVERIFY(c.tela->pnPatrocinio->isVisible());
        QCOMPARE(c.tela->pnPatrocinio->geometry(), QRect(158, 396, 150, 80));
        c.passaSobre(c.tela->pnPagina, QPoint(300, 690));
        QVERIFY(!c.tela->pnMatEsportivo->isVisible());
        QVERIFY(!c.tela->pnPatrocinio->isVisible());
    }

    void enderecoWeb_data()
    {
        QTest::addColumn<QString>("armazenado");
        QTest::addColumn<QString>("aberto");
        QTest::newRow("sem esquema") << "www.clube.com.br" << "Http://www.clube.com.br";
        QTest::newRow("http") << "http://www.clube.com.br" << "http://www.clube.com.br";
        QTest::newRow("HTTP maiúsculo") << "HTTP://WWW.CLUBE.COM.BR" << "HTTP://WWW.CLUBE.COM.BR";
        QTest::newRow("https misto") << "HttPs://clube.com" << "HttPs://clube.com";
        QTest::newRow("http sem barras") << "http:clube.com" << "Http://http:clube.com";
        QTest::newRow("https sem barras") << "httpsclube.com" << "Http://httpsclube.com";
        QTest::newRow("ftp") << "ftp://clube.com" << "Http://ftp://clube.com";
    }

    void enderecoWeb()
    {
        QFETCH(QString, armazenado);
        QFETCH(QString, aberto);
        QCOMPARE(TfTimes::enderecoWeb(armazenado), aberto);
    }

    // A click on the link hands the formed address to the desktop; nothing else is fetched.
    void cliqueNoEndereco()
    {
        Cena c([](ArvoreTeste& a) {
            QSqlQuery q(a.banco());
            QVERIFY(q.exec(QStringLiteral("update Times1 set Endereco = 'www.americamg.com.br' where Cod_Time = 1")));
            QVERIFY(q.exec(QStringLiteral("update Times1 set Endereco = 'HTTPS://botafogosp.com' where Cod_Time = 71")));
        });
        Navegador nav;
        QTest::mouseClick(c.tela->Table2Endereco, Qt::LeftButton);
        c.escolhe(71);
        QTest::mouseClick(c.tela->Table2Endereco, Qt::LeftButton);
        QCOMPARE(nav.abertos.size(), 2);
        QCOMPARE(nav.abertos[0].host(), QStringLiteral("www.americamg.com.br"));
        QCOMPARE(nav.abertos[0].scheme(), QStringLiteral("http"));
        QCOMPARE(nav.abertos[1].scheme(), QStringLiteral("https"));
        QCOMPARE(c.tela->Table2Endereco->cursor().shape(), Qt::PointingHandCursor);
    }

    // A result typed into the list: stored, both clubs rebuilt, the page's figures and
    // both positions at once; the list keeps its row.
    void resultadoAtualizaAPagina()
    {
        Cena c;
        const int linha = 2;
        const int cod = c.cod(linha);
        const int outro = c.time(linha, 1) == 1 ? c.time(linha, 2) : c.time(linha, 1);
        const bool emCasa = c.time(linha, 1) == 1;
        c.clica(linha, kGols1);
        c.digita(emCasa ? QStringLiteral("3") : QStringLiteral("0"));
        c.clica(linha, kGols2);
        c.digita(emCasa ? QStringLiteral("0") : QStringLiteral("3"));
        c.tecla(Qt::Key_Down);
        QCOMPARE(c.jogo(cod, QStringLiteral("Situacao")).toString(), QStringLiteral("C"));
        QCOMPARE(c.tela->figura(QStringLiteral("Pontos"))->text(), QStringLiteral("3"));
        QCOMPARE(c.tela->figura(QStringLiteral("Vitorias"))->text(), QStringLiteral("1"));
        QCOMPARE(c.tela->figura(QStringLiteral("GolsPro"))->text(), QStringLiteral("3"));
        QCOMPARE(c.tela->figura(QStringLiteral("SaldoGols"))->text(), QStringLiteral("3"));
        QCOMPARE(c.tela->figura(QStringLiteral("Projecao"))->text(), QStringLiteral("3"));
        QCOMPARE(c.texto("Query5Colocacao"), QStringLiteral("1"));
        QCOMPARE(c.texto("Query4Colocacao"), QStringLiteral("1"));
        QCOMPARE(c.texto("Query4Proj_J"), QStringLiteral("1"));
        QCOMPARE(c.clube(outro, QStringLiteral("Derrotas")).toInt(), 1);
        QCOMPARE(c.clube(outro, QStringLiteral("GolsContra")).toInt(), 3);
        QCOMPARE(c.tela->dbJogos->currentIndex().row(), linha + 1);
        QCOMPARE(c.celula(linha, emCasa ? kGols1 : kGols2), QStringLiteral("3"));

        // The other club's figures, seen when it is chosen.
        c.escolhe(outro);
        QCOMPARE(c.tela->figura(QStringLiteral("Derrotas"))->text(), QStringLiteral("1"));
        QCOMPARE(c.texto("Query5Colocacao"), QString::number(c.posicao(Ordens::kClassificacao, outro)));
        QCOMPARE(c.texto("Query5Colocacao"), QStringLiteral("28"));
    }

    // A pick from the list's popup counts in the projection at once; the annulment undoes it.
    void palpitePeloMenu()
    {
        Cena c;
        const int cod = c.cod(1);
        const bool emCasa = c.time(1, 1) == 1;
        c.popup(1);
        QVERIFY(c.tela->imEmpate->isEnabled());
        QVERIFY(!c.tela->imAnula->isEnabled());
        QVERIFY(c.tela->imAlterarData->isEnabled());
        // The history screens are always offered.
        QCOMPARE(c.tela->imConfrontos->text(), QStringLiteral("&Confrontos"));
        QVERIFY(c.tela->imConfrontos->isEnabled());
        QCOMPARE(c.tela->imTodosJogos->text(), QStringLiteral("&Todos os Jogos"));
        QVERIFY(c.tela->imTodosJogos->isEnabled());
        const QList<QAction*> itens = c.tela->PopupMenu1->actions();
        QCOMPARE(itens.indexOf(c.tela->imTodosJogos), itens.indexOf(c.tela->imAlterarData) + 1);
        QCOMPARE(c.tela->imTime1->text(), c.celula(1, kNome1));
        QAction* vitoria = emCasa ? c.tela->imTime1 : c.tela->imTime2;
        vitoria->trigger();
        c.tela->PopupMenu1->hide();
        QCOMPARE(c.jogo(cod, QStringLiteral("Situacao")).toString(), QStringLiteral("J"));
        QCOMPARE(c.celula(1, emCasa ? kProj1 : kProj2), QStringLiteral("V"));
        QCOMPARE(c.tela->figura(QStringLiteral("Projecao"))->text(), QStringLiteral("3"));
        QCOMPARE(c.tela->figura(QStringLiteral("Proj_V"))->text(), QStringLiteral("1"));
        QCOMPARE(c.texto("Query4Colocacao"), QStringLiteral("1"));
        QCOMPARE(c.tela->figura(QStringLiteral("Pontos"))->text(), QStringLiteral("0"));

        c.popup(1);
        QVERIFY(c.tela->imAnula->isEnabled());
        c.tela->imAnula->trigger();
        c.tela->PopupMenu1->hide();
        QCOMPARE(c.jogo(cod, QStringLiteral("Situacao")).toString(), QStringLiteral("P"));
        QCOMPARE(c.tela->figura(QStringLiteral("Projecao"))->text(), QStringLiteral("0"));
    }

    // A single goal typed into a projected match stays beside the pick; into a pending one it goes.
    void golUnico_data()
    {
        QTest::addColumn<bool>("projetado");
        QTest::addColumn<QString>("situacao");
        QTest::newRow("J") << true << "J";
        QTest::newRow("P") << false << "P";
    }

    void golUnico()
    {
        QFETCH(bool, projetado);
        QFETCH(QString, situacao);
        Cena c;
        const int cod = c.cod(0);
        if (projetado) {
            c.popup(0);
            c.tela->imEmpate->trigger();
            c.tela->PopupMenu1->hide();
        }
        c.clica(0, kGols1);
        c.digita(QStringLiteral("2"));
        c.tecla(Qt::Key_Down);
        QCOMPARE(c.jogo(cod, QStringLiteral("Situacao")).toString(), situacao);
        QCOMPARE(c.jogo(cod, QStringLiteral("Gols_Time1")).isNull(), !projetado);
        QCOMPARE(c.jogo(cod, QStringLiteral("Proj_Time1")).toString(), projetado ? QStringLiteral("E") : QString());
        QCOMPARE(c.tela->figura(QStringLiteral("Jogos"))->text(), QStringLiteral("0"));
        QCOMPARE(c.tela->figura(QStringLiteral("Projecao"))->text(), projetado ? QStringLiteral("1") : QStringLiteral("0"));
    }

    // Tab from either goals cell is steered back to it; clicks land on the nearer goals cell.
    void cursorNosGols_data()
    {
        QTest::addColumn<int>("coluna");
        QTest::addColumn<int>("destino");
        for (int col : {kDia, kProj1, kNome1, kX, kGols1})
            QTest::addRow("coluna %d", col) << col << kGols1;
        for (int col : {kGols2, kNome2, kProj2})
            QTest::addRow("coluna %d", col) << col << kGols2;
    }

    void cursorNosGols()
    {
        QFETCH(int, coluna);
        QFETCH(int, destino);
        Cena c;
        c.clica(2, coluna);
        QCOMPARE(c.tela->dbJogos->currentIndex(), c.modelo()->index(2, destino));
        QVERIFY(c.editor());
        c.tecla(Qt::Key_Tab);
        QCOMPARE(c.tela->dbJogos->currentIndex(), c.modelo()->index(2, destino));
        QVERIFY(c.editor());
    }

    // The down arrow on the last match adds nothing, and saves the row typed there.
    void semInclusaoNoFim()
    {
        Cena c;
        const int total = c.arvore.valor(QStringLiteral("select count(*) from Jogos")).toInt();
        const int ultima = c.modelo()->rowCount() - 1;
        const int cod = c.cod(ultima);
        c.clica(ultima, kGols1);
        c.digita(QStringLiteral("1"));
        c.clica(ultima, kGols2);
        c.digita(QStringLiteral("0"));
        c.tecla(Qt::Key_Down);
        // Leaving the row at the bottom edge saves it, as any row move does.
        QCOMPARE(c.jogo(cod, QStringLiteral("Situacao")).toString(), QStringLiteral("C"));
        c.tecla(Qt::Key_Down);
        QCOMPARE(c.modelo()->rowCount(), ultima + 1);
        QCOMPARE(c.tela->dbJogos->currentIndex().row(), ultima);
        QCOMPARE(c.arvore.valor(QStringLiteral("select count(*) from Jogos")).toInt(), total);
    }

    // "Alterar Data" saves the row first, then the same club again: the new order, from the first row.
    void alteraData()
    {
        Cena c;
        c.escolhe(71);
        const int linha = 4;
        const int cod = c.cod(linha);
        const int codPrimeiro = c.cod(0);
        const QDate antes = c.tela->Query1->valueAt(0, QStringLiteral("Dia")).toDate();
        c.clica(linha, kGols1);
        c.digita(QStringLiteral("1"));
        c.clica(linha, kGols2);
        c.digita(QStringLiteral("1"));
        bool abriu = false;
        aux::quandoAparecer(aux::modal<TfAltera>(), [&](QWidget* w) {
            abriu = true;
            auto* t = static_cast<TfAltera*>(w);
            QCOMPARE(t->codJogo(), cod);
            t->cbData->setDate(antes.addDays(-3));
            QTest::mouseClick(t->btConfirma, Qt::LeftButton);
        });
        c.popup(linha);
        c.tela->imAlterarData->trigger();
        c.tela->PopupMenu1->hide();
        QVERIFY(abriu);
        QCOMPARE(c.jogo(cod, QStringLiteral("Situacao")).toString(), QStringLiteral("C"));
        QCOMPARE(c.tela->codTime(), 71);
        QCOMPARE(c.cod(0), cod);
        QCOMPARE(c.cod(1), codPrimeiro);
        QCOMPARE(c.tela->dbJogos->currentIndex(), c.modelo()->index(0, kGols1));
        QVERIFY(c.editor());
        QCOMPARE(c.tela->figura(QStringLiteral("Empates"))->text(), QStringLiteral("1"));
    }

    // A missing picture of the chosen club: one report, the screen open and usable,
    // every text and figure the chosen club's.
    void figuraAusente()
    {
        Cena c;
        MensagensCapturadas msgs;
        const QString faltando = c.arvore.caminhos().banner(9);
        QVERIFY(QFile::remove(faltando));
        c.escolhe(9);
        QCOMPARE(msgs.lista.size(), 1);
        QVERIFY2(msgs.lista[0].contains(faltando), qPrintable(msgs.lista[0]));
        QVERIFY(c.tela->isVisible());
        QVERIFY(c.tela->Image16->pixmap().isNull()); // not América's banner left over
        QCOMPARE(imagem(c.tela->Image14), arquivo(c.arvore.caminhos().bannerC(9)));
        QCOMPARE(c.texto("Table2Fundacao"), c.clube(9, QStringLiteral("Fundacao")).toString());
        QCOMPARE(c.texto("Table2MatEsportivo"), c.clube(9, QStringLiteral("MatEsportivo")).toString());
        QCOMPARE(c.texto("Query5Colocacao"), QString::number(c.posicao(Ordens::kClassificacao, 9)));
        QCOMPARE(c.time(0, 1) == 9 || c.time(0, 2) == 9, true);
        QCOMPARE(c.tela->dbJogos->currentIndex(), c.modelo()->index(0, kGols1));
        // Still usable: a result typed is saved.
        c.digita(QStringLiteral("1"));
        c.clica(0, kGols2);
        c.digita(QStringLiteral("0"));
        c.tecla(Qt::Key_Down);
        QCOMPARE(c.jogo(c.cod(0), QStringLiteral("Situacao")).toString(), QStringLiteral("C"));
        QCOMPARE(msgs.lista.size(), 1);
    }

    // Choosing another club or closing the screen saves the row being typed.
    void linhaDigitadaGravadaAoSair_data()
    {
        QTest::addColumn<bool>("fechando");
        QTest::newRow("outro time") << false;
        QTest::newRow("fechando a tela") << true;
    }

    void linhaDigitadaGravadaAoSair()
    {
        QFETCH(bool, fechando);
        Cena c;
        const int cod = c.cod(0);
        c.digita(QStringLiteral("2"));
        c.clica(0, kGols2);
        c.digita(QStringLiteral("2"));
        if (fechando)
            QTest::mouseClick(c.tela->coluna->botaoFechar(), Qt::LeftButton);
        else
            c.escolhe(4);
        QCOMPARE(c.jogo(cod, QStringLiteral("Situacao")).toString(), QStringLiteral("C"));
        QCOMPARE(c.jogo(cod, QStringLiteral("Gols_Time2")).toInt(), 2);
        QCOMPARE(c.clube(1, QStringLiteral("Empates")).toInt(), 1);
        QCOMPARE(c.tela->isVisible(), !fechando);
    }

    // The report button saves the row being typed, previews the team report
    // without blocking, and leaves the page on its club and the list on its row.
    void relatorio()
    {
        Cena c;
        c.escolhe(71);
        const int cod = c.cod(3);
        c.clica(3, kGols1);
        c.digita(QStringLiteral("4"));
        c.clica(3, kGols2);
        c.digita(QStringLiteral("0"));
        QVERIFY(c.tela->btRelatorio->isEnabled());
        QTest::mouseClick(c.tela->btRelatorio, Qt::LeftButton);
        QList<TfPreview*> previews;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<TfPreview*>(w); p && p->isVisible())
                previews << p;
        QCOMPARE(previews.size(), 1);
        QVERIFY(!previews[0]->isModal());
        QCOMPARE(c.jogo(cod, QStringLiteral("Situacao")).toString(), QStringLiteral("C"));
        QStringList impressos;
        for (const auto& pagina : previews[0]->paginas().paginas)
            for (const auto& op : pagina)
                impressos << op.texto;
        QVERIFY(impressos.contains(c.clube(71, QStringLiteral("Fundacao")).toString()));
        QCOMPARE(c.tela->dbJogos->currentIndex(), c.modelo()->index(3, kGols2));
        QCOMPARE(c.tela->Table2->asInt(QStringLiteral("Cod_Time")), 71);
        QCOMPARE(c.tela->Query5->asInt(QStringLiteral("Cod_Time")), 71);
        QCOMPARE(c.texto("Query5Colocacao"), QString::number(c.posicao(Ordens::kClassificacao, 71)));
        qDeleteAll(previews);
    }

    // A missing mini badge is left out of the list without a report.
    void escudoAusente()
    {
        Cena c;
        MensagensCapturadas msgs;
        QVERIFY(QFile::remove(c.arvore.caminhos().mini(1)));
        c.tela->dbJogos->viewport()->repaint();
        QVERIFY(msgs.lista.isEmpty());
    }

    // The titles memo passes the keyboard focus on to the match list.
    void titulosPassamOFoco()
    {
        Cena c;
        c.escolhe(5);
        c.tela->meTitulos->setFocus();
        QTRY_VERIFY(c.editor() && c.editor()->hasFocus());
        QVERIFY(c.tela->meTitulos->isReadOnly());
        QCOMPARE(c.tela->meTitulos->toPlainText(), c.clube(5, QStringLiteral("Titulos")).toString());
    }

    // The standings open modally; on return the activation runs again (panel places),
    // the club and the list's row stay.
    void classificacaoEVolta()
    {
        Cena c;
        c.escolhe(21);
        c.clica(5, kGols2);
        c.tela->pnHino->setGeometry(0, 0, 10, 10);
        bool modal = false;
        aux::quandoAparecer(aux::modal<TfClassificacao>(), [&](QWidget* w) {
            modal = static_cast<QDialog*>(w)->isModal();
            QTest::mouseClick(w->findChild<QToolButton*>(QStringLiteral("epEfButton1")), Qt::LeftButton);
        });
        QTest::mouseClick(c.tela->btClassificacao, Qt::LeftButton);
        QVERIFY(modal);
        QTRY_COMPARE(c.tela->pnHino->geometry(), QRect(234, 57, 300, 500));
        QCOMPARE(c.tela->codTime(), 21);
        QCOMPARE(c.tela->dbJogos->currentIndex().row(), 5);
    }

    // A frame picture that cannot be read: one report after the activation, the
    // screen open on its club, its panels in their places.
    void molduraSemFigura()
    {
        MensagensCapturadas msgs;
        QString faltando;
        Cena c([&](ArvoreTeste& a) {
            faltando = a.caminhos().bordaC();
            QVERIFY(QFile::remove(faltando));
        });
        QTRY_COMPARE(msgs.lista.size(), 1);
        QVERIFY2(msgs.lista[0].contains(faltando), qPrintable(msgs.lista[0]));
        QVERIFY(c.tela->isVisible());
        QCOMPARE(c.texto("Table2Fundacao"), c.clube(1, QStringLiteral("Fundacao")).toString());
        c.passaSobre(c.tela->btHino);
        QCOMPARE(c.tela->pnHino->geometry(), QRect(234, 57, 300, 500));
        QApplication::processEvents();
        QCOMPARE(msgs.lista.size(), 1);
    }

    // The frame's activation on this window: skin colour and sponsor slots.
    void ativacaoDaMoldura()
    {
        Cena c([](ArvoreTeste&) {
            aux::figurasDeSlot();
            aux::slot(6, QStringLiteral("S"), QStringLiteral("Seis"));
            aux::slot(2, QStringLiteral("N"));
        });
        QCOMPARE(c.tela->coluna->corCaption(), QColor(0, 0, 255));
        QCOMPARE(aux::corVista(aux::figura(c.tela, 6)), aux::corLigado(6));
        QCOMPARE(aux::corVista(aux::figura(c.tela, 2)), aux::corDesligado(2));
        QVERIFY(c.tela->coluna->slotLigado(6));
        QCOMPARE(c.tela->coluna->hintSlot(6), QStringLiteral("Seis"));
    }
};

QTEST_MAIN(TstTimes)
#include "tst_times.moc"
