#include "ui/shell/Dicas.h"
#include "ui/shell/Estilo.h"

#include <QApplication>
#include <QLabel>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace Dicas {

namespace {

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

// A hint wider than this wraps into lines of this width.
constexpr int kLarguraMaxima = 200;

// The hint window Qt shows (its QTipLabel) sizes itself to one line of plain
// text; a wider one is narrowed to the flat style's width, its text wrapped.
void limitaLargura(QLabel* dica)
{
    if (dica->width() <= kLarguraMaxima)
        return;
    dica->setWordWrap(true);
    dica->resize(kLarguraMaxima, dica->heightForWidth(kLarguraMaxima));
}

// Hints hide after five seconds. The widget still decides whether and what
// it shows (a sponsor slot switched off shows none), so the event goes on to it.
class FiltroDicas : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* obj, QEvent* ev) override
    {
        switch (ev->type()) {
        case QEvent::ToolTip:
            if (auto* w = qobject_cast<QWidget*>(obj); w && w->toolTipDuration() < 0)
                w->setToolTipDuration(5000);
            break;
        case QEvent::Show:
        case QEvent::Resize:
            // A new hint is sized before it is shown; one reused while showing is resized in place.
            if (obj->inherits("QTipLabel") && static_cast<QWidget*>(obj)->isVisible())
                limitaLargura(static_cast<QLabel*>(obj));
            break;
        default:
            break;
        }
        return false;
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
    p.setColor(QPalette::ToolTipBase, Estilo::pagina);
    p.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(p);
    app->setStyleSheet(app->styleSheet()
                       + QStringLiteral("QToolTip { background-color: %1; color: black;"
                                        " border: 1px solid black; padding: 2px; font-family: sans-serif; font-size: 11px; }").arg(Estilo::pagina.name()));
    app->installEventFilter(new FiltroDicas(app));
}

} // namespace Dicas
