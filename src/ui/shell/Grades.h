#pragma once
// Grid set-up shared by the screens' table views.
class ModeloDataset;
class QTableView;

// Gives each column of the view the width its model column asks for.
void aplicaLarguras(const ModeloDataset& modelo, QTableView* visao);
