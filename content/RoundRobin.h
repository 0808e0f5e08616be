#pragma once
// A single round robin by the circle method: n clubs (n even) in n - 1
// rounds, every pair once, every club once per round, and each club's
// home and away games balanced within one; indexes 2j+1 and 2j+2 are
// never at home in the same round.
#include <QList>
#include <QPair>

namespace RoundRobin {

// Rounds of (home, away) pairs of indexes 0..n-1.
QList<QList<QPair<int, int>>> rodadas(int n);

} // namespace RoundRobin
