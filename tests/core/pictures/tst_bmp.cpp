// The quick bitmap reader gives the same pixels as Qt's reader, and refuses
// damaged files instead of reading past their end.
#include "core/pictures/Bmp.h"

#include <QBuffer>
#include <QtTest>

namespace {

QImage exemplo(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb((x * 37) & 255, (y * 53) & 255, (x * y) & 255));
    return img;
}

QByteArray comoBmp(const QImage& img)
{
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "BMP");
    return b;
}

// A hand-made 32-bit top-down bitmap.
QByteArray bmp32DeCima(const QImage& img)
{
    QByteArray b(54, '\0');
    auto poe32 = [&](int pos, qint32 v) { for (int i = 0; i < 4; ++i) b[pos + i] = char((v >> (8 * i)) & 255); };
    b[0] = 'B';
    b[1] = 'M';
    poe32(2, 54 + img.width() * img.height() * 4);
    poe32(10, 54);
    poe32(14, 40);
    poe32(18, img.width());
    poe32(22, -img.height());
    b[26] = 1;
    b[28] = 32;
    for (int y = 0; y < img.height(); ++y)
        b.append(reinterpret_cast<const char*>(img.constScanLine(y)), img.width() * 4);
    return b;
}

} // namespace

class TstBmp : public QObject {
    Q_OBJECT
private slots:
    void mesmosPixelsQueOLeitorDoQt_data()
    {
        QTest::addColumn<int>("largura");
        QTest::addColumn<int>("altura");
        QTest::newRow("1 x 1") << 1 << 1;
        QTest::newRow("linha com enchimento") << 5 << 3;
        QTest::newRow("menu") << 1028 << 753;
    }
    void mesmosPixelsQueOLeitorDoQt()
    {
        QFETCH(int, largura);
        QFETCH(int, altura);
        const QByteArray dados = comoBmp(exemplo(largura, altura));
        const QImage nosso = Bmp::decodifica(dados);
        const QImage qt = QImage::fromData(dados, "BMP");
        QVERIFY(!nosso.isNull());
        QCOMPARE(nosso.convertToFormat(QImage::Format_RGB32), qt.convertToFormat(QImage::Format_RGB32));
    }
    void trintaEDoisBitsDeCimaParaBaixo()
    {
        const QImage img = exemplo(7, 4);
        QCOMPARE(Bmp::decodifica(bmp32DeCima(img)).convertToFormat(QImage::Format_RGB32), img);
    }
    void arquivoCortadoOuEstranho_data()
    {
        QTest::addColumn<QByteArray>("dados");
        const QByteArray bom = comoBmp(exemplo(20, 10));
        QTest::newRow("cortado") << bom.left(bom.size() - 7);
        QTest::newRow("só o cabeçalho") << bom.left(54);
        QByteArray enorme = bom;
        enorme[18] = char(0xff);
        enorme[19] = char(0xff);
        enorme[20] = char(0xff);
        enorme[21] = char(0x7f);
        QTest::newRow("largura enorme") << enorme;
        QByteArray inicio = bom;
        inicio[10] = char(0xff);
        inicio[11] = char(0xff);
        inicio[12] = char(0xff);
        inicio[13] = char(0x7f);
        QTest::newRow("dados depois do fim") << inicio;
        // Found by fuzzing: a 53-byte file that Qt's reader takes for a picture of giant height.
        QTest::newRow("cabeçalho estranho, figura gigante")
            << QByteArray::fromHex("424d5a00000000000000280000000400000003000086010018000000000024000000000000000000000000000000ff0000ff0000ff");
        QTest::newRow("vazio") << QByteArray();
        QTest::newRow("texto") << QByteArray("BM não é uma figura");
    }
    void arquivoCortadoOuEstranho()
    {
        QFETCH(QByteArray, dados);
        QVERIFY(Bmp::decodifica(dados).isNull());
    }
};

QTEST_GUILESS_MAIN(TstBmp)
#include "tst_bmp.moc"
