#pragma once
// The codes stored in a match row: its status (`Situacao`) and its
// projection picks (`Proj_Time1`, `Proj_Time2`), with the letters as stored.
// Comparisons are exact, with regard to case.
#include <QString>
#include <optional>

namespace Regras {

// "P" not played and not projected, "J" projected, "C" concluded.
enum class Situacao { NaoJogado, Projetado, Concluido };

// A pick seen from one club: "V" it wins, "E" draw, "D" it loses; empty: none.
enum class Palpite { Nenhum, Vitoria, Empate, Derrota };

inline QString letra(Situacao s)
{
    switch (s) {
    case Situacao::Projetado:
        return QStringLiteral("J");
    case Situacao::Concluido:
        return QStringLiteral("C");
    case Situacao::NaoJogado:
        break;
    }
    return QStringLiteral("P");
}

// An unknown letter has no status: such a row counts for nothing.
inline std::optional<Situacao> situacao(const QString& letra)
{
    if (letra == QLatin1String("P"))
        return Situacao::NaoJogado;
    if (letra == QLatin1String("J"))
        return Situacao::Projetado;
    if (letra == QLatin1String("C"))
        return Situacao::Concluido;
    return std::nullopt;
}

// Concluded and projected matches are the ones the figures count.
inline bool contada(std::optional<Situacao> s)
{
    return s == Situacao::Concluido || s == Situacao::Projetado;
}

inline QString letra(Palpite p)
{
    switch (p) {
    case Palpite::Vitoria:
        return QStringLiteral("V");
    case Palpite::Empate:
        return QStringLiteral("E");
    case Palpite::Derrota:
        return QStringLiteral("D");
    case Palpite::Nenhum:
        break;
    }
    return QString();
}

// Any other letter (or an empty field) is no pick.
inline Palpite palpite(const QString& letra)
{
    if (letra == QLatin1String("V"))
        return Palpite::Vitoria;
    if (letra == QLatin1String("E"))
        return Palpite::Empate;
    if (letra == QLatin1String("D"))
        return Palpite::Derrota;
    return Palpite::Nenhum;
}

// The same pick seen from the other club: a win for one is a loss for the other.
inline Palpite espelho(Palpite p)
{
    switch (p) {
    case Palpite::Vitoria:
        return Palpite::Derrota;
    case Palpite::Derrota:
        return Palpite::Vitoria;
    default:
        return p;
    }
}

} // namespace Regras
