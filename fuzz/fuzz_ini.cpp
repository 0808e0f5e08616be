// Settings files: any bytes as "config.ini"; reading never fails, and a key
// written is read back as written while the rest of the file is kept.
#include "core/install/Ini.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho)
{
    static const QString arquivo = QDir::temp().filePath(QStringLiteral("golazzo-fuzz-%1.ini").arg(getpid()));
    const QByteArray bytes(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));
    {
        QFile f(arquivo);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(bytes);
    }
    Ini::le(arquivo, QStringLiteral("Skin"), QStringLiteral("Atual"), QStringLiteral("Golazzo 2001"));
    Ini::le(arquivo, QStringLiteral("Patrocinio"), QStringLiteral("Ligado"), QStringLiteral("N"));
    Ini::le(arquivo, QStringLiteral(""), QStringLiteral(""));
    const QString valor = QStringLiteral("São Paulo");
    if (Ini::grava(arquivo, QStringLiteral("Skin"), QStringLiteral("Atual"), valor)) {
        const QString lido = Ini::le(arquivo, QStringLiteral("Skin"), QStringLiteral("Atual"));
        if (lido != valor)
            std::abort();
        // A second write of the same value changes nothing.
        QFile a(arquivo);
        a.open(QIODevice::ReadOnly);
        const QByteArray uma = a.readAll();
        a.close();
        Ini::grava(arquivo, QStringLiteral("Skin"), QStringLiteral("Atual"), valor);
        a.open(QIODevice::ReadOnly);
        if (a.readAll() != uma)
            std::abort();
    }
    return 0;
}
