#pragma once
// The matches screen: the season's matches all together, by round or by day;
// results are typed into the grid and projection picks set from its popup.
// Every save of a match runs the status rule and both clubs' rebuild.
#include "core/data/Regras.h"
#include "ui/shell/Padrao.h"

#include <QList>
#include <QTableView>

class BotaoAzul;
class Dataset;
class ModeloDataset;
class QAction;
class QDateEdit;
class QMenu;
class QRadioButton;
class QToolButton;

// The match grid: the cursor only rests on the two score cells, whose editor
// is always shown. The editor takes the keyboard focus only while the grid
// holds it: shown while another control has the focus (a view button being
// pressed, the date field being typed into), it leaves the focus there.
class GradeJogos : public QTableView {
    Q_OBJECT
public:
    static constexpr int kDia = 0, kHora = 1, kProj1 = 2, kNome1 = 3, kGols1 = 4, kX = 5, kGols2 = 6,
                         kNome2 = 7, kProj2 = 8, kLocal = 9, kEstadio = 10;

    explicit GradeJogos(QWidget* parent = nullptr);

    // Hands the open editor's text to the row (the row is not saved yet).
    void confirmaEditor();
    // Closes the open editor without handing its text to the row.
    void descartaEditor();
    // Opens the editor on the current score cell when it is not shown.
    void mostraEditor();
    // True while an editor is being opened that must not take the focus (the delegate reads it).
    bool abrindoSemFoco() const { return m_semFoco; }
    // The grid, its viewport or its editor holds the keyboard focus.
    bool temFoco() const;

    using QTableView::edit;

signals:
    // The cursor entered a column (after the redirection to a score cell).
    void colunaEntrou();
    // Up on the first row or Down on the last: the cursor cannot move, but the
    // row is left as on any other row move (and no row is added).
    void saiuPelaBorda();

protected:
    bool edit(const QModelIndex& indice, EditTrigger gatilho, QEvent* evento) override;
    void currentChanged(const QModelIndex& atual, const QModelIndex& anterior) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint dica) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    bool m_semFoco = false;
};

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
    void aplicaPalpite(Regras::Palpite palpite);
    // Saves the row being typed; when the save fails (reported) its typing is dropped.
    bool gravaEdicao();

    int m_ultimo = 0;
};

extern TfJogos* fJogos;
