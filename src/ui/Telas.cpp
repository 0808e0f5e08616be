#include "ui/Telas.h"

#include "ui/quiz/pQuizGame.h"
#include "ui/reports/pRelatorios.h"
#include "ui/screens/pClassificacao.h"
#include "ui/screens/pJogos.h"
#include "ui/screens/pRanking.h"
#include "ui/screens/pTimes.h"
#include "ui/shell/Abertura.h"
#include "ui/shell/Menu.h"
#include "ui/shell/pAtualizacao.h"
#include "ui/shell/pPatrocinio.h"
#include "ui/shell/pRegras.h"
#include "ui/shell/pSkin.h"

namespace Telas {

void liga(TfmMenu* menu)
{
    // One line per entry; an entry left out stays disabled with its hint.
    menu->defineAcao(TfmMenu::Jogos, [](QWidget* m) { abreTela<TfJogos>(fJogos, m); });
    menu->defineAcao(TfmMenu::Times, [](QWidget* m) { abreTela<TfTimes>(fTimes, m); });
    menu->defineAcao(TfmMenu::Classificacao, [](QWidget* m) { abreTela<TfClassificacao>(fClassificacao, m); });
    menu->defineAcao(TfmMenu::Ranking, [](QWidget* m) { abreTela<TfRanking>(fRanking, m); });
    menu->defineAcao(TfmMenu::Regras, [](QWidget* m) { abreTela<TfRegras>(fRegras, m); });
    menu->defineAcao(TfmMenu::Skins, [](QWidget* m) {
        // A new skins screen on every press; the one made at start is never shown.
        TfSkin* tela = nullptr;
        abreTela<TfSkin>(tela, m);
    });
    menu->defineAcao(TfmMenu::Quiz, [](QWidget* m) { abreTela<TfQuizGame>(fQuizGame, m); });
    menu->defineAcao(TfmMenu::Atualizacao, [](QWidget* m) { abreTela<TfAtualizacao>(fAtualizacao, m); });
}

void criaPermanentes(TfmMenu* menu)
{
    fSkin = new TfSkin(menu);
    fPatrocinio = new TfPatrocinio(menu);
    fReport = new TfReport(menu);
}

} // namespace Telas
