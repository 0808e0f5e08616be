#pragma once
// Every club code the program knows: the 28 clubs of the season, the
// historic clubs of the all-time tables and the placeholders of the
// knock-out rounds, with the colours and initials their badges are drawn in.
#include <QList>
#include <QRgb>
#include <QString>
#include <QVariant>

namespace Clubes {

enum class Tipo { Temporada, Historico, Vaga };

// How the shield's field is divided.
enum class Padrao { Liso, Listras, Aros, Faixa, Diagonal, Metades, Quartos };

struct Clube {
    int codigo;
    QString time;      // short name, as `Time` of Times1
    QString sigla;     // initials on the badge
    QString estado;    // two-letter state code; empty for placeholders
    Tipo tipo;
    Padrao padrao;
    QRgb cor1;         // field
    QRgb cor2;         // stripes, band or second half
    QRgb cor3;         // rim and accents
};

// All known clubs in code order.
const QList<Clube>& todos();

// The club of a code; nullptr for a code without a club.
const Clube* porCodigo(int codigo);

// The 28 codes of the season in the team picker's order (alphabetical).
const QList<int>& temporada();

// The mark of a knock-out placeholder in `Times1`: `Divisao` "V" (vaga).
// Such a row only names a slot of the semi-finals or the final ("1º Colocado",
// "Vencedor S1") for the season's fixtures; it is not a club, has no ranking
// figures and no ranking position, and stays out of the ranking (Ordens::kRanking)
// and of every list of clubs to choose from.
QString divisaoVaga();
bool ehVaga(const QVariant& divisao);

} // namespace Clubes
