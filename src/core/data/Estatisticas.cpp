#include "core/data/Estatisticas.h"

#include "core/data/Banco.h"
#include "core/data/Dataset.h"
#include "core/errors/Erros.h"

#include <cfenv>
#include <cmath>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

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

QList<QPair<QString, QVariant>> colunas(const Figuras& f)
{
    return {
        {QStringLiteral("Pontos"), f.pontos},
        {QStringLiteral("Jogos"), f.jogos},
        {QStringLiteral("Vitorias"), f.vitorias},
        {QStringLiteral("Empates"), f.empates},
        {QStringLiteral("Derrotas"), f.derrotas},
        {QStringLiteral("GolsPro"), f.golsPro},
        {QStringLiteral("GolsContra"), f.golsContra},
        {QStringLiteral("SaldoGols"), f.saldoGols},
        {QStringLiteral("Projecao"), f.projecao},
        {QStringLiteral("Proj_V"), f.projV},
        {QStringLiteral("Proj_E"), f.projE},
        {QStringLiteral("Proj_D"), f.projD},
        {QStringLiteral("Aproveitamento"), f.aproveitamento},
    };
}

void recalculaTime(int c)
{
    // Only the club's own row is fetched; it is edited in place and saved back.
    Dataset times1;
    times1.setSql(QStringLiteral("Select * from Times1 where Cod_Time = :Time"));
    times1.setParam(0, c);
    times1.open();
    if (times1.isEmpty())
        throw ErroPrograma(QStringLiteral("O time de código %1 não está cadastrado; seus números não podem ser recalculados.").arg(c));

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
    for (const auto& [coluna, valor] : colunas(f))
        times1.setValue(coluna, valor);
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
    if (exibicao)
        exibicao->enableControls();
    if (!erros.isEmpty())
        throw ErroPrograma(QStringLiteral("O resultado não foi gravado:\n") + erros.join(QLatin1Char('\n')));
}

int reparaTodos(QSqlDatabase db)
{
    // Every counted match belongs to both its clubs; each club's figures come
    // from the same sum as the rebuild.
    QHash<int, QList<Partida>> partidas;
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT Time1, Time2, Situacao, Gols_Time1, Gols_Time2, Proj_Time1 FROM Jogos "
                                   "WHERE Apostador = 'W' AND (Situacao = 'C' OR Situacao = 'J')")))
            throw ErroPrograma(QStringLiteral("Não foi possível conferir os números dos times: %1")
                                   .arg(Banco::motivo(q.lastError().text())));
        while (q.next()) {
            const Partida j{q.value(0).toInt(), q.value(1).toInt(), Regras::situacao(q.value(2).toString()),
                            q.value(3).toInt(), q.value(4).toInt(), Regras::palpite(q.value(5).toString())};
            partidas[j.time1].append(j);
            if (j.time2 != j.time1)
                partidas[j.time2].append(j);
        }
    }
    const QList<QPair<QString, QVariant>> modelo = colunas(Figuras());
    QStringList nomes;
    for (const auto& par : modelo)
        nomes << par.first;
    QList<QPair<int, QList<QPair<QString, QVariant>>>> reparar;
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT Cod_Time, %1 FROM Times1").arg(nomes.join(QStringLiteral(", ")))))
            throw ErroPrograma(QStringLiteral("Não foi possível conferir os números dos times: %1")
                                   .arg(Banco::motivo(q.lastError().text())));
        while (q.next()) {
            const int cod = q.value(0).toInt();
            const QList<QPair<QString, QVariant>> certo = colunas(soma(cod, partidas.value(cod)));
            for (int i = 0; i < certo.size(); ++i) {
                // A missing number reads as 0, as everywhere else.
                if (q.value(i + 1).toDouble() != certo[i].second.toDouble()) {
                    reparar.append({cod, certo});
                    break;
                }
            }
        }
    }
    if (reparar.isEmpty())
        return 0;
    Banco::Transacao t(db);
    QStringList sets;
    for (const QString& n : nomes)
        sets << n + QStringLiteral(" = ?");
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE Times1 SET %1 WHERE Cod_Time = ?").arg(sets.join(QStringLiteral(", "))));
    for (const auto& [cod, certo] : reparar) {
        for (const auto& par : certo)
            q.addBindValue(par.second);
        q.addBindValue(cod);
        if (!q.exec())
            throw ErroPrograma(QStringLiteral("Não foi possível corrigir os números dos times: %1")
                                   .arg(Banco::motivo(q.lastError().text())));
    }
    t.confirma();
    return static_cast<int>(reparar.size());
}

void ligaRegras(Dataset& jogos, Dataset* exibicao)
{
    jogos.beforePost = [](Dataset& d) { regraSituacao(d); };
    jogos.afterPost = [](Dataset& d) {
        recalculaJogo(d.asInt(QStringLiteral("Time1")), d.asInt(QStringLiteral("Time2")));
    };
    // The display shows the clubs' figures once they are stored for good.
    jogos.afterCommit = [exibicao](Dataset&) {
        if (exibicao && exibicao->isOpen()) {
            exibicao->disableControls();
            Erros::protege([exibicao] { exibicao->refresh(); });
            exibicao->enableControls();
        }
    };
    jogos.beforeInsert = [](Dataset&) { return false; };
}

} // namespace Estatisticas
