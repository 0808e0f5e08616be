#pragma once
// The matches screen: the season's matches all together, by round or by day;
// results are typed into the grid and projection picks set from its popup.
// Every save of a match runs the status rule and both clubs' rebuild.
#include "ui/screens/GradeJogos.h"
#include "ui/shell/Padrao.h"

#include <QList>
#include <QTableView>

class BotaoAzul;
class Dataset;
class ModeloDataset;
class QAction;
class QDateEdit;
class QMenu;
class MenuJogos;
class QRadioButton;
class QToolButton;

class TfJogos : public TfmPadrao {
    Q_OBJECT
public:
    explicit TfJogos(QWidget* parent = nullptr);
    ~TfJogos() override;

    BotaoAzul* btnInicio = nullptr;
    QList<BotaoAzul*> botoesRodada; // rounds 1..29, index = round - 1
    QRadioButton* rbData = nullptr;
    QDateEdit* cbData = nullptr;
    GradeJogos* dbJogos = nullptr;
    QToolButton* btRelatorio = nullptr;
    QToolButton* btClassificacao = nullptr;

    QMenu* PopupMenu1 = nullptr;
    QAction* imConfrontos = nullptr;
    QAction* imAlterarData = nullptr;
    QAction* imTime1 = nullptr;
    QAction* imEmpate = nullptr;
    QAction* imTime2 = nullptr;
    QAction* imAnula = nullptr;

    Dataset* Table1 = nullptr; // Jogos, ordered and linked by the views
    Dataset* Query1 = nullptr; // the view statement, master of Table1
    Dataset* Table2 = nullptr; // Times1: names of the clubs, target of the rebuild
    ModeloDataset* modelo = nullptr;

    // The view button for a number: 1..29 a round, 30 the full view.
    BotaoAzul* botaoVisao(int numero) const;
    // The number of the last pressed view button (0 when none yet).
    int ultimaVisao() const { return m_ultimo; }

    // Handlers.
    void btnVisaoClick(int numero);
    void rbDataClick();
    void cbDataChange();
    void imTime1Click();
    void imEmpateClick();
    void imTime2Click();
    void imAnulaClick();
    void imAlterarDataClick();
    void imConfrontosClick();
    void btRelatorioClick();
    void btClassificacaoClick();

    // Captions and enabled picks for the current row.
    void preparaMenu();

    void done(int resultado) override;

protected:
    void ativacao() override;

private:
    void mostraVisao(int numero);
    void visaoData();
    // Saves the row being typed; when the save fails (reported) its typing is dropped.
    bool gravaEdicao();

    int m_ultimo = 0;
    MenuJogos* m_menu = nullptr;
};

extern TfJogos* fJogos;
