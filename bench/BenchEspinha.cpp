// Saving a match row with its rule and both rebuilds; start-up to the menu shown.
#include "ArvoreTeste.h"
#include "core/data/Banco.h"
#include "core/data/Dataset.h"
#include "core/data/Estatisticas.h"
#include "core/install/Inicio.h"
#include "ui/shell/Menu.h"

#include <QApplication>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

// Argument 1: the program's full sync at every commit; 0: NORMAL, for comparison.
static void BM_GravaResultado(benchmark::State& state)
{
    ArvoreTeste arvore;
    if (state.range(0) == 0)
        QSqlQuery(Banco::principal()).exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    Dataset jogos;
    jogos.setTableName(QStringLiteral("Jogos.DB"));
    jogos.setIndexName(QStringLiteral("DiaIdx"));
    Estatisticas::ligaRegras(jogos);
    jogos.open();
    int gols = 0;
    for (auto _ : state) {
        jogos.setRecNo(1 + (gols % 14));
        jogos.edit();
        jogos.setValue(QStringLiteral("Gols_Time1"), gols % 5);
        jogos.setValue(QStringLiteral("Gols_Time2"), (gols + 1) % 4);
        jogos.post();
        ++gols;
    }
}
BENCHMARK(BM_GravaResultado)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The start's check of every club's figures against the matches, on the shipped tree.
static void BM_ConfereNumeros(benchmark::State& state)
{
    ArvoreTeste arvore;
    QSqlDatabase db = Banco::principal();
    for (auto _ : state)
        benchmark::DoNotOptimize(Estatisticas::reparaTodos(db));
}
BENCHMARK(BM_ConfereNumeros)->Unit(benchmark::kMillisecond);

// The start's whole database step: open, quick check, schema check, figures check.
static void BM_PreparaBanco(benchmark::State& state)
{
    ArvoreTeste arvore;
    for (auto _ : state) {
        Banco::fechaPrincipal();
        benchmark::DoNotOptimize(Inicio::preparaBanco(arvore.raiz()));
    }
}
BENCHMARK(BM_PreparaBanco)->Unit(benchmark::kMillisecond);

static void BM_InicioAteMenu(benchmark::State& state)
{
    ArvoreTeste arvore;
    for (auto _ : state) {
        auto* menu = new TfmMenu;
        fmMenu = menu;
        menu->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(menu->skinAtual());
        delete menu;
    }
}
BENCHMARK(BM_InicioAteMenu)->Unit(benchmark::kMillisecond);
