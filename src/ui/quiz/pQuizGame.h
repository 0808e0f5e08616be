#pragma once
// The quiz screen: a 16-team quiz championship in which every answer is a
// goal. The rules live in CampeonatoQuiz; this window shows them: the
// configuration or the current round at the top right, and below the page of
// questions with the standings, an empty page, or the champion's page.
#include "ui/shell/Botoes.h"
#include "ui/shell/Padrao.h"

#include <functional>

class CampeonatoQuiz;
class QComboBox;
class QLabel;
class QSoundEffect;
class QStackedWidget;
class QTableView;
class QTextEdit;
class QVariantAnimation;
class QWidget;

// A quiz button: white caption when enabled, light blue RGB(138,162,215)
// when disabled; a disabled button ignores clicks.
class BotaoQuiz : public BotaoAzul {
    Q_OBJECT
public:
    explicit BotaoQuiz(const QString& texto, QWidget* parent = nullptr);
    QColor corLegenda() const;
protected:
    void paintEvent(QPaintEvent* e) override;
};

class TfQuizGame : public TfmPadrao {
    Q_OBJECT
public:
    explicit TfQuizGame(QWidget* parent = nullptr);
    ~TfQuizGame() override;

    CampeonatoQuiz* campeonato() const { return m_quiz; }

    // The stage messages and the "Confirma" check go to information boxes;
    // tests see them here instead. An empty function restores the boxes.
    static void capturaAvisos(std::function<void(const QString&)> captura);

    QLabel* imBanner = nullptr;
    BotaoQuiz* btnNovo = nullptr;
    QWidget* pnConfiguracao = nullptr;
    QComboBox* cbJogador = nullptr;
    QComboBox* cbPerguntas = nullptr;
    BotaoQuiz* btnOK = nullptr;
    QWidget* pnRodada = nullptr;
    QLabel* lbRodada = nullptr;
    QLabel* lbIdaVolta = nullptr;
    QTableView* dbgJogos = nullptr;
    QStackedWidget* nbQuiz = nullptr; // pages "Perguntas", "Vazio", "Campeao"
    QLabel* lbNomeTime1 = nullptr;
    QLabel* lbGolsTime1 = nullptr;
    QLabel* lbX = nullptr;
    QLabel* lbGolsTime2 = nullptr;
    QLabel* lbNomeTime2 = nullptr;
    QTextEdit* mePergunta = nullptr;
    QLabel* OpcA = nullptr;
    QLabel* OpcB = nullptr;
    QLabel* OpcC = nullptr;
    QLabel* OpcD = nullptr;
    BotaoQuiz* btnResponder = nullptr;
    BotaoQuiz* btnProximo = nullptr;
    BotaoQuiz* btnRodada = nullptr;
    QWidget* pnClassificacao = nullptr;
    QTableView* dbgClassificacao = nullptr;
    QLabel* lbCampeao = nullptr;
    QLabel* lbECampeao = nullptr;
    QSoundEffect* mpCerto = nullptr;
    QSoundEffect* mpErrado = nullptr;
    QSoundEffect* mpPassou = nullptr;
    QSoundEffect* mpOver = nullptr;

    // The option labels, A to D.
    QLabel* opcao(int numero) const;

    void btnNovoClick();
    void cbJogadorChange(int indice);
    void btnOKClick();
    void btnRodadaClick();
    void btnProximoClick();
    void OpcAClick(int numero);
    void btnResponderClick();

    // Colours of the options and of the champion's line.
    static QColor corEscolhida() { return QColor(0, 128, 0); }
    static QColor corCerta() { return QColor(255, 0, 0); }

signals:
    // A sound started (its file name), for whoever listens.
    void somTocado(const QString& arquivo);

private:
    void atualiza();
    void mostraCampeao(const QString& nome);
    void toca(QSoundEffect* som);
    QSoundEffect* criaSom(const QString& arquivo, const char* nome);

    CampeonatoQuiz* m_quiz = nullptr;
    QWidget* m_paginaPerguntas = nullptr;
    QWidget* m_paginaVazio = nullptr;
    QWidget* m_paginaCampeao = nullptr;
    QVariantAnimation* m_animacao = nullptr;
    QVariantAnimation* m_letreiro = nullptr;
};

extern TfQuizGame* fQuizGame;
