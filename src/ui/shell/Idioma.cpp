#include "ui/shell/Idioma.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Idioma {

bool instala()
{
    const QLocale ptBR(QLocale::Portuguese, QLocale::Brazil);
    QLocale::setDefault(ptBR);
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return false;
    static const char* const kPropriedade = "golazzoTraducaoQt";
    if (app->property(kPropriedade).toBool())
        return true;
    // Qt's own catalogue ("qtbase_pt_BR.qm"): where Qt keeps its translations
    // (Debian: qt6-translations-l10n), or beside the program when it is shipped with it.
    const QStringList pastas = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    auto* traducao = new QTranslator(app);
    for (const QString& pasta : pastas) {
        if (traducao->load(ptBR, QStringLiteral("qtbase"), QStringLiteral("_"), pasta)) {
            QCoreApplication::installTranslator(traducao);
            app->setProperty(kPropriedade, true);
            return true;
        }
    }
    delete traducao;
    return false;
}

} // namespace Idioma
