// The team screen for three clubs, with each pop-up panel open and with the picker open.
#include "ArvoreTeste.h"
#include "Shots.h"
#include "ui/screens/pTimes.h"
#include "ui/shell/Menu.h"

#include <QApplication>
#include <QToolButton>

namespace {

void telaDeTimes(const QString& pasta)
{
    ArvoreTeste arvore;
    TfmMenu menu;
    fmMenu = &menu;
    {
        TfTimes tela;
        fTimes = &tela;
        salvaJanela(&tela, pasta, QStringLiteral("times-1"));
        for (int codigo : {71, 126}) {
            tela.lbtnAmericaClick(tela.botaoTime(codigo));
            salvaJanela(&tela, pasta, QStringLiteral("times-%1").arg(codigo));
        }
        QWidget* const paineis[] = {tela.pnHistorico, tela.pnEstadios, tela.pnHino,
                                    tela.pnMatEsportivo, tela.pnPatrocinio, tela.pnMenuTimes};
        const char* const nomes[] = {"times-historico", "times-estadio", "times-hino",
                                     "times-matesportivo", "times-patrocinio", "times-picker"};
        for (int i = 0; i < 6; ++i) {
            QWidget* painel = paineis[i];
            const char* nome = nomes[i];
            tela.escondePaineis();
            painel->show();
            painel->raise();
            salvaJanela(&tela, pasta, QString::fromLatin1(nome));
        }
        fTimes = nullptr;
    }
    fmMenu = nullptr;
}

} // namespace

GZ_SHOT("times", telaDeTimes);
