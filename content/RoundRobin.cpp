#include "RoundRobin.h"

namespace RoundRobin {

QList<QList<QPair<int, int>>> rodadas(int n)
{
    QList<QList<QPair<int, int>>> r;
    if (n < 2 || n % 2 != 0)
        return r;
    // Circle method: index n-1 stays fixed, the others turn around it. In
    // round k, k meets n-1 and k+i meets k-i; the home side alternates with
    // k and with i. Every club then has home and away games within one of
    // each other, and the clubs 2j+1 and 2j+2 are never at home in the same
    // round (useful for two clubs sharing a stadium).
    const int m = n - 1;
    for (int k = 0; k < m; ++k) {
        QList<QPair<int, int>> rodada;
        rodada << (k % 2 == 0 ? qMakePair(k, m) : qMakePair(m, k));
        for (int i = 1; i < n / 2; ++i) {
            const int a = (k + i) % m, b = ((k - i) % m + m) % m;
            rodada << (i % 2 == 1 ? qMakePair(a, b) : qMakePair(b, a));
        }
        r << rodada;
    }
    return r;
}

} // namespace RoundRobin
