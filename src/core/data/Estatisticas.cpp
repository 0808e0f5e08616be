#include "core/data/Estatisticas.h"

#include "core/data/Dataset.h"
#include "core/errors/Erros.h"

#include <cfenv>
#include <cmath>

namespace Estatisticas {

void regraSituacao(Dataset& jogo)
{
    using Regras::Situacao;
    if (!jogo.isNull(QStringLiteral("Gols_Time1")) && !jogo.isNull(QStringLiteral("Gols_Time2"))) {
        jogo.setValue(QStringLiteral("Situacao"), Regras::letra(Situacao::Concluido));
        jogo.setValue(QStringLiteral("Proj_Time1"), QString());
        jogo.setValue(QStringLiteral("Proj_Time2"), QString());
        return;
    }
    if (Regras::situacao(jogo.asString(QStringLiteral("Situacao"))) == Situacao::Projetado)
        return;
    jogo.setValue(QStringLiteral("Situacao"), Regras::letra(Situacao::NaoJogado));
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

Figuras soma(int c, const QList<Partida>& partidas)
{
    using Regras::Palpite;
    using Regras::Situacao;
    Figuras f;
    int pp = 0, pv = 0, pe = 0, pd = 0; // from picks only
    for (const Partida& j : partidas) {
        const bool primeiro = j.time1 == c;
        if (j.situacao == Situacao::Concluido) {
            if (j.gols1 == j.gols2) {
                f.pontos += 1;
                f.empates += 1;
            } else if ((j.gols1 > j.gols2) == primeiro) {
                f.pontos += 3;
                f.vitorias += 1;
            } else {
                f.derrotas += 1;
            }
            f.jogos += 1;
            f.golsPro += primeiro ? j.gols1 : j.gols2;
            f.golsContra += primeiro ? j.gols2 : j.gols1;
        } else if (j.situacao == Situacao::Projetado) {
            // The pick is stored as seen from the first club.
            const Palpite p = primeiro ? j.palpite1 : Regras::espelho(j.palpite1);
            if (p == Palpite::Empate) {
                pp += 1;
                pe += 1;
            } else if (p == Palpite::Vitoria) {
                pp += 3;
                pv += 1;
            } else if (p == Palpite::Derrota) {
                pd += 1;
            }
        }
    }
    f.saldoGols = f.golsPro - f.golsContra;
    f.projecao = f.pontos + pp;
    f.projV = f.vitorias + pv;
    f.projE = f.empates + pe;
    f.projD = f.derrotas + pd;
    f.aproveitamento = aproveitamento(f.pontos, f.jogos);
    return f;
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

    QList<Partida> partidas;
    for (jogos.first(); !jogos.eof(); jogos.next())
        partidas.append({jogos.asInt(QStringLiteral("Time1")), jogos.asInt(QStringLiteral("Time2")),
                         Regras::situacao(jogos.asString(QStringLiteral("Situacao"))),
                         jogos.asInt(QStringLiteral("Gols_Time1")), jogos.asInt(QStringLiteral("Gols_Time2")),
                         Regras::palpite(jogos.asString(QStringLiteral("Proj_Time1")))});
    const Figuras f = soma(c, partidas);

    times1.edit();
    times1.setValue(QStringLiteral("Pontos"), f.pontos);
    times1.setValue(QStringLiteral("Jogos"), f.jogos);
    times1.setValue(QStringLiteral("Vitorias"), f.vitorias);
    times1.setValue(QStringLiteral("Empates"), f.empates);
    times1.setValue(QStringLiteral("Derrotas"), f.derrotas);
    times1.setValue(QStringLiteral("GolsPro"), f.golsPro);
    times1.setValue(QStringLiteral("GolsContra"), f.golsContra);
    times1.setValue(QStringLiteral("SaldoGols"), f.saldoGols);
    times1.setValue(QStringLiteral("Projecao"), f.projecao);
    times1.setValue(QStringLiteral("Proj_V"), f.projV);
    times1.setValue(QStringLiteral("Proj_E"), f.projE);
    times1.setValue(QStringLiteral("Proj_D"), f.projD);
    times1.setValue(QStringLiteral("Aproveitamento"), f.aproveitamento);
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
