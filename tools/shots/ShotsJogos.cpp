// The matches screen (full view and semi-finals), the date change and the
// three standings pages after a few results and picks have been entered.
#include "ArvoreTeste.h"
#include "Shots.h"
#include "core/data/Dataset.h"
#include "core/data/Estatisticas.h"
#include "ui/screens/pAltera.h"
#include "ui/screens/pClassificacao.h"
#include "ui/screens/pJogos.h"
#include "ui/shell/Botoes.h"
#include "ui/shell/Menu.h"

#include <QApplication>

namespace {

// Results of the first round (and a few picks of the second), saved with the match rules.
void algunsResultados()
{
    Dataset jogos;
    jogos.setTableName(QStringLiteral("Jogos.DB"));
    jogos.setIndexName(QStringLiteral("RodadaIdx"));
    Estatisticas::ligaRegras(jogos);
    jogos.open();
    const int placares[14][2] = {{2, 1}, {0, 0}, {3, 1}, {1, 2}, {4, 0}, {1, 1}, {2, 2},
                                 {0, 1}, {3, 0}, {2, 0}, {1, 3}, {0, 2}, {2, 1}, {1, 0}};
    int i = 0;
    for (jogos.first(); !jogos.eof() && i < 14; jogos.next(), ++i) {
        jogos.edit();
        jogos.setValue(QStringLiteral("Gols_Time1"), placares[i][0]);
        jogos.setValue(QStringLiteral("Gols_Time2"), placares[i][1]);
        jogos.post();
    }
    const char* const palpites[4] = {"V", "E", "D", "V"};
    for (int k = 0; k < 4 && !jogos.eof(); ++k, jogos.next()) {
        const QString p = QLatin1String(palpites[k]);
        jogos.edit();
        jogos.setValue(QStringLiteral("Proj_Time1"), p);
        jogos.setValue(QStringLiteral("Proj_Time2"), p == QLatin1String("V") ? QStringLiteral("D")
                                                      : p == QLatin1String("D") ? QStringLiteral("V") : p);
        jogos.setValue(QStringLiteral("Situacao"), QStringLiteral("J"));
        jogos.post();
    }
}

} // namespace

GZ_SHOT("jogos", [](const QString& pasta) {
    ArvoreTeste arvore;
    TfmMenu menu;
    fmMenu = &menu;
    algunsResultados();
    {
        TfJogos tela;
        fJogos = &tela;
        salvaJanela(&tela, pasta, QStringLiteral("jogos"));
        tela.botaoVisao(28)->click();
        salvaJanela(&tela, pasta, QStringLiteral("jogos-rodada28"));
        fJogos = nullptr;
    }
    fmMenu = nullptr;
});

GZ_SHOT("altera", [](const QString& pasta) {
    ArvoreTeste arvore;
    TfmMenu menu;
    fmMenu = &menu;
    {
        TfAltera tela;
        fAltera = &tela;
        tela.defineCodJogo(arvore.valor(QStringLiteral("select min(Cod_Jogo) from Jogos")).toInt());
        salvaJanela(&tela, pasta, QStringLiteral("altera"));
        fAltera = nullptr;
    }
    fmMenu = nullptr;
});

GZ_SHOT("classificacao", [](const QString& pasta) {
    ArvoreTeste arvore;
    TfmMenu menu;
    fmMenu = &menu;
    algunsResultados();
    {
        TfClassificacao tela;
        fClassificacao = &tela;
        salvaJanela(&tela, pasta, QStringLiteral("classificacao"));
        tela.btProjecao->click();
        salvaJanela(&tela, pasta, QStringLiteral("classificacao-projecao"));
        tela.btAproveitamento->click();
        salvaJanela(&tela, pasta, QStringLiteral("classificacao-aproveitamento"));
        fClassificacao = nullptr;
    }
    fmMenu = nullptr;
});
