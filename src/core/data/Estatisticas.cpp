#include "core/data/Estatisticas.h"

#include "core/data/Dataset.h"
#include "core/errors/Erros.h"

#include <cfenv>
#include <cmath>

namespace Estatisticas {

void regraSituacao(Dataset& jogo)
{
    if (!jogo.isNull(QStringLiteral("Gols_Time1")) && !jogo.isNull(QStringLiteral("Gols_Time2"))) {
        jogo.setValue(QStringLiteral("Situacao"), QStringLiteral("C"));
        jogo.setValue(QStringLiteral("Proj_Time1"), QString());
        jogo.setValue(QStringLiteral("Proj_Time2"), QString());
        return;
    }
    if (jogo.asString(QStringLiteral("Situacao")) == QLatin1String("J"))
        return;
    jogo.setValue(QStringLiteral("Situacao"), QStringLiteral("P"));
    jogo.setValue(QStringLiteral("Gols_Time1"), QVariant());
    jogo.setValue(QStringLiteral("Gols_Time2"), QVariant());
}

double aproveitamento(int pontos, int jogos)
{
    const double v = static_cast<double>(pontos) / (3.0 * (jogos > 0 ? jogos : 1)) * 100.0;
    const int modo = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(v);
    std::fesetround(modo);
    return r;
}

void recalculaTime(int c)
{
    // Only the club's own row is fetched; it is edited in place and saved back.
    Dataset times1;
    times1.setSql(QStringLiteral("Select * from Times1 where Cod_Time = :Time"));
    times1.setParam(0, c);
    times1.open();
    if (times1.isEmpty())
        throw ErroPrograma(QStringLiteral("O time de código %1 não está cadastrado; seus números não foram recalculados.").arg(c));

    Dataset jogos;
    jogos.setSql(QStringLiteral("Select * from Jogos where Apostador = 'W' and (Situacao = 'C' or Situacao = 'J') "
                                "and (Time1 = :Time or Time2 = :Time) order by Dia, Cod_Jogo"));
    jogos.setParam(0, c);
    jogos.open();

    int pontos = 0, partidas = 0, v = 0, e = 0, d = 0, gp = 0, gc = 0, pp = 0, pv = 0, pe = 0, pd = 0;
    for (jogos.first(); !jogos.eof(); jogos.next()) {
        const bool primeiro = jogos.asInt(QStringLiteral("Time1")) == c;
        const QString sit = jogos.asString(QStringLiteral("Situacao"));
        if (sit == QLatin1String("C")) {
            const int g1 = jogos.asInt(QStringLiteral("Gols_Time1"));
            const int g2 = jogos.asInt(QStringLiteral("Gols_Time2"));
            if (g1 == g2) {
                pontos += 1;
                e += 1;
            } else if ((g1 > g2) == primeiro) {
                pontos += 3;
                v += 1;
            } else {
                d += 1;
            }
            partidas += 1;
            gp += primeiro ? g1 : g2;
            gc += primeiro ? g2 : g1;
        } else if (sit == QLatin1String("J")) {
            const QString p = jogos.asString(QStringLiteral("Proj_Time1"));
            if (p == QLatin1String("E")) {
                pp += 1;
                pe += 1;
            } else if (p == QLatin1String("V") || p == QLatin1String("D")) {
                if ((p == QLatin1String("V")) == primeiro) {
                    pp += 3;
                    pv += 1;
                } else {
                    pd += 1;
                }
            }
        }
    }

    times1.edit();
    times1.setValue(QStringLiteral("Pontos"), pontos);
    times1.setValue(QStringLiteral("Jogos"), partidas);
    times1.setValue(QStringLiteral("Vitorias"), v);
    times1.setValue(QStringLiteral("Empates"), e);
    times1.setValue(QStringLiteral("Derrotas"), d);
    times1.setValue(QStringLiteral("GolsPro"), gp);
    times1.setValue(QStringLiteral("GolsContra"), gc);
    times1.setValue(QStringLiteral("SaldoGols"), gp - gc);
    times1.setValue(QStringLiteral("Projecao"), pontos + pp);
    times1.setValue(QStringLiteral("Proj_V"), v + pv);
    times1.setValue(QStringLiteral("Proj_E"), e + pe);
    times1.setValue(QStringLiteral("Proj_D"), d + pd);
    times1.setValue(QStringLiteral("Aproveitamento"), aproveitamento(pontos, partidas));
    times1.post();
}

void recalculaJogo(int time1, int time2, Dataset* exibicao)
{
    if (exibicao)
        exibicao->disableControls();
    QStringList erros;
    for (int c : {time1, time2}) {
        try {
            recalculaTime(c);
        } catch (const ErroPrograma& e) {
            erros << e.mensagem();
        }
    }
    if (exibicao) {
        if (exibicao->isOpen())
            Erros::protege([exibicao] { exibicao->refresh(); });
        exibicao->enableControls();
    }
    if (!erros.isEmpty())
        throw ErroPrograma(QStringLiteral("O resultado foi gravado, mas:\n") + erros.join(QLatin1Char('\n')));
}

void ligaRegras(Dataset& jogos, Dataset* exibicao)
{
    jogos.beforePost = [](Dataset& d) { regraSituacao(d); };
    jogos.afterPost = [exibicao](Dataset& d) {
        recalculaJogo(d.asInt(QStringLiteral("Time1")), d.asInt(QStringLiteral("Time2")), exibicao);
    };
    jogos.beforeInsert = [](Dataset&) { return false; };
}

} // namespace Estatisticas
