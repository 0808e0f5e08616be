#pragma once
// The all-time ranking order of `Times1` (the `CBF_` figures), as one
// statement: points, wins, matches, goal difference, goals scored and
// efficiency, each higher first; equal clubs fall back to the club code, as
// the table's primary order does. Every club is listed whatever its
// division; the knock-out placeholders are not clubs and are left out.
#include <QString>

namespace Ranking {

QString sql();

} // namespace Ranking
