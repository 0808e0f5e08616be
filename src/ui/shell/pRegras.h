#pragma once
// The rules page: one local page per law of the game, chosen with a column
// of buttons; the button of the page on display is highlighted.
#include "ui/shell/Padrao.h"

#include <QList>

class BotaoAzul;
class VisorHtml;

class TfRegras : public TfmPadrao {
    Q_OBJECT
public:
    explicit TfRegras(QWidget* parent = nullptr);

    VisorHtml* wbRegras = nullptr;
    QList<BotaoAzul*> botoes;          // in page order: btnInicio, Regra 1 .. 4º Árbitro
    BotaoAzul* destacado() const { return m_destacado; }

    // Page number a rules button carries.
    static int paginaDe(const BotaoAzul* botao);

private:
    void FormCreate();
    void Button1Click(BotaoAzul* botao);

    BotaoAzul* m_destacado = nullptr;
};

extern TfRegras* fRegras;
