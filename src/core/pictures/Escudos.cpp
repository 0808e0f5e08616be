#include "core/pictures/Escudos.h"

#include "core/data/Clubes.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace Escudos {

namespace {

// The shield outline inside a square of side s, leaving a margin.
QPainterPath escudo(qreal s)
{
    const qreal m = s * 0.06;
    const qreal l = m, r = s - m, t = m, b = s - m;
    const qreal w = r - l;
    QPainterPath p;
    p.moveTo(l, t);
    p.lineTo(l + w * 0.5, t + (b - t) * 0.06);
    p.lineTo(r, t);
    p.lineTo(r, t + (b - t) * 0.52);
    p.cubicTo(r, t + (b - t) * 0.80, l + w * 0.72, t + (b - t) * 0.92, l + w * 0.5, b);
    p.cubicTo(l + w * 0.28, t + (b - t) * 0.92, l, t + (b - t) * 0.80, l, t + (b - t) * 0.52);
    p.closeSubpath();
    return p;
}

void pintaCampo(QPainter& p, const Clubes::Clube& c, qreal s)
{
    const QColor c1 = QColor::fromRgb(c.cor1), c2 = QColor::fromRgb(c.cor2);
    p.fillRect(QRectF(0, 0, s, s), c1);
    switch (c.padrao) {
    case Clubes::Padrao::Liso:
        break;
    case Clubes::Padrao::Listras: {
        const qreal w = s / 7.0;
        for (int i = 1; i < 7; i += 2)
            p.fillRect(QRectF(i * w, 0, w, s), c2);
        break;
    }
    case Clubes::Padrao::Aros: {
        const qreal h = s / 8.0;
        for (int i = 1; i < 8; i += 2)
            p.fillRect(QRectF(0, i * h, s, h), c2);
        break;
    }
    case Clubes::Padrao::Faixa:
        p.fillRect(QRectF(0, s * 0.36, s, s * 0.22), c2);
        break;
    case Clubes::Padrao::Diagonal: {
        QPainterPath d;
        d.moveTo(0, s * 0.12);
        d.lineTo(s * 0.12, 0);
        d.lineTo(s, s * 0.88);
        d.lineTo(s * 0.88, s);
        d.closeSubpath();
        p.fillPath(d, c2);
        break;
    }
    case Clubes::Padrao::Metades:
        p.fillRect(QRectF(s / 2, 0, s / 2, s), c2);
        break;
    case Clubes::Padrao::Quartos:
        p.fillRect(QRectF(s / 2, 0, s / 2, s / 2), c2);
        p.fillRect(QRectF(0, s / 2, s / 2, s / 2), c2);
        break;
    }
}

int luz(QRgb cor)
{
    return (qRed(cor) * 299 + qGreen(cor) * 587 + qBlue(cor) * 114) / 1000;
}

// Dark or light, whichever stands out on the colour.
QColor contraste(QRgb cor)
{
    return luz(cor) > 150 ? QColor(20, 20, 20) : QColor(255, 255, 255);
}

void pintaSigla(QPainter& p, const QString& sigla, const QRectF& area, const QColor& tinta)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setStyleStrategy(QFont::PreferAntialias);
    qreal px = area.height() * 0.85;
    f.setPixelSize(qMax(5, int(px)));
    QFontMetricsF fm(f);
    while (fm.horizontalAdvance(sigla) > area.width() && f.pixelSize() > 5) {
        f.setPixelSize(f.pixelSize() - 1);
        fm = QFontMetricsF(f);
    }
    QPainterPath texto;
    const qreal x = area.center().x() - fm.horizontalAdvance(sigla) / 2;
    const qreal y = area.center().y() + (fm.ascent() - fm.descent()) / 2;
    texto.addText(QPointF(x, y), f, sigla);
    p.fillPath(texto, tinta);
}

} // namespace

QImage desenha(int codigo, int tamanho)
{
    const int s = qMax(8, tamanho);
    QImage img(s, s, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const Clubes::Clube* c = Clubes::porCodigo(codigo);
    Clubes::Clube neutro{codigo, QString(), QString(), QString(), Clubes::Tipo::Vaga, Clubes::Padrao::Liso,
                         qRgb(176, 180, 188), qRgb(176, 180, 188), qRgb(90, 96, 110)};
    const Clubes::Clube& k = c ? *c : neutro;

    const QPainterPath forma = escudo(s);
    p.save();
    p.setClipPath(forma);
    pintaCampo(p, k, s);
    // A soft light from the top left gives the shield some depth.
    QLinearGradient brilho(0, 0, s, s);
    brilho.setColorAt(0, QColor(255, 255, 255, 70));
    brilho.setColorAt(0.5, QColor(255, 255, 255, 0));
    brilho.setColorAt(1, QColor(0, 0, 0, 60));
    p.fillRect(QRectF(0, 0, s, s), brilho);
    p.restore();

    const qreal aro = qMax<qreal>(1.0, s * 0.055);
    p.setPen(QPen(QColor::fromRgb(k.cor3), aro));
    p.setBrush(Qt::NoBrush);
    p.drawPath(forma);

    if (s >= 24) {
        // A plate across the middle in the rim colour carries the initials,
        // written in whichever club colour stands out most on it.
        const QString sigla = k.sigla.isEmpty() ? QStringLiteral("?") : k.sigla;
        const QRectF faixa(s * 0.15, s * 0.36, s * 0.70, s * 0.25);
        const QColor placa = QColor::fromRgb(k.cor3);
        QColor tinta = contraste(k.cor3);
        int melhor = 90;
        for (QRgb c : {k.cor1, k.cor2}) {
            const int d = qAbs(luz(c) - luz(k.cor3));
            if (d > melhor) {
                melhor = d;
                tinta = QColor::fromRgb(c);
            }
        }
        p.setPen(QPen(contraste(k.cor3) == QColor(255, 255, 255) ? QColor(255, 255, 255, 160) : QColor(0, 0, 0, 110),
                      qMax<qreal>(1.0, s * 0.02)));
        p.setBrush(placa);
        p.drawRoundedRect(faixa.adjusted(-s * 0.03, 0, s * 0.03, 0), s * 0.04, s * 0.04);
        pintaSigla(p, sigla, faixa.adjusted(s * 0.01, s * 0.01, -s * 0.01, -s * 0.01), tinta);
    } else if (k.tipo == Clubes::Tipo::Vaga || !c) {
        // Too small for initials: placeholders and unknown codes show a dot.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgb(k.cor3));
        p.drawEllipse(QPointF(s / 2.0, s * 0.45), s * 0.14, s * 0.14);
    }
    p.end();
    return img;
}

} // namespace Escudos
