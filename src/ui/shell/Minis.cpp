#include "ui/shell/Minis.h"

#include "core/install/Caminhos.h"

#include <QFileInfo>

QPixmap Minis::figura(const QString& arquivo)
{
    if (!Caminhos::carregavel(arquivo))
        return QPixmap();
    const QFileInfo info(arquivo);
    if (!info.exists())
        return QPixmap();
    Item& item = m_cache[arquivo];
    if (item.alterado != info.lastModified() || item.tamanho != info.size()) {
        item.figura = QPixmap(arquivo);
        item.alterado = info.lastModified();
        item.tamanho = info.size();
    }
    return item.figura;
}
