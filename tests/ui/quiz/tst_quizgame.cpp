// The quiz screen driven by clicks and keys on a fresh default tree: the
// configuration, one round played for real, the standings following the
// goals, the option colours, the buttons' captions and the champion's page.
#include "ArvoreTeste.h"
#include "core/data/Dataset.h"
#include "core/quiz/CampeonatoQuiz.h"
#include "ui/quiz/pQuizGame.h"
#include "ui/shell/Menu.h"

#include <QComboBox>
#include <QLabel>
#include <QSoundEffect>
#include <QStackedWidget>
#include <QTableView>
#include <QTextEdit>
#include <QtTest>
#include <random>

class TstQuizGame : public QObject {
    Q_OBJECT

    struct Cena {
        ArvoreTeste arvore;
        TfmMenu menu;
        MensagensCapturadas erros;
        QStringList avisos;
        QStringList sons;
        std::mt19937 mt{42};
        TfQuizGame* tela = nullptr;
        Cena()
        {
            fmMenu = &menu;
            TfQuizGame::capturaAvisos([this](const QString& t) { avisos << t; });
            tela = new TfQuizGame;
            fQuizGame = tela;
            tela->campeonato()->defineSorteio([this](int a, int b) { return std::uniform_int_distribution<int>(a, b)(mt); });
            QObject::connect(tela, &TfQuizGame::somTocado, [this](const QString& s) { sons << s; });
            tela->resize(1028, 753);
            tela->show();
            QVERIFY(QTest::qWaitForWindowActive(tela));
        }
        ~Cena()
        {
            delete tela;
            TfQuizGame::capturaAvisos({});
            fmMenu = nullptr;
        }
        QString pagina() const { return tela->nbQuiz->currentWidget()->objectName(); }
        // Picks a team with the keyboard, as a user does.
        void escolheTime(const QString& nome)
        {
            tela->cbJogador->setFocus();
            const int alvo = CampeonatoQuiz::listaTimes().indexOf(nome);
            for (int i = tela->cbJogador->currentIndex(); i < alvo; ++i)
                QTest::keyClick(tela->cbJogador, Qt::Key_Down);
            QCOMPARE(tela->cbJogador->currentText(), nome);
        }
        void escolhePerguntas(int n)
        {
            tela->cbPerguntas->setFocus();
            while (tela->cbPerguntas->currentIndex() > n - 1)
                QTest::keyClick(tela->cbPerguntas, Qt::Key_Up);
            while (tela->cbPerguntas->currentIndex() < n - 1)
                QTest::keyClick(tela->cbPerguntas, Qt::Key_Down);
        }
        void clica(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, w->height() / 2)); }
        int certa() const
        {
            return QStringLiteral("ABCD").indexOf(tela->campeonato()->Table1->asString(QStringLiteral("Resposta"))) + 1;
        }
        QString celulaClassificacao(const QString& time, int coluna) const
        {
            QAbstractItemModel* m = tela->dbgClassificacao->model();
            for (int r = 0; r < m->rowCount(); ++r)
                if (m->index(r, 1).data().toString() == time)
                    return m->index(r, coluna).data().toString();
            return QStringLiteral("?");
        }
    };

    static bool verde(QLabel* o) { return o->palette().color(QPalette::WindowText) == QColor(0, 128, 0) && o->font().pointSize() == 12; }
    static bool vermelho(QLabel* o) { return o->palette().color(QPalette::WindowText) == QColor(255, 0, 0) && o->font().pointSize() == 12; }
    static bool normal(QLabel* o) { return o->palette().color(QPalette::WindowText) == QColor(Qt::black) && o->font().pointSize() == 11; }

private slots:
    void abertura();
    void confirmaSemTime();
    void umaRodadaComCliques();
    void campeaoEFimDeJogo();
    void novoCampeonatoVoltaAConfiguracao();
    void aberturaLimpaCampeonatoAnterior();
};

void TstQuizGame::abertura()
{
    Cena c;
    TfQuizGame* t = c.tela;
    QCOMPARE(t->caption(), QStringLiteral(" QUIZ GAME"));
    QVERIFY(t->pnConfiguracao->isVisible());
    QVERIFY(!t->pnRodada->isVisible());
    QVERIFY(!t->pnClassificacao->isVisible());
    QCOMPARE(c.pagina(), QStringLiteral("Vazio"));
    QCOMPARE(t->cbJogador->currentText(), QString());
    QCOMPARE(t->cbJogador->count(), 16);
    QVERIFY(!t->cbJogador->isEditable() && !t->cbPerguntas->isEditable());
    QCOMPARE(t->cbPerguntas->currentText(), QStringLiteral("2 Perguntas"));
    for (BotaoQuiz* b : {t->btnResponder, t->btnProximo, t->btnRodada}) {
        QVERIFY(!b->isEnabled());
        QCOMPARE(b->corLegenda(), QColor(138, 162, 215));
    }
    QVERIFY(t->btnNovo->isEnabled());
    QCOMPARE(t->btnNovo->corLegenda(), QColor(Qt::white));
    // The disabled caption is drawn in its light blue.
    t->nbQuiz->setCurrentIndex(0);
    const QImage im = t->btnRodada->grab().toImage();
    bool achou = false;
    for (int y = 0; y < im.height() && !achou; ++y)
        for (int x = 0; x < im.width() && !achou; ++x)
            achou = im.pixelColor(x, y) == QColor(138, 162, 215);
    QVERIFY(achou);
    // The four sounds are opened with the screen.
    QCOMPARE(t->mpCerto->source().fileName(), QStringLiteral("Certo1.WAV"));
    QCOMPARE(t->mpErrado->source().fileName(), QStringLiteral("Erro1.WAV"));
    QCOMPARE(t->mpPassou->source().fileName(), QStringLiteral("Win.WAV"));
    QCOMPARE(t->mpOver->source().fileName(), QStringLiteral("GameOver.WAV"));
    QVERIFY(QFile::exists(t->mpOver->source().toLocalFile()));
}

void TstQuizGame::confirmaSemTime()
{
    Cena c;
    c.clica(c.tela->btnOK);
    QCOMPARE(c.avisos, QStringList{QStringLiteral("É necessário selecionar um Time para iniciar o Quiz Game.")});
    QVERIFY(c.tela->pnConfiguracao->isVisible());
    QCOMPARE(c.pagina(), QStringLiteral("Vazio"));
    QCOMPARE(c.arvore.valor(QStringLiteral("select count(*) from QuizJogos where Gols_Time1 is not null")).toInt(), 0);
}

void TstQuizGame::umaRodadaComCliques()
{
    Cena c;
    TfQuizGame* t = c.tela;
    c.escolheTime(QStringLiteral("Santos"));
    c.escolhePerguntas(2);
    c.clica(t->btnOK);
    QVERIFY(c.avisos.isEmpty());
    QCOMPARE(c.pagina(), QStringLiteral("Perguntas"));
    QVERIFY(!t->pnConfiguracao->isVisible());
    QVERIFY(t->pnRodada->isVisible() && t->pnClassificacao->isVisible());
    QCOMPARE(t->lbRodada->text(), QStringLiteral("Rodada 1"));
    QCOMPARE(t->lbIdaVolta->text(), QString());
    QCOMPARE(t->dbgJogos->model()->rowCount(), 8);
    QCOMPARE(t->dbgClassificacao->model()->rowCount(), 16);
    const bool primeiro = t->lbNomeTime1->text() == QLatin1String("Santos");
    QVERIFY(primeiro || t->lbNomeTime2->text() == QLatin1String("Santos"));
    QCOMPARE(t->lbGolsTime1->text(), QStringLiteral("0"));
    QCOMPARE(t->lbX->text(), QStringLiteral("X"));
    QCOMPARE(t->lbGolsTime2->text(), QStringLiteral("0"));
    QVERIFY(!t->mePergunta->toPlainText().isEmpty());
    for (int k = 1; k <= 4; ++k) {
        QVERIFY(!t->opcao(k)->text().isEmpty());
        QVERIFY(normal(t->opcao(k)));
    }
    QVERIFY(!t->btnResponder->isEnabled() && !t->btnProximo->isEnabled() && !t->btnRodada->isEnabled());
    // A click on a disabled button does nothing.
    c.clica(t->btnResponder);
    QCOMPARE(t->lbGolsTime1->text(), QStringLiteral("0"));

    // First question answered wrongly: the chosen option green, then the right one red beside it.
    const int certa = c.certa();
    const int errada = certa % 4 + 1;
    c.clica(t->opcao(errada));
    QVERIFY(verde(t->opcao(errada)));
    QVERIFY(t->btnResponder->isEnabled());
    c.clica(t->btnResponder);
    QVERIFY(verde(t->opcao(errada)));
    QVERIFY(vermelho(t->opcao(certa)));
    QCOMPARE(c.sons, QStringList{QStringLiteral("Erro1.WAV")});
    QCOMPARE(primeiro ? t->lbGolsTime2->text() : t->lbGolsTime1->text(), QStringLiteral("1"));
    QVERIFY(!t->btnResponder->isEnabled());
    QVERIFY(t->btnProximo->isEnabled());
    // The standings follow the goal: Santos losing 0-1 counts a loss.
    QCOMPARE(c.celulaClassificacao(QStringLiteral("Santos"), 5), QStringLiteral("1"));
    // The options are locked after the answer.
    c.clica(t->opcao(certa % 4 + 2 > 4 ? 1 : certa % 4 + 2));
    QVERIFY(vermelho(t->opcao(certa)));
    QVERIFY(!t->btnResponder->isEnabled());

    // Second question right: 1-1, the match is over, the round's other matches have results.
    c.clica(t->btnProximo);
    for (int k = 1; k <= 4; ++k)
        QVERIFY(normal(t->opcao(k)));
    const int certa2 = c.certa();
    c.clica(t->opcao(certa2));
    c.clica(t->btnResponder);
    QVERIFY(vermelho(t->opcao(certa2)));
    QCOMPARE(c.sons.last(), QStringLiteral("Certo1.WAV"));
    QCOMPARE(t->lbGolsTime1->text(), QStringLiteral("1"));
    QCOMPARE(t->lbGolsTime2->text(), QStringLiteral("1"));
    QCOMPARE(c.celulaClassificacao(QStringLiteral("Santos"), 2), QStringLiteral("1"));
    QCOMPARE(c.celulaClassificacao(QStringLiteral("Santos"), 4), QStringLiteral("1"));
    QVERIFY(!t->btnProximo->isEnabled() && !t->btnResponder->isEnabled());
    QVERIFY(t->btnRodada->isEnabled());
    for (int r = 0; r < 8; ++r) {
        const int g1 = t->dbgJogos->model()->index(r, 1).data().toInt();
        const int g2 = t->dbgJogos->model()->index(r, 3).data().toInt();
        QCOMPARE(g1 + g2, 2);
        QCOMPARE(t->dbgJogos->model()->index(r, 2).data().toString(), QStringLiteral("X"));
    }
    QCOMPARE(t->dbgClassificacao->model()->index(0, 0).data().toString(), QStringLiteral("1"));

    c.clica(t->btnRodada);
    QCOMPARE(t->lbRodada->text(), QStringLiteral("Rodada 2"));
    QVERIFY(!t->btnRodada->isEnabled());
    QCOMPARE(t->lbGolsTime1->text(), QStringLiteral("0"));
    QVERIFY(!t->mePergunta->toPlainText().isEmpty());
    QVERIFY(c.erros.lista.isEmpty());
}

void TstQuizGame::campeaoEFimDeJogo()
{
    Cena c;
    TfQuizGame* t = c.tela;
    c.escolheTime(QStringLiteral("Vasco"));
    c.escolhePerguntas(1);
    c.clica(t->btnOK);
    // Every question answered right through the buttons until the title.
    for (int guarda = 0; guarda < 30 && t->campeonato()->fase() != Quiz::Fase::Encerrado; ++guarda) {
        c.clica(t->opcao(c.certa()));
        c.clica(t->btnResponder);
        if (t->campeonato()->RodadaAtual == 17)
            QCOMPARE(t->lbIdaVolta->text(), QStringLiteral("Jogos de Ida"));
        if (t->btnRodada->isEnabled())
            c.clica(t->btnRodada);
    }
    QCOMPARE(c.pagina(), QStringLiteral("Campeao"));
    QCOMPARE(t->lbECampeao->text(), QStringLiteral("É CAMPEÃO"));
    QTRY_COMPARE(t->lbCampeao->text(), QStringLiteral("Vasco"));
    QCOMPARE(t->lbCampeao->font().bold(), true);
    QCOMPARE(t->lbRodada->text(), QStringLiteral("FINAL"));
    QCOMPARE(t->lbIdaVolta->text(), QStringLiteral("Jogos de Volta"));
    QCOMPARE(c.avisos.size(), 3);
    QCOMPARE(c.sons.last(), QStringLiteral("Win.WAV"));
    QVERIFY(!t->btnResponder->isEnabled() && !t->btnProximo->isEnabled() && !t->btnRodada->isEnabled());
    QVERIFY(t->btnNovo->isEnabled());
}

void TstQuizGame::novoCampeonatoVoltaAConfiguracao()
{
    Cena c;
    TfQuizGame* t = c.tela;
    c.escolheTime(QStringLiteral("Bahia"));
    c.escolhePerguntas(4);
    c.clica(t->btnOK);
    c.clica(t->opcao(1));
    c.clica(t->btnResponder);
    c.clica(t->btnNovo);
    QVERIFY(t->pnConfiguracao->isVisible());
    QVERIFY(!t->pnRodada->isVisible() && !t->pnClassificacao->isVisible());
    QCOMPARE(c.pagina(), QStringLiteral("Vazio"));
    QCOMPARE(t->cbJogador->currentText(), QStringLiteral("Bahia"));
    QCOMPARE(t->cbPerguntas->currentText(), QStringLiteral("2 Perguntas"));
    QVERIFY(!t->btnResponder->isEnabled() && !t->btnProximo->isEnabled() && !t->btnRodada->isEnabled());
    QCOMPARE(c.arvore.valor(QStringLiteral("select count(*) from QuizJogos where Gols_Time1 is not null")).toInt(), 0);
    QCOMPARE(c.arvore.valor(QStringLiteral("select count(*) from Quiz where Situacao is not null")).toInt(), 0);
    // The kept team starts at once.
    c.clica(t->btnOK);
    QCOMPARE(c.pagina(), QStringLiteral("Perguntas"));
    QVERIFY(c.avisos.isEmpty());
}

void TstQuizGame::aberturaLimpaCampeonatoAnterior()
{
    ArvoreTeste arvore;
    TfmMenu menu;
    fmMenu = &menu;
    {
        TfQuizGame t;
        t.cbJogador->setCurrentIndex(3);
        t.cbJogadorChange(3);
        t.btnOKClick();
        t.OpcAClick(1);
        t.btnResponderClick();
    }
    QCOMPARE(arvore.valor(QStringLiteral("select count(*) from QuizJogos where Situacao = 'C'")).toInt(), 1);
    {
        TfQuizGame t;
        QCOMPARE(arvore.valor(QStringLiteral("select count(*) from QuizJogos where Situacao is not null or Gols_Time1 is not null")).toInt(), 0);
        QCOMPARE(arvore.valor(QStringLiteral("select count(*) from Quiz where Situacao is not null")).toInt(), 0);
    }
    fmMenu = nullptr;
}

QTEST_MAIN(TstQuizGame)
#include "tst_quizgame.moc"
