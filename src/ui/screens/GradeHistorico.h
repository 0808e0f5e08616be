#pragma once
// Pieces shared by the head-to-head and the team history screens: the grid
// of historic matches with the small badges beside the two club names, the
// read-only boxes of labels and values, and the large club badge.
#include <QLabel>
#include <QSet>
#include <QTableView>
#include <QTextEdit>

class Dataset;
class ModeloDataset;

// Read-only, without rows, titles or editing; whole rows are selected and
// separated by lines. Columns: margin, `Data`, `Nome_time1` (badge of
// `Cod_Time1` at its left), `Gols_Time1`, `X`, `Gols_Time2`, `Nome_time2`
// (right-aligned, badge of `Cod_Time2` at its right), margin.
class GradeHistorico : public QTableView {
    Q_OBJECT
public:
    static constexpr int kMargem1 = 0, kData = 1, kNome1 = 2, kGols1 = 3, kX = 4, kGols2 = 5, kNome2 = 6,
                         kMargem2 = 7;

    GradeHistorico(Dataset* jogos, const QString& nome, QWidget* parent = nullptr);

    ModeloDataset* modelo() const { return m_modelo; }
    // Back on the first row (after the dataset was opened again).
    void primeiraLinha();

private:
    ModeloDataset* m_modelo;
};

// A box of read-only lines that never keeps the keyboard focus: entering it
// (by click or Tab) hands the focus to the grid.
class CaixaLeitura : public QTextEdit {
    Q_OBJECT
public:
    CaixaLeitura(const QString& nome, Qt::Alignment alinhamento, QWidget* parent = nullptr);

    void defineDestino(QWidget* destino) { m_destino = destino; }
    void defineLinhas(const QStringList& linhas);
    QStringList linhas() const;

protected:
    void focusInEvent(QFocusEvent* e) override;

private:
    Qt::Alignment m_alinhamento;
    QWidget* m_destino = nullptr;
};

// The club's large badge, stretched to 60 x 60. A file that cannot be read
// leaves the badge out; it is reported once per screen (avisados), after the
// current event, so that neither the report nor a repaint starts a rebuild.
void mostraEscudoGrande(QLabel* figura, int codigo, QSet<QString>& avisados);

// The light-green ground of the bands of both screens.
QColor corFaixaVerde();
