#pragma once
// The artwork of the default tree, drawn by code: menu, borders, banners,
// skins, stadium illustrations, brand logos and sponsor pictures.
#include <QImage>
#include <QString>

namespace Arte {

// Saves a picture as a 24-bit BMP; throws ErroPrograma on failure.
void salvaBmp(const QImage& imagem, const QString& arquivo);

QImage menu();                       // 1028 x 753
QImage relatorio();                  // 718 x 89
QImage bordaA();                     // 118 x 96
QImage bordaC();                     // 118 x 123
QImage banner(int codigo);           // 335 x 89
QImage bannerC(int codigo);          // 64 x 89, stretched across the header
QImage relatorios(int codigo);       // 335 x 89
QImage relatoriosC(int codigo);      // 385 x 89
QImage estadio(int codigo);          // 330 x 200
QImage marca(const QString& nome, int variante); // 130 x 60 logo of a fictional brand
QImage skin(int codigo);             // 81 x 81; 0 for the program's own emblem
QImage slot(int slot, bool ligado);  // 60 x 40; slot 6 118 x 123

} // namespace Arte
