#pragma once
// Opening a screen: a new instance is created, stored in the window's
// instance reference, shown modally and freed when it closes. The opener's
// handler resumes after it.
#include <QPointer>
#include <QWidget>
#include <functional>

template <class Tela>
void abreTela(Tela*& referencia, QWidget* abridor, const std::function<void(Tela*)>& prepara = {})
{
    Tela* tela = new Tela(abridor);
    referencia = tela;
    QPointer<Tela> guarda(tela);
    if (prepara)
        prepara(tela);
    tela->exec();
    if (guarda) {
        if (referencia == tela)
            referencia = nullptr;
        delete tela;
    }
}
