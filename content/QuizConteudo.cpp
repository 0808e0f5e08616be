#include "QuizConteudo.h"

#include "RoundRobin.h"
#include "core/quiz/CampeonatoQuiz.h"

namespace QuizConteudo {

const QStringList& times()
{
    return CampeonatoQuiz::listaTimes();
}

int codigo(const QString& time)
{
    return static_cast<int>(times().indexOf(time)) + 1;
}

QList<Jogo> jogos()
{
    QList<Jogo> r;
    const auto rodadas = RoundRobin::rodadas(static_cast<int>(times().size()));
    for (int k = 0; k < rodadas.size(); ++k)
        for (const auto& [a, b] : rodadas[k])
            r.append({k + 1, a + 1, b + 1});
    return r;
}

} // namespace QuizConteudo
