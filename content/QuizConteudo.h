#pragma once
// The quiz's teams and its group-stage fixture: 16 teams, a single round
// robin in 15 rounds.
#include <QList>
#include <QString>
#include <QStringList>

namespace QuizConteudo {

// The team list in the order the quiz screen offers it.
const QStringList& times();

// The team's code in `QuizTimes`: its place in the list, from 1.
int codigo(const QString& time);

struct Jogo {
    int rodada; // 1 to 15
    int time1;  // team codes
    int time2;
};

// Every match of rounds 1 to 15, round by round.
QList<Jogo> jogos();

} // namespace QuizConteudo
