#pragma once
// The match grid shared by the matches screen and the team screen's match
// list: the cursor rests only on the two score cells, whose editor is always
// shown and takes the keyboard focus only while the grid holds it (shown
// while another control has the focus, it leaves the focus there); the club-name cells carry the clubs' mini badges; the popup offers
// the head-to-head, the date change and the projection picks of the current
// row. Every way of leaving a typed row saves it. Each screen chooses its columns; the grid finds the score, "X" and
// name columns by their fields.
#include "core/data/Regras.h"

#include <QObject>
#include <QStyledItemDelegate>
#include <QTableView>

class Dataset;
class ModeloDataset;
class QAction;
class QMenu;

class GradeJogos : public QTableView {
    Q_OBJECT
public:
    // The matches screen's columns.
    static constexpr int kDia = 0, kHora = 1, kProj1 = 2, kNome1 = 3, kGols1 = 4, kX = 5, kGols2 = 6,
                         kNome2 = 7, kProj2 = 8, kLocal = 9, kEstadio = 10;

    explicit GradeJogos(QWidget* parent = nullptr);

    // The model of the grid's columns, with the grid's delegate (badges, score editor).
    void defineModelo(ModeloDataset* modelo);
    ModeloDataset* modelo() const { return m_modelo; }

    // Columns of the fields Gols_Time1, Gols_Time2 and X in the grid's model.
    int colunaGols1() const;
    int colunaGols2() const;

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
    // Puts the cursor on a row's first score with its editor open and focused.
    void vaiParaPrimeiroPlacar(int linha);

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
    ModeloDataset* m_modelo = nullptr;
    bool m_semFoco = false;
};

// The popup of a match grid and what its items do to the current row. The
// screen connects "&Confrontos" and "&Alterar Data" (and any item it adds)
// itself; the picks are handled here: each edits the row, sets the picks and
// the status, and saves it, which runs the status rule and both rebuilds.
class MenuJogos : public QObject {
    Q_OBJECT
public:
    MenuJogos(GradeJogos* grade, QWidget* dono);

    QMenu* PopupMenu1 = nullptr;
    QAction* imConfrontos = nullptr;
    QAction* imAlterarData = nullptr;
    QAction* imTime1 = nullptr;
    QAction* imEmpate = nullptr;
    QAction* imTime2 = nullptr;
    QAction* imAnula = nullptr;

    // An item placed after "&Alterar Data".
    QAction* adicionaItem(const QString& texto);

    // Captions of the picks after the current row's clubs; "P" offers the
    // three picks, "J" the picks and the annulment, "C" none.
    void prepara();

    // Saves the row being typed; when the save fails (reported) its typing is dropped.
    bool grava();

    void imTime1Click();
    void imEmpateClick();
    void imTime2Click();
    void imAnulaClick();

private:
    Dataset* jogos() const;
    void aplicaPalpite(Regras::Palpite palpite);
    GradeJogos* m_grade;
};
