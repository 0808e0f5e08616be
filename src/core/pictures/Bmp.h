#pragma once
// Bitmap files. The uncompressed 24- and 32-bit bitmaps of the install tree
// are read row by row straight into the picture; any other kind of bitmap
// goes to Qt's own reader.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace Bmp {

// A null image when the file cannot be read or is not a bitmap.
QImage le(const QString& arquivo);
QImage decodifica(const QByteArray& dados);

} // namespace Bmp
