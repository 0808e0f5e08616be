#pragma once
// The look shared by the screens: the colours of core/Cores.h and the fonts
// the grids, buttons and captions use.
#include "core/Cores.h"

#include <QFont>
#include <QString>

namespace Estilo {

using namespace Cores;

// A font of the given family and pixel height.
inline QFont fonte(const QString& familia, int px, bool negrito = false)
{
    QFont f(familia);
    f.setPixelSize(px);
    f.setBold(negrito);
    return f;
}

// Arial: grids (11 and 12 pixels), blue buttons (11, bold), titles.
inline QFont arial(int px, bool negrito = false)
{
    return fonte(QStringLiteral("Arial"), px, negrito);
}

// Tahoma: the frame's caption and the skins list.
inline QFont tahoma(int px, bool negrito = false)
{
    return fonte(QStringLiteral("Tahoma"), px, negrito);
}

// The title row of the data grids: white bold Arial 12 on the button blue,
// over the page colour.
inline QString titulosDeGrade()
{
    return QStringLiteral("QHeaderView { background-color: %1; }"
                          " QHeaderView::section { background-color: %2; color: white; font-weight: bold;"
                          " font-family: Arial; font-size: 12px; border: 0px; border-right: 1px solid %1;"
                          " padding: 1px; }")
        .arg(pagina.name(), botao.name());
}

} // namespace Estilo
