#pragma once
// The program's recurring colours, shared by the screens and the printed
// reports. Hexadecimal RGB as the screens describe them.
#include <QColor>

namespace Cores {

inline const QColor pagina(0x9C, 0xAE, 0xC5);      // page colour of every screen, RGB(156,174,197)
inline const QColor botao(0x34, 0x69, 0xA5);       // face of the blue buttons and grid titles
inline const QColor legendaBotao(Qt::white);       // caption of a button
inline const QColor legendaSelecionada(Qt::yellow); // caption of the selected button
inline const QColor cinzaMoldura(222, 222, 222);   // the frame's sponsor column

} // namespace Cores
