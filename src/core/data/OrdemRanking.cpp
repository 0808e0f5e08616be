#include "core/data/OrdemRanking.h"

#include "core/data/Clubes.h"

namespace Ranking {

QString sql()
{
    return QStringLiteral("Select * from Times1 where %1 order by CBF_Pontos desc, CBF_Vitorias desc, "
                          "CBF_Jogos desc, CBF_Saldo desc, CBF_GolsPro desc, CBF_Aproveitamento desc, Cod_Time")
        .arg(Clubes::sqlSemVagas());
}

} // namespace Ranking
