#pragma once
// The status rule and the rebuild of a club's season figures. Every save of a
// match row runs them: the rule before the row is stored, the rebuild of both
// clubs after it. This is the one implementation every screen wires in.
#include "core/data/Regras.h"

#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <optional>

class Dataset;

namespace Estatisticas {

// One counted or uncounted match of a club, as the rebuild reads it. A null
// score reads as 0.
struct Partida {
    int time1 = 0;
    int time2 = 0;
    std::optional<Regras::Situacao> situacao;
    int gols1 = 0;
    int gols2 = 0;
    Regras::Palpite palpite1 = Regras::Palpite::Nenhum; // `Proj_Time1`; `Proj_Time2` is never read
};

// A club's season figures, the columns `Pontos` to `Proj_D` of `Times1`.
struct Figuras {
    int pontos = 0, jogos = 0, vitorias = 0, empates = 0, derrotas = 0, golsPro = 0, golsContra = 0;
    int saldoGols = 0, projecao = 0, projV = 0, projE = 0, projD = 0;
    double aproveitamento = 0;
    bool operator==(const Figuras&) const = default;
};

// The figures of club c from its matches, counted from zero: a concluded
// match counts its result, a projected one its pick, any other nothing.
Figuras soma(int c, const QList<Partida>& partidas);

// The `Times1` columns from `Pontos` to `Aproveitamento` with the figures' values.
QList<QPair<QString, QVariant>> colunas(const Figuras& f);

// Before a match row is stored: both scores → "C" with the picks emptied;
// a projected row ("J") stays as it is; anything else → "P" without scores.
void regraSituacao(Dataset& jogo);

// Rebuilds the club's figures from all its counted matches and saves its
// `Times1` row. Throws ErroPrograma, writing nothing, when the club has no row.
void recalculaTime(int codTime);

// After a match row is stored: rebuilds its first club, then its second.
// Throws ErroPrograma naming every club that could not be rebuilt; the save
// it runs in is then rolled back whole. The display dataset, if any, is
// suspended while the rows are written.
void recalculaJogo(int time1, int time2, Dataset* exibicao = nullptr);

// Compares the stored figures of every club with the sum of its counted
// matches and rewrites, in one transaction, the clubs that differ (a file
// written by an older build or changed by hand). Returns how many.
// Throws ErroPrograma when the database cannot be read or written.
int reparaTodos(QSqlDatabase db);

// Installs the rule and the rebuild as the before- and after-save hooks of a
// dataset of `Jogos` rows (so the match row and both club rows are one
// transaction), refreshes the display after the commit, and cancels inserts
// silently.
void ligaRegras(Dataset& jogos, Dataset* exibicao = nullptr);

// Points as a whole per cent of the points available, halves to the even neighbour.
double aproveitamento(int pontos, int jogos);

} // namespace Estatisticas
