#pragma once
// The orders in which clubs are listed, as the statements that produce them.
// Each order list is the tie-break; the screens and the reports run these.

class Dataset;
class QObject;

namespace Ordens {

// Standings: points, wins, goal difference, goals scored (higher first), then sort name.
inline constexpr const char* kClassificacao =
    "Select * from Times1 where divisao = '1' order by pontos desc, vitorias desc, saldogols desc, golspro desc, nome";

// Projected standings: projected points, projected wins, then the standings keys.
inline constexpr const char* kProjecao =
    "Select * from Times1 where divisao = '1' order by projecao desc, proj_v desc, pontos desc, vitorias desc, "
    "saldogols desc, golspro desc, nome";

// Efficiency: efficiency, then the standings keys.
inline constexpr const char* kAproveitamento =
    "Select * from Times1 where divisao = '1' order by aproveitamento desc, pontos desc, vitorias desc, saldogols desc, "
    "golspro desc, nome";

// All-time ranking, every club whatever its division: the keys of the index
// CBFIdx (higher first; wins before matches), ties falling back to the
// table's primary order. The knock-out placeholders (`Divisao` "V",
// Clubes::divisaoVaga()) are not clubs and are left out.
inline constexpr const char* kIndiceRanking = "CBFIdx";
inline constexpr const char* kRanking =
    "Select * from Times1 where coalesce(Divisao, '') <> 'V' order by CBF_Pontos desc, CBF_Vitorias desc, CBF_Jogos desc, CBF_Saldo desc, "
    "CBF_GolsPro desc, CBF_Aproveitamento desc, Cod_Time, Divisao, Time, Pontos";

// A statement of one of these orders with its calculated `Colocacao` (the
// row number in the statement's order, never shared) and, for the projected
// standings, `Proj_J` (Proj_V + Proj_E + Proj_D). Owned by dono; not opened.
Dataset* consultaComPosicao(QObject* dono, const char* sql, bool projecao);

} // namespace Ordens
