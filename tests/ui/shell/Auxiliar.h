#pragma once
// Helpers shared by the shell tests: small picture and page fixtures, and a
// way to act on a modal window from inside its own event loop.
#include "core/install/Caminhos.h"
#include "core/install/Ini.h"
#include "ui/Telas.h"
#include "ui/shell/Menu.h"
#include "ui/shell/pPatrocinio.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QtTest>
#include <QWidget>
#include <functional>

namespace aux {

// A plain picture of one colour, written as a bitmap.
inline void pinta(const QString& arquivo, const QColor& cor, QSize tamanho = QSize(20, 20))
{
    QDir().mkpath(QFileInfo(arquivo).absolutePath());
    QImage img(tamanho, QImage::Format_RGB32);
    img.fill(cor);
    img.save(arquivo, "BMP");
}

inline void escreve(const QString& arquivo, const QByteArray& dados)
{
    QDir().mkpath(QFileInfo(arquivo).absolutePath());
    QFile f(arquivo);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(dados);
}

// Slot n's settings file, written whole; an empty value leaves the key out.
inline void slot(int n, const QString& ligado, const QString& hint = QString(), const QString& titulo = QString())
{
    QByteArray t = "[Patrocinio]\r\n";
    if (!ligado.isNull())
        t += "Ligado=" + ligado.toUtf8() + "\r\n";
    if (!hint.isEmpty())
        t += "Hint=" + hint.toUtf8() + "\r\n";
    if (!titulo.isEmpty())
        t += "Titulo=" + titulo.toUtf8() + "\r\n";
    escreve(Caminhos::atual().slotConfig(n), t);
}

// Colours of the slot fixtures: "on" and "off" pictures differ per slot.
inline QColor corLigado(int n) { return QColor(10 * n, 200, 30); }
inline QColor corDesligado(int n) { return QColor(200, 10 * n, 30); }

// Replaces the slot pictures of the tree with plain fixtures of known colours.
inline void figurasDeSlot()
{
    for (int n = 1; n <= 6; ++n) {
        pinta(Caminhos::atual().slotImagem(n, true), corLigado(n), QSize(60, 40));
        pinta(Caminhos::atual().slotImagem(n, false), corDesligado(n), QSize(60, 40));
    }
}

// The colour a picture label shows at its centre (what the user sees).
inline QColor corVista(QWidget* w)
{
    const QImage img = w->grab().toImage();
    return img.pixelColor(img.width() / 2, img.height() / 2);
}

inline QColor corVistaEm(QWidget* w, QPoint p)
{
    return w->grab().toImage().pixelColor(p);
}

// Calls fn with the first visible window that procura() finds, from inside the
// event loop that shows it (a modal window blocks the test's own code).
inline void quandoAparecer(std::function<QWidget*()> procura, std::function<void(QWidget*)> fn, int limiteMs = 5000)
{
    auto* t = new QTimer;
    auto* relogio = new QElapsedTimer;
    relogio->start();
    t->setInterval(10);
    QObject::connect(t, &QTimer::timeout, [t, relogio, procura, fn, limiteMs] {
        QWidget* w = procura();
        if ((w && w->isVisible() && QApplication::activeWindow() == w) || relogio->elapsed() > limiteMs) {
            t->stop();
            t->deleteLater();
            delete relogio;
            if (w && w->isVisible())
                fn(w);
        }
    });
    t->start();
}

// The modal window on top, when it is of the class asked for.
template <class T>
std::function<QWidget*()> modal()
{
    return [] { return qobject_cast<T*>(QApplication::activeModalWidget()); };
}

// The menu that holds the current skin, wired as at program start.
struct MenuAberto {
    MenuAberto()
    {
        Telas::liga(&menu);
        fmMenu = &menu;
    }
    ~MenuAberto() { fmMenu = nullptr; }
    TfmMenu menu;
};

// The sponsorship page, created as at program start.
struct PatrocinioAberto {
    PatrocinioAberto() { fPatrocinio = new TfPatrocinio; }
    ~PatrocinioAberto()
    {
        delete fPatrocinio;
        fPatrocinio = nullptr;
    }
};

// The picture of sponsor slot 1 to 6 on a framed screen.
inline QLabel* figura(QWidget* tela, int slot)
{
    static const char* nomes[] = {"im1", "im2", "im3", "im4", "im5", "Image10"};
    return tela->findChild<QLabel*>(QLatin1String(nomes[slot - 1]));
}

// Shows a window and waits until it is the active one.
inline void mostra(QWidget* w)
{
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QApplication::processEvents();
}

} // namespace aux
