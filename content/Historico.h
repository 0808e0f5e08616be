#pragma once
// The history of this edition: the national championships 1971 to 2000,
// simulated once from a fixed seed. Each season is a single round robin of
// the season's participants; the real champion of each year is kept as the
// simulated champion. Every match, every final place and the all-time
// figures come from this one simulation, so they agree with each other.
#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>

namespace Historico {

struct Partida {
    QDate data;
    int time1;
    int time2;
    int gols1;
    int gols2;
};

struct Totais {
    int pontos = 0, jogos = 0, vitorias = 0, empates = 0, derrotas = 0;
    int golsPro = 0, golsContra = 0, participacoes = 0;
    int pontosPossiveis = 0;
    int saldo() const { return golsPro - golsContra; }
    // Per cent of the points available, one decimal.
    double aproveitamento() const;
};

struct Resultado {
    QList<Partida> partidas;             // in date order
    QHash<int, QMap<int, int>> colocacao; // club -> season -> final place
    QHash<int, Totais> totais;           // club -> all-time figures
    QList<int> ranking;                  // every club (no placeholder), in ranking order
};

constexpr int kPrimeiroAno = 1971;
constexpr int kUltimoAno = 2000;

// Points for a win in a season: 2 up to 1994, 3 from 1995.
int pontosVitoria(int ano);

// The simulation (computed once per process).
const Resultado& resultado();

// True when a comes before b in the ranking order: more points, wins,
// matches, goal difference, goals scored and efficiency, in that order.
bool antesNoRanking(const Totais& a, const Totais& b);

} // namespace Historico
