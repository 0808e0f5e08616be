#pragma once
// The club badges: a shield in the club's colours with its initials, drawn
// at any size. The program keeps them built in (the 15 x 15 badge list of
// the main menu, the 38 x 38 team picker buttons) and the install tree's
// badge files are drawn by the same code. A code without a club gets a
// neutral badge. The drawing depends only on the code and the size.
#include <QImage>

namespace Escudos {

QImage desenha(int codigo, int tamanho);

} // namespace Escudos
