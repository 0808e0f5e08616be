#pragma once
// The default install tree: the championship database, settings files,
// pictures, pages and sounds, all generated deterministically.
#include <QString>

namespace ArvoreInstalacao {

// Writes the complete default tree into the folder (created when absent).
// Throws ErroPrograma when something cannot be written.
void constroi(const QString& raiz);

} // namespace ArvoreInstalacao
