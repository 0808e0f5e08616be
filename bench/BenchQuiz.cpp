// The quiz: a whole championship of 5 questions per match played to the
// title by the rules class, every answer, result and standings write stored.
#include "ArvoreTeste.h"
#include "core/data/Dataset.h"
#include "core/errors/Erros.h"
#include "core/quiz/CampeonatoQuiz.h"

#include <benchmark/benchmark.h>
#include <random>

static void BM_CampeonatoQuizCompleto(benchmark::State& state)
{
    ArvoreTeste arvore;
    Erros::defineSaida([](const QString&) {});
    CampeonatoQuiz quiz;
    std::mt19937 mt(2001);
    quiz.defineSorteio([&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(mt); });
    int rodadas = 0;
    for (auto _ : state) {
        quiz.novoCampeonato();
        quiz.escolheTime(QStringLiteral("Vasco"));
        quiz.confirma(4);
        while (quiz.fase() != Quiz::Fase::Encerrado) {
            const int certa = QStringLiteral("ABCD").indexOf(quiz.Table1->asString(QStringLiteral("Resposta"))) + 1;
            quiz.escolheOpcao(certa);
            quiz.responde();
            if (quiz.podeProximaPergunta())
                quiz.proximaPergunta();
            else if (quiz.podeProximaRodada())
                quiz.proximaRodada();
        }
        rodadas = quiz.RodadaAtual - 1;
    }
    state.counters["rodadas"] = rodadas;
    Erros::defineSaida({});
}
BENCHMARK(BM_CampeonatoQuizCompleto)->Unit(benchmark::kMillisecond)->Iterations(3);
