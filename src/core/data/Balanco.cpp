#include "core/data/Balanco.h"

#include "core/data/Dataset.h"

#include <cstdlib>

namespace Balanco {

void Totais::conta(int clube, const QVariant& time1, const QVariant& gols1, const QVariant& gols2)
{
    const int g1 = gols1.isNull() ? 0 : gols1.toInt();
    const int g2 = gols2.isNull() ? 0 : gols2.toInt();
    const bool primeiro = !time1.isNull() && time1.toInt() == clube;
    if (g1 == g2) {
        ++empates;
        golsPro += g1;
        golsContra += g2;
        return;
    }
    if (primeiro) {
        golsPro += g1;
        golsContra += g2;
    } else {
        golsPro += g2;
        golsContra += g1;
    }
    if ((g1 > g2) == primeiro)
        ++vitorias;
    else
        ++derrotas;
}

Totais conta(const Dataset& jogos, int clube)
{
    Totais t;
    if (!jogos.isOpen())
        return t;
    const QString time1 = QStringLiteral("Cod_Time1");
    const QString gols1 = QStringLiteral("Gols_Time1");
    const QString gols2 = QStringLiteral("Gols_Time2");
    for (int i = 0; i < jogos.recordCount(); ++i)
        t.conta(clube, jogos.valueAt(i, time1), jogos.valueAt(i, gols1), jogos.valueAt(i, gols2));
    return t;
}

QString media(int dividendo, int divisor, const QLocale& local)
{
    if (divisor == 0)
        return QStringLiteral("0");
    QLocale l = local;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    // 'g' with 15 digits drops trailing zeros: the shortest form of that precision.
    return l.toString(double(dividendo) / double(divisor), 'g', 15);
}

QString duasCasas(qint64 dividendo, qint64 divisor, const QLocale& local)
{
    if (divisor == 0)
        return QStringLiteral("0");
    const bool negativo = (dividendo < 0) != (divisor < 0) && dividendo != 0;
    const qint64 n = std::llabs(dividendo);
    const qint64 d = std::llabs(divisor);
    // Hundredths rounded half up, in whole numbers: floor((200 n + d) / 2d).
    const qint64 centesimos = (200 * n + d) / (2 * d);
    QLocale l = local;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    QString r = l.toString(centesimos / 100) + l.decimalPoint()
                + QStringLiteral("%1").arg(centesimos % 100, 2, 10, QLatin1Char('0'));
    if (negativo && centesimos != 0)
        r.prepend(l.negativeSign());
    return r;
}

} // namespace Balanco
