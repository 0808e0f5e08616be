#include "shell/Dicas.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace Dicas {

namespace {

constexpr int kLarguraMaxima = 200;

class EstiloDicas : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint h, const QStyleOption* o, const QWidget* w, QStyleHintReturn* r) const override
    {
        if (h == SH_ToolTip_WakeUpDelay)
            return 500;
        if (h == SH_ToolTip_FallAsleepDelay)
            return 25;
        return QProxyStyle::styleHint(h, o, w, r);
    }
};

// Breaks a plain hint into lines no wider than the hint window allows.
QString quebra(const QString& texto, const QFont& fonte)
{
    const QFontMetrics fm(fonte);
    if (fm.horizontalAdvance(texto) <= kLarguraMaxima)
        return texto;
    QStringList linhas;
    QString linha;
    for (const QString& palavra : texto.split(QLatin1Char(' '))) {
        const QString tentativa = linha.isEmpty() ? palavra : linha + QLatin1Char(' ') + palavra;
        if (!linha.isEmpty() && fm.horizontalAdvance(tentativa) > kLarguraMaxima) {
            linhas << linha;
            linha = palavra;
        } else {
            linha = tentativa;
        }
    }
    linhas << linha;
    return linhas.join(QLatin1Char('\n'));
}

class FiltroDicas : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* obj, QEvent* ev) override
    {
        if (ev->type() != QEvent::ToolTip)
            return false;
        auto* w = qobject_cast<QWidget*>(obj);
        if (!w || w->toolTip().isEmpty())
            return false;
        auto* he = static_cast<QHelpEvent*>(ev);
        QToolTip::showText(he->globalPos(), quebra(w->toolTip(), QToolTip::font()), w, QRect(), 5000);
        return true;
    }
};

} // namespace

void instala()
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app)
        return;
    QApplication::setStyle(new EstiloDicas(QApplication::style()->name()));
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    QToolTip::setFont(f);
    QPalette p = QToolTip::palette();
    p.setColor(QPalette::ToolTipBase, QColor(156, 174, 197));
    p.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(p);
    app->setStyleSheet(app->styleSheet()
                       + QStringLiteral("QToolTip { background-color: rgb(156,174,197); color: black;"
                                        " border: 1px solid black; padding: 2px; font-family: sans-serif; font-size: 11px; }"));
    app->installEventFilter(new FiltroDicas(app));
}

} // namespace Dicas
