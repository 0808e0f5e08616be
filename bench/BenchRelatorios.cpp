// The reports: preparing each one over its screen's datasets, and writing the
// full match table (every match of the season) as a PDF file.
#include "ArvoreTeste.h"
#include "TimeRelatorioUi.h"
#include "core/data/Dataset.h"
#include "core/errors/Erros.h"
#include "ui/reports/pRelatorios.h"
#include "ui/screens/pClassificacao.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The matches screen's table in its full view: every match by day, with the club names.
struct TabelaCompleta {
    Dataset times, jogos;
    TabelaCompleta()
    {
        times.setTableName(QStringLiteral("Times1.DB"));
        times.open();
        jogos.setTableName(QStringLiteral("Jogos.DB"));
        jogos.setIndexName(QStringLiteral("DiaIdx"));
        jogos.addCalcField(QStringLiteral("X"));
        jogos.addLookupField(QStringLiteral("NomeTime1"), QStringLiteral("Time1"), &times, QStringLiteral("Cod_Time"),
                             QStringLiteral("Time"));
        jogos.addLookupField(QStringLiteral("NomeTime2"), QStringLiteral("Time2"), &times, QStringLiteral("Cod_Time"),
                             QStringLiteral("Time"));
        jogos.open();
    }
};

} // namespace

static void BM_PreparaTabelaCompleta(benchmark::State& state)
{
    ArvoreTeste arvore;
    Erros::defineSaida([](const QString&) {});
    TabelaCompleta t;
    for (auto _ : state)
        benchmark::DoNotOptimize(TfReport::preparaTabela(t.jogos).count());
    state.counters["linhas"] = t.jogos.recordCount();
    Erros::defineSaida({});
}
BENCHMARK(BM_PreparaTabelaCompleta)->Unit(benchmark::kMillisecond);

static void BM_PreparaClassificacao(benchmark::State& state)
{
    ArvoreTeste arvore;
    Erros::defineSaida([](const QString&) {});
    Dataset q;
    q.setSql(QString::fromUtf8(TfClassificacao::kSqlClassificacao));
    q.addCalcField(QStringLiteral("Colocacao"));
    q.onCalcFields = [](Dataset& d) { d.setCalcValue(QStringLiteral("Colocacao"), d.recNo()); };
    q.open();
    for (auto _ : state)
        benchmark::DoNotOptimize(TfReport::preparaClassificacao(q).count());
    Erros::defineSaida({});
}
BENCHMARK(BM_PreparaClassificacao)->Unit(benchmark::kMillisecond);

static void BM_PreparaTime(benchmark::State& state)
{
    ArvoreTeste arvore;
    Erros::defineSaida([](const QString&) {});
    TimeRelatorio time(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(TfReport::preparaTime(dadosDoTime(time)).count());
    Erros::defineSaida({});
}
BENCHMARK(BM_PreparaTime)->Unit(benchmark::kMillisecond);

static void BM_TabelaCompletaEmPdf(benchmark::State& state)
{
    ArvoreTeste arvore;
    Erros::defineSaida([](const QString&) {});
    TabelaCompleta t;
    const PaginasRelatorio paginas = TfReport::preparaTabela(t.jogos);
    QTemporaryDir dir;
    const QString arquivo = dir.filePath(QStringLiteral("tabela.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(paginas.salvaPdf(arquivo));
    state.counters["paginas"] = paginas.count();
    Erros::defineSaida({});
}
BENCHMARK(BM_TabelaCompletaEmPdf)->Unit(benchmark::kMillisecond);
