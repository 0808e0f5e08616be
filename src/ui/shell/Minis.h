#pragma once
// Small club badges of the grids, read from their files. A file that changed
// is read again; a missing file leaves the badge out without a report, since
// the cells are drawn on every repaint.
#include <QDateTime>
#include <QHash>
#include <QPixmap>
#include <QString>

class Minis {
public:
    QPixmap figura(const QString& arquivo);

private:
    struct Item {
        QDateTime alterado;
        qint64 tamanho = -1;
        QPixmap figura;
    };
    QHash<QString, Item> m_cache;
};
