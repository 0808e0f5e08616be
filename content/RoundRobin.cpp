#include "RoundRobin.h"

namespace RoundRobin {

QList<QList<QPair<int, int>>> rodadas(int n)
{
    QList<QList<QPair<int, int>>> r;
    if (n < 2 || n % 2 != 0)
        return r;
    // Index n-1 stays fixed; the others turn around it.
    QList<int> roda;
    for (int i = 0; i < n - 1; ++i)
        roda << i;
    const int m = n - 1; // odd
    // Who is at home: among the first n-1 clubs, i hosts j when j follows i
    // by 1..(m-1)/2 steps round the circle, giving each (m-1)/2 home games;
    // the clubs below (m-1)/2 also host the last club, which hosts the rest.
    // Every club ends with home and away games within one of each other.
    auto casa = [&](int a, int b) {
        if (a == m)
            return b >= (m - 1) / 2;
        if (b == m)
            return a < (m - 1) / 2;
        const int d = ((b - a) % m + m) % m;
        return d >= 1 && d <= (m - 1) / 2;
    };
    auto par = [&](int a, int b) { return casa(a, b) ? qMakePair(a, b) : qMakePair(b, a); };
    for (int k = 0; k < m; ++k) {
        QList<QPair<int, int>> rodada;
        rodada << par(roda[0], m);
        for (int i = 1; i < n / 2; ++i)
            rodada << par(roda[i], roda[m - i]);
        r << rodada;
        roda.prepend(roda.takeLast());
    }
    return r;
}

} // namespace RoundRobin
