#pragma once
// A club's balance over a list of historic matches (`Confrontos` rows),
// counted from the club's side: wins, draws, losses, goals for and against.
// The head-to-head and the team history screens both count with it, and
// both write their ratios with the text forms below.
#include <QLocale>
#include <QString>
#include <QVariant>

class Dataset;

namespace Balanco {

struct Totais {
    int vitorias = 0;
    int empates = 0;
    int derrotas = 0;
    int golsPro = 0;
    int golsContra = 0;

    int jogos() const { return vitorias + empates + derrotas; }
    int saldo() const { return golsPro - golsContra; }

    // Counts one match of the club. `time1` is the match's `Cod_Time1`; a null
    // score counts 0. A draw adds the goals as listed; otherwise the winner is
    // the club when it is `time1` and the first score is higher (or it is not
    // `time1` and the second score is higher), and the goals are taken from
    // the club's side.
    void conta(int clube, const QVariant& time1, const QVariant& gols1, const QVariant& gols2);
};

// Counts every row of an open dataset of `Confrontos` (fields `Cod_Time1`,
// `Gols_Time1`, `Gols_Time2`) for the club. The cursor is left where it was.
Totais conta(const Dataset& jogos, int clube);

// A ratio in its shortest decimal form with at most 15 significant digits and
// the locale's decimal separator (7/3 gives "2,33333333333333" in a Brazilian
// locale, 5/2 gives "2,5"); "0" when the divisor is 0.
QString media(int dividendo, int divisor, const QLocale& local = QLocale());

// A ratio with exactly two decimals, at least one digit before the separator,
// rounded to nearest with halves upward (1/8 gives "0,13"); "0" when the
// divisor is 0. Exact for whole dividend and divisor.
QString duasCasas(qint64 dividendo, qint64 divisor, const QLocale& local = QLocale());

} // namespace Balanco
