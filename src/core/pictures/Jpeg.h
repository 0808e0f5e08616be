#pragma once
// JPEG files through libturbojpeg: the stadium photos are the only JPEG pictures.
#include <QImage>
#include <QString>

namespace Jpeg {
// Decodes a JPEG file; a null image when it cannot be read or decoded.
QImage le(const QString& arquivo);
// Encodes an image; an empty array on failure.
QByteArray codifica(const QImage& imagem, int qualidade = 88);
}
