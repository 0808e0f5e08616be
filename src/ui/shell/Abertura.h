#pragma once
// Opening a screen: a new instance is created, stored in the window's
// instance reference, shown modally and freed when it closes. The opener's
// handler resumes after it.
#include <QDialog>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <type_traits>

// Shows a window maximised and modal above its opener; when it closes, the
// focus goes back to the opener (which then runs its activation). The window
// is not freed.
inline void mostraModal(QDialog* tela, QWidget* abridor)
{
    QPointer<QWidget> volta(abridor ? abridor->window() : nullptr);
    // Maximised also where no window manager honours the request.
    if (QScreen* s = volta ? volta->screen() : QGuiApplication::primaryScreen())
        tela->setGeometry(s->availableGeometry());
    tela->setWindowState(tela->windowState() | Qt::WindowMaximized);
    if (volta && (!tela->parentWidget() || tela->parentWidget()->window() != volta)) {
        // A window made by someone else (the sponsorship page) still stays above its opener.
        tela->winId();
        if (QWindow* w = tela->windowHandle())
            w->setTransientParent(volta->windowHandle());
    }
    tela->exec();
    if (volta && volta->isVisible())
        volta->activateWindow();
}

// The preparation runs after creation and before the window is shown (a lambda will do).
template <class Tela>
void abreTela(Tela*& referencia, QWidget* abridor, const std::function<void(std::type_identity_t<Tela>*)>& prepara = {})
{
    Tela* tela = new Tela(abridor);
    const auto id = reinterpret_cast<quintptr>(tela);
    referencia = tela;
    QPointer<Tela> guarda(tela);
    if (prepara)
        prepara(tela);
    if (guarda)
        mostraModal(tela, abridor);
    // The reference is cleared (and the window freed) also when the screen
    // freed itself on closing.
    if (reinterpret_cast<quintptr>(referencia) == id)
        referencia = nullptr;
    delete guarda.data();
}
