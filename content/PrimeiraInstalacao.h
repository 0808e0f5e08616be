#pragma once
#include <QString>

namespace PrimeiraInstalacao {
// Installs the default tree into the root when the root does not exist yet.
// An existing root is never touched. The tree is written into a sibling
// folder first and renamed, so an interrupted install leaves no half tree.
// Returns false (with the message in *erro) when it could not be installed.
bool garante(const QString& raiz, QString* erro = nullptr);
}
