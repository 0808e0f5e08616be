#pragma once
// The HTML pages of the default tree: the laws of the game (pages 0 to 20),
// the update page and the sponsorship pages. Plain HTML 4 with the little
// CSS that the program's HTML view understands.
#include <QString>

namespace Paginas {

QString regra(int numero);   // 0 is the start page
QString tituloRegra(int numero);
QString atualizacao();
QString patrocinioInicial();

struct Patrocinador {
    QString nome;
    QString titulo;
    QString hint;
    bool ligado;
};
Patrocinador patrocinador(int slot); // 1..6
QString paginaPatrocinador(int slot);

} // namespace Paginas
