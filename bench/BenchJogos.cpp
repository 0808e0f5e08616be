// The matches screen: opening it on the full view, and saving a typed result
// through the grid's model (status rule, both rebuilds, standings read again).
#include "ArvoreTeste.h"
#include "core/data/Dataset.h"
#include "core/data/ModeloDataset.h"
#include "ui/screens/pClassificacao.h"
#include "ui/screens/pJogos.h"
#include "ui/shell/Botoes.h"
#include "ui/shell/Mensagens.h"
#include "ui/shell/Menu.h"

#include <QApplication>
#include <benchmark/benchmark.h>

static void BM_AbreJogosVisaoCompleta(benchmark::State& state)
{
    ArvoreTeste arvore;
    Erros::defineCaptura([](const QString&) {});
    TfmMenu menu;
    fmMenu = &menu;
    for (auto _ : state) {
        auto* tela = new TfJogos;
        fJogos = tela;
        tela->show();
        // Activation presses the full view.
        while (!tela->Table1->isOpen())
            QApplication::processEvents();
        QApplication::processEvents();
        benchmark::DoNotOptimize(tela->Table1->recordCount());
        delete tela;
    }
    fmMenu = nullptr;
    Erros::defineCaptura({});
}
BENCHMARK(BM_AbreJogosVisaoCompleta)->Unit(benchmark::kMillisecond);

static void BM_GravaResultadoPelaGrade(benchmark::State& state)
{
    ArvoreTeste arvore;
    Erros::defineCaptura([](const QString&) {});
    TfmMenu menu;
    fmMenu = &menu;
    TfJogos tela;
    tela.show();
    while (!tela.Table1->isOpen())
        QApplication::processEvents();
    tela.botaoVisao(1)->click();
    Dataset classificacao;
    classificacao.setSql(QString::fromUtf8(TfClassificacao::kSqlClassificacao));
    QAbstractItemModel* m = tela.dbJogos->model();
    int n = 0;
    for (auto _ : state) {
        const int linha = n % 14;
        m->setData(m->index(linha, GradeJogos::kGols1), QString::number(n % 5));
        m->setData(m->index(linha, GradeJogos::kGols2), QString::number((n + 1) % 4));
        // Leaving the row saves it.
        tela.dbJogos->setCurrentIndex(m->index((linha + 1) % 14, GradeJogos::kGols1));
        classificacao.close();
        classificacao.open();
        benchmark::DoNotOptimize(classificacao.recordCount());
        ++n;
    }
    fmMenu = nullptr;
    Erros::defineCaptura({});
}
BENCHMARK(BM_GravaResultadoPelaGrade)->Unit(benchmark::kMillisecond);
