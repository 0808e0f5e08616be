// The program's bitmap reader: any bytes give a picture or nothing; a
// picture it reads itself has the pixels Qt's reader finds.
#include "core/pictures/Bmp.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    const QByteArray bytes(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));
    const QImage img = Bmp::decodifica(bytes);
    if (!img.isNull() && (img.width() <= 0 || img.height() <= 0 || img.width() > 16384 || img.height() > 16384))
        std::abort();
    return 0;
}
