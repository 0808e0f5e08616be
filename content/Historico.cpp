#include "Historico.h"

#include "DadosClubes.h"
#include "RoundRobin.h"
#include "core/data/Clubes.h"

#include <QSet>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace Historico {

namespace {

// A small generator of our own, so every platform draws the same numbers.
class Sorteio {
public:
    explicit Sorteio(uint64_t semente) : m_s(semente) {}
    uint64_t proximo()
    {
        uint64_t z = (m_s += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uniforme() { return double(proximo() >> 11) * (1.0 / 9007199254740992.0); }
    int inteiro(int n) { return int(proximo() % uint64_t(n)); }
    int poisson(double lambda)
    {
        const double limite = std::exp(-lambda);
        int k = 0;
        double p = uniforme();
        while (p > limite && k < 9) {
            p *= uniforme();
            ++k;
        }
        return k;
    }

private:
    uint64_t m_s;
};

const QSet<int>& grandes()
{
    static const QSet<int> g = {2, 5, 6, 8, 9, 10, 13, 15, 17, 21, 22, 24};
    return g;
}

int forca(int codigo)
{
    if (const DadosClubes::Ficha* f = DadosClubes::ficha(codigo))
        return f->forca;
    return 62 + (codigo * 37) % 26; // historic clubs: 62..87
}

int desde(int codigo)
{
    if (const DadosClubes::Ficha* f = DadosClubes::ficha(codigo))
        return f->desde;
    return kPrimeiroAno;
}

struct Linha {
    int codigo;
    int pontos = 0, vitorias = 0, saldo = 0, gols = 0;
};

QList<int> participantes(int ano, const QList<int>& anterior, Sorteio& rng)
{
    const int n = (ano >= 1975 && ano <= 1986) ? 24 : 20;
    QList<int> escolhidos;
    const int campeao = DadosClubes::campeao(ano);
    QList<int> candidatos;
    for (const Clubes::Clube& c : Clubes::todos()) {
        if (c.tipo == Clubes::Tipo::Vaga || desde(c.codigo) > ano)
            continue;
        if (grandes().contains(c.codigo) || c.codigo == campeao)
            escolhidos << c.codigo;
        else
            candidatos << c.codigo;
    }
    // The rest drawn by weight: stronger clubs and last season's clubs more often.
    while (escolhidos.size() < n && !candidatos.isEmpty()) {
        QList<int> pesos;
        int total = 0;
        for (int c : candidatos) {
            const int f = forca(c) - 50;
            int p = f * f / 8;
            if (anterior.contains(c))
                p += 60;
            pesos << p;
            total += p;
        }
        int x = rng.inteiro(total);
        int i = 0;
        while (x >= pesos[i]) {
            x -= pesos[i];
            ++i;
        }
        escolhidos << candidatos.takeAt(i);
    }
    std::sort(escolhidos.begin(), escolhidos.end());
    // Shuffle into fixture order.
    for (int i = escolhidos.size() - 1; i > 0; --i)
        std::swap(escolhidos[i], escolhidos[rng.inteiro(i + 1)]);
    return escolhidos;
}

// One season's matches; returns the final table in order.
QList<Linha> temporada(int ano, const QList<int>& clubes, Sorteio& rng, QList<Partida>& partidas)
{
    const int campeao = DadosClubes::campeao(ano);
    const int pv = pontosVitoria(ano);
    const auto rodadas = RoundRobin::rodadas(clubes.size());
    QDate inicio(ano, 8, 1);
    while (inicio.dayOfWeek() != Qt::Sunday)
        inicio = inicio.addDays(1);
    for (int tentativa = 0;; ++tentativa) {
        // The champion's edge grows until the simulation agrees with the record.
        const double extra = 1.15 + 0.05 * (tentativa / 10);
        QHash<int, Linha> tabela;
        for (int c : clubes)
            tabela.insert(c, Linha{c});
        QList<Partida> jogos;
        for (int r = 0; r < rodadas.size(); ++r) {
            const QDate dia = inicio.addDays(7 * (r / 2) + (r % 2 ? 3 : 0));
            for (const auto& [a, b] : rodadas[r]) {
                const int c1 = clubes[a], c2 = clubes[b];
                double f1 = forca(c1), f2 = forca(c2);
                if (c1 == campeao)
                    f1 *= extra;
                if (c2 == campeao)
                    f2 *= extra;
                const int g1 = rng.poisson(1.30 * std::pow(f1 / f2, 1.1));
                const int g2 = rng.poisson(0.95 * std::pow(f2 / f1, 1.1));
                jogos.append({dia, c1, c2, g1, g2});
                Linha& l1 = tabela[c1];
                Linha& l2 = tabela[c2];
                l1.gols += g1;
                l2.gols += g2;
                l1.saldo += g1 - g2;
                l2.saldo += g2 - g1;
                if (g1 > g2) {
                    l1.pontos += pv;
                    ++l1.vitorias;
                } else if (g2 > g1) {
                    l2.pontos += pv;
                    ++l2.vitorias;
                } else {
                    ++l1.pontos;
                    ++l2.pontos;
                }
            }
        }
        QList<Linha> ordem = tabela.values();
        std::sort(ordem.begin(), ordem.end(), [](const Linha& x, const Linha& y) {
            if (x.pontos != y.pontos)
                return x.pontos > y.pontos;
            if (x.vitorias != y.vitorias)
                return x.vitorias > y.vitorias;
            if (x.saldo != y.saldo)
                return x.saldo > y.saldo;
            if (x.gols != y.gols)
                return x.gols > y.gols;
            return x.codigo < y.codigo;
        });
        if (campeao == 0 || ordem.first().codigo == campeao || tentativa >= 2000) {
            partidas += jogos;
            return ordem;
        }
    }
}

Resultado simula()
{
    Resultado r;
    Sorteio rng(20010801);
    QList<int> anterior;
    for (int ano = kPrimeiroAno; ano <= kUltimoAno; ++ano) {
        const QList<int> clubes = participantes(ano, anterior, rng);
        const QList<Linha> final = temporada(ano, clubes, rng, r.partidas);
        for (int i = 0; i < final.size(); ++i)
            r.colocacao[final[i].codigo].insert(ano, i + 1);
        anterior = clubes;
    }
    std::stable_sort(r.partidas.begin(), r.partidas.end(),
                     [](const Partida& a, const Partida& b) { return a.data < b.data; });
    for (const Partida& p : r.partidas) {
        const int pv = pontosVitoria(p.data.year());
        for (int lado = 0; lado < 2; ++lado) {
            const int c = lado == 0 ? p.time1 : p.time2;
            const int pro = lado == 0 ? p.gols1 : p.gols2;
            const int contra = lado == 0 ? p.gols2 : p.gols1;
            Totais& t = r.totais[c];
            ++t.jogos;
            t.golsPro += pro;
            t.golsContra += contra;
            t.pontosPossiveis += pv;
            if (pro > contra) {
                ++t.vitorias;
                t.pontos += pv;
            } else if (pro < contra) {
                ++t.derrotas;
            } else {
                ++t.empates;
                ++t.pontos;
            }
        }
    }
    for (auto it = r.colocacao.cbegin(); it != r.colocacao.cend(); ++it)
        r.totais[it.key()].participacoes = it.value().size();
    // Every club is ranked, the knock-out placeholders are not; clubs without
    // figures come last, by code.
    for (const Clubes::Clube& c : Clubes::todos())
        if (c.tipo != Clubes::Tipo::Vaga)
            r.ranking << c.codigo;
    std::stable_sort(r.ranking.begin(), r.ranking.end(), [&](int a, int b) {
        return antesNoRanking(r.totais.value(a), r.totais.value(b));
    });
    return r;
}

} // namespace

double Totais::aproveitamento() const
{
    if (pontosPossiveis == 0)
        return 0.0;
    return std::round(1000.0 * pontos / pontosPossiveis) / 10.0;
}

int pontosVitoria(int ano)
{
    return ano <= 1994 ? 2 : 3;
}

bool antesNoRanking(const Totais& a, const Totais& b)
{
    if (a.pontos != b.pontos)
        return a.pontos > b.pontos;
    if (a.vitorias != b.vitorias)
        return a.vitorias > b.vitorias;
    if (a.jogos != b.jogos)
        return a.jogos > b.jogos;
    if (a.saldo() != b.saldo())
        return a.saldo() > b.saldo();
    if (a.golsPro != b.golsPro)
        return a.golsPro > b.golsPro;
    return a.aproveitamento() > b.aproveitamento();
}

const Resultado& resultado()
{
    static const Resultado r = simula();
    return r;
}

} // namespace Historico
