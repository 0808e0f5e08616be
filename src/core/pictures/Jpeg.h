#pragma once
// JPEG files through libturbojpeg: the stadium photos are the only JPEG pictures.
#include <QImage>
#include <QString>

namespace Jpeg {
// Decodes a JPEG file; a null image when it cannot be read or decoded.
QImage le(const QString& arquivo);
// Decodes the bytes of a JPEG file; a null image when they are not one.
QImage decodifica(const QByteArray& dados);
// Encodes an image; an empty array on failure.
QByteArray codifica(const QImage& imagem, int qualidade = 88);
}
