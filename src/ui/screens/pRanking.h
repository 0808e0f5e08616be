#pragma once
// The ranking screen: every club in the all-time ranking order with its
// accumulated figures. Some columns can be moved, or dragged onto the panel
// above the headers to group the list by them; the position stays the
// club's place in the ranking.
#include "ui/shell/Padrao.h"

#include <QHeaderView>
#include <QLabel>
#include <QList>

class Dataset;
class QAction;
class QMenu;
class QPlainTextEdit;
class QStandardItemModel;
class QTreeView;

// Headers whose movable sections are dragged by hand: dropped on the header
// they move, dropped elsewhere the screen decides (the group-by panel).
class CabecalhoRanking : public QHeaderView {
    Q_OBJECT
public:
    explicit CabecalhoRanking(QWidget* parent = nullptr);
    std::function<bool(int)> movivel;

signals:
    // A drag of the logical column ended at a global position.
    void soltou(int coluna, QPoint global);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int m_coluna = -1;
    QPoint m_inicio;
    bool m_arrastando = false;
    QLabel* m_indicador = nullptr;
};

// A grouped column on the group-by panel; dragging it back to the headers ungroups.
class ChipGrupo : public QLabel {
    Q_OBJECT
public:
    ChipGrupo(int coluna, const QString& titulo, QWidget* parent = nullptr);
    const int coluna;

signals:
    void soltou(int coluna, QPoint global);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool m_pressionado = false;
    bool m_arrastando = false;
    QPoint m_inicio;
};

class TfRanking : public TfmPadrao {
    Q_OBJECT
public:
    // Logical columns of the list.
    enum Coluna { kColocacao, kIcone, kTime, kUF, kP, kJ, kV, kE, kD, kGP, kGC, kSG, kPA, kColunas };

    explicit TfRanking(QWidget* parent = nullptr);
    ~TfRanking() override;

    QTreeView* dxDBGrid1 = nullptr;
    CabecalhoRanking* cabecalho = nullptr;
    QWidget* pnAgrupar = nullptr;
    QLabel* lbTitulo = nullptr;
    QPlainTextEdit* meExplicacao = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* TodososJogos1 = nullptr;

    Dataset* Query1 = nullptr; // Times1 in ranking order
    QStandardItemModel* modelo = nullptr;

    static bool movivel(int coluna);
    // The columns the list is grouped by, outermost first.
    QList<int> agrupamento() const { return m_grupos; }
    void agrupa(int coluna);
    // Ungroups the column; at a header position (view x) it is put there.
    void desagrupa(int coluna, int x = -1);
    // Moves a movable column to the movable place nearest to a header position
    // (view x); the fixed columns keep their places.
    void moveColuna(int coluna, int x);

    // The club of a list row; 0 for a group row.
    static int codigoDa(const QModelIndex& indice);

    void TodososJogos1Click();

protected:
    void ativacao() override;

private:
    void monta();
    void soltou(int coluna, QPoint global, bool doPainel);
    void atualizaPainel();
    QList<int> m_grupos;
};

extern TfRanking* fRanking;
