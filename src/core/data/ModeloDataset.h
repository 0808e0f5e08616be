#pragma once
// An item model over a dataset, for the grids of the screens. Each column
// shows one field with its own width, alignment, font and colours; only the
// columns marked editable take typing. The dataset's cursor follows the
// view's current row: moving to another row saves the pending edit of the
// row left behind. Rows are never inserted through the model.
#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QPointer>
#include <QVector>
#include <functional>
#include <optional>

class Dataset;
class QItemSelectionModel;

class ModeloDataset : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Coluna {
        QString campo;
        QString titulo;
        int largura = 64;
        Qt::Alignment alinhamento = Qt::AlignLeft | Qt::AlignVCenter;
        std::optional<QFont> fonte;
        QColor corTexto;  // invalid: the view's own
        QColor corFundo;  // invalid: the view's own
        bool editavel = false;
        // Editable whole numbers: the accepted range; a typed text outside it is refused.
        bool inteiro = false;
        int minimo = 0;
        int maximo = 0;
        // A picture for the field's value (DecorationRole), e.g. a club icon by code.
        std::function<QVariant(const QVariant&)> decoracao;
        // Shows the picture only, without the value as text.
        bool soDecoracao = false;
    };

    explicit ModeloDataset(Dataset* dataset, QObject* parent = nullptr);

    Dataset* dataset() const { return m_dataset; }

    void adicionaColuna(const Coluna& coluna);
    const Coluna& coluna(int c) const { return m_colunas[c]; }
    int colunaDoCampo(const QString& campo) const; // -1 when absent

    int rowCount(const QModelIndex& pai = QModelIndex()) const override;
    int columnCount(const QModelIndex& pai = QModelIndex()) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    // Puts the dataset's cursor on the row (saving a pending edit of another row),
    // edits it and sets the field. A text that is not a valid value is refused
    // with a message; nothing is stored until the row is saved.
    bool setData(const QModelIndex& indice, const QVariant& valor, int papel = Qt::EditRole) override;
    // Rows are never added through a grid.
    bool insertRows(int linha, int quantidade, const QModelIndex& pai = QModelIndex()) override;

    // The dataset's cursor goes to this row (from 0). A pending edit of the row
    // left behind is saved; when the save fails the error is reported, the
    // unsaved changes are dropped and the cursor moves on. Returns false then.
    bool defineLinhaAtual(int linha);
    // Saves the pending edit, if any; reports an error and returns false when it fails
    // (the row then stays in edit).
    bool grava();
    // Drops the pending edit, if any.
    void descarta();

    // Links a view's selection: its current row drives the cursor, and a cursor
    // moved by the program moves the view's current row (same column).
    void acompanha(QItemSelectionModel* selecao);
    // How a cursor moved by the program marks the view's row (whole row selected by default).
    void defineMarcacao(int flags) { m_marcacao = flags; }

    // How the field's value is shown as text: dates as dd/MM/yyyy, nulls empty.
    static QString texto(const QVariant& v);
    // A typed whole number: empty gives null; anything else outside
    // minimo..maximo or not a number gives false and the message for the user.
    static bool leInteiro(const QString& digitado, int minimo, int maximo, QVariant* valor, QString* mensagem);

private:
    void aoResetar();
    void aoMoverCursor(int linha);

    QPointer<Dataset> m_dataset;
    QVector<Coluna> m_colunas;
    QPointer<QItemSelectionModel> m_selecao;
    int m_linhas = 0;
    bool m_movendo = false;
    int m_marcacao = 0x0003 | 0x0020; // ClearAndSelect | Rows
};
