// golazzo-bench: the costs users feel, measured on a fresh default tree.
#include <QApplication>
#include <benchmark/benchmark.h>

int inicioDoProcesso(int argc, char** argv);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Child modes of the whole-process start cases (BenchEspinha.cpp).
    if (argc >= 2 && (qstrcmp(argv[1], "--janela-nua") == 0 || qstrcmp(argv[1], "--inicio") == 0))
        return inicioDoProcesso(argc, argv);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
