// Stadium photos: any bytes decode to a picture or to nothing, never a crash.
#include "core/pictures/Jpeg.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    const QImage img = Jpeg::decodifica(QByteArray(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho)));
    if (!img.isNull() && (img.width() <= 0 || img.height() <= 0))
        std::abort();
    return 0;
}
