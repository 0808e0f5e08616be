// The head-to-head of two old rivals, the full history of the club with the
// most historic matches, and the ranking, plain and grouped by state.
#include "ArvoreTeste.h"
#include "Shots.h"
#include "core/data/Dataset.h"
#include "ui/screens/pConfrontos.h"
#include "ui/screens/pRanking.h"
#include "ui/screens/pTodosJogos.h"
#include "ui/shell/Menu.h"

#include <QApplication>

GZ_SHOT("confrontos", [](const QString& pasta) {
    ArvoreTeste arvore;
    TfmMenu menu;
    fmMenu = &menu;
    {
        TfConfrontos tela;
        fConfrontos = &tela;
        tela.CodTime = 17;
        tela.CodAdver = 6;
        tela.NomeTime = QStringLiteral("Palmeiras");
        tela.NomeAdver = QStringLiteral("Corinthians");
        salvaJanela(&tela, pasta, QStringLiteral("confrontos"));
        fConfrontos = nullptr;
    }
    fmMenu = nullptr;
});

GZ_SHOT("todosjogos", [](const QString& pasta) {
    ArvoreTeste arvore;
    TfmMenu menu;
    fmMenu = &menu;
    const int clube = arvore.valor(QStringLiteral(
        "select c from (select Cod_Time1 c from Confrontos union all select Cod_Time2 from Confrontos) "
        "group by c order by count(*) desc, c limit 1")).toInt();
    {
        TfTodosJogos tela;
        fTodosJogos = &tela;
        tela.defineTime(clube);
        salvaJanela(&tela, pasta, QStringLiteral("todosjogos"));
        fTodosJogos = nullptr;
    }
    fmMenu = nullptr;
});

GZ_SHOT("ranking", [](const QString& pasta) {
    ArvoreTeste arvore;
    TfmMenu menu;
    fmMenu = &menu;
    {
        TfRanking tela;
        fRanking = &tela;
        salvaJanela(&tela, pasta, QStringLiteral("ranking"));
        tela.agrupa(TfRanking::kUF);
        salvaJanela(&tela, pasta, QStringLiteral("ranking-uf"));
        fRanking = nullptr;
    }
    fmMenu = nullptr;
});
