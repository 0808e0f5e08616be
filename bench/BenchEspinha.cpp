// Saving a match row with its rule and both rebuilds; start-up to the menu shown.
#include "ArvoreTeste.h"
#include "core/data/Dataset.h"
#include "core/data/Estatisticas.h"
#include "ui/shell/Menu.h"

#include <QApplication>
#include <benchmark/benchmark.h>

static void BM_GravaResultado(benchmark::State& state)
{
    ArvoreTeste arvore;
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
BENCHMARK(BM_GravaResultado)->Unit(benchmark::kMillisecond);

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
