#include "Arte.h"

#include "DadosClubes.h"
#include "core/data/Clubes.h"
#include "core/errors/Erros.h"
#include "core/pictures/Escudos.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace Arte {

namespace {

const QString kFonte = QStringLiteral("DejaVu Sans");

QFont fonte(int px, bool negrito = true, bool italico = false)
{
    QFont f(kFonte);
    f.setPixelSize(px);
    f.setBold(negrito);
    f.setItalic(italico);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QImage tela(int w, int h, const QColor& fundo = Qt::white)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fundo);
    return img;
}

void prepara(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// Text with a dark outline, for captions over busy backgrounds.
void textoContornado(QPainter& p, const QPointF& base, const QFont& f, const QString& t, const QColor& tinta,
                     const QColor& contorno, qreal largura)
{
    QPainterPath path;
    path.addText(base, f, t);
    p.strokePath(path, QPen(contorno, largura, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, tinta);
}

const Clubes::Clube& clube(int codigo)
{
    static const Clubes::Clube neutro{0, QStringLiteral("Golazzo 2001"), QStringLiteral("G"), QString(),
                                      Clubes::Tipo::Vaga, Clubes::Padrao::Liso, qRgb(20, 60, 150),
                                      qRgb(250, 200, 20), qRgb(255, 255, 255)};
    const Clubes::Clube* c = Clubes::porCodigo(codigo);
    return c ? *c : neutro;
}

QColor escurece(QRgb c, int fator) { return QColor::fromRgb(c).darker(fator); }

// A colour for drawing on white: the club's first colour unless it is too light.
QColor corForte(const Clubes::Clube& c)
{
    auto luz = [](QRgb x) { return (qRed(x) * 299 + qGreen(x) * 587 + qBlue(x) * 114) / 1000; };
    if (luz(c.cor1) < 170)
        return QColor::fromRgb(c.cor1);
    if (luz(c.cor2) < 170)
        return QColor::fromRgb(c.cor2);
    return QColor::fromRgb(c.cor3);
}

QColor corSegunda(const Clubes::Clube& c)
{
    const QColor a = corForte(c);
    for (QRgb x : {c.cor2, c.cor3, c.cor1})
        if (QColor::fromRgb(x) != a)
            return QColor::fromRgb(x);
    return QColor(255, 255, 255);
}

// A football: white with dark patches.
void bola(QPainter& p, const QPointF& c, qreal r)
{
    p.save();
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.3);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(190, 190, 200));
    p.setBrush(g);
    p.setPen(QPen(QColor(40, 40, 40), qMax<qreal>(1.0, r * 0.06)));
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(30, 30, 30));
    p.setPen(Qt::NoPen);
    auto penta = [&](const QPointF& m, qreal s, qreal giro) {
        QPolygonF poly;
        for (int i = 0; i < 5; ++i) {
            const qreal a = giro + i * 2 * M_PI / 5;
            poly << m + QPointF(std::cos(a) * s, std::sin(a) * s);
        }
        p.drawPolygon(poly);
    };
    penta(c, r * 0.32, -M_PI / 2);
    for (int i = 0; i < 5; ++i) {
        const qreal a = -M_PI / 2 + i * 2 * M_PI / 5;
        QPainterPath clip;
        clip.addEllipse(c, r * 0.97, r * 0.97);
        p.setClipPath(clip);
        penta(c + QPointF(std::cos(a) * r * 0.9, std::sin(a) * r * 0.9), r * 0.26, a + M_PI);
    }
    p.restore();
}

// The pitch seen from the stands: a trapezoid with mown stripes and white lines.
void gramado(QPainter& p, const QRectF& area, qreal recuo)
{
    const QPointF a(area.left() + recuo, area.top()), b(area.right() - recuo, area.top());
    const QPointF c(area.right(), area.bottom()), d(area.left(), area.bottom());
    QPolygonF campo({a, b, c, d});
    p.save();
    QPainterPath clip;
    clip.addPolygon(campo);
    p.setClipPath(clip);
    const int faixas = 10;
    for (int i = 0; i < faixas; ++i) {
        const qreal t0 = qreal(i) / faixas, t1 = qreal(i + 1) / faixas;
        auto ponto = [&](qreal t, bool esquerda) {
            const QPointF topo = esquerda ? a : b, base = esquerda ? d : c;
            return topo + (base - topo) * t;
        };
        QPolygonF f({ponto(t0, true), ponto(t0, false), ponto(t1, false), ponto(t1, true)});
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? QColor(46, 139, 60) : QColor(38, 122, 52));
        p.drawPolygon(f);
    }
    p.restore();
    auto mapa = [&](qreal u, qreal v) { // u across 0..1, v depth 0 (far) .. 1 (near)
        const QPointF l = a + (d - a) * v, r = b + (c - b) * v;
        return l + (r - l) * u;
    };
    QPen linha(QColor(245, 245, 245, 230), qMax<qreal>(1.0, area.height() / 120.0));
    p.setPen(linha);
    p.setBrush(Qt::NoBrush);
    const qreal m = 0.04;
    p.drawPolygon(QPolygonF({mapa(m, m), mapa(1 - m, m), mapa(1 - m, 1 - m), mapa(m, 1 - m)}));
    p.drawLine(mapa(0.5, m), mapa(0.5, 1 - m));
    QPolygonF circulo;
    for (int i = 0; i <= 48; ++i) {
        const qreal ang = i * 2 * M_PI / 48;
        circulo << mapa(0.5 + 0.09 * std::cos(ang), 0.5 + 0.16 * std::sin(ang));
    }
    p.drawPolyline(circulo);
    for (int lado = 0; lado < 2; ++lado) {
        const qreal x0 = lado ? 1 - m : m, x1 = lado ? 1 - m - 0.14 : m + 0.14, x2 = lado ? 1 - m - 0.05 : m + 0.05;
        p.drawPolyline(QPolygonF({mapa(x0, 0.25), mapa(x1, 0.25), mapa(x1, 0.75), mapa(x0, 0.75)}));
        p.drawPolyline(QPolygonF({mapa(x0, 0.38), mapa(x2, 0.38), mapa(x2, 0.62), mapa(x0, 0.62)}));
    }
}

// A strip of crowd: small heads in the club's colours.
void torcida(QPainter& p, const QRectF& area, const QColor& c1, const QColor& c2, uint semente)
{
    p.save();
    p.setClipRect(area);
    p.fillRect(area, c1.darker(250));
    uint s = semente;
    auto prox = [&s]() {
        s = s * 1103515245u + 12345u;
        return (s >> 16) & 0x7fff;
    };
    const qreal passo = qMax<qreal>(3.0, area.height() / 6.0);
    for (qreal y = area.top() + passo / 2; y < area.bottom() + passo; y += passo * 0.8) {
        for (qreal x = area.left(); x < area.right() + passo; x += passo * 0.9) {
            const int r = prox() % 10;
            QColor cor = r < 4 ? c1 : (r < 7 ? c2 : QColor(230, 200, 170));
            cor = cor.darker(100 + int(prox() % 40));
            p.setPen(Qt::NoPen);
            p.setBrush(cor);
            p.drawEllipse(QPointF(x + (prox() % 3), y + (prox() % 3)), passo * 0.42, passo * 0.42);
        }
    }
    p.restore();
}

} // namespace

void salvaBmp(const QImage& imagem, const QString& arquivo)
{
    QImage img = imagem.convertToFormat(QImage::Format_RGB888);
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    QFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly) || !img.save(&f, "BMP"))
        throw ErroPrograma(QStringLiteral("Não foi possível gravar a imagem:\n%1").arg(arquivo));
}

QImage menu()
{
    const int W = 1028, H = 753;
    QImage img = tela(W, H);
    QPainter p(&img);
    prepara(p);
    QLinearGradient ceu(0, 0, 0, H);
    ceu.setColorAt(0, QColor(8, 24, 64));
    ceu.setColorAt(0.55, QColor(22, 60, 120));
    ceu.setColorAt(1, QColor(10, 30, 40));
    p.fillRect(img.rect(), ceu);
    // Floodlight glow and towers at the back.
    for (int lado = 0; lado < 2; ++lado) {
        const qreal x = lado ? W - 120 : 120;
        QRadialGradient luz(QPointF(x, 60), 260);
        luz.setColorAt(0, QColor(255, 250, 220, 120));
        luz.setColorAt(1, QColor(255, 250, 220, 0));
        p.fillRect(img.rect(), luz);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 230, 210));
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 3; ++j)
                p.drawEllipse(QPointF(x - 24 + i * 16, 40 + j * 12), 5, 5);
    }
    // Stands and pitch below the button columns (the buttons sit at y 200..398).
    torcida(p, QRectF(0, 412, W, 64), QColor(40, 70, 150), QColor(240, 190, 30), 2001);
    p.fillRect(QRectF(0, 406, W, 6), QColor(250, 200, 20));
    gramado(p, QRectF(-80, 476, W + 160, 277), 200);
    bola(p, QPointF(W / 2.0 + 40, 660), 30);
    // An emblem to the right of the button columns: a gold star carrying a ball.
    {
        const QPointF c(895, 300);
        QPolygonF estrela;
        for (int i = 0; i < 10; ++i) {
            const qreal r = i % 2 ? 40 : 92, a = -M_PI / 2 + i * M_PI / 5;
            estrela << c + QPointF(r * std::cos(a), r * std::sin(a));
        }
        QLinearGradient ge(0, 210, 0, 390);
        ge.setColorAt(0, QColor(255, 236, 120));
        ge.setColorAt(1, QColor(220, 140, 10));
        p.setBrush(ge);
        p.setPen(QPen(QColor(10, 20, 60), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolygon(estrela);
        bola(p, c + QPointF(0, 4), 36);
    }
    // Title.
    const QString titulo = QStringLiteral("Golazzo 2001");
    QFont ft = fonte(92, true, true);
    QFontMetricsF fm(ft);
    const qreal x = (W - fm.horizontalAdvance(titulo)) / 2;
    textoContornado(p, QPointF(x + 4, 154), ft, titulo, QColor(0, 0, 0, 120), QColor(0, 0, 0, 0), 0.1);
    QLinearGradient ouro(0, 70, 0, 160);
    ouro.setColorAt(0, QColor(255, 236, 120));
    ouro.setColorAt(1, QColor(230, 150, 10));
    QPainterPath tp;
    tp.addText(QPointF(x, 150), ft, titulo);
    p.strokePath(tp, QPen(QColor(10, 20, 60), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(tp, ouro);
    QFont fs = fonte(22, true);
    const QString sub = QStringLiteral("Campeonato Golazzo de 2001");
    const qreal xs = (W - QFontMetricsF(fs).horizontalAdvance(sub)) / 2;
    textoContornado(p, QPointF(xs, 190), fs, sub, QColor(255, 255, 255), QColor(10, 20, 60), 4);
    // The 28 badges of the season between the two button columns.
    const QList<int>& t = Clubes::temporada();
    const int lado = 40, passo = 44, porLinha = 7;
    const qreal x0 = 400 - (porLinha * passo - (passo - lado)) / 2.0;
    for (int i = 0; i < t.size(); ++i)
        p.drawImage(QPointF(x0 + (i % porLinha) * passo, 214 + (i / porLinha) * 46), Escudos::desenha(t[i], lado));
    p.end();
    return img;
}

QImage relatorio()
{
    QImage img = tela(718, 89);
    QPainter p(&img);
    prepara(p);
    QLinearGradient g(0, 0, 718, 0);
    g.setColorAt(0, QColor(12, 40, 110));
    g.setColorAt(1, QColor(40, 110, 200));
    p.fillRect(img.rect(), g);
    gramado(p, QRectF(420, 8, 300, 81), 40);
    bola(p, QPointF(50, 44), 30);
    textoContornado(p, QPointF(96, 50), fonte(34, true, true), QStringLiteral("Golazzo 2001"), QColor(255, 220, 80),
                    QColor(5, 15, 50), 4);
    p.setPen(Qt::white);
    p.setFont(fonte(14, true));
    p.drawText(QPointF(98, 74), QStringLiteral("Campeonato Golazzo de 2001"));
    p.fillRect(QRectF(0, 85, 718, 4), QColor(250, 200, 20));
    p.end();
    return img;
}

QImage bordaA()
{
    QImage img = tela(118, 96);
    QPainter p(&img);
    prepara(p);
    QLinearGradient g(0, 0, 118, 96);
    g.setColorAt(0, QColor(30, 70, 150));
    g.setColorAt(1, QColor(12, 34, 90));
    p.fillRect(img.rect(), g);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int i = -96; i < 118; i += 8)
        p.drawLine(i, 96, i + 96, 0);
    p.fillRect(QRectF(0, 92, 118, 4), QColor(250, 200, 20));
    p.end();
    return img;
}

QImage bordaC()
{
    QImage img = tela(118, 123);
    QPainter p(&img);
    prepara(p);
    QLinearGradient g(0, 0, 0, 123);
    g.setColorAt(0, QColor(12, 34, 90));
    g.setColorAt(1, QColor(30, 70, 150));
    p.fillRect(img.rect(), g);
    gramado(p, QRectF(-10, 70, 138, 53), 22);
    bola(p, QPointF(59, 40), 22);
    p.fillRect(QRectF(0, 0, 118, 3), QColor(250, 200, 20));
    p.end();
    return img;
}

QImage banner(int codigo)
{
    const Clubes::Clube& c = clube(codigo);
    QImage img = tela(335, 89);
    QPainter p(&img);
    prepara(p);
    const QColor forte = corForte(c), segunda = corSegunda(c);
    QLinearGradient g(0, 0, 335, 0);
    g.setColorAt(0, forte.darker(160));
    g.setColorAt(1, forte);
    p.fillRect(img.rect(), g);
    // Diagonal stripes of the second colour fading to the right edge.
    p.save();
    for (int i = 0; i < 6; ++i) {
        QColor s = segunda;
        s.setAlpha(60 + i * 25);
        QPainterPath f;
        const qreal x = 170 + i * 30;
        f.moveTo(x, 89);
        f.lineTo(x + 14, 89);
        f.lineTo(x + 14 + 60, 0);
        f.lineTo(x + 60, 0);
        p.fillPath(f, s);
    }
    p.restore();
    p.drawImage(QPointF(8, 6), Escudos::desenha(c.codigo, 77));
    const QString nome = c.time.toUpper();
    QFont f = fonte(30, true, true);
    while (QFontMetricsF(f).horizontalAdvance(nome) > 230 && f.pixelSize() > 14)
        f.setPixelSize(f.pixelSize() - 1);
    textoContornado(p, QPointF(94, 52), f, nome, Qt::white, QColor(0, 0, 0, 200), 4);
    p.setPen(QColor(255, 255, 255, 220));
    p.setFont(fonte(11, false));
    const DadosClubes::Ficha* fi = DadosClubes::ficha(codigo);
    if (fi)
        p.drawText(QPointF(96, 72), fi->cidade + QStringLiteral(" - ") + c.estado);
    p.end();
    return img;
}

QImage bannerC(int codigo)
{
    const Clubes::Clube& c = clube(codigo);
    QImage img = tela(64, 89, corForte(c));
    QPainter p(&img);
    prepara(p);
    QColor s = corSegunda(c);
    s.setAlpha(60);
    p.fillRect(QRectF(0, 80, 64, 9), s);
    p.end();
    return img;
}

QImage relatorios(int codigo)
{
    const Clubes::Clube& c = clube(codigo);
    QImage img = tela(335, 89);
    QPainter p(&img);
    prepara(p);
    const QColor forte = corForte(c);
    p.fillRect(img.rect(), Qt::white);
    p.fillRect(QRectF(0, 0, 335, 89), forte);
    QPainterPath corte;
    corte.moveTo(290, 0);
    corte.lineTo(335, 0);
    corte.lineTo(335, 89);
    corte.lineTo(260, 89);
    corte.closeSubpath();
    p.fillPath(corte, corSegunda(c));
    p.drawImage(QPointF(10, 8), Escudos::desenha(c.codigo, 73));
    QFont f = fonte(24, true);
    const QString nome = c.time;
    while (QFontMetricsF(f).horizontalAdvance(nome) > 200 && f.pixelSize() > 12)
        f.setPixelSize(f.pixelSize() - 1);
    textoContornado(p, QPointF(92, 44), f, nome, Qt::white, QColor(0, 0, 0, 180), 3);
    p.setPen(Qt::white);
    p.setFont(fonte(12, true));
    p.drawText(QPointF(94, 68), QStringLiteral("Relatório do clube"));
    p.end();
    return img;
}

QImage relatoriosC(int codigo)
{
    const Clubes::Clube& c = clube(codigo);
    QImage img = tela(385, 89, corSegunda(c));
    QPainter p(&img);
    prepara(p);
    QLinearGradient g(0, 0, 385, 0);
    QColor a = corSegunda(c), b = corForte(c);
    g.setColorAt(0, a);
    g.setColorAt(1, b.lighter(120));
    p.fillRect(img.rect(), g);
    p.setPen(QColor(255, 255, 255, 230));
    p.setFont(fonte(14, true, true));
    p.drawText(QRectF(0, 0, 370, 89), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Golazzo 2001"));
    p.end();
    return img;
}

QImage estadio(int codigo)
{
    const Clubes::Clube& c = clube(codigo);
    const QColor c1 = corForte(c), c2 = corSegunda(c);
    QImage img = tela(330, 200);
    QPainter p(&img);
    prepara(p);
    QLinearGradient ceu(0, 0, 0, 90);
    ceu.setColorAt(0, QColor(70, 130, 210));
    ceu.setColorAt(1, QColor(190, 220, 245));
    p.fillRect(QRectF(0, 0, 330, 90), ceu);
    // Clouds, placed by the club code so every stadium differs a little.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    for (int i = 0; i < 3; ++i) {
        const qreal x = (codigo * 53 + i * 110) % 330, y = 14 + (codigo * 7 + i * 11) % 30;
        p.drawEllipse(QPointF(x, y), 22, 8);
        p.drawEllipse(QPointF(x + 16, y - 4), 16, 8);
    }
    // The bowl: an upper ring of stands in the club's colours, roof, floodlights.
    QPainterPath anel;
    anel.addEllipse(QRectF(-20, 40, 370, 200));
    p.setBrush(QColor(200, 200, 205));
    p.drawPath(anel);
    torcida(p, QRectF(0, 52, 330, 70), c1, c2, uint(codigo) * 977u + 13u);
    QPainterPath corte;
    corte.addRect(QRectF(0, 0, 330, 52));
    p.fillRect(QRectF(0, 48, 330, 6), QColor(230, 230, 235));
    for (int i = 0; i < 2; ++i) {
        const qreal x = i ? 300 : 30;
        p.fillRect(QRectF(x - 2, 8, 4, 42), QColor(120, 120, 130));
        p.fillRect(QRectF(x - 12, 4, 24, 10), QColor(250, 250, 225));
    }
    gramado(p, QRectF(-40, 118, 410, 82), 70);
    // The club's colours as a band along the lower tier.
    p.fillRect(QRectF(0, 114, 330, 5), c2);
    p.fillRect(QRectF(0, 119, 330, 3), c1);
    p.drawImage(QPointF(290, 160), Escudos::desenha(c.codigo, 34));
    p.end();
    return img;
}

QImage marca(const QString& nome, int variante)
{
    static const QColor cores[][2] = {
        {QColor(200, 30, 40), QColor(30, 30, 30)},   {QColor(0, 90, 170), QColor(250, 190, 0)},
        {QColor(0, 120, 70), QColor(20, 20, 20)},    {QColor(240, 120, 0), QColor(30, 40, 90)},
        {QColor(110, 30, 140), QColor(0, 160, 200)}, {QColor(20, 20, 20), QColor(220, 30, 30)},
        {QColor(0, 150, 150), QColor(250, 210, 60)},
    };
    const QColor a = cores[variante % 7][0], b = cores[variante % 7][1];
    QImage img = tela(130, 60, Qt::white);
    QPainter p(&img);
    prepara(p);
    const int estilo = variante % 3;
    if (estilo == 0) {
        // A swoosh-like arc above the name.
        QPainterPath arco;
        arco.moveTo(12, 24);
        arco.cubicTo(40, 4, 90, 4, 118, 16);
        arco.cubicTo(90, 12, 45, 14, 12, 24);
        p.fillPath(arco, a);
    } else if (estilo == 1) {
        p.setBrush(a);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(18, 30), 12, 12);
        p.setBrush(b);
        p.drawEllipse(QPointF(18, 30), 5, 5);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(a);
        p.drawRoundedRect(QRectF(4, 6, 122, 48), 8, 8);
    }
    QFont f = fonte(20, true, estilo != 2);
    const qreal area = estilo == 1 ? 92 : 116;
    while (QFontMetricsF(f).horizontalAdvance(nome) > area && f.pixelSize() > 9)
        f.setPixelSize(f.pixelSize() - 1);
    p.setFont(f);
    p.setPen(estilo == 2 ? QColor(Qt::white) : b);
    const QRectF r = estilo == 0 ? QRectF(4, 22, 122, 34) : estilo == 1 ? QRectF(34, 6, 92, 48) : QRectF(6, 6, 118, 48);
    p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, nome);
    p.end();
    return img;
}

QImage skin(int codigo)
{
    QImage img = tela(81, 81, QColor(222, 222, 222));
    QPainter p(&img);
    prepara(p);
    QRadialGradient g(QPointF(40, 36), 60);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(190, 196, 206));
    p.fillRect(img.rect(), g);
    if (codigo == 0) {
        // The program's own emblem: a ball on a gold star.
        QPolygonF estrela;
        for (int i = 0; i < 10; ++i) {
            const qreal r = i % 2 ? 14 : 32, a = -M_PI / 2 + i * M_PI / 5;
            estrela << QPointF(40.5 + r * std::cos(a), 36 + r * std::sin(a));
        }
        p.setBrush(QColor(245, 190, 20));
        p.setPen(QPen(QColor(20, 50, 130), 2));
        p.drawPolygon(estrela);
        bola(p, QPointF(40.5, 37), 13);
        p.setPen(QColor(20, 50, 130));
        p.setFont(fonte(9, true));
        p.drawText(QRectF(0, 66, 81, 13), Qt::AlignCenter, QStringLiteral("GOLAZZO 2001"));
    } else {
        p.drawImage(QPointF(2, 2), Escudos::desenha(codigo, 77));
    }
    p.end();
    return img;
}

QImage slot(int slot, bool ligado)
{
    static const char* const nomes[] = {"", "Banco\nAurora", "Vialuz", "Refri\nGuaraçu", "Seguros\nAtalaia",
                                        "Móveis\nIpezal", "Óticas\nMiravista"};
    static const QColor cores[] = {QColor(), QColor(0, 70, 160), QColor(230, 110, 0), QColor(200, 20, 40),
                                   QColor(20, 120, 80), QColor(120, 70, 30), QColor(100, 30, 130)};
    const QString nome = QString::fromUtf8(nomes[qBound(1, slot, 6)]);
    const QColor cor = cores[qBound(1, slot, 6)];
    // Slot 6 fills the bottom of the frame's left column.
    const QSize t = slot == 6 ? QSize(118, 123) : QSize(60, 40);
    QImage img = tela(t.width(), t.height(), QColor(222, 222, 222));
    QPainter p(&img);
    prepara(p);
    const QRectF caixa(1.5, 1.5, t.width() - 3, t.height() - 3);
    if (ligado) {
        QLinearGradient g(0, 0, 0, t.height());
        g.setColorAt(0, cor.lighter(140));
        g.setColorAt(1, cor);
        p.setBrush(g);
        p.setPen(QPen(cor.darker(150), 1));
        p.drawRoundedRect(caixa, 5, 5);
        p.setPen(Qt::white);
    } else {
        p.setBrush(QColor(236, 236, 236));
        p.setPen(QPen(QColor(170, 170, 170), 1));
        p.drawRoundedRect(caixa, 5, 5);
        p.setPen(QColor(150, 150, 150));
    }
    if (slot == 6) {
        bola(p, QPointF(59, 34), 20);
        p.setFont(fonte(15, true));
        p.drawText(QRectF(4, 60, 110, 58), Qt::AlignCenter, nome);
    } else {
        p.setFont(fonte(nome.contains(QLatin1Char('\n')) ? 10 : 13, true));
        p.drawText(QRectF(2, 2, 56, 36), Qt::AlignCenter, nome);
    }
    p.end();
    return img;
}

} // namespace Arte
