#include "ui/shell/Botoes.h"
#include "ui/shell/Estilo.h"

#include <QEnterEvent>
#include <QPainter>

BotaoAzul::BotaoAzul(const QString& texto, QWidget* parent)
    : QPushButton(texto, parent)
{
    setFont(Estilo::arial(11, true));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void BotaoAzul::setSelecionado(bool selecionado)
{
    if (m_selecionado == selecionado)
        return;
    m_selecionado = selecionado;
    update();
}

QColor BotaoAzul::corTexto() const
{
    return m_selecionado ? Estilo::legendaSelecionada : Estilo::legendaBotao;
}

void BotaoAzul::enterEvent(QEnterEvent* e)
{
    m_sobre = true;
    update();
    QPushButton::enterEvent(e);
}

void BotaoAzul::leaveEvent(QEvent* e)
{
    m_sobre = false;
    update();
    QPushButton::leaveEvent(e);
}

void BotaoAzul::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, isEnabled() ? corFace() : QColor(120, 140, 170));

    const bool baixo = isDown();
    if (m_sobre || baixo) {
        // Raised edge while hovered, sunken while pressed.
        const QColor claro = corRealce();
        const QColor escuro = corFace().darker(170);
        const QColor cimaEsq = baixo ? escuro : claro;
        const QColor baixoDir = baixo ? claro : escuro;
        p.setPen(cimaEsq);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(baixoDir);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    if (hasFocus()) {
        QPen pontilhado(corRealce(), 1, Qt::DotLine);
        p.setPen(pontilhado);
        p.drawRect(r.adjusted(2, 2, -3, -3));
    }

    p.setFont(font());
    p.setPen(isEnabled() ? corTexto() : QColor(190, 200, 215));
    p.drawText(r.translated(baixo ? 1 : 0, baixo ? 1 : 0), Qt::AlignCenter, text());
}

QIcon iconeClassificacao()
{
    // Three bars of a podium.
    QPixmap px(18, 18);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.fillRect(QRect(1, 8, 5, 9), QColor(192, 192, 192));
    p.fillRect(QRect(6, 3, 6, 14), QColor(255, 215, 0));
    p.fillRect(QRect(12, 10, 5, 7), QColor(205, 127, 50));
    p.setPen(Qt::black);
    p.drawRect(QRect(1, 8, 4, 8));
    p.drawRect(QRect(6, 3, 5, 13));
    p.drawRect(QRect(12, 10, 4, 6));
    return QIcon(px);
}
