#include "core/pictures/Jpeg.h"

#include <QFile>
#include <turbojpeg.h>

namespace Jpeg {

QImage le(const QString& arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return decodifica(f.readAll());
}

QImage decodifica(const QByteArray& dados)
{
    if (dados.isEmpty())
        return {};
    tjhandle h = tjInitDecompress();
    if (!h)
        return {};
    int w = 0, hgt = 0, sub = 0, cor = 0;
    QImage img;
    auto* src = reinterpret_cast<unsigned char*>(const_cast<char*>(dados.constData()));
    if (tjDecompressHeader3(h, src, static_cast<unsigned long>(dados.size()), &w, &hgt, &sub, &cor) == 0
        && w > 0 && hgt > 0 && w <= 16384 && hgt <= 16384) {
        QImage out(w, hgt, QImage::Format_RGB888);
        if (tjDecompress2(h, src, static_cast<unsigned long>(dados.size()), out.bits(), w,
                          static_cast<int>(out.bytesPerLine()), hgt, TJPF_RGB, TJFLAG_ACCURATEDCT) == 0)
            img = out;
    }
    tjDestroy(h);
    return img;
}

QByteArray codifica(const QImage& imagem, int qualidade)
{
    const QImage rgb = imagem.convertToFormat(QImage::Format_RGB888);
    tjhandle h = tjInitCompress();
    if (!h)
        return {};
    unsigned char* buf = nullptr;
    unsigned long tam = 0;
    QByteArray r;
    if (tjCompress2(h, rgb.constBits(), rgb.width(), static_cast<int>(rgb.bytesPerLine()), rgb.height(), TJPF_RGB,
                    &buf, &tam, TJSAMP_420, qualidade, TJFLAG_ACCURATEDCT) == 0)
        r = QByteArray(reinterpret_cast<const char*>(buf), static_cast<qsizetype>(tam));
    tjFree(buf);
    tjDestroy(h);
    return r;
}

} // namespace Jpeg
