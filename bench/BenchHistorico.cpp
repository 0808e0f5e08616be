// Opening the head-to-head, the team history (the club with the most
// historic matches) and the ranking on the shipped tree, activation included.
#include "ArvoreTeste.h"
#include "core/data/Dataset.h"
#include "ui/screens/pConfrontos.h"
#include "ui/screens/pRanking.h"
#include "ui/screens/pTodosJogos.h"
#include "ui/shell/Mensagens.h"
#include "ui/shell/Menu.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QTreeView>
#include <benchmark/benchmark.h>

namespace {

// Shows the screen and waits for its activation to fill it.
template <class Tela>
void mostra(Tela* tela, const std::function<bool()>& pronto)
{
    tela->show();
    while (!pronto())
        QApplication::processEvents();
    QApplication::processEvents();
}

} // namespace

static void BM_AbreConfrontos(benchmark::State& state)
{
    ArvoreTeste arvore;
    Erros::defineCaptura([](const QString&) {});
    TfmMenu menu;
    fmMenu = &menu;
    for (auto _ : state) {
        auto* tela = new TfConfrontos;
        fConfrontos = tela;
        tela->CodTime = 17;
        tela->CodAdver = 6;
        tela->NomeTime = QStringLiteral("Palmeiras");
        tela->NomeAdver = QStringLiteral("Corinthians");
        mostra(tela, [tela] { return tela->Query1->isOpen(); });
        benchmark::DoNotOptimize(tela->Query1->recordCount());
        delete tela;
    }
    fmMenu = nullptr;
    Erros::defineCaptura({});
}
BENCHMARK(BM_AbreConfrontos)->Unit(benchmark::kMillisecond);

static void BM_AbreTodosJogos(benchmark::State& state)
{
    ArvoreTeste arvore;
    Erros::defineCaptura([](const QString&) {});
    TfmMenu menu;
    fmMenu = &menu;
    const int clube = arvore.valor(QStringLiteral(
        "select c from (select Cod_Time1 c from Confrontos union all select Cod_Time2 from Confrontos) "
        "group by c order by count(*) desc, c limit 1")).toInt();
    for (auto _ : state) {
        auto* tela = new TfTodosJogos;
        fTodosJogos = tela;
        tela->defineTime(clube);
        mostra(tela, [tela] { return tela->Query1->isOpen(); });
        benchmark::DoNotOptimize(tela->Query1->recordCount());
        delete tela;
    }
    fmMenu = nullptr;
    Erros::defineCaptura({});
}
BENCHMARK(BM_AbreTodosJogos)->Unit(benchmark::kMillisecond);

static void BM_AbreRanking(benchmark::State& state)
{
    ArvoreTeste arvore;
    Erros::defineCaptura([](const QString&) {});
    TfmMenu menu;
    fmMenu = &menu;
    for (auto _ : state) {
        auto* tela = new TfRanking;
        fRanking = tela;
        mostra(tela, [tela] { return tela->isVisible(); });
        benchmark::DoNotOptimize(tela->dxDBGrid1->model()->rowCount());
        delete tela;
    }
    fmMenu = nullptr;
    Erros::defineCaptura({});
}
BENCHMARK(BM_AbreRanking)->Unit(benchmark::kMillisecond);

static void BM_AgrupaRankingPorUF(benchmark::State& state)
{
    ArvoreTeste arvore;
    Erros::defineCaptura([](const QString&) {});
    TfmMenu menu;
    fmMenu = &menu;
    TfRanking tela;
    mostra(&tela, [&tela] { return tela.isVisible(); });
    for (auto _ : state) {
        tela.agrupa(TfRanking::kUF);
        tela.desagrupa(TfRanking::kUF);
        benchmark::DoNotOptimize(tela.dxDBGrid1->model()->rowCount());
    }
    fmMenu = nullptr;
    Erros::defineCaptura({});
}
BENCHMARK(BM_AgrupaRankingPorUF)->Unit(benchmark::kMillisecond);
