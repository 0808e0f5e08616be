#include "Sons.h"

#include <QList>
#include <QtEndian>
#include <cmath>

namespace Sons {

namespace {

constexpr int kTaxa = 22050;

struct Nota {
    double inicio;   // seconds
    double duracao;  // seconds
    double freq;     // Hz
    double volume;   // 0..1
    int timbre;      // 0 bell, 1 buzz, 2 brass, 3 soft
};

double onda(int timbre, double fase)
{
    const double s = std::sin(fase);
    switch (timbre) {
    case 0: // bell: fundamental with a bright, inharmonic partial
        return 0.7 * s + 0.3 * std::sin(fase * 2.76);
    case 1: // buzz: a rounded square
        return std::tanh(4.0 * s) * 0.8;
    case 2: // brass: odd and even harmonics falling off
        return 0.6 * s + 0.25 * std::sin(2 * fase) + 0.12 * std::sin(3 * fase) + 0.06 * std::sin(4 * fase);
    default:
        return 0.85 * s + 0.15 * std::sin(2 * fase);
    }
}

double envelope(int timbre, double t, double dur)
{
    const double ataque = timbre == 0 ? 0.004 : 0.02;
    if (t < ataque)
        return t / ataque;
    if (timbre == 0)
        return std::exp(-(t - ataque) * 6.0);
    const double soltura = 0.06;
    if (t > dur - soltura)
        return qMax(0.0, (dur - t) / soltura);
    return timbre == 2 ? 0.85 + 0.15 * std::exp(-(t - ataque) * 8.0) : 1.0;
}

QByteArray sintetiza(const QList<Nota>& notas, double total)
{
    const int n = int(total * kTaxa);
    QList<double> mix(n, 0.0);
    for (const Nota& nota : notas) {
        const int a = int(nota.inicio * kTaxa);
        const int b = qMin(n, int((nota.inicio + nota.duracao) * kTaxa));
        for (int i = a; i < b; ++i) {
            const double t = double(i - a) / kTaxa;
            const double vibrato = nota.timbre == 1 ? 1.0 + 0.01 * std::sin(2 * M_PI * 7 * t) : 1.0;
            mix[i] += nota.volume * envelope(nota.timbre, t, nota.duracao) *
                      onda(nota.timbre, 2 * M_PI * nota.freq * vibrato * t);
        }
    }
    QByteArray pcm(n * 2, '\0');
    for (int i = 0; i < n; ++i) {
        const double v = qBound(-1.0, mix[i], 1.0);
        qToLittleEndian<qint16>(qint16(std::lround(v * 30000.0)), pcm.data() + 2 * i);
    }
    QByteArray w;
    auto u32 = [&w](quint32 x) { char b[4]; qToLittleEndian(x, b); w.append(b, 4); };
    auto u16 = [&w](quint16 x) { char b[2]; qToLittleEndian(x, b); w.append(b, 2); };
    w.append("RIFF", 4);
    u32(36 + quint32(pcm.size()));
    w.append("WAVEfmt ", 8);
    u32(16);
    u16(1);            // PCM
    u16(1);            // mono
    u32(kTaxa);
    u32(kTaxa * 2);    // bytes per second
    u16(2);            // block align
    u16(16);           // bits per sample
    w.append("data", 4);
    u32(quint32(pcm.size()));
    w.append(pcm);
    return w;
}

double nota(int semitonsDeA4)
{
    return 440.0 * std::pow(2.0, semitonsDeA4 / 12.0);
}

} // namespace

const QStringList& nomes()
{
    static const QStringList n = {QStringLiteral("Certo1.WAV"), QStringLiteral("Erro1.WAV"), QStringLiteral("Win.WAV"),
                                  QStringLiteral("GameOver.WAV")};
    return n;
}

QByteArray wav(const QString& nome)
{
    if (nome == QLatin1String("Certo1.WAV")) // a bright two-note chime
        return sintetiza({{0.0, 0.6, nota(19), 0.45, 0}, {0.11, 0.6, nota(26), 0.45, 0}}, 0.75);
    if (nome == QLatin1String("Erro1.WAV")) // a low buzz
        return sintetiza({{0.0, 0.22, 98.0, 0.55, 1}, {0.26, 0.34, 87.3, 0.55, 1}}, 0.62);
    if (nome == QLatin1String("Win.WAV")) { // a short fanfare ending on a chord
        QList<Nota> n = {{0.00, 0.14, nota(3), 0.35, 2}, {0.15, 0.14, nota(7), 0.35, 2},
                         {0.30, 0.14, nota(10), 0.35, 2}, {0.45, 0.30, nota(15), 0.35, 2},
                         {0.78, 0.12, nota(10), 0.30, 2}};
        for (int s : {3, 7, 10, 15})
            n.append({0.92, 0.75, nota(s), 0.22, 2});
        return sintetiza(n, 1.75);
    }
    if (nome == QLatin1String("GameOver.WAV")) { // a falling, slowing phrase
        QList<Nota> n;
        const int passos[] = {10, 9, 8, 7, 3, -2};
        double t = 0;
        for (int i = 0; i < 6; ++i) {
            const double d = 0.16 + i * 0.05;
            n.append({t, d, nota(passos[i] - 12), 0.5, 3});
            t += d + 0.02;
        }
        return sintetiza(n, t + 0.1);
    }
    return QByteArray();
}

} // namespace Sons
