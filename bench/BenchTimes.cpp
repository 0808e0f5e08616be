// The team screen: opening it, choosing another club, and saving a result
// typed into the club's match list with the page's refresh.
#include "ArvoreTeste.h"
#include "core/data/Dataset.h"
#include "ui/screens/GradeJogos.h"
#include "ui/screens/pTimes.h"
#include "ui/shell/Mensagens.h"
#include "ui/shell/Menu.h"

#include <QApplication>
#include <QLabel>
#include <QToolButton>
#include <benchmark/benchmark.h>

static void BM_AbreTimes(benchmark::State& state)
{
    ArvoreTeste arvore;
    Erros::defineCaptura([](const QString&) {});
    TfmMenu menu;
    fmMenu = &menu;
    for (auto _ : state) {
        auto* tela = new TfTimes;
        fTimes = tela;
        tela->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(tela->Query1->recordCount());
        delete tela;
    }
    fmMenu = nullptr;
    Erros::defineCaptura({});
}
BENCHMARK(BM_AbreTimes)->Unit(benchmark::kMillisecond);

static void BM_EscolheTime(benchmark::State& state)
{
    ArvoreTeste arvore;
    Erros::defineCaptura([](const QString&) {});
    TfmMenu menu;
    fmMenu = &menu;
    TfTimes tela;
    tela.show();
    QApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        tela.lbtnAmericaClick(tela.botoesTimes[i % 28]);
        benchmark::DoNotOptimize(tela.Query1->recordCount());
        ++i;
    }
    fmMenu = nullptr;
    Erros::defineCaptura({});
}
BENCHMARK(BM_EscolheTime)->Unit(benchmark::kMillisecond);

static void BM_GravaResultadoNaLista(benchmark::State& state)
{
    ArvoreTeste arvore;
    Erros::defineCaptura([](const QString&) {});
    TfmMenu menu;
    fmMenu = &menu;
    TfTimes tela;
    tela.show();
    QApplication::processEvents();
    QAbstractItemModel* m = tela.dbJogos->model();
    const int g1 = tela.dbJogos->colunaGols1(), g2 = tela.dbJogos->colunaGols2();
    const int linhas = m->rowCount();
    int n = 0;
    for (auto _ : state) {
        const int linha = n % linhas;
        m->setData(m->index(linha, g1), QString::number(n % 5));
        m->setData(m->index(linha, g2), QString::number((n + 1) % 4));
        // Leaving the row saves it: rule, both rebuilds, the page's figures and positions.
        tela.dbJogos->setCurrentIndex(m->index((linha + 1) % linhas, g1));
        benchmark::DoNotOptimize(tela.Query5Colocacao->text());
        ++n;
    }
    fmMenu = nullptr;
    Erros::defineCaptura({});
}
BENCHMARK(BM_GravaResultadoNaLista)->Unit(benchmark::kMillisecond);
