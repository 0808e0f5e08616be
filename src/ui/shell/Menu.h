#pragma once
// The main menu: a full-screen picture with eight image buttons, each opening
// one screen modally. It holds the current skin name and the club badges.
#include <QImage>
#include <QList>
#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QAbstractButton;

class TfmMenu : public QWidget {
    Q_OBJECT
public:
    explicit TfmMenu(QWidget* parent = nullptr);
    ~TfmMenu() override;

    // The current skin name lives only here while the program runs.
    QLineEdit* edSkin = nullptr;
    QString skinAtual() const;
    void defineSkin(const QString& nome);

    // The built-in club badges, 15 x 15, index = club code (0 to 126).
    const QList<QImage>& imTimes() const;
    QImage imTime(int codigo) const;

    QLabel* imMenu = nullptr;
    QAbstractButton* epEfButton1 = nullptr;
    QList<QAbstractButton*> botoes; // fcImageBtn1 .. fcImageBtn8

    // The eight entries, in button order. Each gets its action from the
    // wiring (ui/Telas.cpp); an entry without one stays disabled.
    enum Entrada { Jogos, Times, Classificacao, Ranking, Quiz, Regras, Skins, Atualizacao };
    using Acao = std::function<void(QWidget* menu)>;
    void defineAcao(Entrada entrada, Acao acao);

private slots:
    void fcImageBtn1Click();
    void fcImageBtn2Click();
    void fcImageBtn3Click();
    void fcImageBtn4Click();
    void fcImageBtn5Click();
    void fcImageBtn6Click();
    void fcImageBtn7Click();
    void fcImageBtn8Click();
    void epEfButton1Click();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void FormCreate();
    void posiciona();
    void aciona(Entrada entrada);
    mutable QList<QImage> m_imTimes;
    std::array<Acao, 8> m_acoes;
};

extern TfmMenu* fmMenu;
