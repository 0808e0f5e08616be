#include "Tabela2001.h"

#include "DadosClubes.h"
#include "RoundRobin.h"
#include "core/data/Clubes.h"

#include <QStringList>

namespace Tabela2001 {

const QStringList& emissoras()
{
    static const QStringList e = {"Rede Horizonte", "TV Continental", "Canal Arena", "Rede Atlântica"};
    return e;
}

namespace {

// The clubs in the order of the round robin's indexes. Clubs that share a
// stadium take the index pairs (1, 2), (3, 4), ..., which are never at home
// in the same round; the others follow in the picker's order.
QList<int> ordemDosIndices()
{
    const QList<int>& todos = Clubes::temporada();
    QList<int> pares, resto;
    for (int i = 0; i < todos.size(); ++i) {
        const int a = todos[i];
        if (pares.contains(a))
            continue;
        const DadosClubes::Ficha* fa = DadosClubes::ficha(a);
        int parceiro = 0;
        for (int j = i + 1; j < todos.size() && fa; ++j) {
            const DadosClubes::Ficha* fb = DadosClubes::ficha(todos[j]);
            if (fb && fb->estadio == fa->estadio && !pares.contains(todos[j])) {
                parceiro = todos[j];
                break;
            }
        }
        if (parceiro)
            pares << a << parceiro;
    }
    for (int c : todos)
        if (!pares.contains(c))
            resto << c;
    QList<int> ordem;
    ordem << resto.takeFirst();
    ordem += pares;
    ordem += resto;
    return ordem;
}

} // namespace

QList<Jogo> jogos()
{
    QList<Jogo> r;
    const QList<int> clubes = ordemDosIndices();
    const QList<QList<QPair<int, int>>> rodadas = RoundRobin::rodadas(clubes.size());
    const QDate inicio(2001, 8, 1); // a Wednesday
    static const char* const kHorasQuarta[] = {"19:30", "20:30", "21:40"};
    static const char* const kHorasDomingo[] = {"16:00", "18:00", "16:00"};
    int n = 0;
    for (int i = 0; i < rodadas.size(); ++i) {
        const int rodada = i + 1;
        const bool domingo = (i % 2) == 1;
        const QDate dia = inicio.addDays(7 * (i / 2) + (domingo ? 4 : 0));
        int k = 0;
        for (const auto& [a, b] : rodadas[i]) {
            const int casa = clubes[a], fora = clubes[b];
            const DadosClubes::Ficha* f = DadosClubes::ficha(casa);
            Jogo j;
            j.rodada = rodada;
            j.dia = dia;
            j.hora = QString::fromLatin1(domingo ? kHorasDomingo[k % 3] : kHorasQuarta[k % 3]);
            j.time1 = casa;
            j.time2 = fora;
            j.estadio = f ? f->estadio : QString();
            j.local = f ? f->cidade : QString();
            j.tv = emissoras()[(n * 7 + k) % emissoras().size()];
            r.append(j);
            ++k;
            ++n;
        }
    }
    // Knock-out rounds: the better-placed club plays the second leg at home.
    auto mata = [&](int rodada, QDate dia, const QString& hora, int casa, int fora, int k) {
        r.append({rodada, dia, hora, casa, fora, QStringLiteral("A definir"), QStringLiteral("A definir"),
                  emissoras()[k % emissoras().size()]});
    };
    mata(28, QDate(2001, 11, 7), "20:30", kQuarto, kPrimeiro, 0);
    mata(28, QDate(2001, 11, 7), "21:40", kTerceiro, kSegundo, 1);
    mata(28, QDate(2001, 11, 11), "16:00", kPrimeiro, kQuarto, 0);
    mata(28, QDate(2001, 11, 11), "18:00", kSegundo, kTerceiro, 1);
    mata(29, QDate(2001, 11, 14), "21:40", kVencedorS2, kVencedorS1, 0);
    mata(29, QDate(2001, 11, 18), "16:00", kVencedorS1, kVencedorS2, 0);
    return r;
}

} // namespace Tabela2001
