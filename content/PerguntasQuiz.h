#pragma once
// The quiz's question bank: football questions in Portuguese, each with four
// options and one right answer, codes from 1 to 127.
#include <QList>
#include <QString>

namespace PerguntasQuiz {

struct Pergunta {
    int codigo;
    const char* pergunta;   // at most 120 characters
    const char* opcoes[4];  // A to D, at most 50 characters each
    char resposta;          // 'A' to 'D'
};

const QList<Pergunta>& todas();

} // namespace PerguntasQuiz
