// The quiz screen: configuration, a question with a chosen option, the
// answer shown, the standings after round 15 and the champion's page.
#include "ArvoreTeste.h"
#include "Shots.h"
#include "core/data/Dataset.h"
#include "core/quiz/CampeonatoQuiz.h"
#include "ui/quiz/pQuizGame.h"
#include "ui/shell/Menu.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <random>

namespace {

int certa(TfQuizGame& t)
{
    return QStringLiteral("ABCD").indexOf(t.campeonato()->Table1->asString(QStringLiteral("Resposta"))) + 1;
}

// Plays with the screen's own handlers, answering right except where told.
void joga(TfQuizGame& t, int ateRodada, const std::function<bool(int)>& acerta)
{
    CampeonatoQuiz* q = t.campeonato();
    while (q->fase() != Quiz::Fase::Encerrado && q->RodadaAtual <= ateRodada) {
        const int c = certa(t);
        t.OpcAClick(acerta(q->RodadaAtual) ? c : c % 4 + 1);
        t.btnResponderClick();
        if (q->podeProximaPergunta())
            t.btnProximoClick();
        else if (q->podeProximaRodada() && q->RodadaAtual <= ateRodada)
            t.btnRodadaClick();
    }
}

void espera(int ms)
{
    QElapsedTimer r;
    r.start();
    while (r.elapsed() < ms)
        QApplication::processEvents();
}

} // namespace

GZ_SHOT("quiz", [](const QString& pasta) {
    ArvoreTeste arvore;
    TfmMenu menu;
    fmMenu = &menu;
    TfQuizGame::capturaAvisos([](const QString&) {});
    {
        TfQuizGame t;
        fQuizGame = &t;
        std::mt19937 mt(2001);
        t.campeonato()->defineSorteio([&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(mt); });
        salvaJanela(&t, pasta, QStringLiteral("quiz-configuracao"));

        t.cbJogador->setCurrentIndex(12);
        t.cbJogadorChange(12);
        t.cbPerguntas->setCurrentIndex(2);
        t.btnOKClick();
        const int c = certa(t);
        t.OpcAClick(c % 4 + 1);
        salvaJanela(&t, pasta, QStringLiteral("quiz-pergunta"));
        t.btnResponderClick();
        salvaJanela(&t, pasta, QStringLiteral("quiz-resposta"));
        t.btnProximoClick();

        joga(t, 15, [](int) { return true; });
        salvaJanela(&t, pasta, QStringLiteral("quiz-rodada15"));
        joga(t, 21, [](int) { return true; });
        espera(1600);
        salvaJanela(&t, pasta, QStringLiteral("quiz-campeao"));
        fQuizGame = nullptr;
    }
    TfQuizGame::capturaAvisos({});
    fmMenu = nullptr;
});
