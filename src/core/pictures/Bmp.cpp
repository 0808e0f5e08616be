#include "core/pictures/Bmp.h"

#include <QFile>
#include <cstring>

namespace Bmp {

namespace {

quint32 u32(const uchar* p) { return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24; }
quint16 u16(const uchar* p) { return quint16(p[0] | p[1] << 8); }

// Qt's reader for the other kinds, held to the same largest size.
QImage peloQt(const QByteArray& dados)
{
    const QImage img = QImage::fromData(dados, "BMP");
    if (img.width() > 16384 || img.height() > 16384)
        return {};
    return img;
}

} // namespace

QImage decodifica(const QByteArray& dados)
{
    const auto* p = reinterpret_cast<const uchar*>(dados.constData());
    const qint64 tamanho = dados.size();
    if (tamanho < 54 || p[0] != 'B' || p[1] != 'M')
        return peloQt(dados);
    const qint64 inicio = u32(p + 10);
    const quint32 cabecalho = u32(p + 14);
    if (cabecalho < 40 || 14 + qint64(cabecalho) > tamanho)
        return peloQt(dados);
    const qint32 largura = qint32(u32(p + 18));
    const qint32 alturaBruta = qint32(u32(p + 22));
    const quint16 planos = u16(p + 26);
    const quint16 bits = u16(p + 28);
    const quint32 compressao = u32(p + 30);
    // Only the plain kinds take the quick road.
    if (planos != 1 || compressao != 0 || (bits != 24 && bits != 32) || largura <= 0 || alturaBruta == 0
        || alturaBruta == INT32_MIN)
        return peloQt(dados);
    const bool deCimaParaBaixo = alturaBruta < 0;
    const qint64 altura = deCimaParaBaixo ? -qint64(alturaBruta) : qint64(alturaBruta);
    if (largura > 16384 || altura > 16384)
        return {};
    const qint64 passo = ((qint64(bits) * largura + 31) / 32) * 4;
    if (inicio < 14 + qint64(cabecalho) || inicio > tamanho || passo * altura > tamanho - inicio)
        return {};
    QImage img(largura, int(altura), bits == 24 ? QImage::Format_BGR888 : QImage::Format_RGB32);
    if (img.isNull())
        return {};
    const qint64 bytesLinha = qint64(largura) * (bits / 8);
    for (qint64 y = 0; y < altura; ++y) {
        const qint64 origem = deCimaParaBaixo ? y : altura - 1 - y;
        std::memcpy(img.scanLine(int(y)), p + inicio + origem * passo, size_t(bytesLinha));
    }
    return img;
}

QImage le(const QString& arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return decodifica(f.readAll());
}

} // namespace Bmp
