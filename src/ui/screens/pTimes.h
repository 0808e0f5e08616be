#pragma once
// The team screen: the club page. One club at a time: its banner, facts,
// titles, sponsors and its line in the standings and the projected
// standings; pop-up panels with its season history, stadium and anthem; the
// team picker; and the club's own match list, typed into with the rules of
// the matches screen, after which the page shows the new figures at once.
#include <QDialog>
#include <QList>
#include <QString>

class AtivacaoMoldura;
class ColunaMoldura;
class Dataset;
class GradeJogos;
class MenuJogos;
class ModeloDataset;
class QAbstractButton;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTableWidget;
class QTextEdit;
class QToolButton;
class QWidget;

class TfTimes : public QDialog {
    Q_OBJECT
public:
    explicit TfTimes(QWidget* parent = nullptr);
    ~TfTimes() override;

    // The frame's left column, shared with the framed screens.
    ColunaMoldura* coluna = nullptr;
    QToolButton* btRelatorio = nullptr;
    QToolButton* btClassificacao = nullptr;

    // Header: banner, its continuation, caption and the picker's triangle.
    QWidget* pnPagina = nullptr; // the page area right of the left column
    QWidget* pnCabecalho = nullptr;
    QLabel* Image16 = nullptr; // banner, unscaled
    QLabel* Image14 = nullptr; // continuation, stretched
    QLabel* lbCaption = nullptr;
    QAbstractButton* btMenuTimes = nullptr;
    QLabel* Image13 = nullptr; // strip under the header

    // Left half.
    QLabel* Table2Fundacao = nullptr;
    QLabel* Table2Endereco1 = nullptr;
    QLabel* Table2Endereco2 = nullptr;
    QLabel* Table2Telefone = nullptr;
    QLabel* Table2Endereco = nullptr; // the web link
    QLabel* Table2Estadio = nullptr;
    QPlainTextEdit* meTitulos = nullptr;
    QLabel* lbMatEsportivo = nullptr; // caption "Material Esportivo"
    QLabel* lbCamisa = nullptr;       // caption "Camisa"
    QLabel* Table2MatEsportivo = nullptr;
    QLabel* Table2Patrocinio = nullptr;
    QLabel* Query5Colocacao = nullptr;
    QLabel* Query4Colocacao = nullptr;
    QLabel* Query4Proj_J = nullptr;
    QLabel* lbHistorico = nullptr;
    QLabel* lbEstadio = nullptr;
    QLabel* lbHino = nullptr;
    QAbstractButton* btHistorico = nullptr;
    QAbstractButton* btEstadio = nullptr;
    QAbstractButton* btHino = nullptr;
    // The figure of a field of the club statistics view (Pontos ... Proj_D).
    QLabel* figura(const QString& campo) const;

    // Pop-up panels.
    QWidget* pnHistorico = nullptr;
    QTableWidget* grHistorico = nullptr;
    QWidget* pnEstadios = nullptr;
    QLabel* Image17 = nullptr; // stadium photo
    QWidget* pnHino = nullptr;
    QWidget* pnMatEsportivo = nullptr;
    QLabel* Image18 = nullptr;
    QWidget* pnPatrocinio = nullptr;
    QLabel* Image19 = nullptr;
    QWidget* pnMenuTimes = nullptr;
    QList<QToolButton*> botoesTimes; // the picker, in its grid's order
    // The picker button of a club code (nullptr when the code is not in the picker).
    QToolButton* botaoTime(int codigo) const;

    // The club's match list and its popup.
    GradeJogos* dbJogos = nullptr;
    ModeloDataset* modelo = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* imConfrontos = nullptr;
    QAction* imAlterarData = nullptr;
    QAction* imTodosJogos = nullptr;
    QAction* imTime1 = nullptr;
    QAction* imEmpate = nullptr;
    QAction* imTime2 = nullptr;
    QAction* imAnula = nullptr;

    Dataset* Table2 = nullptr; // club record view
    Dataset* Table3 = nullptr; // club statistics view
    Dataset* Query5 = nullptr; // standings
    Dataset* Query4 = nullptr; // projected standings
    Dataset* Query1 = nullptr; // the club's matches

    int codTime() const { return m_codTime; }
    QAbstractButton* ultimoBotao() const { return m_ultimoBotao; }

    // Shows the club of the shown club code.
    void SelecionaTime();
    // A picker button chosen: remember it, take its club code, hide the picker, show the club.
    void lbtnAmericaClick(QAbstractButton* botao);

    // The address handed to the desktop for the web link: "Http://" in front
    // unless it already starts with a web scheme.
    static QString enderecoWeb(const QString& armazenado);
    void abreEndereco();

    void btClassificacaoClick();
    void btRelatorioClick();
    void imAlterarDataClick();
    void imConfrontosClick();
    void imTodosJogosClick();

    // Hides every pop-up panel.
    void escondePaineis();

    void done(int resultado) override;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* obj, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void FormActivate();
    void posicionaPaineis();
    void mostraClube();
    void posicionaVistas();
    void atualizaAposGravar();
    void arrumaPagina();
    void preparaMenu();
    void aplicaPalpite(const QString& p1, const QString& p2, const QString& situacao);
    bool gravaEdicao();

    AtivacaoMoldura* m_ativacao = nullptr;
    MenuJogos* m_menu = nullptr;
    int m_codTime = 1;
    QAbstractButton* m_ultimoBotao = nullptr;
    QList<QWidget*> m_esconde; // the hiding set
    QList<QLabel*> m_figuras;  // figures of the club statistics view
};

extern TfTimes* fTimes;
