#include "ui/shell/Grades.h"

#include "core/data/Dataset.h"
#include "core/data/ModeloDataset.h"

#include <QHeaderView>
#include <QTableView>

void aplicaLarguras(const ModeloDataset& modelo, QTableView* visao)
{
    // Narrow columns (a one-pixel hidden one) need the header's minimum lowered.
    visao->horizontalHeader()->setMinimumSectionSize(1);
    for (int c = 0; c < modelo.columnCount(); ++c)
        visao->setColumnWidth(c, modelo.coluna(c).largura);
}
