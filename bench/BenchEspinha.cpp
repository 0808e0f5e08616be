// Saving a match row with its rule and both rebuilds; start-up to the menu shown.
#include "ArvoreTeste.h"
#include "core/data/Banco.h"
#include "core/data/Dataset.h"
#include "core/data/Estatisticas.h"
#include "core/install/Inicio.h"
#include "ui/shell/Menu.h"

#include "PrimeiraInstalacao.h"
#include "core/install/Caminhos.h"

#include <QApplication>
#include <QProcess>
#include "core/errors/Erros.h"
#include <chrono>
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

namespace {

// The floor: a bare window of the menu's size, shown and painted once.
double janelaNua()
{
    const auto t0 = std::chrono::steady_clock::now();
    {
        QWidget w;
        w.resize(1028, 753);
        w.show();
        w.repaint();
        QApplication::processEvents();
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// The program's whole start in this process: install tree check, database
// open with its checks and repair, menu with its picture and badges shown and painted.
double inicioCompleto(const QString& raiz)
{
    const auto t0 = std::chrono::steady_clock::now();
    {
        QString erro;
        PrimeiraInstalacao::garante(raiz, &erro);
        Caminhos::defineAtual(raiz);
        Banco::fechaPrincipal();
        Banco::definePrincipal(Caminhos::atual().banco());
        benchmark::DoNotOptimize(Inicio::preparaBanco(raiz));
        TfmMenu menu;
        fmMenu = &menu;
        menu.show();
        menu.repaint();
        QApplication::processEvents();
        fmMenu = nullptr;
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

} // namespace

static void BM_JanelaNua(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(janelaNua());
}
BENCHMARK(BM_JanelaNua)->UseManualTime()->Unit(benchmark::kMillisecond);

// The start as a ratio to the floor, both measured alternately in the same run.
static void BM_InicioSobreJanelaNua(benchmark::State& state)
{
    ArvoreTeste arvore;
    double inicio = 0, piso = 0;
    for (auto _ : state) {
        const double i = inicioCompleto(arvore.raiz());
        piso += janelaNua();
        inicio += i;
        state.SetIterationTime(i);
    }
    state.counters["piso_ms"] = benchmark::Counter(piso * 1000.0 / double(state.iterations()));
    state.counters["razao"] = benchmark::Counter(piso > 0 ? inicio / piso : 0.0);
}
BENCHMARK(BM_InicioSobreJanelaNua)->UseManualTime()->Unit(benchmark::kMillisecond);

// A whole process: "--janela-nua" shows and paints a bare window of the
// menu's size; "--inicio RAIZ" runs the program's start on the tree RAIZ up
// to the menu shown and painted. Both end right after.
int inicioDoProcesso(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (qstrcmp(argv[1], "--janela-nua") == 0) {
        janelaNua();
        return 0;
    }
    if (argc < 3)
        return 2;
    Erros::defineSaida([](const QString&) {});
    const QString raiz = QString::fromLocal8Bit(argv[2]);
    Instancia instancia(raiz);
    inicioCompleto(raiz);
    return 0;
}

namespace {
double processo(const QStringList& argumentos)
{
    const auto t0 = std::chrono::steady_clock::now();
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(), argumentos);
    p.waitForFinished(-1);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}
} // namespace

// The whole-process start against the whole-process bare window, alternately
// in the same run; "razao" is the ratio of their means.
static void BM_ProcessoInicioSobreJanelaNua(benchmark::State& state)
{
    ArvoreTeste arvore;
    Banco::fechaPrincipal();
    double inicio = 0, piso = 0;
    for (auto _ : state) {
        const double i = processo({QStringLiteral("--inicio"), arvore.raiz()});
        piso += processo({QStringLiteral("--janela-nua")});
        inicio += i;
        state.SetIterationTime(i);
    }
    state.counters["piso_ms"] = benchmark::Counter(piso * 1000.0 / double(state.iterations()));
    state.counters["razao"] = benchmark::Counter(piso > 0 ? inicio / piso : 0.0);
}
BENCHMARK(BM_ProcessoInicioSobreJanelaNua)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
